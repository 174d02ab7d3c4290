// The pages through the recording backend: what the hand, deal, campaign, battle,
// options and title pages draw in their sub-states, the timed sub-states their drawing
// advances, and the click regions they leave registered.
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

TEST_F(HandPageDrawTest, ChoosingRegistersUnplayedSlotsAndHints) {
  core.players[0].myCardCross[2] = 1;
  ArcadeControlSlot(2)->set(2, 0, 0, 1, 1);
  core.DrawPage_Hand();
  EXPECT_EQ(core.battlefields, std::vector<int>{1});
  const int lefts[] = {0, 89, -2, 144, 309, 199, 254};
  for (int slot : {1, 3, 4, 5, 6}) {
    EXPECT_EQ(Region(slot), (std::vector<int>{lefts[slot], 275, lefts[slot] + 60, 361})) << slot;
  }
  EXPECT_EQ(Region(2), (std::vector<int>{0, 0, 1, 1}));  // a played slot keeps its old region
  const SpriteDraw played = Sprites(PictureOfSlot(2)).at(0);
  EXPECT_EQ(Box(played), (std::vector<float>{364, 265, 60, 86}));
  EXPECT_FLOAT_EQ(played.alpha, 0.3f);
  const TextRun hint = Texts("Select a card to play").at(0);
  EXPECT_EQ((std::vector<int>{hint.x, hint.y}), (std::vector<int>{182, 368}));
  EXPECT_EQ(Rgb(hint), (std::vector<int>{255, 255, 255}));
  EXPECT_FLOAT_EQ(hint.alpha, 0.5f);

  for (int selected : {3, 7}) {
    recorder.Clear();
    core.players[0].g_SelectCard = selected;
    core.DrawPage_Hand();
    EXPECT_EQ(Texts(selected == 3 ? "Drag card to a map pole" : "Select a card to play").size(), 1u);
    EXPECT_EQ(AtY(Sprites(PictureOfSlot(3)), 240).size(), selected == 3 ? 1u : 0u);
  }
}

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
  // Half way from (120, 240) to (300, 250 - 150), scale 0.45.
  EXPECT_EQ(Box(AtY(Sprites(PictureOfSlot(1)), 170).at(0)), (std::vector<float>{165, 170, 90, 129}));
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
  EXPECT_EQ(Texts("Drop the card on a flashing pole").size(), 1u);
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
  EXPECT_EQ(AtY(Sprites(PictureOfSlot(2)), 137).at(0).w, 65);  // 37 down at scale 0.325
  EXPECT_TRUE(Texts().empty());
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
  EXPECT_EQ(Sprites(PictureOfSlot(1)).at(0).y, 325);  // slid 50 down
  EXPECT_EQ(Box(Sprites(PictureOfSlot(2)).at(0)), (std::vector<float>{379, 265, 30, 43}));
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
    EXPECT_EQ(Region(0), (std::vector<int>{208, 345, 304, 377}));
    const std::vector<SpriteDraw> drawn = Sprites();
    ASSERT_EQ(drawn.size(), 1u);  // the button only, no cards
    EXPECT_EQ(Box(drawn[0]), (std::vector<float>{208, 345, 96, 32}));
    EXPECT_EQ(drawn[0].n, 170);
    EXPECT_FLOAT_EQ(drawn[0].alpha, hover ? 1.0f : 0.5f);
    const TextRun text = Texts("Battle begins...").at(0);
    EXPECT_EQ((std::vector<int>{text.x, text.y}), (std::vector<int>{200, 326}));
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

