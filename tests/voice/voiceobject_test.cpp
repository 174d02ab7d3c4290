// TVoice: the overview of mono and stereo samples, what ResetVoice keeps, transfer of
// a sample through the driver, the channel calls of Play and PlayPart, and harmonic
// tables made on first use.
#include "audio/audiofunctions.h"
#include "banktest.h"

namespace {

class VoiceObject : public BankTest {
 protected:
  static std::unique_ptr<TVoice> VoiceWith(const std::vector<int16_t>& words, int channels) {
    auto voice = std::make_unique<TVoice>();
    voice->Sound = sound(words, channels);
    voice->FillData();
    return voice;
  }
};

TEST_F(VoiceObject, MonoSpreadsFramesAndStopsBeforeTheLast) {
  std::vector<int16_t> words = ramp(1024, 1);
  words[0] = -32768;
  const auto held = VoiceWith(words, 1);
  TVoice& voice = *held;
  EXPECT_FLOAT_EQ(voice.data[0], 32768.0f / 32767.0f);
  EXPECT_FLOAT_EQ(voice.data[1], -3.0f / 32767.0f);  // frame 2 holds 3
  EXPECT_EQ(voice.data[511], 0.0f);                   // frame 1023 is the last: not read
  EXPECT_EQ(voice.CurrChannel, 1);
  EXPECT_EQ(voice.GotSound, 1);
  EXPECT_EQ(voice.WindowEnd, 1024);
  EXPECT_EQ(voice.HighlightStart, -1);
  EXPECT_EQ(voice.MarkA, -1);
}

TEST_F(VoiceObject, StereoHoldsLeftRightPairs) {
  std::vector<int16_t> words(2048);
  for (int f = 0; f < 1024; ++f) {
    words[2 * f] = static_cast<int16_t>(f + 1);
    words[2 * f + 1] = static_cast<int16_t>(-(f + 1));
  }
  const auto held = VoiceWith(words, 2);
  TVoice& voice = *held;
  EXPECT_EQ(voice.CurrChannel, 2);
  EXPECT_FLOAT_EQ(voice.data[2], -5.0f / 32767.0f);  // pair 1: frame trunc(2 * 4.0157) / 2 = 4
  EXPECT_FLOAT_EQ(voice.data[3], 5.0f / 32767.0f);
  EXPECT_FLOAT_EQ(voice.data[508], -1020.0f / 32767.0f);  // trunc(508 * 4.0156865) / 2 = 1019
  EXPECT_FLOAT_EQ(voice.data[509], 1020.0f / 32767.0f);
  EXPECT_EQ(voice.data[510], 0.0f);  // 510 * step lands just past frame 1023
  EXPECT_EQ(voice.data[511], 0.0f);
}

TEST_F(VoiceObject, ShortAndEmptySamplesNeverReadPastTheData) {
  auto one = VoiceWith({1000}, 1);
  for (float point : one->data) EXPECT_EQ(point, 0.0f);
  auto none = VoiceWith({}, 2);
  for (float point : none->data) EXPECT_EQ(point, 0.0f);
  TVoice refilled;
  refilled.RefillData(3, 10, nullptr);  // unknown channel count and no data
  EXPECT_EQ(refilled.GotSound, 1);
  EXPECT_EQ(refilled.CurrChannel, 0);
}

TEST_F(VoiceObject, KeepsTheSoundButNoLongerCountsIt) {
  const auto held = VoiceWith(ramp(100, 1), 1);
  TVoice& voice = *held;
  voice.MixPan = 50;
  voice.LoopEnd = 20;
  voice.CanUndo = 1;
  voice.strAlias = "Kick";
  voice.ResetVoice();
  EXPECT_NE(voice.Sound, nullptr);
  EXPECT_NE(voice.SamplePtr, nullptr);
  EXPECT_NE(voice.UndoSoundData, nullptr);
  EXPECT_EQ(voice.GotSound, 0);
  EXPECT_EQ(voice.CurrChannel, 0);
  EXPECT_EQ(voice.MixPan, 0.0f);
  EXPECT_EQ(voice.LoopEnd, -1);
  EXPECT_EQ(voice.CanUndo, 0);
  EXPECT_EQ(voice.strAlias, "");
  EXPECT_EQ(voice.data[5], 0.0f);
}

TEST_F(VoiceObject, MakesTheSoundOrReportsFailure) {
  TVoice voice;
  EXPECT_EQ(voice.Transfer(record({100, 200, 300, 400}, 2), "dir", "name", "alias", 0), 1);
  EXPECT_EQ(voice.CurrChannel, 2);
  EXPECT_EQ(voice.GotSound, 1);
  EXPECT_EQ(voice.SamplePtr, voice.Sound->GetAudioSample());
  EXPECT_EQ(voice.SamplePtr[3], 400);
  // No sample: names stored, no sound, and the failure is reported.
  EXPECT_EQ(voice.Transfer(nullptr, "d2", "n2", "a2", 0), 0);
  EXPECT_EQ(voice.Sound, nullptr);
  EXPECT_EQ(voice.GotSound, 0);
  EXPECT_EQ(voice.Name, "n2");
}

TEST_F(VoiceObject, NoSoundOrNoChannelTouchesNothing) {
  TVoice voice;
  std::shared_ptr<TChannel> channel = AllocChannel();
  EXPECT_EQ(voice.Play(channel, 1.0f, 1.0f, 1.0f, -99), 0);
  EXPECT_EQ(voice.PlayPart(channel, 1.0f, 1.0f, 0, 1), 0);
  EXPECT_EQ(voice.Stop(channel), 0);
  EXPECT_EQ(channel->Playing(), 0);
  auto loaded = VoiceWith(fill(20000, [](int) { return 9000; }), 1);
  EXPECT_EQ(loaded->Play(nullptr, 1.0f, 1.0f, 1.0f, -99), 0);
  EXPECT_EQ(loaded->Stop(nullptr), 0);
  EXPECT_EQ(loaded->Play(channel, 1.0f, 1.0f, 1.0f, -99), 1);
  EXPECT_FALSE(silent(render()));
  loaded->Stop(channel);
  EXPECT_EQ(channel->Playing(), 0);
  EXPECT_TRUE(silent(render()));
}

}  // namespace
