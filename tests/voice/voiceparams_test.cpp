// Sub-voice settings by parameter number: defaults, clamps, solo, live channel
// controls, voice-type and wave-size changes on the sound, zoom and channel counts.
#include <gtest/gtest.h>

#include "voicetestkit.h"

namespace {

class VoiceParams : public voicetest::BankTest {};

TEST_F(VoiceParams, EmptySlotsAndUnknownNumbers) {
  EXPECT_EQ(bank->GetVolume(-1, 0, 1), 0.0f);
  EXPECT_EQ(bank->GetVolume(0, 0, 1), 0.0f);
  EXPECT_EQ(bank->GetVolume(40, 99, 1), 0.0f);
  EXPECT_EQ(bank->SetVolume(40, 99, 1, 0.5f), 0);
  EXPECT_EQ(bank->GetChannels(0, 0), 1.0f);
  EXPECT_EQ(bank->GetSound(0, 0), nullptr);
  Fill(1, 1, voicetest::Ramp(8));
  EXPECT_FLOAT_EQ(bank->GetVolume(1, 1, 1), 0.7f);
  EXPECT_EQ(bank->GetVolume(1, 1, 2), 0.0f);
  for (int n : {3, 4, 8, 22, 23, 24, 25, 0})
    EXPECT_EQ(bank->GetVolume(1, 1, n), 0.0f) << n;
  bank->SetVolume(1, 1, 3, 9.0f);
  bank->SetVolume(1, 1, 4, 9.0f);
  EXPECT_TRUE(Chan(1, 1).calls.empty());
}

TEST_F(VoiceParams, MarksAreClampedToMinusOneAndZeroTo127) {
  Fill(1, 1, voicetest::Ramp(8));
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
  Fill(2, 1, {1});
  Fill(2, 3, {1});
  Fill(2, 32, {1});
  Fill(2, 0, {1});
  Voice(2, 1).MixSolo = 1;
  bank->SetVolume(2, 3, 12, 1.0f);
  EXPECT_EQ(bank->MixSolo[2], 3);
  EXPECT_EQ(Voice(2, 3).MixSolo, 1);
  EXPECT_EQ(Voice(2, 1).MixSolo, 0);
  EXPECT_EQ(Voice(2, 32).MixSolo, 0);
  bank->SetVolume(2, 3, 12, 0.0f);
  EXPECT_EQ(bank->MixSolo[2], -1);
  EXPECT_EQ(Voice(2, 3).MixSolo, 0);
  // Sub-voice 0 is never visited: soloing it leaves the bank's entry alone.
  bank->SetVolume(2, 1, 12, 1.0f);
  bank->SetVolume(2, 0, 12, 1.0f);
  EXPECT_EQ(bank->MixSolo[2], 1);
  EXPECT_EQ(Voice(2, 1).MixSolo, 0);
  EXPECT_EQ(Voice(2, 0).MixSolo, 0);
}

TEST_F(VoiceParams, LiveControlsReachOnlyTheChannel) {
  Fill(1, 2, {1});
  TVoice& voice = Voice(1, 2);
  voice.MixPan = 80;
  bank->SetVolume(1, 2, 23, 0.5f);
  EXPECT_FLOAT_EQ(Chan(1, 2).pan, 1.0f);
  EXPECT_EQ(voice.MixPan, 80.0f);
  voice.MixPan = -20;
  bank->SetVolume(1, 2, 23, 0.5f);
  EXPECT_FLOAT_EQ(Chan(1, 2).pan, 0.3f);
  bank->rootnote[1][2] = 12;
  voice.KeyboardTracking = 0;
  bank->SetVolume(1, 2, 22, 2.5f);
  EXPECT_FLOAT_EQ(Chan(1, 2).rate, bank->GetVolume(1, 2, 17));
  EXPECT_FLOAT_EQ(bank->GetVolume(1, 2, 17) / note->GetPureNote(45), 2.0f);
  voice.KeyboardTracking = 1;
  bank->SetVolume(1, 2, 22, 2.5f);
  EXPECT_FLOAT_EQ(Chan(1, 2).rate, 2.5f);
  voice.MixMute = 1;
  bank->SetVolume(1, 2, 24, 0.5f);
  EXPECT_FLOAT_EQ(Chan(1, 2).volume, 0.35f);
}

TEST_F(VoiceParams, VoiceTypesSetTheSoundsLoopAndWavetable) {
  voicetest::FakeSound& sound = Fill(3, 3, std::vector<int16_t>(6400, 1));
  TVoice& voice = Voice(3, 3);
  voice.VoiceTable = 2021;
  bank->SetVolume(3, 3, 7, 2004.0f);
  EXPECT_EQ(sound.get("WaveLength"), 64);
  EXPECT_EQ(sound.get("LoopLength"), 100);
  EXPECT_EQ(sound.get("WaveTable"), 1);
  EXPECT_EQ(voice.LoopStart, 0);
  EXPECT_EQ(voice.LoopEnd, 100);
  EXPECT_EQ(bank->GetVolume(3, 3, 7), 2004.0f);
  EXPECT_EQ(Chan(3, 3).calls.front(), "Cue");  // re-cued
  EXPECT_EQ(Chan(3, 3).volume, 0.7f);

  sound.calls.clear();
  bank->SetVolume(3, 3, 9, 2022.0f);
  EXPECT_EQ(sound.get("LoopLength"), 50);
  EXPECT_EQ(sound.get("WaveLength"), 64);
  EXPECT_EQ(voice.VoiceTable, 2022);

  voice.LoopStart = 10;
  voice.LoopEnd = 30;
  sound.calls.clear();
  bank->SetVolume(3, 3, 7, 2002.0f);
  EXPECT_EQ(sound.get("Looped"), 1);
  EXPECT_EQ(sound.calls.back(), "LoopLength=20");  // the voice's own loop, pushed last
  EXPECT_EQ(sound.get("LoopStart"), 10);

  bank->SetVolume(3, 3, 7, 2001.0f);
  EXPECT_EQ(sound.get("Looped"), 0);
  EXPECT_EQ(sound.get("LoopLength"), -1);
  EXPECT_EQ(voice.LoopEnd, -1);
}

TEST_F(VoiceParams, RootNoteSetsTheFixedRateAndExtremesReadOne) {
  Fill(6, 6, {1});
  bank->SetVolume(6, 6, 6, 12.9f);
  EXPECT_EQ(bank->GetVolume(6, 6, 6), 12.0f);
  EXPECT_FLOAT_EQ(bank->GetVolume(6, 6, 17), note->GetPureNote(57));
  bank->SetVolume(6, 6, 6, 3.0e9f);  // saturates; the note is outside the table
  EXPECT_EQ(bank->GetVolume(6, 6, 17), 1.0f);
  bank->SetVolume(6, 6, 6, -3.0e9f);
  EXPECT_EQ(bank->GetVolume(6, 6, 17), 1.0f);
}

}  // namespace
