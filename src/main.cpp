// The program body: start-up in the overview's order, the event loop, shut-down.
// The game's own class is not built yet; until it is, the one full-window control is
// drawn black by a small stand-in application on the framework.
#include "audio/driverregistry.h"
#include "framework/apptitle.h"
#include "framework/ini.h"
#include "framework/pellam.h"
#include "framework/random.h"
#include "platform/draw2d.h"
#include "platform/platform.h"
#include "platform/print.h"

namespace {

class TQuillonStandIn : public TPellam {
 public:
  int MTimer(int slot) override {
    if (slot == 1) RedrawUI(0);
    return 0;
  }
  int MCustomDraw(TMControl* control, int live) override {
    SetAlpha(1.0f);
    SetColor(0, 0, 0);
    DrawRect(static_cast<float>(control->nX), static_cast<float>(control->nY),
             static_cast<float>(control->nWidth), static_cast<float>(control->nHeight));
    return 0;
  }
};

}  // namespace

int main(int argc, char** argv) {
  PlatformInit();
  InitRandomModule();
  InitIniModule();
  InitPellamModule();
  InitAudioDrivers();

  AppTitle = "Quillon::Campaign";
  Print("Setting up orrery");
  {
    TQuillonStandIn app;
    app.SetGraphicsResize(960, 640, 960, 640, -1, -1);
    app.SetGrid(60, 40);
    app.SetShowStatus(0);
    app.TOrreryControl::Init();
    app.AddPage(0);
    app.AddControl(kDrawCustom, kDrawCustom, 0, 0, 1, 0, 0.0f, 60.0f, 0, 0.0f, 40.0f, 0, 0, 1, 1, 1,
                   0, "", "", 0, 0, 0, 0, 0, "");
    app.ResetControlPositions(app.AppWidth, app.AppHeight, app.AppStatusHeight);
    app.DontShowCtrlHighlight();
    app.SetBG(0, 0, 0);
    app.SetVersion("Version 1.0");
    app.SetTitle("Quillon");
    app.FontInit(3);
    app.SetTimer(1, 60);
    app.ProgMain();
  }
  // The at-exit shutdown of the audio driver runs here too, before SDL goes away.
  ShutdownAudioDriver();
  PlatformShutdown();
  return 0;
}
