// A game whose collaborators (map generation, rules, page drawing, sprite loading) only
// note their calls, so the input hooks and the frame can be driven alone: a scripted
// clock, a scripted joystick, click regions set by hand and a recording draw backend.
#pragma once
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "game/inputhooks.h"
#include "game/quilloncore.h"
#include "platform/draw2d.h"
#include "platform/drawbackend.h"
#include "platform/numbers.h"
#include "platform/recordingscreen.h"

class TScriptedGame : public TQuillon {
 public:
  std::vector<std::string> calls;

  void Note(const std::string& call) { calls.push_back(call); }
  int Count(const std::string& call) const {
    int n = 0;
    for (const auto& c : calls) n += c == call ? 1 : 0;
    return n;
  }

  int setupMap() override { Note("setupMap"); return 0; }
  int enemyTurn(int p) override { Note("enemyTurn " + std::to_string(p)); return 0; }
  int startBattle() override { Note("startBattle"); return 0; }
  int increaseMen(int p, int kind) override {
    Note("increaseMen " + std::to_string(p) + " " + std::to_string(kind));
    return 0;
  }
  int modifyArmourAttack(int x, int y, int p, int armour, int attack) override {
    Note("modifyArmourAttack " + std::to_string(x) + " " + std::to_string(y) + " " +
         std::to_string(p) + " " + std::to_string(armour) + " " + std::to_string(attack));
    return 0;
  }
  int _LoadSprites() override { Note("_LoadSprites"); return 0; }
  int DrawPage_Options() override { Note("options"); return 0; }
  int DrawPage_Title() override { Note("title"); return 0; }
  int DrawPage_Game(int picking) override { Note("game " + std::to_string(picking)); return 0; }
  int DrawPage_Battle() override { Note("battle"); return 0; }
  int DrawPage_Campaign() override { Note("campaign"); return 0; }
  int DrawPage_Hand() override { Note("hand"); return 0; }
  int DrawPage_Deal() override { Note("deal"); return 0; }
};

// Each test starts on the hand page with no click regions, its own clock and joystick.
class ScriptedGameTest : public ::testing::Test {
 protected:
  static int PollScript(int port) { return joystick; }

  void SetUp() override {
    SetTestClock([this] { return now; });
    FrameJoystickPoll = PollScript;
    joystick = -1;
    ArcadeResetControl();
    _sprites[0].reset();
    Page = kPageHand;
    SeedRnd(11);
    game.AppWidth = 1024;  // twice the virtual screen
    game.AppHeight = 768;
    // The settings file's default bindings.
    game._joy_up = 4;
    game._joy_down = 6;
    game._joy_left = 7;
    game._joy_right = 5;
    game._joy_fire = 0;
    game._joy_back = 3;
    game._joy_pause = 4;
    game.deck.init();
    game.playersReset();
  }
  void TearDown() override {
    SetTestClock({});
    FrameJoystickPoll = GetButton;
    ArcadeResetControl();
    _sprites[0].reset();
    Page = kPageHand;
  }

  // A click region in virtual pixels.
  static void Region(int id, int x, int y, int w, int h) {
    ArcadeControlSlot(id)->set(id, x, y, w, h);
  }
  // The pointer moved to a virtual position (window pixels are twice as many).
  void MoveTo(int vx, int vy, int held = 0) {
    game.MMouseMove(vx * 2, vy * 2, 0, 0, 0, held, nullptr);
  }
  void Press() { game.MMouseDown(0, 0, 0, 0, 0, nullptr); }
  void Release() { game.MMouseUp(0, 0, 0, 0, 0, nullptr); }
  void Key(int k) { game.MKeyDown(0, 0, k, 0, 0, 0, 0, nullptr); }
  void KeyUp(int k) { game.MKeyUp(0, 0, k, 0, 0, 0, nullptr); }
  void Tick() { game.MTimer(1); }

  static inline int joystick = -1;
  int now = 1000;
  TRecordingScreen recorder{1024, 768};
  TScriptedGame game;
};
