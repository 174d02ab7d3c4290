// TLFOList: the voice bank's library of named LFO settings (wave, rate, offsets, sync,
// scale), kept in "Tinsmere/lfostub.ini" below the support folder.
#pragma once
#include <array>
#include <string>

#include "voice/presetlist.h"
#include "voice/presetrecords.h"

class TLFOList : public TPresetList<TLFOListData> {
 public:
  TLFOList();

  TIni LFOFile;
  TRecords LFOListData{};

  // Stores a preset at the end of the chosen folder (and its name in the chosen row).
  int AddToFolder(const std::string& name, float wave, float hertz, float offset, float voffset, float sync,
                  float scale);

 protected:
  TIni& File() override { return LFOFile; }
  TRecords& Records() override { return LFOListData; }
};
