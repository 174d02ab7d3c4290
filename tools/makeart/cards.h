// The card atlas: the nine face layers a card is built from (frame, badges, panels,
// back, glow, shade), the soldier pictures (greys, tinted with the player's colour),
// the extra-card pictures and the range sign, the name strips and the backgrounds.
// A card is 201 x 287; its body is a rounded box 5 pixels inside that, so the glow
// behind it shows round the edge. Badges sit where the card drawing puts the digits:
// range at (26, 20), attack at (28, 233), shields down the left from y 86.
#pragma once
#include <cmath>
#include <string>

#include "canvas.h"
#include "glyphs.h"
#include "interface.h"
#include "scenery.h"
#include "soldiers.h"
#include "spritetable.h"

namespace art {

constexpr float kBodyInset = 5.0f, kBodyRadius = 12.0f;

inline TCanvas CardCell(TPixmap& atlas, int sprite) {
  const TSpriteRect& r = SpriteAt(sprite);
  return TCanvas(atlas, r.x, r.y, r.w, r.h);
}

inline bool InCardBody(int x, int y, int height, float inset = kBodyInset) {
  return TCanvas::InRoundRect(x + 0.5f, y + 0.5f, inset, inset, kCardW - 2 * inset, height - 2 * inset, kBodyRadius);
}

inline void CardBody(TCanvas& c, TRgba colour, float inset = kBodyInset) {
  c.RoundRect(inset, inset, kCardW - 2 * inset, c.H() - 2 * inset, kBodyRadius, colour);
}

// A badge: dark disc inside a light ring, behind a digit.
inline void Badge(TCanvas& c, float cx, float cy, float r) {
  c.Disc(cx, cy, r, Grey(255));
  c.Disc(cx, cy, r - 4, Grey(56, 235));
  c.Ring(cx, cy, r - 4, 1.5f, Grey(150));
}

// ---- face layers ---------------------------------------------------------------------------

inline void DrawFaceLayer(TCanvas c, int n) {
  switch (n) {
    case 0:  // attack badge with two small swords above it
      Badge(c, 43, 253, 24);
      c.Line(31, 223, 55, 237, Grey(255), 3.0f);
      c.Line(55, 223, 31, 237, Grey(255), 3.0f);
      c.Outline(Grey(40, 200));
      break;
    case 1: {  // frame and range badge
      for (int y = 0; y < c.H(); ++y)
        for (int x = 0; x < c.W(); ++x)
          if (InCardBody(x, y, c.H()) && !InCardBody(x, y, c.H(), kBodyInset + 5)) c.Put(x, y, Grey(235));
      for (int y = 0; y < c.H(); ++y)
        for (int x = 0; x < c.W(); ++x)
          if (InCardBody(x, y, c.H(), kBodyInset + 5) && !InCardBody(x, y, c.H(), kBodyInset + 6)) c.Put(x, y, Grey(150));
      Badge(c, 43, 44, 29);
      break;
    }
    case 2:  // the name band and a fine inner line, in the player's colour
      c.RoundRect(12, 219, 177, 58, 8, Grey(232));
      c.Rect(14, 219, 173, 2, Grey(255));
      c.Rect(14, 274, 173, 2, Grey(170));
      for (int y = 0; y < c.H(); ++y)
        for (int x = 0; x < c.W(); ++x)
          if (InCardBody(x, y, c.H(), 13) && !InCardBody(x, y, c.H(), 14) && y < 216) c.Put(x, y, Grey(210, 200));
      break;
    case 3:  // the star of a veteran card
      Star(c, 170, 32, 19, Rgb(255, 210, 60));
      Star(c, 168, 30, 11, Rgb(255, 240, 150));
      c.Outline(Rgb(90, 60, 10));
      break;
    case 4:  // the picture panel: a pale window over the backgrounds
      for (int y = 12; y < 214; ++y) {
        const int alpha = 170 - (y - 12) * 60 / 202;
        for (int x = 12; x < 189; ++x)
          if (TCanvas::InRoundRect(x + 0.5f, y + 0.5f, 12, 12, 177, 202, 8)) c.Put(x, y, Grey(255, alpha));
      }
      for (int y = 0; y < c.H(); ++y)
        for (int x = 0; x < c.W(); ++x)
          if (TCanvas::InRoundRect(x + 0.5f, y + 0.5f, 12, 12, 177, 202, 8) &&
              !TCanvas::InRoundRect(x + 0.5f, y + 0.5f, 14, 14, 173, 198, 6))
            c.Put(x, y, Grey(150, 220));
      break;
    case 5:  // the back
      CardBody(c, Rgb(34, 46, 96));
      for (int y = 0; y < c.H(); ++y)
        for (int x = 0; x < c.W(); ++x) {
          if (!InCardBody(x, y, c.H(), 16)) continue;
          if ((x + y) % 18 == 0 || (x - y + 400) % 18 == 0) c.Put(x, y, Rgb(60, 76, 140));
        }
      for (int y = 0; y < c.H(); ++y)
        for (int x = 0; x < c.W(); ++x)
          if (InCardBody(x, y, c.H()) && !InCardBody(x, y, c.H(), 10)) c.Put(x, y, Rgb(206, 170, 80));
      c.Disc(100, 143, 46, Rgb(206, 170, 80));
      c.Disc(100, 143, 41, Rgb(34, 46, 96));
      c.Line(72, 115, 128, 171, Grey(230), 7.0f);  // crossed swords
      c.Line(128, 115, 72, 171, Grey(230), 7.0f);
      c.Line(80, 160, 90, 170, Rgb(206, 170, 80), 5.0f);
      c.Line(120, 160, 110, 170, Rgb(206, 170, 80), 5.0f);
      DrawShield(c.Sub(84, 122, 32, 32));
      break;
    case 6:  // the glow: strongest at the body's edge, fading outwards
      for (int y = 0; y < c.H(); ++y)
        for (int x = 0; x < c.W(); ++x) {
          float d = 0.0f;
          for (; d < 6.0f; d += 1.0f)
            if (TCanvas::InRoundRect(x + 0.5f, y + 0.5f, kBodyInset - d, kBodyInset - d, kCardW - 2 * (kBodyInset - d),
                                     c.H() - 2 * (kBodyInset - d), kBodyRadius + d))
              break;
          c.Put(x, y, Grey(255, static_cast<int>(255 * (1.0f - d / 6.0f))));
        }
      break;
    case 7:  // a plain panel (the game shows terrain notes on it)
      c.RoundRect(2, 2, 197, c.H() - 4, 18, Grey(150));
      c.RoundRect(9, 9, 183, c.H() - 18, 12, Grey(205));
      c.RoundRect(14, 14, 173, c.H() - 28, 9, Grey(190));
      break;
    default:  // the shade: the body alone
      CardBody(c, Grey(255));
      break;
  }
}

// ---- backgrounds: a base and patterns laid over it ---------------------------------------------

inline void DrawBackground(TCanvas c, int n) {
  for (int y = 0; y < c.H(); ++y)
    for (int x = 0; x < c.W(); ++x) {
      if (!InCardBody(x, y, c.H())) continue;
      const float noise = Hash01(x, y, 600 + n);
      TRgba p{};
      switch (n) {
        case 0:  // hatching for the extra cards
          p = (x + y) % 14 < 5 ? Grey(250) : Grey(205 + static_cast<int>(noise * 20));
          break;
        case 1:  // paper with a faint grid
          p = Grey(206 + static_cast<int>(noise * 30));
          if (x % 16 == 0 || y % 16 == 0) p = Scale(p, 0.92f);
          break;
        case 2:  // pinstripes
          if (x % 10 < 2) p = Grey(255, 150);
          break;
        case 3: {  // camouflage blotches
          const float a = std::sin(x * 0.09f) + std::sin(y * 0.07f + x * 0.03f) + std::sin((x + y) * 0.05f);
          if (a > 0.6f) p = Grey(255, 230);
          else if (a < -1.0f) p = Grey(200, 160);
          break;
        }
        case 4:  // diamonds
          if ((std::abs((x % 28) - 14) + std::abs((y % 40) - 20) * 0.7f) < 9.0f) p = Grey(255, 170);
          break;
        case 5:  // chevrons
          if ((std::abs((x % 40) - 20) + y) % 24 < 7) p = Grey(255, 180);
          break;
        case 6:  // dots
          if (((x % 16) - 8) * ((x % 16) - 8) + ((y % 16) - 8) * ((y % 16) - 8) < 12) p = Grey(255, 190);
          break;
        case 7:  // waves
          if (static_cast<int>(y + 5 * std::sin(x * 0.12f)) % 18 < 4) p = Grey(255, 170);
          break;
        default:  // cross-hatching
          if ((x + y) % 16 < 2 || (x - y + 512) % 16 < 2) p = Grey(255, 160);
          break;
      }
      c.Put(x, y, p);
    }
}

// ---- soldier pictures ---------------------------------------------------------------------------

// A man of the 16 x 32 poses drawn large: the pose's point (x, y) lands on
// (left + x * s, top + y * s). Greys for the player's tint.
inline void DrawFigure(TCanvas& c, const TPose& pose, float left, float top, float s) {
  const auto P = [&](TPoint p) { return TPoint{left + p.x * s, top + p.y * s}; };
  const auto limb = [&](TPoint a, TPoint b, TRgba colour, float width) {
    const TPoint pa = P(a), pb = P(b);
    c.Line(pa.x, pa.y, pb.x, pb.y, colour, width * s);
  };
  const TRgba cloth = Grey(222), clothDark = Grey(168), boots = Grey(74), gun = Grey(92), skin = Grey(246);
  const TRgba helmet = Grey(150);
  c.Ellipse(P(pose.hip).x, top + 31.2f * s, 5.5f * s, 1.0f * s, Grey(0, 60));  // shadow
  limb(pose.hip, pose.kneeBack, clothDark, 2.4f);
  limb(pose.kneeBack, pose.footBack, clothDark, 2.2f);
  c.RoundRect(P(pose.footBack).x - 1.2f * s, P(pose.footBack).y - 0.3f * s, 2.8f * s, 1.5f * s, 0.5f * s, boots);
  limb(pose.shoulder, pose.handBack, clothDark, 1.8f);
  c.Disc(P(pose.handBack).x, P(pose.handBack).y, 0.9f * s, Scale(skin, 0.85f));
  if (pose.gun) {
    limb(pose.gunButt, pose.gunMuzzle, gun, 1.1f);
    const TPoint butt = P(pose.gunButt), muzzle = P(pose.gunMuzzle);
    c.Line(butt.x, butt.y, butt.x + (muzzle.x - butt.x) * 0.3f, butt.y + (muzzle.y - butt.y) * 0.3f, Grey(130), 1.7f * s);
    if (pose.bayonet) c.Line(muzzle.x, muzzle.y, muzzle.x + 1.6f * s, muzzle.y - 0.6f * s, Grey(250), 0.5f * s);
  }
  limb(pose.shoulder, pose.hip, cloth, 4.4f);
  const TPoint hip = P(pose.hip);
  c.Line(hip.x - 2.0f * s, hip.y - 1.0f * s, hip.x + 2.0f * s, hip.y - 1.0f * s, Grey(110), 0.8f * s);  // belt
  c.Rect(static_cast<int>(hip.x - 0.4f * s), static_cast<int>(hip.y - 1.4f * s), static_cast<int>(0.8f * s), static_cast<int>(0.8f * s), Grey(200));
  limb(pose.hip, pose.kneeFront, cloth, 2.5f);
  limb(pose.kneeFront, pose.footFront, cloth, 2.3f);
  c.RoundRect(P(pose.footFront).x - 1.2f * s, P(pose.footFront).y - 0.3f * s, 2.8f * s, 1.5f * s, 0.5f * s, boots);
  limb(pose.shoulder, pose.handFront, cloth, 1.9f);
  c.Disc(P(pose.handFront).x, P(pose.handFront).y, 0.9f * s, skin);
  if (pose.grenade) c.Ellipse(P(pose.handBack).x, P(pose.handBack).y - 1.2f * s, 1.0f * s, 1.3f * s, Grey(100));
  // Head: face, nose and eye, then the helmet.
  const TPoint head = P(pose.head);
  c.Disc(head.x + 0.5f * s, head.y + 1.5f * s, 2.7f * s, skin);
  c.Polygon({{head.x + 2.9f * s, head.y + 1.0f * s}, {head.x + 3.8f * s, head.y + 2.4f * s}, {head.x + 2.9f * s, head.y + 2.6f * s}}, skin);
  c.Disc(head.x + 1.9f * s, head.y + 1.4f * s, 0.4f * s, Grey(50));
  c.Line(head.x + 1.2f * s, head.y + 3.3f * s, head.x + 2.4f * s, head.y + 3.2f * s, Grey(160), 0.3f * s);  // mouth
  c.Ellipse(head.x - 0.7f * s, head.y + 1.7f * s, 0.6f * s, 0.9f * s, Grey(206));  // ear
  c.Line(head.x - 0.9f * s, head.y + 0.4f * s, head.x + 0.2f * s, head.y + 3.8f * s, Grey(120), 0.3f * s);  // chin strap
  c.Dome(head.x, head.y + 0.6f * s, 3.8f * s, 3.8f * s, helmet);
  c.Line(head.x - 4.3f * s, head.y + 0.4f * s, head.x + 4.3f * s, head.y + 0.4f * s, Grey(110), 0.7f * s);
  c.Ellipse(head.x - 1.3f * s, head.y - 1.6f * s, 1.4f * s, 0.7f * s, Grey(200));
  if (pose.binoculars) c.RoundRect(head.x + 2.2f * s, head.y + 0.2f * s, 2.4f * s, 1.6f * s, 0.4f * s, Grey(60));
}

inline void Sandbags(TCanvas& c, float left, float right, float y) {
  for (int row = 0; row < 2; ++row)
    for (float x = left + (row ? 12.0f : 0.0f); x < right; x += 24.0f) {
      const float cy = y - row * 14.0f;
      c.Ellipse(x + 12, cy, 13, 8, Grey(150));
      c.Ellipse(x + 11, cy - 1.5f, 11, 6, Grey(214));
    }
}

inline void Tank(TCanvas& c) {
  c.Ellipse(128, 204, 66, 7, Grey(0, 60));
  c.RoundRect(64, 166, 130, 36, 16, Grey(86));
  for (int i = 0; i < 5; ++i) {
    c.Disc(82.0f + i * 23.5f, 184, 11, Grey(170));
    c.Disc(82.0f + i * 23.5f, 184, 4, Grey(110));
  }
  c.Polygon({{60, 166}, {72, 140}, {186, 140}, {196, 166}}, Grey(212));
  c.Polygon({{60, 166}, {72, 140}, {90, 140}, {80, 166}}, Grey(180));
  c.RoundRect(96, 112, 62, 30, 10, Grey(228));
  c.Line(156, 124, 197, 120, Grey(190), 7.0f);
  c.Rect(190, 116, 7, 9, Grey(170));
  c.Ellipse(118, 112, 12, 4, Grey(150));
  // The commander looking out of the hatch.
  c.Rect(110, 100, 16, 12, Grey(222));
  c.Disc(120.5f, 98, 13, Grey(246));
  c.Dome(118, 94, 19, 18, Grey(150));
  c.Line(98, 93, 138, 93, Grey(110), 3.5f);
  c.Disc(128, 99, 2, Grey(50));
  for (int i = 0; i < 3; ++i) c.Rect(120 + i * 18, 148, 10, 3, Grey(160));  // hull plates
}

inline void MachineGun(TCanvas& c) {
  DrawFigure(c, ManPoses()[8], 60, 34, 5.0f);
  c.Line(118, 156, 196, 146, Grey(80), 6.0f);
  c.RoundRect(104, 146, 30, 16, 3, Grey(110));
  c.Line(112, 160, 100, 186, Grey(100), 3.0f);
  c.Line(124, 160, 136, 186, Grey(100), 3.0f);
  c.Rect(132, 160, 12, 9, Grey(150));  // ammunition box
  Sandbags(c, 66, 190, 200);
}

inline void FieldGun(TCanvas& c) {
  DrawFigure(c, ManPoses()[10], 54, 52, 4.8f);
  c.Line(126, 172, 74, 206, Grey(120), 9.0f);  // trail
  c.Line(120, 160, 194, 122, Grey(96), 13.0f);  // barrel
  c.Line(120, 158, 190, 122, Grey(150), 4.0f);
  c.Polygon({{112, 132}, {146, 122}, {150, 164}, {116, 170}}, Grey(196));  // gun shield
  c.Ring(128, 178, 28, 6, Grey(110));
  for (int i = 0; i < 8; ++i) {
    const float a = i * 0.785f;
    c.Line(128, 178, 128 + std::cos(a) * 24, 178 + std::sin(a) * 24, Grey(140), 2.5f);
  }
  c.Disc(128, 178, 6, Grey(90));
}

inline void DrawSoldierPicture(TCanvas c, int n) {
  // Poses: 0 kneeling marksman, 1 scout with binoculars, 2 two recruits, 3 private,
  // 4 sergeant waving on, 5 tank, 6 machine gunner, 7 field gun, 8 grenadier.
  switch (n) {
    case 0: DrawFigure(c, ManPoses()[4], 70, 24, 6.0f); break;
    case 1: DrawFigure(c, ManPoses()[12], 76, 24, 6.0f); break;
    case 2:
      DrawFigure(c, ManPoses()[2], 58, 56, 4.8f);
      DrawFigure(c, ManPoses()[1], 106, 62, 4.8f);
      break;
    case 3: DrawFigure(c, ManPoses()[0], 78, 24, 6.0f); break;
    case 4: DrawFigure(c, ManPoses()[11], 78, 24, 6.0f); break;
    case 5: Tank(c); break;
    case 6: MachineGun(c); break;
    case 7: FieldGun(c); break;
    default: DrawFigure(c, ManPoses()[7], 80, 24, 6.0f); break;
  }
  c.Outline(Grey(40));
  c.Outline(Grey(40, 200));
}

// ---- extra-card pictures (100 x 144, in their own colours) -------------------------------------

inline void Crate(TCanvas& c, float cx, float cy, float size) {
  const float h = size * 0.5f;
  c.Polygon({{cx - size, cy - h}, {cx, cy}, {cx, cy + size}, {cx - size, cy + size - h}}, Rgb(150, 100, 54));
  c.Polygon({{cx, cy}, {cx + size, cy - h}, {cx + size, cy + size - h}, {cx, cy + size}}, Rgb(184, 128, 70));
  c.Polygon({{cx - size, cy - h}, {cx, cy - size}, {cx + size, cy - h}, {cx, cy}}, Rgb(214, 162, 96));
  c.Line(cx - size, cy - h, cx, cy + size, Rgb(120, 80, 40), 3.0f);
  c.Line(cx + size, cy - h, cx, cy + size, Rgb(140, 94, 50), 3.0f);
}

inline void DrawExtraPicture(TCanvas c, int n) {
  TDice dice(1000 + n);
  switch (n) {
    case 0:  // supplies
      c.Ellipse(50, 118, 40, 8, Grey(0, 60));
      Crate(c, 42, 78, 26);
      c.RoundRect(66, 82, 22, 34, 6, Rgb(90, 110, 70));  // a barrel
      c.Rect(66, 90, 22, 3, Rgb(60, 70, 50));
      c.Rect(66, 105, 22, 3, Rgb(60, 70, 50));
      break;
    case 1:  // air drop: a striped canopy over a crate
      c.Ellipse(50, 46, 42, 26, Rgb(230, 230, 220));
      for (int i = 0; i < 4; ++i) c.Polygon({{50, 24}, {14.0f + i * 20, 50}, {24.0f + i * 20, 52}}, Rgb(220, 90, 60));
      c.Erase(6, 46, 88, 30);
      c.Polygon({{8, 46}, {92, 46}, {92, 52}, {8, 52}}, Rgb(200, 200, 190));
      for (int i = 0; i < 5; ++i) c.Line(10.0f + i * 20, 50, 50, 96, Grey(90));
      Crate(c, 50, 100, 14);
      break;
    case 2:  // air raid: a biplane and falling bombs
      c.RoundRect(12, 50, 76, 16, 8, Rgb(110, 130, 90));
      c.Rect(20, 38, 60, 5, Rgb(150, 170, 120));
      c.Rect(20, 70, 60, 5, Rgb(150, 170, 120));
      c.Line(30, 42, 30, 72, Grey(60), 2.0f);
      c.Line(70, 42, 70, 72, Grey(60), 2.0f);
      c.Polygon({{8, 50}, {14, 40}, {20, 52}}, Rgb(110, 130, 90));
      c.Ellipse(90, 58, 3, 14, Grey(200, 180));  // propeller
      c.Disc(62, 54, 4, Rgb(90, 150, 200));
      for (int i = 0; i < 3; ++i) {
        c.Ellipse(40.0f + i * 12, 92.0f + i * 14, 4, 7, Grey(70));
        c.Polygon({{36.0f + i * 12, 84.0f + i * 14}, {44.0f + i * 12, 84.0f + i * 14}, {40.0f + i * 12, 89.0f + i * 14}}, Grey(110));
      }
      break;
    case 3:  // medic's bag
      c.Ellipse(50, 112, 40, 7, Grey(0, 60));
      c.Ring(50, 58, 16, 5, Rgb(90, 60, 36));
      c.RoundRect(12, 58, 76, 52, 12, Rgb(150, 110, 70));
      c.RoundRect(12, 58, 76, 12, 6, Rgb(176, 134, 86));
      c.Disc(50, 86, 16, Grey(245));
      c.Rect(46, 75, 8, 22, Rgb(40, 150, 70));
      c.Rect(39, 82, 22, 8, Rgb(40, 150, 70));
      break;
    case 4:  // binoculars
      c.RoundRect(16, 56, 28, 46, 10, Rgb(60, 60, 66));
      c.RoundRect(56, 56, 28, 46, 10, Rgb(60, 60, 66));
      c.Rect(40, 66, 20, 12, Rgb(80, 80, 88));
      c.Disc(30, 102, 13, Rgb(40, 40, 46));
      c.Disc(70, 102, 13, Rgb(40, 40, 46));
      c.Disc(30, 102, 9, Rgb(120, 170, 220));
      c.Disc(70, 102, 9, Rgb(120, 170, 220));
      c.Disc(27, 99, 3, Grey(240));
      c.Disc(67, 99, 3, Grey(240));
      break;
    case 5:  // barbed wire between two posts, in greys (the battlefield tints it)
      c.Rect(10, 48, 8, 74, Grey(150));
      c.Rect(82, 48, 8, 74, Grey(150));
      for (int i = 0; i < 3; ++i) {
        const float y = 62.0f + i * 22;
        for (int x = 14; x < 86; x += 2) {
          const float wy = y + std::sin(x * 0.35f + i) * 4.0f;
          c.Disc(static_cast<float>(x), wy, 2.2f, Grey(215));
        }
        for (int x = 22; x < 84; x += 12) {
          c.Line(x - 4.0f, y - 5, x + 4.0f, y + 5, Grey(240), 2.0f);
          c.Line(x + 4.0f, y - 5, x - 4.0f, y + 5, Grey(240), 2.0f);
        }
      }
      break;
    case 6:  // gas: a mask before a yellow cloud
      for (int i = 0; i < 6; ++i) SoftDisc(c, dice.Real(20, 80), dice.Real(40, 100), 26, 20, Rgb(200, 210, 60, 200));
      c.Ellipse(50, 76, 30, 34, Rgb(110, 120, 90));
      c.Disc(37, 68, 10, Rgb(40, 40, 40));
      c.Disc(63, 68, 10, Rgb(40, 40, 40));
      c.Disc(37, 68, 7, Rgb(150, 190, 200));
      c.Disc(63, 68, 7, Rgb(150, 190, 200));
      c.Disc(50, 100, 12, Rgb(80, 86, 70));
      c.Disc(50, 100, 7, Rgb(60, 64, 56));
      for (int i = 0; i < 3; ++i) c.Rect(43, 96 + i * 3, 14, 1, Rgb(100, 110, 90));
      break;
    case 7:  // trench tools over sandbags
      Sandbags(c, 6, 94, 124);
      c.Line(24, 30, 72, 100, Rgb(140, 100, 60), 5.0f);  // shovel
      c.Polygon({{64, 96}, {82, 100}, {84, 118}, {70, 122}, {60, 108}}, Grey(170));
      c.Line(76, 30, 30, 100, Rgb(140, 100, 60), 5.0f);  // pickaxe
      c.Polygon({{60, 28}, {92, 40}, {86, 44}, {64, 36}, {58, 40}}, Grey(150));
      break;
    case 8:  // a heavy shell
      c.Ellipse(50, 122, 22, 5, Grey(0, 60));
      c.RoundRect(34, 70, 32, 52, 3, Rgb(200, 160, 70));
      c.Rect(34, 70, 8, 52, Rgb(230, 196, 110));
      c.Polygon({{34, 70}, {66, 70}, {58, 34}, {50, 24}, {42, 34}}, Grey(130));
      c.Polygon({{34, 70}, {42, 34}, {50, 24}, {44, 70}}, Grey(170));
      c.Rect(34, 76, 32, 4, Rgb(170, 120, 50));
      break;
    case 9:  // rally: a bugle with a pennant
      c.Polygon({{30, 40}, {56, 36}, {56, 60}, {30, 56}}, Rgb(200, 40, 40));
      c.Line(30, 40, 30, 110, Rgb(120, 90, 60), 2.0f);
      c.Ring(46, 90, 18, 5, Rgb(220, 180, 60));
      c.Line(28, 90, 72, 78, Rgb(220, 180, 60), 5.0f);
      c.Polygon({{70, 70}, {90, 62}, {90, 96}, {70, 86}}, Rgb(240, 200, 80));
      break;
    case 10:  // a mine, half buried, in light greys (the battlefield tints it)
      c.Ellipse(50, 100, 42, 12, Rgb(120, 100, 70));
      c.Ellipse(50, 92, 34, 12, Grey(200));
      c.Ellipse(50, 86, 34, 12, Grey(236));
      c.Ellipse(50, 84, 12, 5, Grey(160));
      c.Rect(46, 74, 8, 10, Grey(120));
      for (int i = 0; i < 6; ++i) c.Disc(22.0f + i * 11, 88.0f + (i % 2), 1.5f, Grey(140));
      break;
    case 11:  // the sign for "anywhere on the field": a globe
      c.Disc(50, 67, 40, Rgb(60, 120, 200));
      c.Polygon({{30, 40}, {52, 36}, {58, 54}, {40, 70}, {28, 58}}, Rgb(90, 170, 80));
      c.Polygon({{60, 72}, {80, 66}, {84, 90}, {66, 100}}, Rgb(90, 170, 80));
      c.Ring(50, 67, 40, 3, Grey(240));
      for (int y = 27; y < 108; ++y) {
        const float dy = (y - 67) / 40.0f, half = 16.0f * std::sqrt(std::max(0.0f, 1.0f - dy * dy));
        c.Blend(static_cast<int>(50 - half), y, Grey(240, 200));
        c.Blend(static_cast<int>(50 + half), y, Grey(240, 200));
      }
      c.Line(10, 67, 90, 67, Grey(240, 200));
      break;
    default:  // a spare: a flag on a staff
      c.Rect(28, 30, 4, 90, Rgb(120, 90, 60));
      c.Polygon({{32, 32}, {80, 44}, {32, 64}}, Rgb(220, 60, 50));
      break;
  }
  c.Outline(Grey(30, 220));
}

// ---- name strips (201 x 72) ---------------------------------------------------------------------

inline void DrawNameStrip(TCanvas c, const std::string& name, const std::string& note, int centreX) {
  if (name.empty()) return;
  TTextStyle big;
  big.scaleX = 2;
  big.scaleY = 2;
  big.ink = Grey(255);
  big.outline = Grey(30);
  DrawTextCentred(c, centreX, 12, name, big);
  TTextStyle small;
  small.ink = Grey(255);
  small.outline = Grey(30, 200);
  DrawTextCentred(c, centreX, 38, note, small);
}

struct TCardName {
  const char* name;
  const char* note;
};

inline const TCardName kSoldierNames[9] = {
    {"MARKSMAN", "1 MAN"},  {"SCOUT", "1 MAN"},       {"RECRUITS", "2 MEN"},
    {"PRIVATE", "1 MAN"},   {"SERGEANT", "1 MAN"},    {"TANK", "2 MEN"},
    {"GUNNER", "1 MAN"},    {"FIELD GUN", "2 MEN"},   {"GRENADIER", "1 MAN"},
};

inline const TCardName kExtraNames[11] = {
    {"SUPPLIES", "FOOD AND AMMUNITION"}, {"AIR DROP", "FROM THE SKY"},  {"AIR RAID", "FROM THE SKY"},
    {"MEDIC", "FIELD HOSPITAL"},         {"RECON", "EYES ON THE LAND"}, {"WIRE", "BARBED WIRE"},
    {"GAS", "CARRIED BY THE WIND"},      {"TRENCH", "DIG IN"},          {"SHELL", "HEAVY ROUND"},
    {"RALLY", "SOUND THE CALL"},         {"MINES", "HIDDEN DANGER"},
};

inline void PaintCards(TPixmap& atlas) {
  for (int i = 0; i < 9; ++i) DrawFaceLayer(CardCell(atlas, kCardFaces + i), i);
  for (int i = 0; i < 9; ++i) DrawSoldierPicture(CardCell(atlas, kCardSoldiers + i), i);
  for (int i = 0; i < 13; ++i) DrawExtraPicture(CardCell(atlas, kCardExtras + i), i);
  // Extra cards show their names across the whole band; soldier cards right of the
  // attack badge.
  for (int i = 0; i < 11; ++i) DrawNameStrip(CardCell(atlas, kCardText + i), kExtraNames[i].name, kExtraNames[i].note, 100);
  for (int i = 0; i < 9; ++i) DrawNameStrip(CardCell(atlas, kCardSoldierText + i), kSoldierNames[i].name, kSoldierNames[i].note, 130);
  for (int i = 0; i < 9; ++i) DrawBackground(CardCell(atlas, kBackgrounds + i), i);
}

}  // namespace art
