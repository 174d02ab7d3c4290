// The audio output device: class coreaudio owns the mixer and the platform's default
// audio output (16-bit stereo at 44100 Hz), and serves each of the output's
// render requests on its audio thread with the dry render or the effect render and
// its bus routing. The first request after a reset renders dry and clears the buses;
// the effect path can first run at the 22nd request.
#pragma once
#include <array>
#include <cstdint>
#include <memory>
#include <vector>

#include "audio/delayfx.h"

class mixer;

constexpr int kDeviceFrames = 4096;                // most frames one request is served
constexpr int kDeviceSamples = 2 * kDeviceFrames;  // entries of the dry and send buffers
constexpr int kDeviceHertz = 44100;
constexpr int kWarmupRequests = 21;

class audiodevice {
 public:
  virtual ~audiodevice() = default;
  virtual int reset() = 0;
  virtual int close() = 0;
};

// One served request: the dry buffer's frames, handed over without a copy.
struct audiobuffer {
  const int16_t* data = nullptr;
  int bytes = 0;
};

class coreaudio : public audiodevice {
 public:
  coreaudio();
  ~coreaudio() override;
  coreaudio(const coreaudio&) = delete;
  coreaudio& operator=(const coreaudio&) = delete;

  // Main thread. Stops a running output, makes a fresh mixer, buffers and buses, then
  // opens and starts the output: 0, or -1 when no output can be opened.
  int reset() override;
  // Stops and closes the output; the mixer and the buffers remain. 0.
  int close() override;
  int initoutput();
  // What reset does besides the output: a new mixer at 44100 Hz stereo, the dry and
  // send buffers, the bus buffers and rings, the warm-up count at 0. With it a test or
  // a benchmark drives the render through read without any platform output.
  void prepare();

  // Audio thread: serves one request of at most 4096 frames (frames is limited in
  // place) and hands out the rendered dry buffer. 0.
  int read(int& frames, audiobuffer& buffer);

  std::unique_ptr<::mixer> mixer;
  uint32_t unit = 0;  // the open output, 0 when closed
  std::vector<int16_t> dry;
  std::array<std::vector<int16_t>, kBuses> sends;
  int16_t warmup = 0;  // requests served since the reset, counting up to 21
};

std::unique_ptr<coreaudio> OpenCoreAudioDevice();
