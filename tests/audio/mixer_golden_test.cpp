// Golden checksums of the output device's served buffers over fixed scenes: every
// sample format, loops, rates up to the step limit, ramps, start delays and play
// windows, wavetables, the envelopes, LFO shapes, matrix destinations and rotor, and
// the eight buses in every routing mode. The values were taken from the render before
// its frame loops were reshaped for speed; a single changed sample changes a checksum.
// Each scene runs on every vector path the processor has.
#include <gtest/gtest.h>

#include <algorithm>
#include <atomic>
#include <cstdint>
#include <functional>
#include <string>
#include <tuple>
#include <vector>

#include "audio/audiodevice.h"
#include "audio/lfofunction.h"
#include "audio/mixer.h"
#include "audio/modulation.h"
#include "audio/soundrecord.h"
#include "audio/vectorpath.h"
#include "audio/voice.h"
#include "platform/numbers.h"

namespace {

constexpr int kHertz = 44100;

// The scene's world: the device, its records and channels, and a clock that follows
// the rendered frames (1000 ms at the first request).
class Stage {
 public:
  static inline std::atomic<int64_t> frames{0};
  static int clock() { return static_cast<int>(1000 + frames.load() * 1000 / kHertz); }

  explicit Stage(VectorPath path) {
    frames = 0;
    SetTestClock(clock);
    // Integer shapes, so the tables do not depend on a maths library.
    for (int n = 0; n < kLfoFunctionSize; ++n) {
      lfofunction[0][n] = n < 500 ? 4 * n - 1000 : 3000 - 4 * n;
      lfofunction[1][n] = n < 250 ? 4 * n : n < 750 ? 2000 - 4 * n : 4 * n - 4000;
      lfofunction[2][n] = n < 500 ? 2 * n : 2 * n - 2000;
      lfofunction[3][n] = n < 500 ? -2 * n : 2000 - 2 * n;
      lfofunction[4][n] = n < 500 ? 1000 : -1000;
      lfofunction[5][n] = n * (1000 - n) / 125 - 1000;
      lfofunction[6][n] = 1000 - n * (1000 - n) / 125;
      lfofunction[7][n] = n < 250 ? 8 * n - 1000 : 1000;
      lfofunction[8][n] = n < 250 ? 1000 - 8 * n : -1000;
      lfofunction[9][n] = (n * 37) % 2001 - 1000;
    }
    device.prepare();
    mx().usepath(path);
  }

  ~Stage() {
    for (sample* s : records_) s->free();
    SetTestClock(nullptr);
  }

  mixer& mx() { return *device.mixer; }

  // A bright, loud record: a triangle with a pseudo-random edge and a few full-scale
  // values, so interpolation and the gains meet the whole 16-bit (or 8-bit) range.
  sample* record(int bits, int channels, int count, int loop, uint32_t seed, int hertz = kHertz) {
    const int values = count * channels;
    uint32_t x = seed * 2654435761u + 1;
    const int period = 40 + static_cast<int>(seed % 7) * 13;
    std::vector<int16_t> v16(static_cast<size_t>(values));
    std::vector<uint8_t> v8(static_cast<size_t>(values));
    for (int i = 0; i < values; ++i) {
      x = x * 1664525u + 1013904223u;
      const int phase = (i / channels) % period;
      const int triangle = (phase < period / 2 ? phase : period - phase) * 40000 / period - 10000;
      int value = triangle + static_cast<int>((x >> 16) % 9001) - 4500 + (i % channels) * 3000;
      if (i % 97 == 13) value = 32767;
      if (i % 89 == 7) value = -32768;
      v16[static_cast<size_t>(i)] = static_cast<int16_t>(std::clamp(value, -32768, 32767));
      v8[static_cast<size_t>(i)] = static_cast<uint8_t>((std::clamp(value, -32768, 32767) + 32768) >> 8);
    }
    void* data = bits == 8 ? static_cast<void*>(v8.data()) : static_cast<void*>(v16.data());
    sample* s = sample::create(count, bits, channels, hertz, data, loop);
    records_.push_back(s);
    return s;
  }

  // A channel's settings: rate as a factor, volume 4096 = full, pan -4096..4096.
  sound* channel(double rate, int volume, int pan, std::array<int, kFxSends> sends = {0, 0, 0, 0, 0, 0, 0, 0, 1000}) {
    sound* c = mx().allocsound(nullptr);
    c->setrate(static_cast<int>(rate * 65536));
    c->setvolume(volume);
    c->setpan(pan);
    c->setfxmixvalues(sends);
    return c;
  }

