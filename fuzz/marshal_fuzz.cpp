// Typed stream reads driven by the input: the first byte says how many of the
// following bytes are operations, the rest is the stream. Every value read
// successfully is written again to a second stream, which must then match the
// bytes consumed so far; failures must zero the target and be sticky.
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <vector>

#include "QORMarshal.h"

namespace {

void check(bool ok) {
  if (!ok) std::abort();
}

template <typename T>
void readOne(QORMarshal& in, QORMarshal& echo) {
  T v;
  std::memset(&v, 0x5A, sizeof v);
  const bool wasGood = in.Good();
  in >> v;
  if (in.Good()) {
    echo << v;
  } else {
    T zero;
    std::memset(&zero, 0, sizeof zero);
    check(std::memcmp(&v, &zero, sizeof v) == 0);
    check(!in.GetError().empty());
  }
  check(wasGood || !in.Good());
}

bool isPrefix(const std::vector<unsigned char>& a, const uint8_t* b, size_t n) {
  return a.size() <= n && (a.empty() || std::memcmp(a.data(), b, a.size()) == 0);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  if (size == 0) return 0;
  const size_t nOps = data[0] < size - 1 ? data[0] : size - 1;
  const uint8_t* ops = data + 1;
  const uint8_t* stream = ops + nOps;
  const size_t streamSize = size - 1 - nOps;

  QORMarshal in(stream, streamSize);
  QORMarshal echo;
  std::vector<char> buf;
  for (size_t i = 0; i < nOps; ++i) {
    const uint8_t op = ops[i];
    switch (op % 10) {
      case 0: readOne<int>(in, echo); break;
      case 1: readOne<short>(in, echo); break;
      case 2: readOne<unsigned short>(in, echo); break;
      case 3: readOne<unsigned int>(in, echo); break;
      case 4: readOne<unsigned long>(in, echo); break;
      case 5: readOne<float>(in, echo); break;
      case 6: readOne<double>(in, echo); break;
      case 7: {
        const int n = in.ReadNextLength();
        check(n >= -1 && (n < 0 || static_cast<size_t>(n) <= streamSize));
        break;
      }
      case 8: {
        // Capacity from the op byte, sometimes too small on purpose.
        int len = (op / 10) * 4;
        const int announced = in.ReadNextLength();
        buf.assign(static_cast<size_t>(len), '\0');
        const bool wasGood = in.Good();
        const int r = in.Read(buf.empty() ? nullptr : buf.data(), &len);
        if (r == 0) {
          check(wasGood && len == announced);
          echo.Write(buf.data(), len);
        } else {
          check(r == -1 && len == 0 && !in.Good());
        }
        break;
      }
      default:
        in.Rewind();
        echo.Clear();
        check(in.Good());
    }
    check(isPrefix(echo.GetBuffer(), stream, streamSize));
  }

  const std::string hex = in.ToHex();
  QORMarshal back;
  check(back.FromHex(hex.data(), hex.size()) && back.GetBuffer() == in.GetBuffer());
  return 0;
}
