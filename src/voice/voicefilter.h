// TFilter: the voice's destructive effects on a sound's 16-bit sample memory, in
// place: numbered range effects (DoFilter) and laying a clip into the sound by paste,
// add or mix (DoEditFilter). The sound's length never changes here; an effect that
// cannot do its work leaves the sound as it was.
#pragma once
#include <cstdint>
#include <memory>

class TSound;

class TFilter {
 public:
  TFilter() = default;

  // Resets the filter to a null sample pointer; returns 0.
  int New();
  // Applies effect number `effect` to stored samples start..end (frames, inclusive;
  // doubled for stereo) of the sound; `amount` is an offset or count in frames and
  // `source` the second sound of the offset copies (-5, -6, -7). Always 0.
  int DoFilter(const std::shared_ptr<TSound>& sound, int start, int end, int effect, int amount,
               const std::shared_ptr<TSound>& source);
  // Lays the clip into the sound from stored-sample index `position`: overwrite (9,
  // 10, 11, 12), add (13, 14) or mix (2, 4, 6, 8). Always 0.
  int DoEditFilter(const std::shared_ptr<TSound>& sound, int position, int operation,
                   const std::shared_ptr<TSound>& clip);

  int16_t* SamplePtr = nullptr;
};
