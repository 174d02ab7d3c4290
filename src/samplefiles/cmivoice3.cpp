// The CMI Series III voice reader: the voice header, the scan of the 64 sub-voice index
// entries with the report it prints, and the joining of the taken sub-voices' big-endian
// data into one sample. Every position and length read from the file is checked
// against the file's size before anything is read there.
#include <algorithm>
#include <array>
#include <climits>
#include <utility>
#include <vector>

#include "platform/print.h"
#include "platform/streams.h"
#include "samplefiles/cmisoundio.h"

namespace {

constexpr int kHeaderBytes = 256;
constexpr int kCommandBlockSize = 2048;

std::string Text(int64_t value) { return std::to_string(value); }

void Reject(cmi3_sv_index_s& entry) {
  entry.number = 0xFF;
  entry.sampleLength = -1;
}

bool Counts(const cmi3_sv_index_s& entry) { return entry.number != 0 && entry.sampleLength > 0; }

// count big-endian words at pos into values, as native 16-bit values.
void ReadBigEndianWords(TStream& stream, int64_t pos, int count, int16_t* values) {
  std::vector<uint8_t> bytes(static_cast<size_t>(count) * 2);
  SeekStream(stream, pos);
  ReadBytes(stream, bytes.data(), static_cast<int64_t>(bytes.size()));
  for (int i = 0; i < count; ++i)
    values[i] = static_cast<int16_t>((bytes[2 * static_cast<size_t>(i)] << 8) | bytes[2 * static_cast<size_t>(i) + 1]);
}

}  // namespace

int TCMISoundIO::cmi3_find_subvoice_samples(TStream& stream, int stereo, int64_t pos, int n,
                                            cmi3_sv_index_s& entry, int64_t fileSize) {
  if (pos >= fileSize || pos + kHeaderBytes > fileSize) return 0;
  SeekStream(stream, pos);
  cmi3_sv_id_s header;
  header.Read(stream);
  int64_t size = header.Size();
  const int64_t bsize = header.BSize();
  const std::string name = CMI3Name(header.name, sizeof(header.name));
  Print("name: " + name + " " + Text(header.svforwave & 0x7F) + " " + Text(n));
  if (size == 0) size = bsize;

  const bool firstAfter = (header.svforwave & 0x80) != 0;
  const int64_t start = (firstAfter ? pos + size : pos) + kCMI3SampleOffset;
  const int64_t length = firstAfter ? bsize : size;
  const int64_t bstart = pos + ((header.bsvforwave & 0x80) ? size : 0) + kCMI3SampleOffset;
  // Data that does not lie inside the file is no sub-voice of it.
  if (start + length > fileSize || (stereo && bstart + length > fileSize)) return 0;

  entry.sampleStart = static_cast<int>(start);
  entry.sampleLength = static_cast<int>(length);
  entry.name = name;
  entry.samplebStart = stereo ? static_cast<int>(bstart) : -1;
  return 1;
}

