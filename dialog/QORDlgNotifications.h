// The notification classes that dialog objects send. None carries data except
// the drag classes (the state of the drag) and QORDlgDroppedFileNotification
// (the dropped file's name): a subscriber reads what happened back from the
// sender. Each letter embeds one instance per class it sends and reuses it.
#pragma once
#include "QORNotification.h"
#include "QORString.h"

class QORDialog;

// The members every notification class has. ClassName() returns one
// process-wide text; IsAKindOf compares that very pointer before asking the
// host base by name.
#define QORDLG_NOTIFICATION_MEMBERS(N)                  \
 public:                                                \
  N();                                                  \
  ~N() override;                                        \
  const char* IsA() const override;                     \
  bool IsAKindOf(const char* name) const override;      \
  static const char* ClassName();

#define QORDLG_DECLARE_NOTIFICATION(N) \
  class N : public QORNotification {   \
    QORDLG_NOTIFICATION_MEMBERS(N)     \
  };

// Drag classes: filled in by the sender before each sending.
#define QORDLG_DECLARE_DRAG_NOTIFICATION(N) \
  class N : public QORNotification {        \
    QORDLG_NOTIFICATION_MEMBERS(N)          \
    QORDialog* source = nullptr;            \
    QORDialog* target = nullptr;            \
    int x = 0;                              \
    int y = 0;                              \
    unsigned long startFlags = 0;           \
    unsigned long dropEffect = 0;           \
    unsigned long keyState = 0;             \
  };

// Every class but QORDlgDroppedFileNotification, declared below by hand.
// PLAIN(name) carries nothing, DRAG(name) the drag fields.
#define QORDLG_NOTIFICATION_CLASSES(PLAIN, DRAG)   \
  PLAIN(QORDlgCreateNotification)                  \
  PLAIN(QORDlgVisibilityNotification)              \
  PLAIN(QORDlgResizeNotification)                  \
  PLAIN(QORDlgHelpNotification)                    \
  DRAG(QORDlgDragEnterNotification)                \
  DRAG(QORDlgDragOverNotification)                 \
  DRAG(QORDlgDragLeaveNotification)                \
  DRAG(QORDlgDropNotification)                     \
  DRAG(QORDlgEndDropNotification)                  \
  DRAG(QORDlgStartDragNotification)                \
  DRAG(QORDlgCancelDragNotification)               \
  DRAG(QORDlgDragButtonNotification)               \
  PLAIN(QORDlgPushBActivateNotification)           \
  PLAIN(QORDlgPushBRepetitiveNotification)         \
  PLAIN(QORDlgChkBModifyNotification)              \
  PLAIN(QORDlgChkBDoubleClickNotification)         \
  PLAIN(QORDlgRadBModifyNotification)              \
  PLAIN(QORDlgEditModifyNotification)              \
  PLAIN(QORDlgComboSelectNotification)             \
  PLAIN(QORDlgComboModifyNotification)             \
  PLAIN(QORDlgComboDropNotification)               \
  PLAIN(QORDlgListSelectNotification)              \
  PLAIN(QORDlgListActivateNotification)            \
  PLAIN(QORDlgSpinnerModifyNotification)           \
  PLAIN(QORDlgSpinnerBtnUpNotification)            \
  PLAIN(QORDlgSpinnerBtnDownNotification)          \
  PLAIN(QORDlgSliderModifyNotification)            \
  PLAIN(QORDlgSliderDragNotification)              \
  PLAIN(QORDlgScrollBarModifyNotification)         \
  PLAIN(QORDlgScrollBarDragNotification)           \
  PLAIN(QORDlgIconBoxSelectNotification)           \
  PLAIN(QORDlgIconBoxModifyNotification)           \
  PLAIN(QORDlgTabSelectNotification)               \
  PLAIN(QORDlgMenuIActivateNotification)           \
  PLAIN(QORDlgChkIModifyNotification)              \
  PLAIN(QORDlgRadIModifyNotification)              \
  PLAIN(QORDlgDiaOKNotification)                   \
  PLAIN(QORDlgDiaAPPLYNotification)                \
  PLAIN(QORDlgDiaCANCELNotification)               \
  PLAIN(QORDlgDiaHELPNotification)                 \
  PLAIN(QORDlgNfyOKNotification)                   \
  PLAIN(QORDlgNfyCancelNotification)               \
  PLAIN(QORDlgNfyYesNotification)                  \
  PLAIN(QORDlgNfyNoNotification)                   \
  PLAIN(QORDlgNfyAbortNotification)                \
  PLAIN(QORDlgNfyRetryNotification)                \
  PLAIN(QORDlgNfyIgnoreNotification)               \
  PLAIN(QORDlgWindCloseNotification)               \
  PLAIN(QORDlgWindSizeNotification)                \
  PLAIN(QORDlgWindMoveNotification)                \
  PLAIN(QORDlgWindMaximizeNotification)            \
  PLAIN(QORDlgWindMinimizeNotification)            \
  PLAIN(QORDlgWindRestoreNotification)             \
  PLAIN(QORDlgWindDockNotification)                \
  PLAIN(QORDlgMDIActivateNotification)             \
  PLAIN(QORDlgMDICloseNotification)                \
  PLAIN(QORDlgMDIMaximizeNotification)             \
  PLAIN(QORDlgMDIMinimizeNotification)             \
  PLAIN(QORDlgMDIRestoreNotification)              \
  PLAIN(QORDlgMDINextNotification)                 \
  PLAIN(QORDlgMDIPreviousNotification)             \
  PLAIN(QORDlgICCReadRequestNotification)          \
  PLAIN(QORDlgICCWritePerformedNotification)

QORDLG_NOTIFICATION_CLASSES(QORDLG_DECLARE_NOTIFICATION, QORDLG_DECLARE_DRAG_NOTIFICATION)

// A file dropped on the document window by another application.
class QORDlgDroppedFileNotification : public QORNotification {
  QORDLG_NOTIFICATION_MEMBERS(QORDlgDroppedFileNotification)
  const QORString& GetFileName() const { return fileName; }
  void SetFileName(const QORString& name) { fileName = name; }
  QORString fileName;  // empty after construction
};

// The registered meta objects of all the classes above, in declaration order.
const QORMetaObject* QORDlgGetNotificationTable(int* count);
