// Internal to the platform layer: how the window code, the images, the 2D module and
// the immediate-mode calls meet. Nothing outside src/platform/ includes this.
#pragma once
#include <cstdint>

#include "platform/drawstate.h"

class TImageFont;
class TWindow;

// draw2d.cpp
TDrawState& DrawStateForUpdate();
TImageFont* CurrentFont();  // the font selected, else the default; null when there is none
// After a 2D primitive: the GL colour, texturing, binding and line width as it leaves them.
void LeaveGlState(TDrawState& state);

// Owner of the made-up texture names that the recording backend hands out.
constexpr uint32_t RECORDED_TEXTURE_OWNER = 0xFFFFFFFFu;

// glbackend.cpp
// A texture no image needs any more, made in the context of the window with SDL id owner;
// deleted now or when that context is current again, forgotten when the window is gone.
void ReleaseTexture(uint32_t owner, unsigned texture);
// What the OpenGL backend holds back reaches the context still current; called before
// the current context changes or goes.
void FlushDrawing();
// Later draws of the current window go to its rectangle (x, y, width, height), from the
// client area's top left, as to a canvas of that size; set false: the whole window.
void SetDrawingArea(bool set, int x, int y, int width, int height);

// menubar.cpp (window.cpp calls these)
// Before the window's buffers swap: the open menu bar is drawn over the frame and
// everything drawn reaches the canvas.
void DrawingBeforeFlip(TWindow* window);
void DrawingWindowFreed(TWindow* window);
