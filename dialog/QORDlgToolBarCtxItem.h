// An item of a tool bar's contextual menu: a push item that reports its
// choice to the menu's command (QORDlgToolBarCtxMenu).
#pragma once
#include "QORDlgPushItem.h"

class QORDlgToolBarCtxMenu;

class QORDlgToolBarCtxItem : public QORDlgPushItem {
 public:
  QORDlgToolBarCtxItem(QORDlgToolBarCtxMenu* command, QORDialog* father, const QORString& name,
                       unsigned long style = 0);
  ~QORDlgToolBarCtxItem() override;

 private:
  QORDlgToolBarCtxMenu* command;
};
