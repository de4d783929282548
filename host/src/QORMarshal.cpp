#include "QORMarshal.h"

#include <climits>
#include <cstdint>
#include <cstring>

namespace {

// Type tags. Values are part of the record file format: never renumber.
enum Tag : char {
  kInt = 1,
  kShort = 2,
  kUShort = 3,
  kUInt = 4,
  kULong = 5,
  kFloat = 6,
  kDouble = 7,
  kBlock = 8,
};

const char* tagName(int tag) {
  switch (tag) {
    case kInt: return "int";
    case kShort: return "short";
    case kUShort: return "unsigned short";
    case kUInt: return "unsigned int";
    case kULong: return "unsigned long";
    case kFloat: return "float";
    case kDouble: return "double";
    case kBlock: return "block";
    default: return nullptr;
  }
}

// Fixed-width little-endian encoding, independent of the host byte order.
void toLE(uint64_t v, unsigned char* out, size_t n) {
  for (size_t i = 0; i < n; ++i) out[i] = static_cast<unsigned char>(v >> (8 * i));
}

uint64_t fromLE(const unsigned char* in, size_t n) {
  uint64_t v = 0;
  for (size_t i = 0; i < n; ++i) v |= static_cast<uint64_t>(in[i]) << (8 * i);
  return v;
}

int hexDigit(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  return -1;
}

}  // namespace

QORMarshal::QORMarshal(const void* data, size_t length) {
  if (data && length) {
    const unsigned char* p = static_cast<const unsigned char*>(data);
    buf_.assign(p, p + length);
  }
}

void QORMarshal::put(char tag, const void* p, size_t n) {
  buf_.push_back(static_cast<unsigned char>(tag));
  const unsigned char* b = static_cast<const unsigned char*>(p);
  buf_.insert(buf_.end(), b, b + n);
}

void QORMarshal::fail(const std::string& what) {
  if (error_.empty()) error_ = what;
}

// Describes the item at `at` for error messages.
static std::string describe(const std::vector<unsigned char>& buf, size_t at) {
  if (at >= buf.size()) return "end of data";
  const char* name = tagName(buf[at]);
  return name ? std::string(name) : "unknown tag " + std::to_string(buf[at]);
}

// Checks the tag at pos_ and takes n bytes after it. On a mismatch nothing is consumed.
bool QORMarshal::get(char tag, void* p, size_t n) {
  std::memset(p, 0, n);
  if (!Good()) return false;
  if (pos_ >= buf_.size() || buf_[pos_] != static_cast<unsigned char>(tag) || buf_.size() - pos_ - 1 < n) {
    const bool truncated = pos_ < buf_.size() && buf_[pos_] == static_cast<unsigned char>(tag);
    fail(std::string("expected ") + tagName(tag) + " at offset " + std::to_string(pos_) + ", found " +
         (truncated ? "truncated data" : describe(buf_, pos_)));
    return false;
  }
  std::memcpy(p, &buf_[pos_ + 1], n);
  pos_ += 1 + n;
  return true;
}

QORMarshal& QORMarshal::operator<<(int v) {
  unsigned char b[4];
  toLE(static_cast<uint32_t>(v), b, 4);
  put(kInt, b, 4);
  return *this;
}

QORMarshal& QORMarshal::operator<<(short v) {
  unsigned char b[2];
  toLE(static_cast<uint16_t>(v), b, 2);
  put(kShort, b, 2);
  return *this;
}

QORMarshal& QORMarshal::operator<<(unsigned short v) {
  unsigned char b[2];
  toLE(v, b, 2);
  put(kUShort, b, 2);
  return *this;
}

QORMarshal& QORMarshal::operator<<(unsigned int v) {
  unsigned char b[4];
  toLE(v, b, 4);
  put(kUInt, b, 4);
  return *this;
}

QORMarshal& QORMarshal::operator<<(unsigned long v) {
  // Always 8 bytes, so files move between 32- and 64-bit hosts.
  unsigned char b[8];
  toLE(static_cast<uint64_t>(v), b, 8);
  put(kULong, b, 8);
  return *this;
}

QORMarshal& QORMarshal::operator<<(float v) {
  uint32_t bits;
  std::memcpy(&bits, &v, 4);
  unsigned char b[4];
  toLE(bits, b, 4);
  put(kFloat, b, 4);
  return *this;
}

QORMarshal& QORMarshal::operator<<(double v) {
  uint64_t bits;
  std::memcpy(&bits, &v, 8);
  unsigned char b[8];
  toLE(bits, b, 8);
  put(kDouble, b, 8);
  return *this;
}

QORMarshal& QORMarshal::operator>>(int& v) {
  unsigned char b[4];
  get(kInt, b, 4);
  v = static_cast<int>(static_cast<uint32_t>(fromLE(b, 4)));
  return *this;
}

