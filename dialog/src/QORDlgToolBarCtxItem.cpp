#include "QORDlgToolBarCtxItem.h"

#include "QORDlgToolBarCtxMenu.h"

QORDlgToolBarCtxItem::QORDlgToolBarCtxItem(QORDlgToolBarCtxMenu* c, QORDialog* father, const QORString& name,
                                           unsigned long style)
    : QORDlgPushItem(father, name, style), command(c) {
  // The name is the client data: the command compares it with the dock names.
  const std::string which = name.c_str();
  command->AddAnalyseNotificationCB(this, "QORDlgMenuIActivateNotification",
                                    [c, which](QORCommand* from, QORNotification* n) {
                                      c->MoveToolBarCB(from, n, const_cast<char*>(which.c_str()));
                                    });
  command->AjouteReference();
}

QORDlgToolBarCtxItem::~QORDlgToolBarCtxItem() {
  if (command->RetireReference() == 0) delete command;
}
