#include "l_QORDlgDialog.h"

#include <X11/IntrinsicP.h>
#include <X11/CoreP.h>
#include <X11/Xmu/Editres.h>
#include <Xm/DialogS.h>
#include <Xm/DrawingA.h>
#include <Xm/MessageB.h>
#include <Xm/MwmUtil.h>
#include <Xm/PushBG.h>

#include <cstdio>
#include <cstring>

#include "QORDlgArgs.h"
#include "QORDlgContextualMenu.h"
#include "QORDlgText.h"
#include "QORMarshal.h"
#include "l_QORDlgClientMDI.h"
#include "l_QORDlgDocument.h"
#include "l_QORDlgLayoutManager.h"
#include "l_QORDlgRecordCases.h"
#include "l_QORDlgRecordIo.h"
#include "l_QORInteractiveApplication.h"

namespace {

// Style normalisation: what the dialog keeps of the caller's style.
constexpr unsigned long kKeptAlways = QORDlgDialogModal | QORDlgDialogReducedFrame | QORDlgDialogNoResize | QORDlgDialogCarried |
                                      QORDlgDialogNoDecoration | QORDlgDialogAtPointer;
constexpr unsigned long kButtons = QORDlgDialogOK | QORDlgDialogCancel | QORDlgDialogHelp | QORDlgDialogApply;

unsigned long dialogStyle(unsigned long s, l_QORDialog* fatherWindow) {
  unsigned long kept = s & kKeptAlways;
  if (s & QORDlgDialogNoButtons) {
    kept |= QORDlgDialogNoButtons;
  } else {
    kept |= (s & kButtons) ? (s & kButtons) : (QORDlgDialogOK | QORDlgDialogCancel | QORDlgDialogHelp);
  }
  kept |= s & QORDlgDialogGrow;
  // Only a document window in MDI mode can hold an MDI child, which has no
  // buttons, modality, frame or growth of its own.
  if ((s & QORDlgDialogMDIChild) && fatherWindow && (fatherWindow->GetStyle() & QORDlgDocumentMDI)) {
    kept &= ~(QORDlgDialogModal | kButtons | QORDlgDialogReducedFrame | QORDlgDialogNoResize | QORDlgDialogGrow);
    kept |= QORDlgDialogMDIChild | QORDlgDialogNoButtons;
  }
  return kept;
}

const unsigned char kMessageChild[4] = {XmDIALOG_OK_BUTTON, 0, XmDIALOG_CANCEL_BUTTON, XmDIALOG_HELP_BUTTON};
const unsigned long kButtonStyle[4] = {QORDlgDialogOK, QORDlgDialogApply, QORDlgDialogCancel, QORDlgDialogHelp};

}  // namespace

l_QORDlgDialog::l_QORDlgDialog(l_QORDialog* f, const QORString& n, QORDlgDialog* a, unsigned long s)
    : l_QORDlgWindow(f, n, a, s) {
  style |= dialogStyle(s, f ? f->GetWindowFather() : nullptr);
  // A dialog starts hidden, whatever the caller said.
  style = (style & ~static_cast<unsigned long>(QORDlgShown)) | QORDlgHidden;
  x = y = 0;
  pending |= QORDlgUpdButtonTitles;
}

l_QORDlgDialog::~l_QORDlgDialog() {
  if (!isMDIChild()) return;
  // The frame goes now; its widget must not call back into a letter gone.
  RemoveDestroyHandler();
  l_QORDlgClientMDI::ForgetDialog(this);
}

l_QORDlgClientMDI* l_QORDlgDialog::mdiClient() const {
  auto* document = dynamic_cast<l_QORDlgDocument*>(father ? father->GetWindowFather() : nullptr);
  return document ? document->GetMDIClient() : nullptr;
}


Widget l_QORDlgDialog::GetBaseWidget(int which) { return which == 0 ? innerArea : baseWidget; }

// ---- resources and the standard buttons' settings ----

