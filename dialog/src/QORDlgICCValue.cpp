#include "QORDlgICCValue.h"

#include <climits>
#include <cstdint>
#include <cstring>

namespace {

// Narrows each item from the width Xlib stores it in to its wire width.
template <typename Stored, typename Item>
void narrow(const void* value, unsigned long length, char* out) {
  const auto* items = static_cast<const Stored*>(value);
  for (unsigned long i = 0; i < length; ++i) {
    const Item item = static_cast<Item>(items[i]);
    std::memcpy(out + i * sizeof(Item), &item, sizeof(Item));
  }
}

}  // namespace

bool QORDlgICCCopyValue(const void* value, unsigned long length, int format, std::vector<char>* block) {
  if (!value || (format != 8 && format != 16 && format != 32)) return false;
  const unsigned long itemSize = static_cast<unsigned long>(format) / 8;
  if (length > static_cast<unsigned long>(INT_MAX) / itemSize) return false;
  std::vector<char> bytes(length * itemSize);
  if (format == 8 && length) std::memcpy(bytes.data(), value, length);
  if (format == 16) narrow<short, std::uint16_t>(value, length, bytes.data());
  if (format == 32) narrow<long, std::uint32_t>(value, length, bytes.data());
  block->swap(bytes);
  return true;
}
