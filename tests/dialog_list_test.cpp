// The pointer list: growth rule and where the current entry goes.
#include <gtest/gtest.h>

#include <vector>

#include "l_QORDlgList.h"

namespace {
int v[20];
void* P(int i) { return &v[i]; }

std::vector<int> contents(const l_QORDlgList& l) {
  std::vector<int> out;
  for (int i = 0; i < l.getCount(); ++i) out.push_back(static_cast<int*>(l[i]) - v);
  return out;
}

TEST(PointerList, CapacityAndGrowth) {
  l_QORDlgList d(0, 0);
  EXPECT_EQ(d.getCapacity(), 8);
  for (int i = 0; i < 8; ++i) d.insertTail(P(i));
  EXPECT_EQ(d.getCapacity(), 8);
  d.insertTail(P(8));  // the ninth insertion reallocates by the increment
  EXPECT_EQ(d.getCapacity(), 16);
  EXPECT_EQ(contents(d), (std::vector<int>{0, 1, 2, 3, 4, 5, 6, 7, 8}));

  l_QORDlgList small(2, 3);
  small.insertHead(P(1));
  small.insertHead(P(2));
  small.insertHead(P(3));
  EXPECT_EQ(small.getCapacity(), 5);
  EXPECT_EQ(contents(small), (std::vector<int>{3, 2, 1}));
  small.Resize(1);  // never below the count
  EXPECT_EQ(small.getCapacity(), 3);
  EXPECT_EQ(contents(small), (std::vector<int>{3, 2, 1}));
}

TEST(PointerList, CurrentEntryThroughEveryOperation) {
  l_QORDlgList l;
  EXPECT_EQ(!l, nullptr);
  EXPECT_EQ(l.getCurrentIndex(), -1);
  l += P(1);  // no current: appends and becomes current
  l += P(3);  // after the current
  l.insertCurrent(P(2), 0);  // before the current (3)
  EXPECT_EQ(contents(l), (std::vector<int>{1, 2, 3}));
  EXPECT_EQ(l.getCurrent(), P(2));
  l.insertHead(P(0));  // current stays on the same entry
  EXPECT_EQ(l.getCurrent(), P(2));
  EXPECT_EQ(l.getCurrentIndex(), 2);

  std::vector<int> seen;
  for (void* p = !l; p; p = ++l) seen.push_back(static_cast<int*>(p) - v);
  EXPECT_EQ(seen, (std::vector<int>{0, 1, 2, 3}));
  EXPECT_EQ(l.getCurrentIndex(), -1);

  EXPECT_EQ(l.at(7), nullptr);
  EXPECT_EQ(l.getCurrentIndex(), -1);
  EXPECT_EQ(l.at(1), P(1));
  l.deleteCurrent();
  EXPECT_EQ(l.getCurrentIndex(), -1);
  EXPECT_EQ(contents(l), (std::vector<int>{0, 2, 3}));
  EXPECT_EQ(l.getPosition(P(3)), 2);
  EXPECT_EQ(l.getPosition(P(9)), -1);

  l.at(2);
  l.deleteTail();  // the current entry was the tail
  EXPECT_EQ(l.getCurrentIndex(), -1);
  l.empty();
  EXPECT_EQ(l.getCount(), 0);
  EXPECT_EQ(l[0], nullptr);
}

TEST(PointerList, RemovingByValueKeepsIterationOnTrack) {
  l_QORDlgList l;
  for (int i = 0; i < 6; ++i) l.insertTail(P(i));
  l.at(4);
  l -= P(1);  // before the current: current follows its entry
  EXPECT_EQ(l.getCurrent(), P(4));
  // Removing each even entry while iterating visits every entry once.
  std::vector<int> seen;
  for (void* p = !l; p; p = ++l) {
    const int i = static_cast<int*>(p) - v;
    seen.push_back(i);
    if (i % 2 == 0) l -= p;
  }
  EXPECT_EQ(seen, (std::vector<int>{0, 2, 3, 4, 5}));
  EXPECT_EQ(contents(l), (std::vector<int>{3, 5}));
  l -= P(9);  // absent: nothing changes
  EXPECT_EQ(contents(l), (std::vector<int>{3, 5}));
}
}  // namespace
