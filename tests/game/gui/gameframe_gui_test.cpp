// The game end to end under Xvfb: started as the program body starts it, it opens its
// window, draws the hand page over the first battlefield on every 60 Hz tick, follows a
// real pointer move, and ends on a posted WindowClose. The last frame is saved as
// quillon-frame.png beside the test program for a look.
#include <SDL.h>
#include <gtest/gtest.h>
#include <unistd.h>

#include <memory>
#include <string>
#include <vector>

#include "framework/appfunctions.h"
#include "framework/apptitle.h"
#include "framework/ini.h"
#include "framework/pellam.h"
#include "game/programbody.h"
#include "game/quilloncore.h"
#include "game/sprites.h"
#include "platform/draw2d.h"
#include "platform/events.h"
#include "platform/numbers.h"
#include "platform/paths.h"
#include "framework/control.h"
#include "platform/pixmap.h"
#include "platform/platform.h"
#include "platform/sdlwindow.h"
#include "platform/window.h"

namespace {

constexpr int kMoveTick = 10;
constexpr int kCloseTick = 40;
constexpr int kGiveUpTick = 900;

class TWatchedGame : public TQuillon {
 public:
  int ticks = 0;
  int lit = 0;  // lit pixels of the last frame read back
  bool saved = false;

  int MTimer(int slot) override {
    if (slot == 1) {
      ++ticks;
      if (ticks == kMoveTick) {
        SDL_Event e{};
        e.type = SDL_MOUSEMOTION;
        e.motion.windowID = SDL_GetWindowID(SdlWindow(AppWindow));
        e.motion.x = AppWidth / 2;
        e.motion.y = AppHeight / 2;
        SDL_PushEvent(&e);
      }
      if (ticks == kCloseTick || ticks == kGiveUpTick) {
        TEvent close;
        close.id = EVENT_WINDOWCLOSE;
        close.source = AppWindow;
        PostEvent(close);
      }
    }
    return TQuillon::MTimer(slot);
  }
  // The frame as drawn, before it is shown.
  int RedrawGL(int sync) override {
    TQuillon::RedrawGL(sync);
    if (ticks < kCloseTick - 5) return 0;
    std::shared_ptr<TPixmap> frame = GrabPixmap(0, 0, AppWidth, AppHeight);
    if (!frame) return 0;
    lit = 0;
    for (int y = 0; y < AppHeight; y += 4)
      for (int x = 0; x < AppWidth; x += 4) {
        const uint8_t* p = frame->PixelPtr(x, y);
        lit += p[0] + p[1] + p[2] > 0 ? 1 : 0;
      }
    saved = SavePixmapPNG(*frame, AppDir() + "/quillon-frame.png");
    return 0;
  }
};

// A game's surroundings as at the program's start, in the tests folder, where the
// textures are found as "../resources/..."; its windows and draw state go at the end.
class TGameScope {
 public:
  TGameScope() {
    InitPellamModule();
    const std::string here = __FILE__;
    const std::string tests = here.substr(0, here.rfind("/game/gui/"));
    entered_ = getcwd(previous_, sizeof previous_) != nullptr && chdir(tests.c_str()) == 0;
    AppTitle = "Quillon::Campaign";
    for (auto& sprite : _sprites) sprite.reset();
  }
  ~TGameScope() {
    FreeAllWindows();
    FlushEvents();
    ResetDrawState();
    if (entered_) {
      EXPECT_EQ(chdir(previous_), 0);
    }
  }
  bool Entered() const { return entered_; }

