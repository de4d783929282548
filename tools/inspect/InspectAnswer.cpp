#include "InspectAnswer.h"

#include <cstring>

namespace {
uint32_t word(const std::vector<unsigned char>& a, size_t offset) {
  uint32_t w = 0;
  std::memcpy(&w, a.data() + offset, 4);
  return w;
}

bool failWith(std::string& error, const char* why) {
  error = why;
  return false;
}

// Links each object to its father by the walk: an object opens a level, an
// end mark closes it.
bool linkWalk(InspectTree& tree, std::string& error) {
  std::vector<int> open;
  uint32_t opened = 0;
  for (uint32_t entry : tree.walk) {
    if (entry == 0) {
      if (open.empty()) return failWith(error, "the walk closes more objects than it opens");
      open.pop_back();
      continue;
    }
    // Ordinals count the objects in walk order: anything else could make a cycle.
    if (entry != ++opened) return failWith(error, "the walk's ordinals are out of order");
    if (entry > tree.nodes.size()) return failWith(error, "the walk names an object the answer lacks");
    InspectNode& node = tree.nodes[entry - 1];
    node.parent = open.empty() ? -1 : open.back();
    node.depth = static_cast<int>(open.size());
    if (node.parent >= 0) tree.nodes[node.parent].children.push_back(static_cast<int>(entry - 1));
    open.push_back(static_cast<int>(entry - 1));
  }
  if (!open.empty()) return failWith(error, "the walk leaves objects open");
  if (opened != tree.nodes.size()) return failWith(error, "the walk misses objects");
  return true;
}
}  // namespace

bool ReadStatus(const std::vector<unsigned char>& answer, uint32_t& status) {
  if (answer.size() < 16) return false;
  status = word(answer, 12);
  return true;
}

bool ReadTree(const std::vector<unsigned char>& a, InspectTree& tree, std::string& error) {
  tree = InspectTree();
  if (a.size() < 20) return failWith(error, "the tree answer is shorter than its header");
  const size_t n = word(a, 16);
  if (n > (a.size() - 20) / 4) return failWith(error, "the walk runs past the answer");
  size_t k = 0;
  for (size_t i = 0; i < n; ++i) {
    tree.walk.push_back(word(a, 20 + 4 * i));
    if (tree.walk.back()) ++k;
  }
  const size_t triples = 20 + 4 * n;
  if (k > (a.size() - triples) / 12) return failWith(error, "the objects run past the answer");
  for (size_t i = 0; i < k; ++i) {
    const size_t at = triples + 12 * i;
    InspectNode node;
    node.handle = word(a, at);
    node.kind = word(a, at + 4);
    const size_t name = at + 8 + static_cast<size_t>(word(a, at + 8));
    if (name >= a.size()) return failWith(error, "a name lies past the answer");
    const void* end = std::memchr(a.data() + name, 0, a.size() - name);
    if (!end) return failWith(error, "a name is not terminated");
    node.name.assign(reinterpret_cast<const char*>(a.data() + name), static_cast<const unsigned char*>(end) - (a.data() + name));
    tree.nodes.push_back(node);
  }
  return linkWalk(tree, error);
}

bool ReadValues(const std::vector<unsigned char>& a, InspectValues& v, std::string& error) {
  if (a.size() < 45) return failWith(error, "the values answer is shorter than 45 bytes");
  v.x = static_cast<int32_t>(word(a, 16));
  v.y = static_cast<int32_t>(word(a, 20));
  v.dx = static_cast<int32_t>(word(a, 24));
  v.dy = static_cast<int32_t>(word(a, 28));
  std::memcpy(&v.sensitivity, a.data() + 32, 2);
  v.visibility = word(a, 36);
  const size_t title = word(a, 40);
  if (title >= a.size()) return failWith(error, "the title lies past the answer");
  const void* end = std::memchr(a.data() + title, 0, a.size() - title);
  if (!end) return failWith(error, "the title is not terminated");
  v.title.assign(reinterpret_cast<const char*>(a.data() + title), static_cast<const unsigned char*>(end) - (a.data() + title));
  return true;
}

int InspectTree::Find(const std::string& path) const {
  int at = -1;
  size_t start = 0;
  while (start <= path.size()) {
    const size_t slash = path.find('/', start);
    const std::string part = path.substr(start, slash == std::string::npos ? std::string::npos : slash - start);
    int found = -1;
    for (size_t i = 0; i < nodes.size() && found < 0; ++i)
      if (nodes[i].parent == at && nodes[i].name == part) found = static_cast<int>(i);
    if (found < 0) return -1;
    at = found;
    if (slash == std::string::npos) break;
    start = slash + 1;
  }
  return at;
}

std::string InspectTree::PathOf(int index) const {
  std::string path;
  for (int i = index; i >= 0; i = nodes[i].parent) path = nodes[i].name + (path.empty() ? "" : "/" + path);
  return path;
}

const char* KindName(uint32_t kind) {
  static const char* const names[] = {
      "other",        "bar menu",     "check button",   "check item",    "combo",          "container",
      "contextual menu", "(unused)",  "document",       "editor",        "file box",       "frame",
      "icon box",     "label",        "Motif black box", "multi-column list", "notify box", "push button",
      "push item",    "radio button", "radio item",     "selector list", "separator",      "separator item",
      "slider",       "spinner",      "splitter",       "status bar",    "sub-menu",       "tab container",
      "tab page",     "tool bar"};
  return kind < sizeof(names) / sizeof(names[0]) ? names[kind] : "unknown";
}
