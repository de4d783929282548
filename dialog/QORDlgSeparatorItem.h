// A line between the items of a menu.
#pragma once
#include "QORDlgMenuItem.h"

class QORDlgSeparatorItem : public QORDlgMenuItem {
 public:
  QORDlgSeparatorItem(QORDialog* father, const QORString& name, unsigned long style = 0);
  const char* GetClassName() const override { return "QORDlgSeparatorItem"; }
  l_QORDialog* GetLetterObject() const override;
};
