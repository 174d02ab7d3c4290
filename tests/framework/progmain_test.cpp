// The event loop driven by scripted events: the prologue, the pointer position that
// presses, releases and keys use, the one-pixel move filter, the modifier flags, the key
// bookkeeping, the ids consumed without effect, the window and application events, the
// gate on gestures, the memory pacer's calls, and the ways the loop ends (AppTerminate,
// WindowClose, SIGINT and SIGTERM).
#include <gtest/gtest.h>

#include <algorithm>
#include <csignal>
#include <cstdlib>
#include <string>
#include <tuple>
#include <vector>

#include "framework/pellamtesting.h"
#include "framework/stopsignals.h"
#include "framework/trackpad.h"
#include "framework/windowtesting.h"

namespace {

using Lines = std::vector<std::string>;

TEST_F(PellamTest, PrologueClearsKeyStatesSetsTheStatusColourAndDrawsOnce) {
  RecordingApp app;
  app.KeyState[7] = 1;
  app.KeyState[255] = 1;
  EXPECT_EQ(app.AppRedrawingUI, 1);
  EXPECT_EQ(app.Run({}), 0);
  EXPECT_TRUE(app.ranOut);
  EXPECT_EQ(app.KeyState[7], 0);
  EXPECT_EQ(app.KeyState[255], 0);
  EXPECT_EQ(std::tuple(app.StatusRed, app.StatusGreen, app.StatusBlue), std::tuple(120, 120, 120));
  EXPECT_EQ(app.AppRedrawingUI, 0);
  EXPECT_NE(app.GfxHandle, 0);  // the trackpad handler of the main canvas
  // One frame: the two controls of page 0 drawn once.
  EXPECT_EQ(app.calls, Calls{"RedrawUI"});
  EXPECT_EQ(app.customDraws, 2);
}

TEST_F(PellamTest, PressesAndKeysBeforeAnyMoveUseTheOriginNotTheEventsPosition) {
  RecordingApp app;
  app.AppMouseDownX = app.AppMouseDownY = 77;
  app.Run({Emit({Down(), Key('A'), Up()})});
  EXPECT_EQ(std::tuple(app.AppMouseDownX, app.AppMouseDownY), std::tuple(0, 0));
  // The origin is on no control: the press and release call nothing, the key goes to the
  // live control A at the window position.
  EXPECT_EQ(app.Only("MMouse"), Calls{"MMouseCursor(0,0,0,0,0,0,c0)"});
  EXPECT_EQ(app.Only("MKey"), Calls{"MKeyDown(0,0,65,0,0,0,0,c0)"});
}

TEST_F(PellamTest, AOnePixelMoveIsNotDispatchedButTheNextPressUsesIt) {
  RecordingApp app;
  int mouseX = 0;
  std::tuple<int, int> old;
  app.Run({Emit({Move(100, 100), Move(101, 101)}),
           Do([&] { mouseX = app.AppMouseX, old = {app.nOldMX, app.nOldMY}; }),
           Emit({Down(), Up(), Move(101, 99), Move(102, 100), Move(102, 97)})});
  EXPECT_EQ(mouseX, 100);  // only dispatched moves reach AppMouseX
  EXPECT_EQ(old, std::tuple(100, 100));
  EXPECT_EQ(std::tuple(app.AppMouseDownX, app.AppMouseDownY), std::tuple(101, 101));
  EXPECT_EQ(app.Only("MMouseDown"), Calls{"MMouseDown(51,51,0,0,0,c0)"});
  // Two pixels in either axis from the last dispatched move are dispatched.
  EXPECT_EQ(app.Only("MMouseMove"),
            (Calls{"MMouseMove(50,50,0,0,0,0,c0)", "MMouseMove(52,50,0,0,0,0,c0)",
                   "MMouseMove(52,47,0,0,0,0,c0)"}));
}

TEST_F(PellamTest, ModifierFlagsArriveMaskedInTheOrderControlCommandShift) {
  RecordingApp app;
  app.EditControl = 1;  // so that shift keeps the live control
  app.Run({Emit({Move(100, 100, MODIFIER_SHIFT | MODIFIER_CONTROL | MODIFIER_OPTION |
                                    MODIFIER_COMMAND),
                 Key('A', MODIFIER_CONTROL), Key('B', MODIFIER_COMMAND), Key('C', MODIFIER_SHIFT),
                 Key('D', MODIFIER_OPTION)})});
  EXPECT_EQ(app.Only("MMouseMove"), Calls{"MMouseMove(50,50,2,8,1,0,c0)"});
  EXPECT_EQ(app.Only("MKeyDown"),
            (Calls{"MKeyDown(100,100,65,2,0,0,0,c0)", "MKeyDown(100,100,66,0,8,0,0,c0)",
                   "MKeyDown(100,100,67,0,0,1,0,c0)", "MKeyDown(100,100,68,0,0,0,0,c0)"}));
  // The fields hold the latest input event's bits.
  EXPECT_EQ(std::tuple(app.controlKeyDown, app.commandKeyDown, app.shiftKeyDown),
            std::tuple(0, 0, 0));
}

TEST_F(PellamTest, KeyStateAndTheLastKeyFollowPressesAndReleases) {
  RecordingApp app;
  std::vector<std::tuple<int, int, int>> seen;  // KeyState[65], oldKeyDown, oldControlKeyDown
  auto look = [&] { return Do([&] { seen.emplace_back(app.KeyState[65], app.oldKeyDown, app.oldControlKeyDown); }); };
  app.Run({Emit({Key('A', MODIFIER_CONTROL)}), look(),
           Emit({Ev(EVENT_KEYREPEAT, 'A')}), look(),
           Emit({KeyUp('A', MODIFIER_CONTROL)}), look(),
           Emit({KeyUp('A')}), look()});
  EXPECT_EQ(seen, (std::vector<std::tuple<int, int, int>>{
                      {1, 65, 1}, {1, 65, 1}, {0, -1, 1}, {0, -1, 0}}));
  EXPECT_EQ(app.Only("MKeyDown"),
            (Calls{"MKeyDown(0,0,65,2,0,0,0,c0)", "MKeyDown(0,0,65,0,0,0,1,c0)"}));
  EXPECT_EQ(app.Only("MKeyUp"), (Calls{"MKeyUp(0,0,65,2,0,0,null)", "MKeyUp(0,0,65,0,0,0,null)"}));
}

TEST_F(PellamTest, KeyCodesOutsideTheTableLeaveKeyStateAloneAndAreStillDispatched) {
  RecordingApp app;
  const auto before = app.KeyState;
  bool untouched = false;
  app.Run({Emit({Key(256), Key(300), Key(-5)}), Do([&] { untouched = app.KeyState == before; }),
           Emit({KeyUp(300)})});
  EXPECT_TRUE(untouched);
  EXPECT_EQ(app.Only("MKeyDown"),
            (Calls{"MKeyDown(0,0,256,0,0,0,0,c0)", "MKeyDown(0,0,300,0,0,0,0,c0)",
                   "MKeyDown(0,0,-5,0,0,0,0,c0)"}));
  EXPECT_EQ(app.Only("MKeyUp"), Calls{"MKeyUp(0,0,300,0,0,0,null)"});
  EXPECT_EQ(app.oldKeyDown, -1);
}

TEST_F(PellamTest, TheCustomEventAndUnknownIdsAreConsumedWithoutEffect) {
  ASSERT_GE(static_cast<unsigned>(EVENT_CUSTOMEVENT), 0x80000001u);
  EXPECT_EQ(EventIdDescription(EVENT_CUSTOMEVENT), "CustomEvent");
  RecordingApp app;
  app.Run({Emit({Ev(EVENT_CUSTOMEVENT, 5, MODIFIER_CONTROL, 100, 100), Ev(0x12345, 1, 0, 100, 100),
                 Ev(EVENT_MOUSEENTER + 100)})});
  EXPECT_TRUE(app.ranOut);
  EXPECT_EQ(app.calls, Calls{"RedrawUI"});
  EXPECT_EQ(app.controlKeyDown, 0);
}

TEST_F(PellamTest, AppTerminateEndsTheLoopAndLeavesLaterEventsQueued) {
  RecordingApp app;
  app.Run({Emit({Key('A'), Ev(EVENT_APPTERMINATE), Key('B')}), Emit({Key('C')})});
  EXPECT_FALSE(app.ranOut);
  EXPECT_EQ(app.Only("MKeyDown"), Calls{"MKeyDown(0,0,65,0,0,0,0,c0)"});
  EXPECT_EQ(PollEvent().data, 'B');  // still waiting; never dispatched
  EXPECT_EQ(app.script.size(), 1u);
}

TEST_F(PellamTest, WindowCloseAndTheQuitItemEndTheLoopToo) {
  for (const TEvent& end : {Ev(EVENT_WINDOWCLOSE), Ev(EVENT_MENUACTION, kMenuQuit)}) {
    RecordingApp app;
    EXPECT_EQ(app.Run({Emit({end, Key('B')})}), 0);
    EXPECT_FALSE(app.ranOut);
    EXPECT_TRUE(app.Only("MKey").empty());
    EXPECT_TRUE(app.Only("MMenu").empty());
    EXPECT_EQ(PollEvent().data, 'B');  // left queued, never dispatched
  }
}

TEST_F(PellamTest, ATickQueuedBeforeARequestToEndDrawsNoFrameOthersStillDo) {
  for (const TEvent& end : {Ev(EVENT_WINDOWCLOSE), Ev(EVENT_APPTERMINATE), Ev(EVENT_MENUACTION, kMenuQuit)}) {
    RecordingApp app;
    app.SetTimer(1, 1);  // slow enough that no real tick arrives while the script runs
    void* timer = app.Timer[1].get();
    // Another menu item ends nothing: the tick before it is drawn.
    app.Run({Emit({Tick(timer), Key('A')}), Emit({Tick(timer), Ev(EVENT_MENUACTION, kMenuHelp)}),
             Emit({Tick(timer), Key('B'), end})});
    EXPECT_EQ(app.Only("MTimer"), (Calls{"MTimer(1)", "MTimer(1)"})) << end.id;
    EXPECT_EQ(app.Only("MKeyDown").size(), 2u) << end.id;  // only ticks are passed over
    app.EndTimer(1);
    FlushEvents();
  }
}

TEST_F(PellamTest, SuspendAndResumeSetBothActiveFlagsFlushPolledInputAndRedraw) {
  RecordingApp app;
  std::tuple<int, int> suspended;
  Lines printed = PrintedBy([&] {
    app.Run({Emit({Ev(EVENT_APPSUSPEND)}),
             Do([&] {
               suspended = {app.AppActive, app.TMUIDraw2::AppActive};
               InputKeyChange(65, true);
               InputMouseButton(1, true);
             }),
             Emit({Ev(EVENT_APPRESUME)})});
  });
  EXPECT_EQ(suspended, std::tuple(0, 0));
  EXPECT_EQ(std::tuple(app.AppActive, app.TMUIDraw2::AppActive), std::tuple(1, 1));
  EXPECT_EQ(std::tuple(KeyDown(65), MouseDown(1)), std::tuple(0, 0));
  EXPECT_EQ(app.calls, (Calls{"RedrawUI", "RedrawUI", "RedrawUI"}));
  EXPECT_EQ(std::count(printed.begin(), printed.end(), "app suspend"), 1);
  EXPECT_EQ(std::count(printed.begin(), printed.end(), "app resume"), 1);
}

TEST_F(PellamTest, WindowSizeMeasuresAgainThenCallsMResizeAndRedraws) {
  RecordingApp app;
  app.Run({Do([&] { app.AppCanvas = std::make_unique<TCanvas>(nullptr, 0, 0, 320, 240); }),
           Emit({Ev(EVENT_WINDOWSIZE)})});
  EXPECT_EQ(std::tuple(app.AppWidth, app.AppHeight), std::tuple(320, 240));
  EXPECT_EQ(std::tuple(app.A().nX, app.A().nWidth), std::tuple(25, 50));  // laid out again
  // ResetGraphics draws the new size; MResize comes after it and another frame follows.
  EXPECT_EQ(app.calls, (Calls{"RedrawUI", "RedrawUI", "MResize()", "RedrawUI"}));
}

TEST_F(PellamTest, TheMemoryPacerIsAskedOnTicksMouseEnterAndResumeOnly) {
  int counted = 0;
  RecordingApp app;
  app.garbage = std::make_unique<TGarbage>([&] { return int64_t{++counted}; }, [] {});
  const int afterCreation = counted;
  app.Run({Emit({Tick(nullptr), Ev(EVENT_MOUSEENTER), Ev(EVENT_MOUSELEAVE), Ev(EVENT_APPRESUME),
                 Ev(EVENT_APPSUSPEND), Key('A'), Move(100, 100), Down(), Up(), Wheel(1)})});
  EXPECT_EQ(counted - afterCreation, 3);
}

TEST_F(PellamTest, ButtonFlagComesFromThePolledStateAndOnlyAReleaseClearsIt) {
  RecordingApp app;
  std::vector<int> downs;
  auto look = [&] { return Do([&] { downs.push_back(app.AppMouseDown); }); };
  app.Run({Emit({Move(100, 100)}), look(),
           Do([] { InputMouseButton(1, true); }), Emit({Move(110, 100)}), look(),
           Do([] { InputMouseButton(1, false); }), Emit({Move(120, 100)}), look(),
           Emit({Up()}), look()});
  EXPECT_EQ(downs, (std::vector<int>{0, 1, 1, 0}));
  EXPECT_EQ(app.TMUIDraw2::AppMouseDown, 0);  // the window layer's flag is left alone
}

// SIGINT and SIGTERM reach the loop as AppTerminate, posted from another thread.
class StopSignalTest : public PellamTest, public ::testing::WithParamInterface<int> {};

TEST_P(StopSignalTest, EndsTheLoopThroughAppTerminate) {
  RecordingApp app;
  app.waitAfterScript = 10000;
  app.Run({Emit({Key('A')}), Do([] { raise(GetParam()); })});
  EXPECT_FALSE(app.ranOut) << "no AppTerminate arrived";
  EXPECT_EQ(StopSignalPending(), 0);
  EXPECT_EQ(app.Only("MKeyDown").size(), 1u);

  // Taken by the loop, the next signal asks politely again instead of killing.
  RecordingApp again;
  again.waitAfterScript = 10000;
  again.Run({Do([] { raise(GetParam()); })});
  EXPECT_FALSE(again.ranOut);
}

INSTANTIATE_TEST_SUITE_P(Signals, StopSignalTest, ::testing::Values(SIGINT, SIGTERM));

TEST_F(PellamTest, ASecondStopSignalBeforeTheLoopAnsweredEndsTheProgram) {
  GTEST_FLAG_SET(death_test_style, "threadsafe");
  EXPECT_EXIT(
      {
        InitPellamModule();
        raise(SIGTERM);
        raise(SIGTERM);
        std::exit(0);
      },
      ::testing::KilledBySignal(SIGTERM), "");
}

}  // namespace
