// Class mixer: the voices, the two lock-free rings between the threads, the
// accumulators and the effect block of the buses. The main thread allocates, starts
// and retires voices; the audio thread takes started voices over from the pending
// ring, renders the playing list and hands released voices back through the free
// ring. Each ring has one writer: its write index is stored with release after the
// entry, read with acquire.
#pragma once
#include <array>
#include <atomic>
#include <cstdint>
#include <initializer_list>
#include <memory>
#include <vector>

#include "audio/audiorandom.h"
#include "audio/delayfx.h"
#include "audio/fxaccumulators.h"
#include "audio/framekernels.h"
#include "audio/output.h"
#include "audio/vectorpath.h"
#include "audio/voice.h"

class sample;

constexpr int kRingSize = 4096;
constexpr int kAccumulators = kFxAccumulators;  // 0 dry, 1-8 the sends of effect buses 0-7

class mixer : public output {
 public:
  explicit mixer(int size);
  ~mixer() override;  // only once the audio thread no longer renders

  // Main thread.
  // A voice ready to start or to hold a channel's settings: every setting at its new
  // value, then the template's channel settings (rate, volume, pan, depth, sends, start
  // delay, play window) when one is given.
  sound* allocsound(output* tmpl);
  // Starts a voice of s with the source's settings; nullptr for a missing record or
  // source, a record without channels, an output rate not set, or a full pending ring.
  sound* play(sample* s, output* source, int flags);
  // The voice no longer belongs to a channel: the render releases it once it has
  // finished; a voice the render never saw is kept for reuse at once.
  void retire(sound* v);
  // Takes the released voices back from the free ring and drops their records.
  void collect();
  int voicecount() const { return static_cast<int>(made_.size()); }

  // Audio thread.
  void mix(int n);
  void mix16(int16_t* buffer, int n);
  void mix8(uint8_t* buffer, int n);
  void mix16s(int16_t* buffer, int n);
  void releaseall();
  void releasesound(sound* v);
  int playingcount() const;
  // Takes over started voices, then renders each playing voice with render(voice) and
  // keeps or releases it by the result; mix() and the effect path share it.
  template <class Render>
  void mixvoices(Render render);

  // The effect path (mixerfx.cpp): every voice into the nine accumulators, weighted by
  // its record's send levels; then their 16-bit outputs (0 dry, k + 1 the send of bus k).
  void mixfx(int n);
  void mix16fx(const std::array<int16_t*, kAccumulators>& out, int n);
  // Runs effect bus b over n samples of input (n < 1: the accumulator size).
  void compute(int bus, const int16_t* input, int unused, int ringsize, int n);
  static void zerobuffer(int16_t* buffer, int n);
  // The vector code of the render, the voice kernels' and the effect path's alike: the
  // fastest the processor runs unless a test chooses another; every path gives the same bits.
  // Plain fields the render reads: call it only while nothing renders.
  void usepath(VectorPath p);
  VectorPath path() const { return path_; }
  // target[i] += the sources' entries, the sum saturated once to 16 bits.
  static void combine(int16_t* target, std::initializer_list<const int16_t*> sources, int n);
  using fxbuffer = const int16_t*;
  static void combine1(int16_t* t, fxbuffer a, int n) { combine(t, {a}, n); }
  static void combine2(int16_t* t, fxbuffer a, fxbuffer b, int n) { combine(t, {a, b}, n); }
  static void combine3(int16_t* t, fxbuffer a, fxbuffer b, fxbuffer c, int n) { combine(t, {a, b, c}, n); }
  static void combine4(int16_t* t, fxbuffer a, fxbuffer b, fxbuffer c, fxbuffer d, int n) {
    combine(t, {a, b, c, d}, n);
  }
  static void combine5(int16_t* t, fxbuffer a, fxbuffer b, fxbuffer c, fxbuffer d, fxbuffer e, int n) {
    combine(t, {a, b, c, d, e}, n);
  }
  static void combine6(int16_t* t, fxbuffer a, fxbuffer b, fxbuffer c, fxbuffer d, fxbuffer e, fxbuffer f, int n) {
    combine(t, {a, b, c, d, e, f}, n);
  }
  static void combine7(int16_t* t, fxbuffer a, fxbuffer b, fxbuffer c, fxbuffer d, fxbuffer e, fxbuffer f,
                       fxbuffer g, int n) {
    combine(t, {a, b, c, d, e, f, g}, n);
  }
  static void combine8(int16_t* t, fxbuffer a, fxbuffer b, fxbuffer c, fxbuffer d, fxbuffer e, fxbuffer f,
                       fxbuffer g, fxbuffer h, int n) {
    combine(t, {a, b, c, d, e, f, g, h}, n);
  }

  std::array<std::vector<int32_t>, kAccumulators> buffers;  // 0: the dry path's accumulator
  const int size;
  Relaxed<int32_t> hertz;
  Relaxed<int32_t> channels;
  DelayFX fx;
  sound* playing = nullptr;
  std::atomic<int32_t> pendingread{0};
  std::atomic<int32_t> pendingwrite{0};
  std::array<sound*, kRingSize> pending{};
  std::atomic<int32_t> freeread{0};
  std::atomic<int32_t> freewrite{0};
  std::array<sound*, kRingSize> freevoices{};
  AudioRandom random;     // the render's own random numbers
  RenderScratch scratch;  // the render's: one voice's buffer at a time
  FxAccumulators fxsums;  // the effect path's nine accumulators

 private:
  void takeover();
  void makespare(sound* v);
  // Handles a voice's render result; false when the voice left the playing list.
  bool keep(sound& v, int result);
  bool pushfree(sound* v);
  int limit(int n) const;
  // The dry accumulator's first n entries were output and cleared.
  void cleared(int n);

  std::vector<std::unique_ptr<sound>> made_;  // every voice ever made (main thread)
  sound* spare_ = nullptr;                    // voices ready for reuse (main thread)
  int dirty_ = 0;                             // dry entries from 0 that may be non-zero (audio thread)
  VectorPath path_ = fastestpath();
};

template <class Render>
void mixer::mixvoices(Render render) {
  takeover();
  sound** link = &playing;
  while (sound* v = *link) {
    sound* const after = v->next;  // read before a release hands v to the main thread
    if (keep(*v, render(*v)))
      link = &v->next;
    else
      *link = after;
  }
}
