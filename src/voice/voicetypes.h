// Voice types (TVoice::VoiceType) and wave-size codes (TVoice::VoiceTable).
#pragma once

inline constexpr int kOneShot = 2001;
inline constexpr int kLooped = 2002;
inline constexpr int kPPGWavetable = 2003;
inline constexpr int kMode1Wavetable = 2004;
inline constexpr int kWaves64 = 2021;
inline constexpr int kWaves128 = 2022;

// Waves of a wavetable by size code: 64 for 2021, 128 for 2022, 32 for any other value
// (compared exactly, so a float code such as 2021.5 gives 32).
constexpr int WaveCount(float code) {
  if (code == static_cast<float>(kWaves64)) return 64;
  if (code == static_cast<float>(kWaves128)) return 128;
  return 32;
}
