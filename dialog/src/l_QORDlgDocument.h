// Internal to libTOLVEN: not API, never installed.
// Letter of QORDlgDocument (class code 3). Widget tree:
//
//   shell (topLevelShell, the document's name)
//     <name>Mw  XmMainWindow (menu bar, then the client area as work region)
//       <name>Ca  client area: a drawing area we lay out ourselves
//         <name>HTp / HBp / VLp / VRp  docking areas (top, bottom, left,
//                    right), each with a separator "...S" and a sash "...H"
//         <name>Wa  work area: the document's objects, or the MDI client
//         <name>Sb  status-bar row, with its separator <name>Sp
//
// The work area is the window's work area (GetBaseWidget(0)).
#pragma once
#include "QORDlgDocument.h"
#include "l_QORDlgList.h"
#include "l_QORDlgWindow.h"

class l_QORDlgToolBar;
class l_QORDlgClientMDI;
class l_QORDlgDialog;
class l_QORDlgRecordIo;

class l_QORDlgDocument : public l_QORDlgWindow {
 public:
  // The docking areas, in building order.
  enum Dock { Top = 0, Bottom = 1, Left = 2, Right = 3, Docks = 4 };

  l_QORDlgDocument(l_QORInteractiveApplication* application, const QORString& name, QORDlgDocument* api,
                   unsigned long style);
  ~l_QORDlgDocument() override;

  unsigned long GetClassCode() const override { return QORDlgCodeDocument; }
  void Build() override {}
  void BuildWindow() override;
  void SetVisibility(unsigned long visibility) override;
  void update(unsigned long mask) override;
  // 1 main window, 2 top, 5 bottom, 3 left, 6 right docking area, 4 the
  // status-bar row; anything else the work area.
  Widget GetBaseWidget(int which) override;
  void manage() override;
  void unmanage() override;
  void UnBuild() override;
  void SetWindowMinSize() override;
  void FirstSize() override;
  void UserResize(int height, int width) override;
  void ObjectResize() override;
  void Resize() override;
  void ReLayout() override;
  void recordCases(l_QORDlgRecordCases& cases) override;
  void SetStatusBarText(const QORUnicodeString& text) override;
  void SetStatusBarTemporaryText(const QORUnicodeString& text) override;

  int IsMDI() const { return (style & QORDlgDocumentMDI) != 0; }
  l_QORDlgClientMDI* GetMDIClient() const { return mdiClient; }
  Widget GetShell() const { return shell; }
  Widget GetClientArea() const { return clientArea; }
  Widget GetDockArea(Dock d) const { return docks[d].area; }

  // Tool bars register here; the document places the docked ones.
  void addToolBar(l_QORDlgToolBar* bar);
  void removeToolBar(l_QORDlgToolBar* bar);
  void ToolBarChanged();
  void PositionToolbars();
  // The separator and sash along the edge of docking area `d` next to the work area.
  void placeEdge(Dock d);
  void makeSash(Dock d, const char* name);
  static void sashCB(Widget w, XtPointer client, XtPointer call);
  int sashReach(Dock d, XEvent* event);
  void dragSash(Dock d, int size);
  const l_QORDlgList& GetToolBars() const { return toolBars; }

  // Every operation first closes the window's open combo list (not tile and
  // cascade); each does something only in MDI style.
  void MDIActivate(l_QORDlgDialog* dialog);
  l_QORDlgDialog* MDIGetActive();
  void MDIMaximize(l_QORDlgDialog* dialog);
  void MDIMinimize(l_QORDlgDialog* dialog);
  void MDIRestore(l_QORDlgDialog* dialog);
  void MDINext();
  void MDIPrevious();
  void MDITile(int flags);
  void MDICascade(int flags);

  QORDlgDroppedFileNotification droppedFileNotification;

 protected:
  struct DockArea {
    Widget area = nullptr, separator = nullptr, sash = nullptr;
    int holdsToolBar = 0;
    int size = 0;  // thickness across the side: height for top/bottom, width for left/right
  };
  // Places the docking areas, the status row and the work area in the client area.
  void arrangeAreas();
  // What the docked bars and the status row take around the work area.
  void roomAround(int& top, int& bottom, int& left, int& right, int& status);
  static void clientResizeCB(Widget w, XtPointer client, XtPointer call);
  // Files dropped by other applications.
  void registerDropSite();
  void recordGeometry(l_QORDlgRecordIo& io);
  void replayGeometry();
  // --- drops from other applications, recording, the window manager's icon
  static void dropProc(Widget site, XtPointer client, XtPointer call);
  static void transferProc(Widget w, XtPointer site, Atom* selection, Atom* type, XtPointer value,
                           unsigned long* length, int* format);
  // A value of `type` (STRING or COMPOUND_TEXT) dropped on the window: one
  // notification per name in it, in order.
  void droppedValue(Atom type, const char* bytes, unsigned long length, int format);
  void sendDroppedFile(const QORString& name);
  int SaveState(QORNotification* n, QORMarshal& m) override;
  void applyIcon();

  l_QORDlgList toolBars;
  Widget shell = nullptr, mainWindow = nullptr, clientArea = nullptr;
  DockArea docks[Docks];
  Widget statusRow = nullptr, statusSeparator = nullptr;
  // The pointer's distance from its area's thickness when a sash drag started.
  int sashOffset = 0;
  l_QORDlgClientMDI* mdiClient = nullptr;
  int workWidth = 0, workHeight = 0;
  int arranging = 0;
  // The dropped-file notification being recorded; the position a replayed
  // resize read (0, 0: none).
  QORDlgDroppedFileNotification* savedDrop = nullptr;
  Position replayedX = 0, replayedY = 0;
};
