// Known signals through the dry render: unity gain, rates, loops, play window, start
// offset and delay, volume and pan ramps, the sample formats, saturation, and the
// voice lifecycle (end, stop, pause, restart, release, rings).
#include <gtest/gtest.h>

#include "audio/channelhandles.h"
#include "audiotest.h"

namespace {

using MixerRender = AudioTest;

std::vector<int16_t> constant(int count, int value) { return std::vector<int16_t>(static_cast<size_t>(count), static_cast<int16_t>(value)); }

}  // namespace

TEST_F(MixerRender, ConstantAtUnityAfterTheFirstBufferFadesIn) {
  start(make16(constant(1000, 1000), 1, 1));
  const auto first = render(256);
  for (int i = 0; i < 256; ++i) {
    const int expected = through(rampvolume(0, 4096, i, 256), 1000);  // the volume starts from 0
    ASSERT_EQ(left(first, i), expected) << i;
    ASSERT_EQ(right(first, i), expected) << i;
  }
  const auto steady = render(256);
  for (int i = 0; i < 256; ++i) {
    ASSERT_EQ(left(steady, i), 1000);
    ASSERT_EQ(right(steady, i), 1000);
  }
}

TEST_F(MixerRender, OneShotEndsAfterItsLength) {
  sound* v = start(make16(ramp(300, 8), 1, 0));
  render(256);
  EXPECT_EQ(v->status, kStatusOneShot);
  const auto out = render(256);
  for (int k = 0; k < 44; ++k) ASSERT_EQ(left(out, k), 8 * (256 + k));
  for (int k = 44; k < 256; ++k) ASSERT_EQ(left(out, k), 0);
  EXPECT_EQ(v->status, kStatusFinished);
  EXPECT_EQ(v->getposition(), 300);
  EXPECT_EQ(mx.playingcount(), 1);  // kept: a channel may still refer to it
  for (int16_t x : render(64)) ASSERT_EQ(x, 0);
}

TEST_F(MixerRender, LoopWrapsBackByTheLoopSize) {
  sample* s = make16(ramp(100, 10, 10), 1, 1);
  s->setloopstart(20);
  s->setlooplength(50);
  start(s);
  render(256);
  const auto out = render(512);
  for (int j = 0; j < 512; ++j) {
    const int k = 256 + j;
    const int index = k < 70 ? k : 20 + (k - 70) % 50;
    ASSERT_EQ(left(out, j), 10 + 10 * index) << j;
  }
}

TEST_F(MixerRender, LoopPointsBeyondTheSampleAreKeptInside) {
  sample* s = make16(ramp(100, 10, 10), 1, 1);
  s->setloopstart(90);
  s->setlooplength(1000);  // only 10 frames are left after the loop start
  s->setplayheadstart(5000);
  sound* v = start(s);
  render(256);
  const auto out = render(256);
  for (int j = 0; j < 256; ++j) {
    const int value = left(out, j);
    ASSERT_GE(value, 10 + 10 * 90);
    ASSERT_LE(value, 10 + 10 * 99);
  }
  EXPECT_LT(v->getplayposition(), 100);
}

TEST_F(MixerRender, HalfAndDoubleRates) {
  start(make16(ramp(2000, 16), 1, 0, 22050));
  render(256);
  auto out = render(256);
  for (int j = 0; j < 256; ++j) ASSERT_EQ(left(out, j), 8 * (256 + j)) << "half " << j;  // midpoints between frames

  mx.releaseall();
  sound* src = mx.allocsound(nullptr);
  src->setrate(2 * 65536);
  start(make16(ramp(4000, 4), 1, 0), src);
  render(256);
  out = render(256);
  for (int j = 0; j < 256; ++j) ASSERT_EQ(left(out, j), 8 * (256 + j)) << "double " << j;
}

