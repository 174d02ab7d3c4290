// The hand page (page 13): the battlefield with pole picking and, over it, the human's
// six hand cards animated by the page's sub-state: choosing, lifting, dragging, laying,
// the cards flying off once the last pole is taken, and the "Battle begins..." button.
#include <cmath>

#include "game/handstates.h"
#include "game/pageclock.h"
#include "game/quilloncore.h"
#include "platform/draw2d.h"
#include "platform/numbers.h"

namespace {

constexpr int kFlyOffTime = 800;
constexpr int kRowUnplayed = 275;
constexpr int kRowPlayed = 265;
constexpr int kRowRaised = 240;
constexpr int kCarryAbove = 150;  // the carried card hangs this far above the pointer
constexpr float kHandScale = 0.3f;
constexpr float kRaisedScale = 0.45f;
constexpr float kPlayedAlpha = 0.3f;
constexpr float kFaceUp = 2.0f;
constexpr int kGlowRed = 255;
constexpr int kGlowGreen = 150;
constexpr int kGlowBlue = 0;
constexpr int kWholeField = 16;  // reach of an extra card of range 0

}  // namespace

int TQuillonCore::DrawPage_Hand() {
  DrawPage_Game(1);
  SetAlpha(1.0f);

  const int base = TruncToInt(AppVirtualWidth * 0.558f);
  // From left to right the slots run 1, 3, 5, 6, 4, 2.
  const int slotX[kHandSlots] = {0, base - 165, base + 110, base - 110, base + 55, base - 55, base};
  TPlayer& me = players[0];

  const auto card = [&](int x, int y, float phase, int slot, float scale, int glow) {
    drawCard(0, x, y, phase, me.myCards[slot], 0, scale, glow, kGlowRed, kGlowGreen, kGlowBlue);
  };
  const auto hint = [&](const char* text) {
    SetColor(255, 255, 255);
    SetAlpha(0.5f);
    ArcadeTextCenter(text, TruncToInt(AppVirtualWidth * 0.5f), TruncToInt(AppVirtualHeight * 0.96f));
  };
  // The hand without regions or glow, the played slots faded and lower.
  const auto plainHand = [&]() {
    for (int slot = 1; slot <= 6; ++slot) {
      const bool played = me.myCardCross[slot] != 0;
      SetAlpha(played ? kPlayedAlpha : 1.0f);
      card(slotX[slot], played ? kRowPlayed : kRowUnplayed, kFaceUp, slot, kHandScale, 0);
    }
  };
  // The carried card's reach, which the battlefield flashes poles within next frame.
  const auto spreadOf = [&](int slot) {
    const int record = me.myCards[slot];
    if (record < 0 || record >= MAX_CARDS) {
      gameSpread = 0;
      return;
    }
    const TCard& c = deck.card[record];
    gameSpread = (c.kind == 1 && c.range == 0) ? kWholeField : c.range;
  };

  switch (gameMode) {
    case kHandChoose: {
      for (int slot = 1; slot <= 6; ++slot) {
        if (me.myCardCross[slot] != 0) {
          SetAlpha(kPlayedAlpha);
          card(slotX[slot], kRowPlayed, kFaceUp, slot, kHandScale, 0);
        } else {
          SetAlpha(1.0f);
          drawCardCtrl(slot, 0, slotX[slot], kRowUnplayed, kFaceUp, me.myCards[slot], 0, kHandScale,
                       1, kGlowRed, kGlowGreen, kGlowBlue);
        }
      }
      const int selected = me.g_SelectCard;
      if (IsHandSlot(selected)) {
        SetAlpha(1.0f);
        card(slotX[selected], kRowRaised, kFaceUp, selected, kRaisedScale, 1);
        hint("Drag card to a map pole");
      } else {
        hint("Select a card to play");
      }
      break;
    }
    case kHandLift: {
      if (SubStateOver(gameTime, nextTime)) gameMode = kHandDrag;
      const float u = 1.0f - RemainingFraction(nextTime, gameTime, modeTime);
      plainHand();
      const int selected = me.g_SelectCard;
      if (IsHandSlot(selected)) {
        SetAlpha(1.0f);
        const int x = TruncToInt(lerp(static_cast<float>(slotX[selected]), static_cast<float>(vMX), u));
        const int y = TruncToInt(lerp(static_cast<float>(kRowRaised),
                                      static_cast<float>(vMY - kCarryAbove), u));
        card(x, y, kFaceUp, selected, kRaisedScale, 0);
      }
      break;
    }
    case kHandDrag: {
      plainHand();
      const int selected = me.g_SelectCard;
      if (IsHandSlot(selected)) {
        SetAlpha(1.0f);
        card(vMX, vMY - kCarryAbove, gameFlagOk >= 0 ? -kFaceUp : kFaceUp, selected, kRaisedScale, 0);
        spreadOf(selected);
      }
      hint("Drop the card on a flashing pole");
      break;
    }
    case kHandLay: {
      if (SubStateOver(gameTime, nextTime)) {
        gameMode = kHandChoose;
        me.g_SelectCard = -1;
      }
      const float r = 0.25f * (1.0f - RemainingFraction(nextTime, gameTime, modeTime));
      plainHand();
      const int selected = me.g_SelectCard;
      if (IsHandSlot(selected)) {
        SetAlpha(1.0f);
        // The card sinks 75 pixels and shrinks to 0.2 onto its pole.
        card(vMX, TruncToInt(vMY - kCarryAbove + 300.0f * r), kFaceUp, selected, kRaisedScale - r, 0);
        spreadOf(selected);
      }
      break;
    }
    case kHandBattleStarts:
      gameMode = kHandFlyOff;
      modeTime = kFlyOffTime;
      nextTime = gameTime + kFlyOffTime;
      break;
    case kHandFlyOff: {
      if (SubStateOver(gameTime, nextTime)) gameMode = kHandBattleButton;
      const float t = 1.0f - RemainingFraction(nextTime, gameTime, modeTime);
      for (int slot = 1; slot <= 6; ++slot) {
        if (me.myCardCross[slot] != 0) {
          // Five full turns over the fly-off while shrinking to nothing.
          SetAlpha(kPlayedAlpha);
          card(slotX[slot], kRowPlayed, std::fmod(20.0f * t, 4.0f), slot, kHandScale - kHandScale * t, 0);
        } else {
          SetAlpha(1.0f);
          card(slotX[slot], TruncToInt(kRowUnplayed + 100.0f * t), kFaceUp, slot, kHandScale, 0);
        }
      }
      break;
    }
    case kHandBattleButton: {
      const float bx = AppVirtualWidth * 0.5f - 48.0f;
      const float by = AppVirtualHeight * 0.9f;
      TArcadeControl* button = ArcadeControlSlot(0);
      const int n = spriteUIText + 1;
      const t_sprite* size = (n >= 0 && n < kSpriteTableSize) ? _sprites[n].get() : nullptr;
      button->set(0, TruncToInt(bx), TruncToInt(by), size ? size->width : 0, size ? size->height : 0);
      SetColor(255, 255, 255);
      SetAlpha(button->over != 0 ? 1.0f : 0.5f);
      _DrawCSprite(spriteUIText + 2, bx, by, 1.0f);
      SetColor(255, 255, 255);
      SetAlpha(0.5f);
      ArcadeTextCenter("Battle begins...", TruncToInt(AppVirtualWidth * 0.5f),
                       TruncToInt(AppVirtualHeight * 0.85f));
      break;
    }
    default:
      break;
  }
  return 0;
}
