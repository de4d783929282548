// Internal to libTOLVEN: not API, never installed.
// Letter of QORDlgSeparatorItem (class code 34): an XmSeparator in a menu.
#pragma once
#include "QORDlgSeparatorItem.h"
#include "l_QORDlgMenuItem.h"

class l_QORDlgSeparatorItem : public l_QORDlgMenuItem {
 public:
  l_QORDlgSeparatorItem(l_QORDialog* father, const QORString& name, QORDlgSeparatorItem* api, unsigned long style);
  void Build() override;
  unsigned long GetClassCode() const override { return QORDlgCodeSeparatorItem; }
};