TEST_F(MixerRender, StepIsLimitedTo1411200) {
  sound* src = mx.allocsound(nullptr);
  src->setrate(30 * 65536);
  sound* v = start(make16(constant(100000, 0), 1, 0), src);
  render(100);
  EXPECT_EQ(v->getplayposition(), 100 * 1411200 / 65536);
}

TEST_F(MixerRender, PlayWindowEndsAOneShotAtSample1000) {
  sound* src = mx.allocsound(nullptr);
  src->playend = 1000;
  sound* v = start(make16(ramp(5000, 4, 4), 1, 0), src);
  for (int b = 0; b < 3; ++b) render(256);
  const auto out = render(256);  // frames 768..1023
  EXPECT_EQ(left(out, 231), 4 + 4 * 999);
  for (int j = 232; j < 256; ++j) ASSERT_EQ(left(out, j), 0);
  EXPECT_EQ(v->status, kStatusFinished);
}

TEST_F(MixerRender, VoiceSounds20msAfterItsStartAtTheRightFrame) {
  mx.play(make16(constant(2000, 8000), 1, 1), &mx, kStatusLooped);
  auto out = render(1024);  // the clock has not moved: 20 ms = 882 frames of silence
  for (int j = 0; j < 882; ++j) ASSERT_EQ(left(out, j), 0) << j;
  for (int i = 0; i < 1024 - 882; ++i) ASSERT_EQ(left(out, 882 + i), through(rampvolume(0, 4096, i, 142), 8000)) << i;
  EXPECT_NE(left(out, 1023), 0);
}

TEST_F(MixerRender, StartOffsetLongerThanABufferWaitsWholeBuffers) {
  sound* v = mx.play(make16(constant(2000, 8000), 1, 1), &mx, kStatusLooped);
  for (int b = 0; b < 3; ++b) {
    for (int16_t x : render(256)) ASSERT_EQ(x, 0);  // 3 x 256 = 768 of the 882 frames
  }
  const auto out = render(256);
  EXPECT_EQ(left(out, 113), 0);
  EXPECT_NE(left(out, 115), 0);
  EXPECT_EQ(v->getposition(), 256 - 114);
}

TEST_F(MixerRender, StartDelayKeepsTheVoiceSilentUntilStartPlus99) {
  sound* src = mx.allocsound(nullptr);
  src->setstartdelay(100);
  sound* v = mx.play(make16(constant(2000, 1000), 1, 1), src, kStatusLooped);
  now = 1050;
  for (int16_t x : render(256)) ASSERT_EQ(x, 0);
  now = 1098;
  for (int16_t x : render(256)) ASSERT_EQ(x, 0);
  EXPECT_EQ(v->getposition(), 0);
  now = 1099;
  const auto out = render(256);
  EXPECT_EQ(left(out, 255), through(rampvolume(0, 4096, 255, 256), 1000));
  EXPECT_EQ(v->getposition(), 256);
}

TEST_F(MixerRender, PanLaw) {
  sound* src = mx.allocsound(nullptr);
  src->setpan(2048);
  sound* v = start(make16(constant(1000, 1600), 1, 1), src);
  render(256);
  auto out = render(256);
  for (int i = 0; i < 256; ++i) {
    ASSERT_EQ(left(out, i), through((4096 - 2048) * 4096 >> 12, 1600));
    ASSERT_EQ(right(out, i), 1600);
  }
  v->setpan(-4096);
  render(256);
  out = render(256);
  for (int i = 0; i < 256; ++i) {
    ASSERT_EQ(left(out, i), 1600);
    ASSERT_EQ(right(out, i), 0);
  }
}

TEST_F(MixerRender, EightBitMonoIsUnsignedAroundTheMiddle) {
  std::vector<uint8_t> bytes(600);
  for (int i = 0; i < 600; ++i) bytes[static_cast<size_t>(i)] = static_cast<uint8_t>(i % 256);
  start(make8(bytes, 1, 0));
  render(256);
  const auto out = render(256);
  for (int j = 0; j < 256; ++j) ASSERT_EQ(left(out, j), ((256 + j) % 256) * 256 - 32768) << j;
}