  sound* play(sample* s, sound* source) {
    return mx().play(s, source, s->loopmode != 0 ? kStatusLooped : kStatusOneShot);
  }

  void fx(int id, int bus, int value) { mx().fx.setparameter(id, bus, value); }

  // Serves requests of the given frame counts, calls between(k) before request k, and
  // folds every served buffer into one FNV-1a checksum.
  uint64_t render(const std::vector<int>& sizes) {
    uint64_t hash = 14695981039346656037ull;
    for (size_t k = 0; k < sizes.size(); ++k) {
      if (between) between(static_cast<int>(k));
      int count = sizes[k];
      audiobuffer served;
      device.read(count, served);
      for (int i = 0; i < count * 2; ++i) {
        const auto value = static_cast<uint16_t>(served.data[i]);
        loud += value != 0;
        for (int byte : {value & 0xFF, value >> 8}) hash = (hash ^ static_cast<uint64_t>(byte)) * 1099511628211ull;
      }
      frames += count;
    }
    return hash;
  }

  std::function<void(int)> between;
  int loud = 0;
  coreaudio device;

 private:
  std::vector<sample*> records_;
};

// Request sizes that put buffer ends at odd places: whole, short, single frames.
const std::vector<int> kMixed = {4096, 1000, 4096, 37, 2048, 4096, 512, 4096, 1, 3000, 4096, 777};

std::vector<int> repeated(int count, int frames) { return std::vector<int>(static_cast<size_t>(count), frames); }

std::vector<int> concat(std::vector<int> a, const std::vector<int>& b) {
  a.insert(a.end(), b.begin(), b.end());
  return a;
}

// ---- Scenes ----

std::vector<int> formats(Stage& st) {
  int seed = 1;
  for (int bits : {8, 16})
    for (int channels : {1, 2})
      for (int loop : {0, 1}) {
        sample* s = st.record(bits, channels, 9000, loop, static_cast<uint32_t>(seed));
        if (loop) {
          s->setloopstart(500 + 100 * seed);
          s->setlooplength(1700 + 31 * seed);
        }
        st.play(s, st.channel(0.45 + 0.17 * seed, 900 + 150 * seed, -3000 + 800 * seed));
        ++seed;
      }
  return kMixed;
}

std::vector<int> rates(Stage& st) {
  struct Voice { int bits, channels, hertz, tuning; double rate; };
  const Voice voices[] = {
      {16, 1, 44100, 0, 0.25},  {16, 1, 44100, 0, 0.999},  {16, 2, 44100, 0, 1.0},   {8, 1, 44100, 0, 1.0001},
      {8, 2, 22050, 0, 3.7},    {16, 1, 48000, 300, 30.0}, {16, 2, 44100, 0, 40.0},  {8, 1, 11025, -20000, 1.0},
      {16, 1, 96000, -17, 1.3}, {8, 2, 32000, 0, 0.0},     {16, 1, 44100, 0, 0.003},
  };
  int k = 0;
  for (const Voice& v : voices) {
    sample* s = st.record(v.bits, v.channels, 5000 + 333 * k, 1, static_cast<uint32_t>(20 + k), v.hertz);
    s->tuning = v.tuning;
    s->setloopstart(100 * k);
    s->setlooplength(4000 - 97 * k);
    st.play(s, st.channel(v.rate, 700, 4096 - 800 * k));
    ++k;
  }
  return kMixed;
}

std::vector<int> ramps(Stage& st) {
  std::vector<sound*> voices;
  for (int k = 0; k < 6; ++k) {
    sample* s = st.record(k % 2 ? 8 : 16, 1 + k % 3 / 2, 7000, 1, static_cast<uint32_t>(40 + k));
    s->setloopstart(1000);
    s->setlooplength(5000);
    voices.push_back(st.play(s, st.channel(0.8 + 0.1 * k, 2000, 0)));
  }
  st.between = [voices](int request) {
    for (size_t k = 0; k < voices.size(); ++k) {
      sound* v = voices[k];
      const int phase = (request + static_cast<int>(k)) % 5;
      v->setvolume(phase == 0 ? 0 : phase == 1 ? 9000 : phase == 2 ? 4096 : phase == 3 ? 1500 : 1500);
      v->setpan(phase == 4 ? -4096 : 4096 - 1900 * phase);
      v->setrate(static_cast<int>((0.5 + 0.3 * ((request * 3 + static_cast<int>(k)) % 7)) * 65536));
    }
  };
  return concat(kMixed, kMixed);
}

std::vector<int> delaysandwindows(Stage& st) {
  std::vector<sample*> records;
  for (int k = 0; k < 4; ++k) records.push_back(st.record(16 - 8 * (k % 2), 1 + k / 2, 6000, k % 3 == 0 ? 0 : 1, static_cast<uint32_t>(60 + k)));
  const int delays[] = {0, 50, 130, 7};
  std::vector<sound*> first;
  for (int k = 0; k < 4; ++k) {
    sound* c = st.channel(1.0 + 0.25 * k, 3000, 1000 * k - 1500);
    c->setstartdelay(delays[k]);
    c->playstart = 300 + 51 * k;
    c->playend = k == 3 ? -1 : 5000 + 1111 * k;
    first.push_back(st.play(records[static_cast<size_t>(k)], c));
  }
  std::vector<sound*> later;
  st.between = [&st, records, first, later](int request) mutable {
    if (request == 4) {
      // A restart starts again from the source's settings, not from the voice's own.
      for (sound* v : {first[1], first[3]}) {
        v->setstartdelay(400);
        v->playend = 90;
        v->restart();
      }
    }
    if (request == 2 || request == 5) {
      for (int k = 0; k < 4; ++k) {
        sound* c = st.channel(0.7 + 0.2 * k, 2500, -2000 + 900 * k);
        c->setstartdelay(request * 11 * k);
        if (k == 1) c->playend = 777;
        later.push_back(st.play(records[static_cast<size_t>(k)], c));
      }
    }
    if (request == 7 && !later.empty()) later.front()->stop();
  };
  return kMixed;
}

// Eight 256-frame waves; step sequences, PPG and plain wavetables, mono and stereo.
std::vector<int> wavetables(Stage& st) {
  for (int k = 0; k < 6; ++k) {
    const int channels = k % 3 == 2 ? 2 : 1;
    sample* s = st.record(k % 2 ? 8 : 16, channels, 8 * 256 + 11, 1, static_cast<uint32_t>(80 + k));
    s->setlooplength(256);
    s->setiswavetable(1);
    s->setisppgwavetable(k >= 4 ? 1 : 0);
    s->setwavelength(6);
    s->setwaveloopstart(k == 1 ? -1 : k == 2 ? 2 : 0);
    for (int step = 0; step < 6; ++step) s->setwavetable(step, (step * 3 + k) % 9, 1 + (step + k) % 3);
    if (k == 3 || k == 5) {
      s->setlfowave(0, k);
      s->setlfohertzrate(0, 3000);
      s->setmodmatrix(0, kColumnWave, 1);
    }
    if (k == 0) {
      s->setdadsr(0, 0, 200, 300, 1000, 100);
      s->setmodmatrix(kRowEnvelope, kColumnWave, 1);
    }
    st.play(s, st.channel(0.6 + 0.45 * k, 1800, 600 * k - 1500));
  }
  return concat(kMixed, kMixed);
}

// Each of the ten LFO shapes on amp, pitch, wave and pan (LFO l to column 12 + l), with
// cross-modulation, envelope scaling, clock modes, offsets and random steps.
std::vector<int> lfoshapes(Stage& st) {
  for (int k = 0; k < 10; ++k) {
    sample* s = st.record(16, 1 + k % 2, 4 * 300 + 5, 1, static_cast<uint32_t>(100 + k));
    s->setlooplength(300);
    s->setiswavetable(k % 3 != 0 ? 1 : 0);
    s->setisppgwavetable(k % 3 == 1 ? 1 : 0);
    s->setwavelength(4);
    s->setdadsr(1, 10, 150, 200, 3000, 300);
    for (int l = 0; l < 4; ++l) {
      s->setlfowave(l, (k + l) % 10);
      s->setlfohertzrate(l, 700 + 900 * l + 130 * k);
      s->setlfotime(l, (k + l) % 4 == 0 ? 1 : 0);
      s->setlfooffset(l, 97 * k + 13 * l);
      s->setlfovoffset(l, l == 2 ? 40 * k - 200 : 0);
      s->setlfoscale(l, 0.9f - 0.15f * static_cast<float>(l));
      s->setlfolevel(l, 0.5f + 0.1f * static_cast<float>(k));
      s->setmodmatrix(l, kColumnAmp + l, 1);
    }
    if (k % 2) s->setmodmatrix(0, kColumnEnvelopeScale + 1, 1);
    for (int column = 2; column <= 7; ++column)
      if ((k + column) % 3 == 0) s->setmodmatrix(1 + column % 3, column, 1);
    st.play(s, st.channel(0.7 + 0.07 * k, 1400, 400 * k - 2000));
  }
  return concat(kMixed, repeated(12, 4096));
}

// Every envelope stage through rows 4-7 and 8-11 on every destination, held and
// released (one key-up deferred by a start delay), and the rotor with its gate,
// trigger and depth.
std::vector<int> envelopes(Stage& st) {
  std::vector<sound*> voices;
  for (int k = 0; k < 8; ++k) {
    sample* s = st.record(k % 2 ? 8 : 16, 1 + k / 4, 4 * 400 + 9, 1, static_cast<uint32_t>(140 + k));
    s->setlooplength(400);
    s->setiswavetable(k % 2);
    s->setwavelength(4);
    for (int e = 0; e < 4; ++e) s->setdadsr(e, 50 * e + 10 * k, 100 + 80 * e, 300 + 50 * k, 1000 + 700 * e, 200 + 150 * e);
    const int row = (k < 4 ? kRowEnvelope : kRowInvertedEnvelope) + k % 4;
    for (int column = kColumnAmp; column <= kColumnRotorGate; ++column) s->setmodmatrix(row, column, 1);
    s->setlfolevel(row, 0.6f + 0.1f * static_cast<float>(k));
    if (k == 2 || k == 6) {
      // The rotor: row 12 on every destination, depth scaled by envelope 1, stepped by LFO 3.
      s->setrotor(0, 1.0f);
      for (int r = 1; r <= 5; ++r) s->setrotor(r, 0.4f + 0.35f * static_cast<float>(r));
      s->rotorcount = 5;
      s->rotortime = 120 + 40 * k;
      for (int column = kColumnAmp; column <= kColumnPan; ++column) s->setmodmatrix(kRowRotor, column, 1);
      s->setmodmatrix(kRowRotor, kColumnEnvelopeScale + 1, 1);
      s->setlfowave(3, 0);
      s->setlfohertzrate(3, 9000);
      s->setmodmatrix(3, kColumnRotorTrigger, 1);
    }
    sound* c = st.channel(0.9 + 0.05 * k, 3000, 500 * k - 2000);
    if (k == 5) c->setstartdelay(60);
    voices.push_back(st.play(s, c));
  }
  st.between = [voices](int request) {
    if (request == 14)
      for (size_t k = 0; k < voices.size(); k += 2) voices[k]->setkeyup();
    if (request == 20)
      for (size_t k = 1; k < voices.size(); k += 2) voices[k]->setkeyup();
  };
  return concat(repeated(26, 4096), kMixed);
}

// The eight buses with delays (one beyond the ring), combs, feedback, crossfeeds and
// speeds, fed by voices with different sends, in the given routing mode.
std::vector<int> buses(Stage& st, int mode) {
  const std::array<int, kFxSends> sends[] = {
      {30, 0, 80, 0, 45, 0, 100, 0, 1000}, {0, 60, 0, 90, 0, 35, 0, 70, 0}, {100, 100, 100, 100, 100, 100, 100, 100, 400}};
  for (int k = 0; k < 3; ++k) {
    sample* s = st.record(8 + 8 * (k != 1), 1 + (k == 2), 6000, 1, static_cast<uint32_t>(180 + k));
    s->setloopstart(200);
    s->setlooplength(5000);
    st.play(s, st.channel(0.8 + 0.3 * k, 2600, 2000 * k - 2000, sends[k]));
  }
  st.between = [&st, mode](int request) {
    if (request != 1) return;  // the first request clears the buses
    st.fx(kFxSwitchId, 0, 1);
    st.mx().fx.mode = mode;
    for (int b = 0; b < kBuses; ++b) {
      for (int side : {0, 100}) {
        st.fx(side + 2, b, 70 + 5 * b);                               // wet gain
        st.fx(side + 1, b, 20 + 10 * (b % 3));                        // comb gain
        st.fx(side + 3, b, 30 + b);                                   // comb send
        st.fx(side + 4, b, 300 + 60 * b);                             // comb feedback
        st.fx(side + 5, b, b == 6 ? 0 : 400 + 97 * b + side);         // comb length
        st.fx(side + 6, b, b == 5 ? 40000 : 900 + 1234 * b + side);  // delay
        st.fx(side + 7, b, 40 + 7 * b);                               // echo gain
        st.fx(side + 8, b, 90 - 6 * b);                               // dry gain
      }
      st.fx(201, b, 10 * (b % 4));
      st.fx(202, b, 15 * (b % 3));
      st.fx(203, b, b == 2 ? 50 : b == 7 ? 99 : 0);
    }
  };
  return concat(repeated(kWarmupRequests, 512), kMixed);
}

// More voices than the effect path adds in one pass: sends to some buses, to none, dry
// only, start offsets inside a buffer and one-shot voices ending inside one.
std::vector<int> busvoices(Stage& st) {
  for (int k = 0; k < 19; ++k) {
    std::array<int, kFxSends> sends{};
    for (int b = 0; b < kBuses; ++b) sends[static_cast<size_t>(b)] = (k + b) % 3 == 0 ? 0 : 20 + 7 * ((k * b) % 13);
    if (k % 5 == 0) sends = {};
    if (k % 4 == 1) sends[kDrySend] = 300 + 50 * k;
    sample* s = st.record(8 + 8 * (k % 3 != 1), 1 + k % 2, 3000 + 500 * k, k % 6 == 2 ? 0 : 1, static_cast<uint32_t>(220 + k));
    sound* c = st.channel(0.6 + 0.09 * k, 1200 + 100 * k, 450 * k - 4000, sends);
    c->setstartdelay(k % 3 == 0 ? 0 : 37 * k);
    st.play(s, c);
  }
  st.between = [&st](int request) {
    if (request != 1) return;
    st.fx(kFxSwitchId, 0, 1);
    for (int b = 0; b < kBuses; ++b)
      for (int side : {0, 100}) {
        st.fx(side + 2, b, 60 + 5 * b);
        st.fx(side + 8, b, 100);
        st.fx(side + 7, b, 35);
        st.fx(side + 6, b, 300 + 211 * b + side);
      }
  };
  return concat(repeated(kWarmupRequests, 256), concat(kMixed, kMixed));
}

struct Scene {
  const char* name;
  std::function<std::vector<int>(Stage&)> setup;
  uint64_t golden;
};

std::vector<Scene> scenes() {
  std::vector<Scene> all = {
      {"Formats", formats, 0x4f8cd26e3ca87c51ull},
      {"Rates", rates, 0x7a57e485793745f9ull},
      {"Ramps", ramps, 0xa184993ff751d4bfull},
      {"DelaysAndWindows", delaysandwindows, 0x924e1c1dbd3ddabbull},
      {"Wavetables", wavetables, 0x60335f0390ec01c2ull},
      {"LfoShapes", lfoshapes, 0x8a8448b1d778e9efull},
      {"Envelopes", envelopes, 0x6ec1ffd7858be224ull},
      {"BusesManyVoices", busvoices, 0x2b3cb7c6b11fb27cull},
  };
  // Modes 0-9, then 10: outside the table, the dry render.
  const uint64_t routing[] = {
      0x1fa006623321700aull, 0x36a127bf3da12a36ull, 0x5f0bbbefd71b2f02ull, 0x118cda6a5758556aull,
      0xca01549fac751f56ull, 0x1381411cf8919ac8ull, 0x3c9f2d81e7f1ab63ull, 0xd21390dbdd0029c8ull,
      0xbea2ebade6687a98ull, 0xf12471dde4456d40ull, 0x387957f200306e9ull};
  for (int mode = 0; mode <= 10; ++mode)
    all.push_back({mode == 10 ? "BusesOff" : "", [mode](Stage& st) { return buses(st, mode); }, routing[mode]});
  return all;
}

class MixerGolden : public ::testing::TestWithParam<std::tuple<int, VectorPath>> {};

}  // namespace

TEST_P(MixerGolden, ServedBuffersKeepTheirChecksum) {
  const auto [index, path] = GetParam();
  const Scene scene = scenes()[static_cast<size_t>(index)];
  Stage st(path);
  const std::vector<int> sizes = scene.setup(st);
  const uint64_t sum = st.render(sizes);
  EXPECT_GT(st.loud, 1000) << "a silent scene pins nothing";
  EXPECT_EQ(sum, scene.golden) << std::hex << "0x" << sum;
}

// Scene names, with the mode of the bus scenes, and the path.
std::string scenename(const ::testing::TestParamInfo<MixerGolden::ParamType>& info) {
  const int index = std::get<0>(info.param);
  const Scene scene = scenes()[static_cast<size_t>(index)];
  return std::string(*scene.name ? scene.name : "Buses") + (*scene.name ? "" : "Mode" + std::to_string(index - 8)) +
         pathname(std::get<1>(info.param));
}

INSTANTIATE_TEST_SUITE_P(Scenes, MixerGolden, ::testing::Combine(::testing::Range(0, 19), ::testing::ValuesIn(availablepaths())),
                         scenename);
