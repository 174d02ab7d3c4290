// Sampler disk images: ImageDisk images built track by track (headers, numbering,
// cylinder and head maps, whole and filled sectors) converted into the flat copy; the
// directory scan (its mark, "VC" entries only, "|", 160 entries at most, start sectors
// outside the disk); refused versions and damaged images; loading one voice of the
// open disk; and the zero-run scan of EMU1 files.
#include <algorithm>
#include <cstdint>
#include <string>
#include <vector>

#include "platform/memorystream.h"
#include "samplefiles/cmidisk.h"
#include "sampletesting.h"

namespace {

constexpr int kSector = 128;
constexpr int kPerTrack = 26;

using Flat = std::vector<uint8_t>;

Bytes ImdStart(const std::string& version) {
  return Bytes().text("IMD " + version + ": 01/02/2024 10:00:00\r\ntest disk").u8(0x1A);
}

// A track whose sectors, numbered 1..order.size(), come from flat at offset; written in
// the map's order, filled sectors as type 2 and others as type 1.
void AddTrack(Bytes& out, const Flat& flat, size_t offset, int cylinder, const std::vector<int>& order, int head = 0) {
  const int count = static_cast<int>(order.size());
  out.u8(0).u8(cylinder).u8(head).u8(count).u8(0);
  for (int number : order) out.u8(number);
  if (head & 0x80) out.fill(static_cast<size_t>(count), cylinder);
  if (head & 0x40) out.fill(static_cast<size_t>(count), 0);
  for (int number : order) {
    const auto first = flat.begin() + static_cast<std::ptrdiff_t>(offset + static_cast<size_t>(number - 1) * kSector);
    if (std::all_of(first, first + kSector, [&](uint8_t b) { return b == *first; })) {
      out.u8(2).u8(*first);
    } else {
      out.u8(1);
      out.b.insert(out.b.end(), first, first + kSector);
    }
  }
}

std::vector<int> InOrder(int count) {
  std::vector<int> order;
  for (int n = 1; n <= count; ++n) order.push_back(n);
  return order;
}

// A whole image of flat's tracks, 26 sectors each in order.
Bytes Imd(const Flat& flat, const std::string& version = "1.11") {
  Bytes out = ImdStart(version);
  const size_t track = kPerTrack * kSector;
  for (size_t t = 0; t * track < flat.size(); ++t) AddTrack(out, flat, t * track, static_cast<int>(t), InOrder(kPerTrack));
  return out;
}

// A flat disk of tracks whose directory (behind the mark that ends sector 1) starts
// in sector 2: the scan passes the comment's 0x1A and the two of the first track's
// header and map, then 109 bytes, and so looks for the mark from byte 108 of sector 1.
Flat DirectoryDisk(int tracks, const std::vector<uint8_t>& markTail = {0x7F, 0x00, 0x00}) {
  Flat flat(static_cast<size_t>(tracks) * kPerTrack * kSector, 0);
  std::copy(markTail.begin(), markTail.end(), flat.begin() + static_cast<std::ptrdiff_t>(kSector - markTail.size()));
  return flat;
}

void PutEntry(Flat& flat, int index, const std::string& name, const std::string& extension, int hi, int lo) {
  const size_t at = kSector + 16 * static_cast<size_t>(index);
  std::string padded = name;
  padded.resize(8, ' ');
  std::copy(padded.begin(), padded.end(), flat.begin() + static_cast<std::ptrdiff_t>(at));
  std::copy(extension.begin(), extension.end(), flat.begin() + static_cast<std::ptrdiff_t>(at + 8));
  flat[at + 10] = static_cast<uint8_t>(hi);
  flat[at + 11] = static_cast<uint8_t>(lo);
}

class DiskImages : public SampleFileTest {
 protected:
  void SetUp() override {
    SampleFileTest::SetUp();
    ResetIMDDisk();
  }
  void TearDown() override {
    ResetIMDDisk();
    SampleFileTest::TearDown();
  }

  int open(const std::string& name, const Bytes& image, std::string* lines = nullptr) {
    const std::string path = write(name, image);
    int result = 0;
    const std::string out = printed([&] { result = OpenIMD(path); });
    if (lines) *lines = out;
    return result;
  }

