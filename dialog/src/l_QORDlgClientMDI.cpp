#include "l_QORDlgClientMDI.h"

#include <X11/IntrinsicP.h>
#include <X11/CoreP.h>
#include <Xm/DrawingA.h>
#include <Xm/Label.h>
#include <Xm/PushB.h>

#include <algorithm>
#include <string>

#include "QORDlgReadBmp.h"
#include "QORDlgText.h"
#include "l_QORDlgDialog.h"
#include "l_QORDlgDocument.h"
#include "l_QORInteractiveApplication.h"

l_QORDlgList l_QORDlgClientMDI::liveClients;

namespace {
const char* const kPictureName[] = {"ncurwin", "I_MinimizeWindow", "I_MaximizeWindow", "I_RestoreWindow",
                                    "I_CloseWindow"};
// What a button says when its picture cannot be read.
const char* const kPictureText[] = {"=", "_", "+", "o", "x"};
// The pictures' grey stands for the button's own background.
const DlgRGB kPictureGrey = {153, 153, 153};

#ifndef TOLVEN_IMAGE_DIRS
#define TOLVEN_IMAGE_DIRS ""
#endif

// The picture from QORGraphicPath, else from the toolkit's own image directories.
int readPicture(const char* name, DlgVisual* v, const DlgRGB* background, Pixmap* p, int& w, int& h) {
  if (ReadBmp(name, v, p, &kPictureGrey, background, w, h) == QORDlgBmpOK) return 1;
  const std::string dirs = TOLVEN_IMAGE_DIRS;
  for (size_t start = 0; start <= dirs.size();) {
    size_t end = dirs.find(':', start);
    if (end == std::string::npos) end = dirs.size();
    const std::string path = dirs.substr(start, end - start) + "/" + name + ".bmp";
    if (end > start && ReadBmp(path.c_str(), v, p, &kPictureGrey, background, w, h) == QORDlgBmpOK) return 1;
    start = end + 1;
  }
  return 0;
}

Pixel rgbPixel(Display* d, Colormap cmap, int r, int g, int b, Pixel fallback) {
  XColor c{};
  c.red = static_cast<unsigned short>(r * 257);
  c.green = static_cast<unsigned short>(g * 257);
  c.blue = static_cast<unsigned short>(b * 257);
  return XAllocColor(d, cmap, &c) ? c.pixel : fallback;
}
}  // namespace

l_QORDlgClientMDI::l_QORDlgClientMDI(Widget wa, l_QORDlgDocument* doc) : workArea(wa), document(doc) {
  liveClients.insertTail(this);
}

l_QORDlgClientMDI::~l_QORDlgClientMDI() {
  liveClients -= this;
  // The frames' widgets may outlive us by a dispatch: they must not call back.
  while (frames.getCount() > 0) {
    Child* c = GetChild(0);
    if (c->content) XtRemoveCallback(c->content, XmNdestroyCallback, contentDestroyCB, this);
    frames.removeIndex(0);
    delete c;
  }
  for (GC gc : {bandGC, shadowGC})
    if (gc) XFreeGC(display, gc);
  for (Cursor c : cursors)
    if (c) XFreeCursor(display, c);
  if (workArea && !toBeBuilt) {
    XtRemoveEventHandler(workArea, StructureNotifyMask, False, clientResizeEH, this);
    XtRemoveCallback(workArea, XmNdestroyCallback, workAreaDestroyCB, this);
  }
}

// The document's widgets go before the document's letter: nothing of ours
// is left to touch then.
void l_QORDlgClientMDI::workAreaDestroyCB(Widget, XtPointer self, XtPointer) {
  auto* m = static_cast<l_QORDlgClientMDI*>(self);
  m->workArea = m->client = m->windowMenu = nullptr;
  for (Widget& item : m->menuItems) item = nullptr;
  for (int i = 0; i < m->frames.getCount(); ++i) {
    Child* c = m->GetChild(i);
    c->frame = c->content = c->titleBar = c->title = nullptr;
    c->menuButton = c->minimizeButton = c->maximizeButton = c->closeButton = nullptr;
  }
}

