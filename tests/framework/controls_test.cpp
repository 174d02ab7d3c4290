// The control manager's declaration side: page runs, the live control, growth of the
// control array, navigation setters and page-tab captions, groups and their limits, and
// the hook.
#include <gtest/gtest.h>

#include <string>
#include <tuple>

#include "framework/controltesting.h"

namespace {

TEST(ControlManagerTables, PageRunsFollowTheDeclarations) {
  TestManager m;
  m.Init();
  m.AddPage(0);
  EXPECT_EQ(m.PageStart[0], 0);
  EXPECT_EQ(Declare(m, {.id = 10}), 0);
  Declare(m, {.id = 11});
  m.AddPage(5);
  Declare(m, {.id = 50});
  Declare(m, {.id = 51});
  EXPECT_EQ(std::tuple(m.PageEnd[0], m.PageStart[5], m.PageEnd[5]), std::tuple(1, 2, 3));
  EXPECT_EQ(std::tuple(m.PageData[3]->bPage, m.PageData[3]->nArrayPos), std::tuple(5, 3));
  EXPECT_EQ(m.GetFirstControl(5)->nID, 50);
  EXPECT_EQ(m.GetFirstControl(100), nullptr);
  m.AddPage(6);  // no controls yet: its first slot lies past the last control
  EXPECT_EQ(m.GetFirstControl(6), nullptr);
}

TEST(ControlManagerTables, CheckFlagAndExtremeRanges) {
  TestManager m;
  m.Init();
  m.AddPage(0);
  Declare(m, {.type = 5});
  Declare(m, {.type = 6});
  EXPECT_EQ(std::tuple(m.PageData[0]->bCheck, m.PageData[1]->bCheck), std::tuple(1, 0));
  // Extreme ranges wrap instead of overflowing.
  Declare(m, {.min = -2147483647 - 1, .max = 2147483647});
  EXPECT_EQ(m.PageData[2]->nRange, -1);
}

TEST(ControlManagerLive, FirstLiveControlOfEachPage) {
  TestManager m;
  m.Init();
  m.AddPage(0);
  Declare(m, {.live = 0});
  Declare(m, {.type = 25, .live = 1});
  Declare(m, {.live = 1});
  Declare(m, {.live = 1});
  EXPECT_EQ(m.PageActive[0], 2);

  m.AddPage(1);
  Declare(m, {.type = 25, .live = 1});
  Declare(m, {.live = 0});
  EXPECT_EQ(m.PageActive[1], -1);

  m.SetLiveControl(m.PageData[4].get());
  EXPECT_EQ(m.PageActive[1], 4);
  m.SetLiveControl(nullptr);
  EXPECT_EQ(m.PageActive[1], 4);
}

TEST(ControlManagerLive, WithoutInitIndexZeroCountsAsLive) {
  TestManager m;
  m.AddPage(2);
  Declare(m, {.live = 0});
  Declare(m, {.live = 1});
  EXPECT_EQ(m.PageActive[2], 0);
  EXPECT_EQ(m.PageActive[3], 0);
}

TEST(ControlManagerGrowth, ArrayGrowsByAHundredAndKeepsRecords) {
  TestManager m;
  m.Init();
  m.AddPage(0);
  for (int i = 0; i < 101; ++i) Declare(m, {.id = 1000 + i});
  EXPECT_EQ(m.PageData.size(), 101u);
  const TMControl* first = m.PageData[0].get();
  const TMControl* last = m.PageData[100].get();

  Declare(m, {.id = 1101});
  EXPECT_EQ(m.ControlCount, 101);
  EXPECT_EQ(m.PageData.size(), 201u);
  for (int i = 0; i <= 101; ++i) {
    ASSERT_NE(m.PageData[i], nullptr);
    EXPECT_EQ(m.PageData[i]->nID, 1000 + i);
    EXPECT_EQ(m.PageData[i]->nArrayPos, i);
  }
  for (size_t i = 102; i < m.PageData.size(); ++i) EXPECT_EQ(m.PageData[i], nullptr);
  // Records do not move: the window layer and hooks may keep pointers to them.
  EXPECT_EQ(m.PageData[0].get(), first);
  EXPECT_EQ(m.PageData[100].get(), last);

  for (int i = 102; i <= 201; ++i) Declare(m, {.id = 1000 + i});
  EXPECT_EQ(m.PageData.size(), 301u);
  EXPECT_EQ(m.PageEnd[0], 201);
  EXPECT_EQ(m.PageData[201]->nID, 1201);
}

TEST(ControlManagerTabs, CaptionsTipsAndHiddenUnnamedTabs) {
  TestManager m;
  m.Init();
  m.AddMainPage(2, "Mix", "Mixer page", 0);
  m.AddMainPage(0, "", "help only", 0);
  m.AddSubPage(1, 4, "Edit", "Edit things", 0);
  m.NewSubPage(9, 1, 0);

  auto shape = [&](int i) {
    const TMControl& c = *m.PageData[i];
    return std::tuple(c.strText, c.strTipText, c.bShown);
  };
  EXPECT_EQ(shape(Declare(m, {.type = 19, .id = 2, .shown = 1, .text = "x", .tip = "y"})),
            std::tuple("F3Mix", "Mixer page", 1));
  EXPECT_EQ(shape(Declare(m, {.type = 19, .id = 0, .shown = 1})), std::tuple("F1", "help only", 0));
  EXPECT_EQ(shape(Declare(m, {.type = 18, .id = 4, .shown = 1})),
            std::tuple(" 5Edit", "Edit things", 1));
  EXPECT_EQ(shape(Declare(m, {.type = 18, .id = 3, .shown = 1})), std::tuple(" 4", "", 0));
  EXPECT_EQ(shape(Declare(m, {.type = 17, .id = 2, .text = "keep", .tip = "replaced"})),
            std::tuple("keep", "Mixer page", 1));
  // Ids outside the navigation table read as unnamed.
  EXPECT_EQ(shape(Declare(m, {.type = 19, .id = 14, .shown = 1})), std::tuple("F15", "", 0));
  EXPECT_EQ(std::get<2>(shape(Declare(m, {.type = 18, .id = -3, .shown = 1}))), 0);
}

TEST(ControlManagerTabs, SubTabWithoutCurrentMainPageIsHidden) {
  TestManager m;
  m.Init();
  m.AddSubPage(0, 0, "Sub", "", 0);
  m.AddPage(0);
  const int tab = Declare(m, {.type = 18, .id = 0, .shown = 1});
  EXPECT_EQ(std::tuple(m.PageData[tab]->strText, m.PageData[tab]->bShown), std::tuple(" 1", 0));
}

TEST(ControlManagerGroups, GroupStateComesFromTheExactTextOn) {
  TestManager m;
  m.Init();
  m.AddPage(0);
  EXPECT_EQ(ShownOf(m, {.shown = 2}), 2);  // no group yet: layer bits kept

  const int onMarker = DeclareGroupBegin(m, 1, "on");
  EXPECT_EQ(ShownOf(m, {.shown = 1}), 1);
  DeclareGroupEnd(m, 1);
  EXPECT_EQ(m.PageData[onMarker]->bShown, 1);

  for (const std::string state : {"On", "", "off", "on "}) {
    const int marker = DeclareGroupBegin(m, 2, state);
    EXPECT_EQ(ShownOf(m, {.shown = 1}), 0) << state;
    const int end = DeclareGroupEnd(m, 2);
    EXPECT_EQ(m.PageData[marker]->bShown, 0) << state;
    EXPECT_EQ(m.PageData[end]->bShown, 1) << "the group closes before its end marker is kept";
  }
  // After the first group only bit 0 of the shown argument survives.
  EXPECT_EQ(ShownOf(m, {.shown = 1}), 1);
  EXPECT_EQ(ShownOf(m, {.shown = 2}), 0);
  EXPECT_EQ(ShownOf(m, {.shown = 3}), 1);
}

TEST(ControlManagerGroups, NestedGroupsFollowTheGroupsStillOpen) {
  TestManager m;
  m.Init();
  m.AddPage(0);
  DeclareGroupBegin(m, 1, "on");
  DeclareGroupBegin(m, 2, "off");
  EXPECT_EQ(ShownOf(m, {}), 0);
  DeclareGroupEnd(m, 2);
  EXPECT_EQ(ShownOf(m, {}), 1);  // the rest of the shown outer group
  DeclareGroupEnd(m, 1);

  DeclareGroupBegin(m, 3, "off");
  DeclareGroupBegin(m, 4, "on");
  EXPECT_EQ(ShownOf(m, {}), 0);  // a shown group inside a hidden one
  DeclareGroupEnd(m, 4);
  EXPECT_EQ(ShownOf(m, {}), 0);
  DeclareGroupEnd(m, 3);
  EXPECT_EQ(ShownOf(m, {}), 1);
}

TEST(ControlManagerGroups, UnmatchedEndsAreIgnored) {
  TestManager m;
  m.Init();
  m.AddPage(0);
  DeclareGroupEnd(m, 9);  // before any group was opened
  EXPECT_EQ(m.gGroupCount, -1);
  EXPECT_EQ(ShownOf(m, {.shown = 2}), 2);

  DeclareGroupBegin(m, 1, "off");
  DeclareGroupEnd(m, 1);
  DeclareGroupEnd(m, 1);  // ends too many
  DeclareGroupEnd(m, 1);
  EXPECT_EQ(m.gGroupCount, 0);
  DeclareGroupBegin(m, 2, "on");
  EXPECT_EQ(ShownOf(m, {}), 1);
  EXPECT_EQ(m.gGroupCount, 1);
}

TEST(ControlManagerGroups, NestingDeeperThanTwentyIsRefused) {
  TestManager m;
  m.Init();
  m.AddPage(0);
  for (int g = 0; g < 19; ++g) DeclareGroupBegin(m, g, "on");
  DeclareGroupBegin(m, 19, "off");
  EXPECT_EQ(m.gGroupCount, 20);

  testing::internal::CaptureStdout();
  const int refused = DeclareGroupBegin(m, 20, "on");
  EXPECT_NE(testing::internal::GetCapturedStdout().find("nest"), std::string::npos);
  EXPECT_EQ(m.gGroupCount, 20);
  // The refused "on" group does not show its controls inside the hidden group 19.
  EXPECT_EQ(m.PageData[refused]->bShown, 0);
  EXPECT_EQ(ShownOf(m, {}), 0);
  DeclareGroupEnd(m, 20);  // absorbed: group 19 stays open
  EXPECT_EQ(ShownOf(m, {}), 0);
  DeclareGroupEnd(m, 19);
  EXPECT_EQ(ShownOf(m, {}), 1);
  for (int g = 18; g >= 0; --g) DeclareGroupEnd(m, g);
  EXPECT_EQ(std::tuple(m.gGroupCount, m.gCurrentGroup), std::tuple(0, 1));
}

TEST(ControlManagerHook, CustomInitOnlyForTypeHundredThousand) {
  TestManager m;
  m.Init();
  m.AddPage(0);
  Declare(m, {.drawType = 100000, .type = 1});
  Declare(m, {.drawType = 100000, .type = 100001});
  Declare(m, {.drawType = 5, .type = 99999});
  ASSERT_TRUE(m.customInits.empty());
  const int custom = Declare(m, {.drawType = 100000, .type = 100000, .text = "game"});
  ASSERT_EQ(m.customInits.size(), 1u);
  EXPECT_EQ(m.customInits[0].index, custom);
  EXPECT_TRUE(m.customInits[0].stored);
  EXPECT_EQ(m.customInits[0].text, "game");
}

TEST(ControlManagerBadInput, PageOutsideTheTablesNeverCorruptsThem) {
  TestManager m;
  m.Init();
  m.AddPage(1);
  Declare(m, {});
  m.CurrentPage = 500;  // an application writing the field directly
  const int stray = Declare(m, {.live = 1});
  EXPECT_EQ(m.PageData[stray]->bPage, 500);
  EXPECT_EQ(m.PageEnd[1], 0);
  m.PageData[stray]->nX1 = 10;
  m.PageData[stray]->nY1 = 10;
  EXPECT_EQ(m.CheckControl(5, 5, stray), -1);  // no layer for that page
  m.SetLiveControl(m.PageData[stray].get());
  m.ResetControlPositions(100, 100, 0);
  testing::internal::CaptureStdout();
  m.DebugControlList();
  EXPECT_NE(testing::internal::GetCapturedStdout().find("Page=500"), std::string::npos);
}

TEST(ControlManagerTables, PageLayerAndNavigationSetters) {
  TestManager m;  // no Init: zero-filled tables
  m.AddPage(3);
  m.PageLayer[4] = 2;
  m.AddPage(4);
  EXPECT_EQ(std::tuple(m.PageLayer[3], m.PageLayer[4]), std::tuple(1, 2));
  m.AddPage(100);  // no such page: nothing changes
  m.AddPage(-1);
  EXPECT_EQ(m.CurrentPage, 4);

  m.Init();
  m.AddMainPage(0, "Main", "main help", 112);
  m.AddMainPage(0, "", "help", 0);
  m.AddMainPage(0, "", "", -5);
  EXPECT_EQ(std::tuple(m.strMainPage[0], m.strMainPageHelp[0], m.nMainPageKey[0]),
            std::tuple("Main", "help", 112));
  m.AddSubPage(2, 3, "Sub", "", 49);
  m.AddSubPage(2, 3, "", "sub help", 0);
  EXPECT_EQ(std::tuple(m.strSubPage[2][3], m.strSubPageHelp[2][3], m.nSubPageKey[2][3]),
            std::tuple("Sub", "sub help", 49));
  m.AddMainPage(14, "x", "x", 1);  // outside the table: ignored
  m.AddSubPage(1, 14, "x", "x", 1);

  m.NewSubPage(7, 2, 3);
  EXPECT_EQ(std::tuple(m.CurrentMainPage, m.CurrentSubPage[2], m.SubPageArray[2][3], m.CurrentPage),
            std::tuple(2, 3, 7, 7));
  m.NewSubPage(8, 14, 0);  // a bad navigation slot still declares the page
  EXPECT_EQ(std::tuple(m.CurrentMainPage, m.CurrentPage), std::tuple(2, 8));
}

}  // namespace
