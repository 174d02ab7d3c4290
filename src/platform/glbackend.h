// The OpenGL drawing backend (OpenGL 2.1 compatibility profile): draws into the context
// of the graphics window, gathering consecutive primitives that share texture, blend,
// alpha test and clip rectangle into one vertex-array draw. Textures of image frames
// are made on first use and follow the context they were made in.
#pragma once
#include "platform/drawbackend.h"

TDrawBackend& OpenGLBackend();

// Off: every primitive is drawn at once with its own glBegin/glEnd pair, as plain
// immediate-mode code would (for comparing speeds). On at start.
void SetDrawBatching(bool on);
bool DrawBatching();
