// TEnvelopeList: the voice bank's library of named envelope settings (delay, attack,
// decay, sustain, release), kept in "Tinsmere/Envelopestub.ini" below the support folder.
#pragma once
#include <array>
#include <string>

#include "voice/presetlist.h"
#include "voice/presetrecords.h"

class TEnvelopeList : public TPresetList<TEnvelopeListData> {
 public:
  TEnvelopeList();

  TIni EnvelopeFile;
  TRecords EnvelopeListData{};

  // Stores a preset at the end of the chosen folder (and its name in the chosen row).
  int AddToFolder(const std::string& name, float delay, float attack, float decay, float sustain,
                  float release);

 protected:
  TIni& File() override { return EnvelopeFile; }
  TRecords& Records() override { return EnvelopeListData; }
};
