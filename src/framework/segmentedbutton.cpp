// The segmented keys of MButton (styles 130, 134, 135 and 512): rounded keys whose
// square sides join their neighbours into a bar, with a caption, an icon, an image or
// one frame of a 16-pixel strip.
#include "framework/buttonlooks.h"
#include "framework/buttons.h"
#include "framework/captions.h"
#include "framework/colorcodes.h"
#include "framework/drawstate.h"
#include "framework/imagewrappers.h"
#include "framework/palette.h"
#include "framework/shapes.h"
#include "platform/draw2d.h"
#include "platform/numbers.h"

namespace {

constexpr int kTextWhite = 0x8800;
constexpr int kTextDark = 0x14800;
constexpr int kStripFrameWidth = 16;

void Face(int x, int y, int w, int h, int l, int r) { MRoundRect(x, y, w, h, l, r, r, l); }

}  // namespace

int DrawSegmentedButton(TButtonArgs& b, int style) {
  int l = 5, r = 5;
  const bool joinLeft = (b.align & kAlignJoinLeft) != 0;
  const bool joinRight = (b.align & kAlignJoinRight) != 0;
  if (joinLeft && joinRight) {
    l = r = 0;
    b.x -= b.indent;
    b.w += 2 * b.indent + 3;
  } else if (joinLeft) {
    l = 0;
    b.x -= b.indent;
    b.w += b.indent;
  } else if (joinRight) {
    r = 0;
    b.w += b.indent + 3;
  }
  if (joinLeft || joinRight) SetViewport(b.x, b.y, b.w, b.h);
  b.h -= 1;

  MSetCols(0, 0, 0, 30, 255, 255, 255, 50);
  MRoundFrame(b.x, b.y, b.w, b.h, l + 1, r + 1, r + 1, l + 1);
  b.x += 1;
  b.y += 1;
  b.w -= 2;
  b.h -= 2;
  MSetCols(0, 0, 0, 190, 0, 0, 0, 190);
  MRoundFrame(b.x, b.y, b.w, b.h, l, r, r, l);
  b.y += 1;
  b.h -= 2;

  const int x = b.x, y = b.y, w = b.w, h = b.h;
  const int upper = TruncToInt(h / 1.5);
  if (b.colorWord == 0) {
    if (b.over != 0)
      MSetCols(255, 255, 255, 45, 0, 0, 0, 40);
    else
      MSetCols(0, 0, 0, 45, 0, 0, 0, 90);
    Face(x, y, w, h, l, r);
  } else {
    if (b.colorSuppressed)
      AppCol.SetName("lightgrey");
    else
      SetMuisColor(b.colorWord, 0);
    if (b.over == 0) AppCol.Modify(-75);
    MSetCols(AppCol.r, AppCol.g, AppCol.b, 220, AppCol.r, AppCol.g, AppCol.b, 220);
    Face(x, y, w, h, l, r);
    MSetCols(255, 255, 255, 20, 255, 255, 255, 0);
    MRoundRect(x, y, w, upper, l, r, 0, 0);
  }
  if (b.selected != 0) {
    MSetCols(AppHL.r, AppHL.g, AppHL.b, 90, AppHL.r, AppHL.g, AppHL.b, 90);
    Face(x, y, w, h, l, r);
    MSetCols(0, 0, 0, 75, 0, 0, 0, 0);
    MRoundRect(x, y, w, upper, l, r, 0, 0);
  } else {
    MSetCols(0, 0, 0, 0, 0, 0, 0, 30);
    MRoundRect(x, TruncToInt(y + 0.6 * h), w, TruncToInt(0.4 * h), 0, 0, r, l);
  }
  MSetCols(0, 0, 0, 100, 0, 0, 0, 90);
  MRoundFrame(x, y, w, h, l, r, r, l);

  const float m = g_fAlpha;
  switch (style) {
    case kStyleFrameStrip:
      SetAlpha(0.75f * m);
      SetColor(250, 250, 250);
      MDrawImageFrameWidth(x - 4 + (w - 8) / 2, y + 4, kStripFrameWidth, h - 8, b.text + ".png",
                           b.frame, kStripFrameWidth);
      break;
    case 130:
      SetAlpha(0.5f * m);
      MText(x, y + 1, w, h, b.textStyle | kTextDark, kAlignCentre | kAlignMiddle, b.text);
      SetAlpha(0.75f * m);
      MText(x, y, w, h, b.textStyle | kTextWhite, kAlignCentre | kAlignMiddle, b.text);
      break;
    case 134:
      SetAlpha(0.5f * m);
      MText(x - 3, y + 1, w, h - 3, b.textStyle | kTextDark, kAlignBottom | kAlignCentre, b.text);
      SetAlpha(0.75f * m);
      MText(x - 3, y, w, h - 3, b.textStyle | kTextWhite, kAlignBottom | kAlignCentre, b.text);
      SetColor(250, 250, 250);
      b.image = DrawButtonIcon(b, x, y, w, h);
      break;
    case 135:
      SetAlpha(0.75f * m);
      SetColor(250, 250, 250);
      MDrawImage(x + w / 4, y + h / 4, w / 2, h / 2, b.text + ".png");
      break;
    default:
      break;
  }
  return b.image;
}
