// TLFOList: its stub file and messages, and storing an LFO preset.
#include "voice/lfolist.h"

TLFOList::TLFOList() : TPresetList("Tinsmere/lfostub.ini", " LFOList Init", " LFOList SaveIni") {}

int TLFOList::AddToFolder(const std::string& name, float wave, float hertz, float offset,
                          float voffset, float sync, float scale) {
  TLFOListData values;
  values.fWave = wave;
  values.fHertz = hertz;
  values.fOffset = offset;
  values.fVOffset = voffset;
  values.fSync = sync;
  values.fScale = scale;
  return AddRecord(name, values);
}
