// The editing operations of TSound: test a cut, insert, cut, copy a range or all,
// copy the settings of another sound, change the length, and turn stereo into mono
// and back. Each reads the sound's 16-bit values in place and has the current driver
// make a new, unlooped 44100 Hz sound of the result; an edit that cannot do its work
// answers the sound it was called on.
#include <algorithm>
#include <climits>
#include <cstring>
#include <optional>

#include "audio/audiodriver.h"
#include "audio/driverregistry.h"
#include "audio/sound.h"
#include "platform/numbers.h"

namespace {

constexpr int kEditHertz = 44100;
constexpr int kMonoLimit = 32767;

// A sound's values as the edits read them: frames of 1 or 2 channels.
struct Frames {
  const int16_t* values;
  int length;
  int channels;

  const int16_t* frame(int f) const { return values + static_cast<ptrdiff_t>(f) * channels; }
};

std::optional<Frames> framesof(const TSound& sound) {
  const Frames f{sound.GetAudioSample(), sound.GetAudioSampleLength(), sound.GetAudioSampleMono()};
  if (f.channels != 1 && f.channels != 2) return std::nullopt;
  if (f.length < 0 || (f.length > 0 && !f.values)) return std::nullopt;
  return f;
}

// A zero-filled sample of frames frames in the 16-bit format of the channel count.
std::shared_ptr<TAudioSample> newsample(int64_t frames, int channels) {
  if (frames < 0 || frames > INT_MAX) return nullptr;
  return CreateAudioSample(static_cast<int>(frames), kEditHertz, channels == 1 ? SF_MONO16 : SF_STEREO16);
}

// count frames from frame `from` of source to frame `at` of target.
void copyframes(TAudioSample& target, int at, const Frames& source, int from, int count) {
  if (count <= 0) return;
  std::memcpy(target.Values16() + static_cast<ptrdiff_t>(at) * source.channels, source.frame(from),
              static_cast<size_t>(count) * static_cast<size_t>(source.channels) * sizeof(int16_t));
}

}  // namespace

std::shared_ptr<TSound> TSound::edited(const std::shared_ptr<TAudioSample>& record) {
  if (!record) return self();
  std::shared_ptr<TSound> made = GetAudioDriver()->CreateSound(record, 0);
  return made ? made : self();
}

int TSound::TestCut(int start, int end) {
  const int64_t count = static_cast<int64_t>(end) - start;
  if (start < 0 || count < 1) return 1;
  // Measured in stored values, not frames: a stereo sound answers -1 up to twice its length.
  const int64_t values = static_cast<int64_t>(GetAudioSampleLength()) * GetAudioSampleMono();
  if (start > values) return 2;
  return -1;
}

std::shared_ptr<TSound> TSound::Insert(int position, const std::shared_ptr<TSound>& sound, int reversed) {
  if (!sound) return self();
  const std::optional<Frames> own = framesof(*this);
  const std::optional<Frames> other = framesof(*sound);
  // Frames of another layout would be read past their end.
  if (!own || !other || other->length < 1 || other->channels != own->channels) return self();
  const int at = std::clamp(position, 0, own->length);
  const int n = other->length;
  std::shared_ptr<TAudioSample> record = newsample(static_cast<int64_t>(own->length) + n, own->channels);
  if (!record) return self();
  copyframes(*record, 0, *own, 0, at);
  if (reversed == 0) {
    copyframes(*record, at, *other, 0, n);
  } else {
    // Backwards frame by frame: a stereo frame keeps its left and right values.
    for (int i = 0; i < n; ++i) copyframes(*record, at + i, *other, n - 1 - i, 1);
  }
  copyframes(*record, at + n, *own, at, own->length - at);
  return edited(record);
}

