// Internal to libTOLVEN: not API, never installed.
// The event classes of a drag entering and leaving an application: declared
// here, named by QORInteractiveApplication::DRAGENTER() and DRAGLEAVE(), and
// kept out of the host's registry (nothing outside the library makes them).
#pragma once
#include "QORNotification.h"

#define QORDLG_DECLARE_DRAG_EVENT(N)                  \
  class N : public QORNotification {                  \
   public:                                            \
    static const char* ClassName();                   \
    static unsigned long ClassId();                   \
    static QORNotification* CreateItself();           \
    static const QORMetaObject* MetaObjectOfClass();  \
    const char* IsA() const override;                 \
    bool IsAKindOf(const char* name) const override;  \
    const QORMetaObject* GetMetaObject() const override; \
  };

QORDLG_DECLARE_DRAG_EVENT(QORInteractiveApplicationDRAGENTEREvt)
QORDLG_DECLARE_DRAG_EVENT(QORInteractiveApplicationDRAGLEAVEEvt)
#undef QORDLG_DECLARE_DRAG_EVENT
