// Windows on SDL with an OpenGL 2.1 compatibility context each.
#include "platform/window.h"

#include <SDL.h>
#include <SDL_opengl.h>

#include <algorithm>
#include <memory>
#include <vector>

#include "platform/drawglue.h"
#include "platform/events.h"
#include "platform/menus.h"
#include "platform/print.h"
#include "platform/sdlwindow.h"

class TWindow {
 public:
  SDL_Window* sdl = nullptr;
  SDL_GLContext gl = nullptr;
  int swapInterval = -1;  // not set yet
  TMenuBar menus;
};

namespace {

struct WindowList {
  std::vector<std::unique_ptr<TWindow>> windows;  // in creation order
  TWindow* graphics = nullptr;                    // whose context is current
};

WindowList& windowList() {
  static WindowList* list = new WindowList;
  return *list;
}

// The window itself when it is live, else null: stale pointers are answered as none.
TWindow* live(TWindow* window) {
  if (!window) return nullptr;
  for (const auto& w : windowList().windows)
    if (w.get() == window) return window;
  return nullptr;
}

SDL_Window* sdlOf(TWindow* window) {
  TWindow* w = live(window);
  return w ? w->sdl : nullptr;
}

struct GlFormat {
  int alpha;
  int depth;
};

// Creates the SDL window and its context, with fewer buffer bits when the display
// cannot give all of them.
bool createWithContext(TWindow& window, const std::string& title, int x, int y, int width,
                       int height, Uint32 flags) {
  static const GlFormat formats[] = {{8, 24}, {8, 16}, {0, 24}, {0, 16}};
  for (const GlFormat& format : formats) {
    SDL_GL_ResetAttributes();
    SDL_GL_SetAttribute(SDL_GL_CONTEXT_MAJOR_VERSION, 2);
    SDL_GL_SetAttribute(SDL_GL_CONTEXT_MINOR_VERSION, 1);
    SDL_GL_SetAttribute(SDL_GL_CONTEXT_PROFILE_MASK, SDL_GL_CONTEXT_PROFILE_COMPATIBILITY);
    SDL_GL_SetAttribute(SDL_GL_DOUBLEBUFFER, 1);
    SDL_GL_SetAttribute(SDL_GL_RED_SIZE, 8);
    SDL_GL_SetAttribute(SDL_GL_GREEN_SIZE, 8);
    SDL_GL_SetAttribute(SDL_GL_BLUE_SIZE, 8);
    SDL_GL_SetAttribute(SDL_GL_ALPHA_SIZE, format.alpha);
    SDL_GL_SetAttribute(SDL_GL_DEPTH_SIZE, format.depth);
    window.sdl = SDL_CreateWindow(title.c_str(), x, y, width, height, flags);
    if (!window.sdl) continue;
    window.gl = SDL_GL_CreateContext(window.sdl);
    if (window.gl) {
      if (format.alpha == 0) Print("CreateWindow: no alpha buffer");
      return true;
    }
    SDL_DestroyWindow(window.sdl);
    window.sdl = nullptr;
  }
  Print(std::string("CreateWindow failed: ") + SDL_GetError());
  return false;
}

void clearToBlack(TWindow& window) {
  glClearColor(0.0f, 0.0f, 0.0f, 1.0f);
  for (int buffer = 0; buffer < 2; ++buffer) {
    glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
    SDL_GL_SwapWindow(window.sdl);
  }
}

}  // namespace

