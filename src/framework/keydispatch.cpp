// TPellam's key dispatch: keys go to the page's live control; shift with no text entry
// open sends them without a control; F1-F10 and the digits may switch pages first.
#include "framework/pellam.h"
#include "platform/print.h"

namespace {

constexpr int kKeyReturn = 13;
constexpr int kKeyF1 = 112;
constexpr int kKeyF10 = 121;
constexpr int kKeyDigit0 = 48;
constexpr int kKeyDigit9 = 57;
constexpr int kKeyDigit1 = 49;

}  // namespace

int TPellam::EventKeyDown(int x, int y, int key, int ctrl, int cmd, int shift, int repeat) {
  // A key pressed while the pointer is over no control cancels a pending press.
  if (CurrentMoveCtrl == -1) CurrentDownCtrl = -1;
  if (shift != 0 && EditControl == 0) {
    MKeyDown(x, y, key, ctrl, cmd, shift, repeat, nullptr);
    return 0;
  }
  if (!ValidPage(CurrentPage)) return 0;
  const int live = PageActive[CurrentPage];
  if (live == -1) return 0;
  TMControl* control = Control(live);
  MMouseCursor(x, y, ctrl, cmd, shift, 0, control);

  if (PageOverlay == 0 && ActivatePageButton != 0) {
    if (key >= kKeyF1 && key <= kKeyF10) {
      SetMainPage(key - kKeyF1);
    } else if (KEY_MULTIPAGE >= 0 && key == KEY_MULTIPAGE) {
      Print("Orrery eventkeydown multipage");
    } else if (key >= kKeyDigit0 && key <= kKeyDigit9) {
      // 1 to 9 pick sub pages 0 to 8; 0 gives -1, which SetSubPage ignores.
      SetSubPage(key - kKeyDigit1);
    }
  }

  if (key == kKeyReturn && EventReturnPressed(x, y, control, ctrl, cmd, shift, 0) != 0) {
    RedrawUI(0);
    return 0;
  }
  MKeyDown(x, y, key, ctrl, cmd, shift, repeat, control);
  return 0;
}

int TPellam::EventKeyUp(int x, int y, int key, int ctrl, int cmd, int shift) {
  if (ValidPage(CurrentPage) && PageActive[CurrentPage] != -1)
    MKeyUp(x, y, key, ctrl, cmd, shift, nullptr);
  return 0;
}

int TPellam::EventKeyPlusMinus(int x, int y, int ctrl, int cmd, int shift, int zero) {
  if (CurrentMoveCtrl == -1) CurrentDownCtrl = -1;
  TMControl* control = nullptr;
  if (!(shift != 0 && EditControl == 0) && ValidPage(CurrentPage))
    control = Control(PageActive[CurrentPage]);
  MKeyPlusMinus(x, y, ctrl, cmd, shift, 0, control);
  return 0;
}
