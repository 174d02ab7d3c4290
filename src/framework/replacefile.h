// Replacing a file's contents without risking the old ones: the new contents go to a
// temporary file beside it, which is renamed over the old file only when fully written.
#pragma once
#include <string>

// true when path holds exactly contents afterwards; on false the old file is as it was.
bool ReplaceFileContents(const std::string& path, const std::string& contents);
