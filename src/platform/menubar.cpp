// The menu bar's state: opening on a lone Alt tap, moving through it by keys and mouse,
// choosing items, taking the key and mouse events while open, and showing it: over each
// frame the application flips, and by itself (over a copy of the last frame) when it
// changes between frames.
#include "platform/menubar.h"

#include <SDL.h>

#include <array>
#include <set>

#include "platform/drawbackend.h"
#include "platform/drawglue.h"
#include "platform/eventglue.h"
#include "platform/keycodes.h"
#include "platform/menubarview.h"
#include "platform/menus.h"
#include "platform/sdlwindow.h"
#include "platform/window.h"

namespace {

constexpr int BUTTONS = 6;

struct MenuBarState {
  TWindow* window = nullptr;  // whose bar is open
  int menu = 0;
  int item = -1;
  bool altHeld = false;
  bool altAlone = false;  // nothing else pressed since Alt went down
  std::set<int> takenKeys;  // pressed while open: their releases are the bar's too
  std::array<bool, BUTTONS> takenButtons{};
};

MenuBarState& bar() {
  static MenuBarState* s = new MenuBarState;
  return *s;
}

bool isAlt(int code) { return code == KEY_LALT || code == KEY_RALT; }

TWindow* windowOf(const TEvent& event) {
  auto* window = static_cast<TWindow*>(event.source);
  return WindowMenu(window) ? window : LastWindow();
}

const TMenuBar* openMenus() {
  MenuBarState& s = bar();
  const TMenuBar* menus = WindowMenu(s.window);
  if (!menus || menus->Menus().empty()) {
    s.window = nullptr;
    return nullptr;
  }
  return menus;
}

const TMenu* openMenu() {
  const TMenuBar* menus = openMenus();
  MenuBarState& s = bar();
  if (!menus || s.menu < 0 || s.menu >= static_cast<int>(menus->Menus().size())) return nullptr;
  return menus->Menus()[s.menu].get();
}

TMenuBarLayout currentLayout() {
  const TMenuBar* menus = openMenus();
  if (!menus) return {};
  return LayoutMenuBar(*menus, bar().menu, WindowWidth(bar().window));
}

// Shows the bar's change at once: the last frame, the bar over it, the buffers swapped.
// On opening, the last frame is taken from the drawing buffer, which after a swap still
// holds it on drivers that swap by copying (and an earlier frame on others); while open,
// every frame the application flips replaces it.
void refresh(TWindow* window, bool opening) {
  if (!SdlWindow(window)) return;
  TWindow* previous = GraphicsWindow();
  if (previous != window) SetGraphicsWindow(window);
  if (GraphicsWindow() == window) {
    TDrawBackend& backend = CurrentDrawBackend();
    if (opening) backend.SnapshotCanvas();
    backend.DrawSnapshot();
    if (const TMenuBar* menus = openMenus(); menus && bar().window == window)
      DrawMenuBar(*menus, currentLayout(), bar().menu, bar().item);
    backend.Flush();
    FlushDrawing();
    SDL_GL_SwapWindow(SdlWindow(window));
  }
  if (previous && previous != window) SetGraphicsWindow(previous);
}

int firstItem(const TMenu& menu, int from, int step) {
  const int count = static_cast<int>(menu.items.size());
  for (int n = 0, i = from; n < count; ++n, i += step) {
    i = (i % count + count) % count;
    if (!menu.items[i]->IsSeparator()) return i;
  }
  return -1;
}

void choose(TMenuItem* item) {
  TWindow* window = bar().window;
  bar().window = nullptr;
  refresh(window, false);
  TEvent event;
  event.id = EVENT_MENUACTION;
  event.source = item;
  event.data = item->id;
  EmitEvent(event);
}

void moveMenu(int step) {
  const TMenuBar* menus = openMenus();
  if (!menus) return;
  const int count = static_cast<int>(menus->Menus().size());
  MenuBarState& s = bar();
  s.menu = ((s.menu + step) % count + count) % count;
  const TMenu* menu = openMenu();
  s.item = menu ? firstItem(*menu, 0, 1) : -1;
}

void pressKey(int code) {
  MenuBarState& s = bar();
  const TMenu* menu = openMenu();
  switch (code) {
    case KEY_ESCAPE: CloseMenuBar(); return;
    case KEY_LEFT: moveMenu(-1); break;
    case KEY_RIGHT: moveMenu(1); break;
    case KEY_DOWN:
      if (menu) s.item = firstItem(*menu, s.item < 0 ? 0 : s.item + 1, 1);
      break;
    case KEY_UP:
      if (menu) s.item = firstItem(*menu, s.item < 0 ? -1 : s.item - 1, -1);
      break;
    case KEY_RETURN:
    case KEY_SPACE:
      if (menu && s.item >= 0 && s.item < static_cast<int>(menu->items.size())) {
        choose(menu->items[s.item].get());
        return;
      }
      if (menu) s.item = firstItem(*menu, 0, 1);
      break;
    default: return;  // taken, nothing to show
  }
  refresh(s.window, false);
}

void pressButton(int x, int y) {
  MenuBarState& s = bar();
  const TMenuHit hit = HitMenuBar(currentLayout(), x, y);
  switch (hit.kind) {
    case TMenuHit::Outside: CloseMenuBar(); return;
    case TMenuHit::Title:
      if (hit.index != s.menu) {
        s.menu = hit.index;
        s.item = -1;
        refresh(s.window, false);
      }
      return;
    case TMenuHit::Item: {
      const TMenu* menu = openMenu();
      if (menu && hit.index < static_cast<int>(menu->items.size()) && !menu->items[hit.index]->IsSeparator())
        choose(menu->items[hit.index].get());
      return;
    }
    default: return;
  }
}

void movePointer(int x, int y) {
  MenuBarState& s = bar();
  const TMenuHit hit = HitMenuBar(currentLayout(), x, y);
  int menu = s.menu;
  int item = s.item;
  if (hit.kind == TMenuHit::Title && hit.index != s.menu) {
    menu = hit.index;
    item = -1;
  } else if (hit.kind == TMenuHit::Item) {
    const TMenu* open = openMenu();
    item = open && !open->items[hit.index]->IsSeparator() ? hit.index : -1;
  }
  if (menu == s.menu && item == s.item) return;
  s.menu = menu;
  s.item = item;
  refresh(s.window, false);
}

}  // namespace

