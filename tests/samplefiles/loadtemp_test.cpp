// Loading by extension and the forced load: the extension chain, skipped repeats, the
// success and failure endings as the caller sees them, folders, the disk-image branch,
// and the forced load's choice by bit depth and mode.
#include <algorithm>

#include "samplefiles/cmidisk.h"
#include "samplefiles/wavfile.h"
#include "sampletesting.h"

namespace {

Bytes MonoWav(const std::vector<int16_t>& values) {
  Bytes b;
  const int64_t bytes = static_cast<int64_t>(values.size()) * 2;
  b.text("RIFF").le32(36 + bytes).text("WAVE");
  b.text("fmt ").le32(16).le16(1).le16(1).le32(44100).le32(88200).le16(2).le16(16);
  b.text("data").le32(bytes);
  for (int16_t v : values) b.le16(v);
  return b;
}

Bytes MonoAiff(const std::vector<int16_t>& values) {
  Bytes b;
  const int64_t bytes = static_cast<int64_t>(values.size()) * 2;
  b.text("FORM").be32(4 + 26 + 16 + bytes).text("AIFF");
  b.text("COMM").be32(18).be16(1).be32(static_cast<int64_t>(values.size())).be16(16).be16(0x400E).be16(0xAC44).fill(6, 0);
  b.text("SSND").be32(8 + bytes).be32(0).be32(0);
  for (int16_t v : values) b.be16(v);
  return b;
}

// Closes any disk image the test opened, whatever the test's outcome.
struct DiskGuard {
  ~DiskGuard() {
    CMIDisk = "";
    CMIFileCount = 0;
    CMIDiskSize = 0;
    CMIFileStructure.fill(TCMISample{});
    CMIRamDisk.fill(0);
  }
};

}  // namespace

using LoadTemp = SampleFileTest;

TEST_F(LoadTemp, ExtensionIsComparedInLowerCase) {
  TSoundIO io;
  const std::string aiff = write("Sound.aiff", MonoAiff({1, 2}));
  EXPECT_EQ(io.LoadTemp(aiff), 0);  // no row for "aiff"
  EXPECT_EQ(io.GotSound, 0);
  const std::string wav = write("Sound.WAV", MonoWav({5, -5, 7}));
  EXPECT_EQ(io.LoadTemp(wav), 1);
  EXPECT_EQ(io.GotSound, 1);
  EXPECT_EQ(io.TempSound, wav);
  ASSERT_NE(io.Sound, nullptr);
  EXPECT_EQ(values(io.Sound), (std::vector<int16_t>{5, -5, 7}));
  EXPECT_EQ(io.LoadTemp(wav), 0);  // the same path again is skipped
  // A file without a loop plays once.
  EXPECT_EQ(io.PlayTemp(1.0f), 1);
  render();
  render();
  EXPECT_EQ(io.Playing(), 0);

  printed([&] { EXPECT_EQ(io.LoadTemp(write("b.aif", MonoAiff({9, 8}))), 1); });
  EXPECT_EQ(Values(io.TempSample), (std::vector<int16_t>{9, 8}));
}

TEST_F(LoadTemp, FailedPathIsNotRetriedAndTheViewIsCleared) {
  TSoundIO io;
  const std::string a = write("a.wav", MonoWav({1, 2, 3}));
  const std::string b = folder / "b.wav";
  EXPECT_EQ(io.LoadTemp(a), 1);
  EXPECT_EQ(io.LoadTemp(b), 1);  // missing: the shown sample is cleared
  EXPECT_EQ(io.GotSound, 0);
  EXPECT_EQ(io.PlayTemp(1.0f), 0);
  // Now b exists, but the same request is not read again; a is still the loaded path.
  write("b.wav", MonoWav({4, 5}));
  EXPECT_EQ(io.LoadTemp(b), 0);
  EXPECT_EQ(io.LoadTemp(a), 0);
  EXPECT_EQ(io.GotSound, 0);
  // A second failure with nothing shown reports no change.
  EXPECT_EQ(io.LoadTemp(folder / "c.mp3"), 0);
  EXPECT_EQ(io.LoadTemp(b), 1);
  EXPECT_EQ(io.GotSound, 1);
}

TEST_F(LoadTemp, FoldersClearTheView) {
  TSoundIO io;
  EXPECT_EQ(io.LoadTemp(write("a.wav", MonoWav({1, 2}))), 1);
  EXPECT_EQ(io.LoadTemp(folder.path()), 1);
  EXPECT_EQ(io.GotSound, 0);
  EXPECT_TRUE(CreateDir(folder / "sub.wav"));
  EXPECT_EQ(io.LoadTemp(folder / "sub.wav"), 0);
}

