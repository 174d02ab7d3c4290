// The bank's .voices file (TVoices::Save): which slots hold which sample files, the
// per-voice direct volumes and names, and every synthesis control of each used
// sub-voice, as tagged little-endian records without sizes. And the export
// collection (TVoices::CollectForExport): every used sub-voice written as a WAV file
// into one folder, its file name pointed at it.
#include <string>
#include <string_view>
#include <vector>

#include "platform/memorystream.h"
#include "platform/numbers.h"
#include "platform/paths.h"
#include "platform/print.h"
#include "platform/replacefile.h"
#include "platform/streams.h"
#include "platform/utf8.h"
#include "voice/voiceexport.h"
#include "voice/voiceglobals.h"
#include "voice/voices.h"
#include "voice/voicetypes.h"

namespace {

constexpr int kFirstUsed = 1;
constexpr int kLastUsed = 32;
constexpr int kEnvelopes = 4;
constexpr int kRotorLevels = 16;
constexpr int kMatrixRows = 15;
constexpr int kMatrixColumns = 18;
constexpr int kVoiceTypeParam = 7;
constexpr int kVoiceTableParam = 9;
constexpr int kMode1StepCount = 128;

struct Slot {
  int v;
  int s;
  TVoice* voice;
};

// Slots with v and s in 1..32 whose voice holds a sound, v outer, s inner.
std::vector<Slot> UsedSlots(const TVoices& bank) {
  std::vector<Slot> used;
  for (int v = kFirstUsed; v <= kLastUsed; ++v)
    for (int s = kFirstUsed; s <= kLastUsed; ++s) {
      TVoice* voice = bank.SlotVoice(v, s);
      if (voice && voice->GotSound != 0) used.push_back({v, s, voice});
    }
  return used;
}

// A text: its count of 16-bit characters, then the low 8 bits of each.
void WriteText(TStream& out, const std::string& text) {
  std::string bytes;
  size_t i = 0;
  while (i < text.size()) {
    const size_t at = i;
    int code = NextUtf8(std::string_view(text), i);
    if (code < 0) code = static_cast<unsigned char>(text[at]);
    if (code > 0xFFFF) {
      const int rest = code - 0x10000;
      bytes.push_back(static_cast<char>((0xD800 + (rest >> 10)) & 0xFF));
      bytes.push_back(static_cast<char>((0xDC00 + (rest & 0x3FF)) & 0xFF));
    } else {
      bytes.push_back(static_cast<char>(code & 0xFF));
    }
  }
  WriteInt(out, static_cast<int>(bytes.size()));
  WriteString(out, bytes);
}

void WriteControls(TVoices& bank, TStream& out, const Slot& slot) {
  const int v = slot.v;
  const int s = slot.s;
  // A voice flagged as holding a sound but without one writes the silent sound's zeros.
  const std::shared_ptr<TSound> sound = slot.voice->Sound ? slot.voice->Sound : TSound::New();

  WriteInt(out, v);
  WriteInt(out, s);
  for (int e = 0; e < kEnvelopes; ++e) {
    WriteInt(out, sound->GetDelay(e));
    WriteInt(out, sound->GetAttack(e));
    WriteInt(out, sound->GetDecay(e));
    WriteInt(out, sound->GetSustain(e));
    WriteInt(out, sound->GetRelease(e));
    WriteFloat(out, static_cast<float>(sound->GetLFOWave(e)));
    WriteFloat(out, static_cast<float>(sound->GetLFOHertzRate(e)));
    WriteFloat(out, static_cast<float>(sound->GetLFOOffset(e)));
    WriteFloat(out, static_cast<float>(sound->GetLFOVertical(e)));
    WriteFloat(out, static_cast<float>(sound->GetLFOTime(e)));
    WriteFloat(out, static_cast<float>(sound->GetLFOScale(e)));
  }
  for (int i = 0; i < kRotorLevels; ++i) WriteInt(out, sound->GetRotorLevel(i));
  WriteInt(out, sound->GetRotorActive());
  WriteInt(out, sound->GetRotorTime());
  WriteInt(out, sound->GetRotorCount());
  for (int r = 0; r < kMatrixRows; ++r) {
    WriteInt(out, bank.GetMatrixLevel(v, s, r));
    WriteInt(out, sound->GetMatrixLevel(r));
    for (int c = 0; c < kMatrixColumns; ++c) WriteInt(out, sound->GetModMatrix(r, c));
  }
  const int voiceType = TruncToInt(bank.GetVolume(v, s, kVoiceTypeParam));
  WriteInt(out, voiceType);
  WriteInt(out, TruncToInt(bank.GetVolume(v, s, kVoiceTableParam)));
  WriteInt(out, bank.GetLoop(v, s, 0));
  WriteInt(out, bank.GetLoop(v, s, 1));
  if (voiceType == kMode1Wavetable) {
    for (int i = 0; i < kMode1StepCount; ++i) {
      WriteInt(out, bank.GetMode1(v, s, 1, i));
      WriteInt(out, bank.GetMode1(v, s, 2, i));
    }
  }
}

void WriteVoicesFile(TVoices& bank, TStream& out, const std::vector<Slot>& used) {
  const int count = static_cast<int>(used.size());
  WriteString(out, "WAVEVOIC");
  WriteString(out, "VOICHEAD");
  WriteInt(out, count);
  WriteString(out, "VOICDAT2");
  for (const Slot& slot : used) {
    WriteInt(out, slot.v);
    WriteInt(out, slot.s);
    WriteText(out, slot.voice->strAlias);
    WriteText(out, slot.voice->dir + slot.voice->Name);
  }
  for (int v = kFirstUsed; v <= kLastUsed; ++v) {
    WriteFloat(out, voiceDirectVolume[static_cast<size_t>(v)]);
    WriteText(out, voiceDirectName[static_cast<size_t>(v - 1)]);
  }
  WriteString(out, "VOICCTR3");
  WriteInt(out, count);
  for (const Slot& slot : used) WriteControls(bank, out, slot);
}

}  // namespace

int TVoices::Save(const std::string& songPath, const std::string& name) {
  if (CurrentSongLocked != 0 || name.empty() || songPath.empty()) return 0;
  const std::string path = ExtractDir(songPath) + "/" + StripAll(name) + ".voices";
  const std::vector<Slot> used = UsedSlots(*this);
  TMemoryStream out;
  WriteVoicesFile(*this, out, used);
  // A full disk keeps the old file, and the bank stays marked as changed.
  if (!ReplaceFileContents(path, std::string(out.Bytes().begin(), out.Bytes().end()))) {
    Print("Cant save voices: " + path);
    return -1;
  }
  voiceChanged = 0;
  for (const Slot& slot : used) slot.voice->ControlModified = 0;
  return 0;
}

int TVoices::CollectForExport(const std::string& folder) {
  if (folder.empty()) return 0;
  for (const Slot& slot : UsedSlots(*this)) {
    TVoice& voice = *slot.voice;
    const std::string base = 'v' + std::to_string(slot.v) + ':' + std::to_string(slot.s) + '-' + voice.strAlias;
    if (!WriteVoiceWav(voice, folder + base)) continue;
    voice.Name = base + ".wav";
    voice.dir = folder;
  }
  return 0;
}
