// The toolkit's shape primitives, each drawn at once. The gradient shapes go through
// immediate-mode GL with colour 1 of the gradient pair on the top (or left) vertices and
// colour 2 on the bottom (or right) ones; the others draw with the 2D module in its
// current colour unless they say otherwise. Boxes are a top-left corner and a size in
// pixels, angles degrees (0 right, 90 down). Every shape returns 0.
#pragma once
#include <string>

// Gradient shapes (gradientshapes.cpp).
// Filled rounded rectangle with corner radii top-left, top-right, bottom-right, bottom-left.
int MRoundRect(int x, int y, int w, int h, int rTL, int rTR, int rBR, int rBL);
// The outline of the same rounded rectangle, line-smoothed.
int MRoundFrame(int x, int y, int w, int h, int rTL, int rTR, int rBR, int rBL);
int MRectH(int x, int y, int w, int h);              // horizontal gradient
int MRectFade(int x, int y, int w, int h);           // vertical gradient
int MRectHFade(int x, int y, int w, int h);          // horizontal gradient
int MFadeRect(float x, float y, float w, float h);   // vertical, float corners
int MFadeHRect(float x, float y, float w, float h);  // horizontal, float corners

// Frames, boxes and grids (frames.cpp).
// 1-pixel outline covering x..x+w-1 and y..y+h-1.
int MFrame(float x, float y, float w, float h);
// Bevel lit on the top and left when pressed is 0, on the bottom and right otherwise.
int MFrame3d(int x, int y, int w, int h, int pressed);
int MNullBox(float x, float y, float w, float h);  // crossed empty placeholder
// A swatch of (r, g, b) at alpha a (0-255) over a checkerboard of the given cell size.
int MColorBox(float x, float y, float w, float h, float cell, int r, int g, int b, int a);
// Grey checkerboard; a cell of 0 or below draws nothing.
int MAlphaGrid(float x, float y, float w, float h, float cell);

// Circles and polygons (circles.cpp).
int MCircle(int x, int y, int r, int a0, int a1);  // arc outline from a0 to a1
int MFilledCircle(int x, int y, int r);            // disc in the current colour and alpha
int MPie(int x, int y, int r, int a0, int a1);     // slice outline about the centre
int MAngleLine(int x, int y, int length, int angle);
// Flat-topped hexagon scaled by sx, sy: a filled fan at depth z, or its outline.
int FillHex(int x, int y, float z, float sx, float sy);
int DrawHex(int x, int y, float sx, float sy);
// The four corners of a square into a primitive the caller has begun.
int DrawQuad(int x, int y, int s);

// Marks and arrows (marks.cpp).
int MDrawDiamond(int x, int y, int s, int filled);
int MDrawDiamondIn(int x, int y, int s);   // downward triangle
int MDrawDiamondOut(int x, int y, int s);  // upward triangle
int MUpArrow(int x, int y, const std::string& label);
int MRightArrow(int x, int y, const std::string& label);
// Call-out box below a pointer that peaks at px on its top edge.
int MRectUp(int x, int y, int w, int h, int px);
