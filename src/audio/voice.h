// Class sound: one voice playing a sound record. The main thread starts, restarts,
// stops and steers it; the audio thread renders it (sound::mix, voicerender.*).
// Fields the render owns are plain; settings that both threads touch are relaxed
// atomics. A restart or stream flush that must move the render's positions is staged
// and applied by the render at its next pass, so each field keeps a single writer.
#pragma once
#include <array>
#include <atomic>
#include <cstdint>

#include "audio/modulation.h"
#include "audio/output.h"
#include "audio/relaxed.h"

class sample;
struct FrameContext;

class sound : public output {
 public:
  explicit sound(mixer* owner);

  // Main thread. Every setting back at the value of a freshly made voice.
  void resetvoice();
  // Steps 3-10 of a start: the voice's own channel settings (copied from its source by
  // allocsound) decide the delay, window and sends. The voice must not be with the render.
  void start(sample* s, int flags, int now, int mixerpan);
  // The start again from the source's settings, not from those given to the voice since.
  int restart() override;
  virtual int stop();
  void flush();
  int setkeyup() override;
  int setlforate(int lfo, float rate) override;
  int setrate(int rate) override;
  int setvolume(int volume) override;
  int setpan(int pan) override;
  int setdepth(int depth) override;
  int getrate(int which) const override;
  int getvolume(int which) const override;
  int getpan(int which) const override;
  int getdepth(int which) const override;
  int getposition() const override;
  int getplayposition() const override;
  int getplaytime() const override;
  int gethertzfreq() const override { return 99; }
  int getwavetrueplayposition() const override;
  int getwaveplayposition() const override;
  int getwavelength() const override;
  int getwavelpstart() const override;
  int getwavetableplayhead() const override { return wave; }
  int getwavetablerepeatplayhead() const override { return repeat; }
  int getlfo(int lfo) const override;
  // Status 1 unless released (0): the voice falls silent at the render's next pass.
  void markfinished();

  // Audio thread: renders n samples (n / 2 frames) into the dry accumulator.
  // Results: 0 playing or waiting, -2 paused, 1 finished, -1 released.
  int mix(int32_t* accumulator, int n);
  // The same, with a bound of the entries' magnitudes that the voice's samples raise.
  int mix(int32_t* accumulator, int n, int64_t& reach);
  // The same with any accumulation sink (voicerender.h); the effect path adds its own.
  template <class Sink>
  int render(Sink& sink, int n);

  sound* next = nullptr;      // playing list (audio thread), spare list (main thread)
  sample* smp = nullptr;      // written by the main thread only while the render cannot see the voice
  bool queued = false;        // main thread: handed to the render and not yet back through the free ring
  bool spare = false;         // main thread: on the mixer's spare list
  Relaxed<int64_t> playpos;
  Relaxed<int64_t> position;  // never wrapped: kept as a wrapping 64-bit count
  Relaxed<int64_t> windowend;
  Relaxed<int64_t> wavepos;
  Relaxed<int64_t> wavetruepos;
  int wavestep = 0;
  Relaxed<int32_t> wave;
  Relaxed<int32_t> repeat;
  int lastvolume = 0;
  int buffercount = 0;
  int lastpan = 0;
  Relaxed<int32_t> rate{65536}, targetrate{65536};
  Relaxed<int16_t> volume{4096}, targetvolume{4096};
  Relaxed<int16_t> pan, targetpan;
  Relaxed<int16_t> depth, targetdepth;
  Relaxed<int32_t> notestart;
  int startoffset = 0;
  Relaxed<int32_t> keyuptime;
  Relaxed<int32_t> keyupdue;
  Relaxed<int32_t> keyupdelay;
  std::array<int, 4> envlevel{};
  Relaxed<int32_t> stopflag;
  Relaxed<int32_t> delay;
  Relaxed<int32_t> starttime;
  std::array<lfostate, 4> lfo;
  std::array<int, 4> lfophase{};
  std::array<int, 4> lforandom{};
  int rotorgate = 0;
  int rotortime = 0;
  int rotorstep = 1;

 private:
  // The channel settings of the source a voice was started from. The source is a
  // replaced voice that nothing changes any more until it is reused, so a copy taken at
  // the start reads what the source holds without keeping a pointer to it.
  struct sourcesettings {
    int startdelay = 0;
    int playstart = -1;
    int playend = -1;
    std::array<int, kFxSends> fxmix{};
  };

  static constexpr int kRequestRestart = 1;
  static constexpr int kRequestFlush = 2;
  int64_t startsample() const;
  void copysettings(int now);
  void applyrequests();
  void rewind(int64_t from, int clock, int pan);
  // Steps 1-12 of the voice render; answers a result, or kRender with the context filled.
  int prepare(FrameContext& c, int n, int& skip);
  void finish(const FrameContext& c);

  sourcesettings source_;  // main thread only
  std::atomic<int32_t> request_{0};
  Relaxed<int64_t> stagedstart_;
  Relaxed<int64_t> stagedplaypos_;
  Relaxed<int64_t> stagedposition_;
  Relaxed<int32_t> stagedclock_;
};
