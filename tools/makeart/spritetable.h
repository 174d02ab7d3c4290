// Where every numbered sprite of the game lies in its texture: the same cutting runs
// the game's sprite loader uses, so each picture is drawn exactly into the rectangle
// that will be cut from it. Also the check that the runs number and fit as expected.
#pragma once
#include <string>
#include <vector>

namespace art {

enum class TAtlas { Screen, Map, Card, Sprite };

struct TSpriteRect {
  TAtlas atlas = TAtlas::Sprite;
  int x = 0, y = 0, w = 0, h = 0;
};

// First sprite of each range; the game cuts them in this order.
enum : int {
  kCardFaces = 2,
  kCardSoldiers = 11,
  kCardExtras = 20,
  kCardText = 33,
  kCardSoldierText = 51,
  kBackgrounds = 60,
  kTrees = 69,
  kBushes = 101,
  kDecals = 113,
  kGround = 116,
  kPaths = 124,
  kParticles = 134,
  kUIMenu = 137,
  kUIPlayers = 139,
  kUIPole = 142,
  kUIMarks = 145,
  kUIMapBlock = 155,
  kUIFlag = 157,
  kUIAnim = 161,
  kUICross = 164,
  kUIShield = 165,
  kUITimer = 166,
  kUIText = 168,
  kUINumbers = 174,
  kMenHeads = 184,
  kBoatMenHeads = 198,
  kMen = 201,
  kBoatMen = 215,
  kBuildings = 218,
  kLastSprite = 232,
};

// Texture sizes: the least that holds every cut rectangle.
constexpr int kScreenW = 512, kScreenH = 384;
constexpr int kMapW = 569, kMapH = 437;
constexpr int kCardAtlasW = 1809, kCardAtlasH = 1224;
constexpr int kSpriteAtlasW = 512, kSpriteAtlasH = 384;

// Card metrics: a face is cut 201 x 287.
constexpr int kCardW = 201, kCardH = 287;

struct TRun {
  int first;  // the range's expected first number
  TAtlas atlas;
  int cellW, cellH, wideCells, highCells;
  std::vector<int> columns, rows;
};

inline std::vector<int> Span(int from, int to) {
  std::vector<int> v;
  for (int i = from; i <= to; ++i) v.push_back(i);
  return v;
}

inline const std::vector<TRun>& CuttingRuns() {
  using A = TAtlas;
  static const std::vector<TRun> runs = {
      {kCardFaces, A::Card, 201, 287, 1, 1, Span(0, 8), {0}},
      {kCardSoldiers, A::Card, 201, 287, 1, 1, Span(0, 8), {1}},
      {kCardExtras, A::Card, 100, 144, 1, 1, Span(0, 12), {4}},
      {kCardText, A::Card, 201, 72, 1, 1, Span(0, 8), {10, 11}},
      {kCardSoldierText, A::Card, 201, 72, 1, 1, Span(0, 8), {12}},
      {kBackgrounds, A::Card, 201, 72, 1, 4, Span(0, 8), {13}},
      {kTrees, A::Sprite, 32, 32, 1, 1, Span(0, 3), Span(0, 7)},
      {kBushes, A::Sprite, 32, 32, 1, 1, Span(4, 7), Span(0, 2)},
      {kDecals, A::Sprite, 32, 32, 1, 1, {8}, Span(0, 2)},
      {kGround, A::Sprite, 32, 32, 1, 1, Span(4, 8), {6}},
      {kGround + 5, A::Sprite, 32, 32, 1, 1, {8}, Span(7, 9)},
      {kPaths, A::Sprite, 32, 16, 1, 1, Span(4, 8), {14, 15}},
      {kParticles, A::Sprite, 32, 32, 1, 1, {9}, Span(0, 2)},
      {kUIMenu, A::Sprite, 32, 32, 1, 1, {7}, {8, 9}},
      {kUIPlayers, A::Sprite, 32, 32, 3, 3, {0, 3}, {8}},
      {kUIPlayers + 2, A::Sprite, 32, 32, 1, 2, {6}, {8}},
      {kUIPole, A::Sprite, 32, 48, 1, 1, {10, 11}, {0}},
      {kUIPole + 2, A::Sprite, 32, 16, 1, 3, {9}, {7}},
      {kUIMarks, A::Sprite, 32, 16, 1, 1, {10, 11}, Span(3, 7)},
      {kUIMapBlock, A::Sprite, 32, 32, 2, 1, {10, 12}, {4}},
      {kUIFlag, A::Sprite, 32, 32, 1, 1, {12}, Span(0, 3)},
      {kUIAnim, A::Sprite, 32, 16, 1, 3, Span(13, 15), {5}},
      {kUICross, A::Sprite, 32, 16, 3, 5, {13}, {0}},
      {kUIShield, A::Sprite, 32, 32, 1, 1, {15}, {6}},
      {kUITimer, A::Sprite, 32, 16, 1, 1, {15}, {14, 15}},
      {kUIText, A::Sprite, 32, 32, 7, 1, {9}, {5}},
      {kUIText + 1, A::Sprite, 32, 32, 3, 1, {9, 12}, {6, 7}},
      {kUIText + 5, A::Sprite, 32, 32, 6, 1, {9}, {8}},
      {kUINumbers, A::Sprite, 16, 32, 1, 1, Span(18, 27), {9}},
      {kMenHeads, A::Sprite, 16, 32, 1, 1, Span(18, 31), {10}},
      {kBoatMenHeads, A::Sprite, 32, 32, 1, 1, Span(6, 8), {10}},
      {kMen, A::Sprite, 16, 32, 1, 1, Span(18, 31), {11}},
      {kBoatMen, A::Sprite, 32, 32, 1, 1, Span(6, 8), {11}},
      {kBuildings, A::Sprite, 32, 32, 1, 1, Span(4, 8), Span(3, 5)},
  };
  return runs;
}

// Sprites 0 to kLastSprite, numbered as the game numbers them.
inline const std::vector<TSpriteRect>& SpriteRects() {
  static const std::vector<TSpriteRect> rects = [] {
    std::vector<TSpriteRect> v;
    v.push_back({TAtlas::Screen, 0, 0, kScreenW, kScreenH});
    v.push_back({TAtlas::Map, 0, 0, kMapW, kMapH});
    for (const TRun& run : CuttingRuns())
      for (int row : run.rows)
        for (int column : run.columns)
          v.push_back({run.atlas, column * run.cellW, row * run.cellH, run.wideCells * run.cellW,
                       run.highCells * run.cellH});
    return v;
  }();
  return rects;
}

inline const TSpriteRect& SpriteAt(int n) { return SpriteRects().at(static_cast<size_t>(n)); }

// Empty when the runs number from the expected first sprites, end at the last one,
// fit their textures and overlap only where the game expects it (ground 5 is the two
// unused road halves 4 and 9). Otherwise the first fault found.
inline std::string CheckSpriteTable() {
  int next = 2;
  for (const TRun& run : CuttingRuns()) {
    if (run.first != next) return "range starting at " + std::to_string(run.first) + " numbers from " + std::to_string(next);
    next += static_cast<int>(run.rows.size() * run.columns.size());
  }
  if (next - 1 != kLastSprite) return "the last sprite is " + std::to_string(next - 1);
  const auto& rects = SpriteRects();
  for (size_t i = 0; i < rects.size(); ++i) {
    const TSpriteRect& r = rects[i];
    const int w = r.atlas == TAtlas::Card ? kCardAtlasW : r.atlas == TAtlas::Sprite ? kSpriteAtlasW : r.atlas == TAtlas::Map ? kMapW : kScreenW;
    const int h = r.atlas == TAtlas::Card ? kCardAtlasH : r.atlas == TAtlas::Sprite ? kSpriteAtlasH : r.atlas == TAtlas::Map ? kMapH : kScreenH;
    if (r.x < 0 || r.y < 0 || r.x + r.w > w || r.y + r.h > h) return "sprite " + std::to_string(i) + " lies outside its texture";
    for (size_t j = i + 1; j < rects.size(); ++j) {
      const TSpriteRect& o = rects[j];
      if (o.atlas != r.atlas || r.atlas == TAtlas::Screen || r.atlas == TAtlas::Map) continue;
      const bool overlap = r.x < o.x + o.w && o.x < r.x + r.w && r.y < o.y + o.h && o.y < r.y + r.h;
      const bool expected = i == kGround + 5 && (j == kPaths + 4 || j == kPaths + 9);
      if (overlap && !expected) return "sprites " + std::to_string(i) + " and " + std::to_string(j) + " overlap";
    }
  }
  return {};
}

}  // namespace art
