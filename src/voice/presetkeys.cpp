// Reading and writing the preset stub files' keys and values.
#include "voice/presetkeys.h"

#include "framework/ini.h"
#include "voice/presettext.h"

namespace {
const char kMain[] = "Main";
const char kSub[] = "Sub";

int IntKey(const TIni& ini, const std::string& key) { return PresetTextToInt(ini.GetKey(kSub, key, "0")); }
float FloatKey(const TIni& ini, const std::string& key, const char* fallback = "0") {
  return PresetTextToFloat(ini.GetKey(kSub, key, fallback));
}
void SetInt(TIni& ini, const std::string& key, int value) { ini.SetKey(kSub, key, PresetIntText(value)); }
void SetFloat(TIni& ini, const std::string& key, float value) {
  ini.SetKey(kSub, key, PresetFloatText(value));
}
}  // namespace

std::string PresetFolderKey(int folder) { return 'M' + std::to_string(folder) + 'C'; }

std::string PresetKey(int folder, int row) {
  return 'M' + std::to_string(folder) + 'S' + std::to_string(row);
}

int ReadPresetLastRow(const TIni& ini, int folder) {
  return PresetTextToInt(ini.GetKey(kMain, PresetFolderKey(folder), "-1"));
}

void WritePresetLastRow(TIni& ini, int folder, int lastRow) {
  ini.SetKey(kMain, PresetFolderKey(folder), PresetIntText(lastRow));
}

void ReadPreset(const TIni& ini, const std::string& key, TRotorListData& record) {
  record.Name = ini.GetKey(kSub, key, "");
  record.nTime = IntKey(ini, key + "time");
  record.nCount = IntKey(ini, key + "count");
  record.nActive = IntKey(ini, key + "active");
  for (int j = 0; j < kPresetRotorLevels; ++j) {
    record.nRotor[j] = IntKey(ini, key + "rotor" + std::to_string(j));
  }
}

// The envelope's five times are kept under the LFO file's first five field words.
void ReadPreset(const TIni& ini, const std::string& key, TEnvelopeListData& record) {
  record.Name = ini.GetKey(kSub, key, "");
  record.nDelay = FloatKey(ini, key + "wave");
  record.nAttack = FloatKey(ini, key + "hertz");
  record.nDecay = FloatKey(ini, key + "offset");
  record.nSustain = FloatKey(ini, key + "voffset");
  record.nRelease = FloatKey(ini, key + "sync");
}

void ReadPreset(const TIni& ini, const std::string& key, TLFOListData& record) {
  record.Name = ini.GetKey(kSub, key, "");
  record.fWave = FloatKey(ini, key + "wave");
  record.fHertz = FloatKey(ini, key + "hertz");
  record.fOffset = FloatKey(ini, key + "offset");
  record.fVOffset = FloatKey(ini, key + "voffset");
  record.fSync = FloatKey(ini, key + "sync");
  record.fScale = FloatKey(ini, key + "scale", "999");
}

void WritePresetValues(TIni& ini, const std::string& key, const TRotorListData& record) {
  SetInt(ini, key + "time", record.nTime);
  SetInt(ini, key + "count", record.nCount);
  SetInt(ini, key + "active", record.nActive);
  for (int j = 0; j < kPresetRotorLevels; ++j) {
    SetInt(ini, key + "rotor" + std::to_string(j), record.nRotor[j]);
  }
}

void WritePresetValues(TIni& ini, const std::string& key, const TEnvelopeListData& record) {
  SetFloat(ini, key + "wave", record.nDelay);
  SetFloat(ini, key + "hertz", record.nAttack);
  SetFloat(ini, key + "offset", record.nDecay);
  SetFloat(ini, key + "voffset", record.nSustain);
  SetFloat(ini, key + "sync", record.nRelease);
}

void WritePresetValues(TIni& ini, const std::string& key, const TLFOListData& record) {
  SetFloat(ini, key + "wave", record.fWave);
  SetFloat(ini, key + "hertz", record.fHertz);
  SetFloat(ini, key + "offset", record.fOffset);
  SetFloat(ini, key + "voffset", record.fVOffset);
  SetFloat(ini, key + "sync", record.fSync);
  SetFloat(ini, key + "scale", record.fScale);
}
