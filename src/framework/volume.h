// The volumes module: the record of one mounted volume (TVolume) with its platform
// implementation (TMacVolume), the statistics of the volume holding a path (TVolSpace
// over a Tstatfs record), the user's standard folders by four-letter folder type, and
// the module's free functions, answered by one driver instance.
//
// Our platform's statistics record is the VolumeInfo of platform/volumes.h (mount table
// and statvfs); the folder types map onto the XDG folders of platform/folders.h.
#pragma once
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "platform/volumes.h"

// Four-letter folder types, most significant byte first.
constexpr uint32_t kFolderHome = 0x63757372;          // 'cusr'
constexpr uint32_t kFolderDesktop = 0x6465736B;       // 'desk'
constexpr uint32_t kFolderAppSupport = 0x61737570;    // 'asup'
constexpr uint32_t kFolderDocuments = 0x646F6373;     // 'docs'
constexpr uint32_t kFolderSharedData = 0x73646174;    // 'sdat'
constexpr uint32_t kFolderPictures = 0x70646F63;      // 'pdoc'
constexpr uint32_t kFolderMusic = 0xB5646F63;         // micro sign + 'doc'
constexpr uint32_t kFolderMovies = 0x6D646F63;        // 'mdoc'
constexpr uint32_t kFolderDownloads = 0x646E6C64;     // 'dnld'
constexpr uint32_t kFolderApplications = 0x61707073;  // 'apps'
constexpr int kUserDomain = -32763;                   // the current user's domain; 0 means it too
constexpr int kMaxListedVolumes = 30;

// One platform statistics record and what it says.
class Tstatfs {
 public:
  VolumeInfo bank;

  void New() { bank = VolumeInfo{}; }
  // Takes record offset of buffer (nothing when there is no such record).
  void copy(const std::vector<VolumeInfo>& buffer, int offset);
  void free() { New(); }
  int64_t size() const { return bank.size; }      // block size times total blocks
  int64_t sizeFree() const { return bank.free; }  // block size times available blocks
  std::string mountedFileSystem() const;
  std::string dirOfMount() const;
  std::string fileSystemType() const;
};

class TVolSpace {
 public:
  std::string vol;
  Tstatfs fs;

  // A new object for path with its record read; null when it cannot be read.
  static std::unique_ptr<TVolSpace> GetDiskSpace(const std::string& path);
  // 0 when the record of the volume holding vol was read, non-zero otherwise.
  int refresh();
  int64_t size() const { return fs.size(); }
  int64_t free() const { return fs.sizeFree(); }
};

class TVolume;
using TVolumeList = std::vector<std::unique_ptr<TVolume>>;

class TVolume {
 public:
  virtual ~TVolume() = default;

  int available = 0;         // 1 when the figures were read from the platform
  std::string volumeName;    // mount point
  std::string volumeDevice;  // mounted source
  std::string volumeType;    // file-system type
  int64_t volumeSize = 0;
  int64_t volumeFree = 0;

  virtual void Refresh() = 0;
  // One record per mounted file system (at most 30), or null when there are none.
  virtual std::unique_ptr<TVolumeList> ListVolumes() = 0;
  virtual int64_t GetVolumeFreeSpace(const std::string& path) = 0;
  virtual int64_t GetVolumeSize(const std::string& path) = 0;
  virtual std::unique_ptr<TVolume> GetVolumeInfo(const std::string& path) = 0;
  virtual std::string GetUserHomeDir() = 0;
  virtual std::string GetUserDesktopDir() = 0;
  virtual std::string GetUserAppDir() = 0;
  virtual std::string GetUserDocumentsDir() = 0;
  virtual std::string GetCustomDir(int folderType, int domain) = 0;
};

class TMacVolume : public TVolume {
 public:
  std::unique_ptr<TVolSpace> vs;

  void Refresh() override;
  std::unique_ptr<TVolumeList> ListVolumes() override;
  int64_t GetVolumeFreeSpace(const std::string& path) override;
  int64_t GetVolumeSize(const std::string& path) override;
  std::unique_ptr<TVolume> GetVolumeInfo(const std::string& path) override;
  std::string GetUserHomeDir() override;
  std::string GetUserDesktopDir() override;
  std::string GetUserAppDir() override;
  std::string GetUserDocumentsDir() override;
  std::string GetCustomDir(int folderType, int domain) override;

  static std::unique_ptr<TMacVolume> Create() { return std::make_unique<TMacVolume>(); }
  // The folder of the given type in the domain (0: the current user's), without a
  // trailing "/"; "" when there is none. Never creates a folder.
  virtual std::string getPath(uint32_t folderType, int domain);

 protected:
  // Names and figures of the volume from its record; available becomes 1.
  void FillFrom(const Tstatfs& record);
  // The volume list's records as the platform gives them; a test may override it.
  virtual std::vector<VolumeInfo> PlatformVolumes();
};

// The instance the free functions use, made on first use.
TVolume& VolumeDriver();

std::unique_ptr<TVolumeList> ListVolumes();
int64_t GetVolumeFreeSpace(const std::string& path);
int64_t GetVolumeSize(const std::string& path);
std::unique_ptr<TVolume> GetVolumeInfo(const std::string& path);
std::string GetUserHomeDir();
std::string GetUserDesktopDir();
std::string GetUserAppDir();
std::string GetUserDocumentsDir();
std::string GetCustomDir(int folderType, int domain);
