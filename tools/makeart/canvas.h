// The drawing toolkit of the art maker: colours, a clipped window onto a pixmap in
// local coordinates (rectangles, lines, discs, ellipses, polygons, rounded boxes,
// gradients, outlines), and a repeatable dice so every run writes the same pixels.
#pragma once
#include <algorithm>
#include <cmath>
#include <cstdint>
#include <utility>
#include <vector>

#include "platform/pixmap.h"

namespace art {

struct TRgba {
  uint8_t r = 0, g = 0, b = 0, a = 0;
};

constexpr uint8_t ClampByte(int v) { return static_cast<uint8_t>(v < 0 ? 0 : (v > 255 ? 255 : v)); }

constexpr TRgba Rgb(int r, int g, int b, int a = 255) {
  return TRgba{ClampByte(r), ClampByte(g), ClampByte(b), ClampByte(a)};
}
constexpr TRgba Grey(int v, int a = 255) { return Rgb(v, v, v, a); }

// The colour times f (alpha kept): below 1 darker, above 1 lighter.
inline TRgba Scale(TRgba c, float f) {
  return Rgb(static_cast<int>(c.r * f), static_cast<int>(c.g * f), static_cast<int>(c.b * f), c.a);
}
inline TRgba WithAlpha(TRgba c, int a) { return Rgb(c.r, c.g, c.b, a); }
// From a (t 0) to b (t 1), alpha included.
inline TRgba Mix(TRgba a, TRgba b, float t) {
  const auto lerp = [t](int x, int y) { return static_cast<int>(std::lround(x + (y - x) * t)); };
  return Rgb(lerp(a.r, b.r), lerp(a.g, b.g), lerp(a.b, b.b), lerp(a.a, b.a));
}

// A small repeatable random source (xorshift), one per picture so pictures do not
// change when another picture draws more or fewer numbers.
class TDice {
 public:
  explicit TDice(uint32_t seed) : state_(seed * 2654435761u + 0x9E3779B9u) {
    if (state_ == 0) state_ = 1;
  }
  uint32_t Next() {
    state_ ^= state_ << 13;
    state_ ^= state_ >> 17;
    state_ ^= state_ << 5;
    return state_;
  }
  // Uniform in lo..hi, both included.
  int Int(int lo, int hi) { return lo + static_cast<int>(Next() % static_cast<uint32_t>(hi - lo + 1)); }
  // Uniform in lo..hi.
  float Real(float lo, float hi) { return lo + (hi - lo) * static_cast<float>(Next() % 100000u) / 100000.0f; }
  bool Chance(float p) { return Real(0.0f, 1.0f) < p; }

 private:
  uint32_t state_;
};

// A value 0..1 fixed for each (x, y, seed): texture noise without state.
inline float Hash01(int x, int y, uint32_t seed) {
  uint32_t h = static_cast<uint32_t>(x) * 374761393u + static_cast<uint32_t>(y) * 668265263u + seed * 2246822519u;
  h = (h ^ (h >> 13)) * 1274126177u;
  h ^= h >> 16;
  return static_cast<float>(h & 0xFFFFu) / 65535.0f;
}

struct TPoint {
  float x = 0.0f, y = 0.0f;
};
using TPath = std::vector<TPoint>;

// A rectangle of a pixmap seen in its own coordinates; everything drawn is clipped to it.
class TCanvas {
 public:
  TCanvas(TPixmap& pixmap, int x, int y, int w, int h) : pixmap_(&pixmap), ox_(x), oy_(y), w_(w), h_(h) {
    // Keep the window inside the pixmap.
    const int x0 = std::max(0, x), y0 = std::max(0, y);
    const int x1 = std::min(pixmap.width, x + w), y1 = std::min(pixmap.height, y + h);
    cx0_ = x0 - x;
    cy0_ = y0 - y;
    cx1_ = std::max(cx0_, x1 - x);
    cy1_ = std::max(cy0_, y1 - y);
  }

