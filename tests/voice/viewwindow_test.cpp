// The view window operations: window start clamps in free and segment modes, paging,
// pointer centring, grid picking, zoom, show all, edit-window shifts and 3D spacing.
#include <limits>

#include "banktest.h"

namespace {

class ViewWindowTest : public BankTest {
 protected:
  TVoice& mono(int length) { return load(std::vector<int16_t>(length, 0)); }
};

TEST_F(ViewWindowTest, FreeWindowKeepsItsWidthAndStopsAtTheEnd) {
  TVoice& voice = mono(10000);
  voice.WindowStart = 2000;
  voice.WindowEnd = 3000;
  EXPECT_EQ(bank->SetWindowStart(V, S, 9500), 0);
  EXPECT_EQ(voice.WindowStart, 8999);
  EXPECT_EQ(voice.WindowEnd, 9999);
  EXPECT_EQ(bank->SetWindowStart(V, S, 9500), 1);
  // Without a window nothing moves.
  voice.WindowStart = 0;
  voice.WindowEnd = -1;
  EXPECT_EQ(bank->SetWindowStart(V, S, 500), 0);
  EXPECT_EQ(voice.WindowEnd, -1);
  EXPECT_EQ(voice.WindowStart, 0);
}

TEST_F(ViewWindowTest, SegmentModesSnapToSegmentBoundaries) {
  TVoice& voice = mono(10000);
  voice.CurrDisplay = 14;
  bank->SetWindowStart(V, S, 300);
  EXPECT_EQ(voice.WindowStart, 256);
  EXPECT_EQ(voice.WindowEnd, 384);
  bank->SetWindowStart(V, S, 9950);
  EXPECT_EQ(voice.WindowStart, 9856);
  EXPECT_EQ(voice.WindowEnd, 9984);
  bank->SetWindowStart(V, S, 9990);
  EXPECT_EQ(voice.WindowStart, 9871);
  EXPECT_EQ(voice.WindowEnd, 9999);
}

TEST_F(ViewWindowTest, StartsNeverGoBelowZeroForShortSamples) {
  TVoice& voice = mono(100);
  voice.CurrDisplay = 14;  // a segment longer than the sample
  bank->SetWindowStart(V, S, 50);
  EXPECT_EQ(voice.WindowStart, 0);
  voice.CurrDisplay = 10;
  voice.WindowStart = 0;
  voice.WindowEnd = 500;  // a window wider than the sample
  bank->SetWindowStart(V, S, 10);
  EXPECT_EQ(voice.WindowStart, 0);
  EXPECT_EQ(voice.WindowEnd, 500);
}

TEST_F(ViewWindowTest, PagingBySteps) {
  TVoice& voice = mono(10000);
  voice.WindowStart = 2;
  voice.WindowEnd = 402;
  bank->SetWindowPos(V, S, -3);
  EXPECT_EQ(voice.WindowStart, 0);
  voice.CurrDisplay = 13;
  voice.WindowStart = 0;
  bank->SetWindowPos(V, S, 5);  // one segment whatever d is
  EXPECT_EQ(voice.WindowStart, 128);
  bank->SetWindowPos2(V, S, 1);  // one grid row of 10 segments
  EXPECT_EQ(voice.WindowStart, 1408);
  bank->SetWindowPos2(V, S, -1);
  EXPECT_EQ(voice.WindowStart, 128);
  bank->SetWindowPos2(V, S, -1);
  EXPECT_EQ(voice.WindowStart, 0);
}

TEST_F(ViewWindowTest, PointerCentringAndGridPicking) {
  TVoice& voice = mono(10000);
  voice.WindowStart = 1000;
  voice.WindowEnd = 3000;
  bank->SetWindowFromMouse(V, S, 50, 102);
  EXPECT_EQ(voice.WindowStart, 4000);
  EXPECT_EQ(voice.WindowEnd, 6000);
  EXPECT_EQ(bank->SetWindowFromMouse(V, S, 50, 2), 0);  // a bar with no width
  EXPECT_EQ(voice.WindowStart, 4000);

  EXPECT_EQ(bank->SetSegmentFromMouse(V, S, 120, 45, 0, 0, 500, 240), 0);  // not the grid
  voice.CurrDisplay = 14;
  EXPECT_EQ(bank->SetSegmentFromMouse(V, S, 120, 45, 0, 0, 500, 240), 22);
  EXPECT_EQ(voice.WindowStart, 22 * 128);
  EXPECT_EQ(bank->SetSegmentFromMouse(V, S, 120, 45, 0, 0, 9, 240), 0);

  voice.EditWindowStart = 0;
  voice.EditWindowEnd = 1001;
  bank->SetEditWindowFromMouse(V, S, 99, 102);  // centred near the end: pushed back
  EXPECT_EQ(voice.EditWindowEnd, 10000);
  EXPECT_EQ(voice.EditWindowStart, 9000);
}

TEST_F(ViewWindowTest, ZoomAndShowAll) {
  TVoice& voice = mono(10000);
  bank->SetWindowModify(V, S, -1000);
  EXPECT_EQ(voice.WindowStart, 1000);
  EXPECT_EQ(voice.WindowEnd, 9000);
  voice.WindowStart = 1000;
  voice.WindowEnd = 1500;
  bank->SetWindowModify(V, S, -200);
  EXPECT_EQ(voice.WindowStart, 1000);
  EXPECT_EQ(voice.WindowEnd, 1400);
  voice.WindowEnd = 3000;
  bank->SetWindowModify(V, S, -1200);
  EXPECT_EQ(voice.WindowStart, 2200);
  EXPECT_EQ(voice.WindowEnd, 2600);
  bank->SetWindowAll(V, S);
  EXPECT_EQ(voice.WindowStart, 0);
  EXPECT_EQ(voice.WindowEnd, 0);  // mono: the end becomes 0, drawn as the whole sample
  bank->SetSegmentSize(V, S, 20000);
  EXPECT_EQ(voice.SegmentSize, 10000);
}

TEST_F(ViewWindowTest, EditWindowShifts) {
  TVoice& voice = mono(10000);
  bank->ForceModifyStart(V, S, 300);
  EXPECT_EQ(voice.EditWindowEnd, -1);
  bank->ModifyEditWindowStart(V, S, 300);
  EXPECT_EQ(voice.EditWindowStart, 0);
  EXPECT_EQ(voice.EditWindowEnd, 10000);
  voice.EditWindowEnd = 1000;
  bank->ModifyEditWindowStart(V, S, 9500);
  EXPECT_EQ(voice.EditWindowStart, 9000);
  EXPECT_EQ(voice.EditWindowEnd, 10000);
  bank->ForceModifyStart(V, S, -20000);
  EXPECT_EQ(voice.EditWindowStart, 0);
  EXPECT_EQ(voice.EditWindowEnd, 1000);
}

TEST_F(ViewWindowTest, EmptySlotsAndExtremeArgumentsAreHarmless) {
  EXPECT_EQ(bank->GetWindowEnd(V, S), -1);
  EXPECT_EQ(bank->GetSegmentSize(V, S), 0);
  EXPECT_EQ(bank->SetSegmentFromMouse(V, S, 1, 1, 0, 0, 100, 100), 0);
  EXPECT_EQ(bank->GetWindowEnd(40, -3), -1);
  TVoice& voice = mono(1000);
  constexpr int kMax = std::numeric_limits<int>::max();
  constexpr int kMin = std::numeric_limits<int>::min();
  bank->SetSegmentStep(V, S, kMax);
  bank->SetSegment(V, S, kMax);
  bank->SetWindowPos2(V, S, 1);
  voice.CurrDisplay = 14;
  bank->SetWindowFromMouse(V, S, kMin, 100);
  bank->SetWindowPos(V, S, kMin);
  bank->SetSegmentStep(V, S, 0);
  EXPECT_EQ(bank->GetSegment(V, S), 0);
  EXPECT_EQ(bank->GetLastSegment(V, S), 0);
  voice.CurrDisplay = 10;
  voice.WindowEnd = -1;
  bank->SetWindowModify(V, S, kMin);
  bank->ModifyEditWindowStart(V, S, kMax);
  EXPECT_GE(voice.WindowStart, 0);
  EXPECT_GE(voice.EditWindowStart, 0);
}

}  // namespace
