// The folder model: listing folders and disk images into the entry arrays, the selected
// entry, and display names read out of "em1" and "ebl" files.
#include "framework/folder.h"

#include <algorithm>
#include <cstdint>
#include <fstream>
#include <limits>

#include "framework/diskimagehook.h"
#include "framework/filetypes.h"
#include "framework/folderpaths.h"
#include "framework/utf8string.h"
#include "platform/files.h"
#include "platform/paths.h"
#include "platform/print.h"
#include "platform/textcase.h"

int PrefLoadFileAlias = 1;

namespace {
constexpr size_t kMaxDirLength = 255;
constexpr int kTypeEm1 = 47;
constexpr int kTypeEbl = 56;
constexpr int kTypeApp = 23;
constexpr int kEm1NameOffset = 0x1D3;
constexpr int kEm1NameLength = 12;
constexpr int kEblNameOffset = 24;
constexpr int kEblNameLength = 32;

// The folder part of path, ending in "/" unless it is "".
std::string FolderOf(const std::string& path) {
  std::string d = ExtractDir(path);
  if (!d.empty() && d.back() != '/') d += '/';
  return d;
}

bool CanOpenFolder(const std::string& d) { return ReadDir(d).has_value(); }

int SizeOf(const std::string& path) {
  // Sizes are held as int; a larger file shows the largest size that fits.
  return static_cast<int>(std::min<int64_t>(FileSize(path), std::numeric_limits<int>::max()));
}

bool IsFolderCode(int type) {
  return type == 2 || (type >= 3 && type <= 8) || (type >= 10 && type <= 13);
}
}  // namespace

TMFolder::TMFolder()
    : FName(kFolderGrowth),
      FAlias(kFolderGrowth),
      FExtension(kFolderGrowth),
      FSize(kFolderGrowth),
      FSectorStart(kFolderGrowth),
      FType(kFolderGrowth) {
  const std::string here = CurrentDir();
  CurrentDirectory = here.empty() || here.back() != '/' ? here + "/" : here;
}

std::string TMFolder::SetDir(const std::string& path) {
  std::string p = path;
  if (p == CurrDir) {
    if (!CurrDir.empty()) return CurrDir;
    p = CurrentDirectory;
  }
  HookCloseDisk();
  const std::string d = FolderOf(p);
  if (!CanOpenFolder(d)) Print("path " + d + " Not found.");
  if (d != CurrDir) {
    CurrDir = d;
    GetDir(d);
  }
  return CurrDir;
}

int TMFolder::GetDir(const std::string& dir) {
  const auto names = ReadDir(dir);
  if (!names) return 0;
  DirChange = 1;
  CurrDir = dir;
  FCount = 0;
  int n = 0;
  for (const std::string& name : *names) {
    if (name.empty() || name[0] == '.') continue;
    CheckDirectoryCount(n);
    FName[n] = name;
    FAlias[n] = StripDir(name);
    FExtension[n] = ExtractExt(FAlias[n]);
    FSize[n] = SizeOf(dir + name);
    FSectorStart[n] = 0;
    switch (FileType(dir + name)) {
      case FILETYPE_FILE:
        FType[n] = GetFileType(name, 1);
        break;
      case FILETYPE_DIR:
        if (ToLower(ExtractExt(name)) == "app") {
          FType[n] = kTypeApp;
        } else {
          FType[n] = kFileTypeFolder;
          FSize[n] = 0;
        }
        break;
      default:
        FType[n] = -1;
        break;
    }
    FAlias[n] = GetFileAlias(dir + name, StripExt(FAlias[n]), FType[n]);
    ++n;
  }
  FCount = n;
  return 0;
}

