// The output device's render request, driven directly without a platform output: the
// warm-up (dry requests, the buses cleared by the first), the effect path switching on
// and off, the request limit, and a device that never opened.
#include <gtest/gtest.h>

#include <atomic>
#include <vector>

#include "audio/audiodevice.h"
#include "audio/mixer.h"
#include "audio/soundrecord.h"
#include "audio/voice.h"
#include "platform/numbers.h"

namespace {

class DeviceRead : public ::testing::Test {
 protected:
  static inline std::atomic<int> now{1000};

  void SetUp() override {
    now = 1000;
    SetTestClock([] { return now.load(); });
    device.prepare();
  }

  void TearDown() override {
    for (sample* s : records_) s->free();
    SetTestClock(nullptr);
  }

  // A looping constant of 1000 on a channel with the given sends (dry in thousandths).
  sound* play(const std::array<int, kFxSends>& sends) {
    std::vector<int16_t> frames(400, 1000);
    sample* s = sample::create(400, 16, 1, 44100, frames.data(), 1);
    records_.push_back(s);
    sound* source = device.mixer->allocsound(nullptr);
    source->setfxmixvalues(sends);
    sound* v = device.mixer->play(s, source, kStatusLooped);
    now += 20;
    return v;
  }

  std::vector<int16_t> request(int frames) {
    audiobuffer served;
    EXPECT_EQ(device.read(frames, served), 0);
    EXPECT_EQ(served.bytes, frames * 4);
    return {served.data, served.data + frames * 2};
  }

  // The left value of a request's last frame (a voice fades in over its first buffer).
  static int last(const std::vector<int16_t>& out) { return out[out.size() - 2]; }

  void fx(int id, int bus, int value) { device.mixer->fx.setparameter(id, bus, value); }

  coreaudio device;

 private:
  std::vector<sample*> records_;
};

constexpr std::array<int, kFxSends> kOnlyBusZero = {100, 0, 0, 0, 0, 0, 0, 0, 0};
constexpr std::array<int, kFxSends> kSilentOnEffectPath = {0, 0, 0, 0, 0, 0, 0, 0, 0};

}  // namespace

TEST_F(DeviceRead, FirstRequestIsDryAndClearsTheBuses) {
  fx(kFxSwitchId, 0, 1);
  device.mixer->fx.mode = 3;
  for (int b = 0; b < kBuses; ++b)
    for (int id : {1, 2, 3, 4, 5, 6, 7, 8, 101, 102, 103, 104, 105, 106, 107, 108, 201, 202, 203}) fx(id, b, 40);
  play(kSilentOnEffectPath);
  EXPECT_EQ(device.warmup, 0);
  EXPECT_GT(last(request(256)), 900);  // dry: the dry level only counts on the effect path
  EXPECT_EQ(device.warmup, 1);
  EXPECT_EQ(device.mixer->fx.mode.load(), 0);
  for (int b = 0; b < kBuses; ++b)
    for (int id : {1, 2, 3, 4, 5, 6, 7, 8, 101, 102, 103, 104, 105, 106, 107, 108, 201, 202, 203})
      ASSERT_EQ(device.mixer->fx.getparameter(id, b), 0) << id << " bus " << b;
  EXPECT_EQ(device.mixer->fx.getparameter(kFxSwitchId, 0), 1);
}

TEST_F(DeviceRead, RequestsOneToTwentyOneAreDryAndTheTwentySecondHasEffects) {
  fx(kFxSwitchId, 0, 1);
  play(kSilentOnEffectPath);
  EXPECT_GT(last(request(128)), 900);
  for (int r = 2; r <= 21; ++r) ASSERT_EQ(last(request(128)), 1000) << "request " << r;
  EXPECT_EQ(device.warmup, 21);
  for (int16_t x : request(128)) ASSERT_EQ(x, 0);
  EXPECT_EQ(device.warmup, 21);
}

TEST_F(DeviceRead, ModeOutsideTheTableRendersTheDryMix) {
  for (int r = 0; r < 21; ++r) request(64);
  fx(kFxSwitchId, 0, 1);
  device.mixer->fx.mode = 10;
  play(kSilentOnEffectPath);
  request(64);
  EXPECT_EQ(last(request(64)), 1000);
}

TEST_F(DeviceRead, SwitchingOffStopsTheEffectPathAndTheRingsKeepTheirEcho) {
  for (int r = 0; r < 21; ++r) request(64);
  fx(kFxSwitchId, 0, 1);
  for (int id : {6, 106}) fx(id, 0, 100);  // 100 frames of delay, echo only
  for (int id : {7, 107, 2, 102}) fx(id, 0, 100);
  sound* v = play(kOnlyBusZero);
  for (int16_t x : request(64)) ASSERT_EQ(x, 0);  // the echo has not come round yet
  fx(kFxSwitchId, 0, 0);
  EXPECT_EQ(last(request(64)), 1000);  // dry path: the voice itself
  fx(kFxSwitchId, 0, 1);
  v->stop();
  // The bus did not run while off: the first request's input comes out 100 frames
  // after it went in, 36 frames into this request (its very first frame was faded to 0).
  const auto echo = request(64);
  for (int f = 0; f <= 36; ++f) ASSERT_EQ(echo[static_cast<size_t>(2 * f)], 0) << f;
  for (int f = 37; f < 64; ++f) {
    ASSERT_GT(echo[static_cast<size_t>(2 * f)], 0) << f;
    ASSERT_GT(echo[static_cast<size_t>(2 * f + 1)], 0) << f;
  }
}

TEST_F(DeviceRead, RequestsAreLimitedTo4096Frames) {
  int frames = 8192;
  audiobuffer served;
  EXPECT_EQ(device.read(frames, served), 0);
  EXPECT_EQ(frames, 4096);
  EXPECT_EQ(served.bytes, 16384);
  EXPECT_EQ(served.data, device.dry.data());
  for (int asked : {0, -5}) {
    frames = asked;
    device.read(frames, served);
    EXPECT_EQ(frames, 0);
    EXPECT_EQ(served.bytes, 0);
  }
}

TEST(Device, NeverOpenedClosesWithZeroAndServesNothing) {
  coreaudio device;
  EXPECT_EQ(device.close(), 0);
  int frames = 256;
  audiobuffer served;
  EXPECT_EQ(device.read(frames, served), 0);
  EXPECT_EQ(frames, 0);
  EXPECT_EQ(served.data, nullptr);
}
