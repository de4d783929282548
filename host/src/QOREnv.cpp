#include "QOREnv.h"

#include <cstdlib>

const char* QORGetEnv(const char* name) { return name ? std::getenv(name) : nullptr; }

int QORPutEnv(char* definition) {
  if (!definition) return -1;
  return putenv(definition);
}

QORString QORMakePath(const QORString& dir, const QORString& name) {
  std::string d = dir.str();
  std::string n = name.str();
  if (!d.empty() && d.back() != '/') d += '/';
  while (!n.empty() && n.front() == '/' && !d.empty()) n.erase(0, 1);
  return QORString(d + n);
}

void QORSplitPath(const QORString& path, QORString& dir, QORString& file) {
  const std::string& p = path.str();
  const size_t slash = p.rfind('/');
  if (slash == std::string::npos) {
    dir = QORString();
    file = path;
  } else {
    dir = QORString(p.substr(0, slash + 1));
    file = QORString(p.substr(slash + 1));
  }
}
