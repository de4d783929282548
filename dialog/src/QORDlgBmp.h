// Internal to libTOLVEN: not API, never installed.
// Windows BMP images: the directory cache built from QORGraphicPath and the
// decoder for 1, 4, 8 and 24 bits per pixel without compression. No X here:
// ReadBmp (QORDlgReadBmp.h) turns the decoded colours into a pixmap.
#pragma once
#include <cstddef>
#include <vector>

#include "QORString.h"

struct DlgRGB {
  unsigned char red, green, blue;
};

// Results of the BMP readers.
enum : int {
  QORDlgBmpOK = 0,
  QORDlgBmpNoFile = 2,       // no file name matched
  QORDlgBmpBadFile = 3,      // cannot be opened, or headers (or data) missing or wrong
  QORDlgBmpUnsupported = 4,  // bit count, compression, or a size below 1
};

// Non-zero: look for NAME "P2.bmp" (the second icon set) before NAME ".bmp".
extern int LookP2;

// Decodes a whole BMP file held in memory. `pixels` receives width * height
// colours, top row first. Never reads outside [data, data + size).
int QORDlgBmpDecode(const unsigned char* data, size_t size, std::vector<DlgRGB>& pixels, int& width,
                    int& height);

// The file for an image name: a name with '/' or '\' is a path as it stands;
// otherwise the first QORGraphicPath directory whose listing holds the file
// name. 0 and the path, or QORDlgBmpNoFile.
int QORDlgBmpFindFile(const QORString& name, QORString& path);

// Finds, reads and decodes the image NAME.
int QORDlgBmpRead(const QORString& name, std::vector<DlgRGB>& pixels, int& width, int& height);

// The image as width * height RGB values, top row first (delete[] them);
// null when `result` is not 0.
DlgRGB* QORDlgBmp2Rgb(const QORString& name, int& width, int& height, int& result);

// Forgets the directory listings; the next lookup reads them again.
void FreePathCache();
