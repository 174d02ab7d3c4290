// LoadTemp: loading a file for preview by its extension (or by entry name from an open
// disk image), LoadVC and LoadMp3 of its chain, SetTempSound, and the success and
// failure endings that every loader shares.
#include <algorithm>

#include "audio/audiofunctions.h"
#include "platform/files.h"
#include "platform/paths.h"
#include "platform/print.h"
#include "platform/textcase.h"
#include "samplefiles/cmidisk.h"
#include "samplefiles/soundio.h"

namespace {

bool OneOf(const std::string& ext, std::initializer_list<const char*> names) {
  return std::any_of(names.begin(), names.end(), [&](const char* name) { return ext == name; });
}

}  // namespace

int TSoundIO::LoadSucceeded(const std::string& path) {
  Sound = LoadSound(TempSample, 0);
  TempSound = path;
  FillTempData();
  DataType = 1;
  return 1;
}

int TSoundIO::LoadFailed() {
  ResetTempData();
  const int changed = DataType == 1 ? 1 : 0;
  DataType = 0;
  return changed;
}

// Some decoders answer success for a file too short to hold one frame.
int TSoundIO::LoadEnded(int result, const std::string& path) {
  const bool loaded = result > 0 && TempSample && TempSample->length > 0;
  return loaded ? LoadSucceeded(path) : LoadFailed();
}

int TSoundIO::SetTempSound(const std::string& path) {
  TempSound = path;
  return 0;
}

int TSoundIO::LoadMp3(const std::string& path) { return 0; }

int TSoundIO::LoadVC(const std::string& path, int ignored) {
  Print("SoundIO");
  const int result = LoadAs16BitRev(path, 0);
  CurrBits = 16;
  return LoadEnded(result, path);
}

int TSoundIO::LoadTemp(const std::string& path) {
  if (path == TempSound || path == OldTempSound) return 0;
  OldTempSound = path;
  LpStart = 0;
  LpEnd = -1;
  aliasName = "";

  if (FileType(path) == FILETYPE_DIR) return LoadFailed();

  if (!CMIDisk.empty()) {
    const std::string name = StripDir(path);
    if (name == TempSound) return 0;
    const int count = std::clamp(CMIFileCount, 0, kCMIMaxFiles);
    // Every matching entry is loaded in turn; LoadCMIDisk reports through GotSound.
    for (int i = 0; i < count; ++i) {
      if (CMIFileStructure[i].Name != name) continue;
      TempSound = CMIFileStructure[i].Name;
      LoadCMIDisk(i, 15939, 8, 512, 1);
    }
    return 0;
  }

  const std::string ext = ToLower(ExtractExt(path));
  int result = 0;
  if (OneOf(ext, {"krz", "kr1", "kr2", "kr3", "kr4", "kr5", "kr6"})) {
    result = LoadAs16BitRev(path, 0);
    CurrBits = 16;
  } else if (ext == "ksf") {
    result = LoadAs16BitRev(path, 140);
    CurrBits = 16;
  } else if (ext == "dsk") {
    result = LoadAs12Bit(path, 1);
    CurrBits = 12;
  } else if (OneOf(ext, {"8svx", "iff"})) {
    result = LoadIFF(path);
    CurrBits = 16;
  } else if (ext == "mp3") {
    result = LoadMp3(path);
  } else if (OneOf(ext, {"x0v", "x0a", "x0s", "x0w", "x3v", "x3a", "x3s", "x3w", "usr"})) {
    result = LoadAs16Bit(path, 0, 0);
    CurrBits = 16;
  } else if (ext == "ebl") {
    result = LoadAs16Bit(path, 306, 48);
    CurrBits = 16;
  } else if (ext == "em1") {
    // Without the scan's data range there is nothing to decode.
    if (OpenEMU1(path) > 0) result = LoadAs8BitLog(path, CMIDataStart, CMIDataEnd);
    CurrBits = 8;
  } else if (ext == "eb2") {
    result = LoadAs16Bit(path, 29000, 0);
    CurrBits = 16;
  } else if (ext == "ipa") {
    result = LoadAs8Bit2(path);
    CurrBits = 8;
  } else if (ext == "wav") {
    result = LoadWav(path);
    if (result > 0 && !aliasName.empty()) Print(aliasName + " " + path);
  } else if (ext == "aif") {
    Print("aif load, " + path);
    result = LoadAif(path);
  } else if (OneOf(ext, {"msmpl_bank", "p3k"})) {
    result = LoadAs16BitRev(path, 0);
    CurrBits = 16;
  } else if (OneOf(ext, {"t01", "t02", "t03", "t04", "t05"})) {
    result = LoadAs16BitRev(path, 110592);
    CurrBits = 16;
  } else if (ext == "vc") {
    return LoadVC(path, 0);
  } else if (ext == "vcd") {
    if (FileSize(path) < 20000) {
      result = LoadAs8BitFlipped(path);
      CurrBits = 8;
    } else {
      result = LoadAs16Bit(path, 0, 0);
      CurrBits = 16;
    }
  }
  return LoadEnded(result, path);
}
