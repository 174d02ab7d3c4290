// The whole game under seeded random input: started as the program starts it, with the
// recording backend in place of the screen, its own event loop fed key presses, pointer
// moves, clicks, drags and frame ticks in place of the window's, the joystick poll fed
// random buttons, and jumps between pages. After every event the game's invariants must
// hold. QUILLON_SOAK_STEPS sets the length (tools/soak.sh); the peak resident memory is
// printed at each tenth of the run.
#include <gtest/gtest.h>
#include <sys/resource.h>
#include <unistd.h>

#include <array>
#include <cstdlib>
#include <deque>
#include <memory>
#include <random>
#include <set>
#include <string>

#include "audio/driverregistry.h"
#include "audio/mixerdriver.h"
#include "framework/apptitle.h"
#include "framework/ini.h"
#include "framework/pellam.h"
#include "framework/random.h"
#include "game/inputhooks.h"
#include "game/pagelayout.h"
#include "game/programbody.h"
#include "game/quilloncore.h"
#include "game/sprites.h"
#include "platform/draw2d.h"
#include "platform/drawbackend.h"
#include "platform/events.h"
#include "platform/image.h"
#include "platform/numbers.h"
#include "platform/platform.h"
#include "platform/recordingbackend.h"
#include "platform/window.h"

namespace {

constexpr int kDefaultSteps = 2000;
constexpr std::array<int, 7> kPages{kPageTitle, kPageGame,     kPageOptions, kPageDeal,
                                    kPageHand,  kPageCampaign, kPageBattle};

int joystickButton = -1;
int PollScript(int) { return joystickButton; }

size_t PeakResidentKB() {
  rusage usage{};
  getrusage(RUSAGE_SELF, &usage);
  return static_cast<size_t>(usage.ru_maxrss);
}

// What must hold after every step; "" when it does, else what broke.
std::string BrokenInvariant(const TQuillonCore& game) {
  int free = 0;
  std::array<int, kPlayers> claimed{};
  for (int f = 0; f < kFlagCount; ++f) {
    const int owner = game.flags[f];
    if (owner == kFlagFree) ++free;
    if (owner < kFlagHuman || owner >= kPlayers) continue;
    ++claimed[owner];
    const int card = game.flagCard[f];
    if (card < 0 || card >= MAX_CARDS) return "pole " + std::to_string(f) + " holds card " + std::to_string(card);
    // The card was played from its owner's hand: a marked slot holds it.
    const TPlayer& p = game.players[owner];
    bool inHand = false;
    for (int s = 1; s < kHandSlots; ++s) inHand |= p.myCards[s] == card && p.myCardCross[s] != 0;
    if (!inHand) return "pole " + std::to_string(f) + " card " + std::to_string(card) + " not played by " + std::to_string(owner);
  }
  if (free != game.flagCount)
    return "flagCount " + std::to_string(game.flagCount) + " with " + std::to_string(free) + " free poles";
  for (int owner = 0; owner < kPlayers; ++owner) {
    const TPlayer& p = game.players[owner];
    int played = 0;
    for (int s = 1; s < kHandSlots; ++s) {
      if (p.myCards[s] < -1 || p.myCards[s] >= MAX_CARDS) return "hand card " + std::to_string(p.myCards[s]);
      played += p.myCardCross[s] != 0 ? 1 : 0;
    }
    if (claimed[owner] > played)
      return "player " + std::to_string(owner) + " holds " + std::to_string(claimed[owner]) + " poles with " +
             std::to_string(played) + " cards played";
  }
  if (game.deck.pos < 0 || game.deck.pos > MAX_CARDSINDECK) return "deck position " + std::to_string(game.deck.pos);
  return "";
}

// Every picture drawn takes its source rectangle from inside its image.
std::string DrawOutsideSheet(const TRecordingBackend& recorder) {
  for (const TDrawCall& c : recorder.Calls()) {
    if (c.kind != TDrawCallKind::Image || !c.image || c.args.size() < 8) continue;
    const float sx = c.args[4], sy = c.args[5], sw = c.args[6], sh = c.args[7];
    if (sx < 0 || sy < 0 || sw < 0 || sh < 0 || sx + sw > c.image->width || sy + sh > c.image->height)
      return "source " + std::to_string(sx) + "," + std::to_string(sy) + " " + std::to_string(sw) + "x" +
             std::to_string(sh) + " of a " + std::to_string(c.image->width) + "x" +
             std::to_string(c.image->height) + " image";
  }
  return "";
}

// The real game whose event source is a seeded script instead of the window.
class TSoakGame : public TQuillon {
 public:
  TSoakGame(int steps, TRecordingBackend& recorder, int& now)
      : steps_(steps), recorder_(recorder), now_(now), rng_(20261207) {}

