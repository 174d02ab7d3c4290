// Undo and redo of a voice and by slot: the sound and its controls come back, the
// voice's own fields do not, and the overview follows the restored sound.
#include <gtest/gtest.h>

#include "voicetestkit.h"

using voicetest::FakeSound;

namespace {

class VoiceUndoRedo : public voicetest::BankTest {
 protected:
  // An edit as the effects make it: undo level first, then a new sound.
  static void Edit(TVoice& voice, std::vector<int16_t> words, int channels) {
    voice.SetUndo();
    voice.Sound = FakeSound::Make(std::move(words), channels);
    voice.FillData();
  }
  static FakeSound& SoundOf(TVoice& voice) { return static_cast<FakeSound&>(*voice.Sound); }
};

TEST_F(VoiceUndoRedo, NothingStoredAnswersZero) {
  TVoice voice;
  EXPECT_EQ(voice.Undo(), 0);
  EXPECT_EQ(voice.Redo(), 0);
  EXPECT_EQ(bank->Undo(3, 3), 0);  // empty slot
  EXPECT_EQ(bank->Redo(-1, 40), 0);
}

TEST_F(VoiceUndoRedo, EditUndoRedoAlternate) {
  Fill(1, 1, {10, 20, 30, 40});
  TVoice& voice = Voice(1, 1);
  Edit(voice, {7, 7}, 1);
  EXPECT_EQ(bank->Undo(1, 1), 1);
  EXPECT_EQ(SoundOf(voice).words, (std::vector<int16_t>{10, 20, 30, 40}));
  EXPECT_EQ(Chan(1, 1).calls, std::vector<std::string>{"Pause"});  // stopped first
  EXPECT_EQ(voice.Undo(), 0);                                       // one level only
  EXPECT_EQ(bank->Redo(1, 1), 1);
  EXPECT_EQ(SoundOf(voice).words, (std::vector<int16_t>{7, 7}));
  EXPECT_EQ(voice.CanUndo, 1);
  EXPECT_EQ(voice.CanRedo, 0);
  EXPECT_EQ(voice.Undo(), 1);
  EXPECT_EQ(SoundOf(voice).words, (std::vector<int16_t>{10, 20, 30, 40}));
}

TEST_F(VoiceUndoRedo, RestoresSamplesAndControlsButNotLoopPoints) {
  FakeSound& original = Fill(2, 3, {1, 2, 3, 4, 5, 6});
  original.SetADSR(1, 5, 6, 7, 8, 9);
  original.SetRotorLevel(15, 33);
  original.SetModMatrix(14, 16, 1);
  TVoice& voice = Voice(2, 3);
  Edit(voice, {9, 9, 9}, 1);  // the new sound has no controls
  voice.LoopStart = 1;
  voice.LoopEnd = 2;
  ASSERT_EQ(voice.Undo(), 1);
  FakeSound& restored = SoundOf(voice);
  EXPECT_EQ(restored.GetDecay(1), 7);
  EXPECT_EQ(restored.GetRotorLevel(15), 33);
  EXPECT_EQ(restored.GetModMatrix(14, 16), 1);
  EXPECT_EQ(voice.LoopEnd, 2);
  // The stored level stays intact: the voice got a copy.
  restored.words[0] = 999;
  EXPECT_EQ(static_cast<FakeSound&>(*voice.UndoSound).words[0], 1);
}

TEST_F(VoiceUndoRedo, OverviewAndChannelsFollowAChangeOfLayout) {
  Fill(4, 4, {100, -100, 200, -200}, 2);
  TVoice& voice = Voice(4, 4);
  Edit(voice, {5, 6}, 1);
  EXPECT_EQ(voice.CurrChannel, 1);
  ASSERT_EQ(voice.Undo(), 1);
  EXPECT_EQ(voice.CurrChannel, 2);
  EXPECT_EQ(voice.SamplePtr, voice.Sound->GetAudioSample());
  EXPECT_FLOAT_EQ(voice.data[0], -100.0f / 32767.0f);
  EXPECT_FLOAT_EQ(voice.data[1], 100.0f / 32767.0f);
  ASSERT_EQ(voice.Redo(), 1);
  EXPECT_EQ(voice.CurrChannel, 1);
  EXPECT_EQ(voice.SamplePtr, voice.Sound->GetAudioSample());
}

}  // namespace
