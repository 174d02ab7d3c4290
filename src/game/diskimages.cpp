// The disk-image hook wired to the sample files' image reader and its globals.
#include "game/diskimages.h"

#include <algorithm>
#include <string>

#include "framework/diskimagehook.h"
#include "samplefiles/cmidisk.h"

void ConnectDiskImages() {
  DiskImageHook() = TDiskImageHook{
      .OpenIMD = [](const std::string& path) { return OpenIMD(path); },
      .CloseDisk = [] { CMIDisk.clear(); },
      .FileCount = [] { return std::clamp(CMIFileCount, 0, kCMIMaxFiles); },
      .FileName = [](int i) { return i >= 0 && i < kCMIMaxFiles ? CMIFileStructure[i].Name : ""; }};
}
