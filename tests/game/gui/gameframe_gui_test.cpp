// The game end to end under Xvfb: started as the program body starts it, it opens its
// window, draws the hand page over the first battlefield on every 60 Hz tick, follows a
// real pointer move, and ends on a posted WindowClose. The last frame is saved as
// quillon-frame.png beside the test program for a look.
#include <SDL.h>
#include <gtest/gtest.h>
#include <unistd.h>

#include <cstdlib>
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

TEST(GameFrameGui, StartsDrawsTheHandPageFollowsThePointerAndCloses) {
  ASSERT_EQ(PlatformInit(), 1) << "needs a display";
  InitPellamModule();
  // The textures are found as "../resources/..." from the tests folder.
  const std::string here = __FILE__;
  const std::string tests = here.substr(0, here.rfind("/game/gui/"));
  char previous[4096] = {};
  ASSERT_NE(getcwd(previous, sizeof previous), nullptr);
  ASSERT_EQ(chdir(tests.c_str()), 0);

  AppTitle = "Quillon::Campaign";
  for (auto& sprite : _sprites) sprite.reset();  // as at the program's start
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

  game.reset();
  FreeAllWindows();
  FlushEvents();
  ResetDrawState();
  ASSERT_EQ(chdir(previous), 0);
}

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