TEST_F(LoadTemp, LoopAndAliasComeOnlyFromTheFileLoaded) {
  TSoundIO io;
  const std::vector<int16_t> v(400, 3);
  ASSERT_EQ(SoundIOSaveSamplerWav(folder / "loop.wav", "Strings", 1, 20, 300, 0, 400, v.data()), 1);
  EXPECT_EQ(printed([&] { EXPECT_EQ(io.LoadTemp(folder / "loop.wav"), 1); }),
            "Start=0 End=400, LoopStart=20 LoopEnd=300\nStrings " + (folder / "loop.wav") + "\n");
  EXPECT_EQ(io.LpStart, 20);
  EXPECT_EQ(io.LpEnd, 300);

  EXPECT_EQ(io.LoadTemp(write("plain.wav", MonoWav({1}))), 1);
  EXPECT_EQ(io.LpStart, 0);
  EXPECT_EQ(io.LpEnd, -1);
  EXPECT_EQ(io.aliasName, "");
}

// Every row of the extension chain: the bytes it skips, how it reads the words, the
// depth it records and the lines it prints ("@" stands for the path).
TEST_F(LoadTemp, ExtensionChainRowByRow) {
  // Eight data bytes: big-endian words 258, -32765, 32516, -2; little-endian 513,
  // 896, 1151, -257.
  const Bytes data = Bytes().u8(0x01).u8(0x02).u8(0x80).u8(0x03).u8(0x7F).u8(0x04).u8(0xFF).u8(0xFE);
  const std::vector<int16_t> bigEndian = {258, -32765, 32516, -2};
  const std::vector<int16_t> littleEndian = {513, 896, 1151, -257};
  const auto around = [&](size_t head, size_t tail) { return Bytes().fill(head, 0xAA).add(data).fill(tail, 0xBB); };
  // A sampler chunk and no data: the loop is printed, the load fails.
  Bytes rlndOnly;
  rlndOnly.text("RIFF").le32(4 + 8 + 620).text("WAVE").text("RLND").le32(620).text("roifxvmc").fill(3, 0);
  rlndOnly.text("Strings         ").le32(0).le32(20 * 256).le32(400 * 256).le32(300 * 256).fill(620 - 43, 0);
  Bytes emu1 = Bytes().fill(41200, 0x11);  // zero runs at 1000 and 41065: data from 1065 to the end
  std::fill_n(emu1.b.begin() + 1000, 64, 0);
  std::fill_n(emu1.b.begin() + 41065, 64, 0);

  const struct Row {
    const char* ext;
    Bytes file;
    int bits;                     // CurrBits after the load
    int frames;                   // 0: the load fails
    std::vector<int16_t> values;  // the first values of the sample
    std::string lines;
  } rows[] = {
      {"krz", data, 16, 4, bigEndian, ""},
      {"kr1", data, 16, 4, bigEndian, ""},
      {"kr2", data, 16, 4, bigEndian, ""},
      {"kr3", data, 16, 4, bigEndian, ""},
      {"kr4", data, 16, 4, bigEndian, ""},
      {"kr5", data, 16, 4, bigEndian, ""},
      {"kr6", data, 16, 4, bigEndian, ""},
      {"ksf", around(140, 0), 16, 4, bigEndian, "load16rev samples=4 ignore=140\n"},
      {"dsk", around(1, 0), 12, 5, {0, 0, 0, 0, 0}, "12bit samsize=8 12bit size=5\n"},
      {"8svx", data, 16, 32, {}, ""},
      {"iff", data, 16, 32, {}, ""},
      {"mp3", data, 8, 0, {}, ""},
      {"x0v", data, 16, 4, littleEndian, ""},
      {"x0a", data, 16, 4, littleEndian, ""},
      {"x0s", data, 16, 4, littleEndian, ""},
      {"x0w", data, 16, 4, littleEndian, ""},
      {"x3v", data, 16, 4, littleEndian, ""},
      {"x3a", data, 16, 4, littleEndian, ""},
      {"x3s", data, 16, 4, littleEndian, ""},
      {"x3w", data, 16, 4, littleEndian, ""},
      {"usr", data, 16, 4, littleEndian, ""},
      {"ebl", around(306, 48), 16, 4, littleEndian, ""},
      {"em1", emu1, 8, 40135, {10, 10}, "Open Em1=@\nLoadas 8bitlog\n"},
      {"eb2", around(29000, 0), 16, 4, littleEndian, ""},
      {"ipa", data, 8, 8, {-256, -512, -32768, -768, -32512, -1024, 256, 512}, "Load as 8bit2\n"},
      {"wav", MonoWav(bigEndian), 16, 4, bigEndian, ""},
      {"wav", rlndOnly, 8, 0, {}, "Start=0 End=400, LoopStart=20 LoopEnd=300\n"},
      {"aif", MonoAiff(bigEndian), 16, 4, bigEndian, "aif load, @\n"},
      {"msmpl_bank", data, 16, 4, bigEndian, ""},
      {"p3k", data, 16, 4, bigEndian, ""},
      {"t01", around(110592, 0), 16, 4, bigEndian, "load16rev samples=4 ignore=110592\n"},
      {"t02", around(110592, 0), 16, 4, bigEndian, "load16rev samples=4 ignore=110592\n"},
      {"t03", around(110592, 0), 16, 4, bigEndian, "load16rev samples=4 ignore=110592\n"},
      {"t04", around(110592, 0), 16, 4, bigEndian, "load16rev samples=4 ignore=110592\n"},
      {"t05", around(110592, 0), 16, 4, bigEndian, "load16rev samples=4 ignore=110592\n"},
      {"vc", data, 16, 4, bigEndian, "SoundIO\n"},
      {"vc", Bytes().fill(3, 1), 8, 0, {}, "SoundIO\n"},
      // Below 20000 bytes 8-bit with the flipped mapping, from 20000 on 16-bit words.
      {"vcd", data, 8, 8, {-256, -512, 32512, -768, -32512, -1024, 0, 256}, "Load as 8bit flipped\n"},
      {"vcd", around(0, 20000 - 8), 16, 10000, littleEndian, ""},
      // No row.
      {"aiff", MonoAiff(bigEndian), 8, 0, {}, ""},
      {"em2", data, 8, 0, {}, ""},
      {"t06", around(110592, 0), 8, 0, {}, ""},
      {"t07", around(110592, 0), 8, 0, {}, ""},
      // Files too short to hold one frame load nothing.
      {"dsk", Bytes().fill(1, 0), 8, 0, {}, "12bit samsize=0 12bit size=0\n"},
      {"dsk", Bytes().fill(2, 0), 8, 0, {}, "12bit samsize=1 12bit size=0\n"},
      {"x0v", Bytes(), 8, 0, {}, ""},
      {"x0v", Bytes().fill(1, 0), 8, 0, {}, ""},
      {"usr", Bytes(), 8, 0, {}, ""},
      {"usr", Bytes().fill(1, 0), 8, 0, {}, ""},
      {"ebl", Bytes().fill(354, 0), 8, 0, {}, ""},
      {"ebl", Bytes().fill(355, 0), 8, 0, {}, ""},
      {"eb2", Bytes().fill(29000, 0), 8, 0, {}, ""},
      {"eb2", Bytes().fill(29001, 0), 8, 0, {}, ""},
      {"ipa", Bytes(), 8, 0, {}, "Load as 8bit2\n"},
      {"vcd", Bytes(), 8, 0, {}, "Load as 8bit flipped\n"},
  };
  for (const Row& row : rows) {
    TSoundIO io;
    io.CurrBits = 0;
    const std::string path = write(std::string("s.") + row.ext, row.file);
    int result = -2;
    std::string lines = printed([&] { result = io.LoadTemp(path); });
    for (size_t at; (at = lines.find(path)) != std::string::npos;) lines.replace(at, path.size(), 1, '@');
    EXPECT_EQ(result, row.frames > 0 ? 1 : 0) << row.ext;
    EXPECT_EQ(lines, row.lines) << row.ext;
    EXPECT_EQ(io.CurrBits, row.bits) << row.ext;
    EXPECT_EQ(io.GotSound, row.frames > 0 ? 1 : 0) << row.ext;
    if (row.frames == 0) continue;
    EXPECT_EQ(io.GetLength(), row.frames) << row.ext;
    std::vector<int16_t> values = Values(io.TempSample);
    values.resize(std::min(values.size(), row.values.size()));
    EXPECT_EQ(values, row.values) << row.ext;
  }
}

