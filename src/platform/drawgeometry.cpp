// The geometry of drawing: transforms, line bands, ovals, clip rectangles and the
// triangulation of immediate-mode primitives.
#include "platform/drawgeometry.h"

#include <algorithm>
#include <cmath>
#include <numbers>
#include <utility>

#include "platform/immediategl.h"
#include "platform/numbers.h"

namespace {

bool plain(const TDrawState& state) {
  return state.rotation == 0.0f && state.scaleX == 1.0f && state.scaleY == 1.0f;
}

int roundToInt(double value) { return TruncToInt(std::floor(value + 0.5)); }

}  // namespace

TCanvasMap CanvasMapFor(const TDrawState& state, int canvasWidth, int canvasHeight) {
  TCanvasMap map;
  map.width = std::max(canvasWidth, 0);
  map.height = std::max(canvasHeight, 0);
  if (state.virtualWidth > 0.0f && state.virtualHeight > 0.0f && std::isfinite(state.virtualWidth) &&
      std::isfinite(state.virtualHeight)) {
    map.scaleX = static_cast<float>(map.width) / state.virtualWidth;
    map.scaleY = static_cast<float>(map.height) / state.virtualHeight;
  }
  return map;
}

TPoint ToCanvas(const TCanvasMap& map, TPoint p) { return {p.x * map.scaleX, p.y * map.scaleY}; }

TPoint PlacePoint(const TDrawState& state, float x, float y, float localX, float localY) {
  float px = localX;
  float py = localY;
  if (!plain(state)) {
    px *= state.scaleX;
    py *= state.scaleY;
    if (state.rotation != 0.0f) {
      const double radians = state.rotation * (std::numbers::pi / 180.0);
      const float c = static_cast<float>(std::cos(radians));
      const float s = static_cast<float>(std::sin(radians));
      const float rx = px * c - py * s;
      py = px * s + py * c;
      px = rx;
    }
  }
  return {x + state.originX + px, y + state.originY + py};
}

std::array<TPoint, 4> PlaceBox(const TDrawState& state, const TCanvasMap& map, float x, float y,
                               float x0, float y0, float x1, float y1) {
  return {ToCanvas(map, PlacePoint(state, x, y, x0, y0)), ToCanvas(map, PlacePoint(state, x, y, x1, y0)),
          ToCanvas(map, PlacePoint(state, x, y, x1, y1)), ToCanvas(map, PlacePoint(state, x, y, x0, y1))};
}

std::array<TPoint, 4> LineQuad(const TDrawState& state, const TCanvasMap& map, float x1, float y1,
                               float x2, float y2, bool lastPixel) {
  const float hx = state.handleX;
  const float hy = state.handleY;
  // Through the centres of the end pixels.
  TPoint a = PlacePoint(state, x1, y1, -hx, -hy);
  TPoint b = PlacePoint(state, x1, y1, x2 - x1 - hx, y2 - y1 - hy);
  a = ToCanvas(map, {a.x + 0.5f, a.y + 0.5f});
  b = ToCanvas(map, {b.x + 0.5f, b.y + 0.5f});
  const float width = std::isfinite(state.lineWidth) ? std::max(state.lineWidth, 0.0f) : 1.0f;
  const float dx = b.x - a.x;
  const float dy = b.y - a.y;
  const float length = std::sqrt(dx * dx + dy * dy);
  if (!(length > 1e-4f)) {
    if (!lastPixel) return {a, a, a, a};  // no pixel at all
    const float halfX = std::max(width, map.scaleX) * 0.5f;
    const float halfY = std::max(width, map.scaleY) * 0.5f;
    return {TPoint{a.x - halfX, a.y - halfY}, TPoint{a.x + halfX, a.y - halfY},
            TPoint{a.x + halfX, a.y + halfY}, TPoint{a.x - halfX, a.y + halfY}};
  }
  const float ux = dx / length;
  const float uy = dy / length;
  // Half a drawing unit along the line, in canvas pixels.
  const float reach = 0.5f * std::sqrt(ux * map.scaleX * ux * map.scaleX + uy * map.scaleY * uy * map.scaleY);
  const float startX = a.x - ux * reach;
  const float startY = a.y - uy * reach;
  const float endX = lastPixel ? b.x + ux * reach : b.x - ux * reach;
  const float endY = lastPixel ? b.y + uy * reach : b.y - uy * reach;
  const float nx = -uy * width * 0.5f;
  const float ny = ux * width * 0.5f;
  return {TPoint{startX + nx, startY + ny}, TPoint{endX + nx, endY + ny}, TPoint{endX - nx, endY - ny},
          TPoint{startX - nx, startY - ny}};
}

bool ThinLine(const TDrawState& state, const TCanvasMap& map, float x1, float y1, float x2, float y2,
              bool lastPixel, TPoint& from, TPoint& to) {
  // Without the last pixel the far end decides, which ties the line to its direction.
  if (state.lineWidth != 1.0f || !lastPixel) return false;
  TPoint a = PlacePoint(state, x1, y1, -state.handleX, -state.handleY);
  TPoint b = PlacePoint(state, x1, y1, x2 - x1 - state.handleX, y2 - y1 - state.handleY);
  a = ToCanvas(map, {a.x + 0.5f, a.y + 0.5f});
  b = ToCanvas(map, {b.x + 0.5f, b.y + 0.5f});
  // Drawn rightward, or upward when steep: renderers disagree on the first pixel of
  // lines leaving it in the other directions.
  const bool steep = std::fabs(b.y - a.y) > std::fabs(b.x - a.x);
  if (steep ? b.y > a.y : b.x < a.x) std::swap(a, b);
  const float dx = b.x - a.x;
  const float dy = b.y - a.y;
  const float length = std::sqrt(dx * dx + dy * dy);
  if (!(length > 1e-4f)) {
    // A point on a pixel's centre at full scale is that pixel: a line from the centre
    // out of its diamond, so that points go into the same batch as the lines about them.
    const bool centred = a.x - std::floor(a.x) == 0.5f && a.y - std::floor(a.y) == 0.5f;
    if (!(length == 0.0f && centred && map.scaleX == 1.0f && map.scaleY == 1.0f)) return false;
    from = a;
    to = {a.x + 0.75f, a.y};
    return true;
  }
  const float ux = dx / length;
  const float uy = dy / length;
  // Past the last pixel's diamond, short of the next one's.
  const float end = 0.25f + 0.5f * std::sqrt(ux * map.scaleX * ux * map.scaleX + uy * map.scaleY * uy * map.scaleY);
  from = a;
  to = {b.x + ux * end, b.y + uy * end};
  return true;
}

