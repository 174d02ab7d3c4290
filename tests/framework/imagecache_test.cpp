// The image cache's slots: where a name is looked for and in which order, the frame size
// a lookup sets, case-sensitive names, a full cache and failed loads.
#include "framework/imagecache.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "framework/imageprefetch.h"
#include "framework/imagetesting.h"
#include "framework/windowtesting.h"
#include "platform/paths.h"
#include "platform/pixmap.h"

namespace {

// A cache as the toolkit makes it.
struct Cache : TMImages {
  Cache() { Init(); }
};

TEST(ImageCacheTest, TheFourPlacesAreTriedInOrderEachResourcesFolderInBothSpellings) {
  TempFolder tmp;
  const std::string work = tmp / "work";
  const std::string name =
      "order-" + std::filesystem::path(tmp.path()).filename().string() + ".png";
  const std::string bundle = AppDir() + "/..";
  // Every place holds the name, each at its own width; the winner is removed each round.
  const std::vector<std::string> places = {
      work + "/" + name,           bundle + "/Resources/" + name, bundle + "/resources/" + name,
      work + "/Resources/" + name, work + "/resources/" + name,   tmp / ("Resources/" + name),
      tmp / ("resources/" + name)};
  const std::vector<std::string> loadedFrom = {name,
                                               bundle + "/Resources/" + name,
                                               bundle + "/resources/" + name,
                                               "Resources/" + name,
                                               "resources/" + name,
                                               "../Resources/" + name,
                                               "../resources/" + name};
  for (size_t i = 0; i < places.size(); ++i) WritePng(places[i], static_cast<int>(i) + 1, 4);

  {
    InFolder in(work);
    for (size_t i = 0; i < places.size(); ++i) {
      TMImages cache;
      cache.Init();
      PrintedBy([&] { ASSERT_EQ(cache.SetImage(name), 0) << i; });
      EXPECT_EQ(cache.GetWidth(0), static_cast<int>(i) + 1) << i;
      EXPECT_EQ(cache.strTrueFile[0], loadedFrom[i]);
      EXPECT_EQ(cache.strFile[0], name);
      std::filesystem::remove(places[i]);
    }
    TMImages cache;
    cache.Init();
    EXPECT_EQ(cache.SetImage(name), -1);
  }
  std::error_code ignored;
  std::filesystem::remove(bundle + "/Resources", ignored);  // only when left empty
  std::filesystem::remove(bundle + "/resources", ignored);
}

TEST(ImageCacheTest, AnImageDecodedAheadIsTakenOnceByTheCache) {
  TempFolder tmp;
  WritePng(tmp / "resources/ahead.png", 30, 20);
  InFolder in(tmp.path());
  PrefetchImages({"ahead.png", "nowhere.png"});
  std::shared_ptr<TPixmap> pixmap;
  ASSERT_TRUE(TakePrefetched("resources/ahead.png", pixmap));  // where the cache would look
  ASSERT_TRUE(pixmap);
  EXPECT_EQ(pixmap->width, 30);
  EXPECT_FALSE(TakePrefetched("resources/ahead.png", pixmap));  // once
  EXPECT_FALSE(TakePrefetched("resources/nowhere.png", pixmap));

  // Decoded ahead or not, the cache loads the same image from the same place.
  PrefetchImages({"ahead.png"});
  Cache cache;
  int slot = -1;
  PrintedBy([&] { slot = cache.GetImage("ahead.png", -1); });
  ASSERT_GE(slot, 0);
  EXPECT_EQ(cache.GetWidth(slot), 30);
  EXPECT_EQ(cache.strTrueFile[slot], "resources/ahead.png");
  EXPECT_FALSE(TakePrefetched("resources/ahead.png", pixmap));  // the cache took it
}

TEST(ImageCacheTest, ANameMayBeAPathFromTheCurrentFolderOrAnAbsoluteOne) {
  TempFolder tmp;
  WritePng(tmp / "art/sub/deep.png", 5, 2);
  InFolder in(tmp / "art");
  Cache cache;
  PrintedBy([&] {
    EXPECT_EQ(cache.GetImage("sub/deep.png", -1), 0);
    EXPECT_EQ(cache.GetImage(tmp / "art/sub/deep.png", -1), 1);
  });
  EXPECT_EQ(cache.strTrueFile[1], tmp / "art/sub/deep.png");
}

TEST(ImageCacheTest, AFileThatDoesNotDecodeGivesWayToTheNextPlaceAndNothingIsPrinted) {
  TempFolder tmp;
  WriteBytes(tmp / "art.png", "not a picture");
  WritePng(tmp / "Resources/art.png", 3, 3);
  WriteBytes(tmp / "bad.png", "not a picture either");
  WriteBytes(tmp / "ahead.png", "decoded ahead, on another thread");
  InFolder in(tmp.path());
  Cache cache;
  EXPECT_EQ(PrintedBy([&] {
              PrefetchImages({"ahead.png"});
              EXPECT_EQ(cache.GetImage("art.png", -1), 0);
              EXPECT_EQ(cache.GetImage("bad.png", -1), -1);
              EXPECT_EQ(cache.GetImage("ahead.png", -1), -1);
            }),
            std::vector<std::string>{});
  EXPECT_EQ(cache.strTrueFile[0], "Resources/art.png");
}

TEST(ImageCacheTest, AFirstLookupSetsTheFrameSizeALaterOneKeepsIt) {
  TempFolder tmp;
  WritePng(tmp / "pedal.png", 720, 30);
  WritePng(tmp / "strip.png", 40, 10);
  WritePng(tmp / "zero.png", 40, 10);
  InFolder in(tmp.path());
  Cache cache;
  ASSERT_EQ(cache.GetImage("pedal.png", -1), 0);
  EXPECT_EQ(std::tuple(cache.nFWidth[0], cache.nFHeight[0]), std::tuple(30, 30));
  EXPECT_EQ(cache.GetImage("pedal.png", 180), 0);
  EXPECT_EQ(std::tuple(cache.nFWidth[0], cache.nFHeight[0]), std::tuple(30, 30));
  EXPECT_EQ(cache.nCount, 0);
  // Any other width is stored as given, 0 and negatives too.
  ASSERT_EQ(cache.GetImage("strip.png", 8), 1);
  EXPECT_EQ(std::tuple(cache.nFWidth[1], cache.nFHeight[1]), std::tuple(8, 10));
  ASSERT_EQ(cache.GetImage("zero.png", -7), 2);
  EXPECT_EQ(cache.nFWidth[2], -7);
  // SetImage itself sets no frame size.
  cache.nFWidth[3] = cache.nFHeight[3] = 5;
  ASSERT_EQ(cache.SetImage("strip.png"), 3);
  EXPECT_EQ(std::tuple(cache.nFWidth[3], cache.nFHeight[3]), std::tuple(5, 5));
}

TEST(ImageCacheTest, NamesAreCaseSensitive) {
  TempFolder tmp;
  WritePng(tmp / "knob.png", 4, 4);
  WritePng(tmp / "Knob.png", 6, 6);
  WritePng(tmp / "resources/Only.png", 2, 2);
  InFolder in(tmp.path());
  Cache cache;
  EXPECT_EQ(cache.GetImage("knob.png", -1), 0);
  EXPECT_EQ(cache.GetImage("Knob.png", -1), 1);
  EXPECT_EQ(cache.GetImage("knob.png", -1), 0);
  EXPECT_EQ(cache.GetWidth(1), 6);
  EXPECT_EQ(cache.GetImage("KNOB.png", -1), -1);
  EXPECT_EQ(cache.GetImage("only.png", -1), -1);
  EXPECT_EQ(cache.GetImage("Only.png", -1), 2);
  EXPECT_EQ(cache.strTrueFile[2], "resources/Only.png");
}

TEST(ImageCacheTest, AFailedLoadLeavesTheCacheAsItWas) {
  TempFolder tmp;
  WritePng(tmp / "a.png", 2, 2);
  WritePng(tmp / "b.png", 2, 2);
  InFolder in(tmp.path());
  Cache cache;
  ASSERT_EQ(cache.GetImage("a.png", -1), 0);
  EXPECT_EQ(cache.GetImage("missing.png", -1), -1);
  EXPECT_EQ(cache.GetImage("", -1), -1);           // stops at the first free slot and loads nothing
  EXPECT_EQ(cache.GetImage("Resources", -1), -1);  // not a file
  EXPECT_EQ(cache.nCount, 0);
  EXPECT_EQ(cache.nImageRef[1], -1);
  EXPECT_EQ(cache.strFile[1], "");
  EXPECT_EQ(cache.GetImage("b.png", -1), 1);
  // A name that failed is tried afresh.
  WritePng(tmp / "missing.png", 2, 2);
  EXPECT_EQ(cache.GetImage("missing.png", -1), 2);
}

TEST(ImageCacheTest, AFullCacheFindsItsLastSlotAndRefusesMore) {
  TempFolder tmp;
  WritePng(tmp / "fill.png", 1, 1);
  WritePng(tmp / "last.png", 3, 1);
  WritePng(tmp / "more.png", 1, 1);
  InFolder in(tmp.path());
  Cache cache;
  PrintedBy([&] {
    for (int slot = 0; slot < kMaxImages; ++slot) ASSERT_EQ(cache.SetImage("fill.png"), slot);
    ASSERT_EQ(cache.GetImage("last.png", -1), kMaxImages);
  });
  EXPECT_EQ(cache.GetImage("last.png", -1), kMaxImages);
  EXPECT_EQ(cache.GetImage("fill.png", -1), 0);
  EXPECT_EQ(cache.GetImage("more.png", -1), -1);
  EXPECT_EQ(cache.SetImage("more.png"), -1);
  EXPECT_EQ(cache.GetImage("", -1), -1);
  EXPECT_EQ(cache.nCount, kMaxImages);
}

TEST(ImageCacheTest, SizesAndFrameSettersStayInsideTheSlots) {
  Cache cache;
  FillSlot(cache, 0, 30, 20);
  EXPECT_EQ(std::tuple(cache.GetWidth(0), cache.GetHeight(0)), std::tuple(30, 20));
  for (int slot : {-1, 1, kImageSlots}) {
    EXPECT_EQ(std::tuple(cache.GetWidth(slot), cache.GetHeight(slot)), std::tuple(0, 0)) << slot;
    cache.SetFrameWidthHeight(slot, 9, 9);  // must not write past the tables
  }
}

}  // namespace
