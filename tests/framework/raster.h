// What a recording would look like on screen: the recorded lines, rectangles and
// immediate-mode primitives painted into an RGB grid over a background, each source over
// destination by its alpha and clipped to its viewport, so that a test can ask which
// pixels a drawing lit and in what colour. Texts and images are not painted; tests read
// those from the recording. A simple model, not GL's exact rules: a pixel is covered when
// its centre lies inside a filled shape; lines light the pixels their coordinates round to.
#pragma once
#include <algorithm>
#include <array>
#include <cmath>
#include <tuple>
#include <utility>
#include <vector>

#include "platform/immediategl.h"
#include "platform/recordingbackend.h"

class TRaster {
 public:
  using Rgb = std::tuple<int, int, int>;

  TRaster(int width, int height, Rgb background = {128, 128, 128})
      : width_(width), height_(height), pixels_(static_cast<size_t>(width * height)) {
    const auto [r, g, b] = background;
    for (auto& p : pixels_) p = {static_cast<float>(r), static_cast<float>(g), static_cast<float>(b)};
    background_ = pixels_.empty() ? Colour{} : pixels_[0];
  }

  // The recording painted over a canvas of the tests' usual 640 x 480.
  explicit TRaster(const TRecordingBackend& recording, int width = 640, int height = 480)
      : TRaster(width, height) {
    Paint(recording.Calls());
  }

  void Paint(const std::vector<TDrawCall>& calls) {
    for (const TDrawCall& c : calls) Paint(c);
  }

  // The pixel's colour, each channel rounded.
  Rgb At(int x, int y) const {
    const Colour& c = pixels_.at(Index(x, y));
    return {static_cast<int>(std::lround(c[0])), static_cast<int>(std::lround(c[1])),
            static_cast<int>(std::lround(c[2]))};
  }
  // The pixel differs from the background.
  bool Lit(int x, int y) const { return At(x, y) != Rounded(background_); }
  // The first and last lit x of a row, or (-1, -1).
  std::pair<int, int> RowSpan(int y) const { return Span(width_, [&](int x) { return Lit(x, y); }); }
  // The first and last lit y of a column, or (-1, -1).
  std::pair<int, int> ColumnSpan(int x) const { return Span(height_, [&](int y) { return Lit(x, y); }); }
  // Left, top, right, bottom of everything lit; all -1 when nothing is.
  std::array<int, 4> LitBounds() const {
    std::array<int, 4> b{-1, -1, -1, -1};
    for (int y = 0; y < height_; ++y)
      for (int x = 0; x < width_; ++x)
        if (Lit(x, y)) {
          if (b[0] < 0) b = {x, y, x, y};
          b = {std::min(b[0], x), std::min(b[1], y), std::max(b[2], x), std::max(b[3], y)};
        }
    return b;
  }
  int CountLit() const {
    int n = 0;
    for (int y = 0; y < height_; ++y)
      for (int x = 0; x < width_; ++x) n += Lit(x, y) ? 1 : 0;
    return n;
  }
  // The background under a colour at alpha, as the painting blends it.
  static int Over(int under, int colour, float alpha) {
    return static_cast<int>(std::lround(under + (colour - under) * std::clamp(alpha, 0.0f, 1.0f)));
  }

 private:
  using Colour = std::array<float, 3>;
  struct Vertex {
    float x, y;
    Colour c;
    float a;
  };

  template <typename IsLit>
  static std::pair<int, int> Span(int length, IsLit lit) {
    int first = -1, last = -1;
    for (int i = 0; i < length; ++i)
      if (lit(i)) {
        if (first < 0) first = i;
        last = i;
      }
    return {first, last};
  }

  static Rgb Rounded(const Colour& c) {
    return {static_cast<int>(std::lround(c[0])), static_cast<int>(std::lround(c[1])),
            static_cast<int>(std::lround(c[2]))};
  }
  size_t Index(int x, int y) const { return static_cast<size_t>(y * width_ + x); }

  bool Inside(const TDrawState& s, int x, int y) const {
    if (x < 0 || y < 0 || x >= width_ || y >= height_) return false;
    if (!s.viewportSet) return true;
    return x >= s.viewportX && y >= s.viewportY && x < s.viewportX + s.viewportWidth &&
           y < s.viewportY + s.viewportHeight;
  }

  void Blend(const TDrawState& s, int x, int y, const Colour& c, float a) {
    if (!Inside(s, x, y)) return;
    if (s.blend == SOLIDBLEND) a = 1.0f;
    a = std::clamp(a, 0.0f, 1.0f);
    Colour& p = pixels_[Index(x, y)];
    for (int i = 0; i < 3; ++i) p[i] += (std::clamp(c[i], 0.0f, 255.0f) - p[i]) * a;
  }

  static Vertex From2d(const TDrawState& s, float x, float y) {
    return {x + s.originX, y + s.originY,
            {static_cast<float>(s.red), static_cast<float>(s.green), static_cast<float>(s.blue)}, s.alpha};
  }
  static Vertex FromGl(const TDrawState& s, const TImmediateVertex& v) {
    return {v.x + s.originX, v.y + s.originY, {v.red * 255, v.green * 255, v.blue * 255}, v.alpha};
  }