std::vector<TPoint> OvalOutline(const TDrawState& state, const TCanvasMap& map, float x, float y,
                                float width, float height) {
  const float rx = width * 0.5f;
  const float ry = height * 0.5f;
  const float cx = rx - state.handleX;
  const float cy = ry - state.handleY;
  const double span = (std::fabs(width * state.scaleX * map.scaleX) + std::fabs(height * state.scaleY * map.scaleY));
  const int segments = std::clamp(TruncToInt(span * 0.5), 12, 360);
  std::vector<TPoint> points;
  points.reserve(segments);
  for (int i = 0; i < segments; ++i) {
    const double angle = 2.0 * std::numbers::pi * i / segments;
    const float px = cx + rx * static_cast<float>(std::cos(angle));
    const float py = cy + ry * static_cast<float>(std::sin(angle));
    points.push_back(ToCanvas(map, PlacePoint(state, x, y, px, py)));
  }
  return points;
}

void ImageBox(const TImageDraw& draw, float& x0, float& y0, float& x1, float& y1) {
  x0 = draw.sourceWidth != 0.0f ? -draw.handleX * draw.width / draw.sourceWidth : 0.0f;
  y0 = draw.sourceHeight != 0.0f ? -draw.handleY * draw.height / draw.sourceHeight : 0.0f;
  x1 = x0 + draw.width;
  y1 = y0 + draw.height;
}

TScissor ScissorFor(const TDrawState& state, const TCanvasMap& map) {
  TScissor scissor;
  if (!state.viewportSet) return scissor;
  scissor.enabled = true;
  if (state.viewportWidth <= 0 || state.viewportHeight <= 0) return scissor;
  const int left = std::clamp(roundToInt(double(state.viewportX) * map.scaleX), 0, map.width);
  const int right =
      std::clamp(roundToInt((double(state.viewportX) + state.viewportWidth) * map.scaleX), 0, map.width);
  const int top = std::clamp(roundToInt(double(state.viewportY) * map.scaleY), 0, map.height);
  const int bottom =
      std::clamp(roundToInt((double(state.viewportY) + state.viewportHeight) * map.scaleY), 0, map.height);
  if (right <= left || bottom <= top) return scissor;
  scissor.x = left;
  scissor.y = map.height - bottom;
  scissor.width = right - left;
  scissor.height = bottom - top;
  return scissor;
}

TPrimitiveKind PrimitiveKind(int mode) {
  switch (mode) {
    case GL_POINTS: return TPrimitiveKind::Points;
    case GL_LINES:
    case GL_LINE_LOOP:
    case GL_LINE_STRIP: return TPrimitiveKind::Lines;
    case GL_TRIANGLES:
    case GL_TRIANGLE_STRIP:
    case GL_TRIANGLE_FAN:
    case GL_QUADS:
    case GL_QUAD_STRIP:
    case GL_POLYGON: return TPrimitiveKind::Triangles;
    default: return TPrimitiveKind::None;
  }
}

std::vector<uint32_t> PrimitiveIndices(int mode, size_t count) {
  std::vector<uint32_t> out;
  const auto n = static_cast<uint32_t>(count);
  auto add = [&out](std::initializer_list<uint32_t> list) { out.insert(out.end(), list); };
  switch (mode) {
    case GL_POINTS:
      for (uint32_t i = 0; i < n; ++i) add({i});
      break;
    case GL_LINES:
      for (uint32_t i = 0; i + 1 < n; i += 2) add({i, i + 1});
      break;
    case GL_LINE_STRIP:
    case GL_LINE_LOOP:
      for (uint32_t i = 0; i + 1 < n; ++i) add({i, i + 1});
      if (mode == GL_LINE_LOOP && n > 2) add({n - 1, 0});
      break;
    case GL_TRIANGLES:
      for (uint32_t i = 0; i + 2 < n; i += 3) add({i, i + 1, i + 2});
      break;
    case GL_TRIANGLE_STRIP:
      // Every other triangle turned round, so all keep the strip's winding.
      for (uint32_t i = 0; i + 2 < n; ++i) {
        if (i % 2 == 0)
          add({i, i + 1, i + 2});
        else
          add({i + 1, i, i + 2});
      }
      break;
    case GL_TRIANGLE_FAN:
    case GL_POLYGON:
      for (uint32_t i = 1; i + 1 < n; ++i) add({0, i, i + 1});
      break;
    case GL_QUADS:
      for (uint32_t i = 0; i + 3 < n; i += 4) add({i, i + 1, i + 2, i, i + 2, i + 3});
      break;
    case GL_QUAD_STRIP:
      for (uint32_t i = 0; i + 3 < n; i += 2) add({i, i + 1, i + 3, i, i + 3, i + 2});
      break;
    default: break;
  }
  return out;
}
