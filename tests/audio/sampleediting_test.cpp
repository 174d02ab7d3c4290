// Editing sounds with known ramps: cut, insert, copy a range or all, copy settings,
// extend, stereo to mono and back, with empty and out-of-range requests. An edit that
// cannot do its work answers the very sound it was called on.
#include <climits>
#include <cmath>

#include "drivertest.h"

namespace {

class SampleEditing : public DriverTest {
 protected:
  // Mono frame i holds 3i + 1; stereo frame i holds (i, -i - 1000).
  static std::vector<int16_t> monoramp(int frames) { return fill(frames, [](int i) { return 3 * i + 1; }); }
  static std::vector<int16_t> stereoramp(int frames) {
    return fill(2 * frames, [](int k) { return k % 2 == 0 ? k / 2 : -(k / 2) - 1000; });
  }
  static std::vector<int16_t> slice(const std::vector<int16_t>& v, int from, int to) {
    return {v.begin() + from, v.begin() + to};
  }
  static std::vector<int16_t> join(std::vector<int16_t> a, const std::vector<int16_t>& b) {
    a.insert(a.end(), b.begin(), b.end());
    return a;
  }
  // A new, plain sound: another object, not looped, at 44100 Hz.
  static void expectnew(const std::shared_ptr<TSound>& made, const std::shared_ptr<TSound>& from) {
    ASSERT_NE(made, nullptr);
    EXPECT_NE(made, from);
    EXPECT_EQ(made->GetHertzFreq(), 44100);
    EXPECT_EQ(made->GetIsLooped(), 0);
    EXPECT_EQ(made->GetLoop(), 0);
  }
};

}  // namespace

TEST_F(SampleEditing, CutCopyRangeAndInsertGiveTheSoundBack) {
  const std::vector<int16_t> ramp = monoramp(100);
  std::shared_ptr<TSound> s = sound(ramp, 1, 1, 22050);  // looped, recorded at 22050 Hz
  std::shared_ptr<TSound> cut = s->Cut(10, 20);
  expectnew(cut, s);
  EXPECT_EQ(cut->GetAudioSampleMono(), 1);
  EXPECT_EQ(values(cut), join(slice(ramp, 0, 10), slice(ramp, 20, 100)));
  std::shared_ptr<TSound> piece = s->CopyRange(10, 20);
  expectnew(piece, s);
  EXPECT_EQ(values(piece), slice(ramp, 10, 20));
  std::shared_ptr<TSound> whole = cut->Insert(10, piece, 0);
  expectnew(whole, cut);
  EXPECT_EQ(values(whole), ramp);
  EXPECT_EQ(s->GetHertzFreq(), 22050);  // the source is untouched
  EXPECT_EQ(values(s), ramp);
}

TEST_F(SampleEditing, CutRangesAtAndBeyondTheEdges) {
  const std::vector<int16_t> ramp = monoramp(100);
  std::shared_ptr<TSound> s = sound(ramp);
  for (int end : {100, 500}) {
    std::shared_ptr<TSound> all = s->Cut(0, end);
    expectnew(all, s);
    EXPECT_EQ(all->GetAudioSampleLength(), 0) << end;
  }
  std::shared_ptr<TSound> nothing = s->Cut(100, 120);  // starts at the end: a copy
  expectnew(nothing, s);
  EXPECT_EQ(values(nothing), ramp);
  EXPECT_EQ(values(s->Cut(90, 200)), slice(ramp, 0, 90));
  for (auto [start, end] : std::vector<std::pair<int, int>>{{101, 120}, {20, 20}, {30, 10}, {-1, 5}, {INT_MIN, INT_MAX}})
    EXPECT_EQ(s->Cut(start, end), s) << start << ".." << end;

  const std::vector<int16_t> pairs = stereoramp(100);
  std::shared_ptr<TSound> st = sound(pairs, 2);
  std::shared_ptr<TSound> stcut = st->Cut(10, 20);
  EXPECT_EQ(stcut->GetAudioSampleMono(), 2);
  EXPECT_EQ(values(stcut), join(slice(pairs, 0, 20), slice(pairs, 40, 200)));
}