  int W() const { return w_; }
  int H() const { return h_; }

  // A window inside this one, in this one's coordinates, clipped to both.
  TCanvas Sub(int x, int y, int w, int h) const {
    TCanvas sub(*pixmap_, ox_ + x, oy_ + y, w, h);
    sub.cx0_ = std::max(sub.cx0_, cx0_ - x);
    sub.cy0_ = std::max(sub.cy0_, cy0_ - y);
    sub.cx1_ = std::max(sub.cx0_, std::min(sub.cx1_, cx1_ - x));
    sub.cy1_ = std::max(sub.cy0_, std::min(sub.cy1_, cy1_ - y));
    return sub;
  }

  bool Inside(int x, int y) const { return x >= cx0_ && y >= cy0_ && x < cx1_ && y < cy1_; }

  TRgba Get(int x, int y) const {
    if (!Inside(x, y)) return TRgba{};
    const uint8_t* p = pixmap_->PixelPtr(ox_ + x, oy_ + y);
    return TRgba{p[0], p[1], p[2], p[3]};
  }

  // Replaces the pixel.
  void Put(int x, int y, TRgba c) {
    if (!Inside(x, y)) return;
    uint8_t* p = pixmap_->PixelPtr(ox_ + x, oy_ + y);
    p[0] = c.r;
    p[1] = c.g;
    p[2] = c.b;
    p[3] = c.a;
  }

  // Lays the colour over the pixel by its alpha (the usual "over" rule).
  void Blend(int x, int y, TRgba c) {
    if (c.a == 0 || !Inside(x, y)) return;
    if (c.a == 255) return Put(x, y, c);
    uint8_t* p = pixmap_->PixelPtr(ox_ + x, oy_ + y);
    const float sa = c.a / 255.0f, da = p[3] / 255.0f;
    const float oa = sa + da * (1.0f - sa);
    const auto mixc = [&](uint8_t s, uint8_t d) {
      return ClampByte(static_cast<int>(std::lround((s * sa + d * da * (1.0f - sa)) / oa)));
    };
    p[0] = mixc(c.r, p[0]);
    p[1] = mixc(c.g, p[1]);
    p[2] = mixc(c.b, p[2]);
    p[3] = ClampByte(static_cast<int>(std::lround(oa * 255.0f)));
  }

  // Scales the alpha already there (0..1): cuts soft edges into what was drawn.
  void Fade(int x, int y, float keep) {
    if (!Inside(x, y)) return;
    uint8_t* p = pixmap_->PixelPtr(ox_ + x, oy_ + y);
    p[3] = ClampByte(static_cast<int>(std::lround(p[3] * std::clamp(keep, 0.0f, 1.0f))));
  }

  void Clear(TRgba c = TRgba{}) {
    for (int y = cy0_; y < cy1_; ++y)
      for (int x = cx0_; x < cx1_; ++x) Put(x, y, c);
  }

  void Rect(int x, int y, int w, int h, TRgba c) {
    for (int j = y; j < y + h; ++j)
      for (int i = x; i < x + w; ++i) Blend(i, j, c);
  }

  // Makes the rectangle transparent again.
  void Erase(int x, int y, int w, int h) {
    for (int j = y; j < y + h; ++j)
      for (int i = x; i < x + w; ++i) Put(i, j, TRgba{});
  }

  // The border of a rectangle, `thick` pixels inwards.
  void Frame(int x, int y, int w, int h, TRgba c, int thick = 1) {
    Rect(x, y, w, thick, c);
    Rect(x, y + h - thick, w, thick, c);
    Rect(x, y + thick, thick, h - 2 * thick, c);
    Rect(x + w - thick, y + thick, thick, h - 2 * thick, c);
  }

