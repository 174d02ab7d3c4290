// TMFolder, the file browser's folder model: the folder shown, its entries (name, display
// name, extension, size, file-type code), the selected entry and the one-shot notes of a
// new listing and of the folder just left. An open ImageDisk floppy image is shown as a
// folder of its sample entries through the disk-image hook (diskimagehook.h).
#pragma once
#include <string>
#include <vector>

constexpr int kFolderGrowth = 100;          // entry slots added at a time
constexpr int kDiskImageEntrySize = 16384;  // the size shown for every disk-image entry

// Non-zero: listing reads display names out of "em1" and "ebl" files. 1 at start.
extern int PrefLoadFileAlias;

class TMFolder {
 public:
  TMFolder();
  virtual ~TMFolder() = default;

  int DirChange = 1;
  std::string CurrentDirectory;  // the process's folder + "/", listed for an empty path
  std::string CurrDir;           // the folder shown, ending in "/"
  std::string CurrFile;
  std::string CurrAlias;
  std::string CurrExtension;
  int CurrSize = 0;
  int CurrType = 0;
  std::string PrevDir;  // the folder just left; the file list pane consumes it
  int Selected = 0;
  int FCount = 0;
  // Always of one length; entries from FCount on are stale.
  std::vector<std::string> FName;
  std::vector<std::string> FAlias;
  std::vector<std::string> FExtension;
  std::vector<int> FSize;
  std::vector<int> FSectorStart;
  std::vector<int> FType;

  // Index of the folder entry called name (case ignored; the last match), 0 for none.
  virtual int GetFolderPosition(const std::string& name);
  // Repairs a model whose CurrDir is "" or longer than 255 characters.
  virtual int ResetDir();
  virtual int CheckSoundHandled();
  // Opens the selected entry when it is a folder or a disk image: 2, else -1.
  virtual int OpenDir(const std::string& name);
  virtual int SetFile(const std::string& file, const std::string& alias, int size, int type);
  virtual int ForceReload();
  // Shows the open disk image's entries under path; "" when it has none.
  virtual std::string SetIMDDir(const std::string& path);
  // Shows the folder holding path; returns CurrDir.
  virtual std::string SetDir(const std::string& path);
  virtual int DirChanged();
  // The parent of path; remembers path in PrevDir and closes the disk image.
  virtual std::string GetPrevDir(const std::string& path);
  // Makes room for entry n.
  virtual int CheckDirectoryCount(int n);
  virtual std::string GetFileAlias(const std::string& path, const std::string& alias, int type);
  // Reads the folder dir into the entry list; an unreadable folder changes nothing.
  virtual int GetDir(const std::string& dir);
};
