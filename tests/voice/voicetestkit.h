// Test doubles for the voice classes: a sound that keeps its samples and controls in
// memory and logs the calls that steer playback, and a channel that logs every call
// it receives, so tests can check values and call order without an audio driver.
#pragma once
#include <array>
#include <cstdint>
#include <map>
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "audio/channel.h"
#include "audio/sound.h"

namespace voicetest {

class FakeSound : public TSound {
 public:
  static std::shared_ptr<FakeSound> Make(std::vector<int16_t> words, int channels) {
    auto s = std::shared_ptr<FakeSound>(new FakeSound());
    s->words = std::move(words);
    s->channels = channels;
    return s;
  }

  int16_t* GetAudioSample() const override { return words.empty() ? nullptr : const_cast<int16_t*>(words.data()); }
  int GetAudioSampleLength() const override { return channels > 0 ? static_cast<int>(words.size()) / channels : 0; }
  int GetAudioSampleMono() const override { return channels; }
  std::shared_ptr<TSound> Copy() override {
    auto c = Make(words, channels);
    c->controls = controls;
    return c;
  }
  std::shared_ptr<TChannel> Cue(const std::shared_ptr<TChannel>& channel) override;

  // Every control lives in one map by name; unset ones read 0.
  int get(const std::string& key) const {
    auto it = controls.find(key);
    return it == controls.end() ? 0 : it->second;
  }
  int set(const std::string& key, int value) {
    controls[key] = value;
    calls.push_back(key + "=" + std::to_string(value));
    return 0;
  }
  static std::string k(const char* name, int a) { return std::string(name) + std::to_string(a); }
  static std::string k(const char* name, int a, int b) { return k(name, a) + "," + std::to_string(b); }

  int SetADSR(int e, int d, int a, int dc, int s, int r) override {
    set(k("D", e), d); set(k("A", e), a); set(k("Dc", e), dc); set(k("S", e), s); set(k("R", e), r);
    return 0;
  }
  int GetDelay(int e) const override { return get(k("D", e)); }
  int GetAttack(int e) const override { return get(k("A", e)); }
  int GetDecay(int e) const override { return get(k("Dc", e)); }
  int GetSustain(int e) const override { return get(k("S", e)); }
  int GetRelease(int e) const override { return get(k("R", e)); }
  int SetLFOWave(int l, int v) override { return set(k("Lw", l), v); }
  int GetLFOWave(int l) const override { return get(k("Lw", l)); }
  int SetLFOHertzRate(int l, int v) override { return set(k("Lh", l), v); }
  int GetLFOHertzRate(int l) const override { return get(k("Lh", l)); }
  int SetLFOOffset(int l, int v) override { return set(k("Lo", l), v); }
  int GetLFOOffset(int l) const override { return get(k("Lo", l)); }
  int SetLFOVertical(int l, int v) override { return set(k("Lv", l), v); }
  int GetLFOVertical(int l) const override { return get(k("Lv", l)); }
  int SetLFOTime(int l, int v) override { return set(k("Lt", l), v); }
  int GetLFOTime(int l) const override { return get(k("Lt", l)); }
  int SetLFOScale(int l, int v) override { return set(k("Ls", l), v); }
  int GetLFOScale(int l) const override { return get(k("Ls", l)); }
  int SetWaveTable(int i, int v) override { return set(k("Wt", i), v); }
  int WaveTable(int i) const override { return get(k("Wt", i)); }
  int SetWaveTableRepeat(int i, int v) override { return set(k("Wr", i), v); }
  int WaveTableRepeat(int i) const override { return get(k("Wr", i)); }
  int SetRotorLevel(int i, int v) override { return set(k("Rl", i), v); }
  int GetRotorLevel(int i) const override { return get(k("Rl", i)); }
  int SetRotorActive(int v) override { return set("Ra", v); }
  int GetRotorActive() const override { return get("Ra"); }
  int SetRotorTime(int v) override { return set("Rt", v); }
  int GetRotorTime() const override { return get("Rt"); }
  int SetRotorCount(int v) override { return set("Rc", v); }
  int GetRotorCount() const override { return get("Rc"); }
  int SetMatrixLevel(int i, int v) override { return set(k("Ml", i), v); }
  int GetMatrixLevel(int i) const override { return get(k("Ml", i)); }
  int SetModMatrix(int r, int c, int v) override { return set(k("Mx", r, c), v); }
  int GetModMatrix(int r, int c) const override { return get(k("Mx", r, c)); }
  int SetLoopStart(int v) override { return set("LoopStart", v); }
  int SetLoopLength(int v) override { return set("LoopLength", v); }
  int SetIsLooped(int v) override { return set("Looped", v); }
  int SetIsWaveTable(int v) override { return set("WaveTable", v); }
  int SetIsPPGWaveTable(int v) override { return set("PPG", v); }
  int SetWaveLength(int v) override { return set("WaveLength", v); }
  int SetWaveLoopStart(int v) override { return set("WaveLoopStart", v); }
  int SetPlayheadStart(int v) override { return set("Playhead", v); }
  int SetHertzFreq(int v) override { return set("Hertz", v); }
  int GetHertzFreq() const override { return get("Hertz"); }

