// TRotorList: its stub file and messages, and storing a rotor preset.
#include "voice/rotorlist.h"

TRotorList::TRotorList()
    : TPresetList("Tinsmere/Rotorstub.ini", " RotorList Init", " RotorList SaveIni") {}

int TRotorList::AddToFolder(const std::string& name, int active, int time, int count,
                            const std::array<int, kPresetRotorLevels>& levels) {
  TRotorListData values;
  values.nActive = active;
  values.nTime = time;
  values.nCount = count;
  values.nRotor = levels;
  return AddRecord(name, values);
}
