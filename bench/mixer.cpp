// The mixer's hot path: 256 looping voices with an envelope and two LFOs, rendered in
// 4096-frame requests through the output device's request, once dry and once with
// sends into all eight effect buses; beside them the same voices through OpenAL Soft's
// loopback device with linear resampling. OpenAL Soft dithers and limits 16-bit output
// by default, which this mixer does not do, so both are off for it: the limiter through
// the context's attributes, dithering through a configuration file of our own (which
// also keeps it from reading the user's). Prints the voices each path renders per
// second of CPU (voices that would play in real time), the dry path's rate against
// OpenAL Soft's, and the effect path's cost against the dry path's.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <atomic>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <map>
#include <string>
#include <vector>

#include "audio/audiodevice.h"
#include "audio/lfofunction.h"
#include "audio/mixer.h"
#include "audio/modulation.h"
#include "audio/soundrecord.h"
#include "audio/voice.h"
#include "platform/numbers.h"
#include "../tests/platform/tempfolder.h"

#ifdef QUILLON_HAVE_OPENAL
#include <AL/al.h>
#include <AL/alc.h>
#include <AL/alext.h>
#endif

namespace {

constexpr int kVoices = 256;
constexpr int kRequestFrames = 4096;
constexpr int kHertz = 44100;
constexpr int kRecords = 8;
constexpr double kPi = 3.14159265358979323846;

// Rendered time drives the clock, so envelopes and LFOs move as they would in play.
std::atomic<int64_t> renderedframes{0};
int benchclock() { return static_cast<int>(1000 + renderedframes.load() * 1000 / kHertz); }
void advance() { renderedframes += kRequestFrames; }

// A one-second looping tone with a few harmonics, distinct per record.
std::vector<int16_t> tone(int record) {
  std::vector<int16_t> frames(kHertz);
  const double cycles = 110.0 * (1 + record);
  for (int i = 0; i < kHertz; ++i) {
    const double t = static_cast<double>(i) / kHertz;
    const double x = std::sin(2 * kPi * cycles * t) * 0.6 + std::sin(4 * kPi * cycles * t) * 0.2;
    frames[static_cast<size_t>(i)] = static_cast<int16_t>(x * 12000);
  }
  return frames;
}

// A request that carries sound: the benchmark must not time silence.
bool sounding(const int16_t* out) {
  int loud = 0;
  for (int i = 0; out && i < 2 * kRequestFrames; ++i) loud += out[i] != 0;
  return loud > kRequestFrames;
}

double voicerate(int v) { return 0.5 + 1.5 * static_cast<double>(v) / kVoices; }
double voicepan(int v) { return static_cast<double>(v % 17) / 8.0 - 1.0; }

class MixerScene {
 public:
  explicit MixerScene(bool effects) {
    SetTestClock(benchclock);
    for (int n = 0; n < kLfoFunctionSize; ++n) {
      lfofunction[0][n] = static_cast<int>(1000 * std::sin(2 * kPi * n / kLfoFunctionSize));
      lfofunction[1][n] = n < 500 ? 4 * n - 1000 : 3000 - 4 * n;
    }
    device_.prepare();
    mixer& mx = *device_.mixer;
    for (int r = 0; r < kRecords; ++r) {
      std::vector<int16_t> frames = tone(r);
      sample* s = sample::create(kHertz, 16, 1, kHertz, frames.data(), 1);
      s->setdadsr(0, 0, 40, 300, 3000, 200);
      s->setmodmatrix(kRowEnvelope, kColumnAmp, 1);  // envelope 0 shapes the volume
      s->setlfowave(0, 0);
      s->setlfohertzrate(0, 5000);
      s->setlfoscale(0, 0.02f);
      s->setmodmatrix(0, kColumnPitch, 1);  // a sine vibrato
      s->setlfowave(1, 1);
      s->setlfohertzrate(1, 700);
      s->setlfoscale(1, 0.5f);
      s->setmodmatrix(1, kColumnPan, 1);  // a slow triangle on the pan
      records_.push_back(s);
    }
    for (int v = 0; v < kVoices; ++v) {
      sound* source = mx.allocsound(nullptr);
      source->setrate(static_cast<int>(voicerate(v) * 65536));
      source->setvolume(4096 / 16);
      source->setpan(static_cast<int>(voicepan(v) * 4096));
      if (effects) source->setfxmixvalues({30, 30, 30, 30, 30, 30, 30, 30, 1000});
      mx.play(records_[static_cast<size_t>(v % kRecords)], source, kStatusLooped);
    }
    request();  // the first request clears the buses; settings follow it
    if (effects) {
      DelayFX& fx = mx.fx;
      fx.setparameter(kFxSwitchId, 0, 1);
      fx.mode = 0;
      for (int b = 0; b < kBuses; ++b) {
        for (int side : {0, 100}) {
          fx.setparameter(side + 2, b, 100);
          fx.setparameter(side + 8, b, 100);
          fx.setparameter(side + 7, b, 50);
          fx.setparameter(side + 6, b, 1000 + 1234 * b + side);
          fx.setparameter(side + 1, b, 30);
          fx.setparameter(side + 3, b, 30);
          fx.setparameter(side + 4, b, 400);
          fx.setparameter(side + 5, b, 500 + 100 * b + side);
        }
        fx.setparameter(201, b, 10);
        fx.setparameter(202, b, 20);
      }
    }
    while (device_.warmup < kWarmupRequests) request();
  }

