// The image controls and the pedal through the recording backend: slot resolution and
// the -2 mark, frames cut at the image height, the icon's geometry, and the pedal's
// effect tables and bounds.
#include "framework/imagecontrols.h"

#include <gtest/gtest.h>

#include <climits>
#include <string>
#include <tuple>
#include <vector>

#include "framework/drawstate.h"
#include "framework/imagetesting.h"
#include "framework/imagewrappers.h"
#include "framework/palette.h"
#include "framework/windowtesting.h"

namespace {

constexpr TImageCall kRect = TImageCall::DrawImageRect;
constexpr TImageCall kSub = TImageCall::DrawSubImageRect;
using Rgb = std::tuple<int, int, int>;

Rgb ColorOf(const TDrawCall& c) { return {c.state.red, c.state.green, c.state.blue}; }

// "pic.png" (20 x 10), "strip.png" (90 x 30) and "pedal.png" (ten 180-pixel frames,
// 50 high) in a temporary current folder.
class ImageControlTest : public RecordedImageTest {
 protected:
  void SetUp() override {
    RecordedImageTest::SetUp();
    WritePng(tmp / "pic.png", 20, 10);
    WritePng(tmp / "strip.png", 90, 30);
    WritePng(tmp / "pedal.png", 1800, 50);
    in = std::make_unique<InFolder>(tmp.path());
  }
  void TearDown() override {
    in.reset();
    FXBase.fill(0);
    FXDecal.fill(0);
    g_fAlpha = 1.0f;
    RecordedImageTest::TearDown();
  }
  // Runs f with the log lines of the loads swallowed.
  template <typename F>
  void Quietly(F&& f) {
    PrintedBy(f);
  }