  // One pixel wide: Bresenham; wider: every pixel whose centre lies within width / 2
  // of the segment (round ends).
  void Line(float x0, float y0, float x1, float y1, TRgba c, float width = 1.0f) {
    if (width <= 1.0f) {
      int ax = static_cast<int>(std::floor(x0)), ay = static_cast<int>(std::floor(y0));
      const int bx = static_cast<int>(std::floor(x1)), by = static_cast<int>(std::floor(y1));
      const int dx = std::abs(bx - ax), sx = ax < bx ? 1 : -1;
      const int dy = -std::abs(by - ay), sy = ay < by ? 1 : -1;
      int err = dx + dy;
      for (;;) {
        Blend(ax, ay, c);
        if (ax == bx && ay == by) break;
        const int e2 = 2 * err;
        if (e2 >= dy) {
          err += dy;
          ax += sx;
        }
        if (e2 <= dx) {
          err += dx;
          ay += sy;
        }
      }
      return;
    }
    const float r = width * 0.5f;
    const int minX = static_cast<int>(std::floor(std::min(x0, x1) - r)), maxX = static_cast<int>(std::ceil(std::max(x0, x1) + r));
    const int minY = static_cast<int>(std::floor(std::min(y0, y1) - r)), maxY = static_cast<int>(std::ceil(std::max(y0, y1) + r));
    const float vx = x1 - x0, vy = y1 - y0, len2 = vx * vx + vy * vy;
    for (int y = minY; y <= maxY; ++y)
      for (int x = minX; x <= maxX; ++x) {
        const float px = x + 0.5f - x0, py = y + 0.5f - y0;
        const float t = len2 > 0.0f ? std::clamp((px * vx + py * vy) / len2, 0.0f, 1.0f) : 0.0f;
        const float ex = px - t * vx, ey = py - t * vy;
        if (ex * ex + ey * ey <= r * r) Blend(x, y, c);
      }
  }

  // A line through several points.
  void Polyline(const TPath& points, TRgba c, float width = 1.0f) {
    for (size_t i = 1; i < points.size(); ++i) Line(points[i - 1].x, points[i - 1].y, points[i].x, points[i].y, c, width);
  }

  // Every pixel whose centre lies inside the ellipse.
  void Ellipse(float cx, float cy, float rx, float ry, TRgba c) {
    if (rx <= 0.0f || ry <= 0.0f) return;
    for (int y = static_cast<int>(std::floor(cy - ry)); y <= static_cast<int>(std::ceil(cy + ry)); ++y)
      for (int x = static_cast<int>(std::floor(cx - rx)); x <= static_cast<int>(std::ceil(cx + rx)); ++x) {
        const float dx = (x + 0.5f - cx) / rx, dy = (y + 0.5f - cy) / ry;
        if (dx * dx + dy * dy <= 1.0f) Blend(x, y, c);
      }
  }
  void Disc(float cx, float cy, float r, TRgba c) { Ellipse(cx, cy, r, r, c); }

  // The half of the ellipse above its centre line: a dome.
  void Dome(float cx, float cy, float rx, float ry, TRgba c) {
    for (int y = static_cast<int>(std::floor(cy - ry)); y + 0.5f <= cy; ++y)
      for (int x = static_cast<int>(std::floor(cx - rx)); x <= static_cast<int>(std::ceil(cx + rx)); ++x) {
        const float dx = (x + 0.5f - cx) / rx, dy = (y + 0.5f - cy) / ry;
        if (dx * dx + dy * dy <= 1.0f) Blend(x, y, c);
      }
  }

  // A ring of the given thickness inside radius r.
  void Ring(float cx, float cy, float r, float thick, TRgba c) {
    const float inner = std::max(0.0f, r - thick);
    for (int y = static_cast<int>(std::floor(cy - r)); y <= static_cast<int>(std::ceil(cy + r)); ++y)
      for (int x = static_cast<int>(std::floor(cx - r)); x <= static_cast<int>(std::ceil(cx + r)); ++x) {
        const float dx = x + 0.5f - cx, dy = y + 0.5f - cy, d2 = dx * dx + dy * dy;
        if (d2 <= r * r && d2 >= inner * inner) Blend(x, y, c);
      }
  }

