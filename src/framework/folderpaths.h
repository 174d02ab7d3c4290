// Cutting folder paths into components for the path bars: the first component of a
// relative path, the last folder name, and the parent folder. "/", "" and paths longer
// than 255 characters all answer "/".
#pragma once
#include <string>

std::string GetFirstDir(const std::string& path);
std::string GetLastDir(const std::string& path);
std::string GetPreviousDir(const std::string& path);
