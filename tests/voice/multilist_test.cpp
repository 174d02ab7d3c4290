// The two-pane list: filling by rows, mouse, wheel and cursor-key selection with
// separators, and the pick pane scrolled past its end.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "framework/drawstate.h"
#include "platform/draw2d.h"
#include "platform/drawbackend.h"
#include "platform/recordingscreen.h"
#include "voice/mmultilist.h"

namespace {

class MultiListPicker : public ::testing::Test {
 protected:
  void SetUp() override {
    list.DoInit();
    int last = -1;
    last = list.SetData(last, 0, "Edit", 0);
    last = list.SetData(last, 0, "Copy Current Harmonic", 3);
    last = list.SetData(last, 0, "-", 0);
    last = list.SetData(last, 0, "Paste Current Harmonic", 4);
    last = list.SetData(last, 1, "Reset", 0);
    last = list.SetData(last, 1, "Zero Current Harmonic", 12);
    last = list.SetData(last, -999, "", 0);
    EXPECT_EQ(last, 1);
  }
  TMultiList list;
};

TEST_F(MultiListPicker, RowsMakeCategoriesAndItems) {
  EXPECT_EQ(list.CoreEffect[0], "Edit");
  EXPECT_EQ(list.CoreEffect[1], "Reset");
  EXPECT_EQ(list.CoreEffectCount, 1);
  EXPECT_EQ(list.CoreSubCount[0], 3);
  EXPECT_EQ(list.CoreSubCount[1], 1);
  EXPECT_EQ(list.CoreSubEffect[0][1], "-");
  ASSERT_EQ(list.MouseDownPick(2 * 20 + 19), 1);
  EXPECT_EQ(list.GetEffect(), 4);

  // A lower category number appends to the category opened last.
  EXPECT_EQ(list.SetData(1, 0, "Late", 9), 1);
  EXPECT_EQ(list.CoreSubEffect[1][1], "Late");
  EXPECT_EQ(list.CoreSubCount[0], 3);
}

TEST_F(MultiListPicker, CursorKeysSkipOneSeparator) {
  EXPECT_EQ(list.KeyDownPick(40), 0);
  EXPECT_EQ(list.CoreSubSelected[0], 2);
  EXPECT_EQ(list.GetEffectName(), "Paste Current Harmonic");
  list.KeyDownPick(40);  // already the last item
  EXPECT_EQ(list.CoreSubSelected[0], 2);
  list.KeyDownPick(38);
  EXPECT_EQ(list.CoreSubSelected[0], 0);
  list.KeyDownPick(38);
  EXPECT_EQ(list.CoreSubSelected[0], 0);
}

TEST_F(MultiListPicker, PressesOnSeparatorsOrBelowTheItemsAreRefused) {
  EXPECT_EQ(list.MouseDownPick(1 * 20 + 3), 0);
  EXPECT_EQ(list.MouseDownPick(3 * 20), 0);
  EXPECT_EQ(list.MouseDownPick(-1), 0);
  EXPECT_EQ(list.CoreSubSelected[0], 0);
  list.CoreSubEffect[0][3] = "";
  list.CoreSubCount[0] = 4;
  EXPECT_EQ(list.MouseDownPick(3 * 20), 1);  // an empty name inside the count can be chosen
}

TEST_F(MultiListPicker, CategorySwitchResetsScrollAndKeepsEachSelection) {
  list.MouseDownPick(2 * 20);
  list.MouseWheel(0);
  list.MouseWheel(0);
  EXPECT_EQ(list.CoreSubStart, 2);
  EXPECT_EQ(list.MouseDownBrowse(20), 1);
  EXPECT_EQ(list.CoreSubStart, 0);
  EXPECT_EQ(list.MouseDownBrowse(40), 0);  // no third category
  list.MouseWheel(0);
  list.KeyDownBrowse(38);
  EXPECT_EQ(list.CoreSelected, 0);
  EXPECT_EQ(list.CoreSubStart, 0);
  EXPECT_EQ(list.CoreSubSelected[0], 2);
  list.KeyDownBrowse(38);
  EXPECT_EQ(list.CoreSelected, 0);
  list.MouseWheel(1);
  EXPECT_EQ(list.CoreSubStart, 0);
  list.SetHeight(119);
  EXPECT_EQ(list.CoreSubDisplayed, 5);
}

class MultiListDrawing : public ::testing::Test {
 protected:
  void SetUp() override { MAlpha(1.0f); }
  void TearDown() override { MAlpha(1.0f); }
  // The alpha of each MText row drawn, in order (the name text calls).
  std::vector<float> textAlphas() const {
    std::vector<float> alphas;
    for (const TDrawCall& call : recorder.CallsOf(TDrawCallKind::Text)) alphas.push_back(call.state.alpha);
    return alphas;
  }
  TRecordingScreen recorder;
  TMultiList list;
};

// Scrolled by three rows in a pane of six: the top rows fade in, the rows past the pane
// fade out.
TEST_F(MultiListDrawing, TopAndBottomRowsFade) {
  list.DoInit();
  list.CoreSubCount[0] = 12;
  for (int r = 0; r <= 12; ++r) list.CoreSubEffect[0][r] = "Row" + std::to_string(r);
  list.CoreSubStart = 3;
  list.CoreSubDisplayed = 6;
  list.DrawPick(0, 0, 100, 120, 0);
  const std::vector<float> alphas = textAlphas();
  ASSERT_EQ(alphas.size(), 8u);  // rows 3 to 10; 11 and 12 fall below zero and show nothing
  const std::vector<float> expected{0.4f, 0.6f, 1.0f, 1.0f, 0.6f, 0.4f, 0.2f};
  for (size_t i = 0; i < expected.size(); ++i) EXPECT_NEAR(alphas[i], expected[i], 1e-5f) << i;
  for (size_t i = expected.size(); i < alphas.size(); ++i) EXPECT_LT(alphas[i], 0.01f) << i;
  EXPECT_EQ(recorder.CallsOf(TDrawCallKind::Text)[0].text, "Row3");
}

TEST_F(MultiListDrawing, UnfinishedLoopAndPlainRows) {
  list.DoInit();
  list.CoreSubCount[0] = 3;
  list.CoreSubEffect[0][0] = "-Pad";
  list.CoreSubEffect[0][1] = "lLoop";
  list.CoreSubEffect[0][2] = "Lead";
  list.CoreSubDisplayed = 10;
  list.DrawPick(10, 50, 200, 100, 0);
  const auto texts = recorder.CallsOf(TDrawCallKind::Text);
  ASSERT_EQ(texts.size(), 3u);
  EXPECT_EQ(texts[0].text, "(unfinished)   Pad");
  EXPECT_EQ(texts[0].state.red, 140);
  EXPECT_EQ(texts[1].text, "Loop");
  EXPECT_EQ(texts[1].state.red, 200);
  EXPECT_EQ(texts[2].text, "Lead");
  EXPECT_LT(texts[0].args[0], texts[2].args[0]);  // x + 21, x + 22, x + 28
  EXPECT_LT(texts[2].args[0], texts[1].args[0]);
  EXPECT_EQ(texts[1].args[1] - texts[0].args[1], 20.0f);
  // The unfinished entry can be chosen like any other.
  EXPECT_EQ(list.MouseDownPick(5), 1);
  EXPECT_EQ(list.GetEffectName(), "-Pad");
}

TEST_F(MultiListDrawing, ScrolledPastTheEndDrawsNoRows) {
  list.DoInit();
  list.CoreSubCount[0] = 2;
  list.CoreSubEffect[0][0] = "One";
  for (int i = 0; i < 5; ++i) list.MouseWheel(0);
  list.DrawPick(0, 0, 100, 100, 0);
  EXPECT_TRUE(recorder.CallsOf(TDrawCallKind::Text).empty());
}

}  // namespace