// ---- building ----

void l_QORDlgClientMDI::Build() {
  if (!toBeBuilt || !workArea) return;
  toBeBuilt = 0;
  client = XtVaCreateManagedWidget("ClientMDI", xmDrawingAreaWidgetClass, workArea, XmNmarginWidth, 0,
                                   XmNmarginHeight, 0, XmNresizePolicy, XmRESIZE_NONE, XmNx, 0, XmNy, 0, XmNwidth,
                                   std::max<Dimension>(workArea->core.width, 1), XmNheight,
                                   std::max<Dimension>(workArea->core.height, 1), nullptr);
  clientWidth = client->core.width;
  clientHeight = client->core.height;
  display = XtDisplay(client);
  // The client fills the work area, whatever sizes the document gives it.
  XtAddEventHandler(workArea, StructureNotifyMask, False, clientResizeEH, this);
  XtAddCallback(workArea, XmNdestroyCallback, workAreaDestroyCB, this);
  readPictures();
  Display* d = XtDisplay(client);
  Colormap cmap = client->core.colormap;
  inactiveBackground = client->core.background_pixel;
  XtVaGetValues(workArea, XmNforeground, &inactiveForeground, nullptr);
  activeBackground = rgbPixel(d, cmap, 36, 72, 122, BlackPixelOfScreen(XtScreen(client)));
  activeForeground = rgbPixel(d, cmap, 255, 255, 255, WhitePixelOfScreen(XtScreen(client)));
  buildWindowMenu();
}

void l_QORDlgClientMDI::readPictures() {
  l_QORInteractiveApplication* app = document ? document->GetApplication() : nullptr;
  Display* d = XtDisplay(client);
  DlgVisual v{d, RootWindowOfScreen(XtScreen(client)), app ? app->GetVisual() : DefaultVisualOfScreen(XtScreen(client)),
              app ? app->GetDepth() : DefaultDepthOfScreen(XtScreen(client)), client->core.colormap};
  XColor bg{};
  bg.pixel = client->core.background_pixel;
  XQueryColor(d, v.colormap, &bg);
  const DlgRGB background = {static_cast<unsigned char>(bg.red >> 8), static_cast<unsigned char>(bg.green >> 8),
                             static_cast<unsigned char>(bg.blue >> 8)};
  int tallest = 0;
  for (int p = 0; p < Pictures; ++p) {
    int w = 12, h = 12;
    if (!readPicture(kPictureName[p], &v, &background, &pictures[p], w, h)) {
      pictures[p] = None;
      w = h = 12;
    }
    pictureWidth[p] = w;
    pictureHeight[p] = h;
    tallest = std::max(tallest, h);
  }
  titleHeight = tallest + 12;
  buttonWidth[0] = pictureWidth[MenuPicture] + 4;
  buttonWidth[1] = pictureWidth[MinimizePicture] + 4;
  buttonWidth[2] = std::max(pictureWidth[MaximizePicture], pictureWidth[RestorePicture]) + 4;
  buttonWidth[3] = pictureWidth[ClosePicture] + 4;
}

bool l_QORDlgClientMDI::IsClientWidget(Widget w) {
  for (int i = 0; i < liveClients.getCount(); ++i)
    if (w && static_cast<l_QORDlgClientMDI*>(liveClients[i])->client == w) return true;
  return false;
}

// ---- frames ----

