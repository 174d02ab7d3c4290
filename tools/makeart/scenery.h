// Battlefield scenery of the sprite atlas: trees, bushes and rocks, the tile decals and
// water glints, the ground patches, the road pieces, the buildings and the particles.
// Tiles are 2:1 diamonds; a standing object has its foot at the bottom middle of its cell.
#pragma once
#include <cmath>

#include "canvas.h"
#include "spritetable.h"

namespace art {

inline TCanvas SpriteCell(TPixmap& atlas, int sprite) {
  const TSpriteRect& r = SpriteAt(sprite);
  return TCanvas(atlas, r.x, r.y, r.w, r.h);
}

// A round leafy clump lit from the top left: shadow, body, highlight.
inline void Blob(TCanvas& c, float cx, float cy, float r, TRgba base) {
  c.Disc(cx, cy, r, Scale(base, 0.72f));
  c.Disc(cx - r * 0.2f, cy - r * 0.22f, r * 0.78f, base);
  c.Disc(cx - r * 0.4f, cy - r * 0.42f, r * 0.36f, Scale(base, 1.22f));
}

// ---- trees ---------------------------------------------------------------------------

inline void Trunk(TCanvas& c, float x, float top, float width, TRgba bark) {
  c.Rect(static_cast<int>(x - width / 2), static_cast<int>(top), static_cast<int>(width), 31 - static_cast<int>(top), bark);
  c.Rect(static_cast<int>(x - width / 2), static_cast<int>(top), 1, 31 - static_cast<int>(top), Scale(bark, 1.25f));
}

// Stacked triangles, lighter on the left.
inline void Conifer(TCanvas& c, TDice& dice, int tiers, float top, float halfWidth, TRgba green) {
  Trunk(c, 16, 24, 3, Rgb(96, 64, 38));
  const float bottom = 28.0f, step = (bottom - top) / static_cast<float>(tiers);
  for (int i = 0; i < tiers; ++i) {
    const float y0 = top + i * step * 0.8f, y1 = y0 + step * 1.6f;
    const float hw = halfWidth * (0.45f + 0.55f * static_cast<float>(i + 1) / tiers) + dice.Real(-0.6f, 0.6f);
    const TRgba g = Scale(green, 0.9f + 0.05f * i);
    c.Polygon({{16, y0}, {16 + hw, y1}, {16 - hw, y1}}, Scale(g, 0.8f));
    c.Polygon({{16, y0}, {16, y1 - 1}, {16 - hw + 1, y1 - 1}}, g);
    c.Line(16 - hw * 0.5f, y0 + step * 0.9f, 16 - 1, y0 + 2, Scale(g, 1.3f));
  }
}

inline void Leafy(TCanvas& c, TDice& dice, TRgba green, float height, float spread, int clumps, TRgba bark) {
  const float top = 31.0f - height;
  Trunk(c, 16, top + height * 0.5f, 3, bark);
  const float cy = top + height * 0.36f;
  for (int i = 0; i < clumps; ++i) {
    const float a = dice.Real(0.0f, 6.283f);
    const float d = dice.Real(0.0f, spread * 0.55f);
    Blob(c, 16 + std::cos(a) * d, cy + std::sin(a) * d * 0.7f, dice.Real(spread * 0.48f, spread * 0.66f), green);
  }
  Blob(c, 15, cy - 1, spread * 0.55f, Scale(green, 1.05f));
}

inline void BareTree(TCanvas& c, TDice& dice, TRgba bark) {
  Trunk(c, 16, 19, 3, bark);
  struct TBranch {
    float x, y, angle, length;
    int depth;
  };
  std::vector<TBranch> todo = {{16, 20, -90, 6, 0}, {16, 25, -140, 5, 1}, {17, 23, -40, 5, 1}};
  while (!todo.empty()) {
    const TBranch b = todo.back();
    todo.pop_back();
    const float rad = b.angle * 3.14159f / 180.0f;
    const float ex = b.x + std::cos(rad) * b.length, ey = b.y + std::sin(rad) * b.length;
    c.Line(b.x, b.y, ex, ey, Scale(bark, 1.0f + 0.08f * b.depth), b.depth == 0 ? 2.0f : 1.0f);
    if (b.depth < 3) {
      todo.push_back({ex, ey, b.angle - dice.Real(22, 38), b.length * 0.72f, b.depth + 1});
      todo.push_back({ex, ey, b.angle + dice.Real(22, 38), b.length * 0.72f, b.depth + 1});
    }
  }
}

inline void Poplar(TCanvas& c, TDice& dice, TRgba green, float height) {
  Trunk(c, 16, 24, 2, Rgb(92, 70, 44));
  const float top = 29.0f - height;
  c.Ellipse(16, top + height * 0.5f, 5.5f, height * 0.5f, Scale(green, 0.75f));
  c.Ellipse(15, top + height * 0.47f, 4.2f, height * 0.45f, green);
  for (int i = 0; i < 6; ++i) c.Disc(14 + dice.Real(-1, 1), top + 3 + i * height / 7.0f, 1.3f, Scale(green, 1.25f));
}

inline void DrawTree(TCanvas c, int family, int variant) {
  TDice dice(100 + family * 8 + variant);
  const float size = 0.85f + 0.05f * variant;
  switch (family) {
    case 0:
      Conifer(c, dice, 3, 4.0f + 2 * (3 - variant), 10.0f * size, Rgb(46, 110, 62));
      break;
    case 1:
      Conifer(c, dice, 4 + variant % 2, 1.0f + variant, 7.5f * size, Rgb(38, 96, 70));
      break;
    case 2:
      Leafy(c, dice, Rgb(70, 150, 58), 26 * size, 11 * size, 5, Rgb(104, 72, 44));
      break;
    case 3:
      Leafy(c, dice, Rgb(112, 168, 64), 24 * size, 10 * size, 6, Rgb(110, 80, 50));
      for (int i = 0; i < 5; ++i) c.Put(dice.Int(9, 22), dice.Int(6, 16), Rgb(210, 60, 50));
      break;
    case 4:
      Leafy(c, dice, Rgb(140, 190, 80), 27 * size, 9 * size, 5, Rgb(232, 232, 224));
      for (int y = 16; y < 31; y += 3) c.Put(15 + (y / 3) % 2, y, Rgb(40, 40, 40));
      break;
    case 5:
      Leafy(c, dice, variant % 2 ? Rgb(214, 120, 40) : Rgb(196, 70, 40), 25 * size, 10.5f * size, 6, Rgb(100, 66, 40));
      break;
    case 6:
      BareTree(c, dice, Rgb(110, 84, 60));
      break;
    default:
      Poplar(c, dice, Rgb(64, 132, 56), 24 * size + 2);
      break;
  }
  c.Outline(Rgb(20, 40, 24, 220));
}

// ---- bushes and rocks ----------------------------------------------------------------

inline void Rock(TCanvas& c, float cx, float cy, float rx, float ry, TRgba stone) {
  c.Ellipse(cx, cy, rx, ry, Scale(stone, 0.7f));
  c.Ellipse(cx - rx * 0.15f, cy - ry * 0.2f, rx * 0.82f, ry * 0.75f, stone);
  c.Ellipse(cx - rx * 0.4f, cy - ry * 0.45f, rx * 0.3f, ry * 0.25f, Scale(stone, 1.2f));
}

inline void Tuft(TCanvas& c, TDice& dice, float x, float base, float height, TRgba green) {
  for (int i = 0; i < 5; ++i) {
    const float lean = dice.Real(-3.0f, 3.0f);
    c.Line(x + i - 2, base, x + i - 2 + lean, base - height * dice.Real(0.6f, 1.0f), i % 2 ? green : Scale(green, 1.25f));
  }
}

inline void DrawBush(TCanvas c, int n) {
  TDice dice(300 + n);
  const TRgba greens[] = {Rgb(62, 132, 52), Rgb(84, 148, 60), Rgb(50, 112, 64), Rgb(104, 150, 56)};
  if (n < 6) {
    const TRgba green = greens[n % 4];
    const int clumps = 4 + n % 3;
    for (int i = 0; i < clumps; ++i)
      Blob(c, dice.Real(8, 24), dice.Real(14, 22), dice.Real(6, 8.5f), Scale(green, dice.Real(0.9f, 1.1f)));
    Blob(c, 16, 22, 9, green);
    if (n >= 4) {
      const TRgba petal = n == 4 ? Rgb(240, 130, 180) : Rgb(250, 220, 80);
      for (int i = 0; i < 9; ++i) c.Rect(dice.Int(6, 25), dice.Int(10, 26), 2, 2, petal);
    }
  } else if (n < 8) {
    const TRgba stone = n == 6 ? Rgb(150, 146, 138) : Rgb(168, 156, 132);
    Rock(c, 14, 22, 11, 8, stone);
    Rock(c, 24, 25, 6, 5, Scale(stone, 0.95f));
    c.Ellipse(11, 16, 4, 2, Rgb(90, 140, 60, 200));
  } else if (n < 10) {
    for (int i = 0; i < 5; ++i) Tuft(c, dice, 6 + i * 5, 31, dice.Real(12, 24), n == 8 ? Rgb(96, 160, 60) : Rgb(150, 160, 70));
  } else if (n == 10) {  // a dry thicket of twigs
    c.Ellipse(16, 22, 13, 9, Rgb(120, 110, 60, 160));
    for (int i = 0; i < 22; ++i) {
      const float x = dice.Real(5, 27), y = dice.Real(14, 30);
      c.Line(x, y, x + dice.Real(-4, 4), y - dice.Real(2, 6), i % 3 ? Rgb(130, 100, 64) : Rgb(150, 140, 80));
    }
    for (int i = 0; i < 6; ++i) c.Disc(dice.Real(7, 25), dice.Real(14, 24), 1.6f, Rgb(140, 140, 70));
  } else {
    for (int i = 0; i < 7; ++i) {
      const float a = -150.0f + i * 20.0f, rad = a * 3.14159f / 180.0f;
      const float ex = 16 + std::cos(rad) * 15, ey = 30 + std::sin(rad) * 22;
      c.Line(16, 30, ex, ey, Rgb(70, 140, 60), 2.0f);
      c.Line((16 + ex) / 2, (30 + ey) / 2, (16 + ex) / 2 + 3, (30 + ey) / 2 - 1, Rgb(100, 170, 70));
    }
  }
  c.Outline(Rgb(24, 40, 24, 200));
}

// ---- decals: tile-sized speckle and the two water glints -----------------------------

// Whether (x, y) lies in the tile diamond whose top corner is the middle of the cell's
// top edge (the decals are drawn with their top-left 16 pixels left of a tile's top).
inline bool InTopDiamond(int x, int y) {
  const float dx = std::fabs(x + 0.5f - 16.0f) / 19.8f, dy = std::fabs(y + 0.5f - 9.9f) / 9.9f;
  return dx + dy <= 1.0f;
}

inline void DrawDecal(TCanvas c, int n) {
  for (int y = 0; y < 20; ++y)
    for (int x = 0; x < 32; ++x) {
      if (!InTopDiamond(x, y)) continue;
      const float h = Hash01(x, y, 40 + n);
      if (n == 0) {
        if (h < 0.12f) c.Put(x, y, Rgb(30, 60, 20));
        else if (h > 0.9f) c.Put(x, y, Rgb(200, 230, 140));
      } else if (h > 0.86f && ((x + y * 2 + n * 3) % 7 < 3)) {
        c.Put(x, y, Grey(255));
      }
    }
  if (n > 0) {
    // Ripples along the tile's axes.
    for (int i = 0; i < 3; ++i) {
      const float y = 5.0f + i * 4.0f + (n == 2 ? 2.0f : 0.0f);
      const float x = 8.0f + i * 5.0f - (n == 2 ? 4.0f : 0.0f);
      c.Line(x, y, x + 6, y + 3, Grey(255, 230));
    }
  }
}

// ---- ground patches (standing on the upper half of a tile) ---------------------------

inline void GroundPatch(TCanvas& c, TRgba colour) {
  c.Ellipse(16, 26, 13, 5, WithAlpha(colour, 150));
  c.Ellipse(16, 26, 10, 3.5f, WithAlpha(colour, 200));
}

inline void DrawGround(TCanvas c, int n) {
  TDice dice(500 + n);
  switch (n) {
    case 0:  // grass
      GroundPatch(c, Rgb(90, 150, 60));
      for (int i = 0; i < 5; ++i) Tuft(c, dice, dice.Real(6, 26), dice.Real(25, 29), dice.Real(5, 8), Rgb(80, 160, 60));
      break;
    case 1:  // flowers
      GroundPatch(c, Rgb(96, 156, 64));
      for (int i = 0; i < 4; ++i) Tuft(c, dice, dice.Real(7, 25), dice.Real(25, 29), 5, Rgb(80, 150, 60));
      for (int i = 0; i < 9; ++i) {
        const TRgba petals[] = {Rgb(250, 230, 90), Grey(250), Rgb(200, 120, 230)};
        c.Rect(dice.Int(5, 26), dice.Int(20, 29), 2, 2, petals[i % 3]);
      }
      break;
    case 2:  // pebbles
      GroundPatch(c, Rgb(140, 130, 100));
      for (int i = 0; i < 7; ++i) Rock(c, dice.Real(6, 26), dice.Real(23, 29), dice.Real(1.5f, 3), dice.Real(1, 2), Rgb(170, 166, 156));
      break;
    case 3:  // tall grass
      GroundPatch(c, Rgb(80, 120, 50));
      for (int i = 0; i < 6; ++i) Tuft(c, dice, dice.Real(5, 27), dice.Real(26, 30), dice.Real(10, 16), Rgb(110, 140, 50));
      break;
    case 4:  // rocks
      GroundPatch(c, Rgb(120, 110, 90));
      for (int i = 0; i < 4; ++i) Rock(c, dice.Real(8, 24), dice.Real(22, 27), dice.Real(3, 5), dice.Real(2.5f, 3.5f), Rgb(150, 146, 140));
      break;
    case 5:  // boulder: its halves are also the two unused road cells
      GroundPatch(c, Rgb(110, 100, 80));
      Rock(c, 16, 21, 11, 9, Rgb(160, 154, 144));
      c.Line(10, 20, 15, 24, Rgb(90, 86, 80));
      break;
    case 6:  // bramble
      GroundPatch(c, Rgb(100, 96, 50));
      for (int i = 0; i < 12; ++i) c.Line(dice.Real(5, 27), dice.Real(24, 30), dice.Real(5, 27), dice.Real(14, 24), Rgb(110, 80, 50));
      for (int i = 0; i < 6; ++i) c.Disc(dice.Real(7, 25), dice.Real(16, 26), 2, Rgb(90, 120, 50));
      break;
    default:  // mud
      c.Ellipse(16, 25, 14, 6, Rgb(120, 90, 56, 220));
      c.Ellipse(15, 25, 10, 4, Rgb(92, 66, 40));
      c.Ellipse(13, 24, 5, 1.6f, Rgb(150, 130, 110, 200));
      c.Line(18, 26, 22, 27, Rgb(170, 150, 130, 180));
      break;
  }
  if (n != 7) c.Outline(Rgb(30, 40, 20, 90));
}

// ---- roads: 32 x 16 diamonds ---------------------------------------------------------

enum TArm { kArmUL = 1, kArmUR = 2, kArmLR = 4, kArmLL = 8 };

// Road piece n: 0 along y, 1 along x, 2 bottom bend, 3 left bend, 5 right bend,
// 6 crossing, 7 top bend, 8 T junction. 4 and 9 are the halves of a ground patch.
inline int RoadArms(int n) {
  switch (n) {
    case 0: return kArmUR | kArmLL;
    case 1: return kArmUL | kArmLR;
    case 2: return kArmLL | kArmLR;
    case 3: return kArmUL | kArmLL;
    case 5: return kArmUR | kArmLR;
    case 6: return kArmUL | kArmUR | kArmLR | kArmLL;
    case 7: return kArmUL | kArmUR;
    case 8: return kArmUL | kArmLR | kArmLL;
    default: return 0;
  }
}

inline void DrawRoad(TCanvas c, int n) {
  const int arms = RoadArms(n);
  if (arms == 0) return;
  // Grid coordinates of the diamond: top (0, 0), right (1, 0), left (0, 1), bottom (1, 1).
  const struct {
    int bit;
    float u, v;
  } ends[] = {{kArmUL, 0.0f, 0.5f}, {kArmUR, 0.5f, 0.0f}, {kArmLR, 1.0f, 0.5f}, {kArmLL, 0.5f, 1.0f}};
  for (int y = 0; y < 16; ++y)
    for (int x = 0; x < 32; ++x) {
      const float px = x + 0.5f, py = y + 0.5f;
      const float u = ((px - 16.0f) / 16.0f + py / 8.0f) * 0.5f, v = (py / 8.0f - (px - 16.0f) / 16.0f) * 0.5f;
      if (u < 0 || v < 0 || u > 1 || v > 1) continue;
      float best = 9.0f;
      for (const auto& e : ends) {
        if ((arms & e.bit) == 0) continue;
        const float ax = e.u - 0.5f, ay = e.v - 0.5f, len2 = ax * ax + ay * ay;
        const float t = std::clamp(((u - 0.5f) * ax + (v - 0.5f) * ay) / len2, 0.0f, 1.0f);
        const float dx = u - 0.5f - t * ax, dy = v - 0.5f - t * ay;
        best = std::min(best, std::sqrt(dx * dx + dy * dy));
      }
      if (best > 0.24f) continue;
      TRgba colour = Rgb(232, 204, 150);
      if (best > 0.19f) colour = Rgb(176, 146, 100);
      else if (std::fabs(best - 0.1f) < 0.03f) colour = Rgb(206, 174, 122);
      if (Hash01(x, y, 77 + n) > 0.85f) colour = Scale(colour, 0.92f);
      c.Put(x, y, colour);
    }
}

// ---- buildings: isometric boxes with roofs --------------------------------------------

enum class TRoof { GableAlongU, GableAlongV, Flat, Pyramid };

struct THouse {
  float u = 12, v = 10;      // footprint sides along the two grid directions
  float wall = 8, roof = 7;  // heights
  TRgba wallColour = Rgb(224, 210, 180);
  TRgba roofColour = Rgb(180, 70, 50);
  TRoof roofKind = TRoof::GableAlongU;
  bool chimney = false;
  int windows = 2;
  bool ruined = false;
};

class TIsoBox {
 public:
  TIsoBox(float u, float v) : bx_(16.0f + (v - u) * 0.5f) {}
  TPoint At(float a, float b, float z) const { return {bx_ + a - b, 30.5f - (a + b) * 0.5f - z}; }

