#include "QORDlgNotifications.h"

#define QORDLG_DEFINE_NOTIFICATION(N)                                         \
  N::N() : QORNotification(0) {}                                              \
  N::~N() = default;                                                          \
  const char* N::ClassName() {                                                \
    static const char name[] = #N;                                            \
    return name;                                                              \
  }                                                                           \
  const char* N::IsA() const { return ClassName(); }                          \
  bool N::IsAKindOf(const char* name) const {                                 \
    if (!name) return false;                                                  \
    if (name == ClassName()) return true;                                     \
    return QORNotification::IsAKindOf(name);                                  \
  }

QORDLG_NOTIFICATION_CLASSES(QORDLG_DEFINE_NOTIFICATION, QORDLG_DEFINE_NOTIFICATION)
QORDLG_DEFINE_NOTIFICATION(QORDlgDroppedFileNotification)

namespace {
template <class N>
QORNotification* create() {
  return new N;
}

#define QORDLG_META_ENTRY(N) {#N, "QORNotification", create<N>, 0},
QORMetaObject notificationTable[] = {
    QORDLG_NOTIFICATION_CLASSES(QORDLG_META_ENTRY, QORDLG_META_ENTRY)
    QORDLG_META_ENTRY(QORDlgDroppedFileNotification)};
#undef QORDLG_META_ENTRY

constexpr int notificationCount = sizeof(notificationTable) / sizeof(notificationTable[0]);
// Declared to the host when the library is loaded, so recorded class names resolve.
const int registeredCount = AddDictionary(notificationTable, notificationCount);
}  // namespace

const QORMetaObject* QORDlgGetNotificationTable(int* count) {
  (void)registeredCount;
  if (count) *count = notificationCount;
  return notificationTable;
}
