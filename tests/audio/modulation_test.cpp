// Voice modulation on known inputs: envelope stages against the clock, LFO shapes,
// rates, offsets and phase wrapping, the random shape, matrix destinations and the rotor.
#include <gtest/gtest.h>

#include <algorithm>

#include "audio/lfofunction.h"
#include "audio/modulation.h"
#include "audiotest.h"

namespace {

class Modulation : public AudioTest {
 protected:
  void SetUp() override {
    AudioTest::SetUp();
    // Table 2 is a rising line -500..499, easy to read back at any phase; table 0 falls.
    for (int n = 0; n < kLfoFunctionSize; ++n) {
      lfofunction[2][n] = n - 500;
      lfofunction[0][n] = 500 - n;
    }
    s = make16(std::vector<int16_t>(4000, 1000), 1, 1);
  }
  void TearDown() override {
    for (int n = 0; n < kLfoFunctionSize; ++n) {
      lfofunction[2][n] = 0;
      lfofunction[0][n] = 0;
    }
    AudioTest::TearDown();
  }
  // A voice started at 1000 ms with the record's current LFO settings.
  sound* voice() { return mx.play(s, &mx, kStatusLooped); }
  modulation at(sound* v, int millis) { return modulate(*v, *s, millis, mx.random); }
  // LFO l held at a constant output of 4 * vertical.
  void hold(int l, int vertical) {
    s->setlfovoffset(l, vertical);
    s->setlfoscale(l, 0.0f);
  }

  sample* s = nullptr;
};

}  // namespace

TEST_F(Modulation, EnvelopeStagesAgainstTheClock) {
  s->setdadsr(0, 100, 100, 100, 2048, 200);
  const auto held = [&](int millis, int delay = 0) { return envelopelevel(*s, 0, millis, 1000, delay, 0, 0); };
  EXPECT_EQ(held(1050), 0);     // delay
  EXPECT_EQ(held(1100), 0);
  EXPECT_EQ(held(1150), 2047);  // half way up: 2048 x 4095/4096
  EXPECT_EQ(held(1200), 4095);  // top of the attack
  EXPECT_EQ(held(1250), 3071);  // half way down to the sustain
  EXPECT_EQ(held(1300), 2047);  // sustain
  EXPECT_EQ(held(9000), 2047);
  EXPECT_EQ(held(1150, 50), 0);  // the start delay moves the whole envelope
  const auto released = [&](int millis) { return envelopelevel(*s, 0, millis, 1000, 0, 2000, 2047); };
  EXPECT_EQ(released(2000), 2046);
  EXPECT_EQ(released(2100), 1023);
  EXPECT_EQ(released(2200), 0);
  EXPECT_EQ(released(2201), kEnvelopeFinished);
  EXPECT_EQ(envelopelevel(*s, 3, 1500, 1000, 0, 0, 0), 4095);  // never set
  EXPECT_EQ(envelopelevel(*s, 0, 101, 0, 0, 1, 2047), 1023);   // a key-up at clock 1 counts
}

TEST_F(Modulation, DecayBelowOneFinishesAndZeroReleaseHoldsOneInstant) {
  s->setdadsr(1, 0, 0, 10000, 0, 0);
  EXPECT_EQ(envelopelevel(*s, 1, 1000 + 9998, 1000, 0, 0, 0), kEnvelopeFinished);
  EXPECT_EQ(envelopelevel(*s, 1, 1000 + 10000, 1000, 0, 0, 0), 0);  // the decay's end: the sustain
  EXPECT_EQ(envelopelevel(*s, 1, 1000 + 20000, 1000, 0, 0, 0), 0);
  s->setdadsr(2, 0, 0, 4096, 0, 0);
  EXPECT_EQ(envelopelevel(*s, 2, 1000 + 4095, 1000, 0, 0, 0), 0);  // level 1.0 is not below 1
  EXPECT_EQ(envelopelevel(*s, 1, 3000, 1000, 0, 3000, 4000), 3999);
  EXPECT_EQ(envelopelevel(*s, 1, 3001, 1000, 0, 3000, 4000), kEnvelopeFinished);
}

