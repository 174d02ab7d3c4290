// Loading the sprite sheets: the font, the four textures, and the numbered sprite table
// cut from them with the first number of each range kept in the game object.
#include "framework/imagewrappers.h"
#include "game/arcadefont.h"
#include "game/quilloncore.h"
#include "game/sprites.h"
#include "platform/image.h"
#include "platform/immediategl.h"

namespace {

enum class TAtlas { Card, Sprite };

// A run of sprites: cells of cellW x cellH pixels, each sprite widthCells x heightCells
// cells, at the columns first..last (by step) of the rows first..last, numbered row by
// row with columns fastest. A run with a range field starts that range.
struct TSpriteRun {
  int TQuillonCore::*range;
  TAtlas atlas;
  int cellW, cellH;
  int widthCells, heightCells;
  int columnFirst, columnLast, columnStep;
  int rowFirst, rowLast;
};

constexpr TSpriteRun kSpriteRuns[] = {
    {&TQuillonCore::cardFaces, TAtlas::Card, 201, 287, 1, 1, 0, 8, 1, 0, 0},
    {&TQuillonCore::cardSoldiers, TAtlas::Card, 201, 287, 1, 1, 0, 8, 1, 1, 1},
    {&TQuillonCore::cardExtras, TAtlas::Card, 100, 144, 1, 1, 0, 12, 1, 4, 4},
    {&TQuillonCore::cardText, TAtlas::Card, 201, 72, 1, 1, 0, 8, 1, 10, 11},
    {&TQuillonCore::cardSoldierText, TAtlas::Card, 201, 72, 1, 1, 0, 8, 1, 12, 12},
    {&TQuillonCore::spriteBackgrounds, TAtlas::Card, 201, 72, 1, 4, 0, 8, 1, 13, 13},
    {&TQuillonCore::spriteTrees, TAtlas::Sprite, 32, 32, 1, 1, 0, 3, 1, 0, 7},
    {&TQuillonCore::spriteBushes, TAtlas::Sprite, 32, 32, 1, 1, 4, 7, 1, 0, 2},
    {&TQuillonCore::spriteDecals, TAtlas::Sprite, 32, 32, 1, 1, 8, 8, 1, 0, 2},
    {&TQuillonCore::spriteGround, TAtlas::Sprite, 32, 32, 1, 1, 4, 8, 1, 6, 6},
    {nullptr, TAtlas::Sprite, 32, 32, 1, 1, 8, 8, 1, 7, 9},
    {&TQuillonCore::spritePaths, TAtlas::Sprite, 32, 16, 1, 1, 4, 8, 1, 14, 15},
    {&TQuillonCore::spriteParticles, TAtlas::Sprite, 32, 32, 1, 1, 9, 9, 1, 0, 2},
    {&TQuillonCore::spriteUIMenu, TAtlas::Sprite, 32, 32, 1, 1, 7, 7, 1, 8, 9},
    {&TQuillonCore::spriteUIPlayers, TAtlas::Sprite, 32, 32, 3, 3, 0, 3, 3, 8, 8},
    {nullptr, TAtlas::Sprite, 32, 32, 1, 2, 6, 6, 1, 8, 8},
    {&TQuillonCore::spriteUIPole, TAtlas::Sprite, 32, 48, 1, 1, 10, 11, 1, 0, 0},
    {nullptr, TAtlas::Sprite, 32, 16, 1, 3, 9, 9, 1, 7, 7},
    {&TQuillonCore::spriteUI, TAtlas::Sprite, 32, 16, 1, 1, 10, 11, 1, 3, 7},
    {&TQuillonCore::spriteUIMapBlock, TAtlas::Sprite, 32, 32, 2, 1, 10, 12, 2, 4, 4},
    {&TQuillonCore::spriteUIFlag, TAtlas::Sprite, 32, 32, 1, 1, 12, 12, 1, 0, 3},
    {&TQuillonCore::spriteUIAnim, TAtlas::Sprite, 32, 16, 1, 3, 13, 15, 1, 5, 5},
    {&TQuillonCore::spriteUICross, TAtlas::Sprite, 32, 16, 3, 5, 13, 13, 1, 0, 0},
    {&TQuillonCore::spriteUIShield, TAtlas::Sprite, 32, 32, 1, 1, 15, 15, 1, 6, 6},
    {&TQuillonCore::spriteUITimer, TAtlas::Sprite, 32, 16, 1, 1, 15, 15, 1, 14, 15},
    {&TQuillonCore::spriteUIText, TAtlas::Sprite, 32, 32, 7, 1, 9, 9, 1, 5, 5},
    {nullptr, TAtlas::Sprite, 32, 32, 3, 1, 9, 12, 3, 6, 7},
    {nullptr, TAtlas::Sprite, 32, 32, 6, 1, 9, 9, 1, 8, 8},
    {&TQuillonCore::spriteUINumbers, TAtlas::Sprite, 16, 32, 1, 1, 18, 27, 1, 9, 9},
    {&TQuillonCore::spriteMenHeads, TAtlas::Sprite, 16, 32, 1, 1, 18, 31, 1, 10, 10},
    {&TQuillonCore::spriteBoatMenHeads, TAtlas::Sprite, 32, 32, 1, 1, 6, 8, 1, 10, 10},
    {&TQuillonCore::spriteMen, TAtlas::Sprite, 16, 32, 1, 1, 18, 31, 1, 11, 11},
    {&TQuillonCore::spriteBoatMen, TAtlas::Sprite, 32, 32, 1, 1, 6, 8, 1, 11, 11},
    {&TQuillonCore::spriteBuildings, TAtlas::Sprite, 32, 32, 1, 1, 4, 8, 1, 3, 5},
};

constexpr int kFirstCutSprite = 2;  // 0 the background, 1 the map picture
constexpr int kMapWidth = 569;
constexpr int kMapHeight = 437;

bool InTable(int n) { return n >= 0 && n < kSpriteTableSize; }

// A new sprite in entry n holding the rectangle of an image slot.
void PutSprite(int n, int x, int y, int width, int height, int image) {
  if (!InTable(n)) return;
  _sprites[n] = std::make_unique<t_sprite>();
  _sprites[n]->SetCustomData(x, y, width, height, image);
}

}  // namespace

