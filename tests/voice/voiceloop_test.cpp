// Highlight range and loop points by selector, with the one-shot fallback for a loop
// value outside the sample.
#include <gtest/gtest.h>

#include "voicetestkit.h"

namespace {

class VoiceLoopRange : public voicetest::BankTest {};

TEST_F(VoiceLoopRange, RangeSelectors) {
  Fill(1, 1, std::vector<int16_t>(1000, 1));
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
  voicetest::FakeSound& sound = Fill(1, 1, std::vector<int16_t>(1000, 1));
  TVoice& voice = Voice(1, 1);
  bank->SetLoop(1, 1, 0, 4);
  EXPECT_EQ(bank->GetLoop(1, 1, 0), 0);
  EXPECT_EQ(bank->GetLoop(1, 1, 1), 1000);
  EXPECT_EQ(sound.get("LoopLength"), 1000);
  EXPECT_EQ(voice.SampleModified, 1);
  bank->SetLoop(1, 1, 200, 2);
  EXPECT_EQ(bank->GetLoop(1, 1, 1), 1000);
  EXPECT_EQ(sound.get("LoopStart"), 200);
  EXPECT_EQ(sound.get("LoopLength"), 800);
  bank->SetLoop(1, 1, 500, 5);  // both points -1, handed on as start -1, length 0
  EXPECT_EQ(voice.LoopStart, -1);
  EXPECT_EQ(sound.get("LoopStart"), -1);
  EXPECT_EQ(sound.get("LoopLength"), 0);
  EXPECT_EQ(bank->GetLoop(1, 1, 2), -1);
}

TEST_F(VoiceLoopRange, ValueOutsideTheSampleFallsBackToOneShot) {
  voicetest::FakeSound& sound = Fill(1, 1, std::vector<int16_t>(1000, 1));
  TVoice& voice = Voice(1, 1);
  voice.VoiceType = 2002;
  bank->SetLoop(1, 1, 1000, 1);
  std::vector<std::string> expected{"Looped=0",    "WaveTable=0",  "PPG=0",         "WaveLength=0", "Playhead=0",
                                    "LoopStart=0", "LoopLength=1000", "LoopStart=0", "LoopLength=-1"};
  EXPECT_EQ(sound.calls, expected);
  EXPECT_EQ(voice.LoopEnd, -1);
  EXPECT_EQ(voice.VoiceType, 2002);
  bank->SetLoop(1, 1, 5000, 6);  // the crossfade is kept, the loop reset
  EXPECT_EQ(bank->GetLoop(1, 1, 6), 5000);
  EXPECT_EQ(voice.LoopStart, 0);
  bank->SetLoop(1, 1, 10, 9);  // unknown selector: still marks and pushes
  EXPECT_EQ(sound.calls.back(), "LoopLength=-1");
}

TEST_F(VoiceLoopRange, EmptySlotsChangeNothing) {
  EXPECT_EQ(bank->GetLoop(1, 1, 0), -1);
  EXPECT_EQ(bank->SetLoop(1, 1, 5, 0), 0);
  EXPECT_EQ(bank->ResetLoop(1, 1), 0);
  EXPECT_EQ(bank->SetRange(-3, 50, 5, 0), 0);
  voicetest::FakeSound& sound = Fill(1, 1, std::vector<int16_t>(10, 1));
  Voice(1, 1).LoopStart = 2;
  Voice(1, 1).LoopEnd = 6;
  bank->ResetLoop(1, 1);
  EXPECT_EQ(sound.get("LoopLength"), 4);
}

}  // namespace