TEST_F(Modulation, LfoRatesAndOffsetsOverTheCycle) {
  for (int l = 0; l < 4; ++l) s->setlfowave(l, 2);
  s->setlfohertzrate(1, 500);
  s->setlfooffset(2, 250);
  s->setlfotime(3, 1);
  sound* v = voice();
  at(v, 1250);
  EXPECT_EQ(v->getlfo(0), 250 - 500);      // rate 1000: a quarter cycle in 250 ms
  EXPECT_EQ(v->getlfo(1), 126 - 500);      // rate 500: half as far, plus one thousandth
  EXPECT_EQ(v->getlfo(2), 501 - 500);      // offset 250 on top
  EXPECT_EQ(v->getlfo(3), 251 - 500);      // absolute clock: 1250 ms is 0.25 of a cycle
  at(v, 2000);
  EXPECT_EQ(v->getlfo(0), 0 - 500);        // one cycle per second
  now = 1100;
  sound* later = voice();
  at(later, 1350);
  EXPECT_EQ(later->getlfo(0), 250 - 500);  // timed from its own start
  s->setlfowave(0, 0);
  sound* shape0 = voice();
  at(shape0, 1350);
  EXPECT_EQ(shape0->getlfo(0), 500 - 250);  // the default shape reads table 0
}

TEST_F(Modulation, LfoVerticalScaleLevelAndCeiling) {
  s->setlfowave(0, 2);
  s->setlfovoffset(0, 100);
  s->setlfoscale(0, 0.5f);
  s->setlfolevel(0, 2.0f);
  s->setlfowave(1, 2);
  s->setlfovoffset(1, 999);
  sound* v = voice();
  at(v, 1900);
  EXPECT_EQ(v->getlfo(0), TruncToInt((400 + 400 * 0.5f) * 2.0f));
  EXPECT_EQ(v->getlfo(1), 4096);  // (3996 + 401) limited to 4096
}

TEST_F(Modulation, NegativePhaseWrapsIntoTheTable) {
  s->setlfowave(0, 2);
  sound* v = voice();
  v->setlforate(0, -1.0f);
  at(v, 1250);
  EXPECT_EQ(v->getlfo(0), 750 - 500);  // phase -250 is 750
  // A negative phase push from LFO 0 into LFO 1.
  s->setlfowave(1, 2);
  hold(0, -250);  // LFO 0 at -1000: a push of -250 thousandths
  s->setmodmatrix(1, 3, 1);
  sound* w = voice();
  at(w, 1000);
  EXPECT_EQ(w->getlfo(1), 750 - 500);
}

TEST_F(Modulation, RandomLfoHoldsItsValueForACycle) {
  s->setlfowave(0, kRandomLfoWave);
  sound* v = voice();
  mx.random.reseed(12345);
  AudioRandom reference;
  reference.reseed(12345);
  std::vector<int> values;
  for (int cycle = 0; cycle < 20; ++cycle) {
    const int base = 1000 + cycle * 1000;
    at(v, base);
    const int drawn = v->getlfo(0);
    ASSERT_EQ(drawn, reference.next() % 2000 - 1000);
    at(v, base + 500);
    ASSERT_EQ(v->getlfo(0), drawn);
    at(v, base + 999);
    at(v, base + 999);  // the same phase again is no wrap
    ASSERT_EQ(v->getlfo(0), drawn);
    values.push_back(drawn);
  }
  std::sort(values.begin(), values.end());
  EXPECT_GT(std::unique(values.begin(), values.end()) - values.begin(), 10);
}

TEST_F(Modulation, RotorStepsEveryTimeMoreThanItsTimeHasPassed) {
  sound* v = voice();  // rotor count 4, 250 ms, active
  const std::vector<std::pair<int, int>> steps{{1100, 1}, {1250, 1}, {1251, 2}, {1400, 2},
                                               {1502, 3}, {1753, 4}, {2004, 1}, {2255, 2}};
  for (const auto& [millis, position] : steps) {
    at(v, millis);
    ASSERT_EQ(v->rotorstep, position) << millis;
  }
}

TEST_F(Modulation, RotorPitchDoublesTheStepOfTheRender) {
  s->setmodmatrix(12, 13, 1);
  s->setrotor(1, 2.0f);
  sound* v = voice();
  now += 20;
  render(256);
  EXPECT_EQ(v->getposition(), 512);
}

