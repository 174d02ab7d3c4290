// Helpers of the page and card drawing tests: a game object whose battlefield drawing
// and map generation are counters, a sprite table whose every sprite carries its own
// number as the source x of its rectangle (so a recorded image draw names the sprite),
// and a loaded font texture whose glyph draws are told apart from sprite draws.
#pragma once
#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "framework/imagecache.h"
#include "game/quilloncore.h"
#include "platform/draw2d.h"
#include "platform/image.h"
#include "platform/pixmap.h"
#include "platform/recordingscreen.h"

namespace pagedraw {

class TPageTestCore : public TQuillonCore {
 public:
  std::vector<int> battlefields;  // the picking argument of each battlefield drawing
  int maps = 0;
  int DrawPage_Game(int picking) override {
    battlefields.push_back(picking);
    gameSpread = 0;  // as the battlefield leaves it
    return 0;
  }
  int setupMap() override {
    ++maps;
    return 0;
  }
};

// A recorded sprite draw: its number, box, and the colour and alpha in force.
struct SpriteDraw {
  int n;
  float x, y, w, h;
  int r, g, b;
  float alpha;
};

class PageDrawTest : public ::testing::Test {
 protected:
  void SetUp() override {
    Images = std::make_unique<TMImages>();
    Images->Init();
    for (int slot : {0, 1}) {
      Images->Image[slot] = LoadImage(CreatePixmap(4, 4), 0);
      Images->nImageRef[slot] = 1;
    }
    // Sprite n: (n, 0, w, h) with the size of its picture in the game.
    struct Range {
      int first, last, w, h;
    };
    const Range ranges[] = {{1, 1, 569, 437},    {2, 19, 201, 287},   {20, 32, 100, 144},
                            {33, 59, 201, 72},   {60, 68, 201, 288},  {69, 141, 32, 32},
                            {142, 144, 32, 48},  {145, 154, 32, 16},  {155, 156, 64, 32},
                            {157, 163, 32, 32},  {164, 164, 96, 80},  {165, 167, 32, 32},
                            {168, 168, 224, 32}, {169, 172, 96, 32},  {173, 173, 192, 32},
                            {174, 232, 16, 32}};
    for (const Range& range : ranges) {
      for (int n = range.first; n <= range.last; ++n) {
        _sprites[n] = std::make_unique<t_sprite>();
        _sprites[n]->SetCustomData(n, 0, range.w, range.h, n < 69 && n > 1 ? 0 : 1);
      }
    }
    g_TextImage = LoadImage(CreatePixmap(256, 256), 0);
    g_ImageOK = 1;
    g_FontHeight = 1;
    g_FontWidth = 8;
    ArcadeResetControl();
    Page = kPageHand;

    SetSpriteFields(core);
    core.deck.init();
    TPlayer& me = core.players[0];
    me.setSoldierColor(0, 255, 0);
    me.setBackground1(1, 128, 128, 128);
    me.setBackground2(1, 0, 0, 128, 255);
    me.reset();
    for (int slot = 1; slot <= 6; ++slot) me.myCards[slot] = 21 + slot;  // soldier cards 0..5
  }

  void TearDown() override {
    ArcadeResetControl();
    for (auto& sprite : _sprites) sprite.reset();
    g_TextImage.reset();
    g_ImageOK = 0;
    g_FontWidth = 7;
    Images.reset();
    Page = kPageHand;
  }

  // Every sprite draw, or those of sprite n only.
  std::vector<SpriteDraw> Sprites(int n = -1) const {
    std::vector<SpriteDraw> out;
    for (const TDrawCall& c : recorder.CallsOf(TDrawCallKind::Image)) {
      const int number = static_cast<int>(c.args[4]);
      if (c.image == g_TextImage.get() || (n >= 0 && number != n)) continue;
      out.push_back({number, c.args[0], c.args[1], c.args[2], c.args[3], c.state.red, c.state.green,
                     c.state.blue, c.state.alpha});
    }
    return out;
  }

  // The filled rectangles drawn at exactly this box.
  std::vector<TDrawCall> Rects(float x, float y, float w, float h) const {
    std::vector<TDrawCall> out;
    for (const TDrawCall& c : recorder.CallsOf(TDrawCallKind::Rect)) {
      if (c.args == std::vector<float>{x, y, w, h}) out.push_back(c);
    }
    return out;
  }

  // A region as left, top, right, bottom; all -2 for an empty slot.
  static std::vector<int> Region(int id) {
    const TArcadeControl* r = userControl[id].get();
    if (!r) return {-2, -2, -2, -2};
    return {r->x, r->y, r->x1, r->y1};
  }

  TRecordingScreen recorder{512, 384};
  TPageTestCore core;
};

inline std::vector<int> Rgb(const SpriteDraw& d) { return {d.r, d.g, d.b}; }

}  // namespace pagedraw
