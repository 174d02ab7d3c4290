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
  return LoadEnded(result, path);
}

int TCMISoundIO::LoadAsCMIVC(const std::string& path) {
  const int64_t size = FileSize(path);
  if (size < 4) return 0;
  // The shown voice is not read again; after a failed load nothing is shown.
  if (path == TempSound && DataType == 1) return 1;
  Print("currload = " + std::to_string(CurrLoad) + " " + path);
  if (size == kCMI3SeriesIISize) {
    Print("CMI Series I/II/IIx instrument file (page 3)");
    return LoadAs16BitRev(path, 0);
  }
  Print("CMI Series III voice file");
  return voice3_info(path, size);
}
