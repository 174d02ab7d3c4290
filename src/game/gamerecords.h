// The plain records the card war game's state is made of: a card, the deck of 49 slots
// over 40 card records, a player with colours and a six-card hand, and one battlefield cell.
#pragma once
#include <array>

constexpr int MAX_CARDS = 40;        // card records
constexpr int MAX_CARDSINDECK = 49;  // deck slots (the plain soldier cards twice)
constexpr int kHandSlots = 7;        // slots 1..6 are used, 0 stays -1
constexpr int kMapPlayers = 4;       // per-player arrays of a cell
constexpr int kMapMenPlaces = 10;    // soldier places per player on a cell

class TCard {
 public:
  int kind = 0;  // 0 soldier card, 1 extra card
  int card = 0;  // face number within its kind
  int men = 0;
  int armour = 0;
  int attack = 0;
  int range = 0;  // reach in cells; 0 on an extra card means the whole field
  int star = 0;

  int set(int kind, int card, int range, int attack, int men, int armour, int star);
};

class TDeck {
 public:
  std::array<TCard, MAX_CARDS> card{};
  std::array<int, MAX_CARDSINDECK> cardPos{};  // entry n: the deck slot dealt n-th
  std::array<int, MAX_CARDSINDECK> cardRef{};  // card record of each deck slot
  int pos = 0;                                 // cards dealt since the last shuffle

  int init();
  int shuffle();
  // Card record of the next slot in the deal order, -1 once all 49 were dealt.
  int getNextCard();
};

class TPlayer {
 public:
  int red = 0, green = 0, blue = 0;  // soldier colour
  int background1 = 0;
  int red1 = 0, green1 = 0, blue1 = 0;
  int background2 = 0;
  int red2 = 0, green2 = 0, blue2 = 0;
  float alpha2 = 0.0f;  // opacity 0..1 of the second background
  int totalmen = 0;
  int deadmen = 0;
  int armour = 0;  // 0..5
  int g_SelectCard = -1;  // selected hand slot 1..6, -1 none
  std::array<int, kHandSlots> myCards{};      // card record per slot, -1 empty
  std::array<int, kHandSlots> myCardCross{};  // 1 once the slot's card is played

  int reset();
  int setBackground1(int value, int r, int g, int b);
  int setBackground2(int value, int r, int g, int b, int alpha);
  int setSoldierColor(int r, int g, int b);
  int armourModify(int delta);
};

using TManGrid = std::array<std::array<int, kMapMenPlaces>, kMapPlayers>;  // [player][place]

class TMap {
 public:
  int anim = 0;
  int height = 0;
  int kind = 0;
  int xoffset = 0, yoffset = 0;
  float xscale = 0.0f, yscale = 0.0f;
  int reverse = 0;
  int col = 0;
  int road = 0;
  float forest = 0.0f;
  int base = 0;
  int spr = 0;
  float sprAlpha = 0.0f;
  float gasmax = 0.0f, gas = 0.0f, gasx = 0.0f, gasy = 0.0f, gasxm = 0.0f, gasym = 0.0f;
  int barbwire = 0;
  int mine = 0;
  int flag = 0;
  int manNumber0 = 0, manNumber1 = 0, manNumber2 = 0;
  TManGrid man{};
  std::array<int, kMapPlayers> manCount{};
  std::array<int, kMapPlayers> mankind{};
  std::array<int, kMapPlayers> manDead{};
  TManGrid manx{};
  TManGrid many{};
  TManGrid manFlag{};
  TManGrid mandir{};
  std::array<float, kMapPlayers> manmove{};
};
