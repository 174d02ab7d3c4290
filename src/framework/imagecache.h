// TMImages, the application's one image cache, and its global instance Images: PNG
// images loaded by name from the program's resources into numbered slots that are never
// freed, each with the size of one cell of the strip or grid it holds, and the draws of
// a whole image, a cell or a part of one stretched into a destination box.
#pragma once
#include <array>
#include <memory>
#include <string>
#include <vector>

class TImage;

constexpr int kMaxImages = 255;              // highest slot number
constexpr int kImageSlots = kMaxImages + 1;  // slots 0 to kMaxImages
constexpr int kFrameWidthOfHeight = -1;      // frame width: cells as wide as the image is high

class TMImages {
 public:
  TMImages();
  virtual ~TMImages();
  TMImages(const TMImages&) = delete;
  TMImages& operator=(const TMImages&) = delete;

  int MaxImages = kMaxImages;
  int nCount = -1;  // the last slot filled; -1 while empty
  std::array<int, kImageSlots> nFWidth{};
  std::array<int, kImageSlots> nFHeight{};
  std::array<int, kImageSlots> nImageRef{};          // 1 loaded, -1 free (0 before Init)
  std::array<std::string, kImageSlots> strFile;      // the name asked for
  std::array<std::string, kImageSlots> strTrueFile;  // the path it loaded from
  std::array<std::shared_ptr<TImage>, kImageSlots> Image;
  std::array<int, kImageSlots> time{};  // MilliSecs of the last stamping draw

  virtual int Init();
  // Pixel size of the slot's image; 0 for a slot that holds none.
  virtual int GetWidth(int slot);
  virtual int GetHeight(int slot);
  // Cell size of a slot; ignored outside 0 to kMaxImages.
  virtual int SetFrameWidth(int slot, int width);
  virtual int SetFrameHeight(int slot, int height);
  virtual int SetFrameWidthHeight(int slot, int width, int height);
  // Loads the named PNG into the next slot; -1 when it loads from nowhere or no slot is left.
  virtual int SetImage(const std::string& name);
  // The slot of the named image, loading it when needed; -1 when it cannot be had.
  virtual int GetImage(const std::string& name, int frameWidth);

  // Each draws nothing unless the slot holds an image; all return 0.
  virtual int draw(int x, int y, int w, int h, int slot);
  virtual int drawCenter(int x, int y, int w, int h, int slot);
  virtual int drawFramePart(int x, int y, int w, int h, int slot, int n, float from, float to);
  virtual int DrawFrameRect(int x, int y, int w, int h, int slot, int sx, int sy, int sw, int sh);
  virtual int drawFrame(int x, int y, int w, int h, int slot, int n);
  virtual int drawFrameLine(int x, int y, int w, int h, int slot, int n, int m);
  virtual int drawFrameLinePart(int x, int y, int w, int h, int slot, int n, int m, float part);
  virtual int drawFrame2(int x, int y, int w, int h, int slot, int n, int m);
  virtual int drawCustomFramePart(int x, int y, int w, int h, int a, int b, int slot, int n,
                                  float from, float to);
  virtual int drawCustomFrame(int x, int y, int w, int h, int a, int b, int slot, int n);
  virtual int drawCustom(int x, int y, int w, int h, int slot);
  virtual int drawFrameCenter(int x, int y, int w, int h, int slot, int n);
  // The source rectangle of an image's frame into the box, moved by the handle (source
  // pixels); nothing for a missing frame or an empty source rectangle.
  virtual int MDrawSubImageRect(const std::shared_ptr<TImage>& image, float x, float y, float w,
                                float h, float sx, float sy, float sw, float sh, float hx, float hy,
                                int frame);

  // True when slot lies in 0 to kMaxImages and holds an image.
  bool Holds(int slot) const;

 private:
  // The slot's image through the sub-rectangle draw, with the draw's time stamp.
  void DrawSource(int slot, float x, float y, float w, float h, float sx, float sy, float sw,
                  float sh);
};

// The one cache; null until the first MGetImage creates it.
extern std::unique_ptr<TMImages> Images;

// Where a name may lie, in the order SetImage tries them. File names are case-sensitive
// here, so each "Resources" folder is also tried spelt "resources".
std::vector<std::string> ImageCandidates(const std::string& name);
