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
    // Table 2 is a rising line -500..499, easy to read back at any phase.
    for (int n = 0; n < kLfoFunctionSize; ++n) lfofunction[2][n] = n - 500;
    s = make16(std::vector<int16_t>(4000, 1000), 1, 1);
  }
  void TearDown() override {
    for (int n = 0; n < kLfoFunctionSize; ++n) lfofunction[2][n] = 0;
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
}

TEST_F(Modulation, DecayBelowOneFinishesAndZeroReleaseHoldsOneInstant) {
  s->setdadsr(1, 0, 0, 10000, 0, 0);
  EXPECT_EQ(envelopelevel(*s, 1, 1000 + 9998, 1000, 0, 0, 0), kEnvelopeFinished);
  EXPECT_EQ(envelopelevel(*s, 1, 1000 + 20000, 1000, 0, 0, 0), 0);  // after the decay: the sustain
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
  std::vector<int> values;
  for (int cycle = 0; cycle < 20; ++cycle) {
    const int base = 1000 + cycle * 1000;
    at(v, base);
    const int drawn = v->getlfo(0);
    ASSERT_GE(drawn, -1000);
    ASSERT_LE(drawn, 999);
    at(v, base + 500);
    ASSERT_EQ(v->getlfo(0), drawn);
    at(v, base + 999);
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
  at(v, 1400);  // LFO 0 at -100
  EXPECT_EQ(v->rotorstep, 1);
  at(v, 1600);  // now +100: a rising zero crossing
  EXPECT_EQ(v->rotorstep, 2);
  at(v, 1700);
  EXPECT_EQ(v->rotorstep, 2);
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
