// The voice render's buffer-level steps: status checks, start delay and offset,
// modulation, step, pan and volume, the region, and the wavetable step sequence.
// Every bound handed to the frame loops lies inside the record's frames.
#include "audio/voicerender.h"

#include <algorithm>

#include "audio/mixer.h"
#include "audio/soundrecord.h"
#include "platform/numbers.h"

namespace {

constexpr int kMaxStep = 1411200;
constexpr int64_t kWhole = int64_t{1} << 32;

}  // namespace

int sound::mix(int32_t* accumulator, int n) {
  int64_t unknown = int64_t{INT32_MAX} + 1;  // nothing is known of the entries
  return mix(accumulator, n, unknown);
}

int sound::mix(int32_t* accumulator, int n, int64_t& reach) {
  DrySink sink{accumulator, reach, owner->path() != VectorPath::Plain};
  return render(sink, n);
}

int sound::prepare(FrameContext& c, int n, int& skip) {
  applyrequests();
  const int st = status;
  if (st == 0) return -1;
  if (st & kStatusFinished) return 1;
  if (st & kStatusPaused) return -2;
  if (stopflag != 0 || !smp) return 1;
  const sample& s = *smp;
  const bool looped = (st & kStatusLooped) || s.islooped != 0;
  if (looped && !(st & kStatusLooped)) status.fetch_or(kStatusLooped);

  const int now = MilliSecs();
  // A deferred key-up takes effect once, timed from the moment it was due.
  int due = keyupdue;
  if (due > 0 && now >= due && keyupdue.compare_exchange(due, 0) && keyuptime < 1) keyuptime = due;
  if (now < starttime) return 0;

  int frames = n / 2;
  skip = 0;
  if (startoffset >= frames) {
    startoffset -= frames;
    return 0;
  }
  if (startoffset > 0) {
    skip = startoffset;
    frames -= skip;
  }
  startoffset = 0;

  const modulation m = modulate(*this, s, now, owner->random);
  const float hertz = static_cast<float>(static_cast<int64_t>(s.hertz.load()) + m.pitch + s.tuning.load());
  const auto stepfor = [&](int r) {
    return std::clamp(TruncToInt(static_cast<float>(r) * m.rotorpitch * hertz / 44100.0f), 0, kMaxStep);
  };
  const int32_t currentrate = rate;
  const int32_t nextrate = targetrate;
  const int step0 = stepfor(currentrate);
  const int step1 = stepfor(nextrate);
  const int channels = s.channels;

  if (st & kStatusStream) {
    const int64_t ahead = (position >> 32) + static_cast<int64_t>(step0) * frames * channels / 65536;
    if (ahead > static_cast<int64_t>(s.writecursor.load(std::memory_order_acquire)) * channels) return 0;
  }

  const int newpan = saturate16(static_cast<int64_t>(targetpan) + std::clamp(m.panoffset, -4095, 4095));
  c.pan = static_cast<float>(lastpan);
  c.paninc = static_cast<float>(newpan - lastpan) / static_cast<float>(frames);
  c.panramp = newpan != lastpan;
  lastpan = newpan;

  const int16_t nextvolume = targetvolume;
  float amp = m.amp;
  if (!(amp > 0.0f)) amp = 0.0f;
  if (amp > 4095.0f) amp = 4095.0f;
  const int newvolume = saturate16(TruncToInt(amp * static_cast<float>(nextvolume)));
  const int oldvolume = buffercount == 0 ? 0 : lastvolume;
  lastvolume = newvolume;
  if (keyuptime >= 1 && newvolume <= 0) return 1;
  if (buffercount < INT32_MAX) ++buffercount;

  // Region, limited to the record's frames.
  const int64_t length = s.length;
  const int64_t limit = length * channels;
  if (limit <= 0) return 1;  // no frames: silence, and nothing to loop
  const int64_t loopstart = std::clamp<int64_t>(s.loopstart.load(), 0, length);
  const int64_t looplength = std::min<int64_t>(s.looplength.load(), length - loopstart);
  if (looplength < 1) {
    c.loopsize = limit;
    c.wavesize = 0;
    c.loopend = limit;
  } else {
    c.loopsize = looplength * channels;
    c.wavesize = looplength * channels;
    c.loopend = (loopstart + looplength) * channels;
  }
  const int64_t window = windowend;
  if (window > 0) c.loopend = std::min(window, limit);
  c.loopsize = std::min(c.loopsize, c.loopend);
  c.looped = looped;
  c.waves = c.wavesize > 0 ? limit / c.wavesize : 0;
  c.wavetable = (st & kStatusWavetable) && c.waves > 0;

  c.smp = &s;
  c.vectors = owner->path() != VectorPath::Plain;
  c.data = s.data;
  c.bits = s.bits;
  c.channels = channels;
  c.frames = frames;
  c.playpos = playpos;
  c.position = position;
  c.wavepos = wavepos;
  c.wavetruepos = wavetruepos;
  c.waveoffset = m.waveoffset;
  c.wavestep = wavestep;
  c.wave = wave;
  c.repeat = repeat;
  if (c.wavesize > 0 && (c.wavepos < 0 || (c.wavepos >> 32) >= c.wavesize))
    c.wavepos = positivemod(c.wavepos, c.wavesize * kWhole);
  // Positions from before a change of the region are brought back inside it.
  if (c.wavetable) {
    if (c.playpos < 0 || (c.playpos >> 32) >= c.waves * c.wavesize) placewave(c);
  } else {
    if (c.playpos < 0) c.playpos = 0;
    if (!keepinloop(c)) {
      finish(c);
      return 1;
    }
  }

  c.finalrate = nextrate;
  c.finalvolume = nextvolume;
  if (step0 == step1 && oldvolume == newvolume) {
    c.ramp = false;
    c.increment = static_cast<int64_t>(step0) * channels * 65536;
    c.volume = newvolume;
    c.silent = newvolume == 0;
  } else {
    c.ramp = true;
    c.stepfx = static_cast<int64_t>(step0) * kWhole;
    c.stepinc = (static_cast<int64_t>(step1) - step0) * kWhole / frames;
    c.vol8 = oldvolume * 256;
    c.volinc = (newvolume - oldvolume) * 256 / frames;
  }
  return kRenderFrames;
}

void sound::finish(const FrameContext& c) {
  playpos = c.playpos;
  position = c.position;
  wavepos = c.wavepos;
  wavetruepos = c.wavetruepos;
  wavestep = c.wavestep;
  wave = c.wave;
  repeat = c.repeat;
  if (c.ramp) {
    rate = c.finalrate;
    volume = c.finalvolume;
  } else if (c.silent) {
    volume = 0;
  }
  depth = targetdepth.load();
}
