#include "QORDlgEntryCheck.h"

#include "l_QORDlgControl.h"

int QORDlgEntryAccepts(QORDlgEntryContent content, const char* text, QORDlgControl::QORDlgUnit unit,
                       double* value) {
  switch (content) {
    case QORDlgEntryContent::Free: return 1;
    case QORDlgEntryContent::Integer: {
      int i = 0;
      return l_QORDlgControl::IsInteger(text, &i);
    }
    case QORDlgEntryContent::Float: {
      float f = 0;
      return l_QORDlgControl::IsFloat(text, &f);
    }
    case QORDlgEntryContent::Alpha: return l_QORDlgControl::IsAlphabetical(text);
    case QORDlgEntryContent::Digits: return l_QORDlgControl::IsNumerical(text);
    case QORDlgEntryContent::Alphanumeric: return l_QORDlgControl::IsAlphanumerical(text);
    case QORDlgEntryContent::Real: {
      double d = 0;
      const int ok = l_QORDlgControl::IsDouble(text, &d, unit);
      if (ok && value) *value = d;
      return ok;
    }
  }
  return 0;
}
