// Identity of the notification classes.
#include <gtest/gtest.h>

#include <set>
#include <string>

#include "QORDlgNotifications.h"

namespace {

TEST(NotificationClasses, EveryClassKnowsItsNameAndKind) {
  int count = 0;
  const QORMetaObject* table = QORDlgGetNotificationTable(&count);
  ASSERT_EQ(count, 64);
  std::set<std::string> names;
  for (int i = 0; i < count; ++i) {
    SCOPED_TRACE(table[i].name);
    ASSERT_EQ(fct_FindMetaObject(table[i].name), &table[i]);  // declared to the host
    QORNotification* n = table[i].create();
    EXPECT_STREQ(n->IsA(), table[i].name);
    const std::string copy = table[i].name;  // by name, through the host base
    EXPECT_TRUE(n->IsAKindOf(copy.c_str()));
    EXPECT_TRUE(n->IsAKindOf("QORNotification"));
    EXPECT_FALSE(n->IsAKindOf(nullptr));
    EXPECT_FALSE(n->IsAKindOf(i ? table[0].name : table[1].name));
    EXPECT_EQ(n->GetMetaObject(), &table[i]);
    EXPECT_EQ(n->GetKind(), 0);
    names.insert(copy);
    delete n;
  }
  EXPECT_EQ(names.size(), 64u);
}

TEST(NotificationClasses, ClassNameIsOneProcessWideText) {
  QORDlgPushBActivateNotification a;
  EXPECT_EQ(QORDlgPushBActivateNotification::ClassName(), a.IsA());
  EXPECT_NE(static_cast<const void*>(QORDlgDiaOKNotification::ClassName()),
            static_cast<const void*>(QORDlgNfyOKNotification::ClassName()));
}

TEST(NotificationClasses, DragAndDroppedFileFields) {
  QORDlgDragOverNotification over;
  EXPECT_EQ(over.source, nullptr);
  EXPECT_EQ(over.target, nullptr);
  EXPECT_EQ(over.x + over.y, 0);
  EXPECT_EQ(over.startFlags | over.dropEffect | over.keyState, 0ul);
  EXPECT_TRUE(QORDlgDroppedFileNotification().GetFileName().IsEmpty());
}
}  // namespace
