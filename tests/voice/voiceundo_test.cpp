// Undo and redo of a voice and by slot: the sound and its controls come back, the
// voice's own fields do not, the overview follows the restored sound, and a sound
// that cannot be copied stores no level.
#include <string>
#include <vector>

#include "banktest.h"

namespace {

using Words = std::vector<int16_t>;

class VoiceUndoRedo : public BankTest {
 protected:
  // Crops slot (1, 1) to frames from..to - 1, an edit that stores the undo level.
  void crop(int from, int to) { bank->Filter(1, 1, from, to, 0, 24); }
};

TEST_F(VoiceUndoRedo, NothingStoredAnswersZero) {
  TVoice fresh;
  EXPECT_EQ(fresh.Undo(), 0);
  EXPECT_EQ(fresh.Redo(), 0);
  EXPECT_EQ(bank->Undo(3, 3), 0);  // empty slot
  EXPECT_EQ(bank->Redo(3, 3), 0);
}

TEST_F(VoiceUndoRedo, EditUndoRedoAlternate) {
  ASSERT_EQ(put(1, 1, {10, 20, 30, 40}), 1);
  TVoice& v = voice(1, 1);
  crop(1, 3);
  ASSERT_EQ(values(v.Sound), (Words{20, 30}));
  playFor(1, 1, 4);
  EXPECT_EQ(bank->Undo(1, 1), 1);
  EXPECT_EQ(bank->SlotChannel(1, 1)->Playing(), 0);  // stopped first
  EXPECT_EQ(values(v.Sound), (Words{10, 20, 30, 40}));
  EXPECT_EQ(v.Undo(), 0);  // one level only
  EXPECT_EQ(bank->Redo(1, 1), 1);
  EXPECT_EQ(values(v.Sound), (Words{20, 30}));
  EXPECT_EQ(v.CanUndo, 1);
  EXPECT_EQ(v.CanRedo, 0);
  EXPECT_EQ(v.Undo(), 1);
  EXPECT_EQ(values(v.Sound), (Words{10, 20, 30, 40}));
}

// A copy of a sound carries its samples, CopyData its switches and envelopes: the LFOs,
// rotor, matrix and step table come back only through the stored snapshot.
TEST_F(VoiceUndoRedo, RestoresSamplesAndControlsButNotLoopPoints) {
  ASSERT_EQ(put(1, 1, {1, 2, 3, 4, 5, 6}), 1);
  TVoice& v = voice(1, 1);
  v.Sound->SetADSR(1, 5, 6, 7, 8, 9);
  v.Sound->SetRotorLevel(15, 33);
  v.Sound->SetModMatrix(14, 16, 1);
  v.Sound->SetLFOHertzRate(2, 40);
  v.Sound->SetWaveTable(5, 9);
  v.Sound->SetIsLooped(1);
  v.Sound->SetWaveLength(3);
  v.Sound->SetWaveLoopStart(1);
  crop(0, 3);
  v.Sound->SetIsLooped(0);
  v.Sound->SetWaveLength(1);
  v.Sound->SetWaveLoopStart(0);
  v.Sound->SetADSR(1, 0, 0, 0, 0, 0);
  v.Sound->SetRotorLevel(15, 1);
  v.Sound->SetModMatrix(14, 16, 0);
  v.Sound->SetLFOHertzRate(2, 3);
  v.Sound->SetWaveTable(5, 2);
  v.LoopStart = 1;
  v.LoopEnd = 2;
  ASSERT_EQ(v.Undo(), 1);
  EXPECT_EQ(values(v.Sound), (Words{1, 2, 3, 4, 5, 6}));
  EXPECT_EQ(v.Sound->GetDecay(1), 7);
  EXPECT_EQ(v.Sound->GetRotorLevel(15), 33);
  EXPECT_EQ(v.Sound->GetModMatrix(14, 16), 1);
  EXPECT_EQ(v.Sound->GetLFOHertzRate(2), 40);
  EXPECT_EQ(v.Sound->WaveTable(5), 9);
  EXPECT_EQ(v.Sound->GetIsLooped(), 1);
  EXPECT_EQ(v.Sound->WaveLength(), 3);  // a wavetable comes back whole
  EXPECT_EQ(v.Sound->WaveLoopStart(), 1);
  EXPECT_EQ(v.LoopEnd, 2);
  // The stored level stays intact: the voice got a copy.
  v.Sound->GetAudioSample()[0] = 999;
  EXPECT_EQ(values(v.UndoSound)[0], 1);
}

TEST_F(VoiceUndoRedo, OverviewAndChannelsFollowAChangeOfLayout) {
  ASSERT_EQ(put(1, 1, {100, -100, 200, -200}, 2), 1);
  TVoice& v = voice(1, 1);
  bank->Filter(1, 1, 0, 0, 0, 145);  // stereo to mono, left
  EXPECT_EQ(v.CurrChannel, 1);
  ASSERT_EQ(v.Undo(), 1);
  EXPECT_EQ(v.CurrChannel, 2);
  EXPECT_EQ(v.SamplePtr, v.Sound->GetAudioSample());
  EXPECT_FLOAT_EQ(v.data[0], -100.0f / 32767.0f);
  EXPECT_FLOAT_EQ(v.data[1], 100.0f / 32767.0f);
  ASSERT_EQ(v.Redo(), 1);
  EXPECT_EQ(v.CurrChannel, 1);
  EXPECT_EQ(v.SamplePtr, v.Sound->GetAudioSample());
  EXPECT_FLOAT_EQ(v.data[1], -100.0f / 32767.0f);  // the mono rule: point 1 shows frame 0
}

// The silent sound answers itself for a copy, as every sound does when memory runs
// out: no level may then hold the live sound, which later effects rewrite.
TEST_F(VoiceUndoRedo, ASoundThatCannotBeCopiedStoresNoLevel) {
  ASSERT_EQ(put(1, 1, {1, 2, 3}), 1);
  TVoice& v = voice(1, 1);
  const std::shared_ptr<TSound> live = v.Sound;
  v.UndoSound = TSound::New();
  v.RedoSound = TSound::New();
  v.CanUndo = 1;
  v.CanRedo = 1;
  testing::internal::CaptureStdout();
  EXPECT_EQ(v.Undo(), 0);
  EXPECT_EQ(v.Redo(), 0);
  EXPECT_EQ(v.Sound, live);
  v.RedoSound = nullptr;
  v.CanRedo = 0;
  v.Sound = TSound::New();
  v.SetRedo();
  const std::string log = testing::internal::GetCapturedStdout();
  EXPECT_NE(log.find("Cant copy Sound"), std::string::npos);
  EXPECT_EQ(v.CanRedo, 0);
  EXPECT_EQ(v.RedoSound, nullptr);
}

}  // namespace
