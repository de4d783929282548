// Internal to libTOLVEN: not API, never installed.
// One occupied cell of a grid: the child it belongs to and its rectangle.
#pragma once
#include "QORDialog.h"

class l_QORDialog;

class LayoutCell {
 public:
  explicit LayoutCell(l_QORDialog* obj);
  LayoutCell(l_QORDialog* obj, const DRECT& r);
  l_QORDialog* GetObj() const { return obj; }
  DRECT& GetRect() { return rect; }
  void SetRect(const DRECT& r) { rect = r; }

 private:
  l_QORDialog* obj;
  DRECT rect{-1, -1, -1, -1};
};
