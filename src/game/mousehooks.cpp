// Pointer hooks: the pointer mapped into the virtual screen and hit-tested against the
// click regions of the last frame; card choice, lift and drop on the hand page, the deal
// page's marks and deal button, the title choice and the options page's rows and faders.
#include "game/handstates.h"
#include "game/inputhooks.h"
#include "game/quilloncore.h"
#include "platform/numbers.h"

namespace {

constexpr int kMenuRegion = 19;     // the battlefield's menu corner
constexpr int kBattleRegion = 0;    // "Battle begins..." on the hand page
constexpr int kDealRegion = 0;      // the deal page's button
constexpr int kLiftMillis = 100;
constexpr int kDropPauseMillis = 150;

constexpr int kDealMode = 20;
constexpr int kDealMillis = 600;

// The pointer in the window mapped onto the virtual screen's side.
int ToVirtual(int virtualSide, int position, int windowSide) {
  if (windowSide <= 0) return 0;
  return TruncToInt(virtualSide * (static_cast<double>(position) / windowSide));
}

}  // namespace

void TQuillon::SelectHandCardUnder(int h) {
  TPlayer& human = players[0];
  if (!IsHandSlot(h))
    human.g_SelectCard = -1;
  else if (human.myCardCross[h] == 0)
    human.g_SelectCard = h;
}

int TQuillon::MMouseMove(int x, int y, int ctrl, int cmd, int shift, int button,
                         TMControl* control) {
  vMX = ToVirtual(AppVirtualWidth, x, AppWidth);
  vMY = ToVirtual(AppVirtualHeight, y, AppHeight);
  switch (Page) {
    case kPageHand: {
      const int h = ArcadeGetControl(vMX, vMY);
      g_OverMenu = h == kMenuRegion ? 1 : 0;
      if (gameMode == kHandChoose) SelectHandCardUnder(h);
      break;
    }
    case kPageDeal:
      players[0].g_SelectCard = ArcadeGetControl(vMX, vMY);
      break;
    case kPageTitle: {
      // Regions other pages left behind are not title entries.
      const int h = ArcadeGetControl(vMX, vMY);
      if ((h == 1 || h == 2) && h != g_TitleChoice) g_TitleChoice = h;
      break;
    }
    case kPageOptions: {
      const int h = ArcadeGetControl(vMX, vMY);
      if (button == 0) {
        if (h >= kOptionRowMusic && h <= kOptionRowBack && h != optionMenu) optionMenu = h;
      } else if (h == kOptionRowMusic || h == kOptionRowSound) {
        SetOptionVolume(h, userControl[h]->pos, false);
      }
      break;
    }
    default:
      break;
  }
  return 0;
}

int TQuillon::MMouseDown(int x, int y, int ctrl, int cmd, int shift, TMControl* control) {
  TPlayer& human = players[0];
  switch (Page) {
    case kPageHand: {
      if (gameMode == kHandBattleButton) {
        const TArcadeControl* button = userControl[kBattleRegion].get();
        if (button != nullptr && button->over != 0) Page = kPageBattle;
        break;
      }
      // Only an unplayed card in the hand can be lifted, and only while choosing.
      const int slot = human.g_SelectCard;
      if (gameMode == kHandChoose && IsHandSlot(slot) && human.myCardCross[slot] == 0) {
        human.myCardCross[slot] = 1;
        modeTime = kLiftMillis;
        nextTime = gameTime + kLiftMillis;
        gameMode = kHandLift;
      }
      break;
    }
    case kPageDeal: {
      const int h = human.g_SelectCard;
      if (h == kDealRegion) {
        for (int slot = kFirstHandSlot; slot <= kLastHandSlot; ++slot)
          if (human.myCardCross[slot] != 0) human.myCards[slot] = deck.getNextCard();
        gameMode = kDealMode;
        modeTime = kDealMillis;
        nextTime = gameTime + kDealMillis;
      } else if (IsHandSlot(h)) {
        human.myCardCross[h] = human.myCardCross[h] == 0 ? 1 : 0;
      }
      break;
    }
    case kPageTitle: {
      const int h = ArcadeGetControl(vMX, vMY);
      if ((h == 1 || h == 2) && g_TitleChoice == 1) Page = kPageOptions;
      break;
    }
    case kPageOptions: {
      const int h = ArcadeGetControl(vMX, vMY);
      if (h == kOptionRowMusic || h == kOptionRowSound) {
        optionMenu = h;
        SetOptionVolume(h, userControl[h]->pos, false);
      } else if (h >= kOptionFirstKeyRow && h <= kOptionLastKeyRow) {
        _get_input = h;
        optionmenusub = kOptionColumnKeys;
        optionMenu = h;
      } else if (h >= kOptionFirstJoyRow && h <= kOptionLastJoyRow) {
        _get_input = h;
        optionmenusub = kOptionColumnJoy;
        optionMenu = h;
      } else if (h == kOptionRowBack) {
        Page = kPageTitle;
        optionMenu = kOptionRowBack;
      } else {
        _get_input = 0;
      }
      break;
    }
    default:
      break;
  }
  return 0;
}

int TQuillon::MMouseUp(int x, int y, int ctrl, int cmd, int shift, TMControl* control) {
  // Only a carried card is dropped; the battle's sub-states and the pause after a drop
  // keep going.
  if (Page != kPageHand) return 0;
  if (gameMode != kHandLift && gameMode != kHandDrag) return 0;
  gameMode = kHandChoose;
  DropHandCard();
  return 0;
}

void TQuillon::DropHandCard() {
  TPlayer& human = players[0];
  const int slot = human.g_SelectCard;
  const int f = gameFlagOk;
  if (f < 0 || f >= kFlagCount || flags[f] != kFlagFree) {
    if (IsHandSlot(slot)) human.myCardCross[slot] = 0;
    SelectHandCardUnder(ArcadeGetControl(vMX, vMY));
    return;
  }
  if (!IsHandSlot(slot)) return;

  const int record = human.myCards[slot];
  flags[f] = kFlagHuman;
  flagCard[f] = record;
  if (record >= 0 && record < MAX_CARDS) {
    const TCard& card = deck.card[record];
    if (card.kind == 0) modifyArmourAttack(flagX[f], flagY[f], 0, card.armour, card.attack);
  }
  flagCount -= 1;
  if (flagCount < 1) {
    startBattle();
    gameMode = kHandBattleStarts;
    human.g_SelectCard = -1;
    return;
  }
  modeTime = kDropPauseMillis;
  nextTime = gameTime + kDropPauseMillis;
  gameMode = kHandLay;
  increaseMen(0, 0);
  enemyTurn(1);
  currentPlayer = 0;
}
