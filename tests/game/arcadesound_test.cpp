// The sound bank on the test mixer: the volume rules, slot creation by VoiceLoad with
// its log lines, and playback heard at the bank's volume.
#include "game/arcadesound.h"

#include <cmath>

#include "samplefiles/cmidisk.h"
#include "samplefiles/sampletesting.h"

namespace {

class SoundBankTest : public SampleFileTest {
 protected:
  // A mono 16-bit WAV of frames values of level.
  std::string Wav(const std::string& name, int frames, int level) {
    Bytes data;
    for (int i = 0; i < frames; ++i) data.le16(level);
    Bytes file;
    file.text("RIFF").le32(36 + static_cast<int64_t>(data.size())).text("WAVE");
    file.text("fmt ").le32(16).le16(1).le16(1).le32(44100).le32(88200).le16(2).le16(16);
    file.text("data").le32(static_cast<int64_t>(data.size())).add(data);
    return write(name, file);
  }
};

TEST_F(SoundBankTest, VolumeRules) {
  TSoundSystem bank;
  bank.SetVolume(1.5f);
  EXPECT_EQ(bank.volume, 1.0f);
  EXPECT_EQ(bank.mute, 0);
  bank.SetVolume(0.0f);
  EXPECT_EQ(bank.mute, 1);
  EXPECT_EQ(bank.volume, 1.0f);
  bank.SetVolume(0.4f);
  EXPECT_FLOAT_EQ(bank.volume, 0.4f);
  EXPECT_EQ(bank.mute, 0);
  bank.SetVolume(-2.0f);
  EXPECT_EQ(bank.mute, 1);
  bank.SetVolume(std::nanf(""));
  EXPECT_EQ(bank.mute, 1);
  EXPECT_FLOAT_EQ(bank.volume, 0.4f);
  bank.SetMute(7);
  EXPECT_EQ(bank.mute, 1);
  bank.SetMute(0);
  EXPECT_EQ(bank.mute, 0);
}

TEST_F(SoundBankTest, VoiceLoadMakesSlotsAndLogs) {
  TSoundSystem bank;
  EXPECT_EQ(printed([&] {
              bank.VoiceLoad(150, folder / "x.wav");
              bank.VoiceLoad(-1, folder / "x.wav");
            }),
            "");
  EXPECT_EQ(bank.mute, 1);

  bank.VoiceLoad(3, "");
  EXPECT_NE(bank.SoundIO[3], nullptr);
  EXPECT_EQ(bank.mute, 0);

  // An existing slot is reused and leaves the mute flag alone.
  bank.SetMute(1);
  CMIDisk = "/some/disk.imd";
  TSoundIO* slot = bank.SoundIO[3].get();
  EXPECT_EQ(printed([&] { bank.VoiceLoad(3, folder.path()); }), "");
  EXPECT_EQ(bank.SoundIO[3].get(), slot);
  EXPECT_EQ(bank.mute, 1);
  EXPECT_EQ(CMIDisk, "");

  const std::string missing = folder / "missing.wav";
  EXPECT_EQ(printed([&] { bank.VoiceLoad(4, missing); }), "File " + missing + " invalid\n");
  EXPECT_NE(bank.SoundIO[4], nullptr);

  const std::string junk = write("junk.wav", Bytes().text("not a wave file at all"));
  const std::string log = printed([&] { bank.VoiceLoad(5, junk); });
  EXPECT_NE(log.find("Cant load Sound: " + junk), std::string::npos);
  EXPECT_EQ(bank.SoundIO[5]->GotSound, 0);
}

TEST_F(SoundBankTest, PlaysAtTheBanksVolumeAndPlayAllDoesNotRestart) {
  TSoundSystem bank;
  bank.VoiceLoad(7, Wav("tone.wav", 40000, 1000));
  ASSERT_EQ(bank.SoundIO[7]->GotSound, 1);
  bank.SetVolume(0.4f);

  EXPECT_EQ(bank.Play(7, 1.0f, 0.5f, -1.0f), 0);
  EXPECT_EQ(bank.Playing(7), 1);
  render();
  std::vector<int16_t> out = render();
  EXPECT_NEAR(left(out, 10), 200, 1);  // volume 0.2 in the mixer's steps of 1/4096
  EXPECT_EQ(right(out, 10), 0);

  const int before = bank.SoundIO[7]->GetPlayhead();
  EXPECT_EQ(bank.PlayAll(7, 1.0f, 1.0f, -1.0f), 0);
  render();
  EXPECT_GT(bank.SoundIO[7]->GetPlayhead(), before);

  bank.SetMute(1);
  EXPECT_EQ(bank.Playing(7), 0);
  bank.SetMute(0);
  bank.SoundIO[7]->StopTemp();
  EXPECT_EQ(bank.PlayAll(7, 1.0f, 1.0f, -1.0f), 1);
  EXPECT_EQ(bank.Playing(7), 1);
}

}  // namespace
