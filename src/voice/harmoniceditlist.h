// THarmonicEditList: the harmonic editor's menu of edit operations, a two-pane list of
// seven categories filled from a fixed table of (category, text, operation) rows.
#pragma once
#include "voice/mmultilist.h"

class THarmonicEditList : public TMultiList {
 public:
  THarmonicEditList() = default;

  int Init();
};
