// Loading the sprite sheets: the font, the four textures, and the numbered sprite table
// cut from them with the first number of each range kept in the game object.
#include "framework/imagewrappers.h"
#include "game/arcadefont.h"
#include "game/quilloncore.h"
#include "game/spriteruns.h"
#include "game/sprites.h"
#include "platform/image.h"
#include "platform/immediategl.h"

namespace {

// The game object's field for each named range.
struct TRangeField {
  TSpriteRange range;
  int TQuillonCore::*field;
};

constexpr TRangeField kRangeFields[] = {
    {TSpriteRange::CardFaces, &TQuillonCore::cardFaces},
    {TSpriteRange::CardSoldiers, &TQuillonCore::cardSoldiers},
    {TSpriteRange::CardExtras, &TQuillonCore::cardExtras},
    {TSpriteRange::CardText, &TQuillonCore::cardText},
    {TSpriteRange::CardSoldierText, &TQuillonCore::cardSoldierText},
    {TSpriteRange::Backgrounds, &TQuillonCore::spriteBackgrounds},
    {TSpriteRange::Trees, &TQuillonCore::spriteTrees},
    {TSpriteRange::Bushes, &TQuillonCore::spriteBushes},
    {TSpriteRange::Decals, &TQuillonCore::spriteDecals},
    {TSpriteRange::Ground, &TQuillonCore::spriteGround},
    {TSpriteRange::Paths, &TQuillonCore::spritePaths},
    {TSpriteRange::Particles, &TQuillonCore::spriteParticles},
    {TSpriteRange::UIMenu, &TQuillonCore::spriteUIMenu},
    {TSpriteRange::UIPlayers, &TQuillonCore::spriteUIPlayers},
    {TSpriteRange::UIPole, &TQuillonCore::spriteUIPole},
    {TSpriteRange::UI, &TQuillonCore::spriteUI},
    {TSpriteRange::UIMapBlock, &TQuillonCore::spriteUIMapBlock},
    {TSpriteRange::UIFlag, &TQuillonCore::spriteUIFlag},
    {TSpriteRange::UIAnim, &TQuillonCore::spriteUIAnim},
    {TSpriteRange::UICross, &TQuillonCore::spriteUICross},
    {TSpriteRange::UIShield, &TQuillonCore::spriteUIShield},
    {TSpriteRange::UITimer, &TQuillonCore::spriteUITimer},
    {TSpriteRange::UIText, &TQuillonCore::spriteUIText},
    {TSpriteRange::UINumbers, &TQuillonCore::spriteUINumbers},
    {TSpriteRange::MenHeads, &TQuillonCore::spriteMenHeads},
    {TSpriteRange::BoatMenHeads, &TQuillonCore::spriteBoatMenHeads},
    {TSpriteRange::Men, &TQuillonCore::spriteMen},
    {TSpriteRange::BoatMen, &TQuillonCore::spriteBoatMen},
    {TSpriteRange::Buildings, &TQuillonCore::spriteBuildings},
};

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

void SetSpriteFields(TQuillonCore& core) {
  // A face is cut 201 x 287 but measured 288 high, and half of 201 is taken as 100.
  core.cardWidth = 201.0f;
  core.cardHeight = 288.0f;
  core.cardHalfWidth = 100.0f;
  core.cardHalfHeight = 144.0f;
  core.cardQuarterWidth = 50.0f;
  core.cardQuarterHeight = 72.0f;
  for (const TRangeField& r : kRangeFields) core.*r.field = FirstSprite(r.range);
}

int TQuillonCore::_LoadSprites() {
  // Nearest-pixel sampling, and black transparent in images without alpha.
  AutoImageFlags(MASKEDIMAGE);
  glDisable(GL_ALPHA_TEST);

  bitmapFontInit("spectrumfont.png", 1);
  g_FontWidth = 8;

  _ScreenImage = MGetImage("../resources/textures/background2.png", -1);
  _SpriteImage = MGetImage("../resources/textures/quillon-small.png", -1);
  _CardImage = MGetImage("../resources/textures/cardf.png", -1);
  _MapImage = MGetImage("../resources/textures/map.png", -1);

  _CreateScreenSprite(0);
  _CreateMapSprite(1);

  SetSpriteFields(*this);
  int n = kFirstCutSprite;
  for (const TSpriteRun& run : kSpriteRuns) {
    for (int row = run.rowFirst; row <= run.rowLast; ++row) {
      for (int column = run.columnFirst; column <= run.columnLast; column += run.columnStep) {
        if (run.atlas == TSpriteAtlas::Card) {
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
