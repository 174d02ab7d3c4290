// Helpers of the battlefield drawing tests: a game object that logs its sprite and card
// draws with the 2D state in force instead of drawing them, a flat hand-made map,
// the expected tile corners worked out from the start camera alone, and filters over the
// immediate-mode primitives a recording kept.
#pragma once
#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cmath>
#include <vector>

#include "game/clickregions.h"
#include "game/quilloncore.h"
#include "game/sprites.h"
#include "platform/draw2d.h"
#include "platform/immediategl.h"
#include "platform/numbers.h"
#include "platform/recordingscreen.h"

namespace battlefieldtesting {

struct SpriteDraw {
  int n;
  float x, y, scaleX, scaleY;
  bool mirrored;
  int red, green, blue;
  float alpha;
  int blend;
};

struct CardDraw {
  int player, x, y;
  float phase;
  int card;
  float scale, alpha;
};

// Sprite ranges as the sprite loader sets them.
class LoggingGame : public TQuillonCore {
 public:
  LoggingGame() { SetSpriteFields(*this); }

  int _DrawSprite(int n, float x, float y) override { return Log(n, x, y, 1, 1, false); }
  int _DrawCSprite(int n, float x, float y, float s) override { return Log(n, x, y, s, s, false); }
  int _DrawCRSprite(int n, float x, float y, float s) override { return Log(n, x, y, s, s, true); }
  int _DrawCSpriteXY(int n, float x, float y, float sx, float sy) override {
    return Log(n, x, y, sx, sy, false);
  }
  int _DrawCRSpriteXY(int n, float x, float y, float sx, float sy) override {
    return Log(n, x, y, sx, sy, true);
  }
  int drawCard(int player, int x, int y, float phase, int card, int, float scale, int, int, int,
               int) override {
    cards.push_back({player, x, y, phase, card, scale, GetAlpha()});
    return 0;
  }
  // Noted instead of drawn, which keeps its sprites out of the log.
  int DrawCampaign(int x, int y, int stage, int stars, int won) override {
    campaign.push_back({x, y, stage, stars, won});
    return 0;
  }

  // The draws of sprites first .. first + count - 1, in order.
  std::vector<SpriteDraw> Of(int first, int count = 1) const {
    std::vector<SpriteDraw> out;
    for (const SpriteDraw& d : sprites) {
      if (d.n >= first && d.n < first + count) out.push_back(d);
    }
    return out;
  }

  // Every cell at the height, dry, bare, without pole, wire, mines or men.
  void FlatMap(int height) {
    for (auto& column : map) {
      for (TMap& cell : column) {
        cell = TMap{};
        cell.height = height;
        cell.flag = kFlagNone;
        cell.manCount.fill(-1);
      }
    }
    flags.fill(kFlagFree);
    mapWater = -100;
    waterHeight = 4;
    mapScale = 75;
    playerCount = 1;
  }

  std::vector<SpriteDraw> sprites;
  std::vector<CardDraw> cards;
  std::vector<std::array<int, 5>> campaign;  // x, y, stage, stars, won