  TempFolder tmp;
  std::unique_ptr<InFolder> in;
};

TEST_F(ImageControlTest, ASlotIsLookedUpOnceAndAFailureIsRemembered) {
  int slot = 0;
  EXPECT_EQ(MImage(0, 0, 10, 10, -1, ""), -1);
  EXPECT_EQ(Images, nullptr);  // no look-up for an empty name
  EXPECT_EQ(MImage(0, 0, 10, 10, -2, "pic"), -2);
  EXPECT_EQ(MImage(0, 0, 10, 10, -1, "missing"), -2);
  EXPECT_EQ(MImageFrame(0, 0, 10, 10, -1, "missing", 10, 0), -2);
  EXPECT_EQ(MImageFramePart(0, 0, 10, 10, -1, "", 10, 0, 0.0f, 1.0f), -1);
  EXPECT_EQ(MImageFrameCol(0, 0, 10, 10, -5, "pic", 10, 0), -5);
  EXPECT_TRUE(recorder.Calls().empty());
  Quietly([&] { slot = MImage(1, 2, 30, 40, -1, "pic"); });
  ASSERT_GE(slot, 0);
  // A kept slot draws without its name.
  EXPECT_EQ(MImage(1, 2, 30, 40, slot, ""), slot);
  const std::vector<TDrawCall> calls = recorder.CallsOf(TDrawCallKind::Image);
  ASSERT_EQ(calls.size(), 2u);
  EXPECT_EQ(ImageDraws(recorder)[1], (ImageDraw{kRect, {1, 2, 30, 40}, {0, 0, 20, 10}}));
  EXPECT_EQ(ColorOf(calls[1]), Rgb(255, 255, 255));
}

TEST_F(ImageControlTest, FramesAreCutAtTheFullImageHeight) {
  int slot = -1;
  Quietly([&] { slot = MImageFrame(0, 0, 10, 20, -1, "strip", 30, 2); });
  SetColor(10, 20, 30);
  MImageFrameCol(0, 0, 10, 20, slot, "", 45, 1);
  MDrawImageControlFrameCol(0, 0, 10, 20, slot, "strip", 45, 0);
  SetColor(10, 20, 30);
  MImageFramePart(0, 0, 10, 20, slot, "", 30, 1, 0.5f, 1.0f);
  EXPECT_EQ(ImageDraws(recorder), (std::vector<ImageDraw>{
                                      {kSub, {0, 0, 10, 20}, {60, 0, 30, 30}},
                                      {kSub, {0, 0, 10, 20}, {45, 0, 45, 30}},
                                      {kSub, {0, 0, 10, 20}, {0, 0, 45, 30}},
                                      {kSub, {0, 0, 10, 20}, {30, 15, 30, 15}},
                                  }));
  const std::vector<TDrawCall> calls = recorder.CallsOf(TDrawCallKind::Image);
  EXPECT_EQ(ColorOf(calls[0]), Rgb(255, 255, 255));
  EXPECT_EQ(ColorOf(calls[1]), Rgb(10, 20, 30));  // the Col forms tint
  EXPECT_EQ(ColorOf(calls[2]), Rgb(10, 20, 30));
  EXPECT_EQ(ColorOf(calls[3]), Rgb(255, 255, 255));
}

// The pedal's image box in a 100 x 100 box at the origin is (22, 4, 56, 92).
ImageDraw PedalFrame(int frame) {
  return {kSub, {22, 4, 56, 92}, {180.0f * static_cast<float>(frame), 0, 180, 50}};
}

TEST_F(ImageControlTest, ThePedalsTableFormReadsTheEffectTables) {
  Quietly([] { MPedal(0, 0, 100, 100, 0, 0, 0, 0, 0, 0x800, 0, ""); });
  EXPECT_EQ(ImageDraws(recorder), (std::vector<ImageDraw>{PedalFrame(0), PedalFrame(2)}));
  std::vector<TDrawCall> calls = recorder.CallsOf(TDrawCallKind::Image);
  EXPECT_EQ(std::tuple(ColorOf(calls[0]), ColorOf(calls[1])),
            std::tuple(Rgb(140, 140, 140), Rgb(255, 255, 255)));

  // Body bit of entry 3, top bits of entry 5, decal of entry 6 in colour code 41.
  FXBase[3] = 0x7;  // body 1 (the top bits are not read for the body)
  FXBase[5] = 0xC;  // top 6, drawn as frame 8; bit 0 is not read for the top
  FXDecal[6] = 2;
  recorder.Clear();
  MPedal(0, 0, 100, 100, 0, 0, 3, 5, 6, 0x800, 0x14800, "");
  EXPECT_EQ(ImageDraws(recorder),
            (std::vector<ImageDraw>{PedalFrame(1), PedalFrame(8), PedalFrame(8)}));
  calls = recorder.CallsOf(TDrawCallKind::Image);
  EXPECT_EQ(std::tuple(ColorOf(calls[0]), ColorOf(calls[1]), ColorOf(calls[2])),
            std::tuple(Rgb(140, 140, 140), Rgb(30, 30, 30), Rgb(255, 255, 255)));
}

TEST_F(ImageControlTest, ThePedalDrawsNothingForIndicesOutsideTheTables) {
  FXBase.fill(0xF);
  FXDecal.fill(1);
  Quietly([] {
    MPedal(0, 0, 100, 100, 0, 0, 8, -1, 99, 0x800, 0, "");
    MPedal(0, 0, 100, 100, 0, 0, INT_MIN, INT_MAX, -8, 0x800, 0, "");
  });
  EXPECT_TRUE(recorder.CallsOf(TDrawCallKind::Image).empty());
  // One valid index draws its own piece only.
  MPedal(0, 0, 100, 100, 0, 0, 9, 7, 9, 0x800, 0, "");
  EXPECT_EQ(ImageDraws(recorder), std::vector<ImageDraw>{PedalFrame(9)});
  // Decal numbers at the int limit wrap to a frame instead of overflowing.
  recorder.Clear();
  FXDecal[0] = INT_MAX;
  MPedal(0, 0, 100, 100, 0, 0, 0, 0, 0, 0x800, 0, "");
  MPedal(0, 0, 100, 100, 0, 0, 0, 0, INT_MAX, 0x800, -1, "");
  EXPECT_EQ(ImageDraws(recorder).size(), 4u);
}

TEST_F(ImageControlTest, TheIconSitsRightOfCentreWithItsShadowBelow) {
  SetColor(9, 9, 9);
  Quietly([] {
    MDrawImageControl(100, 200, 100, 40, -1, "pic", 1, 0);
    MDrawImageControl(100, 200, 100, 40, -1, "pic", 1, 1);
  });
  EXPECT_EQ(ImageDraws(recorder), (std::vector<ImageDraw>{
                                      {kRect, {145, 205, 22, 22}, {0, 0, 20, 10}},
                                      {kRect, {145, 203, 22, 22}, {0, 0, 20, 10}},
                                      {kRect, {139, 205, 22, 22}, {0, 0, 20, 10}},
                                      {kRect, {139, 203, 22, 22}, {0, 0, 20, 10}},
                                  }));
  const std::vector<TDrawCall> calls = recorder.CallsOf(TDrawCallKind::Image);
  EXPECT_EQ(std::tuple(ColorOf(calls[0]), ColorOf(calls[1])),
            std::tuple(Rgb(0, 0, 0), Rgb(255, 255, 255)));
}

}  // namespace
