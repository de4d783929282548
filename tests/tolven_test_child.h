// A helper program of a two-process test on two pipes: lines to its standard
// input, its standard output read line by line. Closing its input ends it.
#pragma once
#include <poll.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <functional>
#include <string>
#include <thread>

class ChildProgram {
 public:
  // `wait(ms)` passes the time while a line or the end is awaited: a sleep,
  // or for a test that must serve X meanwhile, its event loop.
  using Wait = std::function<void(int ms)>;
  explicit ChildProgram(const char* path, Wait wait = Sleep) : wait(std::move(wait)) {
    int in[2], out[2];
    if (pipe(in) || pipe(out)) return;
    pid = fork();
    if (pid == 0) {
      dup2(in[0], 0), dup2(out[1], 1);
      close(in[1]), close(out[0]);
      execl(path, path, static_cast<char*>(nullptr));
      _exit(127);
    }
    close(in[0]), close(out[1]);
    toChild = in[1], fromChild = out[0];
  }
  ~ChildProgram() {
    close(toChild);
    for (int i = 0; i < 50 && pid > 0 && waitpid(pid, nullptr, WNOHANG) == 0; ++i) wait(100);
    if (pid > 0 && waitpid(pid, nullptr, WNOHANG) == 0) kill(pid, SIGKILL), waitpid(pid, nullptr, 0);
    close(fromChild);
  }
  bool Send(const std::string& command) {
    const std::string line = command + "\n";
    return write(toChild, line.data(), line.size()) == static_cast<ssize_t>(line.size());
  }
  // The next line starting with `prefix`, "" when none comes within `ms`;
  // the lines before it are kept in `seen`.
  std::string Next(const std::string& prefix = "", int ms = 20000) {
    const auto end = std::chrono::steady_clock::now() + std::chrono::milliseconds(ms);
    for (;;) {
      for (size_t eol; (eol = buffer.find('\n')) != std::string::npos;) {
        const std::string line = buffer.substr(0, eol);
        buffer.erase(0, eol + 1);
        if (line.rfind(prefix, 0) == 0) return line;
        seen += line + "\n";
      }
      pollfd fd{fromChild, POLLIN, 0};
      char chunk[4096];
      if (poll(&fd, 1, 0) <= 0) {
        if (std::chrono::steady_clock::now() > end) return "";
        wait(2);
      } else if (const ssize_t got = read(fromChild, chunk, sizeof chunk); got > 0) {
        buffer.append(chunk, static_cast<size_t>(got));
      } else {
        return "";  // the program has ended
      }
    }
  }
  std::string seen;

 private:
  static void Sleep(int ms) { std::this_thread::sleep_for(std::chrono::milliseconds(ms)); }
  Wait wait;
  pid_t pid = -1;
  int toChild = -1, fromChild = -1;
  std::string buffer;
};
