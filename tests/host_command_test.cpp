// Delivery of notifications through the command tree, and the idle registry.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "QORApplication.h"
#include "QORCommand.h"
#include "QORDlgNotifications.h"

namespace {

// Records what reaches AnalyseNotification on its way up the tree.
class Node : public QORCommand {
 public:
  Node(QORCommand* father, const char* name, std::vector<std::string>* log = nullptr)
      : QORCommand(father, name), log_(log) {}
  void AnalyseNotification(QORCommand* from, QORNotification* n) override {
    if (log_) log_->push_back("analyse " + GetName().str() + " " + from->GetName().str() + " " + n->IsA());
    QORCommand::AnalyseNotification(from, n);
  }

 private:
  std::vector<std::string>* log_;
};

TEST(CommandDelivery, ClassFilterOrderAndFatherChain) {
  std::vector<std::string> log;
  Node root(nullptr, "root", &log);
  Node mid(&root, "mid", &log);
  Node button(&mid, "button", &log);
  Node listener(nullptr, "listener");
  QORDlgPushBActivateNotification activate;
  QORDlgPushBRepetitiveNotification repeat;

  listener.AddAnalyseNotificationCB(&button, QORDlgPushBActivateNotification::ClassName(),
                                    [&](QORCommand*, QORNotification*) { log.push_back("activate-cb"); });
  listener.AddAnalyseNotificationCB(&button, nullptr,
                                    [&](QORCommand*, QORNotification* n) { log.push_back(std::string("any ") + n->IsA()); });
  // A class name given as a different pointer still matches by name.
  const std::string byName = "QORDlgPushBRepetitiveNotification";
  listener.AddAnalyseNotificationCB(&button, byName.c_str(),
                                    [&](QORCommand*, QORNotification*) { log.push_back("repeat-cb"); });
  // A subscription on the father does not see what the child sends.
  listener.AddAnalyseNotificationCB(&mid, nullptr, [&](QORCommand*, QORNotification*) { log.push_back("mid-cb"); });

  button.SendNotification(&button, &activate);
  button.SendNotification(&button, &repeat);
  const std::vector<std::string> expected = {
      "activate-cb",
      "any QORDlgPushBActivateNotification",
      "analyse button button QORDlgPushBActivateNotification",
      "analyse mid button QORDlgPushBActivateNotification",
      "analyse root button QORDlgPushBActivateNotification",
      "any QORDlgPushBRepetitiveNotification",
      "repeat-cb",
      "analyse button button QORDlgPushBRepetitiveNotification",
      "analyse mid button QORDlgPushBRepetitiveNotification",
      "analyse root button QORDlgPushBRepetitiveNotification",
  };
  EXPECT_EQ(log, expected);
}

TEST(CommandDelivery, RemovalAndDestructionOfEitherSide) {
  QORDlgChkBModifyNotification n;
  int calls = 0;
  auto* sender = new QORCommand(nullptr, "sender");
  {
    QORCommand shortLived(nullptr, "shortLived");
    shortLived.AddAnalyseNotificationCB(sender, nullptr, [&](QORCommand*, QORNotification*) { ++calls; });
  }  // the listener is gone: its subscription must not fire
  QORCommand listener(nullptr, "listener");
  QORCallback cb = listener.AddAnalyseNotificationCB(sender, nullptr, [&](QORCommand*, QORNotification*) { ++calls; });
  sender->SendNotification(sender, &n);
  EXPECT_EQ(calls, 1);
  listener.RemoveAnalyseNotificationCB(cb);
  sender->SendNotification(sender, &n);
  EXPECT_EQ(calls, 1);

  // A callback that deletes the sender stops the delivery cleanly.
  int after = 0;
  listener.AddAnalyseNotificationCB(sender, nullptr, [&](QORCommand* from, QORNotification*) { delete from; });
  listener.AddAnalyseNotificationCB(sender, nullptr, [&](QORCommand*, QORNotification*) { ++after; });
  sender->SendNotification(sender, &n);
  EXPECT_EQ(after, 0);
  // The listener survives the sender and owns no dangling subscription.
  QORCommand other(nullptr, "other");
  listener.AddAnalyseNotificationCB(&other, nullptr, [&](QORCommand*, QORNotification*) { ++after; });
  other.SendNotification(&other, &n);
  EXPECT_EQ(after, 1);
}

TEST(CommandDelivery, CallbackRemovingItselfAndAddingAnother) {
  QORCommand sender(nullptr, "s"), listener(nullptr, "l");
  QORDlgHelpNotification n;
  std::vector<int> order;
  QORCallback first = 0;
  first = listener.AddAnalyseNotificationCB(&sender, nullptr, [&](QORCommand*, QORNotification*) {
    order.push_back(1);
    listener.RemoveAnalyseNotificationCB(first);
    listener.AddAnalyseNotificationCB(&sender, nullptr, [&](QORCommand*, QORNotification*) { order.push_back(3); });
  });
  listener.AddAnalyseNotificationCB(&sender, nullptr, [&](QORCommand*, QORNotification*) { order.push_back(2); });
  sender.SendNotification(&sender, &n);  // the one added during delivery waits for the next sending
  sender.SendNotification(&sender, &n);
  EXPECT_EQ(order, (std::vector<int>{1, 2, 2, 3}));
}

TEST(CommandTree, PathsWithRepeatedNamesResolve) {
  QORCommand root(nullptr, "TolvenPathRoot");
  QORCommand a(&root, "OK"), b(&root, "OK"), c(&root, "Cancel"), odd(&root, "a/b #1");
  EXPECT_STREQ(a.GetPath().c_str(), "TolvenPathRoot/OK");
  EXPECT_STREQ(b.GetPath().c_str(), "TolvenPathRoot/OK#2");
  EXPECT_STREQ(odd.GetPath().c_str(), "TolvenPathRoot/a%2Fb%20%231");
  for (QORCommand* cmd : {&a, &b, &c, &odd}) EXPECT_EQ(QORCommand::FindByPath(cmd->GetPath().c_str()), cmd);
  EXPECT_EQ(QORCommand::FindByPath("TolvenPathRoot/OK#3"), nullptr);
  c.SetFather(&a);
  EXPECT_STREQ(c.GetPath().c_str(), "TolvenPathRoot/OK/Cancel");
  a.SetFather(&c);  // a cycle is refused
  EXPECT_EQ(a.GetFather(), &root);
}

int idleCalls = 0;
int idleRemovesItself(QORCommand* cmd, int kind, void* data) {
  ++idleCalls;
  EXPECT_EQ(kind, 2);
  EXPECT_EQ(data, &idleCalls);
  QORApplication::RemoveSubscribe(kind, cmd);
  return 0;
}
int idleStays(QORCommand*, int, void*) { return ++idleCalls; }

TEST(IdleRegistry, SubscribeOnceDispatchAndRemove) {
  QORCommand key(nullptr, "OnIdle"), other(nullptr, "other");
  int hooked = 0;
  QORApplication::SetSubscribeHook([&](int) { ++hooked; });
  EXPECT_EQ(QORApplication::Subscribe(2, &key, &idleCalls, idleRemovesItself), 1);
  EXPECT_EQ(QORApplication::Subscribe(2, &key, &idleCalls, idleRemovesItself), 0);  // same one: not twice
  EXPECT_EQ(QORApplication::Subscribe(2, &other, nullptr, idleStays), 1);
  EXPECT_EQ(hooked, 2);
  EXPECT_EQ(QORApplication::GetSubscriberCount(2), 2);
  EXPECT_EQ(QORApplication::Dispatch(2), 2);
  EXPECT_EQ(QORApplication::GetSubscriberCount(2), 1);
  EXPECT_EQ(QORApplication::Dispatch(2), 1);
  EXPECT_EQ(idleCalls, 3);
  EXPECT_EQ(QORApplication::RemoveSubscribe(2, &other), 1);
  EXPECT_EQ(QORApplication::Dispatch(2), 0);
  QORApplication::SetSubscribeHook(nullptr);
}

}  // namespace
