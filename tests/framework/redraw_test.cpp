// The page redraw through the recording backend: clearing and overlays, grid lines,
// control order, the status text, the 30-pixel guard, dropped requests during a redraw,
// the OpenGL view's region, and DrawControl's visibility, alpha, clipping and hooks.
#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <string>
#include <tuple>
#include <vector>

#include "framework/drawstate.h"
#include "framework/imagetesting.h"
#include "framework/windowtesting.h"
#include "platform/draw2d.h"
#include "platform/pixmap.h"
#include "platform/recordingscreen.h"

namespace {

using Calls = std::vector<TDrawCall>;

struct Box {
  int x, y, width, height;
  bool operator==(const Box&) const = default;
};

Box ViewportOf(const TDrawState& s) {
  return {s.viewportX, s.viewportY, s.viewportWidth, s.viewportHeight};
}

std::tuple<int, int, int> ColorOf(const TDrawState& s) { return {s.red, s.green, s.blue}; }

struct Drawn : DrawnPage {
  int Custom(float x, float y, float w = 1, float h = 1, int drawType = kDrawCustom) {
    return Add({.drawType = drawType, .x = x, .w = w, .y = y, .h = h}).nArrayPos;
  }
};

class RedrawTest : public ::testing::Test {
 protected:
  void TearDown() override {
    AppBG = 0;
    AppBGRed = AppBGGreen = AppBGBlue = 70;
    g_fAlpha = 1.0f;
  }
  // The calls of one redraw of the current page.
  Calls Redraw(TMUIDraw2& w) {
    recorder.Clear();
    w.RedrawUI(0);
    return recorder.Calls();
  }

