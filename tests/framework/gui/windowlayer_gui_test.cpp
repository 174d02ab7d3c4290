// The window layer on a real window under Xvfb: the window and its menus as
// SetGraphicsResize makes them, the canvas following the window, and a page of
// application-drawn controls whose pixels are read back from the finished frame.
#include <gtest/gtest.h>

#include <array>
#include <cstdint>
#include <string>
#include <tuple>
#include <vector>

#include "framework/apptitle.h"
#include "framework/controltesting.h"
#include "framework/drawstate.h"
#include "framework/muidraw2.h"
#include "framework/trackpad.h"
#include "platform/draw2d.h"
#include "platform/events.h"
#include "platform/menus.h"
#include "platform/platform.h"
#include "platform/window.h"

namespace {

using Rgb = std::array<int, 3>;

// Each application-drawn control fills a rectangle reaching 10 pixels past every edge
// of its box in the colour its id names.
class PaintingLayer : public TMUIDraw2 {
 public:
  static constexpr std::array<Rgb, 3> kColors = {{{255, 0, 0}, {0, 255, 0}, {0, 0, 255}}};
  int MCustomDraw(TMControl* c, int live) override {
    const Rgb& rgb = kColors[static_cast<size_t>(c->nID)];
    SetAlpha(1.0f);
    SetColor(rgb[0], rgb[1], rgb[2]);
    DrawRect(static_cast<float>(c->nX - 10), static_cast<float>(c->nY - 10),
             static_cast<float>(c->nWidth + 20), static_cast<float>(c->nHeight + 20));
    return 0;
  }
  // The last step before the frame is shown: every pixel of it is drawn by now.
  int RedrawGL(int sync) override {
    TMUIDraw2::RedrawGL(sync);
    frameRead = ReadPixels(0, 0, AppWidth, AppHeight, frame);
    return 0;
  }
  Rgb Frame(int x, int y) const {
    const size_t at = (static_cast<size_t>(y) * static_cast<size_t>(AppWidth) + x) * 4;
    if (!frameRead || at + 3 >= frame.size()) return {-1, -1, -1};
    return {frame[at], frame[at + 1], frame[at + 2]};
  }
  bool frameRead = false;
  std::vector<uint8_t> frame;

  // A 640 x 480 window on a grid of 64 x 48 cells, a dark blue page 0 to declare on.
  void OpenPage() {
    Init();
    SetGraphicsResize(640, 480, -1, -1, -1, -1);
    SetGrid(64, 48);
    SetBG(0, 0, 64);
    AddPage(0);
  }
};

class WindowLayerGui : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_EQ(PlatformInit(), 1) << "needs a display";
    AppTitle = "Quillon Test";
  }
  void TearDown() override {
    FreeAllWindows();
    FlushEvents();
    ResetDrawState();
    AppBG = 0;
    AppTitle.clear();
  }
};

TEST_F(WindowLayerGui, APageOfApplicationDrawnControlsReachesTheScreen) {
  PaintingLayer w;
  w.OpenPage();
  // Red at cells 4-13, green at 20-29, blue at 10-19 over the red's right part.
  Declare(w, {.drawType = 100000, .id = 0, .x = 4, .w = 10, .y = 4, .h = 10, .live = 0});
  Declare(w, {.drawType = 100000, .id = 1, .x = 20, .w = 10, .y = 4, .h = 10, .live = 0});
  Declare(w, {.drawType = 100001, .id = 2, .x = 10, .w = 10, .y = 10, .h = 10, .live = 0});
  w.StatusRed = w.StatusGreen = w.StatusBlue = 120;
  w.AppRedrawingUI = 0;
  w.ResetGraphics();  // lays out and draws
  ASSERT_EQ(w.AppGraphicHeight, 462);
  ASSERT_TRUE(w.frameRead);

  const Rgb red{255, 0, 0}, green{0, 255, 0}, blue{0, 0, 255}, background{0, 0, 64};
  EXPECT_EQ(w.Frame(50, 50), red);
  EXPECT_EQ(w.Frame(120, 120), blue);  // declared later, drawn over the red
  EXPECT_EQ(w.Frame(250, 50), green);
  // Each control is clipped to its box: its rectangle's 10-pixel rim is not there.
  EXPECT_EQ(w.Frame(39, 50), background);
  EXPECT_EQ(w.Frame(40, 50), red);
  EXPECT_EQ(w.Frame(199, 50), background);
  EXPECT_EQ(w.Frame(200, 40), green);
  // The status bar's strip below the page, left of its centred text.
  EXPECT_EQ(w.Frame(3, 475), (Rgb{120, 120, 120}));
  EXPECT_EQ(w.Frame(3, 461), background);
}

// The view draws a small square at its (0, 0) and a band running past both its sides.
class GLViewLayer : public PaintingLayer {
 public:
  int MGLDraw(TMControl*) override {
    SetAlpha(1.0f);
    SetColor(255, 255, 0);
    DrawRect(0, 0, 4, 4);
    DrawRect(-50, 50, 500, 4);
    return 0;
  }
};

