// Channel handles: the handle sequence, stale handles, freeing, and starts on channels
// (settings carried over, replaced voices released, failed starts).
#include <gtest/gtest.h>

#include "audio/channelhandles.h"
#include "audiotest.h"

namespace {

class Channels : public AudioTest {
 protected:
  handletables io{&mx};
};

}  // namespace

TEST_F(Channels, ReusedIndexMakesOldHandlesStale) {
  const int first = io.alloc();
  io.alloc();
  EXPECT_TRUE(io.current(first));
  io.freeindex(first & kHandleIndexMask);
  EXPECT_FALSE(io.current(first));  // a freed index answers to no handle
  EXPECT_EQ(io.lookup(first), nullptr);
  const int again = io.alloc();
  EXPECT_EQ(again & kHandleIndexMask, first & kHandleIndexMask);
  EXPECT_EQ(again, first + 4096);
  EXPECT_FALSE(io.current(first));
  EXPECT_EQ(io.lookup(first), nullptr);
  EXPECT_NE(io.lookup(again), nullptr);
  EXPECT_EQ(io.lookup(0), nullptr);
}

TEST_F(Channels, FreeingAnIndexTwiceOrTheListTailKeepsTheListSound) {
  for (int i = 1; i < kChannelSlots; ++i) io.alloc();
  io.freeindex(4095);
  io.freeindex(4095);  // already free: must not enter the list twice
  io.freeindex(0);
  io.freeindex(5000);
  EXPECT_EQ(io.alloc() & kHandleIndexMask, 4095);
  EXPECT_EQ(io.alloc(), 0);
}

TEST_F(Channels, SettingsGivenBeforeThePlayTakeEffectAndPersist) {
  sample* s = make16(std::vector<int16_t>(100, 1000), 1, 1);
  const int h = io.alloc();
  sound* idle = io.lookup(h);
  ASSERT_NE(idle, nullptr);
  EXPECT_EQ(io.lookup(h), idle);
  idle->setvolume(2048);
  idle->setpan(-4096);
  idle->setrate(2 * 65536);
  idle->setstartdelay(30);
  idle->setfxmixvalue(3, 70);
  idle->playend = 50;
  ASSERT_EQ(io.play(s, 0, h), h);
  sound* v = io.lookup(h);
  ASSERT_NE(v, idle);
  EXPECT_EQ(v->getvolume(1), 2048);
  EXPECT_EQ(v->getpan(1), -4096);
  EXPECT_EQ(v->getrate(1), 2 * 65536);
  EXPECT_EQ(v->getstartdelay(), 30);
  EXPECT_EQ(v->getfxmixvalue(3), 70);
  EXPECT_EQ(v->getfxmixvalue(kDrySend), 1000);
  EXPECT_EQ(v->windowend, 50);
  EXPECT_FLOAT_EQ(s->send[3], 0.7f);
  EXPECT_FLOAT_EQ(s->send[kDrySend], 1.0f);
  // The next play on the channel keeps them.
  ASSERT_EQ(io.play(s, 0, h), h);
  sound* w = io.lookup(h);
  EXPECT_EQ(w->getvolume(1), 2048);
  EXPECT_EQ(w->getstartdelay(), 30);
  EXPECT_EQ(v->status, kStatusFinished);  // the replaced voice fell silent
}

TEST_F(Channels, RepeatedStartsOnOneChannelNeitherLeakNorGrowThePlayingList) {
  sample* s = make16(std::vector<int16_t>(1000, 500), 1, 1);
  const int h = io.alloc();
  for (int i = 0; i < 3000; ++i) {
    ASSERT_EQ(io.play(s, 0, h), h);
    if (i % 3 == 0) {
      ASSERT_EQ(io.play(s, 0, h), h);  // two starts in one pass too
    }
    render(64);
    ASSERT_LE(mx.playingcount(), 1);
  }
  EXPECT_LE(mx.voicecount(), 5);
  EXPECT_EQ(s->refcount.load(), 1 + 1 + 1);  // creator, the playing voice, and at most one released but not yet collected
}

TEST_F(Channels, StaleHandleStartsNothing) {
  sample* s = make16(std::vector<int16_t>(100, 1000));
  const int old = io.alloc();
  io.freeindex(old & kHandleIndexMask);
  io.alloc();
  const int before = mx.pendingwrite.load();
  EXPECT_EQ(io.play(s, 0, old), old);
  EXPECT_EQ(mx.pendingwrite.load(), before);
  EXPECT_EQ(io.stop(old), 0);
}

TEST_F(Channels, PlayWithoutHandleAllocatesAChannelReleasedWhenDone) {
  sample* s = make16(std::vector<int16_t>(100, 1000));
  const int h = io.play(s, 0, 0);
  ASSERT_NE(h, 0);
  sound* v = io.lookup(h);
  EXPECT_EQ(v->freewhendone, 1);
  now += 20;
  render(256);  // the 100-frame sound ends and is released
  EXPECT_EQ(mx.playingcount(), 0);
  EXPECT_EQ(v->status, 0);
  // The released voice no longer answers to its handle: the channel gets an idle voice.
  sound* idle = io.lookup(h);
  ASSERT_NE(idle, nullptr);
  EXPECT_EQ(idle->status, kStatusFinished);
  EXPECT_EQ(idle->handle, h);
}

