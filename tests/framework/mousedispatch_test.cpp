// Mouse dispatch through the loop: click or drag by vertical travel, releases over another
// control or over nothing, double clicks, command-click, the Return veto, pending presses
// cancelled by keys, momentary controls, hover and its redraws, drags over live controls
// and persistent controls, and the wheel's total and target control.
#include <gtest/gtest.h>

#include <string>
#include <tuple>
#include <vector>

#include "framework/pellamtesting.h"

namespace {

// Press at (100, 100), 50 pixels into A, then release after a move to (x, y).
Script PressAndReleaseAt(int x, int y) {
  return {Emit({Move(100, 100), Down(), Move(x, y), Up()})};
}

TEST_F(PellamTest, ReleaseWithLessThanFourPixelsOfVerticalTravelIsAClick) {
  RecordingApp app;
  app.Run({Emit({Move(100, 100)}), Do([&] { app.calls.clear(); }),
           Emit({Down(), Move(100, 103), Up()})});
  EXPECT_EQ(app.calls,
            (Calls{"MMouseDown(50,50,0,0,0,c0)",
                   // The press set the button flag: a drag step over a live control,
                   // seen twice.
                   "MMouseCursor(50,53,0,0,0,1,c0)", "MMouseMove(50,53,0,0,0,1,c0)",
                   "MMouseCursor(50,53,0,0,0,1,c0)", "MMouseMove(50,53,0,0,0,1,c0)",
                   "MMouseClicked(50,53,0,0,0,c0)", "MMouseUp(50,53,0,0,0,c0)"}));
  EXPECT_EQ(std::tuple(app.MouseDownX, app.MouseDownY), std::tuple(50, 50));
  EXPECT_EQ(std::tuple(app.CurrentDownCtrl, app.PrevDownCtrl), std::tuple(-1, kA));
}

TEST_F(PellamTest, FourPixelsOfVerticalTravelEitherWayIsADrag) {
  RecordingApp down;
  down.Run(PressAndReleaseAt(100, 104));
  EXPECT_EQ(down.Only("MMouseDragClicked"), Calls{"MMouseDragClicked(50,54,0,0,0,c0)"});
  EXPECT_TRUE(down.Only("MMouseClicked").empty());

  RecordingApp up;
  up.Run(PressAndReleaseAt(100, 96));
  EXPECT_EQ(up.Only("MMouseDragClicked"), Calls{"MMouseDragClicked(50,46,0,0,0,c0)"});

  RecordingApp upThree;
  upThree.Run(PressAndReleaseAt(100, 97));
  EXPECT_EQ(upThree.Only("MMouseClicked"), Calls{"MMouseClicked(50,47,0,0,0,c0)"});

  RecordingApp across;  // horizontal travel is not looked at
  across.Run(PressAndReleaseAt(150, 100));
  EXPECT_EQ(across.Only("MMouseClicked"), Calls{"MMouseClicked(100,50,0,0,0,c0)"});
}

TEST_F(PellamTest, ReleaseElsewhereCallsOnlyMMouseUpWithWhatIsThere) {
  RecordingApp app;
  app.Run(PressAndReleaseAt(210, 60));
  EXPECT_TRUE(app.Only("MMouseClicked").empty());
  EXPECT_TRUE(app.Only("MMouseDragClicked").empty());
  EXPECT_EQ(app.Only("MMouseUp"), Calls{"MMouseUp(10,10,0,0,0,c1)"});

  RecordingApp away;  // over nothing: the window position
  away.Run(PressAndReleaseAt(400, 300));
  EXPECT_EQ(away.Only("MMouseUp"), Calls{"MMouseUp(400,300,0,0,0,null)"});
}

TEST_F(PellamTest, APressOnEmptyCanvasCallsNothingAndNeitherDoesItsRelease) {
  RecordingApp app;
  app.CurrentDownCtrl = kB;  // a stale press is replaced
  app.Run({Emit({Move(400, 300), Down(), Move(100, 100), Up()})});
  EXPECT_TRUE(app.Only("MMouseDown").empty());
  EXPECT_TRUE(app.Only("MMouseUp").empty());
  EXPECT_TRUE(app.Only("MMouseClicked").empty());
  EXPECT_EQ(app.PrevDownCtrl, -1);
}

TEST_F(PellamTest, DoubleClicksAreCaughtUnder250MsOnlyWhenAsked) {
  RecordingApp ignored;
  ignored.Run({At(now, 20000, {Move(100, 100), Down(), Up()}), At(now, 20100, {Down(), Up()})});
  EXPECT_TRUE(ignored.Only("MDoubleClick").empty());
  EXPECT_EQ(ignored.Only("MMouseDown").size(), 2u);

  RecordingApp caught;
  caught.CatchDoubleClick = 1;
  caught.Run({At(now, 30000, {Move(100, 100), Down(), Up()}),
              At(now, 30249, {Down(MODIFIER_SHIFT), Up()}),
              At(now, 30499, {Down(), Up()})});  // 250 ms after the second press
  EXPECT_EQ(caught.Only("MDoubleClick"), Calls{"MDoubleClick(50,50,0,0,1,c0)"});
  // A double click answered 0 lets the press go on.
  EXPECT_EQ(caught.Only("MMouseDown"),
            (Calls{"MMouseDown(50,50,0,0,0,c0)", "MMouseDown(50,50,0,0,1,c0)",
                   "MMouseDown(50,50,0,0,0,c0)"}));
  EXPECT_EQ(std::tuple(caught.PrevClickTime, caught.ClickTime), std::tuple(30249, 30499));
}

TEST_F(PellamTest, AnAnsweredDoubleClickEndsThePressAndNeedsNoSameControl) {
  RecordingApp app;
  app.CatchDoubleClick = 1;
  app.doubleClickResult = 1;
  app.Run({At(now, 40000, {Move(100, 100), Down(), Up()}),
           At(now, 40010, {Move(250, 100)}),
           At(now, 40200, {Down(), Up()})});
  EXPECT_EQ(app.Only("MDoubleClick"), Calls{"MDoubleClick(50,50,0,0,0,c1)"});
  EXPECT_EQ(app.Only("MMouseDown"), Calls{"MMouseDown(50,50,0,0,0,c0)"});
  // The press on B was stored before the double click ended it: its release is a click.
  EXPECT_EQ(app.Only("MMouseClicked").back(), "MMouseClicked(50,50,0,0,0,c1)");
}

TEST_F(PellamTest, CommandClickMakesTheLiveControlAndCallsNoHook) {
  RecordingApp app;
  ASSERT_EQ(app.PageActive[0], kA);
  app.Run({Emit({Move(250, 100), Down(MODIFIER_COMMAND), Up(MODIFIER_COMMAND), Key('A')})});
  EXPECT_EQ(app.PageActive[0], kB);
  EXPECT_TRUE(app.Only("MMouseDown").empty());
  EXPECT_TRUE(app.Only("MMouseUp").empty());
  EXPECT_EQ(app.Only("MKeyDown"), Calls{"MKeyDown(250,100,65,0,0,0,0,c1)"});
}

TEST_F(PellamTest, AReturnVetoStopsThePressAndTheReturnKeyAndRedraws) {
  RecordingApp app;
  app.returnVeto = 1;
  app.Run({Emit({Move(100, 100)}), Do([&] { app.calls.clear(); }),
           Emit({Down(), Up(), Key(13), Key('A')})});
  EXPECT_EQ(app.returnFlags, (std::vector<int>{1, 0}));
  EXPECT_EQ(app.calls, (Calls{"RedrawUI", "MMouseCursor(100,100,0,0,0,0,c0)", "RedrawUI",
                              "MMouseCursor(100,100,0,0,0,0,c0)", "MKeyDown(100,100,65,0,0,0,0,c0)"}));
}

TEST_F(PellamTest, WithoutAVetoReturnStillCancelsAPendingPress) {
  RecordingApp app;
  app.Run({Emit({Move(100, 100), Down(), Key(13), Up()})});
  EXPECT_EQ(app.returnFlags, (std::vector<int>{1, 0}));
  EXPECT_EQ(app.Only("MKeyDown"), Calls{"MKeyDown(100,100,13,0,0,0,0,c0)"});
  EXPECT_TRUE(app.Only("MMouseUp").empty());
}

TEST_F(PellamTest, AKeyBeforeAnyMoveSinceThePressCancelsIt) {
  RecordingApp app;
  app.Run({Emit({Move(100, 100), Down(), Key('A'), Up()})});
  EXPECT_EQ(app.Only("MMouseDown").size(), 1u);
  EXPECT_TRUE(app.Only("MMouseUp").empty());
  EXPECT_TRUE(app.Only("MMouseClicked").empty());

  RecordingApp moved;  // a move over a control after the press keeps it
  moved.Run({Emit({Move(100, 100), Down(), Move(110, 100), Key('A'), Up()})});
  EXPECT_EQ(moved.Only("MMouseClicked"), Calls{"MMouseClicked(60,50,0,0,0,c0)"});
}

TEST_F(PellamTest, AMomentaryControlSpringsBackBeforeTheClickHooks) {
  RecordingApp app;
  app.A().bStyle = 0x100;
  app.A().bSelected = 1;
  app.Run({Emit({Move(100, 100), Down()}), Do([&] { app.calls.clear(); }), Emit({Up()})});
  EXPECT_EQ(app.A().bSelected, 0);
  EXPECT_EQ(app.calls, (Calls{"RedrawUI", "MMouseClicked(50,50,0,0,0,c0)",
                              "MMouseUp(50,50,0,0,0,c0)"}));
}

TEST_F(PellamTest, AnyPressEndsTextEntry) {
  RecordingApp app;
  app.EditControl = 3;
  app.Run({Emit({Move(400, 300)}), Do([&] { app.calls.clear(); }), Emit({Down()})});
  EXPECT_EQ(app.EditControl, 0);
  EXPECT_EQ(app.calls, Calls{"RedrawUI"});
}

TEST_F(PellamTest, HoverFollowsDispatchedMovesWithOneRedrawBeforeTheHooks) {
  RecordingApp app;
  std::vector<std::tuple<int, int, int>> hover;  // A's bOver, B's bOver, CurrentTipControl
  auto look = [&] { return Do([&] { hover.emplace_back(app.A().bOver, app.B().bOver, app.CurrentTipControl); }); };
  app.Run({Do([&] { app.calls.clear(); }), Emit({Move(100, 100), Move(110, 100)}), look(),
           Emit({Move(250, 100)}), look(), Emit({Move(400, 300), Move(410, 300)}), look()});
  EXPECT_EQ(hover, (std::vector<std::tuple<int, int, int>>{{1, 0, kA}, {0, 1, kB}, {0, 0, -1}}));
  EXPECT_EQ(app.calls,
            (Calls{"RedrawUI", "MMouseCursor(50,50,0,0,0,0,c0)", "MMouseMove(50,50,0,0,0,0,c0)",
                   "MMouseCursor(60,50,0,0,0,0,c0)", "MMouseMove(60,50,0,0,0,0,c0)",
                   "RedrawUI", "MMouseCursor(50,50,0,0,0,0,c1)", "MMouseMove(50,50,0,0,0,0,c1)",
                   "RedrawUI", "MMouseCursor(400,300,0,0,0,0,null)",
                   "MMouseCursor(410,300,0,0,0,0,null)"}));
}

TEST_F(PellamTest, PersistentControlsKeepADragOnThePressedControl) {
  RecordingApp loose;
  loose.Run({Emit({Move(100, 100), Down()}), Do([] { InputMouseButton(1, true); }),
             Emit({Move(250, 100), Up()})});
  EXPECT_EQ(loose.Only("MMouseMove").back(), "MMouseMove(50,50,0,0,0,1,c1)");

  FlushMouse();
  RecordingApp kept;
  kept.AppPersistantCtrls = 1;
  kept.Run({Emit({Move(100, 100), Down()}), Do([] { InputMouseButton(1, true); }),
            Emit({Move(250, 100), Move(400, 300), Up()})});
  EXPECT_EQ(kept.Only("MMouseMove"),
            (Calls{"MMouseMove(50,50,0,0,0,0,c0)", "MMouseMove(200,50,0,0,0,1,c0)",
                   "MMouseMove(200,50,0,0,0,1,c0)", "MMouseMove(350,250,0,0,0,1,c0)",
                   "MMouseMove(350,250,0,0,0,1,c0)"}));
  // Released away from A: neither click hook, and MMouseUp without a control.
  EXPECT_EQ(kept.Only("MMouseUp"), Calls{"MMouseUp(400,300,0,0,0,null)"});
  EXPECT_EQ(kept.TMUIDraw2::AppPersistantCtrls, 0);
}

TEST_F(PellamTest, WheelSingleStepsPickTheControlAndLargerJumpsKeepIt) {
  // Totals 0 -> 1 -> 4 -> 3 from the test's base.
  RecordingApp app;
  const int z = myMouseZ;
  app.nOldMZ = z;
  app.Run({Emit({Move(100, 100), Wheel(1)}), Emit({Wheel(3)}), Emit({Move(250, 100), Wheel(-1)})});
  EXPECT_EQ(app.Only("MMouseWheel"),
            (Calls{Line("MMouseWheel", 1, 100, 100, z + 1, "c0"),
                   Line("MMouseWheel", 1, 100, 100, z + 4, "c0"),
                   Line("MMouseWheel", 0, 250, 100, z + 3, "c1")}));
  EXPECT_EQ(std::tuple(app.CurrentWheelCtrl, app.CurrentWheelX, app.CurrentWheelY),
            std::tuple(kB, 250, 100));
  EXPECT_EQ(app.nOldMZ, z + 3);
}

TEST_F(PellamTest, WheelEventsQueuedTogetherAreAllCountedBeforeTheFirstIsDispatched) {
  RecordingApp app;
  const int z = myMouseZ;
  app.nOldMZ = z;
  app.Run({Emit({Move(100, 100), Wheel(1)}), Emit({Wheel(1), Wheel(1), Wheel(1)})});
  EXPECT_EQ(app.Only("MMouseWheel"),
            (Calls{Line("MMouseWheel", 1, 100, 100, z + 1, "c0"),
                   Line("MMouseWheel", 1, 100, 100, z + 4, "c0"),
                   Line("MMouseWheel", 2, 100, 100, z + 4, "c0"),
                   Line("MMouseWheel", 2, 100, 100, z + 4, "c0")}));
}

TEST_F(PellamTest, AWheelStepOverNothingDropsTheTargetUntilTheNextSingleStep) {
  RecordingApp app;
  const int z = myMouseZ;
  app.nOldMZ = z;
  app.Run({Emit({Move(400, 300), Wheel(1)}), Emit({Wheel(5)}), Emit({Move(100, 100), Wheel(-1)})});
  EXPECT_EQ(app.Only("MMouseWheel"), Calls{Line("MMouseWheel", 0, 100, 100, z + 5, "c0")});
}

TEST_F(PellamTest, AFirstWheelJumpGoesToControlZero) {
  RecordingApp app;
  const int z = myMouseZ;
  app.nOldMZ = z;
  app.Run({Emit({Move(250, 100), Wheel(3, MODIFIER_SHIFT)})});
  EXPECT_EQ(app.Only("MMouseWheel"), Calls{Line("MMouseWheel", 1, 250, 100, z + 3, "c0")});
  EXPECT_EQ(app.shiftKeyDown, 1);
}

}  // namespace
