#include "QORMetaObject.h"

#include <cstring>
#include <string>
#include <unordered_map>

namespace {
std::unordered_map<std::string, const QORMetaObject*>& registry() {
  static std::unordered_map<std::string, const QORMetaObject*> r;
  return r;
}
}  // namespace

unsigned long fct_CreateCLSID(const char* name) {
  // FNV-1a: stable across runs and machines, so identifiers may be stored.
  unsigned long h = 1469598103934665603UL;
  for (const char* p = name ? name : ""; *p; ++p) {
    h ^= static_cast<unsigned char>(*p);
    h *= 1099511628211UL;
  }
  return h ? h : 1;
}

int AddDictionary(QORMetaObject* table, int count) {
  int added = 0;
  for (int i = 0; table && i < count; ++i) {
    if (!table[i].name) continue;
    if (!table[i].clsid) table[i].clsid = fct_CreateCLSID(table[i].name);
    if (registry().emplace(table[i].name, &table[i]).second) ++added;
  }
  return added;
}

const QORMetaObject* fct_FindMetaObject(const char* name) {
  if (!name) return nullptr;
  auto it = registry().find(name);
  return it == registry().end() ? nullptr : it->second;
}

const QORMetaObject* QueryMetaObject(const char* name) { return fct_FindMetaObject(name); }

bool QORMetaIsKindOf(const char* cls, const char* name) {
  if (!cls || !name) return false;
  // Bounded walk: a malformed dictionary with a cycle must not hang.
  for (int depth = 0; cls && depth < 64; ++depth) {
    if (std::strcmp(cls, name) == 0) return true;
    const QORMetaObject* m = fct_FindMetaObject(cls);
    cls = m ? m->parentName : nullptr;
  }
  return false;
}