void l_QORDlgDialog::loadResources() {
  if (resourceLock) return;
  static const char* const keys[4] = {"BOK", "BApply", "BCancel", "BHelp"};
  const QORDlgStaticTexts* texts = l_QORInteractiveApplication::Static;
  const QORUnicodeString* defaults[4] = {nullptr, nullptr, nullptr, nullptr};
  if (texts) defaults[0] = &texts->dialogOK, defaults[1] = &texts->dialogApply, defaults[2] = &texts->dialogCancel,
             defaults[3] = &texts->dialogHelp;
  static const char* const fallback[4] = {"OK", "Apply", "Cancel", "Help"};
  QORUnicodeString v;
  for (int i = 0; i < 4; ++i) {
    if (!(style & QORDlgNoResource) && getResourceValue(keys[i], v, nullptr)) {
      titles[i] = v;
      resourceTitles = 1;
    } else {
      titles[i] = defaults[i] ? *defaults[i] : QORUnicodeString(fallback[i]);
    }
  }
  l_QORDlgWindow::loadResources();
}

void l_QORDlgDialog::SetButtonTitle(Button b, const QORUnicodeString& t) {
  if (!resourceLock) loadResources();
  if (resourceTitles) return;  // the catalog wins over the program
  titles[b] = t;
  pending |= QORDlgUpdButtonTitles;
  registerDifferUpdate();
}

QORUnicodeString l_QORDlgDialog::GetButtonTitle(Button b) {
  if (!resourceLock) loadResources();
  return titles[b];
}

void l_QORDlgDialog::SetButtonSensitivity(Button b, unsigned long s) {
  if (s == QORDlgSensitive) buttonSensitive[b] = 1;
  else if (s == QORDlgInsensitive) buttonSensitive[b] = 0;
  pending |= QORDlgUpdButtonSensitivity;
  registerDifferUpdate();
}

void l_QORDlgDialog::SetDefaultButton(int b) {
  if (b != 0 && b != static_cast<int>(QORDlgDialogOK) && b != static_cast<int>(QORDlgDialogCancel) &&
      b != static_cast<int>(QORDlgDialogHelp))
    return;
  defaultButton = static_cast<unsigned long>(b);
  pending |= QORDlgUpdDefaultButton;
  registerDifferUpdate();
}

// ---- building ----

