// TPresetList: the design shared by the three preset libraries. The browse pane lists 8
// folders, the pick pane the presets of the chosen folder (rows 0..49); each preset's
// values live in a record at flat position folder x 50 + row. The library loads from its
// stub settings file below App_SupportDir and writes it back when changed.
#pragma once
#include <array>
#include <memory>
#include <string>

#include "framework/ini.h"
#include "voice/mmultilist.h"

constexpr int kPresetFolders = 8;
constexpr int kPresetRows = 50;
constexpr int kPresetRecords = kPresetFolders * kPresetRows;

template <class Data>
class TPresetList : public TMultiList {
 public:
  using TRecords = std::array<std::unique_ptr<Data>, kPresetRecords>;

  std::array<std::string, kPresetFolders> FXSectionName{};
  int FXSectionCount = 0;
  std::array<int, kPresetFolders> FXSubSectionCount{};
  std::array<int, kPresetFolders> SubSectionCount{};  // presets per folder
  std::array<int, kPresetFolders> FXSubSectionStart{};
  int InBrowser = 1;
  int changed = 0;

  virtual int AddFolder(const std::string& name);
  virtual int RemoveFolder();
  // The chosen preset for a negative pos; pos when a named record is there, else -1.
  virtual int GetFlatPos(int pos);
  virtual int RemoveFromFolder();
  virtual int Shutdown();
  virtual int GetNewCounts();
  virtual int SaveData();
  virtual int Init();

  // The stub file's path below App_SupportDir.
  const std::string& StubPath() const { return stubPath_; }

 protected:
  TPresetList(std::string stubPath, std::string initMessage, std::string saveMessage);
  TPresetList(const TPresetList&) = delete;
  TPresetList& operator=(const TPresetList&) = delete;

  virtual TIni& File() = 0;
  virtual TRecords& Records() = 0;
  // AddToFolder of each kind: stores values (its Name ignored) under name.
  int AddRecord(const std::string& name, const Data& values);

 private:
  std::string stubPath_;
  std::string initMessage_;
  std::string saveMessage_;
};
