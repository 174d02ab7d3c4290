// MBackground: the background of a page or panel in one of eighteen looks (shades,
// fills, panel strips, a picture or a tiled image), chosen by the style word.
#pragma once
#include <string>

// right and bottom are x + w and y + h; align and textStyle are not read. Returns 0.
int MBackground(int x, int y, int w, int h, int right, int bottom, int style, int align,
                int textStyle, const std::string& name);
