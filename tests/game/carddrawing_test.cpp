// Card drawing through the recording backend: the layers of soldier and extra cards,
// the flip phase's sides, widths and shades, highlight, glow and cross mark, the click
// region of drawCardCtrl, and cards without a record.
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

TEST_F(CardDrawingTest, SoldierFaceIsLayeredInOrderUnderTheEntryAlpha) {
  SetAlpha(0.5f);
  core.drawCard(0, 200, 50, 2.0f, kSoldier0, 0, 1.0f, 0, 255, 150, 0);
  const std::vector<SpriteDraw> d = Sprites();
  std::vector<int> order;
  for (const SpriteDraw& s : d) order.push_back(s.n);
  // Backgrounds 1 and 3, face, tint, soldier, frame, range, layer 0, attack, name, one
  // shield; the shade is invisible face up.
  ASSERT_EQ(order, (std::vector<int>{61, 63, kFace + 4, kFace + 2, 11, kFace + 1, kDigit + 5, kFace,
                                     kDigit + 5, 51, 165}));
  EXPECT_EQ(Rgb(d[0]), (std::vector<int>{128, 128, 128}));
  EXPECT_EQ(Rgb(d[3]), (std::vector<int>{0, 255, 0}));
  EXPECT_EQ(Rgb(d[5]), (std::vector<int>{0, 220, 0}));
  EXPECT_EQ(Box(d[0]), (std::vector<float>{100, 50, 201, 288}));
  EXPECT_EQ(Box(d[6]), (std::vector<float>{126, 70, 35, 48}));   // range, stretched 2.2 x 1.5
  EXPECT_EQ(Box(d[8]), (std::vector<float>{128, 283, 30, 41}));  // attack, 1.9 x 1.3
  EXPECT_EQ(Box(d[10]), (std::vector<float>{114, 136, 48, 48}));
  EXPECT_FLOAT_EQ(d[1].alpha, 0.5f);  // second background: opacity 1 times the entry alpha
  EXPECT_FLOAT_EQ(d[9].alpha, 0.45f);
  EXPECT_FLOAT_EQ(GetAlpha(), 0.5f);
}

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

TEST_F(CardDrawingTest, HighlightPulsesASoldiersFrameAndTheGlowBreathes) {
  int lowest = 255, highest = 0;
  for (int t = 0; t < 450; t += 5) {
    core.gameTime = t;
    recorder.Clear();
    core.drawCard(0, 200, 50, -2.0f, kSoldier0, 0, 1.0f, 0, 0, 0, 0);
    lowest = std::min(lowest, Sprites(kFace + 1).at(0).g);
    highest = std::max(highest, Sprites(kFace + 1).at(0).g);
  }
  EXPECT_EQ(lowest, 150);
  EXPECT_EQ(highest, 249);
  recorder.Clear();
  core.drawCard(0, 200, 50, -2.0f, kExtraRange2, 0, 1.0f, 0, 0, 0, 0);
  EXPECT_EQ(Rgb(Sprites(kFace + 1).at(0)), (std::vector<int>{250, 250, 250}));

  SetAlpha(0.8f);
  for (int t : {300, 900}) {  // 1.25 and 0.25 times the entry alpha
    core.gameTime = t;
    recorder.Clear();
    core.drawCard(0, 200, 50, 2.0f, kSoldier0, 0, 1.0f, 1, 255, 150, 0);
    EXPECT_NEAR(Sprites(kFace + 6).at(0).alpha, t == 300 ? 1.0f : 0.2f, 1e-5);
    EXPECT_EQ(Rgb(Sprites(kFace + 6).at(0)), (std::vector<int>{255, 150, 0}));
  }
  recorder.Clear();
  core.drawCard(0, 200, 50, 0.0f, kSoldier0, 0, 1.0f, 1, 255, 150, 0);  // back: a flicker
  EXPECT_GE(Sprites(kFace + 6).at(0).alpha, 0.2f);
  EXPECT_LT(Sprites(kFace + 6).at(0).alpha, 1.0f);
}

TEST_F(CardDrawingTest, ExtraCardOfRangeZeroShowsTheSignInPlaceOfADigit) {
  core.drawCard(1, 200, 50, 2.0f, kExtraWholeField, 0, 1.0f, 0, 0, 0, 0);
  ASSERT_EQ(Sprites(31).size(), 1u);
  EXPECT_EQ(Box(Sprites(31)[0]), (std::vector<float>{113, 55, 58, 83}));
  for (int n = kDigit; n < kDigit + 10; ++n) EXPECT_TRUE(Sprites(n).empty());
  EXPECT_EQ(Rgb(Sprites(60).at(0)), (std::vector<int>{255, 0, 0}));
  EXPECT_EQ(Box(Sprites(21).at(0)), (std::vector<float>{150, 122, 100, 144}));  // its picture
  EXPECT_FLOAT_EQ(Sprites(34).at(0).alpha, 0.8f);
  recorder.Clear();
  core.drawCard(1, 200, 50, 2.0f, kExtraRange2, 0, 1.0f, 0, 0, 0, 0);
  EXPECT_TRUE(Sprites(31).empty());
  EXPECT_EQ(Sprites(kDigit + 2).size(), 1u);
}

TEST_F(CardDrawingTest, CrossMarkComesLastAndLeavesRedSet) {
  core.drawCard(0, 200, 50, 2.0f, kSoldier0, 1, 0.5f, 0, 0, 0, 0);
  const SpriteDraw cross = Sprites().back();
  EXPECT_EQ(cross.n, 164);
  EXPECT_EQ(Box(cross), (std::vector<float>{150, 93, 96, 80}));
  int r, g, b;
  GetColor(r, g, b);
  EXPECT_EQ((std::vector<int>{r, g, b}), (std::vector<int>{255, 0, 0}));
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
