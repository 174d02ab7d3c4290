// The keys of the preset stub files: "Main"/"M<f>C" holds a folder's last row, and
// "Sub"/"M<f>S<i>" a preset's name, followed by one key per value (the key plus a field
// word). Readers use each key's default when it is missing.
#pragma once
#include <string>

#include "voice/presetrecords.h"

class TIni;

std::string PresetFolderKey(int folder);          // "M<f>C"
std::string PresetKey(int folder, int row);        // "M<f>S<i>"
int ReadPresetLastRow(const TIni& ini, int folder);  // -1 when missing
void WritePresetLastRow(TIni& ini, int folder, int lastRow);

// The preset's name and values under key; a missing name reads as "".
void ReadPreset(const TIni& ini, const std::string& key, TRotorListData& record);
void ReadPreset(const TIni& ini, const std::string& key, TEnvelopeListData& record);
void ReadPreset(const TIni& ini, const std::string& key, TLFOListData& record);
// The values only, in the file's order; the caller writes the name.
void WritePresetValues(TIni& ini, const std::string& key, const TRotorListData& record);
void WritePresetValues(TIni& ini, const std::string& key, const TEnvelopeListData& record);
void WritePresetValues(TIni& ini, const std::string& key, const TLFOListData& record);
