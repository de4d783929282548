// Internal to libTOLVEN: not API, never installed.
// The MDI client of a document window in MDI style: the dialog boxes of the
// document live in it as child frames instead of as shells. Widget tree:
//
//   <document>Wa  the document's work area
//     ClientMDI   XmDrawingArea filling the work area
//       <dialog>     one child frame: 4-pixel borders drawn by the client
//         MDILocalMenu  the title bar: an XmDrawingArea holding
//           MDILocalMenuBt  the window-menu, minimise, maximise and close buttons
//           (title)         an XmLabel with the dialog's title
//         <dialog>Ca    the dialog's widget, work area and inner area at once
//     MDIPopupMenu   the window menu, shared by the frames
//
// The client is split by concern: frames and notifications here
// (l_QORDlgClientMDI.cpp), the pointer (l_QORDlgClientMDIPointer.cpp), the
// arrangements and states (l_QORDlgClientMDIArrange.cpp) and the window menu
// (l_QORDlgClientMDIMenu.cpp), and record and replay
// (l_QORDlgClientMDIReplay.cpp).
#pragma once
#include <X11/Intrinsic.h>

#include "l_QORDlgList.h"

class l_QORDlgDialog;
class l_QORDlgDocument;

class l_QORDlgClientMDI {
 public:
  // Pointer sectors of a frame (getSector).
  enum Sector {
    TopLeft = 1, Top = 2, TopRight = 3, Right = 4, BottomRight = 5, Bottom = 6, BottomLeft = 7, Left = 8,
    TitleBar = 9, Inside = 10, Outside = 11
  };
  // The codes of sendMessage.
  enum Message { Move = 0, Size = 1, Restored = 2, Minimized = 3, Maximized = 4, Closed = 5, Next = 6, Previous = 7,
                 Activated = 8 };
  static const int kBorder = 4;   // frame border thickness
  static const int kCorner = 20;  // length of a corner zone along a border

  struct Child {
    l_QORDlgDialog* dialog = nullptr;
    Widget frame = nullptr;    // the outer frame, child of the client widget
    Widget content = nullptr;  // the dialog's widget
    Widget titleBar = nullptr, title = nullptr;
    Widget menuButton = nullptr, minimizeButton = nullptr, maximizeButton = nullptr, closeButton = nullptr;
    int iconified = 0;
    int x = 0, y = 0, width = 0, height = 0;
    int savedX = 0, savedY = 0, savedWidth = 0, savedHeight = 0;
  };

  l_QORDlgClientMDI(Widget workArea, l_QORDlgDocument* document);
  ~l_QORDlgClientMDI();
  void Build();
  // The client takes the work area's size (the document placed it again).
  void FollowWorkArea();

  // --- for dialog boxes
  Widget CreateDialog(l_QORDlgDialog* dialog);
  void SetDialogTitle(l_QORDlgDialog* dialog, const char* title);
  // The dialog's frame shows or hides with the dialog.
  void ShowDialog(l_QORDlgDialog* dialog, bool show);
  // Sizes the frame so that the dialog's widget is width x height.
  void FitDialog(l_QORDlgDialog* dialog, int width, int height);
  // A dialog going away: its frame goes with it (every client is asked).
  static void ForgetDialog(l_QORDlgDialog* dialog);
  // Whether `w` is the widget of a live MDI client, and whether there is one.
  static bool IsClientWidget(Widget w);
  static bool Exists() { return liveClients.getCount() > 0; }

  // --- for the document
  void MDIActivate(l_QORDlgDialog* dialog);
  l_QORDlgDialog* MDIGetActive() const;
  void MDIMaximize(l_QORDlgDialog* dialog);
  void MDIMinimize(l_QORDlgDialog* dialog);
  void MDIRestore(l_QORDlgDialog* dialog);
  void MDINext();
  void MDIPrevious();
  // Flags: 1 columns instead of rows; 4 iconified frames stay icons.
  void MDITile(int flags);
  void MDICascade(int flags);
  void iconArrange();

  // --- state, for the document, the application and the tests
  Widget GetWidget() const { return client; }
  int GetCount() const { return frames.getCount(); }
  Child* GetChild(int i) const { return static_cast<Child*>(frames[i]); }
  Child* FindChild(l_QORDlgDialog* dialog) const;
  Child* FindFrame(Widget frame) const;
  int IsMaximized() const { return maximized; }
  int GetTitleHeight() const { return titleHeight; }
  int getSector(Child* child, int rootX, int rootY) const;
  // The frame on top under a press made in the client's own window, or null.
  Child* FrameAt(const XButtonEvent& press) const;
  void sendMessage(Child* child, int code);
  void setActiveMDI(Child* child);
  Widget GetWindowMenu() const { return windowMenu; }