void l_QORDlgDialog::BuildWindow() {
  if (!built && isMDIChild()) {
    if (!buildMDIFrame()) return;
  } else if (!built) {
    if (!resourceLock) loadResources();
    l_QORInteractiveApplication* app = GetApplication();
    if (!app) return;
    l_QORDialog* fatherWindow = father ? father->GetWindowFather() : nullptr;
    Widget parent = fatherWindow && fatherWindow->GetBaseWidget(0) ? fatherWindow->GetBaseWidget(0) : app->GetWidget();
    if (!parent) return;

    QORDlgArgs<12> args;
    args.add(XmNvisual, app->GetVisual());
    args.add(XmNdepth, app->GetDepth());
    args.add(XmNcolormap, app->GetColormap());
    if (GlobalXResources.enabled) {
      args.add(XmNbackground, GlobalXResources.documentBackground);
      args.add(XmNforeground, GlobalXResources.documentForeground);
    }
    args.add(XmNdefaultButtonType, XmDIALOG_NONE);
    args.add(XmNautoUnmanage, False);
    args.add(XmNresizePolicy, XmRESIZE_ANY);
    args.add(XmNmarginWidth, 1);
    args.add(XmNmarginHeight, 1);
    // Closing goes through the window's close protocol.
    args.add(XmNdeleteResponse, XmDO_NOTHING);
    if (style & QORDlgDialogNoResize) args.add(XmNnoResize, True);
    char* widgetName = const_cast<char*>(name.c_str());
    baseWidget = hasButtons() ? XmCreateMessageDialog(parent, widgetName, args.data(), args.count())
                              : XmCreateTemplateDialog(parent, widgetName, args.data(), args.count());
    shell = XtParent(baseWidget);
    built = 1;

    if (hasButtons()) {
      for (int b : {OK, Cancel, Help}) buttons[b] = XmMessageBoxGetChild(baseWidget, kMessageChild[b]);
      buttons[Apply] = XmCreatePushButtonGadget(baseWidget, const_cast<char*>("Apply"), nullptr, 0);
      Dimension defaultShadow = 0, shadow = 0;
      XtVaGetValues(buttons[Apply], XmNdefaultButtonShadowThickness, &defaultShadow, XmNshadowThickness, &shadow,
                    nullptr);
      if (defaultShadow == 0)
        XtVaSetValues(buttons[Apply], XmNdefaultButtonShadowThickness, shadow < 2 ? shadow : shadow / 2, nullptr);
      for (Widget w : buttons) {
        if (GlobalXResources.enabled && GlobalXResources.documentFontList)
          XtVaSetValues(w, XmNfontList, GlobalXResources.documentFontList, nullptr);
        XtAddCallback(w, XmNactivateCallback, buttonCB, this);
      }
    }
    separator = XmMessageBoxGetChild(baseWidget, XmDIALOG_SEPARATOR);
    if (style & QORDlgDialogNoDecoration) {
      XtVaSetValues(shell, XmNmwmDecorations, 0, nullptr);
    } else if (style & QORDlgDialogReducedFrame) {
      const int decorations = (style & QORDlgDialogNoResize) ? MWM_DECOR_BORDER : MWM_DECOR_BORDER | MWM_DECOR_RESIZEH;
      XtVaSetValues(shell, XmNmwmDecorations, decorations, nullptr);
    }
    AddWMCallbacks();
    if ((style & QORDlgDialogAtPointer) && !(api && api->IsReplay())) {
      Window root = None, child = None;
      int rx = 0, ry = 0, wx = 0, wy = 0;
      unsigned int mask = 0;
      Display* d = XtDisplay(shell);
      if (XQueryPointer(d, DefaultRootWindow(d), &root, &child, &rx, &ry, &wx, &wy, &mask)) {
        x = rx;
        y = ry;
        pending |= QORDlgUpdPosition;
      }
    }
    const std::string work = std::string(name.c_str()) + "Ca", inner = std::string(name.c_str()) + "Wa";
    workArea = XtVaCreateManagedWidget(work.c_str(), xmDrawingAreaWidgetClass, baseWidget, XmNmarginWidth, 0,
                                       XmNmarginHeight, 0, nullptr);
    innerArea = XtVaCreateManagedWidget(inner.c_str(), xmDrawingAreaWidgetClass, workArea, XmNmarginWidth, 0,
                                        XmNmarginHeight, 0, XmNmappedWhenManaged, False, nullptr);
    XtAddCallback(shell, XmNpopupCallback, popupCB, this);
    XtAddEventHandler(shell, NoEventMask, True, _XEditResCheckMessages, nullptr);
    InstallDestroyHandler();
    InstallMoveWindowHandler(shell);
    if (!contextualMenu && api) new QORDlgContextualMenu(api, "defaultCtx", 0);
    pending |= QORDlgUpdDefaultButton;
  }
  update(0);
  if (isMDIChild()) Resize();
}

// The document's MDI client makes the frame, which is the dialog widget, the
// work area and the inner area at once.
bool l_QORDlgDialog::buildMDIFrame() {
  if (!resourceLock) loadResources();
  l_QORDialog* document = father ? father->GetWindowFather() : nullptr;
  if (document && !document->IsBuild()) document->BuildWindow();
  l_QORDlgClientMDI* client = mdiClient();
  Widget frame = client ? client->CreateDialog(this) : nullptr;
  if (!frame) return false;
  built = 1;
  baseWidget = workArea = innerArea = frame;
  XtAddCallback(frame, XmNresizeCallback, resizeCB, this);
  InstallDestroyHandler();
  if (!contextualMenu && api) new QORDlgContextualMenu(api, "defaultCtx", 0);
  pending |= QORDlgUpdTitle;
  return true;
}

// ---- showing and hiding ----

void l_QORDlgDialog::SetVisibility(unsigned long v) {
  l_QORDlgWindow::SetVisibility(v);
  // The dialog applies its modality and queues itself for managing.
  pending |= QORDlgUpdSubclass;
  registerDifferUpdate();
}

