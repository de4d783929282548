// The Unicode text path in a UTF-8 locale.
#define TOLVEN_TEXT_LOCALE "C.UTF-8"
#include "tolven_test_text.h"
