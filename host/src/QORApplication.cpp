#include "QORApplication.h"

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <map>

#include "QORRecord.h"

namespace {
struct IdleSubscription {
  unsigned long id;
  QORCommand* command;
  void* data;
  QORSubscribeFn fn;
};
struct Registry {
  std::map<int, std::vector<IdleSubscription>> byKind;
  unsigned long nextId = 0;
  std::function<void(int)> hook;
};
Registry& registry() {
  static Registry r;
  return r;
}
}  // namespace

QORApplication::QORApplication(QORCommand* father, void* data) : QORCommand(father, "Application"), data_(data) {}

QORApplication::~QORApplication() = default;

int QORApplication::Subscribe(int kind, QORCommand* command, void* data, QORSubscribeFn fn) {
  if (!fn) return 0;
  auto& list = registry().byKind[kind];
  for (const auto& s : list)
    if (s.command == command && s.data == data && s.fn == fn) return 0;
  list.push_back({++registry().nextId, command, data, fn});
  if (registry().hook) registry().hook(kind);
  return 1;
}

int QORApplication::RemoveSubscribe(int kind, QORCommand* command) {
  auto it = registry().byKind.find(kind);
  if (it == registry().byKind.end()) return 0;
  auto& list = it->second;
  const size_t before = list.size();
  list.erase(std::remove_if(list.begin(), list.end(), [&](const IdleSubscription& s) { return s.command == command; }),
             list.end());
  return static_cast<int>(before - list.size());
}

int QORApplication::GetSubscriberCount(int kind) {
  auto it = registry().byKind.find(kind);
  return it == registry().byKind.end() ? 0 : static_cast<int>(it->second.size());
}

int QORApplication::Dispatch(int kind) {
  auto it = registry().byKind.find(kind);
  if (it == registry().byKind.end()) return 0;
  std::vector<unsigned long> ids;
  for (const auto& s : it->second) ids.push_back(s.id);
  int called = 0;
  for (unsigned long id : ids) {
    // Look the entry up again: an earlier callback may have removed or added subscriptions.
    auto& list = registry().byKind[kind];
    auto s = std::find_if(list.begin(), list.end(), [&](const IdleSubscription& e) { return e.id == id; });
    if (s == list.end()) continue;
    const IdleSubscription copy = *s;
    copy.fn(copy.command, kind, copy.data);
    ++called;
  }
  return called;
}

void QORApplication::SetSubscribeHook(std::function<void(int kind)> hook) { registry().hook = std::move(hook); }

int QORApplication::BuildApplicationEnvironment(int argc, char** argv, char**) {
  argc_ = argc;
  argv_ = argv;
  return 1;
}

int QORStartApplication(QORApplication& app, int argc, char** argv, char** envp) {
  if (!QORRecord::GetMain()->InitFromEnvironment()) return 1;
  if (app.BuildApplicationEnvironment(argc, argv, envp) <= 0) {
    if (app.GetExitStatus() == 0) app.SetExitStatus(1);
    return app.GetExitStatus();
  }
  app.BeginApplication();
  const int status = app.RunApplication();
  if (status != 0 && app.GetExitStatus() == 0) app.SetExitStatus(status);
  app.EndApplication();
  return app.GetExitStatus();
}

bool QORApplication::IsAKindOf(const char* className) const {
  return (className && std::strcmp(className, "QORApplication") == 0) || QORCommand::IsAKindOf(className);
}
