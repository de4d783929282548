// The top-level windows of the programs on a display: the client windows the
// window manager manages (those with WM_STATE), with their names.
#pragma once
#include <X11/Xlib.h>

#include <string>
#include <vector>

struct TopWindow {
  Window id = None;
  std::string title;     // WM_NAME
  std::string instance;  // WM_CLASS instance name
  // True when `name` is its title, its instance name, or the instance name
  // of a dialog's shell (NAME_popup).
  bool IsNamed(const std::string& name) const;
};

std::vector<TopWindow> FindTopWindows(Display* display);