TEST_F(MixerRender, StereoSixteenBitKeepsItsChannelsApart) {
  std::vector<int16_t> frames;
  for (int i = 0; i < 1000; ++i) {
    frames.push_back(static_cast<int16_t>(8 * i));
    frames.push_back(static_cast<int16_t>(-8 * i));
  }
  sound* v = start(make16(frames, 2, 0));
  render(256);
  const auto out = render(256);
  for (int j = 0; j < 256; ++j) {
    ASSERT_EQ(left(out, j), 8 * (256 + j));
    ASSERT_EQ(right(out, j), -8 * (256 + j));
  }
  EXPECT_EQ(v->getposition(), 512);  // reported in frames
}

TEST_F(MixerRender, OutputSaturatesAt16Bits) {
  start(make16(constant(1000, 30000), 1, 1));
  start(make16(constant(1000, 30000), 1, 1));
  start(make16(constant(1000, -30000), 1, 1));
  start(make16(constant(1000, -30000), 1, 1));
  start(make16(constant(1000, -30000), 1, 1));
  render(256);
  for (int16_t x : render(64)) ASSERT_EQ(x, -30000);
  mx.releaseall();
  mx.collect();
  start(make16(constant(1000, 30000), 1, 1));
  start(make16(constant(1000, 30000), 1, 1));
  render(256);
  for (int16_t x : render(64)) ASSERT_EQ(x, 32767);
  mx.releaseall();
  start(make16(constant(1000, -30000), 1, 1));
  start(make16(constant(1000, -30000), 1, 1));
  render(256);
  for (int16_t x : render(64)) ASSERT_EQ(x, -32768);
}

TEST_F(MixerRender, DrySumSaturatesAt32BitsInsteadOfWrapping) {
  // 600 voices of 32512 at volume 32767 add about 2.5e9 to each entry: past the 32-bit range.
  sound* loud = mx.allocsound(nullptr);
  loud->setvolume(32767);
  sample* s = make8(std::vector<uint8_t>(100, 255), 1, 1);
  for (int v = 0; v < 600; ++v) mx.play(s, loud, kStatusLooped);
  now += 20;
  render(64);
  for (int16_t x : render(64)) ASSERT_EQ(x, 32767);
  // Past the count whose bound could reach the 32-bit range, sums that stay small must
  // still be exact: 300 pairs of +30000 and -30000 at volume 32767.
  mx.releaseall();
  mx.collect();
  sample* up = make16(constant(100, 30000), 1, 1);
  sample* down = make16(constant(100, -30000), 1, 1);
  for (int v = 0; v < 300; ++v) {
    mx.play(up, loud, kStatusLooped);
    mx.play(down, loud, kStatusLooped);
  }
  now += 20;
  render(64);
  const int pair = ((32767 * 30000) >> 8) + ((32767 * -30000) >> 8);
  for (int16_t x : render(64)) ASSERT_EQ(x, (300 * pair) >> 4);
}

TEST_F(MixerRender, VoicesAddedWithSaturatingSumsStillStartAtTheirFrame) {
  // Past about 512 voices at full volume the bounds could reach the 32-bit range, and
  // the later voices take the saturating add: each must still sound from frame 882.
  sound* loud = mx.allocsound(nullptr);
  loud->setvolume(32767);
  sample* s = make16(constant(2000, 1), 1, 1);
  constexpr int kVoices = 560;
  for (int v = 0; v < kVoices; ++v) mx.play(s, loud, kStatusLooped);
  const auto out = render(1024);
  for (int j = 0; j < 882; ++j) ASSERT_EQ(left(out, j), 0) << j;
  for (int i = 0; i < 142; ++i) ASSERT_EQ(left(out, 882 + i), (kVoices * (rampvolume(0, 32767, i, 142) >> 8)) >> 4) << i;
}

