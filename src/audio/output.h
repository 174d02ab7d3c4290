// Class output: the settings of a channel slot (status, handle, play window, sends,
// start delay) with the virtual operations the channel functions call. The mixer and
// every voice are outputs; this base answers the neutral values.
#pragma once
#include <array>
#include <cstdint>

#include "audio/relaxed.h"

class mixer;

// Voice status bits.
constexpr int kStatusFinished = 1;
constexpr int kStatusOneShot = 2;
constexpr int kStatusLooped = 4;
constexpr int kStatusStream = 8;
constexpr int kStatusPaused = 16;
constexpr int kStatusWavetable = 32;

constexpr int kFxSends = 9;
constexpr int kDrySend = 8;
constexpr int kNewDryLevel = 1000;  // thousandths: a fresh channel is heard dry at unity

class output {
 public:
  explicit output(mixer* owner);
  virtual ~output() = default;
  output(const output&) = delete;
  output& operator=(const output&) = delete;

  virtual int setfxmixvalues(const std::array<int, kFxSends>& levels);
  virtual int setfxmixvalue(int index, int level);
  virtual int getfxmixvalue(int index) const;
  virtual int setstartdelay(int millis);
  virtual int getstartdelay() const;
  virtual int restart() { return 0; }
  virtual int setrate(int rate) { return 0; }
  virtual int setvolume(int volume) { return 0; }
  virtual int setpan(int pan) { return 0; }
  virtual int setdepth(int depth) { return 0; }
  virtual int getrate(int which) const { return 65536; }
  virtual int getvolume(int which) const { return 4096; }
  virtual int getpan(int which) const { return 0; }
  virtual int getdepth(int which) const { return 0; }
  virtual int getposition() const { return 0; }
  virtual int getplayposition() const { return 0; }
  virtual int getplaytime() const { return 0; }
  virtual int setkeyup() { return 0; }
  virtual int gethertzfreq() const { return 0; }
  virtual int getwavetrueplayposition() const { return 0; }
  virtual int getwaveplayposition() const { return 0; }
  virtual int getwavetable() const { return status.load() & kStatusWavetable; }
  virtual int getwavelength() const { return 1; }
  virtual int getwavelpstart() const { return -1; }
  virtual int getwavetableplayhead() const { return 0; }
  virtual int getwavetablerepeatplayhead() const { return 1; }
  virtual int setlforate(int lfo, float rate) { return 0; }
  virtual int getlfo(int lfo) const { return 0; }

  mixer* const owner;
  Relaxed<int32_t> status{kStatusFinished};
  int handle = 0;  // main thread only
  Relaxed<int32_t> freewhendone;
  Relaxed<int32_t> playstart{-1};
  Relaxed<int32_t> playend{-1};
  std::array<Relaxed<int32_t>, kFxSends> fxmix;
  Relaxed<int32_t> startdelay;

  // Sets or clears status bits with a compare-and-swap that refuses a released voice
  // (status 0): the render may release it at any moment, and a released voice must not
  // answer to its channel again.
  void setstatusbits(int bits, bool on);

 protected:
  // The values of a freshly made channel slot.
  void resetsettings();
};
