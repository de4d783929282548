// Bounded Xt argument lists (internal): add() stops the process when the list
// is full, instead of writing past a fixed array whose size a comment counts.
#pragma once
#include <X11/Intrinsic.h>

#include "qordlg_assert.h"

// The list as the helpers that fill part of it see it, whatever its capacity.
class QORDlgArgList {
 public:
  QORDlgArgList(const QORDlgArgList&) = delete;
  QORDlgArgList& operator=(const QORDlgArgList&) = delete;

  template <class Value>
  QORDlgArgList& add(String name, Value value) {
    QORDLG_ASSERT(used < capacity, "Xt argument list full");
    XtSetArg(args[used], name, value);
    ++used;
    return *this;
  }
  Arg* data() { return args; }
  Cardinal count() const { return used; }
  // Forgets what was added, to fill the same storage again.
  void clear() { used = 0; }

 protected:
  QORDlgArgList(Arg* storage, Cardinal size) : args(storage), capacity(size) {}

 private:
  Arg* args;
  Cardinal capacity;
  Cardinal used = 0;
};

template <Cardinal N>
class QORDlgArgs : public QORDlgArgList {
 public:
  QORDlgArgs() : QORDlgArgList(storage, N) {}

 private:
  Arg storage[N];
};
