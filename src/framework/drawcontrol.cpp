// TMUIDraw2's DrawControl: the steps every control takes (visibility on its page's
// layers, master alpha, clipping to its box, the MPreDraw hook), the controls the
// application draws itself through MCustomDraw with their hover mark, and the hand-over
// of the framework's own kinds to the draw-type table.
#include "framework/drawstate.h"
#include "framework/drawtypes.h"
#include "framework/imagecontrols.h"
#include "framework/muidraw2.h"
#include "platform/draw2d.h"

namespace {
constexpr int kDrawAsType = -999;  // draw the control as its nType
constexpr float kDisabledAlpha = 0.3f;
}  // namespace

int TMUIDraw2::DrawControl(TMControl* control, int drawType) {
  if (control == nullptr) return 0;
  const int page = control->bPage;
  const int mask = page >= 0 && page < kPageLayerCount ? PageLayer[page] : 0;
  if (mask == 0 || control->bShown == 0 || (control->bShown & mask) == 0) return 0;

  MAlpha(control->bEnabled != 0 ? 1.0f : kDisabledAlpha);
  if (drawType == kDrawAsType) drawType = control->nType;
  // Left clipped to the box; whoever draws next sets the viewport it needs.
  SetViewport(control->nX, control->nY, control->nWidth, control->nHeight);
  MPreDraw(control);

  const int live = ValidPage(page) && PageActive[page] == control->nArrayPos ? 1 : 0;
  if (drawType >= kDrawCustom) {
    MCustomDraw(control, live);
    if (control->bLive != 0)
      MCheckOver(control->nX, control->nY, control->nWidth, control->nHeight, live);
    return 0;
  }
  const int over = control->bOver != 0 ? control->bEnabled : 0;
  if (TDrawTypeRenderer draw = DrawTypeRenderer(drawType))
    draw(*this, *control, drawType, live, over);
  return 0;
}
