#include "LayoutCell.h"

#include "qordlg_assert.h"

LayoutCell::LayoutCell(l_QORDialog* o) : obj(o) { QORDLG_ASSERT(obj != nullptr, "obj != NULL"); }

LayoutCell::LayoutCell(l_QORDialog* o, const DRECT& r) : obj(o), rect(r) {
  QORDLG_ASSERT(obj != nullptr, "obj != NULL");
}
