// The value-showing kinds of the draw-type table: rotary knob, image fader, level meter,
// picture with value and arrow slider. Each shows nPos in nMin..nMax and leaves the
// value alone; an empty range (nMax equal to nMin) shows the value at its zero point.
#include <cstdint>
#include <string>

#include "framework/captions.h"
#include "framework/drawkinds.h"
#include "framework/drawstate.h"
#include "framework/imagecontrols.h"
#include "framework/imagewrappers.h"
#include "framework/muidraw2.h"
#include "framework/shapes.h"
#include "platform/draw2d.h"
#include "platform/numbers.h"

namespace {

constexpr int kValueTextStyle = 0x800;    // colour code 1
constexpr int kLabelTextStyle = 0xD800;   // colour code 27
constexpr int kCentredBoth = kAlignCentre | kAlignMiddle;

float RangeWidth(const TMControl& c) {
  return static_cast<float>(static_cast<int64_t>(c.nMax) - c.nMin);
}

void CheckOver(const TMControl& c, int live) { MCheckOver(c.nX, c.nY, c.nWidth, c.nHeight, live); }

}  // namespace

int DrawKnobKind(TMUIDraw2& app, TMControl& c, int, int live, int) {
  c.nImage = app.DrawKnob(c.nX, c.nY, c.nWidth, c.nHeight, c.nImage, c.strText, c.bAlign, c.nRange,
                          c.nMin, c.nMax, c.nPos);
  // Clipped to the knob's column: the viewport stays as DrawKnob left it.
  CheckOver(c, live);
  return 0;
}

int DrawImageFaderKind(TMUIDraw2& app, TMControl& c, int, int live, int) {
  c.nImage = MImage(c.nX, c.nY, c.nWidth, c.nHeight, c.nImage, c.strText);
  app.DrawImageFader(c.nX, c.nY, c.nWidth, c.nHeight, c.nImage2, c.nMin, c.nMax, c.nPos);
  CheckOver(c, live);
  return 0;
}

int DrawLevelMeterKind(TMUIDraw2&, TMControl& c, int, int, int) {
  const int half = c.nWidth / 2;
  const float range = RangeWidth(c);
  const float scale = range == 0.0f ? 0.0f : static_cast<float>(c.nHeight - c.nWidth) / range;
  const float ty = static_cast<float>(c.nY1 - c.nWidth) - static_cast<float>(c.nPos) * scale;
  SetColor(75, 10, 10);
  DrawRect(c.nXMid - 5, c.nY + half, 10, c.nHeight - c.nWidth);
  SetColor(255, 10, 10);
  DrawRect(c.nX, ty, c.nWidth, c.nWidth);
  SetColor(0, 0, 0);
  DrawRect(c.nX + 2, ty + 2, c.nWidth - 4, c.nWidth - 4);
  SetColor(255, 255, 255);
  const std::string value = std::to_string(c.nPos);
  DrawText(value, static_cast<float>(c.nXMid - TextWidth(value) / 2),
           ty + static_cast<float>(half - TextHeight(value) / 2));
  return 0;
}

int DrawPictureValueKind(TMUIDraw2&, TMControl& c, int, int live, int) {
  c.nImage = MImage(c.nX, c.nY, c.nWidth, c.nHeight, c.nImage, c.strText);
  SetScale(1.0f, 1.0f);
  MText(c.nX + 1, c.nY + 5, c.nWidth, c.nHeight / 2, kValueTextStyle, kCentredBoth,
        std::to_string(c.nPos));
  SetScale(0.8f, 0.8f);
  MText(c.nX, c.nY + 7, c.nWidth + 10, c.nHeight, kLabelTextStyle, kCentredBoth, c.strText2);
  SetScale(1.0f, 1.0f);
  CheckOver(c, live);
  return 0;
}

int DrawArrowSliderKind(TMUIDraw2&, TMControl& c, int, int live, int) {
  const float range = RangeWidth(c);
  const float frac =
      range == 0.0f ? 0.0f : static_cast<float>(static_cast<int64_t>(c.nPos) - c.nMin) / range;
  const int yo = c.nHeight / 2 - 8;

  MSetCols(0, 0, 0, 30, 255, 255, 255, 50);
  MRoundFrame(c.nX, c.nY, c.nWidth, c.nHeight - 1, 6, 6, 6, 6);
  MSetCols(0, 0, 0, 150, 0, 0, 0, 100);
  MRoundFrame(c.nX, c.nY + 1, c.nWidth, c.nHeight - 3, 6, 6, 6, 6);
  MSetCols(0, 0, 0, 35, 0, 0, 0, 35);
  MRoundRect(c.nX + 1, c.nY + 2, c.nWidth - 2, c.nHeight - 5, 6, 6, 6, 6);

  if (c.bOver != 0)
    SetColor(200, 200, 200);
  else
    SetColor(0, 0, 0);
  SetAlpha(0.35f);
  MDrawImageFrame(c.nX + 8, c.nY + yo, 16, 16, c.strText, 0);
  MDrawImageFrame(c.nX1 - 24, c.nY + yo, 16, 16, c.strText, 1);

  MSetCols(0, 0, 0, 90, 255, 255, 255, 50);
  MRoundFrame(c.nX + 34, c.nYMid - 4, c.nWidth - 68, 8, 4, 4, 4, 4);
  MSetCols(0, 0, 0, 65, 0, 0, 0, 15);
  MRoundRect(c.nX + 34, c.nYMid - 4, c.nWidth - 68, 9, 4, 4, 4, 4);

  const int travel = (c.nX1 - 43) - (c.nX + 28);
  if (c.bOver != 0)
    SetColor(220, 220, 220);
  else
    SetColor(185, 185, 185);
  SetAlpha(0.9f);
  MDrawImageFrame(c.nX + 23 + TruncToInt(static_cast<float>(travel) * frac), c.nY + yo - 7, 25, 28,
                  c.strText, 2);
  CheckOver(c, live);
  return 0;
}
