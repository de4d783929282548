#include "l_QORDlgInspectProtocol.h"

#include <cstring>

#include "QORDlgClassTraits.h"

namespace QORDlgInspect {

namespace {
uint32_t wire(long word) { return static_cast<uint32_t>(static_cast<unsigned long>(word) & 0xFFFFFFFFul); }

// In the host's byte order; appended byte by byte (a range insert into an
// empty answer trips GCC 12's -Wstringop-overflow at -O2).
void put32(Answer& a, uint32_t w) {
  unsigned char bytes[4];
  std::memcpy(bytes, &w, 4);
  for (unsigned char b : bytes) a.push_back(b);
}

void putHeader(Answer& a, const CommandBlock& block, uint32_t status) {
  for (int i = 0; i < 3; ++i) put32(a, block.words[i]);
  put32(a, status);
}
}  // namespace

Request readRequest(const long words[5]) {
  Request r;
  r.header0 = wire(words[0]);
  r.header1 = wire(words[1]);
  r.time = wire(words[2]);
  r.object = wire(words[3]);
  r.extra = wire(words[4]);
  return r;
}

bool isValidHeader(const Request& r, uint32_t channelAtom) { return r.header0 == channelAtom && r.header1 == 1; }

bool readCommandBlock(const void* value, unsigned long length, int format, CommandBlock& out) {
  out = CommandBlock();
  if (format != 8 && format != 16 && format != 32) return false;
  if (!value) length = 0;
  size_t count = 0;
  if (format == 32) {
    // Xt hands format 32 items as longs, one word each.
    const long* items = static_cast<const long*>(value);
    count = length < 4 ? length : 4;
    for (size_t i = 0; i < count; ++i) out.words[i] = wire(items[i]);
  } else {
    const size_t bytes = static_cast<size_t>(length) * (format / 8);
    count = bytes / 4 < 4 ? bytes / 4 : 4;
    if (count) std::memcpy(out.words, value, count * 4);
  }
  out.hasCommand = count > 2;
  return true;
}

const char* traceWord(uint32_t command) {
  switch (command) {
    case CommandTree: return "SendDialogTree";
    case CommandSetValues: return "SetValues";
    case CommandValues: return "Values";
    case CommandFlash: return "Flash";
    default: return nullptr;
  }
}

Answer statusAnswer(const CommandBlock& block, uint32_t status) {
  Answer a;
  putHeader(a, block, status);
  return a;
}

Answer treeAnswer(const CommandBlock& block, const std::vector<uint32_t>& walk, const std::vector<TreeObject>& objects) {
  const size_t k = objects.size();
  size_t names = 0;
  for (const TreeObject& o : objects) names += o.name.size() + 1;
  Answer a;
  a.reserve(20 + 4 * (walk.size() + 3 * k) + names);
  putHeader(a, block, StatusDone);
  put32(a, static_cast<uint32_t>(walk.size()));
  for (uint32_t w : walk) put32(a, w);
  // The third word of each triple: the distance from itself to the name.
  size_t nameOffset = a.size() + 12 * k;
  for (const TreeObject& o : objects) {
    put32(a, o.handle);
    put32(a, o.kind);
    const size_t third = a.size();
    put32(a, static_cast<uint32_t>(nameOffset - third));
    nameOffset += o.name.size() + 1;
  }
  for (const TreeObject& o : objects) a.insert(a.end(), o.name.c_str(), o.name.c_str() + o.name.size() + 1);
  return a;
}

Answer valuesAnswer(const CommandBlock& block, const ObjectValues& v) {
  Answer a;
  a.reserve(45 + v.title.size());
  putHeader(a, block, StatusDone);
  for (int32_t w : {v.x, v.y, v.dx, v.dy}) put32(a, static_cast<uint32_t>(w));
  unsigned char sensitivity[4] = {0, 0, 0, 0};
  std::memcpy(sensitivity, &v.sensitivity, 2);
  a.insert(a.end(), sensitivity, sensitivity + 4);
  put32(a, v.visibility);
  put32(a, 44);
  a.insert(a.end(), v.title.c_str(), v.title.c_str() + v.title.size() + 1);
  return a;
}

const KindRow kKindTable[] = {
    {1, QORDlgCodeBarMenu},        {2, QORDlgCodeCheckButton},   {3, QORDlgCodeCheckItem},
    {4, QORDlgCodeCombo},          {5, QORDlgCodeContainer},     {6, QORDlgCodeContextualMenu},
    {8, QORDlgCodeDocument},       {9, QORDlgCodeEditor},        {10, QORDlgCodeFile},
    {11, QORDlgCodeFrame},         {12, QORDlgCodeIconBox},      {13, QORDlgCodeLabel},
    {14, QORDlgCodeMotif},         {15, QORDlgCodeMultiList},    {16, QORDlgCodeNotify},
    {17, QORDlgCodePushButton},    {18, QORDlgCodePushItem},     {19, QORDlgCodeRadioButton},
    {20, QORDlgCodeRadioItem},     {21, QORDlgCodeSelectorList}, {22, QORDlgCodeSeparator},
    {23, QORDlgCodeSeparatorItem}, {24, QORDlgCodeSlider},       {25, QORDlgCodeSpinner},
    {26, QORDlgCodeSplitter},      {27, QORDlgCodeStatusBar},    {28, QORDlgCodeSubMenu},
    {29, QORDlgCodeTabContainer},  {30, QORDlgCodeTabPage},      {31, QORDlgCodeToolBar},
};
const size_t kKindTableSize = sizeof(kKindTable) / sizeof(kKindTable[0]);

}  // namespace QORDlgInspect
