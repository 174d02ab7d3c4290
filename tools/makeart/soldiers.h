// The soldiers of the sprite atlas: fourteen poses of a man (body and head on separate
// sprites, the body in greys so the game can tint it with the player's colour), the
// soldiers in a boat, and the two players' portraits with the panel's banner.
#pragma once
#include <array>

#include "canvas.h"
#include "scenery.h"
#include "spritetable.h"

namespace art {

// One pose of a 16 x 32 man facing right. Points in cell pixels.
struct TPose {
  TPoint head, shoulder, hip;
  TPoint kneeBack, footBack, kneeFront, footFront;
  TPoint handBack, handFront;
  bool gun = true;
  TPoint gunButt, gunMuzzle;
  bool bayonet = false;
  bool grenade = false;
  bool binoculars = false;
};

inline const std::array<TPose, 14>& ManPoses() {
  static const std::array<TPose, 14> poses = {{
      // 0 standing, rifle on the shoulder
      {{8, 7.5f}, {8, 13}, {8, 21}, {7, 26}, {6.5f, 30}, {9, 26}, {10, 30}, {9, 18}, {10.5f, 16}, true, {10, 21}, {11, 8}},
      // 1, 2 walking
      {{8.5f, 7.5f}, {8.5f, 13}, {8, 21}, {6, 26}, {4.5f, 30}, {10, 25}, {11.5f, 29}, {6, 18}, {11, 17}, true, {9, 20}, {12.5f, 9}},
      {{8.5f, 8}, {8.5f, 13.5f}, {8, 21.5f}, {8.5f, 26}, {9, 30}, {7.5f, 26}, {6.5f, 30}, {10, 18}, {11, 17}, true, {9, 20.5f}, {12.5f, 9.5f}},
      // 3 aiming standing
      {{9, 7.5f}, {8, 13}, {8, 21}, {6, 26}, {5, 30}, {10, 26}, {11, 30}, {11.5f, 15}, {13.5f, 14}, true, {5, 15.5f}, {15.5f, 13}},
      // 4 kneeling, aiming
      {{9, 12.5f}, {8, 18}, {7, 25}, {5, 30}, {2, 30}, {11, 25}, {11, 30}, {11.5f, 20}, {13.5f, 19}, true, {5, 20.5f}, {15.5f, 18}},
      // 5, 6 running
      {{10, 8.5f}, {9.5f, 14}, {7.5f, 22}, {5, 26}, {2.5f, 28}, {11, 25}, {10.5f, 30}, {5, 19}, {12, 17}, true, {6, 20}, {14, 12}},
      {{10, 8}, {9.5f, 13.5f}, {7.5f, 21.5f}, {9, 26}, {7, 30}, {10.5f, 25}, {13, 28}, {12, 18}, {6, 18}, true, {6, 19.5f}, {14, 11.5f}},
      // 7 throwing a grenade
      {{7.5f, 8}, {7, 13}, {8, 21}, {6, 26}, {4.5f, 30}, {10, 26}, {11.5f, 30}, {3, 7}, {11, 17}, false, {}, {}, false, true},
      // 8 crouching
      {{8.5f, 13}, {7.5f, 19}, {7, 25}, {4, 27}, {5, 30}, {11, 26}, {10.5f, 30}, {11, 21}, {12, 22}, true, {5.5f, 23}, {14.5f, 19}},
      // 9 bayonet charge
      {{10, 9}, {9.5f, 14}, {7.5f, 22}, {5, 26}, {2.5f, 29}, {11, 25}, {11, 30}, {10.5f, 19}, {13, 18}, true, {3, 19.5f}, {15.5f, 17.5f}, true},
      // 10 at ease, rifle grounded
      {{8, 7.5f}, {8, 13}, {8, 21}, {7.5f, 26}, {7, 30}, {8.5f, 26}, {9, 30}, {6.5f, 19}, {12, 18}, true, {12.5f, 30}, {12.5f, 15}},
      // 11 waving
      {{8, 7.5f}, {8, 13}, {8, 21}, {7, 26}, {6.5f, 30}, {9, 26}, {10, 30}, {6.5f, 19}, {12.5f, 6}, true, {4.5f, 20}, {10, 11}},
      // 12 looking through binoculars
      {{8, 7.5f}, {8, 13}, {8, 21}, {7, 26}, {6.5f, 30}, {9, 26}, {10, 30}, {10.5f, 11}, {11.5f, 10.5f}, true, {4.5f, 20}, {9.5f, 11.5f}, false, false, true},
      // 13 caught in the wire: arms thrown up
      {{8, 9}, {8, 14}, {8, 22}, {5.5f, 25}, {7, 30}, {10.5f, 25}, {9, 30}, {3, 7}, {13, 6}, false, {}, {}},
  }};
  return poses;
}

// The body in greys: the game multiplies it by the player's colour.
inline void DrawManBody(TCanvas c, const TPose& p) {
  const TRgba cloth = Grey(228), clothDark = Grey(172), boots = Grey(70), gun = Grey(80);
  // Far limbs first and darker.
  c.Line(p.hip.x, p.hip.y, p.kneeBack.x, p.kneeBack.y, clothDark, 2.6f);
  c.Line(p.kneeBack.x, p.kneeBack.y, p.footBack.x, p.footBack.y, clothDark, 2.4f);
  c.Rect(static_cast<int>(p.footBack.x) - 1, static_cast<int>(p.footBack.y), 3, 2, boots);
  c.Line(p.shoulder.x, p.shoulder.y + 0.5f, p.handBack.x, p.handBack.y, clothDark, 2.0f);
  if (p.gun) {
    c.Line(p.gunButt.x, p.gunButt.y, p.gunMuzzle.x, p.gunMuzzle.y, gun, 1.6f);
    if (p.bayonet) c.Line(p.gunMuzzle.x, p.gunMuzzle.y, p.gunMuzzle.x + 1, p.gunMuzzle.y - 0.5f, Grey(240));
  }
  c.Line(p.shoulder.x, p.shoulder.y, p.hip.x, p.hip.y, cloth, 4.6f);
  c.Line(p.hip.x - 2, p.hip.y - 1, p.hip.x + 2, p.hip.y - 1, Grey(120), 1.0f);  // belt
  c.Line(p.hip.x, p.hip.y, p.kneeFront.x, p.kneeFront.y, cloth, 2.6f);
  c.Line(p.kneeFront.x, p.kneeFront.y, p.footFront.x, p.footFront.y, cloth, 2.4f);
  c.Rect(static_cast<int>(p.footFront.x) - 1, static_cast<int>(p.footFront.y), 3, 2, boots);
  c.Line(p.shoulder.x, p.shoulder.y + 0.5f, p.handFront.x, p.handFront.y, cloth, 2.0f);
  c.Outline(Grey(40, 230));
}

// The head in its own colours (drawn untinted over the body); the caller adds the rim.
inline void DrawManHead(TCanvas& c, const TPose& p) {
  const float hx = p.head.x, hy = p.head.y;
  const TRgba skin = Rgb(238, 190, 150), helmet = Rgb(96, 110, 72);
  c.Disc(hx + 0.5f, hy + 1.4f, 2.7f, skin);
  c.Dome(hx, hy + 0.6f, 3.8f, 3.8f, helmet);
  c.Line(hx - 4, hy + 0.2f, hx + 4, hy + 0.2f, Scale(helmet, 0.8f));
  c.Put(static_cast<int>(hx) - 1, static_cast<int>(hy) - 2, Scale(helmet, 1.35f));
  c.Put(static_cast<int>(hx + 2), static_cast<int>(hy + 1.5f), Rgb(40, 30, 30));
  if (p.binoculars) c.Rect(static_cast<int>(hx) + 2, static_cast<int>(hy), 3, 2, Rgb(50, 50, 50));
  if (p.grenade) c.Disc(p.handBack.x, p.handBack.y - 1, 1.4f, Rgb(70, 80, 60));
  // Both hands in skin colour, so they show on any uniform.
  c.Put(static_cast<int>(p.handFront.x), static_cast<int>(p.handFront.y), skin);
  c.Put(static_cast<int>(p.handBack.x), static_cast<int>(p.handBack.y), Scale(skin, 0.85f));
}

// ---- soldiers in a boat ---------------------------------------------------------------

inline void DrawBoat(TCanvas c, int frame) {
  const float tilt = frame == 0 ? 0.0f : (frame == 1 ? 1.0f : -1.0f);
  c.Polygon({{1, 19 - tilt}, {31, 19 + tilt}, {27, 28}, {6, 28}}, Grey(200));
  c.Line(1, 19 - tilt, 31, 19 + tilt, Grey(245), 1.5f);
  c.Polygon({{5, 24}, {28, 24}, {27, 28}, {6, 28}}, Grey(150));
  // Torsos of the three men; their heads are a sprite of their own.
  for (int i = 0; i < 3; ++i) {
    const float x = 8.0f + i * 8.0f, y = 18.0f + tilt * (x - 16.0f) / 15.0f;
    c.RoundRect(x - 2.5f, y - 6, 5, 7, 2, Grey(225));
  }
  if (frame == 2) c.Line(4, 14, 12, 27, Grey(120), 1.5f);  // an oar
  c.Outline(Grey(40, 220));
}

inline void DrawBoatHeads(TCanvas c, int frame) {
  const float tilt = frame == 0 ? 0.0f : (frame == 1 ? 1.0f : -1.0f);
  for (int i = 0; i < 3; ++i) {
    const float x = 8.0f + i * 8.0f, y = 18.0f + tilt * (x - 16.0f) / 15.0f;
    TPose head{};
    head.head = {x, y - 9};
    head.handBack = head.handFront = {-5, -5};  // no hands in the boat
    DrawManHead(c, head);
  }
  c.Outline(Grey(40, 200));
}

// ---- portraits --------------------------------------------------------------------------

// The human's soldier (facing right), in greys for the player's tint.
inline void DrawSoldierPortrait(TCanvas c) {
  const TRgba uniform = Grey(200), uniformDark = Grey(150), skin = Grey(236), skinDark = Grey(196);
  const TRgba helmet = Grey(168), helmetDark = Grey(120), ink = Grey(40);
  c.Polygon({{6, 96}, {14, 74}, {34, 64}, {66, 64}, {84, 72}, {92, 96}}, uniform);
  c.Polygon({{6, 96}, {14, 74}, {34, 64}, {40, 96}}, uniformDark);
  c.Polygon({{38, 64}, {50, 80}, {62, 64}}, Grey(226));  // collar
  c.Rect(40, 56, 18, 12, skinDark);                        // neck
  c.Ellipse(50, 44, 19, 22, skin);
  c.Ellipse(40, 46, 9, 18, skinDark);
  c.Polygon({{66, 42}, {74, 54}, {66, 56}}, skin);  // nose
  c.Line(66, 56, 73, 54, skinDark);
  c.Ellipse(38, 46, 4, 6, skinDark);  // ear
  c.Rect(57, 46, 5, 3, ink);          // eye
  c.Line(55, 43, 64, 42, ink, 2.0f);  // brow
  c.Line(58, 63, 66, 62, Grey(120), 1.5f);
  c.Dome(48, 37, 29, 24, helmet);
  c.Dome(44, 30, 18, 12, Scale(helmet, 1.15f));
  c.RoundRect(16, 34, 66, 6, 3, helmetDark);
  c.Line(34, 40, 44, 66, Grey(90), 1.5f);  // chin strap
  c.Outline(ink);
}

// The computer's officer (facing left), with a peaked cap and moustache.
inline void DrawOfficerPortrait(TCanvas c) {
  const TRgba uniform = Grey(190), uniformDark = Grey(140), skin = Grey(236), skinDark = Grey(196);
  const TRgba cap = Grey(170), ink = Grey(40);
  c.Polygon({{4, 96}, {12, 72}, {32, 64}, {64, 64}, {84, 74}, {92, 96}}, uniform);
  c.Polygon({{60, 96}, {64, 64}, {84, 74}, {92, 96}}, uniformDark);
  c.RoundRect(10, 70, 20, 6, 3, Grey(240));  // epaulettes
  c.RoundRect(66, 70, 20, 6, 3, Grey(240));
  c.Polygon({{34, 64}, {46, 78}, {58, 64}}, Grey(230));
  c.Rect(38, 56, 18, 12, skinDark);
  c.Ellipse(46, 44, 19, 22, skin);
  c.Ellipse(56, 46, 9, 18, skinDark);
  c.Polygon({{30, 42}, {22, 54}, {30, 56}}, skin);
  c.Ellipse(58, 46, 4, 6, skinDark);
  c.Rect(34, 42, 6, 3, ink);
  c.Line(32, 37, 42, 38, ink, 2.0f);
  c.Polygon({{24, 58}, {38, 56}, {44, 61}, {36, 62}, {28, 61}}, Grey(110));  // moustache
  c.Ellipse(46, 24, 26, 10, cap);
  c.Rect(22, 26, 48, 10, Scale(cap, 0.85f));
  c.Rect(22, 29, 48, 3, Grey(235));  // cap band
  c.Polygon({{10, 38}, {28, 33}, {40, 36}, {24, 41}}, Grey(90));  // peak
  c.Disc(46, 30, 3, Grey(250));                                   // badge
  c.Outline(ink);
}

// A pennant hanging from a short bar: framed beside the portrait.
inline void DrawPanelBanner(TCanvas c) {
  c.Rect(2, 2, 28, 3, Grey(120));
  c.Polygon({{5, 5}, {27, 5}, {27, 58}, {16, 50}, {5, 58}}, Grey(215));
  c.Polygon({{5, 5}, {11, 5}, {11, 53.5f}, {5, 58}}, Grey(185));
  for (int y = 14; y < 44; y += 10) c.Rect(8, y, 16, 2, Grey(150));
  c.Polygon({{16, 20}, {19, 27}, {13, 27}}, Grey(250));
  c.Outline(Grey(40));
}

inline void PaintSoldiers(TPixmap& atlas) {
  for (int i = 0; i < 14; ++i) {
    DrawManBody(SpriteCell(atlas, kMen + i), ManPoses()[static_cast<size_t>(i)]);
    TCanvas head = SpriteCell(atlas, kMenHeads + i);
    DrawManHead(head, ManPoses()[static_cast<size_t>(i)]);
    head.Outline(Grey(40, 200));
  }
  for (int i = 0; i < 3; ++i) {
    DrawBoat(SpriteCell(atlas, kBoatMen + i), i);
    DrawBoatHeads(SpriteCell(atlas, kBoatMenHeads + i), i);
  }
  DrawSoldierPortrait(SpriteCell(atlas, kUIPlayers));
  DrawOfficerPortrait(SpriteCell(atlas, kUIPlayers + 1));
  DrawPanelBanner(SpriteCell(atlas, kUIPlayers + 2));
}

}  // namespace art
