#include "l_QORDlgDesktopShell.h"

#include <X11/Shell.h>
#include <X11/StringDefs.h>
#include <X11/Xatom.h>
#include <X11/Xutil.h>
#include <unistd.h>

#include <cctype>
#include <climits>
#include <cstring>
#include <string>

#include "l_QORDlgWindow.h"

namespace {

Atom atom(Display* d, const char* name) { return XInternAtom(d, name, False); }

// A set-values call that touches the names the window manager shows.
bool changesNames(const XtChangeHookSetValuesDataRec* values) {
  for (Cardinal i = 0; values && i < values->num_args; ++i)
    if (!std::strcmp(values->args[i].name, XtNtitle) || !std::strcmp(values->args[i].name, XtNiconName)) return true;
  return false;
}

}  // namespace

void l_QORDlgDesktopShell::Install(Display* display) {
  Widget hook = XtHooksOfDisplay(display);
  // A second application object of the process shares the display.
  XtRemoveCallback(hook, XtNchangeHook, changeHookCB, nullptr);
  XtAddCallback(hook, XtNchangeHook, changeHookCB, nullptr);
}

bool l_QORDlgDesktopShell::isDesktopShell(Widget w) {
  if (!w || !XtIsWMShell(w)) return false;
  Boolean overrideRedirect = False;
  XtVaGetValues(w, XtNoverrideRedirect, &overrideRedirect, nullptr);
  return !overrideRedirect;
}

void l_QORDlgDesktopShell::changeHookCB(Widget, XtPointer, XtPointer call) {
  const auto* change = static_cast<XtChangeHookDataRec*>(call);
  if (!isDesktopShell(change->widget)) return;
  if (!std::strcmp(change->type, XtHrealizeWidget)) {
    shellRealized(change->widget);
  } else if (!std::strcmp(change->type, XtHsetValues) && XtIsRealized(change->widget) &&
             changesNames(static_cast<const XtChangeHookSetValuesDataRec*>(change->event_data))) {
    writeNames(change->widget);
  }
}

// Motif realizes a dialog shell as soon as its child is created, before any
// window owns it; what depends on the window is written at each pop-up,
// which comes before the shell is mapped.
void l_QORDlgDesktopShell::shellRealized(Widget shell) {
  writeNames(shell);
  writeClass(shell);
  writeProcess(shell);
  XtAddCallback(shell, XtNpopupCallback, popupCB, nullptr);
}

void l_QORDlgDesktopShell::popupCB(Widget shell, XtPointer, XtPointer) {
  writeNames(shell);
  l_QORDlgWindow* window = windowOf(shell);
  if (!window || !(window->IsAKindOf(QORDlgCodeDialogBox) || window->IsAKindOf(QORDlgCodeNotify) ||
                  window->IsAKindOf(QORDlgCodeFile)))
    return;
  Display* d = XtDisplay(shell);
  const Atom type = atom(d, "_NET_WM_WINDOW_TYPE_DIALOG");
  XChangeProperty(d, XtWindow(shell), atom(d, "_NET_WM_WINDOW_TYPE"), XA_ATOM, 32, PropModeReplace,
                  reinterpret_cast<const unsigned char*>(&type), 1);
}

// The window's title is UTF-8 whatever the locale, while the shell's title
// resource is in the locale's encoding: the names are written from the
// window. A shell no window owns shows its title resource.
void l_QORDlgDesktopShell::writeNames(Widget shell) {
  std::string text;
  if (l_QORDlgWindow* window = windowOf(shell); window && !window->GetTitle().IsEmpty()) {
    text = window->GetTitle().c_str();
  } else {
    String title = nullptr;
    XtVaGetValues(shell, XtNtitle, &title, nullptr);
    if (title) text = title;
  }
  Display* d = XtDisplay(shell);
  const Window w = XtWindow(shell);
  const auto* bytes = reinterpret_cast<const unsigned char*>(text.data());
  const int length = static_cast<int>(text.size());
  const Atom utf8 = atom(d, "UTF8_STRING");
  XChangeProperty(d, w, atom(d, "_NET_WM_NAME"), utf8, 8, PropModeReplace, bytes, length);
  XChangeProperty(d, w, atom(d, "_NET_WM_ICON_NAME"), utf8, 8, PropModeReplace, bytes, length);
}

// Instance and class as Xt programs spell them: the program's name, and its
// class with a capital (tolven-gallery, Tolven-gallery).
void l_QORDlgDesktopShell::writeClass(Widget shell) {
  String name = nullptr, cls = nullptr;
  XtGetApplicationNameAndClass(XtDisplay(shell), &name, &cls);
  std::string instance = name ? name : "", capitalised = cls ? cls : "";
  if (!capitalised.empty()) capitalised[0] = static_cast<char>(std::toupper(static_cast<unsigned char>(capitalised[0])));
  XClassHint hint{instance.data(), capitalised.data()};
  XSetClassHint(XtDisplay(shell), XtWindow(shell), &hint);
}

// _NET_WM_PID means something only next to the machine the process runs on.
void l_QORDlgDesktopShell::writeProcess(Widget shell) {
  Display* d = XtDisplay(shell);
  const long pid = static_cast<long>(getpid());
  XChangeProperty(d, XtWindow(shell), atom(d, "_NET_WM_PID"), XA_CARDINAL, 32, PropModeReplace,
                  reinterpret_cast<const unsigned char*>(&pid), 1);
  char host[HOST_NAME_MAX + 1] = "";
  if (gethostname(host, sizeof host - 1) != 0) return;
  char* list[] = {host};
  XTextProperty property{};
  if (XStringListToTextProperty(list, 1, &property)) {
    XSetWMClientMachine(d, XtWindow(shell), &property);
    XFree(property.value);
  }
}

l_QORDlgWindow* l_QORDlgDesktopShell::windowOf(Widget shell) {
  const l_QORDlgList& live = l_QORDlgWindow::GetLiveWindows();
  for (int i = 0; i < live.getCount(); ++i) {
    auto* window = static_cast<l_QORDlgWindow*>(live[i]);
    if (window->IsBuild() && window->FindShell() == shell) return window;
  }
  return nullptr;
}
