#include "QORDlgSeparatorItem.h"

#include <Xm/Separator.h>

#include "l_QORDlgSeparatorItem.h"

l_QORDlgSeparatorItem::l_QORDlgSeparatorItem(l_QORDialog* f, const QORString& n, QORDlgSeparatorItem* a,
                                             unsigned long s)
    : l_QORDlgMenuItem(f, n, a, s) {}

void l_QORDlgSeparatorItem::Build() {
  if (built) return;
  QORDlgArgs<4> args;
  if (!createItem(XmCreateSeparator, args)) return;
  // A line has no title.
  pending = (pending & ~QORDlgUpdTitle) | QORDlgUpdVisibility;
  update(0);
}

// ---- envelope ----

QORDlgSeparatorItem::QORDlgSeparatorItem(QORDialog* father, const QORString& name, unsigned long style)
    : QORDlgMenuItem(father, name, style) {
  letter = new l_QORDlgSeparatorItem(father->GetLetterObject(), name, this, style);
}

l_QORDialog* QORDlgSeparatorItem::GetLetterObject() const { return letter; }
