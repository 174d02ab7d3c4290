// TPresetList: folders, storing, deleting, recounting, saving and loading presets; made
// for the rotor, envelope and LFO records.
#include "voice/presetlist.h"

#include <utility>

#include "framework/appfunctions.h"
#include "platform/print.h"
#include "voice/presetkeys.h"
#include "voice/presetrecords.h"

namespace {
constexpr int kMinNameLength = 3;
}

template <class Data>
TPresetList<Data>::TPresetList(std::string stubPath, std::string initMessage,
                               std::string saveMessage)
    : stubPath_(std::move(stubPath)),
      initMessage_(std::move(initMessage)),
      saveMessage_(std::move(saveMessage)) {}

template <class Data>
int TPresetList<Data>::AddFolder(const std::string& name) {
  if (name.size() < kMinNameLength) return 0;
  changed = 1;
  int g = CoreSelected;
  if (g > kPresetFolders - 1) g = kPresetFolders - 1;
  if (g < 0) g = 0;
  SetData(g - 1, g, name, 0);
  FXSectionName[g] = name;
  CoreEffectCount = kPresetFolders - 1;
  return 0;
}

template <class Data>
int TPresetList<Data>::RemoveFolder() {
  const int f = CoreSelected;
  if (f < 0 || f >= kPresetFolders) return 0;
  changed = 1;
  CoreEffect[f].clear();
  FXSectionName[f].clear();
  return 0;
}

template <class Data>
int TPresetList<Data>::GetFlatPos(int pos) {
  if (pos < 0) {
    const int f = CoreSelected;
    if (f < 0 || f >= kPresetFolders) return -1;
    const int s = CoreSubSelected[f];
    if (s < 0 || s >= kPresetRows) return -1;
    pos = f * kPresetRows + s;
  }
  if (pos >= kPresetRecords) return -1;
  const auto& record = Records()[pos];
  return record && !record->Name.empty() ? pos : -1;
}

template <class Data>
int TPresetList<Data>::AddRecord(const std::string& name, const Data& values) {
  const int f = CoreSelected;
  if (f < 0 || f >= kPresetFolders || name.size() < kMinNameLength) return 0;
  const int s = CoreSubSelected[f];
  if (s > 0 && (s > kPresetRows || CoreSubEffect[f][s - 1].empty())) return 0;
  const int end = SubSectionCount[f];
  if (end < 0 || end >= kPresetRows) return 0;  // the folder is full

  changed = 1;
  if (s >= 0 && s < kPresetRows) {
    CoreSubEffect[f][s] = name;
    CoreSubFilter[f][s] = 0;
  }
  CoreSubCount[f] = kPresetRows - 1;
  auto& record = Records()[f * kPresetRows + end];
  if (!record) record = std::make_unique<Data>();
  *record = values;
  record->Name = name;
  CoreSubEffect[f][end] = name;
  ++SubSectionCount[f];
  return 0;
}

template <class Data>
int TPresetList<Data>::RemoveFromFolder() {
  const int f = CoreSelected;
  if (f < 0 || f >= kPresetFolders) return 0;
  const int s = CoreSubSelected[f];
  if (s < 0 || GetFlatPos(-1) < 0) return 0;
  const int n = SubSectionCount[f];
  TRecords& records = Records();
  changed = 1;
  for (int i = s; i <= n - 2 && i + 1 < kPresetRows; ++i) {
    CoreSubEffect[f][i] = CoreSubEffect[f][i + 1];
    auto& to = records[f * kPresetRows + i];
    const auto& from = records[f * kPresetRows + i + 1];
    if (!to) to = std::make_unique<Data>();
    *to = from ? *from : Data();
  }
  if (n - 1 >= 0 && n - 1 < kPresetRows) {
    CoreSubEffect[f][n - 1].clear();
    if (auto& last = records[f * kPresetRows + n - 1]) last->Name.clear();
  }
  SubSectionCount[f] = n - 1 < 0 ? 0 : n - 1;
  CoreSubSelected[f] = -1;
  SaveData();
  return 0;
}

template <class Data>
int TPresetList<Data>::Shutdown() {
  return SaveData();
}

template <class Data>
int TPresetList<Data>::GetNewCounts() {
  for (int f = 0; f < kPresetFolders - 1; ++f) {
    if (FXSectionName[f].empty()) break;
    int count = 0;
    while (count <= CoreSubCount[f] && count < kPresetRows && !CoreSubEffect[f][count].empty()) ++count;
    SubSectionCount[f] = count;
  }
  return 0;
}

template <class Data>
int TPresetList<Data>::SaveData() {
  if (!changed) return 0;
  Print(saveMessage_);
  changed = 0;
  TIni& ini = File();
  const TRecords& records = Records();
  for (int f = 0; f < kPresetFolders - 1; ++f) {
    const int count = SubSectionCount[f];
    WritePresetLastRow(ini, f, count - 1);
    for (int i = 0; i < count && i < kPresetRows; ++i) {
      const std::string key = PresetKey(f, i);
      ini.SetKey("Sub", key, CoreSubEffect[f][i]);
      const auto& record = records[f * kPresetRows + i];
      WritePresetValues(ini, key, record ? *record : Data());
    }
  }
  ini.Save(App_SupportDir + stubPath_, 0);
  return 0;
}

template <class Data>
int TPresetList<Data>::Init() {
  Print(initMessage_);
  DoInit();
  CoreEffectCount = kPresetFolders - 1;
  for (int f = 0; f < kPresetFolders; ++f) {
    CoreSubCount[f] = kPresetRows - 1;
    FXSubSectionStart[f] = 0;
    SubSectionCount[f] = 0;  // a second Init loads afresh instead of appending
  }
  CoreSubDisplayed = kPresetRows - 1;
  for (auto& record : Records()) {
    if (record) record->Name.clear();
  }

  File().Init();
  File() = TIni::Load(App_SupportDir + stubPath_, 0);
  const TIni& ini = File();

  for (int f = 0; f < kPresetFolders; ++f) {
    CoreSelected = f;
    if (f == 0) {
      AddFolder("Defaults");
    } else if (f < kPresetFolders - 1) {
      AddFolder("User " + std::to_string(f));
    }
    int n = ReadPresetLastRow(ini, f);
    if (n > kPresetRows - 1) n = kPresetRows - 1;  // no room beyond row 49
    for (int i = 0; i <= n; ++i) {
      CoreSelected = f;
      CoreSubSelected[f] = i;
      Data record;
      ReadPreset(ini, PresetKey(f, i), record);
      AddRecord(record.Name, record);
    }
    CoreSubSelected[f] = 0;
  }
  GetNewCounts();
  CoreSelected = 0;
  changed = 0;
  return 0;
}

template class TPresetList<TRotorListData>;
template class TPresetList<TEnvelopeListData>;
template class TPresetList<TLFOListData>;
