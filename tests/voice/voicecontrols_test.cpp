// Control snapshots: a copy and paste carries every control between two sounds, LFO
// floats are truncated on the way back, null arguments do nothing.
#include <gtest/gtest.h>

#include "voicetestkit.h"

using voicetest::FakeSound;

namespace {

TEST(VoiceControlData, CopyThenPasteGivesTheSecondSoundTheSameControls) {
  auto a = FakeSound::Make({1, 2, 3}, 1);
  auto b = FakeSound::Make({4, 5}, 1);
  a->SetADSR(3, 1, 2, 3, 4, 5);
  a->SetLFOHertzRate(2, -17);
  a->SetLFOScale(3, 1500);
  a->SetWaveTable(127, 9);
  a->SetWaveTableRepeat(0, 4);
  a->SetRotorLevel(0, 77);
  a->SetRotorCount(6);
  a->SetMatrixLevel(14, 250);
  a->SetModMatrix(0, 16, 1);
  a->SetModMatrix(15, 0, 1);  // outside the snapshot
  auto data = std::make_shared<TVoiceData>();
  TVoice any;
  EXPECT_EQ(any.CopyControlData(a, data, "copy"), 0);
  EXPECT_EQ(data->fHertz[2], -17.0f);
  EXPECT_EQ(any.PasteControlData(data, b, "paste"), 0);
  for (const char* key : {"D3", "A3", "Dc3", "S3", "R3", "Lh2", "Ls3", "Wt127", "Wr0", "Rl0", "Rc", "Ml14", "Mx0,16"})
    EXPECT_EQ(b->get(key), a->get(key)) << key;
  EXPECT_EQ(b->get("Mx15,0"), 0);
  EXPECT_EQ(b->words, (std::vector<int16_t>{4, 5}));  // sample data untouched
}

TEST(VoiceControlData, LfoFloatsAreTruncatedTowardZero) {
  auto data = std::make_shared<TVoiceData>();
  data->fWave[0] = 2.9f;
  data->fOffset[1] = -2.9f;
  auto sound = FakeSound::Make({}, 1);
  TVoice().PasteControlData(data, sound, "paste");
  EXPECT_EQ(sound->get("Lw0"), 2);
  EXPECT_EQ(sound->get("Lo1"), -2);
}

TEST(VoiceControlData, NullArgumentsDoNothingAndLogNothing) {
  auto data = std::make_shared<TVoiceData>();
  data->nDelay[0] = 5;
  auto sound = FakeSound::Make({}, 1);
  testing::internal::CaptureStdout();
  TVoice voice;
  EXPECT_EQ(voice.CopyControlData(nullptr, data, "undo"), 0);
  EXPECT_EQ(voice.CopyControlData(sound, nullptr, "undo"), 0);
  EXPECT_EQ(voice.PasteControlData(nullptr, sound, "undo"), 0);
  EXPECT_EQ(voice.PasteControlData(data, nullptr, "undo"), 0);
  EXPECT_EQ(testing::internal::GetCapturedStdout(), "");
  EXPECT_EQ(data->nDelay[0], 5);
  EXPECT_TRUE(sound->calls.empty());

  testing::internal::CaptureStdout();
  voice.CopyControlData(sound, data, "undo");
  EXPECT_EQ(testing::internal::GetCapturedStdout(), "Copy Control=undo\n");
}

}  // namespace
