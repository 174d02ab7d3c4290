// The image wrappers: the shared cache made on first use, the second look-up one folder
// up, the cell size each wrapper sets before it draws, and slots that draw nothing.
#include "framework/imagewrappers.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "framework/imagetesting.h"
#include "framework/windowtesting.h"

namespace {

constexpr TImageCall kSub = TImageCall::DrawSubImageRect;

// A temporary folder as the current one, holding "grid.png" (300 x 200) and
// "strip.png" (120 x 30); "up.png" lies only in the folder above.
class ImageWrapperTest : public RecordedImageTest {
 protected:
  void SetUp() override {
    RecordedImageTest::SetUp();
    WritePng(tmp / "work/grid.png", 300, 200);
    WritePng(tmp / "work/strip.png", 120, 30);
    WritePng(tmp / "up.png", 8, 8);
    in = std::make_unique<InFolder>(tmp / "work");
  }
  void TearDown() override {
    in.reset();
    RecordedImageTest::TearDown();
  }
  int Slot(const std::string& name) {
    int slot = -1;
    PrintedBy([&] { slot = MGetImage(name, -1); });
    return slot;
  }

  TempFolder tmp;
  std::unique_ptr<InFolder> in;
};

TEST_F(ImageWrapperTest, TheFirstLookupMakesTheCacheAndLaterOnesReuseIt) {
  ASSERT_EQ(Images, nullptr);
  PrintedBy([] { MDrawImage(0, 0, 10, 10, "grid.png"); });
  ASSERT_NE(Images, nullptr);
  const TMImages* cache = Images.get();
  EXPECT_EQ(Images->nImageRef[1], -1);  // initialised
  EXPECT_EQ(Slot("strip.png"), 1);
  EXPECT_EQ(Slot("grid.png"), 0);
  EXPECT_EQ(Images.get(), cache);
  EXPECT_EQ(ImageDraws(recorder).size(), 1u);
}

TEST_F(ImageWrapperTest, ANameNotFoundIsLookedForOneFolderUp) {
  EXPECT_EQ(Slot("up.png"), 0);
  EXPECT_EQ(Images->strFile[0], "../up.png");
  EXPECT_EQ(Slot("nowhere.png"), -1);
  EXPECT_EQ(Images->nCount, 0);
}

TEST_F(ImageWrapperTest, TheGridCellSizeIsTheImageCutIntoColumnsAndRows) {
  PrintedBy([] { MDrawImageFrameXCYC(5, 6, 50, 40, "grid.png", 2, 1, 3, 2); });
  const int slot = Slot("grid.png");
  EXPECT_EQ(std::tuple(Images->nFWidth[slot], Images->nFHeight[slot]), std::tuple(100, 100));
  EXPECT_EQ(ImageDraws(recorder),
            (std::vector<ImageDraw>{{kSub, {5, 6, 50, 40}, {200, 100, 100, 100}}}));
  // No columns or no rows: no grid to cut, nothing set or drawn.
  recorder.Clear();
  MDrawImageFrameXCYC(5, 6, 50, 40, "grid.png", 0, 0, 0, 2);
  MDrawImageFrameXCYC(5, 6, 50, 40, "grid.png", 0, 0, 3, -1);
  EXPECT_TRUE(recorder.Calls().empty());
  EXPECT_EQ(Images->nFWidth[slot], 100);
}

TEST_F(ImageWrapperTest, SlotWrappersSetTheCellBeforeTheyDraw) {
  const int slot = Slot("strip.png");
  MDrawImageNumFrameWidthHeight(1, 2, 3, 4, slot, 2, 40, 15);
  MDrawImageFrameWidthHeight(1, 2, 3, 4, "strip.png", 1, 30, 10);
  MDrawImageNumFrameLineWidthHeight(1, 2, 3, 4, slot, 1, 2, 20, 10);
  MDrawImageNumFrameLineWidthHeightPart(1, 2, 40, 40, slot, 1, 1, 20, 10, 0.25f);
  MDrawImageNumFrame(1, 2, 3, 4, slot, 3);
  EXPECT_EQ(ImageDraws(recorder), (std::vector<ImageDraw>{
                                      {kSub, {1, 2, 3, 4}, {80, 0, 40, 15}},
                                      {kSub, {1, 2, 3, 4}, {30, 0, 30, 10}},
                                      {kSub, {1, 2, 3, 4}, {20, 20, 20, 10}},
                                      {kSub, {1, 2, 40, 25}, {20, 10, 20, 5}},
                                      {kSub, {1, 2, 3, 4}, {60, 0, 20, 10}},
                                  }));
}

TEST_F(ImageWrapperTest, TheHeightLooksTheBaseNameUpOnlyForSlotMinusOne) {
  int height = 0;
  PrintedBy([&] { height = MGetImageHeight("strip", -1); });
  EXPECT_EQ(height, 30);
  EXPECT_EQ(MGetImageHeight("grid", 0), 30);  // the slot wins over the name
  for (int slot : {-2, 1, kImageSlots}) EXPECT_EQ(MGetImageHeight("strip", slot), 0) << slot;
  EXPECT_EQ(MGetImageHeight("missing", -1), 0);
}

TEST_F(ImageWrapperTest, SlotsWithoutAnImageDrawAndSetNothing) {
  // Before the cache exists.
  MSetFrameWidth(0, 5);
  MDrawImageNum(0, 0, 9, 9, 0);
  EXPECT_EQ(Images, nullptr);
  const int slot = Slot("strip.png");
  for (int bad : {-1, -2, slot + 1, kMaxImages, kImageSlots}) {
    MSetFrameWidth(bad, 5);
    MDrawImageNum(0, 0, 9, 9, bad);
    MDrawImageNumFrame(0, 0, 9, 9, bad, 0);
    MDrawImageNumFrameWidthHeight(0, 0, 9, 9, bad, 0, 5, 5);
    MDrawImageNumFramePart(0, 0, 9, 9, bad, 0, 0.0f, 1.0f);
    MDrawImageNumFrameLineWidthHeight(0, 0, 9, 9, bad, 0, 0, 5, 5);
    MDrawImageNumFrameLineWidthHeightPart(0, 0, 9, 9, bad, 0, 0, 5, 5, 0.1f);
    MDrawImageNumFrameRect(0, 0, 9, 9, bad, 0, 0, 5, 5);
    MDrawCustomImageNum(0, 0, 9, 9, bad);
    MDrawCustomImageNumFrame(0, 0, 9, 9, 5, 10, bad, 0);
    MDrawCustomImageNumFramePart(0, 0, 9, 9, 5, 10, bad, 0, 0.0f, 1.0f);
    MDrawCImageNumFrame(0, 0, 9, 9, bad, 0);
  }
  MDrawImage(0, 0, 9, 9, "missing.png");
  MDrawImageFrameWidthHeight(0, 0, 9, 9, "missing.png", 0, 5, 5);
  EXPECT_TRUE(recorder.Calls().empty());
  EXPECT_EQ(std::tuple(Images->nFWidth[slot + 1], Images->nFHeight[slot + 1]), std::tuple(0, 0));
}

TEST_F(ImageWrapperTest, EachCallDrawsWithTheFrameWidthItSets) {
  PrintedBy([] {
    MDrawImageFrameWidth(0, 0, 10, 10, "strip.png", 1, 40);
    MDrawImageFrameWidth(0, 0, 10, 10, "strip.png", 1, 20);
  });
  const std::vector<ImageDraw> draws = ImageDraws(recorder);
  ASSERT_EQ(draws.size(), 2u);
  EXPECT_EQ(draws[0].source, (std::vector<float>{40, 0, 40, 30}));
  EXPECT_EQ(draws[1].source, (std::vector<float>{20, 0, 20, 30}));
  // Without a setter the cell stays as the last caller set it.
  recorder.Clear();
  MDrawImageFrame(0, 0, 10, 10, "strip.png", 2);
  EXPECT_EQ(ImageDraws(recorder)[0].source, (std::vector<float>{40, 0, 20, 30}));
}

}  // namespace
