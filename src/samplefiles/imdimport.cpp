// ImageDisk images of CMI floppy disks: OpenIMD finds the disk's directory of voice
// files in the image and keeps the "VC" entries in CMIFileStructure; ConvertIMDToBinary
// lays the image's sectors out flat in CMIRamDisk. The file is read byte by byte and
// every read stops at its end; no entry or sector is ever placed outside the fixed
// tables.
#include <algorithm>
#include <cstddef>
#include <memory>

#include "platform/files.h"
#include "platform/print.h"
#include "platform/streams.h"
#include "samplefiles/cmidisk.h"
#include "samplefiles/cmivoicedesc.h"

namespace {

constexpr int kSectorBytes = 128;
constexpr int kCommentEnd = 0x1A;
constexpr int kDirectoryMark = 0x7F;
constexpr int kEntryBytes = 16;
constexpr int kNameBytes = 8;

// Where a voice file's bytes lie, from its first sector: a sector of 0x80 bytes comes
// before the voice descriptor, and the sample data follows it.
constexpr int kDescriptorAt = 0x80;
constexpr int kLoopStartAt = 0x13B2;
constexpr int kLoopEndAt = 0x13B3;
constexpr int kLoopFlagAt = 0x13BA;
constexpr int kSampleDataAt = 0x1581;
static_assert(kLoopStartAt == kDescriptorAt + offsetof(cmi_vc_des_s, swav));
static_assert(kLoopEndAt == kDescriptorAt + offsetof(cmi_vc_des_s, ewav));
static_assert(kSampleDataAt == kDescriptorAt + sizeof(cmi_vc_des_s) + 1);

// Bytes of a stream one at a time: -1 once it has ended.
class TByteReader {
 public:
  explicit TByteReader(TStream& stream) : stream_(stream) {}
  int Next() { return Eof(stream_) ? -1 : ReadByte(stream_); }
  // Reads count bytes; the last one read, or -1 when the stream ended first.
  int Skip(int count) {
    int last = -1;
    for (int i = 0; i < count; ++i)
      if ((last = Next()) < 0) return -1;
    return last;
  }
  // Reads up to and including the first byte of value; false when the stream ended first.
  bool PassBeyond(int value) {
    for (int b = Next(); b >= 0; b = Next())
      if (b == value) return true;
    return false;
  }

 private:
  TStream& stream_;
};

bool IsRecordByte(int c) { return (c >= 1 && c <= 15) || (c >= 0x81 && c <= 0xFE); }

// Reads count bytes, keeping those in 0x21..0x7F; false when the stream ended first.
bool ReadNameBytes(TByteReader& reader, int first, int count, std::string& text) {
  for (int i = 0; i < count; ++i) {
    const int b = i == 0 && first >= 0 ? first : reader.Next();
    if (b < 0) return false;
    if (b >= 0x21 && b <= 0x7F) text += static_cast<char>(b);
  }
  return true;
}

// Moves to the first directory entry behind the 0x7F mark; false when there is none.
bool FindDirectory(TByteReader& reader) {
  for (;;) {
    if (!reader.PassBeyond(kDirectoryMark)) return false;
    const int a = reader.Next();
    const int b = reader.Next();
    if (b < 0) return false;
    if (a != 0xFF || b != 0xFF) return true;
    const int kind = reader.Next();
    if (kind < 0) return false;
    if (kind == 1) return true;
    if (kind == 0xFC) {
      for (int c = reader.Next(); c == 0; c = reader.Next()) {
      }
      return true;
    }
  }
}

// Scans at most kCMIMaxFiles entries into CMIFileStructure; the number kept.
int ScanDirectory(TByteReader& reader) {
  int kept = 0;
  for (int examined = 0; examined < kCMIMaxFiles; ++examined) {
    int c = reader.Next();
    while (IsRecordByte(c)) c = reader.Skip(c <= 7 ? c : kEntryBytes);
    if (c < 0) break;
    std::string name, extension;
    if (!ReadNameBytes(reader, c, kNameBytes, name)) break;
    if (name == "|") break;
    if (!ReadNameBytes(reader, -1, 2, extension)) break;
    if ((!name.empty() && extension.size() < 2) || (name.empty() && extension == "!")) break;
    const int hi = reader.Next();
    const int lo = reader.Next();
    if (reader.Skip(4) < 0) break;
    if (name.empty() && extension.empty()) continue;
    if (extension != "VC") continue;
    TCMISample& entry = CMIFileStructure[static_cast<size_t>(kept++)];
    entry = TCMISample{};
    entry.Name = name + "." + extension;
    entry.Extension = extension;
    entry.StartSectorHi = hi;
    entry.StartSectorLo = lo;
  }
  return kept;
}

// A byte of the flat copy, 0 outside it.
int DiskByte(int64_t index) {
  return index >= 0 && index < kCMIRamDiskSize ? CMIRamDisk[static_cast<size_t>(index)] : 0;
}

}  // namespace

