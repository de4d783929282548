// tolven-gallery-drop: the other application of the gallery's tour. A plain
// Motif client that offers one file name (targets FILE_NAME and STRING) and
// drags it itself: through XTest it presses button 1 on its own label, moves
// the pointer in steps to the root position X, Y and lets go there.
//   tolven-gallery-drop X Y NAME
// It prints "DRAGGING" once its drag has begun and "FINISHED success" or
// "FINISHED failure" when the drop is over. Exit status: 0 when the receiver
// took the name, 1 when the drop failed or no drag began (three presses on
// the label, "NO DRAG"), 2 on wrong arguments, 3 when the drop did not end
// within 15 seconds ("TIMEOUT").
//
// The drag runs from this process on purpose: a Motif initiator may grab the
// server for the whole drag, and only the grabbing client's own input then
// reaches the server (a separate xdotool would wait for ever).
#include <X11/Intrinsic.h>
#include <X11/extensions/XTest.h>
#include <Xm/DragDrop.h>
#include <Xm/Label.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

namespace {

constexpr int kSteps = 16;  // moves from the label to the target
constexpr unsigned long kStepMs = 40;
constexpr unsigned long kDeadlineMs = 15000;
constexpr const char* kTargets[] = {"FILE_NAME", "STRING"};

struct Drag {
  XtAppContext context;
  Widget area;
  std::string value;  // the name and its NUL: one NUL-separated name
  int fromX = 0, fromY = 0, toX = 0, toY = 0;
  int step = 0, presses = 0;
  bool pressed = false, began = false;
  int status = 1;
} drag;

void say(const char* line) {
  std::printf("%s\n", line);
  std::fflush(stdout);
}

Display* display() { return XtDisplay(drag.area); }

void button(bool down) {
  XTestFakeButtonEvent(display(), Button1, down, CurrentTime);
  XFlush(display());
  drag.pressed = down;
}

void moveTo(int x, int y) {
  XTestFakeMotionEvent(display(), -1, x, y, CurrentTime);
  XFlush(display());
}

void finish(int status) {
  drag.status = status;
  XtAppSetExitFlag(drag.context);
}

Boolean convert(Widget, Atom*, Atom* target, Atom* type, XtPointer* value, unsigned long* length, int* format) {
  bool offered = false;
  for (const char* name : kTargets) offered = offered || *target == XInternAtom(display(), name, False);
  if (!offered) return False;
  char* copy = XtMalloc(static_cast<Cardinal>(drag.value.size()));
  std::memcpy(copy, drag.value.data(), drag.value.size());
  *type = *target;
  *value = copy;
  *length = drag.value.size();
  *format = 8;
  return True;
}

void dropFinished(Widget, XtPointer, XtPointer call) {
  const bool success = static_cast<XmDropFinishCallbackStruct*>(call)->completionStatus == XmDROP_SUCCESS;
  say(success ? "FINISHED success" : "FINISHED failure");
  drag.status = success ? 0 : 1;
}

// The very end of the drag, after the transfer: the status is known by now.
void dragEnded(Widget, XtPointer, XtPointer) { finish(drag.status); }

// Towards the target in even steps, then a small move on it (a receiver
// reads the position of the last motion), then the release.
void stepTO(XtPointer, XtIntervalId*) {
  if (++drag.step <= kSteps) {
    moveTo(drag.fromX + (drag.toX - drag.fromX) * drag.step / kSteps,
           drag.fromY + (drag.toY - drag.fromY) * drag.step / kSteps);
  } else if (drag.step == kSteps + 1) {
    moveTo(drag.toX + 2, drag.toY + 1);
  } else {
    button(false);
    return;
  }
  XtAppAddTimeOut(drag.context, kStepMs, stepTO, nullptr);
}

void pressedEH(Widget w, XtPointer, XEvent* event, Boolean*) {
  if (event->type != ButtonPress || event->xbutton.button != Button1 || drag.began) return;
  Atom targets[XtNumber(kTargets)];
  for (size_t i = 0; i < XtNumber(kTargets); ++i) targets[i] = XInternAtom(display(), kTargets[i], False);
  Arg args[4];
  Cardinal n = 0;
  XtSetArg(args[n], XmNexportTargets, targets), ++n;
  XtSetArg(args[n], XmNnumExportTargets, XtNumber(targets)), ++n;
  XtSetArg(args[n], XmNdragOperations, XmDROP_COPY), ++n;
  XtSetArg(args[n], XmNconvertProc, convert), ++n;
  Widget context = XmDragStart(w, event, args, n);
  if (!context) {
    say("NO DRAG");
    button(false);
    finish(1);
    return;
  }
  drag.began = true;
  XtAddCallback(context, XmNdropFinishCallback, dropFinished, nullptr);
  XtAddCallback(context, XmNdragDropFinishCallback, dragEnded, nullptr);
  say("DRAGGING");
  XtAppAddTimeOut(drag.context, kStepMs, stepTO, nullptr);
}

// A press the label never saw (the window manager was still placing it):
// let go and try again from where the label is now, three times at most.
void readyTO(XtPointer, XtIntervalId*);
void pressLostTO(XtPointer, XtIntervalId*) {
  if (drag.began) return;
  if (drag.pressed) button(false);
  if (++drag.presses < 3) {
    XtAppAddTimeOut(drag.context, 300, readyTO, nullptr);
    return;
  }
  say("NO DRAG");
  finish(1);
}

void pressTO(XtPointer, XtIntervalId*) {
  button(true);
  XtAppAddTimeOut(drag.context, 2000, pressLostTO, nullptr);
}

// The label's centre once it is on the screen: the pointer goes there first.
void readyTO(XtPointer, XtIntervalId*) {
  XWindowAttributes a;
  if (!XtWindow(drag.area) || !XGetWindowAttributes(display(), XtWindow(drag.area), &a) || a.map_state != IsViewable) {
    XtAppAddTimeOut(drag.context, 50, readyTO, nullptr);
    return;
  }
  Window child;
  XTranslateCoordinates(display(), XtWindow(drag.area), DefaultRootWindow(display()), a.width / 2, a.height / 2,
                        &drag.fromX, &drag.fromY, &child);
  moveTo(drag.fromX, drag.fromY);
  XtAppAddTimeOut(drag.context, 200, pressTO, nullptr);
}

// Whatever happened, the button is let go: a drag left running would keep
// the pointer from everyone else.
void deadlineTO(XtPointer, XtIntervalId*) {
  say("TIMEOUT");
  if (drag.pressed) button(false);
  XSync(display(), False);
  std::exit(3);
}

bool readArguments(int argc, char** argv) {
  if (argc != 4) return false;
  char* end = nullptr;
  drag.toX = static_cast<int>(std::strtol(argv[1], &end, 10));
  if (*end) return false;
  drag.toY = static_cast<int>(std::strtol(argv[2], &end, 10));
  if (*end || !*argv[3]) return false;
  drag.value.assign(argv[3]);
  drag.value.push_back('\0');
  return true;
}

}  // namespace

