// The mixer's driver classes: sounds made from each sample format, plays and cues on
// channel objects, settings forwarded with their conversions, a stopped mixer, a
// channel of an earlier mixer, and the standard LFO shapes in the function tables.
#include <cmath>

#include "audio/lfofunction.h"
#include "audio/mixer.h"
#include "drivertest.h"

using SoftMixDriver = DriverTest;

TEST_F(SoftMixDriver, SoundsFromEveryFormatHoldLittleEndian16BitFrames) {
  auto bigendian = CreateAudioSample(2, 22050, SF_STEREO16BE);
  const uint8_t be[] = {0x12, 0x34, 0xFF, 0xFE, 0x80, 0x00, 0x00, 0x01};
  std::memcpy(bigendian->samples, be, sizeof be);
  std::shared_ptr<TSound> s = driver->CreateSound(bigendian, 0);
  ASSERT_NE(s, nullptr);
  EXPECT_EQ(s->GetAudioSampleMono(), 2);
  EXPECT_EQ(s->GetHertzFreq(), 22050);
  EXPECT_EQ(values(s), (std::vector<int16_t>{0x1234, -2, -32768, 1}));

  auto bytes = CreateAudioSample(3, 44100, SF_MONO8);
  bytes->samples[0] = 0;
  bytes->samples[1] = 128;
  bytes->samples[2] = 255;
  std::shared_ptr<TSound> eight = driver->CreateSound(bytes, 0);
  EXPECT_EQ(eight->GetAudioSampleMono(), 1);
  EXPECT_EQ(values(eight), (std::vector<int16_t>{-32768, 0, 32512}));

  // Flag bit 0 loops; the other bits are not used.
  std::shared_ptr<TSound> looped = driver->CreateSound(record({1, 2}), 1);
  EXPECT_EQ(looped->GetLoop(), -1);
  EXPECT_NE(looped->GetIsLooped(), 0);
  for (int flags : {0, 2}) {
    std::shared_ptr<TSound> once = driver->CreateSound(record({1, 2}), flags);
    EXPECT_EQ(once->GetLoop(), 0);
    EXPECT_EQ(once->GetIsLooped(), 0);
  }

  EXPECT_EQ(driver->CreateSound(nullptr, 0), nullptr);
  EXPECT_EQ(driver->CreateSound(CreateAudioSample(5, 44100, 0), 0), nullptr);  // no channels
  auto overlong = CreateAudioSample(4, 44100, SF_MONO16);
  overlong->length = 50;  // more frames than its bytes
  EXPECT_EQ(driver->CreateSound(overlong, 0), nullptr);
}

TEST_F(SoftMixDriver, PlayAndCueHandBackTheChannelTheyPlayOn) {
  std::shared_ptr<TSound> s = sound(std::vector<int16_t>(400, 1000), 1, 1);
  std::shared_ptr<TChannel> ch = driver->AllocChannel();
  ASSERT_NE(ch, nullptr);
  EXPECT_EQ(s->Play(ch), ch);
  EXPECT_EQ(ch->Playing(), 1);
  EXPECT_EQ(s->Cue(ch), ch);
  EXPECT_EQ(ch->Playing(), 0);  // paused until resumed
  ch->SetPaused(0);
  EXPECT_EQ(ch->Playing(), 1);

  std::shared_ptr<TChannel> a = s->Play(nullptr);
  std::shared_ptr<TChannel> b = s->Play(nullptr);
  ASSERT_NE(a, nullptr);
  ASSERT_NE(b, nullptr);
  EXPECT_NE(a, b);

  EXPECT_EQ(ch->Stop(), 0);
  EXPECT_EQ(ch->Playing(), 0);
  std::shared_ptr<TChannel> again = s->Play(ch);  // a stopped channel has no handle
  ASSERT_NE(again, nullptr);
  EXPECT_NE(again, ch);
  EXPECT_EQ(again->Playing(), 1);

  render();
  const int before = driver->device.mixer->playingcount();
  EXPECT_EQ(s->Play(TChannel::New()), nullptr);  // another driver's channel
  render();
  EXPECT_EQ(driver->device.mixer->playingcount(), before);

  // A dropped channel lets its voice play on (a, b and again sound); a stopped one falls silent.
  a.reset();
  b.reset();
  EXPECT_EQ(left(render(), 100), 3000);
  again->Stop();
  render();
  EXPECT_EQ(left(render(), 100), 2000);
}

TEST_F(SoftMixDriver, LfoOutputIsReadWithinItsRange) {
  std::shared_ptr<TSound> s = sound(std::vector<int16_t>(4000, 100), 1, 1);
  for (int offset : {999, -999}) {
    s->SetLFOVertical(0, offset);  // four times the offset: beyond 1000 either way
    std::shared_ptr<TChannel> ch = s->Play(nullptr);
    render();
    render();
    EXPECT_EQ(ch->GetLFO(0), offset > 0 ? 1000 : -1000);
    ch->Stop();
  }
}

TEST_F(SoftMixDriver, StoppedMixerMakesSoundsWithoutRecordsAndNoChannels) {
  ShutdownAudioDriver();
  std::shared_ptr<TSound> s = driver->CreateSound(record({1, 2, 3}), 1);
  ASSERT_NE(s, nullptr);
  EXPECT_EQ(dynamic_cast<TSoftMixSound*>(s.get())->mx_sound, nullptr);
  EXPECT_EQ(s->GetAudioSampleLength(), 0);
  EXPECT_EQ(driver->AllocChannel(), nullptr);
  EXPECT_EQ(s->Play(nullptr), nullptr);
  // Running again, the sound still touches no record and starts nothing.
  ASSERT_EQ(SetAudioDriver("SoftMix Test"), 1);
  EXPECT_EQ(s->Play(nullptr), nullptr);
  EXPECT_EQ(s->SetRotorCount(8), 0);
  EXPECT_EQ(s->Copy(), s);
}