void l_QORDlgDialog::manage() {
  if (!baseWidget) return;
  if (isMDIChild()) {
    XtManageChild(baseWidget);
    if (l_QORDlgClientMDI* client = mdiClient()) client->ShowDialog(this, true);
    return;
  }
  if (menuBar && menuBar->GetBaseWidget(0)) XtManageChild(menuBar->GetBaseWidget(0));
  XtManageChild(innerArea);
  XtManageChild(workArea);
  if (!hasButtons()) {
    if (separator) XtUnmanageChild(separator);
  } else {
    for (int b = 0; b < 4; ++b) {
      if (style & kButtonStyle[b]) XtManageChild(buttons[b]);
      else XtUnmanageChild(buttons[b]);
    }
    XtManageChild(separator);
    XtUnmanageChild(XmMessageBoxGetChild(baseWidget, XmDIALOG_MESSAGE_LABEL));
    XtUnmanageChild(XmMessageBoxGetChild(baseWidget, XmDIALOG_SYMBOL_LABEL));
  }
  XtManageChild(baseWidget);
  XtPopup(shell, XtGrabNone);
  if (!(api && api->IsReplay())) XtAppAddWorkProc(GetApplicationContext(), setKeyboardFocusWP, this);
  if (l_QORInteractiveApplication* app = GetApplication()) app->UpdateCursor();
}

void l_QORDlgDialog::unmanage() {
  if (!baseWidget) return;
  if (isMDIChild()) {
    if (l_QORDlgClientMDI* client = mdiClient()) client->ShowDialog(this, false);
    return;
  }
  XtUnmanageChild(baseWidget);
  XtPopdown(shell);
  if (l_QORInteractiveApplication* app = GetApplication()) app->UpdateCursor();
}

// ---- the deferred update ----

void l_QORDlgDialog::update(unsigned long mask) {
  if (!built) return;
  auto take = [&](unsigned long bit) { return takePending(bit, mask); };
  bool grew = false;
  if (take(QORDlgUpdChildren))
    for (int i = 0; i < children.getCount(); ++i) GetChild(i)->Build();
  if (take(QORDlgUpdButtonTitles) && hasButtons()) {
    for (int b = 0; b < 4; ++b) {
      XmString s = QORDlgText::toXmString(titles[b]);
      XtVaSetValues(buttons[b], XmNlabelString, s, nullptr);
      XmStringFree(s);
    }
  }
  if (take(QORDlgUpdButtonSensitivity) && hasButtons())
    for (int b = 0; b < 4; ++b) XtSetSensitive(buttons[b], buttonSensitive[b] ? True : False);
  if (take(QORDlgUpdDefaultButton) && hasButtons()) {
    const unsigned char type = defaultButton == QORDlgDialogOK       ? XmDIALOG_OK_BUTTON
                               : defaultButton == QORDlgDialogCancel ? XmDIALOG_CANCEL_BUTTON
                               : defaultButton == QORDlgDialogHelp   ? XmDIALOG_HELP_BUTTON
                                                                     : XmDIALOG_NONE;
    XtVaSetValues(baseWidget, XmNdefaultButtonType, type, nullptr);
  }
  if (take(QORDlgUpdSize) && dx > 0 && dy > 0 && !isMDIChild()) setShellSize(dx, dy);
  if (take(QORDlgUpdLayout) && layoutManager && layoutManager->isFirstLayoutDone()) {
    int w = 0, h = 0;
    layoutManager->getSize(w, h);
    layoutManager->updateSize(w, h, 1);
    SetWindowMinSize();
    if (!(style & QORDlgDialogGrow)) {
      if (dx > 0 && dy > 0 && !isMDIChild()) setShellSize(dx, dy);
    } else {
      int rw = 0, rh = 0;
      layoutManager->getRequestedSize(rw, rh);
      int growW = rw - w, growH = rh - h;
      resizing = 1;
      int iw = 0, ih = 0;
      widgetSize(innerArea, &iw, &ih);
      int nw = iw + growW, nh = ih + growH;
      if (nw <= 1) nw = iw;
      if (nh <= 1) nh = ih;
      if (nw < minWorkWidth) nw = minWorkWidth;
      if (nh < minWorkHeight) nh = minWorkHeight;
      growW = nw - iw;
      growH = nh - ih;
      dx += growW;
      dy += growH;
      if (dx >= 1 && dy >= 1) {
        setShellSize(dx, dy);
        setWidgetSize(innerArea, nw, nh);
      }
      layoutManager->adoptRequestedSize(rw + growW, rh + growH);
      grew = true;
    }
  }
  if (((pending | mask) & QORDlgUpdSubclass) && !isMDIChild()) {
    // The window's own update clears this bit after recomputing the cursor.
    const bool shown = GetVisibility() == QORDlgShown;
    const unsigned char dialogStyle =
        (style & QORDlgDialogModal) && shown ? XmDIALOG_FULL_APPLICATION_MODAL : XmDIALOG_MODELESS;
    XtVaSetValues(baseWidget, XmNdialogStyle, dialogStyle, nullptr);
    if (shown)
      if (l_QORInteractiveApplication* app = GetApplication()) app->AddDialogToManage(this);
  }
  if (take(QORDlgUpdTitle)) {
    if (!isMDIChild()) QORDlgText::setShellTitle(shell, title);
    else if (l_QORDlgClientMDI* client = mdiClient()) client->SetDialogTitle(this, title.c_str());
  }
  if (take(QORDlgUpdGrowDone)) resizing = 0;
  l_QORDlgWindow::update(mask);
  if (grew) {
    pending |= QORDlgUpdGrowDone;
    registerDifferUpdate();
  }
}

