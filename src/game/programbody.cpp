// The program body: the application object made, its settings read, the window and its
// one full-window control set up, the game initialised, the event loop run, and the
// settings written back when the loop has ended.
#include "game/programbody.h"

#include <memory>

#include "framework/apptitle.h"
#include "framework/imageprefetch.h"
#include "game/pagelayout.h"
#include "game/quilloncore.h"
#include "game/sprites.h"
#include "platform/print.h"

namespace {

constexpr int kMinWidth = 960;
constexpr int kMinHeight = 640;
constexpr int kGridCellsX = 60;
constexpr int kGridCellsY = 40;

bool bodyEntered = false;

}  // namespace

int OpenQuillon(TQuillon& app) {
  // The sprite sheets decode while the window and its GL context are made.
  PrefetchImages(SpriteSheetFiles());
  app.TOrreryControl::Init();  // the control manager's tables in their start state
  app.SetGraphicsResize(app.AppWidth, app.AppHeight, kMinWidth, kMinHeight, -1, -1);
  app.SetGrid(kGridCellsX, kGridCellsY);
  app.SetShowStatus(0);
  app.ReadControls();
  app.ResetControlPositions(-1, -1, 0);
  app.DontShowCtrlHighlight();
  app.SetBG(0, 0, 0);
  app.SetVersion("Version 1.0");
  app.SetTitle("Quillon");
  app.FontInit(3);
  app._Init();
  return 0;
}

int RunQuillon() {
  if (bodyEntered) return 0;
  bodyEntered = true;
  return RunQuillonBody([] { return std::make_unique<TQuillon>(); });
}

int RunQuillonBody(const std::function<std::unique_ptr<TQuillon>()>& make) {
  RestoreLayoutData();

  AppTitle = "Quillon::Campaign";
  Print("Setting up orrery");
  std::unique_ptr<TQuillon> app = make();
  app->MStartupIni("Quillon/ProgramSetup.ini");
  OpenQuillon(*app);
  app->ProgMain();
  app->MShutdownIni();
  return 0;
}
