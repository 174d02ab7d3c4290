// The colouring of a waveform trace column by column, shared by the mono and the stereo
// views: the highlighted range in the caller's colour, the window's part red in an
// overview, and the loop band white.
#pragma once
#include <cstdint>

struct TTraceColouring {
  int64_t rangeStart = -1;  // the highlighted range, in frames
  int64_t rangeEnd = -1;
  int64_t windowStart = 0;  // drawn red in an overview
  int64_t windowEnd = 0;
  int64_t loopStart = -1;   // the loop band
  int64_t loopEnd = -1;
  bool overview = false;
  // Where a column is tested against each end: its exact position, or its whole frame.
  bool rangeEndAtFrame = false;
  bool bandEndsAtFrame = false;  // the window's and the loop band's
  int top = 0;                   // the marking lines run from top to bottom
  int bottom = 0;
  int red = 0;  // of the highlighted range
  int green = 0;
  int blue = 0;
};

// Sets the colour and alpha of the trace segment of column c at position pos, drawing
// the range's and the loop band's marking lines at c + 1. True when the column lies in
// the highlighted range.
bool ColourTraceColumn(const TTraceColouring& colouring, int c, float pos);
