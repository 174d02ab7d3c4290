// The file-browser panes and draw types through the recording backend: the file list's
// scrolling, selection, highlight and columns, the places pane's rows and headers, the
// path bars, the folder name, count and size texts, the folder slot selector and the
// thumbnail with its fallbacks.
#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>
#include <string>
#include <vector>

#include "framework/browserdrawtypes.h"
#include "framework/browsertesting.h"
#include "framework/drawtypes.h"
#include "framework/filetypes.h"
#include "framework/palette.h"
#include "framework/statedrawtypes.h"
#include "framework/windowtesting.h"

namespace {

TMControl Pane(int w, int h) {
  TMControl c;
  c.nWidth = w;
  c.nHeight = h;
  c.nX1 = w;
  c.nY1 = h;
  c.nThumbX = w / 280;
  c.nThumbY = h / 22;
  c.bEnabled = 1;
  return c;
}

std::vector<Entry> Files(int n) {
  std::vector<Entry> out;
  for (int i = 0; i < n; ++i) out.push_back({'n' + std::to_string(i) + ".wav", 1, i});
  return out;
}

bool IsNumber(const std::string& s) {
  return !s.empty() && s.find_first_not_of("0123456789") == std::string::npos;
}

class BrowserPanes : public IconStripTest {
 protected:
  // The first row number the last draw showed.
  int FirstRowShown() const {
    for (const std::string& t : Texts())
      if (IsNumber(t)) return std::stoi(t);
    return 0;
  }
  std::vector<TDrawCall> RectsIn(int r, int g, int b) const {
    std::vector<TDrawCall> out;
    for (const TDrawCall& c : recorder.CallsOf(TDrawCallKind::Rect))
      if (c.state.red == r && c.state.green == g && c.state.blue == b) out.push_back(c);
    return out;
  }
  std::vector<TDrawCall> HighlightRects() const {
    return RectsIn(AppHL.GetRed(), AppHL.GetGreen(), AppHL.GetBlue());
  }
  const TDrawCall* TextCall(const std::string& text) const {
    for (const TDrawCall& c : recorder.Calls())
      if (c.kind == TDrawCallKind::Text && c.text == text) return &c;
    return nullptr;
  }
  int Browse(TMControl& c) {
    recorder.Clear();
    return app.MFileBrowse(&c);
  }

