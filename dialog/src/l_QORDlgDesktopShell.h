// Internal to libTOLVEN: not API, never installed.
// What today's desktops read from a top-level shell beyond the ICCCM: the
// UTF-8 names (_NET_WM_NAME, _NET_WM_ICON_NAME), the process and its machine
// (_NET_WM_PID, WM_CLIENT_MACHINE), a WM_CLASS of program name and capitalised
// class, the dialog window type. Motif already makes a dialog transient for
// its father's shell, and its vendor shell answers editres. Hung once per
// display on Xt's change hook, so every window-manager shell gets them when
// it is realized and again as it pops up (before it is mapped), and its
// names follow each change of its title, whatever kind of window made it.
#pragma once
#include <X11/Intrinsic.h>

class l_QORDlgWindow;

class l_QORDlgDesktopShell {
 public:
  // Idempotent; call before the first shell of the display is realized.
  static void Install(Display* display);

 private:
  static void changeHookCB(Widget hook, XtPointer client, XtPointer call);
  static void shellRealized(Widget shell);
  static void popupCB(Widget shell, XtPointer client, XtPointer call);
  static void writeNames(Widget shell);
  static void writeClass(Widget shell);
  static void writeProcess(Widget shell);
  // The live window whose shell this is, or null (the application's shell).
  static l_QORDlgWindow* windowOf(Widget shell);
  static bool isDesktopShell(Widget w);
};
