// TRotorList: the voice bank's library of named rotor settings (switch, step time,
// position count, 16 levels), kept in "Tinsmere/Rotorstub.ini" below the support folder.
#pragma once
#include <array>
#include <string>

#include "voice/presetlist.h"
#include "voice/presetrecords.h"

class TRotorList : public TPresetList<TRotorListData> {
 public:
  TRotorList();

  TIni RotorFile;
  TRecords RotorListData{};

  // Stores a preset at the end of the chosen folder (and its name in the chosen row).
  int AddToFolder(const std::string& name, int active, int time, int count,
                  const std::array<int, kPresetRotorLevels>& levels);

 protected:
  TIni& File() override { return RotorFile; }
  TRecords& Records() override { return RotorListData; }
};
