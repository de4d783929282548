#include "LayoutGridSweep.h"

#include <algorithm>

#include "LayoutCell.h"
#include "LayoutMatrix.h"
#include "QORDlgGridConstraints.h"
#include "l_QORDialog.h"
#include "l_QORDlgLayoutManager.h"
#include "l_QORDlgTab.h"

unsigned long LayoutGridSweep::count = 0;

// The two lines of column (or row) `rank`: the near one holds the column's
// children in order by their near side, the far one by their far side, and
// neither has been placed relatively or carries a sash.
bool LayoutGridSweep::checkLines(bool vertical, int rank, int expected) {
  const Orientation o = vertical ? Vertical : Horizontal;
  for (int side = 0; side < 2; ++side) {
    l_QORDlgTab* t = m.getTabAt(o, 2 * rank + side);
    if (t->getNbComponents() != expected || t->isSashEnabled() || t->relativePosition >= 0.0) return false;
    if (t->isRightOrBottom() != (side == 1)) return false;
    for (int k = 0; k < expected; ++k) {
      const ComponentInfo* info = t->getComponentAt(k);
      l_QORDialog* c = vertical ? cells[k * cols + rank] : cells[rank * cols + k];
      if (info->component != c || info->offset != 0) return false;
      if (info->alignment != (side ? RightOrBottom : TopOrLeft)) return false;
      if ((side ? c->getSecondTab(o) : c->getFirstTab(o)) != t) return false;
    }
  }
  return true;
}

bool LayoutGridSweep::applies() {
  const LayoutMatrix* grid = m.getMatrix();
  if (m.getStyle() != GridLayout || !grid || m.isFirstLayoutDone()) return false;
  rows = grid->GetLineCount();
  cols = grid->GetColumnCount();
  if (rows < 1 || cols < 1) return false;
  if (m.getNbTabs(Vertical) != 2 * cols || m.getNbTabs(Horizontal) != 2 * rows) return false;
  cells.assign(static_cast<size_t>(rows) * cols, nullptr);
  lastRowCount = 0;
  for (int r = 0; r < rows; ++r)
    for (int c = 0; c < cols; ++c) {
      LayoutCell* cell = grid->GetCell(r, c);
      if (!cell) {
        if (r < rows - 1) return false;
        continue;
      }
      if (r == rows - 1 && c != lastRowCount) return false;  // the last row fills from the left
      if (r == rows - 1) ++lastRowCount;
      l_QORDialog* child = cell->GetObj();
      const QORDlgGridConstraints& gc = child->GetGridConstraints();
      if (gc.Row != r || gc.Column != c || gc.RowSpan != 1 || gc.ColumnSpan != 1) return false;
      cells[r * cols + c] = child;
    }
  if (lastRowCount < 1 || (rows == 1 && lastRowCount != cols)) return false;
  for (int c = 0; c < cols; ++c)
    if (!checkLines(true, c, columnLength(c))) return false;
  for (int r = 0; r < rows; ++r)
    if (!checkLines(false, r, r < rows - 1 ? cols : lastRowCount)) return false;
  return true;
}

// The last row's near line goes at least to `value`, as the pushes reaching
// the end of a short column put it.
void LayoutGridSweep::raiseLastRow(int value) {
  int& base = nearBase[rows - 1];
  base = std::max(base, value - shiftTotal);
}

