// MText, the toolkit's caption: a text placed in a box by alignment bits and decorated
// by style bits (shadow, two-character prefix, raise, size variants, underline, colour
// code). It leaves the scale at (1, 1) and, after a large variant, ImageFont selected.
#pragma once
#include <string>

// Style bits.
constexpr int kTextShadow = 0x1;
constexpr int kTextNarrow = 0x2;       // narrow large text; with kTextLarge tall large text
constexpr int kTextSmall = 0x4;        // scale 0.75
constexpr int kTextEmbossed = 0x8;     // two-character prefix drawn embossed
constexpr int kTextStacked = 0x10;     // two-character prefix as a column, text 11 px right
constexpr int kTextLarge = 0x20;       // ImageFont2
constexpr int kTextLargeOne = 0x40;    // large text at scale 1, before every other size
constexpr int kTextLargeSmall = 0x80;  // with kTextLarge: scale 0.8 x 1.5
constexpr int kTextRaise = 0x100;      // 8 px up
constexpr int kTextUnderline = 0x200;
constexpr int kTextLargeTall = 0x400;  // with kTextLarge: scale 1 x 1.5

// Alignment bits.
constexpr int kAlignRight = 0x1;
constexpr int kAlignCentre = 0x2;
constexpr int kAlignBottom = 0x8;
constexpr int kAlignMiddle = 0x10;
constexpr int kAlignKeepHeight = 0x20;  // large variants measure the height undoubled

int MText(int x, int y, int w, int h, int style, int align, const std::string& text);
