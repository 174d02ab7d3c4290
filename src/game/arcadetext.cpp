// Text in the bitmap font: plain text (with block letters when the font texture is
// missing), centred text, the framed box, the fader, and outlined and light-bordered
// text. Most of them register the click region of what they draw.
#include <string_view>
#include <vector>

#include "game/arcadefont.h"
#include "game/blockletters.h"
#include "game/clickregions.h"
#include "platform/draw2d.h"
#include "platform/numbers.h"
#include "platform/utf8.h"

namespace {

constexpr int kGlyphBox = 8;        // every glyph is drawn into an 8 x 8 box
constexpr int kBlockAdvance = 8;    // pen step of the block letters
constexpr int kRegionHeight = 10;

// Glyph indices are UTF-16 code units of the text.
std::vector<int> CodeUnits(std::string_view text) {
  std::vector<int> units;
  units.reserve(text.size());
  for (size_t i = 0; i < text.size();) {
    int point = NextUtf8(text, i);
    if (point < 0) point = 0xFFFD;
    if (point >= 0x10000) {
      point -= 0x10000;
      units.push_back(0xD800 + (point >> 10));
      units.push_back(0xDC00 + (point & 0x3FF));
    } else {
      units.push_back(point);
    }
  }
  return units;
}

int TextLength(std::string_view text) { return static_cast<int>(CodeUnits(text).size()); }

void RegisterRegion(int id, int x, int y, int x1, int y1) {
  TArcadeControl* region = ArcadeControlSlot(id);
  if (!region) return;
  region->x = x;
  region->y = y;
  region->x1 = x1;
  region->y1 = y1;
  region->ctrl = id;
}

void DrawGlyph(int code, int x, int y) { drawFontChar(code, x, y, kGlyphBox, kGlyphBox); }

// Each glyph four times one pixel off in the outline colour, then in the body colour.
void DrawOutlinedText(std::string_view text, int x, int y, int outlineR, int outlineG, int outlineB,
                      int bodyR, int bodyG, int bodyB) {
  int pen = x;
  for (int code : CodeUnits(text)) {
    SetColor(outlineR, outlineG, outlineB);
    DrawGlyph(code, pen - 1, y);
    DrawGlyph(code, pen + 1, y);
    DrawGlyph(code, pen, y - 1);
    DrawGlyph(code, pen, y + 1);
    SetColor(bodyR, bodyG, bodyB);
    DrawGlyph(code, pen, y);
    pen += g_FontWidth;
  }
}

void DrawBlockLetters(std::string_view text, int x, int y) {
  int pen = x;
  for (int code : CodeUnits(text)) {
    if (code < 0x80) {
      for (const TBlockRect& rect : BlockLetter(static_cast<char>(code))) {
        DrawRect(static_cast<float>(pen + rect.dx), static_cast<float>(y + rect.dy),
                 static_cast<float>(rect.w), static_cast<float>(rect.h));
      }
    }
    pen += kBlockAdvance;
  }
}

}  // namespace

int ArcadeText(const std::string& text, int x, int y, int id) {
  if (id >= 0) RegisterRegion(id, x, y, x + TextLength(text) * g_FontWidth, y + kRegionHeight);
  if (g_ImageOK == 1) {
    int pen = x;
    for (int code : CodeUnits(text)) {
      DrawGlyph(code, pen, y);
      pen += g_FontWidth;
    }
  } else {
    DrawBlockLetters(text, x, y);
  }
  return 0;
}

int ArcadeTextCenter(const std::string& text, int centreX, int y) {
  if (g_ImageOK != 1) return 0;
  const std::vector<int> codes = CodeUnits(text);
  // 3.5 a character, not half the advance: the game's text sits a little right of centre.
  int pen = TruncToInt(centreX - static_cast<double>(codes.size()) * 3.5);
  for (int code : codes) {
    DrawGlyph(code, pen, y);
    pen += g_FontWidth;
  }
  return 0;
}

int ArcadeTextBox(const std::string& text, int x, int y, int widthChars, int id, int r, int g, int b) {
  if (g_ImageOK != 1) return 0;
  const int bx = x - 1;
  const int w = widthChars * g_FontWidth + 1;
  SetColor(100, 100, 100);
  DrawRect(static_cast<float>(bx), static_cast<float>(y - 1), static_cast<float>(w), 10.0f);
  SetColor(r, g, b);
  DrawRect(static_cast<float>(bx + 1), static_cast<float>(y), static_cast<float>(w - 2), 8.0f);
  SetColor(190, 190, 190);
  ArcadeTextCenter(text, TruncToInt((bx + 1) + (w - 2) * 0.5), y);
  RegisterRegion(id, bx, y - 1, bx + w, y + kRegionHeight);
  return 0;
}

int ArcadeTextFader(const std::string& label, int x, int y, int labelChars, int barChars, float value,
                    int id, int r, int g, int b) {
  if (g_ImageOK != 1) return 0;
  const int bx = x + labelChars * g_FontWidth - 1;
  const int w = barChars * g_FontWidth + 2;
  SetColor(100, 100, 100);
  DrawRect(static_cast<float>(bx), static_cast<float>(y - 1), static_cast<float>(w), 10.0f);
  SetColor(10, 10, 10);
  DrawRect(static_cast<float>(bx + 1), static_cast<float>(y), static_cast<float>(w - 2), 8.0f);
  SetColor(TruncToInt(r * 0.5), TruncToInt(g * 0.5), TruncToInt(b * 0.5));
  DrawRect(static_cast<float>(bx + 1), static_cast<float>(y), static_cast<float>(w - 2) * value, 8.0f);
  SetColor(190, 190, 190);
  // The percentage of the single-precision value, truncated: 0.7f shows 69.
  const int percent = TruncToInt(static_cast<double>(value) * 100.0);
  ArcadeTextCenter(std::to_string(percent) + "%", TruncToInt((bx + 1) + (w - 2) * 0.5), y);
  RegisterRegion(id, bx, y - 1, bx + w, y + kRegionHeight);
  DrawOutlinedText(label, x, y, 0, 0, 0, r, g, b);
  return 0;
}

int ArcadeTextOutline(const std::string& text, int x, int y, int id, int widthChars, int r, int g, int b) {
  if (g_ImageOK != 1) return 0;
  RegisterRegion(id, x - 1, y - 1, x + 1 + widthChars * g_FontWidth, y + kRegionHeight);
  DrawOutlinedText(text, x, y, 0, 0, 0, r, g, b);
  return 0;
}

int ArcadeTextBorder(const std::string& text, int x, int y, int id) {
  int r = 0, g = 0, b = 0;
  GetColor(r, g, b);
  if (id >= 0) RegisterRegion(id, x, y, x + TextLength(text) * g_FontWidth, y + kRegionHeight);
  if (g_ImageOK == 1) DrawOutlinedText(text, x, y, 250, 250, 250, r, g, b);
  return 0;
}
