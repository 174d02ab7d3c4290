// The toolkit's drawing state: the master alpha, the gradient pair's setters with their
// alpha scaling and clamping, and the number helpers.
#include "framework/drawstate.h"

#include <gtest/gtest.h>

#include <climits>
#include <cmath>
#include <limits>
#include <tuple>

#include "framework/color.h"
#include "framework/toolkitnumbers.h"
#include "platform/draw2d.h"

namespace {

using Rgba = std::tuple<int, int, int, int>;

Rgba Colour1() { return {g_bRed, g_bGreen, g_bBlue, g_bAlpha}; }
Rgba Colour2() { return {g_bRed2, g_bGreen2, g_bBlue2, g_bAlpha2}; }

class GradientPair : public ::testing::Test {
 protected:
  void TearDown() override {
    MAlpha(1.0f);
    MSetCols(255, 255, 255, 255, 255, 255, 255, 255);
    ResetDrawState();
  }
};

TEST_F(GradientPair, OnlyTheSettersThatSaySoClamp) {
  // As given, out of range or not.
  MSetCols(300, -5, 256, 255, 1000, 0, -1, 255);
  EXPECT_EQ(Colour1(), (Rgba{300, -5, 256, 255}));
  EXPECT_EQ(Colour2(), (Rgba{1000, 0, -1, 255}));

  MSetColsMod2(300, -5, 7, 255, 250, 10, 128, 255, 20);
  EXPECT_EQ(Colour1(), (Rgba{300, -5, 7, 255}));
  EXPECT_EQ(Colour2(), (Rgba{255, 30, 148, 255}));
  MSetColsMod2(0, 0, 0, 255, 250, 10, 128, 255, -20);
  EXPECT_EQ(Colour2(), (Rgba{230, 0, 108, 255}));
  MSetColsMod2(0, 0, 0, 255, INT_MAX, INT_MIN, 5, 255, INT_MAX);  // no overflow
  EXPECT_EQ(Colour2(), (Rgba{255, 0, 255, 255}));

  MSetColsCol(TMColor(50, 200, 90), 255);
  EXPECT_EQ(Colour1(), (Rgba{50, 200, 90, 255}));
  EXPECT_EQ(Colour2(), (Rgba{0, 120, 10, 255}));

  MSetCols(10, 20, 30, 40, 250, 0, 128, 60);
  MModCols(300);
  EXPECT_EQ(Colour1(), (Rgba{255, 255, 255, 40}));
  EXPECT_EQ(Colour2(), (Rgba{255, 255, 255, 60}));
  MModCols(-100);
  EXPECT_EQ(Colour1(), (Rgba{155, 155, 155, 40}));
  MModCols(INT_MIN);
  EXPECT_EQ(Colour2(), (Rgba{0, 0, 0, 60}));
}

TEST_F(GradientPair, AbsoluteAlphasAreTruncatedButNeitherScaledNorClamped) {
  MAlpha(0.5f);
  MAlpha2(127.9f, 300.0f);
  EXPECT_EQ(std::tuple(g_bAlpha, g_bAlpha2), std::tuple(127, 300));
  MSetAlpha2(-3.7f, std::numeric_limits<float>::quiet_NaN());
  EXPECT_EQ(std::tuple(g_bAlpha, g_bAlpha2), std::tuple(-3, 0));
  EXPECT_EQ(g_fAlpha, 0.5f);  // the master alpha stays
}

TEST(ToolkitNumbers, ClampTakesTheLowEndForNotANumber) {
  EXPECT_EQ(clamp(-1.0f, 0.0f, 1.0f), 0.0f);
  EXPECT_EQ(clamp(2.0f, 0.0f, 1.0f), 1.0f);
  EXPECT_EQ(clamp(0.25f, 0.0f, 1.0f), 0.25f);
  EXPECT_EQ(clamp(std::nanf(""), -4.0f, 1.0f), -4.0f);
  EXPECT_EQ(clamp(INFINITY, 0.0f, 9.0f), 9.0f);
}

TEST(ToolkitNumbers, FixedPointTruncatesTowardZero) {
  EXPECT_EQ(FloatToFixedPoint(3.14159f, 2), "3.14");
  EXPECT_EQ(FloatToFixedPoint(0.05f, 3), "0.050");
  EXPECT_EQ(FloatToFixedPoint(7.0f, 0), "7.");
  EXPECT_EQ(FloatToFixedPoint(2.999f, 2), "2.99");
  EXPECT_EQ(FloatToFixedPoint(0.0f, 2), "0.00");
  EXPECT_EQ(FloatToFixedPoint(1234.5f, 1), "1234.5");
  EXPECT_EQ(FloatToFixedPoint(0.5f, 1), "0.5");  // as many digits as decimals
  // Negative values carry their sign in front.
  EXPECT_EQ(FloatToFixedPoint(-0.05f, 2), "-0.05");
  EXPECT_EQ(FloatToFixedPoint(-3.14159f, 2), "-3.14");
  // Out-of-range input gives some text, never a crash.
  EXPECT_EQ(FloatToFixedPoint(1.5f, -2), "1.");
  EXPECT_FALSE(FloatToFixedPoint(-1e30f, 30).empty());
  EXPECT_EQ(FloatToFixedPoint(std::nanf(""), 1), "0.0");
}

TEST(ToolkitNumbers, FaderValueAndPositionStayInRange) {
  EXPECT_EQ(GetHFaderFromMouse(-10, 0, 100, 0.0f, 1.0f), 0);
  EXPECT_EQ(GetHFaderFromMouse(150, 0, 100, 0.0f, 10.0f), 10);
  EXPECT_EQ(GetHFaderFromMouse(50, 0, 100, 0.0f, 10.0f), 5);
  EXPECT_EQ(GetHFaderFromMouse(25, 100, 200, -10.0f, 10.0f), -5);  // offset, not a position
  EXPECT_EQ(GetHFaderFromMouse(37, 0, 100, 0.0f, 10.0f), 3);       // 3.7 truncated
  EXPECT_EQ(GetHFaderFromMouse(40, 10, 10, 2.0f, 8.0f), 2);        // no width: the minimum

  EXPECT_EQ(GetHFaderPos(0, 100, 0, 10, 20), 100);
  EXPECT_EQ(GetHFaderPos(0, 100, 0, 10, -5), 0);
  EXPECT_EQ(GetHFaderPos(20, 120, 0, 3, 1), 53);  // 53.33 truncated
  EXPECT_EQ(GetHFaderPos(20, 120, -10, 10, 0), 70);
  EXPECT_EQ(GetHFaderPos(20, 120, 5, 5, 5), 20);               // no range: the left end
  EXPECT_EQ(GetHFaderPos(0, 1000, INT_MIN, INT_MAX, 0), 500);  // no overflow
}

TEST_F(GradientPair, EveryColourSetterScalesItsAlphaByTheMasterAlpha) {
  MAlpha(0.5f);
  EXPECT_EQ(GetAlpha(), 0.5f);  // the draw alpha goes with it
  MSetCols(255, 0, 0, 255, 0, 0, 255, 200);
  EXPECT_EQ(Colour1(), (Rgba{255, 0, 0, 127}));  // 127.5 truncated
  EXPECT_EQ(Colour2(), (Rgba{0, 0, 255, 100}));

  MSetCol(1, 2, 3, 99);
  EXPECT_EQ(Colour1(), (Rgba{1, 2, 3, 49}));
  EXPECT_EQ(Colour2(), (Rgba{0, 0, 255, 100}));  // untouched
  MSetCol2(4, 5, 6, 3);
  EXPECT_EQ(Colour2(), (Rgba{4, 5, 6, 1}));
  EXPECT_EQ(Colour1(), (Rgba{1, 2, 3, 49}));

  MAlpha(0.0f);
  MSetColsMod2(9, 9, 9, 255, 9, 9, 9, 255, 0);
  EXPECT_EQ(std::tuple(g_bAlpha, g_bAlpha2), std::tuple(0, 0));
  MAlpha(0.3f);
  TMColor grey(100, 100, 100);
  MSetColsCol(grey, 255);
  EXPECT_EQ(std::tuple(g_bAlpha, g_bAlpha2), std::tuple(76, 76));  // 76.5 truncated
}

}  // namespace
