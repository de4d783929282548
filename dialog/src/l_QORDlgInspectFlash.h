// Internal to libTOLVEN: not API, never installed.
// The blue "flash" shell an inspection tool asks for over one object: shown
// at once, blinking every 500 ms, gone after 3.5 s.
#pragma once
#include <X11/Intrinsic.h>

class l_QORDialog;

class l_QORDlgInspectFlash {
 public:
  static void Start(l_QORDialog* object, Widget widget, int x, int y, int width, int height);

 private:
  l_QORDlgInspectFlash(Widget shell, XtAppContext context);
  void schedule();
  void step();
  void show();
  static void stepTO(XtPointer self, XtIntervalId* id);
  // The shell also goes when the object's widget goes: the blinking stops.
  static void destroyedCB(Widget w, XtPointer self, XtPointer call);

  Widget shell;
  XtAppContext context;
  XtIntervalId timer = 0;
  int steps = 0;
};
