// The bank's destructive effects through TVoices::Filter and TVoice::DoFilter (clip
// copy, cut, paste into an empty slot, loop crossfades, conversions, undo level) and
// the marked sub-voice operations, on known ramps and constant passages.
#include <vector>

#include "voice/banktest.h"
#include "voice/voiceglobals.h"

namespace {

using Words = std::vector<int16_t>;

class VoiceEffectsBank : public BankTest {
 protected:
  void SetUp() override {
    BankTest::SetUp();
    gSoundCopy = nullptr;
  }
  Words words(int v, int s) { return values(voice(v, s).Sound); }
  static Words ramp(int n) { return fill(n, [](int i) { return i + 1; }); }
};

TEST_F(VoiceEffectsBank, CopyAndCutToClip) {
  ASSERT_EQ(put(1, 1, ramp(10)), 1);
  bank->Filter(1, 1, 2, 5, 0, 22);
  EXPECT_EQ(words(1, 1), ramp(10));
  ASSERT_NE(gSoundCopy, nullptr);
  EXPECT_EQ(values(gSoundCopy), (Words{3, 4, 5}));  // the sound's range end is exclusive
  EXPECT_EQ(voice(1, 1).CanUndo, 1);
  EXPECT_EQ(voice(1, 1).SampleModified, 1);
  // 23: the clip, then the range 2..5 silenced; the length stays.
  bank->Filter(1, 1, 2, 5, 0, 23);
  EXPECT_EQ(words(1, 1), (Words{1, 2, 0, 0, 0, 0, 7, 8, 9, 10}));
  // 21 cuts the range out.
  ASSERT_EQ(put(1, 2, ramp(10)), 1);
  voice(1, 2).HighlightStart = 4;
  bank->Filter(1, 2, 0, 4, 0, 21);
  EXPECT_EQ(words(1, 2), (Words{5, 6, 7, 8, 9, 10}));
  EXPECT_EQ(voice(1, 2).HighlightStart, 0);
  EXPECT_EQ(voice(1, 2).WindowEnd, -1);
  // Effect 0 takes the undo level and changes nothing else.
  bank->Filter(1, 2, 0, 4, 0, 0);
  EXPECT_EQ(words(1, 2), (Words{5, 6, 7, 8, 9, 10}));
  EXPECT_EQ(bank->Undo(1, 2), 1);
  EXPECT_EQ(words(1, 2), (Words{5, 6, 7, 8, 9, 10}));
}

TEST_F(VoiceEffectsBank, PasteIntoAnEmptySlotMakesANewSound) {
  ASSERT_EQ(put(1, 1, fill(8, [](int i) { return i % 2 == 0 ? 100 + i : -100 - i; }), 2), 1);
  bank->Filter(1, 1, 1, 3, 0, 22);  // frames 1 and 2 of the stereo sound
  ASSERT_EQ(gSoundCopy->GetAudioSampleMono(), 2);
  bank->Filter(2, 5, 0, 0, 99, 1);  // the value is ignored for a new slot
  ASSERT_NE(bank->SlotVoice(2, 5), nullptr);
  EXPECT_EQ(voice(2, 5).Name, "New Sound");
  EXPECT_EQ(voice(2, 5).strAlias, "New Sound");
  EXPECT_EQ(voice(2, 5).Sound->GetAudioSampleMono(), 2);
  EXPECT_EQ(words(2, 5), (Words{102, -103, 104, -105, 0, 0}));
  EXPECT_EQ(bank->MixSolo[2], 5);
  // Any other effect on an empty slot does nothing.
  bank->Filter(3, 3, 0, 5, 0, 44);
  EXPECT_EQ(bank->SlotVoice(3, 3), nullptr);
  // Paste reversed into an occupied mono slot at frame 1.
  ASSERT_EQ(put(4, 1, ramp(3)), 1);
  bank->Filter(4, 1, 0, 2, 0, 22);  // clip 1, 2
  bank->Filter(4, 1, 0, 0, 1, 3);
  EXPECT_EQ(words(4, 1), (Words{1, 2, 1, 2, 3}));
}

TEST_F(VoiceEffectsBank, RangeAndEditEffectsReachTheFilter) {
  ASSERT_EQ(put(1, 1, Words(6, 1000)), 1);
  bank->Filter(1, 1, 1, 5, 0, 41);  // fade in over D = 4
  EXPECT_EQ(words(1, 1), (Words{1000, 0, 250, 500, 750, 1000}));
  EXPECT_FLOAT_EQ(voice(1, 1).data[0], -1000 / 32767.0f);
  // Clip edits take the value as a frame position.
  bank->Filter(1, 1, 0, 2, 0, 22);  // clip 1000, 0
  bank->Filter(1, 1, 0, 0, 4, 9);
  EXPECT_EQ(words(1, 1), (Words{1000, 0, 250, 500, 1000, 0}));
  // Whole-sound offset copy: the clip becomes the whole sound.
  bank->Filter(1, 1, 0, 0, 1, -5);
  EXPECT_EQ(words(1, 1), (Words{0, 250, 500, 1000, 0, 1000}));
  EXPECT_EQ(values(gSoundCopy), (Words{1000, 0, 250, 500, 1000, 0}));
}

TEST_F(VoiceEffectsBank, ConversionsSetTheChannelCount) {
  const Words st = {1, -1, 2, -2};
  ASSERT_EQ(put(1, 1, st, 2), 1);
  bank->Filter(1, 1, 0, 0, 0, 141);  // already stereo: unchanged
  EXPECT_EQ(words(1, 1), st);
  EXPECT_EQ(voice(1, 1).CurrChannel, 2);
  bank->Filter(1, 1, 0, 0, 0, 145);
  EXPECT_EQ(words(1, 1), (Words{1, 2}));
  EXPECT_EQ(voice(1, 1).CurrChannel, 1);
  EXPECT_EQ(voice(1, 1).HighlightStart, -1);
  bank->Filter(1, 1, 0, 0, 0, 15);
  EXPECT_EQ(voice(1, 1).Sound->GetAudioSampleLength(), 4);
}

TEST_F(VoiceEffectsBank, LoopCrossfades) {
  // Mono: 1000 before frame 2000, -1000 from there on.
  ASSERT_EQ(put(1, 1, fill(4000, [](int i) { return i < 2000 ? 1000 : -1000; })), 1);
  TVoice& a = voice(1, 1);
  a.LoopStart = 1000;
  a.LoopEnd = 3000;
  a.LoopXFade = 1500;
  bank->Filter(1, 1, 0, 0, 0, -121);
  EXPECT_EQ(a.LoopXFade, 2000);  // raised to the loop's middle
  EXPECT_EQ(a.LoopStart, 2000);  // moved past the faded region
  const Words x = words(1, 1);
  EXPECT_EQ(x[1999], 1000);
  EXPECT_EQ(x[2000], -1000);      // g = 1: the sample itself
  EXPECT_NEAR(x[2250], -500, 1);  // g = 0.75 over 1000 from the head
  EXPECT_NEAR(x[2500], 0, 1);
  EXPECT_NEAR(x[2999], 998, 1);  // g = 0.001: -1 + 999

  ASSERT_EQ(put(1, 2, Words(4000, 7)), 1);
  TVoice& b = voice(1, 2);
  b.LoopStart = 100;
  b.LoopEnd = 3000;
  b.LoopXFade = 2000;
  bank->Filter(1, 2, 0, 0, 0, -122);
  EXPECT_EQ(b.LoopXFade, 2900);
  EXPECT_EQ(b.LoopStart, 100);
  EXPECT_EQ(b.LoopEnd, 3000);

  // A refused loop changes nothing but the undo level; a loop end past the sound is
  // kept inside it.
  ASSERT_EQ(put(1, 3, ramp(10)), 1);
  TVoice& c = voice(1, 3);
  c.LoopStart = 2;
  c.LoopEnd = 8;
  c.LoopXFade = 0;
  bank->Filter(1, 3, 0, 0, 0, -123);
  EXPECT_EQ(words(1, 3), ramp(10));
  EXPECT_EQ(c.CanUndo, 1);
  c.LoopEnd = 50;
  c.LoopXFade = 50;
  bank->Filter(1, 3, 0, 0, 0, -124);
  EXPECT_EQ(words(1, 3), ramp(10));
}

// The second ramp keeps half of the faded tail's own level; stereo positions address
// the interleaved values, left with left and right with right. Ramps, so that every
// value read shows where it came from.
TEST_F(VoiceEffectsBank, TwoRampAndStereoCrossfades) {
  const auto ramp = [](int i) { return i - 2000; };
  ASSERT_EQ(put(1, 1, fill(4000, ramp)), 1);
  voice(1, 1).LoopStart = 1000;
  voice(1, 1).LoopEnd = 3000;
  voice(1, 1).LoopXFade = 2000;
  bank->Filter(1, 1, 0, 0, 0, -123);
  Words x = words(1, 1);
  EXPECT_NEAR(x[2500], 500 * 0.75 - 500 * 0.5, 1);  // faded from 1000 frames back
  EXPECT_NEAR(x[2999], 999 * 0.5005 - 1 * 0.999, 2);  // the gains are summed in single precision
  EXPECT_NEAR(x[3000], 1000 * 0.5, 1);  // the loop end itself is faded too
  EXPECT_EQ(x[3001], 1001);
  EXPECT_EQ(voice(1, 1).LoopStart, 2000);

  ASSERT_EQ(put(1, 2, fill(4000, ramp)), 1);
  voice(1, 2).LoopStart = 100;
  voice(1, 2).LoopEnd = 3000;
  voice(1, 2).LoopXFade = 2900;  // the 100 values from 0 fade into the loop's last 100
  bank->Filter(1, 2, 0, 0, 0, -124);
  x = words(1, 2);
  EXPECT_NEAR(x[2950], 950 * 0.75 - 1950 * 0.5, 1);
  EXPECT_EQ(x[2899], 899);
  EXPECT_EQ(voice(1, 2).LoopStart, 100);
  voice(1, 2).LoopXFade = 2950;  // already inside the loop: kept
  bank->Filter(1, 2, 0, 0, 0, -122);
  EXPECT_EQ(voice(1, 2).LoopXFade, 2950);

  // Stereo: left holds the frame number, right its negative.
  ASSERT_EQ(put(1, 3, fill(8000, [](int i) { return i % 2 == 0 ? i / 2 : -(i / 2); }), 2), 1);
  TVoice& st = voice(1, 3);
  st.LoopStart = 1000;
  st.LoopEnd = 3000;
  st.LoopXFade = 2000;
  bank->Filter(1, 3, 0, 0, 0, -121);
  x = words(1, 3);
  EXPECT_NEAR(x[2 * 2250], 2250 * 0.75 + 1250 * 0.25, 1);
  EXPECT_NEAR(x[2 * 2250 + 1], -2250 * 0.7495 - 1250 * 0.2505, 1);
  EXPECT_EQ(x[2 * 1999 + 1], -1999);
  EXPECT_EQ(st.LoopStart, 2000);  // n counts values: half of it in frames
  EXPECT_EQ(st.Sound->GetLoopStart(), 2000);
}

// The guard: a crossfade point below 1, before the loop start or past its end, or a
// negative loop point refuses the fade; each edge just inside runs it.
TEST_F(VoiceEffectsBank, CrossfadeGuard) {
  struct Case {
    int start, end, xfade;
    bool runs;
  };
  const std::vector<Case> cases{{0, 8, 0, false}, {0, 8, 1, true},  {5, 8, 4, false},
                                {5, 8, 5, true},  {2, 8, 9, false}, {-1, 8, 4, false}};
  int s = 1;
  for (const Case& c : cases) {
    ASSERT_EQ(put(2, s, fill(10, [](int i) { return 100 * (i + 1); })), 1);
    TVoice& v = voice(2, s);
    v.LoopStart = c.start;
    v.LoopEnd = c.end;
    v.LoopXFade = c.xfade;
    bank->Filter(2, s, 0, 0, 0, -121);
    EXPECT_EQ(words(2, s) != fill(10, [](int i) { return 100 * (i + 1); }), c.runs) << c.start << " " << c.xfade;
    EXPECT_EQ(v.LoopStart != c.start, c.runs) << c.start << " " << c.xfade;
    ++s;
  }
}

class VoiceMarkedOps : public VoiceEffectsBank {};

TEST_F(VoiceMarkedOps, AddWrapsAndStopsAtTheShorterSound) {
  ASSERT_EQ(put(1, 1, Words(4, 32767)), 1);
  ASSERT_EQ(put(1, 2, Words(8, 32767)), 1);
  bank->MarkedSubVoiceAdd(1, 1, 1, 2);
  // 2 x 32767 x 0.7 = 45873.8: truncated and wrapped to 45873 - 65536.
  EXPECT_EQ(words(1, 1), Words(4, -19663));
  EXPECT_EQ(words(1, 2), Words(8, 32767));
  ASSERT_EQ(put(2, 1, Words(6, 1000)), 1);
  ASSERT_EQ(put(2, 2, Words(2, 1000)), 1);
  bank->MarkedSubVoiceAdd(2, 1, 2, 2);
  EXPECT_EQ(words(2, 1), (Words{1400, 1400, 1000, 1000, 1000, 1000}));
  // An empty slot on either side changes nothing.
  bank->MarkedSubVoiceAdd(2, 1, 9, 9);
  bank->MarkedSubVoiceSwap(2, 1, 2, 2);
  EXPECT_EQ(words(2, 1), (Words{1400, 1400, 1000, 1000, 1000, 1000}));
}

TEST_F(VoiceMarkedOps, FadesAndApply) {
  ASSERT_EQ(put(1, 1, Words(1000, 0)), 1);
  ASSERT_EQ(put(1, 2, Words(1000, 1000)), 1);
  bank->MarkedSubVoiceFadein(1, 1, 1, 2);
  Words x = words(1, 1);
  EXPECT_EQ(x[0], 0);
  EXPECT_NEAR(x[500], 350, 1);  // half of 0.7 x 1000
  ASSERT_EQ(put(2, 1, Words(1000, 0)), 1);
  bank->MarkedSubVoiceFadeout(2, 1, 1, 2);
  x = words(2, 1);
  EXPECT_NEAR(x[0], 700, 1);
  EXPECT_NEAR(x[500], 350, 1);
  // Apply: a constant level L becomes L x L / 32768; silence stays silent.
  ASSERT_EQ(put(3, 1, Words(120, 16384)), 1);
  bank->MarkedSubVoiceApply(3, 1, 1, 2);
  EXPECT_EQ(words(3, 1), Words(120, 8192));
  ASSERT_EQ(put(3, 2, Words(60, 0)), 1);
  bank->MarkedSubVoiceApply(3, 2, 1, 2);
  EXPECT_EQ(words(3, 2), Words(60, 0));
}

}  // namespace
