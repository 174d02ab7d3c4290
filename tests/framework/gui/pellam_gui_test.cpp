// The application base end to end under Xvfb: a small application made only of the
// framework's public operations opens its window, draws its one page on every tick of a
// 60 Hz timer, answers real SDL mouse, wheel and key input pushed into the queue (a
// Ctrl+M included, which the Window menu's Minimize shortcut takes), shows a document in
// the title bar, and ends cleanly on a posted WindowClose.
#include <SDL.h>
#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

#include "framework/apptitle.h"
#include "framework/drawstate.h"
#include "framework/pellam.h"
#include "platform/draw2d.h"
#include "platform/events.h"
#include "platform/platform.h"
#include "platform/sdltesting.h"
#include "platform/sdlwindow.h"
#include "platform/window.h"

namespace {

constexpr int kCloseTick = 24;
constexpr int kGiveUpTick = 600;  // ten seconds at 60 Hz

// One page holding one full-window control that the application paints green itself.
class SmallApp : public TPellam {
 public:
  int ticks = 0;
  int draws = 0;
  bool gaveUp = false;
  std::vector<std::string> heard;
  std::vector<uint8_t> centre;  // the frame's centre pixel, read before it was shown

  void Start() {
    SetGraphicsResize(320, 240, -1, -1, -1, -1);
    SetGrid(32, 24);
    SetShowStatus(0);
    TOrreryControl::Init();  // TPellam's Init clears the key table only
    AddPage(0);
    AddControl(kDrawCustom, 0, 0, 0, 1, 0, 0.0f, 32.0f, 0, 0.0f, 24.0f, 0, 0, 1, 1, 1, 0, "", "",
               0, 0, 0, 0, 0, "");
    ResetControlPositions(AppWidth, AppHeight, AppStatusHeight);
    DontShowCtrlHighlight();
    SetBG(0, 0, 0);
    SetVersion("Version 1.0");
    SetTitle("Pellam");
    SetTimer(0, 60);
  }

  int MTimer(int slot) override {
    ++ticks;
    Script();
    RedrawUI(0);
    return 0;
  }
  int MCustomDraw(TMControl* c, int live) override {
    ++draws;
    SetAlpha(1.0f);
    SetColor(0, 255, 0);
    DrawRect(static_cast<float>(c->nX), static_cast<float>(c->nY), static_cast<float>(c->nWidth),
             static_cast<float>(c->nHeight));
    return 0;
  }
  int RedrawGL(int sync) override {
    TPellam::RedrawGL(sync);
    if (ticks > 0) ReadPixels(AppWidth / 2, AppHeight / 2, 1, 1, centre);
    return 0;
  }
  int MMouseDown(int x, int y, int ct, int cm, int sh, TMControl* c) override {
    return Hear("down " + Where(x, y, c));
  }
  int MMouseClicked(int x, int y, int ct, int cm, int sh, TMControl* c) override {
    return Hear("clicked " + Where(x, y, c));
  }
  int MMouseUp(int x, int y, int ct, int cm, int sh, TMControl* c) override {
    return Hear("up " + Where(x, y, c));
  }
  int MMouseWheel(int direction, int x, int y, int total, TMControl* c) override {
    return Hear("wheel " + std::to_string(direction) + " " + Where(x, y, c));
  }
  int MKeyDown(int x, int y, int key, int ct, int cm, int sh, int repeat, TMControl* c) override {
    return Hear("key " + std::to_string(key) + " " + std::to_string(ct) + " " + Where(x, y, c));
  }
  int EventMenu(int eventId, int itemId, void* source) override {
    Hear("menu " + std::to_string(itemId));
    return TPellam::EventMenu(eventId, itemId, source);
  }
  int MMenu(int eventId, int itemId, void* source) override { return Hear("MMenu"); }

 private:
  static std::string Where(int x, int y, TMControl* c) {
    return std::to_string(x) + "," + std::to_string(y) + (c != nullptr ? " control" : " none");
  }
  int Hear(const std::string& what) {
    heard.push_back(what);
    return 0;
  }

