// sound::render: one buffer of a voice into an accumulation sink. A sink has
// add(frame, left, right) and offset(frames) (a sink starting that many frames later).
#pragma once
#include "audio/mixkernels.h"
#include "audio/voice.h"

constexpr int kRenderFrames = 2;  // prepare's answer when frames are to be rendered

template <class Sink>
int sound::render(Sink& sink, int n) {
  FrameContext c;
  int skip = 0;
  const int result = prepare(c, n, skip);
  if (result != kRenderFrames) return result;
  if (c.silent) {
    advance(c, c.increment * c.frames);
  } else {
    auto shifted = sink.offset(skip);
    mixkernel(c, shifted, c.frames, c.bits, c.ramp, c.panramp);
  }
  finish(c);
  return c.ended ? 1 : 0;
}
