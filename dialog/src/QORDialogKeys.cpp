// Key names and the accelerator word: the text users and catalogs write
// ("Ctrl+Shift+F4"), the text menus show, and the Xt accelerator table text.
// No X here: the tables are generated from keysymdef.h at build time.
#include <algorithm>
#include <string>
#include <vector>

#include "QORDialog.h"

namespace {

int compareNoCase(const char* a, const char* b) {
  for (;; ++a, ++b) {
    const int ca = (*a >= 'A' && *a <= 'Z') ? *a - 'A' + 'a' : static_cast<unsigned char>(*a);
    const int cb = (*b >= 'A' && *b <= 'Z') ? *b - 'A' + 'a' : static_cast<unsigned char>(*b);
    if (ca != cb || ca == 0) return ca - cb;
  }
}

// Table indexes sorted by name, case-insensitively; built on first use.
const std::vector<int>& sortedKeys() {
  static const std::vector<int> sorted = [] {
    std::vector<int> v(QORDialog::KeyCount);
    for (int i = 0; i < QORDialog::KeyCount; ++i) v[i] = i;
    std::sort(v.begin(), v.end(),
              [](int a, int b) { return compareNoCase(QORDialog::KeyName[a], QORDialog::KeyName[b]) < 0; });
    return v;
  }();
  return sorted;
}

int indexOfCode(unsigned long code) {
  for (int i = 0; QORDialog::numkey[i]; ++i)
    if (QORDialog::numkey[i] == code) return i;
  return -1;
}

bool startsWith(const std::string& s, const char* prefix) { return s.compare(0, std::char_traits<char>::length(prefix), prefix) == 0; }

}  // namespace

int QORDialog::GetKeyIndex(const char* name) {
  if (!name) return -1;
  const std::vector<int>& sorted = sortedKeys();
  int lo = 0, hi = static_cast<int>(sorted.size()) - 1;
  while (lo <= hi) {
    const int mid = lo + (hi - lo) / 2;
    const int c = compareNoCase(name, KeyName[sorted[mid]]);
    if (c == 0) return sorted[mid];
    if (c < 0) hi = mid - 1;
    else lo = mid + 1;
  }
  return -1;
}

int QORDialog::ParseAcceleratorText(const char* text, unsigned long& word) {
  if (!text) return 0;
  // At most 80 characters (code points), without blanks, in upper case.
  std::string t;
  int chars = 0;
  for (const char* p = text; *p; ++p) {
    const unsigned char c = static_cast<unsigned char>(*p);
    if ((c & 0xC0) != 0x80 && ++chars > 80) break;  // a UTF-8 lead byte starts a character
    if (c == ' ' || c == '\t') continue;
    t += (c >= 'a' && c <= 'z') ? static_cast<char>(c - 'a' + 'A') : static_cast<char>(c);
  }
  // Four rounds, each taking the prefixes in this order, so four prefixes in any order are seen.
  unsigned long modifiers = 0;
  for (int round = 0; round < 4; ++round) {
    if (startsWith(t, "META+")) { modifiers |= QORDlgAccAlt; t.erase(0, 5); }
    if (startsWith(t, "ALT+")) { modifiers |= QORDlgAccAlt; t.erase(0, 4); }
    if (startsWith(t, "SHIFT+")) { modifiers |= QORDlgAccShift; t.erase(0, 6); }
    if (startsWith(t, "CTRL+")) { modifiers |= QORDlgAccCtrl; t.erase(0, 5); }
  }
  const int index = GetKeyIndex(t.c_str());
  if (index < 0) return 0;
  word = modifiers | numkey[index];
  return 1;
}

QORString QORDialog::GetAcceleratorText(unsigned long word) {
  const int index = indexOfCode(word & 0xFFFF);
  if (index < 0) return QORString();
  std::string s;
  if (word & QORDlgAccAlt) s += "Alt+";
  if (word & QORDlgAccCtrl) s += "Ctrl+";
  if (word & QORDlgAccShift) s += "Shift+";
  return QORString(s + KeyName[index]);
}

QORString QORDialog::GetAcceleratorTranslation(unsigned long word) {
  const QORString event = GetAcceleratorEvent(word);
  return event.IsEmpty() ? event : QORString(std::string(event.c_str()) + ": Accelerator()");
}

QORString QORDialog::GetAcceleratorEvent(unsigned long word) {
  const int index = indexOfCode(word & 0xFFFF);
  if (index < 0) return QORString();
  std::string s;
  if (word & QORDlgAccAlt) s += "Meta ";
  if (word & QORDlgAccCtrl) s += "Ctrl ";
  if (word & QORDlgAccShift) s += "Shift ";
  // Xt knows these keys by their keysym names.
  const std::string name = KeyName[index];
  s += "<Key>";
  s += name == "Esc" ? "Escape" : name == "Del" ? "Delete" : name == "Enter" ? "Return" : name;
  return QORString(s);
}
