// The silent classes and driver, the registry and the choice of the current driver:
// names compared whole without regard to case, the lazy start on the first call that
// needs a driver, and the fall-back to "Null" when the output cannot start.
#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <functional>
#include <string>
#include <vector>

#include "audio/audiodriver.h"
#include "audio/audiofunctions.h"
#include "audio/driverregistry.h"
#include "audio/mixerapi.h"
#include "audio/mixerdriver.h"
#include "audio/softmixchannel.h"
#include "audio/softmixsound.h"

namespace {

class CountingDriver : public TAudioDriver {
 public:
  CountingDriver(std::string name, int starts) : name_(std::move(name)), starts_(starts) {}
  std::string Name() override { return name_; }
  int Startup() override {
    ++startups;
    return starts_;
  }
  int Shutdown() override {
    ++shutdowns;
    return 0;
  }
  int startups = 0;
  int shutdowns = 0;

 private:
  std::string name_;
  int starts_;
};

class Registry : public ::testing::Test {
 protected:
  void SetUp() override {
    InitAudioDrivers();
    InitSoftMixDrivers();
    ShutdownAudioDriver();
    output("dummy");
  }
  void TearDown() override {
    ShutdownAudioDriver();
    output("dummy");
  }
  // The SDL audio driver the output opens: "dummy" works, an unknown one cannot start.
  static void output(const char* name) { setenv("SDL_AUDIODRIVER", name, 1); }
  static constexpr const char* kNoOutput = "quillon-no-such-audio";

  static std::shared_ptr<TAudioSample> tone() {
    auto r = CreateAudioSample(100, 44100, SF_MONO16);
    for (int i = 0; i < 100; ++i) r->Values16()[i] = static_cast<int16_t>(i * 100);
    return r;
  }
};

}  // namespace

TEST_F(Registry, NullDriverWhenTheOutputCannotStart) {
  output(kNoOutput);
  std::shared_ptr<TSound> s = LoadSound(tone(), 0);
  EXPECT_EQ(GetAudioDriver()->Name(), "Null");
  EXPECT_EQ(io, nullptr);
  ASSERT_NE(s, nullptr);
  EXPECT_EQ(dynamic_cast<TSoftMixSound*>(s.get()), nullptr);
  EXPECT_EQ(s->GetAudioSampleLength(), 0);
  // Every call succeeds and is silent.
  std::shared_ptr<TChannel> ch = AllocChannel();
  ASSERT_NE(ch, nullptr);
  EXPECT_NE(CueSound(s, ch), nullptr);
  EXPECT_EQ(SetChannelVolume(ch, 0.5f), 0);
  EXPECT_EQ(ResumeChannel(ch), 0);
  EXPECT_EQ(ChannelPlaying(ch), 0);
  EXPECT_EQ(s->Copy(), s);
  // The choice is made once: a working output later does not bring "SoftMix" in.
  output("dummy");
  AllocChannel();
  EXPECT_EQ(GetAudioDriver()->Name(), "Null");
  EXPECT_EQ(io, nullptr);
}

TEST_F(Registry, FirstCallThatNeedsADriverStartsSoftMixOnce) {
  const std::vector<std::pair<const char*, std::function<bool()>>> calls = {
      {"AllocChannel", [] { return AllocChannel() != nullptr; }},
      {"LoadSound", [] { return LoadSound(tone(), 0) != nullptr; }},
      {"TSound::Load", [] { return TSound::Load(tone(), 1) != nullptr; }},
      {"GetAudioDriver", [] { return GetAudioDriver() != nullptr; }},
  };
  for (const auto& [what, call] : calls) {
    ShutdownAudioDriver();
    EXPECT_EQ(io, nullptr) << what;
    EXPECT_TRUE(call()) << what;
    ASSERT_NE(io, nullptr) << what;
    EXPECT_EQ(GetAudioDriver()->Name(), "SoftMix") << what;
  }
  const handletables* tables = io.get();
  TAudioDriver* current = GetAudioDriver();
  std::shared_ptr<TSound> s = LoadSound(tone(), 1);
  std::shared_ptr<TChannel> ch = PlaySound(s);
  EXPECT_EQ(GetAudioDriver(), current);
  EXPECT_EQ(io.get(), tables);  // not started again
  ASSERT_NE(dynamic_cast<TSoftMixChannel*>(ch.get()), nullptr);
  EXPECT_EQ(s->GetAudioSampleLength(), 100);
  EXPECT_EQ(ChannelPlaying(ch), 1);
}

