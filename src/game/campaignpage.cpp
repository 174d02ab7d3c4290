// The campaign in its two forms and the two pages that show it: one block of the
// campaign strip on the battlefield (past, current or coming stage), one large block of
// the campaign map, the campaign page (page 14: the map slides in, holds, a new
// battlefield is made, the map slides out) and the battle page (page 15).

#include "game/flagframe.h"
#include "game/pageclock.h"
#include "game/quilloncore.h"
#include "platform/draw2d.h"
#include "platform/numbers.h"

namespace {

constexpr int kCampaignStageCount = 5;  // stages 0 to 4 are shown
constexpr int kStarMarks = 8;           // spriteUI + 2 .. + 9: star counts 0 to 7
constexpr int kMapSprite = 1;

constexpr int kSlideIn = 1;
constexpr int kShow = 2;
constexpr int kSlideOut = 3;
constexpr int kRest = 4;

}  // namespace

int TQuillonCore::DrawCampaign(int x, int y, int stage, int stars, int won) {
  const int frame = WavingFlagFrame(gameTime);
  const auto starMark = [&]() {
    if (stars < 0 || stars >= kStarMarks) return;  // no mark sprite for such a count
    _DrawCSprite(spriteUI + 2 + stars, static_cast<float>(x + 10), static_cast<float>(y - 6), 1.0f);
  };

  if (stage < gameCampaign) {
    SetAlpha(1.0f);
    SetColor(100, 100, 100);
    _DrawCSprite(spriteUIMapBlock, static_cast<float>(x), static_cast<float>(y), 0.8f);
    SetAlpha(0.7f);
    SetColor(250, 250, 250);
    _DrawCSprite(spriteUIPole, static_cast<float>(x + 10), static_cast<float>(y - 32), 1.0f);
    SetAlpha(0.7f);
    SetColor(250, 250, 250);
    starMark();
    if (won != 0) {
      _DrawCSprite(spriteUI + 1, static_cast<float>(x + 10), static_cast<float>(y + 6), 1.0f);
      SetColor(0, 150, 0);
    } else {
      _DrawCSprite(spriteUI, static_cast<float>(x + 10), static_cast<float>(y + 6), 1.0f);
      SetColor(150, 0, 0);
    }
    SetAlpha(0.7f);
    _DrawCSprite(spriteUIFlag + frame, static_cast<float>(x + 10), static_cast<float>(y - 32), 1.0f);
  } else if (stage == gameCampaign) {
    SetAlpha(1.0f);
    SetColor(200, 200, 200);
    _DrawCSprite(spriteUIMapBlock, static_cast<float>(x), static_cast<float>(y), 0.8f);
    SetColor(250, 250, 250);
    const int sway = TruncToInt((y - 33) + 2.0 * Sin(static_cast<double>(gameTime) * 0.6));
    _DrawCSprite(spriteUIPole, static_cast<float>(x + 10), static_cast<float>(sway), 1.0f);
    starMark();
    _DrawCSprite(spriteUIFlag + frame, static_cast<float>(x + 10), static_cast<float>(sway), 1.0f);
  } else {
    // A stage still to come keeps whatever colour is set.
    SetAlpha(0.15f);
    _DrawCSprite(spriteUIMapBlock, static_cast<float>(x), static_cast<float>(y), 0.8f);
  }
  return 0;
}

int TQuillonCore::drawShowCampaign(int x, int y, int stage, int /*unused*/) {
  if (stage == gameCampaign) {
    SetAlpha(0.6f);
    SetColor(250, 250, 250);
  } else {
    SetAlpha(0.4f);
    SetColor(50, 50, 50);
  }
  _DrawCSprite(spriteUIMapBlock, static_cast<float>(x), static_cast<float>(y), 1.9f);
  SetAlpha(0.8f);
  SetColor(0, 0, 0);
  _DrawCSprite(spriteUIMapBlock + 1, static_cast<float>(x), static_cast<float>(y), 1.9f);
  return 0;
}

int TQuillonCore::DrawPage_Campaign() {
  DrawPage_Game(0);

  if (SubStateOver(gameTime, nextTime)) {
    switch (gameMode) {
      case 0:
        gameMode = kSlideIn;
        modeTime = 800;
        nextTime = gameTime + 800;
        break;
      case kSlideIn:
        gameMode = kShow;
        modeTime = 3000;
        nextTime = gameTime + 3000;
        break;
      case kShow:
        gameMode = kSlideOut;
        modeTime = 800;
        nextTime = gameTime + 800;
        setupMap();
        break;
      case kSlideOut:
        gameMode = kRest;
        break;
      default:
        break;
    }
  }

  const float r = RemainingFraction(nextTime, gameTime, modeTime);
  const float W = static_cast<float>(AppVirtualWidth);
  const float H = static_cast<float>(AppVirtualHeight);
  const float mapX = W * 0.5f - 194.0f;
  const int blocksX = TruncToInt(W * 0.5f - 192.0f);
  const auto dimming = [&](float alpha) {
    SetColor(0, 0, 0);
    SetAlpha(alpha);
    DrawRect(0.0f, 0.0f, W, H);
    SetAlpha(1.0f);
    SetColor(250, 250, 250);
  };
  const auto blocks = [&](int baseY) {
    for (int stage = 0; stage < kCampaignStageCount; ++stage) {
      drawShowCampaign(blocksX + 64 * stage, baseY - 32 * stage, stage, 0);
    }
  };

  switch (gameMode) {
    case kSlideIn:
      dimming(0.5f + r * 0.5f);
      _DrawCSprite(kMapSprite, mapX, 30.0f - r * 350.0f, 0.7f);
      break;
    case kShow: {
      dimming(0.5f);
      _DrawCSprite(kMapSprite, mapX, 30.0f, 0.7f);
      gameCampaign = 2;
      SetAlpha(1.0f);
      SetColor(250, 250, 250);
      _DrawCSprite(spriteUIText + 5, 10.0f, 10.0f, 0.7f);
      // The stage counted from 1; a stage past the ten numerals has none to show.
      const int numeral = gameCampaign + 1;
      if (numeral >= 0 && numeral <= 9) _DrawCSprite(spriteUINumbers + numeral, 150.0f, 5.0f, 0.9f);
      blocks(TruncToInt(H * 0.5f + 32.0f));
      break;
    }
    case kSlideOut:
      dimming(0.5f + r * 0.5f);
      _DrawCSprite(kMapSprite, mapX, 30.0f - (1.0f - r) * 350.0f, 0.7f);
      blocks(TruncToInt(H * 0.5f + 32.0f - (1.0f - r) * 350.0f));
      break;
    default:
      break;
  }
  return 0;
}

int TQuillonCore::DrawPage_Battle() {
  DrawPage_Game(0);
  return 0;
}