QORMarshal& QORMarshal::operator>>(short& v) {
  unsigned char b[2];
  get(kShort, b, 2);
  v = static_cast<short>(static_cast<uint16_t>(fromLE(b, 2)));
  return *this;
}

QORMarshal& QORMarshal::operator>>(unsigned short& v) {
  unsigned char b[2];
  get(kUShort, b, 2);
  v = static_cast<unsigned short>(fromLE(b, 2));
  return *this;
}

QORMarshal& QORMarshal::operator>>(unsigned int& v) {
  unsigned char b[4];
  get(kUInt, b, 4);
  v = static_cast<unsigned int>(fromLE(b, 4));
  return *this;
}

QORMarshal& QORMarshal::operator>>(unsigned long& v) {
  unsigned char b[8];
  const size_t at = pos_;
  get(kULong, b, 8);
  const uint64_t x = fromLE(b, 8);
  if (x > ULONG_MAX) {  // only possible where unsigned long is 32 bits
    fail("unsigned long at offset " + std::to_string(at) + " out of range");
    v = 0;
    return *this;
  }
  v = static_cast<unsigned long>(x);
  return *this;
}

QORMarshal& QORMarshal::operator>>(float& v) {
  unsigned char b[4];
  get(kFloat, b, 4);
  const uint32_t bits = static_cast<uint32_t>(fromLE(b, 4));
  std::memcpy(&v, &bits, 4);
  return *this;
}

QORMarshal& QORMarshal::operator>>(double& v) {
  unsigned char b[8];
  get(kDouble, b, 8);
  const uint64_t bits = fromLE(b, 8);
  std::memcpy(&v, &bits, 8);
  return *this;
}

void QORMarshal::Write(const char* bytes, int length) {
  if (length < 0 || (!bytes && length > 0)) {
    // Writing a bogus block would make every later read misaligned.
    fail("invalid block of length " + std::to_string(length) + " written at offset " + std::to_string(buf_.size()));
    return;
  }
  unsigned char b[4];
  toLE(static_cast<uint32_t>(length), b, 4);
  put(kBlock, b, 4);
  if (length > 0) buf_.insert(buf_.end(), bytes, bytes + length);
}

int QORMarshal::ReadNextLength() {
  if (!Good() || pos_ + 5 > buf_.size() || buf_[pos_] != kBlock) return -1;
  const uint64_t n = fromLE(&buf_[pos_ + 1], 4);
  if (n > static_cast<uint64_t>(INT_MAX) || n > buf_.size() - pos_ - 5) return -1;
  return static_cast<int>(n);
}

int QORMarshal::Read(char* buffer, int* length) {
  const int capacity = length ? *length : 0;
  if (length) *length = 0;
  if (!Good()) return -1;
  const std::string expected = "expected block at offset " + std::to_string(pos_);
  if (!length || capacity < 0 || (!buffer && capacity > 0)) {
    fail(expected + ", given an invalid buffer");
    return -1;
  }
  if (pos_ >= buf_.size() || buf_[pos_] != kBlock) {
    fail(expected + ", found " + describe(buf_, pos_));
    return -1;
  }
  if (pos_ + 5 > buf_.size()) {
    fail(expected + ", found truncated length");
    return -1;
  }
  const uint64_t n = fromLE(&buf_[pos_ + 1], 4);
  if (n > buf_.size() - pos_ - 5) {
    fail(expected + ", found a length of " + std::to_string(n) + " past the end of data");
    return -1;
  }
  if (n > static_cast<uint64_t>(capacity)) {
    fail(expected + ", found " + std::to_string(n) + " bytes for a buffer of " + std::to_string(capacity));
    return -1;
  }
  if (n) std::memcpy(buffer, &buf_[pos_ + 5], static_cast<size_t>(n));
  pos_ += 5 + static_cast<size_t>(n);
  *length = static_cast<int>(n);
  return 0;
}

std::string QORMarshal::ToHex() const {
  static const char digits[] = "0123456789abcdef";
  std::string out;
  out.reserve(buf_.size() * 2);
  for (unsigned char c : buf_) {
    out += digits[c >> 4];
    out += digits[c & 15];
  }
  return out;
}

bool QORMarshal::FromHex(const char* hex, size_t length) {
  if (length % 2 != 0 || (!hex && length)) return false;
  std::vector<unsigned char> decoded;
  decoded.reserve(length / 2);
  for (size_t i = 0; i < length; i += 2) {
    const int hi = hexDigit(hex[i]);
    const int lo = hexDigit(hex[i + 1]);
    if (hi < 0 || lo < 0) return false;
    decoded.push_back(static_cast<unsigned char>(hi << 4 | lo));
  }
  buf_.swap(decoded);
  Rewind();
  return true;
}
