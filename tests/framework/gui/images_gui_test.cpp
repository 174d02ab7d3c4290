// Cached images on a real canvas under Xvfb: the cell of a strip or grid that the image
// wrappers pick is the one that shows, stretched over its box and nowhere else.
#include <gtest/gtest.h>

#include <cstdint>
#include <memory>
#include <string>

#include "framework/imagecache.h"
#include "framework/imagecontrols.h"
#include "framework/imagewrappers.h"
#include "framework/testfolder.h"
#include "platform/files.h"
#include "platform/gui/canvastesting.h"
#include "platform/pixmap.h"

namespace {

bool IsColour(TRgba c, int r, int g, int b) {
  return Near(c.r, r, 2) && Near(c.g, g, 2) && Near(c.b, b, 2);
}

// A strip of cells of side `cell`, coloured red, green, blue, white from the left, and
// written as a PNG; the strip is `rows` rows high, each row a quarter darker.
void WriteStrip(const std::string& path, int cell, int rows) {
  static const int kColours[4][3] = {{255, 0, 0}, {0, 255, 0}, {0, 0, 255}, {255, 255, 255}};
  std::shared_ptr<TPixmap> pixels = CreatePixmap(cell * 4, cell * rows);
  ASSERT_NE(pixels, nullptr);
  for (int y = 0; y < cell * rows; ++y) {
    for (int x = 0; x < cell * 4; ++x) {
      const int* c = kColours[x / cell];
      const int shade = 4 - y / cell;
      uint8_t* p = pixels->PixelPtr(x, y);
      for (int i = 0; i < 3; ++i) p[i] = static_cast<uint8_t>(c[i] * shade / 4);
      p[3] = 255;
    }
  }
  ASSERT_TRUE(SavePixmapPNG(*pixels, path));
}

class ImagesGui : public CanvasTest {
 protected:
  void SetUp() override {
    CanvasTest::SetUp();
    previous_ = CurrentDir();
    WriteStrip(tmp / "strip.png", 8, 1);
    WriteStrip(tmp / "grid.png", 8, 2);
    ASSERT_TRUE(ChangeDir(tmp.path()));
    Images.reset();
    // Nearest-pixel sampling: a cell's edge shows no blend with its neighbour.
    AutoImageFlags(0);
  }
  void TearDown() override {
    Images.reset();
    ChangeDir(previous_);
    CanvasTest::TearDown();
  }

  TempFolder tmp;
  std::string previous_;
};

TEST_F(ImagesGui, AFrameOfAStripFillsItsBoxInThatCellsColour) {
  testing::internal::CaptureStdout();
  const int slot = MImageFrame(20, 30, 40, 24, -1, "strip", 8, 1);
  testing::internal::GetCapturedStdout();
  ASSERT_GE(slot, 0);
  TCanvasPixels p;
  ASSERT_TRUE(p.Valid());
  int left, top, right, bottom;
  ASSERT_TRUE(p.LitBounds(left, top, right, bottom));
  EXPECT_EQ(std::tuple(left, top, right, bottom), std::tuple(20, 30, 59, 53));
  // Inside the box only the green cell shows, its neighbours do not bleed into it.
  EXPECT_TRUE(IsColour(p.At(40, 42), 0, 255, 0));
  EXPECT_EQ(p.Count([](TRgba c) { return c.r > 8 || c.b > 8; }), 0);
}

}  // namespace
