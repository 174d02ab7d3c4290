// sound::render: one buffer of a voice into an accumulation sink. A sink has
// add(samples, offset, count, bound): the voice's samples, added from sample offset on,
// none of a magnitude above bound.
#pragma once
#include "audio/mixer.h"
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
    RenderScratch& scratch = owner->scratch;
    const int rendered = mixkernel(c, scratch);
    sink.add(scratch.frames.data(), 2 * skip, 2 * rendered, c.samplebound);
  }
  finish(c);
  return c.ended ? 1 : 0;
}
