// Named setting repositories stored as $XDG_CONFIG_HOME/tolven/NAME.settings
// (default ~/.config), one "key=value" line each. Values escape '\\' and
// newlines; saving writes a temporary file and renames it over the old one.
#pragma once
#include <map>
#include <string>

#include "QORString.h"

class QORSettingRepository {
 public:
  // The process's repository of that name, loaded from its file on first use.
  static QORSettingRepository* GetRepository(const char* name);
  // Forgets every loaded repository (unsaved changes are lost).
  static void ReleaseAll();

  // A stored value overwrites `value` and returns true; otherwise `value` keeps its default.
  bool ReadSetting(const char* key, int& value) const;
  bool ReadSetting(const char* key, long& value) const;
  bool ReadSetting(const char* key, double& value) const;
  bool ReadSetting(const char* key, QORString& value) const;
  void WriteSetting(const char* key, int value);
  void WriteSetting(const char* key, long value);
  void WriteSetting(const char* key, double value);
  void WriteSetting(const char* key, const QORString& value);
  void RemoveSetting(const char* key);
  // Returns 1 when written, 0 on failure (GetError() tells why).
  int SaveRepository();
  const std::string& GetFileName() const { return file_; }
  const std::string& GetError() const { return error_; }
  static std::string DirectoryName();

 private:
  explicit QORSettingRepository(const char* name);
  const std::string* find(const char* key) const;

  std::string name_;
  std::string file_;
  std::string error_;
  std::map<std::string, std::string> values_;
};
