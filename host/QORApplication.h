// The host application: the idle-event registry and the start-up sequence.
#pragma once
#include <functional>

#include "QORCommand.h"

// Idle callback: (command, kind, data) -> int (the result is not interpreted).
using QORSubscribeFn = int (*)(QORCommand* command, int kind, void* data);

class QORApplication : public QORCommand {
 public:
  enum { IdleEvent = 2 };

  QORApplication(QORCommand* father, void* data);
  ~QORApplication() override;
  const char* GetClassName() const override { return "QORApplication"; }
  bool IsAKindOf(const char* className) const override;
  void* GetData() const { return data_; }

  // Subscribes fn for `kind` under `command`; an identical subscription is not
  // added twice. Returns 1 when added, 0 otherwise.
  static int Subscribe(int kind, QORCommand* command, void* data, QORSubscribeFn fn);
  // Removes every subscription of `command` for `kind`; returns how many.
  static int RemoveSubscribe(int kind, QORCommand* command);
  static int GetSubscriberCount(int kind);
  // Calls once each subscriber of `kind` present when the call starts and
  // still subscribed when its turn comes; returns how many were called.
  static int Dispatch(int kind);
  // Called whenever a subscription is added, so an event loop can wake up.
  static void SetSubscribeHook(std::function<void(int kind)> hook);

  // The start-up sequence run by QORStartApplication.
  virtual int BuildApplicationEnvironment(int argc, char** argv, char** envp);
  virtual void BeginApplication() {}
  virtual int RunApplication() { return 0; }
  virtual int EndApplication() { return 0; }
  int GetExitStatus() const { return exitStatus_; }
  void SetExitStatus(int status) { exitStatus_ = status; }
  int GetArgc() const { return argc_; }
  char** GetArgv() const { return argv_; }

 private:
  void* data_;
  int exitStatus_ = 0;
  int argc_ = 0;
  char** argv_ = nullptr;
};

// Sets up the record controller from TOLVEN_RECORD / TOLVEN_REPLAY, then runs
// BuildApplicationEnvironment, BeginApplication, RunApplication and
// EndApplication; returns the exit status.
int QORStartApplication(QORApplication& app, int argc, char** argv, char** envp);
