// The start-up's disk-image wiring: the framework's hook reaches the sample files'
// image reader and the open image's globals.
#include "game/diskimages.h"

#include <gtest/gtest.h>

#include "framework/diskimagehook.h"
#include "samplefiles/cmidisk.h"

namespace {

TEST(DiskImageWiring, TheHookAnswersFromTheOpenImage) {
  ConnectDiskImages();
  CMIDisk = "/x/disk.imd";
  CMIFileCount = 2;
  CMIFileStructure[0].Name = "PIANO.VC";
  CMIFileStructure[1].Name = "BASS.VC";
  EXPECT_EQ(HookFileCount(), 2);
  EXPECT_EQ(HookFileName(0), "PIANO.VC");
  EXPECT_EQ(HookFileName(1), "BASS.VC");
  EXPECT_EQ(HookFileName(-1), "");
  EXPECT_EQ(HookFileName(kCMIMaxFiles), "");
  CMIFileCount = kCMIMaxFiles + 40;  // never more than the directory holds
  EXPECT_EQ(HookFileCount(), kCMIMaxFiles);
  HookCloseDisk();
  EXPECT_EQ(CMIDisk, "");

  // Opening goes to the reader, which closes the open image before it fails on a path
  // that is no image.
  CMIDisk = "/x/disk.imd";
  CMIFileCount = 2;
  testing::internal::CaptureStdout();
  EXPECT_EQ(HookOpenIMD("/nowhere/disk.imd"), 0);
  testing::internal::GetCapturedStdout();
  EXPECT_EQ(CMIDisk, "");
  EXPECT_EQ(CMIFileCount, 0);

  ResetIMDDisk();
  DiskImageHook() = TDiskImageHook{};
}

}  // namespace
