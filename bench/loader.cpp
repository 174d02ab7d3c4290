// Loading a large sample file: a 100 MB 16-bit stereo WAV and a 100 MB 16-bit AIFF at
// 44100 Hz, each read into a new sample by the reader that LoadTemp picks for its
// extension (LoadWav, LoadAif); by libsndfile, sf_readf_short of the whole file into a
// buffer made the ordinary way (and, to compare the reading alone, into one made like
// the loader's own); and the same number of bytes copied with memcpy into a new buffer
// made like the loader's. LoadTemp as a whole, which also makes the engine sound and
// the overview, is measured beside them. Prints MB/s of each (bytes of sample data per
// second of CPU) and the ratios of the readers to libsndfile and to memcpy.
#include <benchmark/benchmark.h>
#include <unistd.h>

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "audio/driverregistry.h"
#include "audio/mixerdriver.h"
#include "samplefiles/fillablesample.h"
#include "samplefiles/soundio.h"

#ifdef QUILLON_HAVE_SNDFILE
#include <sndfile.h>
#endif

namespace {

constexpr int kHertz = 44100;
constexpr int64_t kFrames = 25000000;       // 16-bit stereo
constexpr int64_t kDataBytes = kFrames * 4;  // 100 MB
constexpr int64_t kBlock = 1 << 20;

// Byte by byte: GCC 12 warns falsely of an overflow on a range insert into an empty vector.
void Put(std::vector<uint8_t>& out, const char* text) {
  for (int i = 0; i < 4; ++i) out.push_back(static_cast<uint8_t>(text[i]));
}
void PutLE(std::vector<uint8_t>& out, uint32_t value, int bytes) {
  for (int i = 0; i < bytes; ++i) out.push_back(static_cast<uint8_t>(value >> (8 * i)));
}
void PutBE(std::vector<uint8_t>& out, uint32_t value, int bytes) {
  for (int i = bytes - 1; i >= 0; --i) out.push_back(static_cast<uint8_t>(value >> (8 * i)));
}

std::vector<uint8_t> WavHeader() {
  std::vector<uint8_t> h;
  Put(h, "RIFF");
  PutLE(h, static_cast<uint32_t>(36 + kDataBytes), 4);
  Put(h, "WAVE");
  Put(h, "fmt ");
  PutLE(h, 16, 4);
  PutLE(h, 1, 2);
  PutLE(h, 2, 2);
  PutLE(h, kHertz, 4);
  PutLE(h, kHertz * 4, 4);
  PutLE(h, 4, 2);
  PutLE(h, 16, 2);
  Put(h, "data");
  PutLE(h, static_cast<uint32_t>(kDataBytes), 4);
  return h;
}

std::vector<uint8_t> AiffHeader() {
  std::vector<uint8_t> h;
  Put(h, "FORM");
  PutBE(h, static_cast<uint32_t>(4 + 26 + 16 + kDataBytes), 4);
  Put(h, "AIFF");
  Put(h, "COMM");
  PutBE(h, 18, 4);
  PutBE(h, 2, 2);
  PutBE(h, static_cast<uint32_t>(kFrames), 4);
  PutBE(h, 16, 2);
  PutBE(h, 0x400EAC44, 4);  // 44100 as an 80-bit extended value
  PutBE(h, 0, 4);
  PutBE(h, 0, 2);
  Put(h, "SSND");
  PutBE(h, static_cast<uint32_t>(8 + kDataBytes), 4);
  PutBE(h, 0, 4);
  PutBE(h, 0, 4);
  return h;
}

// The two files in a temporary folder, written once and removed at exit.
class Files {
 public:
  Files() {
    char pattern[] = "/tmp/quillon-loader-XXXXXX";
    if (!mkdtemp(pattern)) return;
    folder_ = pattern;
    wav = folder_ + "/bench.wav";
    aiff = folder_ + "/bench.aif";
    // A noise of values of every size, the same bytes in both files.
    std::vector<uint8_t> block(static_cast<size_t>(kBlock));
    uint32_t seed = 12345;
    for (uint8_t& b : block) {
      seed = seed * 1664525u + 1013904223u;
      b = static_cast<uint8_t>(seed >> 24);
    }
    ok = Write(wav, WavHeader(), block) && Write(aiff, AiffHeader(), block);
  }
  ~Files() {
    if (!wav.empty()) std::remove(wav.c_str());
    if (!aiff.empty()) std::remove(aiff.c_str());
    if (!folder_.empty()) rmdir(folder_.c_str());
  }

