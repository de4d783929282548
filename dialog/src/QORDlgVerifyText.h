// Internal to libTOLVEN: not API, never installed.
// What a text field would hold if Motif accepted the change it is asking
// about: the keystroke checks of editors, combos and spinners judge that.
#pragma once
#include <Xm/Xm.h>

#include "QORString.h"

// `current` with the characters [startPos, endPos) of the verify structure
// replaced by its inserted text. Positions count characters; the inserted
// text is in the locale's multibyte form and comes back as UTF-8.
QORUnicodeString QORDlgVerifiedText(const QORUnicodeString& current, const XmTextVerifyCallbackStruct* verify);
// The inserted text of the verify structure as UTF-8 (empty for a deletion).
QORUnicodeString QORDlgVerifyInserted(const XmTextVerifyCallbackStruct* verify);
