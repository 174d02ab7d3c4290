// SetAppTitle, RenameFile, GetAppSupportDir and App_SupportDir.
#include "framework/appfunctions.h"

#include "platform/files.h"
#include "platform/folders.h"
#include "platform/print.h"
#include "platform/window.h"

std::string App_SupportDir;

int SetAppTitle(const std::string& text) {
  SetNativeWindowTitle(text);
  return 0;
}

void SetNativeWindowTitle(const std::string& bytes) { SetTitleOfLastWindow(bytes); }

int RenameFile(const std::string& source, const std::string& destination, int overwrite) {
  if (source.empty() || destination.empty()) return 0;
  if (FileType(source) == 0) return 0;
  if (FileType(destination) != 0 && overwrite == 0) return 0;
  return RenamePath(source, destination) ? 1 : 0;
}

std::string GetAppSupportDir() {
  // Made when missing, as the XDG rules ask; never the working folder in its place.
  const std::string folder = ConfigHomeDir();
  if (!CreatePrivateDirs(folder)) {
    Print("Cant make the settings folder '" + folder + "': settings are kept in memory only");
    return "";
  }
  return folder == "/" ? folder : folder + "/";
}
