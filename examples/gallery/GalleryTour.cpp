#include "GalleryTour.h"

#include <Xm/Xm.h>
#include <unistd.h>

#include <cstdio>

#include "GalleryDialog.h"

GalleryTour::GalleryTour(GalleryDialog* d) : dialog(d), context(d->GetXtAppContext()) {
  // Each step: "screenshot NAME", "click PATH", "key KEYS", "resize W H". The
  // tour ends with Cancel, which ends the gallery.
  // Keys come with the first text field and the first document window (where
  // accelerators are spread over every control).
  steps = {"screenshot gallery", "click Buttons/Check", "click Buttons/Two",      "click Buttons/Three",
           "click Buttons/Push",
           // Menus: opened with the pointer and with a mnemonic; an item
           // chosen with each, a check item and a radio item.
           "menu OptionsBt", "menu Grid", "menu OptionsBt", "menu Large", "key F10", "key f", "screenshot gallery-menu",
           "key o", "menu FileBt", "menu Quit",
           "click button:Apply",  "screenshot gallery-used", "resize 700 520",
           "screenshot gallery-wide", "click button:Cancel"};
  XtAppAddInput(context, STDIN_FILENO, reinterpret_cast<XtPointer>(XtInputReadMask), inputCB, this);
  // Give the window manager time to show the window first.
  XtAppAddTimeOut(context, 1500, startTO, this);
}

void GalleryTour::startTO(XtPointer self, XtIntervalId*) { static_cast<GalleryTour*>(self)->next(); }

void GalleryTour::inputCB(XtPointer self, int* fd, XtInputId* id) {
  auto* tour = static_cast<GalleryTour*>(self);
  char buffer[256];
  const ssize_t n = read(*fd, buffer, sizeof buffer);
  if (n <= 0) {
    XtRemoveInput(*id);  // the driver went away: nothing more will come
    return;
  }
  tour->input.append(buffer, static_cast<size_t>(n));
  size_t end;
  while ((end = tour->input.find('\n')) != std::string::npos) {
    const std::string line = tour->input.substr(0, end);
    tour->input.erase(0, end + 1);
    if (line == "done") {
      // Let the program settle before the next step.
      XtAppAddTimeOut(tour->context, 400, startTO, tour);
    }
  }
}

bool GalleryTour::centre(const std::string& path, int* x, int* y) {
  if (path.rfind("button:", 0) == 0) return widgetCentre(dialog->GetStandardButton(path.substr(7).c_str()), x, y);
  QORDialog* o = dialog->Find(path.c_str());
  if (!o) return false;
  DRECT r{};
  o->GetRectDimensions(&r);
  o->GetAbsolutePosition(*x, *y);  // (0, 0) while not on the screen
  *x += r.dx / 2;
  *y += r.dy / 2;
  return r.dx > 0 && r.dy > 0 && (*x > r.dx / 2 || *y > r.dy / 2);
}

// Gadgets have no window: their position is in their parent's.
bool GalleryTour::widgetCentre(Widget w, int* x, int* y) {
  if (!w || !XtWindowOfObject(w)) return false;
  Dimension width = 0, height = 0;
  Position gx = 0, gy = 0;
  XtVaGetValues(w, XmNwidth, &width, XmNheight, &height, nullptr);
  if (!XtIsWidget(w)) XtVaGetValues(w, XmNx, &gx, XmNy, &gy, nullptr);
  Window child;
  Display* d = XtDisplayOfObject(w);
  return XTranslateCoordinates(d, XtWindowOfObject(w), DefaultRootWindow(d), gx + width / 2, gy + height / 2, x, y,
                               &child);
}

void GalleryTour::next() {
  if (step >= steps.size()) return;
  const std::string s = steps[step++];
  const size_t blank = s.find(' ');
  const std::string verb = s.substr(0, blank), arg = blank == std::string::npos ? "" : s.substr(blank + 1);
  if (verb == "click") {
    int x = 0, y = 0;
    if (!centre(arg, &x, &y)) {
      std::fprintf(stderr, "gallery tour: nothing to click at %s\n", arg.c_str());
      next();
      return;
    }
    std::printf("tour: click %d %d\n", x, y);
  } else if (verb == "menu") {
    // A menu entry by its widget's name, once its menu is open.
    int x = 0, y = 0;
    if (!widgetCentre(dialog->GetMenuWidget(arg.c_str()), &x, &y)) {
      std::fprintf(stderr, "gallery tour: no menu entry %s\n", arg.c_str());
      next();
      return;
    }
    std::printf("tour: click %d %d\n", x, y);
  } else if (verb == "resize") {
    std::printf("tour: resize %s\n", arg.c_str());
  } else {
    std::printf("tour: %s\n", s.c_str());
  }
  std::fflush(stdout);
}
