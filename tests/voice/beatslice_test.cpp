// Beat slicing: detection on constructed signals, the placing rule's spacing, ordered
// insertion and removal, the enable flags, cutting a sub-voice into pieces and the hit
// test of the slice handles.
#include <vector>

#include "banktest.h"
#include "platform/input.h"
#include "voice/beatslice.h"

namespace {

void setTable(std::vector<int> entries) {
  BeatSlices.fill(0);
  for (size_t i = 0; i < entries.size(); ++i) BeatSlices[i] = entries[i];
  BeatSlicesCount = static_cast<int>(entries.size()) - 1;
}

std::vector<int> table() {
  return std::vector<int>(BeatSlices.begin(), BeatSlices.begin() + BeatSlicesCount + 1);
}

class BeatSliceStore : public ::testing::Test {
 protected:
  void SetUp() override { InitVoiceModule(); }
};

TEST_F(BeatSliceStore, DetectsTheEdgesOfABurst) {
  // 300 silent windows, 300 loud ones, 300 silent ones, 12 values each.
  std::vector<int16_t> signal(12 * 900, 0);
  for (int i = 12 * 300; i < 12 * 600; ++i) signal[i] = static_cast<int16_t>(i % 2 ? 10000 : -10000);
  FindBeatSlices(signal.data(), static_cast<int>(signal.size()), 0, 12);
  EXPECT_EQ(BeatSliceCount, 899);
  // The rise lands where the window peaks reach it; the fall 12 points early (the
  // moving minimum of the smoothing), and its halved tail is too close to count.
  EXPECT_EQ(table(), (std::vector<int>{0, 0, 300, 588, 0}));

  // The same values as 5400 stereo frames scan as one stream.
  FindBeatSlices(signal.data(), static_cast<int>(signal.size()) / 2, 1, 12);
  EXPECT_EQ(table(), (std::vector<int>{0, 0, 300, 588, 0}));
}

TEST_F(BeatSliceStore, ShortOrQuietSamplesGiveOnePiece) {
  const std::vector<int16_t> shortSample(11, 30000);
  FindBeatSlices(shortSample.data(), 11, 0, 12);
  EXPECT_EQ(BeatSliceCount, -1);
  EXPECT_EQ(table(), (std::vector<int>{0, 0, 0}));

  std::vector<int16_t> quiet(12 * 400);
  for (size_t i = 0; i < quiet.size(); ++i) quiet[i] = static_cast<int16_t>((i / 1200) * 600);
  FindBeatSlices(quiet.data(), static_cast<int>(quiet.size()), 0, 12);
  EXPECT_EQ(table(), (std::vector<int>{0, 0, 0}));

  FindBeatSlices(nullptr, 1000, 0, 12);
  EXPECT_EQ(BeatSlicesCount, 2);
  FindBeatSlices(quiet.data(), 100, 0, 0);  // no window: no envelope
  EXPECT_EQ(BeatSliceCount, -1);
}

TEST_F(BeatSliceStore, MagnitudesOfTheExtremeWords) {
  const int16_t lowest = static_cast<int16_t>(0x8000);
  const int16_t minusOne = static_cast<int16_t>(0xFFFF);
  FindBeatSlices(&lowest, 1, 0, 1);
  EXPECT_EQ(BeatSlice[0], 32768);
  FindBeatSlices(&minusOne, 1, 0, 1);
  EXPECT_EQ(BeatSlice[0], 1);
}

TEST_F(BeatSliceStore, ANewPointNeedsTheGapSinceTheLatestHit) {
  BeatSliceClear();
  BeatSliceCount = 500;
  for (int i = 100; i < 200; ++i) BeatSlice[i] = 5000;
  for (int i = 300; i < 428; ++i) BeatSlice[i] = 5000;
  BeatSliceCompute(2048, 128);  // hits at 100, 200, 300 and 428
  EXPECT_EQ(table(), (std::vector<int>{0, 0, 428, 0}));
}

TEST_F(BeatSliceStore, TheEnvelopeGrowsOnDemand) {
  InitBeatSlices();  // the envelope's size at start
  BeatSliceArrayCheck(1001);
  EXPECT_EQ(BeatSliceMax, 2001);
  EXPECT_GE(BeatSlice.size(), 2001u);
  std::vector<int16_t> loud(12 * 2500, 100);
  FindBeatSlices(loud.data(), static_cast<int>(loud.size()), 0, 12);
  EXPECT_EQ(BeatSliceCount, 2499);
  EXPECT_EQ(BeatSliceMax, 3001);
}

TEST_F(BeatSliceStore, InsertionAndRemovalKeepTheOrder) {
  BeatSliceClear();
  BeatSliceAdd(600);  // into an empty store
  EXPECT_EQ(table(), (std::vector<int>{0, 50, 0}));

  setTable({0, 0, 150, 400, 0});
  BeatSliceAdd(1200);
  EXPECT_EQ(table(), (std::vector<int>{0, 0, 100, 150, 400, 0}));
  BeatSliceAdd(12000);  // above every entry: before the terminator
  EXPECT_EQ(table(), (std::vector<int>{0, 0, 100, 150, 400, 1000, 0}));
  BeatSliceRemove(5);
  BeatSliceRemove(2);
  EXPECT_EQ(table(), (std::vector<int>{0, 0, 150, 400, 0}));
  BeatSliceRemove(-1);
  EXPECT_EQ(BeatSlicesCount, 4);
  BeatSliceRemove(200);  // beyond the terminator: only the count drops
  EXPECT_EQ(BeatSlicesCount, 3);

  setTable({0, 0});
  BeatSliceRemove(0);
  BeatSliceRemove(0);
  EXPECT_EQ(BeatSlicesCount, 0);  // never below an empty store
  BeatSliceAdd(240);
  EXPECT_EQ(table(), (std::vector<int>{0, 20, 0}));
}

TEST_F(BeatSliceStore, AFullTableTakesNoMorePoints) {
  std::vector<int> entries(254);
  for (int i = 1; i < 254; ++i) entries[i] = i * 10;
  entries.push_back(0);
  setTable(entries);  // terminator at 254
  BeatSliceAdd(120000);
  EXPECT_EQ(BeatSlicesCount, 254);

  BeatSliceClear();
  BeatSliceCount = 300 * 130;
  BeatSliceArrayCheck(BeatSliceCount);
  for (int i = 0; i <= BeatSliceCount; ++i) BeatSlice[i] = (i / 130) % 2 ? 5000 : 0;
  BeatSliceCompute(2048, 128);
  EXPECT_EQ(BeatSlicesCount, 255);
  EXPECT_EQ(BeatSlices[255], 0);
}

TEST_F(BeatSliceStore, FlagOperationsOnlyInSelectionMode) {
  setTable({0, 0, 10, 0});
  BeatSliceEditEnable = 0;
  BeatSliceEnable.fill(0);
  BeatSliceEnable[1] = 1;
  BeatSliceEditInvert();
  BeatSliceEditSelect();
  EXPECT_EQ(BeatSliceEnable[0], 0);
  EXPECT_EQ(BeatSliceEnable[1], 1);
  BeatSliceEditEnable = 1;
  BeatSliceEditInvert();
  const std::vector<int> flags(BeatSliceEnable.begin(), BeatSliceEnable.begin() + 5);
  EXPECT_EQ(flags, (std::vector<int>{1, 0, 1, 1, 0}));
  BeatSliceEditSelect();
  EXPECT_EQ(BeatSliceEnable[3], 1);
  EXPECT_EQ(BeatSliceEnable[4], 0);
  BeatSliceEditClear();
  EXPECT_EQ(BeatSliceEnable[0] + BeatSliceEnable[3], 0);
}

class BeatSliceCutting : public BankTest {
 protected:
  void SetUp() override {
    BankTest::SetUp();
    InitBeatSlices();
  }
  void TearDown() override {
    InitBeatSlices();
    InputMouseMove(0, 0);
    BankTest::TearDown();
  }
  int lengthOf(int v, int s) { return bank->GetLength(v, s); }
  int16_t first(int v, int s) { return voice(v, s).Sound->GetAudioSample()[0]; }
  static std::vector<int16_t> ramp(int count) { return fill(count, [](int i) { return i % 30000; }); }
};

TEST_F(BeatSliceCutting, OneDetectedPieceIsTheWholeSample) {
  ASSERT_EQ(put(1, 5, ramp(500), 1, 0, 0, "Kick"), 1);
  setTable({0, 0, 0});
  bank->ApplyBeatSlice(1, 5);
  EXPECT_EQ(lengthOf(2, 1), 500);
  EXPECT_EQ(voice(2, 1).strAlias, "Kick 1");
  EXPECT_EQ(voice(2, 1).Name, "");
  EXPECT_EQ(bank->SlotVoice(2, 2), nullptr);
}

TEST_F(BeatSliceCutting, PiecesOfAMonoAndAStereoSource) {
  ASSERT_EQ(put(1, 1, ramp(100000)), 1);
  setTable({0, 0, 500, 1200, 0});
  bank->ApplyBeatSlice(1, 1);
  EXPECT_EQ(lengthOf(2, 1), 6000);
  EXPECT_EQ(lengthOf(2, 2), 8400);
  EXPECT_EQ(lengthOf(2, 3), 85600);
  EXPECT_EQ(first(2, 2), 6000);
  EXPECT_EQ(first(2, 3), 14400);
  EXPECT_EQ(voice(2, 3).strAlias, "Alias 3");
  EXPECT_EQ(bank->SlotVoice(2, 0), nullptr);

  ASSERT_EQ(put(3, 1, ramp(100000), 2), 1);
  bank->ApplyBeatSlice(3, 1);
  EXPECT_EQ(lengthOf(2, 1), 3000);
  EXPECT_EQ(lengthOf(2, 2), 4200);
  EXPECT_EQ(lengthOf(2, 3), 42800);
  EXPECT_EQ(voice(2, 3).CurrChannel, 2);
  EXPECT_EQ(first(2, 3), 14400);
  EXPECT_EQ(voice(2, 3).Sound->GetAudioSample()[1], 14401);
}

TEST_F(BeatSliceCutting, ShortPiecesRunToTheEndAndATinyRestStops) {
  ASSERT_EQ(put(1, 1, ramp(10000)), 1);
  setTable({0, 0, 100, 100, 200, 0});
  bank->ApplyBeatSlice(1, 1);
  EXPECT_EQ(lengthOf(2, 2), 10000 - 1200);  // equal neighbours: to the end
  EXPECT_EQ(lengthOf(2, 3), 1200);  // the following pieces are still cut
  EXPECT_EQ(lengthOf(2, 4), 10000 - 2400);

  ASSERT_EQ(put(1, 2, ramp(1205)), 1);
  setTable({0, 0, 100, 0});
  bank->ApplyBeatSlice(1, 2);
  EXPECT_EQ(lengthOf(2, 1), 1200);
  EXPECT_EQ(lengthOf(2, 2), 10000 - 1200);  // the 5-value rest is not loaded

  ASSERT_EQ(put(1, 3, ramp(2000)), 1);
  setTable({0, 0, 100, 5000, 0});  // a point beyond the sample's end
  bank->ApplyBeatSlice(1, 3);
  EXPECT_EQ(lengthOf(2, 2), 800);
}

TEST_F(BeatSliceCutting, DisabledPiecesUseNoSlot) {
  ASSERT_EQ(put(1, 1, ramp(100000)), 1);
  setTable({0, 0, 500, 1200, 0});
  BeatSliceEditEnable = 1;
  BeatSliceEnable[0] = 1;
  BeatSliceEnable[2] = 1;
  bank->ApplyBeatSlice(1, 1);
  EXPECT_EQ(lengthOf(2, 1), 6000);
  EXPECT_EQ(lengthOf(2, 2), 85600);
  EXPECT_EQ(voice(2, 2).strAlias, "Alias 3");
  EXPECT_EQ(bank->SlotVoice(2, 3), nullptr);
}

TEST_F(BeatSliceCutting, RefusalsChangeNothing) {
  setTable({0, 0, 500, 0});
  bank->ApplyBeatSlice(1, 1);  // empty slot
  ASSERT_EQ(put(2, 7, ramp(20000)), 1);
  bank->ApplyBeatSlice(2, 7);  // the destination voice itself
  EXPECT_EQ(bank->SlotVoice(2, 1), nullptr);
  ASSERT_EQ(put(1, 1, ramp(20000)), 1);
  BeatSlicesCount = 0;
  bank->ApplyBeatSlice(1, 1);
  EXPECT_EQ(bank->SlotVoice(2, 1), nullptr);
}

TEST_F(BeatSliceCutting, TheRunEndsAtTheLastSlotAndReadsTheSourceAsItStood) {
  std::vector<int> entries{0};
  for (int i = 0; i < 40; ++i) entries.push_back(i);
  entries.push_back(0);
  setTable(entries);  // 40 pieces of 12 values, the last one to the end
  const auto source = ramp(580);
  ASSERT_EQ(put(32, 1, source), 1);
  BeatSliceVoice = 31;
  bank->ApplyBeatSlice(32, 1);
  EXPECT_EQ(first(31, 32), 31 * 12);
  EXPECT_EQ(voice(32, 1).strAlias, "Alias 33");  // the source slot itself was reached
  EXPECT_EQ(lengthOf(32, 1), 12);
  EXPECT_EQ(first(32, 2), 33 * 12);  // still cut from the original sample
  EXPECT_EQ(lengthOf(32, 8), 580 - 39 * 12);
  EXPECT_EQ(bank->SlotVoice(32, 9), nullptr);

  BeatSliceVoice = 32;
  ASSERT_EQ(put(1, 1, source), 1);
  bank->ApplyBeatSlice(1, 1);
  EXPECT_EQ(voice(32, 32).strAlias, "Alias 32");  // 32 slots, then the run stops
}

TEST_F(BeatSliceCutting, HandleHitTestOverTheEditWindow) {
  ASSERT_EQ(put(1, 1, ramp(12000)), 1);
  ASSERT_EQ(put(1, 2, ramp(12000), 2), 1);  // 6000 frames, the same interleaved positions
  setTable({0, 0, 100, 0});
  const int x = 100, y = 50, w = 202, h = 100;
  for (int s : {1, 2}) {
    voice(1, s).EditWindowStart = 0;
    voice(1, s).EditWindowEnd = -1;
    const auto hit = [&](int mx, int my) {
      InputMouseMove(mx, my);
      return bank->Check2DBeatSlice(1, s, x, y, w, h, x + w - 1, y + h - 1);
    };
    EXPECT_EQ(hit(x - 1, y + 10), -9999) << s;
    EXPECT_EQ(hit(x + 30, y + h), -9999);
    EXPECT_EQ(hit(x + 1, y + 10), 1);   // the slice at 0 lies in column 1
    EXPECT_EQ(hit(x + 22, y + 10), 1);
    EXPECT_EQ(hit(x, y + 10), 0);
    EXPECT_EQ(hit(x + 30, y + 10), 2);  // point 100 is column 21 at 60 frames a column
    EXPECT_EQ(hit(x + 30, y + h - 10), -2);
    EXPECT_EQ(hit(x + 30, y + 50), 0);  // between the handle bands
  }
  InputMouseMove(x + 30, y + 10);
  EXPECT_EQ(bank->Check2DBeatSlice(4, 4, x, y, w, h, x + w - 1, y + h - 1), -9999);
  EXPECT_EQ(bank->Check2DBeatSlice(1, 1, x, y, 2, h, x + 200, y + h - 1), 0);  // no columns
  EXPECT_EQ(bank->Display2DBeatSlice(1, 1, x, y, w, h, 0, 0, 0, 0, 0, 0, 0, 1), 0);
}

}  // namespace