  ~MixerScene() {
    device_.mixer.reset();
    for (sample* s : records_) s->free();
    SetTestClock(nullptr);
  }

  const int16_t* request() {
    int frames = kRequestFrames;
    audiobuffer served;
    device_.read(frames, served);
    advance();
    return served.data;
  }

  int playing() const { return device_.mixer->playingcount(); }

 private:
  coreaudio device_;
  std::vector<sample*> records_;
};

void render(benchmark::State& state, bool effects) {
  MixerScene scene(effects);
  if (scene.playing() != kVoices || !sounding(scene.request())) state.SkipWithError("voices missing or silent");
  for (auto _ : state) benchmark::DoNotOptimize(scene.request());
  state.counters["voices"] = kVoices;
}

void BM_MixerDry(benchmark::State& state) { render(state, false); }
void BM_MixerEffectBuses(benchmark::State& state) { render(state, true); }
// Each path runs several rounds, in random order with the others (see main), and the
// ratios take each path's median round: a slow spell of the machine then touches every
// path alike instead of whichever ran during it.
constexpr int kRounds = 7;
BENCHMARK(BM_MixerDry)->Unit(benchmark::kMillisecond)->Repetitions(kRounds)->DisplayAggregatesOnly(true);
BENCHMARK(BM_MixerEffectBuses)->Unit(benchmark::kMillisecond)->Repetitions(kRounds)->DisplayAggregatesOnly(true);

#ifdef QUILLON_HAVE_OPENAL

// The same voices on OpenAL Soft's loopback device: mono 16-bit looping buffers, each
// source at its rate and pan, with its gain and pitch moved once a request as the
// mixer's envelope and vibrato move them.
class OpenAlScene {
 public:
  OpenAlScene() {
    if (!alcIsExtensionPresent(nullptr, "ALC_SOFT_loopback")) return;
    auto open = reinterpret_cast<LPALCLOOPBACKOPENDEVICESOFT>(alcGetProcAddress(nullptr, "alcLoopbackOpenDeviceSOFT"));
    render_ = reinterpret_cast<LPALCRENDERSAMPLESSOFT>(alcGetProcAddress(nullptr, "alcRenderSamplesSOFT"));
    if (!open || !render_) return;
    device_ = open(nullptr);
    if (!device_) return;
    const ALCint attributes[] = {ALC_FORMAT_CHANNELS_SOFT, ALC_STEREO_SOFT, ALC_FORMAT_TYPE_SOFT, ALC_SHORT_SOFT,
                                 ALC_FREQUENCY, kHertz, ALC_MONO_SOURCES, kVoices, ALC_STEREO_SOURCES, 0,
                                 ALC_HRTF_SOFT, ALC_FALSE, ALC_OUTPUT_LIMITER_SOFT, ALC_FALSE, 0};
    context_ = alcCreateContext(device_, attributes);
    if (!context_ || !alcMakeContextCurrent(context_)) return;
    ALint linear = -1;
    if (alIsExtensionPresent("AL_SOFT_source_resampler")) {
      auto name = reinterpret_cast<LPALGETSTRINGISOFT>(alGetProcAddress("alGetStringiSOFT"));
      const ALint count = alGetInteger(AL_NUM_RESAMPLERS_SOFT);
      for (ALint i = 0; name && i < count; ++i)
        if (std::string(name(AL_RESAMPLER_NAME_SOFT, i)) == "Linear") linear = i;
    }
    if (linear < 0) return;
    buffers_.resize(kRecords);
    alGenBuffers(kRecords, buffers_.data());
    for (int r = 0; r < kRecords; ++r) {
      const std::vector<int16_t> frames = tone(r);
      alBufferData(buffers_[static_cast<size_t>(r)], AL_FORMAT_MONO16, frames.data(),
                   static_cast<ALsizei>(frames.size() * 2), kHertz);
    }
    sources_.resize(kVoices);
    alGenSources(kVoices, sources_.data());
    if (alGetError() != AL_NO_ERROR) return;
    for (int v = 0; v < kVoices; ++v) {
      const ALuint s = sources_[static_cast<size_t>(v)];
      alSourcei(s, AL_BUFFER, static_cast<ALint>(buffers_[static_cast<size_t>(v % kRecords)]));
      alSourcei(s, AL_LOOPING, AL_TRUE);
      alSourcei(s, AL_SOURCE_RELATIVE, AL_TRUE);
      alSourcei(s, AL_SOURCE_RESAMPLER_SOFT, linear);
      const double x = voicepan(v);
      alSource3f(s, AL_POSITION, static_cast<float>(x), 0.0f, static_cast<float>(-std::sqrt(1.0 - x * x)));
      alSourcef(s, AL_PITCH, static_cast<float>(voicerate(v)));
      alSourcef(s, AL_GAIN, 0.0f);
    }
    alSourcePlayv(kVoices, sources_.data());
    output_.resize(2 * kRequestFrames);
    if (alGetError() != AL_NO_ERROR) return;
    ready_ = true;
    // Silent sources render to zeros unless dither noise is added.
    ALCint limiter = ALC_TRUE;
    alcGetIntegerv(device_, ALC_OUTPUT_LIMITER_SOFT, 1, &limiter);
    render_(device_, output_.data(), kRequestFrames);
    fair_ = limiter == ALC_FALSE && std::all_of(output_.begin(), output_.end(), [](int16_t v) { return v == 0; });
  }

