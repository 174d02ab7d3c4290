// The deal page (page 9): the human's six cards dealt one by one over the dimmed
// battlefield (each rises face down, turns face up and slides into its column), the
// choice of cards to replace, the replacement, and the hand gathered into the hand
// page's row before page 13 takes over.
#include "game/pageclock.h"
#include "game/quilloncore.h"
#include "platform/draw2d.h"
#include "platform/numbers.h"

namespace {

constexpr int kDealChoice = 19;
constexpr int kDealReplaceShrink = 20;
constexpr int kDealGatherRegions = 24;
constexpr int kDealGather = 25;

constexpr int kRow = 100;
constexpr int kRaisedRow = 60;
constexpr int kSpacing = 80;
constexpr float kScale = 0.4f;
constexpr float kRaisedScale = 0.7f;
constexpr float kFaceDown = 0.0f;
constexpr float kFaceUp = 2.0f;
constexpr int kGlowRed = 255;
constexpr int kGlowGreen = 150;
constexpr int kGlowBlue = 0;

// The length a sub-state gets when the clock enters it (after the one that ended).
int NextLength(int mode) {
  switch (mode) {
    case 0: case 3: case 6: case 9: case 12: case 15: case 20: case 24:
      return 600;
    case 1: case 4: case 7: case 10: case 13: case 16: case 21: case 23:
      return 100;
    case 2: case 5: case 8: case 11: case 14: case 17: case 22:
      return 200;
    default:
      return 0;
  }
}

}  // namespace

