// SDL events become the right records; the queue, its hooks, posts from other threads
// and user event ids.
#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <cmath>
#include <cstring>
#include <set>
#include <thread>
#include <tuple>

#include "platform/keycodes.h"
#include "sdltesting.h"

namespace {

class EventsTest : public ::testing::Test {
 protected:
  void SetUp() override { StartClean(); }
  void TearDown() override {
    for (int h : hooks_) RemoveHook(h);
  }
  int Hook(EmitHook hook, int priority = 0) {
    hooks_.push_back(AddHook(std::move(hook), priority));
    return hooks_.back();
  }
  std::vector<int> hooks_;
};

TEST_F(EventsTest, KeysCarryCodeModsAndRepeat) {
  Push(KeyEvent(SDL_KEYDOWN, SDLK_a, SDL_SCANCODE_A, KMOD_LSHIFT | KMOD_RCTRL));
  Push(KeyEvent(SDL_KEYDOWN, SDLK_a, SDL_SCANCODE_A, KMOD_LSHIFT | KMOD_RCTRL, 1));
  Push(KeyEvent(SDL_KEYUP, SDLK_a, SDL_SCANCODE_A, KMOD_LSHIFT));
  Push(KeyEvent(SDL_KEYDOWN, SDLK_UP, SDL_SCANCODE_UP, KMOD_RALT | KMOD_LGUI));
  auto r = Drain();
  ASSERT_EQ(r.size(), 4u);
  EXPECT_EQ(r[0].id, EVENT_KEYDOWN);
  EXPECT_EQ(r[0].data, 65);
  EXPECT_EQ(r[0].mods, MODIFIER_SHIFT | MODIFIER_CONTROL);
  EXPECT_EQ(r[1].id, EVENT_KEYREPEAT);
  EXPECT_EQ(r[2].id, EVENT_KEYUP);
  EXPECT_EQ(r[2].mods, MODIFIER_SHIFT);
  EXPECT_EQ(r[3].data, KEY_UP);
  EXPECT_EQ(r[3].mods, MODIFIER_OPTION | MODIFIER_COMMAND);
}

TEST_F(EventsTest, KeyWithoutCodeGivesNoRecord) {
  Push(KeyEvent(SDL_KEYDOWN, SDLK_UNKNOWN, SDL_SCANCODE_UNKNOWN));
  Push(KeyEvent(SDL_KEYDOWN, SDLK_AUDIOPLAY, SDL_SCANCODE_AUDIOPLAY));
  EXPECT_TRUE(Drain().empty());
}

TEST_F(EventsTest, KeyStateIsPolled) {
  Push(KeyEvent(SDL_KEYDOWN, SDLK_SPACE, SDL_SCANCODE_SPACE));
  Push(KeyEvent(SDL_KEYDOWN, SDLK_SPACE, SDL_SCANCODE_SPACE, 0, 1));
  Drain();
  EXPECT_EQ(KeyDown(KEY_SPACE), 1);
  EXPECT_EQ(KeyHit(KEY_SPACE), 1);  // the repeat is no new press
  EXPECT_EQ(KeyHit(KEY_SPACE), 0);
  Push(KeyEvent(SDL_KEYUP, SDLK_SPACE, SDL_SCANCODE_SPACE));
  Drain();
  EXPECT_EQ(KeyDown(KEY_SPACE), 0);

  Push(KeyEvent(SDL_KEYDOWN, SDLK_RETURN, SDL_SCANCODE_RETURN));
  Drain();
  FlushKeys();
  EXPECT_EQ(KeyDown(KEY_RETURN), 0);
  EXPECT_EQ(KeyHit(KEY_RETURN), 0);
  EXPECT_EQ(KeyDown(-1), 0);
  EXPECT_EQ(KeyDown(256), 0);
  EXPECT_EQ(KeyHit(100000), 0);
}

TEST_F(EventsTest, TextBecomesCharacterCodes) {
  SDL_Event e{};
  e.type = SDL_TEXTINPUT;
  std::strcpy(e.text.text, "a\xC2\xA7\xE2\x82\xAC");  // a, section sign, euro sign
  Push(e);
  SDL_Event bad{};
  bad.type = SDL_TEXTINPUT;
  std::strcpy(bad.text.text, "\xC2" "b\xFF\xE2\x82");  // cut and stray bytes around b
  Push(bad);
  auto r = Drain();
  ASSERT_EQ(r.size(), 4u);
  for (const auto& record : r) EXPECT_EQ(record.id, EVENT_KEYCHAR);
  EXPECT_EQ(r[0].data, 'a');
  EXPECT_EQ(r[1].data, 0xA7);
  EXPECT_EQ(r[2].data, 0x20AC);
  EXPECT_EQ(r[3].data, 'b');
}

TEST_F(EventsTest, MouseButtonsMovesAndPolledState) {
  SDL_Event down{};
  down.type = SDL_MOUSEBUTTONDOWN;
  down.button.button = SDL_BUTTON_RIGHT;
  down.button.x = 10;
  down.button.y = 20;
  Push(down);
  SDL_Event primary = down;
  primary.button.button = SDL_BUTTON_LEFT;
  Push(primary);
  SDL_Event move{};
  move.type = SDL_MOUSEMOTION;
  move.motion.x = 300;
  move.motion.y = 200;
  Push(move);
  SDL_Event up = primary;
  up.type = SDL_MOUSEBUTTONUP;
  Push(up);
  auto r = Drain();
  ASSERT_EQ(r.size(), 4u);
  EXPECT_EQ(r[0].id, EVENT_MOUSEDOWN);
  EXPECT_EQ(r[0].data, 2);
  EXPECT_EQ(r[0].y, 20);
  EXPECT_EQ(r[2].x, 300);
  EXPECT_EQ(r[3].id, EVENT_MOUSEUP);
  EXPECT_EQ(MouseX(), 10);  // the release came at the press point
  EXPECT_EQ(MouseDown(1), 0);
  EXPECT_EQ(MouseDown(2), 1);
  EXPECT_EQ(MouseHit(1), 1);
  FlushMouse();
  EXPECT_EQ(MouseDown(2), 0);
  EXPECT_EQ(MouseDown(0), 0);
  EXPECT_EQ(MouseDown(99), 0);
}

TEST_F(EventsTest, WheelGivesStepsAndTruncatedPreciseDeltas) {
  SDL_Event wheel{};
  wheel.type = SDL_MOUSEWHEEL;
  wheel.wheel.y = -2;
  wheel.wheel.preciseX = 1.75f;
  wheel.wheel.preciseY = -2.5f;
  wheel.wheel.mouseX = 5;
  wheel.wheel.mouseY = 6;
  Push(wheel);
  SDL_Event smooth{};
  smooth.type = SDL_MOUSEWHEEL;
  smooth.wheel.preciseY = 0.4f;  // less than a step: no wheel record
  Push(smooth);
  auto r = Drain();
  ASSERT_EQ(r.size(), 3u);
  EXPECT_EQ(r[0].id, EVENT_MOUSEWHEEL);
  EXPECT_EQ(r[0].data, -2);
  EXPECT_EQ(r[0].y, 6);
  EXPECT_EQ(r[1].id, EVENT_GESTURESWIPE);
  EXPECT_EQ(r[1].source, nullptr);
  EXPECT_EQ(std::tuple(r[1].data, r[1].mods), std::tuple(0, 0));
  EXPECT_EQ(r[1].x, -1);  // -1.75 toward zero
  EXPECT_EQ(r[1].y, -2);
  EXPECT_EQ(r[2].x, 0);
  EXPECT_EQ(r[2].y, 0);
}

TEST_F(EventsTest, MultiGestureGivesBeginMagnifyAndRotateInDegrees) {
  SDL_Event finger{};
  finger.type = SDL_FINGERDOWN;
  SDL_Event pinch{};
  pinch.type = SDL_MULTIGESTURE;
  pinch.mgesture.dDist = 0.05f;
  pinch.mgesture.dTheta = 0.1f;
  SDL_Event zoomOnly = pinch;
  zoomOnly.mgesture.dTheta = 0.0f;
  Push(finger);
  Push(pinch);
  Push(zoomOnly);
  finger.type = SDL_FINGERUP;
  Push(finger);
  Push(zoomOnly);
  auto r = Drain();
  ASSERT_EQ(r.size(), 6u);
  EXPECT_EQ(r[0].id, EVENT_GESTUREBEGIN);
  EXPECT_EQ(r[1].id, EVENT_GESTUREMAGNIFY);
  EXPECT_EQ(r[1].data, FloatToBits(0.05f));
  EXPECT_EQ(r[2].id, EVENT_GESTUREROTATE);
  EXPECT_NEAR(BitsToFloat(r[2].data), 5.729578f, 1e-4f);
  EXPECT_EQ(r[3].id, EVENT_GESTUREMAGNIFY);  // same gesture: no second begin
  EXPECT_EQ(r[4].id, EVENT_GESTUREBEGIN);    // fingers changed: a new gesture
  EXPECT_EQ(r[5].id, EVENT_GESTUREMAGNIFY);
  for (const auto& record : r) EXPECT_EQ(record.source, nullptr);
}

TEST_F(EventsTest, QuitFocusAndWindowEvents) {
  auto windowEvent = [](Uint8 kind, int a = 0, int b = 0) {
    SDL_Event e{};
    e.type = SDL_WINDOWEVENT;
    e.window.event = kind;
    e.window.data1 = a;
    e.window.data2 = b;
    return e;
  };
  SDL_Event quit{};
  quit.type = SDL_QUIT;
  Push(quit);
  Push(windowEvent(SDL_WINDOWEVENT_FOCUS_LOST));
  Push(windowEvent(SDL_WINDOWEVENT_FOCUS_GAINED));
  Push(windowEvent(SDL_WINDOWEVENT_MOVED, 40, 50));
  Push(windowEvent(SDL_WINDOWEVENT_SIZE_CHANGED, 800, 600));
  Push(windowEvent(SDL_WINDOWEVENT_RESIZED, 800, 600));  // repeats the size change
  Push(windowEvent(SDL_WINDOWEVENT_ENTER));
  Push(windowEvent(SDL_WINDOWEVENT_LEAVE));
  Push(windowEvent(SDL_WINDOWEVENT_CLOSE));
  auto r = Drain();
  std::vector<int> ids;
  for (const auto& record : r) ids.push_back(record.id);
  EXPECT_EQ(ids, (std::vector<int>{EVENT_APPTERMINATE, EVENT_APPSUSPEND, EVENT_APPRESUME,
                                   EVENT_WINDOWMOVE, EVENT_WINDOWSIZE, EVENT_MOUSEENTER,
                                   EVENT_MOUSELEAVE, EVENT_WINDOWCLOSE}));
  ASSERT_EQ(r.size(), 8u);
  EXPECT_EQ(r[3].y, 50);
  EXPECT_EQ(r[4].x, 800);
}

TEST_F(EventsTest, HooksSeeEveryPendingEventBeforeTheFirstIsHandedOut) {
  int seen = 0;
  int wheelTotal = 0;
  Hook([&](const TEvent& e) {
    ++seen;
    if (e.id == EVENT_MOUSEWHEEL) wheelTotal += e.data;
  });
  for (int steps : {1, 3, -1}) {
    SDL_Event wheel{};
    wheel.type = SDL_MOUSEWHEEL;
    wheel.wheel.y = steps;
    Push(wheel);
  }
  TEvent first = WaitEventTimeout(2000);
  EXPECT_EQ(first.id, EVENT_MOUSEWHEEL);
  EXPECT_EQ(first.data, 1);
  EXPECT_EQ(seen, 6);  // three wheel and three swipe records
  EXPECT_EQ(wheelTotal, 3);
}

TEST_F(EventsTest, HooksRunByPriorityAndCanBeRemoved) {
  std::string order;
  Hook([&](const TEvent&) { order += "low "; }, -5);
  int middle = Hook([&](const TEvent&) { order += "mid "; });
  Hook([&](const TEvent&) { throw std::runtime_error("hook"); }, 3);
  Hook([&](const TEvent&) { order += "high "; }, 10);
  TEvent custom;
  custom.id = 0x1234;
  EmitEvent(custom);
  EXPECT_EQ(order, "high mid low ");
  RemoveHook(middle);
  order.clear();
  EmitEvent(custom);
  EXPECT_EQ(order, "high low ");
  auto r = Drain();
  EXPECT_EQ(r.size(), 2u);  // a failing hook loses no event
}

TEST_F(EventsTest, PostFromAnotherThreadWakesTheWaitAndPassesTheHooksOnTheEventThread) {
  std::thread::id hookThread;
  Hook([&](const TEvent& e) {
    if (e.id == 0x4321) hookThread = std::this_thread::get_id();
  });
  std::thread poster([] {
    std::this_thread::sleep_for(std::chrono::milliseconds(50));
    TEvent e;
    e.id = 0x4321;
    e.data = 7;
    PostEvent(e);
  });
  auto start = std::chrono::steady_clock::now();
  TEvent got = WaitEventTimeout(5000);
  auto waited = std::chrono::steady_clock::now() - start;
  poster.join();
  EXPECT_EQ(got.id, 0x4321);
  EXPECT_EQ(got.data, 7);
  EXPECT_EQ(hookThread, std::this_thread::get_id());
  EXPECT_LT(waited, std::chrono::milliseconds(2000));
}

TEST_F(EventsTest, WaitTimesOutWithNoEvent) {
  auto start = std::chrono::steady_clock::now();
  TEvent got = WaitEventTimeout(120);
  auto waited = std::chrono::steady_clock::now() - start;
  EXPECT_EQ(got.id, 0);
  EXPECT_GE(waited, std::chrono::milliseconds(115));
  EXPECT_EQ(PollEvent().id, 0);
}

TEST_F(EventsTest, PurgeDropsOnlyTheSourcesEvents) {
  int a = 0, b = 0;
  TEvent e;
  e.id = 0x555;
  e.source = &a;
  EmitEvent(e);
  e.source = &b;
  EmitEvent(e);
  e.source = &a;
  EmitEvent(e);
  PurgeEvents(&a);
  auto r = Drain();
  ASSERT_EQ(r.size(), 1u);
  EXPECT_EQ(r[0].source, &b);
  EmitEvent(e);
  FlushEvents();
  EXPECT_EQ(PollEvent().id, 0);
}

TEST(UserEventIds, CountUpwardAroundTheGestureIdsAndKeepTheirDescriptions) {
  std::set<uint32_t> ids;
  uint32_t previous = 0x80000000u;
  int first = AllocUserEventId("CustomEvent");
  for (int i = 0; i < 100; ++i) {
    uint32_t id = static_cast<uint32_t>(AllocUserEventId("Mine " + std::to_string(i)));
    EXPECT_GT(id, previous);
    previous = id;
    ids.insert(id);
  }
  EXPECT_GE(static_cast<uint32_t>(first), 0x80000001u);
  EXPECT_GT(previous, 0x8000005Bu);  // the allocation has passed the gesture ids
  for (uint32_t gesture = 0x80000058u; gesture <= 0x8000005Bu; ++gesture) EXPECT_EQ(ids.count(gesture), 0u);
  EXPECT_EQ(EventIdDescription(first), "CustomEvent");
  EXPECT_EQ(EventIdDescription(static_cast<int>(previous)), "Mine 99");
  EXPECT_EQ(EventIdDescription(EVENT_TIMERTICK), "TimerTick");
  EXPECT_EQ(EventIdDescription(0x999), "");
}

TEST(FloatBits, AreTheSinglePrecisionPattern) {
  EXPECT_EQ(FloatToBits(0.05f), 0x3D4CCCCD);
  EXPECT_EQ(FloatToBits(-0.0f), static_cast<int>(0x80000000u));
  EXPECT_EQ(BitsToFloat(static_cast<int>(0xC0490FDBu)), -3.14159274f);
  EXPECT_TRUE(std::isnan(BitsToFloat(0x7FC00000)));
}

}  // namespace
