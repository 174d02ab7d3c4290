// The bank's life cycle through the driver (slots, channels, sends, key maps, the
// global effects switch, preset files in a temporary support folder) and its mix
// layout: send levels, their clipboard and its index limits.
#include <gtest/gtest.h>

#include <filesystem>

#include "audio/drivertest.h"
#include "framework/appfunctions.h"
#include "voicetestkit.h"

namespace {

class VoiceBankLifecycle : public DriverTest {
 protected:
  void SetUp() override {
    DriverTest::SetUp();
    InitVoiceModule();
    saved = App_SupportDir;
    dir = std::filesystem::temp_directory_path() / ("voicebank-" + std::to_string(::getpid()));
    std::filesystem::create_directories(dir / "Tinsmere");
    App_SupportDir = dir.string() + "/";
  }
  void TearDown() override {
    App_SupportDir = saved;
    std::filesystem::remove_all(dir);
    DriverTest::TearDown();
  }
  std::string saved;
  std::filesystem::path dir;
};

TEST_F(VoiceBankLifecycle, InitSubVoiceEmptiesAFilledSlotOnly) {
  auto bank = std::make_unique<TVoices>();
  bank->Init();
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

class VoiceBankMix : public voicetest::BankTest {};

TEST_F(VoiceBankMix, SendClipboardCopiesNineLevelsWithinZeroToThirtyOne) {
  for (int k = 0; k < 9; ++k) bank->SetFXSend(3, 4, k, 100 + k);
  testing::internal::CaptureStdout();
  bank->PasteVoiceMix(5, 6);  // nothing copied yet
  bank->CopyVoiceMix(32, 0);
  bank->CopyVoiceMix(0, -1);
  EXPECT_EQ(testing::internal::GetCapturedStdout(), "");
  EXPECT_EQ(bank->GotFXCopy, 0);
  EXPECT_EQ(bank->GetFXSend(5, 6, 8), 0);
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