TEST_F(DealPageDrawTest, ChoiceScreenShowsMarksButtonTextAndRegions) {
  Page = kPageDeal;
  core.gameMode = 19;
  core.players[0].myCardCross[2] = 1;
  core.players[0].g_SelectCard = 0;
  core.DrawPage_Deal();
  EXPECT_EQ(Region(1), (std::vector<int>{4, 100, 84, 215}));  // column 45 at scale 0.4
  EXPECT_EQ(Region(2), (std::vector<int>{404, 100, 484, 215}));
  EXPECT_EQ(Region(0), (std::vector<int>{208, 307, 304, 339}));
  EXPECT_EQ(Sprites(164).size(), 1u);  // the one mark
  const std::vector<SpriteDraw> button = Sprites(169);
  ASSERT_EQ(button.size(), 2u);  // lit again under the pointer
  EXPECT_FLOAT_EQ(button[1].alpha, 1.0f);
  const TextRun text = Texts("Select cards to be replaced    ").at(0);
  EXPECT_EQ((std::vector<int>{text.x, text.y}), (std::vector<int>{147, 288}));
  EXPECT_EQ(Box(Sprites(168).at(0)), (std::vector<float>{144, 26, 224, 32}));

  recorder.Clear();
  core.players[0].g_SelectCard = 3;
  core.DrawPage_Deal();
  const SpriteDraw copy = AtY(Sprites(PictureOfSlot(3)), 60).at(0);
  EXPECT_EQ(copy.w, 140);  // scale 0.7, see-through
  EXPECT_FLOAT_EQ(copy.alpha, 0.5f);
}

