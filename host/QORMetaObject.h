// The meta-object registry: names the host's notification classes so that
// recorded class names can be checked and instantiated again.
#pragma once

class QORNotification;

struct QORMetaObject {
  const char* name;            // class name, e.g. "QORDlgPushBActivateNotification"
  const char* parentName;      // base class name, null for the root
  QORNotification* (*create)();  // factory, may be null
  unsigned long clsid;         // filled by AddDictionary when 0
};

// Registers `count` entries (the table must outlive the process). Returns the
// number added; an entry whose name is already known is skipped.
int AddDictionary(QORMetaObject* table, int count);
// The entry named `name`, or null.
const QORMetaObject* fct_FindMetaObject(const char* name);
// Same, registering nothing; kept under the host's historical name.
const QORMetaObject* QueryMetaObject(const char* name);
// A stable class identifier computed from the name (never 0).
unsigned long fct_CreateCLSID(const char* name);
// True when `name` is `cls` or one of its registered ancestors.
bool QORMetaIsKindOf(const char* cls, const char* name);
