#include "QORSettingRepository.h"

#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <climits>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <memory>
#include <sstream>

#include "QOREnv.h"

namespace {
std::map<std::string, std::unique_ptr<QORSettingRepository>>& repositories() {
  static std::map<std::string, std::unique_ptr<QORSettingRepository>> r;
  return r;
}

std::string escapeValue(const std::string& v) {
  std::string out;
  for (char c : v) {
    if (c == '\\') out += "\\\\";
    else if (c == '\n') out += "\\n";
    else out += c;
  }
  return out;
}

std::string unescapeValue(const std::string& v) {
  std::string out;
  for (size_t i = 0; i < v.size(); ++i) {
    if (v[i] == '\\' && i + 1 < v.size()) {
      ++i;
      out += v[i] == 'n' ? '\n' : v[i];
    } else {
      out += v[i];
    }
  }
  return out;
}

bool validKey(const char* key) {
  return key && *key && !std::strchr(key, '=') && !std::strchr(key, '\n');
}

int makeDirectories(const std::string& dir) {
  for (size_t p = 1; p <= dir.size(); ++p) {
    if (p == dir.size() || dir[p] == '/') {
      const std::string part = dir.substr(0, p);
      if (mkdir(part.c_str(), 0755) != 0 && errno != EEXIST) return -1;
    }
  }
  return 0;
}
}  // namespace

std::string QORSettingRepository::DirectoryName() {
  const char* xdg = QORGetEnv("XDG_CONFIG_HOME");
  std::string base;
  if (xdg && *xdg) {
    base = xdg;
  } else {
    const char* home = QORGetEnv("HOME");
    base = std::string(home && *home ? home : ".") + "/.config";
  }
  return base + "/tolven";
}

QORSettingRepository* QORSettingRepository::GetRepository(const char* name) {
  if (!name || !*name || std::strchr(name, '/')) return nullptr;
  auto& r = repositories();
  auto it = r.find(name);
  if (it != r.end()) return it->second.get();
  QORSettingRepository* repo = new QORSettingRepository(name);
  r.emplace(name, std::unique_ptr<QORSettingRepository>(repo));
  return repo;
}

void QORSettingRepository::ReleaseAll() { repositories().clear(); }

QORSettingRepository::QORSettingRepository(const char* name)
    : name_(name), file_(DirectoryName() + "/" + name + ".settings") {
  std::ifstream in(file_);
  std::string line;
  while (std::getline(in, line)) {
    const size_t eq = line.find('=');
    if (eq == std::string::npos || eq == 0) continue;  // not a setting: skip, keep the rest
    values_[line.substr(0, eq)] = unescapeValue(line.substr(eq + 1));
  }
}

const std::string* QORSettingRepository::find(const char* key) const {
  if (!key) return nullptr;
  auto it = values_.find(key);
  return it == values_.end() ? nullptr : &it->second;
}

bool QORSettingRepository::ReadSetting(const char* key, long& value) const {
  const std::string* v = find(key);
  if (!v || v->empty()) return false;
  errno = 0;
  char* end = nullptr;
  const long parsed = std::strtol(v->c_str(), &end, 10);
  if (errno != 0 || *end != '\0') return false;
  value = parsed;
  return true;
}

bool QORSettingRepository::ReadSetting(const char* key, int& value) const {
  long l = value;
  if (!ReadSetting(key, l) || l < INT_MIN || l > INT_MAX) return false;
  value = static_cast<int>(l);
  return true;
}

bool QORSettingRepository::ReadSetting(const char* key, double& value) const {
  const std::string* v = find(key);
  if (!v || v->empty()) return false;
  std::istringstream in(*v);
  in.imbue(std::locale::classic());
  double parsed;
  if (!(in >> parsed) || !in.eof()) return false;
  value = parsed;
  return true;
}

bool QORSettingRepository::ReadSetting(const char* key, QORString& value) const {
  const std::string* v = find(key);
  if (!v) return false;
  value = QORString(*v);
  return true;
}

void QORSettingRepository::WriteSetting(const char* key, long value) {
  if (validKey(key)) values_[key] = std::to_string(value);
}
void QORSettingRepository::WriteSetting(const char* key, int value) { WriteSetting(key, static_cast<long>(value)); }
void QORSettingRepository::WriteSetting(const char* key, double value) {
  if (!validKey(key)) return;
  std::ostringstream out;
  out.imbue(std::locale::classic());
  out.precision(17);
  out << value;
  values_[key] = out.str();
}
void QORSettingRepository::WriteSetting(const char* key, const QORString& value) {
  if (validKey(key)) values_[key] = value.str();
}
void QORSettingRepository::RemoveSetting(const char* key) {
  if (key) values_.erase(key);
}

int QORSettingRepository::SaveRepository() {
  error_.clear();
  if (makeDirectories(DirectoryName()) != 0) {
    error_ = "cannot create " + DirectoryName() + ": " + std::strerror(errno);
    return 0;
  }
  // Write beside the target and rename, so a crash never leaves half a file.
  const std::string tmp = file_ + ".tmp." + std::to_string(getpid());
  FILE* f = std::fopen(tmp.c_str(), "w");
  if (!f) {
    error_ = "cannot write " + tmp + ": " + std::strerror(errno);
    return 0;
  }
  bool ok = true;
  for (const auto& kv : values_)
    ok = ok && std::fprintf(f, "%s=%s\n", kv.first.c_str(), escapeValue(kv.second).c_str()) >= 0;
  ok = (std::fflush(f) == 0) && ok;
  ok = (fsync(fileno(f)) == 0) && ok;
  ok = (std::fclose(f) == 0) && ok;
  if (!ok || std::rename(tmp.c_str(), file_.c_str()) != 0) {
    error_ = "cannot save " + file_ + ": " + std::strerror(errno);
    std::remove(tmp.c_str());
    return 0;
  }
  return 1;
}
