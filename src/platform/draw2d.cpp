// The 2D module's state: its setters and getters, and the font selection.
#include <algorithm>
#include <cmath>

#include "platform/draw2d.h"
#include "platform/drawbackend.h"
#include "platform/drawglue.h"
#include "platform/imagefont.h"

namespace {

struct DrawModule {
  TDrawState state;
  std::shared_ptr<TImageFont> font;
};

DrawModule& module() {
  static DrawModule* m = new DrawModule;
  return *m;
}

float unit(int channel) { return static_cast<float>(std::clamp(channel, 0, 255)) / 255.0f; }

float clampedAlpha(float alpha) { return std::isnan(alpha) ? 0.0f : std::clamp(alpha, 0.0f, 1.0f); }

}  // namespace

TDrawState& DrawStateForUpdate() { return module().state; }

TImageFont* CurrentFont() {
  DrawModule& m = module();
  return m.font ? m.font.get() : DefaultImageFont();
}

void LeaveGlState(TDrawState& state) {
  state.glRed = unit(state.red);
  state.glGreen = unit(state.green);
  state.glBlue = unit(state.blue);
  state.glAlpha = clampedAlpha(state.alpha);
  state.texturing = false;
  state.boundTexture = 0;
  state.glLineWidth = state.lineWidth;
}

void ResetDrawState() {
  module().state = TDrawState{};
  module().font.reset();
}

const TDrawState& CurrentDrawState() { return module().state; }

void SetColor(int red, int green, int blue) {
  TDrawState& s = module().state;
  s.red = red;
  s.green = green;
  s.blue = blue;
  // OpenGL's current colour follows, as immediate-mode code expects.
  s.glRed = unit(red);
  s.glGreen = unit(green);
  s.glBlue = unit(blue);
}

void GetColor(int& red, int& green, int& blue) {
  const TDrawState& s = module().state;
  red = s.red;
  green = s.green;
  blue = s.blue;
}

void SetAlpha(float alpha) {
  module().state.alpha = alpha;
  module().state.glAlpha = clampedAlpha(alpha);
}

float GetAlpha() { return module().state.alpha; }

void SetBlend(int mode) {
  if (mode < SOLIDBLEND || mode > SHADEBLEND) return;
  TDrawState& s = module().state;
  s.blend = mode;
  s.alphaTest = mode == MASKBLEND;
  s.alphaFunc = mode == MASKBLEND ? ALPHA_GEQUAL : ALPHA_ALWAYS;
  s.alphaRef = mode == MASKBLEND ? 0.5f : 0.0f;
}

int GetBlend() { return module().state.blend; }

void SetViewport(int x, int y, int width, int height) {
  TDrawState& s = module().state;
  s.viewportSet = true;
  s.viewportX = x;
  s.viewportY = y;
  s.viewportWidth = width;
  s.viewportHeight = height;
}

void GetViewport(int& x, int& y, int& width, int& height) {
  const TDrawState& s = module().state;
  if (s.viewportSet) {
    x = s.viewportX;
    y = s.viewportY;
    width = s.viewportWidth;
    height = s.viewportHeight;
    return;
  }
  x = 0;
  y = 0;
  width = static_cast<int>(VirtualResolutionWidth());
  height = static_cast<int>(VirtualResolutionHeight());
}

void SetVirtualResolution(float width, float height) {
  TDrawState& s = module().state;
  const bool usable = width > 0.0f && height > 0.0f && std::isfinite(width) && std::isfinite(height);
  s.virtualWidth = usable ? width : 0.0f;
  s.virtualHeight = usable ? height : 0.0f;
}

float VirtualResolutionWidth() {
  const TDrawState& s = module().state;
  return s.virtualWidth > 0.0f ? s.virtualWidth : static_cast<float>(GraphicsWidth());
}

float VirtualResolutionHeight() {
  const TDrawState& s = module().state;
  return s.virtualHeight > 0.0f ? s.virtualHeight : static_cast<float>(GraphicsHeight());
}

void SetOrigin(float x, float y) {
  module().state.originX = x;
  module().state.originY = y;
}

void GetOrigin(float& x, float& y) {
  x = module().state.originX;
  y = module().state.originY;
}

void SetHandle(float x, float y) {
  module().state.handleX = x;
  module().state.handleY = y;
}

void GetHandle(float& x, float& y) {
  x = module().state.handleX;
  y = module().state.handleY;
}

void SetScale(float x, float y) {
  module().state.scaleX = x;
  module().state.scaleY = y;
}

void GetScale(float& x, float& y) {
  x = module().state.scaleX;
  y = module().state.scaleY;
}

void SetRotation(float degrees) { module().state.rotation = degrees; }
float GetRotation() { return module().state.rotation; }

void SetLineWidth(float width) {
  module().state.lineWidth = width;
  module().state.glLineWidth = width;
}

float GetLineWidth() { return module().state.lineWidth; }

void SetClsColor(int red, int green, int blue) {
  TDrawState& s = module().state;
  s.clsRed = red;
  s.clsGreen = green;
  s.clsBlue = blue;
}

void GetClsColor(int& red, int& green, int& blue) {
  const TDrawState& s = module().state;
  red = s.clsRed;
  green = s.clsGreen;
  blue = s.clsBlue;
}

void SetImageFont(const std::shared_ptr<TImageFont>& font) { module().font = font; }
std::shared_ptr<TImageFont> GetImageFont() { return module().font; }
