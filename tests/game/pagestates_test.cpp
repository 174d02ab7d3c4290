// The input hooks driven through the pages: the hand page's lift, drag, drop and battle
// button, the deal page, the title page, the options page's cursor, volumes and binding
// capture by keys, mouse and joystick, and the keys of pages 1 to 4.
#include "scriptedgame.h"

namespace {

using HandInputTest = ScriptedGameTest;
using DealInputTest = ScriptedGameTest;
using TitleInputTest = ScriptedGameTest;
using OptionsInputTest = ScriptedGameTest;
using OtherPagesInputTest = ScriptedGameTest;

TEST_F(HandInputTest, PointerMapsIntoTheVirtualScreen) {
  game.MMouseMove(1023, 767, 0, 0, 0, 0, nullptr);
  EXPECT_EQ(game.vMX, 511);
  EXPECT_EQ(game.vMY, 383);
  game.MMouseMove(3, 1, 0, 0, 0, 0, nullptr);
  EXPECT_EQ(game.vMX, 1);  // 1.5 truncated
  EXPECT_EQ(game.vMY, 0);
  game.AppWidth = 0;  // no window yet: no division by zero
  game.MMouseMove(10, 10, 0, 0, 0, 0, nullptr);
  EXPECT_EQ(game.vMX, 0);
}

TEST_F(HandInputTest, HoverSelectsOnlyUnplayedCards) {
  Region(2, 100, 200, 40, 60);
  Region(3, 150, 200, 40, 60);
  Region(19, 0, 0, 25, 25);
  MoveTo(120, 230);
  EXPECT_EQ(game.players[0].g_SelectCard, 2);
  game.players[0].myCardCross[3] = 1;
  MoveTo(170, 230);
  EXPECT_EQ(game.players[0].g_SelectCard, 2) << "a played card's slot leaves the selection";
  MoveTo(10, 10);
  EXPECT_EQ(game.g_OverMenu, 1);
  EXPECT_EQ(game.players[0].g_SelectCard, -1);
  MoveTo(300, 100);
  EXPECT_EQ(game.g_OverMenu, 0);
}

TEST_F(HandInputTest, PressLiftsTheCardForOneHundredMilliseconds) {
  Region(4, 100, 200, 40, 60);
  game.gameTime = 5000;
  MoveTo(110, 210);
  Press();
  EXPECT_EQ(game.players[0].myCardCross[4], 1);
  EXPECT_EQ(game.gameMode, 99);
  EXPECT_EQ(game.modeTime, 100);
  EXPECT_EQ(game.nextTime, 5100);
  // While lifted, moving over other cards does not change the selection.
  Region(5, 200, 200, 40, 60);
  MoveTo(210, 210);
  EXPECT_EQ(game.players[0].g_SelectCard, 4);
}

TEST_F(HandInputTest, ReleaseWithoutAFreePoleReturnsTheCardAndReselects) {
  Region(1, 100, 200, 40, 60);
  Region(2, 150, 200, 40, 60);
  MoveTo(110, 210);
  Press();
  game.gameMode = 100;  // the drawing moved it on
  game.gameFlagOk = -1;
  game.vMX = 160;  // the pointer now over card 2
  Release();
  EXPECT_EQ(game.gameMode, 0);
  EXPECT_EQ(game.players[0].myCardCross[1], 0);
  EXPECT_EQ(game.players[0].g_SelectCard, 2);
  EXPECT_TRUE(game.calls.empty());
}

TEST_F(HandInputTest, ReleaseOnAFreePoleClaimsItAndTheComputerAnswers) {
  struct Case {
    int record;
    std::vector<std::string> calls;
  };
  const Case cases[] = {
      {27, {"modifyArmourAttack 7 9 0 3 2", "increaseMen 0 0", "enemyTurn 1"}},  // armour 3, attack 2
      {3, {"increaseMen 0 0", "enemyTurn 1"}},  // an extra card changes no armour or attack
  };
  for (const Case& c : cases) {
    game.calls.clear();
    game.gameMode = 0;
    game.flags[5] = kFlagFree;
    game.flagCount = 3;
    game.flagX[5] = 7;
    game.flagY[5] = 9;
    game.players[0].myCards[2] = c.record;
    game.players[0].myCardCross[2] = 0;
    Region(2, 100, 200, 40, 60);
    MoveTo(110, 210);
    Press();
    game.gameMode = 100;
    game.gameFlagOk = 5;
    game.gameTime = 8000;
    Release();
    EXPECT_EQ(game.flags[5], 0);
    EXPECT_EQ(game.flagCard[5], c.record);
    EXPECT_EQ(game.flagCount, 2);
    EXPECT_EQ(game.gameMode, 98);
    EXPECT_EQ(game.nextTime, 8150);
    EXPECT_EQ(game.players[0].myCardCross[2], 1);
    EXPECT_EQ(game.calls, c.calls);
  }
}

TEST_F(HandInputTest, DroppingOnTheLastFreePoleStartsTheBattleAtOnce) {
  game.flags[16] = kFlagFree;
  game.flagCount = 1;
  game.players[0].myCards[6] = 5;
  Region(6, 100, 200, 40, 60);
  MoveTo(110, 210);
  Press();
  game.gameFlagOk = 16;
  Release();
  EXPECT_EQ(game.flagCount, 0);
  EXPECT_EQ(game.gameMode, 101);
  EXPECT_EQ(game.players[0].g_SelectCard, -1);
  EXPECT_EQ(game.Count("startBattle"), 1);
  EXPECT_EQ(game.Count("enemyTurn 1"), 0) << "the computer players do not move after it";
}

TEST_F(HandInputTest, APoleThatIsNotFreeOrOutOfRangeIsNoDrop) {
  for (int pole : {17, -2, 4}) {
    game.flags[4] = 1;  // the computer's
    game.flagCount = 3;
    Region(1, 100, 200, 40, 60);
    MoveTo(110, 210);
    Press();
    game.gameFlagOk = pole;
    Release();
    EXPECT_EQ(game.players[0].myCardCross[1], 0) << pole;
    EXPECT_EQ(game.flagCount, 3) << pole;
    EXPECT_EQ(game.flags[4], 1);
  }
}

TEST_F(HandInputTest, BattleButtonLeadsToTheBattlePageOnlyWhenHovered) {
  game.gameMode = 103;
  Region(0, 200, 300, 100, 10);
  MoveTo(10, 10);
  Press();
  EXPECT_EQ(Page, kPageHand);
  MoveTo(250, 305);
  Press();
  EXPECT_EQ(Page, kPageBattle);
  // The battle page answers no input.
  Key(68);
  Key(27);
  Press();
  Release();
  EXPECT_EQ(Page, kPageBattle);
  EXPECT_TRUE(game.calls.empty());
}

TEST_F(HandInputTest, BattleSubStatesAndTheDropPauseIgnoreStrayClicks) {
  for (int mode : {101, 102, 103}) {
    game.gameMode = mode;
    Release();
    EXPECT_EQ(game.gameMode, mode);
  }
  // During the pause after a drop the played card stays played.
  game.gameMode = 98;
  game.players[0].g_SelectCard = 3;
  game.players[0].myCardCross[3] = 1;
  game.gameFlagOk = -1;
  Press();
  Release();
  EXPECT_EQ(game.gameMode, 98);
  EXPECT_EQ(game.players[0].myCardCross[3], 1);
}

TEST_F(HandInputTest, DealAndNewMapKeysUnlessBoundToPause) {
  game.gameMode = 98;
  game.players[0].myCardCross[2] = 1;
  Key(68);
  EXPECT_EQ(game.gameMode, 0);
  EXPECT_EQ(game.players[0].myCardCross[2], 0);
  Key(82);
  EXPECT_EQ(game.Count("setupMap"), 1);

  game._key_pause = 68;
  game.gameMode = 98;
  Key(68);
  EXPECT_EQ(game.gameMode, 98);
  game._key_pause = 82;
  Key(82);
  EXPECT_EQ(game.Count("setupMap"), 1);
}

TEST_F(DealInputTest, MarksToggleAndTheButtonReplacesMarkedCards) {
  Page = kPageDeal;
  Region(0, 200, 300, 96, 32);
  Region(2, 100, 100, 40, 60);
  Region(5, 250, 100, 40, 60);
  MoveTo(110, 110);
  EXPECT_EQ(game.players[0].g_SelectCard, 2);
  Press();
  MoveTo(260, 110);
  Press();
  Press();
  Press();
  EXPECT_EQ(game.players[0].myCardCross[2], 1);
  EXPECT_EQ(game.players[0].myCardCross[5], 1);
  MoveTo(5, 5);
  EXPECT_EQ(game.players[0].g_SelectCard, -1);
  Press();  // nothing under the pointer: nothing changes
  EXPECT_EQ(game.players[0].myCardCross[2], 1);

  const std::array<int, kHandSlots> before = game.players[0].myCards;
  const int dealt = game.deck.pos;
  const int next1 = game.deck.cardRef[game.deck.cardPos[dealt]];
  const int next2 = game.deck.cardRef[game.deck.cardPos[dealt + 1]];
  game.gameTime = 42;
  MoveTo(220, 310);
  Press();
  EXPECT_EQ(game.players[0].myCards[2], next1);
  EXPECT_EQ(game.players[0].myCards[5], next2);
  EXPECT_EQ(game.players[0].myCards[1], before[1]);
  EXPECT_EQ(game.gameMode, 20);
  EXPECT_EQ(game.nextTime, 642);
}

TEST_F(TitleInputTest, PointerChoosesAmongTheTitleEntriesOnly) {
  Page = kPageTitle;
  Region(1, 100, 100, 80, 10);
  Region(2, 100, 120, 80, 10);
  Region(9, 100, 140, 80, 10);  // left behind by the options page
  MoveTo(120, 125);
  EXPECT_EQ(game.g_TitleChoice, 2);
  Press();
  EXPECT_EQ(Page, kPageTitle);
  MoveTo(120, 145);
  EXPECT_EQ(game.g_TitleChoice, 2);
  MoveTo(120, 105);
  Press();
  EXPECT_EQ(Page, kPageOptions);
}

TEST_F(TitleInputTest, AHeldJoystickInputActsOnce) {
  Page = kPageOptions;  // the options cursor shows each act
  game.optionMenu = 1;
  joystick = 6;  // down
  Tick();
  Tick();
  Tick();
  EXPECT_EQ(game.optionMenu, 2);
  joystick = -1;
  Tick();
  joystick = 6;
  Tick();
  EXPECT_EQ(game.optionMenu, 3);

  Page = kPageTitle;
  joystick = -1;
  Tick();
  joystick = 6;
  Tick();
  Tick();
  EXPECT_EQ(game.g_TitleChoice, 2);
  joystick = 4;  // up
  Tick();
  EXPECT_EQ(game.g_TitleChoice, 1);
  joystick = 0;  // fire
  Tick();
  EXPECT_EQ(Page, kPageOptions);
}

TEST_F(OptionsInputTest, UpAndPauseOnOneInputMovesUpOnce) {
  Page = kPageOptions;
  game.optionMenu = 5;
  joystick = 4;  // bound to up and to pause
  Tick();
  EXPECT_EQ(game.optionMenu, 4);
  EXPECT_EQ(Page, kPageOptions);
  EXPECT_EQ(game._get_input, 0);
}

TEST_F(OptionsInputTest, CursorWrapsBetweenTheColumns) {
  Page = kPageOptions;
  struct Move {
    int from, column, key, to;
  };
  const Move moves[] = {
      {2, 2, 40, 10}, {2, 1, 40, 3},  {9, 1, 40, 17}, {16, 2, 40, 17}, {17, 1, 40, 1},
      {1, 1, 38, 17}, {10, 2, 38, 2}, {3, 1, 38, 2},  {17, 1, 38, 9},  {17, 2, 38, 16},
  };
  for (const Move& m : moves) {
    game.optionMenu = m.from;
    game.optionmenusub = m.column;
    Key(m.key);
    EXPECT_EQ(game.optionMenu, m.to) << "from " << m.from << " column " << m.column << " key "
                                     << m.key;
  }
  game.optionMenu = 4;
  game.optionmenusub = 1;
  Key(39);
  EXPECT_EQ(game.optionMenu, 11);
  EXPECT_EQ(game.optionmenusub, 2);
  Key(37);
  EXPECT_EQ(game.optionMenu, 4);
  EXPECT_EQ(game.optionmenusub, 1);
  Key(37);
  EXPECT_EQ(game.optionMenu, 4);
}

TEST_F(OptionsInputTest, VolumeKeysStayWithinZeroAndOne) {
  Page = kPageOptions;
  game.optionMenu = 1;
  game._MusicVolume = 0.0f;
  for (int i = 0; i < 10; ++i) Key(39);
  EXPECT_EQ(game._MusicVolume, 1.0f);
  Key(39);
  EXPECT_EQ(game._MusicVolume, 1.0f);
  ASSERT_NE(userControl[1], nullptr);
  EXPECT_EQ(userControl[1]->pos, 1.0f);
  EXPECT_EQ(game.MusicSystem.volume, 1.0f);
  EXPECT_EQ(game.MusicSystem.mute, 0);

  game.optionMenu = 2;
  game._Volume = 0.05f;
  Key(37);
  EXPECT_EQ(game._Volume, 0.0f);
  EXPECT_EQ(game.SoundSystem.mute, 1);
  EXPECT_EQ(userControl[2]->pos, 0.0f);
  EXPECT_EQ(game._MusicVolume, 1.0f);
}

TEST_F(OptionsInputTest, FireOnRowFiveCapturesTheRemainingKeys) {
  Page = kPageOptions;
  game.optionMenu = 5;
  Key(32);
  EXPECT_EQ(game._get_input, 5);
  EXPECT_EQ(game.optionmenusub, 1);
  for (int k : {81, 65, 13, 80, 8}) Key(k);
  EXPECT_EQ(game._key_up, 81);
  EXPECT_EQ(game._key_down, 65);
  EXPECT_EQ(game._key_fire, 13);
  EXPECT_EQ(game._key_pause, 80);
  EXPECT_EQ(game._key_back, 8);
  EXPECT_EQ(game._key_left, 37);
  EXPECT_EQ(game._get_input, 0);
  Key(8);  // the new back key
  EXPECT_EQ(Page, kPageTitle);
}

TEST_F(OptionsInputTest, JoystickCaptureIgnoresKeysAndTakesTheNextInput) {
  Page = kPageOptions;
  game.optionMenu = 12;
  Key(32);
  EXPECT_EQ(game._get_input, 12);
  EXPECT_EQ(game.optionmenusub, 2);
  Key(40);
  Key(27);
  EXPECT_EQ(game.optionMenu, 12);
  EXPECT_EQ(Page, kPageOptions);
  joystick = 66;
  Tick();
  EXPECT_EQ(game._joy_up, 66);
  EXPECT_EQ(game._get_input, 0);
  Tick();  // held: no second act
  EXPECT_EQ(game.optionMenu, 12);
}

TEST_F(OptionsInputTest, PointerHoversPressesAndDragsFaders) {
  Page = kPageOptions;
  Region(1, 100, 50, 100, 10);
  Region(2, 100, 70, 100, 10);
  Region(6, 100, 120, 40, 10);
  Region(17, 100, 300, 40, 10);
  Region(19, 0, 0, 25, 25);  // the hand page's corner, still registered
  MoveTo(10, 10);
  EXPECT_EQ(game.optionMenu, 1);
  MoveTo(110, 125);
  EXPECT_EQ(game.optionMenu, 6);

  MoveTo(150, 55);
  Press();
  EXPECT_EQ(game.optionMenu, 1);
  EXPECT_FLOAT_EQ(game._MusicVolume, 0.5f);
  EXPECT_FLOAT_EQ(game.MusicSystem.volume, 0.5f);
  MoveTo(175, 55, 1);  // dragging
  EXPECT_FLOAT_EQ(game._MusicVolume, 0.75f);
  EXPECT_EQ(game.optionMenu, 1);
  MoveTo(125, 75, 1);
  EXPECT_FLOAT_EQ(game._Volume, 0.25f);

  MoveTo(110, 125);
  Press();
  EXPECT_EQ(game._get_input, 6);
  EXPECT_EQ(game.optionmenusub, 1);
  MoveTo(400, 200);
  Press();
  EXPECT_EQ(game._get_input, 0);
  MoveTo(110, 305);
  Press();
  EXPECT_EQ(Page, kPageTitle);
  EXPECT_EQ(game.optionMenu, 17);
}

TEST_F(OtherPagesInputTest, GamePageKeepsHeldFlagsAndEscLeaves) {
  Page = kPageGame;
  Key(38);
  Key(32);
  EXPECT_EQ(game.kyup, 1);
  EXPECT_EQ(game.kyfire, 1);
  KeyUp(38);
  EXPECT_EQ(game.kyup, 0);
  EXPECT_EQ(game.kyfire, 1);
  Key(6);  // the joystick's down input as a key code
  EXPECT_EQ(game.kydown, 1);
  Key(82);
  EXPECT_EQ(game.Count("setupMap"), 1);
  game._key_pause = 82;
  Key(82);
  EXPECT_EQ(game.Count("setupMap"), 1);
  Key(27);
  EXPECT_EQ(Page, kPageTitle);
  game.kyfire = 1;
  KeyUp(32);  // only the game page clears flags
  EXPECT_EQ(game.kyfire, 1);
}

TEST_F(OtherPagesInputTest, SpaceMovesOnFromPagesOneToThree) {
  now = 10000;
  Page = 1;
  Key(33);
  EXPECT_EQ(Page, 1);
  Key(32);
  EXPECT_EQ(Page, kPageGame);
  EXPECT_EQ(game._waitTimer, 12500);
  Page = 2;
  Key(32);
  EXPECT_EQ(Page, kPageGame);
  Page = 3;
  Key(32);
  EXPECT_EQ(Page, kPageTitle);
}

}  // namespace
