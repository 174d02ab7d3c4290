// The voice pool and the transfer of a sample into a slot: GetNewVoice finds the
// lowest voice without a sound or grows the pool by 32; TransferToVoice binds an
// empty slot to such a voice, makes the voice's sound and sets up a loop when given.
#include <string>

#include "platform/print.h"
#include "voice/voices.h"
#include "voice/voicetypes.h"

namespace {

constexpr int kPoolGrowth = 32;
constexpr int kVoiceTypeParam = 7;

}  // namespace

int TVoices::GetNewVoice() {
  if (VoiceCount < 0) VoiceCount = 0;
  if (static_cast<int>(VocRef.size()) < VoiceCount) VocRef.resize(static_cast<size_t>(VoiceCount));
  for (int i = 0; i < VoiceCount; ++i) {
    auto& voice = VocRef[static_cast<size_t>(i)];
    if (!voice) {  // a bank not yet initialised: the entry becomes a fresh voice
      voice = std::make_shared<TVoice>();
      voice->Init();
    }
    if (voice->GotSound == 0) return i;
  }
  Print("GetNewVoice Voicecount=" + std::to_string(VoiceCount));
  const int first = VoiceCount;
  VocRef.resize(static_cast<size_t>(first + kPoolGrowth));
  for (int i = first; i < first + kPoolGrowth; ++i) {
    auto voice = std::make_shared<TVoice>();
    voice->Init();
    VocRef[static_cast<size_t>(i)] = voice;
  }
  VoiceCount = first + kPoolGrowth;
  return first;
}

int TVoices::TransferToVoice(int v, int s, const std::shared_ptr<TAudioSample>& sample, const std::string& folder,
                             const std::string& name, const std::string& alias, int flag, int loopStart,
                             int loopEnd) {
  Stop(v, s);
  if (!InBank(v, s)) {
    Print("voice/transfer ERROR");
    return 0;
  }
  if (Voc[v][s] == -1) Voc[v][s] = GetNewVoice();
  const int index = Voc[v][s];
  if (index < 0 || index >= static_cast<int>(VocRef.size()) || !VocRef[static_cast<size_t>(index)]) {
    Print("voice/transfer ERROR");
    return 0;
  }
  TVoice& voice = *VocRef[static_cast<size_t>(index)];
  const int result = voice.Transfer(sample, folder, name, alias, flag);
  if (result == 0) {
    // A voice without a sound counts as free; left bound, the pool could hand it to a
    // second slot as well.
    Voc[v][s] = -1;
    return 0;
  }
  if (loopEnd > loopStart) {
    Print(std::to_string(loopStart) + " " + std::to_string(loopEnd));
    SetVolume(v, s, kVoiceTypeParam, static_cast<float>(kLooped));
    voice.LoopStart = loopStart;
    voice.LoopEnd = loopEnd;
    if (voice.Sound) {
      voice.Sound->SetLoopStart(loopStart);
      voice.Sound->SetLoopLength(loopEnd - loopStart);
    }
    // The voice-type change cued the new sound; loading makes no sound until played.
    Stop(v, s);
  }
  return result;
}
