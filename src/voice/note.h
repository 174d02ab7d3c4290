// TNote: the note table that turns note numbers into playback-rate ratios against
// 220 Hz (entry 45 is the A of 220 Hz, so it reads 1.0). A new table holds zeros
// until Init fills it from the fixed frequency list.
#pragma once
#include <array>

class TNote {
 public:
  static constexpr int kOctaves = 9;
  static constexpr int kNoteColumns = 17;  // 12 semitones, then semitones 0-4 an octave up
  static constexpr int kPureNotes = 109;   // 108 notes; the last entry is never filled

  // Fills both tables from the frequency list; may be called again. Returns 0.
  int Init();
  // The ratio of note n to 220 Hz for n in 0..108, 1.0 for any other n.
  float GetPureNote(int n) const;
  // octave * 12 + semitone, unchecked.
  static int GetNote(int octave, int semitone) { return octave * 12 + semitone; }

  std::array<std::array<float, kNoteColumns>, kOctaves> Notes{};
  std::array<float, kPureNotes> PureNote{};
};