TEST_F(Modulation, RisingZeroCrossingTriggersTheRotor) {
  s->setlfowave(0, 2);
  s->setmodmatrix(0, 1, 1);
  s->rotortime = 100000;
  sound* v = voice();
  // LFO 0 at -100, 0, +100, -100, +100, +200: only a rise from below 0 to above 0 counts.
  for (auto [millis, position] : {std::pair{1400, 1}, {1500, 1}, {1600, 1}, {2400, 1}, {2600, 2}, {2700, 2}}) {
    at(v, millis);
    EXPECT_EQ(v->rotorstep, position) << millis;
  }
}

TEST_F(Modulation, CrossModulationOfRateAndPhase) {
  hold(0, 250);  // LFO 0 at 1000
  s->setlfowave(1, 2);
  s->setmodmatrix(1, 2, 1);  // LFO 1 runs |1000 / 100| = 10 times faster
  sound* v = voice();
  at(v, 1025);
  EXPECT_EQ(v->getlfo(1), 251 - 500);
  s->setmodmatrix(1, 2, 0);
  s->setmodmatrix(1, 3, 1);  // phase pushed by 1000 / 4 = 250 thousandths
  at(v, 1000);
  EXPECT_EQ(v->getlfo(1), 250 - 500);
}

// LFOs 0 and 1 held at 1000 and -400 drive LFOs 2 and 3, which run the rising line;
// 20 ms in, without routing, each stands at phase 20 + 1.
TEST_F(Modulation, CrossModulationReachesLfos2And3) {
  hold(0, 250);
  hold(1, -100);
  s->setlfowave(2, 2);
  s->setlfowave(3, 2);
  const struct {
    std::vector<std::pair<int, int>> cells;
    int lfo2, lfo3;
  } cases[] = {
      {{}, 21, 21},
      {{{2, 4}}, 81, 21},                  // LFO 2 at |-400 / 100| = 4 times the rate
      {{{1, 2}, {2, 2}}, 201, 21},         // LFO 1's rate factor 10 handed on
      {{{1, 3}, {2, 3}}, 271, 21},         // LFO 1's phase push 250 handed on
      {{{2, 5}}, 920, 21},                 // pushed by -400 / 4: -80 wraps to 920
      {{{2, 4}, {3, 4}}, 81, 81},          // LFO 2's rate factor handed on
      {{{1, 2}, {3, 2}}, 21, 201},         // LFO 1's, straight to LFO 3
      {{{3, 6}}, 21, 81},                  // LFO 2 at -479: factor 4
      {{{1, 3}, {2, 3}, {3, 5}}, 271, 272},  // LFO 2's pushes, 250 + 1, handed on
      {{{3, 7}}, 21, 900},                 // pushed by -479 / 4, rounded down: -120
      {{{1, 3}, {3, 3}}, 21, 271},         // LFO 1's push straight to LFO 3
  };
  for (const auto& c : cases) {
    for (int r = 1; r < 4; ++r)
      for (int column = 2; column < 8; ++column) s->setmodmatrix(r, column, 0);
    for (auto [r, column] : c.cells) s->setmodmatrix(r, column, 1);
    sound* v = voice();
    at(v, 1020);
    const std::string cells = ::testing::PrintToString(c.cells);
    EXPECT_EQ(v->getlfo(2), c.lfo2 - 500) << cells;
    EXPECT_EQ(v->getlfo(3), c.lfo3 - 500) << cells;
  }
}

namespace {

// Known inputs for the matrix: LFO outputs 400, -148, 1000 and 28; envelope levels 2047,
// 999, 2999 and 4095 (sustains 2048, 1000, 3000, 4096 times 4095/4096); levels 1, 0.5,
// 2 and 0.25 on the envelope rows 4-7 and again on the inverted rows 8-11; rotor depth
// 0.75 at value 6 on every position; 9 waves.
class Matrix : public Modulation {
 protected:
  void SetUp() override {
    Modulation::SetUp();
    const int verticals[] = {100, -37, 250, 7};
    const int sustains[] = {2048, 1000, 3000, 4096};
    const float levels[] = {1.0f, 0.5f, 2.0f, 0.25f};
    for (int i = 0; i < 4; ++i) {
      hold(i, verticals[i]);
      s->setdadsr(i, 0, 0, 0, sustains[i], 0);
      s->setlfolevel(kRowEnvelope + i, levels[i]);
      s->setlfolevel(kRowInvertedEnvelope + i, levels[i]);
    }
    s->setlfolevel(kRowRotor, 0.75f);
    for (int k = 1; k <= 16; ++k) s->setrotor(k, 6.0f);
    s->wavelength = 9;
  }
  // A voice started with just these cells on, modulated half a second in.
  modulation with(const std::vector<std::pair<int, int>>& cells, sound*& v) {
    for (int r = 0; r < 16; ++r)
      for (int c = 0; c < 18; ++c) s->setmodmatrix(r, c, 0);
    for (auto [r, c] : cells) s->setmodmatrix(r, c, 1);
    v = voice();
    return at(v, 1500);
  }
};

struct Expected {
  std::vector<std::pair<int, int>> cells;
  float amp = 1.0f;
  int pitch = 0;
  int wave = 0;
  int pan = 0;
  float rotorpitch = 1.0f;
  int gate = 1;  // the record's rotor switch until column 16 decides
};

}  // namespace