  ~OpenAlScene() {
    if (!sources_.empty()) alDeleteSources(kVoices, sources_.data());
    if (!buffers_.empty()) alDeleteBuffers(kRecords, buffers_.data());
    alcMakeContextCurrent(nullptr);
    if (context_) alcDestroyContext(context_);
    if (device_) alcCloseDevice(device_);
  }

  bool ready() const { return ready_; }
  bool fair() const { return fair_; }

  const int16_t* request() {
    const double t = static_cast<double>(frames_) / kHertz;
    const double envelope = t < 0.04 ? t / 0.04 : t < 0.34 ? 1.0 - (1.0 - 3000.0 / 4096) * (t - 0.04) / 0.3 : 3000.0 / 4096;
    const double vibrato = 1.0 + 0.02 * 16 * std::sin(2 * kPi * 5 * t) / kHertz * 1000;
    for (int v = 0; v < kVoices; ++v) {
      const ALuint s = sources_[static_cast<size_t>(v)];
      alSourcef(s, AL_GAIN, static_cast<float>(envelope / 16));
      alSourcef(s, AL_PITCH, static_cast<float>(voicerate(v) * vibrato));
    }
    render_(device_, output_.data(), kRequestFrames);
    frames_ += kRequestFrames;
    return output_.data();
  }

  int playing() const {
    int count = 0;
    for (ALuint s : sources_) {
      ALint state = 0;
      alGetSourcei(s, AL_SOURCE_STATE, &state);
      if (state == AL_PLAYING) ++count;
    }
    return count;
  }

