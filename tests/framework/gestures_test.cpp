// Trackpad gestures and menu commands through the loop: the magnify and swipe latches,
// rotate codes, the target control under the last dispatched move, gestures over nothing
// or a disabled control dropped with the latches kept, and the Window menu's commands
// with every other item reaching MMenu.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <limits>
#include <string>
#include <vector>

#include "framework/pellamtesting.h"
#include "framework/windowtesting.h"

namespace {

using Lines = std::vector<std::string>;

int Count(const Lines& lines, const std::string& line) {
  return static_cast<int>(std::count(lines.begin(), lines.end(), line));
}

TEST_F(PellamTest, APinchGivesOneStrongStepAndReArmsAfterAZeroStep) {
  RecordingApp app;
  app.Run({Emit({Move(100, 100), Magnify(0.025f), Magnify(0.05f), Magnify(0.05f),
                 Magnify(0.005f), Magnify(0.05f)})});
  EXPECT_EQ(app.magnifyAmounts, (std::vector<float>{0.025f, 0.05f, 0.05f, 0.005f, 0.05f}));
  EXPECT_EQ(app.Only("MMagnify"),
            (Calls{"MMagnify(2,0,0,0,c0)", "MMagnify(64,0,0,0,c0)", "MMagnify(2,0,0,0,c0)",
                   "MMagnify(64,0,0,0,c0)"}));
  EXPECT_EQ(app.MagTrip, 1);
}

TEST_F(PellamTest, AStrongStepNeedsMoreThanThreeWholeSteps) {
  // 0.035 and -0.035 are three steps: weak, and the latch stays open for the next.
  for (const float sign : {1.0f, -1.0f}) {
    RecordingApp app;
    app.Run({Emit({Move(100, 100), Magnify(sign * 0.035f), Magnify(sign * 0.045f)})});
    const std::string strong = sign > 0 ? "MMagnify(64,0,0,0,c0)" : "MMagnify(128,0,0,0,c0)";
    EXPECT_EQ(app.Only("MMagnify"), (Calls{"MMagnify(2,0,0,0,c0)", strong})) << sign;
    EXPECT_EQ(app.EventMagnify(100, 100, 0, 0, 0, 0.0f), 0);
    EXPECT_EQ(app.EventMagnify(100, 100, 0, 0, 0, sign * 0.05f), 0);
  }
}

TEST_F(PellamTest, ClosingPinchesGive128AndTinyAmountsOnlyClearTheLatch) {
  RecordingApp app;
  app.Run({Emit({Move(100, 100), Magnify(-0.05f), Magnify(-0.08f)}),
           Do([&] { EXPECT_EQ(app.MagTrip, 1); }),
           Emit({Magnify(0.0005f), Ev(EVENT_GESTUREMAGNIFY, FloatToBits(std::nanf("")))})});
  EXPECT_EQ(app.Only("MMagnify"), (Calls{"MMagnify(128,0,0,0,c0)", "MMagnify(2,0,0,0,c0)"}));
  EXPECT_EQ(app.magnifyAmounts.size(), 2u);  // 0.0005 and NaN are below the noise
  EXPECT_EQ(app.MagTrip, 0);

  // The event's flags are passed on without being stored.
  RecordingApp flags;
  flags.Run({Emit({Move(100, 100), Ev(EVENT_GESTUREMAGNIFY, FloatToBits(0.02f),
                                      MODIFIER_CONTROL | MODIFIER_SHIFT | MODIFIER_COMMAND)})});
  EXPECT_EQ(flags.Only("MMagnify"), Calls{"MMagnify(2,2,8,1,c0)"});
  EXPECT_EQ(flags.controlKeyDown + flags.commandKeyDown + flags.shiftKeyDown, 0);
}

TEST_F(PellamTest, ARunOfStrongSwipeStepsGivesOneSwipe) {
  RecordingApp app;
  app.Run({Emit({Move(100, 100)}), Do([&] { app.calls.clear(); }),
           Emit({Swipe(1, 7), Swipe(3), Swipe(5), Swipe(0), Swipe(-4)})});
  EXPECT_EQ(app.Only("MFullSwipe"),
            (Calls{"MFullSwipe(1,c0)", "MFullSwipe(3,c0)", "MFullSwipe(5,c0)", "MFullSwipe(-4,c0)"}));
  EXPECT_EQ(app.Only("MSwipe"), (Calls{"MSwipe(1,3,c0)", "MSwipe(4,-4,c0)"}));
  // Each swipe or scroll event starts a gesture first.
  EXPECT_EQ(app.Only("MGestureStart").size(), 5u);
  EXPECT_EQ(std::vector<std::string>(app.calls.begin(), app.calls.begin() + 2),
            (Calls{"MGestureStart(c0)", "MFullSwipe(1,c0)"}));
  EXPECT_EQ(app.SwipeTrip, -4);
}

TEST_F(PellamTest, RotationCodesFollowTheSignAndNaNCountsAsNegative) {
  RecordingApp app;
  app.Run({Emit({Move(100, 100), Rotate(0.0f), Rotate(-0.5f), Rotate(12.0f),
                 Rotate(std::numeric_limits<float>::quiet_NaN())})});
  EXPECT_EQ(app.Only("MRotate"),
            (Calls{"MRotate(512,c0)", "MRotate(256,c0)", "MRotate(512,c0)", "MRotate(256,c0)"}));
}

TEST_F(PellamTest, GesturesUseTheLastDispatchedMoveNotTheLatestPointer) {
  RecordingApp app;
  // (151, 151) lies just outside A but is within a pixel of (150, 150), A's corner.
  app.Run({Emit({Move(150, 150), Move(151, 151), Ev(EVENT_GESTUREBEGIN)})});
  EXPECT_EQ(app.Only("MGestureStart"), Calls{"MGestureStart(c0)"});
}

TEST_F(PellamTest, GesturesOverNothingOrADisabledControlAreDroppedWithTheLatchesKept) {
  RecordingApp app;
  app.B().bShown = 0;
  app.Run({Emit({Move(100, 100), Magnify(0.05f), Swipe(4)}), Do([&] { app.calls.clear(); }),
           Emit({Move(400, 300), Magnify(0.0f), Swipe(0), Rotate(1.0f), Ev(EVENT_GESTUREBEGIN),
                 Move(250, 100), Magnify(0.0f), Swipe(1)})});
  EXPECT_TRUE(app.Only("MMagnify").empty());
  EXPECT_TRUE(app.Only("MGesture").empty());
  EXPECT_TRUE(app.Only("MFullSwipe").empty());
  EXPECT_TRUE(app.Only("MRotate").empty());
  EXPECT_EQ(app.MagTrip, 1);
  EXPECT_EQ(app.SwipeTrip, 4);
}

TEST_F(PellamTest, MenuItemsOtherThanTheWindowCommandsReachMMenu) {
  RecordingApp app;
  int item = 0;
  app.Run({Emit({Ev(EVENT_MENUACTION, kMenuHelp, 0, 0, 0, &item), Ev(EVENT_MENUACTION, 999),
                 Ev(EVENT_MENUACTION, kMenuMinimize), Ev(EVENT_MENUACTION, kMenuMaximize)})});
  EXPECT_EQ(app.Only("MMenu"), (Calls{Line("MMenu", EVENT_MENUACTION, 1020), Line("MMenu", EVENT_MENUACTION, 999)}));
  EXPECT_EQ(app.menuSource, nullptr);  // the last one's
  RecordingApp direct;
  direct.EventMenu(7, 1020, &item);
  EXPECT_EQ(direct.calls, Calls{"MMenu(7,1020)"});
  EXPECT_EQ(direct.menuSource, &item);
}

TEST_F(PellamTest, MaximizeAndFullScreenRecomputeFromTheSizeMeasuredBefore) {
  RecordingApp app;
  app.desktopWidth = 640;
  app.desktopHeight = 480;
  Lines printed = PrintedBy([&] { app.Run({Emit({Ev(EVENT_MENUACTION, kMenuMaximize)})}); });
  EXPECT_EQ(app.AppFullScreen, 1);  // 640 x 480 was measured by the prologue

  RecordingApp other;
  other.AppFullScreen = 1;
  printed = PrintedBy([&] { other.Run({Emit({Ev(EVENT_MENUACTION, kMenuFullScreen)})}); });
  EXPECT_EQ(other.AppFullScreen, 0);  // 640 x 480 is not the 1920 x 1080 desktop
  EXPECT_EQ(Count(printed, "OrreryEventMenu MENU_FULLSCREEN"), 1);
  EXPECT_EQ(other.Only("MFullScreen"), Calls{"MFullScreen()"});
  EXPECT_TRUE(other.Only("MMenu").empty());
}

TEST_F(PellamTest, RestoreToDefaultOutsideFullScreenOnlyResetsTheWindow) {
  RecordingApp app;
  app.AppShowStatus = 0;
  app.GridShow = 1;
  Lines printed;
  app.Run({Do([&] {
             app.calls.clear();
             app.TMUIDraw2::AppFullScreen = 1;
           }),
           Do([&] { printed = PrintedBy([&] { app.EventMenu(EVENT_MENUACTION, kMenuRestoreDefault, nullptr); }); })});
  EXPECT_EQ(Count(printed, "OrreryEventMenu MENU_RESTOREDEFAULT"), 1);
  EXPECT_EQ(Count(printed, "FULLSCREEN"), 0);
  EXPECT_EQ(Count(printed, "OrreryEventMenu MENU_FULLSCREEN"), 0);
  EXPECT_EQ(app.AppResize, 1);
  EXPECT_EQ(app.GridXStep, 10.0f);  // the grid steps measured again
  EXPECT_EQ(app.TMUIDraw2::AppFullScreen, 0);  // ResetGraphics measured the window again
  EXPECT_EQ(app.AppFullScreen, 0);
  // ResetGraphics' frame, then the command's own.
  EXPECT_EQ(app.calls, (Calls{"RedrawUI", "RedrawUI"}));
}

TEST_F(PellamTest, RestoreToDefaultLeavesFullScreenFirst) {
  RecordingApp app;
  app.desktopWidth = 640;
  app.desktopHeight = 480;
  Lines printed;
  app.Run({Do([&] { printed = PrintedBy([&] { app.EventMenu(EVENT_MENUACTION, kMenuRestoreDefault, nullptr); }); })});
  const std::vector<std::string> expected = {"OrreryEventMenu MENU_RESTOREDEFAULT", "FULLSCREEN",
                                             "OrreryEventMenu MENU_FULLSCREEN"};
  ASSERT_GE(printed.size(), 3u);
  EXPECT_EQ(Lines(printed.begin(), printed.begin() + 3), expected);
  EXPECT_EQ(app.Only("MFullScreen"), Calls{"MFullScreen()"});
  // Without a window the canvas keeps its size, which still fills the test's desktop.
  EXPECT_EQ(app.AppFullScreen, 1);
}

}  // namespace
