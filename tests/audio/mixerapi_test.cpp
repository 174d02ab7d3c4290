// The mixer's function interface on a device without a platform output: one table of
// conversions, limits and refusals; the answers while the mixer is not running;
// channels and their stale handles; plays on channels; a failing reset.
#include <gtest/gtest.h>

#include <atomic>
#include <functional>
#include <string>
#include <vector>

#include "audio/lfofunction.h"
#include "audio/mixer.h"
#include "audio/mixerapi.h"
#include "audio/soundrecord.h"
#include "audio/voice.h"
#include "platform/numbers.h"

namespace {

// A device whose reset makes the mixer and buffers but opens no output; the test
// drives the render itself through read.
class testdevice : public coreaudio {
 public:
  int answer = 0;
  int reset() override {
    prepare();
    return answer;
  }
};

struct Row {
  std::string what;
  std::function<int()> act;
  int expected;
};

void check(const std::vector<Row>& rows) {
  for (const Row& row : rows) EXPECT_EQ(row.act(), row.expected) << row.what;
}

class MixerApi : public ::testing::Test {
 protected:
  static inline std::atomic<int> now{1000};

  void SetUp() override {
    now = 1000;
    SetTestClock([] { return now.load(); });
    ASSERT_EQ(mx_Reset(&device), 0);
  }

  void TearDown() override {
    mx_Close();
    for (sample* s : records_) mx_FreeSound(s);
    SetTestClock(nullptr);
  }

  sample* constant(int value, int frames = 400, int loop = 1) {
    std::vector<int16_t> data(static_cast<size_t>(frames), static_cast<int16_t>(value));
    sample* s = mx_CreateSound(frames, 16, 1, 44100, data.data(), loop);
    if (s) records_.push_back(s);
    return s;
  }

  // Lets the 20 ms start offset pass, then renders a request; answers its left values.
  std::vector<int> render(int frames = 256) {
    now += 20;
    audiobuffer served;
    device.read(frames, served);
    std::vector<int> left;
    for (int f = 0; f < frames; ++f) left.push_back(served.data[2 * f]);
    return left;
  }

  sound* voice(int handle) { return io->lookup(handle); }

  testdevice device;

 private:
  std::vector<sample*> records_;
};

}  // namespace

