// Internal to libTOLVEN: not API, never installed.
// Programming errors stop the process with an assertion that names the
// condition in the toolkit's own words ("pere!=NULL", "father != NULL").
// These checks stay on in release builds, so the glibc reporter is declared
// here: <assert.h> hides it under NDEBUG.
#pragma once

extern "C" void __assert_fail(const char* assertion, const char* file, unsigned int line,
                              const char* function) noexcept __attribute__((__noreturn__));

#define QORDLG_ASSERT(expr, text) \
  ((expr) ? static_cast<void>(0) : __assert_fail(text, __FILE__, __LINE__, __PRETTY_FUNCTION__))
