// The game's own cost, with no rasteriser taking part: one frame of the hand page drawn
// through the recording backend (the game's and the framework's work per frame), and the
// start-up to the first drawn frame, timed from launching this program again as a child
// that starts as the game does and reports when the first frame its event loop drew is
// finished. Both run inside the program body, where the event loop waits for its first
// event. Prints "hand-page frame: X ms" and "start-up to first frame: X ms". Needs a
// display (Xvfb will do).
#include <benchmark/benchmark.h>
#include <fcntl.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <string>
#include <vector>

#include "framework/control.h"
#include "game/programbody.h"
#include "game/quilloncore.h"
#include "platform/draw2d.h"
#include "platform/events.h"
#include "platform/recordingbackend.h"
#include "programstart.h"

extern char** environ;

namespace {

constexpr int kStartupRuns = 3;
constexpr const char* kChildFlag = "--report-first-frame-to";

using Clock = std::chrono::steady_clock;

double MillisecondsSince(Clock::time_point start) {
  return std::chrono::duration<double, std::milli>(Clock::now() - start).count();
}

TEvent WindowClose() {
  TEvent e;
  e.id = EVENT_WINDOWCLOSE;
  return e;
}

// The child: the program up to its event loop, whose first wait ends it. The loop's
// prologue has drawn and shown the first frame by then.
class FirstFrameQuillon : public TQuillon {
 public:
  explicit FirstFrameQuillon(int fd) : fd_(fd) {}

 protected:
  TEvent NextEvent() override {
    std::vector<uint8_t> pixel;
    ReadPixels(0, 0, 1, 1, pixel);  // finished, not only queued
    const char done = 1;
    if (write(fd_, &done, 1) != 1) std::perror("gameframe_bench");
    return WindowClose();
  }

 private:
  int fd_;
};

// Launch to first frame of one child, in milliseconds; negative when it failed.
double StartupMilliseconds() {
  int fds[2];
  if (pipe(fds) != 0) return -1.0;
  posix_spawn_file_actions_t actions;
  posix_spawn_file_actions_init(&actions);
  posix_spawn_file_actions_addclose(&actions, fds[0]);
  posix_spawn_file_actions_addopen(&actions, STDOUT_FILENO, "/dev/null", O_WRONLY, 0);
  std::string self = "/proc/self/exe", flag = kChildFlag, fd = std::to_string(fds[1]);
  char* argv[] = {self.data(), flag.data(), fd.data(), nullptr};
  const Clock::time_point start = Clock::now();
  pid_t child = 0;
  const int spawned = posix_spawn(&child, self.c_str(), &actions, nullptr, argv, environ);
  posix_spawn_file_actions_destroy(&actions);
  close(fds[1]);
  char done = 0;
  const bool reported = spawned == 0 && read(fds[0], &done, 1) == 1;
  const double ms = MillisecondsSince(start);
  close(fds[0]);
  int status = 0;
  if (spawned == 0) waitpid(child, &status, 0);
  return reported ? ms : -1.0;
}

double handPageMilliseconds = 0.0;
bool openedOnTheHandPage = false;

// The parent: the hand-page benchmark where the event loop waits for its first event.
class FrameBenchQuillon : public TQuillon {
 protected:
  TEvent NextEvent() override {
    openedOnTheHandPage = Page == kPageHand;
    benchmark::RegisterBenchmark("HandPageFrame/recorded", [this](benchmark::State& s) { Frames(s); })
        ->Unit(benchmark::kMillisecond)
        ->UseRealTime();
    benchmark::RunSpecifiedBenchmarks();
    return WindowClose();
  }

