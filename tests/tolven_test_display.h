// Whether a suite without a display skips or fails: scripts/test and CI runs
// set TOLVEN_REQUIRE_DISPLAY=1 (or CI=true), where a skip would pass unseen.
#pragma once
#include <gtest/gtest.h>

#include <cstdlib>
#include <cstring>

inline bool TolvenDisplayRequired() {
  const char* required = std::getenv("TOLVEN_REQUIRE_DISPLAY");
  const char* ci = std::getenv("CI");
  return (required && std::strcmp(required, "1") == 0) || (ci && std::strcmp(ci, "true") == 0);
}

// Leaves the calling test when there is no display: a skip, or a failure
// where a display is required.
#define TOLVEN_NEED_DISPLAY(have)                                                        \
  do {                                                                                   \
    if (have) break;                                                                     \
    if (TolvenDisplayRequired()) GTEST_FAIL() << "needs DISPLAY (TOLVEN_REQUIRE_DISPLAY)"; \
    GTEST_SKIP() << "needs DISPLAY";                                                     \
  } while (0)
