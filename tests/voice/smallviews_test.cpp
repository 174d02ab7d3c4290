// The overview display through the recording backend: labels, the playhead, and no
// reads outside the overview for small spreads.
#include "viewtest.h"

namespace {

class SmallViewsTest : public ViewTest {};

TEST_F(SmallViewsTest, OverviewLabelsAndPlayhead) {
  EXPECT_EQ(bank.DisplayWavData(V, S, 0, 0, 200, 80, 200, 80, -1), 1);
  TVoice& voice = load(std::vector<int16_t>(1000, 0), 2);
  voice.data.fill(0.5f);
  SetColor(1, 2, 3);
  EXPECT_EQ(bank.DisplayWavData(V, S, 0, 0, 200, 80, 200, 80, -1), 1);
  EXPECT_TRUE(texts().empty());
  EXPECT_EQ(linesIn(1, 2, 3).size(), 2u * 197u);
  EXPECT_TRUE(linesIn(255, 255, 0).empty());
  recorder.Clear();
  channel->playing = 1;
  channel->position = 250;
  bank.DisplayWavData(V, S, 0, 0, 200, 81, 200, 81, -1);
  EXPECT_NE(textCall("Left"), nullptr);
  EXPECT_NE(textCall("Right"), nullptr);
  ASSERT_EQ(linesIn(255, 255, 0).size(), 1u);
  EXPECT_FLOAT_EQ(linesIn(255, 255, 0)[0].args[0], 1.0f + 198.0f * 0.5f);
  // A spread of 3 or less reads no index outside the overview.
  voice.CurrChannel = 1;
  bank.DisplayWavData(V, S, 0, 0, 200, 81, 200, 81, 2);
  bank.DisplayWavData(V, S, 0, 0, 200, 81, 200, 81, 3);
}

}  // namespace
