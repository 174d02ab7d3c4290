// Loading by extension and the forced load: the extension chain, skipped repeats, the
// success and failure endings as the caller sees them, folders, the disk-image branch,
// and the forced load's choice by bit depth and mode.
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
    CMIFileStructure[0] = TCMISample{};
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
  printed([&] { EXPECT_EQ(io.LoadTemp(folder / "loop.wav"), 1); });
  EXPECT_EQ(io.LpStart, 20);
  EXPECT_EQ(io.LpEnd, 300);

  EXPECT_EQ(io.LoadTemp(write("plain.wav", MonoWav({1}))), 1);
  EXPECT_EQ(io.LpStart, 0);
  EXPECT_EQ(io.LpEnd, -1);
  EXPECT_EQ(io.aliasName, "");
}

TEST_F(LoadTemp, UnknownAndUndecodedExtensions) {
  TSoundIO io;
  for (const char* name : {"x.mp3", "x.t06", "noextension"}) {
    EXPECT_EQ(io.LoadTemp(write(name, MonoWav({1, 2}))), 0) << name;
    EXPECT_EQ(io.GotSound, 0) << name;
  }
  EXPECT_EQ(io.LoadTemp(write("ok.iff", Bytes().u8(1).u8(2))), 1);  // raw 8-bit
  EXPECT_EQ(io.GetLength(), 8);
}

TEST_F(LoadTemp, HeaderlessRowsSetTheirDepth) {
  TSoundIO io;
  EXPECT_EQ(io.LoadTemp(write("small.vcd", Bytes().fill(19999, 0x80))), 1);
  EXPECT_EQ(io.CurrBits, 8);
  EXPECT_EQ(io.GetLength(), 19999);
  EXPECT_EQ(io.LoadTemp(write("large.vcd", Bytes().fill(20000, 0))), 1);
  EXPECT_EQ(io.CurrBits, 16);
  EXPECT_EQ(io.GetLength(), 10000);
  // "vc" reaches LoadVC: raw big-endian words.
  printed([&] { EXPECT_EQ(io.LoadTemp(write("v.vc", Bytes().be16(0x0102).be16(-4))), 1); });
  EXPECT_EQ(Values(io.TempSample), (std::vector<int16_t>{0x0102, -4}));
  EXPECT_EQ(io.LoadTemp(write("e.ebl", Bytes().fill(306, 9).le16(77).fill(48, 9))), 1);
  EXPECT_EQ(Values(io.TempSample), (std::vector<int16_t>{77}));
}

TEST_F(LoadTemp, DiskImageBranchLoadsByEntryName) {
  DiskGuard guard;
  TSoundIO io;
  CMIDisk = folder / "disk.imd";
  CMIFileCount = 1;
  CMIDiskSize = kCMIRamDiskSize;
  CMIFileStructure[0] = TCMISample{};
  CMIFileStructure[0].Name = "PIANO.VC";
  CMIFileStructure[0].vcStart = 0;

  // No entry of that name: only the request and the loop fields change.
  io.LpStart = 5;
  EXPECT_EQ(io.LoadTemp(folder / "disk.imd/ORGAN.VC"), 0);
  EXPECT_EQ(io.LpStart, 0);
  EXPECT_EQ(io.GotSound, 0);

  // A match loads the voice, seen through GotSound rather than the result.
  EXPECT_EQ(io.LoadTemp(folder / "disk.imd/PIANO.VC"), 0);
  EXPECT_EQ(io.GotSound, 1);
  EXPECT_EQ(io.TempSound, "PIANO.VC");
  EXPECT_EQ(io.GetLength(), 15939);
  // The same name under another folder is the loaded one.
  io.GotSound = 0;
  EXPECT_EQ(io.LoadTemp("/elsewhere/PIANO.VC"), 0);
  EXPECT_EQ(io.GotSound, 0);
}

using ForceLoad = SampleFileTest;

TEST_F(ForceLoad, TwentyFourBitHeaderlessData) {
  TSoundIO io;
  const std::string path = write("raw24.bin", Bytes().u8(0).u8(0x34).u8(0x12).u8(0xFF).u8(0xFF).u8(0x7F).u8(9));
  printed([&] { EXPECT_EQ(io.ForceLoadTemp(path, 24, 0), 1); });
  EXPECT_EQ(io.CurrBits, 24);
  EXPECT_EQ(Values(io.TempSample), (std::vector<int16_t>{0x1234, 32767}));

  // A missing file returns at once: the shown sample stays.
  EXPECT_EQ(io.ForceLoadTemp(folder / "missing", 24, 0), 0);
  EXPECT_EQ(io.GotSound, 1);

  // Reversed 24-bit is not decoded: the view is cleared; a folder changes nothing more.
  printed([&] { EXPECT_EQ(io.ForceLoadTemp(path, 24, 256), 1); });
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
  EXPECT_EQ(io.ForceLoadTemp(upper, 8, 0), 1);
  EXPECT_EQ(Values(io.TempSample), (std::vector<int16_t>{32512}));
}
