// Internal to libTOLVEN: not API, never installed.
// Letter of QORDlgFile (class code 37): a Motif file selection dialog. The
// box's own Apply button is its Filter button; the toolkit's Apply is an
// extra gadget in the button row.
#pragma once
#include <Xm/Xm.h>

#include <vector>

#include "QORDlgFile.h"
#include "l_QORDlgWindow.h"

class l_QORDlgRecordIo;

class l_QORDlgFile : public l_QORDlgWindow {
 public:
  l_QORDlgFile(l_QORDialog* father, const QORString& name, QORDlgFile* api, unsigned long style);
  ~l_QORDlgFile() override;

  void SetVisibility(unsigned long visibility) override;
  void Build() override {}
  unsigned long GetClassCode() const override { return QORDlgCodeFile; }
  void update(unsigned long mask) override;
  void loadResources() override;
  void manage() override;
  void unmanage() override;
  void BuildWindow() override;
  // 0: where the box's own objects live (its work area once it has one);
  // anything else: the file selection box.
  Widget GetBaseWidget(int which) override;
  void recordCases(l_QORDlgRecordCases& cases) override;

  // The named texts: the five buttons, then the four labels.
  enum Named { OK, Apply, Filter, Cancel, Help, FilterLabel, DirectoriesLabel, FilesLabel, SelectionLabel, NamedCount };
  void SetNamedText(Named which, const QORUnicodeString& text);
  QORUnicodeString GetNamedText(Named which);
  void SetButtonSensitivity(Named button, unsigned long s);
  unsigned long GetButtonSensitivity(Named button) const { return sensitive[button] ? 8 : 16; }
  Widget GetNamedWidget(Named which) const { return named[which]; }

  void SetDirectorie(const QORUnicodeString& d);
  void GetDirectorie(QORUnicodeString& d);
  void SetFileName(const QORUnicodeString& f);
  void SetFilterPattern(const QORUnicodeString& p);
  void GetFilterPattern(QORUnicodeString& p);
  void GetSelection(QORUnicodeString& s);
  int GetSelection(QORUnicodeString* files, int max) const;
  int GetSelectionCount() const;

  void SetFilterStrings(QORUnicodeString* texts, QORString* patterns, int count);
  int GetFilterStrings(QORUnicodeString* texts, QORString* patterns, int max) const;
  void SetActiveFilterIndex(int index);
  int GetActiveFilterIndex() const { return filterPatterns.empty() ? 0 : activeFilter; }
  void SetReadOnlyState(int state) { readOnly = state; }
  int GetReadOnlyState() const { return readOnly; }
  int GetResponse() const { return response; }
  Widget GetShell() const { return shell; }

  QORDlgDiaOKNotification diaOKNotification;
  QORDlgDiaCANCELNotification diaCANCELNotification;
  QORDlgDiaAPPLYNotification diaAPPLYNotification;
  QORDlgDiaHELPNotification diaHELPNotification;

 private:
  static void okCB(Widget w, XtPointer client, XtPointer call);
  static void buttonCB(Widget w, XtPointer client, XtPointer call);
  static void multipleCB(Widget w, XtPointer client, XtPointer call);
  void okSelected(const QORUnicodeString& value);
  void helpSelected();
  void multipleSelected(const XmString* items, int count);
  void takeChildren();
  void addApplyButton();
  void applyColours();
  void applyDirectory();
  void applyPattern();
  bool multiple() const { return (style & QORDlgFileMultiple) != 0; }
  // The box's own directory, pattern or selection field, unless replaying.
  bool readsBox() const;
  QORUnicodeString boxText(const char* resource) const;
  QORUnicodeString selectionField() const;
  void recordChoice(l_QORDlgRecordIo& io);
  void recordFiles(l_QORDlgRecordIo& io);
  void mapReplayed(QORUnicodeString& file);

  QORUnicodeString directory, pattern, selection, fileName;
  QORUnicodeString texts[NamedCount];
  std::vector<QORUnicodeString> filterTexts;
  std::vector<QORString> filterPatterns;
  short sensitive[5] = {1, 1, 1, 1, 1};
  int activeFilter = 0;
  std::vector<QORUnicodeString> selectedFiles;
  int readOnly = 0;
  Widget named[NamedCount] = {};
  Widget shell = nullptr;
  int response = 0;
  int resourceTexts = 0;
};