  std::vector<int16_t> words;
  int channels = 1;
  std::map<std::string, int> controls;
  std::vector<std::string> calls;

 private:
  FakeSound() = default;
};

class FakeChannel : public TChannel {
 public:
  int SetPaused(int flag) override { return log(flag ? "Pause" : "Resume"); }
  int Restart() override { return log("Restart"); }
  int Playing() override { return playing; }
  int SetVolume(float v) override { volume = v; return log("Volume"); }
  int SetPan(float p) override { pan = p; return log("Pan"); }
  int SetRate(float r) override { rate = r; return log("Rate"); }
  int SetStartDelay(float ms) override { delay = ms; return log("Delay"); }
  int SetPlayStart(int f) override { return log("PlayStart" + std::to_string(f)); }
  int SetPlayEnd(int f) override { return log("PlayEnd" + std::to_string(f)); }
  int SetAudioFX(int id, int bus, int value) override { fx[{id, bus}] = value; return 0; }
  int GetAudioFX(int id, int bus) override { return fx[{id, bus}]; }
  int log(const std::string& call) {
    calls.push_back(call);
    return 0;
  }

  int playing = 0;
  float volume = -1.0f, pan = -9.0f, rate = -1.0f, delay = -1.0f;
  std::map<std::pair<int, int>, int> fx;
  std::vector<std::string> calls;
};

inline std::shared_ptr<TChannel> FakeSound::Cue(const std::shared_ptr<TChannel>& channel) {
  if (auto* fake = dynamic_cast<FakeChannel*>(channel.get())) fake->log("Cue");
  return channel;
}

// value(i) = i + 1 for i in 0..count-1, so no word is 0.
inline std::vector<int16_t> Ramp(int count) {
  std::vector<int16_t> v(static_cast<size_t>(count));
  for (int i = 0; i < count; ++i) v[static_cast<size_t>(i)] = static_cast<int16_t>(i + 1);
  return v;
}

}  // namespace voicetest

#include <gtest/gtest.h>

#include "voice/note.h"
#include "voice/voiceglobals.h"
#include "voice/voices.h"

namespace voicetest {

// A bank without Init (no driver, no preset files): every slot empty, slots filled
// on demand with fake sounds and fake channels.
class BankTest : public ::testing::Test {
 protected:
  void SetUp() override {
    InitVoiceModule();
    note->Init();
    for (auto& row : bank->Voc) row.fill(-1);
    bank->MixSolo.fill(-1);
  }

  FakeSound& Fill(int v, int s, std::vector<int16_t> words, int channels = 1) {
    const int index = next++;
    if (index >= static_cast<int>(bank->VocRef.size())) bank->VocRef.resize(index + 1);
    bank->VocRef[index] = std::make_shared<TVoice>();
    TVoice& voice = *bank->VocRef[index];
    auto sound = FakeSound::Make(std::move(words), channels);
    voice.Sound = sound;
    voice.FillData();
    bank->Voc[v][s] = index;
    channels_[v][s] = std::make_shared<FakeChannel>();
    bank->Channel[v][s] = channels_[v][s];
    return *sound;
  }
  TVoice& Voice(int v, int s) { return *bank->SlotVoice(v, s); }
  FakeChannel& Chan(int v, int s) { return *channels_[v][s]; }

  std::unique_ptr<TVoices> bank = std::make_unique<TVoices>();
  TVoices::SlotGrid<std::shared_ptr<FakeChannel>> channels_{};
  int next = 0;
};

}  // namespace voicetest
