// The voice's main-thread side: start, restart, stop, key-up, the channel setters and
// the progress getters.
#include "audio/voice.h"

#include <algorithm>

#include "audio/saturate.h"
#include "audio/soundrecord.h"
#include "platform/numbers.h"

namespace {

constexpr int64_t kWhole = int64_t{1} << 32;
constexpr int kNewLfoPhase = 999;

int highword(int64_t fixed) { return static_cast<int32_t>(static_cast<uint64_t>(fixed) >> 32); }

}  // namespace

sound::sound(mixer* mixerowner) : output(mixerowner) { resetvoice(); }

void sound::resetvoice() {
  resetsettings();
  next = nullptr;
  smp = nullptr;
  queued = false;
  playpos = 0;
  position = 0;
  windowend = 0;
  wavepos = 0;
  wavetruepos = 0;
  wavestep = 0;
  wave = 0;
  repeat = 1;
  lastvolume = 0;
  buffercount = 0;
  lastpan = 0;
  rate = 65536;
  targetrate = 65536;
  volume = 4096;
  targetvolume = 4096;
  pan = 0;
  targetpan = 0;
  depth = 0;
  targetdepth = 0;
  notestart = 0;
  startoffset = 0;
  keyuptime = 0;
  keyupdue = 0;
  keyupdelay = 0;
  envlevel.fill(0);
  stopflag = 0;
  delay = 0;
  starttime = 0;
  for (auto& l : lfo) {
    l.wave = 0;
    l.time = 0;
    l.level = 0.0f;
    l.rate = 0;
    l.ratefactor = 0.0f;
    l.offset = 0;
    l.vertical = 0;
    l.scale = 0.0f;
    l.output = 0.0f;
    l.previous = 0.0f;
  }
  lfophase.fill(0);
  lforandom.fill(0);
  rotorgate = 0;
  rotortime = 0;
  rotorstep = 1;
  source_ = sourcesettings{};
  request_.store(0, std::memory_order_relaxed);
  stagedstart_ = 0;
  stagedplaypos_ = 0;
  stagedposition_ = 0;
  stagedclock_ = 0;
}

int64_t sound::startsample() const {
  const int64_t limit = static_cast<int64_t>(smp->length) * smp->channels;
  const int64_t base = static_cast<int64_t>(smp->channels) * std::clamp(smp->playheadstart.load(), 0, smp->length);
  const int from = source_.playstart;
  return std::min(base + (from >= 0 ? from : 0), limit);
}

void sound::copysettings(int now) {
  const sample& s = *smp;
  const int sd = source_.startdelay;
  starttime = static_cast<int32_t>(static_cast<int64_t>(now) + sd - 1);
  delay = sd;
  const int end = source_.playend;
  windowend = end >= 0 ? end : 0;
  // The record keeps the sends of its latest start for the effect path.
  for (int k = 0; k < kDrySend; ++k) smp->send[k] = static_cast<float>(source_.fxmix[k]) / 100.0f;
  smp->send[kDrySend] = static_cast<float>(source_.fxmix[kDrySend]) / 1000.0f;
  notestart = now;
  keyuptime = 0;
  keyupdue = 0;
  keyupdelay = sd;
  stopflag = 0;
  for (int l = 0; l < kLfos; ++l) {
    lfo[l].wave = s.lfowave[l].load();
    lfo[l].time = s.lfotime[l].load();
    lfo[l].rate = s.lforate[l].load();
    lfo[l].ratefactor = static_cast<float>(s.lforate[l].load()) / 1000.0f;
    lfo[l].offset = s.lfooffset[l].load();
    lfo[l].vertical = s.lfovertical[l].load();
    lfo[l].scale = s.lfoscale[l].load();
    lfo[l].level = s.modlevel[l].load();
  }
}

// Playback state back to the sound's beginning, as a start and a restart both need it.
void sound::rewind(int64_t from, int clock, int pan) {
  playpos = from;
  position = from;
  wavepos = 0;
  wavetruepos = 0;
  lastvolume = 0;
  buffercount = 0;
  wavestep = 0;
  wave = smp->stepwave[0].load();
  repeat = smp->steprepeat[0].load();
  envlevel.fill(0);
  rotorstep = 1;
  rotortime = clock;
  rotorgate = smp->rotoractive;
  lastpan = pan;
}