 private:
  float bx_;
};

inline void DrawHouse(TCanvas& c, const THouse& h) {
  const TIsoBox box(h.u, h.v);
  const auto P = [&](float a, float b, float z) { return box.At(a, b, z); };
  const float u = h.u, v = h.v, H = h.wall, R = h.roof;
  const TRgba lit = h.wallColour, dark = Scale(h.wallColour, 0.72f);
  const TRgba roofLit = h.roofColour, roofDark = Scale(h.roofColour, 0.74f);
  // Back roof first, then the two walls facing us, then the front roof.
  if (h.roofKind == TRoof::GableAlongU)
    c.Polygon({P(-1, v + 1, H - 1), P(u + 1, v + 1, H - 1), P(u + 1, v / 2, H + R), P(-1, v / 2, H + R)}, roofDark);
  if (h.roofKind == TRoof::GableAlongV)
    c.Polygon({P(u + 1, -1, H - 1), P(u + 1, v + 1, H - 1), P(u / 2, v + 1, H + R), P(u / 2, -1, H + R)}, Scale(roofLit, 0.9f));
  c.Polygon({P(0, 0, 0), P(0, v, 0), P(0, v, H), P(0, 0, H)}, dark);
  c.Polygon({P(0, 0, 0), P(u, 0, 0), P(u, 0, H), P(0, 0, H)}, lit);
  if (h.roofKind == TRoof::GableAlongU) c.Polygon({P(0, 0, H), P(0, v, H), P(0, v / 2, H + R)}, dark);
  if (h.roofKind == TRoof::GableAlongV) c.Polygon({P(0, 0, H), P(u, 0, H), P(u / 2, 0, H + R)}, lit);
  // Windows on the lit wall, a door on the dark one.
  for (int i = 0; i < h.windows; ++i) {
    const float a0 = u * (i + 0.5f) / h.windows - 1.5f;
    c.Polygon({P(a0, 0, H * 0.35f), P(a0 + 3, 0, H * 0.35f), P(a0 + 3, 0, H * 0.75f), P(a0, 0, H * 0.75f)}, Rgb(60, 70, 90));
    c.Put(static_cast<int>(P(a0 + 1, 0, H * 0.7f).x), static_cast<int>(P(a0 + 1, 0, H * 0.7f).y), Rgb(200, 220, 240));
  }
  c.Polygon({P(0, v * 0.5f - 1.5f, 0), P(0, v * 0.5f + 1.5f, 0), P(0, v * 0.5f + 1.5f, std::min(H - 1, 6.0f)),
             P(0, v * 0.5f - 1.5f, std::min(H - 1, 6.0f))},
            Rgb(96, 60, 36));
  switch (h.roofKind) {
    case TRoof::GableAlongU:
      c.Polygon({P(-1, -1, H - 1), P(u + 1, -1, H - 1), P(u + 1, v / 2, H + R), P(-1, v / 2, H + R)}, roofLit);
      c.Line(P(-1, v / 2, H + R).x, P(-1, v / 2, H + R).y, P(u + 1, v / 2, H + R).x, P(u + 1, v / 2, H + R).y, Scale(roofLit, 1.2f));
      break;
    case TRoof::GableAlongV:
      c.Polygon({P(-1, -1, H - 1), P(-1, v + 1, H - 1), P(u / 2, v + 1, H + R), P(u / 2, -1, H + R)}, roofDark);
      break;
    case TRoof::Flat:
      c.Polygon({P(0, 0, H), P(u, 0, H), P(u, v, H), P(0, v, H)}, roofLit);
      c.Polygon({P(1.5f, 1.5f, H), P(u - 1.5f, 1.5f, H), P(u - 1.5f, v - 1.5f, H), P(1.5f, v - 1.5f, H)}, roofDark);
      break;
    case TRoof::Pyramid:
      c.Polygon({P(-1, -1, H - 1), P(-1, v + 1, H - 1), P(u / 2, v / 2, H + R)}, roofDark);
      c.Polygon({P(-1, -1, H - 1), P(u + 1, -1, H - 1), P(u / 2, v / 2, H + R)}, roofLit);
      break;
  }
  if (h.chimney) {
    const TPoint base = P(u * 0.7f, v * 0.3f, H + R * 0.5f);
    c.Rect(static_cast<int>(base.x), static_cast<int>(base.y) - 5, 3, 6, Rgb(150, 80, 60));
    c.Rect(static_cast<int>(base.x), static_cast<int>(base.y) - 5, 3, 1, Rgb(80, 50, 40));
  }
  if (h.ruined) {
    // Holes in the roof and a charred gap.
    TDice dice(900);
    for (int i = 0; i < 10; ++i) c.Put(dice.Int(8, 24), dice.Int(6, 16), TRgba{});
    c.Polygon({P(u * 0.3f, 0, H), P(u * 0.8f, 0, H), P(u * 0.6f, 0, H + R * 0.8f)}, Rgb(46, 36, 30));
  }
}

inline void DrawBuilding(TCanvas c, int n) {
  THouse h;
  const TRgba walls[] = {Rgb(230, 214, 180), Rgb(220, 200, 160), Rgb(236, 230, 220), Rgb(200, 170, 130), Rgb(214, 190, 170)};
  const TRgba roofs[] = {Rgb(186, 72, 50), Rgb(150, 110, 60), Rgb(100, 104, 120), Rgb(170, 90, 60), Rgb(120, 80, 50)};
  h.wallColour = walls[n % 5];
  h.roofColour = roofs[(n * 2) % 5];
  h.chimney = n % 2 == 0;
  if (n < 5) {  // farmsteads standing alone
    h.u = 11.0f + n % 3;
    h.v = 9.0f + (n + 1) % 3;
    h.roofKind = n % 2 ? TRoof::GableAlongV : TRoof::GableAlongU;
    if (n == 4) h.roofColour = Rgb(196, 168, 90);  // thatch
  } else if (n < 10) {  // village houses beside the roads
    h.u = 10.0f + (n % 2) * 3;
    h.v = 10.0f;
    h.wall = 10.0f + (n % 3) * 2;
    h.roof = 6.0f;
    h.windows = 3;
    h.roofKind = n % 2 ? TRoof::GableAlongU : TRoof::Pyramid;
  } else {
    switch (n) {
      case 10: {  // church: the tower stands behind the nave, so it goes first
        THouse tower;
        tower.u = 5;
        tower.v = 5;
        tower.wall = 18;
        tower.roof = 8;
        tower.windows = 1;
        tower.roofKind = TRoof::Pyramid;
        tower.wallColour = Rgb(226, 222, 210);
        tower.roofColour = Rgb(96, 100, 116);
        TCanvas behind = c.Sub(-6, -3, 32, 32);
        DrawHouse(behind, tower);
        h.u = 14;
        h.v = 8;
        h.wall = 9;
        h.roofKind = TRoof::GableAlongU;
        h.roofColour = Rgb(96, 100, 116);
        break;
      }
      case 11:  // barn
        h.u = 14;
        h.v = 11;
        h.wall = 7;
        h.roof = 9;
        h.windows = 1;
        h.wallColour = Rgb(170, 70, 50);
        h.roofColour = Rgb(110, 100, 90);
        break;
      case 12:  // ruin
        h.ruined = true;
        h.roofKind = TRoof::GableAlongU;
        h.wallColour = Rgb(170, 160, 150);
        h.roofColour = Rgb(90, 70, 60);
        break;
      case 13:  // field tent
        h.u = 12;
        h.v = 10;
        h.wall = 2;
        h.roof = 11;
        h.windows = 0;
        h.wallColour = Rgb(150, 160, 100);
        h.roofColour = Rgb(140, 150, 90);
        h.chimney = false;
        break;
      default:  // bunker
        h.u = 13;
        h.v = 12;
        h.wall = 6;
        h.windows = 1;
        h.roofKind = TRoof::Flat;
        h.wallColour = Rgb(170, 170, 160);
        h.roofColour = Rgb(120, 130, 100);
        h.chimney = false;
        break;
    }
  }
  DrawHouse(c, h);
  c.Outline(Rgb(40, 30, 24, 220));
}

// ---- particles: smoke, spark, gas ----------------------------------------------------

inline void SoftDisc(TCanvas& c, float cx, float cy, float rx, float ry, TRgba colour) {
  for (int y = 0; y < c.H(); ++y)
    for (int x = 0; x < c.W(); ++x) {
      const float dx = (x + 0.5f - cx) / rx, dy = (y + 0.5f - cy) / ry, d = dx * dx + dy * dy;
      if (d < 1.0f) c.Blend(x, y, WithAlpha(colour, static_cast<int>(colour.a * (1.0f - d) * (1.0f - d))));
    }
}

inline void DrawParticle(TCanvas c, int n) {
  TDice dice(700 + n);
  if (n == 0) {  // smoke puff
    for (int i = 0; i < 6; ++i) SoftDisc(c, dice.Real(10, 22), dice.Real(10, 22), dice.Real(6, 10), dice.Real(6, 10), Grey(200, 200));
  } else if (n == 1) {  // spark
    SoftDisc(c, 16, 16, 14, 14, Rgb(255, 180, 60, 200));
    for (int i = 0; i < 8; ++i) {
      const float a = i * 0.785f;
      c.Line(16, 16, 16 + std::cos(a) * 13, 16 + std::sin(a) * 13, Rgb(255, 230, 140), i % 2 ? 1.0f : 2.0f);
    }
    c.Disc(16, 16, 4, Grey(255));
  } else {  // gas: a pale cloud, tinted by the game
    for (int i = 0; i < 9; ++i) SoftDisc(c, dice.Real(8, 24), dice.Real(12, 22), dice.Real(6, 10), dice.Real(5, 8), Grey(255, 170));
  }
}

inline void PaintScenery(TPixmap& atlas) {
  for (int i = 0; i < 32; ++i) DrawTree(SpriteCell(atlas, kTrees + i), i / 4, i % 4);
  for (int i = 0; i < 12; ++i) DrawBush(SpriteCell(atlas, kBushes + i), i);
  for (int i = 0; i < 3; ++i) DrawDecal(SpriteCell(atlas, kDecals + i), i);
  for (int i = 0; i < 10; ++i) DrawRoad(SpriteCell(atlas, kPaths + i), i);
  for (int i = 0; i < 8; ++i) DrawGround(SpriteCell(atlas, kGround + i), i);
  for (int i = 0; i < 15; ++i) DrawBuilding(SpriteCell(atlas, kBuildings + i), i);
  for (int i = 0; i < 3; ++i) DrawParticle(SpriteCell(atlas, kParticles + i), i);
}

}  // namespace art
