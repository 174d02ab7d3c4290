// The LFO view: the shape of one of a sub-voice's LFOs, plotted from the audio
// engine's own function table for its wave, with the wave's name and its rate. The
// first LFO view of the run has the shared function tables built.
#include <array>
#include <cmath>
#include <string>

#include "framework/shapes.h"
#include "platform/draw2d.h"
#include "platform/numbers.h"
#include "voice/voiceglobals.h"
#include "voice/voices.h"

namespace {

constexpr int kLFOWaves = 10;
constexpr int kLFOEntries = 1000;
const std::array<const char*, kLFOWaves> kWaveNames = {
    "Sin", "Triangle", "Ramp Up", "Ramp Down", "Square",
    "Slope Up", "Slope Down", "Pulse Up", "Pulse Down", "Sample and Hold"};

float F(int value) { return static_cast<float>(value); }

}  // namespace

int TVoices::DisplayLFO(int v, int s, int lfo, int x, int y, int w, int h) {
  float base = F(y + TruncToInt(F(h) * 0.5f));
  const float amplitude = F(TruncToInt(F(h) * 0.49f));
  SetColor(105, 105, 105);
  MFrame(F(x), F(y), F(w), F(h));
  DrawLine(F(x), base, F(x + w), base);
  TVoice* voice = SlotVoice(v, s);
  if (!voice) return 0;

  const int wave = GetLFOWave(v, s, lfo);
  if (wave >= 0 && wave < kLFOWaves) DrawText(kWaveNames[wave], F(x + 3), F(y));
  DrawText(std::to_string(TruncToInt(GetLFO(v, s, 1, lfo))) + " ms", F(x + 3), F(y + h - 20));
  const std::shared_ptr<TSound> sound = voice->Sound;
  if (!sound) return 0;
  if (LFOHasBeenSetup == 0) {
    sound->InitFunctions();
    LFOHasBeenSetup = 1;
  }

  const int rate = sound->GetLFOHertzRate(lfo);
  const int offset = sound->GetLFOOffset(lfo);
  const int vertical = sound->GetLFOVertical(lfo);
  const float scale = static_cast<float>(sound->GetLFOScale(lfo) / 1000.0);
  base -= F(TruncToInt(F(vertical) * (F(h) / 2000.0f)));
  DrawLine(F(x), base, F(x + w), base);

  SetColor(220, 220, 160);
  // A wave without a table (outside 0..9) plots as level.
  auto entry = [&](int index) {
    return (wave >= 0 && wave < kLFOWaves) ? sound->GetFunction(wave, index) : 0;
  };
  auto height = [&](int value) { return base + amplitude * (-F(value) / 1000.0f * scale); };
  float previous = height(entry(0));
  DrawLine(F(x), base, F(x), previous);
  DrawLine(F(x), previous, F(x), previous);
  const float perPixel = F(rate) / F(w);
  for (int i = 1; i <= w - 2; ++i) {
    int index = TruncToInt(std::fmod(static_cast<double>(F(offset) + F(i) * perPixel), 999.0));
    if (index < 0) index += 999;  // a negative phase wraps like a positive one
    if (index < 0 || index >= kLFOEntries) index = 0;
    const float next = height(entry(index));
    DrawLine(F(x + i - 1), previous, F(x + i), next);
    previous = next;
  }
  const float last = height(entry(kLFOEntries - 1));
  DrawLine(F(x + w - 2), previous, F(x + w - 1), last);
  DrawLine(F(x + w - 1), previous, F(x + w - 1), base);
  return 0;
}
