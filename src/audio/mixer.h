// Class mixer: the voices, the two lock-free rings between the threads and the
// accumulators. The main thread allocates, starts and retires voices; the audio
// thread takes started voices over from the pending ring, renders the playing list
// and hands released voices back through the free ring. Each ring has one writer:
// its write index is stored with release after the entry, read with acquire.
#pragma once
#include <array>
#include <atomic>
#include <cstdint>
#include <memory>
#include <vector>

#include "audio/audiorandom.h"
#include "audio/output.h"
#include "audio/voice.h"

class sample;

constexpr int kRingSize = 4096;
constexpr int kAccumulators = 9;  // 0 dry, 1-8 the sends of effect buses 0-7

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

  std::array<std::vector<int32_t>, kAccumulators> buffers;
  const int size;
  Relaxed<int32_t> hertz;
  Relaxed<int32_t> channels;
  // The effect block of the buses joins here.
  sound* playing = nullptr;
  std::atomic<int32_t> pendingread{0};
  std::atomic<int32_t> pendingwrite{0};
  std::array<sound*, kRingSize> pending{};
  std::atomic<int32_t> freeread{0};
  std::atomic<int32_t> freewrite{0};
  std::array<sound*, kRingSize> freevoices{};
  AudioRandom random;  // the render's own random numbers

 private:
  void takeover();
  // Handles a voice's render result; false when the voice left the playing list.
  bool keep(sound& v, int result);
  bool pushfree(sound* v);
  int limit(int n) const;

  std::vector<std::unique_ptr<sound>> made_;  // every voice ever made (main thread)
  sound* spare_ = nullptr;                    // voices ready for reuse (main thread)
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
