// Helpers of the image tests: PNG files of a given size, a current folder changed for the
// length of a test, a fresh shared image cache, and the image draws a recording kept.
#pragma once
#include <gtest/gtest.h>

#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include "framework/imagecache.h"
#include "framework/testfolder.h"
#include "platform/draw2d.h"
#include "platform/files.h"
#include "platform/image.h"
#include "platform/pixmap.h"
#include "platform/recordingscreen.h"

// A width x height PNG at path, its folders made as needed.
inline void WritePng(const std::string& path, int width, int height) {
  std::error_code ignored;
  const std::filesystem::path p(path);
  if (p.has_parent_path()) std::filesystem::create_directories(p.parent_path(), ignored);
  std::shared_ptr<TPixmap> pixels = CreatePixmap(width, height);
  ASSERT_TRUE(pixels && SavePixmapPNG(*pixels, path)) << path;
}

// Puts an image of width x height into a cache slot without any file, as a load would.
inline void FillSlot(TMImages& cache, int slot, int width, int height) {
  cache.Image[slot] = LoadImage(CreatePixmap(width, height), 0);
  cache.nImageRef[slot] = 1;
  cache.strFile[slot] = "slot" + std::to_string(slot) + ".png";
  cache.nFWidth[slot] = height;
  cache.nFHeight[slot] = height;
  if (slot > cache.nCount) cache.nCount = slot;
}

// What one recorded image draw asked for.
struct ImageDraw {
  TImageCall call;
  std::vector<float> box;     // x, y, width, height
  std::vector<float> source;  // x, y, width, height
  bool operator==(const ImageDraw&) const = default;
};

inline std::vector<ImageDraw> ImageDraws(const TRecordingBackend& recorder) {
  std::vector<ImageDraw> out;
  for (const TDrawCall& c : recorder.CallsOf(TDrawCallKind::Image)) {
    out.push_back({c.imageCall,
                   {c.args.begin(), c.args.begin() + 4},
                   {c.args.begin() + 4, c.args.begin() + 8}});
  }
  return out;
}

inline void PrintTo(const ImageDraw& d, std::ostream* os) {
  *os << "call " << static_cast<int>(d.call) << " box";
  for (float v : d.box) *os << ' ' << v;
  *os << " source";
  for (float v : d.source) *os << ' ' << v;
}

// Draws go to a recorder and the shared cache starts empty; both are put back afterwards.
class RecordedImageTest : public ::testing::Test {
 protected:
  void SetUp() override { Images.reset(); }
  void TearDown() override { Images.reset(); }

  TRecordingScreen recorder;
};