Widget l_QORDlgClientMDI::titleButton(Child* c, Widget parent, int picture) {
  Widget b = XtVaCreateManagedWidget("MDILocalMenuBt", xmPushButtonWidgetClass, parent, XmNmarginWidth, 0,
                                     XmNmarginHeight, 0, XmNshadowThickness, 1, XmNhighlightThickness, 0,
                                     XmNtraversalOn, False, XmNrecomputeSize, False, nullptr);
  if (pictures[picture] != None) {
    XtVaSetValues(b, XmNlabelType, XmPIXMAP, XmNlabelPixmap, pictures[picture], nullptr);
  } else {
    XmString s = QORDlgText::toXmString(QORUnicodeString(kPictureText[picture]));
    XtVaSetValues(b, XmNlabelString, s, nullptr);
    XmStringFree(s);
  }
  XtAddCallback(b, XmNactivateCallback, buttonCB, this);
  XtVaSetValues(b, XmNuserData, static_cast<XtPointer>(c), nullptr);
  return b;
}

Widget l_QORDlgClientMDI::CreateDialog(l_QORDlgDialog* dialog) {
  if (toBeBuilt) Build();
  if (!client) return nullptr;
  auto* c = new Child;
  c->dialog = dialog;
  const std::string name = dialog->GetName().c_str();
  c->frame = XtVaCreateWidget(name.c_str(), xmDrawingAreaWidgetClass, client, XmNmarginWidth, 0, XmNmarginHeight, 0,
                              XmNresizePolicy, XmRESIZE_NONE, XmNwidth, 10, XmNheight, 10, nullptr);
  XtAddCallback(c->frame, XmNexposeCallback, frameExposeCB, this);
  c->titleBar = XtVaCreateManagedWidget("MDILocalMenu", xmDrawingAreaWidgetClass, c->frame, XmNmarginWidth, 0,
                                        XmNmarginHeight, 0, XmNresizePolicy, XmRESIZE_NONE, nullptr);
  c->menuButton = titleButton(c, c->titleBar, MenuPicture);
  c->title = XtVaCreateManagedWidget("title", xmLabelWidgetClass, c->titleBar, XmNalignment, XmALIGNMENT_BEGINNING,
                                     XmNrecomputeSize, False, XmNtraversalOn, False, XmNmarginHeight, 0, nullptr);
  c->minimizeButton = titleButton(c, c->titleBar, MinimizePicture);
  c->maximizeButton = titleButton(c, c->titleBar, MaximizePicture);
  c->closeButton = titleButton(c, c->titleBar, ClosePicture);
  c->content = XtVaCreateManagedWidget((name + "Ca").c_str(), xmDrawingAreaWidgetClass, c->frame, XmNmarginWidth, 0,
                                       XmNmarginHeight, 0, XmNresizePolicy, XmRESIZE_NONE, nullptr);
  XtAddCallback(c->content, XmNdestroyCallback, contentDestroyCB, this);
  installPointer(c);
  // A new frame opens where the next cascade step is, 200 x 200 inside.
  int x = 0, y = 0, w = 0, h = 0;
  nextCascadeRect(x, y, w, h);
  placeChild(c, x, y, 200 + 2 * kBorder, 200 + 2 * kBorder + titleHeight, false);
  c->savedX = c->x, c->savedY = c->y, c->savedWidth = c->width, c->savedHeight = c->height;
  frames.insertTail(c);
  setLook(c, false);
  SetDialogTitle(dialog, nullptr);
  return c->content;
}

void l_QORDlgClientMDI::SetDialogTitle(l_QORDlgDialog* dialog, const char* text) {
  Child* c = FindChild(dialog);
  if (!c) return;
  // Untitled, the frame says the dialog's name, as a shell's title would.
  XmString s = QORDlgText::toXmString(QORUnicodeString(text && *text ? text : dialog->GetName().c_str()));
  XtVaSetValues(c->title, XmNlabelString, s, nullptr);
  XmStringFree(s);
}

void l_QORDlgClientMDI::ShowDialog(l_QORDlgDialog* dialog, bool show) {
  Child* c = FindChild(dialog);
  if (!c) return;
  if (!show) {
    XtUnmanageChild(c->frame);
    if (frames[0] == c)
      for (int i = 1; i < frames.getCount(); ++i)
        if (isShown(GetChild(i))) return setActiveMDI(GetChild(i));
    return;
  }
  if (maximized) fillClient(c);
  XtManageChild(c->frame);
  setActiveMDI(c);
}

