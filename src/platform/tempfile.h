// The pieces shared by the ways of writing a file that never leave half of one under its
// name: a new temporary file, and a write that retries until every byte is out.
#pragma once
#include <cstddef>
#include <string>

// A new, empty file named prefix plus a number of this process's own; -1 when none can
// be made. name receives the file's name.
int CreateTemporaryFile(const std::string& prefix, std::string& name);

// false when not every byte could be written.
bool WriteAllBytes(int fd, const void* bytes, size_t count);
