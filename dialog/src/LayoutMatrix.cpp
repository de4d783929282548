#include "LayoutMatrix.h"

#include <algorithm>
#include <cstdio>

#include "l_QORDlgLayoutManager.h"
#include "qordlg_assert.h"

LayoutMatrix::LayoutMatrix(int lines, int cols) {
  SetLineCount(lines);
  SetColumnCount(cols);
}

LayoutMatrix::~LayoutMatrix() {
  for (auto& column : columns)
    for (LayoutCell* cell : column) delete cell;
}

void LayoutMatrix::SetLineCount(int n) {
  if (n < 0) n = 0;
  if (columns.empty()) columns.emplace_back();
  for (auto& column : columns) {
    for (size_t i = n; i < column.size(); ++i) delete column[i];
    column.resize(n, nullptr);
  }
  firstCellsValid = false;
}

void LayoutMatrix::SetColumnCount(int n) {
  if (n < 0) n = 0;
  const int lines = GetLineCount();
  while (static_cast<int>(columns.size()) < n) columns.emplace_back(lines, nullptr);
  while (static_cast<int>(columns.size()) > n) {
    for (LayoutCell* cell : columns.back()) delete cell;
    columns.pop_back();
  }
  firstCellsValid = false;
}

LayoutCell* LayoutMatrix::GetCell(int line, int col) const {
  QORDLG_ASSERT(line >= 0 && col >= 0, "line >= 0 && col >= 0");
  if (col >= GetColumnCount() || line >= GetLineCount()) return nullptr;
  return columns[col][line];
}

LayoutCell* LayoutMatrix::GetCell(const l_QORDialog* obj) const {
  if (!firstCellsValid) {
    firstCells.clear();
    const int lines = GetLineCount();
    for (int l = 0; l < lines; ++l)
      for (const auto& column : columns)
        if (LayoutCell* cell = column[l]) firstCells.emplace(cell->GetObj(), cell);  // keeps the first
    firstCellsValid = true;
  }
  auto it = firstCells.find(obj);
  return it == firstCells.end() ? nullptr : it->second;
}

l_QORDialog* LayoutMatrix::SetCell(l_QORDialog* obj, int line, int col) {
  QORDLG_ASSERT(line >= 0 && col >= 0, "line >= 0 && col >= 0");
  if (line >= GetLineCount()) SetLineCount(line + 1);
  if (col >= GetColumnCount()) SetColumnCount(col + 1);
  LayoutCell*& slot = columns[col][line];
  if (slot) return slot->GetObj();
  slot = new LayoutCell(obj);
  firstCellsValid = false;
  if (l_QORDlgLayoutManager::TraceLevel() >= 1) Dump();
  return nullptr;
}

void LayoutMatrix::DeleteCell(const l_QORDialog* obj) {
  for (auto& column : columns)
    for (LayoutCell*& cell : column)
      if (cell && cell->GetObj() == obj) {
        delete cell;
        cell = nullptr;
      }
  firstCellsValid = false;
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
