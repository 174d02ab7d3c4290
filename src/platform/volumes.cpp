// Mounted volumes from /proc/self/mounts and statvfs.
#include "platform/volumes.h"

#include <sys/statvfs.h>

#include <cstdint>
#include <cstdlib>
#include <fstream>
#include <sstream>

namespace {

const char* const kPseudoTypes[] = {
    "proc",     "sysfs",     "devtmpfs", "devpts",   "tmpfs",      "ramfs",    "cgroup",
    "cgroup2",  "securityfs", "debugfs", "tracefs",  "pstore",     "bpf",      "mqueue",
    "hugetlbfs", "configfs", "fusectl",  "autofs",   "binfmt_misc", "efivarfs", "nsfs",
    "rpc_pipefs", "selinuxfs", "squashfs", "fuse.gvfsd-fuse", "fuse.portal", "rootfs"};

std::string readMountsTable() {
  std::ifstream in("/proc/self/mounts");
  std::stringstream text;
  text << in.rdbuf();
  return text.str();
}

bool statistics(const std::string& path, int64_t& size, int64_t& free) {
  struct statvfs st;
  if (path.empty() || statvfs(path.c_str(), &st) != 0) return false;
  uint64_t unit = st.f_frsize ? st.f_frsize : st.f_bsize;
  // Saturate rather than wrap on absurd figures.
  auto product = [unit](uint64_t blocks) -> int64_t {
    if (unit != 0 && blocks > static_cast<uint64_t>(INT64_MAX) / unit) return INT64_MAX;
    return static_cast<int64_t>(blocks * unit);
  };
  size = product(st.f_blocks);
  free = product(st.f_bavail);
  return true;
}

// Whether mountPoint is path itself or one of its parent folders.
bool holds(const std::string& mountPoint, const std::string& path) {
  if (mountPoint == "/") return true;
  if (path.compare(0, mountPoint.size(), mountPoint) != 0) return false;
  return path.size() == mountPoint.size() || path[mountPoint.size()] == '/';
}

}  // namespace

std::string DecodeMountField(const std::string& field) {
  auto isOctal = [](char c) { return c >= '0' && c <= '7'; };
  std::string out;
  for (size_t i = 0; i < field.size(); ++i) {
    if (field[i] == '\\' && i + 3 < field.size() && isOctal(field[i + 1]) && isOctal(field[i + 2]) &&
        isOctal(field[i + 3])) {
      int value = (field[i + 1] - '0') * 64 + (field[i + 2] - '0') * 8 + (field[i + 3] - '0');
      if (value <= 255) {
        out.push_back(static_cast<char>(value));
        i += 3;
        continue;
      }
    }
    out.push_back(field[i]);
  }
  return out;
}

std::vector<MountEntry> ParseMounts(const std::string& text) {
  std::vector<MountEntry> entries;
  std::istringstream lines(text);
  std::string line;
  while (std::getline(lines, line)) {
    std::istringstream fields(line);
    std::string device, mountPoint, type;
    if (!(fields >> device >> mountPoint >> type)) continue;
    entries.push_back({DecodeMountField(mountPoint), DecodeMountField(device), DecodeMountField(type)});
  }
  return entries;
}

bool IsRealFileSystem(const MountEntry& entry) {
  for (const char* pseudo : kPseudoTypes)
    if (entry.type == pseudo) return false;
  if (entry.type == "overlay") return entry.mountPoint == "/";
  return !entry.type.empty() && !entry.mountPoint.empty() && entry.mountPoint[0] == '/';
}

std::vector<VolumeInfo> ListMountedVolumes() {
  std::vector<MountEntry> entries = ParseMounts(readMountsTable());
  std::vector<VolumeInfo> volumes;
  for (size_t i = 0; i < entries.size(); ++i) {
    const MountEntry& entry = entries[i];
    if (!IsRealFileSystem(entry)) continue;
    bool mountedOver = false;
    for (size_t j = i + 1; j < entries.size() && !mountedOver; ++j)
      mountedOver = entries[j].mountPoint == entry.mountPoint;
    if (mountedOver) continue;
    VolumeInfo volume{entry.mountPoint, entry.device, entry.type};
    if (!statistics(entry.mountPoint, volume.size, volume.free) || volume.size <= 0) continue;
    volumes.push_back(volume);
  }
  return volumes;
}

bool GetVolumeOfPath(const std::string& path, VolumeInfo& out) {
  VolumeInfo volume;
  if (!statistics(path, volume.size, volume.free)) return false;
  char* resolved = realpath(path.c_str(), nullptr);
  std::string real = resolved ? resolved : path;
  std::free(resolved);
  // The last mount in the table that holds the path is the one that covers it.
  size_t best = 0;
  for (const MountEntry& entry : ParseMounts(readMountsTable())) {
    if (!holds(entry.mountPoint, real) || entry.mountPoint.size() < best) continue;
    best = entry.mountPoint.size();
    volume.mountPoint = entry.mountPoint;
    volume.device = entry.device;
    volume.type = entry.type;
  }
  out = volume;
  return true;
}