TEST_F(SampleEditing, CopyRangeAndCopy) {
  const std::vector<int16_t> ramp = monoramp(100);
  std::shared_ptr<TSound> s = sound(ramp);
  EXPECT_EQ(values(s->CopyRange(90, 200)), slice(ramp, 90, 100));
  std::shared_ptr<TSound> empty = s->CopyRange(100, 110);
  expectnew(empty, s);
  EXPECT_EQ(empty->GetAudioSampleLength(), 0);
  for (auto [start, end] : std::vector<std::pair<int, int>>{{101, 110}, {-1, 5}, {5, 5}, {INT_MAX, INT_MIN}})
    EXPECT_EQ(s->CopyRange(start, end), s) << start << ".." << end;

  const std::vector<int16_t> pairs = stereoramp(100);
  std::shared_ptr<TSound> st = sound(pairs, 2, 1);
  EXPECT_EQ(values(st->CopyRange(5, 8)), slice(pairs, 10, 16));
  st->SetADSR(0, 1, 2, 3, 4, 5);
  std::shared_ptr<TSound> copy = st->Copy();
  expectnew(copy, st);
  EXPECT_EQ(values(copy), pairs);
  EXPECT_EQ(copy->GetAttack(0), 0);  // settings are not carried
  std::shared_ptr<TSound> emptycopy = empty->Copy();
  expectnew(emptycopy, empty);
  EXPECT_EQ(emptycopy->GetAudioSampleLength(), 0);
}

// The voice engine's undo: Copy, then CopyData from the sound it copied.
TEST_F(SampleEditing, CopyDataCarriesTheSwitchesWavetableLoopAndEnvelopes) {
  std::shared_ptr<TSound> s = sound(monoramp(100), 1, 1);
  s->SetIsWaveTable(1);
  s->SetIsPPGWaveTable(1);
  s->SetWaveLength(8);
  s->SetWaveLoopStart(3);
  s->SetLoopStart(20);
  s->SetLoopLength(50);
  s->SetADSR(2, 1, 2, 3, 4, 5);
  std::shared_ptr<TSound> copy = s->Copy();
  EXPECT_EQ(copy->CopyData(s), 0);
  EXPECT_NE(copy->GetIsLooped(), 0);
  EXPECT_EQ(copy->GetIsWaveTable(), 1);
  EXPECT_EQ(copy->GetIsPPGWaveTable(), 1);
  EXPECT_EQ(copy->WaveLength(), 8);
  EXPECT_EQ(copy->WaveLoopStart(), 3);
  EXPECT_EQ(copy->GetLoopStart(), 0);  // the loop itself is not carried
  EXPECT_EQ(copy->GetLoopLength(), 100);
  EXPECT_EQ(copy->GetRelease(2), 5);
}

TEST_F(SampleEditing, TestCutComparesTheStartWithStoredValues) {
  std::shared_ptr<TSound> st = sound(stereoramp(100), 2);
  std::shared_ptr<TSound> mono = sound(monoramp(100));
  for (const auto& s : {st, mono}) {
    EXPECT_EQ(s->TestCut(-1, 5), 1);
    EXPECT_EQ(s->TestCut(5, 5), 1);
    EXPECT_EQ(s->TestCut(5, 4), 1);
    EXPECT_EQ(s->TestCut(0, INT_MIN), 1);  // no overflow into a positive count
    EXPECT_EQ(s->TestCut(0, 10), -1);
    EXPECT_EQ(s->TestCut(99, 100), -1);
    EXPECT_EQ(s->TestCut(100, 120), -1);
    EXPECT_EQ(s->TestCut(250, 260), 2);
  }
  // 100 mono frames hold 100 values, 100 stereo frames 200.
  EXPECT_EQ(mono->TestCut(101, 120), 2);
  EXPECT_EQ(mono->TestCut(150, 160), 2);
  EXPECT_EQ(st->TestCut(150, 160), -1);
  EXPECT_EQ(st->TestCut(200, 210), -1);
  EXPECT_EQ(st->TestCut(201, 210), 2);
}

