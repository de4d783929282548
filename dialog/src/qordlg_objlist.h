// Internal to libTOLVEN: not API, never installed.
// Turns the object lists of the envelopes' attachment operations into lists
// of letters: the null-terminated variable list and the initializer list.
#pragma once
#include <cstdarg>
#include <initializer_list>

#include "QORDialog.h"
#include "l_QORDialog.h"
#include "l_QORDlgList.h"

inline void qordlgCollectLetters(l_QORDlgList& out, QORDialog* first, va_list ap) {
  for (QORDialog* d = first; d; d = va_arg(ap, QORDialog*))
    if (l_QORDialog* l = d->GetLetterObject()) out.insertTail(l);
}

inline void qordlgCollectLetters(l_QORDlgList& out, std::initializer_list<QORDialog*> objs) {
  for (QORDialog* d : objs)
    if (d && d->GetLetterObject()) out.insertTail(d->GetLetterObject());
}

inline l_QORDialog* qordlgLetterOf(QORDialog* d) { return d ? d->GetLetterObject() : nullptr; }
