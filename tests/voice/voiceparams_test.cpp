// Sub-voice settings by parameter number: defaults, clamps, solo, live channel
// controls, voice-type and wave-size changes on the sound, zoom and channel counts.
#include <array>
#include <utility>

#include "banktest.h"
#include "voice/note.h"

namespace {

class VoiceParams : public BankTest {
 protected:
  // Slot (v, s) gets a voice whose channel records what it is given.
  RecordingChannel& rig(int v, int s) {
    EXPECT_EQ(put(v, s, {1}), 1);
    auto channel = std::make_shared<RecordingChannel>(log);
    bank->Channel[v][s] = channel;
    return *channel;
  }
  Log log;
};

TEST_F(VoiceParams, EmptySlotsAndUnknownNumbers) {
  EXPECT_EQ(bank->GetVolume(-1, 0, 1), 0.0f);
  EXPECT_EQ(bank->GetVolume(0, 0, 1), 0.0f);
  EXPECT_EQ(bank->GetVolume(40, 99, 1), 0.0f);
  EXPECT_EQ(bank->SetVolume(40, 99, 1, 0.5f), 0);
  EXPECT_EQ(bank->GetChannels(0, 0), 1.0f);
  EXPECT_EQ(bank->GetSound(0, 0), nullptr);
  rig(1, 1);
  EXPECT_FLOAT_EQ(bank->GetVolume(1, 1, 1), 0.7f);
  EXPECT_EQ(bank->GetVolume(1, 1, 2), 0.0f);
  for (int n : {3, 4, 8, 22, 23, 24, 25, 0})
    EXPECT_EQ(bank->GetVolume(1, 1, n), 0.0f) << n;
  bank->SetVolume(1, 1, 3, 9.0f);
  bank->SetVolume(1, 1, 4, 9.0f);
  EXPECT_TRUE(log.empty());
}

TEST_F(VoiceParams, MarksAreClampedToMinusOneAndZeroTo127) {
  ASSERT_EQ(put(1, 1, ramp(8)), 1);
  const std::vector<std::pair<float, float>> cases{{-3.0f, -1.0f}, {-0.5f, -1.0f}, {0.9f, 0.0f},
                                                   {127.9f, 127.0f}, {500.0f, 127.0f}};
  for (auto [in, out] : cases) {
    bank->SetVolume(1, 1, 15, in);
    bank->SetVolume(1, 1, 16, in);
    EXPECT_EQ(bank->GetVolume(1, 1, 15), out) << in;
    EXPECT_EQ(bank->GetVolume(1, 1, 16), out) << in;
  }
}

TEST_F(VoiceParams, SoloFlagsSiblingsOneToThirtyTwo) {
  for (int sub : {1, 3, 32, 0}) ASSERT_EQ(put(2, sub, {1}), 1);
  voice(2, 1).MixSolo = 1;
  bank->SetVolume(2, 3, 12, 1.0f);
  EXPECT_EQ(bank->MixSolo[2], 3);
  EXPECT_EQ(voice(2, 3).MixSolo, 1);
  EXPECT_EQ(voice(2, 1).MixSolo, 0);
  EXPECT_EQ(voice(2, 32).MixSolo, 0);
  bank->SetVolume(2, 3, 12, 0.0f);
  EXPECT_EQ(bank->MixSolo[2], -1);
  EXPECT_EQ(voice(2, 3).MixSolo, 0);
  // Sub-voice 0 is never visited: soloing it leaves the bank's entry alone.
  bank->SetVolume(2, 1, 12, 1.0f);
  bank->SetVolume(2, 0, 12, 1.0f);
  EXPECT_EQ(bank->MixSolo[2], 1);
  EXPECT_EQ(voice(2, 1).MixSolo, 0);
  EXPECT_EQ(voice(2, 0).MixSolo, 0);
}

TEST_F(VoiceParams, LiveControlsReachOnlyTheChannel) {
  RecordingChannel& channel = rig(1, 2);
  TVoice& voice = this->voice(1, 2);
  voice.MixPan = 80;
  bank->SetVolume(1, 2, 23, 0.5f);
  EXPECT_FLOAT_EQ(channel.pan, 1.0f);
  EXPECT_EQ(voice.MixPan, 80.0f);
  voice.MixPan = -20;
  bank->SetVolume(1, 2, 23, 0.5f);
  EXPECT_FLOAT_EQ(channel.pan, 0.3f);
  bank->rootnote[1][2] = 12;
  voice.KeyboardTracking = 0;
  bank->SetVolume(1, 2, 22, 2.5f);
  EXPECT_FLOAT_EQ(channel.rate, bank->GetVolume(1, 2, 17));
  EXPECT_FLOAT_EQ(bank->GetVolume(1, 2, 17) / note->GetPureNote(45), 2.0f);
  voice.KeyboardTracking = 1;
  bank->SetVolume(1, 2, 22, 2.5f);
  EXPECT_FLOAT_EQ(channel.rate, 2.5f);
  voice.MixMute = 1;
  bank->SetVolume(1, 2, 24, 0.5f);
  EXPECT_FLOAT_EQ(channel.volume, 0.35f);
}

TEST_F(VoiceParams, VoiceTypesSetTheSoundsLoopAndWavetable) {
  ASSERT_EQ(put(3, 3, std::vector<int16_t>(6400, 1)), 1);
  TSound& sound = soundOf(3, 3);
  TVoice& v = voice(3, 3);
  v.VoiceTable = 2021;
  bank->SetVolume(3, 3, 7, 2004.0f);
  EXPECT_EQ(sound.WaveLength(), 64);
  EXPECT_EQ(sound.GetLoopLength(), 100);
  EXPECT_EQ(sound.GetIsWaveTable(), 1);
  EXPECT_EQ(sound.GetIsPPGWaveTable(), 0);
  EXPECT_EQ(v.LoopStart, 0);
  EXPECT_EQ(v.LoopEnd, 100);
  EXPECT_EQ(bank->GetVolume(3, 3, 7), 2004.0f);
  EXPECT_EQ(bank->SlotChannel(3, 3)->Playing(), 1);  // re-cued

  bank->SetVolume(3, 3, 9, 2022.0f);
  EXPECT_EQ(sound.GetLoopLength(), 50);
  EXPECT_EQ(sound.WaveLength(), 64);
  EXPECT_EQ(v.VoiceTable, 2022);

  sound.SetWaveTable(0, 5);
  sound.SetWaveTable(100, 120);
  sound.SetIsWaveTable(0);
  v.VoiceTable = 2021;
  bank->SetVolume(3, 3, 7, 2003.0f);  // 64 waves: steps conformed to wave 63
  EXPECT_EQ(sound.WaveTable(100), 63);
  EXPECT_EQ(sound.WaveLength(), 64);
  EXPECT_EQ(sound.GetLoopLength(), 100);
  EXPECT_EQ(sound.GetIsWaveTable(), 1);
  EXPECT_EQ(sound.WaveTable(0), 0);
  EXPECT_EQ(sound.WaveLoopStart(), 0);
  v.VoiceTable = 2022;
  bank->SetVolume(3, 3, 7, 2003.0f);
  EXPECT_EQ(sound.WaveLength(), 128);
  EXPECT_EQ(sound.GetLoopLength(), 50);
  EXPECT_EQ(sound.GetIsWaveTable(), 1);
  EXPECT_EQ(sound.GetIsPPGWaveTable(), 1);
  EXPECT_EQ(sound.WaveTable(0), 0);
  EXPECT_EQ(v.LoopEnd, 50);

  v.LoopStart = 10;
  v.LoopEnd = 30;
  bank->SetVolume(3, 3, 7, 2002.0f);
  EXPECT_EQ(sound.GetIsLooped(), 1);
  EXPECT_EQ(sound.GetIsWaveTable(), 0);
  EXPECT_EQ(sound.GetIsPPGWaveTable(), 0);
  EXPECT_EQ(sound.GetLoopStart(), 10);  // the voice's own loop, pushed last
  EXPECT_EQ(sound.GetLoopLength(), 20);

  bank->SetVolume(3, 3, 7, 2001.0f);
  EXPECT_EQ(sound.GetIsLooped(), 0);
  EXPECT_EQ(sound.GetLoopStart(), 0);
  EXPECT_EQ(v.LoopEnd, -1);
}

TEST_F(VoiceParams, RootNoteSetsTheFixedRateAndExtremesReadOne) {
  ASSERT_EQ(put(6, 6, {1}), 1);
  bank->SetVolume(6, 6, 6, 12.9f);
  EXPECT_EQ(bank->GetVolume(6, 6, 6), 12.0f);
  EXPECT_FLOAT_EQ(bank->GetVolume(6, 6, 17), note->GetPureNote(57));
  bank->SetVolume(6, 6, 6, 3.0e9f);  // saturates; the note is outside the table
  EXPECT_EQ(bank->GetVolume(6, 6, 17), 1.0f);
  bank->SetVolume(6, 6, 6, -3.0e9f);
  EXPECT_EQ(bank->GetVolume(6, 6, 17), 1.0f);
}

}  // namespace

namespace {

class VoiceZoom : public BankTest {};

TEST_F(VoiceZoom, ZoomEndsTheEditWindowAtAShareOfTheLengthAndNotPastIt) {
  ASSERT_EQ(put(1, 1, std::vector<int16_t>(10000, 1)), 1);
  TVoice& v = voice(1, 1);
  const std::vector<std::array<int, 3>> cases{// start, zoom, end
                                              {1000, 300, 6000},
                                              {8000, 300, 10000},
                                              {0, 0, 10000},
                                              {1234, 600, 1234},
                                              {0, 599, 16}};
  for (const auto& [start, zoom, end] : cases) {
    v.EditWindowStart = start;
    EXPECT_EQ(bank->SetZoom(1, 1, zoom), 0);
    EXPECT_EQ(v.EditWindowEnd, end) << start << " " << zoom;
    EXPECT_EQ(v.EditWindowStart, start);
  }
  EXPECT_EQ(bank->SetZoom(2, 2, 300), 0);  // empty slot
}

}  // namespace
