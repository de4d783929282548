#include "l_QORDlgDocument.h"

#include <X11/IntrinsicP.h>
#include <X11/CoreP.h>
#include <X11/Shell.h>
#include <X11/Xmu/Editres.h>
#include <Xm/DrawingA.h>
#include <Xm/BulletinB.h>
#include <Xm/MainW.h>
#include <Xm/RowColumn.h>
#include <Xm/Separator.h>

#include <algorithm>
#include <cstdlib>
#include <string>

#include "QORDlgArgs.h"
#include "QORDlgText.h"
#include "QORDlgXpm.h"
#include "l_QORDlgClientMDI.h"
#include "l_QORDlgLayoutManager.h"
#include "l_QORInteractiveApplication.h"

namespace {
const char* const kDockSuffix[l_QORDlgDocument::Docks] = {"HTp", "HBp", "VLp", "VRp"};

std::string named(const QORString& name, const char* suffix) { return std::string(name.c_str()) + suffix; }

// A document starts hidden; its MDI bit holds unless the old behaviour is asked for.
unsigned long documentStyle(unsigned long s) {
  s = (s & ~static_cast<unsigned long>(QORDlgShown)) | QORDlgHidden;
  if (std::getenv("OLD_UNIX_MDI")) s &= ~static_cast<unsigned long>(QORDlgDocumentMDI);
  return s;
}

}  // namespace

l_QORDlgDocument::l_QORDlgDocument(l_QORInteractiveApplication* app, const QORString& n, QORDlgDocument* a,
                                   unsigned long s)
    : l_QORDlgWindow(nullptr, n, a, documentStyle(s)) {
  style = documentStyle(style | (s & QORDlgDocumentMDI));
  SetApplication(app);
  SetMainWindow(this);
  if (app) app->AddWindow(this);
}

l_QORDlgDocument::~l_QORDlgDocument() { delete mdiClient; }

Widget l_QORDlgDocument::GetBaseWidget(int which) {
  switch (which) {
    case 1: return mainWindow;
    case 2: return docks[Top].area;
    case 5: return docks[Bottom].area;
    case 3: return docks[Left].area;
    case 6: return docks[Right].area;
    case 4: return statusRow;
    default: return workArea;
  }
}

// ---- building ----

void l_QORDlgDocument::BuildWindow() {
  if (built) return;
  l_QORInteractiveApplication* app = GetApplication();
  if (!app || !app->GetWidget()) return;
  built = 1;
  if (!resourceLock) loadResources();

  QORDlgArgs<8> args;
  args.add(XmNvisual, app->GetVisual());
  args.add(XmNdepth, app->GetDepth());
  args.add(XmNcolormap, app->GetColormap());
  args.add(XmNmappedWhenManaged, True);
  args.add(XmNbaseWidth, 5);
  args.add(XmNbaseHeight, 5);
  // Closing goes through the window's close protocol.
  args.add(XmNdeleteResponse, XmDO_NOTHING);
  shell = XtCreatePopupShell(name.c_str(), topLevelShellWidgetClass, app->GetWidget(), args.data(), args.count());

  QORDlgArgs<4> mw;
  if (GlobalXResources.enabled) {
    mw.add(XmNbackground, GlobalXResources.documentBackground);
    mw.add(XmNforeground, GlobalXResources.documentForeground);
  }
  mw.add(XmNuserData, static_cast<l_QORDialog*>(this));
  mainWindow = XmCreateMainWindow(shell, const_cast<char*>(named(name, "Mw").c_str()), mw.data(), mw.count());
  baseWidget = mainWindow;
  AddWMCallbacks();

  clientArea = XtVaCreateWidget(named(name, "Ca").c_str(), xmDrawingAreaWidgetClass, mainWindow, XmNmarginWidth, 0,
                                XmNmarginHeight, 0, XmNx, 0, XmNy, 0, XmNwidth, 5, XmNheight, 5, XmNresizePolicy,
                                XmRESIZE_NONE, nullptr);
  XtAddCallback(shell, XmNpopupCallback, popupCB, this);
  for (int d = 0; d < Docks; ++d) {
    DockArea& a = docks[d];
    a.area = XtVaCreateWidget(named(name, kDockSuffix[d]).c_str(), xmBulletinBoardWidgetClass, clientArea,
                              XmNmarginWidth, 0, XmNmarginHeight, 0, XmNresizePolicy, XmRESIZE_NONE, XmNshadowThickness,
                              0, nullptr);
    a.separator = XtVaCreateWidget((named(name, kDockSuffix[d]) + "S").c_str(), xmSeparatorWidgetClass, clientArea,
                                   XmNorientation, d < Left ? XmHORIZONTAL : XmVERTICAL, nullptr);
    makeSash(static_cast<Dock>(d), (named(name, kDockSuffix[d]) + "H").c_str());
  }
  workArea = XtVaCreateManagedWidget(named(name, "Wa").c_str(), xmDrawingAreaWidgetClass, clientArea, XmNmarginWidth,
                                     0, XmNmarginHeight, 0, XmNresizePolicy, XmRESIZE_NONE, nullptr);
  if (IsMDI()) mdiClient = new l_QORDlgClientMDI(workArea, this);
  statusRow = XtVaCreateWidget(named(name, "Sb").c_str(), xmRowColumnWidgetClass, clientArea, XmNmarginWidth, 0,
                               XmNmarginHeight, 0, XmNspacing, 0, nullptr);
  statusSeparator = XtVaCreateManagedWidget(named(name, "Sp").c_str(), xmSeparatorWidgetClass, statusRow, nullptr);
  XmMainWindowSetAreas(mainWindow, nullptr, nullptr, nullptr, nullptr, clientArea);
  XtAddCallback(clientArea, XmNresizeCallback, clientResizeCB, this);

  XtAddEventHandler(shell, NoEventMask, True, _XEditResCheckMessages, nullptr);
  InstallDestroyHandler();
  InstallMoveWindowHandler(shell);
  registerDropSite();

  pending = (pending & ~static_cast<unsigned long>(QORDlgUpdVisibility)) | QORDlgUpdChildren | QORDlgUpdMenuBar |
            QORDlgUpdToolBars;
  update(0);
}

