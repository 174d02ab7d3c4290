// Card drawing: one card built from layered sprites of the card atlas, tinted with its
// player's colours, turned over by a flip phase (0 back, 1 edge on, 2 face, 3 edge on,
// 4 back), with an optional glow, a pulsing highlight and a red cross mark; and the
// variant that also registers the card's face-up rectangle as a click region.
#include <cmath>

#include "game/quilloncore.h"
#include "platform/draw2d.h"
#include "platform/numbers.h"

namespace {

// Face layers, offsets into the cardFaces range.
constexpr int kLayerBetweenDigits = 0;
constexpr int kLayerFrame = 1;
constexpr int kLayerSoldierTint = 2;
constexpr int kLayerStar = 3;
constexpr int kLayerFace = 4;
constexpr int kLayerBack = 5;
constexpr int kLayerGlow = 6;
constexpr int kLayerShade = 8;

constexpr int kDigitSprites = 10;     // spriteUINumbers: the digits 0 to 9
constexpr int kBackgroundSprites = 9;  // spriteBackgrounds
constexpr int kMaxShields = 3;
constexpr int kExtraWholeFieldSign = 11;  // cardExtras entry for an extra card of range 0

// Which side shows, how far it is turned and how wide it is drawn.
struct TFlip {
  bool face = true;
  float f = 0.0f;       // progress within the quarter turn
  float xscale = 0.0f;  // horizontal scale of the whole card
};

TFlip FlipOf(float phase, float scale) {
  TFlip flip;
  if (phase >= 1.0f && phase < 2.0f) {
    flip.f = phase - 1.0f;
    flip.xscale = flip.f * scale;
  } else if (phase >= 2.0f && phase <= 3.0f) {
    flip.f = phase - 2.0f;
    flip.xscale = (1.0f - flip.f) * scale;
  } else if (phase > 3.0f) {
    flip.face = false;
    flip.f = phase - 3.0f;
    flip.xscale = flip.f * scale;
  } else {
    flip.face = false;
    flip.f = phase;
    flip.xscale = (1.0f - phase) * scale;
  }
  return flip;
}

}  // namespace

int TQuillonCore::drawCardCtrl(int id, int player, int x, int y, float phase, int card, int cross,
                               float scale, int glow, int glowRed, int glowGreen, int glowBlue) {
  // The region is the full face-up rectangle whatever the phase, so it can be hit while
  // the card turns.
  if (TArcadeControl* region = ArcadeControlSlot(id)) {
    region->set(id, TruncToInt(static_cast<double>(x) - static_cast<double>(scale) * cardHalfWidth), y,
                TruncToInt(static_cast<double>(scale) * cardWidth),
                TruncToInt(static_cast<double>(scale) * cardHeight));
  }
  return drawCard(player, x, y, phase, card, cross, scale, glow, glowRed, glowGreen, glowBlue);
}

