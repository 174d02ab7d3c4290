// The built-in block letters that text falls back on without the font texture: 64
// glyphs of filled rectangles, keyed by the exact character.
#pragma once
#include <cstdint>
#include <span>

struct TBlockRect {
  int8_t dx, dy, w, h;  // relative to the pen position
};

// The rectangles of the character's glyph in drawing order; empty for a character
// without one.
std::span<const TBlockRect> BlockLetter(char c);
