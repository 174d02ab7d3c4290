// The recording drawing backend: keeps every draw call with its arguments and the state
// in force, draws nothing, so that drawing code can be tested without a display.
//   TRecordingBackend recorder;
//   SetDrawBackend(&recorder);  ... draw ...  SetDrawBackend(nullptr);
#pragma once
#include <string>
#include <vector>

#include "platform/drawbackend.h"

enum class TDrawCallKind { Cls, Line, Rect, Oval, Text, Image, Immediate, SnapshotCanvas, DrawSnapshot };

struct TDrawCall {
  TDrawCallKind kind = TDrawCallKind::Cls;
  TDrawState state;  // in force when the call was made
  // Line: x1, y1, x2, y2, last pixel (0 or 1). Rect, Oval: x, y, width, height.
  // Text: x, y. Image: x, y, width, height, source x, y, width, height, handle x, y.
  std::vector<float> args;
  std::string text;                  // Text
  const TImageFont* font = nullptr;  // Text
  const TImage* image = nullptr;     // Image
  int frame = 0;                     // Image
  TImageCall imageCall = TImageCall::DrawImage;
  TImmediatePrimitive primitive;  // Immediate
};

class TRecordingBackend : public TDrawBackend {
 public:
  explicit TRecordingBackend(int canvasWidth = 640, int canvasHeight = 480)
      : width_(canvasWidth), height_(canvasHeight) {}

  const std::vector<TDrawCall>& Calls() const { return calls_; }
  // The calls of one kind, in order.
  std::vector<TDrawCall> CallsOf(TDrawCallKind kind) const;
  void Clear() { calls_.clear(); }
  void SetCanvasSize(int width, int height);
  int Flushes() const { return flushes_; }

  int CanvasWidth() override { return width_; }
  int CanvasHeight() override { return height_; }
  void Cls(const TDrawState& state) override;
  void DrawLine(const TDrawState& state, float x1, float y1, float x2, float y2, bool lastPixel) override;
  void DrawRect(const TDrawState& state, float x, float y, float width, float height) override;
  void DrawOval(const TDrawState& state, float x, float y, float width, float height) override;
  void DrawText(const TDrawState& state, TImageFont& font, const std::string& text, float x,
                float y) override;
  void DrawImage(const TDrawState& state, const TImageDraw& draw) override;
  void DrawImmediate(const TDrawState& state, const TImmediatePrimitive& primitive) override;
  // Made-up names, one per frame, the same each time it is asked.
  unsigned TextureName(TImage& image, int frame) override;
  void Flush() override { ++flushes_; }
  bool ReadPixels(int x, int y, int width, int height, std::vector<uint8_t>& rgba) override;
  void SnapshotCanvas() override;
  void DrawSnapshot() override;

 private:
  TDrawCall& add(TDrawCallKind kind, const TDrawState& state, std::vector<float> args);

  int width_;
  int height_;
  int flushes_ = 0;
  std::vector<TDrawCall> calls_;
};
