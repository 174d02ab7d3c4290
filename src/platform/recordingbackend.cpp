// The recording drawing backend.
#include "platform/recordingbackend.h"

#include <algorithm>

#include "platform/drawglue.h"
#include "platform/image.h"

namespace {
unsigned nextTextureName = 1;
}

std::vector<TDrawCall> TRecordingBackend::CallsOf(TDrawCallKind kind) const {
  std::vector<TDrawCall> out;
  std::copy_if(calls_.begin(), calls_.end(), std::back_inserter(out),
               [kind](const TDrawCall& call) { return call.kind == kind; });
  return out;
}

void TRecordingBackend::SetCanvasSize(int width, int height) {
  width_ = std::max(width, 0);
  height_ = std::max(height, 0);
}

TDrawCall& TRecordingBackend::add(TDrawCallKind kind, const TDrawState& state, std::vector<float> args) {
  TDrawCall& call = calls_.emplace_back();
  call.kind = kind;
  call.state = state;
  call.args = std::move(args);
  return call;
}

void TRecordingBackend::Cls(const TDrawState& state) { add(TDrawCallKind::Cls, state, {}); }

void TRecordingBackend::DrawLine(const TDrawState& state, float x1, float y1, float x2, float y2,
                                 bool lastPixel) {
  add(TDrawCallKind::Line, state, {x1, y1, x2, y2, lastPixel ? 1.0f : 0.0f});
}

void TRecordingBackend::DrawRect(const TDrawState& state, float x, float y, float width, float height) {
  add(TDrawCallKind::Rect, state, {x, y, width, height});
}

void TRecordingBackend::DrawOval(const TDrawState& state, float x, float y, float width, float height) {
  add(TDrawCallKind::Oval, state, {x, y, width, height});
}

void TRecordingBackend::DrawText(const TDrawState& state, TImageFont& font, const std::string& text,
                                 float x, float y) {
  TDrawCall& call = add(TDrawCallKind::Text, state, {x, y});
  call.text = text;
  call.font = &font;
}

void TRecordingBackend::DrawImage(const TDrawState& state, const TImageDraw& draw) {
  TDrawCall& call = add(TDrawCallKind::Image, state,
                        {draw.x, draw.y, draw.width, draw.height, draw.sourceX, draw.sourceY,
                         draw.sourceWidth, draw.sourceHeight, draw.handleX, draw.handleY});
  call.image = draw.image;
  call.frame = draw.frame;
  call.imageCall = draw.call;
}

void TRecordingBackend::DrawImmediate(const TDrawState& state, const TImmediatePrimitive& primitive) {
  add(TDrawCallKind::Immediate, state, {}).primitive = primitive;
}

unsigned TRecordingBackend::TextureName(TImage& image, int frame) {
  if (frame < 0 || frame >= static_cast<int>(image.frames.size())) return 0;
  TImageFrame& f = image.frames[frame];
  if (f.texture != 0 && f.textureOwner == RECORDED_TEXTURE_OWNER) return f.texture;
  if (f.texture != 0) ReleaseTexture(f.textureOwner, f.texture);
  f.texture = nextTextureName++;
  f.textureOwner = RECORDED_TEXTURE_OWNER;
  f.textureVersion = -1;
  return f.texture;
}

bool TRecordingBackend::ReadPixels(int, int, int, int, std::vector<uint8_t>& rgba) {
  rgba.clear();
  return false;
}

void TRecordingBackend::SnapshotCanvas() { add(TDrawCallKind::SnapshotCanvas, TDrawState{}, {}); }

void TRecordingBackend::DrawSnapshot() { add(TDrawCallKind::DrawSnapshot, TDrawState{}, {}); }