TEST_F(Registry, NamesAreComparedWholeWithoutRegardToCase) {
  EXPECT_EQ(AudioDrivers(), (std::vector<std::string>{"SoftMix", "SoftMix CoreAudio", "Null"}));
  EXPECT_EQ(AudioDriverExists("NULL"), 1);
  EXPECT_EQ(AudioDriverExists("softmix coreaudio"), 1);
  EXPECT_EQ(AudioDriverExists("SoftMi"), 0);
  EXPECT_EQ(AudioDriverExists(""), 0);
  EXPECT_EQ(SetAudioDriver("softmix"), 1);
  EXPECT_EQ(GetAudioDriver()->Name(), "SoftMix");
  EXPECT_EQ(SetAudioDriver("SOFTMIX COREAUDIO"), 1);
  EXPECT_EQ(GetAudioDriver()->Name(), "SoftMix CoreAudio");
  EXPECT_NE(io, nullptr);
  EXPECT_EQ(SetAudioDriver("SoftMix "), 0);
  EXPECT_EQ(GetAudioDriver()->Name(), "Null");
  EXPECT_EQ(io, nullptr);  // the old driver was shut down first
}

TEST_F(Registry, FailedChoiceShutsTheOldDriverDownAndFallsBackToNull) {
  CountingDriver older("Flaky", 1);
  CountingDriver newer("flaky", 0);
  CountingDriver good("Good", 1);
  EXPECT_EQ(AudioDrivers(), (std::vector<std::string>{"Good", "flaky", "Flaky", "SoftMix", "SoftMix CoreAudio", "Null"}));

  EXPECT_EQ(SetAudioDriver("GOOD"), 1);
  EXPECT_EQ(GetAudioDriver(), &good);
  EXPECT_EQ(SetAudioDriver("FLAKY"), 0);
  EXPECT_EQ(good.shutdowns, 1);
  EXPECT_EQ(newer.startups, 1);
  EXPECT_EQ(older.startups, 0);  // only the first driver of the name is tried
  EXPECT_EQ(GetAudioDriver()->Name(), "Null");

  EXPECT_EQ(SetAudioDriver("good"), 1);
  EXPECT_EQ(SetAudioDriver("nobody"), 0);
  EXPECT_EQ(good.shutdowns, 2);
  EXPECT_EQ(GetAudioDriver()->Name(), "Null");

  {
    CountingDriver brief("Brief", 1);
    EXPECT_EQ(SetAudioDriver("brief"), 1);
  }
  // A destroyed driver is neither listed nor current.
  output(kNoOutput);
  EXPECT_EQ(AudioDriverExists("brief"), 0);
  EXPECT_EQ(GetAudioDriver()->Name(), "Null");
}

// In a process of its own: the mixer's module start may come before the registry's.
TEST(RegistryStart, SilentDriverEndsTheListWhicheverModuleStartsFirst) {
  GTEST_FLAG_SET(death_test_style, "threadsafe");
  EXPECT_EXIT(
      {
        InitSoftMixDrivers();
        InitAudioDrivers();
        for (const std::string& name : AudioDrivers()) std::fprintf(stderr, "%s,", name.c_str());
        std::exit(0);
      },
      ::testing::ExitedWithCode(0), "^SoftMix,SoftMix CoreAudio,Null,$");
}

TEST_F(Registry, ListsTheFirstHundredDrivers) {
  std::vector<std::unique_ptr<CountingDriver>> many;
  for (int i = 0; i < 120; ++i) many.push_back(std::make_unique<CountingDriver>('D' + std::to_string(i), 1));
  const std::vector<std::string> names = AudioDrivers();
  ASSERT_EQ(names.size(), 100u);
  EXPECT_EQ(names.front(), "D119");
  EXPECT_EQ(names.back(), "D20");
  EXPECT_EQ(AudioDriverExists("d0"), 1);  // registered beyond the listing
  many.clear();
  EXPECT_EQ(AudioDrivers().size(), 3u);
}
