// Internal to libTOLVEN: not API, never installed.
// The first layout of a dense grid along its columns, in one sweep.
//
// In a grid whose children each take one cell, with every row full but the
// last one (filled from the left), the walk over the vertical lines only ever
// shifts whole bottoms of rows: a child pushing its row's line down moves
// every row from there on in the columns already placed, and a child pushing
// its row's bottom line grows the row's children in those columns and moves
// the rows below. The sweep keeps those shifts as offsets per row and reads
// them back when it writes the cells, so the pass costs what the children
// cost instead of what the cascade of pushes costs. It ends in the state the
// walk over the vertical lines leaves: same cells, same line positions.
#pragma once
#include <vector>

class l_QORDialog;
class l_QORDlgLayoutManager;
class l_QORDlgTab;

class LayoutGridSweep {
 public:
  explicit LayoutGridSweep(l_QORDlgLayoutManager& manager) : m(manager) {}
  LayoutGridSweep(const LayoutGridSweep&) = delete;
  LayoutGridSweep& operator=(const LayoutGridSweep&) = delete;

  // Whether the manager's lines are exactly those of a dense grid of single
  // cells, before any layout has measured it.
  bool applies();
  // Lays the vertical lines out from `x`, each column's children from its
  // line's start down; returns the widest position reached, as the walk over
  // the vertical lines does.
  int placeColumns(int x);
  // How many first layouts took the sweep.
  static unsigned long Count() { return count; }

 private:
  bool checkLines(bool vertical, int rank, int expected);
  int placeColumn(int c, int next);
  int columnLength(int c) const { return c < lastRowCount ? rows : rows - 1; }
  void raiseLastRow(int value);

  l_QORDlgLayoutManager& m;
  int rows = 0, cols = 0, lastRowCount = 0;
  std::vector<l_QORDialog*> cells;  // row by row
  // Per child: its size as read, where it was placed and the row's shift
  // and growth at that moment (what came after is still owed to it).
  std::vector<int> width, height, placedY, seenShift, seenGrowth;
  // Per row: shifts still owed to what was placed before (a difference
  // array: row r is moved by the sum up to r), line positions net of those
  // shifts, and how much the row's placed children have grown.
  std::vector<int> shift, nearBase, farBase, grown;
  int shiftTotal = 0;
  // The lowest bottom, in the row before the last, of the short columns
  // already placed: where they pull the last row's line to. With sizes that
  // are not negative that line already stands below it; kept so that the
  // sweep follows the walk whatever the sizes.
  bool shortPlaced = false;
  int shortBottom = 0;
  static unsigned long count;
};
