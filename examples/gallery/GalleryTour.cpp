#include "GalleryTour.h"

#include <Xm/Xm.h>
#include <unistd.h>

#include <cstddef>
#include <cstdio>
#include <initializer_list>
#include <sstream>

#include "GalleryDialog.h"
#include "GalleryDropping.h"
#include "GalleryPages.h"
#include "QORDlgMultiList.h"

GalleryTour::GalleryTour(GalleryDialog* d) : dialog(d), context(d->GetXtAppContext()) {
  // Each step: "screenshot NAME", "click PATH", "key KEYS", "resize W H",
  // "dropfile NAME" (another program drags the file NAME onto the document),
  // "family NAME" (View, then the item that shows the family's box NAME),
  // "tab N" (the N-th page title of the Pages frame), "sash D" (drag its
  // splitter's sash by D pixels). The tour ends with File, Quit and Yes,
  // which end the gallery.
  // Keys go to the window that the last click went to: each group of keys
  // follows a click in the same window (the menu bar's for F10).
  steps = {"screenshot gallery", "menu ViewBt", "screenshot gallery-view", "menu Basics", "click Buttons/Check", "click Buttons/Two", "click Buttons/Three",
           "click Buttons/Push", "screenshot gallery-basics",
           // Menus: opened with the pointer and with a mnemonic; an item
           // chosen with each, a check item and a radio item.
           "menu OptionsBt", "menu Grid", "menu OptionsBt", "menu Large", "key F10", "key f", "screenshot gallery-menu",
           "key o", "screenshot gallery-file", "click button:*OpenFile.Cancel", "menu FileBt", "menu Quit",
           "screenshot gallery-quit", "click button:*QuitQuestion.Cancel",
           "family Inputs",
           // The spinner: its arrows, then a new angle typed over the old one.
           "click widget:DegreesUp", "click widget:DegreesUp", "click widget:DegreesDn", "click Steppers/Degrees",
           "key End", "key shift+Home", "key 9", "key 0", "key Return", "click Steppers/Scroll", "screenshot gallery-values",
           // Values: a length typed in millimetres, a combo dropped and closed.
           "click Values/Length", "key ctrl+slash", "key 4", "key 2", "key Return", "drop Values/Editable",
           "screenshot gallery-combo", "drop Values/Editable",
           "family Tables",
           // The lists: a line picked with the pointer, moved with the keys, a column widened.
           "click Lists/Parts", "click Lists/Table", "key Down", "key Down", "column Lists/Table 0 40",
           "screenshot gallery-lists",
           "family Interaction",
           // Choose an icon of the palette, then drag the card into the basket.
           "click Dragging/Palette", "screenshot gallery-palette", "click Dragging/Palette/open",
           "drag Dragging/Card Dragging/Basket",
           "screenshot gallery-dragged",
           // The blocking question answered Yes, the file box opened and cancelled.
           "click Boxes/Ask", "screenshot gallery-ask", "click button:*Question.OK", "click Boxes/Open",
           "screenshot gallery-open", "click button:*OpenFile.Cancel",
           // The pages: every tab, then the splitter's sash.
           "context Tools", "popup Bottom", "screenshot gallery-toolbar-bottom", "context Tools", "popup Undock",
           "screenshot gallery-undocked", "context Tools", "popup Top",
           "family Containers", "tab 1", "tab 2", "tab 3", "sash 60", "screenshot gallery-pages", "tab 0",
           "family Layouts", "screenshot gallery-layout"};
  auto add = [this](std::initializer_list<const char*> more) { steps.insert(steps.end(), more.begin(), more.end()); };
  // Another application drags a file name onto the document; the status bar shows it.
  add({"dropfile /tmp/Tolven gallery/dropped notes.txt", "screenshot gallery-dropped"});
  if (dialog->IsMDI()) {
    // The document's own arrangements of its child frames, a frame moved by
    // its title bar, and the document's resizing.
    add({"menu ViewBt", "menu Tile", "screenshot gallery-tiled", "menu ViewBt", "menu Cascade",
         "screenshot gallery-cascaded", "family Layouts", "title Layouts -60 -40", "screenshot gallery-moved",
         "resize 900 700", "screenshot gallery-wide"});
  } else {
    // A top-level box's own buttons: Cancel closes it, the View menu shows it again.
    add({"family Basics", "click button:*Basics.Apply", "click button:*Basics.Cancel", "screenshot gallery-closed"});
  }
  add({"family Basics", "screenshot gallery-used", "menu FileBt", "menu Quit", "click button:*QuitQuestion.OK"});
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
  // A widget inside an object (a spinner's arrow), by its Xt name.
  if (path.rfind("widget:", 0) == 0)
    return widgetCentre(dialog->GetStandardButton(("*" + path.substr(7)).c_str()), x, y);
  QORDialog* o = dialog->Find(path.c_str());
  if (!o) return false;
  DRECT r{};
  o->GetRectDimensions(&r);
  o->GetAbsolutePosition(*x, *y);  // (0, 0) while not on the screen
  *x += r.dx / 2;
  *y += r.dy / 2;
  return r.dx > 0 && r.dy > 0 && (*x > r.dx / 2 || *y > r.dy / 2);
}