TEST_F(SampleEditing, InsertForwardsBackwardsAndRefusals) {
  std::shared_ptr<TSound> s = sound({10, 20});
  std::shared_ptr<TSound> three = sound({1, 2, 3});
  EXPECT_EQ(values(s->Insert(0, three, 0)), (std::vector<int16_t>{1, 2, 3, 10, 20}));
  EXPECT_EQ(values(s->Insert(2, three, 0)), (std::vector<int16_t>{10, 20, 1, 2, 3}));
  EXPECT_EQ(values(s->Insert(0, three, 1)), (std::vector<int16_t>{3, 2, 1, 10, 20}));
  EXPECT_EQ(values(s->Insert(1, three, -7)), (std::vector<int16_t>{10, 3, 2, 1, 20}));
  // Positions outside the sound are taken to its ends.
  EXPECT_EQ(values(s->Insert(-5, three, 0)), (std::vector<int16_t>{1, 2, 3, 10, 20}));
  EXPECT_EQ(values(s->Insert(99, three, 0)), (std::vector<int16_t>{10, 20, 1, 2, 3}));
  // Backwards into stereo: the frames run backwards, each keeps its sides.
  std::shared_ptr<TSound> st = sound({10, -10, 20, -20}, 2);
  std::shared_ptr<TSound> pairs = sound({1, -1, 2, -2}, 2);
  EXPECT_EQ(values(st->Insert(1, pairs, 1)), (std::vector<int16_t>{10, -10, 2, -2, 1, -1, 20, -20}));
  // Into itself.
  EXPECT_EQ(values(s->Insert(1, s, 0)), (std::vector<int16_t>{10, 10, 20, 20}));

  std::shared_ptr<TSound> empty = s->Cut(0, 2);
  EXPECT_EQ(s->Insert(0, nullptr, 0), s);
  EXPECT_EQ(s->Insert(0, empty, 0), s);
  EXPECT_EQ(s->Insert(0, pairs, 0), s);  // stereo frames into mono
  EXPECT_EQ(st->Insert(0, three, 0), st);
  EXPECT_EQ(values(empty->Insert(0, three, 0)), (std::vector<int16_t>{1, 2, 3}));
}

TEST_F(SampleEditing, ExtendChangesTheLengthOnly) {
  const std::vector<int16_t> ramp = fill(1000, [](int i) { return i + 1; });
  std::shared_ptr<TSound> s = sound(ramp);
  std::shared_ptr<TSound> twice = s->Extend(s, 2.0f);
  expectnew(twice, s);
  EXPECT_EQ(values(twice), join(ramp, std::vector<int16_t>(1000, 0)));
  EXPECT_EQ(values(s->Extend(0.5f)), slice(ramp, 0, 500));
  EXPECT_EQ(values(s->Extend(0.75f)), slice(ramp, 0, 750));
  EXPECT_EQ(s->Extend(4.0f)->GetAudioSampleLength(), 4000);
  EXPECT_EQ(s->Extend(0.1f)->GetAudioSampleLength(), 100);
  for (float factor : {1.0f, 0.05f, 4.5f, 0.099f, std::nanf(""), -2.0f}) EXPECT_EQ(s->Extend(factor), s) << factor;

  const std::vector<int16_t> pairs = stereoramp(100);
  std::shared_ptr<TSound> st = sound(pairs, 2);
  std::shared_ptr<TSound> longer = st->Extend(1.5f);
  EXPECT_EQ(longer->GetAudioSampleMono(), 2);
  EXPECT_EQ(values(longer), join(pairs, std::vector<int16_t>(100, 0)));
}

TEST_F(SampleEditing, StereoToMonoAndMonoToStereo) {
  std::shared_ptr<TSound> st = sound({30000, 10000, -20000, -20000, 1000, -3000}, 2);
  std::shared_ptr<TSound> sum = st->StereoToMono(st, 0);
  expectnew(sum, st);
  EXPECT_EQ(sum->GetAudioSampleMono(), 1);
  EXPECT_EQ(values(sum), (std::vector<int16_t>{32767, -32767, -2000}));
  EXPECT_EQ(values(st->StereoToMono(1)), (std::vector<int16_t>{30000, -20000, 1000}));
  EXPECT_EQ(values(st->StereoToMono(2)), (std::vector<int16_t>{10000, -20000, -3000}));
  EXPECT_EQ(values(st->StereoToMono(7)), values(sum));

  std::shared_ptr<TSound> mono = sound({5, 6, 7});
  std::shared_ptr<TSound> both = mono->MonoToStereo(mono, 0);
  expectnew(both, mono);
  EXPECT_EQ(both->GetAudioSampleMono(), 2);
  EXPECT_EQ(values(both), (std::vector<int16_t>{5, 5, 6, 6, 7, 7}));
  EXPECT_EQ(values(mono->MonoToStereo(1)), (std::vector<int16_t>{5, 0, 6, 0, 7, 0}));
  EXPECT_EQ(values(mono->MonoToStereo(2)), (std::vector<int16_t>{0, 5, 0, 6, 0, 7}));
  // The right side a frame ahead; the last frame repeats its own value.
  EXPECT_EQ(values(mono->MonoToStereo(3)), (std::vector<int16_t>{5, 6, 6, 7, 7, 7}));

  EXPECT_EQ(st->MonoToStereo(0), st);
  EXPECT_EQ(mono->StereoToMono(0), mono);
  std::shared_ptr<TSound> none = mono->Cut(0, 3);
  EXPECT_EQ(none->MonoToStereo(3)->GetAudioSampleLength(), 0);
}