  std::vector<std::string> names() const {
    std::vector<std::string> list;
    for (int i = 0; i < CMIFileCount; ++i) list.push_back(CMIFileStructure[static_cast<size_t>(i)].Name);
    return list;
  }
};

TEST_F(DiskImages, DirectoryKeepsVoiceFilesAndLoadsOne) {
  Flat flat = DirectoryDisk(4);
  PutEntry(flat, 0, "PIANO", "VC", 0, 40);
  PutEntry(flat, 1, "DRUMS", "DT", 0, 50);
  PutEntry(flat, 2, "ORGAN", "VC", 0, 41);
  PutEntry(flat, 3, "FAR", "VC", 0xFF, 0xFF);
  PutEntry(flat, 4, "|", "", 0, 0);
  PutEntry(flat, 5, "LATE", "VC", 0, 60);
  // PIANO's descriptor behind its first sector (40 * 128): loop bytes and the flag, then data.
  flat[5120 + 0x13B2] = 10;
  flat[5120 + 0x13B3] = 160;
  flat[5120 + 0x13BA] = 1;
  const std::vector<uint8_t> voice = {0xFF, 0x80, 0x7F, 0x00, 0x01, 0xFE};
  std::copy(voice.begin(), voice.end(), flat.begin() + 5120 + 0x1581);
  // ORGAN (41 * 128) has equal loop bytes.
  flat[5248 + 0x13B2] = 5;
  flat[5248 + 0x13B3] = 5;

  ASSERT_EQ(open("disk.imd", Imd(flat)), 1);
  EXPECT_EQ(CMIDisk, folder / "disk.imd");
  EXPECT_EQ(names(), (std::vector<std::string>{"PIANO.VC", "ORGAN.VC", "FAR.VC"}));
  EXPECT_TRUE(std::equal(flat.begin(), flat.end(), CMIRamDisk.begin()));

  const TCMISample& piano = CMIFileStructure[0];
  EXPECT_EQ(piano.LoopStart, 1280);
  EXPECT_EQ(piano.LoopEnd, 20480);
  EXPECT_EQ(piano.LoopEnable, 1);
  EXPECT_EQ(piano.vcStart, 5120 + 0x1581);
  EXPECT_EQ(CMIFileStructure[1].LoopEnable, 0);
  // A start sector beyond the disk reads no loop bytes.
  EXPECT_EQ(CMIFileStructure[2].LoopStart, 0);
  EXPECT_EQ(CMIFileStructure[2].LoopEnd, 0);

  TSoundIO io;
  ASSERT_EQ(io.LoadCMIDisk(0, 15939, 8, 512, 1), 1);
  const std::vector<int16_t> v = Values(io.TempSample);
  ASSERT_EQ(v.size(), 15939u);
  EXPECT_EQ(std::vector<int16_t>(v.begin(), v.begin() + 6), (std::vector<int16_t>{16129, 0, 0, -16129, -16002, 16002}));
  EXPECT_EQ(io.LpStart, 1280);
  EXPECT_EQ(io.LpEnd, 15938);

  ASSERT_EQ(io.LoadCMIDisk(1, 100, 8, 512, 1), 1);
  EXPECT_EQ(io.LpStart, 0);
  EXPECT_EQ(io.LpEnd, -1);
  ASSERT_EQ(io.LoadCMIDisk(2, 50, 8, 512, 1), 1);
  EXPECT_EQ(Values(io.TempSample), std::vector<int16_t>(50, 0));
}

TEST_F(DiskImages, AtMost160EntriesAreExamined) {
  Flat flat = DirectoryDisk(1);
  for (int i = 0; i < 170; ++i) {
    const std::string name = 'V' + std::to_string(1000 + i).substr(1);
    PutEntry(flat, i, name, "VC", 0, 30);
  }
  std::string lines;
  ASSERT_EQ(open("many.imd", Imd(flat, "1.17"), &lines), 1);
  EXPECT_EQ(lines, "imd ver 1.17\n");
  ASSERT_EQ(CMIFileCount, kCMIMaxFiles);
  EXPECT_EQ(CMIFileStructure[0].Name, "V000.VC");
  EXPECT_EQ(CMIFileStructure[159].Name, "V159.VC");
}

TEST_F(DiskImages, EntriesThatEndTheDirectory) {
  // A name with a short extension, then an empty name with "!".
  Flat flat = DirectoryDisk(1);
  PutEntry(flat, 0, "ONE", "VC", 0, 30);
  PutEntry(flat, 1, "SHORT", "V", 0, 30);
  PutEntry(flat, 2, "TWO", "VC", 0, 30);
  ASSERT_EQ(open("a.imd", Imd(flat)), 1);
  EXPECT_EQ(names(), (std::vector<std::string>{"ONE.VC"}));

  flat = DirectoryDisk(1);
  PutEntry(flat, 0, "", "", 0, 0);  // empty: passed over
  PutEntry(flat, 1, "ONE", "VC", 0, 30);
  PutEntry(flat, 2, "", "!", 0, 0);
  PutEntry(flat, 3, "TWO", "VC", 0, 30);
  ASSERT_EQ(open("b.imd", Imd(flat)), 1);
  EXPECT_EQ(names(), (std::vector<std::string>{"ONE.VC"}));
}

TEST_F(DiskImages, DirectoryMarkVariants) {
  struct Case {
    std::vector<uint8_t> tail;
    int found;
  };
  const std::vector<Case> cases = {
      {{0x7F, 0xFF, 0xFF, 0xFC, 0x00, 0x00, 0x00, 0x05}, 1},           // after the first non-zero byte
      {{0x7F, 0xFF, 0xFF, 0x09, 0x00, 0x7F, 0xFF, 0xFF, 0x01}, 1},     // other kinds search again
      {{0x7F, 0xFF, 0xFF, 0x09}, 0},                                   // no further mark: no directory
  };
  for (const Case& c : cases) {
    Flat flat = DirectoryDisk(1, c.tail);
    PutEntry(flat, 0, "ONE", "VC", 0, 30);
    ASSERT_EQ(open("m.imd", Imd(flat)), 1);
    EXPECT_EQ(CMIFileCount, c.found);
  }
}

TEST_F(DiskImages, RefusedImagesLeaveNoDiskOpen) {
  Flat flat = DirectoryDisk(2);
  PutEntry(flat, 0, "ONE", "VC", 0, 30);
  const Bytes good = Imd(flat);
  ASSERT_EQ(open("good.imd", good), 1);

  std::string lines;
  EXPECT_EQ(open("old.imd", Imd(flat, "1.10"), &lines), 0);
  EXPECT_EQ(lines, "imd ver not supported\n");
  EXPECT_EQ(CMIDisk, "");
  EXPECT_EQ(CMIDiskSize, 0);

  Bytes unsigned_ = good;
  unsigned_.b[3] = 'X';
  EXPECT_EQ(open("sig.imd", unsigned_), 0);
  EXPECT_EQ(OpenIMD(folder.path()), 0);
  EXPECT_EQ(OpenIMD(folder / "missing.imd"), 0);

  // Cut between the records of the last track, in a track header, in a whole and in a
  // filled sector record, and before the comment ends.
  Bytes oneTrack = ImdStart("1.11");
  AddTrack(oneTrack, flat, 0, 0, InOrder(kPerTrack));
  const size_t secondSector = ImdStart("1.11").size() + 5 + kPerTrack + 1 + kSector;
  ASSERT_EQ(good.b[secondSector], 1);
  ASSERT_EQ(good.b[oneTrack.size() + 5 + kPerTrack], 2);
  for (size_t keep : {good.size() - 50, oneTrack.size() + 3, secondSector + 60, oneTrack.size() + 5 + kPerTrack + 1,
                      size_t{20}}) {
    Bytes cut = good;
    cut.b.resize(keep);
    EXPECT_EQ(open("cut.imd", cut), 0) << keep;
    EXPECT_EQ(CMIFileCount, 0);
  }
}

TEST_F(DiskImages, ConversionPlacesSectorsByNumber) {
  Flat flat(6 * kSector, 0);
  std::fill(flat.begin(), flat.begin() + kSector, 0xE5);
  for (int i = 0; i < kSector; ++i) {
    flat[2 * kSector + i] = static_cast<uint8_t>(i);
    flat[3 * kSector + i] = static_cast<uint8_t>(255 - i);
    flat[4 * kSector + i] = static_cast<uint8_t>(i * 3);
  }
  Bytes image = ImdStart("1.11");
  AddTrack(image, flat, 0, 0, {3, 1, 4, 2}, 0xC0);  // interleaved, with cylinder and head maps
  AddTrack(image, flat, 4 * kSector, 1, {2, 1}, 0x80);
  std::fill(CMIRamDisk.begin(), CMIRamDisk.end(), 0x77);
  EXPECT_EQ(ConvertIMDToBinary(write("c.imd", image)), 1);
  EXPECT_TRUE(std::equal(flat.begin(), flat.end(), CMIRamDisk.begin()));
  EXPECT_EQ(CMIRamDisk[6 * kSector], 0x77);
}

TEST_F(DiskImages, ConversionRefusesOtherSizesAndRecordTypes) {
  Flat flat(2 * kSector, 1);
  Bytes base = ImdStart("1.11");
  AddTrack(base, flat, 0, 0, {1, 2});
  const size_t sizeCode = ImdStart("1.11").size() + 4;
  const size_t firstType = sizeCode + 1 + 2;

  Bytes bigSectors = base;
  bigSectors.b[sizeCode] = 1;
  EXPECT_EQ(ConvertIMDToBinary(write("s.imd", bigSectors)), 0);
  Bytes deleted = base;
  ASSERT_EQ(deleted.b[firstType], 2);
  deleted.b[firstType] = 3;
  EXPECT_EQ(ConvertIMDToBinary(write("d.imd", deleted)), 0);
  EXPECT_EQ(ConvertIMDToBinary(write("n.imd", Bytes().text("IMD 1.11 no end"))), 0);
  EXPECT_EQ(ConvertIMDToBinary(write("ok.imd", base)), 1);
}

TEST_F(DiskImages, SectorsOutsideTheirTrackOrTheDiskAreDropped) {
  std::fill(CMIRamDisk.begin(), CMIRamDisk.end(), 0x77);
  Bytes image = ImdStart("1.11");
  // Four sectors numbered 0, 2, 30 and 255: only sector 2 has a place.
  image.u8(0).u8(0).u8(0).u8(4).u8(0).u8(0).u8(2).u8(30).u8(255);
  for (int fill : {0x10, 0x20, 0x30, 0x40}) image.u8(2).u8(fill);
  // Then 160 tracks of 26 filled sectors: 532480 bytes for a copy of 512512.
  for (int t = 0; t < 160; ++t) {
    image.u8(0).u8(t).u8(0).u8(kPerTrack).u8(0);
    for (int n = 1; n <= kPerTrack; ++n) image.u8(n);
    for (int n = 1; n <= kPerTrack; ++n) image.u8(2).u8(t);
  }
  ASSERT_EQ(ConvertIMDToBinary(write("over.imd", image)), 1);
  EXPECT_EQ(CMIRamDisk[0], 0x77);
  EXPECT_EQ(CMIRamDisk[kSector], 0x20);
  EXPECT_EQ(CMIRamDisk[3 * kSector], 0x77);
  EXPECT_EQ(CMIRamDisk[4 * kSector], 0);
  // 512512 - 512 bytes hold 153 whole tracks and 22 sectors of the 154th.
  EXPECT_EQ(CMIRamDisk[kCMIRamDiskSize - 1], 153);
}

TEST_F(DiskImages, LoadCMIDiskStaysInsideTheDisk) {
  CMIDiskSize = kCMIRamDiskSize;
  CMIFileCount = 1;
  CMIFileStructure[0] = TCMISample{};
  CMIFileStructure[0].vcStart = kCMIRamDiskSize - 2;
  CMIRamDisk[kCMIRamDiskSize - 2] = 0x00;
  CMIRamDisk[kCMIRamDiskSize - 1] = 0xFF;
  TSoundIO io;
  ASSERT_EQ(io.LoadCMIDisk(0, 4, 8, 512, 1), 1);
  EXPECT_EQ(Values(io.TempSample), (std::vector<int16_t>{-16129, 16129, 0, 0}));

  CMIDiskSize = 0;  // closed: nothing to read
  ASSERT_EQ(io.LoadCMIDisk(0, 4, 8, 512, 1), 1);
  EXPECT_EQ(Values(io.TempSample), std::vector<int16_t>(4, 0));

  for (int index : {-1, 1, kCMIMaxFiles}) EXPECT_EQ(io.LoadCMIDisk(index, 4, 8, 512, 1), 0) << index;
  EXPECT_EQ(io.LoadCMIDisk(0, -1, 8, 512, 1), 0);
}

TEST(ZeroRuns, GetFileChrCountSkipsShortRuns) {
  TMemoryStream stream({5, 0, 0, 5, 0, 0, 0, 0, 7});
  EXPECT_EQ(GetFileChrCount(stream, 0, 0), 4);
  EXPECT_EQ(StreamPos(stream), 9);
  EXPECT_EQ(GetFileChrCount(stream, 0, 0), 0);

  // The range is inclusive and unsigned.
  TMemoryStream high({0x01, 0xF0, 0xFF, 0xF8, 0xF0, 0x02, 0x03});
  EXPECT_EQ(GetFileChrCount(high, 0xF0, 0xFF), 4);
  EXPECT_EQ(StreamPos(high), 6);
}

class EMU1Files : public DiskImages {
 protected:
  // A file of non-zero bytes with runs of 64 zeros at the positions given.
  std::string emu1(size_t size, const std::vector<size_t>& runs) {
    Bytes bytes;
    bytes.fill(size, 0x22);
    for (size_t at : runs) std::fill(bytes.b.begin() + static_cast<std::ptrdiff_t>(at),
                                     bytes.b.begin() + static_cast<std::ptrdiff_t>(at + 64), 0);
    return write("a.em1", bytes);
  }
  int scan(const std::string& path) {
    int result = 0;
    const std::string lines = printed([&] { result = OpenEMU1(path); });
    EXPECT_EQ(lines, "Open Em1=" + path + "\n");
    return result;
  }
};

TEST_F(EMU1Files, DataLiesBehindTheFirstLongGap) {
  struct Case {
    size_t size;
    std::vector<size_t> runs;
    int start, end;
  };
  const std::vector<Case> cases = {
      {41200, {1000, 41065}, 1065, 41200},   // runs end (with the byte after) at 1065 and 41130
      {80075, {40000, 80000}, 40065, 80075}, // a start at 0 counts as not found
      // Runs near the start are measured from 0 and passed over; one beyond 500000 ends the scan.
      {600000, {150000, 160000, 550000}, 0, 550065},
      {100, {}, 0, 479},
  };
  for (const Case& c : cases) {
    CMIDisk = "open.imd";
    CMIDiskSize = kCMIRamDiskSize;
    ASSERT_EQ(scan(emu1(c.size, c.runs)), 1) << c.size;
    EXPECT_EQ(CMIDisk, "");
    EXPECT_EQ(CMIDiskSize, 0);
    EXPECT_EQ(CMIDataStart, c.start) << c.size;
    EXPECT_EQ(CMIDataEnd, c.end) << c.size;
  }
  // The short file's end lies past it: nothing loads.
  TSoundIO io;
  printed([&] { EXPECT_EQ(io.LoadAs8BitLog(folder / "a.em1", CMIDataStart, CMIDataEnd), 0); });
  const std::string path = emu1(41200, {1000, 41065});
  ASSERT_EQ(scan(path), 1);
  printed([&] { ASSERT_EQ(io.LoadAs8BitLog(path, CMIDataStart, CMIDataEnd), 1); });
  EXPECT_EQ(io.TempSample->length, 41200 - 1065);
  EXPECT_EQ(scan(folder / "missing.em1"), 0);
}

}  // namespace
