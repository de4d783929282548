// A user acting while the program waits in an event loop of its own (a
// blocking box): steps run in order from time-outs of that loop, each
// retried every 50 ms until it returns true.
#pragma once
#include <X11/Intrinsic.h>

#include <functional>
#include <vector>

#include "l_QORInteractiveApplication.h"

class UserScript {
 public:
  explicit UserScript(std::vector<std::function<bool()>> steps) : steps(std::move(steps)) { schedule(); }
  ~UserScript() {
    if (timer) XtRemoveTimeOut(timer);
  }
  bool finished() const { return next == steps.size(); }

 private:
  void schedule() {
    timer = XtAppAddTimeOut(l_QORInteractiveApplication::GetCurrent()->GetContext(), 50, tick, this);
  }
  static void tick(XtPointer self, XtIntervalId*) {
    auto* s = static_cast<UserScript*>(self);
    s->timer = 0;
    if (s->steps[s->next]()) ++s->next;
    if (!s->finished()) s->schedule();
  }
  std::vector<std::function<bool()>> steps;
  size_t next = 0;
  XtIntervalId timer = 0;
};
