#include "l_QORDlgRecordCases.h"

#include <cstring>

#include "QORNotification.h"

l_QORDlgRecordCases::Case& l_QORDlgRecordCases::add(QORNotification* n, Codec codec) {
  return add(n->IsA(), n, std::move(codec));
}

l_QORDlgRecordCases::Case& l_QORDlgRecordCases::add(const char* className, QORNotification* sent, Codec codec) {
  cases.push_back(Case{className, sent, std::move(codec), nullptr});
  return cases.back();
}

const l_QORDlgRecordCases::Case* l_QORDlgRecordCases::find(const char* className) const {
  for (const Case& c : cases)
    if (std::strcmp(c.className, className) == 0) return &c;
  return nullptr;
}
