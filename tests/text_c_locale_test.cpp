// The Unicode text path in the C locale: texts still show as written.
#define TOLVEN_TEXT_LOCALE "C"
#include "tolven_test_text.h"
