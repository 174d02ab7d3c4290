// The menu bar drawn over the canvas: opened by a lone Alt tap, driven by keys and the
// mouse, choosing items as MenuAction, and keeping every key and mouse event from the
// application while it is open.
#include <gtest/gtest.h>

#include "../sdltesting.h"
#include "canvastesting.h"
#include "platform/drawglue.h"
#include "platform/keycodes.h"
#include "platform/menubar.h"
#include "platform/menubarview.h"
#include "platform/menus.h"
#include "platform/sdlwindow.h"

namespace {

class MenuBarTest : public CanvasTest {
 protected:
  void SetUp() override {
    CanvasTest::SetUp();
    StartClean();
    window_ = LastWindow();
    id_ = SDL_GetWindowID(SdlWindow(window_));
    TMenuBar* bar = WindowMenu(window_);
    TMenu* windowMenu = bar->AddMenu("Window");
    minimize_ = bar->AddItem(windowMenu, "Minimize", 1000, KEY_A + 12, MODIFIER_COMMAND);
    maximize_ = bar->AddItem(windowMenu, "Maximize", 1001);
    bar->AddSeparator(windowMenu);
    fullScreen_ = bar->AddItem(windowMenu, "Full Screen", 1003, KEY_A + 5, MODIFIER_COMMAND | MODIFIER_CONTROL);
    TMenu* help = bar->AddMenu("Help");
    help_ = bar->AddItem(help, "Quillon Help", 1020);
  }
  void TearDown() override {
    CloseMenuBar();
    Drain();
    FlushKeys();
    CanvasTest::TearDown();
  }

  void Key(Uint32 type, SDL_Keycode sym, SDL_Scancode scan) { Push(KeyEvent(type, sym, scan, 0, 0, id_)); }
  void Tap(SDL_Keycode sym, SDL_Scancode scan) {
    Key(SDL_KEYDOWN, sym, scan);
    Key(SDL_KEYUP, sym, scan);
  }
  void TapAlt() { Tap(SDLK_LALT, SDL_SCANCODE_LALT); }
  void Mouse(Uint32 type, int x, int y) {
    SDL_Event e{};
    e.type = type;
    if (type == SDL_MOUSEMOTION) {
      e.motion.windowID = id_;
      e.motion.x = x;
      e.motion.y = y;
    } else {
      e.button.windowID = id_;
      e.button.button = SDL_BUTTON_LEFT;
      e.button.state = type == SDL_MOUSEBUTTONDOWN ? SDL_PRESSED : SDL_RELEASED;
      e.button.x = x;
      e.button.y = y;
    }
    Push(e);
  }
  void Click(int x, int y) {
    Mouse(SDL_MOUSEBUTTONDOWN, x, y);
    Mouse(SDL_MOUSEBUTTONUP, x, y);
  }
  // What the application receives of keys, characters, the mouse and menus.
  std::vector<TEvent> Seen() {
    std::vector<TEvent> seen;
    for (const TEvent& e : Drain())
      if ((e.id >= EVENT_KEYDOWN && e.id <= EVENT_KEYREPEAT) || (e.id >= EVENT_MOUSEDOWN && e.id <= EVENT_MOUSEWHEEL) ||
          e.id == EVENT_MENUACTION || e.id == EVENT_GESTURESWIPE)
        seen.push_back(e);
    return seen;
  }
  TMenuBarLayout Layout() { return LayoutMenuBar(*WindowMenu(window_), MenuBarMenu(), W); }

