// The 3D waveform views: Display3d draws the sample's segments as a stack of tilted
// slices, each a little right of and above the one before; Display3dTrue projects the
// slices through a rotation that follows the stored pointer position, with a spacing
// along the time axis. Both are pure line drawing (the drawing backend batches lines).
//
// A stereo sample shows its left channel: positions count interleaved values and each
// column reads the even value at or below its position.
#include <algorithm>

#include "platform/draw2d.h"
#include "voice/viewcommon.h"
#include "voice/voices.h"

namespace {

constexpr const char* kDenseLine1 = "The density of the current Segment Length and Step Size is too high";
constexpr const char* kDenseLine2 = "Increase Segment Length and/or Segment Step to view in 3d.";
constexpr const char* kDragHint =
    "Click and drag with the mouse to change the angle of view, Press Shift+mouse to alter the spacing.";

float F(int64_t value) { return static_cast<float>(value); }

// What both views derive from the voice. Frame quantities are doubled for stereo.
struct TSlices {
  TViewSample sample;
  bool stereo = false;
  int64_t len = 0;    // values
  int64_t size = 1;   // values
  int64_t span = 1;   // values between slice starts
  int64_t ws = 0;     // values
  int64_t count = 0;  // slices visited
  bool dense = false;
  float n = 0.0f;        // slices across the sample
  float halfW = 0.0f;
  float qH = 0.0f;
  float colStep = 0.0f;  // values per column
  int lastColumn = 0;    // trunc(halfW - 5)
  int64_t playhead = 0;
  bool playing = false;

  int Value(float p) const {
    if (p >= F(len)) return 0;
    int64_t index = TruncToInt64(p);
    if (stereo) index -= index % 2;
    return sample.At(index);
  }
  bool Current(int64_t start) const { return start == ws || (start - span < ws && ws < start); }
};

// Sizes below 1 count as 1, so a slice always has a positive length.
TSlices Measure(TVoice& voice, const std::shared_ptr<TChannel>& channel, int w, int h) {
  TSlices v;
  v.sample = ViewSampleOf(voice);
  v.stereo = voice.CurrChannel == 2;
  const int64_t unit = v.stereo ? 2 : 1;
  const int64_t frames = v.sample.length;
  const int64_t size = std::max(voice.SegmentSize, 1);
  const int64_t span = SatMul(size, std::max(voice.SegmentStep, 1));
  v.len = frames * unit;
  v.size = size * unit;
  v.span = SatMul(span, unit);
  v.ws = std::max(voice.WindowStart, 0) * unit;
  v.dense = (frames / span) / 10 >= 20;
  v.count = 10 * ((frames / span) / 10 + 1);
  v.n = F(frames) / F(span);
  v.halfW = F(w / 2);
  v.qH = F(h / 4);
  v.colStep = F(size) / (v.halfW - 5.0f) * F(unit);
  v.lastColumn = TruncToInt(v.halfW - 5.0f);
  v.playhead = static_cast<int64_t>(PlayTarget(channel, 0, &v.playing)) * unit;
  return v;
}

void DenseMessage(int x, int y) {
  DrawText(kDenseLine1, F(x), F(y));
  DrawText(kDenseLine2, F(x), F(y + 16));
}

void SliceColour(const TSlices& v, int64_t start) {
  if (v.Current(start))
    SetColor(255, 40, 40);
  else
    SetColor(160, 160, 160);
}

}  // namespace

