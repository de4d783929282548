// Internal to the l_QORInteractiveApplication*.cpp files, not API: what the
// construction and the event loop share.
#pragma once
#include <X11/Xlib.h>

#include <vector>

class l_QORInteractiveApplication;

namespace interactive_application {
std::vector<l_QORInteractiveApplication*>& liveLetters();
void ensureIdleWorkProc();
void installSubscribeHook();
// The top-most viewable window under the pointer (the root when none is).
Window topViewableWindowAtPointer(Display* display);
}  // namespace interactive_application
