// TPellam's menu commands: the Window menu's Minimize, Maximize, Full Screen, Restore To
// Default and Quit are carried out here; every other menu item reaches the application's
// MMenu.
#include "framework/pellam.h"
#include "platform/print.h"
#include "platform/window.h"

namespace {
// Where "Restore To Default" puts the window.
constexpr int kDefaultWindowX = 200;
constexpr int kDefaultWindowY = 100;
}  // namespace

// The window layer's size as last measured; after Maximize and Full Screen that is still
// the size from before the command, until the window's size event is handled.
void TPellam::RecomputeFullScreen() {
  const int desktopWidth = CurrentDesktopWidth();
  AppFullScreen = desktopWidth > 0 && AppWidth == desktopWidth &&
                          AppHeight == CurrentDesktopHeight()
                      ? 1
                      : 0;
}

int TPellam::ToggleFullScreenCommand() {
  ToggleFullScreen(AppWindow);
  Print("OrreryEventMenu MENU_FULLSCREEN");
  RecomputeFullScreen();
  MFullScreen();
  return 0;
}

int TPellam::EventMenu(int eventId, int itemId, void* source) {
  switch (itemId) {
    case kMenuFullScreen: ToggleFullScreenCommand(); break;
    case kMenuMinimize: MinimizeWindow(AppWindow); break;
    case kMenuMaximize:
      MaximizeWindow(AppWindow);
      RecomputeFullScreen();
      break;
    case kMenuRestoreDefault: {
      Print("OrreryEventMenu MENU_RESTOREDEFAULT");
      const int desktopWidth = CurrentDesktopWidth();
      if (desktopWidth > 0 && AppWidth == desktopWidth && AppHeight == CurrentDesktopHeight()) {
        Print("FULLSCREEN");
        ToggleFullScreenCommand();
      }
      AppResize = 1;
      // The first size at the first place, raised and fitted as at start; the window's
      // minimum follows the fitted one.
      PlaceWindow(kDefaultWindowX, kDefaultWindowY, AppDefaultWidth, AppDefaultHeight);
      SetWindowMinSize(AppWindow, AppMinWidth, AppMinHeight);
      SetWindowShape(AppWindow, AppXPos, AppYPos, AppWidth, AppHeight);
      SetShowStatus(AppShowStatus);
      SetShowGrid(GridShow);
      ResetGraphics();
      RecomputeFullScreen();
      RedrawUI(0);
      break;
    }
    case kMenuQuit: quitRequested_ = true; break;
    default: MMenu(eventId, itemId, source); break;
  }
  return 0;
}
