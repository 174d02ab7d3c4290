// Handle allocation, freeing, lookup, and the start of a sound on a channel.
#include "audio/channelhandles.h"

#include "audio/mixer.h"
#include "audio/soundrecord.h"

namespace {

constexpr uint32_t kTagStep = kChannelSlots;

}  // namespace

handletables::handletables(mixer* owner) : mixer_(owner) {
  for (int i = 0; i < kChannelSlots - 1; ++i) freelist[i] = i + 1;
  freelist[kChannelSlots - 1] = 0;
  tags.fill(kTagStep);
}

int handletables::alloc() {
  const int head = freelist[0];
  if (head == 0) return 0;
  freelist[0] = freelist[head];
  freelist[head] = 0;
  used_[head] = true;
  tags[head] += kTagStep;  // unsigned: wraps after 2^20 handles of one index
  voices[head] = nullptr;
  return handleof(head);
}

void handletables::freeindex(int index) {
  if (index <= 0 || index >= kChannelSlots || !used_[index]) return;
  sound* v = voices[index];
  voices[index] = nullptr;
  if (owns(v, handleof(index))) mixer_->retire(v);
  freelist[index] = freelist[0];
  freelist[0] = index;
  used_[index] = false;
}

bool handletables::current(int handle) const {
  const int index = handle & kHandleIndexMask;
  if (handle == 0 || index == 0 || !used_[index]) return false;
  return tags[index] == (static_cast<uint32_t>(handle) & ~static_cast<uint32_t>(kHandleIndexMask));
}

bool handletables::owns(const sound* v, int handle) const {
  // A released voice (status 0) or one handed to another channel no longer answers.
  return v && v->handle == handle && v->status != 0;
}

sound* handletables::lookup(int handle) {
  if (!current(handle)) return nullptr;
  const int index = handle & kHandleIndexMask;
  sound* v = voices[index];
  if (!owns(v, handle)) {
    v = mixer_->allocsound(nullptr);
    v->handle = handle;
    voices[index] = v;
  }
  if (afterlookup) afterlookup();
  return v;
}

int handletables::play(sample* s, int paused, int handle) {
  if (!s) return handle;
  const bool fresh = handle == 0;
  if (fresh) {
    handle = alloc();
    if (handle == 0) return 0;
  }
  sound* old = lookup(handle);
  if (!old) return handle;
  const int flags = (s->loopmode != 0 ? kStatusLooped : kStatusOneShot) | (paused != 0 ? kStatusPaused : 0);
  sound* v = mixer_->play(s, old, flags);
  if (!v) {
    if (!fresh) return handle;
    freeindex(handle & kHandleIndexMask);
    return 0;
  }
  // The render may have released the old voice since the lookup, and the start may
  // then have taken it back as the new voice.
  if (v != old) {
    old->markfinished();
    mixer_->retire(old);
  }
  const int index = handle & kHandleIndexMask;
  voices[index] = v;
  v->handle = handle;
  v->freewhendone = fresh ? 1 : 0;
  return handle;
}

int handletables::stop(int handle) {
  sound* v = lookup(handle);
  if (!v) return 0;
  v->freewhendone = 1;
  v->markfinished();
  freeindex(handle & kHandleIndexMask);
  return 0;
}