// Column c's children from the top of its near line down, as the walk over
// that line places them; returns where the next child would go.
int LayoutGridSweep::placeColumn(int c, int next) {
  const int spacing = l_QORDlgLayoutManager::Spacing();
  const int length = columnLength(c);
  int rowShift = 0;  // the shift of the current row
  for (int r = 0; r < length; ++r) {
    const size_t i = r * cols + c;
    rowShift += shift[r];
    const int line = nearBase[r] + rowShift;
    int along = line;
    if (next - line >= 1) {
      const int g = next - line;
      if (c == 0) {
        nearBase[r] += g;  // nothing placed to carry yet
      } else {
        // The row and everything below it in the columns already placed.
        shift[r] += g;
        rowShift += g;
        shiftTotal += g;
        if (shortPlaced && r <= rows - 2) {
          shortBottom += g;
          raiseLastRow(shortBottom + spacing);
        }
      }
      along = next;
    }
    placedY[i] = along;
    seenShift[i] = rowShift;
    next = along + height[i] + spacing;
    const int bottom = along + height[i];
    const int farNow = farBase[r] + rowShift;
    if (bottom > farNow) {
      const int d = bottom - farNow;
      farBase[r] += d;
      if (c > 0) {
        // The row's children placed before grow with it; the rows below move.
        grown[r] += d;
        if (r + 1 < rows) {
          shift[r + 1] += d;
          shiftTotal += d;
        }
        if (shortPlaced && r <= rows - 2) {
          shortBottom += d;
          raiseLastRow(shortBottom + spacing);
        }
      }
      if (length < rows && r == length - 1) raiseLastRow(bottom + spacing);
    }
    seenGrowth[i] = grown[r];
  }
  if (length < rows) {
    // A short column pulls the last row's line to its end, carrying the
    // last row's children and bottom line along.
    const int line = nearBase[rows - 1] + shiftTotal;
    if (next > line) {
      const int d = next - line;
      shift[rows - 1] += d;
      shiftTotal += d;
      nearBase[rows - 1] = next - shiftTotal;
    }
    const size_t i = (rows - 2) * cols + c;
    shortBottom = shortPlaced ? std::max(shortBottom, placedY[i] + height[i]) : placedY[i] + height[i];
    shortPlaced = true;
  }
  return next;
}

int LayoutGridSweep::placeColumns(int p) {
  ++count;
  const int spacing = l_QORDlgLayoutManager::Spacing();
  const size_t n = cells.size();
  width.assign(n, 0);
  height.assign(n, 0);
  placedY.assign(n, 0);
  seenShift.assign(n, 0);
  seenGrowth.assign(n, 0);
  for (size_t i = 0; i < n; ++i)
    if (cells[i]) {
      int x, y;
      m.readGeometry(cells[i], x, y, width[i], height[i]);
    }
  shift.assign(rows + 1, 0);
  nearBase.assign(rows, 0);
  farBase.assign(rows, 0);
  grown.assign(rows, 0);
  shiftTotal = 0;
  shortPlaced = false;
  for (int r = 0; r < rows; ++r) {
    l_QORDlgTab* far = m.getTabAt(Horizontal, 2 * r + 1);
    if (far->isRelative()) far->relativePositionComputed = 1;  // no share is known yet
  }
  std::vector<int> left(cols), extent(cols);
  int reached = 0;
  for (int c = 0; c < cols; ++c) {
    l_QORDlgTab* nearLine = m.getTabAt(Vertical, 2 * c);
    l_QORDlgTab* farLine = m.getTabAt(Vertical, 2 * c + 1);
    int widest = 0;
    for (int r = 0; r < columnLength(c); ++r) widest = std::max(widest, width[r * cols + c]);
    if (widest == 0) p -= spacing;
    nearLine->_position = left[c] = p;
    nearLine->_max_size = extent[c] = widest;
    nearLine->_next_component_position = placeColumn(c, nearLine->_next_component_position);
    p = nearLine->_position + widest + spacing;
    reached = std::max(reached, p);
    p -= spacing;  // the far line holds no near side
    farLine->_position = p;
    farLine->_max_size = 0;
    p += spacing;
    reached = std::max(reached, p);
  }
  // What the offsets come to, written once.
  int rowShift = 0;
  for (int r = 0; r < rows; ++r) {
    rowShift += shift[r];
    m.getTabAt(Horizontal, 2 * r)->_position = nearBase[r] + rowShift;
    m.getTabAt(Horizontal, 2 * r + 1)->_position = farBase[r] + rowShift;
    for (int c = 0; c < cols; ++c) {
      const size_t i = r * cols + c;
      if (!cells[i]) continue;
      const int y = placedY[i] + rowShift - seenShift[i];
      const int h = height[i] + grown[r] - seenGrowth[i];
      m.writeRect(cells[i], left[c], y, h, extent[c]);
      m.setPlaced(cells[i]);
    }
  }
  return reached;
}