 private:
  ALCdevice* device_ = nullptr;
  ALCcontext* context_ = nullptr;
  LPALCRENDERSAMPLESSOFT render_ = nullptr;
  std::vector<ALuint> buffers_;
  std::vector<ALuint> sources_;
  std::vector<int16_t> output_;
  int64_t frames_ = 0;
  bool ready_ = false;
  bool fair_ = false;
};

// OpenAL Soft reads its configuration on its first call: from here only, dithering off.
void configurefairpeer(const TempFolder& folder) {
  if (folder.path().empty()) return;
  std::ofstream(folder / "alsoft.conf") << "[general]\ndither = false\n";
  setenv("XDG_CONFIG_HOME", folder.path().c_str(), 1);
  setenv("HOME", folder.path().c_str(), 1);
}

void BM_OpenAlSoftLoopback(benchmark::State& state) {
  OpenAlScene scene;
  if (!scene.ready()) {
    state.SkipWithError("OpenAL Soft's loopback device or its linear resampler is not available");
    return;
  }
  if (!scene.fair()) {
    state.SkipWithError("OpenAL Soft still dithers or limits its output");
    return;
  }
  for (int r = 0; r < kWarmupRequests; ++r) scene.request();
  if (scene.playing() != kVoices || !sounding(scene.request())) state.SkipWithError("sources not playing");
  for (auto _ : state) benchmark::DoNotOptimize(scene.request());
  state.counters["voices"] = kVoices;
}
BENCHMARK(BM_OpenAlSoftLoopback)->Unit(benchmark::kMillisecond)->Repetitions(kRounds)->DisplayAggregatesOnly(true);

#endif

// The console report, plus the voices per second of CPU of each path and the ratios.
class RatioReporter : public benchmark::ConsoleReporter {
 public:
  void ReportRuns(const std::vector<Run>& runs) override {
    for (const Run& run : runs) {
      if (run.run_type != Run::RT_Aggregate || run.aggregate_name != "median" || run.error_occurred) continue;
      const double cpu = run.GetAdjustedCPUTime() / benchmark::GetTimeUnitMultiplier(run.time_unit);
      if (cpu > 0) rates_[run.run_name.function_name] = kVoices * (static_cast<double>(kRequestFrames) / kHertz) / cpu;
    }
    ConsoleReporter::ReportRuns(runs);
  }

  void Summary() const {
    for (const auto& [name, rate] : rates_) std::printf("%-24s %10.0f voices rendered per second of CPU\n", name.c_str(), rate);
    const auto openal = rates_.find("BM_OpenAlSoftLoopback");
    const auto dry = rates_.find("BM_MixerDry");
    const auto effects = rates_.find("BM_MixerEffectBuses");
    if (dry != rates_.end()) {
      if (openal == rates_.end())
        std::printf("BM_MixerDry: no OpenAL Soft result to compare with\n");
      else
        std::printf("ratio BM_MixerDry / OpenAL Soft: %.2f\n", dry->second / openal->second);
    }
    // The cost of a voice on the effect path against the dry path: CPU time per request.
    if (dry != rates_.end() && effects != rates_.end())
      std::printf("ratio BM_MixerEffectBuses / BM_MixerDry cost: %.2f\n", dry->second / effects->second);
    std::fflush(stdout);
  }

 private:
  std::map<std::string, double> rates_;
};

}  // namespace

int main(int argc, char** argv) {
  // Rounds in random order unless the command line says otherwise (a later flag wins).
  std::vector<char*> args(argv, argv + argc);
  std::string interleave = "--benchmark_enable_random_interleaving=true";
  args.insert(args.begin() + 1, interleave.data());
  argc = static_cast<int>(args.size());
  argv = args.data();
  benchmark::Initialize(&argc, argv);
  if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
#ifdef QUILLON_HAVE_OPENAL
  TempFolder peerconfig;
  configurefairpeer(peerconfig);
#endif
  RatioReporter reporter;
  benchmark::RunSpecifiedBenchmarks(&reporter);
  reporter.Summary();
  benchmark::Shutdown();
  return 0;
}