TEST_F(WindowLayerGui, TheOpenGLViewIsACanvasOfItsOwn) {
  GLViewLayer w;
  w.OpenPage();
  const int view =
      Declare(w, {.drawType = 48, .id = 0, .x = 20, .w = 10, .y = 20, .h = 10, .live = 0});
  w.AppRedrawingUI = 0;
  w.ResetGraphics();  // lays out and draws: the view's canvas is made
  w.RedrawUI(0);      // and drawn into
  ASSERT_TRUE(w.frameRead);
  const TMControl& c = *w.PageData[view];
  const int x = c.nX, y = c.nY;
  ASSERT_GT(x, 10);
  ASSERT_GT(y, 10);
  const Rgb yellow{255, 255, 0}, background{0, 0, 64};
  EXPECT_EQ(w.Frame(x, y), yellow);
  EXPECT_EQ(w.Frame(x + 3, y + 3), yellow);
  EXPECT_EQ(w.Frame(x + 4, y + 4), background);
  EXPECT_EQ(w.Frame(0, 0), background);
  EXPECT_EQ(w.Frame(x + 40, y + 51), yellow);
  EXPECT_EQ(w.Frame(x - 1, y + 51), background);  // nothing lands outside the view
  EXPECT_EQ(w.Frame(x + c.nWidth, y + 51), background);
}

TEST_F(WindowLayerGui, AWindowSavedOnALargerDisplayOpensInsideThisOneAsAWindow) {
  TMUIDraw2 w;
  w.SetWindowPos(4000, 3000);
  w.SetGraphicsResize(DesktopWidth() + 640, DesktopHeight() + 360, 960, 640, -1, -1);
  ASSERT_NE(w.AppWindow, nullptr);
  EXPECT_LE(WindowWidth(w.AppWindow), DesktopWidth());
  EXPECT_LE(WindowHeight(w.AppWindow), DesktopHeight());
  EXPECT_GE(WindowX(w.AppWindow), 0);
  EXPECT_LE(WindowX(w.AppWindow) + WindowWidth(w.AppWindow), DesktopWidth());
  EXPECT_LE(WindowY(w.AppWindow) + WindowHeight(w.AppWindow), DesktopHeight());
  EXPECT_EQ(w.AppFullScreen, 0);

  // Saved at the desktop's size, with the place it had before: the player's full screen.
  TMUIDraw2 full;
  full.SetWindowPos(200, 100);
  full.SetGraphicsResize(DesktopWidth(), DesktopHeight(), 960, 640, -1, -1);
  EXPECT_EQ(full.AppFullScreen, 1);
}

TEST_F(WindowLayerGui, SetGraphicsResizeMakesTheWindowCanvasAndMenus) {
  TMUIDraw2 w;
  w.SetGraphicsResize(800, 600, 960, 640, -1, -1);
  ASSERT_NE(w.AppWindow, nullptr);
  ASSERT_NE(w.AppCanvas, nullptr);
  EXPECT_EQ(std::tuple(WindowWidth(w.AppWindow), WindowHeight(w.AppWindow)), std::tuple(960, 640));
  EXPECT_EQ(std::tuple(w.AppWidth, w.AppHeight), std::tuple(960, 640));
  EXPECT_EQ(std::tuple(w.AppDefaultWidth, w.AppDefaultHeight), std::tuple(800, 600));
  EXPECT_EQ(WindowTitle(w.AppWindow), "Quillon Test");

  TMenuBar* bar = WindowMenu(w.AppWindow);
  ASSERT_NE(bar, nullptr);
  ASSERT_EQ(bar->Menus().size(), 2u);
  const TMenu& window = *bar->Menus()[0];
  EXPECT_EQ(std::tuple(window.text, window.id), std::tuple("Window", 0));
  struct Item {
    std::string text;
    int id, key, mods;
    bool operator==(const Item&) const = default;
  };
  std::vector<Item> items;
  for (const auto& item : window.items)
    items.push_back({item->text, item->id, item->key, item->mods});
  const std::vector<Item> expected = {{"Minimize", 1000, 77, 8},
                                      {"Maximize", 1001, 0, 0},
                                      {"", 0, 0, 0},
                                      {"Full Screen", 1003, 70, 10},
                                      {"", 0, 0, 0},
                                      {"Restore To Default", 1002, 0, 0},
                                      {"", 0, 0, 0},
                                      {"Quit", kMenuQuit, 'Q', 8}};
  EXPECT_EQ(items, expected);
  // Ctrl+Q and Super+Q are both its shortcut.
  for (int mods : {MODIFIER_CONTROL, MODIFIER_COMMAND})
    EXPECT_EQ(bar->FindShortcut('Q', mods), window.items.back().get()) << mods;
  const TMenu& help = *bar->Menus()[1];
  ASSERT_EQ(help.items.size(), 1u);
  EXPECT_EQ(std::tuple(help.text, help.items[0]->text, help.items[0]->id),
            std::tuple("Help", "Quillon Test Help", 1020));

  // A second call replaces window and canvas; the trackpad handler moves with the canvas.
  w.InitTrackpad();
  const int handle = w.GfxHandle;
  TWindow* first = w.AppWindow;
  w.SetGraphicsResize(1000, 700, -1, -1, -1, -1);
  EXPECT_EQ(WindowMenu(first), nullptr);  // freed
  EXPECT_EQ(std::tuple(WindowWidth(w.AppWindow), w.AppWidth), std::tuple(1000, 1000));
  EXPECT_EQ(WindowMenu(w.AppWindow)->Menus().size(), 2u);
  EXPECT_EQ(TrackpadHandlerAttached(handle), 0);
  EXPECT_EQ(TrackpadHandlerAttached(w.GfxHandle), 1);
}

}  // namespace
