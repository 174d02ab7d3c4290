// MText: measuring, the prefix, the size variants, alignment, shadow, colour and
// underline of a caption.
#include "framework/captions.h"

#include <cstdint>

#include "framework/colorcodes.h"
#include "framework/drawstate.h"
#include "platform/draw2d.h"
#include "platform/numbers.h"

namespace {

constexpr float kShadowAlpha = 0.25f;

// Positions and sizes are worked in 64 bits, so no box makes the arithmetic overflow.
void Text(const std::string& text, int64_t x, int64_t y) {
  DrawText(text, static_cast<float>(x), static_cast<float>(y));
}

}  // namespace

int MText(int x, int y, int w, int h, int style, int align, const std::string& text) {
  int64_t px = x;
  int64_t py = y;
  std::string prefix;
  std::string body = text;
  if ((style & (kTextEmbossed | kTextStacked)) != 0) {
    prefix = text.substr(0, 2);
    body = text.substr(prefix.size());
    if ((style & kTextStacked) != 0) px += 11;
  }
  if ((style & kTextRaise) != 0) py -= 8;

  int64_t th = TextHeight(body);
  int64_t tw = TextWidth(body);

  // The prefix, in the caller's font and scale.
  if ((style & kTextStacked) != 0) {
    SetColor(220, 220, 220);
    Text(prefix.size() > 1 ? prefix.substr(1, 1) : std::string(), px - 2, py + h - th - 3);
    Text(prefix.substr(0, 1), px - 2, py + h - 2 * th - 1);
  } else if ((style & kTextEmbossed) != 0) {
    SetColor(50, 50, 50);
    Text(prefix, px + 6, py + 2);
    SetColor(220, 220, 220);
    Text(prefix, px + 6, py + 1);
  }

  // Size variants, first match wins; the new sizes serve only the alignment.
  const bool keepHeight = (align & kAlignKeepHeight) != 0;
  const int64_t doubled = keepHeight ? 1 : 2;
  bool large = true;
  if ((style & kTextLargeOne) != 0) {
    SetScale(1.0f, 1.0f);
    tw *= 2;
    th *= doubled;
  } else if ((style & kTextNarrow) != 0 && (style & kTextLarge) == 0) {
    SetScale(0.5f, 1.0f);
    th *= doubled;
  } else if ((style & kTextSmall) != 0) {
    SetScale(0.75f, 0.75f);
    tw = TruncToInt(static_cast<float>(tw) * 0.75f);
    th = TruncToInt(static_cast<float>(th) * 0.75f);
    large = false;
  } else if ((style & kTextLarge) != 0 && (style & kTextNarrow) != 0) {
    SetScale(1.0f, 2.0f);
    py = py - 2 - th;
    tw *= 2;
    th *= doubled;
  } else if ((style & kTextLarge) != 0 && (style & kTextLargeSmall) != 0) {
    SetScale(0.8f, 1.5f);
    tw = TruncToInt(static_cast<float>(tw) * 0.8f);
    th *= doubled;
    py -= 8;
  } else if ((style & kTextLarge) != 0 && (style & kTextLargeTall) != 0) {
    SetScale(1.0f, 1.5f);
    th *= doubled;
    tw *= 2;
    py -= 8;
  } else if ((style & kTextLarge) != 0) {
    SetScale(1.0f, 1.0f);
    th *= doubled;
    tw *= 2;
    py -= 4;
  } else {
    large = false;
  }
  if (large) SetImageFont(ImageFont2);

  // Each adds to the previous; halves truncate toward zero.
  if ((align & kAlignCentre) != 0) px += (w - tw) / 2;
  if ((align & kAlignRight) != 0) px += (w - tw) - 2;
  if ((align & kAlignMiddle) != 0) py += (h - th) / 2;
  if ((align & kAlignBottom) != 0) py += h - th;

  if ((style & kTextShadow) != 0) {
    SetAlpha(kShadowAlpha * g_fAlpha);
    SetColor(0, 0, 0);
    Text(body, px, py + 2);
    SetAlpha(g_fAlpha);
  }

  // The caller's colour is never the text's: white unless a colour code says otherwise.
  SetColor(255, 255, 255);
  if ((style & kColorCodeMask) != 0) SetMuisColor(style & kColorCodeMask, 1);
  Text(body, px, py);

  if ((style & kTextUnderline) != 0) {
    const int64_t th2 = TextHeight(body);
    DrawLine(static_cast<float>(px), static_cast<float>(py + th2), static_cast<float>(px + w),
             static_cast<float>(py + th2));
  }

  SetScale(1.0f, 1.0f);
  if (large) SetImageFont(ImageFont);
  return 0;
}
