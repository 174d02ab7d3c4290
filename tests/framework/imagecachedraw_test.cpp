// The image cache's draws through the recording backend: centred boxes, 32-bit cell
// positions, and the slots and empty cells that draw nothing.
#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "framework/imagecache.h"
#include "framework/imagetesting.h"
#include "platform/numbers.h"

namespace {

constexpr TImageCall kRect = TImageCall::DrawImageRect;
constexpr TImageCall kSub = TImageCall::DrawSubImageRect;
constexpr int kNow = 4242;

// Slot 0 holds a 300 x 60 image cut into cells of 50 x 20 (6 columns, 3 rows).
class ImageCacheDrawTest : public RecordedImageTest {
 protected:
  void SetUp() override {
    RecordedImageTest::SetUp();
    cache.Init();
    FillSlot(cache, 0, 300, 60);
    cache.SetFrameWidthHeight(0, 50, 20);
    SetTestClock([] { return kNow; });
  }
  void TearDown() override {
    SetTestClock(nullptr);
    RecordedImageTest::TearDown();
  }
  // The one draw that f made, and whether it stamped slot 0.
  std::pair<ImageDraw, bool> Drawn(const std::function<void()>& f) {
    recorder.Clear();
    cache.time[0] = 0;
    f();
    const std::vector<ImageDraw> draws = ImageDraws(recorder);
    EXPECT_EQ(draws.size(), 1u);
    return {draws.empty() ? ImageDraw{} : draws[0], cache.time[0] == kNow};
  }

  TMImages cache;
};

using Expected = std::pair<ImageDraw, bool>;

TEST_F(ImageCacheDrawTest, CentredDrawsPutTheBoxHalfItsSizeLeftAndUp) {
  EXPECT_EQ(Drawn([&] { cache.drawCenter(10, 20, 5, 7, 0); }),
            Expected({kRect, {8, 17, 5, 7}, {0, 0, 300, 60}}, true));
  EXPECT_EQ(Drawn([&] { cache.drawFrameCenter(10, 20, 5, 7, 0, 1); }),
            Expected({kSub, {8, 17, 5, 7}, {50, 0, 50, 60}}, true));
}

TEST_F(ImageCacheDrawTest, SlotsWithoutAnImageDrawNothing) {
  const std::vector<std::function<void(int)>> draws = {
      [&](int s) { cache.draw(0, 0, 9, 9, s); },
      [&](int s) { cache.drawCenter(0, 0, 9, 9, s); },
      [&](int s) { cache.drawFramePart(0, 0, 9, 9, s, 0, 0.0f, 1.0f); },
      [&](int s) { cache.DrawFrameRect(0, 0, 9, 9, s, 0, 0, 1, 1); },
      [&](int s) { cache.drawFrame(0, 0, 9, 9, s, 0); },
      [&](int s) { cache.drawFrameLine(0, 0, 9, 9, s, 0, 0); },
      [&](int s) { cache.drawFrameLinePart(0, 0, 9, 9, s, 0, 0, 0.1f); },
      [&](int s) { cache.drawFrame2(0, 0, 9, 9, s, 0, 0); },
      [&](int s) { cache.drawCustomFramePart(0, 0, 9, 9, 0, 0, s, 0, 0.0f, 1.0f); },
      [&](int s) { cache.drawCustomFrame(0, 0, 9, 9, 0, 0, s, 0); },
      [&](int s) { cache.drawCustom(0, 0, 9, 9, s); },
      [&](int s) { cache.drawFrameCenter(0, 0, 9, 9, s, 0); }};
  for (int slot : {-1, -2, 1, kMaxImages, kImageSlots, 1 << 30}) {
    for (size_t i = 0; i < draws.size(); ++i) draws[i](slot);
  }
  EXPECT_TRUE(recorder.Calls().empty());
  EXPECT_EQ(cache.time[1], 0);
}

TEST_F(ImageCacheDrawTest, CellPositionsAreThirtyTwoBitProducts) {
  cache.SetFrameWidthHeight(0, 1 << 16, 20);
  // 65536 * 65536 wraps to 0 in 32 bits; 65536 * 3 does not.
  EXPECT_EQ(Drawn([&] { cache.drawFrame(0, 0, 9, 9, 0, 1 << 16); }).first.source[0], 0.0f);
  EXPECT_EQ(Drawn([&] { cache.drawFrame(0, 0, 9, 9, 0, 3); }).first.source[0], 196608.0f);
}

TEST_F(ImageCacheDrawTest, AnEmptyCellDrawsNothing) {
  cache.SetFrameWidthHeight(0, 0, 20);
  cache.drawFrame(0, 0, 9, 9, 0, 1);
  cache.drawFrameLine(0, 0, 9, 9, 0, 1, 1);
  cache.drawCustomFrame(0, 0, 9, 9, 0, 0, 0, 1);
  cache.SetFrameWidthHeight(0, 50, 0);
  cache.drawFrame(0, 0, 9, 9, 0, 1);
  cache.drawFrameLinePart(0, 0, 9, 9, 0, 1, 1, 0.5f);  // cut to nothing by the part too
  cache.SetFrameWidthHeight(0, 50, 20);
  cache.drawFrameLinePart(0, 0, 9, 9, 0, 1, 1, 0.5f);
  EXPECT_TRUE(recorder.Calls().empty());
}

TEST_F(ImageCacheDrawTest, TheSubRectangleDrawChecksTheFrameAndKeepsTheHandle) {
  cache.MDrawSubImageRect(cache.Image[0], 5, 6, 20, 10, 0, 0, 40, 20, 0, 0, 1);  // no frame 1
  cache.MDrawSubImageRect(cache.Image[0], 5, 6, 20, 10, 0, 0, 40, 20, 0, 0, -1);
  cache.MDrawSubImageRect(nullptr, 5, 6, 20, 10, 0, 0, 40, 20, 0, 0, 0);
  EXPECT_TRUE(recorder.Calls().empty());
  cache.MDrawSubImageRect(cache.Image[0], 5, 6, 20, 10, 0, 0, 40, 20, 8, 4, 0);
  const std::vector<TDrawCall> calls = recorder.CallsOf(TDrawCallKind::Image);
  ASSERT_EQ(calls.size(), 1u);
  EXPECT_EQ(calls[0].args, (std::vector<float>{5, 6, 20, 10, 0, 0, 40, 20, 8, 4}));
}

}  // namespace
