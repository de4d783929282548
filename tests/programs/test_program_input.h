// The command lines of a test's helper program, read from its standard input
// in the Xt loop; the end of the input (the test went away) ends the run.
#pragma once
#include <unistd.h>

#include <functional>
#include <string>

#include "QORInteractiveApplication.h"
#include "l_QORInteractiveApplication.h"

class TestProgramInput {
 public:
  using Command = std::function<void(const std::string& line)>;
  TestProgramInput(QORInteractiveApplication* app, Command command) : app(app), command(std::move(command)) {
    XtAppAddInput(app->GetLetterObject()->GetContext(), 0, reinterpret_cast<XtPointer>(XtInputReadMask), Ready, this);
  }

 private:
  static void Ready(XtPointer self, int* fd, XtInputId* id) {
    auto* in = static_cast<TestProgramInput*>(self);
    char chunk[256];
    const ssize_t got = read(*fd, chunk, sizeof chunk);
    if (got <= 0) return XtRemoveInput(*id), in->app->GetLetterObject()->Destroy();
    in->pending.append(chunk, static_cast<size_t>(got));
    for (size_t end; (end = in->pending.find('\n')) != std::string::npos;) {
      const std::string line = in->pending.substr(0, end);
      in->pending.erase(0, end + 1);
      in->command(line);
    }
  }
  QORInteractiveApplication* app;
  Command command;
  std::string pending;
};
