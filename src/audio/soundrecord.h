// The mixer's record of one sound (class sample): its frames and every synthesis
// setting (loop, wavetable steps, envelopes, LFOs, modulation matrix, rotor, sends).
// Reference counted and shared by every voice that plays it. The main thread writes
// the settings; the render reads them at its next pass, so each is a relaxed atomic.
// Format, length and the frame buffer are fixed at creation.
#pragma once
#include <array>
#include <cstddef>
#include <cstdint>
#include <memory>

#include "audio/relaxed.h"

constexpr int kWaveSteps = 128;
constexpr int kEnvelopes = 4;
constexpr int kLfos = 4;
constexpr int kLfoStepSlots = 8;
constexpr int kModRows = 16;
constexpr int kModColumns = 18;
constexpr int kRotorSlots = 17;
constexpr int kSends = 9;
// The loop value that makes a record play the creator's buffer in place.
constexpr int kLoopUseCallerBuffer = INT32_MIN;

class sample {
 public:
  // Creation as the function interface does it: a copy of data (or zeroed frames) in an
  // own buffer, or the caller's buffer in place when loop is kLoopUseCallerBuffer (it must
  // then hold length + 1 frames). Answers nullptr for a format the render cannot play
  // (bits other than 8 or 16, channels other than 1 or 2, a negative or oversized length).
  static sample* create(int length, int bits, int channels, int hertz, void* data, int loop);

  int init(int length, int hertz, int channels, int bits, void* data);
  void setloop(int mode);
  int write(const void* source, int frames, int start = 0);
  // Drops one reference; the last one deletes the record and its owned frames.
  void free();
  void addref();

  void setloopstart(int frame) { loopstart = frame; }
  void setlooplength(int frames) { looplength = frames; }
  void setplayheadstart(int frame) { playheadstart = frame; }
  void setislooped(int flag) { islooped = flag; }
  void setiswavetable(int flag) { iswavetable = flag; }
  void setisppgwavetable(int flag) { isppgwavetable = flag; }
  void setwaveloopstart(int step) { waveloopstart = step; }
  void setwavelength(int steps) { wavelength = steps; }
  void setwavetable(int step, int wave, int repeat);
  void setdadsr(int envelope, int delay, int attack, int decay, int sustain, int release);
  void setlfowave(int lfo, int wave);
  int getlfowave(int lfo) const;
  void setlfotime(int lfo, int mode);
  int getlfotime(int lfo) const;
  void setlfohertzrate(int lfo, int rate);
  int getlfohertzrate(int lfo) const;
  void setlfolevel(int row, float level);
  float getlfolevel(int row) const;
  void setlfosteps(int lfo, int steps);
  int getlfosteps(int lfo) const;
  void setlfostep(int lfo, int step, int value);
  int getlfostep(int lfo, int step) const;
  void setlfooffset(int lfo, int offset);
  int getlfooffset(int lfo) const;
  void setlfovoffset(int lfo, int offset);
  int getlfovoffset(int lfo) const;
  void setlfoscale(int lfo, float scale);
  float getlfoscale(int lfo) const;
  void setmodmatrix(int row, int column, int on);
  int getmodmatrix(int row, int column) const;
  void setrotor(int index, float value);
  void setrotorlevel(int index, int level);
  static void setfunction(int table, int entry, int value);
  static int getfunction(int table, int entry);

  // Format, fixed at creation (before any voice can see the record).
  int channels = 0;
  int bits = 0;
  int length = 0;
  int framesize = 0;
  int datasize = 0;
  std::byte* data = nullptr;
  std::byte* writeptr = nullptr;  // main thread only
  int ownedsize = 0;

  Relaxed<int32_t> hertz;
  std::atomic<int32_t> writecursor{0};  // released after the frames it counts are copied
  std::atomic<int32_t> refcount{1};
  Relaxed<int32_t> tuning;
  Relaxed<int32_t> loopmode;
  Relaxed<int32_t> islooped;
  Relaxed<int32_t> loopstart;
  Relaxed<int32_t> looplength;
  Relaxed<int32_t> playheadstart;
  Relaxed<int32_t> iswavetable;
  Relaxed<int32_t> isppgwavetable;
  Relaxed<int32_t> wavetableamount;
  Relaxed<int32_t> waveloopstart;
  Relaxed<int32_t> wavelength{1};
  std::array<Relaxed<int32_t>, kWaveSteps> stepwave;
  std::array<Relaxed<int32_t>, kWaveSteps> steprepeat;
  std::array<Relaxed<int32_t>, kEnvelopes> envset;
  std::array<Relaxed<int32_t>, kEnvelopes> envdelay;
  std::array<Relaxed<int32_t>, kEnvelopes> envattack;
  std::array<Relaxed<int32_t>, kEnvelopes> envdecay;
  std::array<Relaxed<int32_t>, kEnvelopes> envsustain;
  std::array<Relaxed<int32_t>, kEnvelopes> envrelease;
  std::array<Relaxed<int32_t>, kLfos> lfowave;
  std::array<Relaxed<int32_t>, kLfos> lfotime;
  std::array<Relaxed<int32_t>, kLfos> lforate;
  std::array<Relaxed<float>, kModRows> modlevel;
  std::array<Relaxed<int32_t>, kLfos> lfosteps;
  std::array<std::array<Relaxed<int32_t>, kLfoStepSlots>, kLfos> lfostep;
  std::array<Relaxed<int32_t>, kLfos> lfooffset;
  std::array<Relaxed<int32_t>, kLfos> lfovertical;
  std::array<Relaxed<float>, kLfos> lfoscale;
  std::array<std::array<Relaxed<uint8_t>, kModColumns>, kModRows> modmatrix;
  Relaxed<int32_t> rotoractive{1};
  Relaxed<int32_t> rotorcount{4};
  std::array<Relaxed<float>, kRotorSlots> rotorvalue;
  Relaxed<int32_t> rotortime{250};
  std::array<Relaxed<int32_t>, kRotorSlots> rotorlevel;
  std::array<Relaxed<float>, kSends> send;

  int16_t sample16(int index) const { return reinterpret_cast<const int16_t*>(data)[index]; }
  uint8_t sample8(int index) const { return reinterpret_cast<const uint8_t*>(data)[index]; }

 private:
  sample() = default;
  ~sample();
  std::unique_ptr<std::byte[]> owned_;
};
