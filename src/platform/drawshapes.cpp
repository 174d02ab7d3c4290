// The 2D module's primitives: clearing, lines, rectangles, ovals and text.
#include "platform/draw2d.h"
#include "platform/drawbackend.h"
#include "platform/drawglue.h"
#include "platform/imagefont.h"

namespace {
// A NaN alpha draws nothing either.
bool visible(const TDrawState& state) { return state.alpha > 0.0f; }
}  // namespace

void Cls() { CurrentDrawBackend().Cls(DrawStateForUpdate()); }

void DrawLine(float x1, float y1, float x2, float y2, int drawLastPixel) {
  TDrawState& state = DrawStateForUpdate();
  if (visible(state)) CurrentDrawBackend().DrawLine(state, x1, y1, x2, y2, drawLastPixel != 0);
  LeaveGlState(state);
}

void DrawRect(float x, float y, float width, float height) {
  TDrawState& state = DrawStateForUpdate();
  if (visible(state)) CurrentDrawBackend().DrawRect(state, x, y, width, height);
  LeaveGlState(state);
}

void DrawOval(float x, float y, float width, float height) {
  TDrawState& state = DrawStateForUpdate();
  if (visible(state)) CurrentDrawBackend().DrawOval(state, x, y, width, height);
  LeaveGlState(state);
}

void DrawText(const std::string& text, float x, float y) {
  TDrawState& state = DrawStateForUpdate();
  TImageFont* font = CurrentFont();
  if (font && visible(state) && !text.empty()) CurrentDrawBackend().DrawText(state, *font, text, x, y);
  LeaveGlState(state);
}

int TextWidth(const std::string& text) {
  TImageFont* font = CurrentFont();
  return font ? font->Width(text) : 0;
}

int TextHeight(const std::string&) {
  TImageFont* font = CurrentFont();
  return font ? font->Height() : 0;
}