  std::string wav, aiff;
  bool ok = false;

 private:
  static bool Write(const std::string& path, const std::vector<uint8_t>& header, const std::vector<uint8_t>& block) {
    std::FILE* file = std::fopen(path.c_str(), "wb");
    if (!file) return false;
    bool written = std::fwrite(header.data(), 1, header.size(), file) == header.size();
    for (int64_t at = 0; written && at < kDataBytes; at += kBlock)
      written = std::fwrite(block.data(), 1, static_cast<size_t>(std::min(kBlock, kDataBytes - at)), file) ==
                static_cast<size_t>(std::min(kBlock, kDataBytes - at));
    // On disk before the timing starts, so that no write-back competes with the reads.
    written = written && std::fflush(file) == 0 && fdatasync(fileno(file)) == 0;
    return std::fclose(file) == 0 && written;
  }

  std::string folder_;
};

Files& TheFiles() {
  static Files files;
  return files;
}

bool FilesReady(benchmark::State& state) {
  if (TheFiles().ok) return true;
  state.SkipWithError("the files could not be written");
  return false;
}

// The reader LoadTemp picks for the file's extension, into TempSample.
void Reader(benchmark::State& state, const std::string& path, int (TSoundIO::*read)(const std::string&)) {
  if (!FilesReady(state)) return;
  TSoundIO io;
  for (auto _ : state) {
    if ((io.*read)(path) != 1 || io.GetLength() != kFrames) {
      state.SkipWithError("the reader did not load the file");
      return;
    }
  }
  state.SetBytesProcessed(state.iterations() * kDataBytes);
}

// LoadTemp itself: the reader, then the engine sound (the mixer's own copy) and the overview.
void LoadTemp(benchmark::State& state, const std::string& path) {
  if (!FilesReady(state)) return;
  TSoundIO io;
  for (auto _ : state) {
    io.TempSound = "";
    io.OldTempSound = "";
    if (io.LoadTemp(path) != 1 || io.GetLength() != kFrames) {
      state.SkipWithError("LoadTemp did not load the file");
      return;
    }
  }
  state.SetBytesProcessed(state.iterations() * kDataBytes);
}

#ifdef QUILLON_HAVE_SNDFILE
// sf_readf_short of the whole file into a buffer that a caller of libsndfile makes in
// the ordinary way, or into one made like the loader's own.
void LibSndFile(benchmark::State& state, const std::string& path, bool likeTheLoader) {
  if (!FilesReady(state)) return;
  for (auto _ : state) {
    SF_INFO info{};
    SNDFILE* file = sf_open(path.c_str(), SFM_READ, &info);
    if (!file || info.frames != kFrames || info.channels != 2) {
      if (file) sf_close(file);
      state.SkipWithError("libsndfile did not open the file");
      return;
    }
    std::unique_ptr<short[]> ordinary;
    std::shared_ptr<TAudioSample> fillable;
    short* values = nullptr;
    if (likeTheLoader) {
      fillable = CreateFillableSample(kFrames, TSoundIO::SF_STEREO16);
      if (fillable) values = fillable->Values16();
    } else {
      ordinary.reset(new short[static_cast<size_t>(kFrames * 2)]);
      values = ordinary.get();
    }
    const sf_count_t got = values ? sf_readf_short(file, values, info.frames) : 0;
    sf_close(file);
    if (got != kFrames) {
      state.SkipWithError("libsndfile did not read the whole file");
      return;
    }
    benchmark::DoNotOptimize(values);
  }
  state.SetBytesProcessed(state.iterations() * kDataBytes);
}
#endif

// The same bytes copied into a new buffer made like the loader's own.
void BM_Memcpy(benchmark::State& state) {
  const std::vector<uint8_t> source(static_cast<size_t>(kDataBytes), 0x5A);
  for (auto _ : state) {
    std::shared_ptr<TAudioSample> copy = CreateFillableSample(kFrames, TSoundIO::SF_STEREO16);
    if (!copy) {
      state.SkipWithError("no memory for the copy");
      return;
    }
    std::memcpy(copy->samples, source.data(), source.size());
    benchmark::DoNotOptimize(copy->samples);
  }
  state.SetBytesProcessed(state.iterations() * kDataBytes);
}

void BM_WavLoader(benchmark::State& state) { Reader(state, TheFiles().wav, &TSoundIO::LoadWav); }
void BM_WavLoadTemp(benchmark::State& state) { LoadTemp(state, TheFiles().wav); }
void BM_AiffLoader(benchmark::State& state) { Reader(state, TheFiles().aiff, &TSoundIO::LoadAif); }
void BM_AiffLoadTemp(benchmark::State& state) { LoadTemp(state, TheFiles().aiff); }
BENCHMARK(BM_WavLoader)->Unit(benchmark::kMillisecond);
#ifdef QUILLON_HAVE_SNDFILE
void BM_WavLibsndfile(benchmark::State& state) { LibSndFile(state, TheFiles().wav, false); }
void BM_WavLibsndfileLikeTheLoader(benchmark::State& state) { LibSndFile(state, TheFiles().wav, true); }
BENCHMARK(BM_WavLibsndfile)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_WavLibsndfileLikeTheLoader)->Unit(benchmark::kMillisecond);
#endif
BENCHMARK(BM_WavLoadTemp)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_AiffLoader)->Unit(benchmark::kMillisecond);
#ifdef QUILLON_HAVE_SNDFILE
void BM_AiffLibsndfile(benchmark::State& state) { LibSndFile(state, TheFiles().aiff, false); }
void BM_AiffLibsndfileLikeTheLoader(benchmark::State& state) { LibSndFile(state, TheFiles().aiff, true); }
BENCHMARK(BM_AiffLibsndfile)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_AiffLibsndfileLikeTheLoader)->Unit(benchmark::kMillisecond);
#endif
BENCHMARK(BM_AiffLoadTemp)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Memcpy)->Unit(benchmark::kMillisecond);

