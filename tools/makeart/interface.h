// Interface pictures of the sprite atlas: flag poles and waving flags, the stage and
// star marks, campaign blocks, the red cross, the pole's light effects, the shield,
// timer and menu button, the caption and button texts, and the digits.
#pragma once
#include <cmath>
#include <string>

#include "canvas.h"
#include "glyphs.h"
#include "scenery.h"
#include "spritetable.h"

namespace art {

// ---- flag poles (foot at x 16, y 43) and flags -------------------------------------------

inline void DrawPole(TCanvas c, int kind) {
  const TRgba wood = kind == 0 ? Rgb(120, 86, 52) : kind == 1 ? Rgb(200, 196, 186) : Rgb(255, 214, 90);
  if (kind == 2) SoftDisc(c, 16, 24, 12, 24, Rgb(255, 230, 140, 150));
  c.Ellipse(16, 44, 6, 2.5f, Rgb(110, 100, 86));
  c.Ellipse(15, 43.5f, 4, 1.5f, Rgb(150, 140, 120));
  c.Rect(15, 5, 2, 39, wood);
  c.Rect(15, 5, 1, 39, Scale(wood, 1.25f));
  c.Disc(16, 4, 2.2f, kind == 0 ? Rgb(230, 190, 70) : Grey(250));
  c.Outline(Grey(40, 200));
}

// Four frames of a cloth waving to the right of the pole; greys for the tint.
inline void DrawFlag(TCanvas c, int frame) {
  const float phase = frame * 1.5708f;
  for (int x = 17; x < 31; ++x) {
    const float t = (x - 17) / 13.0f;
    const float wave = std::sin(phase + t * 4.0f) * 1.8f * t;
    const float top = 5.0f + wave + t * 1.0f, bottom = top + 10.0f - t * 1.0f;
    const float slope = std::cos(phase + t * 4.0f);
    const TRgba cloth = Grey(static_cast<int>(205 + 40 * slope));
    for (int y = static_cast<int>(std::floor(top)); y < static_cast<int>(std::ceil(bottom)); ++y) c.Put(x, y, cloth);
  }
  c.Outline(Grey(60, 220));
}

// ---- stage marks and star counts (32 x 16) -------------------------------------------------

inline void Star(TCanvas& c, float cx, float cy, float r, TRgba colour) {
  TPath points;
  for (int i = 0; i < 10; ++i) {
    const float a = -1.5708f + i * 0.6283f, rr = i % 2 ? r * 0.45f : r;
    points.push_back({cx + std::cos(a) * rr, cy + std::sin(a) * rr});
  }
  c.Polygon(points, colour);
}

inline void DrawMark(TCanvas c, int n) {
  if (n == 0 || n == 1) {  // lost, won
    c.RoundRect(8, 1, 16, 14, 3, n == 0 ? Rgb(150, 30, 30) : Rgb(40, 140, 50));
    if (n == 0) {
      c.Line(12, 4, 20, 12, Grey(250), 2.0f);
      c.Line(20, 4, 12, 12, Grey(250), 2.0f);
    } else {
      c.Line(11, 8, 15, 12, Grey(250), 2.0f);
      c.Line(15, 12, 21, 4, Grey(250), 2.0f);
    }
  } else {
    const int stars = n - 2;
    if (stars == 0) {
      Star(c, 16, 8, 6, Grey(120, 160));
    }
    for (int i = 0; i < stars; ++i) {
      const int row = i < 4 ? 0 : 1;
      const int inRow = row == 0 ? std::min(stars, 4) : stars - 4;
      const int k = row == 0 ? i : i - 4;
      const float x = 16.0f + (k - (inRow - 1) * 0.5f) * 7.0f;
      Star(c, x, stars > 4 ? 4.5f + row * 7.0f : 8.0f, 3.6f, Rgb(255, 214, 60));
    }
  }
  c.Outline(Grey(30, 200));
}

// ---- campaign block and its shade (64 x 32) -------------------------------------------------

inline void DrawMapBlock(TCanvas c, bool shade) {
  const TPath top = {{32, 1}, {63, 13}, {32, 25}, {1, 13}};
  const TPath left = {{1, 13}, {32, 25}, {32, 31}, {1, 19}};
  const TPath right = {{32, 25}, {63, 13}, {63, 19}, {32, 31}};
  if (shade) {
    c.Polygon(left, Grey(255, 70));
    c.Polygon(right, Grey(255, 140));
    return;
  }
  c.Polygon(left, Grey(190));
  c.Polygon(right, Grey(170));
  c.Polygon(top, Grey(232));
  for (int y = 0; y < 26; ++y)
    for (int x = 0; x < 64; ++x)
      if (c.Get(x, y).a != 0 && y < 25 && Hash01(x, y, 55) > 0.92f) c.Put(x, y, Grey(212));
  c.Polyline({{1, 13}, {32, 1}, {63, 13}}, Grey(250));
  c.Polyline({{1, 13}, {32, 25}, {63, 13}}, Grey(150));
}

// ---- the red cross over a card (96 x 80, tinted red by the game) ---------------------------

inline void DrawCross(TCanvas c) {
  c.Line(14, 10, 82, 70, Grey(255), 15.0f);
  c.Line(82, 10, 14, 70, Grey(255), 15.0f);
  c.Line(16, 11, 80, 68, Grey(225), 4.0f);
  c.Outline(Grey(140));
}

// ---- light around a free pole while a card is carried (added, 32 x 48) ----------------------

inline void DrawPoleLight(TCanvas c, int n) {
  TDice dice(800 + n);
  if (n == 0) {  // a halo ring rising along the pole
    for (int y = 0; y < 48; ++y)
      for (int x = 0; x < 32; ++x) {
        const float dx = (x + 0.5f - 16) / 13.0f, dy = (y + 0.5f - 40) / 5.0f;
        const float d = std::sqrt(dx * dx + dy * dy);
        if (d < 1.0f && d > 0.55f) c.Blend(x, y, Rgb(255, 240, 160, static_cast<int>(255 * (1 - std::fabs(d - 0.8f) / 0.25f))));
      }
  } else if (n == 1) {  // sparkles
    for (int i = 0; i < 10; ++i) {
      const float x = dice.Real(4, 28), y = dice.Real(4, 44);
      c.Line(x - 2, y, x + 2, y, Rgb(255, 250, 200));
      c.Line(x, y - 2, x, y + 2, Rgb(255, 250, 200));
    }
  } else {  // a beam up the pole
    for (int y = 0; y < 48; ++y)
      for (int x = 0; x < 32; ++x) {
        const float d = std::fabs(x + 0.5f - 16) / 9.0f;
        const float fade = std::min(1.0f, (48 - y) / 30.0f);
        if (d < 1.0f) c.Blend(x, y, Rgb(255, 220, 120, static_cast<int>(220 * (1 - d) * fade)));
      }
  }
}

// ---- shield, timer, menu ---------------------------------------------------------------------

inline void DrawShield(TCanvas c) {
  const TPath outer = {{4, 3}, {16, 1}, {28, 3}, {28, 14}, {24, 23}, {16, 30}, {8, 23}, {4, 14}};
  const TPath inner = {{7, 5.5f}, {16, 4}, {25, 5.5f}, {25, 14}, {22, 21}, {16, 26.5f}, {10, 21}, {7, 14}};
  c.Polygon(outer, Rgb(226, 196, 90));
  c.Polygon(inner, Rgb(60, 96, 176));
  c.Polygon({{16, 4}, {25, 5.5f}, {25, 14}, {22, 21}, {16, 26.5f}}, Rgb(48, 78, 150));
  c.Rect(14, 7, 4, 17, Rgb(236, 236, 240));
  c.Rect(9, 12, 14, 4, Rgb(236, 236, 240));
  c.Line(8, 6, 12, 5, Rgb(160, 190, 240));
  c.Outline(Grey(30));
}

inline void DrawTimer(TCanvas c, int n) {
  c.Disc(7, 8, 6, Grey(235));
  c.Ring(7, 8, 6, 1.5f, Grey(90));
  c.Rect(6, 0, 3, 2, Grey(90));
  c.Line(7, 8, 7, 4, Grey(40));
  c.Line(7, 8, 10, 8, Grey(40));
  c.RoundRect(15, 5, 16, 6, 3, Grey(80));
  if (n == 0) c.RoundRect(16, 6, 14, 4, 2, Rgb(90, 200, 90));
  c.Outline(Grey(30, 200));
}

inline void DrawMenuButton(TCanvas c, bool pressed) {
  c.RoundRect(2, 2, 28, 28, 6, pressed ? Grey(230, 230) : Grey(40, 200));
  for (int i = 0; i < 3; ++i) c.RoundRect(8, 9 + i * 6, 16, 3, 1.5f, pressed ? Grey(40) : Grey(250));
  c.Outline(Grey(230, 160));
}

// ---- captions and buttons ---------------------------------------------------------------------

inline void DrawCaption(TCanvas c, const std::string& text) {
  TTextStyle style;
  style.scaleX = 3;
  style.scaleY = 3;
  style.ink = Rgb(255, 236, 170);
  style.outline = Grey(30);
  style.shadow = Grey(0, 150);
  DrawTextCentred(c, c.W() / 2, (c.H() - 21) / 2, text, style);
}

inline void DrawButton(TCanvas c, const std::string& text) {
  c.RoundRect(1, 1, 94, 30, 8, Rgb(196, 160, 70));
  c.RoundRect(3, 3, 90, 26, 6, Rgb(70, 50, 36));
  c.VGradient(4, 4, 88, 11, Rgb(255, 255, 255, 40), Rgb(255, 255, 255, 0));
  TTextStyle style;
  style.scaleX = 2;
  style.scaleY = 2;
  style.ink = Rgb(255, 240, 200);
  style.shadow = Grey(0, 160);
  DrawTextCentred(c, 48, 9, text, style);
}

// Digit n, white with a dark rim, stretched tall to fill 16 x 32.
inline void DrawDigit(TCanvas c, int n) {
  TTextStyle style;
  style.scaleX = 2;
  style.scaleY = 3;
  style.ink = Grey(255);
  DrawText(c, 1, 5, std::string(1, static_cast<char>('0' + n)), style);
  c.Outline(Grey(30));
}

inline void PaintInterface(TPixmap& atlas) {
  for (int i = 0; i < 3; ++i) DrawPole(SpriteCell(atlas, kUIPole + i), i);
  for (int i = 0; i < 4; ++i) DrawFlag(SpriteCell(atlas, kUIFlag + i), i);
  for (int i = 0; i < 10; ++i) DrawMark(SpriteCell(atlas, kUIMarks + i), i);
  DrawMapBlock(SpriteCell(atlas, kUIMapBlock), false);
  DrawMapBlock(SpriteCell(atlas, kUIMapBlock + 1), true);
  DrawCross(SpriteCell(atlas, kUICross));
  for (int i = 0; i < 3; ++i) DrawPoleLight(SpriteCell(atlas, kUIAnim + i), i);
  DrawShield(SpriteCell(atlas, kUIShield));
  for (int i = 0; i < 2; ++i) DrawTimer(SpriteCell(atlas, kUITimer + i), i);
  DrawMenuButton(SpriteCell(atlas, kUIMenu), false);
  DrawMenuButton(SpriteCell(atlas, kUIMenu + 1), true);
  DrawCaption(SpriteCell(atlas, kUIText), "THE DEAL");
  DrawButton(SpriteCell(atlas, kUIText + 1), "READY");
  DrawButton(SpriteCell(atlas, kUIText + 2), "BATTLE");
  DrawButton(SpriteCell(atlas, kUIText + 3), "MENU");
  DrawButton(SpriteCell(atlas, kUIText + 4), "BACK");
  DrawCaption(SpriteCell(atlas, kUIText + 5), "CAMPAIGN");
  for (int i = 0; i < 10; ++i) DrawDigit(SpriteCell(atlas, kUINumbers + i), i);
}

}  // namespace art
