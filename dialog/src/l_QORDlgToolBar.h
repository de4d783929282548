// Internal to libTOLVEN: not API, never installed.
// Letter of QORDlgToolBar (class code 14): a drawing area "<name>Wa" that
// lives in one of its document's docking areas, or, floating, in the frame
// "<name>Da" of a dialog shell of its own. Docking moves that same widget
// between parents, so the children and their callbacks stay.
#pragma once
#include "QORDlgToolBar.h"
#include "l_QORDlgBar.h"

class QORDlgToolBarCtxMenu;
class l_QORDlgDocument;

class l_QORDlgToolBar : public l_QORDlgBar {
 public:
  l_QORDlgToolBar(l_QORDialog* father, const QORString& name, QORDlgToolBar* api, unsigned long style);
  ~l_QORDlgToolBar() override;
  void Build() override;
  void Destroy() override;
  unsigned long GetClassCode() const override { return QORDlgCodeToolBar; }
  void update(unsigned long mask) override;
  void SetVisibility(unsigned long visibility) override;
  void manage() override;
  void unmanage() override;
  void widgetDestroyed() override;
  void recordCases(l_QORDlgRecordCases& cases) override;

  unsigned long SetDockState(unsigned long state);
  unsigned long GetDockState() const { return dockState; }
  int IsHorizontal() const { return horizontal != 0; }
  int IsFloating() const { return dockState == QORDlgToolBarUndocked; }
  // Given by the document window, which places the docked bars.
  void SetToolBarRect(int x, int y, int width, int height);
  // True when a child has a layout manager: only then may the user resize the bar.
  int IsResizable();
  void PositionChildren();
  void createContextualMenu();
  void resetContextualMenu() { ctxCommand = nullptr; }
  void ChildVisibilityModified();
  // The floating shell's close request.
  void close();
  Widget GetFloatingShell() const { return floatingShell; }

  // Any value that names no dock state means top.
  static unsigned long normalDockState(unsigned long state);

  QORDlgWindCloseNotification windCloseNotification;
  QORDlgWindDockNotification windDockNotification;

 private:
  l_QORDlgDocument* document() const;
  // The widget the bar lives in for `state`: a docking area or the floating frame.
  Widget parentFor(unsigned long state);
  void buildFloatingShell();
  void offerWindowMenu();
  void placeFloatingShell();
  // The floating frame and shell take the bar's size (shell resizing off).
  void fitFloatingShell(int width, int height);
  void moveTo(Widget parent, bool wasFloating);
  void stretchContainers();
  void toldDocument();
  static void floatingResizeCB(Widget w, XtPointer client, XtPointer call);
  static void closeCB(Widget w, XtPointer client, XtPointer call);
  static void shellDestroyedCB(Widget w, XtPointer client, XtPointer call);

  unsigned long dockState;
  int horizontal;
  // A child came or went: the bar lays its children out again.
  bool childrenChanged = false;
  QORDlgToolBarCtxMenu* ctxCommand = nullptr;
  Widget floatingShell = nullptr, floatingFrame = nullptr;
  Widget offeredTo = nullptr;  // the window's pop-up the floating frame posts

  // Margins inside the bar widget: around and between its children.
  static constexpr Dimension kMargin = 2;
  // Set while the bar itself resizes or shows its floating shell: the
  // resize callbacks that follow are not the user's.
  static int selfResizing;
  // Sets selfResizing for the lifetime of the guard.
  struct SelfResize {
    explicit SelfResize(int& f) : flag(f), was(f) { flag = 1; }
    ~SelfResize() { flag = was; }
    int& flag;
    int was;
  };
  static short nextShellX, nextShellY;
};
