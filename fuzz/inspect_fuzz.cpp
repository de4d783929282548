// The inspection channel's byte side, from both ends. The input is:
//   byte 0        the selection format (8, 16, 32 or anything else)
//   bytes 1..20   the five ClientMessage words
//   the rest      the command block as the selection delivers it
// The request and the block are read as the program reads them; the answers
// built from them (status, values, and a tree whose shape and names come from
// the same bytes) must come back intact through the tool's readers, and the
// raw input fed to those readers must never make them read out of bounds.
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

#include "InspectAnswer.h"
#include "l_QORDlgInspectProtocol.h"

using namespace QORDlgInspect;

namespace {

void check(bool ok) {
  if (!ok) std::abort();
}

uint32_t take32(const uint8_t*& data, size_t& size) {
  uint32_t w = 0;
  const size_t n = size < 4 ? size : 4;
  std::memcpy(&w, data, n);
  data += n;
  size -= n;
  return w;
}

bool readBlock(int format, const uint8_t* data, size_t size, CommandBlock& block) {
  if (format != 32) return readCommandBlock(size ? data : nullptr, size / (format > 8 ? format / 8 : 1), format, block);
  // Xt delivers format 32 items as longs.
  std::vector<long> items(size / 4);
  for (size_t i = 0; i < items.size(); ++i) {
    int32_t w = 0;
    std::memcpy(&w, data + 4 * i, 4);
    items[i] = w;
  }
  return readCommandBlock(items.empty() ? nullptr : items.data(), items.size(), format, block);
}

// A tree shaped by the input: object i hangs under an earlier object.
void buildTree(const uint8_t* data, size_t size, std::vector<uint32_t>& walk, std::vector<TreeObject>& objects) {
  const size_t k = 1 + (size ? data[0] % 24 : 0);
  std::vector<std::vector<size_t>> children(k);
  for (size_t i = 1; i < k; ++i) children[i < size ? data[i] % i : 0].push_back(i);
  for (size_t i = 0; i < k; ++i) {
    std::string name;
    for (size_t j = 0; j < (i + 3) % 7 && i + j < size; ++j) name += static_cast<char>('A' + data[i + j] % 26);
    objects.push_back({static_cast<uint32_t>(i * 2654435761u), static_cast<uint32_t>(i % 32), name});
  }
  std::vector<size_t> order;
  struct Step { size_t node; bool close; };
  std::vector<Step> stack{{0, false}};
  while (!stack.empty()) {
    const Step s = stack.back();
    stack.pop_back();
    if (s.close) {
      walk.push_back(0);
      continue;
    }
    order.push_back(s.node);
    walk.push_back(static_cast<uint32_t>(order.size()));
    stack.push_back({s.node, true});
    for (auto c = children[s.node].rbegin(); c != children[s.node].rend(); ++c) stack.push_back({*c, false});
  }
  std::vector<TreeObject> inWalkOrder;
  for (size_t node : order) inWalkOrder.push_back(objects[node]);
  objects.swap(inWalkOrder);
}

void checkTree(const CommandBlock& block, const uint8_t* data, size_t size) {
  std::vector<uint32_t> walk;
  std::vector<TreeObject> objects;
  buildTree(data, size, walk, objects);
  const Answer a = treeAnswer(block, walk, objects);
  size_t names = 0;
  for (const TreeObject& o : objects) names += o.name.size();
  check(a.size() == (walk.size() + 3 * objects.size()) * 4 + names + objects.size() + 20);
  InspectTree t;
  std::string error;
  check(ReadTree(a, t, error));
  check(t.walk == walk && t.nodes.size() == objects.size());
  for (size_t i = 0; i < objects.size(); ++i)
    check(t.nodes[i].name == objects[i].name && t.nodes[i].handle == objects[i].handle &&
          t.nodes[i].kind == objects[i].kind);
}

void checkValues(const CommandBlock& block, const uint8_t* data, size_t size) {
  ObjectValues v;
  v.x = static_cast<int32_t>(size);
  v.sensitivity = size % 2 ? 8 : 0;
  v.visibility = size % 3 ? 2 : 4;
  for (size_t i = 0; i < size && i < 40; ++i)
    if (data[i]) v.title += static_cast<char>(data[i]);
  const Answer a = valuesAnswer(block, v);
  check(a.size() == 45 + v.title.size());
  InspectValues back;
  std::string error;
  check(ReadValues(a, back, error));
  check(back.title == v.title && back.x == v.x && back.sensitivity == v.sensitivity && back.visibility == v.visibility);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  if (size < 1) return 0;
  const int format = data[0];
  const uint8_t* rest = data + 1;
  size_t left = size - 1;
  long words[5];
  for (long& w : words) w = static_cast<int32_t>(take32(rest, left));
  const Request request = readRequest(words);
  check(isValidHeader(request, request.header0) == (request.header1 == 1));
  CommandBlock block;
  const bool known = format == 8 || format == 16 || format == 32;
  check(readBlock(format, rest, left, block) == known);
  if (known) {
    const size_t bytes = format == 32 ? left / 4 * 4 : left / (format / 8) * (format / 8);
    check(block.hasCommand == (bytes >= 12));
    const Answer status = statusAnswer(block, StatusNotAvailable);
    uint32_t s = 0;
    check(status.size() == 16 && ReadStatus(status, s) && s == StatusNotAvailable);
    check(std::memcmp(status.data(), block.words, 12) == 0);
  }
  checkTree(block, rest, left);
  checkValues(block, rest, left);
  // The tool's readers on whatever bytes come.
  const Answer raw(data, data + size);
  InspectTree t;
  InspectValues v;
  std::string error;
  ReadTree(raw, t, error);
  ReadValues(raw, v, error);
  if (t.nodes.size()) t.PathOf(static_cast<int>(t.nodes.size() - 1));
  return 0;
}