void l_QORDlgClientMDI::FitDialog(l_QORDlgDialog* dialog, int width, int height) {
  Child* c = FindChild(dialog);
  if (!c || width < 1 || height < 1) return;
  const int w = width + 2 * kBorder, h = height + 2 * kBorder + titleHeight;
  c->savedWidth = w;
  c->savedHeight = h;
  if (!maximized && !c->iconified) placeChild(c, c->x, c->y, w, h, false);
}

l_QORDlgClientMDI::Child* l_QORDlgClientMDI::FindChild(l_QORDlgDialog* dialog) const {
  for (int i = 0; i < frames.getCount(); ++i)
    if (GetChild(i)->dialog == dialog) return GetChild(i);
  return nullptr;
}

l_QORDlgClientMDI::Child* l_QORDlgClientMDI::FindFrame(Widget w) const {
  for (int i = 0; i < frames.getCount(); ++i)
    if (GetChild(i)->frame == w) return GetChild(i);
  return nullptr;
}

bool l_QORDlgClientMDI::isShown(Child* c) const { return c->frame && XtIsManaged(c->frame); }

int l_QORDlgClientMDI::visibleCount() const {
  int n = 0;
  for (int i = 0; i < frames.getCount(); ++i) n += isShown(GetChild(i)) ? 1 : 0;
  return n;
}

// Moves and sizes the frame and lays out what is inside. The dialog lays
// out once, after the whole frame has its geometry, and hears of a new size
// once (unless it asked for the size itself).
void l_QORDlgClientMDI::placeChild(Child* c, int x, int y, int width, int height, bool tell) {
  c->x = x;
  c->y = y;
  c->width = std::max(width, 1);
  c->height = std::max(height, 1);
  const Dimension oldWidth = c->content ? c->content->core.width : 0;
  const Dimension oldHeight = c->content ? c->content->core.height : 0;
  if (c->dialog) c->dialog->SetQuietGeometry(1);
  XtConfigureWidget(c->frame, static_cast<Position>(x), static_cast<Position>(y), static_cast<Dimension>(c->width),
                    static_cast<Dimension>(c->height), 0);
  // The frame's window keeps its old pixels when resized (north-west bit
  // gravity): its border is drawn afresh, or the old right edge shows in it.
  if (XtIsRealized(c->frame)) XClearArea(XtDisplay(c->frame), XtWindow(c->frame), 0, 0, 0, 0, True);
  layoutFrame(c);
  if (c->dialog) c->dialog->SetQuietGeometry(0);
  if (!tell || !c->dialog || !c->content || !c->dialog->IsBuild()) return;
  if (c->content->core.width == oldWidth && c->content->core.height == oldHeight) return;
  c->dialog->Resize();
  sendMessage(c, Size);
}

void l_QORDlgClientMDI::layoutFrame(Child* c) {
  const int b = c->iconified ? 0 : kBorder;
  const int barWidth = std::max(c->width - 2 * b, 1);
  XtConfigureWidget(c->titleBar, static_cast<Position>(b), static_cast<Position>(b), static_cast<Dimension>(barWidth),
                    static_cast<Dimension>(titleHeight), 0);
  // Buttons: the menu on the left, minimise, maximise and close on the right.
  const int buttonHeight = titleHeight - 8;
  int right = barWidth - 2;
  Widget rightButtons[3] = {c->closeButton, c->maximizeButton, c->minimizeButton};
  for (int i = 0; i < 3; ++i) {
    right -= buttonWidth[3 - i];
    XtConfigureWidget(rightButtons[i], static_cast<Position>(right), 4, static_cast<Dimension>(buttonWidth[3 - i]),
                      static_cast<Dimension>(buttonHeight), 0);
  }
  XtConfigureWidget(c->menuButton, 2, 4, static_cast<Dimension>(buttonWidth[0]), static_cast<Dimension>(buttonHeight),
                    0);
  const int titleX = buttonWidth[0] + 6;
  XtConfigureWidget(c->title, static_cast<Position>(titleX), 0,
                    static_cast<Dimension>(std::max(right - 4 - titleX, 1)), static_cast<Dimension>(titleHeight), 0);
  if (c->iconified) {
    XtUnmanageChild(c->content);
    return;
  }
  XtConfigureWidget(c->content, static_cast<Position>(b), static_cast<Position>(b + titleHeight),
                    static_cast<Dimension>(std::max(c->width - 2 * b, 1)),
                    static_cast<Dimension>(std::max(c->height - 2 * b - titleHeight, 1)), 0);
  XtManageChild(c->content);
}