int TCMISoundIO::voice3_info(const std::string& path, int64_t fileSize) {
  std::unique_ptr<TStream> stream = ReadStream(path);
  if (!stream) {
    Print("invalid stream");
    return -1;
  }
  fileSize = std::min(fileSize, StreamSize(*stream));
  cmi3_vc_id_s header;
  header.read(*stream);
  if (header.version0 != 3) {
    Print("  not CMI Series III");
    return -1;
  }
  Print("CMI Series III voice file");
  Print("version:  " + Text(header.version0) + " " + Text(header.version1));
  if (header.version1 > 1) return -1;
  const bool stereo = header.stereo != 0;
  Print(stereo ? "mode:     STEREO" : "mode:     MONO");
  const int psize = header.psize0 * 256 + header.psize1;
  if (psize != 0 && psize != kCommandBlockSize) {
    Print("incompatible voice mpcmds size");
    return -1;
  }
  const int fsize = header.fsize0 * 256 + header.fsize1;
  Print("funcs:    " + Text(fsize / 256));
  Print("funcsmax: " + Text(header.funcsmax));
  if (fsize > 0) Print("funcoff:  2816 (256 Bytes per table)");
  Print(stereo ? "subvoices: sv     start     sampleA    sampleB     size     bit  rate     name"
               : "subvoices: sv     start     sample     size        bit  rate      name");
  Print(std::string(74, '-'));
  Print("totalSize = " + Text(fileSize));

  std::array<cmi3_sv_index_s, kCMI3Subvoices> entries;
  int64_t total = 0;
  int64_t previousStart = 0;
  bool stopped = false;
  bool anyTaken = false;
  SeekStream(*stream, kHeaderBytes);
  for (int n = 1; n <= kCMI3Subvoices; ++n) {
    cmi3_sv_index_s& entry = entries[static_cast<size_t>(n - 1)];
    if (stopped) {
      Reject(entry);
      continue;
    }
    entry.read(*stream);
    const int64_t after = StreamPos(*stream);
    if (entry.number != 0) {
      const int64_t pos = ((int64_t{entry.start0} << 16) | (entry.start1 << 8) | entry.start2) * 256;
      const bool filled = cmi3_find_subvoice_samples(*stream, stereo, pos, n, entry, fileSize) == 1;
      if (!filled || int64_t{entry.sampleStart} + entry.sampleLength > fileSize ||
          entry.sampleStart <= previousStart) {
        Reject(entry);
      } else {
        anyTaken = true;
        const int64_t bytes = stereo ? 2 * int64_t{entry.sampleLength} : entry.sampleLength;
        const int64_t end = entry.sampleStart + bytes;
        if (stereo)
          Print("name: " + entry.name + "  Lstart: " + Text(entry.sampleStart) + "  Rstart: " +
                Text(entry.samplebStart) + " size: " + Text(entry.sampleLength) + " end: " + Text(end));
        else
          Print("name: " + entry.name + "  start: " + Text(entry.sampleStart) + " size: " +
                Text(entry.sampleLength) + " end: " + Text(end));
        total += bytes;
        if (end >= fileSize || entry.sampleStart < 10 || entry.sampleLength < 10 || end < 10) {
          Print("IGNORE REST");
          stopped = true;
        }
        previousStart = entry.sampleStart;
      }
    }
    SeekStream(*stream, after);
  }
  if (anyTaken) Print("Total bytes of all samples is: " + Text(total));
  Print("");

  int64_t frames = 0;
  for (const cmi3_sv_index_s& entry : entries)
    if (Counts(entry)) frames += entry.sampleLength / 2;
  std::shared_ptr<TAudioSample> sample =
      frames > INT_MAX ? nullptr : CreateAudioSample(static_cast<int>(frames), 44100, stereo ? SF_STEREO16 : SF_MONO16);
  if (!sample) return -1;
  TempSample = sample;

  int16_t* values = sample->Values16();
  int64_t at = 0;  // frames filled so far
  std::vector<int16_t> left, right;
  for (const cmi3_sv_index_s& entry : entries) {
    if (!Counts(entry)) continue;
    const int count = entry.sampleLength / 2;
    if (!stereo) {
      ReadBigEndianWords(*stream, entry.sampleStart, count, values + at);
    } else {
      left.resize(static_cast<size_t>(count));
      right.resize(static_cast<size_t>(count));
      ReadBigEndianWords(*stream, entry.sampleStart, count, left.data());
      ReadBigEndianWords(*stream, entry.samplebStart, count, right.data());
      for (int i = 0; i < count; ++i) {
        values[2 * (at + i)] = left[static_cast<size_t>(i)];
        values[2 * (at + i) + 1] = right[static_cast<size_t>(i)];
      }
    }
    at += count;
  }
  CurrLoad = 7;
  CloseStream(*stream);
  return 1;
}
