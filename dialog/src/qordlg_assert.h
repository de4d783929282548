// Programming errors stop the process with an assertion that names the
// condition in the toolkit's own words ("pere!=NULL", "father != NULL").
#pragma once
#include <cassert>

#define QORDLG_ASSERT(expr, text) \
  ((expr) ? static_cast<void>(0) : __assert_fail(text, __FILE__, __LINE__, __PRETTY_FUNCTION__))