TEST_F(Channels, VoiceReusedByAnotherChannelDoesNotAnswerTheOldHandle) {
  sample* s = make16(std::vector<int16_t>(100, 1000));
  const int first = io.play(s, 0, 0);
  sound* v = io.lookup(first);
  now += 20;
  render(256);
  // The next channel takes the released voice back.
  const int second = io.alloc();
  sound* w = io.lookup(second);
  ASSERT_EQ(v, w);
  sound* other = io.lookup(first);
  ASSERT_NE(other, w);
  other->setvolume(0);
  EXPECT_EQ(w->getvolume(1), 4096);
}

TEST_F(Channels, FreedChannelLetsItsVoicePlayOnAndReleasesItWhenDone) {
  sample* s = make16(std::vector<int16_t>(300, 1000));
  const int h = io.alloc();
  io.play(s, 0, h);
  io.freeindex(h & kHandleIndexMask);
  now += 20;
  const auto out = render(256);
  EXPECT_NE(left(out, 255), 0);  // not stopped
  render(256);
  EXPECT_EQ(mx.playingcount(), 0);
  EXPECT_EQ(mx.freewrite.load(), 1);
}

TEST_F(Channels, RefusedStartWithoutHandleGivesBackItsChannel) {
  sample* s = make16(std::vector<int16_t>(100, 1000), 1, 1);
  for (int i = 0; i < kRingSize - 1; ++i) ASSERT_NE(mx.play(s, &mx, kStatusLooped), nullptr);
  EXPECT_EQ(io.play(s, 0, 0), 0);
  const int h = io.alloc();
  EXPECT_EQ(h & kHandleIndexMask, 1);  // index 1 went back to the free list
  EXPECT_EQ(io.play(s, 0, h), h);
  EXPECT_EQ(io.lookup(h)->status, kStatusFinished);  // still the idle voice: nothing started
}

TEST_F(Channels, PlayAndRestartStartAtThePlayheadAndPlayStart) {
  sample* s = make16(ramp(4000, 1), 1, 1);
  s->playheadstart = 10;  // frames
  const int h = io.alloc();
  io.lookup(h)->playstart = 100;  // samples, added on top
  ASSERT_EQ(io.play(s, 0, h), h);
  sound* v = io.lookup(h);
  now += 20;
  render(256);
  EXPECT_EQ(v->getposition(), 110 + 256);
  EXPECT_EQ(left(render(256), 0), through(4096, 110 + 256));
  v->restart();
  render(256);
  EXPECT_EQ(v->getposition(), 110 + 256);
}

TEST_F(Channels, RestartTakesTheSettingsOfThePlayNotThoseGivenSince) {
  sample* s = make16(std::vector<int16_t>(4000, 1000), 1, 1);
  const int h = io.alloc();
  io.lookup(h)->setfxmixvalue(3, 40);
  ASSERT_EQ(io.play(s, 0, h), h);
  sound* v = io.lookup(h);
  now += 20;
  render(256);
  // Given to the playing voice: they wait for the next play on the channel.
  v->setstartdelay(500);
  v->playstart = 50;
  v->playend = 60;
  v->setfxmixvalue(3, 70);
  const int other = io.alloc();
  io.lookup(other)->setfxmixvalue(3, 90);
  io.play(s, 0, other);  // the record keeps the sends of its latest start
  s->iswavetable = 1;
  now += 100;
  v->restart();
  EXPECT_EQ(v->getplaytime(), 0);
  EXPECT_EQ(v->delay, 0);
  EXPECT_EQ(v->windowend, 0);
  EXPECT_FLOAT_EQ(s->send[3], 0.4f);
  EXPECT_EQ(v->status, kStatusLooped | kStatusWavetable);
  render(256);
  EXPECT_EQ(v->getposition(), 256);  // from frame 0, at once
  ASSERT_EQ(io.play(s, 0, h), h);
  sound* w = io.lookup(h);
  EXPECT_EQ(w->delay, 500);
  EXPECT_FLOAT_EQ(s->send[3], 0.7f);
}

// The render releases the channel's voice between the lookup and the start, and the start
// takes that very voice back: it must not then be silenced as the replaced one.
TEST_F(Channels, StartThatTakesBackTheVoiceItReplacesIsHeard) {
  sample* brief = make16(std::vector<int16_t>(100, 1000));
  sample* loud = make16(std::vector<int16_t>(4000, 1000), 1, 1);
  const int h = io.play(brief, 0, 0);
  sound* v = io.lookup(h);
  now += 20;
  bool released = false;
  io.afterlookup = [&] {
    if (released) return;
    released = true;
    render(256);
  };
  ASSERT_EQ(io.play(loud, 0, h), h);
  io.afterlookup = nullptr;
  ASSERT_EQ(io.lookup(h), v);
  EXPECT_EQ(v->status, kStatusLooped);
  now += 20;
  render(256);  // fades in
  EXPECT_EQ(left(render(256), 100), 1000);
}

TEST_F(Channels, ChannelKeepsItsFinishedVoiceWithItsSettings) {
  sample* s = make16(std::vector<int16_t>(100, 1000));
  const int h = io.alloc();
  io.lookup(h)->setstartdelay(30);
  ASSERT_EQ(io.play(s, 0, h), h);
  sound* v = io.lookup(h);
  now += 50;
  render(256);
  render(256);
  ASSERT_EQ(io.lookup(h), v);
  EXPECT_EQ(v->status, kStatusFinished);
  EXPECT_EQ(v->getstartdelay(), 30);
}
