// The disk-image globals, defined once: zero-filled flat copy, 160 empty entries, no
// disk open.
#include "samplefiles/cmidisk.h"

std::string CMIDisk;
std::array<uint8_t, kCMIRamDiskSize> CMIRamDisk{};
int CMIDiskSize = 0;
std::array<TCMISample, kCMIMaxFiles> CMIFileStructure{};
int CMIFileCount = 0;
int CMIDataStart = 0;
int CMIDataEnd = 0;
