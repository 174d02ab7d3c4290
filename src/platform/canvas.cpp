// The canvas as a whole: its size, the pointer in drawing units, the system pointer's
// visibility and reading the drawn pixels back.
#include <SDL.h>

#include <cstring>

#include "platform/draw2d.h"
#include "platform/drawbackend.h"
#include "platform/input.h"
#include "platform/numbers.h"

int GraphicsWidth() { return CurrentDrawBackend().CanvasWidth(); }
int GraphicsHeight() { return CurrentDrawBackend().CanvasHeight(); }

int VirtualMouseX() {
  const int width = GraphicsWidth();
  if (width <= 0) return MouseX();
  return TruncToInt(double(MouseX()) * VirtualResolutionWidth() / width);
}

int VirtualMouseY() {
  const int height = GraphicsHeight();
  if (height <= 0) return MouseY();
  return TruncToInt(double(MouseY()) * VirtualResolutionHeight() / height);
}

void ShowMouse() {
  if (SDL_WasInit(SDL_INIT_VIDEO)) SDL_ShowCursor(SDL_ENABLE);
}

void HideMouse() {
  if (SDL_WasInit(SDL_INIT_VIDEO)) SDL_ShowCursor(SDL_DISABLE);
}

bool ReadPixels(int x, int y, int width, int height, std::vector<uint8_t>& rgba) {
  rgba.clear();
  if (width <= 0 || height <= 0) return false;
  return CurrentDrawBackend().ReadPixels(x, y, width, height, rgba);
}

std::shared_ptr<TPixmap> GrabPixmap(int x, int y, int width, int height) {
  std::vector<uint8_t> rgba;
  if (!ReadPixels(x, y, width, height, rgba)) return nullptr;
  auto pixmap = CreatePixmap(width, height);
  if (!pixmap || rgba.size() < pixmap->pixels.size()) return nullptr;
  std::memcpy(pixmap->pixels.data(), rgba.data(), pixmap->pixels.size());
  // The canvas's own alpha means nothing on screen.
  for (size_t i = 3; i < pixmap->pixels.size(); i += 4) pixmap->pixels[i] = 255;
  return pixmap;
}