// ---- sizing ----

void l_QORDlgDialog::widgetSize(Widget w, int* width, int* height) {
  // Read from the widget record: XtGetValues costs more than the read.
  *width = w ? w->core.width : 0;
  *height = w ? w->core.height : 0;
}

void l_QORDlgDialog::setWidgetSize(Widget w, int width, int height) {
  if (w && width > 0 && height > 0)
    XtVaSetValues(w, XmNwidth, static_cast<Dimension>(width), XmNheight, static_cast<Dimension>(height), nullptr);
}

void l_QORDlgDialog::setShellSize(int width, int height) { setWidgetSize(shell, width, height); }

void l_QORDlgDialog::setResizePolicy(Widget w, unsigned char policy) {
  if (w) XtVaSetValues(w, XmNresizePolicy, policy, nullptr);
}

void l_QORDlgDialog::mapWindow(Widget w, bool map) {
  if (!w) return;
  if (map) {
    // The inner area is created not mapped when managed; the first sizing may
    // run before the shell is realized, so the mapping is left to Xt then.
    if (!XtIsRealized(w) || !w->core.mapped_when_managed) XtSetMappedWhenManaged(w, True);
    if (XtWindow(w) && XtIsManaged(w)) XMapWindow(XtDisplay(w), XtWindow(w));
  } else if (XtWindow(w)) {
    XUnmapWindow(XtDisplay(w), XtWindow(w));
  }
}

void l_QORDlgDialog::Resize() {
  Widget measured = isMDIChild() ? baseWidget : shell;
  if (resizing || !measured) return;
  resizing = 1;
  int w = 0, h = 0;
  widgetSize(measured, &w, &h);
  if (firstSizePending) FirstSize();
  else UserResize(h, w);
  resizing = 0;
}

