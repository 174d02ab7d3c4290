// The folder model over a folder holding the fuzzer's bytes as a disk image and as the
// two kinds of file whose display name is read from the file: listed, then the disk
// image opened as a folder, with the disk-image hook the program installs.
#include <algorithm>

#include "framework/diskimagehook.h"
#include "framework/filetypes.h"
#include "framework/folder.h"
#include "samplefiles/cmidisk.h"
#include "scratch.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  static const bool hooked = [] {
    DiskImageHook() = TDiskImageHook{
        .OpenIMD = [](const std::string& path) { return OpenIMD(path); },
        .CloseDisk = [] { CMIDisk.clear(); },
        .FileCount = [] { return std::clamp(CMIFileCount, 0, kCMIMaxFiles); },
        .FileName = [](int i) { return i >= 0 && i < kCMIMaxFiles ? CMIFileStructure[i].Name : ""; }};
    return true;
  }();
  (void)hooked;
  WriteScratchFile("disk.imd", data, size);
  WriteScratchFile("voice.em1", data, size);
  WriteScratchFile("bank.ebl", data, size);
  TMFolder folder;
  folder.GetDir(ScratchFolder());
  folder.CurrFile = "disk.imd";
  folder.CurrType = kFileTypeDiskImage;
  folder.OpenDir("");
  ResetIMDDisk();
  return 0;
}
