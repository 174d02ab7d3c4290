// The default font's file through fontconfig.
#include "platform/fontfile.h"

#include <fontconfig/fontconfig.h>

#include "platform/files.h"

namespace {

constexpr const char* kDefaultFontPattern = "DejaVu Sans:scalable=true";

std::string MatchedFontFile(const char* name) {
  // A configuration of its own, read afresh: this runs once, and only off Debian's path.
  FcConfig* config = FcInitLoadConfigAndFonts();
  if (config == nullptr) return "";
  std::string file;
  if (FcPattern* pattern = FcNameParse(reinterpret_cast<const FcChar8*>(name))) {
    FcConfigSubstitute(config, pattern, FcMatchPattern);
    FcDefaultSubstitute(pattern);
    FcResult result = FcResultNoMatch;
    if (FcPattern* match = FcFontMatch(config, pattern, &result)) {
      FcChar8* path = nullptr;
      if (FcPatternGetString(match, FC_FILE, 0, &path) == FcResultMatch && path != nullptr)
        file = reinterpret_cast<const char*>(path);
      FcPatternDestroy(match);
    }
    FcPatternDestroy(pattern);
  }
  FcConfigDestroy(config);
  return file;
}

}  // namespace

std::string FindDefaultFontFile(const std::string& firstTry) {
  if (FileType(firstTry) == FILETYPE_FILE) return firstTry;
  std::string found = MatchedFontFile(kDefaultFontPattern);
  return FileType(found) == FILETYPE_FILE ? found : "";
}