  // Even-odd fill of every pixel whose centre lies inside the polygon.
  void Polygon(const TPath& points, TRgba c) {
    if (points.size() < 3) return;
    float minY = points[0].y, maxY = points[0].y;
    for (const TPoint& p : points) {
      minY = std::min(minY, p.y);
      maxY = std::max(maxY, p.y);
    }
    std::vector<float> xs;
    for (int y = static_cast<int>(std::floor(minY)); y <= static_cast<int>(std::ceil(maxY)); ++y) {
      const float sy = y + 0.5f;
      xs.clear();
      for (size_t i = 0; i < points.size(); ++i) {
        const TPoint& a = points[i];
        const TPoint& b = points[(i + 1) % points.size()];
        if ((a.y <= sy) != (b.y <= sy)) xs.push_back(a.x + (sy - a.y) * (b.x - a.x) / (b.y - a.y));
      }
      std::sort(xs.begin(), xs.end());
      for (size_t i = 0; i + 1 < xs.size(); i += 2)
        for (int x = static_cast<int>(std::ceil(xs[i] - 0.5f)); x + 0.5f <= xs[i + 1]; ++x) Blend(x, y, c);
    }
  }

  void RoundRect(float x, float y, float w, float h, float r, TRgba c) {
    r = std::min({r, w * 0.5f, h * 0.5f});
    for (int j = static_cast<int>(std::floor(y)); j < static_cast<int>(std::ceil(y + h)); ++j)
      for (int i = static_cast<int>(std::floor(x)); i < static_cast<int>(std::ceil(x + w)); ++i)
        if (InRoundRect(i + 0.5f, j + 0.5f, x, y, w, h, r)) Blend(i, j, c);
  }

  // Vertical gradient from `top` to `bottom` over the rectangle.
  void VGradient(int x, int y, int w, int h, TRgba top, TRgba bottom) {
    for (int j = 0; j < h; ++j) {
      const TRgba c = Mix(top, bottom, h > 1 ? static_cast<float>(j) / (h - 1) : 0.0f);
      for (int i = 0; i < w; ++i) Blend(x + i, y + j, c);
    }
  }

  // Gives every clear pixel that touches a drawn one (4 neighbours) the colour: the
  // dark rim that keeps small sprites readable on any ground.
  void Outline(TRgba c, int minAlpha = 128) {
    std::vector<std::pair<int, int>> rim;
    for (int y = cy0_; y < cy1_; ++y)
      for (int x = cx0_; x < cx1_; ++x) {
        if (Get(x, y).a >= minAlpha) continue;
        const auto solid = [&](int i, int j) { return Inside(i, j) && Get(i, j).a >= minAlpha; };
        if (solid(x - 1, y) || solid(x + 1, y) || solid(x, y - 1) || solid(x, y + 1)) rim.emplace_back(x, y);
      }
    for (const auto& [x, y] : rim) Blend(x, y, c);
  }

  // Tints drawn pixels by a 0..1 shade field: f(x, y) below 1 darkens, above lightens.
  template <typename F>
  void ShadeDrawn(F f) {
    for (int y = cy0_; y < cy1_; ++y)
      for (int x = cx0_; x < cx1_; ++x) {
        const TRgba p = Get(x, y);
        if (p.a == 0) continue;
        Put(x, y, WithAlpha(Scale(p, f(x, y)), p.a));
      }
  }

  static bool InRoundRect(float px, float py, float x, float y, float w, float h, float r) {
    if (px < x || py < y || px > x + w || py > y + h) return false;
    const float cx = std::clamp(px, x + r, x + w - r), cy = std::clamp(py, y + r, y + h - r);
    const float dx = px - cx, dy = py - cy;
    return dx * dx + dy * dy <= r * r;
  }

 private:
  TPixmap* pixmap_;
  int ox_, oy_, w_, h_;
  int cx0_ = 0, cy0_ = 0, cx1_ = 0, cy1_ = 0;  // the visible part, local coordinates
};

}  // namespace art
