// TCMISoundIO: a sample loader that also reads CMI voice files (extension "vc"):
// Series III voice files, whose sub-voices of big-endian 16-bit samples are joined end
// to end into one mono or stereo sample, and Series I/II/IIx instrument files of
// exactly 16384 bytes, read as headerless big-endian words. It prints a report of the
// file's structure while it reads.
#pragma once
#include <cstdint>
#include <string>

#include "samplefiles/cmi3records.h"
#include "samplefiles/soundio.h"

constexpr int kCMI3Subvoices = 64;          // index entries after the voice header
constexpr int kCMI3SeriesIISize = 16384;    // bytes of a Series I/II/IIx instrument file
constexpr int kCMI3SampleOffset = 0x900;    // from a sub-voice header to its data

class TCMISoundIO : public TSoundIO {
 public:
  // A "vc" file into the preview (1 when the shown sample changed, 0 when not); any
  // other extension goes to LoadTemp.
  virtual int LoadCMITemp(const std::string& path);
  // The Series III reader: 1 with TempSample made, -1 after a failure.
  virtual int voice3_info(const std::string& path, int64_t fileSize);
  // Fills entry from the sub-voice header at pos: 1, or 0 when no whole header (or no
  // data inside the file) is there.
  virtual int cmi3_find_subvoice_samples(TStream& stream, int stereo, int64_t pos, int n,
                                         cmi3_sv_index_s& entry, int64_t fileSize);
  // 1 loaded (or the path is the one shown), 0 not, -1 from the Series III reader.
  virtual int LoadAsCMIVC(const std::string& path);
};
