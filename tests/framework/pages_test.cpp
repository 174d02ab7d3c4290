// Page switching of the window layer: the title printed on every switch, MPageInit only
// on a change, main and sub pages through the navigation table and its bounds, and the
// overlay page's start and end.
#include <gtest/gtest.h>

#include <string>
#include <tuple>
#include <vector>

#include "framework/windowtesting.h"

namespace {

using Lines = std::vector<std::string>;

// Main page 0 "Mixer" with sub pages 0 "Bus" (page 3) and 10 "Far" (page 12); main page
// 1 "Files" with sub page 2 "Disk" (page 20); main page 2 "Empty" without sub pages.
struct Navigation : TestWindowLayer {
  Navigation() {
    Init();
    AddMainPage(0, "Mixer", "", 0);
    AddSubPage(0, 0, "Bus", "", 0);
    AddSubPage(0, 10, "Far", "", 0);
    AddMainPage(1, "Files", "", 0);
    AddSubPage(1, 2, "Disk", "", 0);
    AddMainPage(2, "Empty", "", 0);
    NewSubPage(12, 0, 10);
    NewSubPage(20, 1, 2);
    NewSubPage(3, 0, 0);  // main 0 remembers sub page 0
    CurrentPage = 3;
  }
};

TEST(PageSwitching, SetPagePrintsTheTitleAndCallsMPageInitOnlyOnAChange) {
  Navigation w;
  EXPECT_EQ(PrintedBy([&] { w.SetPage(3); }), Lines{"*** Mixer, Bus ***"});
  EXPECT_TRUE(w.pageInits.empty());
  EXPECT_EQ(w.PreviousPage, 3);

  w.CurrentSubPage[0] = 10;
  EXPECT_EQ(PrintedBy([&] { w.SetPage(12); }), Lines{"*** Mixer, Far ***"});
  EXPECT_EQ(w.pageInits, std::vector<int>{12});
  EXPECT_EQ(std::tuple(w.CurrentPage, w.PreviousPage), std::tuple(12, 3));
}

TEST(PageSwitching, WithoutNavigationTheTitleKeepsItsTextAndIsPrintedAllTheSame) {
  TestWindowLayer w;
  w.Init();
  EXPECT_EQ(PrintedBy([&] { w.SetPage(4); }), Lines{""});
  w.strMainSubTitle = "kept";
  EXPECT_EQ(PrintedBy([&] { w.SetPage(5); }), Lines{"kept"});
  EXPECT_EQ(w.pageInits, (std::vector<int>{4, 5}));
  // Sub pages need a current main page.
  w.SetSubPage(0);
  w.SetMultiMainSubPage(0);
  EXPECT_EQ(w.CurrentPage, 5);
  // A main page without a current sub page names none.
  w.AddMainPage(2, "Empty", "", 0);
  w.CurrentMainPage = 2;
  EXPECT_EQ(PrintedBy([&] { w.SetPage(7); }), Lines{"*** Empty,  ***"});
}

TEST(PageSwitching, SubPagesAreBoundedToTenOnlyBySetSubPage) {
  Navigation w;
  w.SetSubPage(10);
  EXPECT_EQ(std::tuple(w.CurrentPage, w.CurrentSubPage[0]), std::tuple(3, 0));
  w.SetSubPage(-1);
  EXPECT_EQ(w.CurrentPage, 3);
  EXPECT_TRUE(w.pageInits.empty());

  w.SetMultiMainSubPage(10);
  EXPECT_EQ(std::tuple(w.CurrentPage, w.CurrentSubPage[0]), std::tuple(12, 10));
  w.SetSubPage(0);
  EXPECT_EQ(std::tuple(w.CurrentPage, w.CurrentSubPage[0]), std::tuple(3, 0));
  w.SetSubPage(5);  // no such sub page: nothing
  w.SetMultiMainSubPage(14);
  w.SetMultiMainSubPage(-3);
  EXPECT_EQ(std::tuple(w.CurrentPage, w.CurrentSubPage[0]), std::tuple(3, 0));
  EXPECT_EQ(w.pageInits, (std::vector<int>{12, 3}));
}

TEST(PageSwitching, SetMainPageGoesToTheRememberedSubPage) {
  Navigation w;
  w.SetMainPage(1);
  EXPECT_EQ(std::tuple(w.CurrentMainPage, w.CurrentPage), std::tuple(1, 20));
  EXPECT_EQ(w.strMainSubTitle, "*** Files, Disk ***");

  w.SetMainPage(2);  // its remembered sub page is -1
  w.SetMainPage(14);
  w.SetMainPage(-1);
  EXPECT_EQ(std::tuple(w.CurrentMainPage, w.CurrentPage), std::tuple(1, 20));

  w.CurrentSubPage[0] = 4;  // remembered, but no page behind it
  w.SetMainPage(0);
  EXPECT_EQ(w.CurrentMainPage, 1);
  EXPECT_EQ(w.pageInits, std::vector<int>{20});
}

TEST(PageSwitching, SetMainSubPagePrintsThePageNumberBeforeTheTitle) {
  Navigation w;
  EXPECT_EQ(PrintedBy([&] { w.SetMainSubPage(1, 2); }),
            (Lines{"setmainsubpage array=20", "*** Files, Disk ***"}));
  EXPECT_EQ(std::tuple(w.CurrentMainPage, w.CurrentSubPage[1], w.CurrentPage),
            std::tuple(1, 2, 20));
  EXPECT_TRUE(PrintedBy([&] { w.SetMainSubPage(1, 3); }).empty());
  EXPECT_TRUE(PrintedBy([&] { w.SetMainSubPage(14, 0); }).empty());
  EXPECT_TRUE(PrintedBy([&] { w.SetMainSubPage(0, 14); }).empty());
  EXPECT_EQ(std::tuple(w.CurrentMainPage, w.CurrentSubPage[1], w.CurrentPage),
            std::tuple(1, 2, 20));
}

TEST(PageSwitching, PagesOutsideTheTableAreIgnored) {
  Navigation w;
  EXPECT_TRUE(PrintedBy([&] { w.SetPage(100); }).empty());
  w.SetPage(-1);
  EXPECT_EQ(std::tuple(w.CurrentPage, w.PreviousPage), std::tuple(3, -1));
  w.SetPageOverlay(1, 100);  // remembers the page, touches no table
  EXPECT_EQ(std::tuple(w.PageOverlay, w.PageOverlayCall), std::tuple(1, 3));
}

TEST(PageSwitching, AnOverlayRemembersThePageAndReturnsToIt) {
  Navigation w;
  w.AddPage(40);
  Declare(w, {.live = 0});
  Declare(w, {.live = 1});
  w.SetPage(3);
  w.pageInits.clear();
  EXPECT_EQ(w.PageActive[40], w.PageStart[40] + 1);  // the live one of its two controls

  w.SetPageOverlay(1, 40);
  EXPECT_EQ(w.PageActive[40], w.PageStart[40]);  // its first control, live or not
  EXPECT_EQ(std::tuple(w.PageOverlay, w.PageOverlayCall, w.CurrentPage), std::tuple(1, 3, 3));
  w.SetPage(40);
  w.SetPageOverlay(0, 40);
  EXPECT_EQ(std::tuple(w.PageOverlay, w.PageOverlayCall, w.CurrentPage), std::tuple(0, -1, 3));
  EXPECT_EQ(w.pageInits, (std::vector<int>{40, 3}));

  w.SetPageOverlay(0, 0);  // no overlay running: nothing to return to
  EXPECT_EQ(std::tuple(w.PageOverlay, w.PageOverlayCall, w.CurrentPage), std::tuple(0, -1, 3));
}

}  // namespace
