// TMUIDraw2's window: creating it with its canvas and menus, re-measuring after every
// change of the window (status-bar height, font step, grid steps, layout, full-screen
// flag), the grid and status-bar setters, the OpenGL view's canvas and the trackpad
// handlers of both canvases.
#include <algorithm>
#include <string>

#include "framework/apptitle.h"
#include "framework/drawstate.h"
#include "framework/muidraw2.h"
#include "framework/trackpad.h"
#include "platform/draw2d.h"
#include "platform/events.h"
#include "platform/menus.h"
#include "platform/print.h"
#include "platform/window.h"

namespace {

// The font step and status-bar height for a window size; the first matching row wins.
struct FontStep {
  int step;
  int statusHeight;
};

FontStep FontStepFor(int width, int height) {
  if (width > 1700 && height > 1000) return {5, kStatusHeightLarge};
  if (width > 1500 && height > 1000) return {4, kStatusHeightMedium};
  if (width < 1152 && height < 840) return {1, kStatusHeightSmall};
  if (width < 1252 && height < 960) return {2, kStatusHeightSmall};
  return {3, kStatusHeightSmall};
}

// The room a frame may take round the client area where no window manager has told it:
// before the first window, or with none at all. It also keeps a window the program fits
// smaller than the desktop, so that it never counts as full screen.
constexpr TFrameRoom kFrameAllowance = {.left = 4, .top = 40, .right = 4, .bottom = 8};

float StepOf(int pixels, int cells) {
  // A grid without cells has no line distance.
  return cells > 0 ? static_cast<float>(pixels) / static_cast<float>(cells) : 0.0f;
}

}  // namespace

int TMUIDraw2::SetGraphicsResize(int width, int height, int minWidth, int minHeight, int maxWidth,
                                 int maxHeight) {
  AppWidth = width;
  AppHeight = height;
  if (minWidth == -1 || minHeight == -1) {
    AppMinWidth = width;
    AppMinHeight = height;
  } else {
    AppMinWidth = minWidth;
    AppMinHeight = minHeight;
  }
  if (maxWidth == -1 || maxHeight == -1) {
    AppMaxWidth = width;
    AppMaxHeight = height;
  } else {
    AppMaxWidth = maxWidth;
    AppMaxHeight = maxHeight;
  }
  AppDefaultWidth = width;
  AppDefaultHeight = height;
  PlaceWindow(AppXPos, AppYPos, width, height);

  // The OpenGL view and the canvas belong to the old window and go with it.
  DestroyGL();
  AppCanvas.reset();
  if (AppWindow != nullptr) FreeWindow(AppWindow);
  AppWindow = CreateWindow(AppTitle, AppXPos, AppYPos, AppWidth, AppHeight, AppFlags, AppMinWidth,
                           AppMinHeight);
  MakeMainCanvas();
  BuildMenus();

  // Only the first window can open in full screen.
  if (AppStarted == 0 && AppFullScreen != 0) SetWindowFullScreen(AppWindow, true);
  AppStarted = 1;

  ResetGraphics();
  SetShowGrid(GridShow);
  return 0;
}

void TMUIDraw2::PlaceWindow(int x, int y, int width, int height) {
  const TDesktopArea area = CurrentUsableArea();
  // Without a desktop to measure, the place and size stay as asked.
  const bool measured = area.width > 0 && area.height > 0;
  // The whole client area lies inside the area, clear of the frame round it.
  TFrameRoom frame = WindowFrame(AppWindow);
  if (frame == TFrameRoom{}) frame = kFrameAllowance;
  const int roomWidth = std::max(1, area.width - frame.left - frame.right);
  const int roomHeight = std::max(1, area.height - frame.top - frame.bottom);
  if (measured) {
    // A minimum the room cannot hold comes down to it; else the window's own minimum
    // would raise it off the desktop, past its canvas.
    AppMinWidth = std::min(AppMinWidth, roomWidth);
    AppMinHeight = std::min(AppMinHeight, roomHeight);
  }
  AppXPos = x;
  AppYPos = y;
  AppWidth = std::max(width, AppMinWidth);
  AppHeight = std::max(height, AppMinHeight);
  if (!measured) return;
  // One the size of the desktop is the player's full screen and stays.
  if (AppWidth == CurrentDesktopWidth() && AppHeight == CurrentDesktopHeight()) {
    AppXPos = AppYPos = 0;
    return;
  }
  // A place or size saved on a larger display never opens the window off this one.
  AppWidth = std::min(AppWidth, roomWidth);
  AppHeight = std::min(AppHeight, roomHeight);
  AppXPos = std::clamp(x, area.x + frame.left, area.x + frame.left + roomWidth - AppWidth);
  AppYPos = std::clamp(y, area.y + frame.top, area.y + frame.top + roomHeight - AppHeight);
}

void TMUIDraw2::MakeMainCanvas() {
  if (AppWindow == nullptr) return;
  // It fills the window as the window system made it, so that the picture and the
  // pointer, which ResetGraphics measures from the canvas, cover the same pixels.
  AppCanvas =
      std::make_unique<TCanvas>(AppWindow, 0, 0, WindowWidth(AppWindow), WindowHeight(AppWindow));
  AppCanvas->BindEdges();
  AppCanvas->Focus();
  // A handler of the old canvas was detached with it; the new canvas takes its place.
  if (GfxHandle != 0) {
    DestroyTrackpadHandler(GfxHandle);
    GfxHandle = CreateTrackpadHandler(AppCanvas.get());
  }
}

