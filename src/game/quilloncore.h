// The card war game's application object: TQuillonCore holds every piece of game state
// and every game operation (each group lives in its own .cpp under src/game/), and
// TQuillon adds the framework's hook overrides and the page-layout reader. Also the
// game unit's page number `Page`.
#pragma once
#include <array>
#include <cstdint>
#include <string>

#include "framework/ini.h"
#include "framework/pellam.h"
#include "game/arcadefont.h"
#include "game/arcadeinput.h"
#include "game/arcadesound.h"
#include "game/clickregions.h"
#include "game/gamerecords.h"
#include "game/sprites.h"

class TMControl;

constexpr int kPlayers = 3;          // 0 the human, 1 and 2 the computer players
constexpr int kMapSize = 15;         // map[x][y], the playing area is 1..12
constexpr int kFlagCount = 17;       // flag poles
constexpr int kCampaignStages = 6;
constexpr int kGameDrawType = 100100;  // the game's one full-window control

// Flag pole owners.
constexpr int kFlagHuman = 0;
constexpr int kFlagFree = 3;
constexpr int kFlagNone = -1;

// Pages (the global Page).
constexpr int kPageTitle = 0;
constexpr int kPageGame = 4;
constexpr int kPageOptions = 6;
constexpr int kPageDeal = 9;
constexpr int kPageHand = 13;
constexpr int kPageCampaign = 14;
constexpr int kPageBattle = 15;

// The page that is drawn and answers input; 13 (the hand page) at start.
extern int Page;

using TMapGrid = std::array<std::array<TMap, kMapSize>, kMapSize>;  // map[x][y]
using TFlagTable = std::array<int, kFlagCount>;

class TQuillonCore : public TPellam {
 public:
  TQuillonCore();
  ~TQuillonCore() override;

  int g_TitleChoice = 1;   // 1 the options entry, 2 the start entry
  int optionMenu = 1;      // options row 1..17
  int optionmenusub = 1;   // 1 keyboard column, 2 joystick column
  std::array<TPlayer, kPlayers> players{};
  int playerCount = 0;     // computer players in the current battle
  int currentPlayer = 0;
  int vMX = 0;             // pointer in virtual-screen pixels
  int vMY = 0;
  int64_t gameTime = 0;    // millisecond clock of the current frame
  int64_t nextTime = 0;    // deadline of the current timed sub-state
  int modeTime = 0;        // length of the current timed sub-state
  int gameMode = 0;        // sub-state of the current page
  TDeck deck;
  TSoundSystem MusicSystem;
  float _MusicVolume = 1.0f;
  TSoundSystem SoundSystem;
  float _Volume = 1.0f;
  TIni IniFile;
  int rotate = 0;
  int g_OverMenu = 0;      // pointer over click region 19 on the hand page
  int mapScale = 0;
  int mapWater = 0;
  int waterHeight = 0;
  int mapMinWater = 0;
  int mapMinHeight = 0;
  int mapMaxHeight = 0;
  int mapSelectX = -1;
  int mapSelectY = -1;
  TMapGrid map{};
  int roadCount = 0;
  TFlagTable flags{};      // owner: 0 human, 1 and 2 computer, 3 free, -1 no pole
  TFlagTable flagX{};
  TFlagTable flagY{};
  TFlagTable flagArmour{};
  TFlagTable flagAttack{};
  TFlagTable flagRank{};
  TFlagTable flagCard{};
  int gameFlagOk = 0;      // free pole under the dragged card, -1 none
  int flagCount = 0;       // free poles left
  int flagMax = 0;
  int gameCampaign = 0;
  std::array<int, kCampaignStages> gameCampaignWon{};
  std::array<int, kCampaignStages> gameCampaignStars{};
  int gameSpreadx = -1;
  int gameSpready = -1;
  int gameSpread = 0;
  float cardWidth = 0.0f;
  float cardHeight = 0.0f;
  float cardHalfWidth = 0.0f;
  float cardHalfHeight = 0.0f;
  float cardQuarterWidth = 0.0f;
  float cardQuarterHeight = 0.0f;
  // First sprite number of each sprite range.
  int cardFaces = 0;
  int cardSoldiers = 0;
  int cardExtras = 0;
  int cardText = 0;
  int cardSoldierText = 0;
  int spriteTest = 0;
  int spriteMen = 0;
  int spriteMenHeads = 0;
  int spriteBoatMen = 0;
  int spriteBoatMenHeads = 0;
  int spriteUIText = 0;
  int spriteUINumbers = 0;
  int spriteUICross = 0;
  int spriteUIFlag = 0;
  int spriteUIAnim = 0;
  int spriteUIPole = 0;
  int spriteUIMapBlock = 0;
  int spriteUI = 0;
  int spriteUIPlayers = 0;
  int spriteUIMenu = 0;
  int spriteUIShield = 0;
  int spriteUITimer = 0;
  int spriteParticles = 0;
  int spritePaths = 0;
  int spriteGround = 0;
  int spriteBuildings = 0;
  int spriteTrees = 0;
  int spriteBushes = 0;
  int spriteDecals = 0;
  int spriteBackgrounds = 0;
  int AppVirtualWidth = 512;
  int AppVirtualHeight = 384;
  int AppVirtualWidth1 = 511;
  int AppVirtualHeight1 = 383;
  int AppShowScanlines = 0;
  int _SpriteImage = -1;
  int _ScreenImage = -1;
  int _CardImage = -1;
  int _MapImage = -1;
  int _waitTimer = 0;
  int _key_up = 38;
  int _key_down = 40;
  int _key_left = 37;
  int _key_right = 39;
  int _key_fire = 32;
  int _key_back = 27;
  int _key_pause = 77;
  int _joy_up = 4;
  int _joy_down = 6;
  int _joy_left = 7;
  int _joy_right = 5;
  int _joy_fire = 1;
  int _joy_back = 2;
  int _joy_pause = 3;
  int kyup = 0;
  int kydown = 0;
  int kyleft = 0;
  int kyright = 0;
  int jyup = 0;
  int jydown = 0;
  int jyleft = 0;
  int jyright = 0;
  int kyMoving = 0;
  int64_t kyTime = 0;
  int kyfire = 0;
  int oldkyfire = 0;
  int joykeyold = 0;   // input code of the previous joystick poll
  int _get_input = 0;  // options row whose binding is being captured, 0 none

