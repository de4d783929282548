// A selection value another client sent, as Xlib stores it: the first byte
// picks the format (8, 16, 32 or a wrong one), the rest are the stored items.
// A good format must give exactly length * format / 8 bytes holding each item
// narrowed to its width; a wrong one must leave the block as it was.
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <vector>

#include "QORDlgICCValue.h"

namespace {

void check(bool ok) {
  if (!ok) std::abort();
}

template <typename Stored, typename Item>
void checkItems(const std::vector<char>& block, const std::vector<Stored>& items) {
  check(block.size() == items.size() * sizeof(Item));
  for (std::size_t i = 0; i < items.size(); ++i) {
    Item item;
    std::memcpy(&item, block.data() + i * sizeof(Item), sizeof(Item));
    check(item == static_cast<Item>(items[i]));
  }
}

template <typename Stored>
std::vector<Stored> storedItems(const std::uint8_t* data, std::size_t size) {
  std::vector<Stored> items(size / sizeof(Stored));
  if (!items.empty()) std::memcpy(items.data(), data, items.size() * sizeof(Stored));
  return items;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  if (size < 1) return 0;
  static const int formats[] = {8, 16, 32, 24};
  const int format = formats[data[0] % 4];
  ++data, --size;
  std::vector<char> block(3, 'x');
  if (format == 8) {
    check(QORDlgICCCopyValue(data, size, format, &block));
    check(block.size() == size && (size == 0 || std::memcmp(block.data(), data, size) == 0));
  } else if (format == 16) {
    const std::vector<short> items = storedItems<short>(data, size);
    check(QORDlgICCCopyValue(items.data() ? items.data() : reinterpret_cast<const short*>(data), items.size(), 16,
                             &block));
    checkItems<short, std::uint16_t>(block, items);
  } else if (format == 32) {
    const std::vector<long> items = storedItems<long>(data, size);
    check(QORDlgICCCopyValue(items.data() ? items.data() : reinterpret_cast<const long*>(data), items.size(), 32,
                             &block));
    checkItems<long, std::uint32_t>(block, items);
  } else {
    check(!QORDlgICCCopyValue(data, size, format, &block));
    check(block == std::vector<char>(3, 'x'));
  }
  check(!QORDlgICCCopyValue(nullptr, 0, 8, &block));
  return 0;
}
