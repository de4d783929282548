// QORDlgFile: the file selection window (filter, directories, files,
// selection; OK, Filter, Cancel, optional Apply and Help). It keeps its own
// copy of the directory, pattern and selection: on a replayed run they are
// the recorded choice, mapped onto this machine's directories.
#pragma once
#include "QORDlgWindow.h"

class QORInteractiveApplication;

class QORDlgFile : public QORDlgWindow {
 public:
  // Style: QORDlgFileModal, QORDlgFileHelp, QORDlgFileApply, QORDlgFileMultiple.
  QORDlgFile(QORDialog* father, const QORString& name, unsigned long style);
  // A box without father window, registered with the application.
  QORDlgFile(QORInteractiveApplication* application, const QORString& name, unsigned long style);
  const char* GetClassName() const override { return "QORDlgFile"; }
  l_QORDialog* GetLetterObject() const override;

  QORDlgDiaOKNotification* GetDiaOKNotification() const;
  QORDlgDiaCANCELNotification* GetDiaCANCELNotification() const;
  QORDlgDiaAPPLYNotification* GetDiaAPPLYNotification() const;
  QORDlgDiaHELPNotification* GetDiaHELPNotification() const;

  // Labels and button titles; texts from the catalog win over these.
  void SetFilterLabel(const QORUnicodeString& text);
  void SetDirectoriesLabel(const QORUnicodeString& text);
  void SetFilesLabel(const QORUnicodeString& text);
  void SetSelectionLabel(const QORUnicodeString& text);
  QORUnicodeString GetFilterLabel() const;
  QORUnicodeString GetDirectoriesLabel() const;
  QORUnicodeString GetFilesLabel() const;
  QORUnicodeString GetSelectionLabel() const;
  void SetOKTitle(const QORUnicodeString& title);
  void SetAPPLYTitle(const QORUnicodeString& title);
  void SetFILTERTitle(const QORUnicodeString& title);
  void SetCANCELTitle(const QORUnicodeString& title);
  void SetHELPTitle(const QORUnicodeString& title);
  QORUnicodeString GetOKTitle() const;
  QORUnicodeString GetAPPLYTitle() const;
  QORUnicodeString GetFILTERTitle() const;
  QORUnicodeString GetCANCELTitle() const;
  QORUnicodeString GetHELPTitle() const;

  // 8 makes a button sensitive, any other value insensitive; getters give 8 or 16.
  void SetOKSensitivity(unsigned long s);
  void SetAPPLYSensitivity(unsigned long s);
  void SetFILTERSensitivity(unsigned long s);
  void SetCANCELSensitivity(unsigned long s);
  void SetHELPSensitivity(unsigned long s);
  unsigned long GetOKSensitivity() const;
  unsigned long GetAPPLYSensitivity() const;
  unsigned long GetFILTERSensitivity() const;
  unsigned long GetCANCELSensitivity() const;
  unsigned long GetHELPSensitivity() const;

  void SetDirectory(const QORUnicodeString& directory);
  void GetDirectory(QORUnicodeString& directory) const;
  void SetFileName(const QORUnicodeString& file);
  void SetFilterPattern(const QORUnicodeString& pattern);
  void GetFilterPattern(QORUnicodeString& pattern) const;
  // The selection; with multiple selection, the first selected file.
  void GetSelection(QORUnicodeString& selection) const;
  // Copies at most `max` selected files; returns how many are selected.
  int GetSelection(QORUnicodeString* files, int max) const;
  // 1 for a single-selection box.
  int GetSelectionCount() const;

  // Named filters for the application; the box does not show them.
  void SetFilterStrings(QORUnicodeString* texts, QORString* patterns, int count);
  int GetFilterStrings(QORUnicodeString* texts, QORString* patterns, int max) const;
  void SetActiveFilterIndex(int index);
  int GetActiveFilterIndex() const;
  void SetReadOnlyState(int state);
  int GetReadOnlyState() const;
  // 1 OK, 2 Cancel, 3 Help, 4 Apply: the button last pressed.
  int GetResponse() const;
};
