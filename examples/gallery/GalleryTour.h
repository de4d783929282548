// The gallery's scripted tour. It acts like a user through the program that
// runs it (scripts/demo, the gallery test): it writes requests on standard
// output and waits for "done" on standard input before the next step.
//   tour: screenshot NAME      take a picture of the screen
//   tour: click X Y            click button 1 at root position X, Y
//   tour: drag X Y TX TY       press button 1 at X, Y, move to TX, TY, release
//   tour: key KEYS             press keys (xdotool's names, e.g. ctrl+p)
//   tour: resize W H           resize the gallery's window
//   tour: dropfile X Y NAME    run tolven-gallery-drop: another X client
//                              that drags the file NAME to root X, Y
#pragma once
#include <X11/Intrinsic.h>

#include <string>
#include <vector>

class GalleryDialog;

class GalleryTour {
 public:
  explicit GalleryTour(GalleryDialog* dialog);

 private:
  static void startTO(XtPointer self, XtIntervalId*);
  static void inputCB(XtPointer self, int* fd, XtInputId*);
  void next();
  // Centre of the object at `path` below the document (or of the standard
  // button named by "button:*Basics.Apply" etc.), in root coordinates.
  bool centre(const std::string& path, int* x, int* y);
  static bool widgetCentre(Widget w, int* x, int* y);
  // "PATH N DX": where the separator right of column N of that table is.
  bool separatorCentre(const std::string& arg, int* x, int* y);

  GalleryDialog* dialog;
  // Kept: the last "done" arrives after Quit has deleted the document.
  XtAppContext context;
  std::vector<std::string> steps;
  size_t step = 0;
  // Times the current step has waited for its target to appear.
  int waits = 0;
  std::string input;
};
