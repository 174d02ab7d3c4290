// Windows with an OpenGL 2.1 canvas: creation with a style and a minimum size, client
// size and position, title, minimise, maximise, full screen on the desktop, shape,
// keyboard focus, the desktop's size and the part of it left for windows, and the buffer
// swap. Coordinates are pixels.
// Every function takes a window that is not live (null or freed) as "nothing".
#pragma once
#include <string>

class TWindow;
class TMenuBar;

constexpr int WINDOW_TITLEBAR = 1;
constexpr int WINDOW_RESIZABLE = 2;
constexpr int WINDOW_CLIENTCOORDS = 32;  // position and size are the client area's
constexpr int WINDOW_ACCEPTFILES = 128;  // accepted; no event carries dropped files yet

// A shown window whose OpenGL context (double-buffered, alpha and depth buffers) is
// made current. Null when the window system refuses.
TWindow* CreateWindow(const std::string& title, int x, int y, int width, int height,
                      int style, int minWidth = 0, int minHeight = 0);
// Frees the window and its menus; its events still waiting are dropped.
void FreeWindow(TWindow* window);
void FreeAllWindows();
TWindow* LastWindow();  // the most recently created live window, or null

int WindowX(TWindow* window);       // client area position on the desktop
int WindowY(TWindow* window);
int WindowWidth(TWindow* window);   // client area size
int WindowHeight(TWindow* window);
std::string WindowTitle(TWindow* window);
void SetWindowTitle(TWindow* window, const std::string& title);
void SetTitleOfLastWindow(const std::string& title);
void SetWindowMinSize(TWindow* window, int width, int height);
// Leaves full screen, maximised or minimised state first.
void SetWindowShape(TWindow* window, int x, int y, int width, int height);
void MinimizeWindow(TWindow* window);
void MaximizeWindow(TWindow* window);
void RestoreWindow(TWindow* window);  // from minimised or maximised
void SetWindowFullScreen(TWindow* window, bool on);
void ToggleFullScreen(TWindow* window);
bool WindowFullScreen(TWindow* window);
bool WindowMinimized(TWindow* window);
bool WindowMaximized(TWindow* window);
void FocusWindow(TWindow* window);  // raise it and give it the keyboard focus
TMenuBar* WindowMenu(TWindow* window);  // its menu bar; null for a window not live

int DesktopWidth();
int DesktopHeight();

// A rectangle of the desktop, or the room round a client area, in pixels.
struct TDesktopArea {
  int x = 0;
  int y = 0;
  int width = 0;
  int height = 0;
};
struct TFrameRoom {
  int left = 0;
  int top = 0;
  int right = 0;
  int bottom = 0;
  bool operator==(const TFrameRoom&) const = default;
};
// The desktop less the panels and docks the window manager keeps clear; empty without a
// display.
TDesktopArea DesktopUsableArea();
// The room the window manager's frame (title bar and borders) takes round the client
// area; none where no window manager has told it.
TFrameRoom WindowFrame(TWindow* window);

// Makes the window's OpenGL context current; Flip swaps that window's buffers, waiting
// for the vertical blank when vsync is non-zero.
void SetGraphicsWindow(TWindow* window);
TWindow* GraphicsWindow();
// Makes the window current as SetGraphicsWindow does, with a canvas of its own: the
// rectangle (x, y, width, height) of its client area. Drawing there starts at (0, 0) in
// the rectangle's top left, sizes the canvas by it, and never lands outside it.
void SetGraphicsWindowArea(TWindow* window, int x, int y, int width, int height);
void Flip(int vsync = 1);
