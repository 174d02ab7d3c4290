// Mounted volumes: the mounts table of /proc/self/mounts with each volume's size
// and free space from statvfs, and the statistics of the volume holding a path.
#pragma once
#include <cstdint>
#include <string>
#include <vector>

struct MountEntry {
  std::string mountPoint;  // the folder it is mounted on
  std::string device;      // the mounted source
  std::string type;        // the file-system type name
};

struct VolumeInfo {
  std::string mountPoint;
  std::string device;
  std::string type;
  int64_t size = 0;  // block size times total blocks
  int64_t free = 0;  // block size times blocks available to an unprivileged user
};

// The entries of a mounts table in its text form (fields separated by blanks,
// octal escapes such as \040 decoded), in the table's order. Malformed lines are skipped.
std::vector<MountEntry> ParseMounts(const std::string& text);
// "\040" and the other three-digit octal escapes of the mounts table made bytes again.
std::string DecodeMountField(const std::string& field);
// Whether a mount is a file system worth showing as a volume: not a kernel or
// memory file system (proc, sysfs, tmpfs, cgroup, devpts ...), not a read-only
// package image (squashfs), and overlay only when it is the root.
bool IsRealFileSystem(const MountEntry& entry);

// The real file systems mounted now that report a size, in the table's order;
// a mount point mounted over again is listed once, as it is now seen.
std::vector<VolumeInfo> ListMountedVolumes();
// The volume holding path: its figures from statvfs, its names from the mount
// that holds the path. False (and out untouched) when the path cannot be read.
bool GetVolumeOfPath(const std::string& path, VolumeInfo& out);