int TVoices::Display3d(int v, int s, int x, int y, int w, int h, int x2, int y2, int r, int g,
                       int b) {
  TVoice* voice = SlotVoice(v, s);
  if (!voice) return 1;
  const TSlices m = Measure(*voice, SlotChannel(v, s), w, h);
  SetColor(30, 30, 30);
  DrawRect(F(x), F(y), F(w), F(h));
  if (m.dense) {
    SetColor(255, 255, 255);
    SetAlpha(0.5f);
    DenseMessage(x, y);
    return 1;
  }
  const float dx = m.n > 0.0f ? m.halfW / m.n : 0.0f;
  const float dy = m.n > 0.0f ? F(h / 2) / m.n : 0.0f;
  // Boxes under 68 pixels high would turn the amplitude scale over: at least 1 pixel.
  const float scale = 32767.0f / std::max(m.qH / 2.0f - 8.0f, 1.0f);
  const float slope = m.halfW > 0.0f ? (m.qH / 2.0f) / m.halfW : 0.0f;
  bool playheadDrawn = !m.playing;
  for (int64_t k = 0; k < m.count; ++k) {
    const int64_t start = SatMul(k, m.span);
    if (start >= m.len) continue;
    const float x0 = F(x + 2) + F(k) * dx;
    const float z = F(y2 - 2) - m.qH - F(k) * dy;
    SliceColour(m, start);
    float p = F(start);
    float previous = F(TruncToInt(z - F(m.Value(p)) / scale));
    float previousTilt = 0.0f;
    for (int c = 2; c <= m.lastColumn; ++c) {
      const float tilt = F(c - 2) * slope;
      const float current = F(TruncToInt(z - F(m.Value(p)) / scale));
      DrawLine(x0 + F(c - 2), previous + previousTilt, x0 + F(c - 1), current + tilt);
      if (!playheadDrawn && F(m.playhead) <= p && p < F(m.len)) {
        SetColor(255, 255, 0);
        DrawLine(x0 + F(c + 1), z - m.qH / 2.0f + 1.0f + tilt, x0 + F(c + 1),
                 z + m.qH / 2.0f - 1.0f + tilt);
        playheadDrawn = true;
      }
      previous = current;
      previousTilt = tilt;
      p += m.colStep;
    }
  }
  return 0;
}

int TVoices::Display3dTrue(int v, int s, int x, int y, int w, int h, int x2, int y2, int r,
                           int g, int b) {
  TVoice* voice = SlotVoice(v, s);
  if (!voice) return 1;
  const TSlices m = Measure(*voice, SlotChannel(v, s), w, h);
  SetColor(30, 30, 30);
  DrawRect(F(x), F(y), F(w), F(h));
  SetColor(160, 160, 160);
  if (m.dense) {
    DenseMessage(x, y);
    return 1;
  }
  DrawText(kDragHint, F(x), F(y));
  if (w <= 0 || h <= 0) return 0;
  const float yaw = (F(static_cast<int64_t>(voice->Mouse3dX) - w / 4) / F(w)) * 360.0f;
  const float pitch = (F(static_cast<int64_t>(h) - voice->Mouse3dY) / F(h)) * 144.0f;
  const float s1 = static_cast<float>(Sin(yaw));
  const float c1 = static_cast<float>(Cos(yaw));
  const float s2 = static_cast<float>(Sin(-pitch));
  const float c2 = static_cast<float>(Cos(-pitch));
  // A spacing of 70 or more would leave no time axis: it counts as 69.
  const int spacing = std::clamp(TruncToInt(voice->Spacing3d), 0, 69);
  const float k = F(70 - spacing) / 10.0f;
  const float centre = F(m.len) / (256.0f * k);
  const int cx = x + w / 2;
  const int cy = y + h / 2;
  bool playheadDrawn = !m.playing;
  for (int64_t slice = 0; slice < m.count; ++slice) {
    const int64_t start = SatMul(slice, m.span);
    if (start >= m.len) continue;
    SliceColour(m, start);
    float p = F(start);
    int px = 0;
    int py = 0;
    for (int c = 0; c <= m.lastColumn; ++c) {
      const float u = p / (128.0f * k) - centre;
      const float t = (F(c) - m.halfW / 1.6f) / 10.0f;
      const float e = -F(m.Value(p)) / 3000.0f;
      const float sx = u * c1 + t * s1;
      const float sy = (t * c1 - u * s1) * c2 - e * s2;
      const int X = TruncToInt(F(cx) + 10.0f * sx);
      const int Y = TruncToInt(F(cy) + 10.0f * sy);
      if (c > 0) DrawLine(F(X), F(Y), F(px), F(py));
      if (!playheadDrawn && F(m.playhead) <= p && p < F(m.len)) {
        SetColor(255, 255, 0);
        DrawLine(F(X), F(Y - 40), F(X), F(Y + 40));
        playheadDrawn = true;
      }
      px = X;
      py = Y;
      p += m.colStep;
    }
  }
  return 0;
}