TEST_F(MixerApi, ConversionsLimitsAndRefusals) {
  const int h = mx_AllocChannel();
  ASSERT_NE(h, 0);
  sample* s = constant(100);
  ASSERT_NE(s, nullptr);
  const auto v = [&] { return voice(h); };
  check({
      // Channel settings: floats scaled and truncated, 16-bit ones saturated.
      {"volume 0.5", [&] { mx_SetChannelVolume(h, 0.5f); return v()->getvolume(1); }, 2048},
      {"volume 10 saturates", [&] { mx_SetChannelVolume(h, 10.0f); return v()->getvolume(1); }, 32767},
      {"pan -1", [&] { mx_SetChannelPan(h, -1.0f); return v()->getpan(1); }, -4096},
      {"pan 0.3 truncates", [&] { mx_SetChannelPan(h, 0.3f); return v()->getpan(1); }, 1228},
      {"setters answer 0", [&] { return mx_SetChannelRate(h, 0.25f); }, 0},
      {"wavetable on", [&] { mx_SetChannelWavetable(h, 7); return mx_ChannelStatus(h); }, kStatusFinished | kStatusWavetable},
      {"wavetable off", [&] { mx_SetChannelWavetable(h, 0); return mx_ChannelStatus(h); }, kStatusFinished},
      {"rate 0.25", [&] { return v()->getrate(1); }, 16384},
      {"send 9 ignored", [&] { mx_SetChannelFXSend(h, 9, 5); return mx_GetChannelFXSend(h, 9); }, 0},
      {"all sends", [&] { mx_SetChannelAllFXSend(h, {1, 2, 3, 4, 5, 6, 7, 8, 9}); return mx_GetChannelFXSend(h, 8); }, 9},
      {"start delay 10000", [&] { mx_SetChannelStartDelay(h, 10000); return mx_GetChannelStartDelay(h); }, 10000},
      {"start delay 10001 ignored", [&] { mx_SetChannelStartDelay(h, 10001); return mx_GetChannelStartDelay(h); }, 10000},
      {"start delay -1 ignored", [&] { mx_SetChannelStartDelay(h, -1); return mx_GetChannelStartDelay(h); }, 10000},
      {"play start -5", [&] { mx_SetChannelPlayStart(h, -5); return v()->playstart.load(); }, -1},
      {"play start 10", [&] { mx_SetChannelPlayStart(h, 10); return v()->playstart.load(); }, 10},
      {"play end at start", [&] { mx_SetChannelPlayEnd(h, 10); return v()->playend.load(); }, -1},
      {"play end negative", [&] { mx_SetChannelPlayEnd(h, -3); return v()->playend.load(); }, -1},
      {"window reset", [&] { mx_ResetChannelPlayStartEnd(h); return v()->playstart + v()->playend; }, -2},
      {"lfo rate", [&] { mx_SetChannelLFORate(h, 2, 1.5f); return v()->lfo[2].rate.load(); }, 1500},
      {"lfo 4 ignored", [&] { mx_SetChannelLFORate(h, 4, 3.0f); return mx_GetChannelLFO(h, 4); }, 0},
      {"paused", [&] { mx_SetChannelPaused(h, 7); return mx_ChannelStatus(h); }, kStatusFinished | kStatusPaused},
      {"hertz", [&] { return mx_GetChannelHertzFreq(h); }, 99},
      {"hertz of no channel", [&] { return mx_GetChannelHertzFreq(0); }, 1},
      {"repeat playhead of no channel", [&] { return mx_ChannelWaveTableRepeatPlayhead(0); }, 1},

      // Sound settings: 1 when stored, 0 when refused.
      {"lfo steps 8", [&] { mx_SetSoundLFOSteps(s, 1, 8); return mx_GetSoundLFOSteps(s, 1); }, 7},
      {"lfo scale 5000", [&] { mx_SetSoundLFOScale(s, 0, 5000); return mx_GetSoundLFOScale(s, 0); }, 999},
      {"lfo level row 16", [&] { return mx_SetSoundLFOLevel(s, 16, 50); }, 0},
      {"lfo level row 3", [&] { return mx_SetSoundLFOLevel(s, 3, 250) * 1000 + mx_GetSoundLFOLevel(s, 3); }, 1250},
      {"matrix row 16", [&] { return mx_SetSoundModMatrix(s, 16, 0, 1); }, 0},
      {"matrix column 18", [&] { return mx_SetSoundModMatrix(s, 0, 18, 1); }, 0},
      {"matrix cell", [&] { return mx_SetSoundModMatrix(s, 2, 17, 5) * 10 + mx_GetSoundModMatrix(s, 2, 17); }, 11},
      {"rotor level 3", [&] { return mx_SetSoundRotorLevel(s, 3, 250) * 1000 + mx_GetSoundRotorLevel(s, 3); }, 1250},
      {"rotor level 17", [&] { return mx_SetSoundRotorLevel(s, 17, 5) + mx_GetSoundRotorLevel(s, 17); }, 0},
      {"rotor count 17", [&] { return mx_SetSoundRotorCount(s, 17); }, 0},
      {"rotor count 16", [&] { return mx_SetSoundRotorCount(s, 16) * 100 + mx_GetSoundRotorCount(s); }, 116},
      {"rotor position 16", [&] { return mx_SetSoundRotor(s, 16, 3) * 10 + mx_GetSoundRotor(s, 16); }, 13},
      {"rotor position 17", [&] { return mx_GetSoundRotor(s, 17); }, 0},
      {"lfo wave 10", [&] { return mx_SetSoundLFOWave(s, 0, 10); }, 0},
      {"lfo wave 9", [&] { return mx_SetSoundLFOWave(s, 0, 9) * 10 + mx_GetSoundLFOWave(s, 0); }, 19},
      {"lfo 4", [&] { return mx_SetSoundLFOWave(s, 4, 1) + mx_GetSoundLFOWave(s, 4) + mx_GetSoundLFOScale(s, -1); }, 0},
      {"lfo time 1", [&] { return mx_SetSoundLFOTime(s, 0, 1) * 10 + mx_GetSoundLFOTime(s, 0); }, 11},
      {"lfo rate 0", [&] { return mx_SetSoundLFOHertzRate(s, 0, 0) * 10 + mx_GetSoundLFOHertzRate(s, 0); }, 10},
      {"lfo step", [&] { mx_SetSoundLFOStep(s, 1, 9, 50); return mx_GetSoundLFOStep(s, 1, 7); }, 47},
      {"lfo step read clamped", [&] { return mx_GetSoundLFOStep(s, 1, 99); }, 47},
      {"lfo offset 1500", [&] { mx_SetSoundLFOOffset(s, 2, 1500); return mx_GetSoundLFOOffset(s, 2); }, 999},
      {"function table 10", [&] { return mx_SetSoundFunction(s, 10, 0, 5); }, 0},
      {"function entry clamped", [&] { return mx_SetSoundFunction(nullptr, 3, 1500, 77) * 100 + mx_GetSoundFunction(s, 3, 999); }, 177},
      {"function read clamped", [&] { return mx_GetSoundFunction(s, 3, 5000) + mx_GetSoundFunction(s, -1, 0); }, 77},
      {"wave step 200", [&] { return mx_GetSoundWaveTable(s, 200); }, -1},
      {"envelope 7 is 0", [&] { mx_SetSoundADSR(s, 7, 1, -2, 3, 4, 5); return mx_GetSoundDecay(s, 0) * 10 + mx_GetSoundAttack(s, 0); }, 30},
      {"sustain of envelope 9", [&] { return mx_GetSoundSustain(s, 9); }, 4095},

      // The global effect block.
      {"switch off at first", [&] { return mx_GetGlobalFX(kFxSwitchId, 0); }, 0},
      {"switch 2 is off", [&] { mx_SetGlobalFX(kFxSwitchId, 0, 2); return mx_GetGlobalFX(kFxSwitchId, 0); }, 0},
      {"delay unchanged", [&] { mx_SetGlobalFX(106, 0, 40000); return mx_GetGlobalFX(106, 0); }, 40000},
      {"speed limited", [&] { mx_SetGlobalFX(203, 0, 150); return mx_GetGlobalFX(203, 0); }, 99},
      {"bus 8", [&] { return mx_SetGlobalFX(2, 8, 100) + mx_GetGlobalFX(2, 8); }, 0},
      {"route stored unchanged", [&] { return mx_SetGlobalFXRoute(42) + mx_GetGlobalFXRoute(); }, 42},
  });
  EXPECT_FLOAT_EQ(s->lfoscale[0].load(), 0.999f);
  for (int r = 0; r < kModRows; ++r) EXPECT_FLOAT_EQ(s->modlevel[r].load(), r == 3 ? 2.5f : 1.0f) << r;
  EXPECT_EQ(lfofunction[3][999].load(), 77);
  lfofunction[3][999] = 0;
}

