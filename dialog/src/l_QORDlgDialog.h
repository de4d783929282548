// Internal to libTOLVEN: not API, never installed.
// Letter of QORDlgDialog (class code 4): a Motif message-box (or template)
// dialog holding a work area ("<name>Ca") and, inside it, the inner area
// ("<name>Wa") where the dialog's objects live.
#pragma once
#include "QORDlgDialog.h"
#include "l_QORDlgWindow.h"

class l_QORDlgRecordIo;
class l_QORDlgClientMDI;

class l_QORDlgDialog : public l_QORDlgWindow {
 public:
  l_QORDlgDialog(l_QORDialog* father, const QORString& name, QORDlgDialog* api, unsigned long style);
  ~l_QORDlgDialog() override;

  void SetVisibility(unsigned long visibility) override;
  void Build() override {}
  unsigned long GetClassCode() const override { return QORDlgCodeDialogBox; }
  void update(unsigned long mask) override;
  void loadResources() override;
  Widget GetBaseWidget(int which) override;
  void unmanage() override;
  void manage() override;
  void recordCases(l_QORDlgRecordCases& cases) override;
  void ReLayout() override;
  void BuildWindow() override;
  void SetWindowMinSize() override;
  void FirstSize() override;
  void UserResize(int height, int width) override;
  void ObjectResize() override;
  void Resize() override;

  virtual void GetMenuBarSize(int* height, int* width);
  virtual void SetWorkAreaSize();
  virtual void okSelected();
  virtual void cancelSelected();
  virtual void applySelected();
  virtual void helpSelected();

  // Titles and sensitivities of the standard buttons: 0 OK, 1 Apply, 2 Cancel, 3 Help.
  enum Button { OK = 0, Apply = 1, Cancel = 2, Help = 3 };
  void SetButtonTitle(Button b, const QORUnicodeString& title);
  QORUnicodeString GetButtonTitle(Button b);
  void SetButtonSensitivity(Button b, unsigned long s);
  unsigned long GetButtonSensitivity(Button b) const { return buttonSensitive[b] ? 8 : 16; }
  void SetDefaultButton(int button);
  int GetDefaultButton() const { return static_cast<int>(defaultButton); }
  int GetResponse() const { return response; }
  Widget GetButtonWidget(Button b) const { return buttons[b]; }
  Widget GetSeparator() const { return separator; }
  Widget GetInnerArea() const { return innerArea; }
  Widget GetShell() const { return shell; }
  bool isMDIChild() const { return (style & QORDlgDialogMDIChild) != 0; }
  // The MDI client lays the dialog out itself around the geometry it sets.
  void SetQuietGeometry(int quiet) { quietGeometry = quiet; }
  void GetWorkAreaSize(int* width, int* height) const {
    *width = workWidth;
    *height = workHeight;
  }

  QORDlgDiaOKNotification diaOKNotification;
  QORDlgDiaCANCELNotification diaCANCELNotification;
  QORDlgDiaAPPLYNotification diaAPPLYNotification;
  QORDlgDiaHELPNotification diaHELPNotification;
  QORDlgMDIRestoreNotification mdiRestoreNotification;
  QORDlgMDIMinimizeNotification mdiMinimizeNotification;
  QORDlgMDIMaximizeNotification mdiMaximizeNotification;
  QORDlgMDICloseNotification mdiCloseNotification;
  QORDlgMDINextNotification mdiNextNotification;
  QORDlgMDIPreviousNotification mdiPreviousNotification;
  QORDlgMDIActivateNotification mdiActivateNotification;

 protected:
  static void buttonCB(Widget w, XtPointer client, XtPointer call);
  bool hasButtons() const { return !(style & QORDlgDialogNoButtons); }
  void setShellSize(int width, int height);
  void widgetSize(Widget w, int* width, int* height);
  void setWidgetSize(Widget w, int width, int height);
  void setResizePolicy(Widget w, unsigned char policy);
  void mapWindow(Widget w, bool map);
  // The shell's geometry as a resize records it; the replay applies it and notifies.
  void recordGeometry(l_QORDlgRecordIo& io);
  void replayGeometry();
  // MDI child: the frame comes from the document's MDI client.
  bool buildMDIFrame();
  void firstSizeMDI(bool withChildren);
  l_QORDlgClientMDI* mdiClient() const;
  void recordMDICases(l_QORDlgRecordCases& cases);

  int workWidth = 0, workHeight = 0;
  int menuBarHeight = 0, menuBarWidth = 0;
  QORUnicodeString titles[4];
  unsigned long defaultButton = QORDlgDialogOK;
  short buttonSensitive[4] = {1, 1, 1, 1};
  Widget buttons[4] = {};
  Widget separator = nullptr;
  Widget innerArea = nullptr;
  int minWorkWidth = 0, minWorkHeight = 0;
  int response = 0;
  int resourceTitles = 0;
  Widget shell = nullptr;
  int fatherless = 0;
  // An MDI child's frame (x, y, width, height) as a move or size records it.
  int mdiRect[4] = {};
};