  std::string broken;    // the first broken invariant, "" while all hold
  int breaks = 0;        // times the invariants went from holding to broken
  int checked = 0;       // events after which the poles were checked
  size_t pictures = 0;   // pictures drawn in all
  std::set<int> pages;   // pages a frame was drawn on

  TEvent NextEvent() override {
    Check();
    // A broken invariant does not end the run: it goes on for crashes and memory.
    if (step_ >= steps_) return Event(EVENT_WINDOWCLOSE);
    ++step_;
    if (step_ % std::max(1, steps_ / 10) == 0)
      std::fprintf(stderr, "step %d: peak resident %zu KB\n", step_, PeakResidentKB());
    if (pending_.empty()) Script();
    const TEvent next = pending_.front();
    pending_.pop_front();
    if (next.id == EVENT_TIMERTICK) now_ += next.data;
    return next;
  }

 private:
  int Pick(int lo, int hi) { return std::uniform_int_distribution<int>(lo, hi)(rng_); }

  TEvent Event(int id, int data = 0, int x = 0, int y = 0) {
    TEvent e;
    e.id = id;
    e.source = id == EVENT_TIMERTICK ? static_cast<void*>(Timer[1].get()) : static_cast<void*>(AppWindow);
    e.data = data;
    e.x = x;
    e.y = y;
    return e;
  }

  // The next few events.
  void Script() {
    const int x = Pick(-20, AppWidth + 20), y = Pick(-20, AppHeight + 20);
    const std::array<int, 14> keys{_key_up, _key_down, _key_left, _key_right, _key_fire, _key_back,
                                   _key_pause, kKeyD, kKeyR, kKeySpace, kKeyEsc, 13, 65, 0};
    // About one event in five is a frame tick: the frames cost most of the time.
    switch (Pick(0, 19)) {
      case 0: case 1: case 2: case 3: {
        const int k = Pick(0, 9) == 0 ? Pick(0, 255) : keys[Pick(0, keys.size() - 1)];
        pending_.push_back(Event(EVENT_KEYDOWN, k));
        if (Pick(0, 3) == 0) pending_.push_back(Event(EVENT_KEYREPEAT, k));
        if (Pick(0, 1)) pending_.push_back(Event(EVENT_KEYUP, k));
        break;
      }
      case 4: pending_.push_back(Event(EVENT_MOUSEDOWN, 1, x, y)); break;
      case 5: pending_.push_back(Event(EVENT_MOUSEUP, 1, x, y)); break;
      case 6:  // a drag: down, moves with frames between, up
        pending_.push_back(Event(EVENT_MOUSEMOVE, 0, x, y));
        pending_.push_back(Event(EVENT_MOUSEDOWN, 1, x, y));
        for (int m = Pick(1, 4); m > 0; --m) {
          pending_.push_back(Event(EVENT_MOUSEMOVE, 0, Pick(0, AppWidth), Pick(0, AppHeight)));
          if (Pick(0, 1)) pending_.push_back(Event(EVENT_TIMERTICK, 17));
        }
        pending_.push_back(Event(EVENT_MOUSEUP, 1, Pick(0, AppWidth), Pick(0, AppHeight)));
        break;
      case 7:
        joystickButton = Pick(-1, 9);
        pending_.push_back(Event(EVENT_TIMERTICK, 17));
        break;
      case 8:
        if (Pick(0, 3) == 0) Page = kPages[Pick(0, kPages.size() - 1)];
        pending_.push_back(Event(EVENT_TIMERTICK, 17));
        break;
      case 9: pending_.push_back(Event(EVENT_TIMERTICK, Pick(500, 4000))); break;  // timed states run out
      case 10: case 11: pending_.push_back(Event(EVENT_TIMERTICK, Pick(15, 18))); break;
      default: pending_.push_back(Event(EVENT_MOUSEMOVE, 0, x, y)); break;
    }
  }