 private:
  char previous_[4096] = {};
  bool entered_ = false;
};

TEST(GameFrameGui, StartsDrawsTheHandPageFollowsThePointerAndCloses) {
  ASSERT_EQ(PlatformInit(), 1) << "needs a display";
  TGameScope scope;
  ASSERT_TRUE(scope.Entered());
  auto game = std::make_unique<TWatchedGame>();
  game->AppWidth = 100;  // a saved size below the minimum
  game->AppHeight = 500;
  OpenQuillon(*game);
  ASSERT_NE(game->AppWindow, nullptr);
  EXPECT_EQ(game->AppWidth, 960);
  EXPECT_EQ(game->AppHeight, 640);
  EXPECT_EQ(game->TimerHertz[1], 60);
  EXPECT_EQ(game->ProgMain(), 0);

  EXPECT_EQ(game->ticks, kCloseTick) << "WindowClose did not end the loop";
  EXPECT_EQ(Page, kPageHand);
  EXPECT_NE(_sprites[0], nullptr) << "the first frame loads the sprites";
  EXPECT_GT(game->flagCount, 0) << "and generates the first battlefield";
  EXPECT_GT(game->gameTime, 0);
  // The pointer arrives relative to the control, which sits inside its indent.
  const TMControl* control = game->Control(0);
  ASSERT_NE(control, nullptr);
  EXPECT_GT(control->nX, 0);
  EXPECT_EQ(game->vMX, TruncToInt(512.0 * (480 - control->nX) / 960.0));
  EXPECT_EQ(game->vMY, TruncToInt(384.0 * (320 - control->nY) / 640.0));
  EXPECT_TRUE(game->saved);
  EXPECT_GT(game->lit, 1000) << "the frame shows the battlefield";
  EXPECT_EQ(VirtualResolutionWidth(), static_cast<float>(game->AppWidth));
}

// The game on a screen smaller than its 960 x 640 minimum. Each case runs only on a
// screen of its own size (tests/CMakeLists.txt starts an X server of that size for it,
// with a window manager for the cases that want one) and skips itself on any other.
struct TScreen {
  int width;
  int height;
  bool windowManager;  // which frames the window with a title bar
};
std::string NameOf(const TScreen& screen) {
  return std::to_string(screen.width) + "x" + std::to_string(screen.height) +
         (screen.windowManager ? "_wm" : "");
}
void PrintTo(const TScreen& screen, std::ostream* out) { *out << NameOf(screen); }

// Points at each hand card in turn where the picture shows it, and notes the card the
// game raises each time.
class TPointingGame : public TWatchedGame {
 public:
  static constexpr int kFirstPointTick = 12;
  static constexpr int kPointEvery = 4;
  int canvasWidth = 0;  // the picture's size in window pixels, as last drawn
  int canvasHeight = 0;
  std::vector<int> raised;  // g_SelectCard after pointing at slots 1, 2, ...

  int MTimer(int slot) override {
    const int result = TWatchedGame::MTimer(slot);
    if (slot != 1 || ticks < kFirstPointTick || (ticks - kFirstPointTick) % kPointEvery != 0)
      return result;
    const int pointed = (ticks - kFirstPointTick) / kPointEvery;  // hand slots pointed at so far
    if (pointed > 0 && pointed < kHandSlots) raised.push_back(players[0].g_SelectCard);
    if (pointed + 1 < kHandSlots) PointAt(pointed + 1);
    return result;
  }
  int RedrawGL(int sync) override {
    canvasWidth = GraphicsWidth();
    canvasHeight = GraphicsHeight();
    return TQuillon::RedrawGL(sync);  // the frame is not saved for a look
  }

