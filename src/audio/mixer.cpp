// The mixer: voice allocation and start on the main thread, the rings, and the dry
// render pass with its 16-, 8-bit and stereo-add outputs on the audio thread.
#include "audio/mixer.h"

#include <algorithm>

#include "audio/saturate.h"
#include "audio/soundrecord.h"
#include "platform/numbers.h"

namespace {

int nextslot(int index) { return (index + 1) & (kRingSize - 1); }

}  // namespace

mixer::mixer(int entries) : output(this), size(std::max(entries, 0)), scratch(std::max(entries, 0)), fxsums(std::max(entries, 0)) {
  for (auto& buffer : buffers) buffer.assign(static_cast<size_t>(size), 0);
}

mixer::~mixer() {
  for (auto& v : made_)
    if (v->smp) v->smp->free();
}

void mixer::usepath(VectorPath p) {
  path_ = p;
  fxsums.path = p;
  fx.vectors = p != VectorPath::Plain;
}

sound* mixer::allocsound(output* tmpl) {
  collect();
  sound* v = spare_;
  if (v) {
    spare_ = v->next;
    v->spare = false;
  } else {
    made_.push_back(std::make_unique<sound>(this));
    v = made_.back().get();
  }
  v->resetvoice();
  if (tmpl) {
    v->rate = tmpl->getrate(1);
    v->targetrate = tmpl->getrate(1);
    v->volume = saturate16(tmpl->getvolume(1));
    v->targetvolume = saturate16(tmpl->getvolume(1));
    v->pan = saturate16(tmpl->getpan(1));
    v->targetpan = saturate16(tmpl->getpan(1));
    v->depth = saturate16(tmpl->getdepth(1));
    v->targetdepth = saturate16(tmpl->getdepth(1));
    for (int k = 0; k < kFxSends; ++k) v->fxmix[k] = tmpl->getfxmixvalue(k);
    v->startdelay = tmpl->getstartdelay();
    v->playstart = tmpl->playstart.load();
    v->playend = tmpl->playend.load();
  }
  return v;
}

sound* mixer::play(sample* s, output* source, int flags) {
  if (!s || !source || s->channels == 0 || hertz == 0) return nullptr;
  const int write = pendingwrite.load(std::memory_order_relaxed);
  if (nextslot(write) == pendingread.load(std::memory_order_acquire)) return nullptr;
  sound* v = allocsound(source);
  s->addref();
  v->start(s, flags, MilliSecs(), getpan(1));
  v->queued = true;
  pending[write] = v;
  pendingwrite.store(nextslot(write), std::memory_order_release);
  return v;
}

void mixer::retire(sound* v) {
  // A voice the render released may already be back on the spare list: once is enough.
  if (!v || v->spare) return;
  if (v->queued) {
    v->freewhendone = 1;
  } else {
    v->resetvoice();
    makespare(v);
  }
}

void mixer::makespare(sound* v) {
  v->spare = true;
  v->next = spare_;
  spare_ = v;
}

void mixer::collect() {
  int read = freeread.load(std::memory_order_relaxed);
  const int write = freewrite.load(std::memory_order_acquire);
  if (read == write) return;
  while (read != write) {
    sound* v = freevoices[read];
    read = nextslot(read);
    if (!v) continue;
    if (v->smp) v->smp->free();  // the render never frees memory: records die here
    v->smp = nullptr;
    v->queued = false;
    makespare(v);
  }
  freeread.store(read, std::memory_order_release);
}

void mixer::takeover() {
  int read = pendingread.load(std::memory_order_relaxed);
  const int write = pendingwrite.load(std::memory_order_acquire);
  const int now = MilliSecs();
  const int64_t rate = hertz;
  while (read != write) {
    sound* v = pending[read];
    read = nextslot(read);
    if (!v) break;
    v->next = playing;
    playing = v;
    // A voice sounds 20 ms after its start, placed to the frame inside the buffer.
    const int64_t wait = std::max<int64_t>(0, static_cast<int64_t>(v->notestart) + 20 - now);
    v->startoffset = static_cast<int>(std::min<int64_t>(wait * rate / 1000, INT32_MAX));
  }
  pendingread.store(read, std::memory_order_release);
}

bool mixer::pushfree(sound* v) {
  const int write = freewrite.load(std::memory_order_relaxed);
  if (nextslot(write) == freeread.load(std::memory_order_acquire)) return false;
  freevoices[write] = v;
  freewrite.store(nextslot(write), std::memory_order_release);
  return true;
}

bool mixer::keep(sound& v, int result) {
  if (result == 1) {
    if (v.freewhendone == 0) {
      v.status = kStatusFinished;
      return true;
    }
    v.status = 0;
    return !pushfree(&v);  // a full free ring keeps it, released, until the next pass
  }
  if (result == -1) return !pushfree(&v);
  return true;
}

int mixer::limit(int n) const { return std::clamp(n, 0, size); }

void mixer::mix(int n) {
  n = limit(n);
  int32_t* dry = buffers[0].data();
  // Entries are 0 unless an earlier mix left some that no output cleared.
  int64_t reach = dirty_ == 0 ? 0 : int64_t{INT32_MAX} + 1;
  dirty_ = std::max(dirty_, n);
  mixvoices([dry, n, &reach](sound& v) { return v.mix(dry, n, reach); });
}

void mixer::cleared(int n) {
  if (n >= dirty_) dirty_ = 0;
}

void mixer::mix16(int16_t* buffer, int n) {
  if (n == 0) n = size;
  n = limit(n);
  mix(n);
  int32_t* a = buffers[0].data();
  for (int i = 0; i < n; ++i) {
    buffer[i] = saturate16(a[i] >> 4);
    a[i] = 0;
  }
  cleared(n);
}

void mixer::mix8(uint8_t* buffer, int n) {
  if (n == 0) n = size;
  n = limit(n);
  mix(n);
  int32_t* a = buffers[0].data();
  for (int i = 0; i < n; ++i) {
    buffer[i] = static_cast<uint8_t>(std::clamp((a[i] >> 16) + 128, 0, 255));
    a[i] = 0;
  }
  cleared(n);
}

void mixer::mix16s(int16_t* buffer, int n) {
  if (n == 0) n = size;
  n = limit(n);
  mix(n);
  int32_t* a = buffers[0].data();
  for (int i = 0; i < n; ++i) {
    const int add = a[i] >> 8;
    buffer[2 * i] = saturate16(static_cast<int64_t>(buffer[2 * i]) + add);
    buffer[2 * i + 1] = saturate16(static_cast<int64_t>(buffer[2 * i + 1]) + add);
    a[i] = 0;
  }
  cleared(n);
}

void mixer::releaseall() {
  sound* kept = nullptr;
  while (sound* v = playing) {
    playing = v->next;
    v->status = 0;
    if (!pushfree(v)) {
      v->next = kept;
      kept = v;
    }
  }
  playing = kept;
}

void mixer::releasesound(sound* target) {
  for (sound** link = &playing; *link; link = &(*link)->next) {
    sound* v = *link;
    if (v != target) continue;
    v->status = 0;
    sound* const after = v->next;
    if (pushfree(v)) *link = after;
    return;
  }
}

int mixer::playingcount() const {
  int count = 0;
  for (const sound* v = playing; v; v = v->next) ++count;
  return count;
}
