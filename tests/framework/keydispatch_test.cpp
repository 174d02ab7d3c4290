// Key dispatch through the loop: keys go to the page's live control after an MMouseCursor,
// shift sends them without one, pages without a live control hear nothing, F1-F10 and the
// digits switch pages only when asked and never under an overlay, and the multi-page key.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "framework/pellamtesting.h"
#include "framework/windowtesting.h"

namespace {

constexpr int kF1 = 112;
constexpr int kF3 = 114;
constexpr int kF10 = 121;

// Page 0 belongs to main page 0; its sub page 1 is page 3 (no controls, so no live
// control), main page 2's only sub page is page 7.
struct PagedApp : RecordingApp {
  PagedApp() {
    NewSubPage(3, 0, 1);
    NewSubPage(7, 2, 0);
    CurrentMainPage = 0;
    CurrentSubPage[0] = 0;
    CurrentPage = 0;
  }
};

TEST_F(PellamTest, ShiftWithoutTextEntrySendsTheKeyWithoutAControl) {
  RecordingApp app;
  app.PageActive[0] = -1;  // even on a page without a live control
  app.Run({Do([&] { app.calls.clear(); }), Emit({Key('Q', MODIFIER_SHIFT), Ev(EVENT_KEYREPEAT, 'Q', MODIFIER_SHIFT)})});
  EXPECT_EQ(app.calls, (Calls{"MKeyDown(0,0,81,0,0,1,0,null)", "MKeyDown(0,0,81,0,0,1,1,null)"}));
}

TEST_F(PellamTest, APageWithoutALiveControlHearsNoKeys) {
  RecordingApp app;
  app.PageActive[0] = -1;
  app.Run({Do([&] { app.calls.clear(); }),
           Emit({Key('Q'), KeyUp('Q'), Ev(EVENT_KEYCHAR, 0xA7)})});
  // The section sign still reaches its hook, without a control.
  EXPECT_EQ(app.calls, Calls{"MKeyPlusMinus(0,0,0,0,0,0,null)"});
}

TEST_F(PellamTest, PageKeysDoNotSwitchUnlessAsked) {
  PagedApp app;
  app.Run({Emit({Key(kF3), Key('2')})});
  EXPECT_EQ(app.CurrentPage, 0);
  EXPECT_EQ(app.Only("MKeyDown"),
            (Calls{"MKeyDown(0,0,114,0,0,0,0,c0)", "MKeyDown(0,0,50,0,0,0,0,c0)"}));
}

TEST_F(PellamTest, FunctionKeysSwitchMainPagesAndStillReachMKeyDown) {
  PagedApp app;
  app.ActivatePageButton = 1;
  app.Run({Emit({Key(kF1), Key(kF10)}), Do([&] { app.calls.clear(); }), Emit({Key(kF3), Key('A')})});
  // F1 and F10: main pages without a remembered sub page change nothing.
  // F3: main page 2, page 7, announced before the key is handed on with the old page's
  // live control; on page 7 there is no live control for the next key.
  EXPECT_EQ(app.calls, (Calls{"MMouseCursor(0,0,0,0,0,0,c0)", "MPageInit(7)",
                              "MKeyDown(0,0,114,0,0,0,0,c0)"}));
  EXPECT_EQ(app.CurrentPage, 7);
}

TEST_F(PellamTest, DigitsOneToNineSelectSubPagesAndZeroNothing) {
  PagedApp app;
  app.ActivatePageButton = 1;
  std::vector<int> pages;
  auto look = [&] { return Do([&] { pages.push_back(app.CurrentPage); }); };
  app.Run({Emit({Key('0')}), look(), Emit({Key('1')}), look(), Emit({Key('2')}), look()});
  EXPECT_EQ(pages, (std::vector<int>{0, 0, 3}));
  EXPECT_EQ(app.Only("MPageInit"), Calls{"MPageInit(3)"});
  EXPECT_EQ(app.Only("MKeyDown").size(), 3u);
}

TEST_F(PellamTest, AnOverlayKeepsThePageKeysFromSwitching) {
  PagedApp app;
  app.ActivatePageButton = 1;
  app.PageOverlay = 1;
  app.Run({Emit({Key(kF3), Key('2')})});
  EXPECT_EQ(app.CurrentPage, 0);
  EXPECT_EQ(app.Only("MKeyDown").size(), 2u);
}

TEST_F(PellamTest, TheMultiPageKeyIsAnnouncedInsteadOfADigitsSwitch) {
  PagedApp app;
  app.ActivatePageButton = 1;
  app.KEY_MULTIPAGE = '2';
  const auto printed = PrintedBy([&] { app.Run({Emit({Key('2')})}); });
  EXPECT_EQ(app.CurrentPage, 0);
  EXPECT_EQ(std::count(printed.begin(), printed.end(), "Orrery eventkeydown multipage"), 1);
  EXPECT_EQ(app.Only("MKeyDown"), Calls{"MKeyDown(0,0,50,0,0,0,0,c0)"});
}

}  // namespace
