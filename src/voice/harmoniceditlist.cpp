// THarmonicEditList: the menu table and its reading into the two-pane list.
#include "voice/harmoniceditlist.h"

namespace {
struct TMenuRow {
  int category;
  const char* text;
  int operation;
};

// Each category's rows together, headed by its own row; -999 ends the table.
constexpr TMenuRow kHarmonicMenu[] = {
    {0, "Edit", 0},
    {0, "Copy Current Harmonic", 3},
    {0, "Paste Current Harmonic", 4},
    {0, "Copy All Harmonics", 1},
    {0, "Paste All Harmonics", 2},
    {0, "-", 0},
    {0, "Mark/Unmark (A)", 41},
    {0, "Mark/Unmark (B)", 42},
    {0, "Mark/Unmark All", 51},
    {0, "-", 0},
    {0, "Compute this Harmonic", 5},
    {0, "Compute all Harmonics", 6},
    {1, "Reset", 0},
    {1, "Zero Current Harmonic", 12},
    {1, "Zero All Harmonics", 11},
    {1, "-", 0},
    {1, "Unify Input Waveforms", 13},
    {2, "Tuning", 0},
    {2, "Tune Up (make sharp)", 61},
    {2, "Tune Down (make flat)", 62},
    {2, "Finetune Up (make sharp)", 63},
    {2, "Finetune Down (make flat)", 64},
    {3, "Direction", 0},
    {3, "Invert Current Harmonic", 22},
    {3, "Invert All Harmonics", 21},
    {3, "Left/Right Flip", 23},
    {4, "Gain", 0},
    {4, "Increase Active", 31},
    {4, "Decrease Active", 32},
    {4, "FadeIn Active", 33},
    {4, "Fadeout Active", 34},
    {5, "Mark Wavetable", 0},
    {5, "Mark/Unmark (A)", 41},
    {5, "Mark/Unmark (B)", 42},
    {5, "Mark/Unmark All", 51},
    {5, "Unmark (A) & (B)", 50},
    {5, "-", 0},
    {5, "Goto Mark (A)", 48},
    {5, "Goto Mark (B)", 49},
    {6, "Mark Operations", 0},
    {6, "Mark/Unmark (A)", 41},
    {6, "Mark/Unmark (B)", 42},
    {6, "Mark/Unmark All", 51},
    {6, "-", 0},
    {6, "Fill (A to B)", 43},
    {6, "Merge (A to B)", 44},
    {6, "Mix (A to B)", 45},
    {6, "-", 0},
    {6, "Fadein (A to B)", 52},
    {6, "Fadeout (A to B)", 53},
    {6, "-", 0},
    {6, "Fade Ends (A to B)", 54},
    {6, "Compare & Mix (A to B)", 55},
    {6, "-", 0},
    {6, "PPG Mix & Fade (A to B)", 56},
    {-999, "", 0},
};
}  // namespace

int THarmonicEditList::Init() {
  DoInit();
  int last = -1;
  for (const TMenuRow& row : kHarmonicMenu) {
    last = SetData(last, row.category, row.text, row.operation);
    if (row.category < 0) break;
  }
  return 0;
}