  TestWindowLayer app;
};

TEST_F(BrowserPanes, ScrollsByWholeColumnsKeepingTheSelectionInView) {
  app.Folder[0] = VirtualFolder("/v/", Files(35));
  TMControl c = Pane(560, 230);
  for (auto [pos, first] : {std::pair{25, 10}, {34, 20}, {19, 0}, {0, 0}}) {
    c.nUser1 = 0;
    c.nPos = pos;
    Browse(c);
    EXPECT_EQ(c.nUser1, first) << pos;
    EXPECT_EQ(FirstRowShown(), first + 1) << pos;
  }
  EXPECT_EQ(c.nMax, 35);
  EXPECT_EQ(c.nMin, 0);
  EXPECT_EQ(c.strText, "/v/");
}

TEST_F(BrowserPanes, KeepsTheViewWhileAPressBeyondTheFirstColumnSelects) {
  app.Folder[0] = VirtualFolder("/v/", Files(35));
  TMControl c = Pane(560, 230);
  c.nUser1 = 10;
  c.nPos = 12;
  app.MouseDownX = 300;
  Browse(c);
  EXPECT_EQ(c.nUser1, 10);
  c.nPos = 5;  // above the view: it scrolls back
  Browse(c);
  EXPECT_EQ(c.nUser1, 0);
  c.nUser1 = 10;
  c.nPos = 12;
  app.MouseDownX = 100;
  Browse(c);
  EXPECT_EQ(c.nUser1, 0);
}

TEST_F(BrowserPanes, AHeightWithoutRemainderScrollsByTheRowsDrawn) {
  app.Folder[0] = VirtualFolder("/v/", Files(40));
  TMControl c = Pane(560, 220);  // 9 rows drawn per column
  c.nPos = 18;
  Browse(c);
  EXPECT_EQ(c.nUser1, 9);
  EXPECT_TRUE(Drew("19"));
  EXPECT_TRUE(Drew("27"));
  EXPECT_FALSE(Drew("28"));
}

TEST_F(BrowserPanes, SelectsTheFolderJustLeftAndClampsTheSelection) {
  auto f = VirtualFolder("/v/", {{"a.wav"}, {"b.wav"}, {"sub", 2}, {"z.wav"}});
  f->PrevDir = "/v/sub/";
  f->DirChange = 1;
  app.Folder[0] = f;
  TMControl c = Pane(560, 230);
  c.nPos = 0;
  Browse(c);
  EXPECT_EQ(c.nPos, 2);
  EXPECT_EQ(f->PrevDir, "");
  c.nPos = 99;
  Browse(c);
  EXPECT_EQ(c.nPos, 3);
  EXPECT_EQ(f->Selected, 3);

  app.Folder[0] = VirtualFolder("/empty/", {});
  Browse(c);
  EXPECT_EQ(c.nPos, -1);
  EXPECT_EQ(c.nMax, 0);
}

TEST_F(BrowserPanes, OnlyALiveOrHoveredPaneSelectsAndMarksItsRow) {
  auto f = VirtualFolder("/v/", {{"a.wav", 1, 10}, {"b.wav", 1, 20}});
  app.Folder[0] = f;
  TMControl c = Pane(560, 230);
  c.nPos = 1;
  c.nArrayPos = 5;  // not the page's live control
  Browse(c);
  EXPECT_EQ(f->CurrFile, "");
  EXPECT_TRUE(HighlightRects().empty());

  c.bOver = 1;
  Browse(c);
  EXPECT_EQ(f->CurrFile, "b.wav");
  EXPECT_EQ(f->CurrSize, 20);
  EXPECT_TRUE(HighlightRects().empty());  // an outline only

  f->SetFile("a.wav", "a", 10, 1);
  c.bOver = 0;
  c.nArrayPos = 0;
  Browse(c);
  EXPECT_EQ(f->CurrFile, "b.wav");
  ASSERT_FALSE(HighlightRects().empty());
  EXPECT_EQ(HighlightRects()[0].args, (std::vector<float>{1, 23, 280, 22}));
}

TEST_F(BrowserPanes, APartColumnIsNarrowedAndColumnsPastTheEdgeAreNotDrawn) {
  app.Folder[0] = VirtualFolder("/v/", Files(45));
  TMControl c = Pane(744, 230);
  c.nThumbX = 3;
  c.nPos = 25;
  Browse(c);
  ASSERT_FALSE(HighlightRects().empty());
  EXPECT_EQ(HighlightRects()[0].args, (std::vector<float>{561, 111, 192, 22}));
  const TDrawCall* name = TextCall("n25");
  ASSERT_NE(name, nullptr);
  EXPECT_EQ(name->state.viewportWidth, 143);
  EXPECT_FALSE(Drew("31"));  // a fourth column would start past the edge
}

class PlacesPane : public BrowserPanes {
 protected:
  void SetUp() override {
    BrowserPanes::SetUp();
    app.Favorite = PlacesOf("/Users/a");
    app.Folder[0] = VirtualFolder("/Users/a/Music/Loops/", {});
    pane = Pane(300, 400);
  }
  void Draw() {
    recorder.Clear();
    app.MFileFavorites(&pane);
  }
  TMControl pane;
};

TEST_F(PlacesPane, ShowsFavoritesUnderThePlacesAndTheHideLabelsOnHover) {
  app.Favorite->FavRoot[9] = "/users/a/music/";
  app.Favorite->FavPosition[9] = "Loops/";
  app.Favorite->FavRoot[10] = "";
  app.Favorite->FavPosition[10] = "/Volumes/X/";
  app.Favorite->MaxUser = 11;
  pane.bOver = 1;
  Draw();
  const TDrawCall* header = TextCall("FAVORITES");
  ASSERT_NE(header, nullptr);
  EXPECT_EQ(header->args[1], 9 * 22 + 2);
  EXPECT_NE(TextCall("/Volumes/X/"), nullptr);
  EXPECT_EQ(app.Favorite->FavSelected, 9);
  int hides = 0;
  for (const std::string& t : Texts()) hides += t == "Hide" ? 1 : 0;
  EXPECT_EQ(hides, 2);

  app.Favorite->HidePlaces = 1;
  Draw();
  EXPECT_TRUE(Drew("Show"));
  EXPECT_FALSE(Drew("Desktop"));
  EXPECT_EQ(TextCall("FAVORITES")->args[1], 22 + 2);
}

TEST(BrowserDrawTypesText, SizesInBytesKilobytesMegabytesAndGigabytes) {
  EXPECT_EQ(FileSizeText(1023), "1023 Bytes");
  EXPECT_EQ(FileSizeText(1536), "1.0 KB");
  EXPECT_EQ(FileSizeText(1572864), "1.5 MB");
  EXPECT_EQ(FileSizeText(1610612736), "1.5 GB");
  EXPECT_EQ(FileSizeText(0), "0 Bytes");
}

class BrowserDrawTypes : public BrowserPanes {
 protected:
  TMControl Box() {
    TMControl c = Pane(600, 30);
    c.strText = "Info: ";
    return c;
  }
};

TEST_F(BrowserDrawTypes, ShowTheSelectedEntrysSizeNameAndTheCount) {
  auto f = VirtualFolder("/v/", Files(4));
  f->SetFile("n1.wav", "n1", 2048, 1);
  app.Folder[0] = f;
  TMControl c = Box();
  DrawEntrySize(app, c, 15, 0, 0);
  EXPECT_TRUE(Drew("Info: 2.0 KB  ( 2048 bytes )"));
  DrawEntrySize(app, c, 14, 0, 0);
  EXPECT_TRUE(Drew("Info: 2.0 KB"));
  DrawFolderName(app, c, 13, 0, 0);
  EXPECT_TRUE(Drew("Info: n1"));
  DrawEntryCount(app, c, 21, 0, 0);
  EXPECT_TRUE(Drew("Info: 4"));

  f->SetFile("Loops", "Loops", 0, 2);
  recorder.Clear();
  DrawEntrySize(app, c, 15, 0, 0);
  EXPECT_TRUE(Texts().empty());
  DrawFolderName(app, c, 13, 0, 0);
  EXPECT_TRUE(Drew("Info: Folder: Loops"));

  app.Folder[0].reset();
  recorder.Clear();
  DrawEntrySize(app, c, 15, 0, 0);
  DrawThumbnail(app, c, 42, 0, 0);
  DrawRightPath(app, c, 41, 0, 0);
  EXPECT_TRUE(recorder.Calls().empty());
}

TEST_F(BrowserDrawTypes, ThePathBarBeginsWithThePlaceHoldingTheFolder) {
  app.Favorite = PlacesOf("/Users/a");
  app.Folder[0] = VirtualFolder("/Users/a/Documents/Letters/", {});
  TMControl c = Box();
  DrawPathBar(app, c, 9, 0, 0);
  const auto icons = SmallIcons();
  ASSERT_EQ(icons.size(), 3u);
  EXPECT_EQ(icons[0], (Icon{0, 5, kPlaceDocs, 1}));
  const int x = TextWidth("Documents") + 26;
  EXPECT_EQ(icons[1], (Icon{x, 6, 41, 1}));
  EXPECT_EQ(icons[2], (Icon{x + 20, 6, 2, 1}));
  EXPECT_TRUE(Drew("letters"));

  app.Folder[0] = VirtualFolder("/", {});
  recorder.Clear();
  DrawPathBar(app, c, 9, 0, 0);
  EXPECT_EQ(SmallIcons(), (std::vector<Icon>{{0, 6, 6, 1}}));
}

TEST_F(BrowserDrawTypes, TheFolderSlotSelectorPicksOnlySlotsZeroToNine) {
  TMControl c = Box();
  c.nID = 10;
  app.CurrentFolder = 2;
  DrawFolderSlot(app, c, 70, 0, 0);
  EXPECT_EQ(app.CurrentFolder, 2);
  c.nID = 3;
  DrawFolderSlot(app, c, 70, 0, 0);
  EXPECT_EQ(app.CurrentFolder, 3);
  ASSERT_NE(app.Folder[3], nullptr);
  EXPECT_NE(app.Folder[3]->CurrDir, "");
  EXPECT_TRUE(recorder.Calls().empty());
}

TEST_F(BrowserDrawTypes, ThumbnailsFallBackToTheFileTypeIcon) {
  TempFolder t;
  WritePng(t / "pic.png", 8, 8);
  WritePng(t / "thumbs/model.png", 4, 4);
  auto f = VirtualFolder(t.path() + "/", {});
  app.Folder[0] = f;
  TMControl c = Pane(64, 64);

  f->SetFile("IMAGE.PNG", "", 10, 1);  // the extension is compared case-sensitively
  DrawThumbnail(app, c, 42, 0, 0);
  ASSERT_EQ(BigIcons().size(), 1u);
  EXPECT_EQ(BigIcons()[0].frame, GetFileType("IMAGE.PNG", 9) - 1);

  f->SetFile("Loops", "", 0, 2);
  recorder.Clear();
  DrawThumbnail(app, c, 43, 0, 0);
  ASSERT_EQ(recorder.CallsOf(TDrawCallKind::Image).size(), 1u);
  const TDrawCall mirrored = recorder.CallsOf(TDrawCallKind::Image)[0];
  EXPECT_EQ(mirrored.args[4], 2 * kBigFrame);
  EXPECT_EQ(mirrored.args[1], 64);
  EXPECT_EQ(mirrored.args[3], -64);
  EXPECT_FLOAT_EQ(mirrored.state.alpha, 0.3f);

  f->SetFile("model.3do", "", 10, 1);
  recorder.Clear();
  DrawThumbnail(app, c, 42, 0, 0);
  EXPECT_EQ(app.IconImageFile, t.path() + "//thumbs/model.png");
  EXPECT_TRUE(BigIcons().empty());
  EXPECT_EQ(recorder.CallsOf(TDrawCallKind::Image).size(), 1u);
}

TEST_F(BrowserDrawTypes, APictureIsLoadedAgainAfterAFailedOne) {
  TempFolder t;
  WritePng(t / "pic.png", 8, 8);
  auto f = VirtualFolder(t.path() + "/", {});
  app.Folder[0] = f;
  TMControl c = Pane(64, 64);
  f->SetFile("pic.png", "", 10, 1);
  DrawThumbnail(app, c, 42, 0, 0);
  f->SetFile("missing.png", "", 10, 1);
  DrawThumbnail(app, c, 42, 0, 0);
  f->SetFile("pic.png", "", 10, 1);
  recorder.Clear();
  DrawThumbnail(app, c, 42, 0, 0);
  const auto draws = recorder.CallsOf(TDrawCallKind::Image);
  ASSERT_EQ(draws.size(), 1u);
  EXPECT_EQ(draws[0].args[6], 8);  // the picture, not an icon
}

TEST_F(BrowserDrawTypes, AFailedPictureIsTriedAgainOnlyOnceTheFileChanges) {
  TempFolder t;
  { std::ofstream(t / "bad.png") << "not a picture"; }
  auto f = VirtualFolder(t.path() + "/", {});
  app.Folder[0] = f;
  TMControl c = Pane(64, 64);
  f->SetFile("bad.png", "", 10, 1);
  testing::internal::CaptureStdout();
  for (int redraw = 0; redraw < 3; ++redraw) DrawThumbnail(app, c, 42, 0, 0);
  const std::string log = testing::internal::GetCapturedStdout();
  EXPECT_EQ(std::count(log.begin(), log.end(), '\n'), 1) << log;
  EXPECT_EQ(BigIcons().size(), 3u);

  WritePng(t / "bad.png", 8, 8);
  recorder.Clear();
  DrawThumbnail(app, c, 42, 0, 0);
  const auto draws = recorder.CallsOf(TDrawCallKind::Image);
  ASSERT_EQ(draws.size(), 1u);
  EXPECT_EQ(draws[0].args[6], 8);
}

}  // namespace
