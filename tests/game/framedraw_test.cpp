// The frame: page dispatch, the lazy sprite load, the frame clock, the virtual screen
// handed back to the window's size, the custom-draw hook, the page layout table.
#include <climits>

#include "framework/control.h"
#include "platform/draw2d.h"
#include "platform/drawgeometry.h"
#include "scriptedgame.h"

namespace {

using GameFrameTest = ScriptedGameTest;

TEST_F(GameFrameTest, EachPageDrawsItsRoutine) {
  const std::vector<std::pair<int, std::string>> pages = {
      {kPageOptions, "options"}, {kPageGame, "game 0"},        {kPageTitle, "title"},
      {kPageBattle, "battle"},   {kPageCampaign, "campaign"},  {kPageHand, "hand"},
      {kPageDeal, "deal"},
  };
  _sprites[0] = std::make_unique<t_sprite>();  // loaded already
  for (const auto& [page, routine] : pages) {
    game.calls.clear();
    Page = page;
    game.DrawUI();
    EXPECT_EQ(game.calls, std::vector<std::string>{routine}) << "page " << page;
  }
  for (int page : {1, 2, 3, 5, 7, 99, -1}) {
    game.calls.clear();
    Page = page;
    game.DrawUI();
    EXPECT_TRUE(game.calls.empty()) << "page " << page;
  }
}

TEST_F(GameFrameTest, SpritesLoadBeforeTheFirstPageUntilEntryZeroExists) {
  game.DrawUI();
  game.DrawUI();
  const std::vector<std::string> twice = {"_LoadSprites", "hand", "_LoadSprites", "hand"};
  EXPECT_EQ(game.calls, twice);
  _sprites[0] = std::make_unique<t_sprite>();
  game.calls.clear();
  game.DrawUI();
  EXPECT_EQ(game.calls, std::vector<std::string>{"hand"});
}

TEST_F(GameFrameTest, FrameClockIsTheSignExtendedMillisecondCount) {
  now = 123456;
  game.DrawUI();
  EXPECT_EQ(game.gameTime, 123456);
  now = INT_MIN + 5;  // the 32-bit counter past 2^31
  game.DrawUI();
  EXPECT_EQ(game.gameTime, static_cast<int64_t>(INT_MIN) + 5);
  EXPECT_LT(game.gameTime, 0);
}

// A hand page that notes the drawing state it runs in.
class TStateNotingGame : public TScriptedGame {
 public:
  float width = 0, height = 0, alpha = 0;
  int blend = 0;
  int DrawPage_Hand() override {
    width = VirtualResolutionWidth();
    height = VirtualResolutionHeight();
    alpha = GetAlpha();
    blend = GetBlend();
    SetAlpha(0.3f);
    return 0;
  }
};

TEST_F(GameFrameTest, PagesDrawOnTheVirtualScreenAndTheWindowGetsItsSizeBack) {
  TStateNotingGame noting;
  noting.AppWidth = 1000;
  noting.AppHeight = 700;
  SetBlend(SOLIDBLEND);
  SetAlpha(0.2f);
  noting.DrawUI();
  EXPECT_EQ(noting.width, 512.0f);
  EXPECT_EQ(noting.height, 384.0f);
  EXPECT_EQ(noting.alpha, 1.0f);
  EXPECT_EQ(noting.blend, ALPHABLEND);
  EXPECT_EQ(VirtualResolutionWidth(), 1000.0f);
  EXPECT_EQ(VirtualResolutionHeight(), 700.0f);
  EXPECT_TRUE(recorder.CallsOf(TDrawCallKind::Line).empty()) << "overlay off";
}

// A page that covers the virtual screen, as the battlefield's background does.
class TBackdropGame : public TScriptedGame {
 public:
  int DrawPage_Hand() override {
    DrawRect(0, 0, static_cast<float>(AppVirtualWidth), static_cast<float>(AppVirtualHeight));
    return 0;
  }
};

TEST_F(GameFrameTest, FrameAndOverlayFillTheWholeWindowInsideTheIndentedControl) {
  _sprites[0] = std::make_unique<t_sprite>();
  for (const auto& [w, h] : {std::pair{960, 640}, std::pair{1920, 1080}}) {
    SCOPED_TRACE(std::to_string(w) + "x" + std::to_string(h));
    TBackdropGame backdrop;
    backdrop.AppWidth = w;
    backdrop.AppHeight = h;
    backdrop.AppShowScanlines = 1;
    recorder.SetCanvasSize(w, h);
    recorder.Clear();
    // The framework lays the control out and draws it as it does for the window.
    backdrop.SetGrid(60, 40);
    backdrop.ReadControls();
    backdrop.ResetControlPositions(w, h, 0);
    backdrop.DontShowCtrlHighlight();
    TMControl* control = backdrop.Control(0);
    ASSERT_NE(control, nullptr);
    ASSERT_GT(control->nX, 0) << "the layout's indent";
    SetVirtualResolution(static_cast<float>(w), static_cast<float>(h));
    backdrop.DrawControl(control, control->nDrawType);

    ASSERT_EQ(recorder.CallsOf(TDrawCallKind::Rect).size(), 1u);
    ASSERT_EQ(recorder.CallsOf(TDrawCallKind::Line).size(), 512u + 384u);
    for (const TDrawCall& c : recorder.Calls()) {
      const TScissor clip = ScissorFor(c.state, CanvasMapFor(c.state, w, h));
      EXPECT_TRUE(!clip.enabled || (clip.x == 0 && clip.y == 0 && clip.width == w && clip.height == h))
          << "clipped to " << clip.x << "," << clip.y << " " << clip.width << "x" << clip.height;
    }
  }
}

TEST_F(GameFrameTest, CustomDrawAnswersOnlyTheGamesControl) {
  _sprites[0] = std::make_unique<t_sprite>();
  TMControl other;
  other.nDrawType = 100000;
  EXPECT_EQ(game.MCustomDraw(&other, 1), 0);
  EXPECT_EQ(game.MCustomDraw(nullptr, 1), 0);
  EXPECT_TRUE(game.calls.empty());
  EXPECT_TRUE(recorder.Calls().empty());
  TMControl mine;
  mine.nDrawType = kGameDrawType;
  game.MCustomDraw(&mine, 1);
  EXPECT_EQ(game.calls, std::vector<std::string>{"hand"});
}

TEST_F(GameFrameTest, LayoutTableMakesOneFullWindowControl) {
  game.TOrreryControl::Init();
  game.SetGrid(60, 40);
  game.ReadControls();
  EXPECT_EQ(game.ControlCount, 0);
  EXPECT_EQ(game.PageLayer[0], 1);
  const TMControl* c = game.Control(0);
  ASSERT_NE(c, nullptr);
  EXPECT_EQ(c->nDrawType, kGameDrawType);
  EXPECT_EQ(c->bXCount, 60.0f);  // the whole grid
  EXPECT_EQ(c->bYCount, 40.0f);
  // Read again from the start: the same single control is added once more.
  game.ReadControls();
  EXPECT_EQ(game.ControlCount, 1);
  EXPECT_EQ(game.Control(1)->nDrawType, kGameDrawType);
}

}  // namespace
