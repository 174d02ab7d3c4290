// What every waveform view shares: a bounds-checked reader of a sub-voice's 16-bit
// sample values, the slot look-ups, the play-position target, the trace geometry, and
// the drawn elements common to the views (view frame, mark lines, window box).
#pragma once
#include <cstdint>
#include <limits>
#include <memory>

#include "platform/numbers.h"

class TVoice;
class TChannel;

// The sample values of one voice. Every read outside 0 .. count - 1 (or without
// data) gives 0, so no box, zoom, window or segment reaches past the sound.
struct TViewSample {
  const int16_t* data = nullptr;
  int64_t count = 0;  // 16-bit values held
  int length = 0;     // frames
  int channels = 1;   // of the sound itself

  int At(int64_t index) const { return (data && index >= 0 && index < count) ? data[index] : 0; }
  // Left (lane 0) or right (lane 1) value of frame f of interleaved stereo data.
  int Frame(int64_t f, int lane) const { return At(f * 2 + lane); }
};

TViewSample ViewSampleOf(const TVoice& voice);
// The sound's WaveLength (1 without a sound).
int ViewWaveLength(const TVoice& voice);
// The wavetable step at which the channel's sound is (0 without a channel).
int ViewWaveTablePlayhead(const std::shared_ptr<TChannel>& channel);

// The play position of the channel while it plays; `none` otherwise. `playing` tells which.
int PlayTarget(const std::shared_ptr<TChannel>& channel, int none, bool* playing = nullptr);

// A product saturated to the 64-bit range (segment steps are not checked on entry).
inline int64_t SatMul(int64_t a, int64_t b) {
  int64_t product = 0;
  if (!__builtin_mul_overflow(a, b, &product)) return product;
  return ((a < 0) != (b < 0)) ? std::numeric_limits<int64_t>::min() : std::numeric_limits<int64_t>::max();
}

// A column position as a sample index: truncated toward zero.
inline int64_t PosIndex(float pos) { return TruncToInt64(pos); }

// The height scale of a trace lane: float(32767 div half), half at least 1.
inline float TraceScale(int half) { return static_cast<float>(32767 / (half < 1 ? 1 : half)); }
// The pixel row of value v about centre mid.
inline int TraceHeight(int mid, int v, float scale) {
  return TruncToInt(static_cast<float>(mid) - static_cast<float>(v) / scale);
}

// The shared view frame: background grey, the two outlines and the inner shade.
// With a lane divider (x2 given) two thin lines cross the middle after the background.
void DrawViewFrame(int x, int y, int w, int h, int zoomed);
void DrawViewFrameDivided(int x, int y, int w, int h, int x2, int zoomed);

// The labelled range markers; a column of -1 draws nothing.
void DrawRangeStart(int s, int y, int bottom);
void DrawRangeEnd(int e, int y, int bottom);

// The overview's window box from column wa to wb.
void DrawWindowBox(int wa, int wb, int y, int h);
// The overview's segment grid from x + 1 + sw while below xr, stepped by sw pixels.
// Calls visit(j, g) for each line drawn, j counting from 0. Returns the lines drawn.
template <typename Visit>
int DrawSegmentGrid(int x, int y, int y2, int xr, float sw, Visit visit);
void DrawGridLine(float g, int y, int y2);

template <typename Visit>
int DrawSegmentGrid(int x, int y, int y2, int xr, float sw, Visit visit) {
  if (!(sw > 0.0f) || !std::isfinite(sw)) return 0;
  int j = 0;
  float g = static_cast<float>(x + 1) + sw;
  while (g < static_cast<float>(xr)) {
    DrawGridLine(g, y, y2);
    visit(j, g);
    ++j;
    const float next = g + sw;
    if (!(next > g)) break;  // a step too small to move the float any further
    g = next;
  }
  return j;
}
