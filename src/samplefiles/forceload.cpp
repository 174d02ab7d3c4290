// ForceLoadTemp: loading a file with a decoder the caller chooses by bit depth and
// mode instead of by extension.
#include <cstdint>

#include "platform/files.h"
#include "platform/print.h"
#include "platform/streams.h"
#include "samplefiles/soundio.h"

int TSoundIO::ForceLoadTemp(const std::string& path, int bits, int mode) {
  LpStart = 0;
  LpEnd = -1;
  aliasName = "";
  if (FileType(path) == FILETYPE_DIR) {
    LoadTemp(path);
    return 0;
  }
  CurrLoad = 0;
  int result = 0;
  switch (bits) {
    case 8:
      if (mode != 256) {
        const bool ipa = path.size() >= 4 && path.compare(path.size() - 4, 4, ".ipa") == 0;
        result = ipa ? LoadAs8Bit2(path) : LoadAs8Bit(path);
      }
      CurrBits = 8;
      break;
    case 12:
      result = LoadAs12Bit(path, 1);
      CurrBits = 12;
      break;
    case 16:
      if (mode == 256) {
        result = LoadAs16BitRev(path, 0);
        CurrBits = 16;
      } else if (mode == 512) {
        result = LoadAs16Bit(path, 0, 0);
        CurrBits = 16;
      } else if (mode == 514) {
        result = LoadAs16BitStereo(path, 0);
        CurrBits = 16;
      }
      break;
    case 24:
      if (mode == 256) {
        Print("forceloadtemp 24 bit reversed");
        CurrBits = 24;
      } else {
        Print("forceloadtemp 24 bit");
        std::unique_ptr<TStream> stream = ReadStream(path);
        if (!stream) return 0;
        const int64_t size = StreamSize(*stream);
        // Headerless little-endian 24-bit, one channel, the whole file.
        if (size <= INT32_MAX) {
          const int bytes = static_cast<int>(size);
          result = LoadAifData24(path, *stream, bytes / 3, bytes, 1, 1);
        }
        CloseStream(*stream);
        CurrBits = 24;
      }
      break;
    default:
      break;
  }
  return LoadEnded(result, path);
}
