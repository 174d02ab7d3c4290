// Start-up of the application base's module: its user event id, the wheel total kept by
// an emit hook, and the stop signals.
#include <cstdint>

#include "framework/pellam.h"
#include "framework/stopsignals.h"

int EVENT_CUSTOMEVENT = 0;
int myMouseZ = 0;

void checkMouseZ(const TEvent& event) {
  if (event.id != EVENT_MOUSEWHEEL) return;
  // Wraps instead of overflowing, whatever steps arrive.
  myMouseZ = static_cast<int>(static_cast<uint32_t>(myMouseZ) + static_cast<uint32_t>(event.data));
}

void InitPellamModule() {
  static bool started = false;
  if (started) return;
  started = true;
  EVENT_CUSTOMEVENT = AllocUserEventId("CustomEvent");
  AddHook(checkMouseZ, 0);
  InstallStopSignals();
}
