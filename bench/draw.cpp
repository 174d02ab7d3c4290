// The heaviest frame the drawing backend meets: 100,000 lines (a dense waveform view)
// and 10,000 textured sub-image quads (sprites from an atlas), drawn through the 2D
// module batched into vertex arrays, and again with one glBegin/glEnd pair per
// primitive. Prints the frames per second of both and their ratio, and, since a software
// rasteriser bounds both alike, what each path asks of GL per frame: draw calls and
// state changes, counted by wrappers of those GL entry points that forward to the real
// ones. Needs a display (Xvfb will do).
#include <SDL_opengl.h>
#include <benchmark/benchmark.h>
#include <dlfcn.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <vector>

#include "platform/draw2d.h"
#include "platform/glbackend.h"
#include "platform/numbers.h"
#include "platform/platform.h"
#include "platform/print.h"
#include "platform/window.h"

// GL calls made by this program, counted on their way to the driver.
struct GlCalls {
  long draws = 0;   // glDraw* calls and glBegin/glEnd pairs
  long states = 0;  // capability, blend, texture, alpha-test, width, scissor and array switches
};
GlCalls glCalls;

#define QUILLON_COUNTED_GL(field, name, params, args)                                            \
  extern "C" void name params {                                                                 \
    ++glCalls.field;                                                                             \
    static const auto real = reinterpret_cast<decltype(&::name)>(dlsym(RTLD_NEXT, #name));       \
    real args;                                                                                   \
  }
QUILLON_COUNTED_GL(draws, glDrawRangeElements,
                   (GLenum m, GLuint s, GLuint e, GLsizei n, GLenum t, const GLvoid* i), (m, s, e, n, t, i))
QUILLON_COUNTED_GL(draws, glDrawElements, (GLenum m, GLsizei n, GLenum t, const GLvoid* i), (m, n, t, i))
QUILLON_COUNTED_GL(draws, glDrawArrays, (GLenum m, GLint f, GLsizei n), (m, f, n))
QUILLON_COUNTED_GL(draws, glBegin, (GLenum m), (m))
QUILLON_COUNTED_GL(states, glEnable, (GLenum c), (c))
QUILLON_COUNTED_GL(states, glDisable, (GLenum c), (c))
QUILLON_COUNTED_GL(states, glEnableClientState, (GLenum c), (c))
QUILLON_COUNTED_GL(states, glDisableClientState, (GLenum c), (c))
QUILLON_COUNTED_GL(states, glBlendFunc, (GLenum s, GLenum d), (s, d))
QUILLON_COUNTED_GL(states, glBindTexture, (GLenum t, GLuint n), (t, n))
QUILLON_COUNTED_GL(states, glAlphaFunc, (GLenum f, GLclampf r), (f, r))
QUILLON_COUNTED_GL(states, glLineWidth, (GLfloat w), (w))
QUILLON_COUNTED_GL(states, glPointSize, (GLfloat w), (w))
QUILLON_COUNTED_GL(states, glScissor, (GLint x, GLint y, GLsizei w, GLsizei h), (x, y, w, h))
#undef QUILLON_COUNTED_GL

namespace {

constexpr int WIDTH = 960;
constexpr int HEIGHT = 640;
constexpr int LINES = 100000;
constexpr int QUADS = 10000;

struct Line {
  float x1, y1, x2, y2;
};
struct Quad {
  float x, y, w, h, sx, sy;
};

struct Scene {
  std::vector<Line> lines;
  std::vector<Quad> quads;
  std::shared_ptr<TImage> atlas;
};

Scene makeScene() {
  Scene scene;
  SeedRnd(1234);
  for (int i = 0; i < LINES; ++i) {
    const float x = static_cast<float>(Rand(0, WIDTH - 1));
    const float y = static_cast<float>(Rand(0, HEIGHT - 1));
    scene.lines.push_back({x, y, x + Rand(-12, 12), y + Rand(-12, 12)});
  }
  for (int i = 0; i < QUADS; ++i) {
    const float size = static_cast<float>(Rand(16, 40));
    const float w = Rand(0, 3) == 0 ? -size : size;  // some mirrored
    scene.quads.push_back({static_cast<float>(Rand(0, WIDTH)), static_cast<float>(Rand(0, HEIGHT)), w, size,
                           static_cast<float>(Rand(0, 15) * 32), static_cast<float>(Rand(0, 11) * 32)});
  }
  auto pixmap = CreatePixmap(512, 384);
  for (int y = 0; y < 384; ++y)
    for (int x = 0; x < 512; ++x) {
      uint8_t* p = pixmap->PixelPtr(x, y);
      p[0] = static_cast<uint8_t>(x / 2);
      p[1] = static_cast<uint8_t>(y * 2 / 3);
      p[2] = static_cast<uint8_t>((x ^ y) & 0xFF);
      p[3] = (x % 32 < 2 || y % 32 < 2) ? 0 : 255;
    }
  pixmap->hasAlpha = true;
  scene.atlas = LoadImage(pixmap, 0);
  return scene;
}

void drawFrame(const Scene& scene) {
  SetAlpha(1.0f);
  Cls();
  for (size_t i = 0; i < scene.lines.size(); ++i) {
    if (i % 1000 == 0) SetColor(160 + static_cast<int>(i / 1000) % 96, 160, 255 - static_cast<int>(i / 1000));
    const Line& l = scene.lines[i];
    DrawLine(l.x1, l.y1, l.x2, l.y2);
  }
  SetColor(255, 255, 255);
  SetAlpha(0.9f);
  for (const Quad& q : scene.quads) DrawSubImageRect(scene.atlas, q.x, q.y, q.w, q.h, q.sx, q.sy, 32, 32);
  std::vector<uint8_t> pixel;
  ReadPixels(0, 0, 1, 1, pixel);  // the frame is finished, not only queued
  Flip(0);
}

double framesPerSecond[2] = {0.0, 0.0};  // batched, one pair per primitive
GlCalls perFrame[2];

void frameBenchmark(benchmark::State& state, const Scene& scene, bool batched) {
  SetDrawBatching(batched);
  drawFrame(scene);  // textures made outside the timing
  const GlCalls before = glCalls;
  const auto start = std::chrono::steady_clock::now();
  for (auto _ : state) drawFrame(scene);
  const double seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
  if (seconds > 0.0) framesPerSecond[batched ? 0 : 1] = static_cast<double>(state.iterations()) / seconds;
  const long frames = std::max<long>(static_cast<long>(state.iterations()), 1);
  perFrame[batched ? 0 : 1] = {(glCalls.draws - before.draws) / frames, (glCalls.states - before.states) / frames};
  state.counters["fps"] = benchmark::Counter(static_cast<double>(state.iterations()), benchmark::Counter::kIsRate);
  SetDrawBatching(true);
}

}  // namespace

int main(int argc, char** argv) {
  benchmark::Initialize(&argc, argv);
  if (!PlatformInit()) {
    Print("draw_bench: needs a display");
    return 1;
  }
  TWindow* window = CreateWindow("draw_bench", 0, 0, WIDTH, HEIGHT, WINDOW_TITLEBAR | WINDOW_CLIENTCOORDS);
  if (!window) {
    Print("draw_bench: no window");
    return 1;
  }
  const Scene scene = makeScene();
  benchmark::RegisterBenchmark("DrawFrame/batched", [&scene](benchmark::State& s) { frameBenchmark(s, scene, true); })
      ->Unit(benchmark::kMillisecond)
      ->UseRealTime();
  benchmark::RegisterBenchmark("DrawFrame/glBeginEndPerPrimitive",
                               [&scene](benchmark::State& s) { frameBenchmark(s, scene, false); })
      ->Unit(benchmark::kMillisecond)
      ->UseRealTime();
  benchmark::RunSpecifiedBenchmarks();
  if (framesPerSecond[0] > 0.0 && framesPerSecond[1] > 0.0)
    std::printf("draw frame (%d lines, %d sub-image quads): batched %.1f fps, one glBegin/glEnd per "
                "primitive %.1f fps, ratio %.2f\n",
                LINES, QUADS, framesPerSecond[0], framesPerSecond[1], framesPerSecond[0] / framesPerSecond[1]);
  std::printf("GL calls per frame: batched %ld draw calls and %ld state changes, per primitive %ld draw calls "
              "and %ld state changes\n",
              perFrame[0].draws, perFrame[0].states, perFrame[1].draws, perFrame[1].states);
  const double thousands = (LINES + QUADS) / 1000.0;
  std::printf("draw calls per 1000 primitives: batched %.3f, per primitive %.3f\n", perFrame[0].draws / thousands,
              perFrame[1].draws / thousands);
  benchmark::Shutdown();
  PlatformShutdown();
  return 0;
}
