// Loading one voice of the open CMI disk image into the preview, and closing the disk.
#include <algorithm>

#include "audio/audiofunctions.h"
#include "samplefiles/bytemaps.h"
#include "samplefiles/cmidisk.h"
#include "samplefiles/soundio.h"

int ResetIMDDisk() {
  CMIFileCount = 0;
  CMIDisk = "";
  CMIDiskSize = 0;
  return 0;
}

// The voice's 8-bit bytes from the flat copy; bytes beyond the open disk are silent.
// Only the first three arguments are used.
int TSoundIO::LoadCMIDisk(int index, int length, int bits, int size, int mode) {
  if (index < 0 || index >= CMIFileCount || index >= kCMIMaxFiles) return 0;
  const TCMISample& entry = CMIFileStructure[static_cast<size_t>(index)];
  const int64_t p = entry.vcStart;
  LpStart = 0;
  LpEnd = -1;
  aliasName = "";
  std::shared_ptr<TAudioSample> sample = CreateAudioSample(length, 44100, SF_MONO16);
  if (!sample) return 0;
  TempSample = sample;
  CurrLoad = 1;
  CurrBits = 8;
  const int64_t diskSize = std::min<int64_t>(CMIDiskSize, kCMIRamDiskSize);
  int16_t* values = sample->Values16();
  for (int i = 0; i < length; ++i)
    values[i] = p + i >= 0 && p + i < diskSize ? MapCMIDisk8(CMIRamDisk[static_cast<size_t>(p + i)]) : 0;
  Sound = LoadSound(TempSample, 0);
  if (entry.LoopStart < entry.LoopEnd) {
    LpStart = entry.LoopStart;
    LpEnd = std::min(entry.LoopEnd, length - 1);
  }
  FillTempData();
  GotSound = 1;
  DataType = 1;
  return 1;
}