TEST_F(MixerRender, VolumeAboveSixteenBitsSaturatesInsteadOfWrapping) {
  sound* src = mx.allocsound(nullptr);
  src->setvolume(100000);  // would wrap to -31072 in 16 bits
  sound* v = start(make16(constant(1000, 1000), 1, 1), src);
  EXPECT_EQ(v->getvolume(1), 32767);
  render(256);
  for (int16_t x : render(64)) ASSERT_EQ(x, through(32767, 1000));
  src->setpan(-70000);
  EXPECT_EQ(src->getpan(1), -32768);
}

TEST_F(MixerRender, ZeroFrameRecordsPlaySilenceAndFinish) {
  sample* oneshot = make16({}, 1, 0);
  sample* looped = make16({}, 2, 1);
  ASSERT_NE(oneshot, nullptr);
  ASSERT_NE(looped, nullptr);
  sound* a = start(oneshot);
  sound* b = start(looped);
  for (int16_t x : render(256)) ASSERT_EQ(x, 0);
  EXPECT_EQ(a->status, kStatusFinished);
  EXPECT_EQ(b->status, kStatusFinished);
}

TEST_F(MixerRender, WavetableStepsThroughItsSequenceAndEnds) {
  std::vector<int16_t> waves;
  for (int w = 0; w < 3; ++w)
    for (int i = 0; i < 4; ++i) waves.push_back(static_cast<int16_t>((w + 1) * 1000));
  sample* s = make16(waves, 1, 0);
  s->setlooplength(4);
  s->setiswavetable(1);
  s->setwavelength(3);
  s->setwavetable(0, 0, 70);
  s->setwavetable(1, 1, 1);
  s->setwavetable(2, 2, 1);
  s->setwaveloopstart(-1);
  sound* v = start(s);
  EXPECT_EQ(v->status & kStatusWavetable, kStatusWavetable);
  render(256);
  const auto out = render(256);
  for (int j = 0; j < 256; ++j) {
    const int k = 256 + j;
    const int expected = k < 280 ? 1000 : k < 284 ? 2000 : k < 288 ? 3000 : 0;
    ASSERT_EQ(left(out, j), expected) << k;
  }
  EXPECT_EQ(v->status & kStatusFinished, kStatusFinished);
}

TEST_F(MixerRender, WaveNumbersBeyondTheRecordAreKeptInside) {
  std::vector<int16_t> waves(8, 500);
  sample* s = make16(waves, 1, 1);
  s->setlooplength(4);
  s->setiswavetable(1);
  s->setwavelength(2);
  s->setwavetable(0, 0, 1);
  s->setwavetable(1, 90, 1);  // only waves 0 and 1 exist
  start(s);
  render(256);
  for (int16_t x : render(64)) ASSERT_EQ(x, 500);
}

TEST_F(MixerRender, KeyUpReleasesAndEndsTheVoice) {
  sample* s = make16(constant(2000, 1000), 1, 1);
  s->setdadsr(0, 0, 0, 0, 4096, 100);
  s->setmodmatrix(4, 12, 1);
  sound* v = start(s);
  render(256);
  EXPECT_EQ(v->lastvolume, 4095);
  v->setkeyup();
  EXPECT_EQ(v->keyuptime, now.load());
  now += 50;
  render(256);
  EXPECT_EQ(v->lastvolume, 2047);  // half way down the 100 ms release
  now += 51;
  render(256);
  EXPECT_EQ(v->status, kStatusFinished);
}

TEST_F(MixerRender, DeferredKeyUpIsTimedFromItsDueMoment) {
  sample* s = make16(constant(2000, 1000), 1, 1);
  s->setdadsr(0, 0, 0, 0, 4096, 100);
  s->setmodmatrix(4, 12, 1);
  sound* src = mx.allocsound(nullptr);
  src->setstartdelay(50);
  sound* v = mx.play(s, src, kStatusLooped);
  now = 1030;
  v->setkeyup();
  EXPECT_EQ(v->keyupdue, 1080);
  EXPECT_EQ(v->keyuptime, 0);
  now = 1060;
  render(256);
  EXPECT_EQ(v->lastvolume, 4095);  // still held
  EXPECT_EQ(v->keyuptime, 0);
  now = 1090;
  render(256);
  EXPECT_EQ(v->keyuptime, 1080);
  EXPECT_EQ(v->keyupdue, 0);
  EXPECT_EQ(v->lastvolume, 3684);  // 10 ms into the 100 ms release from 4095
}

