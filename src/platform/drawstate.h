// The drawing state in force for a draw call: the 2D module's settings (colour, alpha,
// blend, transform, viewport, virtual resolution, line width, clear colour) and the
// state of the immediate-mode GL calls (current colour, texturing, bound texture, line
// smoothing, alpha test). Each draw call hands a copy of it to the drawing backend.
#pragma once

// Blend modes of SetBlend.
constexpr int SOLIDBLEND = 1;  // opaque, alpha ignored
constexpr int MASKBLEND = 2;   // opaque where the alpha is 0.5 or more, nothing elsewhere
constexpr int ALPHABLEND = 3;  // source over destination by alpha
constexpr int LIGHTBLEND = 4;  // additive
constexpr int SHADEBLEND = 5;  // multiplies the destination

// Comparison functions of the alpha test (the OpenGL values).
constexpr int ALPHA_NEVER = 0x0200;
constexpr int ALPHA_LESS = 0x0201;
constexpr int ALPHA_EQUAL = 0x0202;
constexpr int ALPHA_LEQUAL = 0x0203;
constexpr int ALPHA_GREATER = 0x0204;
constexpr int ALPHA_NOTEQUAL = 0x0205;
constexpr int ALPHA_GEQUAL = 0x0206;
constexpr int ALPHA_ALWAYS = 0x0207;

struct TDrawState {
  // Colour channels 0-255 as given (clamped only when drawn); alpha 0-1 as given.
  int red = 255;
  int green = 255;
  int blue = 255;
  float alpha = 1.0f;
  int blend = ALPHABLEND;
  float lineWidth = 1.0f;  // canvas pixels
  float originX = 0.0f;
  float originY = 0.0f;
  float handleX = 0.0f;
  float handleY = 0.0f;
  float scaleX = 1.0f;
  float scaleY = 1.0f;
  float rotation = 0.0f;  // degrees, clockwise on screen
  int clsRed = 0;
  int clsGreen = 0;
  int clsBlue = 0;
  // The clip rectangle in drawing coordinates; none set clips nothing.
  bool viewportSet = false;
  int viewportX = 0;
  int viewportY = 0;
  int viewportWidth = 0;
  int viewportHeight = 0;
  // A logical size stretched over the canvas; 0 or less: canvas pixels.
  float virtualWidth = 0.0f;
  float virtualHeight = 0.0f;

  // Immediate-mode GL state.
  float glRed = 1.0f;  // current colour, 0-1
  float glGreen = 1.0f;
  float glBlue = 1.0f;
  float glAlpha = 1.0f;
  bool texturing = false;     // GL_TEXTURE_2D
  unsigned boundTexture = 0;  // 0: none, draws untextured
  bool lineSmooth = false;    // GL_LINE_SMOOTH
  float glLineWidth = 1.0f;
  bool alphaTest = false;  // GL_ALPHA_TEST, also set by SetBlend
  int alphaFunc = ALPHA_ALWAYS;
  float alphaRef = 0.0f;
};