  // --- record and replay (l_QORDlgClientMDIReplay.cpp)
  int GetFrameRect(l_QORDlgDialog* dialog, int& x, int& y, int& width, int& height) const;
  void ReplayState(l_QORDlgDialog* dialog, int code);
  void ReplayGeometry(l_QORDlgDialog* dialog, int code, int x, int y, int width, int height);

 protected:
  // --- frames (l_QORDlgClientMDI.cpp)
  void readPictures();
  Widget titleButton(Child* c, Widget parent, int picture);
  void placeChild(Child* c, int x, int y, int width, int height, bool tell = true);
  void layoutFrame(Child* c);
  void setLook(Child* c, bool active);
  void removeChild(Child* c);
  int visibleCount() const;
  bool isShown(Child* c) const;
  static void frameExposeCB(Widget w, XtPointer client, XtPointer call);
  static void contentDestroyCB(Widget w, XtPointer client, XtPointer call);
  static void workAreaDestroyCB(Widget w, XtPointer client, XtPointer call);
  static void clientResizeEH(Widget w, XtPointer client, XEvent* event, Boolean* cont);
  static void buttonCB(Widget w, XtPointer client, XtPointer call);

  // --- pointer (l_QORDlgClientMDIPointer.cpp)
  void installPointer(Child* c);
  void startTracking(Child* c, int sector, int rootX, int rootY, Widget grabWidget);
  void track(int rootX, int rootY);
  void endTracking(int rootX, int rootY);
  void stopTracking();
  void trackKey(XKeyEvent* key);
  void drawBand();
  void trackedRect(int rootX, int rootY, int& x, int& y, int& w, int& h) const;
  Cursor sectorCursor(int sector);
  static void framePressEH(Widget w, XtPointer client, XEvent* event, Boolean* cont);
  static void titlePressEH(Widget w, XtPointer client, XEvent* event, Boolean* cont);
  static void frameMotionEH(Widget w, XtPointer client, XEvent* event, Boolean* cont);
  static void trackEH(Widget w, XtPointer client, XEvent* event, Boolean* cont);

  // --- arrangement (l_QORDlgClientMDIArrange.cpp)
  void minimize(Child* c);
  void maximize(Child* c);
  void restore(Child* c);
  void fillClient(Child* c);
  void nextCascadeRect(int& x, int& y, int& w, int& h);
  void tileLine(Child** line, int count, int along, int start, int size, bool columns);
  void refreshButtons(Child* c);

  // --- window menu (l_QORDlgClientMDIMenu.cpp)
  void buildWindowMenu();
  void postWindowMenu(Child* c, XEvent* event);
  void menuItemsFor(Child* c);
  static void menuItemCB(Widget w, XtPointer client, XtPointer call);

  Widget workArea = nullptr;
  l_QORDlgDocument* document = nullptr;
  Display* display = nullptr;
  Widget client = nullptr;
  Widget windowMenu = nullptr;
  Widget menuItems[7] = {};
  l_QORDlgList frames;  // of Child, in activation order: 0 is the active frame
  // How many notifications of each code were sent (a replay tells one when applying did not).
  unsigned sentCount[9] = {};
  int maximized = 0;
  int toBeBuilt = 1;
  int clientWidth = 0, clientHeight = 0;
  int titleHeight = 0;
  // Widths of the menu, minimise, maximise and close buttons.
  int buttonWidth[4] = {};
  int cascadeX = 0, cascadeY = 0;
  // The pictures: menu, minimise, maximise, restore, close (None when missing).
  enum Picture { MenuPicture = 0, MinimizePicture, MaximizePicture, RestorePicture, ClosePicture, Pictures };
  Pixmap pictures[Pictures] = {};
  int pictureWidth[Pictures] = {}, pictureHeight[Pictures] = {};
  Pixel activeBackground = 0, activeForeground = 0, inactiveBackground = 0, inactiveForeground = 0;
  GC bandGC = nullptr, shadowGC = nullptr;

  // A move or a resize under way.
  struct Tracking {
    Child* child = nullptr;
    int sector = 0;
    int startX = 0, startY = 0, lastX = 0, lastY = 0;
    int drawn = 0;
    Widget grab = nullptr;
  } tracking;
  Cursor cursors[12] = {};

  static l_QORDlgList liveClients;
};
