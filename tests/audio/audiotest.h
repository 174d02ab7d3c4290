// Shared fixture of the audio tests: a mixer at 44100 Hz rendered straight into
// buffers under a test clock, and records made from frame lists.
#pragma once
#include <gtest/gtest.h>

#include <atomic>
#include <cstdint>
#include <vector>

#include "audio/mixer.h"
#include "audio/soundrecord.h"
#include "audio/voice.h"
#include "platform/numbers.h"

class AudioTest : public ::testing::Test {
 protected:
  static inline std::atomic<int> now{1000};

  void SetUp() override {
    now = 1000;
    SetTestClock([] { return now.load(); });
    mx.hertz = 44100;
    mx.channels = 2;
  }

  void TearDown() override {
    for (sample* s : records_) s->free();
    records_.clear();
    SetTestClock(nullptr);
  }

  // A record of the given frames (interleaved when stereo); loop 0 is one-shot.
  sample* make16(const std::vector<int16_t>& values, int channels = 1, int loop = 0, int hertz = 44100) {
    sample* s = sample::create(static_cast<int>(values.size()) / channels, 16, channels, hertz,
                               const_cast<int16_t*>(values.data()), loop);
    if (s) records_.push_back(s);
    return s;
  }

  sample* make8(const std::vector<uint8_t>& values, int channels = 1, int loop = 0) {
    sample* s = sample::create(static_cast<int>(values.size()) / channels, 8, channels, 44100,
                               const_cast<uint8_t*>(values.data()), loop);
    if (s) records_.push_back(s);
    return s;
  }

  static std::vector<int16_t> ramp(int count, int slope, int from = 0) {
    std::vector<int16_t> v(static_cast<size_t>(count));
    for (int i = 0; i < count; ++i) v[static_cast<size_t>(i)] = static_cast<int16_t>(from + slope * i);
    return v;
  }

  // Starts s with the settings of source (the mixer's neutral ones by default), then lets
  // the 20 ms start offset pass so the voice sounds from the first frame of the next render.
  sound* start(sample* s, output* source = nullptr, int extraflags = 0) {
    const int flags = (s->loopmode != 0 ? kStatusLooped : kStatusOneShot) | extraflags;
    sound* v = mx.play(s, source ? source : &mx, flags);
    now += 20;
    return v;
  }

  // Renders frames stereo frames through mix16.
  std::vector<int16_t> render(int frames) {
    std::vector<int16_t> out(static_cast<size_t>(frames) * 2, 0);
    mx.mix16(out.data(), frames * 2);
    return out;
  }

  // Dry output of one frame value at gain g (4096 = unity), as the 16-bit stream carries it.
  static int through(int gain, int value) { return ((gain * value) >> 8) >> 4; }
  // The 8.8 volume of frame i of a buffer of f frames ramping from old to new.
  static int rampvolume(int oldvolume, int newvolume, int i, int f) {
    const int increment = (newvolume - oldvolume) * 256 / f;
    return (oldvolume * 256 + i * increment) >> 8;
  }

  mixer mx{8192};

 private:
  std::vector<sample*> records_;
};

inline int left(const std::vector<int16_t>& out, int frame) { return out[static_cast<size_t>(frame) * 2]; }
inline int right(const std::vector<int16_t>& out, int frame) { return out[static_cast<size_t>(frame) * 2 + 1]; }
