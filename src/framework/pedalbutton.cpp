// The effect-pedal and routing-diagram looks of MButton (styles 26 and 27): a short code
// in the button's text picks the pedal's pieces or the diagram's frame.
#include <cctype>

#include "framework/buttonlooks.h"
#include "framework/colorcodes.h"
#include "framework/drawstate.h"
#include "framework/imagecontrols.h"
#include "framework/imagewrappers.h"
#include "framework/palette.h"
#include "framework/shapes.h"
#include "platform/draw2d.h"

namespace {

constexpr int kNoColor = 0x800;  // colour code 1
constexpr int kRoutingFrames = 10;
constexpr int kRoutingFrameWidth = 117;

// The colour-code word of colour number n.
int Code(int n) { return (n + 1) << kColorCodeShift; }

bool ValidEffect(int index) { return index >= 0 && index < kEffectCount; }

// The digit value of character i of text; 0 when missing or not a digit.
int DigitAt(const std::string& text, size_t i) {
  if (i >= text.size()) return 0;
  const unsigned char c = static_cast<unsigned char>(text[i]);
  return std::isdigit(c) != 0 ? c - '0' : 0;
}

}  // namespace

int LeadingInt(const std::string& text) {
  size_t i = 0;
  while (i < text.size() && std::isspace(static_cast<unsigned char>(text[i])) != 0) ++i;
  bool negative = false;
  if (i < text.size() && (text[i] == '-' || text[i] == '+')) negative = text[i++] == '-';
  long long value = 0;
  for (; i < text.size() && std::isdigit(static_cast<unsigned char>(text[i])) != 0; ++i) {
    value = value * 10 + (text[i] - '0');
    if (value > 2147483647LL) return 0;  // too long to be a code
  }
  return static_cast<int>(negative ? -value : value);
}

void DrawPedalButton(const TButtonArgs& b) {
  int first = 0, second = 0, decal = 0, colour1 = kNoColor, colour2 = kNoColor;
  std::string label;
  if (b.text.size() <= 1) {
    // An entry outside the effect tables draws an empty pedal instead of reading past them.
    const int e = DigitAt(b.text, 0) - 1;
    first = second = e;
    if (ValidEffect(e)) {
      colour1 = Code(FXColor[e]);
      label = FXName[e];
      if (FXDecal[e] > 0) {
        decal = e;
        colour2 = Code(FXDecalColor[e]);
      }
    }
  } else {
    first = DigitAt(b.text, 1) - 1;
    second = DigitAt(b.text, 2) - 1;
    if (second < 2) second = 2;
    decal = DigitAt(b.text, 3) - 1;
    const int c5 = DigitAt(b.text, 4);
    colour1 = ValidEffect(c5 - 1) ? Code(FXColor[c5 - 1]) : kNoColor;
    colour2 = -1;
    if (b.text.size() >= 5) label = b.text.substr(4, 1);
  }
  MPedal(b.x, b.y, b.w, b.h, b.over, b.selected, first, second, decal, colour1, colour2, label);
}

void DrawRoutingButton(const TButtonArgs& b) {
  SetAlpha(0.6f);
  if (b.over != 0 || b.selected != 0) {
    const TMColor& c = b.over != 0 ? AppHL2 : AppHL;
    MSetCol(c.r, c.g, c.b, 70);
    MSetCol2(c.r, c.g, c.b, 70);
    MRoundRect(b.x, b.y, b.w, b.h, 6, 6, 6, 6);
    SetAlpha(1.0f);
  }
  int n = LeadingInt(b.text);
  if (n < 0 || n >= kRoutingFrames) n = 0;
  SetColor(255, 255, 255);
  MDrawImageFrameWidth(b.x + 30, b.y + 30, b.w - 60, b.h - 60, "fxrouting.png", n,
                       kRoutingFrameWidth);
}
