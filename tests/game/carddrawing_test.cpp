// Card drawing through the recording backend: the shield cap, the flip phase's sides,
// widths and shades, the range-zero sign, drawCardCtrl's region, and cards without a record.
#include <gtest/gtest.h>

#include <algorithm>

#include "pagedrawtesting.h"

namespace {

using namespace pagedraw;

// Deck records: soldier card 0 (range 5, attack 5, armour 1) and its star variant,
// soldier card 5 (armour 3), extra card 0 of range 2, extra card 1 of range 0.
constexpr int kSoldier0 = 22;
constexpr int kSoldier0Star = 31;
constexpr int kSoldierArmour3 = 27;
constexpr int kExtraRange2 = 0;
constexpr int kExtraWholeField = 2;
constexpr int kFace = 2;  // cardFaces: layer n is sprite 2 + n
constexpr int kDigit = 174;

using CardDrawingTest = PageDrawTest;

TEST_F(CardDrawingTest, ShieldsStopAtThreeAndTheStarShowsOnStarCardsOnly) {
  core.deck.card[kSoldierArmour3].armour = 9;
  core.drawCard(0, 200, 50, 2.0f, kSoldierArmour3, 0, 1.0f, 0, 0, 0, 0);
  const std::vector<SpriteDraw> shields = Sprites(165);
  ASSERT_EQ(shields.size(), 3u);
  EXPECT_EQ(shields[2].y, 50 + 158);  // 72 x 2.2
  EXPECT_TRUE(Sprites(kFace + 3).empty());
  recorder.Clear();
  core.drawCard(0, 200, 50, 2.0f, kSoldier0Star, 0, 1.0f, 0, 0, 0, 0);
  EXPECT_EQ(Sprites(kFace + 3).size(), 1u);
}

TEST_F(CardDrawingTest, FlipPhaseChoosesSideWidthAndShade) {
  struct Case {
    float phase;
    bool face;
    float left, width, shadeAlpha;  // shade alpha 0: not drawn
    int shadeRed;
  };
  const Case cases[] = {
      {0.0f, false, 100, 201, 0.0f, 0},    {4.0f, false, 100, 201, 0.0f, 0},
      {1.0f, true, 200, 0, 0.8f, 0},       {1.5f, true, 150, 100, 0.4f, 0},
      {3.0f, true, 200, 0, 0.35f, 250},    {3.001f, false, 199, 0, 0.7992f, 0},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.phase);
    recorder.Clear();
    core.drawCard(0, 200, 50, c.phase, kSoldier0, 0, 1.0f, 0, 0, 0, 0);
    EXPECT_EQ(Sprites(kFace + 5).size(), c.face ? 0u : 1u);
    EXPECT_EQ(Sprites(11).size(), c.face ? 1u : 0u);
    const SpriteDraw body = c.face ? Sprites(11).at(0) : Sprites(kFace + 5).at(0);
    EXPECT_EQ(body.x, c.left);
    EXPECT_EQ(body.w, c.width);
    const std::vector<SpriteDraw> shade = Sprites(kFace + 8);
    ASSERT_EQ(shade.size(), c.shadeAlpha == 0.0f ? 0u : 1u);
    if (!shade.empty()) {
      EXPECT_NEAR(shade[0].alpha, c.shadeAlpha, 1e-4);
      EXPECT_EQ(shade[0].r, c.shadeRed);
    }
  }
}

TEST_F(CardDrawingTest, ExtraCardOfRangeZeroShowsTheSignInPlaceOfADigit) {
  core.drawCard(1, 200, 50, 2.0f, kExtraWholeField, 0, 1.0f, 0, 0, 0, 0);
  ASSERT_EQ(Sprites(31).size(), 1u);
  for (int n = kDigit; n < kDigit + 10; ++n) EXPECT_TRUE(Sprites(n).empty());
  EXPECT_EQ(Rgb(Sprites(60).at(0)), (std::vector<int>{255, 0, 0}));
  recorder.Clear();
  core.drawCard(1, 200, 50, 2.0f, kExtraRange2, 0, 1.0f, 0, 0, 0, 0);
  EXPECT_TRUE(Sprites(31).empty());
  EXPECT_EQ(Sprites(kDigit + 2).size(), 1u);
}

TEST_F(CardDrawingTest, RegionIsTheFullFaceUpRectangleWhateverThePhase) {
  // 0.3 in single precision: the left edge falls one pixel left of x - 30.
  core.drawCardCtrl(1, 0, 120, 275, 2.0f, kSoldier0, 0, 0.3f, 1, 255, 150, 0);
  EXPECT_EQ(Region(1), (std::vector<int>{89, 275, 149, 361}));
  EXPECT_EQ(Sprites(11).at(0).x, 89);
  recorder.Clear();
  core.drawCardCtrl(4, 0, 300, 100, 1.0f, kSoldier0, 0, 0.4f, 0, 0, 0, 0);
  EXPECT_EQ(Region(4), (std::vector<int>{259, 100, 339, 215}));
  EXPECT_EQ(Sprites(11).at(0).w, 0);  // drawn edge on
}

TEST_F(CardDrawingTest, CardsWithoutARecordOrPlayerDrawNothing) {
  for (int card : {-1, MAX_CARDS}) core.drawCard(0, 200, 50, 2.0f, card, 1, 1.0f, 1, 255, 150, 0);
  for (int player : {-1, 3}) core.drawCard(player, 200, 50, 2.0f, kSoldier0, 1, 1.0f, 1, 255, 150, 0);
  EXPECT_TRUE(recorder.Calls().empty());
  for (int id : {-1, kClickRegionCount}) core.drawCardCtrl(id, 0, 200, 50, 2.0f, kSoldier0, 0, 1.0f, 0, 0, 0, 0);
  EXPECT_EQ(Sprites(11).size(), 2u);
  for (const auto& region : userControl) EXPECT_FALSE(region);
}

}  // namespace
