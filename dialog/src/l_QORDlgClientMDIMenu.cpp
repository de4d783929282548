// The MDI client's window menu: Restore, Move, Size, Minimize, Maximize,
// Close (Ctrl+F4) and Next (Ctrl+F6), for the active frame.
#include <X11/IntrinsicP.h>
#include <X11/CoreP.h>
#include <Xm/PushB.h>
#include <Xm/RowColumn.h>
#include <Xm/Separator.h>

#include <cstdint>

#include "QORDlgText.h"
#include "l_QORDlgClientMDI.h"
#include "l_QORDlgDialog.h"
#include "l_QORInteractiveApplication.h"

namespace {
enum Item { RestoreItem = 0, MoveItem, SizeItem, MinimizeItem, MaximizeItem, CloseItem, NextItem, Items };
struct ItemRow {
  const char* name;
  const char* fallbackTitle;
  char fallbackMnemonic;
  const char* acceleratorText;
  const char* accelerator;
  bool separatorBefore;
};
const ItemRow kItems[Items] = {
    {"Restore", "Restore", 'R', nullptr, nullptr, false},
    {"Move", "Move", 'M', nullptr, nullptr, false},
    {"Size", "Size", 'S', nullptr, nullptr, false},
    {"Minimize", "Minimize", 'n', nullptr, nullptr, false},
    {"Maximize", "Maximize", 'x', nullptr, nullptr, false},
    {"Close", "Close", 'C', "Ctrl+F4", "Ctrl<Key>F4", true},
    {"Next", "Next", 't', "Ctrl+F6", "Ctrl<Key>F6", true},
};

// Move and Size start once the menu has let the pointer go.
struct Deferred {
  l_QORDlgClientMDI* client;
  int item;
};
}  // namespace

void l_QORDlgClientMDI::buildWindowMenu() {
  windowMenu = XmCreatePopupMenu(client, const_cast<char*>("MDIPopupMenu"), nullptr, 0);
  const QORDlgStaticTexts* texts = l_QORInteractiveApplication::Static;
  for (int i = 0; i < Items; ++i) {
    const ItemRow& row = kItems[i];
    if (row.separatorBefore) XtManageChild(XmCreateSeparator(windowMenu, const_cast<char*>("separator"), nullptr, 0));
    XmString title = QORDlgText::toXmString(texts ? texts->itemTitle[i] : QORUnicodeString(row.fallbackTitle));
    const KeySym mnemonic = texts && !texts->itemMnemonic[i].IsNull()
                                ? static_cast<KeySym>(texts->itemMnemonic[i].GetCode())
                                : static_cast<KeySym>(row.fallbackMnemonic);
    menuItems[i] = XtVaCreateManagedWidget(row.name, xmPushButtonWidgetClass, windowMenu, XmNlabelString, title,
                                           XmNmnemonic, mnemonic, XmNuserData,
                                           reinterpret_cast<XtPointer>(static_cast<intptr_t>(i)), nullptr);
    XmStringFree(title);
    if (row.accelerator) {
      XmString text = QORDlgText::toXmString(QORUnicodeString(row.acceleratorText));
      XtVaSetValues(menuItems[i], XmNacceleratorText, text, XmNaccelerator, row.accelerator, nullptr);
      XmStringFree(text);
    }
    XtAddCallback(menuItems[i], XmNactivateCallback, menuItemCB, this);
  }
}

// What the active frame's state allows.
void l_QORDlgClientMDI::menuItemsFor(Child* c) {
  if (!windowMenu || !c) return;
  const bool filled = maximized && frames.getCount() > 0 && frames[0] == c;
  const bool allowed[Items] = {c->iconified || filled, !c->iconified && !maximized, !c->iconified && !maximized,
                               !c->iconified, !filled, true, visibleCount() > 1};
  for (int i = 0; i < Items; ++i) XtSetSensitive(menuItems[i], allowed[i] ? True : False);
}

void l_QORDlgClientMDI::postWindowMenu(Child* c, XEvent*) {
  if (!windowMenu) return;
  menuItemsFor(c);
  // Under the menu button, as a window manager's menu opens.
  Window child = None;
  XButtonPressedEvent at{};
  at.type = ButtonPress;
  at.button = Button1;
  XTranslateCoordinates(XtDisplay(c->menuButton), XtWindow(c->menuButton), RootWindowOfScreen(XtScreen(client)), 0,
                        c->menuButton->core.height, &at.x_root, &at.y_root, &child);
  XmMenuPosition(windowMenu, &at);
  XtManageChild(windowMenu);
}

void l_QORDlgClientMDI::menuItemCB(Widget w, XtPointer self, XtPointer) {
  auto* m = static_cast<l_QORDlgClientMDI*>(self);
  XtPointer data = nullptr;
  XtVaGetValues(w, XmNuserData, &data, nullptr);
  const int item = static_cast<int>(reinterpret_cast<intptr_t>(data));
  if (m->frames.getCount() == 0) return;
  Child* c = m->GetChild(0);
  switch (item) {
    case RestoreItem: return m->restore(c);
    case MinimizeItem: return m->minimize(c);
    case MaximizeItem: return m->maximize(c);
    case CloseItem: return m->sendMessage(c, Closed);
    case NextItem: return m->MDINext();
    default: break;
  }
  // Move and Size: the frame follows the pointer until the next click.
  auto start = [](XtPointer p, XtIntervalId*) {
    auto* d = static_cast<Deferred*>(p);
    l_QORDlgClientMDI* mdi = d->client;
    if (liveClients.getPosition(mdi) >= 0 && mdi->frames.getCount() > 0) {
      Child* f = mdi->GetChild(0);
      Display* dpy = XtDisplay(f->frame);
      const bool size = d->item == SizeItem;
      const int fx = size ? f->width - 1 : f->width / 2, fy = size ? f->height - 1 : kBorder + mdi->titleHeight / 2;
      XWarpPointer(dpy, None, XtWindow(f->frame), 0, 0, 0, 0, fx, fy);
      Window child = None;
      int rx = 0, ry = 0;
      XTranslateCoordinates(dpy, XtWindow(f->frame), RootWindowOfScreen(XtScreen(f->frame)), fx, fy, &rx, &ry, &child);
      mdi->startTracking(f, size ? BottomRight : TitleBar, rx, ry, f->frame);
    }
    delete d;
  };
  XtAppAddTimeOut(XtWidgetToApplicationContext(w), 50, start, new Deferred{m, item});
}
