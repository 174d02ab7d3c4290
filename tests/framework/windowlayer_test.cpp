// The window layer without a display: SetGraphicsResize's sizes, ResetGraphics's
// re-measuring (minimum size, status-bar heights and font steps, full-screen flag, the
// OpenGL view dropped), the grid and status setters, and the trackpad handlers.
#include <gtest/gtest.h>

#include <string>
#include <tuple>
#include <utility>
#include <vector>

#include "framework/drawstate.h"
#include "framework/trackpad.h"
#include "framework/windowtesting.h"
#include "platform/draw2d.h"
#include "platform/imagefont.h"
#include "platform/recordingscreen.h"

namespace {

using Lines = std::vector<std::string>;

// Nothing drawn reaches a screen, and the toolkit's globals are back at their start values
// after each test.
class WindowLayerTest : public ::testing::Test {
 protected:
  void TearDown() override {
    ImageFont.reset();
    AppShowCtrlHighlight = 1;
    AppBG = 0;
    AppBGRed = AppBGGreen = AppBGBlue = 70;
  }
  // An image font loaded, as an application does before fonts follow the window size.
  void LoadFont() {
    ImageFont = LoadImageFont(DEFAULT_FONT_PATH, 14);
    ASSERT_NE(ImageFont, nullptr);
  }

