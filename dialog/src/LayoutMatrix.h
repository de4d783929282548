// Internal to libTOLVEN: not API, never installed.
// The grid of one container: columns of cell slots, plus the resizable rows
// and columns.
#pragma once
#include <unordered_map>
#include <vector>

#include "LayoutCell.h"

class LayoutMatrix {
 public:
  LayoutMatrix(int lines, int columns);
  ~LayoutMatrix();
  LayoutMatrix(const LayoutMatrix&) = delete;
  LayoutMatrix& operator=(const LayoutMatrix&) = delete;

  int GetLineCount() const { return columns.empty() ? 0 : static_cast<int>(columns[0].size()); }
  int GetColumnCount() const { return static_cast<int>(columns.size()); }
  void SetLineCount(int n);
  void SetColumnCount(int n);
  LayoutCell* GetCell(int line, int col) const;
  LayoutCell* GetCell(const l_QORDialog* obj) const;
  l_QORDialog* SetCell(l_QORDialog* obj, int line, int col);
  void DeleteCell(const l_QORDialog* obj);
  void SetCellGeometry(const DRECT& r, int line, int col);
  void SetCellGeometry(const DRECT& r, const l_QORDialog* obj);
  void SetColumnResizable(int col, int flag) { setIn(resizableColumns, col, flag); }
  void SetRowResizable(int row, int flag) { setIn(resizableRows, row, flag); }
  int IsColumnResizable(int col) const { return isIn(resizableColumns, col); }
  int IsRowResizable(int row) const { return isIn(resizableRows, row); }
  void Dump() const;
  // Changes with every change of the cells; never the same in two matrices.
  unsigned GetVersion() const { return version; }

 private:
  static void setIn(std::vector<int>& list, int v, int flag);
  static int isIn(const std::vector<int>& list, int v);
  std::vector<std::vector<LayoutCell*>> columns;
  std::vector<int> resizableColumns;
  std::vector<int> resizableRows;
  void forget(const l_QORDialog* obj, int line, int col);
  void changed() { version = ++versions; }
  static unsigned versions;
  unsigned version = ++versions;
  // Where each object's cells are, so that finding or deleting them does not
  // scan the grid: the engine asks once per child per pass.
  std::unordered_map<const l_QORDialog*, std::vector<std::pair<int, int>>> cellsOf;
};