TEST_F(DealPageDrawTest, ReplacementMovesMarkedSlotsAndSkipsEmptyOnes) {
  Page = kPageDeal;
  TPlayer& me = core.players[0];
  me.myCardCross[3] = 1;
  me.myCardCross[5] = 1;
  me.myCards[5] = -1;  // the deck ran out
  core.gameMode = 21;
  core.modeTime = 600;
  core.gameTime = 1000;
  core.nextTime = 1300;
  core.DrawPage_Deal();
  const std::vector<SpriteDraw> backs = Sprites(7);
  ASSERT_EQ(backs.size(), 1u);
  EXPECT_EQ((std::vector<float>{backs[0].x, backs[0].y}), (std::vector<float>{84, 292}));  // half risen
  for (int slot : {1, 2, 4, 6}) EXPECT_EQ(AtY(Sprites(PictureOfSlot(slot)), 100).size(), 1u) << slot;
  EXPECT_TRUE(Sprites(PictureOfSlot(5)).empty());
  EXPECT_TRUE(Sprites(164).empty());  // no marks from sub-state 20 on
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

TEST_F(CampaignPageDrawTest, StripBlocksShowPastCurrentAndComingStages) {
  core.gameCampaign = 2;
  for (int won : {0, 1}) {
    recorder.Clear();
    core.DrawCampaign(42, 77, 1, 3, won);
    const std::vector<SpriteDraw> d = Sprites();
    ASSERT_EQ(d.size(), 5u);  // block, pole, stars, mark, flag
    EXPECT_EQ(Box(d[0]), (std::vector<float>{42, 77, 51, 25}));
    EXPECT_EQ(d[0].r, 100);
    EXPECT_EQ((std::vector<int>{d[1].n, d[2].n, d[3].n, d[4].n}),
              (std::vector<int>{142, 150, won ? 146 : 145, 157}));
    EXPECT_EQ(Rgb(d[4]), won ? (std::vector<int>{0, 150, 0}) : (std::vector<int>{150, 0, 0}));
    EXPECT_FLOAT_EQ(d[4].alpha, 0.7f);
  }
  recorder.Clear();
  core.gameTime = 150;  // the pole at the top of its sway
  core.DrawCampaign(68, 64, 2, 0, 1);
  std::vector<SpriteDraw> d = Sprites();
  ASSERT_EQ(d.size(), 4u);  // no won or lost mark
  EXPECT_EQ((std::vector<float>{d[1].x, d[1].y, d[3].y}), (std::vector<float>{78, 33, 33}));
  recorder.Clear();
  SetColor(1, 2, 3);
  core.DrawCampaign(94, 51, 3, 5, 1);
  d = Sprites();
  ASSERT_EQ(d.size(), 1u);  // a faint block in the colour it found
  EXPECT_EQ(Rgb(d[0]), (std::vector<int>{1, 2, 3}));
  EXPECT_FLOAT_EQ(d[0].alpha, 0.15f);
}

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
  EXPECT_EQ(Box(Sprites(1).at(0)), (std::vector<float>{62, -145, 398, 305}));
  EXPECT_FLOAT_EQ(Rects(0, 0, 512, 384).at(0).state.alpha, 0.75f);

  recorder.Clear();
  core.gameTime = 802;
  core.DrawPage_Campaign();
  EXPECT_EQ((std::vector<int>{core.gameMode, core.modeTime, core.gameCampaign}), (std::vector<int>{2, 3000, 2}));
  const std::vector<SpriteDraw> blocks = Sprites(155);
  ASSERT_EQ(blocks.size(), 5u);
  for (int stage = 0; stage < 5; ++stage) {
    EXPECT_EQ(Box(blocks[stage]), (std::vector<float>{64.0f + 64 * stage, 224.0f - 32 * stage, 121, 60}));
    EXPECT_FLOAT_EQ(blocks[stage].alpha, stage == 2 ? 0.6f : 0.4f);
  }
  EXPECT_EQ(Sprites(173).size(), 1u);
  EXPECT_EQ(Box(Sprites(177).at(0)), (std::vector<float>{150, 5, 14, 28}));  // the digit 3
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

using OptionsPageDrawTest = PageDrawTest;

TEST_F(OptionsPageDrawTest, RegistersEveryRowAndShowsTheBindings) {
  core.DrawPage_Options();
  EXPECT_EQ(Region(1), (std::vector<int>{97, 39, 211, 50}));
  EXPECT_EQ(Region(2), (std::vector<int>{97, 59, 211, 70}));
  for (int i = 0; i < 7; ++i) {
    const int y = 96 + 11 * i;
    EXPECT_EQ(Region(3 + i), (std::vector<int>{97, y - 1, 154, y + 10})) << i;
    EXPECT_EQ(Region(10 + i), (std::vector<int>{154, y - 1, 211, y + 10})) << i;
  }
  EXPECT_EQ(Region(17), (std::vector<int>{112, 181, 266, 192}));
  EXPECT_FALSE(userControl[0]);
  const auto first = [&](const std::string& text, int r) {
    for (const TextRun& run : Texts(text)) {
      if (run.r == r) return std::vector<int>{run.x, run.y};
    }
    return std::vector<int>{};
  };
  EXPECT_EQ(first("OPTIONS", 250), (std::vector<int>{231, 15}));
  EXPECT_EQ(first("> MUSIC", 200), (std::vector<int>{34, 40}));
  EXPECT_EQ(first("SOUND", 90), (std::vector<int>{42, 60}));
  EXPECT_EQ(first("map....", 80), (std::vector<int>{48, 151}));
  EXPECT_EQ(first("BACK", 200), (std::vector<int>{113, 182}));
  EXPECT_EQ(first(GetKeyString(core._key_left), 190).at(1), 96);
  EXPECT_EQ(first(GetJoyString(core._joy_back), 190).at(1), 162);
  EXPECT_EQ(Rects(97, 39, 114, 10).size(), 1u);  // the bar where the plain row has it
}

TEST_F(OptionsPageDrawTest, HighlightFollowsTheRowAndOnlyItsOwnBox) {
  core.optionMenu = 10;
  core.DrawPage_Options();
  EXPECT_EQ(Texts(">left..").at(0).r, 230);
  EXPECT_EQ(Rgb(Rects(155, 96, 55, 8).at(0)), (std::vector<int>{100, 10, 20}));
  EXPECT_EQ(Rgb(Rects(98, 96, 55, 8).at(0)), (std::vector<int>{10, 20, 20}));
  for (int row : {0, 18, 19}) {
    recorder.Clear();
    core.optionMenu = row;
    core.DrawPage_Options();
    for (const TextRun& run : Texts()) EXPECT_NE(run.text[0], '>') << row << run.text;
    for (const TDrawCall& c : recorder.CallsOf(TDrawCallKind::Rect)) {
      EXPECT_FALSE(c.state.red == 100 && c.state.green == 10) << row;  // no highlighted fill
    }
  }
  recorder.Clear();
  core.optionMenu = 17;
  core.DrawPage_Options();
  EXPECT_EQ(Region(17), (std::vector<int>{105, 181, 259, 192}));
  const TextRun back = Texts(">BACK<").back();  // the body, after its black outline
  EXPECT_EQ((std::vector<int>{back.x, back.y, back.r, back.g}), (std::vector<int>{106, 182, 200, 20}));
}

TEST_F(OptionsPageDrawTest, CaptureMarkPulsesOverTheCapturedBoxOnly) {
  core.DrawPage_Options();
  const size_t plain = recorder.CallsOf(TDrawCallKind::Rect).size();
  for (int notARow : {0, 1, 2, 17}) {
    recorder.Clear();
    core._get_input = notARow;
    core.DrawPage_Options();
    EXPECT_EQ(recorder.CallsOf(TDrawCallKind::Rect).size(), plain) << notARow;
  }
  core._get_input = 15;
  int lowest = 255, highest = 0;
  for (int64_t t = 0; t < 1080; t += 9) {
    recorder.Clear();
    core.gameTime = t;
    core.DrawPage_Options();
    const std::vector<TDrawCall> fills = Rects(155, 151, 55, 8);
    ASSERT_EQ(fills.size(), 2u);
    EXPECT_EQ(fills[1].state.red, 150);
    lowest = std::min(lowest, fills[1].state.green);
    highest = std::max(highest, fills[1].state.green);
  }
  EXPECT_EQ((std::vector<int>{lowest, highest}), (std::vector<int>{100, 200}));
  EXPECT_EQ(Region(15), (std::vector<int>{154, 150, 211, 161}));
}

using TitlePageDrawTest = PageDrawTest;

// The body of a framed text: the run at its own place that is not the white border.
TextRun Body(const std::vector<TextRun>& runs, int x, int y) {
  for (const TextRun& run : runs) {
    if (run.x == x && run.y == y && Rgb(run) != std::vector<int>{250, 250, 250}) return run;
  }
  return TextRun{"", -1, -1, -1, -1, -1, 0.0f};
}

TEST_F(TitlePageDrawTest, ChosenEntryIsFramedAndPulses) {
  core._get_input = 9;
  core.gameTime = 300;  // just below the top of the pulse
  core.DrawPage_Title();
  EXPECT_EQ(core._get_input, 0);
  EXPECT_FLOAT_EQ(CurrentDrawState().virtualWidth, 512.0f);
  EXPECT_EQ(Texts("    OPTIONS").size(), 5u);  // four white offsets and the body
  EXPECT_EQ(Rgb(Body(Texts("    OPTIONS"), 62, 109)), (std::vector<int>{254, 200, 254}));
  const TextRun start = Texts("START THIS QUEST").at(0);
  EXPECT_EQ((std::vector<int>{start.x, start.y, start.r, start.g, start.b}), (std::vector<int>{62, 134, 250, 50, 50}));
  EXPECT_EQ(Region(1), (std::vector<int>{62, 109, 150, 119}));
  EXPECT_EQ(Region(2), (std::vector<int>{62, 134, 190, 144}));

  for (int choice : {2, 0}) {
    recorder.Clear();
    core.g_TitleChoice = choice;
    core.gameTime = 150;
    core.DrawPage_Title();
    EXPECT_EQ(Rgb(Body(Texts("START THIS QUEST"), 62, 134)), (std::vector<int>{250, 180, 180}));
    EXPECT_EQ(Rgb(Texts("    OPTIONS").at(0)), (std::vector<int>{50, 200, 50}));
  }
  core.g_TitleChoice = 1;
  for (int64_t t : {0, 600, 900, 1200}) {  // the pulse rests at 0 or below (clamped when drawn)
    recorder.Clear();
    core.gameTime = t;
    core.DrawPage_Title();
    EXPECT_LE(Body(Texts("    OPTIONS"), 62, 109).r, 0) << t;
  }
}

}  // namespace