const std::vector<std::string>& SpriteSheetFiles() {
  static const std::vector<std::string> files = {
      "../resources/textures/background2.png", "../resources/textures/quillon-small.png",
      "../resources/textures/cardf.png", "../resources/textures/map.png"};
  return files;
}

int TQuillonCore::_LoadSprites() {
  // Nearest-pixel sampling, and black transparent in images without alpha.
  AutoImageFlags(MASKEDIMAGE);
  glDisable(GL_ALPHA_TEST);

  bitmapFontInit("spectrumfont.png", 1);
  g_FontWidth = 8;

  const std::vector<std::string>& sheets = SpriteSheetFiles();
  _ScreenImage = MGetImage(sheets[0], -1);
  _SpriteImage = MGetImage(sheets[1], -1);
  _CardImage = MGetImage(sheets[2], -1);
  _MapImage = MGetImage(sheets[3], -1);

  _CreateScreenSprite(0);
  _CreateMapSprite(1);

  cardWidth = 201.0f;
  cardHeight = 288.0f;
  cardHalfWidth = 100.0f;
  cardHalfHeight = 144.0f;
  cardQuarterWidth = 50.0f;
  cardQuarterHeight = 72.0f;

  int n = kFirstCutSprite;
  for (const TSpriteRun& run : kSpriteRuns) {
    if (run.range) this->*run.range = n;
    for (int row = run.rowFirst; row <= run.rowLast; ++row) {
      for (int column = run.columnFirst; column <= run.columnLast; column += run.columnStep) {
        if (run.atlas == TAtlas::Card) {
          _CreateCard(n, column, row, run.widthCells, run.heightCells, run.cellW, run.cellH);
        } else {
          _CreateSprite(n, column, row, run.widthCells, run.heightCells, run.cellW, run.cellH);
        }
        ++n;
      }
    }
  }

  setupMap();
  return 0;
}

int TQuillonCore::_CreateSprite(int n, int col, int row, int cols, int rows, int unitW, int unitH) {
  PutSprite(n, col * unitW, row * unitH, cols * unitW, rows * unitH, _SpriteImage);
  return 0;
}

int TQuillonCore::_CreateCard(int n, int col, int row, int cols, int rows, int unitW, int unitH) {
  PutSprite(n, col * unitW, row * unitH, cols * unitW, rows * unitH, _CardImage);
  return 0;
}

int TQuillonCore::_CreateScreenSprite(int n) {
  PutSprite(n, 0, 0, AppVirtualWidth, AppVirtualHeight, _ScreenImage);
  return 0;
}

int TQuillonCore::_CreateMapSprite(int n) {
  PutSprite(n, 0, 0, kMapWidth, kMapHeight, _MapImage);
  return 0;
}
