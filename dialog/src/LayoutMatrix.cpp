#include "LayoutMatrix.h"

#include <algorithm>
#include <cstdio>

#include "l_QORDlgLayoutManager.h"
#include "qordlg_assert.h"

unsigned LayoutMatrix::versions = 0;

LayoutMatrix::LayoutMatrix(int lines, int cols) {
  SetLineCount(lines);
  SetColumnCount(cols);
}

LayoutMatrix::~LayoutMatrix() {
  for (auto& column : columns)
    for (LayoutCell* cell : column) delete cell;
}

void LayoutMatrix::forget(const l_QORDialog* obj, int line, int col) {
  auto it = cellsOf.find(obj);
  if (it == cellsOf.end()) return;
  auto& v = it->second;
  v.erase(std::remove(v.begin(), v.end(), std::make_pair(line, col)), v.end());
  if (v.empty()) cellsOf.erase(it);
  changed();
}

void LayoutMatrix::SetLineCount(int n) {
  if (n < 0) n = 0;
  if (columns.empty()) columns.emplace_back();
  for (size_t c = 0; c < columns.size(); ++c) {
    auto& column = columns[c];
    for (size_t i = n; i < column.size(); ++i)
      if (LayoutCell* cell = column[i]) {
        forget(cell->GetObj(), static_cast<int>(i), static_cast<int>(c));
        delete cell;
      }
    column.resize(n, nullptr);
  }
}

void LayoutMatrix::SetColumnCount(int n) {
  if (n < 0) n = 0;
  const int lines = GetLineCount();
  while (static_cast<int>(columns.size()) < n) columns.emplace_back(lines, nullptr);
  while (static_cast<int>(columns.size()) > n) {
    const int c = static_cast<int>(columns.size()) - 1;
    for (size_t i = 0; i < columns.back().size(); ++i)
      if (LayoutCell* cell = columns.back()[i]) {
        forget(cell->GetObj(), static_cast<int>(i), c);
        delete cell;
      }
    columns.pop_back();
  }
}

LayoutCell* LayoutMatrix::GetCell(int line, int col) const {
  QORDLG_ASSERT(line >= 0 && col >= 0, "line >= 0 && col >= 0");
  if (col >= GetColumnCount() || line >= GetLineCount()) return nullptr;
  return columns[col][line];
}

LayoutCell* LayoutMatrix::GetCell(const l_QORDialog* obj) const {
  // The first in reading order: line by line, column by column.
  auto it = cellsOf.find(obj);
  if (it == cellsOf.end() || it->second.empty()) return nullptr;
  const std::pair<int, int>* best = &it->second.front();
  for (const auto& lc : it->second)
    if (lc < *best) best = &lc;
  return columns[best->second][best->first];
}

l_QORDialog* LayoutMatrix::SetCell(l_QORDialog* obj, int line, int col) {
  QORDLG_ASSERT(line >= 0 && col >= 0, "line >= 0 && col >= 0");
  if (line >= GetLineCount()) SetLineCount(line + 1);
  if (col >= GetColumnCount()) SetColumnCount(col + 1);
  LayoutCell*& slot = columns[col][line];
  if (slot) return slot->GetObj();
  slot = new LayoutCell(obj);
  cellsOf[obj].emplace_back(line, col);
  changed();
  if (l_QORDlgLayoutManager::TraceLevel() >= 1) Dump();
  return nullptr;
}

void LayoutMatrix::DeleteCell(const l_QORDialog* obj) {
  auto it = cellsOf.find(obj);
  if (it == cellsOf.end()) return;
  for (const auto& lc : it->second) {
    delete columns[lc.second][lc.first];
    columns[lc.second][lc.first] = nullptr;
  }
  cellsOf.erase(it);
  changed();
}

void LayoutMatrix::SetCellGeometry(const DRECT& r, int line, int col) {
  LayoutCell* cell = GetCell(line, col);
  QORDLG_ASSERT(cell != nullptr, "cell != NULL");
  cell->SetRect(r);
}

void LayoutMatrix::SetCellGeometry(const DRECT& r, const l_QORDialog* obj) {
  LayoutCell* cell = GetCell(obj);
  QORDLG_ASSERT(cell != nullptr, "cell != NULL");
  cell->SetRect(r);
}

void LayoutMatrix::setIn(std::vector<int>& list, int v, int flag) {
  auto it = std::find(list.begin(), list.end(), v);
  if (flag && it == list.end()) list.push_back(v);
  if (!flag && it != list.end()) list.erase(it);
}

int LayoutMatrix::isIn(const std::vector<int>& list, int v) {
  return std::find(list.begin(), list.end(), v) != list.end() ? 1 : 0;
}

void LayoutMatrix::Dump() const {
  const int lines = GetLineCount();
  const int cols = GetColumnCount();
  std::printf("\nline=%d, col=%d\n", lines, cols);
  for (int c = 0; c < cols; ++c) std::printf("+---");
  std::printf("+\n");
  std::unordered_map<const l_QORDialog*, int> numbers;
  for (int l = 0; l < lines; ++l) {
    for (int c = 0; c < cols; ++c) {
      int n = 0;
      if (LayoutCell* cell = columns[c][l]) {
        auto it = numbers.emplace(cell->GetObj(), static_cast<int>(numbers.size()) + 1).first;
        n = it->second;
      }
      std::printf("|%3d", n);
    }
    std::printf("|\n");
  }
  for (int c = 0; c < cols; ++c) std::printf("+---");
  std::printf("+\n");
  std::fflush(stdout);
}
