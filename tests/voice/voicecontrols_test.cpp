// Control snapshots between two real sounds: a copy and paste carries every control,
// LFO floats are truncated on the way back, null arguments do nothing.
#include "banktest.h"

namespace {

class VoiceControlData : public BankTest {};

TEST_F(VoiceControlData, CopyThenPasteGivesTheSecondSoundTheSameControls) {
  auto a = sound({1, 2, 3});
  auto b = sound({4, 5});
  a->SetADSR(3, 1, 2, 3, 4, 5);
  a->SetLFOHertzRate(2, 17);
  a->SetLFOScale(3, 1500);
  a->SetWaveTable(127, 9);
  a->SetWaveTableRepeat(0, 4);
  a->SetRotorLevel(0, 77);
  a->SetRotorCount(6);
  a->SetMatrixLevel(14, 75);
  a->SetModMatrix(0, 16, 1);
  a->SetModMatrix(15, 0, 1);  // outside the snapshot
  auto data = std::make_shared<TVoiceData>();
  TVoice any;
  EXPECT_EQ(any.CopyControlData(a, data, "copy"), 0);
  EXPECT_EQ(data->fHertz[2], 17.0f);
  EXPECT_EQ(any.PasteControlData(data, b, "paste"), 0);
  EXPECT_EQ(b->GetDelay(3), 1);
  EXPECT_EQ(b->GetRelease(3), 5);
  EXPECT_EQ(b->GetLFOHertzRate(2), 17);
  EXPECT_EQ(b->GetLFOScale(3), a->GetLFOScale(3));
  EXPECT_EQ(b->WaveTable(127), 9);
  EXPECT_EQ(b->WaveTableRepeat(0), 4);
  EXPECT_EQ(b->GetRotorLevel(0), 77);
  EXPECT_EQ(b->GetRotorCount(), 6);
  EXPECT_EQ(b->GetMatrixLevel(14), 75);
  EXPECT_EQ(b->GetModMatrix(0, 16), 1);
  EXPECT_EQ(b->GetModMatrix(15, 0), 0);
  EXPECT_EQ(values(b), (std::vector<int16_t>{4, 5}));  // sample data untouched
}

TEST_F(VoiceControlData, LfoFloatsAreTruncatedTowardZero) {
  auto data = std::make_shared<TVoiceData>();
  data->fWave[0] = 2.9f;
  data->fVOffset[1] = -2.9f;
  auto target = sound({1});
  TVoice().PasteControlData(data, target, "paste");
  EXPECT_EQ(target->GetLFOWave(0), 2);
  EXPECT_EQ(target->GetLFOVertical(1), -2);
}

TEST_F(VoiceControlData, NullArgumentsDoNothingAndLogNothing) {
  auto data = std::make_shared<TVoiceData>();
  data->nDelay[0] = 5;
  auto target = sound({1});
  testing::internal::CaptureStdout();
  TVoice any;
  EXPECT_EQ(any.CopyControlData(nullptr, data, "undo"), 0);
  EXPECT_EQ(any.CopyControlData(target, nullptr, "undo"), 0);
  EXPECT_EQ(any.PasteControlData(nullptr, target, "undo"), 0);
  EXPECT_EQ(any.PasteControlData(data, nullptr, "undo"), 0);
  EXPECT_EQ(testing::internal::GetCapturedStdout(), "");
  EXPECT_EQ(data->nDelay[0], 5);
  EXPECT_EQ(target->GetDelay(0), 0);

  testing::internal::CaptureStdout();
  any.CopyControlData(target, data, "undo");
  EXPECT_EQ(testing::internal::GetCapturedStdout(), "Copy Control=undo\n");
}

}  // namespace
