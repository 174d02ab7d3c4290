// The note table: the frequency list (equal temperament at A = 440 Hz as printed in
// a reference table, not computed) and the ratios made from it.
#include "voice/note.h"

namespace {

constexpr int kSemitones = 12;
constexpr int kUpperColumns = 5;
constexpr float kBaseHertz = 220.0f;
constexpr float kHalfBaseHertz = 110.0f;

// Octave 0 to 8, semitone 0 to 11 each.
constexpr float kHertz[TNote::kOctaves * kSemitones] = {
    16.35f, 17.32f, 18.35f, 19.45f, 20.6f,  21.83f, 23.12f, 24.5f,  25.96f, 27.5f,  29.14f, 30.87f,
    32.7f,  34.65f, 36.71f, 38.89f, 41.2f,  43.65f, 46.25f, 49.0f,  51.91f, 55.0f,  58.27f, 61.74f,
    65.41f, 69.3f,  73.42f, 77.78f, 82.41f, 87.31f, 92.5f,  98.0f,  103.8f, 110.0f, 116.5f, 123.5f,
    130.8f, 138.6f, 146.8f, 155.6f, 164.8f, 174.6f, 185.0f, 196.0f, 207.7f, 220.0f, 233.1f, 246.9f,
    261.6f, 277.2f, 293.7f, 311.1f, 329.6f, 349.2f, 370.0f, 392.0f, 415.3f, 440.0f, 466.2f, 493.9f,
    523.3f, 554.4f, 587.3f, 622.3f, 659.3f, 698.5f, 740.0f, 784.0f, 830.6f, 880.0f, 932.3f, 987.8f,
    1047,   1109,   1175,   1245,   1319,   1397,   1480,   1568,   1661,   1760,   1865,   1976,
    2093,   2217,   2349,   2489,   2637,   2794,   2960,   3136,   3322,   3520,   3729,   3951,
    4186,   4435,   4699,   4978,   5274,   5588,   5920,   6272,   6645,   7040,   7459,   7902,
};

}  // namespace

int TNote::Init() {
  int next = 0;
  for (int o = 0; o < kOctaves; ++o) {
    for (int n = 0; n < kSemitones; ++n) {
      const float f = kHertz[next++];
      Notes[o][n] = f / kBaseHertz;
      if (n < kUpperColumns) Notes[o][n + kSemitones] = f / kHalfBaseHertz;
      PureNote[o * kSemitones + n] = f / kBaseHertz;
    }
  }
  return 0;
}

float TNote::GetPureNote(int n) const {
  if (n < 0 || n >= kPureNotes) return 1.0f;
  return PureNote[n];
}