int main(int argc, char** argv) {
  if (!readArguments(argc, argv)) {
    std::fprintf(stderr, "usage: tolven-gallery-drop X Y NAME\n");
    return 2;
  }
  // Bottom right, clear of the gallery.
  char program[] = "tolven-gallery-drop", option[] = "-geometry", place[] = "-10-10";
  char* args[] = {program, option, place, nullptr};
  int count = 3;
  Widget top = XtOpenApplication(&drag.context, "GalleryDrop", nullptr, 0, &count, args, nullptr,
                                 sessionShellWidgetClass, nullptr, 0);
  int event = 0, error = 0, major = 0, minor = 0;
  if (!XTestQueryExtension(XtDisplay(top), &event, &error, &major, &minor)) {
    std::fprintf(stderr, "tolven-gallery-drop: the X server has no XTest extension\n");
    return 1;
  }
  XTestGrabControl(XtDisplay(top), True);
  XmString text = XmStringCreateLocalized(argv[3]);
  drag.area = XtVaCreateManagedWidget("source", xmLabelWidgetClass, top, XmNlabelString, text, XmNmarginWidth, 20,
                                      XmNmarginHeight, 20, nullptr);
  XmStringFree(text);
  XtAddEventHandler(drag.area, ButtonPressMask, False, pressedEH, nullptr);
  XtRealizeWidget(top);
  XtAppAddTimeOut(drag.context, 50, readyTO, nullptr);
  XtAppAddTimeOut(drag.context, kDeadlineMs, deadlineTO, nullptr);
  XtAppMainLoop(drag.context);
  return drag.status;
}