TEST_F(SoftMixDriver, ChannelOfAnEarlierMixerSteersNothing) {
  std::shared_ptr<TChannel> old = driver->AllocChannel();
  const int handle = dynamic_cast<TSoftMixChannel*>(old.get())->mx_channel;
  ASSERT_EQ(SetAudioDriver("SoftMix Test"), 1);  // fresh tables hand out the same numbers
  std::shared_ptr<TChannel> fresh = driver->AllocChannel();
  ASSERT_EQ(dynamic_cast<TSoftMixChannel*>(fresh.get())->mx_channel, handle);
  fresh->SetStartDelay(5);
  old->SetStartDelay(77);
  EXPECT_EQ(fresh->GetStartDelay(), 5);
  EXPECT_EQ(old->GetStartDelay(), 0);
  old.reset();  // must not free the index the fresh channel holds
  EXPECT_NE(mx_ChannelStatus(handle), 0);
  std::shared_ptr<TChannel> next = driver->AllocChannel();  // would take a freed index back
  EXPECT_EQ(fresh->GetStartDelay(), 5);
}

TEST_F(SoftMixDriver, InitFunctionsFillsTheStandardShapes) {
  std::array<std::array<int, kLfoFunctionSize>, kLfoFunctions> saved{};
  for (int f = 0; f < kLfoFunctions; ++f)
    for (int n = 0; n < kLfoFunctionSize; ++n) saved[f][n] = lfofunction[f][n];

  std::shared_ptr<TSound> s = sound({1});
  EXPECT_EQ(s->InitFunctions(), 0);
  struct Entry {
    int table, n, value;
  };
  for (const Entry& e : std::vector<Entry>{{4, 499, 1000}, {4, 500, -1000}, {1, 250, 1000}, {0, 1, 6},
                                           {0, 250, 999}, {0, 750, -999}, {5, 0, -1000}, {5, 500, 416},
                                           {5, 999, 999}, {7, 249, 999}, {7, 250, 1000}, {1, 0, 0},
                                           {1, 999, -4}, {2, 499, 998}, {2, 500, -1000}, {3, 500, 1000},
                                           {6, 0, 1000}, {8, 250, -1000}, {8, 0, 1000}})
    EXPECT_EQ(s->GetFunction(e.table, e.n), e.value) << "table " << e.table << " entry " << e.n;
  // Shapes 5 and 6, 7 and 8 mirror each other; the rise is monotonic.
  for (int n = 0; n < kLfoFunctionSize; ++n) {
    ASSERT_EQ(s->GetFunction(6, n), -s->GetFunction(5, n)) << n;
    ASSERT_EQ(s->GetFunction(8, n), -s->GetFunction(7, n)) << n;
    if (n > 0) {
      ASSERT_GE(s->GetFunction(5, n), s->GetFunction(5, n - 1)) << n;
    }
  }
  // The random shape holds each value for 50 entries.
  bool varies = false;
  for (int n = 0; n < kLfoFunctionSize; ++n) {
    const int v = s->GetFunction(9, n);
    ASSERT_GE(v, -1000);
    ASSERT_LE(v, 1000);
    if (n % 50 != 0) {
      ASSERT_EQ(v, s->GetFunction(9, n - 1)) << n;
    }
    if (n >= 50 && v != s->GetFunction(9, 0)) varies = true;
  }
  EXPECT_TRUE(varies);
  // The tables are shared: any sound reads them, also one without a record.
  EXPECT_EQ(TSoftMixSound::CreateWithSound(nullptr)->GetFunction(4, 10), 1000);

  for (int f = 0; f < kLfoFunctions; ++f)
    for (int n = 0; n < kLfoFunctionSize; ++n) lfofunction[f][n] = saved[f][n];
}

TEST_F(SoftMixDriver, FloatArgumentsAreTruncatedAndMatrixLevelsReadAtMostFull) {
  std::shared_ptr<TSound> s = sound({1, 2, 3});
  std::shared_ptr<TChannel> ch = driver->AllocChannel();
  std::shared_ptr<TChannel> other = driver->AllocChannel();
  s->SetMatrixLevel(5, 250);
  s->SetMatrixLevel(6, 37);
  ch->SetFXSend(2.9f, 50.7f);
  ch->SetStartDelay(12.99f);
  ch->SetAudioFXRoute(3.9f);
  const struct {
    const char* what;
    int got, expected;
  } rows[] = {
      {"level 250 reads full", s->GetMatrixLevel(5), 100},
      {"level below full", s->GetMatrixLevel(6), 37},
      {"send index and level", ch->GetFXSend(2.0f), 50},
      {"send index read truncated", ch->GetFXSend(2.99f), 50},
      {"neighbouring send untouched", ch->GetFXSend(3.0f), 0},
      {"start delay", ch->GetStartDelay(), 12},
      {"route, seen by every channel", other->GetAudioFXRoute(), 3},
  };
  for (const auto& row : rows) EXPECT_EQ(row.got, row.expected) << row.what;
  EXPECT_FLOAT_EQ(dynamic_cast<TSoftMixSound*>(s.get())->mx_sound->modlevel[5], 2.5f);  // stored whole
}