TWindow* CreateWindow(const std::string& title, int x, int y, int width, int height, int style,
                      int minWidth, int minHeight) {
  if (!SDL_WasInit(SDL_INIT_VIDEO)) {
    Print("CreateWindow: no video");
    return nullptr;
  }
  minWidth = std::max(minWidth, 0);
  minHeight = std::max(minHeight, 0);
  width = std::max({width, minWidth, 1});
  height = std::max({height, minHeight, 1});
  Uint32 flags = SDL_WINDOW_OPENGL | SDL_WINDOW_SHOWN;
  if (!(style & WINDOW_TITLEBAR)) flags |= SDL_WINDOW_BORDERLESS;
  if (style & WINDOW_RESIZABLE) flags |= SDL_WINDOW_RESIZABLE;

  FlushDrawing();  // the new context becomes current
  auto window = std::make_unique<TWindow>();
  if (!createWithContext(*window, title, x, y, width, height, flags)) return nullptr;
  if (minWidth > 0 || minHeight > 0)
    SDL_SetWindowMinimumSize(window->sdl, std::max(minWidth, 1), std::max(minHeight, 1));
  // A window manager puts its frame where the window was asked, pushing the client area
  // right and down. It has told the frame's size by the time the window is shown; then
  // the client area moves where it was asked.
  SDL_PumpEvents();
  int top = 0, left = 0, bottom = 0, right = 0;
  SDL_GetWindowBordersSize(window->sdl, &top, &left, &bottom, &right);
  if (!(style & WINDOW_CLIENTCOORDS)) {
    // The rectangle given was the frame's: the client area lies inside its borders.
    SDL_SetWindowSize(window->sdl, std::max(width - left - right, 1),
                      std::max(height - top - bottom, 1));
    x += left;
    y += top;
  }
  SDL_SetWindowPosition(window->sdl, x, y);
  clearToBlack(*window);
  WindowList& list = windowList();
  list.windows.push_back(std::move(window));
  list.graphics = list.windows.back().get();
  return list.graphics;
}

void FreeWindow(TWindow* window) {
  if (!live(window)) return;
  WindowList& list = windowList();
  PurgeEvents(window);
  DrawingWindowFreed(window);
  window->menus.Clear();
  if (list.graphics == window) {
    FlushDrawing();
    SDL_GL_MakeCurrent(window->sdl, nullptr);
    list.graphics = nullptr;
  }
  SDL_GL_DeleteContext(window->gl);
  SDL_DestroyWindow(window->sdl);
  std::erase_if(list.windows, [window](const auto& w) { return w.get() == window; });
  if (!list.graphics && !list.windows.empty()) SetGraphicsWindow(list.windows.back().get());
}

void FreeAllWindows() {
  while (TWindow* window = LastWindow()) FreeWindow(window);
}

TWindow* LastWindow() {
  auto& windows = windowList().windows;
  return windows.empty() ? nullptr : windows.back().get();
}

int WindowX(TWindow* window) {
  int x = 0;
  if (SDL_Window* w = sdlOf(window)) SDL_GetWindowPosition(w, &x, nullptr);
  return x;
}

int WindowY(TWindow* window) {
  int y = 0;
  if (SDL_Window* w = sdlOf(window)) SDL_GetWindowPosition(w, nullptr, &y);
  return y;
}

int WindowWidth(TWindow* window) {
  int width = 0;
  if (SDL_Window* w = sdlOf(window)) SDL_GetWindowSize(w, &width, nullptr);
  return width;
}

int WindowHeight(TWindow* window) {
  int height = 0;
  if (SDL_Window* w = sdlOf(window)) SDL_GetWindowSize(w, nullptr, &height);
  return height;
}

std::string WindowTitle(TWindow* window) {
  SDL_Window* w = sdlOf(window);
  return w ? std::string(SDL_GetWindowTitle(w)) : std::string();
}

void SetWindowTitle(TWindow* window, const std::string& title) {
  if (SDL_Window* w = sdlOf(window)) SDL_SetWindowTitle(w, title.c_str());
}

void SetTitleOfLastWindow(const std::string& title) { SetWindowTitle(LastWindow(), title); }

void SetWindowMinSize(TWindow* window, int width, int height) {
  if (SDL_Window* w = sdlOf(window))
    SDL_SetWindowMinimumSize(w, std::max(width, 1), std::max(height, 1));
}

void SetWindowShape(TWindow* window, int x, int y, int width, int height) {
  SDL_Window* w = sdlOf(window);
  if (!w) return;
  Uint32 flags = SDL_GetWindowFlags(w);
  if (flags & SDL_WINDOW_FULLSCREEN) SDL_SetWindowFullscreen(w, 0);
  if (flags & (SDL_WINDOW_MAXIMIZED | SDL_WINDOW_MINIMIZED)) SDL_RestoreWindow(w);
  SDL_SetWindowPosition(w, x, y);
  SDL_SetWindowSize(w, std::max(width, 1), std::max(height, 1));
}

void MinimizeWindow(TWindow* window) {
  if (SDL_Window* w = sdlOf(window)) SDL_MinimizeWindow(w);
}

void MaximizeWindow(TWindow* window) {
  if (SDL_Window* w = sdlOf(window)) SDL_MaximizeWindow(w);
}