std::shared_ptr<TSound> TSound::Cut(int start, int end) {
  int64_t count = static_cast<int64_t>(end) - start;
  const std::optional<Frames> own = framesof(*this);
  if (start < 0 || count < 1 || !own || start > own->length) return self();
  count = std::min<int64_t>(count, own->length - start);
  const int kept = own->length - static_cast<int>(count);
  std::shared_ptr<TAudioSample> record = newsample(kept, own->channels);
  if (!record) return self();
  copyframes(*record, 0, *own, 0, start);
  copyframes(*record, start, *own, start + static_cast<int>(count), kept - start);
  return edited(record);
}

std::shared_ptr<TSound> TSound::CopyRange(int start, int end) {
  int64_t count = static_cast<int64_t>(end) - start;
  const std::optional<Frames> own = framesof(*this);
  if (start < 0 || count < 1 || !own || start > own->length) return self();
  count = std::min<int64_t>(count, own->length - start);
  std::shared_ptr<TAudioSample> record = newsample(count, own->channels);
  if (!record) return self();
  copyframes(*record, 0, *own, start, static_cast<int>(count));
  return edited(record);
}

std::shared_ptr<TSound> TSound::Copy() {
  const std::optional<Frames> own = framesof(*this);
  if (!own) return self();
  std::shared_ptr<TAudioSample> record = newsample(own->length, own->channels);
  if (!record) return self();
  copyframes(*record, 0, *own, 0, own->length);
  return edited(record);
}

int TSound::CopyData(const std::shared_ptr<TSound>& source) {
  if (!source) return 0;
  SetIsLooped(source->GetIsLooped());
  SetIsWaveTable(source->GetIsWaveTable());
  SetIsPPGWaveTable(source->GetIsPPGWaveTable());
  // The wavetable's step count and loop start, so that a wavetable sound comes back whole.
  SetWaveLength(source->WaveLength());
  SetWaveLoopStart(source->WaveLoopStart());
  for (int e = 0; e < 4; ++e)
    SetADSR(e, source->GetDelay(e), source->GetAttack(e), source->GetDecay(e), source->GetSustain(e),
            source->GetRelease(e));
  return 0;
}

std::shared_ptr<TSound> TSound::Extend(const std::shared_ptr<TSound>&, float factor) {
  // Written so that NaN is refused too.
  if (!(factor >= 0.1f && factor <= 4.0f) || factor == 1.0f) return self();
  const std::optional<Frames> own = framesof(*this);
  if (!own) return self();
  const int length = TruncToInt(static_cast<double>(own->length) * factor);
  std::shared_ptr<TAudioSample> record = newsample(length, own->channels);
  if (!record) return self();
  copyframes(*record, 0, *own, 0, std::min(length, own->length));  // the rest stays silent
  return edited(record);
}

std::shared_ptr<TSound> TSound::StereoToMono(const std::shared_ptr<TSound>&, int mode) {
  const std::optional<Frames> own = framesof(*this);
  if (!own || own->channels != 2) return self();
  std::shared_ptr<TAudioSample> record = newsample(own->length, 1);
  if (!record) return self();
  int16_t* out = record->Values16();
  for (int f = 0; f < own->length; ++f) {
    const int left = own->frame(f)[0];
    const int right = own->frame(f)[1];
    const int value = mode == 1 ? left : mode == 2 ? right : std::clamp(left + right, -kMonoLimit, kMonoLimit);
    out[f] = static_cast<int16_t>(value);
  }
  return edited(record);
}

std::shared_ptr<TSound> TSound::MonoToStereo(const std::shared_ptr<TSound>&, int mode) {
  const std::optional<Frames> own = framesof(*this);
  if (!own || own->channels != 1) return self();
  std::shared_ptr<TAudioSample> record = newsample(own->length, 2);
  if (!record) return self();
  int16_t* out = record->Values16();
  const int16_t* x = own->values;
  for (int f = 0; f < own->length; ++f) {
    // Mode 3's right side runs a frame ahead; the last frame repeats its own value.
    const int16_t ahead = x[std::min(f + 1, own->length - 1)];
    out[2 * f] = mode == 2 ? 0 : x[f];
    out[2 * f + 1] = mode == 1 ? 0 : mode == 3 ? ahead : x[f];
  }
  return edited(record);
}