  Uint32 id_ = 0;
  TMenuItem* minimize_ = nullptr;
  TMenuItem* maximize_ = nullptr;
  TMenuItem* fullScreen_ = nullptr;
  TMenuItem* help_ = nullptr;
};

TEST_F(MenuBarTest, LoneAltTapOpensAndTheApplicationSeesOnlyTheTap) {
  TapAlt();
  auto seen = Seen();
  ASSERT_EQ(seen.size(), 2u);
  EXPECT_EQ(seen[0].id, EVENT_KEYDOWN);
  EXPECT_EQ(seen[0].data, KEY_LALT);
  EXPECT_EQ(seen[1].id, EVENT_KEYUP);
  EXPECT_EQ(MenuBarWindow(), window_);
  EXPECT_EQ(MenuBarMenu(), 0);
  EXPECT_EQ(MenuBarItem(), -1);

  // While open nothing reaches the application: keys, characters, buttons, moves, wheel.
  Tap(SDLK_a, SDL_SCANCODE_A);
  SDL_Event text{};
  text.type = SDL_TEXTINPUT;
  text.text.windowID = id_;
  text.text.text[0] = 'a';
  Push(text);
  Mouse(SDL_MOUSEMOTION, 300, 200);
  SDL_Event wheel{};
  wheel.type = SDL_MOUSEWHEEL;
  wheel.wheel.windowID = id_;
  wheel.wheel.y = 1;
  Push(wheel);
  EXPECT_TRUE(Seen().empty());
  EXPECT_EQ(KeyDown(KEY_A), 0);
  EXPECT_EQ(KeyHit(KEY_A), 0);

  // A second tap closes it, and that tap is the bar's.
  TapAlt();
  EXPECT_TRUE(Seen().empty());
  EXPECT_EQ(MenuBarWindow(), nullptr);
  Tap(SDLK_a, SDL_SCANCODE_A);
  EXPECT_EQ(Seen().size(), 2u);
}

TEST_F(MenuBarTest, AltWithAnotherKeyOrClickIsNoTap) {
  Key(SDL_KEYDOWN, SDLK_LALT, SDL_SCANCODE_LALT);
  Tap(SDLK_x, SDL_SCANCODE_X);
  Key(SDL_KEYUP, SDLK_LALT, SDL_SCANCODE_LALT);
  EXPECT_EQ(Seen().size(), 4u);
  EXPECT_EQ(MenuBarWindow(), nullptr);
  Key(SDL_KEYDOWN, SDLK_RALT, SDL_SCANCODE_RALT);
  Click(10, 10);
  Key(SDL_KEYUP, SDLK_RALT, SDL_SCANCODE_RALT);
  Drain();
  EXPECT_EQ(MenuBarWindow(), nullptr);
  // A window without menus never opens one.
  WindowMenu(window_)->Clear();
  TapAlt();
  Drain();
  EXPECT_EQ(MenuBarWindow(), nullptr);
}

TEST_F(MenuBarTest, ArrowsMoveAndReturnChoosesLikeTheShortcut) {
  TapAlt();
  Tap(SDLK_DOWN, SDL_SCANCODE_DOWN);
  Drain();
  EXPECT_EQ(MenuBarItem(), 0);
  Tap(SDLK_DOWN, SDL_SCANCODE_DOWN);
  Tap(SDLK_DOWN, SDL_SCANCODE_DOWN);  // over the separator
  Drain();
  EXPECT_EQ(MenuBarItem(), 3);
  Tap(SDLK_DOWN, SDL_SCANCODE_DOWN);  // round to the top
  Tap(SDLK_UP, SDL_SCANCODE_UP);
  Drain();
  EXPECT_EQ(MenuBarItem(), 3);
  Tap(SDLK_RETURN, SDL_SCANCODE_RETURN);
  auto seen = Seen();
  ASSERT_EQ(seen.size(), 1u);  // the action, not the Return key nor its release
  EXPECT_EQ(seen[0].id, EVENT_MENUACTION);
  EXPECT_EQ(seen[0].data, 1003);
  EXPECT_EQ(seen[0].source, fullScreen_);
  EXPECT_EQ(MenuBarWindow(), nullptr);

  // Right and left move between menus, round at the ends.
  TapAlt();
  Tap(SDLK_RIGHT, SDL_SCANCODE_RIGHT);
  Drain();
  EXPECT_EQ(MenuBarMenu(), 1);
  EXPECT_EQ(MenuBarItem(), 0);
  Tap(SDLK_RIGHT, SDL_SCANCODE_RIGHT);
  Tap(SDLK_LEFT, SDL_SCANCODE_LEFT);
  Drain();
  EXPECT_EQ(MenuBarMenu(), 1);
  Tap(SDLK_SPACE, SDL_SCANCODE_SPACE);
  auto chosen = Seen();
  ASSERT_EQ(chosen.size(), 1u);
  EXPECT_EQ(chosen[0].data, 1020);
}

TEST_F(MenuBarTest, EscapeClosesAndItsReleaseStaysWithTheBar) {
  TapAlt();
  Key(SDL_KEYDOWN, SDLK_ESCAPE, SDL_SCANCODE_ESCAPE);
  Drain();
  EXPECT_EQ(MenuBarWindow(), nullptr);
  Key(SDL_KEYUP, SDLK_ESCAPE, SDL_SCANCODE_ESCAPE);  // arrives after the bar closed
  EXPECT_TRUE(Seen().empty());
  EXPECT_EQ(KeyDown(KEY_ESCAPE), 0);
  // Losing the focus closes it too.
  TapAlt();
  SDL_Event lost{};
  lost.type = SDL_WINDOWEVENT;
  lost.window.event = SDL_WINDOWEVENT_FOCUS_LOST;
  lost.window.windowID = id_;
  Push(lost);
  Drain();
  EXPECT_EQ(MenuBarWindow(), nullptr);
}

TEST_F(MenuBarTest, MouseHoversTitlesAndItemsAndClicksChoose) {
  TapAlt();
  Drain();
  TMenuBarLayout layout = Layout();
  ASSERT_EQ(layout.titles.size(), 2u);
  ASSERT_EQ(layout.items.size(), 4u);
  const TMenuBox item = layout.items[1];
  Mouse(SDL_MOUSEMOTION, item.x + 5, item.y + item.height / 2);
  Drain();
  EXPECT_EQ(MenuBarItem(), 1);
  const TMenuBox separator = layout.items[2];
  Mouse(SDL_MOUSEMOTION, separator.x + 5, separator.y + separator.height / 2);
  Click(separator.x + 5, separator.y + separator.height / 2);  // nothing to choose there
  Drain();
  EXPECT_EQ(MenuBarItem(), -1);
  EXPECT_EQ(MenuBarWindow(), window_);
  Click(item.x + 5, item.y + item.height / 2);
  auto seen = Seen();
  ASSERT_EQ(seen.size(), 1u);  // the action; neither the press nor the release
  EXPECT_EQ(seen[0].data, 1001);
  EXPECT_EQ(seen[0].source, maximize_);
  EXPECT_EQ(MenuBarWindow(), nullptr);
  EXPECT_EQ(MouseDown(1), 0);

  TapAlt();
  const TMenuBox help = Layout().titles[1];
  Mouse(SDL_MOUSEMOTION, help.x + 3, help.y + 3);
  Drain();
  EXPECT_EQ(MenuBarMenu(), 1);
  // A click outside closes it and is no click of the application's.
  Click(W - 5, H - 5);
  EXPECT_TRUE(Seen().empty());
  EXPECT_EQ(MenuBarWindow(), nullptr);
  Click(W - 5, H - 5);
  EXPECT_EQ(Seen().size(), 2u);
}

TEST_F(MenuBarTest, BarIsDrawnOverTheFrameWithoutTouchingTheApplicationsState) {
  OpenMenuBar(window_);
  ASSERT_EQ(MenuBarWindow(), window_);
  OpenMenuBar(window_);  // already open: stays
  SetVirtualResolution(64, 48);
  SetViewport(0, 0, 10, 10);
  SetColor(1, 2, 3);
  SetClsColor(255, 0, 0);
  SetViewport(0, 0, 64, 48);
  Cls();
  SetViewport(0, 0, 10, 10);
  const TDrawState before = CurrentDrawState();
  DrawingBeforeFlip(window_);
  const TDrawState& after = CurrentDrawState();
  EXPECT_EQ(after.red, before.red);
  EXPECT_EQ(after.viewportWidth, before.viewportWidth);
  EXPECT_EQ(after.virtualWidth, before.virtualWidth);
  EXPECT_EQ(after.clsRed, before.clsRed);
  TCanvasPixels p;
  const TMenuBarLayout layout = Layout();
  EXPECT_FALSE(p.At(W - 3, 3).r == 255 && p.At(W - 3, 3).g == 0);  // the bar, canvas wide
  const TMenuBox drop = layout.dropdown;
  EXPECT_FALSE(p.At(drop.x + drop.width - 3, drop.y + drop.height - 3).r == 255);
  EXPECT_EQ(p.At(W - 3, H - 3).r, 255);  // the frame below
  EXPECT_EQ(p.At(drop.x + drop.width + 3, drop.y + 3).r, 255);
  // Text shows in the titles.
  const TMenuBox title = layout.titles[1];
  int bright = 0;
  for (int y = title.y; y < title.y + title.height; ++y)
    for (int x = title.x; x < title.x + title.width; ++x) bright += p.At(x, y).g > 150 ? 1 : 0;
  EXPECT_GT(bright, 5);

  CloseMenuBar();
  SetViewport(0, 0, 64, 48);
  Cls();
  DrawingBeforeFlip(window_);
  EXPECT_EQ(TCanvasPixels().At(3, 3).r, 255);
  // A freed window takes its open bar with it.
  OpenMenuBar(window_);
  FreeWindow(window_);
  EXPECT_EQ(MenuBarWindow(), nullptr);
}

TEST_F(MenuBarTest, BarShownByItselfLiesOverTheLastFrame) {
  SetClsColor(255, 0, 0);
  Cls();
  Flip(0);
  // Under Xvfb the buffers swap by copying, so the drawing buffer shows what was shown.
  TapAlt();
  Drain();
  ASSERT_EQ(MenuBarWindow(), window_);
  TCanvasPixels open;
  EXPECT_NE(open.At(W - 3, 3).r, 255);
  EXPECT_EQ(open.At(W - 3, H - 3).r, 255);
  Tap(SDLK_ESCAPE, SDL_SCANCODE_ESCAPE);
  Drain();
  TCanvasPixels closed;
  EXPECT_EQ(closed.At(W - 3, 3).r, 255);
  EXPECT_EQ(closed.At(W - 3, H - 3).r, 255);
}

TEST(MenuBarText, ShortcutsReadAsOnThisDesktop) {
  EXPECT_EQ(ShortcutText(KEY_A + 12, MODIFIER_COMMAND), "Ctrl+M");
  EXPECT_EQ(ShortcutText(KEY_A + 5, MODIFIER_COMMAND | MODIFIER_CONTROL), "Ctrl+F");
  EXPECT_EQ(ShortcutText(KEY_F1 + 1, MODIFIER_SHIFT | MODIFIER_OPTION), "Alt+Shift+F2");
  EXPECT_EQ(ShortcutText(0, MODIFIER_COMMAND), "");
}

}  // namespace