TEST(MixerApiStopped, NotRunningAnswers) {
  mx_Close();
  std::vector<int16_t> data(10, 5);
  sample* s = sample::create(10, 16, 1, 44100, data.data(), 0);
  lfofunction[0][0] = 0;  // as no earlier test left it
  check({
      {"create", [&] { return mx_CreateSound(10, 16, 1, 44100, data.data(), 0) == nullptr; }, 1},
      {"alloc", [] { return mx_AllocChannel(); }, 0},
      {"free", [] { return mx_FreeChannel(8193); }, 8193},
      {"play fresh", [&] { return mx_PlaySound(s, 0, 0); }, 0},
      {"play on handle", [&] { return mx_PlaySound(s, 0, 8193); }, 8193},
      {"status", [] { return mx_ChannelStatus(8193); }, 0},
      {"hertz", [] { return mx_GetChannelHertzFreq(8193); }, -1},
      {"repeat playhead", [] { return mx_ChannelWaveTableRepeatPlayhead(8193); }, 1},
      {"send", [] { return mx_GetChannelFXSend(8193, 8); }, 0},
      {"write", [&] { return mx_WriteSound(s, data.data(), 10); }, 0},
      {"sustain", [&] { return mx_GetSoundSustain(s, 0); }, 4095},
      {"set hertz refused", [&] { return mx_SetSoundHertz(s, 1000); }, 0},
      {"hertz unchanged", [&] { return s->hertz.load(); }, 44100},
      {"function refused", [&] { return mx_SetSoundFunction(s, 0, 0, 5) + mx_GetSoundFunction(s, 0, 0); }, 0},
      {"effect switch", [] { return mx_SetGlobalFX(kFxSwitchId, 0, 1) + mx_GetGlobalFX(kFxSwitchId, 0); }, 0},
      {"route", [] { return mx_SetGlobalFXRoute(3) + mx_GetGlobalFXRoute(); }, 0},
  });
  EXPECT_EQ(lfofunction[0][0].load(), 0);
  EXPECT_EQ(mx_FreeSound(s), 0);  // the creator's reference goes also while stopped
}