TEST_F(Matrix, EachDestinationOfEachRowOnKnownInputs) {
  const Expected cases[] = {
      // LFO rows: amp + o / 1024, pitch + 16 o, wave + o / 32, pan + 2 o.
      {.cells = {{0, 12}}, .amp = 1.390625f},
      {.cells = {{0, 13}}, .pitch = 6400},
      {.cells = {{0, 14}}, .wave = 12},
      {.cells = {{0, 15}}, .pan = 800},
      {.cells = {{1, 12}}, .amp = 0.85546875f},
      {.cells = {{1, 13}}, .pitch = -2368},
      {.cells = {{1, 14}}, .wave = -4},
      {.cells = {{1, 15}}, .pan = -296},
      {.cells = {{2, 12}}, .amp = 1.9765625f},
      {.cells = {{2, 13}}, .pitch = 16000},
      {.cells = {{2, 14}}, .wave = 31},
      {.cells = {{2, 15}}, .pan = 2000},
      {.cells = {{3, 12}}, .amp = 1.02734375f},
      {.cells = {{3, 13}}, .pitch = 448},
      {.cells = {{3, 14}}, .wave = 0},
      {.cells = {{3, 15}}, .pan = 56},
      // Envelope rows: amp x L E / 4096, pitch + 16 E L, wave + 8 E / 4096 L, pan + L E,
      // gate when L E > 2047.
      {.cells = {{4, 12}}, .amp = 0.499755859375f},
      {.cells = {{4, 13}}, .pitch = 32752},
      {.cells = {{4, 14}}, .wave = 3},
      {.cells = {{4, 15}}, .pan = 2047},
      {.cells = {{4, 16}}, .gate = 0},
      {.cells = {{5, 12}}, .amp = 0.1219482421875f},
      {.cells = {{5, 13}}, .pitch = 7992},
      {.cells = {{5, 14}}, .wave = 0},
      {.cells = {{5, 15}}, .pan = 499},
      {.cells = {{5, 16}}, .gate = 0},
      {.cells = {{6, 12}}, .amp = 1.46435546875f},
      {.cells = {{6, 13}}, .pitch = 95968},
      {.cells = {{6, 14}}, .wave = 11},
      {.cells = {{6, 15}}, .pan = 5998},
      {.cells = {{6, 16}}, .gate = 1},
      {.cells = {{7, 12}}, .amp = 0.24993896484375f},
      {.cells = {{7, 13}}, .pitch = 16380},
      {.cells = {{7, 14}}, .wave = 1},
      {.cells = {{7, 15}}, .pan = 1023},
      {.cells = {{7, 16}}, .gate = 0},
      {.cells = {{4, 16}, {6, 16}}, .gate = 1},  // the later row decides
      {.cells = {{6, 16}, {7, 16}}, .gate = 0},
      // Inverted rows: amp x (4095 - E) / 4096 L, pitch - 16 E L, wave + L 8 (1 - E / 4096),
      // pan - L E, gate when -E L > 2047.
      {.cells = {{8, 12}}, .amp = 0.5f},
      {.cells = {{8, 13}}, .pitch = -32752},
      {.cells = {{8, 14}}, .wave = 4},
      {.cells = {{8, 15}}, .pan = -2047},
      {.cells = {{8, 16}}, .gate = 0},
      {.cells = {{9, 12}}, .amp = 0.3779296875f},
      {.cells = {{9, 13}}, .pitch = -7992},
      {.cells = {{9, 14}}, .wave = 3},
      {.cells = {{9, 15}}, .pan = -499},
      {.cells = {{9, 16}}, .gate = 0},
      {.cells = {{10, 12}}, .amp = 0.53515625f},
      {.cells = {{10, 13}}, .pitch = -95968},
      {.cells = {{10, 14}}, .wave = 4},
      {.cells = {{10, 15}}, .pan = -5998},
      {.cells = {{10, 16}}, .gate = 0},
      {.cells = {{11, 12}}, .amp = 0.0f},
      {.cells = {{11, 13}}, .pitch = -16380},
      {.cells = {{11, 14}}, .wave = 0},
      {.cells = {{11, 15}}, .pan = -1023},
      {.cells = {{11, 16}}, .gate = 0},
      // Rotor row at value 6, depth 0.75: amp x v / 3 D, pitch factor (v - 1) D + 1,
      // wave + 100 (v - 1) D, pan + 4096 D (v / 1.5 - 1); the depth scaled by envelopes.
      {.cells = {{12, 12}}, .amp = 1.5f},
      {.cells = {{12, 13}}, .rotorpitch = 4.75f},
      {.cells = {{12, 14}}, .wave = 375},
      {.cells = {{12, 15}}, .pan = 9216},
      {.cells = {{12, 8}, {12, 13}}, .rotorpitch = 2.87408447265625f},
      {.cells = {{12, 9}, {12, 13}}, .rotorpitch = 1.457305908203125f},
      {.cells = {{12, 13}, {6, 16}, {8, 16}}, .gate = 0},  // a closed gate stops the rotor
      // Cells with no meaning.
      {.cells = {{0, 0}, {0, 16}, {4, 17}, {12, 16}, {13, 12}, {14, 13}, {15, 15}}},
  };
  for (const Expected& e : cases) {
    sound* v = nullptr;
    const modulation m = with(e.cells, v);
    const std::string cells = ::testing::PrintToString(e.cells);
    EXPECT_FLOAT_EQ(m.amp, e.amp) << cells;
    EXPECT_EQ(m.pitch, e.pitch) << cells;
    EXPECT_EQ(m.waveoffset, e.wave) << cells;
    EXPECT_EQ(m.panoffset, e.pan) << cells;
    EXPECT_FLOAT_EQ(m.rotorpitch, e.rotorpitch) << cells;
    EXPECT_EQ(v->rotorgate, e.gate) << cells;
  }
}

