// Windows under Xvfb: size, minimum size, position, titles, full screen, the OpenGL
// context, their events and their menus' shortcuts.
#include <gtest/gtest.h>

#include <SDL_opengl.h>

#include <cstdio>
#include <functional>

#include "platform/keycodes.h"
#include "platform/menus.h"
#include "platform/numbers.h"
#include "platform/sdlwindow.h"
#include "platform/window.h"
#include "../sdltesting.h"

namespace {

constexpr int STYLE = WINDOW_TITLEBAR | WINDOW_RESIZABLE | WINDOW_CLIENTCOORDS;

class WindowTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_EQ(PlatformInit(), 1) << "needs a display";
    StartClean();
  }
  void TearDown() override { FreeAllWindows(); }

  // Collects records for up to millis ms until one satisfies found.
  bool WaitFor(const std::function<bool(const TEvent&)>& found, int millis = 2000) {
    const int end = MilliSecs() + millis;
    for (int left = millis; left > 0; left = end - MilliSecs()) {
      TEvent e = WaitEventTimeout(left);
      if (e.id != 0 && found(e)) return true;
    }
    return false;
  }
};

TEST_F(WindowTest, OpensAtItsPositionAndSizeNeverBelowTheMinimum) {
  TWindow* w = CreateWindow("First", 30, 40, 640, 480, STYLE, 320, 240);
  ASSERT_NE(w, nullptr);
  EXPECT_EQ(WindowWidth(w), 640);
  EXPECT_EQ(WindowHeight(w), 480);
  EXPECT_EQ(WindowY(w), 40);

  TWindow* small = CreateWindow("Small", 0, 0, 100, 100, STYLE, 320, 240);
  ASSERT_NE(small, nullptr);
  EXPECT_EQ(WindowWidth(small), 320);
  SetWindowShape(small, 10, 10, 50, 50);
  EXPECT_EQ(WindowHeight(small), 240);
  SetWindowMinSize(small, 100, 80);
  SetWindowShape(small, 10, 10, 150, 90);
  EXPECT_EQ(WindowWidth(small), 150);
  EXPECT_EQ(WindowHeight(small), 90);
}

TEST_F(WindowTest, ShapeChangeArrivesAsWindowSizeFromTheWindow) {
  TWindow* w = CreateWindow("Shape", 30, 40, 640, 480, STYLE, 320, 240);
  ASSERT_NE(w, nullptr);
  Drain();
  SetWindowShape(w, 200, 100, 700, 500);
  EXPECT_TRUE(WaitFor([&](const TEvent& e) {
    return e.id == EVENT_WINDOWSIZE && e.source == w && e.x == 700 && e.y == 500;
  }));
  EXPECT_EQ(WindowWidth(w), 700);
  EXPECT_EQ(WindowX(w), 200);
}

TEST_F(WindowTest, TitleOfLastWindowFollowsTheLiveWindows) {
  TWindow* a = CreateWindow("A", 0, 0, 320, 200, STYLE);
  TWindow* b = CreateWindow("B", 50, 50, 320, 200, STYLE);
  ASSERT_TRUE(a && b);
  EXPECT_EQ(LastWindow(), b);
  SetTitleOfLastWindow("Quillon, Current song is 'x.wav'");
  EXPECT_EQ(WindowTitle(b), "Quillon, Current song is 'x.wav'");
  EXPECT_EQ(WindowTitle(a), "A");
  FreeWindow(b);
  SetTitleOfLastWindow("Again");
  EXPECT_EQ(WindowTitle(a), "Again");
  FreeAllWindows();
  EXPECT_EQ(LastWindow(), nullptr);
  SetTitleOfLastWindow("Nobody");  // no window: nothing happens
  // A freed window answers as none.
  EXPECT_EQ(WindowWidth(b), 0);
  EXPECT_EQ(WindowTitle(a), "");
  EXPECT_EQ(WindowMenu(a), nullptr);
  SetWindowTitle(a, "ignored");
  FreeWindow(a);
}

TEST_F(WindowTest, FullScreenOnTheDesktopAndBack) {
  TWindow* w = CreateWindow("Full", 30, 40, 640, 480, STYLE, 320, 240);
  ASSERT_NE(w, nullptr);
  EXPECT_FALSE(WindowFullScreen(w));
  SetWindowFullScreen(w, true);
  EXPECT_TRUE(WindowFullScreen(w));
  ToggleFullScreen(w);
  EXPECT_FALSE(WindowFullScreen(w));
  SetWindowFullScreen(w, true);
  SetWindowShape(w, 200, 100, 640, 480);  // leaves full screen
  EXPECT_FALSE(WindowFullScreen(w));
}

