// The frame around the battlefield: the top strip (menu button with its click region, the
// caption and the campaign strip) and the players' panels in the bottom corners (card
// backgrounds, portrait, whose turn, soldier bars and armour shields); and drawScore.
#include <algorithm>
#include <string>

#include "game/arcadefont.h"
#include "game/battlefieldtile.h"
#include "game/clickregions.h"
#include "game/quilloncore.h"
#include "platform/draw2d.h"
#include "platform/numbers.h"

namespace {

constexpr int kMenuRegion = 19;
constexpr int kMenuSize = 25;
constexpr int kLastStage = 4;
constexpr int kPanelSize = 80;
constexpr int kMaxBarLines = 38;
constexpr int kMaxShields = 5;  // the rules keep armour in 0..5
constexpr int kMaxScoreDigits = 64;

// One panel: its corner on the screen and the direction it grows from the edge.
struct TPanelLayout {
  int edge = 0;  // x of the screen edge the panel leans on
  int base = 0;  // y of its bottom line
  int dir = 1;   // 1 grows rightwards from the left edge, -1 leftwards from the right
};

void DrawBackgrounds(TQuillonCore& game, const TPlayer& pl, float x, float y) {
  SetColor(pl.red1, pl.green1, pl.blue1);
  DrawTileSprite(game, SpriteNumber(game.spriteBackgrounds, pl.background1), x, y, 0.5f, false);
  SetColor(pl.red2, pl.green2, pl.blue2);
  SetAlpha(pl.alpha2);
  DrawTileSprite(game, SpriteNumber(game.spriteBackgrounds, pl.background2), x, y, 0.5f, false);
}

// The frame colour and portrait size tell whose turn it is.
struct TTurnLook {
  float portraitScale = 0.75f;
  int lift = 0;
};

TTurnLook SetTurnLook(const TPlayer& pl, bool current) {
  if (current) {
    SetColor(pl.red, pl.green, pl.blue);
    SetAlpha(1.0f);
    return {0.85f, 5};
  }
  SetColor(10, 10, 10);
  SetAlpha(0.6f);
  return {0.75f, 0};
}

void DrawBarsAndShields(TQuillonCore& game, const TPlayer& pl, const TPanelLayout& at) {
  const int b = at.base;
  SetAlpha(1.0f);
  SetColor(15, 15, 15);
  if (at.dir > 0) {
    DrawRect(0.0f, static_cast<float>(b - 20), 80.0f, 20.0f);
    SetColor(8, 8, 8);
    DrawRect(3.0f, static_cast<float>(b - 16), 75.0f, 12.0f);
  } else {
    DrawRect(static_cast<float>(at.edge - 78), static_cast<float>(b - 20), 80.0f, 20.0f);
    SetColor(8, 8, 8);
    DrawRect(static_cast<float>(at.edge - 76), static_cast<float>(b - 16), 75.0f, 12.0f);
  }
  SetLineWidth(1.0f);

  const int firstX = at.dir > 0 ? 4 : at.edge - 4;
  const int men = std::clamp(pl.totalmen, 0, kMaxBarLines);
  for (int i = 0; i < men; ++i) {
    const float x = static_cast<float>(firstX + at.dir * 2 * i);
    SetColor(70, 70, 70);
    DrawLine(x, static_cast<float>(b - 16), x, static_cast<float>(b - 7));
    SetColor(pl.red, pl.green, pl.blue);
    DrawLine(x, static_cast<float>(b - 7), x, static_cast<float>(b - 5));
  }
  // 64-bit: the difference of two odd counts must not overflow.
  const int64_t alive64 = int64_t{pl.totalmen} - pl.deadmen;
  const int alive = static_cast<int>(std::clamp<int64_t>(alive64, 0, kMaxBarLines));
  for (int i = 0; i < alive; ++i) {
    const float x = static_cast<float>(firstX + at.dir * 2 * i);
    SetColor(pl.red, pl.green, pl.blue);
    DrawLine(x, static_cast<float>(b - 16), x, static_cast<float>(b - 5));
  }

  SetColor(250, 250, 250);
  const int shieldX = at.dir > 0 ? -1 : at.edge - 19;
  const int shields = std::clamp(pl.armour, 0, kMaxShields);
  for (int i = 0; i < shields; ++i) {
    DrawTileSprite(game, game.spriteUIShield, static_cast<float>(shieldX + at.dir * 13 * i),
                   static_cast<float>(b - 33), 0.55f, false);
  }
}

void DrawHumanPanel(TQuillonCore& game) {
  const TPlayer& pl = game.players[0];
  const int h = game.AppVirtualHeight;
  DrawBackgrounds(game, pl, -8.0f, static_cast<float>(h - 93));
  SetLineWidth(3.0f);
  const TTurnLook look = SetTurnLook(pl, game.currentPlayer == 0);
  DrawLine(0.0f, static_cast<float>(h - kPanelSize), 80.0f, static_cast<float>(h - kPanelSize));
  DrawLine(80.0f, static_cast<float>(h - kPanelSize), 80.0f, static_cast<float>(h));
  DrawTileSprite(game, SpriteNumber(game.spriteUIPlayers, 2), 0.0f,
                 static_cast<float>(h - kPanelSize), 0.75f, true);
  SetColor(pl.red, pl.green, pl.blue);
  DrawTileSprite(game, game.spriteUIPlayers, 2.0f, static_cast<float>(h - 84 - look.lift),
                 look.portraitScale, false);
  DrawBarsAndShields(game, pl, {0, h, 1});
}

void DrawComputerPanel(TQuillonCore& game, int p, int base) {
  const TPlayer& pl = game.players[p];
  const int w = game.AppVirtualWidth;
  const float x = static_cast<float>(w - 88);
  DrawBackgrounds(game, pl, x, static_cast<float>(base - 93));
  SetLineWidth(3.0f);
  const TTurnLook look = SetTurnLook(pl, game.currentPlayer == p);
  const float top = static_cast<float>(base - kPanelSize);
  DrawLine(static_cast<float>(w), top, static_cast<float>(w - kPanelSize), top);
  DrawLine(static_cast<float>(w - kPanelSize), top, static_cast<float>(w - kPanelSize),
           static_cast<float>(base));
  DrawTileSprite(game, SpriteNumber(game.spriteUIPlayers, 2), x + 64.0f, top, 0.75f, false);
  SetColor(pl.red, pl.green, pl.blue);
  DrawTileSprite(game, SpriteNumber(game.spriteUIPlayers, 1), x + 28.0f,
                 static_cast<float>(base - 84 - look.lift), look.portraitScale, false);
  DrawBarsAndShields(game, pl, {w, base, -1});
}

}  // namespace

