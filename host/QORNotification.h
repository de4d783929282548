// Base of every notification sent through the command tree.
#pragma once
#include "QORMetaObject.h"

class QORNotification {
 public:
  explicit QORNotification(int kind = 0) : kind_(kind) {}
  virtual ~QORNotification();
  static const char* ClassName();
  virtual const char* IsA() const;
  // By name along the registered meta-object chain of IsA(); null is false.
  virtual bool IsAKindOf(const char* className) const;
  virtual const QORMetaObject* GetMetaObject() const;
  const QORMetaObject* MetaObject() const { return GetMetaObject(); }
  int GetKind() const { return kind_; }

 private:
  int kind_;
};
