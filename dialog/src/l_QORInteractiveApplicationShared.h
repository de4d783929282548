// Internal to the l_QORInteractiveApplication*.cpp files, not API: what the
// construction and the event loop share.
#pragma once
#include <vector>

class l_QORInteractiveApplication;

namespace interactive_application {
std::vector<l_QORInteractiveApplication*>& liveLetters();
void ensureIdleWorkProc();
void installSubscribeHook();
}  // namespace interactive_application
