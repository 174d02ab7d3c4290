// The voice pool and sample transfer: lowest free voice first, growth by 32 with its
// log line, reuse of a slot's voice, the loop set-up a transfer carries, and a
// failed transfer that leaves no slot bound to a free voice.
#include <string>

#include "banktest.h"

namespace {

using VoicePool = BankTest;

TEST_F(VoicePool, SlotsBindInPoolOrderAndThePoolGrowsBy32) {
  const auto ramp = fill(8, [](int i) { return i; });
  EXPECT_EQ(bank->GetNewVoice(), 0);
  for (int i = 0; i < 33; ++i) ASSERT_EQ(put(1 + i / 32, i % 32 + 1, ramp), 1);
  EXPECT_EQ(bank->Voc[1][1], 0);
  EXPECT_EQ(bank->Voc[1][2], 1);
  EXPECT_EQ(bank->Voc[2][1], 32);
  EXPECT_EQ(bank->VoiceCount, 33);

  testing::internal::CaptureStdout();
  ASSERT_EQ(put(3, 1, ramp), 1);
  std::string out = testing::internal::GetCapturedStdout();
  EXPECT_NE(out.find("GetNewVoice Voicecount=33\n"), std::string::npos) << out;
  EXPECT_EQ(bank->Voc[3][1], 33);
  EXPECT_EQ(bank->VoiceCount, 65);
  EXPECT_EQ(bank->VocRef.size(), 65u);

  for (int s = 2; s <= 32; ++s) ASSERT_EQ(put(3, s, ramp), 1);
  testing::internal::CaptureStdout();
  ASSERT_EQ(put(4, 1, ramp), 1);
  out = testing::internal::GetCapturedStdout();
  EXPECT_NE(out.find("GetNewVoice Voicecount=65\n"), std::string::npos) << out;
  EXPECT_EQ(bank->Voc[4][1], 65);
  EXPECT_EQ(bank->VoiceCount, 97);
}

TEST_F(VoicePool, TheFreeIndexIsNotReservedUntilASoundIsMade) {
  EXPECT_EQ(bank->GetNewVoice(), 0);
  EXPECT_EQ(bank->GetNewVoice(), 0);
  ASSERT_EQ(put(0, 0, {1, 2, 3}), 1);
  EXPECT_EQ(bank->GetNewVoice(), 1);
}

TEST_F(VoicePool, ASecondTransferReusesTheVoiceAndItsSettings) {
  ASSERT_EQ(put(2, 2, fill(10, [](int i) { return i; })), 1);
  const int index = bank->Voc[2][2];
  voice(2, 2).mixvolume = 0.3f;
  voice(2, 2).MixPan = -40;
  ASSERT_EQ(put(2, 2, fill(20, [](int i) { return -i; }), 2, 0, 0, "Second"), 1);
  EXPECT_EQ(bank->Voc[2][2], index);
  EXPECT_FLOAT_EQ(voice(2, 2).mixvolume, 0.3f);
  EXPECT_FLOAT_EQ(voice(2, 2).MixPan, -40.0f);
  EXPECT_EQ(voice(2, 2).strAlias, "Second");
  EXPECT_EQ(voice(2, 2).CurrChannel, 2);
  EXPECT_EQ(bank->GetLength(2, 2), 10);
  EXPECT_EQ(voice(2, 2).dir, "/samples/");
  EXPECT_EQ(voice(2, 2).Name, "file.wav");
}

TEST_F(VoicePool, ALoopMakesTheVoiceLooped) {
  testing::internal::CaptureStdout();
  ASSERT_EQ(put(1, 1, fill(6000, [](int i) { return i; }), 1, 100, 5000), 1);
  const std::string out = testing::internal::GetCapturedStdout();
  EXPECT_NE(out.find("100 5000\n"), std::string::npos) << out;
  TVoice& vc = voice(1, 1);
  EXPECT_EQ(vc.VoiceType, 2002);
  EXPECT_EQ(vc.LoopStart, 100);
  EXPECT_EQ(vc.LoopEnd, 5000);
  EXPECT_EQ(vc.Sound->GetLoopStart(), 100);
  EXPECT_EQ(vc.Sound->GetLoopLength(), 4900);
}

// Loading a looped sample makes no sound until it is played, also for a voice that
// plays at its fixed rate.
TEST_F(VoicePool, ATransferWithALoopStaysSilentUntilPlayed) {
  const auto loud = fill(20000, [](int) { return 9000; });
  ASSERT_EQ(put(1, 1, loud), 1);
  voice(1, 1).KeyboardTracking = 0;
  ASSERT_EQ(put(1, 1, loud, 1, 100, 5000), 1);
  ASSERT_EQ(put(1, 2, loud, 1, 100, 5000), 1);
  EXPECT_TRUE(silent(render()));
  EXPECT_EQ(bank->Channel[1][1]->Playing(), 0);
  EXPECT_EQ(bank->Channel[1][2]->Playing(), 0);
  ASSERT_EQ(bank->PlayNote(1, 1, 1.0f), 1);
  EXPECT_FALSE(silent(render()));
}

TEST_F(VoicePool, NoLoopWhenTheEndIsNotPastTheStart) {
  testing::internal::CaptureStdout();
  ASSERT_EQ(put(1, 1, fill(100, [](int i) { return i; }), 1, 0, 0), 1);
  ASSERT_EQ(put(1, 2, fill(100, [](int i) { return i; }), 1, 50, 50), 1);
  ASSERT_EQ(put(1, 3, fill(100, [](int i) { return i; }), 1, 0, -1), 1);
  const std::string out = testing::internal::GetCapturedStdout();
  EXPECT_EQ(out.find("50 50"), std::string::npos);
  for (int s = 1; s <= 3; ++s) {
    EXPECT_EQ(voice(1, s).VoiceType, 2001) << s;
    EXPECT_EQ(voice(1, s).LoopEnd, -1) << s;
    EXPECT_EQ(voice(1, s).Sound->GetIsLooped(), 0) << s;
  }
}

TEST_F(VoicePool, AFailedTransferLeavesTheSlotEmpty) {
  EXPECT_EQ(bank->TransferToVoice(1, 1, nullptr, "", "n", "a", 0, 0, 0), 0);
  EXPECT_EQ(bank->Voc[1][1], -1);
  // The voice it would have taken is still the next free one, and only one slot gets it.
  ASSERT_EQ(put(1, 2, {5, 6}), 1);
  EXPECT_EQ(bank->Voc[1][2], 0);
  // A failed transfer into an occupied slot loses the old sound and frees the slot;
  // the voice keeps no pointer into the lost sound.
  TVoice& lost = voice(1, 2);
  EXPECT_EQ(bank->TransferToVoice(1, 2, nullptr, "", "n", "a", 0, 10, 20), 0);
  EXPECT_EQ(bank->Voc[1][2], -1);
  EXPECT_EQ(lost.Sound, nullptr);
  EXPECT_EQ(lost.SamplePtr, nullptr);
  EXPECT_EQ(bank->GetNewVoice(), 0);
}

TEST_F(VoicePool, SlotsOutsideTheBankAreRefused) {
  testing::internal::CaptureStdout();
  EXPECT_EQ(put(33, 0, {1}), 0);
  EXPECT_EQ(put(0, -1, {1}), 0);
  const std::string out = testing::internal::GetCapturedStdout();
  EXPECT_NE(out.find("voice/transfer ERROR"), std::string::npos);
  EXPECT_EQ(bank->GetNewVoice(), 0);
}

TEST_F(VoicePool, ATransferStopsTheSlotsPlayingNote) {
  ASSERT_EQ(put(1, 1, fill(20000, [](int) { return 9000; })), 1);
  ASSERT_EQ(bank->PlayNote(1, 1, 1.0f), 1);
  EXPECT_FALSE(silent(render()));
  ASSERT_EQ(put(1, 1, fill(20000, [](int) { return 9000; })), 1);
  EXPECT_EQ(bank->Channel[1][1]->Playing(), 0);
  EXPECT_TRUE(silent(render()));
}

}  // namespace