int ConvertIMDToBinary(const std::string& path) {
  std::unique_ptr<TStream> stream = ReadStream(path);
  if (!stream) return 0;
  TByteReader reader(*stream);
  if (!reader.PassBeyond(kCommentEnd)) return 0;
  int64_t base = 0;
  while (!Eof(*stream)) {
    uint8_t track[5];  // mode, cylinder, head, sector count, size code
    if (ReadBytes(*stream, track, 5) < 5) return 0;
    const int head = track[2], count = track[3];
    if (track[4] != 0) return 0;
    uint8_t numbers[256];
    if (ReadBytes(*stream, numbers, count) < count) return 0;
    const int maps = ((head & 0x80) ? 1 : 0) + ((head & 0x40) ? 1 : 0);
    if (maps > 0 && reader.Skip(maps * count) < 0) return 0;
    for (int s = 0; s < count; ++s) {
      uint8_t bytes[kSectorBytes];
      const int type = reader.Next();
      if (type == 1) {
        if (ReadBytes(*stream, bytes, kSectorBytes) < kSectorBytes) return 0;
      } else if (type == 2) {
        const int fill = reader.Next();
        if (fill < 0) return 0;
        std::fill(bytes, bytes + kSectorBytes, static_cast<uint8_t>(fill));
      } else {
        return 0;
      }
      // Sectors numbered outside the track or placed beyond the flat copy are dropped.
      const int number = numbers[s];
      const int64_t at = base + int64_t{number - 1} * kSectorBytes;
      if (number >= 1 && number <= count && at + kSectorBytes <= kCMIRamDiskSize)
        std::copy(bytes, bytes + kSectorBytes, CMIRamDisk.begin() + at);
    }
    base += int64_t{count} * kSectorBytes;
  }
  return 1;
}

int OpenIMD(const std::string& path) {
  CMIDisk = "";
  CMIDiskSize = 0;
  CMIFileCount = 0;
  if (FileType(path) != FILETYPE_FILE) return 0;
  std::unique_ptr<TStream> stream = ReadStream(path);
  if (!stream) return 0;
  if (ReadString(*stream, 4) != "IMD ") return 0;
  const std::string version = ReadString(*stream, 4);
  if (version == "1.11" || version == "1.17") {
    Print("imd ver " + version);
  } else {
    Print("imd ver not supported");
    return 0;
  }

  TByteReader reader(*stream);
  for (int i = 0; i < 3; ++i) reader.PassBeyond(kCommentEnd);
  reader.Skip(1);
  reader.Skip(8);
  reader.Skip(100);
  const int kept = FindDirectory(reader) ? ScanDirectory(reader) : 0;
  CloseStream(*stream);

  if (!ConvertIMDToBinary(path)) return 0;
  CMIFileCount = kept;
  CMIDiskSize = kCMIRamDiskSize;
  CMIDisk = path;
  for (int i = 0; i < kept; ++i) {
    TCMISample& entry = CMIFileStructure[static_cast<size_t>(i)];
    const int64_t base = (int64_t{entry.StartSectorHi} * 256 + entry.StartSectorLo) * kSectorBytes;
    entry.LoopStart = DiskByte(base + kLoopStartAt) * 128;
    entry.LoopEnd = DiskByte(base + kLoopEndAt) * 128;
    entry.LoopEnable = DiskByte(base + kLoopFlagAt) != 0 ? 1 : 0;
    entry.vcStart = static_cast<int>(base + kSampleDataAt);
  }
  return 1;
}
