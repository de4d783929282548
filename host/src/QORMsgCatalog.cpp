#include "QORMsgCatalog.h"

#include <sys/stat.h>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <memory>

#include "QOREnv.h"

namespace {

// Catalogs are small hand-written files; anything this large is a mistake
// (or hostile) and is refused before it is read into memory.
const size_t kMaxCatalogSize = 16u * 1024u * 1024u;

bool isKeyChar(unsigned char c) {
  return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') || c == '_' ||
         c == '.' || c == '-';
}

int hexValue(unsigned char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  return -1;
}

// Reader of one catalog text. It stops at the first error and keeps its
// message; the caller then discards everything parsed so far.
class CatalogParser {
 public:
  CatalogParser(const char* text, size_t length, std::string fileName)
      : s_(text ? std::string(text, length) : std::string()), file_(std::move(fileName)) {}

  bool Parse(std::map<std::string, QORUnicodeString>& out) {
    if (s_.compare(0, 3, "\xEF\xBB\xBF") == 0) pos_ = 3;
    std::map<std::string, int> definedAt;
    for (;;) {
      if (!skipBlank()) return false;
      if (pos_ >= s_.size()) return true;
      const int keyLine = line_;
      std::string key;
      while (pos_ < s_.size() && isKeyChar(static_cast<unsigned char>(s_[pos_]))) key += s_[pos_++];
      if (key.empty()) {
        if (s_[pos_] == '=') return error(line_, "empty key");
        return unexpected();
      }
      if (!skipBlank()) return false;
      if (pos_ >= s_.size() || s_[pos_] != '=') return error(keyLine, "missing '=' after key " + key);
      ++pos_;
      const int equalLine = line_;
      if (!skipBlank()) return false;
      if (pos_ >= s_.size() || s_[pos_] != '"') return error(equalLine, "missing string after '=' for key " + key);
      std::string value;
      int lastLine = line_;
      while (pos_ < s_.size() && s_[pos_] == '"') {
        // Adjacent strings are one value, so long texts can span lines.
        if (!readString(value)) return false;
        lastLine = line_;
        if (!skipBlank()) return false;
      }
      if (pos_ >= s_.size() || s_[pos_] != ';') return error(lastLine, "missing ';' after the value of " + key);
      ++pos_;
      auto known = definedAt.find(key);
      if (known != definedAt.end())
        return error(keyLine, "key " + key + " already defined at line " + std::to_string(known->second));
      definedAt.emplace(key, keyLine);
      out[key] = QORUnicodeString(value);
    }
  }

  const std::string& Error() const { return error_; }

 private:
  bool error(int line, const std::string& what) {
    error_ = file_ + ":" + std::to_string(line) + ": " + what;
    return false;
  }

  // Length of the UTF-8 sequence at pos_, or 0 after reporting it as invalid.
  int checkedChar(char32_t* cp) {
    const int n = qor_utf8::Decode(s_, pos_, cp);
    if (n == 0) error(line_, "invalid UTF-8");
    return n;
  }

  bool unexpected() {
    char32_t cp = 0;
    if (checkedChar(&cp) == 0) return false;
    char buf[40];
    if (cp > 0x20 && cp < 0x7F)
      std::snprintf(buf, sizeof buf, "unexpected character '%c'", static_cast<char>(cp));
    else
      std::snprintf(buf, sizeof buf, "unexpected character U+%04X", static_cast<unsigned>(cp));
    return error(line_, buf);
  }

  // Skips white space and // comments; false when a comment holds bad UTF-8.
  bool skipBlank() {
    while (pos_ < s_.size()) {
      const char c = s_[pos_];
      if (c == '\n') {
        ++line_;
        ++pos_;
      } else if (c == ' ' || c == '\t' || c == '\r' || c == '\f' || c == '\v') {
        ++pos_;
      } else if (c == '/' && pos_ + 1 < s_.size() && s_[pos_ + 1] == '/') {
        while (pos_ < s_.size() && s_[pos_] != '\n') {
          char32_t cp;
          const int n = checkedChar(&cp);
          if (n == 0) return false;
          pos_ += n;
        }
      } else {
        break;
      }
    }
    return true;
  }

  bool readHex4(char32_t* cp) {
    if (pos_ + 4 > s_.size()) return false;
    char32_t v = 0;
    for (int k = 0; k < 4; ++k) {
      const int h = hexValue(static_cast<unsigned char>(s_[pos_ + k]));
      if (h < 0) return false;
      v = (v << 4) | static_cast<char32_t>(h);
    }
    pos_ += 4;
    *cp = v;
    return true;
  }

  // \uXXXX, with a surrogate pair for characters beyond the BMP. pos_ is after the 'u'.
  bool readUnicodeEscape(std::string& out) {
    char32_t cp;
    if (!readHex4(&cp)) return error(line_, "bad escape \\u (four hex digits expected)");
    if (cp >= 0xD800 && cp <= 0xDBFF) {
      char32_t low;
      if (s_.compare(pos_, 2, "\\u") != 0) return error(line_, "bad escape: lone surrogate");
      pos_ += 2;
      if (!readHex4(&low) || low < 0xDC00 || low > 0xDFFF) return error(line_, "bad escape: lone surrogate");
      cp = 0x10000 + ((cp - 0xD800) << 10) + (low - 0xDC00);
    } else if (cp >= 0xDC00 && cp <= 0xDFFF) {
      return error(line_, "bad escape: lone surrogate");
    } else if (cp == 0) {
      // Texts travel as C strings; a NUL would silently cut them.
      return error(line_, "bad escape \\u0000");
    }
    qor_utf8::Append(out, cp);
    return true;
  }

