// MButton: the colour step and flags of the style word, the flat, toggle, square,
// glossy, raised and plate looks, and the closing hover mark. The segmented keys and
// the pedal and routing looks are in their own files.
#include "framework/buttons.h"

#include "framework/buttonlooks.h"
#include "framework/captions.h"
#include "framework/colorcodes.h"
#include "framework/drawstate.h"
#include "framework/imagecontrols.h"
#include "framework/palette.h"
#include "framework/shapes.h"
#include "platform/draw2d.h"

namespace {

constexpr int kTextWhite = 0x8800;  // colour code 17
constexpr int kTextDark = 0x14800;  // colour code 41
constexpr int kAlignCentred = kAlignCentre | kAlignMiddle;
constexpr int kAlignBottomCentred = kAlignBottom | kAlignCentre;
constexpr int kToggleRadius = 8;

void Fill(int r, int g, int b, float alpha, int x, int y, int w, int h) {
  SetColor(r, g, b);
  SetAlpha(alpha);
  DrawRect(x, y, w, h);
}

void RoundRect(int x, int y, int w, int h, int r) { MRoundRect(x, y, w, h, r, r, r, r); }
void RoundFrame(int x, int y, int w, int h, int r) { MRoundFrame(x, y, w, h, r, r, r, r); }

void DrawBevelKey(const TButtonArgs& b) {
  if (b.selected == 0) {
    SetColor(148, 148, 148);
    DrawRect(b.x, b.y, b.w, b.h);
    MFrame3d(b.x, b.y, b.w, b.h, 0);
    MText(b.x, b.y, b.w, b.h, b.textStyle, b.align, b.text);
  } else {
    SetColor(118, 118, 118);
    DrawRect(b.x, b.y, b.w, b.h);
    MFrame3d(b.x, b.y, b.w, b.h, 1);
    MText(b.x, b.y + 1, b.w, b.h, b.textStyle, b.align, b.text);
  }
  if (b.over != 0) Fill(255, 255, 255, 0.2f * g_fAlpha, b.x, b.y, b.w, b.h);
}

void DrawSheenKey(const TButtonArgs& b) {
  if (b.selected == 0) {
    SetColor(148, 148, 148);
    DrawRect(b.x, b.y, b.w, b.h);
    MFrame3d(b.x, b.y, b.w, b.h, 0);
    MSetCols(255, 255, 255, 0, 128, 128, 128, 30);
  } else {
    SetColor(128, 128, 128);
    DrawRect(b.x, b.y, b.w, b.h);
    MFrame3d(b.x, b.y, b.w, b.h, 1);
    MSetCols(128, 128, 128, 30, 255, 255, 255, 30);
  }
  MRectFade(b.x, b.y, b.w, b.h);
  MText(b.x, b.y, b.w, b.h, b.textStyle, b.align, b.text);
  if (b.over != 0) Fill(255, 255, 255, 0.2f * g_fAlpha, b.x, b.y, b.w, b.h);
}

// Styles 2 and 6.
int DrawToggle(TButtonArgs& b, bool withIcon) {
  const int x = b.x, y = b.y, w = b.w, h = b.h;
  if (b.text.empty()) {
    MSetCols(20, 20, 20, 255, 40, 40, 40, 255);
    RoundRect(x + 1, y + 1, w - 2, h - 2, kToggleRadius);
    MSetCols(100, 100, 100, 255, 70, 70, 70, 255);
    MRoundFrame(x, y, 18, h, 8, 0, 0, 8);
    MRoundFrame(x + 18, y, w - 18, h, 0, 8, 8, 0);
    SetLineWidth(2);
    RoundFrame(x + 1, y + 1, w - 2, h - 2, kToggleRadius);
    SetLineWidth(1);
  } else {
    if (b.selected != 0)
      MSetCols(0, 100, 0, 255, 70, 220, 70, 255);
    else
      MSetCols(150, 150, 150, 255, 70, 70, 70, 255);
    RoundRect(x, y, w, h, kToggleRadius);
    MSetCols(255, 255, 255, 0, 0, 0, 0, 200);
    RoundFrame(x, y, w, h, kToggleRadius);
    MSetCols(255, 255, 255, 170, 0, 0, 0, 150);
    RoundFrame(x + 1, y + 1, w - 2, h - 2, kToggleRadius);
    MSetCols(0, 0, 0, 200, 0, 0, 0, 100);
    MRoundRect(x + 2, y + 2, 18, h - 4, 7, 0, 0, 7);
    if (!withIcon) {
      MText(x, y, w, h, kTextStacked, kAlignCentred, b.text);
    } else {
      MText(x - 3, y, w, h - 3, kTextStacked, kAlignBottomCentred, b.text);
      b.image = DrawButtonIcon(b, x, y, w, h);
    }
    if (b.selected == 0) {
      MSetCols(255, 255, 255, 20, 255, 255, 255, 40);
      MRoundRect(x, y, w, h / 2, 8, 8, 0, 0);
    }
  }
  // Over: the gradient pair last set, whichever that was.
  if (b.over != 0) RoundRect(x, y, w, h, kToggleRadius);
  return b.image;
}

// Styles 8 and 12; leaves the box pressed in for the hover mark.
void DrawSquareKey(TButtonArgs& b, bool withIcon) {
  SetViewport(b.x, b.y, b.w + 8, b.h + 8);
  if (b.selected != 0) {
    b.x += 1;
    b.y += 1;
    b.h -= 1;
    AppCol.Modify(50);
  }
  const int x = b.x, y = b.y, w = b.w, h = b.h;
  const float m = g_fAlpha;
  SetColor(0, 0, 0);
  MFrame(x + 1, y + 1, w - 2, h - 2);
  AppCol.SetFG();
  DrawRect(x + 2, y + 2, w - 4, h - 4);
  MSetCols(255, 255, 255, 0, 255, 255, 255, 30);
  MRectFade(x + 3, y + 3, w - 6, h - 6);
  Fill(255, 255, 255, 0.1f * m, x + 2, y + 2, w - 4, (h - 4) / 2);
  SetAlpha(0.1f);
  MFrame(x - 1, y - 1, w + 1, h + 1);
  MFrame(x + 2, y + 2, w - 4, h - 4);

  const int k = b.selected != 0 ? 60 : 20;
  MSetCols(0, 0, 0, k, 0, 0, 0, 0);
  MRectHFade(x + 2, y + 2, 8, h - 4);
  MRectFade(x + 2, y + 2, w - 4, 8);
  MSetCols(0, 0, 0, 0, 0, 0, 0, k);
  MRectHFade(x + w - 10, y + 2, 8, h - 4);
  MRectFade(x + 2, y + h - 10, w - 4, 8);

  Fill(0, 0, 0, 0.5f * m, x + 6, y + h - 1, w - 6, 1);
  DrawRect(x + w - 1, y + 6, 1, h - 6);
  if (b.selected == 0) {
    MSetCols(0, 0, 0, 40, 0, 0, 0, 0);
    MRectFade(x + 6, y + h, w - 2, 8);
    MRectHFade(x + w, y + 6, 8, h - 6);
  }

  if (!b.text.empty()) {
    if (!withIcon) {
      SetAlpha(0.25f * m);
      MText(x, y + 1, w, h, b.textStyle | kTextWhite, kAlignCentred, b.text);
      SetAlpha(m);
      MText(x, y, w, h, b.textStyle | kTextDark, kAlignCentred, b.text);
    } else {
      SetAlpha(0.25f * m);
      MText(x - 3, y + 1, w, h - 3, b.textStyle | kTextWhite, kAlignBottomCentred, b.text);
      SetAlpha(m);
      MText(x - 3, y, w, h - 3, b.textStyle | kTextDark, kAlignBottomCentred, b.text);
      b.image = DrawButtonIcon(b, x, y, w, h);
    }
  }
  if (b.over != 0) Fill(255, 255, 255, 0.2f * m, x + 2, y + 2, w - 4, h - 4);
}

// Style 16; the hover mark is never drawn for it.
void DrawGlossyKey(TButtonArgs& b) {
  const int x = b.x, y = b.y, w = b.w, h = b.h;
  if (b.live != 0 || b.over != 0 || b.selected != 0) {
    MSetCols(0, 0, 0, 255, 0, 0, 0, 255);
    RoundRect(x, y, w, h, 11);
    MSetColsCol(AppCol, 150);
    RoundRect(x + 2, y + 2, w - 4, h - 4, 8);
    MSetCols(255, 255, 255, 20, 255, 255, 255, 40);
    MRoundRect(x, y, w, h / 2, 8, 8, 0, 0);
    SetLineWidth(2);
    MSetCols(255, 255, 255, 125, 255, 255, 255, 125);
    RoundFrame(x + 3, y + 3, w - 6, h - 6, 7);
    SetLineWidth(1);
    MAlpha(1.0f);
  }
  MText(x, y, w, h, kTextShadow | kTextLarge, kAlignCentred, b.text);
  b.live = 0;
}

// Style 32; leaves the box pressed in for the hover mark.
void DrawRaisedKey(TButtonArgs& b) {
  SetViewport(b.x, b.y, b.w + 8, b.h + 8);
  if (b.selected != 0) {
    b.x += 1;
    b.y += 1;
  }
  const int x = b.x, y = b.y, w = b.w, h = b.h;
  MSetCols(0, 0, 0, 160, 0, 0, 0, 75);
  RoundRect(x + 1, y + 1, w - 2, h - 2, 6);
  int r = 190, g = 190, bl = 190;
  if (b.colorWord != 0 && !b.colorSuppressed) {
    SetMuisColor(b.colorWord, 1);
    GetColor(r, g, bl);
  }
  MSetCols(r, g, bl, 255, r, g, bl, 255);
  RoundRect(x + 2, y + 2, w - 4, h - 4, 6);
  MSetCols(0, 0, 0, 10, 255, 255, 255, 10);
  RoundRect(x + 2, y + 2, w - 4, h - 4, 6);
  MSetCols(255, 255, 255, 115, 0, 0, 0, 90);
  RoundFrame(x + 2, y + 2, w - 4, h - 4, 6);
  MText(x, y, w, h, b.textStyle | kTextShadow | kTextDark, b.align, b.text);
  if (b.over != 0) Fill(0, 0, 0, 0.2f * g_fAlpha, x, y, w, h);
}

void DrawPlateKey(const TButtonArgs& b) {
  if (b.over != 0 || b.selected != 0) {
    const TMColor& c = b.over != 0 ? AppHL2 : AppHL;
    MSetCols(c.r, c.g, c.b, 255, c.r, c.g, c.b, 255);
    RoundRect(b.x, b.y, b.w, b.h, 6);
  }
  MText(b.x, b.y, b.w, b.h, b.textStyle, b.align, b.text);
}

}  // namespace