  TRecordingScreen recorder;
};

TEST_F(WindowLayerTest, SetGraphicsResizeKeepsTheAskedSizeAsDefaultAndRaisesToTheMinimum) {
  TestWindowLayer w;
  w.SetGraphicsResize(960, 640, -1, -1, -1, -1);
  EXPECT_EQ(std::tuple(w.AppMinWidth, w.AppMinHeight, w.AppMaxWidth, w.AppMaxHeight),
            std::tuple(960, 640, 960, 640));
  EXPECT_EQ(std::tuple(w.AppWidth, w.AppHeight, w.AppDefaultWidth, w.AppDefaultHeight),
            std::tuple(960, 640, 960, 640));
  EXPECT_EQ(w.AppStarted, 1);

  TestWindowLayer small;
  small.SetGraphicsResize(800, 600, 960, 640, -1, 700);  // either -1 gives the asked size
  EXPECT_EQ(
      std::tuple(small.AppMinWidth, small.AppMinHeight, small.AppMaxWidth, small.AppMaxHeight),
      std::tuple(960, 640, 800, 600));
  EXPECT_EQ(
      std::tuple(small.AppWidth, small.AppHeight, small.AppDefaultWidth, small.AppDefaultHeight),
      std::tuple(960, 640, 800, 600));
  // Every later measuring keeps to the minimum as well.
  small.Measure(1300, 500);
  EXPECT_EQ(std::tuple(small.AppWidth, small.AppHeight, small.AppGraphicHeight),
            std::tuple(1300, 640, 622));
}

TEST_F(WindowLayerTest, ASavedPlaceOffTheDesktopIsBroughtInsideIt) {
  // The desktop; x, y, width, height as saved; the position the window then opens at and
  // its minimum, asked as 960 x 640; a panel along the desktop's top. With no window yet,
  // the client area keeps a frame's allowance clear: 4 each side, 40 above, 8 below.
  const struct {
    int desktopWidth, desktopHeight, x, y, width, height, openX, openY, minWidth, minHeight;
    int panel = 0;
  } cases[] = {
      {1920, 1080, 200, 100, 960, 640, 200, 100, 960, 640},    // fits: as saved
      {1920, 1080, 3000, 2000, 960, 640, 956, 432, 960, 640},  // from a larger display
      {1920, 1080, -500, -20, 960, 640, 4, 40, 960, 640},      // left of and above it
      {1920, 1080, 100, 50, 2560, 1440, 4, 40, 960, 640},      // larger: a frame's room smaller
      {1920, 1080, 100, 50, 2560, 700, 4, 50, 960, 640},       // only wider than it
      {1920, 1080, 100, 50, 1920, 700, 4, 50, 960, 640},       // as wide: a window all the same
      {1920, 1080, 1500, 300, 1200, 700, 716, 300, 960, 640},
      // A desktop smaller than the minimum lowers it to the room it has, so that the
      // window's own minimum cannot raise it off the desktop; its full size stays full screen.
      {800, 600, 200, 100, 960, 640, 4, 40, 792, 552},
      {800, 600, 200, 100, 800, 600, 0, 0, 792, 552},
      {1024, 600, 200, 100, 960, 640, 60, 64, 960, 528, 24},  // below the panel
  };
  for (const auto& k : cases) {
    TestWindowLayer w;
    w.desktopWidth = k.desktopWidth;
    w.desktopHeight = k.desktopHeight;
    w.panelHeight = k.panel;
    w.SetWindowPos(k.x, k.y);
    w.SetGraphicsResize(k.width, k.height, 960, 640, -1, -1);
    EXPECT_EQ(std::tuple(w.AppXPos, w.AppYPos, w.AppMinWidth, w.AppMinHeight),
              std::tuple(k.openX, k.openY, k.minWidth, k.minHeight))
        << k.x << "," << k.y << " on " << k.desktopWidth << "x" << k.desktopHeight;
  }
  // No desktop to measure, or half of one: left as saved.
  for (const auto& [width, height] : {std::pair(0, 0), std::pair(1920, 0), std::pair(0, 1080)}) {
    TestWindowLayer unknown;
    unknown.desktopWidth = width;
    unknown.desktopHeight = height;
    unknown.SetWindowPos(5000, 5000);
    unknown.SetGraphicsResize(960, 640, -1, -1, -1, -1);
    EXPECT_EQ(std::tuple(unknown.AppXPos, unknown.AppYPos), std::tuple(5000, 5000)) << width;
  }
}

TEST_F(WindowLayerTest, FontStepsAndStatusHeightsFollowTheWindowSize) {
  LoadFont();
  struct Row {
    int width, height, step, statusHeight;
  };
  // The sizes named for each step, then each row's edges: every comparison is strict.
  const Row rows[] = {{1920, 1080, 5, 24}, {1600, 1080, 4, 20}, {1600, 900, 3, 18},
                      {1024, 768, 1, 18},  {1200, 900, 2, 18},  {1701, 1001, 5, 24},
                      {1700, 1001, 4, 20}, {1701, 1000, 3, 18}, {1500, 1001, 3, 18},
                      {1152, 839, 2, 18},  {1151, 840, 2, 18},  {1252, 959, 3, 18},
                      {1251, 960, 3, 18}};
  for (const Row& row : rows) {
    TestWindowLayer w;
    w.Measure(row.width, row.height);
    EXPECT_EQ(
        std::tuple(w.fontSteps, w.AppStatusHeight, w.AppGraphicHeight),
        std::tuple(std::vector<int>{row.step}, row.statusHeight, row.height - row.statusHeight))
        << row.width << "x" << row.height;
  }
}

TEST_F(WindowLayerTest, FullScreenFlagTellsWhetherTheClientAreaIsTheDesktop) {
  TestWindowLayer w;
  w.desktopWidth = 1280;
  w.desktopHeight = 1024;
  w.Measure(1280, 1024);
  EXPECT_EQ(w.AppFullScreen, 1);
  w.Measure(1280, 1023);
  EXPECT_EQ(w.AppFullScreen, 0);
  // No desktop known (no display): never full screen, even for an empty client area.
  w.desktopWidth = w.desktopHeight = 0;
  w.Measure(0, 0);
  EXPECT_EQ(w.AppFullScreen, 0);
}

TEST_F(WindowLayerTest, ResetGraphicsDropsTheOpenGLViewAndRedrawsOnlyOnceTheLoopRuns) {
  TestWindowLayer w;
  w.AppGlCanvas = std::make_unique<TCanvas>(nullptr, 10, 10, 100, 100);
  w.AppGLDraw = 3;
  w.Measure(640, 480);
  EXPECT_EQ(w.AppGlCanvas, nullptr);
  EXPECT_EQ(w.AppGLDraw, -1);
  EXPECT_TRUE(recorder.Calls().empty());  // before the event loop nothing is drawn

  w.AppRedrawingUI = 0;
  w.Measure(640, 480);
  EXPECT_EQ(recorder.CallsOf(TDrawCallKind::Cls).size(), 1u);
  EXPECT_EQ(w.AppRedrawingUI, 0);
}

TEST_F(WindowLayerTest, TrackpadHandlersAreReplacedNeverLeaked) {
  const int before = AttachedTrackpadHandlers();
  {
    TestWindowLayer w;
    EXPECT_EQ(PrintedBy([&] { w.InitTrackpad(); }), Lines{"InitTrackpad"});
    EXPECT_EQ(w.GfxHandle, 0);  // no canvas, no handler
    w.AppCanvas = std::make_unique<TCanvas>(nullptr, 0, 0, 640, 480);
    w.InitTrackpad();
    const int first = w.GfxHandle;
    w.InitTrackpad();
    EXPECT_GT(first, 0);
    EXPECT_NE(w.GfxHandle, first);
    EXPECT_EQ(std::tuple(TrackpadHandlerAttached(first), TrackpadHandlerAttached(w.GfxHandle)),
              std::tuple(0, 1));

    w.AppGlCanvas = std::make_unique<TCanvas>(nullptr, 10, 10, 100, 100);
    w.ResetGlGesture();
    const int gl = w.GLGfxHandle;
    EXPECT_EQ(AttachedTrackpadHandlers(), before + 2);
    // Dropping the view's canvas detaches its handler; the next one replaces it.
    w.DestroyGL();
    EXPECT_EQ(std::tuple(TrackpadHandlerAttached(gl), w.GLGfxHandle), std::tuple(0, gl));
    w.AppGlCanvas = std::make_unique<TCanvas>(nullptr, 10, 10, 100, 100);
    w.ResetGlGesture();
    EXPECT_NE(w.GLGfxHandle, gl);
    EXPECT_EQ(AttachedTrackpadHandlers(), before + 2);
  }
  EXPECT_EQ(AttachedTrackpadHandlers(), before);
}

TEST_F(WindowLayerTest, GestureEventsPassOnlyWhileAHandlerIsAttached) {
  const TEvent magnify{.id = EVENT_GESTUREMAGNIFY, .data = FloatToBits(0.5f)};
  const TEvent key{.id = EVENT_KEYDOWN, .data = 65};
  ASSERT_EQ(AttachedTrackpadHandlers(), 0);
  EXPECT_FALSE(TrackpadEventWanted(magnify));
  EXPECT_TRUE(TrackpadEventWanted(key));
  for (int id : {EVENT_GESTUREBEGIN, EVENT_GESTURESWIPE, EVENT_GESTUREROTATE})
    EXPECT_FALSE(TrackpadEventWanted(TEvent{.id = id}));

  auto canvas = std::make_unique<TCanvas>(nullptr, 0, 0, 100, 100);
  const int handle = CreateTrackpadHandler(canvas.get());
  EXPECT_TRUE(TrackpadEventWanted(magnify));
  canvas.reset();  // the canvas went away: detached, though the handle is still known
  EXPECT_FALSE(TrackpadEventWanted(magnify));
  DestroyTrackpadHandler(handle);
  DestroyTrackpadHandler(handle);  // a second time is nothing
  DestroyTrackpadHandler(0);
  EXPECT_EQ(CreateTrackpadHandler(nullptr), 0);
  EXPECT_EQ(AttachedTrackpadHandlers(), 0);
}

TEST_F(WindowLayerTest, StatusBarAndGridSetters) {
  TestWindowLayer w;
  w.SetGrid(60, 40);
  w.Measure(1200, 800);
  w.SetShowGrid(1);
  EXPECT_EQ(std::tuple(w.GridShow, w.GridXStep, w.GridYStep), std::tuple(1, 20.0f, 782.0f / 40));
  // Off and on again: the height stays 0 until the next ResetGraphics.
  w.SetShowStatus(0);
  EXPECT_EQ(std::tuple(w.AppStatusHeight, w.AppGraphicHeight, w.GotStatus), std::tuple(0, 800, 0));
  w.SetShowGrid(1);
  EXPECT_EQ(w.GridYStep, 20.0f);
  w.SetShowStatus(1);
  EXPECT_EQ(std::tuple(w.AppStatusHeight, w.AppGraphicHeight, w.GotStatus), std::tuple(0, 800, 1));
  w.ResetGraphics();
  EXPECT_EQ(std::tuple(w.AppStatusHeight, w.AppGraphicHeight), std::tuple(18, 782));

  w.SetGrid(7, 0);  // a grid without rows has no line distance, and no division by zero
  w.SetShowGrid(1);
  EXPECT_EQ(std::tuple(w.GridXStep, w.GridYStep), std::tuple(1200.0f / 7, 0.0f));
}

}  // namespace