int TQuillonCore::drawCard(int player, int x, int y, float phase, int card, int cross, float scale,
                           int glow, int glowRed, int glowGreen, int glowBlue) {
  // A hand slot the deck could not fill holds -1: there is no record to show.
  if (player < 0 || player >= kPlayers || card < 0 || card >= MAX_CARDS) return 0;
  const TPlayer& owner = players[player];
  const TCard& record = deck.card[card];

  const float a0 = GetAlpha();
  const bool pulse = phase < 0.0f;
  if (pulse) phase = -phase;
  const float s = scale;
  const TFlip flip = FlipOf(phase, s);
  const float xs = flip.xscale;
  const float ys = s;
  // The card turns about its vertical centre line; the arithmetic is kept wide so that a
  // single-precision scale gives the same left edge the hit regions use.
  const int xl = TruncToInt(static_cast<double>(x) - static_cast<double>(xs) * cardHalfWidth);
  const auto atX = [&](double offset) { return static_cast<float>(xl + offset * s); };
  const auto atY = [&](double offset) { return static_cast<float>(y + offset * s); };
  const float left = static_cast<float>(xl);
  const float top = static_cast<float>(y);
  const auto layer = [&](int n) { _DrawCSpriteXY(cardFaces + n, left, top, xs, ys); };
  const auto digit = [&](int value, double dx, double dy, float sx, float sy) {
    if (value < 0 || value >= kDigitSprites) return;
    _DrawCSpriteXY(spriteUINumbers + value, atX(dx), atY(dy), sx, sy);
  };
  const auto background = [&](int offset) {
    if (offset < 0 || offset >= kBackgroundSprites) return;
    _DrawCSpriteXY(spriteBackgrounds + offset, left, top, xs, ys);
  };

  if (flip.face) {
    if (glow != 0) {
      SetColor(glowRed, glowGreen, glowBlue);
      SetAlpha(static_cast<float>(a0 * (0.75 + 0.5 * Sin(0.3 * static_cast<double>(gameTime)))));
      layer(kLayerGlow);
    }
    SetColor(250, 250, 250);
    SetAlpha(a0);
    if (record.kind == 0) {
      SetColor(owner.red1, owner.green1, owner.blue1);
      background(owner.background1);
      SetColor(owner.red2, owner.green2, owner.blue2);
      SetAlpha(owner.alpha2 * a0);
      background(owner.background2);
      SetColor(200, 250, 200);
      SetAlpha(a0);
      layer(kLayerFace);
      SetColor(owner.red, owner.green, owner.blue);
      layer(kLayerSoldierTint);
      _DrawCSpriteXY(cardSoldiers + record.card, left, top, xs, ys);
      int green = 220;
      if (pulse) green = TruncToInt(200.0 + 50.0 * Sin(0.8 * static_cast<double>(gameTime)));
      SetColor(0, green, 0);
      layer(kLayerFrame);
      SetColor(220, 220, 220);
      digit(record.range, 26.0, 20.0, xs * 2.2f, ys * 1.5f);
      layer(kLayerBetweenDigits);
      digit(record.attack, 28.0, 233.0, xs * 1.9f, ys * 1.3f);
      SetColor(250, 250, 250);
      SetAlpha(a0 * 0.9f);
      _DrawCSpriteXY(cardSoldierText + record.card, left,
                     static_cast<float>(y + static_cast<double>(cardQuarterHeight) * s * 3.0), xs, ys);
      SetAlpha(a0);
      const int shields = record.armour < kMaxShields ? record.armour : kMaxShields;
      static constexpr double kShieldRows[kMaxShields] = {1.2, 1.7, 2.2};
      for (int i = 0; i < shields; ++i) {
        _DrawCSprite(spriteUIShield, atX(14.0),
                     static_cast<float>(y + static_cast<double>(cardQuarterHeight) * s * kShieldRows[i]),
                     xs * 1.5f);
      }
      if (record.star != 0) layer(kLayerStar);
    } else if (record.kind == 1) {
      SetColor(255, 0, 0);
      background(0);
      SetColor(150, 0, 150);
      layer(kLayerFace);
      SetColor(owner.red, owner.green, owner.blue);
      layer(kLayerSoldierTint);
      SetColor(250, 250, 250);
      layer(kLayerFrame);
      SetColor(220, 220, 220);
      if (record.range == 0) {
        _DrawCSprite(cardExtras + kExtraWholeFieldSign, atX(13.5), atY(5.0), xs * 0.58f);
        SetAlpha(a0);
      } else {
        digit(record.range, 26.0, 20.0, xs * 2.2f, ys * 1.5f);
      }
      SetColor(250, 250, 250);
      _DrawCSpriteXY(cardExtras + record.card, atX(cardQuarterWidth), atY(cardQuarterHeight), xs, ys);
      SetAlpha(a0 * 0.8f);
      _DrawCSpriteXY(cardText + record.card, left,
                     static_cast<float>(y + static_cast<double>(cardQuarterHeight) * s * 3.0), xs, ys);
    }
    // A light sheen grows as the card closes; darkness fades as it opens.
    if (phase >= 2.0f) {
      SetAlpha(flip.f * 0.35f);
    } else {
      SetColor(0, 0, 0);
      SetAlpha((1.0f - flip.f) * 0.8f);
    }
  } else {
    if (glow != 0) {
      SetColor(glowRed, glowGreen, glowBlue);
      SetAlpha(static_cast<float>(Rnd(0.2, 1.0)));
      layer(kLayerGlow);
    }
    SetColor(250, 250, 250);
    SetAlpha(a0);
    layer(kLayerBack);
    if (phase > 3.0f) {
      SetColor(0, 0, 0);
      SetAlpha((1.0f - flip.f) * 0.8f);
    } else {
      SetColor(250, 250, 250);
      SetAlpha(flip.f * 0.35f);
    }
  }

  layer(kLayerShade);
  SetAlpha(a0);
  if (cross > 0) {
    SetColor(255, 0, 0);
    _DrawCSpriteXY(spriteUICross, left,
                   static_cast<float>(y + static_cast<double>(cardHalfHeight) * s * 0.6), xs * 2.0f,
                   ys * 2.0f);
  }
  return 0;
}