void l_QORDlgClientMDI::setLook(Child* c, bool active) {
  const Pixel bg = active ? activeBackground : inactiveBackground;
  XmChangeColor(c->titleBar, bg);
  XmChangeColor(c->title, bg);
  XtVaSetValues(c->title, XmNforeground, active ? activeForeground : inactiveForeground, nullptr);
}

// A raised bevel two pixels deep in the four-pixel border.
void l_QORDlgClientMDI::frameExposeCB(Widget w, XtPointer self, XtPointer) {
  auto* m = static_cast<l_QORDlgClientMDI*>(self);
  if (!XtWindow(w)) return;
  Display* d = XtDisplay(w);
  Pixel top = 0, bottom = 0;
  XtVaGetValues(w, XmNtopShadowColor, &top, XmNbottomShadowColor, &bottom, nullptr);
  if (!m->shadowGC) m->shadowGC = XCreateGC(d, XtWindow(w), 0, nullptr);
  GC gc = m->shadowGC;
  const int wd = w->core.width, ht = w->core.height;
  for (int i = 0; i < 2; ++i) {
    XSetForeground(d, gc, top);
    XDrawLine(d, XtWindow(w), gc, i, i, wd - 1 - i, i);
    XDrawLine(d, XtWindow(w), gc, i, i, i, ht - 1 - i);
    XSetForeground(d, gc, bottom);
    XDrawLine(d, XtWindow(w), gc, i, ht - 1 - i, wd - 1 - i, ht - 1 - i);
    XDrawLine(d, XtWindow(w), gc, wd - 1 - i, i, wd - 1 - i, ht - 1 - i);
  }
}

// ---- the frames' buttons ----

void l_QORDlgClientMDI::buttonCB(Widget w, XtPointer self, XtPointer call) {
  auto* m = static_cast<l_QORDlgClientMDI*>(self);
  XtPointer data = nullptr;
  XtVaGetValues(w, XmNuserData, &data, nullptr);
  auto* c = static_cast<Child*>(data);
  if (m->frames.getPosition(c) < 0) return;
  m->setActiveMDI(c);
  if (w == c->menuButton) return m->postWindowMenu(c, static_cast<XmAnyCallbackStruct*>(call)->event);
  if (w == c->minimizeButton) return c->iconified ? m->restore(c) : m->minimize(c);
  if (w == c->maximizeButton) return m->maximized && m->frames[0] == c ? m->restore(c) : m->maximize(c);
  if (w == c->closeButton) m->sendMessage(c, Closed);
}

// ---- activation and notifications ----