void l_QORDlgDialog::FirstSize() {
  // Menus and bars take no place in the work area: without other children
  // the dialog opens empty.
  bool withChildren = false;
  for (int i = 0; i < children.getCount() && !withChildren; ++i)
    withChildren = !GetChild(i)->traits().Has(QORDlgCapNotAttached);
  if (isMDIChild()) return firstSizeMDI(withChildren);
  mapWindow(baseWidget, false);
  setResizePolicy(innerArea, XmRESIZE_GROW);
  if (withChildren && layoutManager) {
    layoutManager->Layout();
    layoutManager->getSize(workWidth, workHeight);
    setWidgetSize(innerArea, workWidth, workHeight);
  } else if (workWidth == 0 && workHeight == 0) {
    workWidth = workHeight = 200;
    setWidgetSize(innerArea, workWidth, workHeight);
  }
  int iw = 0, ih = 0;
  widgetSize(innerArea, &iw, &ih);
  if (iw >= 65535 || ih >= 65535) {
    setWidgetSize(innerArea, workWidth, workHeight);
    iw = workWidth;
    ih = workHeight;
  }
  int cw = 0, ch = 0;
  widgetSize(workArea, &cw, &ch);
  if (!withChildren && iw == workWidth && ih == workHeight) {
    workWidth = cw;
    workHeight = ch;
  }
  int growW = workWidth - cw, growH = workHeight - ch;
  bool passSize = false;
  if (growW < 0) {
    growW = 0;
    workWidth = minWorkWidth = cw;
    passSize = true;
  }
  if (growH < 0) {
    growH = 0;
    workHeight = minWorkHeight = ch;
    passSize = true;
  }
  if (passSize && withChildren && layoutManager) layoutManager->updateSize(workWidth, workHeight, 0);
  if (withChildren) firstSizePending = 0;

  int sw = 0, sh = 0;
  widgetSize(shell, &sw, &sh);
  const int oldW = dx, oldH = dy;
  const int newW = sw + growW, newH = sh + growH;
  int minW = sw, minH = sh;
  if (layoutManager) layoutManager->computeMinSize(minW, minH);
  minW += growW;
  minH += growH;
  dx = newW;
  dy = newH;
  bool workChanged = false;
  // A size the program asked for before the first showing is kept when the
  // content fits in it.
  if (oldW >= minW && oldW != newW) {
    dx = oldW;
    workWidth += oldW - newW;
    workChanged = true;
  }
  if (oldH >= minH && oldH != newH) {
    dy = oldH;
    workHeight += oldH - newH;
    workChanged = true;
  }
  SetWorkAreaSize();
  if (workChanged && withChildren && layoutManager) layoutManager->updateSize(workWidth, workHeight, 0);
  SetWindowMinSize();
  mapWindow(baseWidget, true);
  mapWindow(innerArea, true);
  setResizePolicy(innerArea, XmRESIZE_NONE);
  if (dx && dy) setShellSize(dx, dy);
  if (x || y) {
    const unsigned long others = pending & ~static_cast<unsigned long>(QORDlgUpdPosition);
    pending = QORDlgUpdPosition;
    update(0);
    pending |= others;
  }
}

// The frame takes the content's size: the layout's when there are children,
// else the size the client opened it with.
void l_QORDlgDialog::firstSizeMDI(bool withChildren) {
  if (withChildren && layoutManager) {
    layoutManager->Layout();
    int w = 0, h = 0;
    layoutManager->getSize(w, h);
    if (l_QORDlgClientMDI* client = mdiClient()) client->FitDialog(this, w, h);
    firstSizePending = 0;
  }
  widgetSize(baseWidget, &workWidth, &workHeight);
  if (withChildren && layoutManager) layoutManager->updateSize(workWidth, workHeight, 0);
  dx = workWidth;
  dy = workHeight;
}

void l_QORDlgDialog::UserResize(int height, int width) {
  int cw = 0, ch = 0;
  widgetSize(workArea, &cw, &ch);
  mapWindow(baseWidget, false);
  dx = width;
  dy = height;
  workWidth = cw;
  workHeight = ch;
  if (isMDIChild()) {
    if (layoutManager) layoutManager->updateSize(cw + 1, ch + 1, 0);
    return mapWindow(baseWidget, true);
  }
  setResizePolicy(innerArea, XmRESIZE_ANY);
  setResizePolicy(workArea, XmRESIZE_NONE);
  if (layoutManager) layoutManager->updateSize(cw + 1, ch + 1, 0);
  SetWorkAreaSize();
  setResizePolicy(innerArea, XmRESIZE_NONE);
  mapWindow(baseWidget, true);
  mapWindow(innerArea, true);
  setResizePolicy(workArea, XmRESIZE_ANY);
}