TEST_F(WindowTest, HasACurrentCompatibilityContextWithAlphaAndDepth) {
  TWindow* w = CreateWindow("GL", 0, 0, 64, 48, STYLE);
  ASSERT_NE(w, nullptr);
  EXPECT_EQ(GraphicsWindow(), w);
  EXPECT_EQ(SDL_GL_GetCurrentContext(), SdlGlContext(w));
  const char* version = reinterpret_cast<const char*>(glGetString(GL_VERSION));
  ASSERT_NE(version, nullptr);
  int major = 0, minor = 0;
  ASSERT_EQ(std::sscanf(version, "%d.%d", &major, &minor), 2);
  EXPECT_GE(major * 10 + minor, 21) << version;
  int doubleBuffer = 0;
  SDL_GL_GetAttribute(SDL_GL_DOUBLEBUFFER, &doubleBuffer);
  EXPECT_EQ(doubleBuffer, 1);
  GLint alphaBits = 0, depthBits = 0;
  glGetIntegerv(GL_ALPHA_BITS, &alphaBits);
  glGetIntegerv(GL_DEPTH_BITS, &depthBits);
  EXPECT_GT(alphaBits, 0);
  EXPECT_GT(depthBits, 0);
}

TEST_F(WindowTest, ShortcutOfItsMenuPostsMenuActionInsteadOfTheKey) {
  TWindow* w = CreateWindow("Menus", 0, 0, 320, 200, STYLE);
  ASSERT_NE(w, nullptr);
  TMenuBar* bar = WindowMenu(w);
  ASSERT_NE(bar, nullptr);
  TMenu* menu = bar->AddMenu("Window");
  TMenuItem* minimize = bar->AddItem(menu, "Minimize", 1000, KEY_A + 12, MODIFIER_COMMAND);
  Drain();
  Uint32 id = SDL_GetWindowID(SdlWindow(w));
  Push(KeyEvent(SDL_KEYDOWN, SDLK_m, SDL_SCANCODE_M, KMOD_LCTRL, 0, id));
  Push(KeyEvent(SDL_KEYDOWN, SDLK_m, SDL_SCANCODE_M, KMOD_LCTRL, 1, id));
  Push(KeyEvent(SDL_KEYUP, SDLK_m, SDL_SCANCODE_M, KMOD_LCTRL, 0, id));
  Push(KeyEvent(SDL_KEYDOWN, SDLK_m, SDL_SCANCODE_M, 0, 0, id));
  std::vector<TEvent> r;
  for (const TEvent& e : Drain())
    if (e.id == EVENT_MENUACTION || e.id == EVENT_KEYDOWN || e.id == EVENT_KEYUP || e.id == EVENT_KEYREPEAT)
      r.push_back(e);
  ASSERT_EQ(r.size(), 3u);
  EXPECT_EQ(r[0].id, EVENT_MENUACTION);
  EXPECT_EQ(r[0].data, 1000);
  EXPECT_EQ(r[0].source, minimize);
  EXPECT_EQ(r[1].id, EVENT_KEYUP);
  EXPECT_EQ(r[2].id, EVENT_KEYDOWN);  // without a modifier it is a plain key
  EXPECT_EQ(r[2].source, w);
  EXPECT_EQ(r[2].data, KEY_A + 12);
}

TEST_F(WindowTest, FreedWindowLeavesNoEventsBehind) {
  TWindow* w = CreateWindow("Gone", 0, 0, 320, 200, STYLE);
  ASSERT_NE(w, nullptr);
  Drain();
  Uint32 id = SDL_GetWindowID(SdlWindow(w));
  TEvent close;
  close.id = EVENT_WINDOWCLOSE;
  close.source = w;
  PostEvent(close);  // already queued
  SDL_Event sdlClose{};
  sdlClose.type = SDL_WINDOWEVENT;
  sdlClose.window.event = SDL_WINDOWEVENT_CLOSE;
  sdlClose.window.windowID = id;
  Push(sdlClose);  // not yet translated
  FreeWindow(w);
  for (const TEvent& e : Drain()) EXPECT_NE(e.id, EVENT_WINDOWCLOSE);
}

}  // namespace
