// Internal to libTOLVEN: not API, never installed.
// Base of the top-level window letters (class code 2). A window roots a tree:
// it knows its application and is on the application's window list. It owns
// what every kind of window shares: the window manager's protocols and events,
// the decoration offsets, maximise/minimise/restore and full screen, the bar
// slots and the initial keyboard focus. The concrete kinds create the shell in
// BuildWindow() and install the services below on it.
#pragma once
#include "l_QORDialog.h"

class l_QORDlgWindow : public l_QORDialog {
 public:
  l_QORDlgWindow(l_QORDialog* father, const QORString& name, QORDialog* api, unsigned long style);
  ~l_QORDlgWindow() override;

  void SetVisibility(unsigned long visibility) override;
  void GetRectPosition(int* x, int* y) override;
  unsigned long GetClassCode() const override { return QORDlgCodeWindow; }
  void update(unsigned long mask) override;
  l_QORDialog* GetFirstEditable() override;
  void unmanage() override;
  void manage() override;
  using l_QORDialog::GetRectPosition;

  // The window's own operations; at this level only close() does something.
  virtual void DeselectAllBrothers(int position, int notify);
  virtual void ReLayout() {}
  // Creates the shell and then the subtree; run by the update pass when the
  // window is asked to build (pending bit 0x80000000 on a window not built).
  void BuildWindow() override {}
  virtual void SetWindowMinSize() {}
  virtual void close();
  virtual void FirstSize() {}
  virtual void UserResize(int height, int width) { (void)height, (void)width; }
  virtual void ObjectResize() {}
  virtual void Resize() {}

  void Maximize();
  void Minimize();
  void Restore();
  int IsMaximized() const { return maximised; }
  int IsMinimized() const { return minimised; }
  void SetFullScreen(int on);
  int GetFullScreen() const { return fullScreen; }
  // Height first, then width, of the window's screen; 0, 0 without a widget.
  void GetMaximumSize(int* height, int* width);

  // Bar and combo slots. The bar and combo classes register themselves here.
  l_QORDialog* SetMenuBar(l_QORDialog* bar);
  l_QORDialog* GetMenuBar() const { return menuBar; }
  // A menu bar being deleted: the window keeps no pointer to it.
  void ForgetMenuBar(l_QORDialog* bar);
  l_QORDialog* SetStatusBar(l_QORDialog* bar);
  l_QORDialog* GetStatusBar() const { return statusBar; }
  void SetDefaultContextualMenu(l_QORDlgContextualMenu* menu);
  l_QORDlgContextualMenu* GetDefaultContextualMenu() const { return defaultContextualMenu; }
  void SetOpenCombo(l_QORDialog* combo);
  void CloseOpenCombo() { SetOpenCombo(nullptr); }
  l_QORDialog* GetOpenCombo() const { return openCombo; }
  // The open combo is going away: nothing to close.
  void ForgetOpenCombo() { openCombo = nullptr; }

  // Services the concrete kinds install from BuildWindow(). The window
  // manager's callbacks come with the inspection channel's handler.
  void AddWMCallbacks();
  void InstallMoveWindowHandler(Widget w = nullptr);
  static void popupCB(Widget w, XtPointer client, XtPointer call);
  static void resizeCB(Widget w, XtPointer client, XtPointer call);
  static void closeCallback(Widget w, XtPointer client, XtPointer call);
  static Boolean setKeyboardFocusWP(XtPointer window);
  void setKeyboardFocus();
  void SetWorkArea(Widget w) { workArea = w; }
  Widget GetWorkArea() const { return workArea; }
  // The nearest shell at or above the window's widget, or null.
  Widget FindShell();

  int IsFirstSizePending() const { return firstSizePending; }
  void SetFirstSizePending(int p) { firstSizePending = p; }

  QORDlgWindSizeNotification windSizeNotification;
  QORDlgWindCloseNotification windCloseNotification;
  QORDlgWindMoveNotification windMoveNotification;
  QORDlgWindMaximizeNotification windMaximizeNotification;
  QORDlgWindMinimizeNotification windMinimizeNotification;
  QORDlgWindRestoreNotification windRestoreNotification;

  // Offsets of the window manager's decorations; -1 until measured.
  static int _deco_width, _deco_height;
  // Set once the window manager told us it positions frames, not shells.
  static int wmOffsetFlag;
  static const l_QORDlgList& GetLiveWindows() { return liveWindows; }
  static int IsLiveWindow(l_QORDlgWindow* w) { return liveWindows.getPosition(w) >= 0; }

 protected:
  // Returns true when the decorations are known (or given up on).
  bool measureDecorations();
  void applyFullScreen();
  static void moveEH(Widget w, XtPointer client, XEvent* event, Boolean* cont);
  static void visibilityCB(Widget w, XtPointer client, XtPointer call);
  void handleWindowEvent(XEvent* event);

  int firstSizePending = 1;
  l_QORDialog* menuBar = nullptr;
  l_QORDialog* statusBar = nullptr;
  l_QORDialog* previousMenuBar = nullptr;
  l_QORDlgContextualMenu* defaultContextualMenu = nullptr;
  int savedX = 0, savedY = 0, savedWidth = 0, savedHeight = 0;
  int fullScreen = 0;
  l_QORDialog* openCombo = nullptr;
  Widget workArea = nullptr;
  int minimised = 0, maximised = 0, resizing = 0;
  // Set while a replay applies a recorded geometry: the resize callback then
  // leaves the layout and the notifications to the replay.
  int quietGeometry = 0;
  // Set once the window is mapped: the window manager has placed it.
  int placed = 0;
  // 1 while our Maximize() and 2 while our Restore() wait for their geometry.
  int transition = 0, transitionEvents = 0, transitionWidth = 0, transitionHeight = 0;

 private:
  static l_QORDlgList liveWindows;
};