int TQuillonCore::DrawPage_Deal() {
  DrawPage_Game(0);
  TPlayer& me = players[0];
  const float W = static_cast<float>(AppVirtualWidth);
  const float H = static_cast<float>(AppVirtualHeight);

  if (SubStateOver(gameTime, nextTime)) {
    if (const int length = NextLength(gameMode); length > 0) {
      ++gameMode;
      modeTime = length;
      nextTime = gameTime + length;
    } else if (gameMode == 18) {
      gameMode = kDealChoice;
    } else if (gameMode == kDealGather) {
      gameMode = 0;
      Page = kPageHand;
      if (userControl[0]) userControl[0]->clear();
      for (int slot = 1; slot <= 6; ++slot) me.myCardCross[slot] = 0;
    }
  }

  const float r = RemainingFraction(nextTime, gameTime, modeTime);

  const float dim = gameMode < kDealGather ? 0.5f : r * 0.5f;
  SetAlpha(dim);
  SetColor(0, 0, 0);
  DrawRect(0.0f, 0.0f, W, H);
  SetColor(255, 255, 255);
  SetAlpha(dim);
  _DrawCSprite(spriteUIText, W * 0.5f - 112.0f, H * 0.07f, 1.0f);
  SetAlpha(1.0f);

  const int cx = TruncToInt(AppVirtualWidth * 0.558f);
  const int s = gameMode == kDealGather ? TruncToInt(80.0f - (1.0f - r) * 25.0f) : kSpacing;
  const int column[kHandSlots] = {0, cx - 3 * s, cx + 2 * s, cx - 2 * s, cx + s, cx - s, cx};
  const bool showMarks = gameMode <= kDealChoice;

  const auto card = [&](int slot, int x, int y, float phase, float scale = kScale, int glow = 0) {
    drawCard(0, x, y, phase, me.myCards[slot], showMarks ? me.myCardCross[slot] : 0, scale, glow,
             kGlowRed, kGlowGreen, kGlowBlue);
  };
  const auto rises = [&](int slot, int x) { card(slot, x, TruncToInt(kRow + H * r), kFaceDown); };
  const auto down = [&](int slot, int x) { card(slot, x, kRow, kFaceDown); };
  const auto up = [&](int slot, int x) { card(slot, x, kRow, kFaceUp); };
  const auto turns = [&](int slot, int x) { card(slot, x, kRow, (1.0f - r) * 2.0f); };
  const auto slides = [&](int slot, int from, int to) {
    card(slot, TruncToInt(from + (1.0f - r) * static_cast<float>(to - from)), kRow, kFaceUp);
  };
  const auto marked = [&](int slot) { return me.myCardCross[slot] != 0; };

  switch (gameMode) {
    case 1: rises(1, cx); break;
    case 2: down(1, cx); break;
    case 3: turns(1, cx); break;
    case 4: slides(1, cx, cx - s); rises(2, cx); break;
    case 5: up(1, cx - s); down(2, cx); break;
    case 6: up(1, cx - s); turns(2, cx); break;
    case 7: slides(2, cx, cx + s); up(1, cx - s); rises(3, cx); break;
    case 8: up(2, cx + s); up(1, cx - s); down(3, cx); break;
    case 9: up(2, cx + s); up(1, cx - s); turns(3, cx); break;
    case 10:
      slides(3, cx, cx - s);
      up(2, cx + s);
      slides(1, cx - s, cx - 2 * s);
      rises(4, cx);
      break;
    case 11:
    case 12:
      up(3, cx - s);
      up(2, cx + s);
      up(1, cx - 2 * s);
      if (gameMode == 11) down(4, cx); else turns(4, cx);
      break;
    case 13:
      up(3, cx - s);
      up(1, cx - 2 * s);
      slides(2, cx + s, cx + 2 * s);
      slides(4, cx, cx + s);
      rises(5, cx);
      break;
    case 14:
    case 15:
      up(4, cx + s);
      up(3, cx - s);
      up(2, cx + 2 * s);
      up(1, cx - 2 * s);
      if (gameMode == 14) down(5, cx); else turns(5, cx);
      break;
    case 16:
      slides(5, cx, cx - s);
      slides(3, cx - s, cx - 2 * s);
      slides(1, cx - 2 * s, cx - 3 * s);
      up(2, cx + 2 * s);
      up(4, cx + s);
      rises(6, cx);
      break;
    case 17:
    case 18:
      up(5, cx - s);
      up(3, cx - 2 * s);
      up(1, cx - 3 * s);
      up(2, cx + 2 * s);
      up(4, cx + s);
      if (gameMode == 17) down(6, cx); else turns(6, cx);
      break;
    case kDealChoice: {
      for (int slot = 1; slot <= 6; ++slot) {
        drawCardCtrl(slot, 0, column[slot], kRow, kFaceUp, me.myCards[slot], me.myCardCross[slot],
                     kScale, 1, kGlowRed, kGlowGreen, kGlowBlue);
      }
      const float bx = W * 0.5f - 48.0f;
      const float by = H * 0.8f;
      SetColor(255, 255, 255);
      SetAlpha(0.5f);
      _DrawCSprite(spriteUIText + 1, bx, by, 1.0f);
      const int selected = me.g_SelectCard;
      if (selected == 0) {
        SetAlpha(1.0f);
        _DrawCSprite(spriteUIText + 1, bx, by, 1.0f);
      } else if (selected >= 1 && selected <= 6) {
        // A see-through enlarged copy over the row, at the alpha the button left.
        card(selected, column[selected], kRaisedRow, kFaceUp, kRaisedScale, 1);
      }
      SetColor(255, 255, 255);
      SetAlpha(0.5f);
      ArcadeTextCenter("Select cards to be replaced    ", TruncToInt(W * 0.5f), TruncToInt(H * 0.75f));
      const int n = spriteUIText + 1;
      const t_sprite* button = (n >= 0 && n < kSpriteTableSize) ? _sprites[n].get() : nullptr;
      ArcadeControlSlot(0)->set(0, TruncToInt(bx), TruncToInt(by), button ? button->width : 0,
                                button ? button->height : 0);
      break;
    }
    case kDealReplaceShrink:
      for (int slot = 1; slot <= 6; ++slot) {
        if (marked(slot)) {
          // Flickers between its sides while it shrinks to nothing.
          card(slot, column[slot], kRow, static_cast<float>(Rnd(4.0, 0.0)), r * kScale);
        } else {
          up(slot, column[slot]);
        }
      }
      break;
    case 21:
    case 22:
    case 23:
      for (int slot = 1; slot <= 6; ++slot) {
        if (!marked(slot)) {
          up(slot, column[slot]);
        } else if (gameMode == 21) {
          rises(slot, column[slot]);
        } else if (gameMode == 22) {
          down(slot, column[slot]);
        } else {
          turns(slot, column[slot]);
        }
      }
      break;
    case kDealGatherRegions:
      for (int slot = 1; slot <= 6; ++slot) {
        drawCardCtrl(slot, 0, column[slot], kRow, kFaceUp, me.myCards[slot], 0, kScale, 0, kGlowRed,
                     kGlowGreen, kGlowBlue);
      }
      break;
    case kDealGather:
      // The row sinks to the hand page's row and shrinks to its scale.
      for (int slot = 1; slot <= 6; ++slot) {
        drawCardCtrl(slot, 0, column[slot], TruncToInt(kRow + (1.0f - r) * 175.0f), kFaceUp,
                     me.myCards[slot], 0, kScale - (1.0f - r) * 0.1f, 0, kGlowRed, kGlowGreen,
                     kGlowBlue);
      }
      break;
    default:
      break;
  }
  return 0;
}
