// The geometry of drawing, free of any graphics API: where the corners of a rectangle,
// line, oval or image land on the canvas under the origin, handle, scale, rotation and
// virtual resolution; the clip rectangle in canvas pixels; and the triangles or lines
// that an immediate-mode primitive stands for.
#pragma once
#include <array>
#include <cstdint>
#include <vector>

#include "platform/drawbackend.h"
#include "platform/drawstate.h"

struct TPoint {
  float x = 0.0f;
  float y = 0.0f;
};

// Canvas pixels per drawing unit, and the canvas size.
struct TCanvasMap {
  float scaleX = 1.0f;
  float scaleY = 1.0f;
  int width = 0;
  int height = 0;
};
TCanvasMap CanvasMapFor(const TDrawState& state, int canvasWidth, int canvasHeight);
TPoint ToCanvas(const TCanvasMap& map, TPoint p);

// A point given relative to the draw position (x, y), handle already taken off: scaled,
// rotated about the draw position, then moved there and by the origin. Drawing units.
TPoint PlacePoint(const TDrawState& state, float x, float y, float localX, float localY);

// Canvas corners, in order, of the local box (x0, y0)-(x1, y1) drawn at (x, y).
std::array<TPoint, 4> PlaceBox(const TDrawState& state, const TCanvasMap& map, float x, float y,
                               float x0, float y0, float x1, float y1);

// The quad a line covers on the canvas: a band lineWidth pixels wide through the
// centres of its end pixels, reaching half a pixel beyond the first one and, with
// lastPixel, beyond the last one; a line of no length covers its one pixel.
std::array<TPoint, 4> LineQuad(const TDrawState& state, const TCanvasMap& map, float x1, float y1,
                               float x2, float y2, bool lastPixel);

// A line one pixel wide with its last pixel, as a segment for OpenGL's own line rule (a
// pixel is drawn where the segment leaves its diamond), which lights the same end
// pixels as LineQuad; false for other lines, which take LineQuad.
bool ThinLine(const TDrawState& state, const TCanvasMap& map, float x1, float y1, float x2, float y2,
              bool lastPixel, TPoint& from, TPoint& to);

// The outline of the oval filling the box (x, y, width, height), on the canvas.
std::vector<TPoint> OvalOutline(const TDrawState& state, const TCanvasMap& map, float x, float y,
                                float width, float height);

// The local box of an image draw: the destination moved by the handle.
void ImageBox(const TImageDraw& draw, float& x0, float& y0, float& x1, float& y1);

// The clip rectangle in OpenGL window coordinates (from the bottom). An empty one
// (width or height 0) clips everything.
struct TScissor {
  bool enabled = false;
  int x = 0;
  int y = 0;
  int width = 0;
  int height = 0;
};
TScissor ScissorFor(const TDrawState& state, const TCanvasMap& map);

// Immediate-mode primitives as triangles, lines or points: indices into the vertices.
enum class TPrimitiveKind { Triangles, Lines, Points, None };
TPrimitiveKind PrimitiveKind(int mode);
std::vector<uint32_t> PrimitiveIndices(int mode, size_t vertexCount);
