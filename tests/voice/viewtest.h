// Fixture of the view tests: a bank with one slot (1, 2) holding a voice over a sound
// of known values and a channel whose play state the test sets, all drawing going to a
// recording backend; helpers to pick the recorded calls apart.
#pragma once
#include <gtest/gtest.h>

#include <array>
#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "audio/channel.h"
#include "audio/sound.h"
#include "platform/draw2d.h"
#include "platform/drawbackend.h"
#include "platform/recordingbackend.h"
#include "voice/voiceglobals.h"
#include "voice/voices.h"

// A sound over a vector of exactly length x channels values (ASan sees any overread).
class ViewSound : public TSound {
 public:
  ViewSound(std::vector<int16_t> values, int channels) : values_(std::move(values)), channels_(channels) {}
  int16_t* GetAudioSample() const override { return const_cast<int16_t*>(values_.data()); }
  int GetAudioSampleLength() const override { return static_cast<int>(values_.size()) / channels_; }
  int GetAudioSampleMono() const override { return channels_; }
  int WaveLength() const override { return waveLength; }
  int GetFunction(int table, int entry) const override { return function ? function(table, entry) : 0; }
  int InitFunctions() override { return ++initCalls; }
  int GetLFOWave(int lfo) const override { return lfoWave; }
  int GetLFOHertzRate(int lfo) const override { return lfoRate; }
  int GetLFOOffset(int lfo) const override { return lfoOffset; }
  int GetLFOVertical(int lfo) const override { return lfoVertical; }
  int GetLFOScale(int lfo) const override { return lfoScale; }

  int waveLength = 1;
  int initCalls = 0;
  int lfoWave = 0;
  int lfoRate = 999;
  int lfoOffset = 0;
  int lfoVertical = 0;
  int lfoScale = 1000;
  std::function<int(int, int)> function;

 private:
  std::vector<int16_t> values_;
  int channels_;
};

class ViewChannel : public TChannel {
 public:
  int Playing() override { return playing; }
  int GetPlayPosition() override { return position; }
  int GetWaveTablePlayhead() override { return wavePlayhead; }
  int playing = 0;
  int position = 0;
  int wavePlayhead = 0;
};

class ViewTest : public ::testing::Test {
 protected:
  static constexpr int V = 1;
  static constexpr int S = 2;

  void SetUp() override {
    InitVoiceModule();
    for (auto& row : bank.Voc) row.fill(-1);
    ResetDrawState();
    SetDrawBackend(&recorder);
  }
  void TearDown() override { SetDrawBackend(nullptr); }

  // Puts a sound of the values (interleaved when stereo) into slot (V, S).
  TVoice& load(const std::vector<int16_t>& values, int channels = 1) {
    sound = std::make_shared<ViewSound>(values, channels);
    auto voice = std::make_shared<TVoice>();
    voice->Sound = sound;
    voice->SamplePtr = sound->GetAudioSample();
    voice->CurrChannel = channels;
    voice->GotSound = 1;
    bank.VocRef[5] = voice;
    bank.Voc[V][S] = 5;
    bank.Channel[V][S] = channel;
    recorder.Clear();
    return *voice;
  }
  static std::vector<int16_t> ramp(int count, int from = 0, int by = 1) {
    std::vector<int16_t> values(count);
    for (int i = 0; i < count; ++i) values[i] = static_cast<int16_t>(from + i * by);
    return values;
  }

  std::vector<TDrawCall> lines() const { return recorder.CallsOf(TDrawCallKind::Line); }
  std::vector<TDrawCall> rects() const { return recorder.CallsOf(TDrawCallKind::Rect); }
  std::vector<std::string> texts() const {
    std::vector<std::string> out;
    for (const auto& c : recorder.CallsOf(TDrawCallKind::Text)) out.push_back(c.text);
    return out;
  }
  static bool colour(const TDrawCall& c, int r, int g, int b) {
    return c.state.red == r && c.state.green == g && c.state.blue == b;
  }
  std::vector<TDrawCall> linesIn(int r, int g, int b) const {
    std::vector<TDrawCall> out;
    for (const auto& c : lines())
      if (colour(c, r, g, b)) out.push_back(c);
    return out;
  }
  // Vertical lines standing at x.
  std::vector<TDrawCall> verticalsAt(float x) const {
    std::vector<TDrawCall> out;
    for (const auto& c : lines())
      if (c.args[0] == x && c.args[2] == x) out.push_back(c);
    return out;
  }
  // The first text call drawing `text`, or null; kept until the recorder is cleared.
  const TDrawCall* textCall(const std::string& text) const {
    for (const auto& c : recorder.Calls())
      if (c.kind == TDrawCallKind::Text && c.text == text) return &c;
    return nullptr;
  }

  TVoices bank;
  TRecordingBackend recorder{800, 600};
  std::shared_ptr<ViewSound> sound;
  std::shared_ptr<ViewChannel> channel = std::make_shared<ViewChannel>();
};
