// Drawable images: one or more frames of equal size made from pixmaps or PNG files,
// with the image flags (masked, filtered), the automatic flags, the image handle and
// the OpenGL texture name of a frame. Drawing them is the 2D module's (draw2d.h).
#pragma once
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "platform/pixmap.h"

// Image flags.
constexpr int MASKEDIMAGE = 1;    // pure black becomes transparent in images without alpha
constexpr int FILTEREDIMAGE = 2;  // linear filtering when stretched, else the nearest pixel

struct TImageFrame {
  std::shared_ptr<TPixmap> pixmap;  // RGBA8, masking already applied
  int version = 0;                  // goes up whenever the pixels change
  // Kept by the drawing backend: its texture of this frame, the window whose context
  // holds it and the pixel version it shows.
  unsigned texture = 0;
  uint32_t textureOwner = 0;
  int textureVersion = -1;
};

class TImage {
 public:
  TImage() = default;
  TImage(const TImage&) = delete;
  TImage& operator=(const TImage&) = delete;
  ~TImage();  // gives its textures back

  int width = 0;  // of one frame, in pixels
  int height = 0;
  int flags = 0;
  float handleX = 0.0f;  // the point of the image that lands on the draw position
  float handleY = 0.0f;
  std::vector<TImageFrame> frames;
};

// The flags LoadImage uses when it is given -1; MASKEDIMAGE | FILTEREDIMAGE at start.
void AutoImageFlags(int flags);
int GetAutoImageFlags();

// A one-frame image of a copy of the pixmap, or of the PNG file; nullptr when the
// pixmap is empty or malformed or the file does not decode (the decoder logs why).
std::shared_ptr<TImage> LoadImage(const std::shared_ptr<TPixmap>& pixmap, int flags = -1);
std::shared_ptr<TImage> LoadImage(const std::string& path, int flags = -1);

// Frames of cellWidth x cellHeight cut left to right, then top to bottom, starting at
// cell firstCell; nullptr (and a log line) when a cell lies outside the picture.
std::shared_ptr<TImage> LoadAnimImage(const std::shared_ptr<TPixmap>& pixmap, int cellWidth,
                                      int cellHeight, int firstCell, int cellCount, int flags = -1);
std::shared_ptr<TImage> LoadAnimImage(const std::string& path, int cellWidth, int cellHeight,
                                      int firstCell, int cellCount, int flags = -1);

// Sizes of a frame; 0 for no image.
int ImageWidth(const std::shared_ptr<TImage>& image);
int ImageHeight(const std::shared_ptr<TImage>& image);
int ImageFrames(const std::shared_ptr<TImage>& image);
int ImageFlags(const std::shared_ptr<TImage>& image);

void SetImageHandle(const std::shared_ptr<TImage>& image, float x, float y);
void MidHandleImage(const std::shared_ptr<TImage>& image);

// The OpenGL texture name of a frame, for code that binds it with glBindTexture itself;
// made in the current context when needed. 0 for no image, a missing frame or no context.
unsigned ImageTextureName(const std::shared_ptr<TImage>& image, int frame = 0);
