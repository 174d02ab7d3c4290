// The two whole pictures: the dark backdrop behind the battlefield (512 x 384) and the
// campaign map (569 x 437) that slides in with the five stage blocks over it.
#pragma once
#include <cmath>

#include "canvas.h"
#include "interface.h"
#include "scenery.h"
#include "spritetable.h"

namespace art {

// Darkest at the top, a soft light where the battlefield stands, darker corners.
inline void PaintBackdrop(TPixmap& screen) {
  TCanvas c(screen, 0, 0, kScreenW, kScreenH);
  for (int y = 0; y < kScreenH; ++y)
    for (int x = 0; x < kScreenW; ++x) {
      const float t = static_cast<float>(y) / kScreenH;
      TRgba p = Mix(Rgb(30, 36, 48), Rgb(46, 50, 38), t);
      const float dx = (x - 256.0f) / 300.0f, dy = (y - 190.0f) / 200.0f;
      const float light = std::max(0.0f, 1.0f - (dx * dx + dy * dy));
      p = Mix(p, Rgb(78, 84, 68), light * 0.6f);
      const float corner = std::min(1.0f, (dx * dx + dy * dy) * 0.5f);
      p = Scale(p, 1.0f - corner * 0.45f + (Hash01(x, y, 11) - 0.5f) * 0.06f);
      c.Put(x, y, p);
    }
  // Far hills along the horizon behind the field.
  for (int x = 0; x < kScreenW; ++x) {
    const float ridge = 92.0f + 14.0f * std::sin(x * 0.021f) + 7.0f * std::sin(x * 0.067f + 1.0f);
    for (int y = static_cast<int>(ridge); y < 182; ++y)
      c.Blend(x, y, Rgb(24, 30, 34, static_cast<int>(110 * std::min(1.0f, (y - ridge) / 12.0f) * (1.0f - (y - 92.0f) / 90.0f))));
  }
  // A faint map grid, as on a planning table.
  for (int y = 0; y < kScreenH; y += 32) c.Rect(0, y, kScreenW, 1, Grey(255, 10));
  for (int x = 0; x < kScreenW; x += 32) c.Rect(x, 0, 1, kScreenH, Grey(255, 10));
}

// Small map symbols.
inline void MapTree(TCanvas& c, float x, float y) {
  c.Polygon({{x, y - 9}, {x + 5, y}, {x - 5, y}}, Rgb(80, 110, 60));
  c.Rect(static_cast<int>(x) - 1, static_cast<int>(y), 2, 3, Rgb(100, 80, 50));
}
inline void MapHill(TCanvas& c, float x, float y) {
  c.Polyline({{x - 10, y}, {x - 3, y - 8}, {x + 1, y - 4}, {x + 5, y - 9}, {x + 12, y}}, Rgb(130, 100, 60), 2.0f);
}

inline void PaintCampaignMap(TPixmap& map) {
  TCanvas c(map, 0, 0, kMapW, kMapH);
  // Aged paper, darker towards the edges.
  for (int y = 0; y < kMapH; ++y)
    for (int x = 0; x < kMapW; ++x) {
      const float dx = (x - kMapW * 0.5f) / (kMapW * 0.5f), dy = (y - kMapH * 0.5f) / (kMapH * 0.5f);
      const float edge = std::pow(std::max(std::fabs(dx), std::fabs(dy)), 6.0f);
      TRgba p = Rgb(230, 212, 170);
      p = Scale(p, 1.0f - edge * 0.35f + (Hash01(x / 2, y / 2, 21) - 0.5f) * 0.07f);
      c.Put(x, y, p);
    }
  // The sea in the north-west, with a shaded coast.
  for (int y = 0; y < kMapH; ++y)
    for (int x = 0; x < kMapW; ++x) {
      const float coast = 250.0f - x * 0.55f + 14.0f * std::sin(x * 0.05f) + 8.0f * std::sin(x * 0.13f);
      if (y < coast - 6) c.Put(x, y, Mix(c.Get(x, y), Rgb(120, 160, 180), 0.6f));
      else if (y < coast) c.Put(x, y, Mix(c.Get(x, y), Rgb(90, 130, 150), 0.6f));
    }
  for (int i = 0; i < 14; ++i) {
    const float x = 30.0f + (i % 5) * 52.0f + (i / 5) * 20.0f, y = 30.0f + (i / 5) * 40.0f;
    c.Polyline({{x, y}, {x + 5, y - 3}, {x + 10, y}, {x + 15, y - 3}}, Rgb(80, 110, 130), 2.0f);
  }
  // A river from the hills to the sea.
  TPath river;
  for (int i = 0; i <= 40; ++i) {
    const float t = i / 40.0f;
    river.push_back({420.0f - t * 260.0f + 20.0f * std::sin(t * 9.0f), 440.0f - t * 280.0f + 10.0f * std::cos(t * 7.0f)});
  }
  c.Polyline(river, Rgb(100, 140, 160), 4.0f);
  // Forests and hills.
  TDice dice(31);
  for (int i = 0; i < 60; ++i) {
    const float x = dice.Real(260, 540), y = dice.Real(220, 410);
    if ((x - 380) * (x - 380) / 9000.0f + (y - 320) * (y - 320) / 4000.0f < 1.0f) MapTree(c, x, y);
  }
  for (int i = 0; i < 30; ++i) {
    const float x = dice.Real(40, 240), y = dice.Real(300, 420);
    if (i % 2) MapTree(c, x, y);
  }
  for (int i = 0; i < 12; ++i) MapHill(c, dice.Real(380, 540), dice.Real(40, 170));
  // The route through the five stages, where the game lays its blocks.
  TPath route;
  for (int stage = 0; stage < 5; ++stage) route.push_back({90.0f + 91.4f * stage, 312.0f - 45.7f * stage});
  for (size_t i = 1; i < route.size(); ++i) {
    const TPoint a = route[i - 1], b = route[i];
    for (int k = 0; k < 10; k += 2)
      c.Line(a.x + (b.x - a.x) * k / 10.0f, a.y + (b.y - a.y) * k / 10.0f, a.x + (b.x - a.x) * (k + 1) / 10.0f,
             a.y + (b.y - a.y) * (k + 1) / 10.0f, Rgb(170, 50, 40), 4.0f);
  }
  // Compass rose in the south-east corner.
  const float cx = 500, cy = 370;
  c.Ring(cx, cy, 30, 2.5f, Rgb(110, 80, 50));
  c.Polygon({{cx, cy - 44}, {cx + 7, cy}, {cx, cy + 44}, {cx - 7, cy}}, Rgb(110, 80, 50));
  c.Polygon({{cx - 44, cy}, {cx, cy - 7}, {cx + 44, cy}, {cx, cy + 7}}, Rgb(150, 110, 70));
  c.Polygon({{cx, cy - 44}, {cx + 7, cy}, {cx, cy}}, Rgb(200, 60, 50));
  TTextStyle north;
  north.scaleX = 2;
  north.scaleY = 2;
  north.ink = Rgb(110, 80, 50);
  DrawTextCentred(c, static_cast<int>(cx), static_cast<int>(cy) - 64, "N", north);
  // A double frame.
  c.Frame(6, 6, kMapW - 12, kMapH - 12, Rgb(120, 90, 56), 3);
  c.Frame(13, 13, kMapW - 26, kMapH - 26, Rgb(120, 90, 56), 1);
}

}  // namespace art
