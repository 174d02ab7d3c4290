// The hit test: edges, flags and layer masks, the last declared control winning, the
// remembered last hit, pages without controls, a brute-force reference over random
// overlapping rectangles, and the look-up by id.
#include <gtest/gtest.h>

#include <random>
#include <utility>
#include <vector>

#include "framework/controltesting.h"

namespace {

void Place(TOrreryControl& m, int index, int x, int y, int width, int height) {
  TMControl& c = *m.PageData[index];
  c.nX = x;
  c.nY = y;
  c.nWidth = width;
  c.nHeight = height;
  c.nX1 = x + width;
  c.nY1 = y + height;
}

// A manager after Init with page 0 under declaration.
struct WithPage : TestManager {
  WithPage() {
    Init();
    AddPage(0);
  }
};

TEST(HitTest, AllFourEdgesBelongToTheControl) {
  WithPage m;
  const int c = Declare(m, {});
  Place(m, c, 10, 20, 30, 40);
  const std::vector<std::pair<int, int>> inside = {
      {10, 20}, {40, 60}, {40, 20}, {10, 60}, {25, 40}};
  const std::vector<std::pair<int, int>> outside = {{9, 30}, {41, 30}, {20, 19}, {20, 61}};
  for (auto [x, y] : inside) EXPECT_EQ(m.CheckControl(x, y, c), c) << x << "," << y;
  for (auto [x, y] : outside) EXPECT_EQ(m.CheckControl(x, y, c), -1) << x << "," << y;
  EXPECT_EQ(m.GetControl(0, 40, 60), c);
  EXPECT_EQ(m.CheckControl(0, 0, -1), -1);
  EXPECT_EQ(m.CheckControl(0, 0, 1), -1);
  EXPECT_EQ(m.CheckControl(0, 0, 5000), -1);
}

TEST(HitTest, OnlyLiveEnabledVisibleControlsAreHit) {
  WithPage m;
  const int notLive = Declare(m, {.live = 0});
  const int disabled = Declare(m, {.enabled = 0});
  const int hidden = Declare(m, {.shown = 0});
  const int negative = Declare(m, {.shown = -1});
  const int otherLayer = Declare(m, {.shown = 2});
  const int twoLayers = Declare(m, {.shown = 3});
  for (int i = 0; i <= m.ControlCount; ++i) Place(m, i, 0, 0, 10, 10);
  EXPECT_EQ(m.CheckControl(5, 5, notLive), -1);
  EXPECT_EQ(m.CheckControl(5, 5, disabled), -1);
  EXPECT_EQ(m.CheckControl(5, 5, hidden), -1);
  EXPECT_EQ(m.CheckControl(5, 5, negative), -1);  // all bits, but not positive
  EXPECT_EQ(m.CheckControl(5, 5, otherLayer), -1);
  EXPECT_EQ(m.CheckControl(5, 5, twoLayers), twoLayers);
  m.PageLayer[0] = 3;
  EXPECT_EQ(m.CheckControl(5, 5, otherLayer), otherLayer);
  m.PageLayer[0] = 2;
  EXPECT_EQ(m.CheckControl(5, 5, twoLayers), twoLayers);
  EXPECT_EQ(m.ControlVisible(*m.PageData[otherLayer]), 1);
  m.PageLayer[0] = 4;
  EXPECT_EQ(m.GetControl(0, 5, 5), -1);
}

TEST(HitTest, PageWithoutControlsTestsItsLastSlot) {
  TestManager m;  // no Init: every PageEnd is 0
  m.AddPage(0);
  const int first = Declare(m, {});
  const int second = Declare(m, {});
  Place(m, first, 0, 0, 10, 10);
  Place(m, second, 20, 0, 10, 10);
  m.AddPage(5);
  EXPECT_EQ(m.GetControl(5, 5, 5), first);
  m.CurrentControl = -1;
  EXPECT_EQ(m.GetControl(5, 25, 5), -1);
  EXPECT_EQ(m.GetControl(0, 25, 5), second);
}

TEST(HitTest, BadPagesAndEmptySlotsGiveNone) {
  WithPage m;
  const int c = Declare(m, {});
  Place(m, c, 0, 0, 10, 10);
  EXPECT_EQ(m.GetControl(0, 5, 5), c);
  EXPECT_EQ(m.GetControl(-1, 5, 5), -1);
  EXPECT_EQ(m.CurrentControl, -1);  // cleared even then
  EXPECT_EQ(m.GetControl(100, 5, 5), -1);
  m.PageEnd[3] = 50;
  EXPECT_EQ(m.GetControl(3, 5, 5), -1);
  m.PageEnd[3] = -4;
  EXPECT_EQ(m.GetControl(3, 5, 5), -1);
  m.PageStart[4] = -7;  // a start below 0 stops at index 0
  m.PageEnd[4] = c;
  EXPECT_EQ(m.GetControl(4, 5, 5), c);
}

TEST(HitTest, FindControlStaysOnItsPage) {
  WithPage m;
  Declare(m, {.id = 5});
  Declare(m, {.id = 6});
  Declare(m, {.id = 5});
  m.AddPage(1);
  Declare(m, {.id = 7});
  const int six = Declare(m, {.id = 6});
  EXPECT_EQ(m.FindControl(0, 5), 0);
  EXPECT_EQ(m.FindControl(0, 6), 1);
  EXPECT_EQ(m.FindControl(0, 7), -1);
  EXPECT_EQ(m.FindControl(1, 6), six);
  EXPECT_EQ(m.FindControl(1, 5), -1);
  EXPECT_EQ(m.FindControl(-1, 5), -1);
  EXPECT_EQ(m.FindControl(100, 5), -1);
}

// An independent model: every control is tested, the highest index of the page's run wins.
struct Reference {
  int remembered = -1;

