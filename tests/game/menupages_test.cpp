// The options and title pages as a player sees them through the recording backend: which
// texts show where and in which colour, the binding boxes and faders, the capture mark,
// the click regions left behind, and what is left without the font texture.
#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <string>
#include <vector>

#include "pagedrawtesting.h"
#include "screentext.h"

namespace {

using namespace pagedraw;
using screentext::Shows;
using screentext::ShownTexts;
using Rgb3 = std::array<int, 3>;

struct Action {
  int y;
  std::string plain, highlighted;
};
const Action kActions[] = {{96, "left...", ">left.."},  {107, "right..", ">right."},
                           {118, "up.....", ">up...."},  {129, "down...", ">down.."},
                           {140, "fire...", ">fire.."},  {151, "map....", ">map..."},
                           {162, "back...", ">back.."}};

class MenuPageTest : public PageDrawTest {
 protected:
  // The fill colour of the 55 x 8 box inside the binding box at (x, y); {-1} when none.
  Rgb3 BoxFill(int x, int y) const {
    const auto fills = Rects(static_cast<float>(x), static_cast<float>(y), 55, 8);
    if (fills.empty()) return {-1, -1, -1};
    return {fills.back().state.red, fills.back().state.green, fills.back().state.blue};
  }
  void Options() {
    recorder.Clear();
    core.DrawPage_Options();
  }
};

TEST_F(MenuPageTest, OptionsHighlightFollowsTheCurrentRowOnly) {
  const Rgb3 current{100, 10, 20}, plain{10, 20, 20};
  for (int row : {1, 2, 5, 10, 16, 17, 0, 18}) {
    SCOPED_TRACE("row " + std::to_string(row));
    core.optionMenu = row;
    Options();
    EXPECT_TRUE(Shows(recorder, "OPTIONS", 231, 15, {250, 250, 240}));
    EXPECT_TRUE(row == 1 ? Shows(recorder, "> MUSIC", 34, 40, {200, 20, 20})
                         : Shows(recorder, "MUSIC", 42, 40, {90, 90, 90}));
    EXPECT_TRUE(row == 2 ? Shows(recorder, "> SOUND", 34, 60, {200, 20, 20})
                         : Shows(recorder, "SOUND", 42, 60, {90, 90, 90}));
    // Highlighting moves only the label: the bars stay put.
    EXPECT_EQ(Rects(97, 39, 114, 10).size() + Rects(97, 59, 114, 10).size(), 2u);
    for (int i = 0; i < 7; ++i) {
      const Action& a = kActions[i];
      const bool on = row == 3 + i || row == 10 + i;
      EXPECT_TRUE(on ? Shows(recorder, a.highlighted, 48, a.y, {230, 30, 20})
                     : Shows(recorder, a.plain, 48, a.y, {80, 80, 80})) << a.plain;
      EXPECT_EQ(BoxFill(98, a.y), row == 3 + i ? current : plain) << a.plain;
      EXPECT_EQ(BoxFill(155, a.y), row == 10 + i ? current : plain) << a.plain;
    }
    EXPECT_TRUE(row == 17 ? Shows(recorder, ">BACK<", 106, 182, {200, 20, 20})
                          : Shows(recorder, "BACK", 113, 182, {200, 200, 200}));
  }
}

TEST_F(MenuPageTest, OptionsShowBindingNamesAndPulseOverTheOneBeingCaptured) {
  core._key_left = 37;
  core._joy_left = 64;
  core._key_fire = 0;  // a code without a name
  core._joy_pause = 15;
  core._MusicVolume = 0.5f;
  core._Volume = 1.0f;
  Options();
  EXPECT_TRUE(Shows(recorder, "Left", 111, 96, {190, 190, 190}));
  EXPECT_TRUE(Shows(recorder, "PotXL", 164, 96, {190, 190, 190}));
  EXPECT_TRUE(Shows(recorder, "But15", 164, 151, {190, 190, 190}));
  EXPECT_TRUE(Shows(recorder, "50%", 143, 40, {190, 190, 190}));
  EXPECT_TRUE(Shows(recorder, "100%", 140, 60, {190, 190, 190}));
  for (const auto& t : ShownTexts(recorder)) {
    EXPECT_FALSE(t.y == 140 && t.x > 90 && t.x < 150) << "an unnamed key shows nothing: " << t.text;
  }
  EXPECT_EQ(BoxFill(98, 140), (Rgb3{10, 20, 20}));  // yet its box is there

  // The capture box covers the bound name; its green runs 150, 200 (270 ms), 100 (810 ms).
  core._get_input = 15;
  for (const auto& [time, green] : {std::pair{0, 150}, std::pair{270, 200}, std::pair{810, 100}}) {
    core.gameTime = time;
    Options();
    const auto& calls = recorder.Calls();
    const auto mark = std::find_if(calls.rbegin(), calls.rend(), [](const TDrawCall& c) {
      return c.kind == TDrawCallKind::Rect && c.args == std::vector<float>{155, 151, 55, 8};
    });
    ASSERT_NE(mark, calls.rend());
    EXPECT_EQ((Rgb3{mark->state.red, mark->state.green, mark->state.blue}), (Rgb3{150, green, 20}));
    const auto name = std::find_if(calls.rbegin(), calls.rend(), [](const TDrawCall& c) {
      return c.kind == TDrawCallKind::Image && c.args[1] == 151 && c.args[0] >= 164;
    });
    EXPECT_GT(name - calls.rbegin(), mark - calls.rbegin()) << "the name lies beneath";
  }
  EXPECT_EQ(Region(15), (std::vector<int>{154, 150, 211, 161}));
  for (int idle : {0, 1, 2, 17}) {
    core._get_input = idle;
    Options();
    for (const TDrawCall& c : recorder.CallsOf(TDrawCallKind::Rect)) {
      EXPECT_FALSE(c.state.red == 150 && c.state.blue == 20) << "mark at input " << idle;
    }
  }
}

TEST_F(MenuPageTest, OptionsRegionsAndTheBlockLetterFallback) {
  core.optionMenu = 17;
  Options();
  EXPECT_EQ(Region(1), (std::vector<int>{97, 39, 211, 50}));
  EXPECT_EQ(Region(2), (std::vector<int>{97, 59, 211, 70}));
  EXPECT_EQ(Region(3), (std::vector<int>{97, 95, 154, 106}));
  EXPECT_EQ(Region(9), (std::vector<int>{97, 161, 154, 172}));
  EXPECT_EQ(Region(10), (std::vector<int>{154, 95, 211, 106}));
  EXPECT_EQ(Region(16), (std::vector<int>{154, 161, 211, 172}));
  EXPECT_EQ(Region(17), (std::vector<int>{105, 181, 259, 192}));
  EXPECT_EQ(ArcadeGetControl(157, 100), 3) << "where the columns' slack overlaps, the keyboard";
  core.optionMenu = 3;
  Options();
  EXPECT_EQ(Region(17), (std::vector<int>{112, 181, 266, 192}));

  // Without the font only the seven labels show, in block letters, and no region is set.
  ArcadeResetControl();
  g_ImageOK = 0;
  Options();
  EXPECT_TRUE(recorder.CallsOf(TDrawCallKind::Image).empty());
  std::vector<int> labels(7, 0);
  for (const TDrawCall& c : recorder.CallsOf(TDrawCallKind::Rect)) {
    ASSERT_TRUE(c.args[0] >= 48 && c.args[0] + c.args[2] <= 48 + 7 * 8) << c.args[0];
    const auto on = std::find_if(std::begin(kActions), std::end(kActions), [&](const Action& a) {
      return c.args[1] >= a.y && c.args[1] + c.args[3] <= a.y + 10;
    });
    ASSERT_NE(on, std::end(kActions)) << "block at y " << c.args[1];
    labels[on - std::begin(kActions)] = 1;
  }
  EXPECT_EQ(labels, std::vector<int>(7, 1));
  for (int id = 0; id < 20; ++id) EXPECT_EQ(Region(id), (std::vector<int>{-2, -2, -2, -2})) << id;
}

TEST_F(MenuPageTest, TitleFramesAndPulsesTheChosenEntry) {
  const Rgb3 white{250, 250, 250};
  const auto framed = [&](const std::string& text, int y) {
    return Shows(recorder, text, 62, y - 1, white) && Shows(recorder, text, 62, y + 1, white);
  };
  // The pulse p: 0 at 0 ms, 180 at 150, 254 at 300, 0 again from 600 to 1200.
  for (const auto& [time, p] : {std::pair{0, 0}, std::pair{150, 180}, std::pair{300, 254},
                                std::pair{600, 0}, std::pair{900, 0}}) {
    SCOPED_TRACE("time " + std::to_string(time));
    core.gameTime = time;
    for (int choice : {1, 2, 0}) {
      core.g_TitleChoice = choice;
      core._get_input = 12;
      recorder.Clear();
      core.DrawPage_Title();
      EXPECT_EQ(core._get_input, 0);
      if (choice == 1) {
        EXPECT_TRUE(Shows(recorder, "    OPTIONS", 62, 109, {p, 200, p}));
        EXPECT_TRUE(framed("    OPTIONS", 109));
        EXPECT_TRUE(Shows(recorder, "START THIS QUEST", 62, 134, {250, 50, 50}));
        EXPECT_FALSE(framed("START THIS QUEST", 134));
      } else {
        EXPECT_TRUE(Shows(recorder, "    OPTIONS", 62, 109, {50, 200, 50}));
        EXPECT_FALSE(framed("    OPTIONS", 109));
        EXPECT_TRUE(Shows(recorder, "START THIS QUEST", 62, 134, {250, p, p}));
        EXPECT_TRUE(framed("START THIS QUEST", 134));
      }
    }
  }
  EXPECT_EQ(Region(1), (std::vector<int>{62, 109, 150, 119}));
  EXPECT_EQ(Region(2), (std::vector<int>{62, 134, 190, 144}));
}

TEST_F(MenuPageTest, TitleWithoutTheFontDrawsOnlyThePlainEntryYetRegistersBoth) {
  g_ImageOK = 0;
  core.g_TitleChoice = 1;
  core.DrawPage_Title();
  EXPECT_TRUE(recorder.CallsOf(TDrawCallKind::Image).empty());
  const auto rects = recorder.CallsOf(TDrawCallKind::Rect);
  ASSERT_FALSE(rects.empty());
  for (const TDrawCall& c : rects) {
    EXPECT_TRUE(c.args[1] >= 134 && c.args[1] < 142) << "only START THIS QUEST, at " << c.args[1];
    EXPECT_EQ(c.state.red, 250);
  }
  EXPECT_EQ(Region(1), (std::vector<int>{62, 109, 150, 119}));
  EXPECT_EQ(Region(2), (std::vector<int>{62, 134, 190, 144}));
}

}  // namespace
