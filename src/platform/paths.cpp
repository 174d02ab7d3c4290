// Path helpers: the folder, name and extension parts of a path, and the executable's place.
#include "platform/paths.h"

#include <unistd.h>

#include <vector>

namespace {

// Position of the "." that starts the extension, or npos.
size_t extensionDot(const std::string& path) {
  size_t dot = path.rfind('.');
  if (dot == std::string::npos) return std::string::npos;
  if (path.find_first_of("/\\", dot + 1) != std::string::npos) return std::string::npos;
  return dot;
}

}  // namespace

std::string ExtractDir(const std::string& path) {
  size_t slash = path.rfind('/');
  if (slash == std::string::npos) return "";
  if (slash == 0) return "/";
  return path.substr(0, slash);
}

std::string StripDir(const std::string& path) {
  size_t slash = path.rfind('/');
  if (slash == std::string::npos) return path;
  return path.substr(slash + 1);
}

std::string ExtractExt(const std::string& path) {
  size_t dot = extensionDot(path);
  if (dot == std::string::npos) return "";
  return path.substr(dot + 1);
}

std::string StripExt(const std::string& path) {
  size_t dot = extensionDot(path);
  if (dot == std::string::npos) return path;
  return path.substr(0, dot);
}

std::string StripAll(const std::string& path) { return StripExt(StripDir(path)); }

std::string AppFile() {
  // The link's length is not known in advance: grow the buffer until it fits.
  std::vector<char> buffer(1024);
  for (;;) {
    ssize_t n = readlink("/proc/self/exe", buffer.data(), buffer.size());
    if (n < 0) return "";
    if (static_cast<size_t>(n) < buffer.size()) return std::string(buffer.data(), static_cast<size_t>(n));
    if (buffer.size() >= (1u << 20)) return "";
    buffer.resize(buffer.size() * 2);
  }
}

std::string AppDir() { return ExtractDir(AppFile()); }
