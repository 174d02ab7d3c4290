// The render on a real second thread while the main thread starts, steers, restarts,
// stops and frees: nothing may crash, leak or race (this file is the one to run under
// ThreadSanitizer), and the voices in use stay bounded.
#include <gtest/gtest.h>

#include <atomic>
#include <thread>
#include <vector>

#include "audio/channelhandles.h"
#include "audio/mixer.h"
#include "audio/soundrecord.h"
#include "audio/voice.h"
#include "platform/numbers.h"

TEST(AudioThreads, RenderWhileTheMainThreadSteers) {
  SetTestClock(nullptr);
  mixer mx{8192};
  mx.hertz = 44100;
  mx.channels = 2;
  handletables io{&mx};
  std::atomic<bool> running{true};
  std::atomic<int> passes{0};
  std::thread audio([&] {
    std::vector<int16_t> out(512);
    while (running.load(std::memory_order_relaxed)) {
      mx.mix16(out.data(), static_cast<int>(out.size()));
      passes.fetch_add(1, std::memory_order_relaxed);
      std::this_thread::yield();
    }
  });

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
        case 5: Rand(0, 1) ? v->status.fetch_or(kStatusPaused) : v->status.fetch_and(~kStatusPaused); break;
        case 6: v->setlforate(Rand(0, 3), static_cast<float>(Rnd(-2.0, 2.0))); break;
        case 7: io.stop(other); break;
        case 8:  // a freed channel's voice plays on: only let one-shots go that way
          if (v->status & kStatusOneShot) io.freeindex(other & kHandleIndexMask);
          break;
        default: v->getposition(); v->getlfo(0); v->getplaytime(); break;
      }
    }
    if (round % 64 == 0) std::this_thread::sleep_for(std::chrono::microseconds(200));
  }
  for (int h : handles) io.stop(h);
  const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(5);
  while (passes.load() < 50 && std::chrono::steady_clock::now() < deadline) std::this_thread::yield();
  running = false;
  audio.join();
  mx.collect();
  EXPECT_GT(passes.load(), 0);
  EXPECT_LT(mx.voicecount(), 400);
}