// ---- showing and hiding ----

void l_QORDlgDocument::SetVisibility(unsigned long v) {
  BuildWindow();
  l_QORDlgWindow::SetVisibility(v);
}

void l_QORDlgDocument::manage() {
  if (!mainWindow) return;
  if (menuBar && menuBar->GetBaseWidget(0)) XtManageChild(menuBar->GetBaseWidget(0));
  XtManageChild(workArea);
  for (DockArea& a : docks)
    if (a.holdsToolBar) XtManageChild(a.area);
  if (statusBar) XtManageChild(statusRow);
  XtManageChild(clientArea);
  XtManageChild(mainWindow);
  arrangeAreas();
  XtPopup(shell, XtGrabNone);
  // The document tells its resizes from the client area (the shell's size),
  // not from the work area, which the bars also resize.
  XtRemoveCallback(workArea, XmNresizeCallback, resizeCB, this);
  if (!(api && api->IsReplay())) XtAppAddWorkProc(GetApplicationContext(), setKeyboardFocusWP, this);
  if (l_QORInteractiveApplication* app = GetApplication()) app->UpdateCursor();
  if (mdiClient) {
    mdiClient->Build();
    mdiClient->FollowWorkArea();
    // The frames' pop-ups grab the third button on the client: without a
    // grab of our own over it, no child would see the gesture.
    EnableThreeButton();
  }
}

void l_QORDlgDocument::unmanage() {
  if (!mainWindow) return;
  XtUnmanageChild(mainWindow);
  XtPopdown(shell);
  if (l_QORInteractiveApplication* app = GetApplication()) app->UpdateCursor();
}

// A top-level shell does not go with its main window as a dialog shell goes
// with its box: left behind, its handlers would call a deleted letter.
void l_QORDlgDocument::UnBuild() {
  Widget going = built ? shell : nullptr;
  l_QORDlgWindow::UnBuild();
  if (!going) return;
  shell = mainWindow = nullptr;
  XtDestroyWidget(going);
}

// ---- the deferred update ----

void l_QORDlgDocument::update(unsigned long mask) {
  if (!built) return;
  auto take = [&](unsigned long bit) { return takePending(bit, mask); };
  if (take(QORDlgUpdChildren))
    for (int i = 0; i < children.getCount(); ++i) GetChild(i)->Build();
  if (take(QORDlgUpdToolBars)) PositionToolbars();
  if (take(QORDlgUpdSize) && dx > 0 && dy > 0)
    XtVaSetValues(shell, XmNwidth, static_cast<Dimension>(dx), XmNheight, static_cast<Dimension>(dy), nullptr);
  if (take(QORDlgUpdLayout) && layoutManager && layoutManager->isFirstLayoutDone()) ObjectResize();
  if (take(QORDlgUpdIcon)) applyIcon();
  if (take(QORDlgUpdTitle) && shell) QORDlgText::setShellTitle(shell, title);
  // A size the program gives is told, like the user's, by the shell's resize
  // once the window is placed (clientResizeCB), never by the base update.
  take(QORDlgUpdResize);
  l_QORDlgWindow::update(mask);
}

