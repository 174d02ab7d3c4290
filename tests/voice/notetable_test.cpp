// The note table: empty until Init, the ratios against 220 Hz after it, the unfilled
// last entry and the 1.0 answer outside the table; filled by the module's start-up.
#include <gtest/gtest.h>

#include "banktest.h"
#include "voice/note.h"

namespace {

TEST(NoteTable, NewTableReadsZeroInsideAndOneOutside) {
  TNote table;
  EXPECT_EQ(table.GetPureNote(45), 0.0f);
  EXPECT_EQ(table.GetPureNote(0), 0.0f);
  EXPECT_EQ(table.GetPureNote(108), 0.0f);
  EXPECT_EQ(table.GetPureNote(-1), 1.0f);
  EXPECT_EQ(table.GetPureNote(109), 1.0f);
}

TEST(NoteTable, RatiosAgainst220Hertz) {
  TNote table;
  EXPECT_EQ(table.Init(), 0);
  EXPECT_EQ(table.GetPureNote(45), 1.0f);
  EXPECT_EQ(table.GetPureNote(57), 2.0f);
  EXPECT_EQ(table.GetPureNote(33), 0.5f);
  EXPECT_EQ(table.GetPureNote(9), 0.125f);
  EXPECT_NEAR(table.GetPureNote(0), 0.0743181854, 1e-7);
  EXPECT_NEAR(table.GetPureNote(107), 35.918182, 1e-4);
  EXPECT_EQ(table.GetPureNote(108), 0.0f);  // 109 entries, 108 notes
  EXPECT_EQ(table.GetPureNote(-1), 1.0f);
  EXPECT_EQ(table.GetPureNote(109), 1.0f);
  // Rising through the whole table.
  for (int n = 1; n < 108; ++n) EXPECT_GT(table.GetPureNote(n), table.GetPureNote(n - 1)) << n;
}

TEST(NoteTable, OctaveRowsAndTheirUpperColumns) {
  TNote table;
  table.Init();
  EXPECT_EQ(table.Notes[3][9], 1.0f);
  for (int o = 0; o < TNote::kOctaves; ++o) {
    for (int n = 0; n < 12; ++n) EXPECT_EQ(table.Notes[o][n], table.PureNote[o * 12 + n]);
    // Columns 12..16: semitones 0..4 against 110 Hz, twice the 220 Hz ratio.
    for (int n = 0; n < 5; ++n) EXPECT_FLOAT_EQ(table.Notes[o][n + 12], 2.0f * table.Notes[o][n]);
  }
}

TEST(NoteTable, NoteNumbersAndRepeatedInit) {
  EXPECT_EQ(TNote::GetNote(3, 9), 45);
  EXPECT_EQ(TNote::GetNote(0, 0), 0);
  EXPECT_EQ(TNote::GetNote(9, 0), 108);
  TNote once, twice;
  once.Init();
  twice.Init();
  twice.Init();
  EXPECT_EQ(once.PureNote, twice.PureNote);
  EXPECT_EQ(once.Notes, twice.Notes);
}

}  // namespace

namespace {

class NoteTableAtStartUp : public BankTest {};

// The table is filled by the module's own start-up: an untracked voice plays at the
// rate of its root note, not at rate 0.
TEST_F(NoteTableAtStartUp, FilledByTheModuleStartUp) {
  EXPECT_EQ(note->GetPureNote(45), 1.0f);
  EXPECT_EQ(note->GetPureNote(57), 2.0f);
  ASSERT_EQ(put(1, 1, {1, 2, 3}), 1);
  EXPECT_EQ(bank->GetVolume(1, 1, 17), 1.0f);
  bank->SetVolume(1, 1, 6, 12.0f);
  EXPECT_EQ(bank->GetVolume(1, 1, 17), 2.0f);
}

}  // namespace
