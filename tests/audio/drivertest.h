// Shared fixture of the driver, editing and module-function tests: a mixer driver
// whose device opens no platform output, made current for each test, so the tests
// render the mixer themselves under a test clock; and sounds made from value lists.
#pragma once
#include <gtest/gtest.h>

#include <atomic>
#include <cstdint>
#include <cstring>
#include <memory>
#include <vector>

#include "audio/audiodevice.h"
#include "audio/audiofunctions.h"
#include "audio/audiosample.h"
#include "audio/driverregistry.h"
#include "audio/mixerapi.h"
#include "audio/mixerdriver.h"
#include "audio/softmixchannel.h"
#include "audio/softmixsound.h"
#include "audio/soundrecord.h"
#include "platform/numbers.h"

// Makes the mixer and its buffers on reset, opens no output.
class RenderDevice : public coreaudio {
 public:
  int reset() override {
    prepare();
    return 0;
  }
};

class TestMixDriver : public TSoftMixAudioDriver {
 public:
  TestMixDriver() : TSoftMixAudioDriver("SoftMix Test", 0) {}
  int Startup() override { return mx_Reset(&device) == 0 ? 1 : 0; }
  RenderDevice device;
};

class DriverTest : public ::testing::Test {
 protected:
  static inline std::atomic<int> now{1000};

  void SetUp() override {
    now = 1000;
    SetTestClock([] { return now.load(); });
    InitAudioDrivers();
    InitSoftMixDrivers();
    ShutdownAudioDriver();
    driver = std::make_unique<TestMixDriver>();
    ASSERT_EQ(SetAudioDriver("softmix test"), 1);
  }

  void TearDown() override {
    ShutdownAudioDriver();
    driver.reset();
    SetTestClock(nullptr);
  }

  // A sample record of the values (interleaved when stereo), 16-bit little-endian.
  static std::shared_ptr<TAudioSample> record(const std::vector<int16_t>& values, int channels = 1,
                                              int hertz = 44100) {
    auto r = CreateAudioSample(static_cast<int>(values.size()) / channels, hertz, channels == 1 ? SF_MONO16 : SF_STEREO16);
    if (r && !values.empty()) std::memcpy(r->samples, values.data(), values.size() * sizeof(int16_t));
    return r;
  }

  static std::shared_ptr<TSound> sound(const std::vector<int16_t>& values, int channels = 1, int flags = 0,
                                       int hertz = 44100) {
    return LoadSound(record(values, channels, hertz), flags);
  }

  // The sound's values as the mixer holds them.
  static std::vector<int16_t> values(const std::shared_ptr<TSound>& s) {
    const int16_t* p = s->GetAudioSample();
    const int n = s->GetAudioSampleLength() * s->GetAudioSampleMono();
    return p ? std::vector<int16_t>(p, p + n) : std::vector<int16_t>{};
  }

  // value(i) for i in 0..count-1.
  template <class F>
  static std::vector<int16_t> fill(int count, F value) {
    std::vector<int16_t> v(static_cast<size_t>(count));
    for (int i = 0; i < count; ++i) v[static_cast<size_t>(i)] = static_cast<int16_t>(value(i));
    return v;
  }

  // Lets the 20 ms start offset pass, then serves one request; the interleaved frames.
  std::vector<int16_t> render(int frames = 256) {
    now += 20;
    audiobuffer served;
    driver->device.read(frames, served);
    return std::vector<int16_t>(served.data, served.data + 2 * frames);
  }

  static int left(const std::vector<int16_t>& out, int frame) { return out[static_cast<size_t>(frame) * 2]; }
  static int right(const std::vector<int16_t>& out, int frame) { return out[static_cast<size_t>(frame) * 2 + 1]; }
  static bool silent(const std::vector<int16_t>& out) {
    for (int16_t v : out)
      if (v != 0) return false;
    return true;
  }

  std::unique_ptr<TestMixDriver> driver;
};