// The window manager shows the document's icon for the iconified window.
void l_QORDlgDocument::applyIcon() {
  l_QORInteractiveApplication* app = GetApplication();
  if (!shell || !app || !iconNames[0] || iconNames[0]->IsEmpty()) return;
  PixmapVisual = app->GetVisual();
  PixmapDepth = app->GetDepth();
  PixmapColormap = app->GetColormap();
  std::string icon = iconNames[0]->str();
  Pixmap pixmap = 0, insensitive = 0;  // the application's cache keeps them
  if (loadxpm(shell, &icon[0], &pixmap, &insensitive) == 0) XtVaSetValues(shell, XmNiconPixmap, pixmap, nullptr);
}

// ---- geometry ----

// The window was resized: the areas are placed again (which lays the work
// area out) and, once the window manager has placed the window, the resize is
// told. Sizes before that are its opening, and a replay tells its own.
void l_QORDlgDocument::clientResizeCB(Widget, XtPointer client, XtPointer) {
  auto* d = static_cast<l_QORDlgDocument*>(client);
  d->arrangeAreas();
  if (!d->placed || d->quietGeometry) return;
  // A replay tells the recorded resize itself, when its entry comes.
  if (d->api && d->api->IsReplay()) return;
  d->notify(&d->resizeNotification);
  d->notify(&d->windSizeNotification);
}

void l_QORDlgDocument::Resize() {
  if (resizing || !shell) return;
  resizing = 1;
  if (firstSizePending) FirstSize();
  else UserResize(shell->core.height, shell->core.width);
  resizing = 0;
}

void l_QORDlgDocument::FirstSize() {
  bool withChildren = false;
  for (int i = 0; i < children.getCount() && !withChildren; ++i)
    withChildren = !GetChild(i)->traits().Has(QORDlgCapNotAttached) && !GetChild(i)->IsAKindOf(QORDlgCodeWindow);
  int w = workWidth, h = workHeight;
  if (withChildren && layoutManager && !IsMDI()) {
    layoutManager->Layout();
    layoutManager->getSize(w, h);
    // The layout's size is the work area's plus one each way, as a user's
    // resize later gives it.
    --w;
    --h;
    firstSizePending = 0;
  } else if (w <= 0 || h <= 0) {
    // An empty document (or an MDI one) opens at a size to work in.
    w = 640;
    h = 480;
    firstSizePending = 0;
  }
  workWidth = w;
  workHeight = h;
  // Around the work area: the bars and the status row, then the menu bar
  // (the shell's part beyond the client area).
  int top = 0, bottom = 0, left = 0, right = 0, status = 0;
  roomAround(top, bottom, left, right, status);
  const int extraW = shell->core.width - clientArea->core.width + left + right;
  const int extraH = shell->core.height - clientArea->core.height + top + bottom + status;
  if (dx <= 0 || dy <= 0) {
    dx = w + std::max(extraW, 0);
    dy = h + std::max(extraH, 0);
  }
  XtVaSetValues(shell, XmNwidth, static_cast<Dimension>(dx), XmNheight, static_cast<Dimension>(dy), nullptr);
  SetWindowMinSize();
}

void l_QORDlgDocument::UserResize(int height, int width) {
  dx = width;
  dy = height;
  workWidth = workArea->core.width;
  workHeight = workArea->core.height;
  if (layoutManager && !IsMDI()) layoutManager->updateSize(workWidth + 1, workHeight + 1, 0);
}

void l_QORDlgDocument::ObjectResize() {
  if (!layoutManager || IsMDI()) return;
  firstSizePending = 0;
  layoutManager->Layout();
  // Content that needs more room than the work area has enlarges the window;
  // otherwise the window keeps the size the user gave it.
  int w = 0, h = 0;
  layoutManager->getSize(w, h);
  const int workW = workArea->core.width, workH = workArea->core.height;
  const int growW = std::max(w - 1 - workW, 0), growH = std::max(h - 1 - workH, 0);
  layoutManager->updateSize(workW + growW + 1, workH + growH + 1, 1);
  if ((growW || growH) && shell)
    XtVaSetValues(shell, XmNwidth, static_cast<Dimension>(shell->core.width + growW), XmNheight,
                  static_cast<Dimension>(shell->core.height + growH), nullptr);
  SetWindowMinSize();
}

void l_QORDlgDocument::ReLayout() {
  if (!layoutManager) return;
  if (firstSizePending) FirstSize();
  else ObjectResize();
}

void l_QORDlgDocument::SetWindowMinSize() {
  if (IsMDI() || !layoutManager || !shell) return;
  int mw = workArea->core.width, mh = workArea->core.height;
  layoutManager->computeMinSize(mw, mh);
  const int minW = shell->core.width - workArea->core.width + mw;
  const int minH = shell->core.height - workArea->core.height + mh;
  XtVaSetValues(shell, XmNminWidth, std::max(minW, 1), XmNminHeight, std::max(minH, 1), nullptr);
}
