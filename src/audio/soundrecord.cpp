// The sound record: creation, guard frame, streaming write, reference count and the
// few setters that keep their own range rules.
#include "audio/soundrecord.h"

#include <algorithm>
#include <climits>
#include <cstring>

#include "audio/lfofunction.h"

namespace {

bool inrange(int index, int count) { return static_cast<unsigned>(index) < static_cast<unsigned>(count); }

}  // namespace

sample* sample::create(int length, int bits, int channels, int hertz, void* data, int loop) {
  if (length < 0 || (bits != 8 && bits != 16) || (channels != 1 && channels != 2)) return nullptr;
  // Positions are 32.32 in sample values and sizes are 32-bit: keep the buffer addressable.
  const int64_t frame = bits / 8 * channels;
  if ((static_cast<int64_t>(length) + 1) * frame > INT_MAX) return nullptr;
  sample* s = new sample();
  if (loop != kLoopUseCallerBuffer) {
    s->init(length, hertz, channels, bits, nullptr);
    if (data) s->write(data, length, 0);
  } else {
    if (!data) {
      delete s;
      return nullptr;
    }
    s->init(length, hertz, channels, bits, data);
  }
  s->setloop(loop);
  return s;
}

sample::~sample() = default;

int sample::init(int frames, int rate, int numchannels, int numbits, void* buffer) {
  hertz = rate;
  channels = numchannels;
  bits = numbits;
  length = frames;
  framesize = std::max(numbits, 8) * numchannels / 8;
  datasize = framesize * frames;
  writecursor.store(0, std::memory_order_relaxed);
  refcount.store(1, std::memory_order_relaxed);
  if (buffer) {
    owned_.reset();
    data = static_cast<std::byte*>(buffer);
    ownedsize = 0;
  } else {
    ownedsize = framesize * (frames + 1);
    owned_ = std::make_unique<std::byte[]>(static_cast<size_t>(ownedsize));  // zeroed: silence
    data = owned_.get();
  }
  writeptr = data;
  tuning = 0;
  loopmode = 0;
  islooped = 0;
  loopstart = 0;
  looplength = frames;
  playheadstart = 0;
  iswavetable = 0;
  isppgwavetable = 0;
  wavetableamount = 0;
  waveloopstart = 0;
  wavelength = 1;
  for (int i = 0; i < kWaveSteps; ++i) {
    stepwave[i] = i;
    steprepeat[i] = 1;
  }
  for (int e = 0; e < kEnvelopes; ++e) {
    envset[e] = 0;
    envdelay[e] = 0;
    envattack[e] = 0;
    envdecay[e] = 0;
    envsustain[e] = 4095;
    envrelease[e] = 0;
  }
  for (int l = 0; l < kLfos; ++l) {
    lfowave[l] = 0;
    lfotime[l] = 0;
    lforate[l] = 1000;
    lfosteps[l] = 8;
    for (int s = 0; s < kLfoStepSlots; ++s) lfostep[l][s] = s;
    lfooffset[l] = 0;
    lfovertical[l] = 0;
    lfoscale[l] = 1.0f;
  }
  for (auto& level : modlevel) level = 1.0f;
  for (auto& row : modmatrix)
    for (auto& cell : row) cell = 0;
  rotoractive = 1;
  rotorcount = 4;
  for (auto& value : rotorvalue) value = 1.0f;
  rotortime = 250;
  for (auto& level : rotorlevel) level = 100;
  // Until a voice starts on it: nothing to the buses, the dry path at unity.
  for (int k = 0; k < kSends - 1; ++k) send[k] = 0.0f;
  send[kSends - 1] = 1.0f;
  return 0;
}

void sample::setloop(int mode) {
  loopmode = mode;
  islooped = mode;
  // A record without frames has no frame to copy: its guard stays as it is (zeroed when owned).
  if (length < 1 || !data) return;
  const int from = mode != 0 ? 0 : length - 1;
  std::memmove(data + static_cast<size_t>(length) * framesize, data + static_cast<size_t>(from) * framesize,
               static_cast<size_t>(framesize));
}

int sample::write(const void* source, int frames, int start) {
  if (!source || frames <= 0 || length <= 0) return 0;
  const auto* from = static_cast<const std::byte*>(source);
  int copied = 0;
  int cursor = writecursor.load(std::memory_order_relaxed);
  while (cursor < length && copied < frames) {
    const int count = std::min(length - cursor, frames - copied);
    std::memcpy(writeptr, from + static_cast<size_t>(copied) * framesize, static_cast<size_t>(count) * framesize);
    copied += count;
    cursor += count;
    writeptr = data + static_cast<size_t>(cursor % length) * framesize;
    // A stream voice reads up to the cursor: publish the frames before the cursor.
    writecursor.store(cursor, std::memory_order_release);
  }
  return copied;
}

