// The grid layout: cell placement to pixels, margin thresholds on the area height, the
// status bar's 18 pixels, truncation toward zero, thumbnail counts; swapping placements
// and showing or hiding the runs of controls between group markers.
#include <gtest/gtest.h>

#include <tuple>

#include "framework/controltesting.h"

namespace {

// A manager after Init with the grid set and page 0 under declaration.
struct GridOf : TestManager {
  GridOf(int x, int y) {
    Init();
    AppGridX = x;
    AppGridY = y;
    AddPage(0);
  }
};

struct Rect {
  int x, y, width, height, x1, y1, xMid, yMid;
};

Rect RectOf(const TMControl& c) {
  return {c.nX, c.nY, c.nWidth, c.nHeight, c.nX1, c.nY1, c.nXMid, c.nYMid};
}

void ExpectRect(const TMControl& c, const Rect& r) {
  EXPECT_EQ(c.nX, r.x);
  EXPECT_EQ(c.nY, r.y);
  EXPECT_EQ(c.nWidth, r.width);
  EXPECT_EQ(c.nHeight, r.height);
  EXPECT_EQ(c.nX1, r.x1);
  EXPECT_EQ(c.nY1, r.y1);
  EXPECT_EQ(c.nXMid, r.xMid);
  EXPECT_EQ(c.nYMid, r.yMid);
}

TEST(GridLayout, CellsMarginAndRectangle) {
  GridOf m(60, 40);
  const int i = Declare(m, {.x = 2, .w = 4, .y = 3, .h = 2, .indent = 4});
  m.ResetControlPositions(960, 640, 0);
  // 16-pixel cells; below 800 the margin is 4 * 0.75 * 0.75 = 2.25.
  ExpectRect(*m.PageData[i], {34, 50, 59, 27, 93, 77, 63, 63});
}

TEST(GridLayout, MarginThresholdsOnTheAreaHeight) {
  struct Case {
    int height;
    int x, width, y, h;
  };
  // 10-pixel cells across, indent 8: margin 8 at 900, 6 at 899 and 800, 4.5 at 799.
  const Case cases[] = {
      {900, 18, 14, 8, 6},   // cell height 22.5
      {899, 16, 18, 6, 10},  // 22.475
      {800, 16, 18, 6, 8},   // 20
      {799, 14, 21, 4, 10},  // 19.975
  };
  for (const Case& k : cases) {
    GridOf m(60, 40);
    const int i = Declare(m, {.x = 1, .w = 3, .y = 0, .h = 1, .indent = 8});
    m.ResetControlPositions(600, k.height, 0);
    const TMControl& c = *m.PageData[i];
    EXPECT_EQ(c.nX, k.x) << k.height;
    EXPECT_EQ(c.nWidth, k.width) << k.height;
    EXPECT_EQ(c.nY, k.y) << k.height;
    EXPECT_EQ(c.nHeight, k.h) << k.height;
  }
  // The thresholds read the area left above the status bar, not the window height.
  GridOf m(60, 40);
  const int i = Declare(m, {.x = 1, .w = 3, .indent = 8});
  m.ResetControlPositions(600, 918, 18);
  EXPECT_EQ(m.PageData[i]->nX, 18);
  m.ResetControlPositions(600, 900, 18);
  EXPECT_EQ(m.PageData[i]->nX, 16);
}

TEST(GridLayout, StatusBarTakesEighteenPixelsOfTheGraphics) {
  GridOf m(64, 48);
  m.graphicsWidth = 1024;
  m.graphicsHeight = 768;
  const int i = Declare(m, {.x = 0, .w = 64, .y = 1, .h = 48});
  const TMControl& c = *m.PageData[i];
  struct Case {
    int gotStatus, width, height, status;
    int y, h;
  };
  const Case cases[] = {
      {1, -1, -1, 0, 15, 750},      // graphics less the status bar: 15.625-pixel rows
      {0, -1, -1, 0, 16, 768},      // graphics, no status bar
      {0, 1024, 768, 18, 15, 750},  // the arguments, whatever GotStatus says
      {1, 1024, 768, 0, 16, 768},   // the 18 is not taken off the arguments
      {1, 1, 768, 0, 15, 750},      // a width of 1 is no width: graphics
      {1, 1024, -1, 0, 15, 750},    // a negative height: graphics
      {1, 1024, 0, 0, 0, 0},        // height 0 is a height
  };
  for (const Case& k : cases) {
    m.GotStatus = k.gotStatus;
    m.ResetControlPositions(k.width, k.height, k.status);
    EXPECT_EQ(c.nY, k.y) << k.gotStatus << " " << k.width << "x" << k.height;
    EXPECT_EQ(c.nHeight, k.h) << k.gotStatus << " " << k.width << "x" << k.height;
    EXPECT_EQ(c.nWidth, 1024);
  }
  m.graphicsWidth = 512;
  m.ResetControlPositions(-1, -1, 0);
  EXPECT_EQ(c.nWidth, 512);

  // The status bar also moves the margin threshold: 818 - 18 = 800 keeps one factor.
  GridOf t(64, 48);
  t.graphicsWidth = 1024;
  const int j = Declare(t, {.x = 0, .indent = 16});
  t.graphicsHeight = 818;
  t.GotStatus = 1;
  t.ResetControlPositions(-1, -1, 0);
  EXPECT_EQ(t.PageData[j]->nX, 12);
  t.graphicsHeight = 817;
  t.ResetControlPositions(-1, -1, 0);
  EXPECT_EQ(t.PageData[j]->nX, 9);
  t.GotStatus = 0;
  t.ResetControlPositions(-1, -1, 0);
  EXPECT_EQ(t.PageData[j]->nX, 12);
}

TEST(GridLayout, ConversionsAndHalvesTruncateTowardZero) {
  GridOf m(60, 40);
  const int negative = Declare(m, {.x = -1, .w = 0, .indent = 5});
  const int half = Declare(m, {.x = 0.5f, .w = 2.5f, .indent = 0});
  const int odd = Declare(m, {.x = 0, .w = 1.0625f, .indent = 0});
  m.ResetControlPositions(960, 640, 0);
  // Margin 2.8125: -16 + 2.8125 gives -13, 0 - 5.625 gives -5, and -5 / 2 gives -2.
  const TMControl& n = *m.PageData[negative];
  EXPECT_EQ(std::tuple(n.nX, n.nWidth, n.nX1, n.nXMid), std::tuple(-13, -5, -18, -15));
  EXPECT_EQ(std::tuple(m.PageData[half]->nX, m.PageData[half]->nWidth), std::tuple(8, 40));
  EXPECT_EQ(std::tuple(m.PageData[odd]->nWidth, m.PageData[odd]->nXMid), std::tuple(17, 8));

  // Cells of 16.67 pixels: 16.67 is 16, not 17.
  const int third = Declare(m, {.x = 1, .w = 1});
  m.ResetControlPositions(1000, 640, 0);
  EXPECT_EQ(std::tuple(m.PageData[third]->nX, m.PageData[third]->nWidth), std::tuple(16, 16));
}

TEST(GridLayout, ThumbnailCountsOfFileLists) {
  GridOf m(60, 40);
  const int list =
      Declare(m, {.type = 7, .x = 0, .w = 60, .y = 0, .h = 40, .thumbX = 9, .thumbY = 9});
  const int narrow =
      Declare(m, {.type = 7, .x = 0, .w = 27.5f, .y = 0, .h = 2, .thumbX = 9, .thumbY = 9});
  const int other =
      Declare(m, {.type = 8, .x = 0, .w = 60, .y = 0, .h = 40, .thumbX = 25, .thumbY = 25});
  m.ResetControlPositions(600, 300, 0);
  auto thumbs = [](const TMControl& c) {
    return std::tuple(c.nWidth, c.nHeight, c.nThumbX, c.nThumbY);
  };
  EXPECT_EQ(thumbs(*m.PageData[list]), std::tuple(600, 300, 2, 13));
  EXPECT_EQ(thumbs(*m.PageData[narrow]), std::tuple(275, 15, 0, 0));
  EXPECT_EQ(thumbs(*m.PageData[other]), std::tuple(600, 300, 25, 25));  // not a file list

  // Exact boundaries: 280 pixels make one column, 22 one row; one pixel less, none.
  GridOf b(100, 200);
  const int exact = Declare(b, {.type = 7, .x = 0, .w = 28, .y = 0, .h = 11});
  const int under = Declare(b, {.type = 7, .x = 0, .w = 27.9f, .y = 0, .h = 10.5f});
  b.ResetControlPositions(1000, 400, 0);
  EXPECT_EQ(thumbs(*b.PageData[exact]), std::tuple(280, 22, 1, 1));
  EXPECT_EQ(std::tuple(b.PageData[under]->nThumbX, b.PageData[under]->nThumbY), std::tuple(0, 0));
}

TEST(GridLayout, NoGridLeavesTheRectanglesAlone) {
  GridOf m(10, 10);
  const int i = Declare(m, {.x = 1, .w = 2});
  m.ResetControlPositions(100, 100, 0);
  m.AppGridX = 0;
  m.ResetControlPositions(500, 500, 0);
  EXPECT_EQ(std::tuple(m.PageData[i]->nX, m.PageData[i]->nWidth), std::tuple(10, 20));
  // Absurd placements saturate instead of overflowing.
  m.AppGridX = 10;
  m.PageData[i]->bXPos = 3e38f;
  m.PageData[i]->bXCount = 3e38f;
  m.ResetControlPositions(100, 100, 0);
  EXPECT_EQ(m.PageData[i]->nX1, 2147483647);
}

TEST(ControlSwap, ExchangesPlacementNotRectangles) {
  GridOf m(10, 10);
  const int a =
      Declare(m, {.id = 1, .xGrid = 3, .x = 1, .w = 2, .yGrid = 4, .y = 3, .h = 1, .indent = 2});
  const int b =
      Declare(m, {.id = 2, .xGrid = 5, .x = 6, .w = 1, .yGrid = 6, .y = 0, .h = 4, .indent = 0});
  m.PageData[a]->nUser1 = 11;
  m.PageData[b]->nUser1 = 22;
  m.ResetControlPositions(100, 100, 0);
  const Rect ra = RectOf(*m.PageData[a]);
  const Rect rb = RectOf(*m.PageData[b]);

  m.SwapControlPositions(a, b);
  const TMControl& ca = *m.PageData[a];
  const TMControl& cb = *m.PageData[b];
  EXPECT_EQ(std::tuple(ca.nID, ca.bXGrid, ca.bXPos, ca.bXCount, ca.bYGrid, ca.bYPos, ca.bYCount,
                       ca.bIndent, ca.nUser1),
            std::tuple(1, 5, 6.0f, 1.0f, 6, 0.0f, 4.0f, 0, 22));
  EXPECT_EQ(std::tuple(cb.nID, cb.bXGrid, cb.bXPos, cb.bIndent, cb.nUser1),
            std::tuple(2, 3, 1.0f, 2, 11));
  ExpectRect(ca, ra);  // until the next layout
  m.ResetControlPositions(100, 100, 0);
  ExpectRect(*m.PageData[a], rb);
  ExpectRect(*m.PageData[b], ra);

  m.SwapControlPositions(-1, a);
  m.SwapControlPositions(a, 99);
  EXPECT_EQ(m.PageData[a]->nUser1, 22);
}

TEST(ControlGroups, ShowAndHideTheRunsBetweenMarkers) {
  GridOf m(10, 10);
  for (int i = 0; i < 10; ++i) Declare(m, {.shown = 1});
  EXPECT_EQ(DeclareGroupBegin(m, 3, "off"), 10);
  for (int i = 11; i < 14; ++i) Declare(m, {.shown = 1});
  EXPECT_EQ(DeclareGroupEnd(m, 3), 14);
  m.PageData[14]->bShown = 5;
  DeclareGroupBegin(m, 4, "off");
  const int otherGroup = Declare(m, {});
  DeclareGroupEnd(m, 4);
  m.AddPage(1);
  const int secondRun = DeclareGroupBegin(m, 3, "off");
  const int inSecondRun = Declare(m, {});
  DeclareGroupEnd(m, 3);
  const int after = Declare(m, {.shown = 1});

  m.ShowGroup(3, 1);
  for (int i = 10; i <= 13; ++i) EXPECT_EQ(m.PageData[i]->bShown, 1) << i;
  EXPECT_EQ(m.PageData[14]->bShown, 5);
  EXPECT_EQ(m.PageData[9]->bShown, 1);
  EXPECT_EQ(m.PageData[otherGroup]->bShown, 0);
  EXPECT_EQ(m.PageData[secondRun]->bShown, 1);
  EXPECT_EQ(m.PageData[inSecondRun]->bShown, 1);

  m.ShowGroup(3, 6);  // any value, layer bits included
  EXPECT_EQ(m.PageData[12]->bShown, 6);
  m.HideGroup(3);
  for (int i = 10; i <= 13; ++i) EXPECT_EQ(m.PageData[i]->bShown, 0) << i;
  EXPECT_EQ(m.PageData[inSecondRun]->bShown, 0);
  EXPECT_EQ(m.PageData[after]->bShown, 1);
  EXPECT_EQ(m.PageData[9]->bShown, 1);
}

TEST(ControlGroups, MarkersAreFoundByTypeAndMayLackAnEnd) {
  GridOf m(10, 10);
  Declare(m, {.shown = 0});
  const int byType = Declare(m, {.drawType = 1, .type = 71, .id = 6});
  const int between = Declare(m, {.shown = 0});
  const int drawOnly = Declare(m, {.drawType = 1, .type = 1, .id = 7});
  const int last = Declare(m, {.shown = 0});

  m.ShowGroup(7, 1);  // no control has type 71 with id 7
  EXPECT_EQ(m.PageData[last]->bShown, 0);
  m.ShowGroup(6, 1);  // begins at its marker and runs to the last control
  EXPECT_EQ(m.PageData[0]->bShown, 0);
  EXPECT_EQ(m.PageData[byType]->bShown, 1);
  EXPECT_EQ(m.PageData[between]->bShown, 1);
  EXPECT_EQ(m.PageData[drawOnly]->bShown, 1);
  EXPECT_EQ(m.PageData[last]->bShown, 1);

  GridOf d(10, 10);
  Declare(d, {.drawType = 71, .type = 1, .id = 8, .text = "on"});
  const int inside = Declare(d, {.shown = 0});
  d.ShowGroup(8, 1);
  EXPECT_EQ(d.PageData[inside]->bShown, 0);
}

}  // namespace
