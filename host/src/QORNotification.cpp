#include "QORNotification.h"

#include <cstring>

namespace {
QORNotification* createNotification() { return new QORNotification(0); }
QORMetaObject baseMeta[] = {{"QORNotification", nullptr, createNotification, 0}};
const int registered = AddDictionary(baseMeta, 1);
}  // namespace

QORNotification::~QORNotification() = default;

const char* QORNotification::ClassName() {
  static const char name[] = "QORNotification";
  return name;
}

const char* QORNotification::IsA() const { return ClassName(); }

bool QORNotification::IsAKindOf(const char* className) const {
  if (!className) return false;
  const char* self = IsA();
  if (QORMetaIsKindOf(self, className)) return true;
  // Unregistered classes still know their own name and the root.
  return std::strcmp(self, className) == 0 || std::strcmp(className, ClassName()) == 0;
}

const QORMetaObject* QORNotification::GetMetaObject() const {
  (void)registered;
  return fct_FindMetaObject(IsA());
}
