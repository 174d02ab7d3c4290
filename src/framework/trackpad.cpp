// The trackpad bridge's handler table: handle to the canvas it is attached to (null once
// detached). A handle is never handed out twice.
#include "framework/trackpad.h"

#include <map>

namespace {

struct HandlerTable {
  std::map<int, const TCanvas*> handlers;
  int lastHandle = 0;
};

HandlerTable& table() {
  static HandlerTable t;
  return t;
}

}  // namespace

int CreateTrackpadHandler(TCanvas* canvas) {
  if (canvas == nullptr) return 0;
  HandlerTable& t = table();
  // Counting on past the top would restart at 1; skip what is still in use.
  do {
    t.lastHandle = t.lastHandle >= 0x7FFFFFFF ? 1 : t.lastHandle + 1;
  } while (t.handlers.contains(t.lastHandle));
  t.handlers[t.lastHandle] = canvas;
  return t.lastHandle;
}

void DestroyTrackpadHandler(int handle) { table().handlers.erase(handle); }

void DetachTrackpadHandlers(const TCanvas* canvas) {
  if (canvas == nullptr) return;
  for (auto& [handle, attached] : table().handlers)
    if (attached == canvas) attached = nullptr;
}

int TrackpadHandlerAttached(int handle) {
  const auto& handlers = table().handlers;
  auto it = handlers.find(handle);
  return it != handlers.end() && it->second != nullptr ? 1 : 0;
}

int AttachedTrackpadHandlers() {
  int count = 0;
  for (const auto& [handle, attached] : table().handlers)
    if (attached != nullptr) ++count;
  return count;
}

bool IsTrackpadEvent(int id) {
  return id == EVENT_GESTUREBEGIN || id == EVENT_GESTUREMAGNIFY || id == EVENT_GESTURESWIPE ||
         id == EVENT_GESTUREROTATE;
}

bool TrackpadEventWanted(const TEvent& event) {
  return !IsTrackpadEvent(event.id) || AttachedTrackpadHandlers() > 0;
}
