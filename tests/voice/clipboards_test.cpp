// The sub-voice clipboard (copy a slot, paste into an empty or occupied slot) and the
// control clipboard's whole and family copies; a clipboard sound that cannot be copied.
#include <string>
#include <vector>

#include "voice/banktest.h"
#include "voice/voiceglobals.h"

namespace {

using Words = std::vector<int16_t>;

class VoiceClipboards : public BankTest {
 protected:
  void SetUp() override {
    BankTest::SetUp();
    gSoundCopyBuffer = nullptr;
  }
};

TEST_F(VoiceClipboards, PasteBeforeAnyCopyDoesNothing) {
  bank->PasteSubVoice(3, 4);
  EXPECT_EQ(bank->SlotVoice(3, 4), nullptr);
  bank->CopySubVoice(5, 5);  // empty: the clipboard stays empty
  EXPECT_EQ(gSoundCopyBuffer, nullptr);
}

TEST_F(VoiceClipboards, SubVoiceRoundTripIntoAnEmptySlot) {
  const Words ramp = fill(100, [](int i) { return 10 * i - 400; });
  ASSERT_EQ(put(1, 2, ramp, 1, 10, 60, "Kick"), 1);
  TVoice& from = voice(1, 2);
  from.mixvolume = 0.5f;
  from.MixPan = -30.0f;
  from.MixStartDelay = 12;
  from.KeyboardTracking = 0;
  bank->rootnote[1][2] = 7;
  from.Sound->SetADSR(0, 1, 2, 3, 4, 5);
  bank->CopySubVoice(1, 2);
  ASSERT_NE(gSoundCopyBuffer, nullptr);
  EXPECT_NE(gSoundCopyBuffer, from.Sound);
  // Later edits of the source do not reach the clipboard.
  from.Sound->GetAudioSample()[0] = 1;

  bank->PasteSubVoice(3, 4);
  ASSERT_NE(bank->SlotVoice(3, 4), nullptr);
  TVoice& to = voice(3, 4);
  EXPECT_EQ(values(to.Sound), ramp);
  EXPECT_EQ(to.Name, "file.wav");
  EXPECT_EQ(to.strAlias, "Kick");
  EXPECT_EQ(to.dir, "/samples/");
  EXPECT_FLOAT_EQ(to.mixvolume, 0.5f);
  EXPECT_FLOAT_EQ(to.MixPan, -30.0f);
  EXPECT_EQ(to.MixStartDelay, 12);
  EXPECT_EQ(to.KeyboardTracking, 0);
  EXPECT_EQ(bank->rootnote[3][4], 7);
  EXPECT_EQ(to.VoiceType, from.VoiceType);
  EXPECT_EQ(to.VoiceTable, from.VoiceTable);
  EXPECT_EQ(bank->GetLoop(3, 4, 0), bank->GetLoop(1, 2, 0));
  EXPECT_EQ(bank->GetLoop(3, 4, 1), bank->GetLoop(1, 2, 1));
  EXPECT_EQ(to.Sound->GetAttack(0), 2);
  EXPECT_EQ(to.SampleModified, 0);
  EXPECT_EQ(to.ControlModified, 0);
  // A second paste gives the other slot its own copy.
  bank->PasteSubVoice(3, 5);
  ASSERT_NE(bank->SlotVoice(3, 5), nullptr);
  EXPECT_NE(voice(3, 5).Sound, to.Sound);
  EXPECT_EQ(values(voice(3, 5).Sound), ramp);
}

// The silent sound answers itself for a copy, as every sound does when memory runs
// out: the slot must not end up sharing the clipboard's sound.
TEST_F(VoiceClipboards, AClipboardThatCannotBeCopiedPastesNothing) {
  ASSERT_EQ(put(3, 4, {5, 6, 7}), 1);
  gSoundCopyBuffer = TSound::New();
  testing::internal::CaptureStdout();
  bank->PasteSubVoice(3, 4);
  EXPECT_NE(testing::internal::GetCapturedStdout().find("Cant copy Sound"), std::string::npos);
  EXPECT_NE(voice(3, 4).Sound, gSoundCopyBuffer);
  EXPECT_EQ(values(voice(3, 4).Sound), (Words{5, 6, 7}));
  EXPECT_EQ(voice(3, 4).strAlias, "Alias");
}

TEST_F(VoiceClipboards, FamilyCopiesMoveOneFamily) {
  ASSERT_EQ(put(1, 1, Words(10, 1)), 1);
  ASSERT_EQ(put(1, 2, Words(10, 2)), 1);
  voice(1, 1).ActiveEnvelope = 2;
  voice(1, 1).Sound->SetADSR(2, 10, 20, 30, 40, 50);
  bank->CopyEnvelope(1, 1);
  voice(1, 2).ActiveEnvelope = 0;
  bank->PasteEnvelope(1, 2);
  EXPECT_EQ(voice(1, 2).Sound->GetDelay(0), 10);
  EXPECT_EQ(voice(1, 2).Sound->GetRelease(0), 50);
  EXPECT_EQ(gSoundDataCopyBuffer->nSustain[0], 40);

  gSoundDataCopyBuffer->fHertz[0] = 12.9f;
  gSoundDataCopyBuffer->fWave[0] = 3.0f;
  bank->PasteLFO(1, 2);
  EXPECT_EQ(voice(1, 2).Sound->GetLFOHertzRate(0), 12);
  bank->CopyLFO(1, 2);
  EXPECT_EQ(gSoundDataCopyBuffer->fHertz[0], 12.0f);

  // Empty slots neither copy nor paste.
  gSoundDataCopyBuffer->nDelay[0] = 77;
  bank->CopyEnvelope(9, 9);
  bank->PasteEnvelope(9, 9);
  EXPECT_EQ(gSoundDataCopyBuffer->nDelay[0], 77);
}

}  // namespace
