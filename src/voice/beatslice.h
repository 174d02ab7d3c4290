// The beat-slice store: program-wide globals holding the points at which a sample is to
// be cut (in envelope points of BeatSliceRatio sample values each), a per-piece enable
// flag, and the detector that finds the points from the sample's peak envelope.
#pragma once
#include <array>
#include <cstdint>
#include <vector>

constexpr int kBeatSliceTable = 256;  // entries of the slice table, terminator included
constexpr int kBeatSliceJump = 2048;  // envelope change that counts as a hit
constexpr int kBeatSliceGap = 128;    // envelope points needed since the last hit

extern int BeatSliceRatio;               // sample values per envelope point, 12
extern int BeatSliceMax;                 // capacity of BeatSlice, grows by 1000
extern std::vector<int> BeatSlice;       // the envelope
extern int BeatSliceCount;               // index of the last envelope point
extern std::array<int, kBeatSliceTable> BeatSlices;       // slice table
extern int BeatSlicesCount;                               // index of its terminator
extern std::array<int, kBeatSliceTable> BeatSliceEnable;  // flag k - 1: piece k
extern int BeatSliceEditEnable;  // non-zero: the flags choose the pieces to cut
extern int BeatSliceVoice;       // first destination voice of the cutting, 2

// Back to the start values (the module's start-up).
void InitBeatSlices();

int FindBeatSlices(const int16_t* samples, int length, int stereo, int window);
int BeatSliceClear();
int BeatSliceArrayCheck(int index);
int BeatSliceCollect2(int window);
int BeatSliceAverageFalling();
int BeatSliceCompute(int jump, int gap);
int BeatSliceCollect();
int BeatSliceAverage();
int BeatSliceAdd(int position);
int BeatSliceRemove(int index);
int BeatSliceEditInvert();
int BeatSliceEditSelect();
int BeatSliceEditClear();