 private:
  // The pointer moves to the centre of the card's visible part: its click region on the
  // virtual screen, which the picture stretches over the canvas.
  void PointAt(int slot) {
    const TArcadeControl* region = userControl[static_cast<size_t>(slot)].get();
    if (region == nullptr || canvasWidth <= 0 || canvasHeight <= 0) return;
    const double x = (region->x + region->x1) / 2.0;
    const int bottom = region->y1 < AppVirtualHeight ? region->y1 : AppVirtualHeight - 1;
    const double y = (region->y + bottom) / 2.0;
    SDL_Event e{};
    e.type = SDL_MOUSEMOTION;
    e.motion.windowID = SDL_GetWindowID(SdlWindow(AppWindow));
    e.motion.x = TruncToInt(x * canvasWidth / AppVirtualWidth);
    e.motion.y = TruncToInt(y * canvasHeight / AppVirtualHeight);
    SDL_PushEvent(&e);
  }
};

class GameOnASmallScreen : public testing::TestWithParam<TScreen> {};

TEST_P(GameOnASmallScreen, TheWindowFitsItsCanvasFillsItAndThePointerRaisesTheCardUnderIt) {
  const TScreen screen = GetParam();
  ASSERT_EQ(PlatformInit(), 1) << "needs a display";
  if (DesktopWidth() != screen.width || DesktopHeight() != screen.height)
    GTEST_SKIP() << "runs on a " << screen.width << "x" << screen.height << " screen only";
  TGameScope scope;
  ASSERT_TRUE(scope.Entered());
  auto game = std::make_unique<TPointingGame>();
  // A first run: no settings file, so no saved size.
  testing::internal::CaptureStdout();
  game->MStartupIni("Quillon/FirstRun.ini");
  testing::internal::GetCapturedStdout();
  ASSERT_EQ(game->AppWidth, -1);
  OpenQuillon(*game);
  ASSERT_NE(game->AppWindow, nullptr);
  TWindow* window = game->AppWindow;
  // The whole window, its frame too, is on the screen where the window system put it.
  const auto expectOnScreen = [&](const std::string& when) {
    SDL_PumpEvents();
    const TFrameRoom frame = WindowFrame(window);
    EXPECT_EQ(frame.top > 0, screen.windowManager) << when << ": a title bar";
    EXPECT_GE(WindowX(window) - frame.left, 0) << when;
    EXPECT_GE(WindowY(window) - frame.top, 0) << when;
    EXPECT_LE(WindowX(window) + WindowWidth(window) + frame.right, screen.width) << when;
    EXPECT_LE(WindowY(window) + WindowHeight(window) + frame.bottom, screen.height) << when;
  };
  EXPECT_EQ(game->ProgMain(), 0);
  EXPECT_EQ(game->ticks, kCloseTick);
  expectOnScreen("opened");

  // The picture fills the window's drawable area, which the pointer is measured across.
  int drawableWidth = 0, drawableHeight = 0;
  SDL_GL_GetDrawableSize(SdlWindow(window), &drawableWidth, &drawableHeight);
  EXPECT_EQ(game->canvasWidth, drawableWidth);
  EXPECT_EQ(game->canvasHeight, drawableHeight);
  EXPECT_EQ(game->AppWidth, drawableWidth);
  EXPECT_EQ(game->AppHeight, drawableHeight);
  EXPECT_EQ(game->raised, (std::vector<int>{1, 2, 3, 4, 5, 6}))
      << "the card raised after pointing at each of hand slots 1 to 6";
  // The window's first size and place are fitted to the screen as at start.
  testing::internal::CaptureStdout();
  game->EventMenu(EVENT_MENUACTION, kMenuRestoreDefault, nullptr);
  testing::internal::GetCapturedStdout();
  expectOnScreen("restored");
}

INSTANTIATE_TEST_SUITE_P(Screens, GameOnASmallScreen,
                         testing::Values(TScreen{800, 600, false}, TScreen{1024, 600, false},
                                         TScreen{800, 600, true}, TScreen{1024, 600, true}),
                         [](const testing::TestParamInfo<TScreen>& info) {
                           return NameOf(info.param);
                         });

TEST(GameFrameGui, ProgramBodyRunsOnceAndWritesItsSettingsAfterTheLoop) {
  ASSERT_EQ(PlatformInit(), 1) << "needs a display";
  InitPellamModule();
  InitIniModule();

  TEvent quit;
  quit.id = EVENT_APPTERMINATE;
  PostEvent(quit);  // the loop ends at its first event
  testing::internal::CaptureStdout();
  EXPECT_EQ(RunQuillon(), 0);
  const std::string first = testing::internal::GetCapturedStdout();
  // The body runs once a process: only this test enters it, so only its first run sees it.
  static bool entered = false;
  if (!entered) {
    entered = true;
    EXPECT_NE(first.find("Setting up orrery"), std::string::npos);
    EXPECT_NE(first.find("Shutdown OK"), std::string::npos);
    EXPECT_LT(first.find("Startup system Ini"), first.find("Shutdown ini"));
    const TIni written = TIni::Load(App_SupportDir + "Quillon/ProgramSetup.ini", 0);
    EXPECT_EQ(written.GetKey("AppWindow", "Width", ""), "960");
    EXPECT_EQ(written.GetKey("AppWindow", "Height", ""), "640");
  }

  testing::internal::CaptureStdout();
  EXPECT_EQ(RunQuillon(), 0);
  EXPECT_EQ(testing::internal::GetCapturedStdout(), "") << "a second entry does nothing";

  FreeAllWindows();
  FlushEvents();
  ResetDrawState();
}

}  // namespace