void RestoreWindow(TWindow* window) {
  if (SDL_Window* w = sdlOf(window)) SDL_RestoreWindow(w);
}

void SetWindowFullScreen(TWindow* window, bool on) {
  if (SDL_Window* w = sdlOf(window)) SDL_SetWindowFullscreen(w, on ? SDL_WINDOW_FULLSCREEN_DESKTOP : 0);
}

void ToggleFullScreen(TWindow* window) { SetWindowFullScreen(window, !WindowFullScreen(window)); }

bool WindowFullScreen(TWindow* window) {
  SDL_Window* w = sdlOf(window);
  return w && (SDL_GetWindowFlags(w) & SDL_WINDOW_FULLSCREEN);
}

bool WindowMinimized(TWindow* window) {
  SDL_Window* w = sdlOf(window);
  return w && (SDL_GetWindowFlags(w) & SDL_WINDOW_MINIMIZED);
}

bool WindowMaximized(TWindow* window) {
  SDL_Window* w = sdlOf(window);
  return w && (SDL_GetWindowFlags(w) & SDL_WINDOW_MAXIMIZED);
}

void FocusWindow(TWindow* window) {
  if (SDL_Window* w = sdlOf(window)) {
    SDL_RaiseWindow(w);
    SDL_SetWindowInputFocus(w);
  }
}

TMenuBar* WindowMenu(TWindow* window) {
  TWindow* w = live(window);
  return w ? &w->menus : nullptr;
}

namespace {
// The display the newest window is on; the first one before any window.
int desktopDisplay() {
  SDL_Window* w = sdlOf(LastWindow());
  return w ? std::max(SDL_GetWindowDisplayIndex(w), 0) : 0;
}

SDL_DisplayMode desktopMode() {
  SDL_DisplayMode mode{};
  if (!SDL_WasInit(SDL_INIT_VIDEO)) return mode;
  if (SDL_GetDesktopDisplayMode(desktopDisplay(), &mode) != 0) mode = SDL_DisplayMode{};
  return mode;
}
}  // namespace

int DesktopWidth() { return desktopMode().w; }
int DesktopHeight() { return desktopMode().h; }

TDesktopArea DesktopUsableArea() {
  SDL_Rect area{};
  if (!SDL_WasInit(SDL_INIT_VIDEO) || SDL_GetDisplayUsableBounds(desktopDisplay(), &area) != 0)
    return {};
  return {area.x, area.y, area.w, area.h};
}

TFrameRoom WindowFrame(TWindow* window) {
  TFrameRoom frame;
  if (SDL_Window* w = sdlOf(window))
    if (SDL_GetWindowBordersSize(w, &frame.top, &frame.left, &frame.bottom, &frame.right) != 0)
      frame = {};
  return frame;
}

void SetGraphicsWindow(TWindow* window) {
  TWindow* w = live(window);
  if (!w) return;
  if (w != windowList().graphics) FlushDrawing();  // what was drawn belongs to the old context
  SetDrawingArea(false, 0, 0, 0, 0);
  if (SDL_GL_MakeCurrent(w->sdl, w->gl) != 0) return;
  windowList().graphics = w;
}

void SetGraphicsWindowArea(TWindow* window, int x, int y, int width, int height) {
  SetGraphicsWindow(window);
  if (live(window) && GraphicsWindow() == live(window)) SetDrawingArea(true, x, y, width, height);
}

TWindow* GraphicsWindow() { return live(windowList().graphics); }

void Flip(int vsync) {
  TWindow* w = GraphicsWindow();
  if (!w) return;
  int interval = vsync ? 1 : 0;
  if (w->swapInterval != interval) {
    SDL_GL_SetSwapInterval(interval);
    w->swapInterval = interval;
  }
  DrawingBeforeFlip(w);  // the open menu bar goes over the frame; batched drawing is drawn
  SDL_GL_SwapWindow(w->sdl);
}

SDL_Window* SdlWindow(TWindow* window) { return sdlOf(window); }

SDL_GLContext SdlGlContext(TWindow* window) {
  TWindow* w = live(window);
  return w ? w->gl : nullptr;
}

TWindow* WindowFromSdlId(Uint32 windowId) {
  SDL_Window* sdl = windowId ? SDL_GetWindowFromID(windowId) : nullptr;
  if (!sdl) return nullptr;
  for (const auto& w : windowList().windows)
    if (w->sdl == sdl) return w.get();
  return nullptr;
}