  // Battlefield camera, one set for the whole program (recomputed by fillPrecalc).
  static inline float coreAngle = 45.0f;
  static inline float coreAngle2 = 0.0f;
  static inline float coreZoom = 28.0f;
  static inline float coreYScale = 0.5f;
  static inline float coreX1 = 0.0f;
  static inline float coreY1 = 0.0f;
  static inline float coreX2 = 0.0f;
  static inline float coreY2 = 0.0f;
  static inline float coreX3 = 0.0f;
  static inline float coreY3 = 0.0f;
  static inline float centerX = 0.0f;
  static inline float centerY = 0.0f;
  static inline float coreZoomN = 0.0f;
  static inline float coreYScaleM = 0.0f;
  static inline float coreHeight = 0.0f;

  // Settings file (settingsfile.cpp).
  virtual int MStartupIni(const std::string& name);
  virtual int MShutdownIni();
  // Start-up and players (startup.cpp, playersreset.cpp).
  virtual int _Init();
  virtual int playersReset();
  virtual int _LoadSounds();
  // Sprite sheets.
  virtual int _LoadSprites();
  virtual int _CreateSprite(int n, int col, int row, int cols, int rows, int unitW, int unitH);
  virtual int _CreateCard(int n, int col, int row, int cols, int rows, int unitW, int unitH);
  virtual int _CreateScreenSprite(int n);
  virtual int _CreateMapSprite(int n);
  virtual int _DrawSprite(int n, float x, float y);
  virtual int _DrawCSprite(int n, float x, float y, float scale);
  virtual int _DrawCRSprite(int n, float x, float y, float scale);
  virtual int _DrawCSpriteXY(int n, float x, float y, float scaleX, float scaleY);
  virtual int _DrawCRSpriteXY(int n, float x, float y, float scaleX, float scaleY);
  // Pages.
  virtual int DrawPage_Options();
  virtual int DrawPage_Title();
  virtual int DrawPage_Game(int picking);
  virtual int enemyTurn(int p);
  virtual int DrawCampaign(int x, int y, int stage, int stars, int won);
  virtual int DrawPage_Campaign();
  virtual int drawShowCampaign(int x, int y, int stage, int unused);
  virtual int DrawPage_Battle();
  virtual int DrawPage_Hand();
  virtual float lerp(float a, float b, float t);
  virtual int DrawPage_Deal();
  virtual int drawCardCtrl(int id, int player, int x, int y, float phase, int card, int cross,
                           float scale, int glow, int glowRed, int glowGreen, int glowBlue);
  virtual int drawCard(int player, int x, int y, float phase, int card, int cross, float scale,
                       int glow, int glowRed, int glowGreen, int glowBlue);
  virtual int color(int r, int g, int b);
  // Rules.
  virtual int modifyArmourAttack(int x, int y, int p, int armour, int attack);
  virtual int mapModify(int x, int y, int w, int h, int step);
  virtual int startBattle();
  virtual int increaseMine();
  virtual int increaseBarbWire();
  virtual int decreaseMen(int x, int y, int p);
  virtual int increaseMen(int p, int kind);
  // Battlefield generation.
  virtual int setupMap();
  virtual int createNewMap();
  virtual int AddTree(int sprite, int x, int y, float scale);
  virtual int makeHouse(int x, int y, int n);
  virtual int drawRightUp(int steps, int x, int y, const std::string& from);
  virtual int drawLeftDown(int steps, int x, int y, const std::string& from);
  virtual int drawLeftUp(int steps, int x, int y, const std::string& from);
  virtual int drawRightDown(int steps, int x, int y, const std::string& from);
  // Isometric geometry and immediate-mode drawing.
  virtual int DrawGLLine(float x1, float y1, float x2, float y2, float r, float g, float b,
                         float a);
  virtual int DrawGLPoly(float x1, float y1, float x2, float y2, float x3, float y3, float x4,
                         float y4, float r, float g, float b, float a);
  virtual int DrawGLPoly2(float x1, float y1, float x2, float y2, float x3, float y3, float x4,
                          float y4, float r, float g, float b, float a);
  virtual int _PointInPoly(float px, float py, float x1, float y1, float x2, float y2, float x3,
                           float y3, float x4, float y4);
  virtual int modifyZoom(int step);
  virtual int modifyScale(float step);
  virtual int modifyAngle(float step);
  virtual int fillPrecalc();
  virtual int drawScore(int value, int digits, int x, int y);
  // Frame (framedraw.cpp).
  virtual int DrawUI();
  virtual int _DrawScanLines();
  virtual int _CheckKeys();
  virtual int _ResetKeys();
  virtual int _UpdateEnemies();
};

