// The effect block of the mixer (class DelayFX): eight stereo delay-and-comb buses,
// each with its output buffer, four rings and its settings, plus the routing mode and
// the switch of the whole block. The main thread writes the settings through the
// global effect functions; the render reads them and owns the buffers, rings and
// running positions. Delays and comb lengths are kept as given and limited by the
// render; the speed is limited where it is stored, so nothing reaches outside a ring
// or an output buffer.
#pragma once
#include <array>
#include <cstdint>
#include <vector>

#include "audio/relaxed.h"

constexpr int kBuses = 8;
constexpr int kFxOutSize = 8192;    // samples of a bus's output buffer
constexpr int kFxRingSize = 32768;  // entries of each delay and comb ring
constexpr int kFxEnabled = 969;     // value of `enabled` while the block is on
constexpr int kFxSwitchId = 969;    // parameter id of that switch
constexpr int kRouteModes = 10;

// One side's settings (ids 1-8 left, 101-108 right).
struct fxside {
  Relaxed<float> wetgain;       // id 2: output = wet × this + comb × combgain
  Relaxed<float> combgain;      // id 1
  Relaxed<float> combsend;      // id 3: share of wet fed into the comb
  Relaxed<float> combfeedback;  // id 4: thousandths
  Relaxed<int32_t> comblength;  // id 5: ring positions the comb uses (at most the ring)
  Relaxed<int32_t> delay;       // id 6: samples between write and read, modulo the ring
  Relaxed<float> drygain;       // id 8: share of the bus input in wet
  Relaxed<float> echogain;      // id 7: share of the delayed signal in wet
};

struct fxbus {
  fxside left;
  fxside right;
  Relaxed<float> crossfeed;      // id 201: share of the other channel at the input
  Relaxed<float> combcrossfeed;  // id 202: share of the other comb in each feedback
  Relaxed<float> speed;          // id 203: output re-read at factor 1 + this
  // Running positions: the render's own.
  int32_t delaypositionl = 0;
  int32_t delaypositionr = 0;
  int32_t combpositionl = 0;
  int32_t combpositionr = 0;
};

class DelayFX {
 public:
  // Main thread, before the render may run: makes the buffers and rings of all buses,
  // cleared, with two spare entries each.
  void make(int outsize, int ringsize);
  // Audio thread: routing mode 0, every parameter and position of the bus 0, and the
  // bus's buffers cleared (up to the sizes made; nothing is allocated here).
  void init(int bus, int outsize, int ringsize);

  // The global effect setter and getter by parameter id (the switch has id 969).
  // Unknown ids and buses outside 0-7 do nothing and read 0.
  void setparameter(int id, int bus, int value);
  int getparameter(int id, int bus) const;

  // Runs bus b over n samples of input into its output buffer; then the speed pass.
  // The input may be the bus's own output buffer.
  void compute(int bus, const int16_t* input, int ringsize, int n);

  Relaxed<int32_t> mode;
  std::array<std::vector<int16_t>, kBuses> out;
  std::array<std::vector<int16_t>, kBuses> combl, combr;
  std::array<std::vector<int16_t>, kBuses> delayl, delayr;
  Relaxed<int32_t> enabled;
  std::array<fxbus, kBuses> parameters;
  // Off, every frame takes the one-frame step that the four-frame step matches bit for
  // bit: the reference the faster path is checked against.
  bool vectors = true;

 private:
  void speedpass(int bus, int n);
};
