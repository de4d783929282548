// A typed byte stream for record/replay state. Each value is written with a
// one-byte type tag, so reading a different type than was written, or past the
// end, is an error the caller sees: the stream enters the failed state, the
// target gets 0 and every later read fails too.
#pragma once
#include <cstddef>
#include <string>
#include <vector>

class QORMarshal {
 public:
  QORMarshal() = default;
  QORMarshal(const void* data, size_t length);

  QORMarshal& operator<<(int v);
  QORMarshal& operator<<(short v);
  QORMarshal& operator<<(unsigned short v);
  QORMarshal& operator<<(unsigned int v);
  QORMarshal& operator<<(unsigned long v);
  QORMarshal& operator<<(float v);
  QORMarshal& operator<<(double v);
  QORMarshal& operator>>(int& v);
  QORMarshal& operator>>(short& v);
  QORMarshal& operator>>(unsigned short& v);
  QORMarshal& operator>>(unsigned int& v);
  QORMarshal& operator>>(unsigned long& v);
  QORMarshal& operator>>(float& v);
  QORMarshal& operator>>(double& v);

  // A block of bytes with its length.
  void Write(const char* bytes, int length);
  // Length of the next block without consuming it; -1 when the next item is not a block.
  int ReadNextLength();
  // Reads the next block into buffer; *length is the capacity on entry and the
  // number of bytes read on return. Returns 0, or -1 (nothing consumed, failed state).
  int Read(char* buffer, int* length);

  bool Good() const { return error_.empty(); }
  const std::string& GetError() const { return error_; }
  bool AtEnd() const { return pos_ >= buf_.size(); }
  void Rewind() { pos_ = 0; error_.clear(); }
  void Clear() { buf_.clear(); Rewind(); }
  const std::vector<unsigned char>& GetBuffer() const { return buf_; }
  size_t GetSize() const { return buf_.size(); }

  // Lower-case hex of the whole buffer ("" for an empty one).
  std::string ToHex() const;
  // Replaces the buffer with the decoded hex text; false (buffer unchanged) on an odd length or a non-hex digit.
  bool FromHex(const char* hex, size_t length);

 private:
  void put(char tag, const void* p, size_t n);
  bool get(char tag, void* p, size_t n);
  void fail(const std::string& what);

  std::vector<unsigned char> buf_;
  size_t pos_ = 0;
  std::string error_;
};
