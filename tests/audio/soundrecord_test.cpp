// The sound record: defaults after creation, the guard frame, the streaming write,
// the setters' own range rules and the reference count.
#include <gtest/gtest.h>

#include <cstring>
#include <vector>

#include "audio/soundrecord.h"

namespace {

struct Record {
  sample* s;
  explicit Record(sample* made) : s(made) {}
  ~Record() {
    if (s) s->free();
  }
  sample* operator->() const { return s; }
};

}  // namespace

TEST(SoundRecord, NewRecordIsSizedWithAGuardFrameAndSilent) {
  Record r(sample::create(500, 16, 2, 22050, nullptr, 0));
  ASSERT_NE(r.s, nullptr);
  EXPECT_EQ(r->datasize, 2000);
  EXPECT_EQ(r->ownedsize, 2004);  // one guard frame more
  EXPECT_EQ(r->looplength, 500);
  // Frames created without data are silence, guard included.
  for (int i = 0; i < r->ownedsize; ++i) ASSERT_EQ(r->data[i], std::byte{0});
}

TEST(SoundRecord, GuardFrameRepeatsFirstFrameWhenLoopedAndLastWhenOneShot) {
  const std::vector<int16_t> frames{100, 200, 300};
  Record looped(sample::create(3, 16, 1, 44100, const_cast<int16_t*>(frames.data()), 1));
  Record oneshot(sample::create(3, 16, 1, 44100, const_cast<int16_t*>(frames.data()), 0));
  EXPECT_EQ(looped->sample16(3), 100);
  EXPECT_EQ(oneshot->sample16(3), 300);
  // Stereo 8-bit: the whole frame is copied.
  const std::vector<uint8_t> stereo{1, 2, 3, 4, 5, 6};
  Record s8(sample::create(3, 8, 2, 44100, const_cast<uint8_t*>(stereo.data()), 0));
  EXPECT_EQ(s8->sample8(6), 5);
  EXPECT_EQ(s8->sample8(7), 6);
}

TEST(SoundRecord, CallerBufferIsUsedInPlaceWithItsGuardFrame) {
  std::vector<int16_t> buffer{7, 8, 9, -1};
  Record r(sample::create(3, 16, 1, 44100, buffer.data(), kLoopUseCallerBuffer));
  ASSERT_NE(r.s, nullptr);
  EXPECT_EQ(r->ownedsize, 0);
  EXPECT_EQ(reinterpret_cast<int16_t*>(r->data), buffer.data());
  // The in-place loop value is not 0, so the guard repeats the first frame.
  EXPECT_EQ(buffer[3], 7);
}

TEST(SoundRecord, ZeroFrameRecordWritesNothingBeforeItsBuffer) {
  // A canary frame sits just before the caller's one-frame buffer.
  std::vector<int16_t> memory{1234, 55};
  Record oneshot(sample::create(0, 16, 1, 44100, memory.data() + 1, kLoopUseCallerBuffer));
  ASSERT_NE(oneshot.s, nullptr);
  oneshot->setloop(0);
  EXPECT_EQ(memory[0], 1234);
  EXPECT_EQ(memory[1], 55);
  Record owned(sample::create(0, 16, 2, 44100, nullptr, 0));
  ASSERT_NE(owned.s, nullptr);
  EXPECT_EQ(owned->ownedsize, 4);
  EXPECT_EQ(owned->sample16(0), 0);
}

TEST(SoundRecord, CreationRefusesFormatsTheRenderCannotPlay) {
  EXPECT_EQ(sample::create(10, 24, 1, 44100, nullptr, 0), nullptr);
  EXPECT_EQ(sample::create(10, 16, 0, 44100, nullptr, 0), nullptr);
  EXPECT_EQ(sample::create(10, 16, 3, 44100, nullptr, 0), nullptr);
  EXPECT_EQ(sample::create(-1, 16, 1, 44100, nullptr, 0), nullptr);
  EXPECT_EQ(sample::create(0x7FFFFFFF, 16, 2, 44100, nullptr, 0), nullptr);
  EXPECT_EQ(sample::create(10, 16, 1, 44100, nullptr, kLoopUseCallerBuffer), nullptr);
}

TEST(SoundRecord, StreamingWriteFillsUpToTheLengthOnce) {
  Record r(sample::create(5, 16, 1, 44100, nullptr, 0));
  const std::vector<int16_t> first{1, 2, 3};
  const std::vector<int16_t> second{4, 5, 6, 7};
  EXPECT_EQ(r->write(first.data(), 3), 3);
  EXPECT_EQ(r->writecursor.load(), 3);
  EXPECT_EQ(r->write(second.data(), 4), 2);  // only two frames are left
  EXPECT_EQ(r->write(second.data(), 4), 0);
  for (int i = 0; i < 5; ++i) EXPECT_EQ(r->sample16(i), i + 1);
  EXPECT_EQ(r->write(nullptr, 3), 0);
  EXPECT_EQ(r->write(first.data(), -3), 0);
}

TEST(SoundRecord, SettersKeepTheirOwnRangeRules) {
  Record r(sample::create(10, 16, 1, 44100, nullptr, 1));
  r->setwavetable(5, 9, 3);
  r->setwavetable(5, -1, 0);  // each part is checked on its own
  EXPECT_EQ(r->stepwave[5], 9);
  EXPECT_EQ(r->steprepeat[5], 3);
  r->setwavetable(5, 2, 0);
  EXPECT_EQ(r->stepwave[5], 2);
  EXPECT_EQ(r->steprepeat[5], 3);
  r->setwavetable(128, 1, 1);
  r->setwavetable(-1, 1, 1);
  EXPECT_EQ(r->stepwave[127], 127);
  EXPECT_EQ(r->stepwave[0], 0);

  r->setdadsr(7, -5, 10, -1, -100, 30);  // envelope 7 counts as 0
  EXPECT_EQ(r->envset[0], 1);
  EXPECT_EQ(r->envdelay[0] + r->envdecay[0] + r->envsustain[0], 0);
  EXPECT_EQ(r->envset[1], 0);

  r->setmodmatrix(16, 0, 1);
  r->setmodmatrix(0, 18, 1);
  EXPECT_EQ(r->getmodmatrix(16, 0), 0);
  EXPECT_EQ(r->getmodmatrix(0, 18), 0);

  EXPECT_EQ(sample::getfunction(10, 0), 0);
  EXPECT_EQ(sample::getfunction(0, 1000), 0);
}
