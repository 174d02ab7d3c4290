// Pixmaps: RGBA8 pictures in memory, and reading and writing them as PNG files.
// Every PNG colour type and depth, interlaced or not, decodes to RGBA8; a file
// that cannot be read or decoded gives nullptr and one log line, never a crash.
#pragma once
#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

// Largest width or height a pixmap may have.
constexpr int kMaxPixmapSide = 16384;

struct TPixmap {
  int width = 0;
  int height = 0;
  int pitch = 0;                // bytes per row: width * 4
  std::vector<uint8_t> pixels;  // RGBA8, row 0 at the top
  bool hasAlpha = false;        // the file had an alpha channel or transparency (tRNS)

  // The pixel's 4 bytes; nullptr outside the pixmap.
  uint8_t* PixelPtr(int x, int y);
  const uint8_t* PixelPtr(int x, int y) const;
};

// Zero-filled; nullptr for a side <= 0 or above kMaxPixmapSide, or when memory runs out.
std::shared_ptr<TPixmap> CreatePixmap(int width, int height);

// nullptr and one log line when the file is missing, empty, not a PNG, truncated or corrupt.
std::shared_ptr<TPixmap> LoadPixmapPNG(const std::string& path);
std::shared_ptr<TPixmap> LoadPixmapPNG(const uint8_t* data, size_t size, const std::string& nameForLog);

// 8-bit RGBA, or RGB when the pixmap has no alpha and every pixel is opaque.
// False and one log line on failure; no partial file is left behind.
bool SavePixmapPNG(const TPixmap& pixmap, const std::string& path);
