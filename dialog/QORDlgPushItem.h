// A menu item that sends its activation when chosen.
#pragma once
#include "QORDlgMenuItem.h"

class QORDlgPushItem : public QORDlgMenuItem {
 public:
  QORDlgPushItem(QORDialog* father, const QORString& name, unsigned long style = 0);
  const char* GetClassName() const override { return "QORDlgPushItem"; }
  l_QORDialog* GetLetterObject() const override;
  QORDlgMenuIActivateNotification* GetMenuIActivateNotification() const;
};
