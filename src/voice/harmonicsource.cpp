// THarmonicSource: building the source waveforms in single precision, the mid-point warp
// and the drawing of the source panel.
#include "voice/harmonicsource.h"

#include <cmath>

#include "framework/shapes.h"
#include "platform/draw2d.h"
#include "platform/numbers.h"

int THarmonicSource::Init() {
  const double degreesPerPoint = static_cast<double>(0.18f);
  float t = 0.0f;
  float r = 0.0f;
  for (int i = 0; i < kSourcePoints; ++i) {
    const double radians = i * degreesPerPoint * M_PI / 180.0;
    Source[0][i] = static_cast<float>(32767.0 * std::sin(radians));
    Source[1][i] = i < 1000 ? 32767.0f : -32767.0f;
    Source[2][i] = t;
    t = (i < 500 || i > 1500) ? t + 64.3f : t - 64.3f;
    Source[3][i] = r;
    r = r + 32.3f;
    if (r >= 32767.0f) r = -32767.0f;
  }
  filled_ = true;
  return 0;
}

int THarmonicSource::FillSource(float mid, int wave) {
  if (wave < 0 || wave >= kSourceWaves) return 0;
  if (!filled_) Init();
  if (mid == CurrentMid && wave == CurrentWave) return 0;
  CurrentMid = mid;
  CurrentWave = wave;

  const auto& src = Source[wave];
  auto at = [&src](int index) {
    if (index < 0) index = 0;
    if (index > kSourcePoints - 1) index = kSourcePoints - 1;
    return src[index];
  };

  int n = TruncToInt(2000.0 * static_cast<double>(mid));
  if (n < 0) n = 0;
  if (n > kWarpPoints) n = kWarpPoints;

  // First half-cycle onto points 0..n; with n 0 it is the single point 0, and with
  // n 2000 it stops at the copy's last point.
  if (n == 0) {
    CurrentSource[0] = src[0];
  } else {
    const float step1 = static_cast<float>(1000.0 / n);
    for (int k = 0; k <= n && k < kWarpPoints; ++k) {
      CurrentSource[k] = at(TruncToInt(k * static_cast<double>(step1)));
    }
  }
  if (n < kWarpPoints - 1) {
    const float step2 = static_cast<float>(1000.0 / (2000 - n));
    for (int k = n + 1; k < kWarpPoints; ++k) {
      CurrentSource[k] = at(TruncToInt((k - n) * static_cast<double>(step2) + 1000.0));
    }
  }
  return 0;
}

int THarmonicSource::DrawSource(int x, int y, int w, int h, float mid, int wave) {
  const int half = h / 2;
  const int centre = y + half;
  const float scale = static_cast<float>(half - 2) / 32768.0f;

  SetAlpha(0.4f);
  SetColor(0, 70, 0);
  DrawRect(static_cast<float>(x), static_cast<float>(y), static_cast<float>(w), static_cast<float>(h));
  SetColor(0, 0, 0);
  MFrame(static_cast<float>(x), static_cast<float>(y), static_cast<float>(w), static_cast<float>(h));
  SetColor(170, 220, 0);
  if (!(mid >= 0.01f)) return 0;

  if (wave >= 0 && wave <= 3) {
    FillSource(mid, wave);
    if (w - 2 <= 0) return 0;
    const double step = 2000.0 / (w - 2);
    int previous = TruncToInt(centre - CurrentSource[0] * static_cast<double>(scale));
    for (int i = 1; i <= w - 1; ++i) {
      const double pos = i * step;
      if (pos >= 2000.0) continue;
      const float v = CurrentSource[TruncToInt(pos)];
      const int yi = TruncToInt(centre - v * static_cast<double>(scale));
      DrawLine(static_cast<float>(x + i - 1), static_cast<float>(previous), static_cast<float>(x + i),
               static_cast<float>(yi), 1);
      previous = yi;
    }
    return 0;
  }

  const bool perSubVoice = wave == 5;
  const char* lines[4] = {
      perSubVoice ? "Each harmonic is a subvoice" : "Every 8 harmonics is the next subvoice",
      "Example:",
      perSubVoice ? "  Harmonic 1 = subvoice 1" : "  Harmonic 1-8 = subvoice +1",
      perSubVoice ? "  Harmonic 2 = subvoice 2, etc" : "  Harmonic 9-16 = subvoice +2, etc",
  };
  for (int l = 0; l < 4; ++l) {
    DrawText(lines[l], static_cast<float>(x + 10), static_cast<float>(y + 10 + 16 * l));
  }
  return 0;
}
