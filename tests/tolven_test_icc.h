// The blocks the byte exchange tests send between processes, and the
// digest the peer program reports of a block it read.
#pragma once
#include <cstdint>
#include <cstdio>
#include <string>
#include <vector>

// `size` bytes that differ with the seed and along the block, so a dropped,
// doubled or shifted chunk changes the digest.
inline std::vector<char> IccBlock(std::size_t size, unsigned seed) {
  std::vector<char> block(size);
  std::uint32_t x = 2463534242u ^ seed;
  for (char& c : block) {
    x ^= x << 13, x ^= x >> 17, x ^= x << 5;
    c = static_cast<char>(x >> 24);
  }
  return block;
}

// FNV-1a, in hex.
inline std::string IccDigest(const char* data, std::size_t size) {
  std::uint64_t h = 14695981039346656037ull;
  for (std::size_t i = 0; i < size; ++i) h = (h ^ static_cast<unsigned char>(data[i])) * 1099511628211ull;
  char text[17];
  std::snprintf(text, sizeof text, "%016llx", static_cast<unsigned long long>(h));
  return text;
}
