// The .voices file read back byte by byte: the empty bank's layout, which slots are
// counted, the texts' character counts, a full control record at its offsets, the
// mode-1 step pairs; the locked, unopenable and full-disk cases; and the export
// collection.
#include <cstring>
#include <filesystem>
#include <fstream>
#include <string>

#include "banktest.h"
#include "filesizelimit.h"

namespace {

namespace fs = std::filesystem;

constexpr size_t kRecord = 1476;

class VoicesFile : public BankTest {
 protected:
  std::string save() {
    bank->Save(dir + "/songs/tune.sng", "/ignored/My Song.sng");
    return dir + "/songs/My Song.voices";
  }
  void SetUp() override {
    BankTest::SetUp();
    fs::create_directories(dir + "/songs");
  }
  static float floatAt(const std::vector<uint8_t>& b, size_t at) {
    const int32_t bits = int32At(b, at);
    float f;
    std::memcpy(&f, &bits, 4);
    return f;
  }
};

TEST_F(VoicesFile, EmptyBankLayout) {
  voiceChanged = 1;
  voiceDirectVolume[32] = 0.25f;
  voiceDirectName[31] = "Last";
  const auto b = bytes(save());
  // 28 header bytes, 31 voices of 4 + 4 + 2 ("()"), one of 4 + 4 + 4, then 12.
  ASSERT_EQ(b.size(), 28u + 31u * 10u + 12u + 12u);
  EXPECT_EQ(textAt(b, 0, 16), "WAVEVOICVOICHEAD");
  EXPECT_EQ(int32At(b, 16), 0);
  EXPECT_EQ(textAt(b, 20, 8), "VOICDAT2");
  EXPECT_EQ(floatAt(b, 28), 1.0f);
  EXPECT_EQ(int32At(b, 32), 2);
  EXPECT_EQ(textAt(b, 36, 2), "()");
  const size_t last = 28 + 31 * 10;
  EXPECT_EQ(floatAt(b, last), 0.25f);
  EXPECT_EQ(int32At(b, last + 4), 4);
  EXPECT_EQ(textAt(b, last + 8, 4), "Last");
  EXPECT_EQ(textAt(b, b.size() - 12, 8), "VOICCTR3");
  EXPECT_EQ(int32At(b, b.size() - 4), 0);
  EXPECT_EQ(voiceChanged, 0);
}

TEST_F(VoicesFile, OnlySlotsOfVoicesAndSubVoices1To32Count) {
  ASSERT_EQ(put(0, 5, {1}), 1);
  ASSERT_EQ(put(4, 0, {1}), 1);
  ASSERT_EQ(put(32, 32, {1}, 1, 0, 0, "Zed"), 1);
  ASSERT_EQ(put(4, 1, {1}), 1);
  voice(4, 1).GotSound = 0;
  const auto b = bytes(save());
  EXPECT_EQ(int32At(b, 16), 1);
  EXPECT_EQ(int32At(b, 28), 32);
  EXPECT_EQ(int32At(b, 32), 32);
  EXPECT_EQ(int32At(b, 36), 3);
  EXPECT_EQ(textAt(b, 40, 3), "Zed");
  EXPECT_EQ(int32At(b, 43), 17);
  EXPECT_EQ(textAt(b, 47, 17), "/samples/file.wav");
}

TEST_F(VoicesFile, TextsCountCharactersAndKeepTheirLow8Bits) {
  ASSERT_EQ(bank->TransferToVoice(1, 1, record({1}), "d/", "f", "B\xC3\xA4\xE2\x82\xAC", 0, 0, 0), 1);
  const auto b = bytes(save());
  EXPECT_EQ(int32At(b, 36), 3);
  EXPECT_EQ(b[40], 'B');
  EXPECT_EQ(b[41], 0xE4);
  EXPECT_EQ(b[42], 0xAC);
  EXPECT_EQ(int32At(b, 43), 3);
  EXPECT_EQ(textAt(b, 47, 3), "d/f");
}

TEST_F(VoicesFile, ControlRecordAtItsOffsets) {
  ASSERT_EQ(put(2, 7, fill(1000, [](int i) { return i; }), 1, 100, 600, "Lead"), 1);
  TSound& snd = *voice(2, 7).Sound;
  snd.SetADSR(1, 10, 20, 30, 40, 50);
  snd.SetLFOWave(2, 3);
  snd.SetLFOHertzRate(2, 7);
  snd.SetLFOOffset(2, 250);
  snd.SetLFOVertical(2, -300);
  snd.SetLFOScale(2, 500);
  snd.SetRotorLevel(5, 77);
  snd.SetRotorCount(6);
  snd.SetMatrixLevel(3, 45);
  snd.SetModMatrix(14, 17, 1);
  voice(2, 7).ControlModified = 1;
  const auto b = bytes(save());
  const size_t r = b.size() - kRecord;
  ASSERT_EQ(int32At(b, 16), 1);
  EXPECT_EQ(int32At(b, r - 4), 1);
  EXPECT_EQ(int32At(b, r), 2);
  EXPECT_EQ(int32At(b, r + 4), 7);
  const size_t env1 = r + 8 + 44;
  EXPECT_EQ(int32At(b, env1), 10);
  EXPECT_EQ(int32At(b, env1 + 16), 50);
  EXPECT_EQ(int32At(b, r + 8 + 12), 4095);  // envelope 0 never set: sustain 4095
  const size_t lfo2 = r + 8 + 2 * 44 + 20;
  EXPECT_EQ(floatAt(b, lfo2), 3.0f);
  EXPECT_EQ(floatAt(b, lfo2 + 4), 7.0f);
  EXPECT_EQ(floatAt(b, lfo2 + 8), 250.0f);
  EXPECT_EQ(floatAt(b, lfo2 + 12), -300.0f);
  EXPECT_EQ(floatAt(b, lfo2 + 20), 500.0f);
  const size_t rotor = r + 8 + 4 * 44;
  EXPECT_EQ(int32At(b, rotor + 5 * 4), 77);
  EXPECT_EQ(int32At(b, rotor + 64 + 8), 6);
  const size_t matrix = rotor + 64 + 12;
  EXPECT_EQ(int32At(b, matrix + 3 * 80), 45);
  EXPECT_EQ(int32At(b, matrix + 3 * 80 + 4), 45);
  EXPECT_EQ(int32At(b, matrix + 14 * 80 + 8 + 17 * 4), 1);
  EXPECT_EQ(int32At(b, matrix + 14 * 80 + 8 + 16 * 4), 0);
  const size_t tail = matrix + 15 * 80;
  EXPECT_EQ(int32At(b, tail), 2002);
  EXPECT_EQ(int32At(b, tail + 4), voice(2, 7).VoiceTable);
  EXPECT_EQ(int32At(b, tail + 8), 100);
  EXPECT_EQ(int32At(b, tail + 12), 600);
  EXPECT_EQ(tail + 16, b.size());
  EXPECT_EQ(voice(2, 7).ControlModified, 0);
}

TEST_F(VoicesFile, Mode1SubVoiceAddsItsStepPairs) {
  ASSERT_EQ(put(1, 1, fill(256, [](int i) { return i; })), 1);
  ASSERT_EQ(put(1, 2, fill(256, [](int i) { return i; })), 1);
  voice(1, 2).VoiceType = 2004;
  const auto b = bytes(save());
  // Each slot entry: v, s, "Alias" and "/samples/file.wav" with their counts.
  const size_t entries = 2 * (8 + 4 + 5 + 4 + 17);
  const size_t records = b.size() - (28 + entries + 32 * 10 + 12);
  EXPECT_EQ(records, 2 * kRecord + 1024);
  const size_t steps = b.size() - 1024;
  EXPECT_EQ(int32At(b, steps - 16), 2004);
  for (int i = 0; i < 128; i += 37) {
    EXPECT_EQ(int32At(b, steps + 8 * i), bank->GetMode1(1, 2, 1, i));
    EXPECT_EQ(int32At(b, steps + 8 * i + 4), bank->GetMode1(1, 2, 2, i));
  }
}

TEST_F(VoicesFile, NothingWrittenWhenLockedUnnamedOrUnopenable) {
  voiceChanged = 1;
  CurrentSongLocked = 1;
  EXPECT_EQ(bank->Save(dir + "/songs/a.sng", "a"), 0);
  CurrentSongLocked = 0;
  EXPECT_EQ(bank->Save(dir + "/songs/a.sng", ""), 0);
  EXPECT_EQ(bank->Save("", "a"), 0);
  EXPECT_EQ(bank->Save(dir + "/missing/a.sng", "a"), -1);
  EXPECT_TRUE(fs::is_empty(dir + "/songs"));
  EXPECT_FALSE(fs::exists(dir + "/missing"));
  EXPECT_EQ(voiceChanged, 1);  // nothing was saved
}

// A disk that fills up part-way: the old file stays whole, nothing is left beside
// it, the bank stays marked as changed and the failure is answered and logged.
TEST_F(VoicesFile, FullDiskKeepsTheOldFileAndTheChangedFlags) {
  ASSERT_EQ(put(1, 1, {1, 2, 3}), 1);
  const std::string path = dir + "/songs/My Song.voices";
  std::ofstream(path) << "old file";
  voiceChanged = 1;
  voice(1, 1).ControlModified = 1;
  int result = 0;
  std::string log;
  {
    FileSizeLimit limit(100);
    ASSERT_TRUE(limit.Active());
    testing::internal::CaptureStdout();
    result = bank->Save(dir + "/songs/tune.sng", "My Song");
    log = testing::internal::GetCapturedStdout();
  }
  EXPECT_EQ(result, -1);
  EXPECT_NE(log.find("Cant save voices: " + path), std::string::npos);
  const auto kept = bytes(path);
  EXPECT_EQ(std::string(kept.begin(), kept.end()), "old file");
  EXPECT_EQ(std::distance(fs::directory_iterator(dir + "/songs"), fs::directory_iterator()), 1);
  EXPECT_EQ(voiceChanged, 1);
  EXPECT_EQ(voice(1, 1).ControlModified, 1);
  // With room again the same save replaces the file and clears the flags.
  EXPECT_EQ(bank->Save(dir + "/songs/tune.sng", "My Song"), 0);
  EXPECT_EQ(bytes(path).size(), 28u + 8u + 4u + 5u + 4u + 17u + 32u * 10u + 12u + kRecord);
  EXPECT_EQ(voiceChanged, 0);
  EXPECT_EQ(voice(1, 1).ControlModified, 0);
}

// A saved file reached through a link stays a link and keeps its mode; a file of
// the user's beside it is left alone.
TEST_F(VoicesFile, SaveKeepsALinkTheModeAndTheFilesBesideIt) {
  const std::string target = dir + "/songs/kept.voices";
  std::ofstream(target) << "old file";
  fs::permissions(target, fs::perms::owner_read | fs::perms::owner_write);
  fs::create_symlink(target, dir + "/songs/My Song.voices");
  std::ofstream(dir + "/songs/My Song.voices.saving") << "mine";
  EXPECT_EQ(bank->Save(dir + "/songs/tune.sng", "My Song"), 0);
  EXPECT_TRUE(fs::is_symlink(dir + "/songs/My Song.voices"));
  EXPECT_EQ(bytes(target).size(), 28u + 32u * 10u + 12u);
  EXPECT_EQ(fs::status(target).permissions(), fs::perms::owner_read | fs::perms::owner_write);
  const auto mine = bytes(dir + "/songs/My Song.voices.saving");
  EXPECT_EQ(std::string(mine.begin(), mine.end()), "mine");
  EXPECT_EQ(std::distance(fs::directory_iterator(dir + "/songs"), fs::directory_iterator()), 3);
}

TEST_F(VoicesFile, CollectForExportWritesEveryUsedSubVoice) {
  const std::string out = dir + "/collect/";
  fs::create_directories(out);
  EXPECT_EQ(bank->CollectForExport(""), 0);
  ASSERT_EQ(put(3, 12, {4, 5, 6}, 1, 0, 0, "Bass"), 1);
  ASSERT_EQ(put(3, 0, {1}, 1, 0, 0, "Skip"), 1);
  EXPECT_EQ(bank->CollectForExport(out), 0);
  const auto wav = bytes(out + "v3:12-Bass.wav");
  ASSERT_EQ(wav.size(), 44u + 6u);
  EXPECT_EQ(int16At(wav, 46), 5);
  EXPECT_EQ(voice(3, 12).Name, "v3:12-Bass.wav");
  EXPECT_EQ(voice(3, 12).dir, out);
  EXPECT_EQ(voice(3, 0).Name, "file.wav");
  // The following file names the exported WAV.
  const auto b = bytes(save());
  const std::string path = out + "v3:12-Bass.wav";
  EXPECT_EQ(int32At(b, 44), static_cast<int32_t>(path.size()));
  EXPECT_EQ(textAt(b, 48, path.size()), path);
}

}  // namespace
