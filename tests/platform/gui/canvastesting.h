// Helpers for the drawing tests under Xvfb: a window with a clean drawing state, and the
// canvas read back as pixels.
#pragma once
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <functional>
#include <vector>

#include "platform/draw2d.h"
#include "platform/drawbackend.h"
#include "platform/glbackend.h"
#include "platform/platform.h"
#include "platform/window.h"

struct TRgba {
  int r = 0, g = 0, b = 0, a = 0;
};

// The canvas as read back once.
class TCanvasPixels {
 public:
  TCanvasPixels() {
    width_ = GraphicsWidth();
    height_ = GraphicsHeight();
    ReadPixels(0, 0, width_, height_, rgba_);
  }
  bool Valid() const { return !rgba_.empty(); }
  TRgba At(int x, int y) const {
    if (x < 0 || y < 0 || x >= width_ || y >= height_) return {};
    const uint8_t* p = rgba_.data() + (static_cast<size_t>(y) * width_ + x) * 4;
    return {p[0], p[1], p[2], p[3]};
  }
  bool Lit(int x, int y) const {
    TRgba c = At(x, y);
    return c.r + c.g + c.b > 0;
  }
  // Pixels for which test holds.
  int Count(const std::function<bool(TRgba)>& test) const {
    int n = 0;
    for (int y = 0; y < height_; ++y)
      for (int x = 0; x < width_; ++x) n += test(At(x, y)) ? 1 : 0;
    return n;
  }
  int CountLit() const {
    return Count([](TRgba c) { return c.r + c.g + c.b > 0; });
  }
  // The bounding box of lit pixels; false when none is lit.
  bool LitBounds(int& left, int& top, int& right, int& bottom) const {
    left = width_, top = height_, right = -1, bottom = -1;
    for (int y = 0; y < height_; ++y)
      for (int x = 0; x < width_; ++x)
        if (Lit(x, y)) {
          left = std::min(left, x);
          right = std::max(right, x);
          top = std::min(top, y);
          bottom = std::max(bottom, y);
        }
    return right >= 0;
  }
  const std::vector<uint8_t>& Raw() const { return rgba_; }

 private:
  int width_ = 0;
  int height_ = 0;
  std::vector<uint8_t> rgba_;
};

// A 320 x 240 window whose canvas starts black, with the drawing state at its start.
class CanvasTest : public ::testing::Test {
 protected:
  static constexpr int W = 320;
  static constexpr int H = 240;

  void SetUp() override {
    ASSERT_EQ(PlatformInit(), 1) << "needs a display";
    window_ = CreateWindow("Canvas", 0, 0, W, H, WINDOW_TITLEBAR | WINDOW_CLIENTCOORDS);
    ASSERT_NE(window_, nullptr);
    SetDrawBackend(nullptr);
    SetDrawBatching(true);
    ResetDrawState();
    AutoImageFlags(MASKEDIMAGE | FILTEREDIMAGE);
    Cls();
  }
  void TearDown() override {
    ResetDrawState();
    SetDrawBatching(true);
    FreeAllWindows();
  }

  TWindow* window_ = nullptr;
};

inline bool Near(int value, int expected, int tolerance = 2) {
  return value >= expected - tolerance && value <= expected + tolerance;
}
