// Replacing a file's contents without risking the old ones: the new contents go to a
// temporary file beside it, which is renamed over the old file only when fully written.
#pragma once
#include <string>

// true when path holds exactly contents afterwards; on false the old file is as it was.
// A symbolic link is followed: its final target gets the contents and the link stays.
// The file keeps its permission bits.
bool ReplaceFileContents(const std::string& path, const std::string& contents);
