// The device's render on a real second thread, the dry path and the effect path with
// its bus routing, while the main thread starts, steers, restarts, stops and frees
// voices, changes their sends, the buses' settings, the routing mode and the effect
// switch: nothing may crash or race (this file is the one to run under
// ThreadSanitizer), and once the render has caught up every voice is accounted for.
#include <gtest/gtest.h>

#include <atomic>
#include <set>
#include <thread>
#include <vector>

#include "audio/audiodevice.h"
#include "audio/channelhandles.h"
#include "audio/mixer.h"
#include "audio/soundrecord.h"
#include "audio/voice.h"
#include "platform/numbers.h"

TEST(AudioThreads, RenderWhileTheMainThreadSteers) {
  SetTestClock(nullptr);
  coreaudio device;
  device.prepare();
  mixer& mx = *device.mixer;
  handletables io{&mx};
  mx.fx.setparameter(kFxSwitchId, 0, 1);
  std::atomic<bool> running{true};
  std::atomic<int> passes{0};
  std::thread audio([&] {
    while (running.load(std::memory_order_relaxed)) {
      int frames = 256;
      audiobuffer served;
      device.read(frames, served);
      passes.fetch_add(1, std::memory_order_relaxed);
      std::this_thread::yield();
    }
  });

  // The steering starts once the warm-up is over and the effect path can run.
  while (passes.load() < kWarmupRequests) std::this_thread::yield();

  std::vector<int16_t> frames(6000);  // 3000 stereo 16-bit frames at most
  for (size_t i = 0; i < frames.size(); ++i) frames[i] = static_cast<int16_t>((i * 37) % 20000 - 10000);
  std::vector<int> handles(16, 0);
  SeedRnd(99);
  for (int round = 0; round < 4000; ++round) {
    sample* s = sample::create(Rand(0, 2999), Rand(0, 1) ? 16 : 8, Rand(1, 2), Rand(11025, 88200), frames.data(),
                               Rand(0, 1));
    ASSERT_NE(s, nullptr);
    s->setdadsr(Rand(0, 3), Rand(0, 20), Rand(0, 20), Rand(0, 20), Rand(0, 4096), Rand(0, 30));
    s->setmodmatrix(Rand(0, 12), Rand(0, 17), 1);
    s->setlfowave(Rand(0, 3), Rand(0, 9));
    s->setiswavetable(Rand(0, 3) == 0);
    s->setlooplength(Rand(-5, 4000));
    int& h = handles[static_cast<size_t>(Rand(0, 15))];
    if (h == 0) h = io.alloc();
    if (sound* v = io.lookup(h)) {
      v->setstartdelay(Rand(0, 5));
      v->playstart = Rand(-1, 100);
      v->setfxmixvalue(Rand(0, kFxSends - 1), Rand(0, 2000));
    }
    if (Rand(0, 3) == 0) {
      io.stop(h);  // a fresh channel in its place
      h = 0;
    }
    h = io.play(s, Rand(0, 4) == 0, h);
    s->free();  // the voice keeps the record alive
    for (int k = 0; k < 4; ++k) {
      const int other = handles[static_cast<size_t>(Rand(0, 15))];
      sound* v = io.lookup(other);
      if (!v) continue;
      switch (Rand(0, 9)) {
        case 0: v->setvolume(Rand(-5000, 40000)); break;
        case 1: v->setpan(Rand(-5000, 5000)); break;
        case 2: v->setrate(Rand(0, 4 * 65536)); break;
        case 3: v->setkeyup(); break;
        case 4: v->restart(); break;
        case 5: v->setstatusbits(kStatusPaused, Rand(0, 1) == 1); break;
        case 6: v->setlforate(Rand(0, 3), static_cast<float>(Rnd(-2.0, 2.0))); break;
        case 7: io.stop(other); break;
        case 8:  // a freed channel's voice plays on: only let one-shots go that way
          if (v->status & kStatusOneShot) io.freeindex(other & kHandleIndexMask);
          break;
        default: v->getposition(); v->getlfo(0); v->getplaytime(); break;
      }
    }
    mx.fx.setparameter(Rand(0, 2) * 100 + Rand(1, 8), Rand(0, kBuses - 1), Rand(-200, 40000));
    if (Rand(0, 15) == 0) mx.fx.mode = Rand(-1, kRouteModes);
    if (Rand(0, 255) == 0) mx.fx.setparameter(kFxSwitchId, 0, Rand(0, 3) != 0);  // on most of the time
    if (round % 64 == 0) std::this_thread::sleep_for(std::chrono::microseconds(200));
  }
  for (int h : handles) io.stop(h);
  const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(5);
  while (passes.load() < 50 && std::chrono::steady_clock::now() < deadline) std::this_thread::yield();
  running = false;
  audio.join();
  EXPECT_GT(passes.load(), 0);

  // Caught up on this thread: the stopped voices leave the playing list at the next pass.
  std::vector<int16_t> out(512);
  mx.mix16(out.data(), static_cast<int>(out.size()));
  mx.collect();
  const int made = mx.voicecount();
  std::set<sound*> inuse;
  for (sound* v = mx.playing; v && static_cast<int>(inuse.size()) < made; v = v->next) inuse.insert(v);
  for (int i = 1; i < kChannelSlots; ++i) {
    sound* v = io.voices[static_cast<size_t>(i)];
    if (v && v->status != 0 && (v->handle & kHandleIndexMask) == i && io.current(v->handle)) inuse.insert(v);
  }
  // The spare voices, taken until the mixer has to make a new one.
  std::vector<sound*> spare;
  while (static_cast<int>(spare.size()) <= made) {
    sound* v = mx.allocsound(nullptr);
    if (mx.voicecount() > made) break;
    spare.push_back(v);
  }
  const std::set<sound*> distinct(spare.begin(), spare.end());
  EXPECT_EQ(distinct.size(), spare.size());  // no voice on the spare list twice
  for (sound* v : spare) EXPECT_EQ(inuse.count(v), 0u);
  EXPECT_EQ(static_cast<int>(inuse.size() + distinct.size()), made);  // and none lost
}