void sample::addref() { refcount.fetch_add(1, std::memory_order_relaxed); }

void sample::free() {
  if (refcount.fetch_sub(1, std::memory_order_acq_rel) == 1) delete this;
}

void sample::setwavetable(int step, int wave, int repeat) {
  if (!inrange(step, kWaveSteps)) return;
  if (wave >= 0) stepwave[step] = wave;
  if (repeat >= 1) steprepeat[step] = repeat;
}

void sample::setdadsr(int envelope, int delay, int attack, int decay, int sustain, int release) {
  const int e = inrange(envelope, kEnvelopes) ? envelope : 0;
  envdelay[e] = std::max(delay, 0);
  envattack[e] = std::max(attack, 0);
  envdecay[e] = std::max(decay, 0);
  envsustain[e] = std::max(sustain, 0);
  envrelease[e] = std::max(release, 0);
  envset[e] = 1;
}

void sample::setlfowave(int lfo, int wave) {
  if (inrange(lfo, kLfos)) lfowave[lfo] = wave;
}
int sample::getlfowave(int lfo) const { return inrange(lfo, kLfos) ? lfowave[lfo].load() : 0; }

void sample::setlfotime(int lfo, int mode) {
  if (inrange(lfo, kLfos)) lfotime[lfo] = mode;
}
int sample::getlfotime(int lfo) const { return inrange(lfo, kLfos) ? lfotime[lfo].load() : 0; }

void sample::setlfohertzrate(int lfo, int rate) {
  if (inrange(lfo, kLfos)) lforate[lfo] = rate;
}
int sample::getlfohertzrate(int lfo) const { return inrange(lfo, kLfos) ? lforate[lfo].load() : 0; }

void sample::setlfolevel(int row, float level) {
  if (inrange(row, kModRows)) modlevel[row] = level;
}
float sample::getlfolevel(int row) const { return inrange(row, kModRows) ? modlevel[row].load() : 0.0f; }

void sample::setlfosteps(int lfo, int steps) {
  if (inrange(lfo, kLfos)) lfosteps[lfo] = steps;
}
int sample::getlfosteps(int lfo) const { return inrange(lfo, kLfos) ? lfosteps[lfo].load() : 0; }

void sample::setlfostep(int lfo, int step, int value) {
  if (inrange(lfo, kLfos) && inrange(step, kLfoStepSlots)) lfostep[lfo][step] = value;
}
int sample::getlfostep(int lfo, int step) const {
  return inrange(lfo, kLfos) && inrange(step, kLfoStepSlots) ? lfostep[lfo][step].load() : 0;
}

void sample::setlfooffset(int lfo, int offset) {
  if (inrange(lfo, kLfos)) lfooffset[lfo] = offset;
}
int sample::getlfooffset(int lfo) const { return inrange(lfo, kLfos) ? lfooffset[lfo].load() : 0; }

void sample::setlfovoffset(int lfo, int offset) {
  if (inrange(lfo, kLfos)) lfovertical[lfo] = offset;
}
int sample::getlfovoffset(int lfo) const { return inrange(lfo, kLfos) ? lfovertical[lfo].load() : 0; }

void sample::setlfoscale(int lfo, float scale) {
  if (inrange(lfo, kLfos)) lfoscale[lfo] = scale;
}
float sample::getlfoscale(int lfo) const { return inrange(lfo, kLfos) ? lfoscale[lfo].load() : 0.0f; }

void sample::setmodmatrix(int row, int column, int on) {
  if (inrange(row, kModRows) && inrange(column, kModColumns)) modmatrix[row][column] = on != 0 ? 1 : 0;
}
int sample::getmodmatrix(int row, int column) const {
  return inrange(row, kModRows) && inrange(column, kModColumns) ? modmatrix[row][column].load() : 0;
}

void sample::setrotor(int index, float value) {
  if (inrange(index, kRotorSlots)) rotorvalue[index] = value;
}

void sample::setrotorlevel(int index, int level) {
  if (!inrange(index, kRotorSlots)) return;
  rotorlevel[index] = level;
  rotorvalue[index] = static_cast<float>(level) / 100.0f;
}

void sample::setfunction(int table, int entry, int value) {
  if (inrange(table, kLfoFunctions) && inrange(entry, kLfoFunctionSize)) lfofunction[table][entry] = value;
}

int sample::getfunction(int table, int entry) {
  return inrange(table, kLfoFunctions) && inrange(entry, kLfoFunctionSize) ? lfofunction[table][entry].load() : 0;
}
