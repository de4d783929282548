// tolven-gallery: every kind of Tolven object, one dialog box per family in
// a document window, with a log of every notification on standard output.
//   tolven-gallery [--record FILE | --replay FILE] [--tour] [--sdi]
// --sdi: the boxes are top-level windows beside the document instead of
// child frames inside it.
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

#include "GalleryApp.h"

namespace {
int usage() {
  std::fprintf(stderr, "usage: tolven-gallery [--record FILE | --replay FILE] [--tour] [--sdi]\n");
  return 2;
}
// Catalogs and icons of the repository, unless the user chose others.
void defaultPath(const char* variable, const char* directory) {
  if (std::getenv(variable)) return;
  const std::string value = std::string(TOLVEN_SOURCE_DIR) + "/" + directory;
  setenv(variable, value.c_str(), 1);
}
}  // namespace

int main(int argc, char** argv, char** envp) {
  bool tour = false, mdi = true;
  for (int i = 1; i < argc; ++i) {
    const bool record = std::strcmp(argv[i], "--record") == 0, replay = std::strcmp(argv[i], "--replay") == 0;
    if (record || replay) {
      if (i + 1 >= argc) return usage();
      // The record controller reads these when the application starts.
      setenv(record ? "TOLVEN_RECORD" : "TOLVEN_REPLAY", argv[++i], 1);
    } else if (std::strcmp(argv[i], "--tour") == 0) {
      tour = true;
    } else if (std::strcmp(argv[i], "--sdi") == 0) {
      mdi = false;
    } else {
      return usage();
    }
  }
  defaultPath("TOLVEN_CATALOG_PATH", "catalogs");
  defaultPath("TRIVOICONPATH", "icons");
  GalleryApp app(nullptr, "Gallery", tour, mdi);
  return QORStartApplication(app, 1, argv, envp);
}