TEST_F(LoadTemp, DiskImageBranchLoadsByEntryName) {
  DiskGuard guard;
  TSoundIO io;
  CMIDisk = folder / "disk.imd";
  CMIFileCount = 3;
  CMIDiskSize = kCMIRamDiskSize;
  // Two entries named PIANO.VC: the walk loads each in turn, so the last one shows. A
  // fourth, stale one lies beyond the count. Bytes 0xFF, 0x90, 0x00, 0xC0 give 16129,
  // 2032, -16129 and 8128.
  const struct {
    const char* name;
    int vcStart;
    uint8_t byte;
    int loopStart, loopEnd;
  } entries[] = {{"HARP.VC", 0, 0xFF, 0, 0},
                 {"PIANO.VC", 20000, 0x90, 0, 0},
                 {"PIANO.VC", 40000, 0x00, 128, 256},
                 {"PIANO.VC", 60000, 0xC0, 0, 0}};
  for (int i = 0; i < 4; ++i) {
    CMIFileStructure[i] = TCMISample{};
    CMIFileStructure[i].Name = entries[i].name;
    CMIFileStructure[i].vcStart = entries[i].vcStart;
    CMIFileStructure[i].LoopStart = entries[i].loopStart;
    CMIFileStructure[i].LoopEnd = entries[i].loopEnd;
    std::fill_n(CMIRamDisk.begin() + entries[i].vcStart, 4, entries[i].byte);
  }

  // No entry of that name: only the request and the loop fields change.
  io.LpStart = 5;
  EXPECT_EQ(io.LoadTemp(folder / "disk.imd/STRINGS.VC"), 0);
  EXPECT_EQ(io.LpStart, 0);
  EXPECT_EQ(io.GotSound, 0);

  // A match loads the voice, seen through GotSound rather than the result.
  EXPECT_EQ(io.LoadTemp(folder / "disk.imd/HARP.VC"), 0);
  EXPECT_EQ(io.GotSound, 1);
  EXPECT_EQ(io.TempSound, "HARP.VC");
  EXPECT_EQ(io.GetLength(), 15939);
  EXPECT_EQ(Values(io.TempSample)[0], 16129);
  EXPECT_EQ(io.LoadTemp(folder / "disk.imd/PIANO.VC"), 0);
  EXPECT_EQ(io.TempSound, "PIANO.VC");
  EXPECT_EQ(Values(io.TempSample)[0], -16129);
  EXPECT_EQ(io.LpStart, 128);
  EXPECT_EQ(io.LpEnd, 256);
  // The same name under another folder is the loaded one.
  io.GotSound = 0;
  EXPECT_EQ(io.LoadTemp("/elsewhere/PIANO.VC"), 0);
  EXPECT_EQ(io.GotSound, 0);
}

