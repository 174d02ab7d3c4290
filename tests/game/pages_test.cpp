// The pages through the recording backend: the timed sub-states the hand, deal and
// campaign pages' drawing advances, and what each sub-state leaves drawn or registered.
#include <gtest/gtest.h>

#include <algorithm>

#include "pagedrawtesting.h"

namespace {

using namespace pagedraw;

// The fixture's hand holds soldier cards 0..5, drawn as soldier pictures 11..16.
int PictureOfSlot(int slot) { return 10 + slot; }

std::vector<SpriteDraw> AtY(const std::vector<SpriteDraw>& draws, float y) {
  std::vector<SpriteDraw> out;
  std::copy_if(draws.begin(), draws.end(), std::back_inserter(out), [y](const SpriteDraw& d) { return d.y == y; });
  return out;
}

using HandPageDrawTest = PageDrawTest;

TEST_F(HandPageDrawTest, LiftCarriesTheCardToThePointerAndDragSetsTheReach) {
  TPlayer& me = core.players[0];
  me.g_SelectCard = 1;
  me.myCardCross[1] = 1;
  core.vMX = 300;
  core.vMY = 250;
  core.gameMode = 99;
  core.gameTime = 1000;
  core.modeTime = 100;
  core.nextTime = 1050;
  core.DrawPage_Hand();
  EXPECT_EQ(core.gameMode, 99);
  for (const auto& region : userControl) EXPECT_FALSE(region);
  core.gameTime = 1051;
  core.DrawPage_Hand();
  EXPECT_EQ(core.gameMode, 100);

  const auto reach = [&](int record) {
    me.myCards[1] = record;
    recorder.Clear();
    core.DrawPage_Hand();
    return core.gameSpread;
  };
  EXPECT_EQ(reach(2), 16);  // an extra card of range 0 reaches the whole field
  EXPECT_EQ(reach(0), 2);
  core.deck.card[24].range = 0;
  EXPECT_EQ(reach(24), 0);  // a soldier card of range 0 reaches nothing
  // Over a free pole the carried soldier card's frame pulses (200 at time 0, not 220).
  core.gameTime = 0;
  for (int pole : {-1, 4}) {
    core.gameFlagOk = pole;
    reach(22);
    EXPECT_EQ(AtY(Sprites(3), 100).at(0).g, pole < 0 ? 220 : 200);
  }
}

TEST_F(HandPageDrawTest, LayingSinksTheCardThenClearsTheSelection) {
  TPlayer& me = core.players[0];
  me.g_SelectCard = 2;
  me.myCardCross[2] = 1;
  core.vMX = 300;
  core.vMY = 250;
  core.gameMode = 98;
  core.gameTime = 1000;
  core.modeTime = 150;
  core.nextTime = 1075;
  core.DrawPage_Hand();
  recorder.Clear();
  core.gameTime = 1076;
  core.DrawPage_Hand();
  EXPECT_EQ(core.gameMode, 0);
  EXPECT_EQ(me.g_SelectCard, -1);
  EXPECT_EQ(Sprites(PictureOfSlot(2)).size(), 1u);  // only its place in the hand
}

TEST_F(HandPageDrawTest, BattleStartFliesTheHandOffAndShowsTheButton) {
  core.players[0].myCardCross[2] = 1;
  core.gameMode = 101;
  core.gameTime = 5000;
  core.DrawPage_Hand();
  EXPECT_EQ((std::vector<int64_t>{core.gameMode, core.modeTime, core.nextTime}),
            (std::vector<int64_t>{102, 800, 5800}));
  EXPECT_TRUE(recorder.Calls().empty());

  core.gameTime = 5400;
  core.DrawPage_Hand();
  for (const auto& region : userControl) EXPECT_FALSE(region);
  core.gameTime = 5801;
  core.DrawPage_Hand();
  EXPECT_EQ(core.gameMode, 103);

  for (int hover : {0, 1}) {
    recorder.Clear();
    if (hover) {
      ASSERT_EQ(ArcadeGetControl(250, 360), 0);
    }
    core.DrawPage_Hand();
    const std::vector<SpriteDraw> drawn = Sprites();
    ASSERT_EQ(drawn.size(), 1u);  // the button only, no cards
    EXPECT_FLOAT_EQ(drawn[0].alpha, hover ? 1.0f : 0.5f);
  }
}

using DealPageDrawTest = PageDrawTest;

TEST_F(DealPageDrawTest, ClockPassesOneSubStatePerFrameAndWaitsAtTheChoice) {
  Page = kPageDeal;
  core.nextTime = 1000;
  core.gameTime = 1000;
  core.DrawPage_Deal();
  EXPECT_EQ(core.gameMode, 0);  // equal is not past
  for (int mode = 1; mode <= 21; ++mode) {
    core.gameTime += 100000;  // however late the frame, one step
    core.DrawPage_Deal();
    const int expected = std::min(mode, 19);
    ASSERT_EQ(core.gameMode, expected);
    if (mode <= 18) {
      EXPECT_EQ(core.modeTime, mode % 3 == 1 ? 600 : mode % 3 == 2 ? 100 : 200) << mode;
    }
  }
  EXPECT_EQ(core.battlefields, std::vector<int>(22, 0));
}

TEST_F(DealPageDrawTest, GatheringEndsOnTheHandRowAndHandsOver) {
  Page = kPageDeal;
  core.players[0].myCardCross[4] = 1;
  ArcadeControlSlot(0)->set(0, 208, 307, 96, 32);
  core.gameMode = 25;
  core.modeTime = 600;
  core.nextTime = 2000;
  core.gameTime = 2000;  // last frame: spacing 55, row 275, scale 0.3
  core.DrawPage_Deal();
  EXPECT_EQ(Region(1), (std::vector<int>{89, 275, 149, 361}));
  EXPECT_EQ(Region(2), (std::vector<int>{364, 275, 424, 361}));
  EXPECT_TRUE(Rects(0, 0, 512, 384).empty());  // the dimming has faded out

  recorder.Clear();
  core.gameTime = 2001;
  core.DrawPage_Deal();
  EXPECT_EQ(Page, kPageHand);
  EXPECT_EQ(core.gameMode, 0);
  EXPECT_EQ(core.players[0].myCardCross[4], 0);
  EXPECT_EQ(Region(0), (std::vector<int>{-1, -1, -1, -1}));
  EXPECT_EQ(Region(1), (std::vector<int>{89, 275, 149, 361}));
  ASSERT_EQ(Rects(0, 0, 512, 384).size(), 1u);  // drawn as sub-state 0
  EXPECT_FLOAT_EQ(Rects(0, 0, 512, 384)[0].state.alpha, 0.5f);
  EXPECT_EQ(Sprites().size(), 1u);  // the title, no cards
}

using CampaignPageDrawTest = PageDrawTest;

TEST_F(CampaignPageDrawTest, FlagFramesAndStarMarksStayInTheirRanges) {
  const auto draws = [&](int64_t time, int stars) {
    core.gameTime = time;
    recorder.Clear();
    core.DrawCampaign(16, 90, 0, stars, 0);
    return Sprites();
  };
  EXPECT_EQ(draws(750, 0).back().n, 160);
  EXPECT_EQ(draws(1000, 0).back().n, 157);
  for (int64_t t : {-1, -250, -100000}) {  // a clock past its sign wrap
    const int n = draws(t, 0).back().n;
    EXPECT_TRUE(n >= 157 && n <= 160) << t;
  }
  EXPECT_EQ(draws(0, 7)[2].n, 154);
  EXPECT_EQ(draws(0, 8).size(), 3u);  // spriteUI + 10 would be the map block
  EXPECT_EQ(draws(0, -1).size(), 3u);
}

TEST_F(CampaignPageDrawTest, CampaignPageSlidesTheMapInHoldsItAndMakesANewBattlefield) {
  Page = kPageCampaign;
  core.gameTime = 1;
  core.DrawPage_Campaign();
  EXPECT_EQ((std::vector<int64_t>{core.gameMode, core.nextTime}), (std::vector<int64_t>{1, 801}));
  recorder.Clear();
  core.gameTime = 401;  // half way down
  core.DrawPage_Campaign();

  recorder.Clear();
  core.gameTime = 802;
  core.DrawPage_Campaign();
  EXPECT_EQ((std::vector<int>{core.gameMode, core.modeTime, core.gameCampaign}), (std::vector<int>{2, 3000, 2}));
  EXPECT_EQ(Sprites(155).size(), 5u);  // a block per stage
  EXPECT_EQ(Sprites(173).size(), 1u);
  EXPECT_EQ(core.maps, 0);

  recorder.Clear();
  core.gameTime = 3803;
  core.DrawPage_Campaign();
  EXPECT_EQ((std::vector<int>{core.gameMode, core.maps}), (std::vector<int>{3, 1}));
  EXPECT_TRUE(Sprites(173).empty());
  EXPECT_FLOAT_EQ(Rects(0, 0, 512, 384).at(0).state.alpha, 1.0f);  // hides the new map
  for (int64_t t : {4604, 100000}) {
    recorder.Clear();
    core.gameTime = t;
    core.DrawPage_Campaign();
    EXPECT_EQ((std::vector<int>{core.gameMode, core.maps, Page}), (std::vector<int>{4, 1, kPageCampaign}));
  }
  EXPECT_TRUE(recorder.Calls().empty());

  recorder.Clear();
  core.battlefields.clear();
  core.DrawPage_Battle();
  EXPECT_EQ(core.battlefields, std::vector<int>{0});
  EXPECT_TRUE(recorder.Calls().empty());
}

}  // namespace