  TRecordingScreen recorder;
};

TEST_F(RedrawTest, ControlsAreDrawnInIndexOrderAndZeroSizedOnesSkipped) {
  Drawn w;
  const int a = w.Custom(0, 0, 10, 10);
  w.Custom(10, 0, 0, 10);  // no width
  w.Custom(20, 0, 10, 0);  // no height
  const int d = w.Custom(5, 5, 10, 10);
  w.AddPage(1);
  w.Custom(0, 0, 10, 10);  // another page's
  w.CurrentPage = 0;
  // Each control fills its box, so the order shows in the calls.
  w.onCustomDraw = [](TMControl& c) {
    DrawRect(static_cast<float>(c.nX), static_cast<float>(c.nY), static_cast<float>(c.nWidth),
             static_cast<float>(c.nHeight));
  };
  Calls rects;
  for (const TDrawCall& call : Redraw(w))
    if (call.kind == TDrawCallKind::Rect) rects.push_back(call);
  ASSERT_EQ(w.customDraws.size(), 2u);
  EXPECT_EQ(std::tuple(w.customDraws[0].index, w.customDraws[1].index), std::tuple(a, d));
  EXPECT_EQ(w.preDraws, (std::vector<int>{a, d}));
  // Two controls, then the status bar's strip.
  ASSERT_EQ(rects.size(), 3u);
  const TMControl& first = *w.PageData[a];
  EXPECT_EQ(ViewportOf(rects[0].state), (Box{first.nX, first.nY, first.nWidth, first.nHeight}));
  EXPECT_EQ(rects[1].args[0], static_cast<float>(w.PageData[d]->nX));
}

TEST_F(RedrawTest, StatusTextOfAnInactiveWindowAndHelpTextPrecedence) {
  Drawn w;
  w.AppActive = 0;
  Redraw(w);
  EXPECT_EQ(ColorOf(recorder.CallsOf(TDrawCallKind::Rect)[0].state), std::tuple(170, 170, 170));
  EXPECT_EQ(recorder.CallsOf(TDrawCallKind::Text).back().text, "Status: Waiting\u2026");

  w.AppTipTxt = "Turn the knob";
  Redraw(w);
  EXPECT_EQ(recorder.CallsOf(TDrawCallKind::Text).back().text, "Help: Turn the knob");
  w.AppActive = 1;
  w.AppStatusTxt = "Loading";
  EXPECT_EQ(w.StatusText(), "Help: Turn the knob");
  w.AppTipTxt = "";
  EXPECT_EQ(w.StatusText(), "Status: Loading");

  w.AppShowStatus = 0;  // no status bar: nothing below the page
  Redraw(w);
  EXPECT_TRUE(recorder.CallsOf(TDrawCallKind::Text).empty());
}

TEST_F(RedrawTest, TheHelpTextsIconComesFromTheImageCacheAndIsLookedForOnce) {
  TempFolder tmp;
  WritePng(tmp / "resources/info-mini.png", 32, 32);
  InFolder in(tmp.path());
  Images.reset();
  Drawn w;
  w.AppTipTxt = "Turn the knob";
  Redraw(w);
  Redraw(w);
  ASSERT_NE(Images, nullptr);
  EXPECT_EQ(Images->nCount, 0);
  ASSERT_EQ(w.StatusInfoImage, 0);
  const auto icons = recorder.CallsOf(TDrawCallKind::Image);
  ASSERT_EQ(icons.size(), 1u);
  EXPECT_EQ(icons[0].image, Images->Image[0].get());
  // Left of the centred text, a square as high as the bar less 4.
  const float side = static_cast<float>(w.AppStatusHeight - 4);
  const float x = static_cast<float>(320 - TextWidth("Help: Turn the knob") / 2 - w.AppStatusHeight - 4);
  EXPECT_EQ(std::vector<float>(icons[0].args.begin(), icons[0].args.begin() + 4),
            (std::vector<float>{x, static_cast<float>(w.AppGraphicHeight + 2), side, side}));

  // Where there is none, it is not looked for again at every frame.
  std::filesystem::remove(tmp / "resources/info-mini.png");
  Images.reset();
  Drawn without;
  without.AppTipTxt = "Turn the knob";
  Redraw(without);
  EXPECT_EQ(without.StatusInfoImage, -2);
  WritePng(tmp / "resources/info-mini.png", 32, 32);
  Redraw(without);
  EXPECT_TRUE(recorder.CallsOf(TDrawCallKind::Image).empty());
  Images.reset();
}

TEST_F(RedrawTest, AWindowBelowThirtyPixelsIsNeverDrawn) {
  Drawn w;
  w.Custom(0, 0, 10, 10);
  for (auto [width, height] : {std::pair(29, 480), std::pair(640, 29)}) {
    w.AppWidth = width;
    w.AppHeight = height;
    for (int guard : {0, 1}) {
      w.AppRedrawingUI = guard;
      recorder.Clear();
      w.RedrawPage(0, 0);
      EXPECT_TRUE(recorder.Calls().empty());
      EXPECT_EQ(w.AppRedrawingUI, guard);
    }
  }
  EXPECT_TRUE(w.customDraws.empty());
  w.AppWidth = w.AppHeight = 30;
  w.RedrawPage(0, 0);
  EXPECT_EQ(w.customDraws.size(), 1u);
}

TEST_F(RedrawTest, RequestsDuringARedrawAreDroppedNotQueued) {
  Drawn w;
  const int c = w.Custom(0, 0, 10, 10);
  int guardSeen = -1;
  w.onCustomDraw = [&](TMControl&) {
    guardSeen = w.AppRedrawingUI;
    w.UIUpdate = 7;
    w.RedrawUI(0);
  };
  w.UIUpdate = 3;
  Redraw(w);
  EXPECT_EQ(guardSeen, 1);
  ASSERT_EQ(w.customDraws.size(), 1u);
  EXPECT_EQ(w.customDraws[0].index, c);
  EXPECT_EQ(recorder.CallsOf(TDrawCallKind::Cls).size(), 1u);
  EXPECT_EQ(std::tuple(w.AppRedrawingUI, w.UIUpdate), std::tuple(0, 7));

  w.AppRedrawingUI = 1;  // as before the event loop
  w.UIUpdate = 5;
  EXPECT_TRUE(Redraw(w).empty());
  EXPECT_EQ(w.UIUpdate, 5);
}

TEST_F(RedrawTest, ClearsWithTheBackgroundColourUnlessAnOverlayIsShown) {
  Drawn w;
  Calls calls = Redraw(w);
  ASSERT_EQ(calls.at(0).kind, TDrawCallKind::Cls);
  EXPECT_EQ(std::tuple(calls[0].state.clsRed, calls[0].state.clsGreen, calls[0].state.clsBlue),
            std::tuple(0, 0, 0));
  EXPECT_EQ(ViewportOf(calls[0].state), (Box{0, 0, 640, 480}));
  w.SetBG(10, 20, 30);
  calls = Redraw(w);
  EXPECT_EQ(std::tuple(calls[0].state.clsRed, calls[0].state.clsGreen, calls[0].state.clsBlue),
            std::tuple(10, 20, 30));

  w.Custom(0, 0, 10, 10);
  w.AddPage(5);
  const int overlay = w.Custom(2, 2, 4, 4);
  w.PageActive[5] = -1;
  w.CurrentPage = 0;
  recorder.Clear();
  w.SetPageOverlay(1, 5);  // its own redraw still clears, and shows the page below
  EXPECT_EQ(recorder.CallsOf(TDrawCallKind::Cls).size(), 1u);
  w.SetPage(5);
  Redraw(w);
  EXPECT_TRUE(recorder.CallsOf(TDrawCallKind::Cls).empty());
  ASSERT_FALSE(w.customDraws.empty());
  EXPECT_EQ(w.customDraws.back().index, overlay);
  EXPECT_EQ(w.customDraws.back().live, 1);  // the overlay's first control became live
  w.SetPageOverlay(0, 5);
  EXPECT_EQ(w.CurrentPage, 0);
  Redraw(w);
  EXPECT_EQ(recorder.CallsOf(TDrawCallKind::Cls).size(), 1u);
}

// What the renderer does for the view control: its canvas on the first draw, then
// AppGLDraw; the view's hook records the state it draws in.
struct GlViewLayer : Drawn {
  TDrawState seen;
  GlViewLayer() {
    onCustomDraw = [this](TMControl& c) {
      if (!AppGlCanvas)
        AppGlCanvas = std::make_unique<TCanvas>(AppWindow, c.nX, c.nY, c.nWidth, c.nHeight);
      AppGLDraw = c.nArrayPos;
    };
  }
  int MGLDraw(TMControl* control) override {
    seen = CurrentDrawState();
    DrawRect(0, 0, 1, 1);
    return Drawn::MGLDraw(control);
  }
};

TEST_F(RedrawTest, TheOpenGLViewDrawsInItsOwnCanvasAfterTheStatusBar) {
  GlViewLayer w;
  const int view = w.Custom(10, 10, 20, 20);
  const TDrawState before = CurrentDrawState();
  Redraw(w);
  ASSERT_EQ(w.glDraws, std::vector<int>{view});
  const TMControl& c = *w.PageData[view];
  EXPECT_EQ(ViewportOf(w.seen), (Box{0, 0, c.nWidth, c.nHeight}));  // from the view's top left
  EXPECT_EQ(std::tuple(w.seen.alphaFunc, w.seen.alphaRef), std::tuple(ALPHA_GREATER, 0.0f));
  EXPECT_EQ(recorder.Calls().back().args, (std::vector<float>{0, 0, 1, 1}));
  // The page's drawing gets its alpha test and page area back.
  const TDrawState after = CurrentDrawState();
  EXPECT_EQ(std::tuple(after.alphaFunc, after.alphaRef, after.alphaTest),
            std::tuple(before.alphaFunc, before.alphaRef, before.alphaTest));
  EXPECT_EQ(ViewportOf(after), (Box{0, 0, 640, w.AppGraphicHeight}));
}

TEST_F(RedrawTest, TheOpenGLViewIsDrawnOnlyWhileItsCanvasExistsInsideTheGrid) {
  GlViewLayer w;
  const int view = w.Custom(10, 10, 20, 20);
  w.PageData[view]->bXPos = 64.5f;  // right of the 64-cell grid
  Redraw(w);
  EXPECT_NE(w.AppGlCanvas, nullptr);
  EXPECT_TRUE(w.glDraws.empty());
  w.PageData[view]->bXPos = 64.0f;
  Redraw(w);
  EXPECT_EQ(w.glDraws, std::vector<int>{view});

  // Dropped by ResetGraphics and not made again: not drawn either.
  w.onCustomDraw = [&](TMControl& c) { w.AppGLDraw = c.nArrayPos; };
  w.ResetGraphics();
  w.glDraws.clear();
  Redraw(w);
  EXPECT_TRUE(w.glDraws.empty());
}

TEST_F(RedrawTest, DrawControlSetsAlphaAndClipAndCallsTheHooksOfVisibleControls) {
  Drawn w;
  const int live = w.Custom(0, 0, 10, 10);
  const int other = w.Custom(20, 0, 10, 10, 99999);
  const int asType = w.Custom(40, 0, 10, 10, -999);
  const int layer2 = w.Custom(60, 0, 10, 10);
  w.PageData[asType]->nType = 100001;
  w.PageData[other]->bEnabled = 0;
  w.PageData[layer2]->bShown = 2;  // a layer the page does not show
  float alphaOfLive = 0.0f;
  w.onCustomDraw = [&](TMControl& c) {
    if (c.nArrayPos == live) alphaOfLive = g_fAlpha;
  };
  Redraw(w);
  EXPECT_EQ(w.preDraws, (std::vector<int>{live, other, asType}));
  // 99999 is none of the application's kinds; -999 draws as the type.
  ASSERT_EQ(w.customDraws.size(), 2u);
  EXPECT_EQ(std::tuple(w.customDraws[0].index, w.customDraws[0].live), std::tuple(live, 1));
  EXPECT_EQ(std::tuple(w.customDraws[1].index, w.customDraws[1].live), std::tuple(asType, 0));
  EXPECT_EQ(alphaOfLive, 1.0f);

  w.DrawControl(w.PageData[other].get(), 99999);
  EXPECT_EQ(std::tuple(g_fAlpha, GetAlpha()), std::tuple(0.3f, 0.3f));
  const TMControl& c = *w.PageData[other];
  EXPECT_EQ(ViewportOf(CurrentDrawState()), (Box{c.nX, c.nY, c.nWidth, c.nHeight}));

  w.preDraws.clear();
  w.PageLayer[0] = 3;
  w.DrawControl(w.PageData[layer2].get(), kDrawCustom);
  w.PageLayer[0] = 0;  // an empty mask shows nothing
  w.DrawControl(w.PageData[live].get(), kDrawCustom);
  w.DrawControl(nullptr, kDrawCustom);
  EXPECT_EQ(w.preDraws, std::vector<int>{layer2});
}

TEST_F(RedrawTest, GridLinesEveryFifthBrighterWithTheirLastPixel) {
  TestWindowLayer w;
  w.Init();
  w.SetGrid(60, 40);
  w.AddPage(0);
  Declare(w, {.drawType = kDrawCustom});
  w.AddPage(3);  // no controls: its first slot lies past the last control
  w.CurrentPage = 3;
  w.AppRedrawingUI = 0;
  w.Measure(1200, 800);
  w.SetShowGrid(1);
  Redraw(w);
  EXPECT_TRUE(w.customDraws.empty());
  EXPECT_EQ(recorder.CallsOf(TDrawCallKind::Rect).size(), 1u);  // the status bar's strip
  const Calls lines = recorder.CallsOf(TDrawCallKind::Line);
  ASSERT_EQ(lines.size(), 60u + 40u + 2u);  // and the status bar's two
  // Lines 1 to 60 across at 20-pixel steps, then 1 to 40 down; every fifth brighter.
  EXPECT_EQ(lines[0].args, (std::vector<float>{20, 0, 20, 782, 1}));
  EXPECT_EQ(lines[60].args, (std::vector<float>{0, 782.0f / 40, 1200, 782.0f / 40, 1}));
  EXPECT_EQ(ColorOf(lines[0].state), std::tuple(64, 0, 0));
  EXPECT_EQ(ColorOf(lines[4].state), std::tuple(144, 40, 40));
  EXPECT_EQ(ColorOf(lines[64].state), std::tuple(144, 40, 40));
}

}  // namespace
