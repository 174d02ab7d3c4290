// Internal to the platform layer and its drawing side: the SDL window and OpenGL
// context behind a window.
#pragma once
#include <SDL.h>

class TWindow;

SDL_Window* SdlWindow(TWindow* window);
SDL_GLContext SdlGlContext(TWindow* window);
TWindow* WindowFromSdlId(Uint32 windowId);  // null for an unknown id