 private:
  int Log(int n, float x, float y, float sx, float sy, bool mirrored) {
    SpriteDraw d{n, x, y, sx, sy, mirrored, 0, 0, 0, GetAlpha(), GetBlend()};
    GetColor(d.red, d.green, d.blue);
    sprites.push_back(d);
    return 0;
  }
};

struct Point {
  double x, y;
};
using Corners = std::array<Point, 4>;  // top, right, bottom, left

// Corners of tile (x, y) with the start camera: steps of 28 px at 45 and 135 degrees,
// squashed by half, tile (7, 7)'s flat top corner on (256, 175).
inline Corners ExpectedCorners(const TQuillonCore& game, int x, int y) {
  const double s = 28.0 * std::cos(M_PI / 4.0);
  const double ox = 256.0 + (x - y) * s;
  const double oy = 175.0 + (x + y - 14) * s / 2.0;
  auto h = [&](int cx, int cy) { return static_cast<double>(game.map[cx][cy].height); };
  return {{{ox, oy - h(x, y)},
           {ox + s, oy + s / 2.0 - h(x + 1, y)},
           {ox, oy + s - h(x + 1, y + 1)},
           {ox - s, oy + s / 2.0 - h(x, y + 1)}}};
}

inline Point Centre(const Corners& c) {
  return {(c[0].x + c[1].x + c[2].x + c[3].x) / 4.0, (c[0].y + c[1].y + c[2].y + c[3].y) / 4.0};
}

// Strictly inside a convex quad given clockwise on screen (y down).
inline bool InsideConvex(const Corners& c, Point p) {
  for (int i = 0; i < 4; ++i) {
    const Point& a = c[i];
    const Point& b = c[(i + 1) % 4];
    if ((b.x - a.x) * (p.y - a.y) - (b.y - a.y) * (p.x - a.x) <= 0.0) return false;
  }
  return true;
}

// The colour as GL keeps it: each channel limited to 0..1.
inline bool SameColour(const TImmediateVertex& v, float r, float g, float b, float a) {
  auto same = [](float got, float want) { return std::fabs(got - std::clamp(want, 0.f, 1.f)) < 1e-5f; };
  return same(v.red, r) && same(v.green, g) && same(v.blue, b) && same(v.alpha, a);
}

// Immediate primitives of the mode; with a colour, those whose first vertex has it (the
// whole primitive too when every is set).
inline std::vector<TDrawCall> Primitives(const TRecordingBackend& rec, int mode,
                                         float r = std::nanf(""), float g = 0, float b = 0,
                                         float a = 0, bool every = true) {
  std::vector<TDrawCall> out;
  for (const TDrawCall& c : rec.CallsOf(TDrawCallKind::Immediate)) {
    const auto& vs = c.primitive.vertices;
    if (c.primitive.mode != mode || vs.empty()) continue;
    bool match = std::isnan(r) || SameColour(vs[0], r, g, b, a);
    for (size_t i = 1; match && every && !std::isnan(r) && i < vs.size(); ++i) {
      match = SameColour(vs[i], r, g, b, a);
    }
    if (match) out.push_back(c);
  }
  return out;
}

// Whether some primitive has exactly these vertex positions in this order.
inline bool HasVertices(const std::vector<TDrawCall>& calls, const std::vector<Point>& want) {
  for (const TDrawCall& c : calls) {
    const auto& v = c.primitive.vertices;
    bool same = v.size() == want.size();
    for (size_t i = 0; same && i < v.size(); ++i) {
      same = std::fabs(v[i].x - want[i].x) < 1e-3 && std::fabs(v[i].y - want[i].y) < 1e-3;
    }
    if (same) return true;
  }
  return false;
}

// The strip of a quad: left, top, bottom, right.
inline std::vector<Point> Strip(const Corners& c) { return {c[3], c[0], c[2], c[1]}; }

// Draws go to the recorder; the camera, the click regions and the clock start afresh.
class BattlefieldTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ArcadeResetControl();
    TQuillonCore::coreAngle = 45.0f;
    TQuillonCore::coreZoom = 28.0f;
    TQuillonCore::coreYScale = 0.5f;
    game.modifyAngle(0.0f);
    SeedRnd(1234);
    game.FlatMap(10);
    game.gameTime = 0;
  }
  void TearDown() override { ArcadeResetControl(); }

  // One frame of the battlefield with fresh logs.
  void Frame(int picking) {
    recorder.Clear();
    game.sprites.clear();
    game.cards.clear();
    game.campaign.clear();
    game.DrawPage_Game(picking);
  }

  void PointAt(int x, int y) {
    const Point c = Centre(ExpectedCorners(game, x, y));
    game.vMX = static_cast<int>(c.x);
    game.vMY = static_cast<int>(c.y);
  }

  TRecordingScreen recorder{512, 384};
  LoggingGame game;
};

}  // namespace battlefieldtesting
