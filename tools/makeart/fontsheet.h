// The bitmap font texture: 256 x 256 pixels, 16 columns by 16 rows of 16 x 16 cells,
// character code c in column c mod 16, row c div 16. Each pixel of the 8 x 8 glyph is a
// 2 x 2 block, white on a clear ground, so the game can tint it and draw it at half size
// without filtering. Codes without a glyph stay clear.
#pragma once
#include "canvas.h"
#include "glyphs.h"

namespace art {

constexpr int kFontSheetSide = 256, kFontCell = 16;

inline void PaintFontSheet(TPixmap& sheet) {
  TCanvas c(sheet, 0, 0, kFontSheetSide, kFontSheetSide);
  for (int code = 0; code < 256; ++code) {
    const int cellX = (code % 16) * kFontCell, cellY = (code / 16) * kFontCell;
    for (int row = 0; row < kGlyphRows; ++row)
      for (int col = 0; col < 8; ++col)
        if (GlyphPixel(code, col, row)) c.Rect(cellX + 2 * col, cellY + 2 * row, 2, 2, Grey(255));
  }
}

}  // namespace art
