// The 2D module's image draws: whole frames, stretched frames and source rectangles.
#include "platform/draw2d.h"
#include "platform/drawbackend.h"
#include "platform/drawglue.h"

namespace {

void drawImage(const std::shared_ptr<TImage>& image, TImageDraw draw) {
  TDrawState& state = DrawStateForUpdate();
  const bool hasFrame = image && draw.frame >= 0 && draw.frame < static_cast<int>(image->frames.size());
  if (hasFrame && state.alpha > 0.0f && draw.sourceWidth != 0.0f && draw.sourceHeight != 0.0f) {
    draw.image = image.get();
    CurrentDrawBackend().DrawImage(state, draw);
  }
  LeaveGlState(state);
}

TImageDraw wholeFrame(const std::shared_ptr<TImage>& image, TImageCall call, float x, float y, int frame) {
  TImageDraw draw;
  draw.call = call;
  draw.frame = frame;
  draw.x = x;
  draw.y = y;
  if (image) {
    draw.width = static_cast<float>(image->width);
    draw.height = static_cast<float>(image->height);
    draw.sourceWidth = draw.width;
    draw.sourceHeight = draw.height;
    draw.handleX = image->handleX;
    draw.handleY = image->handleY;
  }
  return draw;
}

}  // namespace

void DrawImage(const std::shared_ptr<TImage>& image, float x, float y, int frame) {
  drawImage(image, wholeFrame(image, TImageCall::DrawImage, x, y, frame));
}

void DrawImageRect(const std::shared_ptr<TImage>& image, float x, float y, float width, float height,
                   int frame) {
  TImageDraw draw = wholeFrame(image, TImageCall::DrawImageRect, x, y, frame);
  draw.width = width;
  draw.height = height;
  drawImage(image, draw);
}

void DrawSubImageRect(const std::shared_ptr<TImage>& image, float x, float y, float width,
                      float height, float sourceX, float sourceY, float sourceWidth,
                      float sourceHeight, float handleX, float handleY, int frame) {
  TImageDraw draw;
  draw.call = TImageCall::DrawSubImageRect;
  draw.frame = frame;
  draw.x = x;
  draw.y = y;
  draw.width = width;
  draw.height = height;
  draw.sourceX = sourceX;
  draw.sourceY = sourceY;
  draw.sourceWidth = sourceWidth;
  draw.sourceHeight = sourceHeight;
  draw.handleX = handleX;
  draw.handleY = handleY;
  drawImage(image, draw);
}
