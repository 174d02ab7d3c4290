// The disk-image services the folder model uses, handed in by the program at start-up so
// that the framework does not link the sample-file library. An empty hook means no disk
// images: opening one fails and there is never an open image to close.
#pragma once
#include <functional>
#include <string>

struct TDiskImageHook {
  // Opens the ImageDisk file at path (closing any open one first); 1 on success, else 0.
  std::function<int(const std::string& path)> OpenIMD;
  // Closes the open image for the preview loader (its path becomes "").
  std::function<void()> CloseDisk;
  // Entries of the open image, and the name ("PIANO.VC") of entry i.
  std::function<int()> FileCount;
  std::function<std::string(int i)> FileName;
};

TDiskImageHook& DiskImageHook();

// The hook's operations with the empty hook's answers.
int HookOpenIMD(const std::string& path);
void HookCloseDisk();
int HookFileCount();
std::string HookFileName(int i);