TEST_F(Matrix, InvertedEnvelopeOpensTheGateThroughANegativeLevel) {
  s->rotoractive = 0;
  s->setlfolevel(8, -1.0f);   // 2047: not above 2047
  s->setlfolevel(9, -4.5f);   // 999 x 4.5 = 4495.5
  s->setlfolevel(10, -0.5f);  // 2999 x 0.5 = 1499.5
  sound* v = nullptr;
  for (auto [row, gate] : {std::pair{8, 0}, {9, 1}, {10, 0}}) {
    with({{row, 16}}, v);
    EXPECT_EQ(v->rotorgate, gate) << row;
  }
  with({}, v);
  EXPECT_EQ(v->rotorgate, 0);  // the record's switch
}

TEST_F(Matrix, EnvelopesScaleTheLfoOutputsTheDestinationsAndGetlfoSee) {
  const struct {
    std::vector<std::pair<int, int>> cells;
    int lfo, reported, pan;
  } cases[] = {
      {{{0, 8}, {0, 15}}, 0, 199, 399},     // 400 x 2047 / 4096 = 199.9
      {{{1, 9}, {1, 15}}, 1, -36, -72},     // -148 x 999 / 4096 = -36.1
      {{{2, 10}, {2, 11}}, 2, 731, 0},      // 1000 x 2999 / 4096 x 4095 / 4096 = 731.999
      {{{3, 11}, {3, 15}}, 3, 27, 55},      // 28 x 4095 / 4096 = 27.99
      {{{3, 15}}, 3, 28, 56},
  };
  for (const auto& c : cases) {
    sound* v = nullptr;
    const modulation m = with(c.cells, v);
    EXPECT_EQ(v->getlfo(c.lfo), c.reported) << c.lfo;
    EXPECT_EQ(m.panoffset, c.pan) << c.lfo;
  }
}
