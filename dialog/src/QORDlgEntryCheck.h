// Internal to libTOLVEN: not API, never installed.
// The content check of the text controls: whether a text may stand in a
// field restricted to integers, reals, letters, digits or a physical value.
// Plain C++ over the control's validators, so the fuzzers reach it without X.
#pragma once
#include "QORDlgControl.h"

// What a field may hold: free text, or one of the content restrictions.
enum class QORDlgEntryContent { Free, Integer, Float, Alpha, Digits, Alphanumeric, Real };

// 1 when `text` (UTF-8) may stand in a field restricted to `content`; a real
// field reads it in `unit` and gives its base value in *value (when given).
int QORDlgEntryAccepts(QORDlgEntryContent content, const char* text, QORDlgControl::QORDlgUnit unit,
                       double* value = nullptr);
