#include "l_QORDlgInspectCommands.h"

#include <cstdio>

#include "l_QORDialog.h"
#include "l_QORDlgInspectFlash.h"

using namespace QORDlgInspect;

namespace l_QORDlgInspectCommands {

uint32_t kindOf(l_QORDialog* letter) {
  for (size_t i = 0; i < kKindTableSize; ++i)
    if (letter->IsAKindOf(kKindTable[i].classCode)) return kKindTable[i].kind;
  return 0;
}

Answer tree(l_QORDialog* window, const CommandBlock& block) {
  l_QORDlgList walked(256, 256);
  window->dumpTree(&walked);
  std::vector<uint32_t> walk;
  std::vector<TreeObject> objects;
  walk.reserve(walked.getCount());
  objects.reserve(walked.getCount() / 2);
  for (int i = 0; i < walked.getCount(); ++i) {
    auto* letter = static_cast<l_QORDialog*>(walked[i]);
    if (!letter) {
      walk.push_back(0);
      continue;
    }
    objects.push_back({letter->GetInspectHandle(), kindOf(letter), letter->GetName().c_str()});
    walk.push_back(static_cast<uint32_t>(objects.size()));
  }
  return treeAnswer(block, walk, objects);
}

Answer values(l_QORDialog* object, const CommandBlock& block) {
  if (!object) return statusAnswer(block, StatusNotAvailable);
  DRECT r{0, 0, 0, 0};
  object->GetRectDimensions(&r);
  ObjectValues v;
  v.x = r.x, v.y = r.y, v.dx = r.dx, v.dy = r.dy;
  v.sensitivity = static_cast<uint16_t>(object->IsSetSensitivity() ? static_cast<int>(QORDlgSensitive) : 0);
  v.visibility = static_cast<uint32_t>(object->GetVisibility());
  v.title = object->GetTitle().c_str();
  return valuesAnswer(block, v);
}

Answer flash(l_QORDialog* object, const CommandBlock& block) {
  Widget widget = object ? object->GetBaseWidget(0) : nullptr;
  // An object without a widget has no place on the screen: zero size.
  if (!widget) return statusAnswer(block, StatusNotAvailable);
  int ax = 0, ay = 0, x = 0, y = 0, height = 0, width = 0;
  object->GetAbsolutePosition(ax, ay);
  object->GetRectDimensions(&x, &y, &height, &width);
  std::printf("\nFlash %s, x=%d, y=%d\n", XtName(widget), ax, ay);
  std::fflush(stdout);
  std::printf("      %s, w=%d, h=%d\n", XtName(widget), width, height);
  std::fflush(stdout);
  if (width <= 0 || height <= 0) return statusAnswer(block, StatusNotAvailable);
  l_QORDlgInspectFlash::Start(object, widget, ax, ay, width, height);
  return statusAnswer(block, StatusDone);
}

}  // namespace l_QORDlgInspectCommands
