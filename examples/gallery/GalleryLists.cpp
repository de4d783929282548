// The "Lists" frame: a list box of 200 lines beside a table of 10 000 lines
// in three titled columns.
#include <string>
#include <vector>

#include "GalleryDialog.h"
#include "QORDlgFrame.h"
#include "QORDlgGridConstraints.h"
#include "QORDlgMultiList.h"
#include "QORDlgSelectorList.h"

namespace {
constexpr unsigned int kFill = QORDlgGridLeft | QORDlgGridRight | QORDlgGridTop | QORDlgGridBottom;
const char* const kMaterials[] = {"steel", "aluminium", "brass", "titanium", "copper"};
}  // namespace

void GalleryDialog::buildListsFrame() {
  auto* frame = new QORDlgFrame(this, "Lists", QORDlgGridLayout);
  frame->SetGridConstraints(8, 0, 1, 1, kFill);

  auto* parts = new QORDlgSelectorList(frame, "Parts", QORDlgListMultiple);
  std::vector<QORUnicodeString> lines;
  for (int i = 1; i <= 200; ++i) lines.emplace_back("Part " + std::to_string(i));
  parts->SetLine(lines.data(), static_cast<int>(lines.size()));
  parts->SetVisibleTextHeight(10);
  parts->SetGridConstraints(0, 0, 1, 1, kFill);

  // Windowed: the widgets hold only the lines shown, however long the table.
  auto* table = new QORDlgMultiList(frame, "Table", QORDlgListWindowed);
  QORUnicodeString titles[] = {"Item", "Material", "Mass (kg)"};
  table->SetColumnTitles(3, titles);
  std::vector<QORUnicodeString> items, materials, masses;
  for (int i = 0; i < 10000; ++i) {
    items.emplace_back("Item " + std::to_string(i));
    materials.emplace_back(kMaterials[i % 5]);
    masses.emplace_back(std::to_string(1 + i % 97) + "." + std::to_string(i % 10));
  }
  table->SetColumnItems(0, items.data(), 10000);
  table->SetColumnItems(1, materials.data(), 10000);
  table->SetColumnItems(2, masses.data(), 10000);
  // Widths in pixels, so that the tour knows where the separators are.
  for (int c = 0; c < 3; ++c) table->SetColumnPixelWidth(c, 90);
  table->SetVisibleLineCount(10);
  table->SetGridConstraints(0, 1, 1, 1, kFill);
  frame->SetGridColumnResizable(1, 1);
  frame->SetGridRowResizable(0, 1);
}