  // Real input as the window system would deliver it, pushed into SDL's queue.
  void Push(Uint32 type, int x, int y, SDL_Keycode sym = 0, Uint16 mod = 0) {
    SDL_Event e{};
    e.type = type;
    const Uint32 window = SDL_GetWindowID(SdlWindow(AppWindow));
    if (type == SDL_MOUSEMOTION) {
      e.motion.windowID = window;
      e.motion.x = x;
      e.motion.y = y;
    } else if (type == SDL_MOUSEBUTTONDOWN || type == SDL_MOUSEBUTTONUP) {
      e.button.windowID = window;
      e.button.button = SDL_BUTTON_LEFT;
      e.button.state = static_cast<Uint8>(type == SDL_MOUSEBUTTONDOWN);
      e.button.clicks = 1;
      e.button.x = x;
      e.button.y = y;
    } else if (type == SDL_MOUSEWHEEL) {
      e.wheel.windowID = window;
      e.wheel.y = 1;
      e.wheel.preciseY = 1.0f;
      e.wheel.mouseX = x;
      e.wheel.mouseY = y;
    } else {
      e.key.windowID = window;
      e.key.state = static_cast<Uint8>(type == SDL_KEYDOWN);
      e.key.keysym.sym = sym;
      e.key.keysym.scancode = SDL_GetScancodeFromKey(sym);
      e.key.keysym.mod = mod;
    }
    SDL_PushEvent(&e);
  }
  void Script() {
    switch (ticks) {
      case 3: Push(SDL_MOUSEMOTION, 100, 80); break;
      case 4:
        Push(SDL_MOUSEBUTTONDOWN, 100, 80);
        Push(SDL_MOUSEBUTTONUP, 100, 80);
        break;
      case 6:
        Push(SDL_KEYDOWN, 0, 0, SDLK_a);
        Push(SDL_KEYUP, 0, 0, SDLK_a);
        break;
      case 8: Push(SDL_MOUSEWHEEL, 100, 80); break;
      case 10:
        // Ctrl in place of Super: the Window menu's Minimize shortcut.
        Push(SDL_KEYDOWN, 0, 0, SDLK_m, KMOD_LCTRL);
        Push(SDL_KEYUP, 0, 0, SDLK_m, KMOD_LCTRL);
        break;
      case 12: SetDocumentTitle("/somewhere/songs/tune.song"); break;
      default: break;
    }
    if (ticks == kCloseTick || (ticks == kGiveUpTick && (gaveUp = true))) {
      TEvent close;
      close.id = EVENT_WINDOWCLOSE;
      close.source = AppWindow;
      PostEvent(close);
    }
  }
};

class PellamGui : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_EQ(PlatformInit(), 1) << "needs a display";
    InitPellamModule();
    FlushSdlEvents();
    FlushEvents();
    AppTitle = "Pellam at start";
  }
  void TearDown() override {
    FreeAllWindows();
    FlushEvents();
    ResetDrawState();
    AppBG = 0;
    AppShowCtrlHighlight = 1;
    AppTitle.clear();
  }
};

TEST_F(PellamGui, ASmallApplicationRunsItsLoopInARealWindowAndEndsOnWindowClose) {
  SmallApp app;
  app.Start();
  ASSERT_NE(app.AppWindow, nullptr);
  EXPECT_EQ(WindowTitle(app.AppWindow), "Pellam at start");  // SetTitle leaves it
  EXPECT_EQ(app.ProgMain(), 0);
  EXPECT_FALSE(app.gaveUp) << "WindowClose did not end the loop";
  EXPECT_EQ(app.ticks, kCloseTick);
  // Every tick drew the page: at least one frame a tick, each painting the one control.
  EXPECT_GE(app.draws, app.ticks);
  ASSERT_EQ(app.centre.size(), 4u);
  EXPECT_EQ(std::vector<int>(app.centre.begin(), app.centre.begin() + 3), (std::vector<int>{0, 255, 0}));

  // The control covers the window, so its positions are window positions.
  const std::vector<std::string> expected = {
      "down 100,80 control", "clicked 100,80 control", "up 100,80 control", "key 65 0 100,80 control",
      "wheel 1 100,80 control", "menu 1000"};
  EXPECT_EQ(app.heard, expected);
  // The title bar kept its title until a document was named.
  EXPECT_EQ(WindowTitle(app.AppWindow), "Pellam Version 1.0, Current song is 'tune.song'");
  EXPECT_EQ(app.GetTimer(0), 60);
}


TEST_F(PellamGui, RestoreToDefaultPutsTheWindowAt200By100AtItsFirstSize) {
  SmallApp app;
  app.Start();  // 320 x 240
  ASSERT_NE(app.AppWindow, nullptr);
  SetWindowShape(app.AppWindow, 40, 30, 400, 300);
  SDL_PumpEvents();
  ASSERT_EQ(WindowWidth(app.AppWindow), 400);
  testing::internal::CaptureStdout();
  app.EventMenu(EVENT_MENUACTION, kMenuRestoreDefault, nullptr);
  testing::internal::GetCapturedStdout();
  SDL_PumpEvents();
  EXPECT_EQ(WindowX(app.AppWindow), 200);
  EXPECT_EQ(WindowY(app.AppWindow), 100);
  EXPECT_EQ(WindowWidth(app.AppWindow), 320);
  EXPECT_EQ(WindowHeight(app.AppWindow), 240);
  EXPECT_EQ(app.AppWidth, 320);  // measured again
}

}  // namespace