  static bool Hit(const TOrreryControl& m, int i, int x, int y) {
    const TMControl& c = *m.PageData[i];
    return x >= c.nX && x <= c.nX1 && y >= c.nY && y <= c.nY1 && c.bLive != 0 && c.bEnabled != 0 &&
           c.bShown > 0 && (c.bShown & m.PageLayer[c.bPage]) != 0;
  }

  int Get(const TOrreryControl& m, int page, int x, int y) {
    const int r = remembered;
    remembered = -1;
    if (r >= 0 && Hit(m, r, x, y)) return r;
    int best = -1;
    for (int i = 0; i <= m.ControlCount; ++i)
      if (i >= m.PageStart[page] && i <= m.PageEnd[page] && Hit(m, i, x, y)) best = i;
    remembered = best;
    return best;
  }
};

TEST(HitTest, AgreesWithABruteForceReference) {
  for (unsigned seed = 1; seed <= 25; ++seed) {
    std::mt19937 rng(seed);
    auto pick = [&](int lo, int hi) { return std::uniform_int_distribution<int>(lo, hi)(rng); };
    TestManager m;
    m.Init();
    const int pages = pick(1, 5);
    for (int p = 0; p < pages; ++p) {
      m.AddPage(p);
      m.PageLayer[p] = pick(1, 3);
      const int count = pick(1, 15);
      for (int k = 0; k < count; ++k) {
        const int shownChoices[] = {0, 1, 1, 1, 2, 3, -1};
        const int i = Declare(m, {.enabled = pick(0, 5) > 0 ? 1 : 0,
                                  .shown = shownChoices[pick(0, 6)],
                                  .live = pick(0, 5) > 0 ? 1 : 0});
        Place(m, i, pick(0, 150), pick(0, 150), pick(0, 80), pick(0, 80));
      }
    }

    Reference ref;
    int x = 0;
    int y = 0;
    int page = 0;
    for (int step = 0; step < 500; ++step) {
      const int move = pick(0, 9);
      if (move < 3 && ref.remembered >= 0) {
        const TMControl& c = *m.PageData[ref.remembered];
        x = pick(c.nX, c.nX1);
        y = pick(c.nY, c.nY1);
      } else if (move < 7) {
        x = pick(-5, 235);
        y = pick(-5, 235);
      }  // else: the pointer rests
      if (pick(0, 9) == 0) page = pick(0, pages - 1);
      if (pick(0, 19) == 0) {
        TMControl& c = *m.PageData[pick(0, m.ControlCount)];
        c.bShown = c.bShown > 0 ? 0 : 1;
      }
      const int expected = ref.Get(m, page, x, y);
      ASSERT_EQ(m.GetControl(page, x, y), expected)
          << "seed " << seed << " step " << step << " page " << page << " at " << x << "," << y;
      ASSERT_EQ(m.CurrentControl, ref.remembered) << "seed " << seed << " step " << step;
    }
  }
}

}  // namespace
