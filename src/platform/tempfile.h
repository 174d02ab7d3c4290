// The pieces shared by the ways of writing a file that never leave half of one under its
// name: a new temporary file, a write that retries until every byte is out, and the
// folder's sync that makes a rename last.
#pragma once
#include <cstddef>
#include <string>

// A new, empty file in the folder of path, hidden and named after path's file so that
// one a crash leaves tells what it was for: "Kick.wav" gets ".Kick.wav.<process id>-<n>",
// the file's name cut short where the whole would pass 255 bytes. name receives the
// file's name; -1 and an empty name when none can be made.
int CreateTemporaryFileBeside(const std::string& path, std::string& name);

// false when not every byte could be written.
bool WriteAllBytes(int fd, const void* bytes, size_t count);

// Flushes the folder of path, so that a name just given there survives a power cut.
// Best effort: the name is already given, whatever the answer.
void SyncFolderOf(const std::string& path);
