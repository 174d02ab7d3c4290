// The game's own start-up (_Init: players, deck, first hands, frame timer), the empty
// sound-loading hook, and the two small window hooks: custom drawing and resize.
#include "framework/control.h"
#include "game/flagpoles.h"
#include "game/quilloncore.h"
#include "platform/draw2d.h"

namespace {

constexpr int kFrameTimer = 1;
constexpr int kFrameHertz = 60;

struct TPlayerColours {
  int red, green, blue;
  int bg1, red1, green1, blue1;
  int bg2, red2, green2, blue2, alpha2;
};
constexpr std::array<TPlayerColours, kPlayers> kPlayerColours = {{
    {0, 255, 0, 1, 128, 128, 128, 1, 0, 0, 128, 255},
    {255, 150, 0, 1, 64, 128, 0, 2, 128, 128, 128, 255},
    {0, 200, 255, 1, 128, 128, 128, 3, 0, 128, 0, 255},
}};

}  // namespace

int TQuillonCore::_Init() {
  for (int p = 0; p < kPlayers; ++p) {
    const TPlayerColours& c = kPlayerColours[p];
    players[p] = TPlayer();
    players[p].setSoldierColor(c.red, c.green, c.blue);
    players[p].setBackground1(c.bg1, c.red1, c.green1, c.blue1);
    players[p].setBackground2(c.bg2, c.red2, c.green2, c.blue2, c.alpha2);
  }
  _LoadSounds();
  deck.init();
  playersReset();
  SetTimer(kFrameTimer, kFrameHertz);
  return 0;
}

int TQuillonCore::_LoadSounds() { return 0; }

int TQuillonCore::playersReset() {
  gameMode = 0;
  for (TPlayer& p : players) p.reset();
  // Only the poles that stand on the battlefield come free again, and the battle waits
  // for every one of them: a count kept from before would start it with poles still free.
  // Entry 0 and entries past flagMax no player can claim: they are out of play.
  flagCount = 0;
  const int lastFlag = LastFlag(*this);
  for (int f = 0; f < kFlagCount; ++f) {
    const bool inPlay = f >= 1 && f <= lastFlag && flags[f] != kFlagNone;
    flags[f] = inPlay ? kFlagFree : kFlagNone;
    if (inPlay) ++flagCount;
  }
  deck.shuffle();
  for (int slot = 1; slot < kHandSlots; ++slot)
    for (TPlayer& p : players) p.myCards[slot] = deck.getNextCard();
  return 0;
}

int TQuillon::MCustomDraw(TMControl* control, int live) {
  if (control != nullptr && control->nDrawType == kGameDrawType) DrawUI();
  return 0;
}

int TQuillon::MResize() {
  SetBlend(ALPHABLEND);
  return 0;
}