using ForceLoad = SampleFileTest;

TEST_F(ForceLoad, TwentyFourBitHeaderlessData) {
  TSoundIO io;
  const std::string path = write("raw24.bin", Bytes().u8(0).u8(0x34).u8(0x12).u8(0xFF).u8(0xFF).u8(0x7F).u8(9));
  EXPECT_EQ(printed([&] { EXPECT_EQ(io.ForceLoadTemp(path, 24, 0), 1); }), "forceloadtemp 24 bit\n");
  EXPECT_EQ(io.CurrBits, 24);
  EXPECT_EQ(Values(io.TempSample), (std::vector<int16_t>{0x1234, 32767}));

  // A missing file returns at once: the shown sample stays.
  EXPECT_EQ(io.ForceLoadTemp(folder / "missing", 24, 0), 0);
  EXPECT_EQ(io.GotSound, 1);

  // Reversed 24-bit is not decoded: the view is cleared; a folder changes nothing more.
  EXPECT_EQ(printed([&] { EXPECT_EQ(io.ForceLoadTemp(path, 24, 256), 1); }), "forceloadtemp 24 bit reversed\n");
  EXPECT_EQ(io.GotSound, 0);
  EXPECT_EQ(io.ForceLoadTemp(folder.path(), 16, 512), 0);
}

TEST_F(ForceLoad, DepthAndModeChooseTheDecoder) {
  TSoundIO io;
  const std::string words = write("w.raw", Bytes().le16(0x0102).le16(-7));
  EXPECT_EQ(io.ForceLoadTemp(words, 16, 512), 1);
  EXPECT_EQ(Values(io.TempSample), (std::vector<int16_t>{0x0102, -7}));
  EXPECT_EQ(io.ForceLoadTemp(words, 16, 256), 1);
  EXPECT_EQ(Values(io.TempSample), (std::vector<int16_t>{0x0201, static_cast<int16_t>(0xF9FF)}));
  EXPECT_EQ(io.ForceLoadTemp(words, 16, 514), 1);
  EXPECT_EQ(io.TempSample->format, TSoundIO::SF_STEREO16);
  // Modes and depths without a decoder load nothing.
  EXPECT_EQ(io.ForceLoadTemp(words, 16, 1), 1);
  EXPECT_EQ(io.GotSound, 0);
  EXPECT_EQ(io.ForceLoadTemp(words, 32, 0), 0);
  EXPECT_EQ(io.ForceLoadTemp(words, 8, 256), 0);

  // 8 bits: ".ipa" exactly picks the negated mapping.
  const std::string ipa = write("s.ipa", Bytes().u8(0x7F));
  const std::string upper = write("s.IPA", Bytes().u8(0x7F));
  EXPECT_EQ(io.ForceLoadTemp(ipa, 8, 0), 1);
  EXPECT_EQ(Values(io.TempSample), (std::vector<int16_t>{-32512}));
  EXPECT_EQ(printed([&] { EXPECT_EQ(io.ForceLoadTemp(upper, 8, 0), 1); }), "Load as 8bit\n");
  EXPECT_EQ(Values(io.TempSample), (std::vector<int16_t>{32512}));
}