  void Check() {
    pictures += recorder_.CallsOf(TDrawCallKind::Image).size();
    if (!recorder_.Calls().empty()) pages.insert(Page);
    std::string why = DrawOutsideSheet(recorder_);
    recorder_.Clear();
    // The poles exist from the first battlefield on, which the first frame makes.
    if (why.empty() && _sprites[0]) {
      why = BrokenInvariant(*this);
      ++checked;
    }
    if (!why.empty() && broken.empty())
      broken = "event " + std::to_string(step_) + " on page " + std::to_string(Page) + ": " + why;
    if (!why.empty() && holding_) ++breaks;
    holding_ = why.empty();
  }

  int steps_;
  TRecordingBackend& recorder_;
  int& now_;
  std::mt19937 rng_;
  int step_ = 0;
  bool holding_ = true;
  std::deque<TEvent> pending_;
};

TEST(GameSoakGui, RandomInputOverEveryPageKeepsTheInvariants) {
  const char* asked = std::getenv("QUILLON_SOAK_STEPS");
  const int steps = asked ? std::max(1, std::atoi(asked)) : kDefaultSteps;

  // Frames are not paced by the display's refresh: the run goes as fast as it can.
  setenv("vblank_mode", "0", 0);
  // main.cpp's start-up of the modules the game uses, then the program body.
  ASSERT_EQ(PlatformInit(), 1) << "needs a display";
  InitRandomModule();
  InitIniModule();
  InitPellamModule();
  InitAudioDrivers();
  InitSoftMixDrivers();
  // The textures are found as "../resources/..." from the tests folder.
  const std::string here = __FILE__;
  char previous[4096] = {};
  ASSERT_NE(getcwd(previous, sizeof previous), nullptr);
  ASSERT_EQ(chdir(here.substr(0, here.rfind("/game/gui/")).c_str()), 0);

  TRecordingBackend recorder{1920, 1080};
  int now = 1000;
  SetTestClock([&now] { return now; });
  FrameJoystickPoll = PollScript;
  SeedRnd(20261207);
  testing::internal::CaptureStdout();

  RestoreLayoutData();
  AppTitle = "Quillon::Campaign";
  auto game = std::make_unique<TSoakGame>(steps, recorder, now);
  game->MStartupIni("Quillon/ProgramSetup.ini");
  OpenQuillon(*game);
  recorder.SetCanvasSize(game->AppWidth, game->AppHeight);
  SetDrawBackend(&recorder);
  game->ProgMain();
  SetDrawBackend(nullptr);
  game->MShutdownIni();
  testing::internal::GetCapturedStdout();

  EXPECT_EQ(game->broken, "") << game->breaks << " times in all";
  // The run reached the battlefield and drew on every page.
  EXPECT_GT(game->checked, steps / 2);
  EXPECT_GT(game->pictures, size_t(steps));
  EXPECT_EQ(game->pages.size(), kPages.size());

  SetTestClock(nullptr);
  FrameJoystickPoll = GetButton;
  game.reset();
  FreeAllWindows();
  FlushEvents();
  ResetDrawState();
  Page = kPageHand;
  ASSERT_EQ(chdir(previous), 0);
}

}  // namespace
