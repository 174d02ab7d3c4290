// The drawing backend interface: everything the 2D module and the immediate-mode GL
// calls draw goes through the current backend, each call with the state in force.
// The OpenGL backend draws (glbackend.h); the recording backend keeps the calls for
// tests (recordingbackend.h). Coordinates are drawing units: canvas pixels, or the
// virtual resolution's units when one is set.
#pragma once
#include <cstdint>
#include <string>
#include <vector>

#include "platform/drawstate.h"

class TImage;
class TImageFont;

struct TImmediateVertex {
  float x = 0.0f;
  float y = 0.0f;
  float z = 0.0f;
  float u = 0.0f;
  float v = 0.0f;
  float red = 1.0f;  // 0-1
  float green = 1.0f;
  float blue = 1.0f;
  float alpha = 1.0f;
};

// What one glBegin ... glEnd pair gave.
struct TImmediatePrimitive {
  int mode = 0;  // GL_LINES ... GL_POLYGON
  std::vector<TImmediateVertex> vertices;
};

// Which call of the 2D module drew an image.
enum class TImageCall { DrawImage, DrawImageRect, DrawSubImageRect };

// The source rectangle (in the frame's pixels) stretched over the destination box; the
// handle, in source pixels, moves the box so that it lands on (x, y). A negative width
// or height mirrors.
struct TImageDraw {
  TImageCall call = TImageCall::DrawImage;
  TImage* image = nullptr;
  int frame = 0;
  float x = 0.0f;
  float y = 0.0f;
  float width = 0.0f;
  float height = 0.0f;
  float sourceX = 0.0f;
  float sourceY = 0.0f;
  float sourceWidth = 0.0f;
  float sourceHeight = 0.0f;
  float handleX = 0.0f;
  float handleY = 0.0f;
};

class TDrawBackend {
 public:
  virtual ~TDrawBackend() = default;

  // Size of the canvas in pixels; 0 when there is none.
  virtual int CanvasWidth() = 0;
  virtual int CanvasHeight() = 0;

  // Clears the clip rectangle (the whole canvas when none is set) to the clear colour.
  virtual void Cls(const TDrawState& state) = 0;
  virtual void DrawLine(const TDrawState& state, float x1, float y1, float x2, float y2,
                        bool lastPixel) = 0;
  virtual void DrawRect(const TDrawState& state, float x, float y, float width, float height) = 0;
  virtual void DrawOval(const TDrawState& state, float x, float y, float width, float height) = 0;
  virtual void DrawText(const TDrawState& state, TImageFont& font, const std::string& text,
                        float x, float y) = 0;
  virtual void DrawImage(const TDrawState& state, const TImageDraw& draw) = 0;
  virtual void DrawImmediate(const TDrawState& state, const TImmediatePrimitive& primitive) = 0;

  // The texture name of an image's frame; 0 when there is none.
  virtual unsigned TextureName(TImage& image, int frame) = 0;
  // Everything drawn so far reaches the canvas.
  virtual void Flush() = 0;
  // RGBA rows, top row first, of a rectangle of canvas pixels; false without a canvas or
  // for a rectangle not wholly inside it.
  virtual bool ReadPixels(int x, int y, int width, int height, std::vector<uint8_t>& rgba) = 0;
  // Keeps a copy of the canvas as it stands in the buffer being drawn, and draws that copy
  // over the whole canvas again.
  virtual void SnapshotCanvas() = 0;
  virtual void DrawSnapshot() = 0;
};

// Every later draw goes to backend; null selects the OpenGL backend again.
void SetDrawBackend(TDrawBackend* backend);
TDrawBackend& CurrentDrawBackend();