  void Line(const TDrawState& s, const Vertex& a, const Vertex& b, bool lastPixel) {
    const float dx = b.x - a.x, dy = b.y - a.y;
    const int steps = static_cast<int>(std::lround(std::max(std::fabs(dx), std::fabs(dy))));
    const int end = steps == 0 ? 1 : (lastPixel ? steps + 1 : steps);
    for (int i = 0; i < end; ++i) {
      const float t = steps == 0 ? 0.0f : static_cast<float>(i) / steps;
      Colour c;
      for (int k = 0; k < 3; ++k) c[k] = a.c[k] + (b.c[k] - a.c[k]) * t;
      Blend(s, static_cast<int>(std::lround(a.x + dx * t)), static_cast<int>(std::lround(a.y + dy * t)), c,
            a.a + (b.a - a.a) * t);
    }
  }

  void Triangle(const TDrawState& s, const Vertex& a, const Vertex& b, const Vertex& c) {
    const float area = (b.x - a.x) * (c.y - a.y) - (c.x - a.x) * (b.y - a.y);
    if (std::fabs(area) < 1e-6f) return;
    const int x0 = static_cast<int>(std::floor(std::min({a.x, b.x, c.x})));
    const int x1 = static_cast<int>(std::ceil(std::max({a.x, b.x, c.x})));
    const int y0 = static_cast<int>(std::floor(std::min({a.y, b.y, c.y})));
    const int y1 = static_cast<int>(std::ceil(std::max({a.y, b.y, c.y})));
    for (int y = y0; y <= y1; ++y)
      for (int x = x0; x <= x1; ++x) {
        const float px = x + 0.5f, py = y + 0.5f;
        const float wa = ((b.x - px) * (c.y - py) - (c.x - px) * (b.y - py)) / area;
        const float wb = ((c.x - px) * (a.y - py) - (a.x - px) * (c.y - py)) / area;
        const float wc = 1.0f - wa - wb;
        if (wa < -1e-4f || wb < -1e-4f || wc < -1e-4f) continue;
        Colour col;
        for (int k = 0; k < 3; ++k) col[k] = wa * a.c[k] + wb * b.c[k] + wc * c.c[k];
        Blend(s, x, y, col, wa * a.a + wb * b.a + wc * c.a);
      }
  }

  void Immediate(const TDrawState& s, const TImmediatePrimitive& p) {
    std::vector<Vertex> v;
    for (const TImmediateVertex& iv : p.vertices) v.push_back(FromGl(s, iv));
    const size_t n = v.size();
    switch (p.mode) {
      case GL_POLYGON:
      case GL_TRIANGLE_FAN:
        for (size_t i = 2; i < n; ++i) Triangle(s, v[0], v[i - 1], v[i]);
        break;
      case GL_TRIANGLES:
        for (size_t i = 2; i < n; i += 3) Triangle(s, v[i - 2], v[i - 1], v[i]);
        break;
      case GL_QUADS:
        for (size_t i = 3; i < n; i += 4) {
          Triangle(s, v[i - 3], v[i - 2], v[i - 1]);
          Triangle(s, v[i - 3], v[i - 1], v[i]);
        }
        break;
      case GL_LINES:
        for (size_t i = 1; i < n; i += 2) Line(s, v[i - 1], v[i], true);
        break;
      case GL_LINE_STRIP:
      case GL_LINE_LOOP:
        for (size_t i = 1; i < n; ++i) Line(s, v[i - 1], v[i], true);
        if (p.mode == GL_LINE_LOOP && n > 2) Line(s, v[n - 1], v[0], true);
        break;
      default:
        break;
    }
  }

  void Paint(const TDrawCall& c) {
    const TDrawState& s = c.state;
    switch (c.kind) {
      case TDrawCallKind::Line:
        Line(s, From2d(s, c.args[0], c.args[1]), From2d(s, c.args[2], c.args[3]), c.args[4] != 0.0f);
        break;
      case TDrawCallKind::Rect: {
        const Vertex v = From2d(s, c.args[0], c.args[1]);
        const int x0 = static_cast<int>(std::ceil(v.x - 0.5f));
        const int y0 = static_cast<int>(std::ceil(v.y - 0.5f));
        const int x1 = static_cast<int>(std::ceil(v.x + c.args[2] - 0.5f));
        const int y1 = static_cast<int>(std::ceil(v.y + c.args[3] - 0.5f));
        for (int y = y0; y < y1; ++y)
          for (int x = x0; x < x1; ++x) Blend(s, x, y, v.c, v.a);
        break;
      }
      case TDrawCallKind::Immediate:
        Immediate(s, c.primitive);
        break;
      case TDrawCallKind::Cls:
        for (int y = 0; y < height_; ++y)
          for (int x = 0; x < width_; ++x)
            Blend(s, x, y,
                  {static_cast<float>(s.clsRed), static_cast<float>(s.clsGreen),
                   static_cast<float>(s.clsBlue)},
                  1.0f);
        break;
      default:
        break;
    }
  }

  int width_, height_;
  std::vector<Colour> pixels_;
  Colour background_{};
};