void sound::start(sample* s, int flags, int now, int mixerpan) {
  smp = s;
  status = flags;
  source_.startdelay = startdelay;
  source_.playstart = playstart;
  source_.playend = playend;
  for (int k = 0; k < kFxSends; ++k) source_.fxmix[k] = fxmix[k];
  copysettings(now);
  if (s->iswavetable != 0) status.fetch_or(kStatusWavetable);
  rewind(startsample() * kWhole, now, mixerpan);
  lfophase.fill(kNewLfoPhase);
  lforandom.fill(0);
  startoffset = 0;
  request_.store(0, std::memory_order_relaxed);
}

int sound::restart() {
  // A released voice waits in the free ring for the main thread to take it back.
  if (!smp || status == 0) return 0;
  const int now = MilliSecs();
  copysettings(now);
  if (smp->iswavetable != 0) setstatusbits(kStatusWavetable, true);
  stagedstart_ = startsample() * kWhole;
  stagedclock_ = now;
  // Replaces a pending flush: the restart decides the positions.
  request_.store(kRequestRestart, std::memory_order_release);
  return 0;
}

void sound::flush() {
  if (!smp) return;
  const int64_t cursor = smp->writecursor.load(std::memory_order_acquire);
  const int64_t c = smp->channels;
  stagedplaypos_ = (smp->length > 0 ? cursor % smp->length : 0) * c * kWhole;
  stagedposition_ = cursor * c * kWhole;
  request_.fetch_or(kRequestFlush, std::memory_order_release);
}

int sound::stop() {
  if (status == kStatusStream) flush();
  stopflag = 1;
  return 0;
}

void sound::applyrequests() {
  if (request_.load(std::memory_order_relaxed) == 0) return;
  const int request = request_.exchange(0, std::memory_order_acquire);
  if (request & kRequestRestart) rewind(stagedstart_, stagedclock_, targetpan);
  if (request & kRequestFlush) {
    playpos = stagedplaypos_.load();
    position = stagedposition_.load();
  }
}

int sound::setkeyup() {
  const int now = MilliSecs();
  const int wait = keyupdelay;
  if (wait >= 1)
    keyupdue = static_cast<int32_t>(std::max<int64_t>(1, static_cast<int64_t>(now) + wait));
  else
    keyuptime = now;
  return 0;
}

int sound::setlforate(int l, float factor) {
  if (l < 0 || l >= kLfos) return 0;
  lfo[l].rate = TruncToInt(1000.0f * factor);
  lfo[l].ratefactor = factor;
  return 1;
}

int sound::setrate(int value) {
  targetrate = value;
  if (status & kStatusPaused) rate = value;
  return 0;
}

int sound::setvolume(int value) {
  targetvolume = saturate16(value);
  if (status & kStatusPaused) volume = saturate16(value);
  return 0;
}

int sound::setpan(int value) {
  targetpan = saturate16(value);
  if (status & kStatusPaused) pan = saturate16(value);
  return 0;
}

int sound::setdepth(int value) {
  targetdepth = saturate16(value);
  return 0;
}

int sound::getrate(int which) const { return which ? targetrate : rate; }
int sound::getvolume(int which) const { return which ? targetvolume : volume; }
int sound::getpan(int which) const { return which ? targetpan : pan; }
int sound::getdepth(int which) const { return which ? targetdepth : depth; }

int sound::getposition() const { return smp ? highword(position) / smp->channels : 0; }
int sound::getplayposition() const { return smp ? highword(playpos) / smp->channels : 0; }
int sound::getwavetrueplayposition() const { return smp ? highword(wavetruepos) / smp->channels : 0; }
int sound::getwaveplayposition() const { return smp ? highword(wavepos) / smp->channels : 0; }
int sound::getplaytime() const { return smp ? static_cast<int>(static_cast<int64_t>(MilliSecs()) - notestart) : 0; }
int sound::getwavelength() const { return smp ? smp->wavelength.load() : 1; }
int sound::getwavelpstart() const { return smp ? smp->waveloopstart.load() : -1; }
int sound::getlfo(int l) const { return l >= 0 && l < kLfos ? TruncToInt(lfo[l].output.load()) : 0; }

void sound::markfinished() {
  int current = status;
  while (current != 0 && !status.compare_exchange(current, kStatusFinished)) {
  }
}