// The console report, then MB/s of each path and the ratios.
class RatioReporter : public benchmark::ConsoleReporter {
 public:
  void ReportRuns(const std::vector<Run>& runs) override {
    for (const Run& run : runs) {
      if (run.run_type != Run::RT_Iteration || run.error_occurred || run.iterations == 0) continue;
      // CPU time, the calling process's: steadier than wall time on a shared machine.
      const double seconds = run.cpu_accumulated_time / static_cast<double>(run.iterations);
      if (seconds > 0) rates_[run.run_name.function_name] = static_cast<double>(kDataBytes) / 1e6 / seconds;
    }
    ConsoleReporter::ReportRuns(runs);
  }

  void Summary() const {
    const struct {
      const char* name;
      const char* label;
    } paths[] = {{"BM_WavLoader", "wav loader"},
                 {"BM_WavLibsndfile", "wav libsndfile"},
                 {"BM_WavLibsndfileLikeTheLoader", "wav libsndfile into a buffer like the loader's"},
                 {"BM_WavLoadTemp", "wav LoadTemp with the engine sound"},
                 {"BM_AiffLoader", "aiff loader"},
                 {"BM_AiffLibsndfile", "aiff libsndfile"},
                 {"BM_AiffLibsndfileLikeTheLoader", "aiff libsndfile into a buffer like the loader's"},
                 {"BM_AiffLoadTemp", "aiff LoadTemp with the engine sound"},
                 {"BM_Memcpy", "memcpy"}};
    for (const auto& path : paths) {
      const auto rate = rates_.find(path.name);
      if (rate != rates_.end()) std::printf("%s: %.0f MB/s\n", path.label, rate->second);
    }
    Ratio("wav loader / libsndfile", "BM_WavLoader", "BM_WavLibsndfile");
    Ratio("wav loader / memcpy", "BM_WavLoader", "BM_Memcpy");
    Ratio("aiff loader / libsndfile", "BM_AiffLoader", "BM_AiffLibsndfile");
    Ratio("aiff loader / memcpy", "BM_AiffLoader", "BM_Memcpy");
    std::fflush(stdout);
  }

 private:
  void Ratio(const char* label, const char* ours, const char* reference) const {
    const auto a = rates_.find(ours);
    const auto b = rates_.find(reference);
    if (a == rates_.end() || b == rates_.end())
      std::printf("%s: no result to compare\n", label);
    else
      std::printf("%s: %.2f\n", label, a->second / b->second);
  }

  std::map<std::string, double> rates_;
};

}  // namespace

int main(int argc, char** argv) {
  benchmark::Initialize(&argc, argv);
  if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
  // The mixer's driver on SDL's silent output, so that every run makes the engine
  // sound the same way, with or without a sound card.
  setenv("SDL_AUDIODRIVER", "dummy", 0);
  InitAudioDrivers();
  InitSoftMixDrivers();
  TheFiles();
  RatioReporter reporter;
  benchmark::RunSpecifiedBenchmarks(&reporter);
  reporter.Summary();
  benchmark::Shutdown();
  ShutdownAudioDriver();
  return 0;
}
