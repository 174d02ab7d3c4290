// The control that places the OpenGL view: it makes the view's canvas (a region of the
// main window) at its box on first draw and names itself the view the GL redraw draws.
#include <memory>

#include "framework/canvas.h"
#include "framework/muidraw2.h"
#include "framework/statedrawtypes.h"

int DrawGLView(TMUIDraw2& app, TMControl& c, int, int, int) {
  // A control placed right of the grid gets no canvas.
  if (!app.AppGlCanvas && c.bXPos <= static_cast<float>(app.GridX)) {
    app.AppGlCanvas = std::make_unique<TCanvas>(app.AppWindow, c.nX, c.nY, c.nWidth, c.nHeight);
    app.ResetGlGesture();
    app.MGLResize(&c);
  }
  if (app.AppGlCanvas) app.AppGLDraw = c.nArrayPos;
  return 0;
}
