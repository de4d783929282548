// The tool's side of the inspection channel, on Xlib alone: sends a request
// to a window's shell, offers the command block on the "QORDialog" selection
// and reads the answer the program then offers on it.
#pragma once
#include <X11/Xlib.h>

#include <cstdint>
#include <string>
#include <vector>

class InspectClient {
 public:
  InspectClient(Display* display, int timeoutMs);
  ~InspectClient();
  InspectClient(const InspectClient&) = delete;
  InspectClient& operator=(const InspectClient&) = delete;

  // What the request carries; header1 other than 1 is a bad request.
  struct Request {
    uint32_t command = 0;
    uint32_t object = 0;
    uint32_t header1 = 1;
  };
  // The answer's bytes; false with `error` set when none came in time.
  bool Ask(Window target, const Request& request, std::vector<unsigned char>& answer);
  const std::string& GetError() const { return error; }
  Atom GetAtom() const { return atom; }

 private:
  bool fail(const std::string& why);
  bool nextEvent(XEvent& event);
  bool serverTime(Time& time);
  void offerBlock(const XSelectionRequestEvent& request);
  bool readAnswer(const XSelectionEvent& notify, std::vector<unsigned char>& answer);
  bool readIncremental(std::vector<unsigned char>& answer);
  bool takeAnswerProperty(std::vector<unsigned char>& bytes, Atom& type, int& format);

  Display* display;
  int timeoutMs;
  long deadlineMs = 0;
  Window own;
  Atom atom, answerProperty, incr;
  long block[4] = {0, 0, 0, 0};
  std::string error;
};