void l_QORDlgClientMDI::setActiveMDI(Child* c) {
  const int at = frames.getPosition(c);
  if (at < 0) return;
  Child* old = frames.getCount() > 0 ? GetChild(0) : nullptr;
  if (at > 0) {
    // The new one, the one active before, then the others in their order.
    frames.removeIndex(at);
    frames.insertHead(c);
  }
  if (XtWindow(c->frame)) XRaiseWindow(XtDisplay(c->frame), XtWindow(c->frame));
  if (old && old != c) {
    setLook(old, false);
    if (maximized && !c->iconified) {
      // One maximised frame at a time: the one left returns to its place.
      if (!old->iconified) placeChild(old, old->savedX, old->savedY, old->savedWidth, old->savedHeight);
      refreshButtons(old);
      fillClient(c);
    }
  }
  setLook(c, true);
  menuItemsFor(c);
  if (old == c) return;
  // The keyboard follows: typing goes to the frame that came to the front.
  if (c->dialog->IsBuild()) c->dialog->setKeyboardFocus();
  sendMessage(c, Activated);
}

void l_QORDlgClientMDI::sendMessage(Child* c, int code) {
  l_QORDlgDialog* d = c ? c->dialog : nullptr;
  QORDialog* e = d ? d->GetAPIObject() : nullptr;
  if (!e) return;
  QORNotification* n = nullptr;
  switch (code) {
    case Move: n = &d->windMoveNotification; break;
    case Size: n = &d->windSizeNotification; break;
    case Restored: n = &d->mdiRestoreNotification; break;
    case Minimized: n = &d->mdiMinimizeNotification; break;
    case Maximized: n = &d->mdiMaximizeNotification; break;
    case Closed: n = &d->mdiCloseNotification; break;
    case Next: n = &d->mdiNextNotification; break;
    case Previous: n = &d->mdiPreviousNotification; break;
    case Activated: n = &d->mdiActivateNotification; break;
    default: return;
  }
  ++sentCount[code];
  e->SendNotification(e, n);
}

// ---- frames going ----

void l_QORDlgClientMDI::removeChild(Child* c) {
  const bool wasActive = frames.getCount() > 0 && frames[0] == c;
  frames -= c;
  if (tracking.child == c) tracking.child = nullptr;
  if (c->frame && !c->frame->core.being_destroyed) XtDestroyWidget(c->frame);
  delete c;
  if (frames.getCount() == 0) maximized = 0;
  if (!wasActive || !client) return;
  for (int i = 0; i < frames.getCount(); ++i)
    if (isShown(GetChild(i))) return setActiveMDI(GetChild(i));
}

void l_QORDlgClientMDI::contentDestroyCB(Widget w, XtPointer self, XtPointer) {
  auto* m = static_cast<l_QORDlgClientMDI*>(self);
  for (int i = 0; i < m->frames.getCount(); ++i)
    if (m->GetChild(i)->content == w) {
      m->GetChild(i)->content = nullptr;
      return m->removeChild(m->GetChild(i));
    }
}

void l_QORDlgClientMDI::ForgetDialog(l_QORDlgDialog* dialog) {
  for (int i = 0; i < liveClients.getCount(); ++i) {
    auto* m = static_cast<l_QORDlgClientMDI*>(liveClients[i]);
    if (Child* c = m->FindChild(dialog)) {
      if (c->content) XtRemoveCallback(c->content, XmNdestroyCallback, contentDestroyCB, m);
      m->removeChild(c);
    }
  }
}

void l_QORDlgClientMDI::clientResizeEH(Widget, XtPointer self, XEvent* event, Boolean*) {
  if (event->type == ConfigureNotify) static_cast<l_QORDlgClientMDI*>(self)->FollowWorkArea();
}

// Also called by the document: a work area sized before it was realized
// never sees a ConfigureNotify.
void l_QORDlgClientMDI::FollowWorkArea() {
  if (!client || !workArea) return;
  const int w = std::max<int>(workArea->core.width, 1), h = std::max<int>(workArea->core.height, 1);
  if (w == clientWidth && h == clientHeight) return;
  clientWidth = w;
  clientHeight = h;
  XtConfigureWidget(client, 0, 0, static_cast<Dimension>(w), static_cast<Dimension>(h), 0);
  if (maximized && frames.getCount() > 0) fillClient(GetChild(0));
  iconArrange();
}
