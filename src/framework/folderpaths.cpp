// Folder path components for the path bars.
#include "framework/folderpaths.h"

namespace {
constexpr size_t kMaxPath = 255;

bool IsRootLike(const std::string& path) {
  return path == "/" || path.empty() || path.size() > kMaxPath;
}

std::string WithoutTrailingSlash(const std::string& path) {
  if (!path.empty() && path.back() == '/') return path.substr(0, path.size() - 1);
  return path;
}
}  // namespace

std::string GetFirstDir(const std::string& path) {
  if (IsRootLike(path)) return "/";
  return path.substr(0, path.find('/'));
}

std::string GetLastDir(const std::string& path) {
  if (IsRootLike(path)) return "/";
  const std::string p = WithoutTrailingSlash(path);
  const size_t slash = p.rfind('/');
  return slash == std::string::npos ? p : p.substr(slash + 1);
}

std::string GetPreviousDir(const std::string& path) {
  if (IsRootLike(path)) return "/";
  const std::string p = WithoutTrailingSlash(path);
  const size_t slash = p.rfind('/');
  if (slash == std::string::npos) return p;
  return p.substr(0, slash) + "/";
}
