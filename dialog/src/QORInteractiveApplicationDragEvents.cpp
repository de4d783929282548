#include "QORInteractiveApplicationDragEvents.h"

#include <cstring>

#include "QORInteractiveApplication.h"

#define QORDLG_DEFINE_DRAG_EVENT(N)                                                        \
  const char* N::ClassName() {                                                             \
    static const char name[] = #N;                                                         \
    return name;                                                                           \
  }                                                                                        \
  unsigned long N::ClassId() {                                                             \
    static const unsigned long id = fct_CreateCLSID(ClassName());                          \
    return id;                                                                             \
  }                                                                                        \
  QORNotification* N::CreateItself() { return new N; }                                     \
  const QORMetaObject* N::MetaObjectOfClass() {                                            \
    static QORMetaObject meta{ClassName(), QORNotification::ClassName(), CreateItself, ClassId()}; \
    return &meta;                                                                          \
  }                                                                                        \
  const char* N::IsA() const { return ClassName(); }                                       \
  bool N::IsAKindOf(const char* name) const {                                              \
    return name && (std::strcmp(name, ClassName()) == 0 || QORNotification::IsAKindOf(name)); \
  }                                                                                        \
  const QORMetaObject* N::GetMetaObject() const { return MetaObjectOfClass(); }

QORDLG_DEFINE_DRAG_EVENT(QORInteractiveApplicationDRAGENTEREvt)
QORDLG_DEFINE_DRAG_EVENT(QORInteractiveApplicationDRAGLEAVEEvt)

const QORMetaObject* QORInteractiveApplication::DRAGENTER() {
  return QORInteractiveApplicationDRAGENTEREvt::MetaObjectOfClass();
}
const QORMetaObject* QORInteractiveApplication::DRAGLEAVE() {
  return QORInteractiveApplicationDRAGLEAVEEvt::MetaObjectOfClass();
}
