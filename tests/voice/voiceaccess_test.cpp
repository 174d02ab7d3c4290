// Per-slot accessors: empty-slot answers, envelope edits that keep the other stages,
// rotor and matrix writes that mark the controls changed, and voice activity.
#include <gtest/gtest.h>

#include "voicetestkit.h"

namespace {

class VoiceAccess : public voicetest::BankTest {};

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
  voicetest::FakeSound& sound = Fill(1, 1, {1, 2});
  sound.SetADSR(2, 0, 0, 0, 4095, 0);  // as a never-set envelope reads
  sound.calls.clear();
  bank->SetEnvelope(1, 1, 2, 3, 777);
  EXPECT_EQ(bank->GetEnvelope(1, 1, 2, 3), 777);
  EXPECT_EQ(bank->GetEnvelope(1, 1, 2, 4), 4095);
  EXPECT_EQ(Voice(1, 1).ControlModified, 1);
  sound.calls.clear();
  EXPECT_EQ(bank->SetEnvelope(1, 1, 2, 6, 1), -1);
  EXPECT_TRUE(sound.calls.empty());
  EXPECT_EQ(bank->GetEnvelope(1, 1, 2, 6), 0);
}

TEST_F(VoiceAccess, VoiceActivitySkipsSubVoiceZero) {
  Fill(5, 0, {1});
  EXPECT_EQ(bank->GetVoiceActive(5), 0);
  Fill(5, 32, {1});
  EXPECT_EQ(bank->GetVoiceActive(5), 1);
  Voice(5, 32).ResetVoice();
  EXPECT_EQ(bank->GetVoiceActive(5), 0);
  EXPECT_EQ(bank->GetVoiceActive(-1), 0);
}

}  // namespace
