// The state of one buffer of a voice's render: its positions, step, volume and pan,
// region and wavetable sequence, as the buffer-level steps set them up for the frame
// loops. Positions are 32.32 in sample values, steps 16.16 per output frame.
#pragma once
#include <cstdint>

class sample;

struct FrameContext {
  const sample* smp = nullptr;
  const void* data = nullptr;
  int channels = 1;
  // Positions.
  int64_t playpos = 0;
  int64_t position = 0;
  int64_t wavepos = 0;
  int64_t wavetruepos = 0;
  // Step: steady increment, or a step (16.16 << 32) moving by stepinc per frame.
  int64_t increment = 0;
  int64_t stepfx = 0;
  int64_t stepinc = 0;
  // Volume: steady, or 8.8 moving by volinc per frame. Pan moves in float.
  int volume = 0;
  int vol8 = 0;
  int volinc = 0;
  float pan = 0.0f;
  float paninc = 0.0f;
  // Region, in whole sample values; every bound lies inside the record's frames.
  bool looped = false;
  int64_t loopend = 0;
  int64_t loopsize = 0;
  int64_t wavesize = 0;  // 0: no wave clock
  bool wavetable = false;
  int64_t waves = 0;     // whole waves held by the record
  // Wavetable sequence.
  int waveoffset = 0;
  int wavestep = 0;
  int wave = 0;
  int repeat = 1;
  bool ended = false;
  // The buffer's plan.
  int frames = 0;
  int bits = 16;
  bool ramp = false;
  bool panramp = false;
  bool silent = false;
  int32_t finalrate = 0;
  int16_t finalvolume = 0;
  // The frame loops may take their vector code (every path gives the same bits).
  bool vectors = true;
  // Set by the render: no rendered sample's magnitude exceeds it.
  int64_t samplebound = 0;
};
