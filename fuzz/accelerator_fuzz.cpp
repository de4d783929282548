// Accelerator texts (from catalogs and programs): parsing must never crash,
// must leave the word alone when the key is unknown, and whatever it accepts
// must come back through the menu text.
#include <strings.h>

#include <cstdint>
#include <cstdlib>
#include <string>

#include "QORDialog.h"

namespace {
void check(bool ok) {
  if (!ok) std::abort();
}
}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string text(reinterpret_cast<const char*>(data), size);
  const int index = QORDialog::GetKeyIndex(text.c_str());
  check(index >= -1 && index < QORDialog::KeyCount);

  const unsigned long untouched = 0x1234;
  unsigned long word = untouched;
  if (!QORDialog::ParseAcceleratorText(text.c_str(), word)) {
    check(word == untouched);
    return 0;
  }
  check((word & 0x1FFF0000UL) == 0 && (word & 0xFFFF) != 0);
  const QORString shown = QORDialog::GetAcceleratorText(word);
  check(!shown.IsEmpty());
  // The controls' table line is the menu items' event and the action.
  const std::string event = QORDialog::GetAcceleratorEvent(word).c_str();
  check(event.find("<Key>") != std::string::npos && event.find('\n') == std::string::npos);
  check(std::string(QORDialog::GetAcceleratorTranslation(word).c_str()) == event + ": Accelerator()");
  unsigned long again = 0;
  check(QORDialog::ParseAcceleratorText(shown.c_str(), again) == 1);
  check((again & 0xE0000000UL) == (word & 0xE0000000UL));
  // Names that differ only in case (letters, some scripts) may give either code.
  check(strcasecmp(QORDialog::GetAcceleratorText(again).c_str(), shown.c_str()) == 0);
  return 0;
}
