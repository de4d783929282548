#include "QORDlgPushItem.h"

#include <Xm/PushB.h>

#include "l_QORDlgPushItem.h"
#include "l_QORDlgRecordCases.h"
#include "l_QORDlgRecordIo.h"

l_QORDlgPushItem::l_QORDlgPushItem(l_QORDialog* f, const QORString& n, QORDlgPushItem* a, unsigned long s)
    : l_QORDlgMenuItem(f, n, a, s) {}

void l_QORDlgPushItem::Build() {
  if (built) return;
  QORDlgArgs<4> args;
  if (!createItem(XmCreatePushButton, args)) return;
  XtAddCallback(baseWidget, XmNactivateCallback, activateCB, this);
  pending |= QORDlgUpdVisibility | QORDlgUpdIcon;
  update(0);
}

void l_QORDlgPushItem::update(unsigned long mask) {
  if (built && baseWidget && ((pending | mask) & QORDlgUpdIcon)) {
    loadIcon(baseWidget);
    // Beside the title, as menus show icons.
    if (GetIconName(0) && !GetIconName(0)->IsEmpty()) XtVaSetValues(baseWidget, XmNlabelType, XmPIXMAP_AND_STRING, nullptr);
  }
  l_QORDlgMenuItem::update(mask);
}

void l_QORDlgPushItem::activateCB(Widget, XtPointer client, XtPointer) {
  static_cast<l_QORDlgPushItem*>(client)->menuActivate();
}

void l_QORDlgPushItem::menuActivate() { sendInBracket(&activateNotification); }

void l_QORDlgPushItem::recordCases(l_QORDlgRecordCases& cases) {
  cases.add(&activateNotification, [](l_QORDlgRecordIo& io) { io.constant(0); })
      .onReplay([this] { sendInBracket(&activateNotification); });
  l_QORDlgMenuItem::recordCases(cases);
}

// ---- envelope ----

QORDlgPushItem::QORDlgPushItem(QORDialog* father, const QORString& name, unsigned long style)
    : QORDlgMenuItem(father, name, style) {
  letter = new l_QORDlgPushItem(father->GetLetterObject(), name, this, style);
}

l_QORDialog* QORDlgPushItem::GetLetterObject() const { return letter; }

QORDlgMenuIActivateNotification* QORDlgPushItem::GetMenuIActivateNotification() const {
  return notificationOf(&l_QORDlgPushItem::activateNotification);
}
