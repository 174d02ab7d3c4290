// WAV export of sub-voices: the export name (voice name, "No Name", alias), the
// bytes of the written file with and without the loop chunk, group exports with and
// without their own folder, and files of an earlier export kept and reported.
#include <filesystem>
#include <functional>
#include <string>

#include "banktest.h"
#include "filesizelimit.h"

namespace {

namespace fs = std::filesystem;

class WavExport : public BankTest {
 protected:
  void SetUp() override {
    BankTest::SetUp();
    out = dir + "/out/";
    fs::create_directories(out);
    PrefCreateGroupDir = 1;  // the preference's value at start
  }
  std::string out;
};

// Header 12 + fmt 24: the "data" chunk at 36 without the loop chunk, at 664 with it.
TEST_F(WavExport, UnnamedVoiceExportsAsNoName) {
  ASSERT_EQ(put(2, 4, {100, -2, 32767}), 1);
  EXPECT_EQ(bank->SaveWav(2, 4, out), 0);
  const auto b = bytes(out + "No Name.wav");
  ASSERT_EQ(b.size(), 44u + 6u);
  EXPECT_EQ(textAt(b, 0, 4), "RIFF");
  EXPECT_EQ(int16At(b, 22), 1);
  EXPECT_EQ(int32At(b, 24), 44100);  // sample rate
  EXPECT_EQ(int32At(b, 28), 88200);  // bytes per second
  EXPECT_EQ(textAt(b, 36, 4), "data");
  EXPECT_EQ(int32At(b, 40), 6);
  EXPECT_EQ(int16At(b, 44), 100);
  EXPECT_EQ(int16At(b, 46), -2);
  EXPECT_EQ(int16At(b, 48), 32767);
  EXPECT_EQ(voice(2, 4).Name, "No Name.wav");
  EXPECT_EQ(voice(2, 4).dir, out);
  EXPECT_EQ(voiceChanged, 1);
}

// A voice whose channel count disagrees with its sound writes what the sound holds.
TEST_F(WavExport, TheSoundDecidesTheChannelCount) {
  ASSERT_EQ(put(2, 4, {100, -2, 32767}), 1);
  voice(2, 4).CurrChannel = 2;
  bank->SaveWav(2, 4, out);
  const auto b = bytes(out + "No Name.wav");
  EXPECT_EQ(int16At(b, 22), 1);
  EXPECT_EQ(int32At(b, 40), 6);
}

TEST_F(WavExport, AliasNamesTheFileAndTheLoopChunk) {
  bank->SubVoiceActive = 1;
  ASSERT_EQ(put(1, 1, fill(200, [](int i) { return i; }), 2, 10, 50, "Kick"), 1);
  bank->SaveWav(1, 1, out);
  const auto b = bytes(out + "Kick.wav");
  ASSERT_EQ(b.size(), 672u + 400u);
  EXPECT_EQ(int16At(b, 22), 2);
  EXPECT_EQ(textAt(b, 36, 4), "RLND");
  EXPECT_EQ(textAt(b, 44 + 11, 4), "Kick");
  EXPECT_EQ(int32At(b, 44 + 31), 10 * 256);
  EXPECT_EQ(int32At(b, 44 + 39), 50 * 256);
  EXPECT_EQ(textAt(b, 664, 4), "data");
  EXPECT_EQ(int16At(b, 672 + 2 * 5), 5);
  EXPECT_EQ(voice(1, 1).Name, "Kick.wav");
}

TEST_F(WavExport, NothingForEmptySlotsOrVoicesWithoutSound) {
  voiceChanged = 0;  // as after the bank was saved
  EXPECT_EQ(bank->SaveWav(3, 3, out), 0);
  EXPECT_EQ(bank->SaveWavVoiceGroup(3, 3, out), 0);
  ASSERT_EQ(put(3, 3, {1}), 1);
  voice(3, 3).GotSound = 0;
  bank->SaveWav(3, 3, out);
  EXPECT_EQ(voiceChanged, 0);
  EXPECT_TRUE(fs::is_empty(out));
  EXPECT_EQ(voice(3, 3).Name, "file.wav");
  EXPECT_EQ(bank->SaveWav(-1, 40, out), 0);
}

TEST_F(WavExport, GroupGoesIntoAFolderNamedWithoutTrailingDigits) {
  voiceDirectName[4] = "Strings 2";
  ASSERT_EQ(put(5, 0, {9}), 1);
  ASSERT_EQ(put(5, 1, {1, 2}), 1);
  ASSERT_EQ(put(5, 3, {3, 4, 5}), 1);
  EXPECT_EQ(bank->SaveWavVoiceGroup(5, 1, out), 0);
  const std::string group = out + "Strings/";
  EXPECT_EQ(bytes(group + "Strings 2-1.wav").size(), 44u + 4u);
  EXPECT_EQ(bytes(group + "Strings 2-3.wav").size(), 44u + 6u);
  EXPECT_FALSE(fs::exists(group + "Strings 2-0.wav"));
  EXPECT_EQ(voice(5, 3).Name, "Strings 2-3.wav");
  EXPECT_EQ(voice(5, 3).dir, group);
  EXPECT_EQ(voice(5, 0).Name, "file.wav");
  EXPECT_EQ(voiceChanged, 1);
}

TEST_F(WavExport, GroupWithoutFolderOrWithADigitsOnlyName) {
  PrefCreateGroupDir = 0;
  voiceDirectName[0] = "Bells";
  ASSERT_EQ(put(1, 2, {1}), 1);
  bank->SaveWavVoiceGroup(1, 2, out);
  EXPECT_TRUE(fs::exists(out + "Bells-2.wav"));

  PrefCreateGroupDir = 1;
  voiceDirectName[1] = "12 3";
  ASSERT_EQ(put(2, 5, {1}), 1);
  bank->SaveWavVoiceGroup(2, 5, out);
  EXPECT_TRUE(fs::exists(out + "12 3-5.wav"));
  int folders = 0;
  for (const auto& entry : fs::directory_iterator(out)) folders += entry.is_directory() ? 1 : 0;
  EXPECT_EQ(folders, 0);
}

TEST_F(WavExport, UnnamedGroupFallsBackToAliasThenFileName) {
  ASSERT_EQ(put(8, 1, {1}, 1, 0, 0, "Choir"), 1);
  bank->SaveWavVoiceGroup(8, 1, out);
  EXPECT_TRUE(fs::exists(out + "Choir/Choir-1.wav"));

  ASSERT_EQ(bank->TransferToVoice(9, 2, record({1, 2}), "", "piano.wav", "", 0, 0, 0), 1);
  bank->SaveWavVoiceGroup(9, 2, out);
  EXPECT_TRUE(fs::exists(out + "piano/piano.wav-2.wav"));
}

// A disk that fills up part-way: nothing is left behind, the voice keeps its file,
// and the next export, with room again, writes the whole file.
TEST_F(WavExport, FailedExportLeavesNothingAndTheNextOneWrites) {
  bank->SubVoiceActive = 1;
  PrefCreateGroupDir = 0;
  ASSERT_EQ(put(1, 1, ramp(5000), 1, 0, 0, "Pad"), 1);
  const std::function<void()> exports[] = {[&] { bank->SaveWav(1, 1, out); },
                                           [&] { bank->SaveWavVoiceGroup(1, 1, out); },
                                           [&] { bank->CollectForExport(out); }};
  for (const auto& exportNow : exports) {
    {
      FileSizeLimit limit(1000);
      ASSERT_TRUE(limit.Active());
      exportNow();
    }
    EXPECT_TRUE(fs::is_empty(out));
    EXPECT_EQ(voice(1, 1).Name, "file.wav");
    EXPECT_EQ(voice(1, 1).dir, "/samples/");
  }
  bank->SaveWav(1, 1, out);
  const auto b = bytes(out + "Pad.wav");
  ASSERT_EQ(b.size(), 44u + 10000u);
  EXPECT_EQ(int16At(b, 44 + 2 * 4999), 4999);
  EXPECT_EQ(voice(1, 1).Name, "Pad.wav");
  EXPECT_EQ(voice(1, 1).dir, out);
}

// The writer itself tests the path before ".wav" is added; the export tests the file
// that will be written, so a second export keeps the first one's files and says so.
TEST_F(WavExport, SecondExportKeepsTheFirstFilesAndReportsThem) {
  bank->SubVoiceActive = 1;
  ASSERT_EQ(put(1, 1, {7}, 1, 0, 0, "Snare"), 1);
  ASSERT_EQ(put(1, 2, {7}, 1, 0, 0, "Loop.wav"), 1);
  ASSERT_EQ(put(1, 3, {7}, 1, 0, 0, "Hit.WAV"), 1);
  for (int s = 1; s <= 3; ++s) bank->SaveWav(1, s, out);
  for (int s = 1; s <= 3; ++s) voice(1, s).SamplePtr[0] = 8;
  voice(1, 2).dir = "elsewhere";
  testing::internal::CaptureStdout();
  for (int s = 1; s <= 3; ++s) bank->SaveWav(1, s, out);
  const std::string log = testing::internal::GetCapturedStdout();
  for (const std::string file : {"Snare.wav", "Loop.wav", "Hit.WAV"}) {
    EXPECT_EQ(int16At(bytes(out + file), 44), 7) << file;
    EXPECT_NE(log.find("skipped existing wavfile=" + out + file), std::string::npos) << file;
  }
  EXPECT_EQ(voice(1, 2).Name, "Loop.wav.wav");
  EXPECT_EQ(voice(1, 2).dir, out);
  // A folder under the name is no earlier export: nothing is written and the voice keeps its file.
  fs::create_directory(out + "Kick.wav");
  ASSERT_EQ(put(1, 4, {7}, 1, 0, 0, "Kick"), 1);
  bank->SaveWav(1, 4, out);
  EXPECT_TRUE(fs::is_empty(out + "Kick.wav"));
  EXPECT_EQ(voice(1, 4).Name, "file.wav");
  // The group export skips and reports the same way.
  bank->SubVoiceActive = 0;
  voiceDirectName[0] = "Kit";
  PrefCreateGroupDir = 0;
  bank->SaveWavVoiceGroup(1, 1, out);
  testing::internal::CaptureStdout();
  bank->SaveWavVoiceGroup(1, 1, out);
  EXPECT_NE(testing::internal::GetCapturedStdout().find("skipped existing wavfile=" + out + "Kit-2.wav"),
            std::string::npos);
}

}  // namespace
