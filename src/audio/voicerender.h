// sound::render: one buffer of a voice into an accumulation sink. A sink has
// add(samples, offset, count, bound): the voice's samples, added from sample offset on,
// none of a magnitude above bound. It may instead hand out direct(offset, bound), an
// accumulator to add into, or row(offset), a float row to write into, followed by
// rendered(offset, count).
#pragma once
#include "audio/mixer.h"
#include "audio/accumulate.h"
#include "audio/framekernels.h"
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
    RenderTarget target;
    const auto claim = [&](int64_t bound) {
      if constexpr (requires { sink.direct(0, bound); }) target.add = sink.direct(2 * skip, bound);
      if constexpr (requires { sink.row(0); }) target.row = sink.row(2 * skip);
      return target;
    };
    const int rendered = mixkernel(c, scratch, claim);
    if constexpr (requires { sink.rendered(0, 0); }) {
      if (target.row) sink.rendered(2 * skip, 2 * rendered);
    }
    if (!target.row && !target.add) sink.add(scratch.frames.data(), 2 * skip, 2 * rendered, c.samplebound);
  }
  finish(c);
  return c.ended ? 1 : 0;
}
