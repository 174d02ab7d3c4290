// TPellam's hooks for the application: every one does nothing and returns 0, so an
// application overrides only the ones it needs.
#include "framework/pellam.h"

int TPellam::MMouseClicked(int x, int y, int ctrl, int cmd, int shift, TMControl* control) {
  return 0;
}
int TPellam::MMouseDragClicked(int x, int y, int ctrl, int cmd, int shift, TMControl* control) {
  return 0;
}
int TPellam::MMouseDown(int x, int y, int ctrl, int cmd, int shift, TMControl* control) {
  return 0;
}
int TPellam::MEditChanged(TMControl* control) { return 0; }
int TPellam::MMouseUp(int x, int y, int ctrl, int cmd, int shift, TMControl* control) {
  return 0;
}
int TPellam::MDoubleClick(int x, int y, int ctrl, int cmd, int shift, TMControl* control) {
  return 0;
}
int TPellam::MMouseMove(int x, int y, int ctrl, int cmd, int shift, int button,
                        TMControl* control) {
  return 0;
}
int TPellam::MMouseCursor(int x, int y, int ctrl, int cmd, int shift, int button,
                          TMControl* control) {
  return 0;
}
int TPellam::MMouseWheel(int direction, int x, int y, int total, TMControl* control) {
  return 0;
}
int TPellam::MKeyUp(int x, int y, int key, int ctrl, int cmd, int shift, TMControl* control) {
  return 0;
}
int TPellam::MKeyPlusMinus(int x, int y, int ctrl, int cmd, int shift, int zero,
                           TMControl* control) {
  return 0;
}
int TPellam::MKeyDown(int x, int y, int key, int ctrl, int cmd, int shift, int repeat,
                      TMControl* control) {
  return 0;
}
int TPellam::MReturnDown(int a, int b, int c, int d, int e, TMControl* control) { return 0; }
int TPellam::MMenu(int eventId, int itemId, void* source) { return 0; }
int TPellam::MSongTimer() { return 0; }
int TPellam::MStopSongTimer() { return 0; }
int TPellam::MTimer(int slot) { return 0; }
int TPellam::MFullSwipe(int delta, TMControl* control) { return 0; }
int TPellam::MSwipe(int code, int delta, TMControl* control) { return 0; }
int TPellam::MRotate(int code, TMControl* control) { return 0; }
int TPellam::MMagnify(int code, int ctrl, int cmd, int shift, TMControl* control) { return 0; }
int TPellam::MTrueMagnify(float amount, TMControl* control) { return 0; }
int TPellam::MGestureStart(TMControl* control) { return 0; }
int TPellam::MTransport() { return 0; }
int TPellam::MFullScreen() { return 0; }
int TPellam::CustomInit(TMControl* control) { return 0; }