 private:
  void Frames(benchmark::State& state) {
    TRecordingBackend recorder(AppWidth, AppHeight);
    SetDrawBackend(&recorder);
    DrawPage(recorder);  // the sprites are loaded outside the timing
    const Clock::time_point start = Clock::now();
    for (auto _ : state) DrawPage(recorder);
    if (state.iterations() > 0)
      handPageMilliseconds = MillisecondsSince(start) / static_cast<double>(state.iterations());
    state.counters["calls"] = static_cast<double>(recorder.Calls().size());
    SetDrawBackend(nullptr);
  }
  // The page's controls as a redraw draws them, without showing the frame.
  void DrawPage(TRecordingBackend& recorder) {
    recorder.Clear();
    Cls();
    for (int i = PageStart[CurrentPage]; i <= PageEnd[CurrentPage]; ++i)
      if (TMControl* c = Control(i)) DrawControl(c, c->nDrawType);
  }
};

// The game finds its font from the program's own place (build/quillon: two folders up
// is the repository) and its pictures from the current folder (run.sh runs it in
// build/). This benchmark lies a folder deeper, in build-bench/bench: it runs a copy of
// itself placed where the program lies, in that folder. Returns only when it cannot.
void RunWhereTheProgramLies(char** argv) {
  namespace fs = std::filesystem;
  std::error_code error;
  const fs::path self = fs::read_symlink("/proc/self/exe", error);
  if (error || self.parent_path().filename() != "bench") return;
  const fs::path home = self.parent_path().parent_path();
  const fs::path placed = home / (self.filename().string() + "-placed");
  fs::copy_file(self, placed, fs::copy_options::overwrite_existing, error);
  if (error || chdir(home.c_str()) != 0) return;
  execv(placed.c_str(), argv);
}

// The placed copy takes itself away when it is done.
void RemovePlacedCopy() {
  std::error_code error;
  const std::filesystem::path self = std::filesystem::read_symlink("/proc/self/exe", error);
  const std::string name = self.filename().string();
  if (!error && name.size() > 7 && name.compare(name.size() - 7, 7, "-placed") == 0)
    std::filesystem::remove(self, error);
}

// A settings folder of the benchmark's own for its runs of the game, the children's
// too, so that the user's is never read or written; removed at the end.
class OwnSettingsFolder {
 public:
  OwnSettingsFolder() {
    std::string path = (std::filesystem::temp_directory_path() / "quillon-bench-XXXXXX").string();
    if (mkdtemp(path.data()) == nullptr || setenv("XDG_CONFIG_HOME", path.c_str(), 1) != 0) return;
    path_ = path;
  }
  ~OwnSettingsFolder() {
    std::error_code error;
    if (!path_.empty()) std::filesystem::remove_all(path_, error);
  }
  bool Made() const { return !path_.empty(); }

 private:
  std::string path_;
};

}  // namespace

int main(int argc, char** argv) {
  if (argc == 3 && std::strcmp(argv[1], kChildFlag) == 0) {
    const int fd = std::atoi(argv[2]);
    if (StartProgramModules() == 0) return 1;
    RunQuillonBody([fd] { return std::make_unique<FirstFrameQuillon>(fd); });
    StopProgramModules();
    return 0;
  }

  RunWhereTheProgramLies(argv);
  const OwnSettingsFolder settings;
  if (!settings.Made()) {
    std::printf("gameframe_bench: no settings folder of its own\n");
    RemovePlacedCopy();
    return 1;
  }
  benchmark::Initialize(&argc, argv);
  std::vector<double> startups;
  for (int i = 0; i < kStartupRuns; ++i) startups.push_back(StartupMilliseconds());
  std::sort(startups.begin(), startups.end());

  if (StartProgramModules() == 0) {
    std::printf("gameframe_bench: needs a display\n");
    RemovePlacedCopy();
    return 1;
  }
  RunQuillonBody([] { return std::make_unique<FrameBenchQuillon>(); });
  StopProgramModules();

  if (!openedOnTheHandPage) std::printf("gameframe_bench: the game did not open on the hand page\n");
  std::printf("hand-page frame: %.3f ms\n", handPageMilliseconds);
  if (startups.front() < 0.0)
    std::printf("gameframe_bench: a start-up did not reach its first frame\n");
  else
    std::printf("start-up to first frame: %.0f ms\n", startups[startups.size() / 2]);
  benchmark::Shutdown();
  RemovePlacedCopy();
  return 0;
}
