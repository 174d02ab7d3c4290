// Helpers of the renderer tests: boxes and colours of recorded draws (a rectangle's
// arguments, the bounds of an immediate-mode primitive), the hover box a live draw left
// as the viewport, and a fixture that records with the master alpha and AppCol restored.
#pragma once
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <ostream>
#include <tuple>
#include <vector>

#include "framework/drawstate.h"
#include "framework/imagetesting.h"
#include "framework/palette.h"

struct Box {
  int x, y, w, h;
  bool operator==(const Box&) const = default;
};

inline void PrintTo(const Box& b, std::ostream* os) {
  *os << "(" << b.x << ", " << b.y << ", " << b.w << ", " << b.h << ")";
}

using Rgb = std::tuple<int, int, int>;
using Rgba = std::tuple<int, int, int, int>;

// A rectangle's or image's box, or the bounds of an immediate primitive's vertices.
inline Box BoxOf(const TDrawCall& c) {
  auto r = [](float v) { return static_cast<int>(std::lround(v)); };
  if (c.kind != TDrawCallKind::Immediate) return {r(c.args[0]), r(c.args[1]), r(c.args[2]), r(c.args[3])};
  float x0 = 1e9f, y0 = 1e9f, x1 = -1e9f, y1 = -1e9f;
  for (const TImmediateVertex& v : c.primitive.vertices) {
    x0 = std::min(x0, v.x);
    y0 = std::min(y0, v.y);
    x1 = std::max(x1, v.x);
    y1 = std::max(y1, v.y);
  }
  return {r(x0), r(y0), r(x1 - x0), r(y1 - y0)};
}

inline Rgb ColourOf(const TDrawCall& c) { return {c.state.red, c.state.green, c.state.blue}; }

// The colour of a primitive's vertex n, channels 0-255.
inline Rgba VertexColour(const TDrawCall& c, size_t n) {
  const TImmediateVertex& v = c.primitive.vertices.at(n);
  auto q = [](float f) { return static_cast<int>(std::lround(f * 255)); };
  return {q(v.red), q(v.green), q(v.blue), q(v.alpha)};
}

inline Box ViewportNow() {
  const TDrawState& s = CurrentDrawState();
  return {s.viewportX, s.viewportY, s.viewportWidth, s.viewportHeight};
}

class RenderTest : public RecordedImageTest {
 protected:
  void SetUp() override {
    RecordedImageTest::SetUp();
    MAlpha(1.0f);
    savedCol_ = AppCol;
  }
  void TearDown() override {
    MAlpha(1.0f);
    AppCol = savedCol_;
    RecordedImageTest::TearDown();
  }
  // A cache holding an image of width x height under name (with its ".png").
  int PutImage(int slot, const std::string& name, int width, int height) {
    if (!Images) {
      Images = std::make_unique<TMImages>();
      Images->Init();
    }
    FillSlot(*Images, slot, width, height);
    Images->strFile[slot] = name;
    return slot;
  }
  std::vector<TDrawCall> Of(TDrawCallKind kind) const { return recorder.CallsOf(kind); }

 private:
  TMColor savedCol_;
};
