// Reading the answers of the inspection channel: the header's status, the
// object tree, the values of one object. Every length and offset is checked:
// a short or inconsistent answer is an error, never a read past its end.
#pragma once
#include <cstdint>
#include <string>
#include <vector>

struct InspectNode {
  uint32_t handle = 0;
  uint32_t kind = 0;
  std::string name;
  int parent = -1;  // index into the tree's nodes, -1 for the window
  int depth = 0;
  std::vector<int> children;
};

struct InspectTree {
  std::vector<uint32_t> walk;
  std::vector<InspectNode> nodes;  // walk order
  // The node at a path of names from the window ("Gallery/Buttons/Push"), or -1.
  int Find(const std::string& path) const;
  std::string PathOf(int index) const;
};

struct InspectValues {
  int32_t x = 0, y = 0, dx = 0, dy = 0;
  uint16_t sensitivity = 0;
  uint32_t visibility = 0;
  std::string title;
};

// Word 3 of any answer; false when shorter than its 16-byte header.
bool ReadStatus(const std::vector<unsigned char>& answer, uint32_t& status);
bool ReadTree(const std::vector<unsigned char>& answer, InspectTree& tree, std::string& error);
bool ReadValues(const std::vector<unsigned char>& answer, InspectValues& values, std::string& error);
// The class a kind number stands for ("push button"), "other" for 0.
const char* KindName(uint32_t kind);
