// Another application's side of a drop on a document window: a plain Motif
// client whose area starts a Motif drag when button 1 is pressed in it. Its
// standard input picks what the next drag offers:
//   offer string     target STRING: two NUL-separated names
//   offer compound   target COMPOUND_TEXT: names each followed by a space,
//                    then an unfinished one
//   offer private    a private target only
//   offer numbers    target FILE_NAME, given as 32-bit integers
// It prints "READY x y" (the area's centre on the root), "OFFERED" after each
// command, "DRAGGING" once a drag has begun and "FINISHED success|failure"
// when the drop is over. The end of its input ends it.
#include <X11/Intrinsic.h>
#include <X11/Xutil.h>
#include <Xm/DragDrop.h>
#include <Xm/Label.h>
#include <unistd.h>

#include <cstdio>
#include <cstring>
#include <string>

namespace {

struct Offer {
  const char* target = "STRING";
  std::string value;
  const char* type = nullptr;  // null: the target's name
  int format = 8;
} offer;

Widget area;
XtAppContext context;

void say(const char* line) {
  std::printf("%s\n", line);
  std::fflush(stdout);
}

void choose(const std::string& kind) {
  Display* d = XtDisplay(area);
  offer.type = nullptr;
  offer.format = 8;
  if (kind == "string") {
    offer.target = "STRING";
    offer.value.assign("/tmp/first.txt\0/tmp/second name.txt\0", 36);
  } else if (kind == "compound") {
    offer.target = "COMPOUND_TEXT";
    char* names = const_cast<char*>("/tmp/alpha.txt /tmp/\xc3\xa9t\xc3\xa9.txt /tmp/unfinished");
    XTextProperty text{};
    Xutf8TextListToTextProperty(d, &names, 1, XCompoundTextStyle, &text);
    offer.value.assign(reinterpret_cast<char*>(text.value), text.nitems);
    XFree(text.value);
  } else if (kind == "numbers") {
    offer.target = "FILE_NAME";
    offer.type = "INTEGER";
    offer.format = 32;
    offer.value.assign(2 * sizeof(long), '\1');
  } else {
    offer.target = "_TOLVEN_TEST_PRIVATE";
    offer.value = "private";
  }
  say("OFFERED");
}

Boolean convert(Widget, Atom*, Atom* target, Atom* type, XtPointer* value, unsigned long* length, int* format) {
  if (*target != XInternAtom(XtDisplay(area), offer.target, False)) return False;
  char* copy = XtMalloc(static_cast<Cardinal>(offer.value.size()));
  std::memcpy(copy, offer.value.data(), offer.value.size());
  *type = offer.type ? XInternAtom(XtDisplay(area), offer.type, False) : *target;
  *value = copy;
  *length = offer.value.size() / static_cast<unsigned long>(offer.format == 32 ? sizeof(long) : 1);
  *format = offer.format;
  return True;
}

void finished(Widget, XtPointer, XtPointer call) {
  auto* end = static_cast<XmDropFinishCallbackStruct*>(call);
  say(end->completionStatus == XmDROP_SUCCESS ? "FINISHED success" : "FINISHED failure");
}

void pressed(Widget w, XtPointer, XEvent* event, Boolean*) {
  if (event->type != ButtonPress || event->xbutton.button != Button1) return;
  Atom target = XInternAtom(XtDisplay(w), offer.target, False);
  Arg args[5];
  Cardinal n = 0;
  XtSetArg(args[n], XmNexportTargets, &target), ++n;
  XtSetArg(args[n], XmNnumExportTargets, 1), ++n;
  XtSetArg(args[n], XmNdragOperations, XmDROP_COPY), ++n;
  XtSetArg(args[n], XmNconvertProc, convert), ++n;
  Widget drag = XmDragStart(w, event, args, n);
  if (drag) XtAddCallback(drag, XmNdropFinishCallback, finished, nullptr);
  say(drag ? "DRAGGING" : "NO DRAG");
}

void input(XtPointer, int* fd, XtInputId* id) {
  static std::string pending;
  char chunk[256];
  const ssize_t got = read(*fd, chunk, sizeof chunk);
  if (got <= 0) {
    XtRemoveInput(*id);
    XtAppSetExitFlag(context);
    return;
  }
  pending.append(chunk, static_cast<size_t>(got));
  for (size_t end; (end = pending.find('\n')) != std::string::npos;) {
    const std::string line = pending.substr(0, end);
    pending.erase(0, end + 1);
    if (line.rfind("offer ", 0) == 0) choose(line.substr(6));
  }
}

void readyTO(XtPointer, XtIntervalId*) {
  XWindowAttributes a;
  if (!XtWindow(area) || !XGetWindowAttributes(XtDisplay(area), XtWindow(area), &a) || a.map_state != IsViewable) {
    XtAppAddTimeOut(context, 50, readyTO, nullptr);
    return;
  }
  int x = 0, y = 0;
  Window child;
  XTranslateCoordinates(XtDisplay(area), XtWindow(area), DefaultRootWindow(XtDisplay(area)), a.width / 2,
                        a.height / 2, &x, &y, &child);
  std::printf("READY %d %d\n", x, y);
  std::fflush(stdout);
}

}  // namespace

int main(int argc, char** argv) {
  const char* geometry[] = {"-geometry", "160x80+1000+40"};
  char* args[] = {argv[0], const_cast<char*>(geometry[0]), const_cast<char*>(geometry[1]), nullptr};
  int count = 3;
  (void)argc;
  Widget top = XtOpenApplication(&context, "DragSource", nullptr, 0, &count, args, nullptr,
                                 sessionShellWidgetClass, nullptr, 0);
  area = XtVaCreateManagedWidget("source", xmLabelWidgetClass, top, nullptr);
  XtAddEventHandler(area, ButtonPressMask, False, pressed, nullptr);
  XtAppAddInput(context, 0, reinterpret_cast<XtPointer>(XtInputReadMask), input, nullptr);
  XtRealizeWidget(top);
  choose("string");
  XtAppAddTimeOut(context, 50, readyTO, nullptr);
  XtAppMainLoop(context);
  return 0;
}
