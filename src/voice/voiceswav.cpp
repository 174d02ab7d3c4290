// WAV export of sub-voices: SaveWav writes one slot, SaveWavVoiceGroup sub-voices
// 1..32 of a voice, optionally into a folder named after the group. Exported voices
// take the written file as their own name and folder; a failed write leaves them as
// they were.
#include <string>

#include "platform/files.h"
#include "platform/paths.h"
#include "platform/print.h"
#include "voice/voiceexport.h"
#include "voice/voiceglobals.h"
#include "voice/voices.h"

namespace {

constexpr int kFirstGroupSub = 1;
constexpr int kLastGroupSub = 32;
constexpr const char kNoName[] = "No Name";
constexpr const char kUnnamedVoice[] = "()";

bool Exportable(const TVoice* voice) { return voice && voice->GotSound != 0 && voice->Sound; }

bool TrailingJunk(char c) { return c == ' ' || (c >= '0' && c <= '9'); }

// Named after the voice (voices 1..32 at entry v - 1), or after the sub-voice's alias.
std::string ExportName(TVoices& bank, int v, int s) {
  if (bank.SubVoiceActive != 0) return bank.GetAlias(v, s);
  if (v < 1 || v > kVoiceNames) return kNoName;
  const std::string& name = voiceDirectName[static_cast<size_t>(v - 1)];
  return name == kUnnamedVoice ? kNoName : name;
}

}  // namespace

int TVoices::SaveWav(int v, int s, const std::string& folder) {
  TVoice* voice = SlotVoice(v, s);
  if (!Exportable(voice)) return 0;
  const std::string name = ExportName(*this, v, s);
  Print("folder=" + folder + " savename=" + name);
  if (WriteVoiceWav(*voice, folder + name)) {
    voice->Name = name + ".wav";
    voice->dir = folder;
  }
  voiceChanged = 1;
  return 0;
}

int TVoices::SaveWavVoiceGroup(int v, int s, const std::string& folder) {
  if (!SlotVoice(v, s)) return 0;
  std::string group = ExportName(*this, v, s);
  if (group == kNoName) {
    const std::string alias = GetAlias(v, s);
    const std::string file = GetName(v, s);
    if (!alias.empty())
      group = alias;
    else if (!file.empty())
      group = file;
  }
  std::string target = folder;
  if (PrefCreateGroupDir != 0) {
    std::string sub = StripAll(group);
    while (!sub.empty() && TrailingJunk(sub.back())) sub.pop_back();
    if (!sub.empty()) {
      target = folder + sub + "/";
      CreateDir(target);
    }
  }
  for (int i = kFirstGroupSub; i <= kLastGroupSub; ++i) {
    TVoice* voice = SlotVoice(v, i);
    if (!Exportable(voice)) continue;
    const std::string file = group + "-" + std::to_string(i);
    if (!WriteVoiceWav(*voice, target + file)) continue;
    voice->Name = file + ".wav";
    voice->dir = target;
  }
  voiceChanged = 1;
  return 0;
}