  // One "..." literal appended to out; strings do not span lines.
  bool readString(std::string& out) {
    const int startLine = line_;
    ++pos_;
    for (;;) {
      if (pos_ >= s_.size() || s_[pos_] == '\n') return error(startLine, "unterminated string");
      const char c = s_[pos_];
      if (c == '"') {
        ++pos_;
        return true;
      }
      if (c == '\0') return error(line_, "NUL byte in string");
      if (c == '\\') {
        if (pos_ + 1 >= s_.size() || s_[pos_ + 1] == '\n') return error(startLine, "unterminated string");
        const char e = s_[pos_ + 1];
        pos_ += 2;
        switch (e) {
          case '"': out += '"'; break;
          case '\\': out += '\\'; break;
          case 'n': out += '\n'; break;
          case 't': out += '\t'; break;
          case 'u':
            if (!readUnicodeEscape(out)) return false;
            break;
          default: {
            std::string what = "bad escape \\";
            if (static_cast<unsigned char>(e) > 0x20 && static_cast<unsigned char>(e) < 0x7F) what += e;
            return error(line_, what);
          }
        }
        continue;
      }
      char32_t cp;
      const int n = checkedChar(&cp);
      if (n == 0) return false;
      out.append(s_, pos_, n);
      pos_ += n;
    }
  }

  std::string s_;
  std::string file_;
  size_t pos_ = 0;
  int line_ = 1;
  std::string error_;
};

}  // namespace

int QORMsg::GetNbParameters() const {
  const std::string& t = text_.str();
  bool seen[10] = {};
  int count = 0;
  for (size_t i = 0; i + 1 < t.size(); ++i) {
    if (t[i] != '%') continue;
    const char d = t[i + 1];
    if (d >= '1' && d <= '9' && !seen[d - '0']) {
      seen[d - '0'] = true;
      ++count;
    }
    ++i;  // "%%" is one literal '%', never the start of a parameter
  }
  return count;
}

QORUnicodeString QORMsg::BuildMessage(const std::vector<QORUnicodeString>& parameters) const {
  const std::string& t = text_.str();
  std::string out;
  out.reserve(t.size());
  for (size_t i = 0; i < t.size(); ++i) {
    if (t[i] != '%' || i + 1 >= t.size()) {
      out += t[i];
      continue;
    }
    const char d = t[i + 1];
    if (d == '%') {
      out += '%';
      ++i;
    } else if (d >= '1' && d <= '9') {
      const size_t index = static_cast<size_t>(d - '1');
      if (index < parameters.size()) out += parameters[index].str();
      else out.append(t, i, 2);
      ++i;
    } else {
      out += '%';
    }
  }
  return QORUnicodeString(out);
}

// A failed load leaves the catalog empty rather than as it was: a caller that
// ignores the result then sees missing keys, not stale texts from another file.
int QORMsgCatalog::LoadFromText(const char* text, size_t length, const char* fileName) {
  entries_.clear();
  fileName_ = fileName ? fileName : "";
  if (length > kMaxCatalogSize) {
    error_ = fileName_ + ": catalog larger than 16 MiB";
    return -1;
  }
  std::map<std::string, QORUnicodeString> parsed;
  CatalogParser parser(text, text ? length : 0, fileName_);
  if (!parser.Parse(parsed)) {
    error_ = parser.Error();
    return -1;
  }
  entries_.swap(parsed);
  error_.clear();
  return 1;
}

std::string QORMsgCatalog::FindCatalogFile(const char* name, const char* directories) {
  if (!name || !*name) return std::string();
  if (!directories) directories = QORGetEnv("TOLVEN_CATALOG_PATH");
  // Without any path the current directory is the only place looked at.
  const std::string path = directories ? directories : "";
  const std::string file = std::string(name) + ".catalog";
  size_t start = 0;
  for (;;) {
    const size_t colon = path.find(':', start);
    const std::string dir = path.substr(start, colon == std::string::npos ? std::string::npos : colon - start);
    const std::string candidate = dir.empty() ? file : QORMakePath(dir, file).str();
    struct stat st;
    if (stat(candidate.c_str(), &st) == 0 && S_ISREG(st.st_mode)) return candidate;
    if (colon == std::string::npos) break;
    start = colon + 1;
  }
  return std::string();
}

int QORMsgCatalog::LoadMsgCatalog(const char* name, const char* directories) {
  entries_.clear();
  name_ = name ? name : "";
  const std::string found = FindCatalogFile(name, directories);
  fileName_ = found;
  if (found.empty()) {
    error_ = "cannot find catalog " + name_ + ".catalog";
    return 0;
  }
  std::unique_ptr<FILE, int (*)(FILE*)> f(std::fopen(found.c_str(), "rb"), std::fclose);
  if (!f) {
    error_ = found + ": " + std::strerror(errno);
    return -1;
  }
  // Read to the end, stopping as soon as the data is over the cap, so even a
  // file that grows while it is read cannot exhaust memory.
  std::string data;
  char chunk[65536];
  size_t n;
  while ((n = std::fread(chunk, 1, sizeof chunk, f.get())) > 0) {
    data.append(chunk, n);
    if (data.size() > kMaxCatalogSize) {
      error_ = found + ": catalog larger than 16 MiB";
      return -1;
    }
  }
  if (std::ferror(f.get())) {
    error_ = found + ": read error";
    return -1;
  }
  return LoadFromText(data.data(), data.size(), found.c_str());
}

QORMsg QORMsgCatalog::GetCatalogMsg(const char* key) const {
  if (!key) return QORMsg();
  auto it = entries_.find(key);
  return it == entries_.end() ? QORMsg() : QORMsg(it->second);
}

bool QORMsgCatalog::HasKey(const char* key) const { return key && entries_.count(key) != 0; }
