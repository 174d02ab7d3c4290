// TMUIDraw2: construction and destruction, the empty drawing hooks and the small setters.
#include "framework/muidraw2.h"

#include "framework/drawstate.h"
#include "framework/trackpad.h"
#include "platform/window.h"

TMUIDraw2::TMUIDraw2() = default;

TMUIDraw2::~TMUIDraw2() {
  DestroyTrackpadHandler(GfxHandle);
  DestroyTrackpadHandler(GLGfxHandle);
  AppGlCanvas.reset();
  AppCanvas.reset();
  FreeWindow(AppWindow);
}

int TMUIDraw2::MGLResize(TMControl* control) { return 0; }
int TMUIDraw2::MGLDraw(TMControl* control) { return 0; }
int TMUIDraw2::MPreDraw(TMControl* control) { return 0; }
int TMUIDraw2::MCustomDraw(TMControl* control, int live) { return 0; }
int TMUIDraw2::MPageInit(int page) { return 0; }
int TMUIDraw2::MResize() { return 0; }
int TMUIDraw2::MPageRedraw(int page) { return 0; }
int TMUIDraw2::FontInit(int step) { return 0; }
int TMUIDraw2::MCustomInit(TMControl* control) { return 0; }

int TMUIDraw2::DontShowCtrlHighlight() {
  AppShowCtrlHighlight = 0;
  return 0;
}

int TMUIDraw2::SetWindowPos(int x, int y) {
  AppXPos = x;
  AppYPos = y;
  return 0;
}

int TMUIDraw2::SetBG(int red, int green, int blue) {
  AppBG = 1;
  AppBGRed = red;
  AppBGGreen = green;
  AppBGBlue = blue;
  return 0;
}
