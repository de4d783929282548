// Internal to libTOLVEN: not API, never installed.
// The toolkit's ordered, growable list of untyped pointers. It never owns
// what it points to. It keeps a current entry (-1: none) that iteration and
// the insert/remove operations move as documented on each operation:
//
//   for (void* p = !list; p; p = ++list) ...
#pragma once

class l_QORDlgList {
 public:
  // Capacity and growth increment; values below 1 mean 8.
  explicit l_QORDlgList(int capacity = 8, int increment = 8);
  ~l_QORDlgList();
  l_QORDlgList(const l_QORDlgList&) = delete;
  l_QORDlgList& operator=(const l_QORDlgList&) = delete;

  int getCount() const { return count; }
  int getCapacity() const { return capacity; }
  int getCurrentIndex() const { return current; }
  void* getCurrent() const { return current >= 0 ? array[current] : nullptr; }
  // Index of the first entry equal to p, or -1.
  int getPosition(const void* p) const;

  // Appends / prepends; the current entry stays the same entry.
  void insertTail(void* p);
  void insertHead(void* p);
  // Without a current entry appends; else mode 0 inserts before it, mode 1
  // after it. The new entry becomes current.
  void insertCurrent(void* p, int mode);
  // Removes the last entry; when it was current, none is current.
  void deleteTail();
  // Removes the current entry; afterwards none is current.
  void deleteCurrent();
  // Count 0 and no current entry; the capacity is kept.
  void empty();

  // Makes entry i current (none when out of range) and returns it (null then).
  void* at(int i);
  // The first entry becomes current (none when empty); returns it or null.
  void* operator!();
  // The next entry becomes current; past the last, none is current and null is
  // returned. With none current the first entry is next.
  void* operator++();
  // insertCurrent(p, 1).
  l_QORDlgList& operator+=(void* p);
  // Removes the first entry equal to p. The current index follows its entry;
  // when p itself was current, the entry before it becomes current (none for
  // the first), so ++ continues with the entry that followed p.
  l_QORDlgList& operator-=(void* p);
  // The same for entry i, when the caller knows where p is; nothing when i
  // is out of range.
  void removeIndex(int i);
  // Entry i, or null when out of range; the current entry does not move.
  void* operator[](int i) const;
  // Sets the capacity to n (never below the count nor below 1).
  void Resize(int n);

 private:
  // Room for one more entry.
  void makeRoom();
  void grow();
  void removeAt(int i);

  // Field order is part of the list's documented layout.
  void** array;
  int count;
  int current;
  int capacity;
  int increment;
};
