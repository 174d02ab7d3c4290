// Smoke run of the platform core: a window, a 60 Hz timer for about a second, then a
// WindowClose the program posts to itself ends it. Exit code 0 when all went as planned.
#include <string>

#include "platform/events.h"
#include "platform/numbers.h"
#include "platform/platform.h"
#include "platform/print.h"
#include "platform/timers.h"
#include "platform/window.h"

namespace {
int fail(const std::string& why) {
  Print("platform smoke FAILED: " + why);
  PlatformShutdown();
  return 1;
}
}  // namespace

int main() {
  if (!PlatformInit()) return fail("no display");
  TWindow* window = CreateWindow("Quillon smoke", 100, 100, 320, 200, WINDOW_TITLEBAR | WINDOW_CLIENTCOORDS);
  if (!window) return fail("no window");
  auto timer = CreateTimer(60);
  const int start = MilliSecs();
  int ticks = 0;
  bool closePosted = false;
  for (;;) {
    TEvent event = WaitEventTimeout(5000);
    if (event.id == 0) return fail("no event for 5 s");
    if (event.id == EVENT_APPTERMINATE) return fail("terminated");
    if (event.id == EVENT_WINDOWCLOSE && event.source == window) break;
    if (event.id == EVENT_TIMERTICK && event.source == timer.get()) {
      ++ticks;
      Flip(0);
      if (!closePosted && MilliSecs() - start >= 1000) {
        StopTimer(timer);
        TEvent close;
        close.id = EVENT_WINDOWCLOSE;
        close.source = window;
        PostEvent(close);
        closePosted = true;
      }
    }
  }
  Print("platform smoke: " + std::to_string(ticks) + " ticks in " +
        std::to_string(MilliSecs() - start) + " ms");
  if (ticks < 55 || ticks > 65) return fail("expected 55 to 65 ticks");
  PlatformShutdown();
  return 0;
}