TWindow* MenuBarWindow() { return openMenus() ? bar().window : nullptr; }
int MenuBarMenu() { return bar().menu; }
int MenuBarItem() { return bar().item; }

void OpenMenuBar(TWindow* window) {
  const TMenuBar* menus = WindowMenu(window);
  if (!menus || menus->Menus().empty()) return;
  MenuBarState& s = bar();
  TWindow* before = MenuBarWindow();
  if (before && before != window) CloseMenuBar();
  s.window = window;
  s.menu = 0;
  s.item = -1;
  refresh(window, before != window);
}

void CloseMenuBar() {
  TWindow* window = MenuBarWindow();
  bar().window = nullptr;
  if (window) refresh(window, false);
}

bool MenuBarTakes(const TEvent& event) {
  MenuBarState& s = bar();
  const bool open = MenuBarWindow() != nullptr;
  switch (event.id) {
    case EVENT_APPSUSPEND:
      s.altHeld = false;
      s.altAlone = false;
      if (open) CloseMenuBar();
      return false;
    case EVENT_KEYDOWN:
    case EVENT_KEYREPEAT:
      if (isAlt(event.data)) {
        if (event.id == EVENT_KEYDOWN) {
          s.altHeld = true;
          s.altAlone = true;
        }
      } else {
        s.altAlone = false;
      }
      if (!open) return false;
      s.takenKeys.insert(event.data);
      if (!isAlt(event.data)) pressKey(event.data);
      return true;
    case EVENT_KEYUP: {
      const bool taken = s.takenKeys.erase(event.data) > 0 || open;
      if (isAlt(event.data)) {
        const bool tap = s.altHeld && s.altAlone;
        s.altHeld = false;
        s.altAlone = false;
        if (tap) {
          if (open)
            CloseMenuBar();
          else
            OpenMenuBar(windowOf(event));
        }
      }
      return taken;
    }
    case EVENT_KEYCHAR: return open || !s.takenKeys.empty();
    case EVENT_MOUSEDOWN:
      s.altAlone = false;
      if (!open) return false;
      if (event.data > 0 && event.data < BUTTONS) s.takenButtons[event.data] = true;
      pressButton(event.x, event.y);
      return true;
    case EVENT_MOUSEUP:
      if (event.data > 0 && event.data < BUTTONS && s.takenButtons[event.data]) {
        s.takenButtons[event.data] = false;
        return true;
      }
      return open;
    case EVENT_MOUSEMOVE:
      if (!open) return false;
      movePointer(event.x, event.y);
      return true;
    case EVENT_MOUSEWHEEL: return open;
    default: return false;
  }
}

void DrawingBeforeFlip(TWindow* window) {
  TDrawBackend& backend = CurrentDrawBackend();
  if (window && MenuBarWindow() == window) {
    // The frame just drawn is what the bar lies over until the next one.
    backend.SnapshotCanvas();
    DrawMenuBar(*openMenus(), currentLayout(), bar().menu, bar().item);
  }
  backend.Flush();
  FlushDrawing();
}

void DrawingWindowFreed(TWindow* window) {
  if (bar().window == window) bar().window = nullptr;
}
