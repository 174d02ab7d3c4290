// What the targets share: a scratch folder of this process for readers that take a
// path, and writing the fuzzer's bytes into a file there.
#pragma once
#include <cstddef>
#include <cstdint>
#include <string>

// Made once under the temp folder, ends in "/", removed when the process exits.
const std::string& ScratchFolder();

// Writes the bytes to ScratchFolder() + name (replacing it) and answers the path.
std::string WriteScratchFile(const std::string& name, const uint8_t* data, size_t size);