std::string TMFolder::GetFileAlias(const std::string& path, const std::string& alias, int type) {
  if (PrefLoadFileAlias == 0) return alias;
  std::string result;
  if (type == kTypeEm1 || type == kTypeEbl) {
    std::ifstream in(path, std::ios::binary);
    if (!in) return alias;
    if (type == kTypeEm1) {
      result = alias + " - ";
      in.seekg(kEm1NameOffset);
      for (int i = 0; i < kEm1NameLength && in; ++i) {
        const int c = in.get();
        if (c == std::char_traits<char>::eof()) break;
        AppendUtf8(result, static_cast<unsigned>(c));  // each byte is the character of its code
      }
    } else {
      in.seekg(kEblNameOffset);
      for (int i = 0; i < kEblNameLength && in; ++i) {
        const int c = in.get();
        if (c == std::char_traits<char>::eof()) break;
        if (c >= 28 && c <= 126) result += static_cast<char>(c);
        if (in.get() == std::char_traits<char>::eof()) break;
      }
    }
  }
  return result.empty() ? alias : result;
}

int TMFolder::ForceReload() {
  const std::string d = FolderOf(CurrDir);
  if (!CanOpenFolder(d)) Print("path " + d + " Not found.");
  CurrDir = d;
  GetDir(d);
  return 0;
}

int TMFolder::OpenDir(const std::string& /*name*/) {
  ResetDir();
  if (CurrType == kFileTypeFolder) {
    SetDir(CurrDir + CurrFile + "/");
    return 2;
  }
  if (CurrType == kFileTypeDiskImage) {
    const std::string image = CurrDir + CurrFile;
    if (HookOpenIMD(image) != 0 && HookFileCount() > 0) SetIMDDir(image + "/");
    return 2;
  }
  return -1;
}

std::string TMFolder::SetIMDDir(const std::string& path) {
  const int count = HookFileCount();
  if (count < 1) return "";
  std::string p = path;
  if (p == CurrDir) {
    if (!CurrDir.empty()) return CurrDir;
    p = CurrentDirectory;
  }
  DirChange = 1;
  FCount = 0;
  CurrDir = p;
  for (int i = 0; i < count; ++i) {
    CheckDirectoryCount(i);
    const std::string name = HookFileName(i);
    FName[i] = name;
    FAlias[i] = StripExt(name);
    FExtension[i] = ExtractExt(name);
    FSize[i] = kDiskImageEntrySize;
    FSectorStart[i] = 0;
    FType[i] = kFileTypeFile;
  }
  FCount = count;
  return CurrDir;
}

std::string TMFolder::GetPrevDir(const std::string& path) {
  HookCloseDisk();
  PrevDir = path;
  return GetPreviousDir(path);
}

int TMFolder::ResetDir() {
  if (!CurrDir.empty() && CurrDir.size() <= kMaxDirLength) return 0;
  CurrDir.clear();
  CurrType = kFileTypeFolder;
  CurrFile.clear();
  CurrAlias.clear();
  CurrExtension.clear();
  HookCloseDisk();
  return 0;
}

int TMFolder::SetFile(const std::string& file, const std::string& alias, int size, int type) {
  if (DirChange == 0 && file.empty()) return 0;
  const std::string a = alias.empty() ? file : alias;
  CurrFile = file;
  CurrExtension = ExtractExt(a);
  CurrAlias = StripExt(a);
  CurrType = type;
  CurrSize = size;
  return 0;
}

int TMFolder::DirChanged() {
  if (DirChange == 0) return 0;
  DirChange = 0;
  return 1;
}

int TMFolder::GetFolderPosition(const std::string& name) {
  if (name.empty()) return 0;
  const std::string wanted = ToLower(name);
  int p = 0;
  for (int i = 0; i < FCount; ++i)
    if (IsFolderCode(FType[i]) && ToLower(FName[i]) == wanted) p = i;
  return p;
}

int TMFolder::CheckSoundHandled() {
  GetFileType(CurrFile, -1);
  return SoundHandled;
}

int TMFolder::CheckDirectoryCount(int n) {
  if (n < 0 || static_cast<size_t>(n) < FName.size()) return 0;
  const size_t grown = static_cast<size_t>(n) + kFolderGrowth;
  FName.resize(grown);
  FAlias.resize(grown);
  FExtension.resize(grown);
  FSize.resize(grown);
  FSectorStart.resize(grown);
  FType.resize(grown);
  return 0;
}
