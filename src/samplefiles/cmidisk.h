// The open sampler disk image: the module globals shared by the file browser, the
// game's sound loader and the preview loader (LoadTemp reads by entry name while
// CMIDisk is set), the directory record TCMISample, and the disk-image operations.
// The globals are defined once in cmidisk.cpp; the operations live in diskimages.cpp,
// imdimport.cpp and emu1.cpp. Main thread only; nothing here is guarded.
#pragma once
#include <array>
#include <cstdint>
#include <string>

class TStream;

constexpr int kCMIRamDiskSize = 512512;  // bytes of the flat disk copy
constexpr int kCMIMaxFiles = 160;        // directory entries examined and kept at most

// One voice file of the open disk image.
struct TCMISample {
  std::string Name;       // kept name bytes, ".", the extension ("PIANO.VC")
  std::string Extension;  // always "VC" for a kept entry
  int StartSectorHi = 0;
  int StartSectorLo = 0;
  int vcStart = 0;        // index in CMIRamDisk of the voice's first sample byte
  int LoopEnable = 0;     // not consulted when loading
  int LoopEnd = 0;        // frames
  int LoopStart = 0;      // frames
  int SampleRate = 0;     // never set
  int PCMLength = 0;      // never set
};

extern std::string CMIDisk;  // path of the open disk image, "" when none
extern std::array<uint8_t, kCMIRamDiskSize> CMIRamDisk;
extern int CMIDiskSize;      // kCMIRamDiskSize while a disk is open, else 0
extern std::array<TCMISample, kCMIMaxFiles> CMIFileStructure;
extern int CMIFileCount;     // valid entries at the front of CMIFileStructure
extern int CMIDataStart;     // sample data range that OpenEMU1 found
extern int CMIDataEnd;

// 1 when the ImageDisk image at path is open (CMIDisk = path), 0 when not (none open).
int OpenIMD(const std::string& path);
// 1 when the image was copied into CMIRamDisk.
int ConvertIMDToBinary(const std::string& path);
// Closes the disk: CMIFileCount 0, CMIDisk "", CMIDiskSize 0; answers 0.
int ResetIMDDisk();
// 1 with CMIDataStart and CMIDataEnd set, 0 when the file cannot be opened.
int OpenEMU1(const std::string& path);
// Length of the next run (of more than two bytes) of bytes within low..high.
int GetFileChrCount(TStream& stream, int low, int high);
