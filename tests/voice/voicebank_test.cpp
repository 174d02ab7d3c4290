// The bank's life cycle through the driver (slots, channels, sends, key maps, the
// global effects switch, preset lists saved when changed) and its mix
// layout: send levels, their clipboard and its index limits.
#include <filesystem>
#include <string>

#include "banktest.h"
#include "framework/appfunctions.h"
#include "voice/lfolist.h"
#include "voice/rotorlist.h"

namespace {

class VoiceBankLifecycle : public BankTest {};

// Every slot empty with a channel of its own, fresh sends, the global effects on, the
// voices' names and volumes set.
TEST_F(VoiceBankLifecycle, InitMakesEverySlotReady) {
  for (int v = 0; v < TVoices::MaxVoice; ++v) {
    EXPECT_EQ(voiceDirectName[v], "()");
    EXPECT_EQ(voiceDirectVolume[v], 1.0f);
    EXPECT_EQ(bank->MixSolo[v], -1);
    for (int s = 0; s < TVoices::MaxSubVoice; ++s) {
      ASSERT_NE(bank->Channel[v][s], nullptr);
      EXPECT_EQ(bank->GetAlloc(v, s, 5), -1);
      EXPECT_EQ(bank->alloc[v][s][119], 119);
      EXPECT_EQ(bank->GetFXSend(v, s, 0), 0);
      EXPECT_EQ(bank->GetFXSend(v, s, 7), 0);
      EXPECT_EQ(bank->GetFXSend(v, s, 8), 1000);
    }
  }
  EXPECT_NE(bank->Channel[0][0], bank->Channel[32][32]);
  EXPECT_EQ(bank->GetFX(969, 0), 1);
  ASSERT_EQ(put(4, 4, {1}), 1);
  EXPECT_EQ(bank->GetAlloc(4, 4, 77), 77);
}

// Shutdown writes a preset list only when it has changed.
TEST_F(VoiceBankLifecycle, ShutdownSavesChangedPresetLists) {
  const std::string file = App_SupportDir + bank->LFOList->StubPath();
  const std::string unchanged = App_SupportDir + bank->RotorList->StubPath();
  std::filesystem::remove(unchanged);
  bank->LFOList->AddToFolder("Wobble", 1, 2, 3, 4, 5, 6);
  EXPECT_EQ(std::string(bytes(file).begin(), bytes(file).end()).find("Wobble"), std::string::npos);
  testing::internal::CaptureStdout();
  EXPECT_EQ(bank->Shutdown(), 0);
  const std::string log = testing::internal::GetCapturedStdout();
  EXPECT_EQ(log.rfind("Voice Shutdown\n", 0), 0u);
  const auto written = bytes(file);
  EXPECT_NE(std::string(written.begin(), written.end()).find("Wobble"), std::string::npos);
  EXPECT_FALSE(std::filesystem::exists(unchanged));
}

TEST_F(VoiceBankLifecycle, InitSubVoiceEmptiesAFilledSlotOnly) {
  auto before = bank->Channel[2][3];
  bank->InitSubVoice(2, 3);  // empty: nothing changes
  EXPECT_EQ(bank->Channel[2][3], before);
  bank->Voc[2][3] = 0;
  bank->rootnote[2][3] = 7;
  bank->SetFXSend(2, 3, 1, 55);
  bank->InitSubVoice(2, 3);
  EXPECT_EQ(bank->Voc[2][3], -1);
  EXPECT_NE(bank->Channel[2][3], before);
  EXPECT_EQ(bank->rootnote[2][3], 0);
  EXPECT_EQ(bank->alloc[2][3][0], 120);
  EXPECT_EQ(bank->GetFXSend(2, 3, 1), 55);
  bank->Voc[2][3] = 0;  // the map reads back once the slot holds a voice again
  EXPECT_EQ(bank->GetAlloc(2, 3, 0), 120);
  // NewVoices empties the bank and keeps the sends.
  bank->NewVoices();
  EXPECT_EQ(bank->Voc[2][3], -1);
  EXPECT_EQ(bank->GetFXSend(2, 3, 1), 55);
}

class VoiceBankMix : public BankTest {};

TEST_F(VoiceBankMix, SendClipboardCopiesNineLevelsWithinZeroToThirtyOne) {
  for (int k = 0; k < 9; ++k) bank->SetFXSend(3, 4, k, 100 + k);
  testing::internal::CaptureStdout();
  bank->PasteVoiceMix(5, 6);  // nothing copied yet
  bank->CopyVoiceMix(32, 0);
  bank->CopyVoiceMix(0, -1);
  EXPECT_EQ(testing::internal::GetCapturedStdout(), "");
  EXPECT_EQ(bank->GotFXCopy, 0);
  EXPECT_EQ(bank->GetFXSend(5, 6, 8), 1000);
  bank->CopyVoiceMix(3, 4);
  bank->PasteVoiceMix(5, 6);
  for (int k = 0; k < 9; ++k) EXPECT_EQ(bank->GetFXSend(5, 6, k), 100 + k);
  bank->CopyVoiceMix(31, 31);
  EXPECT_EQ(bank->FXCopy[0], 0);
  bank->newVoiceMixSingle(5, 6);
  EXPECT_EQ(bank->GetFXSend(5, 6, 0), 0);
  EXPECT_EQ(bank->GetFXSend(5, 6, 8), 1000);
}

TEST_F(VoiceBankMix, SendsKeepTheLowSixteenBitsAndIgnoreBadIndexes) {
  bank->SetFXSend(0, 0, 2, 70000);
  EXPECT_EQ(bank->GetFXSend(0, 0, 2), 4464);
  bank->SetFXSend(0, 0, 3, -1);
  EXPECT_EQ(bank->GetFXSend(0, 0, 3), 65535);
  EXPECT_EQ(bank->SetFXSend(33, 0, 0, 1), 0);
  EXPECT_EQ(bank->GetFXSend(0, 0, 9), 0);
  EXPECT_EQ(bank->GetAlloc(0, 0, 200), -1);
  bank->SetAlloc(-1, 0, 0, 5);
  bank->SetAlloc(0, 0, 120, 5);
  bank->newVoiceMix();
  EXPECT_EQ(bank->GetFXSend(0, 0, 2), 0);
  EXPECT_EQ(bank->GetFXSend(32, 32, 8), 1000);
}

}  // namespace
