// Application functions: the window title, guarded renaming of files and folders, and
// the user's application-support folder.
#pragma once
#include <string>

// The application-support folder with a trailing "/", "" when it cannot be made (then
// settings stay in memory); set once by the settings-file module's start-up.
extern std::string App_SupportDir;

int SetAppTitle(const std::string& text);
void SetNativeWindowTitle(const std::string& bytes);

// 1 when source got its new name; 0 for an empty name, a missing source, an existing
// destination without overwrite, or a refusal of the file system.
int RenameFile(const std::string& source, const std::string& destination, int overwrite);

// The user's configuration folder with a trailing "/", made (0700) when missing; "" and
// a log line when it cannot be made.
std::string GetAppSupportDir();
