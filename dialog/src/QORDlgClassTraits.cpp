// The class records of QORDlgClassTraits.def, with inheritance folded in once.
#include "QORDlgClassTraits.h"

#include <array>
#include <cstring>

namespace {

struct Row {
  unsigned long code, base;
  const char* className;
  unsigned caps;
  int childLimit;
  unsigned long childKind;
};

constexpr Row rows[] = {
#define QORDLG_CLASS(Name, code, className, Base, caps, limit, kind) \
  {code, QORDlgCode##Base, className, caps, limit, kind},
#include "QORDlgClassTraits.def"
#undef QORDLG_CLASS
};

constexpr const Row* rowOf(unsigned long code) {
  for (const Row& r : rows)
    if (r.code == code) return &r;
  return nullptr;
}

// Every base is a row, and following bases ends at the root.
constexpr bool chainsEnd() {
  for (const Row& r : rows) {
    int depth = 0;
    for (const Row* b = &r; b->base != QORDlgCodeNone; b = rowOf(b->base))
      if (!rowOf(b->base) || ++depth > 8) return false;
  }
  return true;
}
static_assert(chainsEnd(), "each base is a class of the table, without cycles");

using Table = std::array<QORDlgClassTraits, QORDlgCodeCount>;

// A class's own row, then its bases' upwards: limits and kinds come from the
// nearest row that sets one, capabilities from all.
QORDlgClassTraits fold(const Row& own) {
  QORDlgClassTraits t{own.code, own.base, own.className, 0, 0, 0, 0};
  for (const Row* r = &own; r; r = rowOf(r->base)) {
    t.caps |= r->caps;
    if (!t.childLimit) t.childLimit = r->childLimit;
    if (!t.childKind) t.childKind = r->childKind;
    t.ancestors |= std::uint64_t{1} << r->code;
  }
  return t;
}

Table foldAll() {
  Table t{};
  for (const Row& r : rows) t[r.code] = fold(r);
  return t;
}

const Table& table() {
  static const Table t = foldAll();
  return t;
}

}  // namespace

const QORDlgClassTraits& QORDlgTraitsOf(unsigned long code) {
  const Table& t = table();
  if (code >= t.size() || !t[code].className) return t[QORDlgCodeDialog];
  return t[code];
}

unsigned long QORDlgCodeOfClassName(const char* className) {
  if (!className) return QORDlgCodeNone;
  for (const Row& r : rows)
    if (std::strcmp(r.className, className) == 0) return r.code;
  return QORDlgCodeNone;
}
