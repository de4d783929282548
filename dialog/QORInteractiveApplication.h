// The application object of an interactive program: display connection,
// event loop, and the idle pass that applies deferred updates and deletions.
#pragma once
#include "QORApplication.h"
#include "QORDlgControl.h"
#include "QORString.h"

class l_QORInteractiveApplication;
class QORDialog;
struct QORMetaObject;

// --- drag and drop inside the application
// What a receiver would do with a drop, chosen with SetDropEffect while it
// handles a drag notification; the drag cursor shows it.
enum tagDROPEFFECT : unsigned long {
  DROPEFFECT_NONE = 0,
  DROPEFFECT_COPY = 1,
  DROPEFFECT_MOVE = 2,
  DROPEFFECT_LINK = 4,
};
struct POINTL {
  long x, y;
};
// GetDragState: none, requested by StartDrag, running, cancelled, dropped.
enum QORDlgDragState : int {
  QORDlgDragNone = 0,
  QORDlgDragRequested = 1,
  QORDlgDragRunning = 2,
  QORDlgDragCancelled = 3,
  QORDlgDragDropped = 4,
};
// Key state of a drag: the buttons and modifiers held.
enum : unsigned long {
  QORDlgDragKeyButton1 = 1,
  QORDlgDragKeyButton3 = 2,
  QORDlgDragKeyShift = 4,
  QORDlgDragKeyControl = 8,
  QORDlgDragKeyButton2 = 16,
};

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

  // --- drag and drop inside the application
  // Off by default; with it off StartDrag does nothing.
  void SetDragAvailability(int available);
  int GetDragAvailability() const;
  // Asks for a drag, run at the next idle pass; usually called by the
  // subscriber of a QORDlgDragButtonNotification. The data and flags are
  // handed to the receivers as they are.
  void StartDrag(void* data, unsigned long flags);
  // The state (QORDlgDragState), with the source and target (null when
  // none), the pointer relative to the target and the key state.
  int GetDragState(QORDialog** source, QORDialog** target, POINTL& position, unsigned long& keyState) const;
  void* GetDragDataObject() const;
  // Ends a running drag as cancelled after the current event.
  void CancelDrag();
  void SetDropEffect(tagDROPEFFECT effect);
  tagDROPEFFECT GetDropEffect() const;
  // The event classes of a drag entering and leaving an application.
  static const QORMetaObject* DRAGENTER();
  static const QORMetaObject* DRAGLEAVE();

 private:
  l_QORInteractiveApplication* letter;
};
