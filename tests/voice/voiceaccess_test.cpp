// Per-slot accessors: empty-slot answers, envelope edits that keep the other stages,
// rotor and matrix writes that mark the controls changed, and voice activity.
#include "banktest.h"

namespace {

class VoiceAccess : public BankTest {};

TEST_F(VoiceAccess, EmptySlotAnswers) {
  EXPECT_EQ(bank->GetName(1, 1), "Not Loaded");
  EXPECT_EQ(bank->GetAlias(1, 1), "Not Loaded");
  EXPECT_EQ(bank->GetFolder(1, 1), "");
  EXPECT_EQ(bank->SetEnvelope(1, 1, 0, 1, 5), -1);
  EXPECT_EQ(bank->SetRotor(1, 1, 1, 5, 0), 0);
  EXPECT_EQ(bank->GetPtr(1, 1), nullptr);
  EXPECT_EQ(bank->GetLength(99, -4), 0);
  EXPECT_EQ(bank->GetDisplay(1, 1), 0);
}

TEST_F(VoiceAccess, EnvelopeEditKeepsTheOtherStages) {
  ASSERT_EQ(put(1, 1, {1, 2}), 1);
  bank->SetEnvelope(1, 1, 2, 3, 777);  // an envelope never set reads 0, 0, 0, 4095, 0
  EXPECT_EQ(bank->GetEnvelope(1, 1, 2, 3), 777);
  EXPECT_EQ(bank->GetEnvelope(1, 1, 2, 4), 4095);
  EXPECT_EQ(bank->GetEnvelope(1, 1, 2, 2), 0);
  EXPECT_EQ(voice(1, 1).ControlModified, 1);
  EXPECT_EQ(bank->SetEnvelope(1, 1, 2, 6, 1), -1);
  EXPECT_EQ(bank->GetEnvelope(1, 1, 2, 3), 777);
  EXPECT_EQ(bank->GetEnvelope(1, 1, 2, 6), 0);
}

TEST_F(VoiceAccess, RotorAndMatrixWritesMarkTheControlsChanged) {
  ASSERT_EQ(put(1, 1, {1, 2}), 1);
  bank->SetRotor(1, 1, 1, 50, 3);
  EXPECT_EQ(bank->GetRotor(1, 1, 1, 3), 50);
  EXPECT_EQ(voice(1, 1).ControlModified, 1);
  voice(1, 1).ControlModified = 0;
  EXPECT_EQ(bank->SetRotor(1, 1, 5, 50, 3), -1);
  EXPECT_EQ(bank->GetRotor(1, 1, 5, 0), -1);
  EXPECT_EQ(voice(1, 1).ControlModified, 1);
  voice(1, 1).ControlModified = 0;
  bank->SetMatrix(1, 1, 2, 3, 1);
  EXPECT_EQ(bank->GetMatrix(1, 1, 2, 3), 1);
  EXPECT_EQ(voice(1, 1).ControlModified, 1);
}

TEST_F(VoiceAccess, VoiceActivitySkipsSubVoiceZero) {
  ASSERT_EQ(put(5, 0, {1}), 1);
  EXPECT_EQ(bank->GetVoiceActive(5), 0);
  ASSERT_EQ(put(5, 32, {1}), 1);
  EXPECT_EQ(bank->GetVoiceActive(5), 1);
  voice(5, 32).ResetVoice();
  EXPECT_EQ(bank->GetVoiceActive(5), 0);
  EXPECT_EQ(bank->GetVoiceActive(-1), 0);
}

}  // namespace
