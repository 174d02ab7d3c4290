// The volumes module on our platform: the mount table and statvfs through
// platform/volumes.h, the folder types through the XDG folders of platform/folders.h.
#include "framework/volume.h"

#include "framework/utf8string.h"
#include "platform/folders.h"

namespace {
constexpr int kFirstReservedCustom = -9;  // -5 to -9 name no folder

std::string WithoutTrailingSlash(std::string path) {
  while (path.size() > 1 && path.back() == '/') path.pop_back();
  return path;
}
}  // namespace

void Tstatfs::copy(const std::vector<VolumeInfo>& buffer, int offset) {
  if (offset >= 0 && static_cast<size_t>(offset) < buffer.size()) bank = buffer[offset];
}

std::string Tstatfs::mountedFileSystem() const { return StringFromUTF8String(bank.device.c_str()); }
std::string Tstatfs::dirOfMount() const { return StringFromUTF8String(bank.mountPoint.c_str()); }
std::string Tstatfs::fileSystemType() const { return StringFromUTF8String(bank.type.c_str()); }

std::unique_ptr<TVolSpace> TVolSpace::GetDiskSpace(const std::string& path) {
  auto space = std::make_unique<TVolSpace>();
  space->vol = path;
  if (space->refresh() != 0) return nullptr;
  return space;
}

int TVolSpace::refresh() {
  VolumeInfo info;
  if (!GetVolumeOfPath(vol, info)) return 1;
  fs.bank = info;
  return 0;
}

void TMacVolume::FillFrom(const Tstatfs& record) {
  volumeName = record.dirOfMount();
  volumeDevice = record.mountedFileSystem();
  volumeType = record.fileSystemType();
  volumeSize = record.size();
  volumeFree = record.sizeFree();
  available = 1;
}

std::vector<VolumeInfo> TMacVolume::PlatformVolumes() { return ListMountedVolumes(); }

std::unique_ptr<TVolumeList> TMacVolume::ListVolumes() {
  std::vector<VolumeInfo> records = PlatformVolumes();
  if (records.size() > kMaxListedVolumes) records.resize(kMaxListedVolumes);
  if (records.empty()) return nullptr;
  auto list = std::make_unique<TVolumeList>();
  for (size_t i = 0; i < records.size(); ++i) {
    auto volume = std::make_unique<TMacVolume>();
    volume->vs = std::make_unique<TVolSpace>();
    volume->vs->fs.copy(records, static_cast<int>(i));
    // Kept so that Refresh can read the same volume again.
    volume->vs->vol = records[i].mountPoint;
    volume->FillFrom(volume->vs->fs);
    list->push_back(std::move(volume));
  }
  return list;
}

void TMacVolume::Refresh() {
  if (!vs) return;
  if (vs->refresh() != 0) {
    available = 0;
    return;
  }
  volumeSize = vs->size();
  volumeFree = vs->free();
  available = 1;
}

int64_t TMacVolume::GetVolumeFreeSpace(const std::string& path) {
  const auto space = TVolSpace::GetDiskSpace(path);
  return space ? space->free() : 0;
}

int64_t TMacVolume::GetVolumeSize(const std::string& path) {
  const auto space = TVolSpace::GetDiskSpace(path);
  return space ? space->size() : 0;
}

std::unique_ptr<TVolume> TMacVolume::GetVolumeInfo(const std::string& path) {
  auto volume = Create();
  if (const auto space = TVolSpace::GetDiskSpace(path)) volume->FillFrom(space->fs);
  return volume;
}

std::string TMacVolume::GetUserHomeDir() { return getPath(kFolderHome, 0); }
std::string TMacVolume::GetUserDesktopDir() { return getPath(kFolderDesktop, 0); }
std::string TMacVolume::GetUserAppDir() { return getPath(kFolderAppSupport, 0); }
std::string TMacVolume::GetUserDocumentsDir() { return getPath(kFolderDocuments, 0); }

std::string TMacVolume::GetCustomDir(int folderType, int domain) {
  switch (folderType) {
    case -1:
      return getPath(kFolderSharedData, 0);
    case -2:
      return getPath(kFolderPictures, 0);
    case -3:
      return getPath(kFolderMusic, 0);
    case -4:
      return getPath(kFolderMovies, 0);
    default:
      break;
  }
  if (folderType < 0 && folderType >= kFirstReservedCustom) return "";
  return getPath(static_cast<uint32_t>(folderType), domain);
}

std::string TMacVolume::getPath(uint32_t folderType, int domain) {
  // Our platform has only the current user's domain.
  if (domain != 0 && domain != kUserDomain) return "";
  std::string path;
  switch (folderType) {
    case kFolderHome:
      path = UserFolderPath(UserFolder::Home);
      break;
    case kFolderDesktop:
      path = UserFolderPath(UserFolder::Desktop);
      break;
    case kFolderAppSupport:
      path = AppSupportDir();
      break;
    case kFolderDocuments:
      path = UserFolderPath(UserFolder::Documents);
      break;
    case kFolderSharedData:
      path = UserFolderPath(UserFolder::PublicShare);
      break;
    case kFolderPictures:
      path = UserFolderPath(UserFolder::Pictures);
      break;
    case kFolderMusic:
      path = UserFolderPath(UserFolder::Music);
      break;
    case kFolderMovies:
      path = UserFolderPath(UserFolder::Movies);
      break;
    case kFolderDownloads:
      path = UserFolderPath(UserFolder::Downloads);
      break;
    case kFolderApplications:
      path = UserFolderPath(UserFolder::Applications);
      break;
    default:
      return "";
  }
  return StringFromUTF8String(WithoutTrailingSlash(path).c_str());
}

TVolume& VolumeDriver() {
  static const std::unique_ptr<TVolume> volume_driver = TMacVolume::Create();
  return *volume_driver;
}

std::unique_ptr<TVolumeList> ListVolumes() { return VolumeDriver().ListVolumes(); }
int64_t GetVolumeFreeSpace(const std::string& path) {
  return VolumeDriver().GetVolumeFreeSpace(path);
}
int64_t GetVolumeSize(const std::string& path) { return VolumeDriver().GetVolumeSize(path); }
std::unique_ptr<TVolume> GetVolumeInfo(const std::string& path) {
  return VolumeDriver().GetVolumeInfo(path);
}
std::string GetUserHomeDir() { return VolumeDriver().GetUserHomeDir(); }
std::string GetUserDesktopDir() { return VolumeDriver().GetUserDesktopDir(); }
std::string GetUserAppDir() { return VolumeDriver().GetUserAppDir(); }
std::string GetUserDocumentsDir() { return VolumeDriver().GetUserDocumentsDir(); }
std::string GetCustomDir(int folderType, int domain) {
  return VolumeDriver().GetCustomDir(folderType, domain);
}
