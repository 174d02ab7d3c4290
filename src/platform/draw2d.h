// The 2D module: drawing state, primitives, text and images on the canvas of the
// graphics window, through the current drawing backend (drawbackend.h).
//
// Coordinates are canvas pixels from the top-left corner, or units of the virtual
// resolution when one is set (it stretches a logical size over the whole canvas; the
// viewport and VirtualMouseX/Y follow it). Every setting is kept until changed. A draw
// is placed at its position plus the origin, less the handle, then scaled and rotated
// (degrees, clockwise on screen) about that position.
//
// Each primitive sets the texturing, colour and line width it needs, and leaves the
// immediate-mode GL state (immediategl.h) as OpenGL would be left: the GL colour at its
// own colour, texturing off with no texture bound, the GL line width at its own.
#pragma once
#include <memory>
#include <string>
#include <vector>

#include "platform/drawstate.h"
#include "platform/image.h"

class TImageFont;

// The whole state back to its start: white, alpha 1, alpha blending, no viewport, no
// virtual resolution, no transform, line width 1, black clear colour, default font.
void ResetDrawState();
const TDrawState& CurrentDrawState();

// Channels 0-255 are stored as given and clamped when drawn; GetColor answers what was set.
void SetColor(int red, int green, int blue);
void GetColor(int& red, int& green, int& blue);
// 0-1, stored as given; 0 or less draws nothing, above 1 draws as 1.
void SetAlpha(float alpha);
float GetAlpha();
// SOLIDBLEND ... SHADEBLEND; other values are ignored. Mask blending turns the alpha
// test on (0.5), every other mode off.
void SetBlend(int mode);
int GetBlend();

// The clip rectangle; a zero or negative width or height clips everything.
void SetViewport(int x, int y, int width, int height);
// The rectangle set, or the whole canvas (in drawing units) when none is.
void GetViewport(int& x, int& y, int& width, int& height);
// 0 or less for either side: canvas pixels again.
void SetVirtualResolution(float width, float height);
float VirtualResolutionWidth();  // the canvas width when none is set
float VirtualResolutionHeight();

void SetOrigin(float x, float y);
void GetOrigin(float& x, float& y);
void SetHandle(float x, float y);  // for lines, rectangles, ovals and text; images have their own
void GetHandle(float& x, float& y);
void SetScale(float x, float y);
void GetScale(float& x, float& y);
void SetRotation(float degrees);
float GetRotation();
void SetLineWidth(float width);  // canvas pixels; also the GL line width
float GetLineWidth();
void SetClsColor(int red, int green, int blue);
void GetClsColor(int& red, int& green, int& blue);

// Clears the viewport (the whole canvas when none is set) to the clear colour.
void Cls();
// drawLastPixel non-zero: the end pixel is drawn too, so a line from a point to itself
// is that one pixel.
void DrawLine(float x1, float y1, float x2, float y2, int drawLastPixel = 1);
void DrawRect(float x, float y, float width, float height);  // filled
void DrawOval(float x, float y, float width, float height);  // filled, inside the box
void DrawText(const std::string& text, float x, float y);    // top-left corner at (x, y)
// Unscaled pixels in the current font.
int TextWidth(const std::string& text);
int TextHeight(const std::string& text = "");

// Null selects the default font (DejaVu Sans).
void SetImageFont(const std::shared_ptr<TImageFont>& font);
std::shared_ptr<TImageFont> GetImageFont();  // null while the default is selected

// The frame's top-left corner (less the image's handle) at (x, y), at its own size.
void DrawImage(const std::shared_ptr<TImage>& image, float x, float y, int frame = 0);
// The frame stretched into width x height.
void DrawImageRect(const std::shared_ptr<TImage>& image, float x, float y, float width, float height,
                   int frame = 0);
// The source rectangle of the frame stretched into the destination box; the handle, in
// source pixels, moves the box left and up by handle * size / source size. A negative
// width or height mirrors; a zero source width or height draws nothing.
void DrawSubImageRect(const std::shared_ptr<TImage>& image, float x, float y, float width,
                      float height, float sourceX, float sourceY, float sourceWidth,
                      float sourceHeight, float handleX = 0.0f, float handleY = 0.0f, int frame = 0);

// The canvas of the graphics window in pixels (not the virtual resolution); 0 without one.
int GraphicsWidth();
int GraphicsHeight();
// The pointer in drawing units: window pixels mapped through the virtual resolution.
int VirtualMouseX();
int VirtualMouseY();
void ShowMouse();
void HideMouse();

// The pixels drawn so far (not yet flipped) of a rectangle of canvas pixels, RGBA rows
// from the top; false without a canvas or for a rectangle not wholly inside it.
bool ReadPixels(int x, int y, int width, int height, std::vector<uint8_t>& rgba);
// The same as a pixmap (for screenshots); null when there is nothing to read.
std::shared_ptr<TPixmap> GrabPixmap(int x, int y, int width, int height);