void l_QORDlgDialog::ObjectResize() {
  int cw = 0, ch = 0;
  widgetSize(workArea, &cw, &ch);
  mapWindow(baseWidget, false);
  if (!isMDIChild()) {
    setResizePolicy(workArea, XmRESIZE_NONE);
    setResizePolicy(innerArea, XmRESIZE_ANY);
  }
  firstSizePending = 0;
  if (layoutManager) {
    layoutManager->Layout();
    int w = 0, h = 0;
    layoutManager->getSize(w, h);
    workWidth = w - 1;
    workHeight = h - 1;
  }
  dx += workWidth - cw;
  dy += workHeight - ch;
  if (isMDIChild()) {
    if (l_QORDlgClientMDI* client = mdiClient()) client->FitDialog(this, workWidth, workHeight);
    return mapWindow(baseWidget, true);
  }
  setResizePolicy(workArea, XmRESIZE_ANY);
  SetWorkAreaSize();
  setResizePolicy(innerArea, XmRESIZE_NONE);
  setWidgetSize(workArea, workWidth, workHeight);
  mapWindow(baseWidget, true);
  mapWindow(innerArea, true);
}

void l_QORDlgDialog::ReLayout() {
  if (!layoutManager) return;
  if (firstSizePending) FirstSize();
  else ObjectResize();
}

void l_QORDlgDialog::SetWorkAreaSize() {
  if (isMDIChild() || !innerArea || workWidth == 0 || workHeight == 0) return;
  mapWindow(innerArea, false);
  setWidgetSize(innerArea, workWidth, workHeight);
  mapWindow(innerArea, true);
}

void l_QORDlgDialog::SetWindowMinSize() {
  if (!layoutManager || !shell || isMDIChild()) return;
  int mw = workWidth, mh = workHeight;
  layoutManager->computeMinSize(mw, mh);
  const int minW = dx - workWidth + mw, minH = dy - workHeight + mh;
  XtVaSetValues(shell, XmNminWidth, minW > 1 ? minW : 1, XmNminHeight, minH > 1 ? minH : 1, nullptr);
}

void l_QORDlgDialog::GetMenuBarSize(int* height, int* width) {
  int w = 0, h = 0;
  if (menuBar && menuBar->GetBaseWidget(0)) {
    Dimension mw = 0;
    XtVaGetValues(menuBar->GetBaseWidget(0), XmNwidth, &mw, nullptr);
    w = mw;
    h = 35;  // the measured height is not reliable before the bar is shown
  }
  if (height) *height = h;
  if (width) *width = w;
}

// ---- the standard buttons ----

void l_QORDlgDialog::buttonCB(Widget w, XtPointer client, XtPointer) {
  auto* d = static_cast<l_QORDlgDialog*>(client);
  if (w == d->buttons[OK]) d->okSelected();
  else if (w == d->buttons[Apply]) d->applySelected();
  else if (w == d->buttons[Cancel]) d->cancelSelected();
  else if (w == d->buttons[Help]) d->helpSelected();
}

void l_QORDlgDialog::okSelected() {
  response = 1;
  notify(&diaOKNotification);
}

void l_QORDlgDialog::cancelSelected() {
  response = 2;
  notify(&diaCANCELNotification);
}

void l_QORDlgDialog::applySelected() {
  response = 3;
  notify(&diaAPPLYNotification);
}

void l_QORDlgDialog::helpSelected() {
  response = 4;
  if (l_QORInteractiveApplication::fAutomaticContextualHelp) {
    if (l_QORInteractiveApplication* app = GetApplication()) app->QueryHelpOnContext(this);
    return;
  }
  notify(&diaHELPNotification);
}

// ---- record and replay ----

void l_QORDlgDialog::recordCases(l_QORDlgRecordCases& cases) {
  // A dialog box records its own notifications only: not the drags of the base.
  for (QORNotification* n : std::initializer_list<QORNotification*>{&diaOKNotification, &diaCANCELNotification,
                                                                    &diaAPPLYNotification, &diaHELPNotification})
    cases.add(n, [this](l_QORDlgRecordIo& io) {
      io.field(response);
      io.detail("_response= %d\n", response);
    });
  cases.add(&resizeNotification, [this](l_QORDlgRecordIo& io) { recordGeometry(io); }).onReplay([this] {
    replayGeometry();
  });
  cases.add(&windCloseNotification, [](l_QORDlgRecordIo& io) { io.constant(0); });
  if (isMDIChild()) recordMDICases(cases);
}