void TMUIDraw2::BuildMenus() {
  TMenuBar* bar = WindowMenu(AppWindow);
  if (bar == nullptr) return;
  TMenu* window = bar->AddMenu("Window", 0);
  bar->AddItem(window, "Minimize", kMenuMinimize, 'M', MODIFIER_COMMAND);
  bar->AddItem(window, "Maximize", kMenuMaximize);
  bar->AddSeparator(window);
  bar->AddItem(window, "Full Screen", kMenuFullScreen, 'F', MODIFIER_COMMAND | MODIFIER_CONTROL);
  bar->AddSeparator(window);
  bar->AddItem(window, "Restore To Default", kMenuRestoreDefault);
  bar->AddSeparator(window);
  // Command stands for Control too, so Ctrl+Q and Super+Q both quit.
  bar->AddItem(window, "Quit", kMenuQuit, 'Q', MODIFIER_COMMAND);
  TMenu* help = bar->AddMenu("Help", 0);
  bar->AddItem(help, AppTitle + " Help", kMenuHelp);
}

int TMUIDraw2::ResetGraphics() {
  Print("ResetGraphics");
  AppWidth = CurrentGraphicsWidth();
  AppHeight = CurrentGraphicsHeight();
  if (AppWidth < AppMinWidth) AppWidth = AppMinWidth;
  if (AppHeight < AppMinHeight) AppHeight = AppMinHeight;

  if (AppShowStatus == 0) {
    AppStatusHeight = 0;
  } else {
    AppStatusHeight = kStatusHeightSmall;
    // Fonts follow the window size only once the application has loaded an image font.
    if (ImageFont != nullptr) {
      const FontStep choice = FontStepFor(AppWidth, AppHeight);
      AppStatusHeight = choice.statusHeight;
      FontInit(choice.step);
      Print("ImageFont loaded");
      SetImageFont(ImageFont);
    }
  }

  AppGraphicHeight = AppHeight - AppStatusHeight;
  SetShowStatus(AppShowStatus);
  SetShowGrid(GridShow);
  ResetControlPositions(AppWidth, AppHeight, AppStatusHeight);
  ResetGLWindow();
  RedrawUI(0);
  Print("new height=" + std::to_string(AppHeight) + " " + std::to_string(AppGraphicHeight) + "   " +
        std::to_string(AppStatusHeight));

  const int desktopWidth = CurrentDesktopWidth();
  const int desktopHeight = CurrentDesktopHeight();
  AppFullScreen =
      desktopWidth > 0 && desktopWidth == AppWidth && desktopHeight == AppHeight ? 1 : 0;
  return 0;
}

int TMUIDraw2::SetGrid(int x, int y) {
  GridX = x;
  GridY = y;
  AppGridX = x;
  AppGridY = y;
  return 0;
}

int TMUIDraw2::SetShowGrid(int on) {
  GridShow = on;
  GridXStep = StepOf(AppWidth, GridX);
  SetShowStatus(AppShowStatus);
  GridYStep = StepOf(AppShowStatus != 0 ? AppGraphicHeight : AppHeight, GridY);
  return 0;
}

int TMUIDraw2::SetShowStatus(int on) {
  AppShowStatus = on;
  GotStatus = on;
  if (on != 0) {
    AppGraphicHeight = AppHeight - AppStatusHeight;
  } else {
    AppGraphicHeight = AppHeight;
    AppStatusHeight = 0;
  }
  return 0;
}

int TMUIDraw2::DestroyGL() {
  if (AppGlCanvas) {
    AppGlCanvas->SetShown(false);
    AppGlCanvas.reset();
  }
  AppGLDraw = -1;
  return 0;
}

int TMUIDraw2::ResetGLWindow() {
  DestroyGL();
  if (AppCanvas) AppCanvas->Focus();
  return 0;
}

int TMUIDraw2::ResetGlGesture() {
  if (AppGlCanvas) AppGlCanvas->MakeCurrent();
  if (GLGfxHandle != 0) DestroyTrackpadHandler(GLGfxHandle);
  GLGfxHandle = CreateTrackpadHandler(AppGlCanvas.get());
  return 0;
}

int TMUIDraw2::InitTrackpad() {
  Print("InitTrackpad");
  if (AppCanvas) AppCanvas->MakeCurrent();
  if (GfxHandle != 0) DestroyTrackpadHandler(GfxHandle);
  GfxHandle = CreateTrackpadHandler(AppCanvas.get());
  return 0;
}

int TMUIDraw2::CurrentGraphicsWidth() { return AppCanvas ? AppCanvas->Width() : 0; }

int TMUIDraw2::CurrentGraphicsHeight() { return AppCanvas ? AppCanvas->Height() : 0; }

int TMUIDraw2::CurrentDesktopWidth() { return DesktopWidth(); }

int TMUIDraw2::CurrentDesktopHeight() { return DesktopHeight(); }

TDesktopArea TMUIDraw2::CurrentUsableArea() { return DesktopUsableArea(); }