int DrawButtonIcon(const TButtonArgs& b, int x, int y, int w, int h) {
  const std::string name = b.text.size() > 2 ? b.text.substr(2) : std::string();
  const int small = (b.textStyle & kTextEmbossed) != 0 || b.text.rfind("  ", 0) == 0 ? 1 : 0;
  return MDrawImageControl(x, y, w, h, b.image, name, 1, small);
}

int MButton(int x, int y, int w, int h, int indent, int style, int align, int image, int textStyle,
            const std::string& text, int selected, int over, int live, int frame) {
  TButtonArgs b{x,    y,        w,    h,    indent, align, image, textStyle,
                text, selected, over, live, frame,  0,     false};
  b.colorWord = (style & kColorCodeMask) != 0 ? style : 0;

  if ((style & kStyleColorWhenSelected) != 0 && selected == 0) {
    AppCol.SetName("lightgrey");
    style &= kStyleNumberMask;
    b.colorSuppressed = true;
  } else if (style >= 0x800) {
    style = SetMuisColor(style, 0);
  } else {
    AppCol.SetName("lightgrey");
  }
  if ((style & kStyleHalfAlpha) != 0) {
    style &= ~kStyleHalfAlpha;
    MAlpha(g_fAlpha / 2.0f);
  }
  style &= ~kStyleRendererFlag;

  switch (style) {
    case 1: DrawSheenKey(b); break;
    case 2: DrawToggle(b, false); break;
    case 6: DrawToggle(b, true); break;
    case 8: DrawSquareKey(b, false); break;
    case 12: DrawSquareKey(b, true); break;
    case 14: break;
    case 16: DrawGlossyKey(b); break;
    case 26: DrawPedalButton(b); break;
    case 27: DrawRoutingButton(b); break;
    case 32: DrawRaisedKey(b); break;
    case 128: DrawPlateKey(b); break;
    case 130:
    case 134:
    case 135:
    case kStyleFrameStrip: DrawSegmentedButton(b, style); break;
    default: DrawBevelKey(b); break;
  }
  MCheckOver(b.x, b.y, b.w, b.h, b.live);
  return b.image;
}
