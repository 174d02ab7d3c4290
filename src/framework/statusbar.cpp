// TMUIDraw2's status bar: a strip below the page area in the status colour (lighter
// while the window is inactive), two edge lines, and one centred line of text: the help
// text when there is one, else the status text, or "Status: Waiting…" while inactive.
#include <string>

#include "framework/captions.h"
#include "framework/drawstate.h"
#include "framework/imagecache.h"
#include "framework/imagewrappers.h"
#include "framework/muidraw2.h"
#include "platform/draw2d.h"

namespace {

constexpr int kInactiveLift = 50;
// Colour code 32 with a drop shadow, centred across and down.
constexpr int kCaptionStyle = 0x10000 | kTextShadow;
constexpr int kCaptionAlign = kAlignCentre | kAlignMiddle;
constexpr const char* kInfoImage = "info-mini.png";

}  // namespace

std::string TMUIDraw2::StatusText() const {
  if (!AppTipTxt.empty()) return "Help: " + AppTipTxt;
  if (AppActive == 0) return "Status: Waiting\u2026";
  return "Status: " + AppStatusTxt;
}

int TMUIDraw2::RedrawStatus(int flag) {
  const int top = AppGraphicHeight;
  SetViewport(0, top, AppWidth, AppStatusHeight);
  SetAlpha(1.0f);
  const int lift = AppActive != 0 ? 0 : kInactiveLift;
  SetColor(StatusRed + lift, StatusGreen + lift, StatusBlue + lift);
  DrawRect(0.0f, static_cast<float>(top), static_cast<float>(AppWidth),
           static_cast<float>(AppStatusHeight + 2));

  SetColor(0, 0, 0);
  SetAlpha(0.8f);
  DrawLine(0.0f, static_cast<float>(top), static_cast<float>(AppWidth), static_cast<float>(top));
  SetColor(255, 255, 255);
  SetAlpha(0.3f);
  DrawLine(1.0f, static_cast<float>(top + 1), static_cast<float>(AppWidth),
           static_cast<float>(top + 1));

  const std::string text = StatusText();
  // The master alpha too: a disabled control drawn last must not fade the status text.
  MAlpha(1.0f);
  if (text.starts_with("Help:")) {
    // Both halves by an unsigned shift.
    const int half = static_cast<int>(static_cast<unsigned>(AppWidth) >> 1);
    const int textHalf = static_cast<int>(static_cast<unsigned>(TextWidth(text)) >> 1);
    const int side = AppStatusHeight - 4;
    if (StatusInfoImage == -1) {
      StatusInfoImage = MGetImage(kInfoImage, kFrameWidthOfHeight);
      if (StatusInfoImage < 0) StatusInfoImage = -2;
    }
    MDrawImageNum(half - textHalf - AppStatusHeight - 4, top + 2, side, side, StatusInfoImage);
  }
  MText(0, top, AppWidth, AppStatusHeight, kCaptionStyle, kCaptionAlign, text);

  RestoreMainViewport();
  return 0;
}