void DrawTopStrip(TQuillonCore& game) {
  if (TArcadeControl* menu = ArcadeControlSlot(kMenuRegion)) {
    menu->set(kMenuRegion, 0, 0, kMenuSize, kMenuSize);
  }
  const double t = static_cast<double>(game.gameTime);
  SetAlpha(game.g_OverMenu != 0 ? static_cast<float>(0.6 + 0.3 * Sin(t * 0.6)) : 0.3f);
  SetColor(250, 250, 250);
  DrawTileSprite(game, game.spriteUIMenu, 3.0f, 3.0f, 0.7f, false);
  SetAlpha(1.0f);
  SetColor(250, 250, 250);
  DrawTileSprite(game, SpriteNumber(game.spriteUIText, 5), 30.0f, 5.0f, 0.7f, false);
  for (int s = kLastStage; s >= 0; --s) {
    const int back = kLastStage - s;
    game.DrawCampaign(120 - 26 * back, 38 + 13 * back, s, game.gameCampaignStars[s],
                      game.gameCampaignWon[s]);
  }
}

void DrawPlayerPanels(TQuillonCore& game) {
  DrawHumanPanel(game);
  const int h = game.AppVirtualHeight;
  const int computers = std::min(game.playerCount, kPlayers - 1);
  int base = game.playerCount == 2 ? h - kPanelSize : h;
  for (int p = computers; p >= 1; --p) {
    DrawComputerPanel(game, p, base);
    base += kPanelSize;
  }
}

int TQuillonCore::drawScore(int value, int digits, int x, int y) {
  std::string text = std::to_string(value);
  // No line of the screen holds more than this many characters.
  const int width = std::min(digits, kMaxScoreDigits);
  if (width > static_cast<int>(text.size())) text.insert(0, width - text.size(), '0');
  ArcadeText(text, x, y, -1);
  return 0;
}
