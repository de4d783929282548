#include "l_QORDlgList.h"

#include <cstring>

l_QORDlgList::l_QORDlgList(int cap, int inc)
    : array(nullptr), count(0), current(-1), capacity(cap < 1 ? 8 : cap), increment(inc < 1 ? 8 : inc) {}

l_QORDlgList::~l_QORDlgList() { delete[] array; }

int l_QORDlgList::getPosition(const void* p) const {
  for (int i = 0; i < count; ++i)
    if (array[i] == p) return i;
  return -1;
}

void l_QORDlgList::makeRoom() {
  // The storage is made by the first insertion: most lists of an object
  // (its catalogs, a control's children) stay empty.
  if (!array) array = new void*[capacity];
  else if (count == capacity) grow();
}

void l_QORDlgList::grow() {
  void** bigger = new void*[capacity + increment];
  if (count) std::memcpy(bigger, array, count * sizeof(void*));
  delete[] array;
  array = bigger;
  capacity += increment;
}

void l_QORDlgList::insertTail(void* p) {
  makeRoom();
  array[count++] = p;
}

void l_QORDlgList::insertHead(void* p) {
  makeRoom();
  std::memmove(array + 1, array, count * sizeof(void*));
  array[0] = p;
  ++count;
  if (current >= 0) ++current;
}

void l_QORDlgList::insertCurrent(void* p, int mode) {
  if (current < 0) {
    insertTail(p);
    current = count - 1;
    return;
  }
  makeRoom();
  const int at = mode == 0 ? current : current + 1;
  std::memmove(array + at + 1, array + at, (count - at) * sizeof(void*));
  array[at] = p;
  ++count;
  current = at;
}

void l_QORDlgList::removeAt(int i) {
  std::memmove(array + i, array + i + 1, (count - i - 1) * sizeof(void*));
  --count;
}

void l_QORDlgList::deleteTail() {
  if (count == 0) return;
  if (current == count - 1) current = -1;
  --count;
}

void l_QORDlgList::deleteCurrent() {
  if (current < 0) return;
  removeAt(current);
  current = -1;
}

void l_QORDlgList::empty() {
  count = 0;
  current = -1;
}

void* l_QORDlgList::at(int i) {
  if (i < 0 || i >= count) {
    current = -1;
    return nullptr;
  }
  current = i;
  return array[i];
}

void* l_QORDlgList::operator!() { return at(0); }

void* l_QORDlgList::operator++() { return at(current + 1); }

l_QORDlgList& l_QORDlgList::operator+=(void* p) {
  insertCurrent(p, 1);
  return *this;
}

l_QORDlgList& l_QORDlgList::operator-=(void* p) {
  removeIndex(getPosition(p));
  return *this;
}

void l_QORDlgList::removeIndex(int i) {
  if (i < 0 || i >= count) return;
  removeAt(i);
  if (current >= i) --current;  // the same entry, or its predecessor when it was current
}

void* l_QORDlgList::operator[](int i) const { return (i >= 0 && i < count) ? array[i] : nullptr; }

void l_QORDlgList::Resize(int n) {
  if (n < count) n = count;
  if (n < 1) n = 1;
  if (n == capacity) return;
  void** resized = new void*[n];
  if (count) std::memcpy(resized, array, count * sizeof(void*));
  delete[] array;
  array = resized;
  capacity = n;
}
