// Named colours, colour codes and the draw-colour functions.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "framework/color.h"
#include "framework/colorcodes.h"
#include "framework/drawcolor.h"
#include "framework/palette.h"

namespace {

struct Rgb {
  int r, g, b;
  bool operator==(const Rgb&) const = default;
};

Rgb Channels(const TMColor& c) { return {c.r, c.g, c.b}; }
Rgb DrawColor() {
  Rgb c{};
  GetDrawColor(c.r, c.g, c.b);
  return c;
}

Rgb Named(int n) {
  TMColor c;
  c.SetNum(n);
  return Channels(c);
}

}  // namespace

TEST(NamedColors, SecondNameAndFallbacks) {
  TMColor c;
  for (const char* text : {"17", "maroon", "darkred", "DarkRed"}) {
    c.SetNum(8);
    c.SetName(text);
    EXPECT_EQ(Channels(c), (Rgb{128, 0, 0})) << text;
    EXPECT_EQ(c.GetNum(text), 17) << text;
  }
  c.SetName("RED");
  EXPECT_EQ(Channels(c), (Rgb{255, 0, 0}));
  for (const char* text : {" red", "red ", "+6", "06", "-1", "51", "nosuchcolour", ""}) {
    c.SetNum(8);
    c.SetName(text);
    EXPECT_EQ(Channels(c), (Rgb{255, 255, 255})) << "'" << text << "'";
    EXPECT_EQ(c.GetNum(text), 0) << "'" << text << "'";
  }
  EXPECT_EQ(Named(-1), (Rgb{255, 255, 255}));
  EXPECT_EQ(Named(51), (Rgb{255, 255, 255}));
}

TEST(TMColorValue, ModifyClampsAndRecomputesFloats) {
  TMColor c;
  c.SetCol(200, 10, 0);
  c.Modify(100);
  EXPECT_EQ(Channels(c), (Rgb{255, 110, 100}));
  EXPECT_EQ(c.fr, 1.0f);
  EXPECT_NEAR(c.fb, 100 / 255.0, 1e-6);
  c.SetCol(50, 150, 255);
  c.Modify(-100);
  EXPECT_EQ(Channels(c), (Rgb{0, 50, 155}));
  c.Modify(INT32_MIN);
  EXPECT_EQ(Channels(c), (Rgb{0, 0, 0}));
  c.Modify(INT32_MAX);
  EXPECT_EQ(Channels(c), (Rgb{255, 255, 255}));
}

TEST(ColorCodes, OnlyCodesOneToFortyEightLoadAppCol) {
  for (int code = 0; code < 256; ++code) {
    AppCol.SetCol(1, 2, 3);
    EXPECT_EQ(SetMuisColor(code << 11, 0), 0);
    EXPECT_EQ(Channels(AppCol) != (Rgb{1, 2, 3}), code >= 1 && code <= 48) << code;
  }
  SetMuisColor(1 << 11, 0);
  EXPECT_EQ(Channels(AppCol), (Rgb{140, 140, 140}));
  SetMuisColor(3 << 11, 0);
  EXPECT_EQ(Channels(AppCol), (Rgb{133, 102, 222}));
  EXPECT_NEAR(AppCol.fg, 102 / 255.0, 1e-6);
  SetMuisColor(48 << 11, 0);
  EXPECT_EQ(Channels(AppCol), (Rgb{153, 122, 222}));
}

TEST(ColorCodes, ApplyFollowsTheWholeWord) {
  SetDrawColor(9, 9, 9);
  EXPECT_EQ(SetMuisColor(2048 + 5, 1), 5);
  EXPECT_EQ(Channels(AppCol), (Rgb{140, 140, 140}));
  EXPECT_EQ(DrawColor(), (Rgb{140, 140, 140}));

  AppCol.SetCol(10, 20, 30);
  SetDrawColor(9, 9, 9);
  EXPECT_EQ(SetMuisColor(49 * 2048, 1), 0);  // no colour, but above 1024
  EXPECT_EQ(Channels(AppCol), (Rgb{10, 20, 30}));
  EXPECT_EQ(DrawColor(), (Rgb{10, 20, 30}));

  SetDrawColor(9, 9, 9);
  EXPECT_EQ(SetMuisColor(1025, 1), 1);
  EXPECT_EQ(DrawColor(), (Rgb{10, 20, 30}));

  SetDrawColor(9, 9, 9);
  EXPECT_EQ(SetMuisColor(1024, 1), 0);
  EXPECT_EQ(DrawColor(), (Rgb{9, 9, 9}));
  EXPECT_EQ(Channels(AppCol), (Rgb{10, 20, 30}));

  EXPECT_EQ(SetMuisColor(5 * 2048 + 7, 0), 7);  // apply 0 never draws
  EXPECT_EQ(DrawColor(), (Rgb{9, 9, 9}));
  EXPECT_EQ(Channels(AppCol), (Rgb{230, 10, 0}));

  // A negative word (bit 31) is below 1024 and draws nothing.
  SetDrawColor(9, 9, 9);
  EXPECT_EQ(SetMuisColor(static_cast<int>(0x80000000u | (3 << 11) | 4), 1), 4);
  EXPECT_EQ(DrawColor(), (Rgb{9, 9, 9}));
  EXPECT_EQ(Channels(AppCol), (Rgb{133, 102, 222}));
}

TEST(ColorCodes, ResultKeepsOnlyTheStyleBits) {
  EXPECT_EQ(SetMuisColor(0x40 | 0x100 | 3, 0), 0x143);  // bit 6 and the low bits stay
  EXPECT_EQ(SetMuisColor(0x200 | 0x400 | 3, 0), 3);      // bits 9 and 10 go
  EXPECT_EQ(SetMuisColor((1 << 19) | (1 << 25) | 0x1FF, 0), 0x1FF);
}

TEST(DrawColor, ForegroundDarkenedMultipliedAndShifted) {
  TMColor white;
  white.SetNum(0);
  white.SetFGDark(0.5f);
  EXPECT_EQ(DrawColor(), (Rgb{127, 127, 127}));
  EXPECT_EQ(Channels(white), (Rgb{255, 255, 255}));

  TMColor red;
  red.SetCol(200, 0, 0);
  red.SetFGDark(2.0f);
  EXPECT_EQ(DrawColor(), (Rgb{400, 0, 0}));  // not clamped

  red.SetFG();
  EXPECT_EQ(DrawColor(), (Rgb{200, 0, 0}));

  SetDrawColor(100, 200, 50);
  MultiplyColor(1.5f);
  EXPECT_EQ(DrawColor(), (Rgb{150, 255, 75}));
  MultiplyColor(-1.0f);
  EXPECT_EQ(DrawColor(), (Rgb{0, 0, 0}));

  SetDrawColor(10, 128, 250);
  ModifyColor(20);
  EXPECT_EQ(DrawColor(), (Rgb{30, 148, 255}));
  ModifyColor(-40);
  EXPECT_EQ(DrawColor(), (Rgb{0, 108, 215}));
}
