// The module functions on a channel playing through the mixer, rendered into buffers:
// cue and resume, volume, pan, rate and position, pause, restart, stop, start delay,
// and calls without a sound or channel.
#include "drivertest.h"

using AudioFunctions = DriverTest;

TEST_F(AudioFunctions, CuedChannelIsSteeredAndHeard) {
  std::shared_ptr<TSound> s = sound(std::vector<int16_t>(400, 1000), 1, 1);
  std::shared_ptr<TChannel> ch = AllocChannel();
  ASSERT_NE(ch, nullptr);
  EXPECT_EQ(CueSound(s, ch), ch);
  EXPECT_EQ(ChannelPlaying(ch), 0);
  render();
  EXPECT_TRUE(silent(render()));

  EXPECT_EQ(SetChannelVolume(ch, 0.5f), 0);
  EXPECT_EQ(ResumeChannel(ch), 0);
  EXPECT_EQ(ChannelPlaying(ch), 1);
  render();
  std::vector<int16_t> out = render();
  EXPECT_EQ(left(out, 10), 500);
  EXPECT_EQ(right(out, 10), 500);

  EXPECT_EQ(SetChannelPan(ch, -1.0f), 0);
  render();
  out = render();
  EXPECT_EQ(left(out, 10), 500);
  EXPECT_EQ(right(out, 10), 0);

  EXPECT_EQ(PauseChannel(ch), 0);
  EXPECT_EQ(ChannelPlaying(ch), 0);
  render();
  EXPECT_TRUE(silent(render()));
  ResumeChannel(ch);
  render();
  EXPECT_EQ(left(render(), 10), 500);

  EXPECT_EQ(StopChannel(ch), 0);
  EXPECT_EQ(ChannelPlaying(ch), 0);
  render();
  EXPECT_TRUE(silent(render()));
}

TEST_F(AudioFunctions, RateAndPositionAndRestart) {
  std::shared_ptr<TSound> s = sound(fill(4000, [](int i) { return 8 * i; }));
  std::shared_ptr<TChannel> ch = AllocChannel();
  // Set before the first play: it takes effect on that play.
  EXPECT_EQ(SetChannelRate(ch, 2.0f), 0);
  EXPECT_EQ(PlaySound(s, ch), ch);
  // The first buffer ramps the voice in; in the second, frame k reads source frame 512 + 2k.
  render(256);
  std::vector<int16_t> out = render(256);
  for (int k : {0, 1, 100, 255}) EXPECT_EQ(left(out, k), 8 * (512 + 2 * k)) << k;
  EXPECT_EQ(GetPosition(ch), 1024);

  EXPECT_EQ(InitChannel(ch), 0);  // from the start again
  render(256);
  out = render(256);
  for (int k : {0, 1, 100, 255}) EXPECT_EQ(left(out, k), 8 * (512 + 2 * k)) << k;
  EXPECT_EQ(GetPosition(ch), 1024);

  // A one-shot sound ends: the channel no longer plays.
  for (int i = 0; i < 10; ++i) render(256);
  EXPECT_EQ(ChannelPlaying(ch), 0);
}

TEST_F(AudioFunctions, MissingSoundOrChannelDoesNothing) {
  std::shared_ptr<TChannel> none;
  EXPECT_EQ(PlaySound(nullptr, AllocChannel()), nullptr);
  EXPECT_EQ(CueSound(nullptr), nullptr);
  EXPECT_EQ(StopChannel(none), 0);
  EXPECT_EQ(ChannelPlaying(none), 0);
  EXPECT_EQ(GetPosition(none), 0);
  EXPECT_EQ(SetChannelVolume(none, 1.0f) + SetChannelPan(none, 1.0f) + SetChannelDepth(none, 1.0f) +
                SetChannelRate(none, 1.0f) + PauseChannel(none) + InitChannel(none) + ResumeChannel(none) +
                SetChannelStartDelay(none, 5.0f) + GetChannelStartDelay(none),
            0);
  EXPECT_EQ(LoadSound(std::shared_ptr<TAudioSample>(), 0), nullptr);
}
