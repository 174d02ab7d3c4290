// The one fixture of the voice tests. It starts the modules the voice engine stands on
// as src/main.cpp does and in its order (the settings folder, the audio drivers, the
// voice module), with two stand-ins only: the user's configuration folder is a
// temporary one and the audio output is the test mixer, rendered by the test itself.
// Then it makes a bank and runs its Init, as an editor does. Slots are filled with
// real sounds through TransferToVoice; helpers read written files back and pick the
// recorded drawing apart.
#pragma once
#include <gtest/gtest.h>

#include <array>
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <memory>
#include <string>
#include <vector>

#include "audio/channel.h"
#include "audio/drivertest.h"
#include "framework/ini.h"
#include "platform/draw2d.h"
#include "platform/drawbackend.h"
#include "platform/recordingscreen.h"
#include "platform/tempfolder.h"
#include "voice/voiceglobals.h"
#include "voice/voices.h"

// A channel that logs the calls it gets and keeps the values: the real channel does not
// report its volume, pan, rate or sends back.
using Log = std::vector<std::string>;

class RecordingChannel : public TChannel {
 public:
  explicit RecordingChannel(Log& log) : log(log) {}
  int SetPaused(int flag) override {
    log.push_back(flag ? "pause" : "resume");
    playing = flag ? 0 : 1;
    return 0;
  }
  int Restart() override { log.push_back("init"); return 0; }
  int Playing() override { return playing; }
  int SetAllFxSend(const std::array<float, kChannelSends>& s) override {
    log.push_back("sends");
    sends = s;
    return 0;
  }
  int SetStartDelay(float millis) override { log.push_back("delay"); delay = millis; return 0; }
  int SetRate(float r) override { log.push_back("rate"); rate = r; return 0; }
  int SetVolume(float v) override { log.push_back("volume"); volume = v; return 0; }
  int SetPan(float p) override { log.push_back("pan"); pan = p; return 0; }
  int SetPlayStart(int f) override { log.push_back("start"); playStart = f; return 0; }
  int SetPlayEnd(int f) override { log.push_back("end"); playEnd = f; return 0; }
  int KeyUp() override { log.push_back("keyup"); return 0; }

  Log& log;
  int playing = 0;
  std::array<float, kChannelSends> sends{};
  float delay = -1, rate = -1, volume = -1, pan = -9;
  int playStart = -2, playEnd = -2;
};

class BankTest : public DriverTest {
 protected:
  void SetUp() override {
    ASSERT_FALSE(dir.empty());
    std::filesystem::create_directories(dir + "/config");
    ASSERT_EQ(setenv("XDG_CONFIG_HOME", (dir + "/config").c_str(), 1), 0);
    InitIniModule();
    DriverTest::SetUp();
    InitVoiceModule();
    bank = std::make_unique<TVoices>();
    bank->Init();
  }

  void TearDown() override {
    bank.reset();
    DriverTest::TearDown();
  }

  // Transfers the values (interleaved when stereo) into slot (v, s); the result.
  int put(int v, int s, const std::vector<int16_t>& values, int channels = 1, int loopStart = 0, int loopEnd = 0,
          const std::string& alias = "Alias") {
    return bank->TransferToVoice(v, s, record(values, channels), "/samples/", "file.wav", alias, channels, loopStart,
                                 loopEnd);
  }

  TVoice& voice(int v, int s) { return *bank->SlotVoice(v, s); }

  // The slot of the view tests: a sound of the values (interleaved when stereo) put
  // into (V, S), drawing recorded from here on.
  static constexpr int V = 1;
  static constexpr int S = 2;
  TVoice& load(const std::vector<int16_t>& values, int channels = 1) {
    EXPECT_EQ(put(V, S, values, channels), 1);
    recordDrawing();
    return voice(V, S);
  }
  TSound& soundOf(int v, int s) { return *voice(v, s).Sound; }

  // Starts slot (v, s) at rate 1 and renders frames of it; the slot's channel.
  std::shared_ptr<TChannel> playFor(int v, int s, int frames) {
    bank->PlayNote(v, s, 1.0f);
    render(frames);
    return bank->SlotChannel(v, s);
  }

  // from, from + by, ... (count values).
  static std::vector<int16_t> ramp(int count, int from = 0, int by = 1) {
    return fill(count, [=](int i) { return from + i * by; });
  }

  static std::vector<uint8_t> bytes(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return std::vector<uint8_t>(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
  }
  static int32_t int32At(const std::vector<uint8_t>& b, size_t at) {
    if (at + 4 > b.size()) return INT32_MIN;
    return static_cast<int32_t>(b[at] | (b[at + 1] << 8) | (b[at + 2] << 16) | (static_cast<uint32_t>(b[at + 3]) << 24));
  }
  static int16_t int16At(const std::vector<uint8_t>& b, size_t at) {
    if (at + 2 > b.size()) return INT16_MIN;
    return static_cast<int16_t>(b[at] | (b[at + 1] << 8));
  }
  static std::string textAt(const std::vector<uint8_t>& b, size_t at, size_t count) {
    if (at + count > b.size()) return "";
    return std::string(b.begin() + static_cast<std::ptrdiff_t>(at), b.begin() + static_cast<std::ptrdiff_t>(at + count));
  }

  // Only what is drawn from here on is kept.
  void recordDrawing() { recorder.Clear(); }
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

  TempFolder folder;
  const std::string dir = folder.path();
  std::unique_ptr<TVoices> bank;
  TRecordingScreen recorder{800, 600};
};
