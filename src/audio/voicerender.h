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
    bool added = false;
    const auto claim = [&](int64_t bound) -> int32_t* {
      if constexpr (requires { sink.direct(0, bound); }) {
        int32_t* const direct = sink.direct(2 * skip, bound);
        added = direct != nullptr;
        return direct;
      } else {
        return nullptr;
      }
    };
    const int rendered = mixkernel(c, scratch, claim);
    if (!added) sink.add(scratch.frames.data(), 2 * skip, 2 * rendered, c.samplebound);
  }
  finish(c);
  return c.ended ? 1 : 0;
}