// What the MDI client told the dialog. A replay brings the frame to the state
// or geometry recorded, through the client, which tells it again.
void l_QORDlgDialog::recordMDICases(l_QORDlgRecordCases& cases) {
  const struct {
    QORNotification* sent;
    int code;
  } states[] = {{&mdiRestoreNotification, l_QORDlgClientMDI::Restored},
                {&mdiMinimizeNotification, l_QORDlgClientMDI::Minimized},
                {&mdiMaximizeNotification, l_QORDlgClientMDI::Maximized},
                {&mdiNextNotification, l_QORDlgClientMDI::Next},
                {&mdiPreviousNotification, l_QORDlgClientMDI::Previous},
                {&mdiActivateNotification, l_QORDlgClientMDI::Activated}};
  for (const auto& s : states) {
    const int code = s.code;
    cases.add(s.sent, [](l_QORDlgRecordIo& io) { io.constant(0); }).onReplay([this, code] {
      if (l_QORDlgClientMDI* client = mdiClient()) client->ReplayState(this, code);
    });
  }
  cases.add(&mdiCloseNotification, [](l_QORDlgRecordIo& io) { io.constant(0); });
  for (int code : {int(l_QORDlgClientMDI::Move), int(l_QORDlgClientMDI::Size)}) {
    QORNotification* sent = code == l_QORDlgClientMDI::Move ? static_cast<QORNotification*>(&windMoveNotification)
                                                            : static_cast<QORNotification*>(&windSizeNotification);
    cases.add(sent, [this](l_QORDlgRecordIo& io) {
      l_QORDlgClientMDI* client = mdiClient();
      if (!io.replaying() && client) client->GetFrameRect(this, mdiRect[0], mdiRect[1], mdiRect[2], mdiRect[3]);
      io.field(mdiRect[0], mdiRect[1], mdiRect[2], mdiRect[3]);
      io.detail("x,y dx,dy= %d,%d %d,%d\n", mdiRect[0], mdiRect[1], mdiRect[2], mdiRect[3]);
    }).onReplay([this, code] {
      if (l_QORDlgClientMDI* client = mdiClient())
        client->ReplayGeometry(this, code, mdiRect[0], mdiRect[1], mdiRect[2], mdiRect[3]);
    });
  }
}

void l_QORDlgDialog::recordGeometry(l_QORDlgRecordIo& io) {
  Position sx = 0, sy = 0;  // recorded as short and unsigned short
  Dimension sw = 0, sh = 0;
  if (!io.replaying() && shell) XtVaGetValues(shell, XmNx, &sx, XmNy, &sy, XmNwidth, &sw, XmNheight, &sh, nullptr);
  io.field(sx, sy, sw, sh);
  io.detail("x,y dx,dy= %d,%d %d,%d\n", sx, sy, sw, sh);
  if (!io.replaying()) return;
  x = sx;
  y = sy;
  dx = sw;
  dy = sh;
}

void l_QORDlgDialog::replayGeometry() {
  if (shell && dx > 0 && dy > 0) {
    // The resize callbacks this causes are this restore's own: it lays out
    // and notifies below, in the order a live resize does.
    quietGeometry = 1;
    mapWindow(workArea, false);
    if (x && y)
      XtVaSetValues(shell, XmNx, static_cast<Position>(x), XmNy, static_cast<Position>(y), XmNwidth,
                    static_cast<Dimension>(dx), XmNheight, static_cast<Dimension>(dy), nullptr);
    else
      XtVaSetValues(shell, XmNwidth, static_cast<Dimension>(dx), XmNheight, static_cast<Dimension>(dy), nullptr);
    mapWindow(workArea, true);
    quietGeometry = 0;
  }
  // What a resize by the user sends, in the same order.
  notify(&resizeNotification);
  Resize();
  notify(&windSizeNotification);
}
