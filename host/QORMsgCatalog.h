// Message catalogs: files NAME.catalog found along TOLVEN_CATALOG_PATH.
//
//   // comment
//   Key.Sub.Title = "Text with \"quotes\", \n and %1 parameters";
//   Long.Text = "first part, "
//               "second part";
//
// Keys are letters, digits, '_', '.' and '-'. Strings take the escapes \" \\ \n \t
// and \uXXXX. The file is UTF-8. Any error fails the whole load with a
// message naming the file and line.
#pragma once
#include <map>
#include <string>
#include <vector>

#include "QORString.h"

class QORMsg {
 public:
  QORMsg() = default;
  explicit QORMsg(const QORUnicodeString& text) : text_(text) {}
  bool IsEmpty() const { return text_.IsEmpty(); }
  const QORUnicodeString& GetText() const { return text_; }
  // Number of distinct parameters %1..%9 in the text.
  int GetNbParameters() const;
  // %n becomes parameters[n-1] (left as is when absent); %% becomes %.
  QORUnicodeString BuildMessage(const std::vector<QORUnicodeString>& parameters) const;

 private:
  QORUnicodeString text_;
};

class QORMsgCatalog {
 public:
  QORMsgCatalog() = default;
  // Loads NAME.catalog from `directories` (colon-separated) or, when null, from
  // TOLVEN_CATALOG_PATH; an empty entry is the current directory. Returns 1 on
  // success, 0 when the file is not found, -1 when it is malformed.
  int LoadMsgCatalog(const char* name, const char* directories);
  // Parses catalog text; `fileName` only names the source in messages.
  int LoadFromText(const char* text, size_t length, const char* fileName);
  // Text of the last failure ("" after a success).
  const char* GetError() const { return error_.c_str(); }
  const std::string& GetFileName() const { return fileName_; }
  const std::string& GetName() const { return name_; }
  // The message of `key`; an empty message when the key is missing.
  QORMsg GetCatalogMsg(const char* key) const;
  bool HasKey(const char* key) const;
  int GetCount() const { return static_cast<int>(entries_.size()); }
  const std::map<std::string, QORUnicodeString>& GetEntries() const { return entries_; }

  // Full file name of NAME.catalog along the path, or "" when not found.
  static std::string FindCatalogFile(const char* name, const char* directories);

 private:
  std::map<std::string, QORUnicodeString> entries_;
  std::string error_;
  std::string fileName_;
  std::string name_;
};
