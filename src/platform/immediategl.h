// The immediate-mode OpenGL calls that drawing code issues directly (begin and end,
// vertices, colours, texture coordinates, texture binding, texturing, line smoothing
// and the alpha test), under their OpenGL names. They go through the drawing backend
// and draw in the 2D module's coordinates: canvas pixels, or the virtual resolution's
// units when one is set; origin, handle, scale and rotation do not apply.
//
// These are C++ functions of our own, not the OpenGL library's; a file that includes
// the system's OpenGL header must not include this one.
#pragma once
#include <cstdint>

#ifdef GL_TRUE
#error "immediategl.h cannot share a file with the system's OpenGL header"
#endif

// Primitives of glBegin.
constexpr int GL_POINTS = 0x0000;
constexpr int GL_LINES = 0x0001;
constexpr int GL_LINE_LOOP = 0x0002;
constexpr int GL_LINE_STRIP = 0x0003;
constexpr int GL_TRIANGLES = 0x0004;
constexpr int GL_TRIANGLE_STRIP = 0x0005;
constexpr int GL_TRIANGLE_FAN = 0x0006;
constexpr int GL_QUADS = 0x0007;
constexpr int GL_QUAD_STRIP = 0x0008;
constexpr int GL_POLYGON = 0x0009;

// Switches of glEnable and glDisable.
constexpr int GL_TEXTURE_2D = 0x0DE1;
constexpr int GL_LINE_SMOOTH = 0x0B20;
constexpr int GL_ALPHA_TEST = 0x0BC0;
constexpr int GL_BLEND = 0x0BE2;  // accepted; the blend mode of SetBlend rules

// Comparisons of glAlphaFunc.
constexpr int GL_NEVER = 0x0200;
constexpr int GL_LESS = 0x0201;
constexpr int GL_EQUAL = 0x0202;
constexpr int GL_LEQUAL = 0x0203;
constexpr int GL_GREATER = 0x0204;
constexpr int GL_NOTEQUAL = 0x0205;
constexpr int GL_GEQUAL = 0x0206;
constexpr int GL_ALWAYS = 0x0207;

// A primitive is drawn at glEnd; a glBegin inside another, or calls of glEnd without
// glBegin, are ignored as OpenGL ignores them.
void glBegin(int mode);
void glEnd();
void glVertex2f(float x, float y);
void glVertex2i(int x, int y);
void glVertex3f(float x, float y, float z);
// Colours: floats 0-1; unsigned bytes 0-255; signed bytes with 127 as full (negative as 0).
void glColor3f(float red, float green, float blue);
void glColor4f(float red, float green, float blue, float alpha);
void glColor4ub(uint8_t red, uint8_t green, uint8_t blue, uint8_t alpha);
void glColor4b(int8_t red, int8_t green, int8_t blue, int8_t alpha);
void glTexCoord2f(float u, float v);
// A texture name from ImageTextureName; 0 unbinds. Only GL_TEXTURE_2D is a target.
void glBindTexture(int target, unsigned texture);
void glEnable(int cap);
void glDisable(int cap);
void glAlphaFunc(int func, float ref);
void glLineWidth(float width);
