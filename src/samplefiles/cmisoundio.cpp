// TCMISoundIO's entry points: choosing the CMI reader by extension and by file size,
// and the load endings.
#include "samplefiles/cmisoundio.h"

#include "platform/files.h"
#include "platform/paths.h"
#include "platform/print.h"
#include "platform/textcase.h"

int TCMISoundIO::LoadCMITemp(const std::string& path) {
  if (ToLower(ExtractExt(path)) != "vc") return LoadTemp(path);
  const int result = LoadAsCMIVC(path);
  CurrBits = 16;
  return result == 1 ? LoadSucceeded(path) : LoadFailed();
}

int TCMISoundIO::LoadAsCMIVC(const std::string& path) {
  const int64_t size = FileSize(path);
  if (size < 4) return 0;
  if (path == TempSound) return 1;
  Print("currload = " + std::to_string(CurrLoad) + " " + path);
  if (size == kCMI3SeriesIISize) {
    Print("CMI Series I/II/IIx instrument file (page 3)");
    return LoadAs16BitRev(path, 0);
  }
  Print("CMI Series III voice file");
  return voice3_info(path, size);
}
