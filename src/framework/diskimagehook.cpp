// The disk-image hook's one instance and its calls with the empty hook's answers.
#include "framework/diskimagehook.h"

TDiskImageHook& DiskImageHook() {
  static TDiskImageHook hook;
  return hook;
}

int HookOpenIMD(const std::string& path) {
  auto& h = DiskImageHook();
  return h.OpenIMD ? h.OpenIMD(path) : 0;
}

void HookCloseDisk() {
  auto& h = DiskImageHook();
  if (h.CloseDisk) h.CloseDisk();
}

int HookFileCount() {
  auto& h = DiskImageHook();
  return h.FileCount ? h.FileCount() : 0;
}

std::string HookFileName(int i) {
  auto& h = DiskImageHook();
  return h.FileName ? h.FileName(i) : std::string();
}