class TQuillon : public TQuillonCore {
 public:
  TQuillon();
  ~TQuillon() override;

  int MCustomDraw(TMControl* control, int live) override;
  int MResize() override;
  int MMouseDown(int x, int y, int ctrl, int cmd, int shift, TMControl* control) override;
  int MMouseUp(int x, int y, int ctrl, int cmd, int shift, TMControl* control) override;
  int MMouseMove(int x, int y, int ctrl, int cmd, int shift, int button,
                 TMControl* control) override;
  int MKeyUp(int x, int y, int key, int ctrl, int cmd, int shift, TMControl* control) override;
  int MKeyDown(int x, int y, int key, int ctrl, int cmd, int shift, int repeat,
               TMControl* control) override;
  int MTimer(int slot) override;
  virtual int ReadControl(int type);
  virtual int ReadControls();

 private:
  // The hand page's hover selection, shared by the pointer's move and release.
  void SelectHandCardUnder(int region);
  // The hand page's release of a carried card, on a free pole or back into the hand.
  void DropHandCard();
  // The options page's keys while no binding is being captured.
  void OptionsKey(int k);
  float OptionVolume(int row) const;
  // Stores a volume row's value, tells its sound bank and, when asked, its fader region.
  void SetOptionVolume(int row, float volume, bool showOnFader);
};
