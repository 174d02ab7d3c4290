// The 512-point waveform overview of a voice, built from 16-bit sample data: mono
// samples spread over 512 points, stereo as 256 left/right pairs, each the negated
// sample over 32767. Reads past the data give 0.
#pragma once
#include <array>
#include <cstdint>

// Mono rule: point p shows frame trunc(p * (length / 511)), read while below length - 1.
void BuildMonoOverview(std::array<float, 512>& data, const int16_t* samples, int length);
// Stereo rule: pair p/2 shows frame trunc(p * (length / 255)) / 2; a word index is read
// while it is below wordLimit - 1 (the count of stored words).
void BuildStereoOverview(std::array<float, 512>& data, const int16_t* samples, int length,
                         int64_t wordLimit);
