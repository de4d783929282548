// Internal to libTOLVEN: not API, never installed.
// The byte side of the inspection channel, free of X so that it can be fuzzed
// and shared: the request words of the ClientMessage, the command block a
// tool offers, and the answers (status header, tree, values).
#pragma once
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

namespace QORDlgInspect {

enum AnswerStatus : uint32_t { StatusDone = 0, StatusBadHeader = 1, StatusNotAvailable = 2 };
enum Command : uint32_t { CommandTree = 0, CommandSetValues = 1, CommandValues = 2, CommandFlash = 3 };

// The ClientMessage data words l[0] to l[4], each cut to the 32 bits the wire carries.
struct Request {
  uint32_t header0 = 0, header1 = 0, time = 0, object = 0, extra = 0;
};
Request readRequest(const long words[5]);
// Header word 0 names the channel's atom, header word 1 is the version 1.
bool isValidHeader(const Request& r, uint32_t channelAtom);

// Words 0 to 3 of the command block; words the block lacks read as 0.
struct CommandBlock {
  uint32_t words[4] = {0, 0, 0, 0};
  bool hasCommand = false;  // the block reaches word 2
  uint32_t command() const { return words[2]; }
};
// `value` as a selection delivers it: `length` items of `format` bits, format
// 32 items being longs. The words are 32-bit in this machine's byte order
// whatever the format; formats other than 8, 16 and 32 yield false.
bool readCommandBlock(const void* value, unsigned long length, int format, CommandBlock& out);

// The trace word of a command, null for an unknown code.
const char* traceWord(uint32_t command);

using Answer = std::vector<unsigned char>;
// The 16-byte header: words 0 to 2 of the block, then the status.
Answer statusAnswer(const CommandBlock& block, uint32_t status);

struct TreeObject {
  uint32_t handle = 0;
  uint32_t kind = 0;
  std::string name;
};
// `walk` holds 1-based ordinals into `objects` and 0 end marks.
Answer treeAnswer(const CommandBlock& block, const std::vector<uint32_t>& walk, const std::vector<TreeObject>& objects);

struct ObjectValues {
  int32_t x = 0, y = 0, dx = 0, dy = 0;
  uint16_t sensitivity = 0;
  uint32_t visibility = 0;
  std::string title;
};
Answer valuesAnswer(const CommandBlock& block, const ObjectValues& v);

// Kind numbers by class code, in the order the tests are made: the first
// code the object is a kind of decides; none gives kind 0.
struct KindRow {
  uint32_t kind;
  unsigned long classCode;
};
extern const KindRow kKindTable[];
extern const size_t kKindTableSize;

}  // namespace QORDlgInspect
