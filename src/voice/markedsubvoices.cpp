// Operations of the bank on two marked slots: the target (first slot) is rewritten in
// place from the source (second slot) by adding, fading in, fading out or reshaping by
// its own running peak. Swap is present and changes nothing. No undo level is taken;
// the target's overview is rebuilt at the end.
#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <string>

#include "platform/print.h"
#include "voice/samplewords.h"
#include "voice/voices.h"

namespace {

// A slot's stored samples, taken from its sound so that the count always matches the
// memory behind the pointer.
struct Samples {
  int16_t* x = nullptr;
  int count = 0;
};

Samples samplesof(const TVoice& voice) {
  if (!voice.Sound || voice.Sound->GetAudioSample() == nullptr) return {};
  return {voice.Sound->GetAudioSample(), voice.Sound->GetAudioSampleLength() * voice.Sound->GetAudioSampleMono()};
}

enum class Marked { Add, Fadein, Fadeout, Apply };

int marked(TVoices& bank, Marked kind, int tv, int ts, int sv, int ss) {
  TVoice* target = bank.SlotVoice(tv, ts);
  TVoice* source = bank.SlotVoice(sv, ss);
  if (target == nullptr || source == nullptr) return 0;
  const Samples t = samplesof(*target), s = samplesof(*source);
  if (kind == Marked::Add) Print(std::to_string(t.count) + " " + std::to_string(s.count));
  const float w1 = kind == Marked::Apply ? 0.0f : bank.GetVolume(tv, ts, 1);
  const float w2 = kind == Marked::Apply ? 0.0f : bank.GetVolume(sv, ss, 1);
  const int n = std::min(t.count, s.count);
  const float unit = s.count > 0 ? 1.0f / static_cast<float>(s.count) : 0.0f;
  float gain = 0.0f;
  for (int i = 0; i < n; ++i) {
    const float a = t.x[i], b = s.x[i];
    switch (kind) {
      case Marked::Add: t.x[i] = Store16(a * w1 + b * w2); break;
      case Marked::Fadein: t.x[i] = Store16(a * w1 + i * unit * b * w2); break;
      case Marked::Fadeout: t.x[i] = Store16(a * w1 + (s.count - i) * unit * b * w2); break;
      case Marked::Apply: {
        if (i % 50 == 0) {
          int peak = 0;
          for (int k = i; k <= i + 50 && k < n; ++k) peak = std::max(peak, std::abs(static_cast<int>(t.x[k])));
          gain = static_cast<float>(peak) / 32768.0f;
        }
        t.x[i] = Store16(a * gain);
        break;
      }
    }
  }
  if (target->Sound) target->FillData();
  return 0;
}

}  // namespace

int TVoices::MarkedSubVoiceSwap(int tv, int ts, int sv, int ss) {
  SlotVoice(tv, ts);
  SlotVoice(sv, ss);
  return 0;
}

int TVoices::MarkedSubVoiceAdd(int tv, int ts, int sv, int ss) { return marked(*this, Marked::Add, tv, ts, sv, ss); }

int TVoices::MarkedSubVoiceFadein(int tv, int ts, int sv, int ss) {
  return marked(*this, Marked::Fadein, tv, ts, sv, ss);
}

int TVoices::MarkedSubVoiceFadeout(int tv, int ts, int sv, int ss) {
  return marked(*this, Marked::Fadeout, tv, ts, sv, ss);
}

int TVoices::MarkedSubVoiceApply(int tv, int ts, int sv, int ss) {
  return marked(*this, Marked::Apply, tv, ts, sv, ss);
}
