// File-type codes by extension (also the frame of the file's icon), and the flag
// SoundHandled that the most recent GetFileType call leaves for its extension.
#pragma once
#include <string>

constexpr int kFileTypeNoExtension = -1;
constexpr int kFileTypeFile = 1;
constexpr int kFileTypeFolder = 2;
constexpr int kFileTypeDiskImage = 30;

extern int SoundHandled;

// The code of path's extension in any case; -1 without one, fallback for an unlisted one.
int GetFileType(const std::string& path, int fallback);
