// Internal to libTOLVEN: not API, never installed.
// The inspection channel of a top-level window: a tool sends a ClientMessage
// of type "QORDialog" to the window's shell, the command block is fetched
// from the tool's "QORDialog" selection and the answer offered on the same
// selection. One request at a time per process.
#pragma once
#include <X11/Intrinsic.h>

#include "l_QORDlgInspectProtocol.h"

class l_QORDialog;
class l_QORDlgWindow;

// The Xt event handler on a window's shell; client data is the window letter.
void l_QORDlgEventHandler(Widget w, XtPointer windowLetter, XEvent* event, Boolean* cont);

class l_QORDlgInspect {
 public:
  // Installs the handler on `shell` for `window` (ClientMessages are
  // non-maskable: no event mask).
  static void Install(Widget shell, l_QORDlgWindow* window);
  // The atom "QORDialog" of `d`, interned on first use.
  static Atom ChannelAtom(Display* d);

  static void receive(Widget w, l_QORDlgWindow* window, const XClientMessageEvent& m);

 private:
  static void commandCB(Widget w, XtPointer window, Atom* selection, Atom* type, XtPointer value,
                        unsigned long* length, int* format);
  static Boolean convertProc(Widget w, Atom* selection, Atom* target, Atom* type, XtPointer* value,
                             unsigned long* length, int* format);
  static void doneProc(Widget w, Atom* selection, Atom* target);
  static QORDlgInspect::Answer run(Widget w, l_QORDlgWindow* window, const QORDlgInspect::CommandBlock& block);
  static void offer(Widget w, QORDlgInspect::Answer answer);
};
