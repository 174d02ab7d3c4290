// The bank's use of the beat-slice store: cutting a sub-voice's sample at the slice
// points into sub-voices from BeatSliceVoice on, and the hit test of the slice handles
// in the 2D edit view.
#include <algorithm>
#include <cstdint>
#include <string>

#include "platform/input.h"
#include "samplefiles/wavfile.h"
#include "voice/beatslice.h"
#include "voice/voices.h"

namespace {
constexpr int kNoHit = -9999;
constexpr int kShortestPiece = 10;
constexpr int kLastSlot = 32;
constexpr int kHandleWidth = 22;
constexpr int kTopBand = 36;
constexpr int kBottomBand = 30;

// The slice whose handle is under (mx, my): the view's w - 2 columns cover positions
// start..end (frames or interleaved values), at most one slice a column.
int HitSlice(double start, double end, int x, int y, int w, int h, int mx, int my) {
  if (w - 2 <= 0 || BeatSliceRatio <= 0) return 0;
  const double step = (end - start) / (w - 2);
  const double ratio = BeatSliceRatio;
  const int last = std::min(BeatSlicesCount, kBeatSliceTable - 1);
  int k = 1;
  double position = start;
  for (int c = 1; c <= w - 2; ++c, position += step) {
    if (BeatSlicesCount <= 1 || k > last || BeatSlices[k] > position / ratio) continue;
    if ((position - step) / ratio <= BeatSlices[k] && x + c - 1 < mx && mx < x + c + kHandleWidth) {
      if (my < y + kTopBand) return k;
      if (my > y + h - kBottomBand) return -k;
    }
    ++k;
  }
  return 0;
}

bool MouseOutside(int x, int y, int x2, int y2, int mx, int my) {
  return my < y || my > y2 || mx < x || mx > x2;
}
}  // namespace

int TVoices::ApplyBeatSlice(int v, int s) {
  const TVoice* source = SlotVoice(v, s);
  if (!source || BeatSlicesCount < 1 || v == BeatSliceVoice) return 0;
  if (BeatSliceVoice < 0 || BeatSliceVoice > kLastSlot) return 0;

  // Kept for the whole run: a destination may be the source slot itself, and the later
  // pieces are still cut from the sample as it stood.
  const std::shared_ptr<TSound> sound = source->Sound;
  const std::string alias = source->strAlias;
  const int channels = source->CurrChannel;
  const int16_t* data = sound ? sound->GetAudioSample() : nullptr;
  int64_t total = 0;
  if (data) {
    const int64_t frames = std::max(0, sound->GetAudioSampleLength());
    total = std::min<int64_t>(frames * channels, frames * std::max(1, sound->GetAudioSampleMono()));
  }
  const int64_t ratio = BeatSliceRatio;
  const int perFrame = channels == 2 ? 2 : 1;

  int dv = BeatSliceVoice;
  int ds = 1;
  int k = 1;
  const int steps = (MaxVoice - BeatSliceVoice) * kLastSlot;
  for (int step = 0; step < steps; ++step) {
    if (k > BeatSlicesCount) continue;
    if (k + 1 >= kBeatSliceTable) break;
    const int64_t start = BeatSlices[k] * ratio;
    const bool lastPiece = BeatSlices[k + 1] == 0;
    int64_t length = lastPiece ? total - start : (BeatSlices[k + 1] - BeatSlices[k]) * ratio;
    if (channels == 2) length /= 2;
    if (length < kShortestPiece) {
      length = total - start;
      if (channels == 2) length /= 2;
    }
    // A point beyond the sample's end: the piece stops at the end.
    if (start >= 0 && start + length * perFrame > total) length = (total - start) / perFrame;
    if (length <= kShortestPiece || start < 0) break;

    const bool wanted = BeatSliceEditEnable == 0 || BeatSliceEnable[k - 1] != 0;
    if (wanted) {
      auto piece = SoundIOLoadPartial(data, static_cast<int>(length), channels, static_cast<int>(start));
      if (piece) {
        TransferToVoice(dv, ds, piece, "", "", alias + " " + std::to_string(k), channels, 0, 0);
        if (++ds > kLastSlot) {
          ds = 1;
          if (++dv > kLastSlot) break;
        }
      }
    }
    if (lastPiece) break;
    ++k;
  }
  return 0;
}

int TVoices::Check2DBeatSlice(int v, int s, int x, int y, int w, int h, int x2, int y2) {
  const TVoice* voice = SlotVoice(v, s);
  if (!voice) return kNoHit;
  if (voice->CurrChannel > 1) return Check2DBeatSliceStereo(v, s, x, y, w, h, x2, y2);
  const int mx = MouseX();
  const int my = MouseY();
  if (MouseOutside(x, y, x2, y2, mx, my)) return kNoHit;
  double start = voice->EditWindowStart;
  double end = voice->EditWindowEnd;
  if (end < 0) {
    start = 0;
    end = voice->SoundLength();
  }
  return HitSlice(start, end, x, y, w, h, mx, my);
}

int TVoices::Check2DBeatSliceStereo(int v, int s, int x, int y, int w, int h, int x2, int y2) {
  const TVoice* voice = SlotVoice(v, s);
  if (!voice) return kNoHit;
  const int mx = MouseX();
  const int my = MouseY();
  if (MouseOutside(x, y, x2, y2, mx, my)) return kNoHit;
  double start = 2.0 * voice->EditWindowStart;
  double end = 2.0 * voice->EditWindowEnd;
  if (voice->EditWindowEnd < 0) {
    start = 0;
    end = 2.0 * voice->SoundLength();
  }
  return HitSlice(start, end, x, y, w, h, mx, my);
}

int TVoices::Display2DBeatSlice(int, int, int, int, int, int, int, int, int, int, int, int, int, int) {
  return 0;
}
