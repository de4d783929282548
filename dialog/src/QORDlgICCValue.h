// Internal to libTOLVEN: not API, never installed.
// A selection value as Xlib hands it over, turned into the block of bytes a
// reader gets. The value comes from another client: nothing in it is trusted.
#pragma once
#include <vector>

// Format 8 is copied as it is; format 16 and 32 items come as shorts and
// longs in this host's byte order and go into the block as 2 and 4 bytes
// each. False, and the block untouched, for a null value, another format, or
// more bytes than an int counts.
bool QORDlgICCCopyValue(const void* value, unsigned long length, int format, std::vector<char>* block);