TEST_F(MixerApi, StaleHandlesFindNothingAndFreeNothing) {
  sample* s = constant(1000);
  const int old = mx_AllocChannel();
  EXPECT_EQ(old, 8192 | 1);
  EXPECT_EQ(mx_FreeChannel(old), 1);
  const int current = mx_AllocChannel();
  ASSERT_EQ(current, old + 4096);
  mx_SetChannelVolume(current, 0.5f);
  mx_SetChannelVolume(old, 0.25f);
  EXPECT_EQ(voice(current)->getvolume(1), 2048);
  check({
      {"status", [&] { return mx_ChannelStatus(old); }, 0},
      {"send", [&] { mx_SetChannelFXSend(current, 2, 40); return mx_GetChannelFXSend(old, 2); }, 0},
      {"start delay", [&] { mx_SetChannelStartDelay(current, 30); return mx_GetChannelStartDelay(old); }, 0},
      {"position", [&] { return mx_ChannelPosition(old); }, 0},
      {"hertz", [&] { return mx_GetChannelHertzFreq(old); }, 1},
      {"repeat playhead", [&] { return mx_ChannelWaveTableRepeatPlayhead(old); }, 1},
      {"play", [&] { return mx_PlaySound(s, 0, old); }, old},
  });
  EXPECT_EQ(device.mixer->playingcount(), 0);
  render();
  EXPECT_EQ(device.mixer->playingcount(), 0);  // nothing started
  // Freeing the stale handle leaves the channel that now holds the index alone.
  mx_FreeChannel(old);
  EXPECT_EQ(mx_ChannelStatus(current), kStatusFinished);
  EXPECT_EQ(mx_GetChannelStartDelay(current), 30);
  EXPECT_NE(mx_AllocChannel() & kHandleIndexMask, current & kHandleIndexMask);
  mx_StopChannel(old);
  EXPECT_EQ(mx_GetChannelStartDelay(current), 30);
  // A reset makes fresh tables: the old handle is not current until its index is given out again.
  ASSERT_EQ(mx_Reset(&device), 0);
  EXPECT_EQ(mx_ChannelStatus(current), 0);
  EXPECT_EQ(mx_AllocChannel(), 8192 | 1);
}

TEST_F(MixerApi, PlayWithoutAHandleGivesAChannelAndIsHeard) {
  sample* s = constant(1000);
  const int h = mx_PlaySound(s, 0, 0);
  EXPECT_NE(h, 0);
  EXPECT_NE(mx_PlaySound(s, 0, 0), h);
  render();
  const auto out = render();
  EXPECT_EQ(out[100], 2000);  // both voices at unity
  EXPECT_EQ(mx_ChannelStatus(h), kStatusLooped);
}

TEST_F(MixerApi, PlayWithEveryChannelInUseAnswersZero) {
  sample* s = constant(1000);
  for (int i = 1; i < 4096; ++i) ASSERT_NE(mx_AllocChannel(), 0);
  EXPECT_EQ(mx_AllocChannel(), 0);
  EXPECT_EQ(mx_PlaySound(s, 0, 0), 0);
}

TEST_F(MixerApi, FailingResetLeavesTheMixerStopped) {
  testdevice broken;
  broken.answer = -7;
  EXPECT_EQ(mx_Reset(&broken), -1);
  EXPECT_EQ(audio, &broken);
  EXPECT_EQ(io, nullptr);
  EXPECT_EQ(mx_AllocChannel(), 0);
  EXPECT_EQ(mx_Reset(nullptr), -1);
  EXPECT_EQ(audio, nullptr);
  EXPECT_EQ(mx_Close(), 0);
}

// A channel from a play without a handle loses its voice when the sound ends. The render
// may release it before the main thread looks the channel up or just after; both orders
// are replayed on this thread, the second through the lookup seam. A released voice must
// not wake up for the channel, nor reach the spare list twice (two channels would then
// share it, and a second start of it links the playing list into a ring).
TEST_F(MixerApi, VoiceReleasedAroundALookupStaysReleasedAndIsReusedOnce) {
  const struct {
    const char* what;
    std::function<void(int)> act;
  } acts[] = {
      {"play", [&](int h) { mx_PlaySound(constant(500, 4000), 0, h); }},
      {"pause", [](int h) { mx_SetChannelPaused(h, 1); }},
      {"wavetable", [](int h) { mx_SetChannelWavetable(h, 1); }},
      {"restart", [](int h) { mx_ChannelRestart(h); }},
  };
  for (const auto& act : acts) {
    for (const bool afterlookup : {false, true}) {
      SCOPED_TRACE(std::string(act.what) + (afterlookup ? ", released after the lookup" : ", released before"));
      ASSERT_EQ(mx_Reset(&device), 0);
      sample* brief = constant(700, 100, 0);
      mx_PlaySound(brief, 0, 0);  // an older voice released in the same pass, after the first
      const int h = mx_PlaySound(brief, 0, 0);
      sound* v = voice(h);
      mx_SetSoundIsWavetable(brief, 1);  // a restart would mark the voice as a wavetable
      bool released = false;
      const auto release = [&] {
        if (released) return;
        released = true;
        render();
      };
      if (afterlookup)
        io->afterlookup = release;
      else
        release();
      act.act(h);
      io->afterlookup = nullptr;
      // Released first, the voice may rightly come back for the channel; claimed first, not.
      if (afterlookup) {
        EXPECT_EQ(v->status, 0);
      }
      const int a = mx_AllocChannel();
      const int b = mx_AllocChannel();
      EXPECT_NE(voice(a), voice(b));
    }
  }
}
