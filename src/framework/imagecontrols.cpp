// The image controls: a control's picture or icon and frames or parts of frames of an
// image strip, with the slot looked up on the first draw and kept by the caller.
#include "framework/imagecontrols.h"

#include "framework/imagewrappers.h"
#include "platform/draw2d.h"

namespace {

constexpr int kIconOffset = 18;
constexpr int kSmallIconOffset = 12;
constexpr int kUnusedCacheArgument = 10;  // passed to the cache's custom frame draws

// Looks the name up when the slot has not been; a failure is remembered as -2.
int Resolve(int image, const std::string& name) {
  if (image != kImageNotLookedUp) return image;
  const int slot = MGetImage(name + ".png", -1);
  return slot == -1 ? kImageLookupFailed : slot;
}

int DrawFrame(int x, int y, int w, int h, int image, const std::string& name, int frameWidth,
              int frame, bool white) {
  image = Resolve(image, name);
  if (image < 0) return image;
  if (white) SetColor(255, 255, 255);
  MSetFrameWidth(image, frameWidth);
  MDrawCustomImageNumFrame(x, y, w, h, frameWidth, kUnusedCacheArgument, image, frame);
  return image;
}

bool WorthDrawing(int image, const std::string& name) { return image >= 0 || !name.empty(); }

}  // namespace

int MDrawImageControl(int x, int y, int w, int h, int image, const std::string& name, int iconMode,
                      int small) {
  image = Resolve(image, name);
  if (image < 0) return image;
  if (iconMode == 0) {
    SetColor(255, 255, 255);
    MDrawImageNum(x, y, w, h, image);
    return image;
  }
  const int offset = small != 0 ? kSmallIconOffset : kIconOffset;
  const int side = h - 18;
  const int left = x + offset + ((w - 20) - (h - 14)) / 2;
  SetColor(0, 0, 0);
  MDrawImageNum(left, y + 5, side, side, image);
  SetColor(255, 255, 255);
  MDrawImageNum(left, y + 3, side, side, image);
  return image;
}

int MImage(int x, int y, int w, int h, int image, const std::string& name) {
  if (!WorthDrawing(image, name)) return image;
  return MDrawImageControl(x, y, w, h, image, name, 0, 0);
}

int MDrawImageControlFrame(int x, int y, int w, int h, int image, const std::string& name,
                           int frameWidth, int frame) {
  return DrawFrame(x, y, w, h, image, name, frameWidth, frame, true);
}

int MDrawImageControlFrameCol(int x, int y, int w, int h, int image, const std::string& name,
                              int frameWidth, int frame) {
  return DrawFrame(x, y, w, h, image, name, frameWidth, frame, false);
}

int MImageFrame(int x, int y, int w, int h, int image, const std::string& name, int frameWidth,
                int frame) {
  if (!WorthDrawing(image, name)) return image;
  return MDrawImageControlFrame(x, y, w, h, image, name, frameWidth, frame);
}

int MImageFrameCol(int x, int y, int w, int h, int image, const std::string& name, int frameWidth,
                   int frame) {
  if (!WorthDrawing(image, name)) return image;
  return MDrawImageControlFrameCol(x, y, w, h, image, name, frameWidth, frame);
}

int MImageFramePart(int x, int y, int w, int h, int image, const std::string& name, int frameWidth,
                    int frame, float from, float to) {
  if (!WorthDrawing(image, name)) return image;
  image = Resolve(image, name);
  if (image < 0) return image;
  SetColor(255, 255, 255);
  MSetFrameWidth(image, frameWidth);
  MDrawCustomImageNumFramePart(x, y, w, h, frameWidth, kUnusedCacheArgument, image, frame, from,
                               to);
  return image;
}
