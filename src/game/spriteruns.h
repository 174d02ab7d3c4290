// The runs that cut the numbered sprite table out of the card and sprite atlases: the
// game's sprite loader cuts by them, and the art tool paints each picture into the
// rectangle they give. Plain data only, so that the tool needs nothing else of the game.
#pragma once

enum class TSpriteAtlas { Card, Sprite };

// The named ranges; a run that starts one names it, a run that goes on with a range is None.
enum class TSpriteRange {
  None,
  CardFaces,
  CardSoldiers,
  CardExtras,
  CardText,
  CardSoldierText,
  Backgrounds,
  Trees,
  Bushes,
  Decals,
  Ground,
  Paths,
  Particles,
  UIMenu,
  UIPlayers,
  UIPole,
  UI,
  UIMapBlock,
  UIFlag,
  UIAnim,
  UICross,
  UIShield,
  UITimer,
  UIText,
  UINumbers,
  MenHeads,
  BoatMenHeads,
  Men,
  BoatMen,
  Buildings,
};

// Cells of cellW x cellH pixels; each sprite widthCells x heightCells cells; columns
// columnFirst..columnLast by columnStep, rows rowFirst..rowLast; numbered row by row,
// columns fastest. The sprite at column c, row r is (c·cellW, r·cellH, widthCells·cellW,
// heightCells·cellH).
struct TSpriteRun {
  TSpriteRange range;
  TSpriteAtlas atlas;
  int cellW, cellH;
  int widthCells, heightCells;
  int columnFirst, columnLast, columnStep;
  int rowFirst, rowLast;

  constexpr int Columns() const { return (columnLast - columnFirst) / columnStep + 1; }
  constexpr int Count() const { return Columns() * (rowLast - rowFirst + 1); }
};

inline constexpr TSpriteRun kSpriteRuns[] = {
    {TSpriteRange::CardFaces, TSpriteAtlas::Card, 201, 287, 1, 1, 0, 8, 1, 0, 0},
    {TSpriteRange::CardSoldiers, TSpriteAtlas::Card, 201, 287, 1, 1, 0, 8, 1, 1, 1},
    {TSpriteRange::CardExtras, TSpriteAtlas::Card, 100, 144, 1, 1, 0, 12, 1, 4, 4},
    {TSpriteRange::CardText, TSpriteAtlas::Card, 201, 72, 1, 1, 0, 8, 1, 10, 11},
    {TSpriteRange::CardSoldierText, TSpriteAtlas::Card, 201, 72, 1, 1, 0, 8, 1, 12, 12},
    {TSpriteRange::Backgrounds, TSpriteAtlas::Card, 201, 72, 1, 4, 0, 8, 1, 13, 13},
    {TSpriteRange::Trees, TSpriteAtlas::Sprite, 32, 32, 1, 1, 0, 3, 1, 0, 7},
    {TSpriteRange::Bushes, TSpriteAtlas::Sprite, 32, 32, 1, 1, 4, 7, 1, 0, 2},
    {TSpriteRange::Decals, TSpriteAtlas::Sprite, 32, 32, 1, 1, 8, 8, 1, 0, 2},
    {TSpriteRange::Ground, TSpriteAtlas::Sprite, 32, 32, 1, 1, 4, 8, 1, 6, 6},
    {TSpriteRange::None, TSpriteAtlas::Sprite, 32, 32, 1, 1, 8, 8, 1, 7, 9},
    {TSpriteRange::Paths, TSpriteAtlas::Sprite, 32, 16, 1, 1, 4, 8, 1, 14, 15},
    {TSpriteRange::Particles, TSpriteAtlas::Sprite, 32, 32, 1, 1, 9, 9, 1, 0, 2},
    {TSpriteRange::UIMenu, TSpriteAtlas::Sprite, 32, 32, 1, 1, 7, 7, 1, 8, 9},
    {TSpriteRange::UIPlayers, TSpriteAtlas::Sprite, 32, 32, 3, 3, 0, 3, 3, 8, 8},
    {TSpriteRange::None, TSpriteAtlas::Sprite, 32, 32, 1, 2, 6, 6, 1, 8, 8},
    {TSpriteRange::UIPole, TSpriteAtlas::Sprite, 32, 48, 1, 1, 10, 11, 1, 0, 0},
    {TSpriteRange::None, TSpriteAtlas::Sprite, 32, 16, 1, 3, 9, 9, 1, 7, 7},
    {TSpriteRange::UI, TSpriteAtlas::Sprite, 32, 16, 1, 1, 10, 11, 1, 3, 7},
    {TSpriteRange::UIMapBlock, TSpriteAtlas::Sprite, 32, 32, 2, 1, 10, 12, 2, 4, 4},
    {TSpriteRange::UIFlag, TSpriteAtlas::Sprite, 32, 32, 1, 1, 12, 12, 1, 0, 3},
    {TSpriteRange::UIAnim, TSpriteAtlas::Sprite, 32, 16, 1, 3, 13, 15, 1, 5, 5},
    {TSpriteRange::UICross, TSpriteAtlas::Sprite, 32, 16, 3, 5, 13, 13, 1, 0, 0},
    {TSpriteRange::UIShield, TSpriteAtlas::Sprite, 32, 32, 1, 1, 15, 15, 1, 6, 6},
    {TSpriteRange::UITimer, TSpriteAtlas::Sprite, 32, 16, 1, 1, 15, 15, 1, 14, 15},
    {TSpriteRange::UIText, TSpriteAtlas::Sprite, 32, 32, 7, 1, 9, 9, 1, 5, 5},
    {TSpriteRange::None, TSpriteAtlas::Sprite, 32, 32, 3, 1, 9, 12, 3, 6, 7},
    {TSpriteRange::None, TSpriteAtlas::Sprite, 32, 32, 6, 1, 9, 9, 1, 8, 8},
    {TSpriteRange::UINumbers, TSpriteAtlas::Sprite, 16, 32, 1, 1, 18, 27, 1, 9, 9},
    {TSpriteRange::MenHeads, TSpriteAtlas::Sprite, 16, 32, 1, 1, 18, 31, 1, 10, 10},
    {TSpriteRange::BoatMenHeads, TSpriteAtlas::Sprite, 32, 32, 1, 1, 6, 8, 1, 10, 10},
    {TSpriteRange::Men, TSpriteAtlas::Sprite, 16, 32, 1, 1, 18, 31, 1, 11, 11},
    {TSpriteRange::BoatMen, TSpriteAtlas::Sprite, 32, 32, 1, 1, 6, 8, 1, 11, 11},
    {TSpriteRange::Buildings, TSpriteAtlas::Sprite, 32, 32, 1, 1, 4, 8, 1, 3, 5},
};

constexpr int kFirstCutSprite = 2;  // 0 the background, 1 the map picture

// The first sprite number of a range, -1 for None.
constexpr int FirstSprite(TSpriteRange range) {
  int n = kFirstCutSprite;
  for (const TSpriteRun& run : kSpriteRuns) {
    if (range != TSpriteRange::None && run.range == range) return n;
    n += run.Count();
  }
  return -1;
}

// The number of the last sprite cut.
constexpr int LastCutSprite() {
  int n = kFirstCutSprite;
  for (const TSpriteRun& run : kSpriteRuns) n += run.Count();
  return n - 1;
}
