// Highlight range and loop points by selector, with the one-shot fallback for a loop
// value outside the sample.
#include "banktest.h"

namespace {

class VoiceLoopRange : public BankTest {
 protected:
  void SetUp() override {
    BankTest::SetUp();
    ASSERT_EQ(put(1, 1, std::vector<int16_t>(1000, 1)), 1);
  }
};

TEST_F(VoiceLoopRange, RangeSelectors) {
  bank->SetRange(1, 1, -5, 3);
  EXPECT_EQ(bank->GetRange(1, 1, 0), 0);
  EXPECT_EQ(bank->GetRange(1, 1, 1), 0);
  bank->SetRange(1, 1, 0, 4);
  EXPECT_EQ(bank->GetRange(1, 1, 1), 999);
  bank->SetRange(1, 1, 5000, 1);  // no upper clamp
  EXPECT_EQ(bank->GetRange(1, 1, 1), 5000);
  bank->SetRange(1, 1, 300, 2);
  EXPECT_EQ(bank->GetRange(1, 1, 0), 300);
  EXPECT_EQ(bank->GetRange(1, 1, 1), 999);
  bank->SetRange(1, 1, 7, 5);
  EXPECT_EQ(bank->GetRange(1, 1, 0), -1);
  EXPECT_EQ(bank->GetRange(1, 1, 2), -1);
  EXPECT_EQ(bank->GetRange(2, 2, 0), -1);
}

TEST_F(VoiceLoopRange, LoopInsideTheSampleIsStoredAndPushed) {
  TSound& sound = soundOf(1, 1);
  bank->SetLoop(1, 1, 0, 4);
  EXPECT_EQ(bank->GetLoop(1, 1, 0), 0);
  EXPECT_EQ(bank->GetLoop(1, 1, 1), 1000);
  EXPECT_EQ(sound.GetLoopLength(), 1000);
  EXPECT_EQ(voice(1, 1).SampleModified, 1);
  bank->SetLoop(1, 1, 200, 2);
  EXPECT_EQ(bank->GetLoop(1, 1, 1), 1000);
  EXPECT_EQ(sound.GetLoopStart(), 200);
  EXPECT_EQ(sound.GetLoopLength(), 800);
  bank->SetLoop(1, 1, 500, 5);  // both points -1
  EXPECT_EQ(bank->GetLoop(1, 1, 0), -1);
  EXPECT_EQ(bank->GetLoop(1, 1, 1), -1);
  EXPECT_EQ(bank->GetLoop(1, 1, 2), -1);
}

TEST_F(VoiceLoopRange, ValueOutsideTheSampleFallsBackToOneShot) {
  TVoice& v = voice(1, 1);
  bank->SetVolume(1, 1, 7, 2002.0f);
  ASSERT_EQ(soundOf(1, 1).GetIsLooped(), 1);
  bank->SetLoop(1, 1, 100, 0);
  bank->SetLoop(1, 1, 1000, 1);
  EXPECT_EQ(soundOf(1, 1).GetIsLooped(), 0);
  EXPECT_EQ(soundOf(1, 1).GetIsWaveTable(), 0);
  EXPECT_EQ(soundOf(1, 1).GetLoopStart(), 0);
  EXPECT_EQ(v.LoopStart, 0);
  EXPECT_EQ(v.LoopEnd, -1);
  EXPECT_EQ(v.VoiceType, 2002);
  bank->SetLoop(1, 1, 5000, 6);  // the crossfade is kept, the loop reset
  EXPECT_EQ(bank->GetLoop(1, 1, 6), 5000);
  EXPECT_EQ(v.LoopStart, 0);
  v.SampleModified = 0;
  bank->SetLoop(1, 1, 10, 9);  // unknown selector: still marks the sample modified
  EXPECT_EQ(v.SampleModified, 1);
}

TEST_F(VoiceLoopRange, EmptySlotsChangeNothing) {
  EXPECT_EQ(bank->GetLoop(2, 2, 0), -1);
  EXPECT_EQ(bank->SetLoop(2, 2, 5, 0), 0);
  EXPECT_EQ(bank->ResetLoop(2, 2), 0);
  EXPECT_EQ(bank->SetRange(-3, 50, 5, 0), 0);
  voice(1, 1).LoopStart = 2;
  voice(1, 1).LoopEnd = 6;
  bank->ResetLoop(1, 1);
  EXPECT_EQ(soundOf(1, 1).GetLoopStart(), 2);
  EXPECT_EQ(soundOf(1, 1).GetLoopLength(), 4);
}

}  // namespace
