// EMU1 sampler files: the sample data is found between long runs of zero bytes.
// OpenEMU1 measures the gaps between runs of at least 48 zeros from byte 479 on and
// takes the data range from them; GetFileChrCount measures one run.
#include <algorithm>
#include <climits>
#include <memory>

#include "platform/print.h"
#include "platform/streams.h"
#include "samplefiles/cmidisk.h"

namespace {
constexpr int kScanFrom = 0x1DF;       // first byte after the file's header
constexpr int kMinZeroRun = 48;
constexpr int kDataGap = 36000;        // a gap longer than this holds the sample data
constexpr int kLongGap = 100000;       // a gap longer than this ends the data
constexpr int kNearStart = 500000;     // long gaps this close to the start are passed over
}  // namespace

int GetFileChrCount(TStream& stream, int low, int high) {
  auto within = [&](int b) { return b >= low && b <= high; };
  for (;;) {
    int count = 0;
    if (Eof(stream)) return count;
    int b;
    do {
      b = ReadByte(stream);
    } while (!within(b) && !Eof(stream));
    if (within(b)) {
      count = 1;
      while (!Eof(stream)) {
        b = ReadByte(stream);
        if (!within(b) || Eof(stream)) break;
        ++count;
      }
    }
    if (Eof(stream) || count > 2) return count;
  }
}

int OpenEMU1(const std::string& path) {
  CMIDisk = "";
  CMIDiskSize = 0;
  Print("Open Em1=" + path);
  std::unique_ptr<TStream> stream = ReadStream(path);
  if (!stream) return 0;
  SeekStream(*stream, kScanFrom);
  int64_t prev = 0, start = 0, pos = 0, gap = 0;
  do {
    while (GetFileChrCount(*stream, 0, 0) < kMinZeroRun && !Eof(*stream)) {
    }
    pos = StreamPos(*stream);
    gap = pos - prev;
    if (pos < kNearStart && gap > kLongGap) {
      gap = 90000;
      pos = prev;
    }
    if (start == 0 && gap > kDataGap) start = prev;
    prev = pos;
  } while (gap <= kLongGap && !Eof(*stream));
  CMIDataStart = static_cast<int>(std::min<int64_t>(start, INT_MAX));
  CMIDataEnd = static_cast<int>(std::min<int64_t>(pos, INT_MAX));
  CloseStream(*stream);
  return 1;
}
