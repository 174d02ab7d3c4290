// The toolkit's image wrappers: name to slot through the shared cache, the cell size set
// just before the draw, then one draw of the cache.
#include "framework/imagewrappers.h"

#include "framework/imagecache.h"

namespace {

// The cache when slot holds an image in it, else null: such a slot draws nothing and
// its cell size is left alone.
TMImages* Holding(int slot) { return Images && Images->Holds(slot) ? Images.get() : nullptr; }

}  // namespace

int MGetImage(const std::string& name, int frameWidth) {
  if (!Images) {
    Images = std::make_unique<TMImages>();
    Images->Init();
  }
  const int slot = Images->GetImage(name, frameWidth);
  if (slot != -1) return slot;
  return Images->GetImage("../" + name, frameWidth);
}

int MGetImageHeight(const std::string& name, int slot) {
  if (slot == -1) slot = MGetImage(name + ".png", kFrameWidthOfHeight);
  TMImages* cache = Holding(slot);
  return cache != nullptr ? cache->GetHeight(slot) : 0;
}

int MSetFrameWidth(int slot, int width) {
  if (TMImages* cache = Holding(slot)) cache->SetFrameWidth(slot, width);
  return 0;
}

int MDrawImage(int x, int y, int w, int h, const std::string& name) {
  return MDrawImageNum(x, y, w, h, MGetImage(name, kFrameWidthOfHeight));
}

int MDrawImageNum(int x, int y, int w, int h, int slot) {
  if (TMImages* cache = Holding(slot)) cache->draw(x, y, w, h, slot);
  return 0;
}

int MDrawImageFrame(int x, int y, int w, int h, const std::string& name, int frame) {
  return MDrawImageNumFrame(x, y, w, h, MGetImage(name, kFrameWidthOfHeight), frame);
}

int MDrawImageFrameWidth(int x, int y, int w, int h, const std::string& name, int frame,
                         int frameWidth) {
  const int slot = MGetImage(name, kFrameWidthOfHeight);
  if (TMImages* cache = Holding(slot)) {
    cache->SetFrameWidth(slot, frameWidth);
    cache->drawFrame(x, y, w, h, slot, frame);
  }
  return 0;
}

int MDrawImageFrameWidthHeight(int x, int y, int w, int h, const std::string& name, int frame,
                               int frameWidth, int frameHeight) {
  return MDrawImageNumFrameWidthHeight(x, y, w, h, MGetImage(name, kFrameWidthOfHeight), frame,
                                       frameWidth, frameHeight);
}

int MDrawImageFrameXCYC(int x, int y, int w, int h, const std::string& name, int column, int row,
                        int columns, int rows) {
  if (columns <= 0 || rows <= 0) return 0;
  const int slot = MGetImage(name, kFrameWidthOfHeight);
  if (TMImages* cache = Holding(slot)) {
    cache->SetFrameWidthHeight(slot, cache->GetWidth(slot) / columns,
                               cache->GetHeight(slot) / rows);
    cache->drawFrame2(x, y, w, h, slot, column, row);
  }
  return 0;
}

int MDrawImageNumFrame(int x, int y, int w, int h, int slot, int frame) {
  if (TMImages* cache = Holding(slot)) cache->drawFrame(x, y, w, h, slot, frame);
  return 0;
}

int MDrawImageNumFrameWidthHeight(int x, int y, int w, int h, int slot, int frame, int frameWidth,
                                  int frameHeight) {
  if (TMImages* cache = Holding(slot)) {
    cache->SetFrameWidthHeight(slot, frameWidth, frameHeight);
    cache->drawFrame(x, y, w, h, slot, frame);
  }
  return 0;
}

int MDrawImageNumFramePart(int x, int y, int w, int h, int slot, int frame, float from, float to) {
  if (TMImages* cache = Holding(slot)) cache->drawFramePart(x, y, w, h, slot, frame, from, to);
  return 0;
}

int MDrawImageNumFrameLineWidthHeight(int x, int y, int w, int h, int slot, int frame, int line,
                                      int frameWidth, int frameHeight) {
  if (TMImages* cache = Holding(slot)) {
    cache->SetFrameWidthHeight(slot, frameWidth, frameHeight);
    cache->drawFrameLine(x, y, w, h, slot, frame, line);
  }
  return 0;
}

int MDrawImageNumFrameLineWidthHeightPart(int x, int y, int w, int h, int slot, int frame, int line,
                                          int frameWidth, int frameHeight, float part) {
  if (TMImages* cache = Holding(slot)) {
    cache->SetFrameWidthHeight(slot, frameWidth, frameHeight);
    cache->drawFrameLinePart(x, y, w, h, slot, frame, line, part);
  }
  return 0;
}

int MDrawImageNumFrameRect(int x, int y, int w, int h, int slot, int sx, int sy, int sw, int sh) {
  if (TMImages* cache = Holding(slot)) cache->DrawFrameRect(x, y, w, h, slot, sx, sy, sw, sh);
  return 0;
}

int MDrawCustomImageNum(int x, int y, int w, int h, int slot) {
  if (TMImages* cache = Holding(slot)) cache->drawCustom(x, y, w, h, slot);
  return 0;
}

int MDrawCustomImageNumFrame(int x, int y, int w, int h, int a, int b, int slot, int frame) {
  if (TMImages* cache = Holding(slot)) cache->drawCustomFrame(x, y, w, h, a, b, slot, frame);
  return 0;
}

int MDrawCustomImageNumFramePart(int x, int y, int w, int h, int a, int b, int slot, int frame,
                                 float from, float to) {
  if (TMImages* cache = Holding(slot)) {
    cache->drawCustomFramePart(x, y, w, h, a, b, slot, frame, from, to);
  }
  return 0;
}

int MDrawCImageNumFrame(int x, int y, int w, int h, int slot, int frame) {
  if (TMImages* cache = Holding(slot)) cache->drawFrameCenter(x, y, w, h, slot, frame);
  return 0;
}
