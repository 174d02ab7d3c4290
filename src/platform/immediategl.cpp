// The immediate-mode GL calls: vertices gathered between glBegin and glEnd with the
// current colour and texture coordinate, handed to the drawing backend at glEnd; the
// switches and the binding kept in the drawing state.
#include "platform/immediategl.h"

#include <algorithm>
#include <cmath>

#include "platform/drawbackend.h"
#include "platform/drawgeometry.h"
#include "platform/drawglue.h"

namespace {

struct Immediate {
  bool inside = false;
  TImmediatePrimitive primitive;
  float u = 0.0f;
  float v = 0.0f;
};

Immediate& immediate() {
  static Immediate* i = new Immediate;
  return *i;
}

float unit(float value) { return std::isnan(value) ? 0.0f : std::clamp(value, 0.0f, 1.0f); }

void setSwitch(int cap, bool on) {
  if (immediate().inside) return;  // not allowed between glBegin and glEnd
  TDrawState& state = DrawStateForUpdate();
  switch (cap) {
    case GL_TEXTURE_2D: state.texturing = on; break;
    case GL_LINE_SMOOTH: state.lineSmooth = on; break;
    case GL_ALPHA_TEST: state.alphaTest = on; break;
    default: break;
  }
}

}  // namespace

void glBegin(int mode) {
  Immediate& i = immediate();
  if (i.inside || PrimitiveKind(mode) == TPrimitiveKind::None) return;
  i.inside = true;
  i.primitive.mode = mode;
  i.primitive.vertices.clear();
}

void glEnd() {
  Immediate& i = immediate();
  if (!i.inside) return;
  i.inside = false;
  if (!i.primitive.vertices.empty()) CurrentDrawBackend().DrawImmediate(DrawStateForUpdate(), i.primitive);
  i.primitive.vertices.clear();
}

void glVertex3f(float x, float y, float z) {
  Immediate& i = immediate();
  if (!i.inside) return;
  const TDrawState& state = DrawStateForUpdate();
  TImmediateVertex vertex;
  vertex.x = x;
  vertex.y = y;
  vertex.z = z;
  vertex.u = i.u;
  vertex.v = i.v;
  vertex.red = state.glRed;
  vertex.green = state.glGreen;
  vertex.blue = state.glBlue;
  vertex.alpha = state.glAlpha;
  i.primitive.vertices.push_back(vertex);
}

void glVertex2f(float x, float y) { glVertex3f(x, y, 0.0f); }
void glVertex2i(int x, int y) { glVertex3f(static_cast<float>(x), static_cast<float>(y), 0.0f); }

void glColor4f(float red, float green, float blue, float alpha) {
  TDrawState& state = DrawStateForUpdate();
  state.glRed = unit(red);
  state.glGreen = unit(green);
  state.glBlue = unit(blue);
  state.glAlpha = unit(alpha);
}

void glColor3f(float red, float green, float blue) { glColor4f(red, green, blue, 1.0f); }

void glColor4ub(uint8_t red, uint8_t green, uint8_t blue, uint8_t alpha) {
  glColor4f(red / 255.0f, green / 255.0f, blue / 255.0f, alpha / 255.0f);
}

void glColor4b(int8_t red, int8_t green, int8_t blue, int8_t alpha) {
  glColor4f(red / 127.0f, green / 127.0f, blue / 127.0f, alpha / 127.0f);
}

void glTexCoord2f(float u, float v) {
  immediate().u = u;
  immediate().v = v;
}

void glBindTexture(int target, unsigned texture) {
  if (target != GL_TEXTURE_2D || immediate().inside) return;
  DrawStateForUpdate().boundTexture = texture;
}

void glEnable(int cap) { setSwitch(cap, true); }
void glDisable(int cap) { setSwitch(cap, false); }

void glAlphaFunc(int func, float ref) {
  if (func < GL_NEVER || func > GL_ALWAYS || immediate().inside) return;
  TDrawState& state = DrawStateForUpdate();
  state.alphaFunc = func;
  state.alphaRef = unit(ref);
}

void glLineWidth(float width) {
  if (!(width > 0.0f) || immediate().inside) return;
  DrawStateForUpdate().glLineWidth = width;
}