// The middle of the separator right of a column, from the widths the table
// was given in pixels: each column is followed by a 6-pixel separator.
bool GalleryTour::separatorCentre(const std::string& arg, int* x, int* y) {
  std::istringstream words(arg);
  std::string path;
  int column = 0;
  if (!(words >> path >> column)) return false;
  auto* table = dynamic_cast<QORDlgMultiList*>(dialog->Find(path.c_str()));
  if (!table || !centre(path, x, y)) return false;
  int left = 0;
  table->GetAbsolutePosition(left, *y);
  DRECT r{};
  table->GetRectDimensions(&r);
  *y += r.dy / 2;
  for (int c = 0; c <= column; ++c) left += table->GetColumnPixelWidth(c) + (c < column ? 6 : 3);
  *x = left;
  return true;
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
  } else if (verb == "context") {
    int x = 0, y = 0;
    if (!centre(arg, &x, &y)) {
      std::fprintf(stderr, "gallery tour: nothing at %s for a contextual menu\n", arg.c_str());
      next();
      return;
    }
    std::printf("tour: context %d %d\n", x, y);
  } else if (verb == "popup") {
    // An entry of the contextual menu on the screen, by its widget's name.
    int x = 0, y = 0;
    if (!widgetCentre(dialog->GetPopupWidget(arg.c_str()), &x, &y)) {
      // A loaded machine may take a while to post the menu; a press it lost
      // is given again (the step before this one) after two seconds.
      if (++waits % 10 != 0 && waits < 30) {
        --step;
        XtAppAddTimeOut(context, 200, startTO, this);
        return;
      }
      if (waits < 30 && step >= 2 && steps[step - 2].rfind("context ", 0) == 0) {
        step -= 2;
        next();
        return;
      }
      waits = 0;
      std::fprintf(stderr, "gallery tour: no contextual menu entry %s\n", arg.c_str());
      next();
      return;
    }
    waits = 0;
    std::printf("tour: click %d %d\n", x, y);
  } else if (verb == "drag") {
    const size_t to = arg.find(' ');
    int x = 0, y = 0, tx = 0, ty = 0;
    if (to == std::string::npos || !centre(arg.substr(0, to), &x, &y) || !centre(arg.substr(to + 1), &tx, &ty)) {
      std::fprintf(stderr, "gallery tour: nothing to drag in %s\n", arg.c_str());
      next();
      return;
    }
    std::printf("tour: drag %d %d %d %d\n", x, y, tx, ty);
  } else if (verb == "family") {
    // The View menu opens here; its item for the family is the next step.
    int x = 0, y = 0;
    if (!widgetCentre(dialog->GetMenuWidget("ViewBt"), &x, &y)) {
      std::fprintf(stderr, "gallery tour: no View menu on the screen\n");
      next();
      return;
    }
    steps.insert(steps.begin() + static_cast<std::ptrdiff_t>(step), "menu " + arg);
    std::printf("tour: click %d %d\n", x, y);
  } else if (verb == "tab" || verb == "sash") {
    int x = 0, y = 0, along = 0;
    if (!GalleryPagesTarget(dialog, verb, arg, &x, &y, &along)) {
      std::fprintf(stderr, "gallery tour: no %s %s on the screen\n", verb.c_str(), arg.c_str());
      next();
      return;
    }
    if (verb == "tab") std::printf("tour: click %d %d\n", x, y);
    else std::printf("tour: drag %d %d %d %d\n", x, y, x + along, y);
  } else if (verb == "drop") {
    // A combo's arrow: the square at the right end of its field.
    int x = 0, y = 0;
    QORDialog* o = dialog->Find(arg.c_str());
    DRECT r{};
    if (o) o->GetRectDimensions(&r);
    if (!o || !centre(arg, &x, &y)) {
      std::fprintf(stderr, "gallery tour: no combo at %s\n", arg.c_str());
      next();
      return;
    }
    std::printf("tour: click %d %d\n", x + r.dx / 2 - r.dy / 2, y);
  } else if (verb == "column") {
    // "column PATH N DX": drags the separator right of column N of a table by DX pixels.
    int x = 0, y = 0;
    if (!separatorCentre(arg, &x, &y)) {
      std::fprintf(stderr, "gallery tour: no column at %s\n", arg.c_str());
      next();
      return;
    }
    std::printf("tour: drag %d %d %d %d\n", x, y, x + std::stoi(arg.substr(arg.rfind(' ') + 1)), y);
  } else if (verb == "title") {
    // "title BOX DX DY": drags a child frame by its title bar. The box's name
    // finds its frame (named after it); the title bar runs along its top.
    std::istringstream words(arg);
    std::string box;
    int dx = 0, dy = 0, x = 0, y = 0;
    Widget frame = (words >> box >> dx >> dy) ? dialog->GetStandardButton(("*" + box).c_str()) : nullptr;
    Window child;
    if (!frame || !XtWindow(frame) ||
        !XTranslateCoordinates(XtDisplay(frame), XtWindow(frame), DefaultRootWindow(XtDisplay(frame)), 60, 14,
                               &x, &y, &child)) {
      std::fprintf(stderr, "gallery tour: no child frame %s\n", arg.c_str());
      next();
      return;
    }
    std::printf("tour: drag %d %d %d %d\n", x, y, x + dx, y + dy);
  } else if (verb == "dropfile") {
    // "dropfile NAME": the driver runs a second X client that drags NAME
    // onto the document's work area.
    int x = 0, y = 0;
    if (!GalleryDropTarget(dialog, &x, &y)) {
      std::fprintf(stderr, "gallery tour: no work area to drop %s on\n", arg.c_str());
      next();
      return;
    }
    std::printf("tour: dropfile %d %d %s\n", x, y, arg.c_str());
  } else if (verb == "resize") {
    std::printf("tour: resize %s\n", arg.c_str());
  } else {
    std::printf("tour: %s\n", s.c_str());
  }
  std::fflush(stdout);
}
