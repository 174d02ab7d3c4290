// Where every numbered sprite of the game lies in its texture: the game's own cutting
// runs, so each picture is drawn exactly into the rectangle that will be cut from it.
// Also the check that the runs fit their textures as expected.
#pragma once
#include <string>
#include <vector>

#include "game/spriteruns.h"

namespace art {

enum class TAtlas { Screen, Map, Card, Sprite };

struct TSpriteRect {
  TAtlas atlas = TAtlas::Sprite;
  int x = 0, y = 0, w = 0, h = 0;
};

// First sprite of each range, from the game's own cutting runs.
enum : int {
  kCardFaces = FirstSprite(TSpriteRange::CardFaces),
  kCardSoldiers = FirstSprite(TSpriteRange::CardSoldiers),
  kCardExtras = FirstSprite(TSpriteRange::CardExtras),
  kCardText = FirstSprite(TSpriteRange::CardText),
  kCardSoldierText = FirstSprite(TSpriteRange::CardSoldierText),
  kBackgrounds = FirstSprite(TSpriteRange::Backgrounds),
  kTrees = FirstSprite(TSpriteRange::Trees),
  kBushes = FirstSprite(TSpriteRange::Bushes),
  kDecals = FirstSprite(TSpriteRange::Decals),
  kGround = FirstSprite(TSpriteRange::Ground),
  kPaths = FirstSprite(TSpriteRange::Paths),
  kParticles = FirstSprite(TSpriteRange::Particles),
  kUIMenu = FirstSprite(TSpriteRange::UIMenu),
  kUIPlayers = FirstSprite(TSpriteRange::UIPlayers),
  kUIPole = FirstSprite(TSpriteRange::UIPole),
  kUIMarks = FirstSprite(TSpriteRange::UI),
  kUIMapBlock = FirstSprite(TSpriteRange::UIMapBlock),
  kUIFlag = FirstSprite(TSpriteRange::UIFlag),
  kUIAnim = FirstSprite(TSpriteRange::UIAnim),
  kUICross = FirstSprite(TSpriteRange::UICross),
  kUIShield = FirstSprite(TSpriteRange::UIShield),
  kUITimer = FirstSprite(TSpriteRange::UITimer),
  kUIText = FirstSprite(TSpriteRange::UIText),
  kUINumbers = FirstSprite(TSpriteRange::UINumbers),
  kMenHeads = FirstSprite(TSpriteRange::MenHeads),
  kBoatMenHeads = FirstSprite(TSpriteRange::BoatMenHeads),
  kMen = FirstSprite(TSpriteRange::Men),
  kBoatMen = FirstSprite(TSpriteRange::BoatMen),
  kBuildings = FirstSprite(TSpriteRange::Buildings),
  kLastSprite = LastCutSprite(),
};

// Texture sizes: the least that holds every cut rectangle.
constexpr int kScreenW = 512, kScreenH = 384;
constexpr int kMapW = 569, kMapH = 437;
constexpr int kCardAtlasW = 1809, kCardAtlasH = 1224;
constexpr int kSpriteAtlasW = 512, kSpriteAtlasH = 384;

// Card metrics: a face is cut 201 x 287.
constexpr int kCardW = 201, kCardH = 287;

// Sprites 0 to kLastSprite, numbered as the game numbers them.
inline const std::vector<TSpriteRect>& SpriteRects() {
  static const std::vector<TSpriteRect> rects = [] {
    std::vector<TSpriteRect> v;
    v.push_back({TAtlas::Screen, 0, 0, kScreenW, kScreenH});
    v.push_back({TAtlas::Map, 0, 0, kMapW, kMapH});
    for (const TSpriteRun& run : kSpriteRuns)
      for (int row = run.rowFirst; row <= run.rowLast; ++row)
        for (int column = run.columnFirst; column <= run.columnLast; column += run.columnStep)
          v.push_back({run.atlas == TSpriteAtlas::Card ? TAtlas::Card : TAtlas::Sprite, column * run.cellW,
                       row * run.cellH, run.widthCells * run.cellW, run.heightCells * run.cellH});
    return v;
  }();
  return rects;
}

inline const TSpriteRect& SpriteAt(int n) { return SpriteRects().at(static_cast<size_t>(n)); }

// Empty when the runs fit their textures and overlap only where the game expects it
// (ground 5 is the two unused road halves 4 and 9). Otherwise the first fault found.
inline std::string CheckSpriteTable() {
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
