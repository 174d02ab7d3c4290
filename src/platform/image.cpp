// Images from pixmaps and PNG files: masking, frames of equal cells, flags and handles.
#include "platform/image.h"

#include <algorithm>
#include <cstring>

#include "platform/drawbackend.h"
#include "platform/drawglue.h"
#include "platform/print.h"

namespace {

int autoFlags = MASKEDIMAGE | FILTEREDIMAGE;

bool wellFormed(const TPixmap& pixmap) {
  if (pixmap.width <= 0 || pixmap.height <= 0 || pixmap.width > kMaxPixmapSide ||
      pixmap.height > kMaxPixmapSide)
    return false;
  if (pixmap.pitch < pixmap.width * 4) return false;
  return pixmap.pixels.size() >= static_cast<size_t>(pixmap.pitch) * static_cast<size_t>(pixmap.height);
}

// The cell's pixels as a pixmap of its own; pure black turned transparent when masked
// and the picture has no alpha of its own.
std::shared_ptr<TPixmap> cutCell(const TPixmap& source, int x, int y, int width, int height, bool mask) {
  auto cell = CreatePixmap(width, height);
  if (!cell) return nullptr;
  cell->hasAlpha = source.hasAlpha;
  for (int row = 0; row < height; ++row) {
    const uint8_t* from = source.pixels.data() + static_cast<size_t>(y + row) * source.pitch + static_cast<size_t>(x) * 4;
    std::memcpy(cell->pixels.data() + static_cast<size_t>(row) * cell->pitch, from, static_cast<size_t>(width) * 4);
  }
  if (mask && !source.hasAlpha) {
    for (size_t i = 0; i + 3 < cell->pixels.size(); i += 4) {
      uint8_t* p = cell->pixels.data() + i;
      if (p[0] == 0 && p[1] == 0 && p[2] == 0) p[3] = 0;
    }
  }
  return cell;
}

std::shared_ptr<TImage> makeImage(const std::shared_ptr<TPixmap>& pixmap, int cellWidth, int cellHeight,
                                  int firstCell, int cellCount, int flags, const std::string& what) {
  if (!pixmap || !wellFormed(*pixmap)) {
    Print("LoadImage: no picture in " + what);
    return nullptr;
  }
  if (flags == -1) flags = autoFlags;
  flags &= MASKEDIMAGE | FILTEREDIMAGE;
  const int columns = cellWidth > 0 ? pixmap->width / cellWidth : 0;
  const int rows = cellHeight > 0 ? pixmap->height / cellHeight : 0;
  if (columns <= 0 || rows <= 0 || firstCell < 0 || cellCount <= 0 ||
      static_cast<int64_t>(firstCell) + cellCount > static_cast<int64_t>(columns) * rows) {
    Print("LoadAnimImage: cells outside the picture of " + what);
    return nullptr;
  }
  auto image = std::make_shared<TImage>();
  image->width = cellWidth;
  image->height = cellHeight;
  image->flags = flags;
  image->frames.resize(cellCount);
  for (int i = 0; i < cellCount; ++i) {
    const int cell = firstCell + i;
    auto frame = cutCell(*pixmap, (cell % columns) * cellWidth, (cell / columns) * cellHeight, cellWidth,
                         cellHeight, (flags & MASKEDIMAGE) != 0);
    if (!frame) {
      Print("LoadImage: out of memory for " + what);
      return nullptr;
    }
    image->frames[i].pixmap = std::move(frame);
  }
  return image;
}

}  // namespace

TImage::~TImage() {
  for (TImageFrame& frame : frames)
    if (frame.texture != 0) ReleaseTexture(frame.textureOwner, frame.texture);
}

void AutoImageFlags(int flags) { autoFlags = flags & (MASKEDIMAGE | FILTEREDIMAGE); }
int GetAutoImageFlags() { return autoFlags; }

std::shared_ptr<TImage> LoadImage(const std::shared_ptr<TPixmap>& pixmap, int flags) {
  if (!pixmap) return nullptr;
  return makeImage(pixmap, pixmap->width, pixmap->height, 0, 1, flags, "a pixmap");
}

std::shared_ptr<TImage> LoadImage(const std::string& path, int flags) {
  auto pixmap = LoadPixmapPNG(path);
  if (!pixmap) return nullptr;
  return makeImage(pixmap, pixmap->width, pixmap->height, 0, 1, flags, path);
}

std::shared_ptr<TImage> LoadAnimImage(const std::shared_ptr<TPixmap>& pixmap, int cellWidth,
                                      int cellHeight, int firstCell, int cellCount, int flags) {
  if (!pixmap) return nullptr;
  return makeImage(pixmap, cellWidth, cellHeight, firstCell, cellCount, flags, "a pixmap");
}

std::shared_ptr<TImage> LoadAnimImage(const std::string& path, int cellWidth, int cellHeight,
                                      int firstCell, int cellCount, int flags) {
  auto pixmap = LoadPixmapPNG(path);
  if (!pixmap) return nullptr;
  return makeImage(pixmap, cellWidth, cellHeight, firstCell, cellCount, flags, path);
}

int ImageWidth(const std::shared_ptr<TImage>& image) { return image ? image->width : 0; }
int ImageHeight(const std::shared_ptr<TImage>& image) { return image ? image->height : 0; }
int ImageFrames(const std::shared_ptr<TImage>& image) {
  return image ? static_cast<int>(image->frames.size()) : 0;
}
int ImageFlags(const std::shared_ptr<TImage>& image) { return image ? image->flags : 0; }

void SetImageHandle(const std::shared_ptr<TImage>& image, float x, float y) {
  if (!image) return;
  image->handleX = x;
  image->handleY = y;
}

void MidHandleImage(const std::shared_ptr<TImage>& image) {
  if (image) SetImageHandle(image, image->width * 0.5f, image->height * 0.5f);
}

unsigned ImageTextureName(const std::shared_ptr<TImage>& image, int frame) {
  if (!image || frame < 0 || frame >= static_cast<int>(image->frames.size())) return 0;
  return CurrentDrawBackend().TextureName(*image, frame);
}