TEST_F(MixerRender, CreatorFreeingTheRecordLeavesItToThePlayingVoice) {
  sample* s = sample::create(1000, 16, 1, 44100, nullptr, 1);
  sound* v = start(s);
  s->free();
  EXPECT_EQ(s->refcount.load(), 1);
  render(256);
  render(256);  // reads the frames: ASan would catch a freed record
  v->freewhendone = 1;
  v->markfinished();
  render(16);
  EXPECT_EQ(mx.playingcount(), 0);
  mx.collect();  // the last reference goes here, on the main thread
}

TEST_F(MixerRender, FullPendingRingRefusesTheStart) {
  sample* s = make16(constant(100, 1000), 1, 1);
  for (int i = 0; i < kRingSize - 1; ++i) ASSERT_NE(mx.play(s, &mx, kStatusLooped), nullptr) << i;
  const int references = s->refcount;
  EXPECT_EQ(mx.play(s, &mx, kStatusLooped), nullptr);
  EXPECT_EQ(s->refcount.load(), references);
  render(16);
  EXPECT_EQ(mx.playingcount(), kRingSize - 1);
  EXPECT_NE(mx.play(s, &mx, kStatusLooped), nullptr);
  mx.releaseall();
}

TEST_F(MixerRender, FreeRingIsReusedAcrossThousandsOfStarts) {
  handletables io{&mx};
  sample* s = make16(constant(50, 1000), 1, 0);
  for (int i = 0; i < 6000; ++i) {
    const int h = io.play(s, 0, 0);
    ASSERT_NE(h, 0) << i;
    now += 20;
    render(64);  // the 50-frame sound ends and its voice is released
    io.freeindex(h & kHandleIndexMask);
  }
  EXPECT_LE(mx.voicecount(), 3);
  EXPECT_EQ(mx.playingcount(), 0);
}

TEST_F(MixerRender, RefusedStartsAndOddRequests) {
  sample* s = make16(constant(100, 1000), 1, 1);
  EXPECT_EQ(mx.play(nullptr, &mx, kStatusLooped), nullptr);
  EXPECT_EQ(mx.play(s, nullptr, kStatusLooped), nullptr);
  mixer silent{64};  // its output rate was never set
  EXPECT_EQ(silent.play(s, &silent, kStatusLooped), nullptr);
  EXPECT_EQ(s->refcount.load(), 1);
  start(s);
  std::vector<int16_t> out(20000, 7);
  mx.mix16(out.data(), 20000);  // more than the accumulators hold: limited to 8192
  EXPECT_EQ(out[8192], 7);
  mx.mix16(out.data(), 1);  // not even a frame
  mx.mix(-5);
}

TEST_F(MixerRender, FullFreeRingKeepsReleasedVoicesUntilThereIsRoom) {
  sample* s = make16(constant(100, 1000), 1, 1);
  for (int i = 0; i < kRingSize - 1; ++i) mx.play(s, &mx, kStatusLooped);
  render(16);
  for (int i = 0; i < 10; ++i) mx.play(s, &mx, kStatusLooped);
  render(16);
  mx.releaseall();  // 4105 voices for a ring of 4095
  EXPECT_EQ(mx.playingcount(), 10);
  for (const sound* v = mx.playing; v; v = v->next) ASSERT_EQ(v->status, 0);
  render(16);  // still no room
  EXPECT_EQ(mx.playingcount(), 10);
  mx.collect();
  render(16);
  EXPECT_EQ(mx.playingcount(), 0);
  mx.collect();
  EXPECT_EQ(s->refcount.load(), 1);
}
