// Voice modulation, computed once per rendered buffer: four envelopes, four LFOs with
// cross-modulation, the 16 x 18 modulation matrix and the rotor, reduced to five control
// values that the frame loop applies to the whole buffer.
#pragma once
#include <array>
#include <cstdint>

#include "audio/relaxed.h"

class sound;
class sample;
class AudioRandom;

// One LFO's settings as copied into a voice at its start (the main thread may change the
// rate while it plays), and its last outputs (written by the render).
struct lfostate {
  Relaxed<int32_t> wave;
  Relaxed<int32_t> time;
  Relaxed<float> level;
  Relaxed<int32_t> rate;
  Relaxed<float> ratefactor;
  Relaxed<int32_t> offset;
  Relaxed<int32_t> vertical;
  Relaxed<float> scale;
  Relaxed<float> output;
  float previous = 0.0f;
};

struct modulation {
  float amp = 1.0f;
  int pitch = 0;
  int waveoffset = 0;
  int panoffset = 0;
  float rotorpitch = 1.0f;
};

// Matrix columns (destinations) and rows (sources).
constexpr int kColumnRotorTrigger = 1;
constexpr int kColumnEnvelopeScale = 8;
constexpr int kColumnAmp = 12;
constexpr int kColumnPitch = 13;
constexpr int kColumnWave = 14;
constexpr int kColumnPan = 15;
constexpr int kColumnRotorGate = 16;
constexpr int kRowEnvelope = 4;
constexpr int kRowInvertedEnvelope = 8;
constexpr int kRowRotor = 12;
constexpr int kEnvelopeFinished = -1;

// Level 0..4095 of envelope e at time now, -1 when finished; 4095 when never set.
int envelopelevel(const sample& s, int e, int now, int notestart, int delay, int keyuptime, int heldlevel);

// Runs the whole modulation step for one buffer of the voice; updates its LFO outputs,
// phases, random values, held envelope levels and rotor state.
modulation modulate(sound& voice, const sample& s, int now, AudioRandom& random);
