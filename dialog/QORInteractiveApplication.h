// The application object of an interactive program: display connection,
// event loop, and the idle pass that applies deferred updates and deletions.
#pragma once
#include "QORApplication.h"
#include "QORDlgControl.h"
#include "QORString.h"

class l_QORInteractiveApplication;

class QORInteractiveApplication : public QORApplication {
 public:
  QORInteractiveApplication(QORCommand* father, const QORString& name);
  ~QORInteractiveApplication() override;
  const char* GetClassName() const override { return "QORInteractiveApplication"; }

  int SaveState(QORNotification* n, QORMarshal& m) override;
  int RestoreState(QORNotification* n, QORMarshal& m) override;
  void BeginApplication() override {}
  int EndApplication() override { return 0; }
  int BuildApplicationEnvironment(int argc, char** argv, char** envp) override;
  int RunApplication() override;

  void GetArgs(int* argc, char*** argv);
  // Ends the run after the next idle pass (or at once with EXIT set while recording or replaying).
  void Destroy();
  void SetBusyCursor();
  void SetStandardSchemes(int enabled);
  int GetStandardSchemes();
  void SetStandardResource(int standard);
  void SetAutomaticContextualHelp();
  void SetSplashScreen(QORString&) {}
  void UpdateDisplay();
  // Physical values of the controls (see QORDlgControl).
  void SetMagnitudeCurrentUnit(QORDlgControl::QORDlgMagnitude magnitude, QORDlgControl::QORDlgUnit unit);
  QORDlgControl::QORDlgUnit GetMagnitudeCurrentUnit(QORDlgControl::QORDlgMagnitude magnitude) const;
  const QORUnicodeString& GetDoubleValueString(double value, QORDlgControl::QORDlgMagnitude magnitude) const;
  l_QORInteractiveApplication* GetLetterObject() const { return letter; }

 private:
  l_QORInteractiveApplication* letter;
};
