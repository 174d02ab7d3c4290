// TIni and its file format.
#include "framework/ini.h"

#include <sys/stat.h>

#include <cerrno>
#include <memory>

#include "framework/appfunctions.h"
#include "platform/replacefile.h"
#include "platform/files.h"
#include "platform/paths.h"
#include "platform/print.h"
#include "platform/streams.h"

namespace {

std::string Trim(const std::string& text) {
  size_t begin = 0;
  size_t end = text.size();
  while (begin < end && static_cast<unsigned char>(text[begin]) <= 32) ++begin;
  while (end > begin && static_cast<unsigned char>(text[end - 1]) <= 32) --end;
  return text.substr(begin, end - begin);
}

std::string FullPath(const std::string& path, int inResources) {
  if (inResources == 0) return path;
  return AppDir() + "/../Resources/" + path;
}

// Settings live below App_SupportDir; a relative path means it could not be made, and
// the working folder is never the place in its stead.
bool OutsideTheSettingsFolder(const std::string& path, int inResources) {
  return inResources == 0 && (path.empty() || path[0] != '/');
}

// Nothing at all at the path, not even a link or a special file.
bool NothingAt(const std::string& path) {
  struct stat info {};
  return lstat(path.c_str(), &info) != 0 && errno == ENOENT;
}

void ParseLine(const std::string& raw, std::string& section, TIni& ini) {
  const std::string line = Trim(raw);
  if (line.empty() || line[0] == ';') return;
  if (line[0] == '[' && line.back() == ']' && line.size() >= 2) {
    section = line.substr(1, line.size() - 2);
    return;
  }
  const size_t equals = line.find('=');
  if (equals == std::string::npos || line.find('=', equals + 1) != std::string::npos) return;
  const std::string key = Trim(line.substr(0, equals));
  std::string value = Trim(line.substr(equals + 1));
  if (key.empty() || value.empty()) return;
  if (value.front() == '"' && value.back() == '"') {
    value = value.size() == 1 ? std::string() : value.substr(1, value.size() - 2);
  }
  ini.SetKey(section, key, value);
}

}  // namespace

int TIni::Init() { return 0; }

int TIni::SetKey(const std::string& section, const std::string& key, const std::string& value) {
  map[section][key] = value;
  return 0;
}

std::string TIni::GetKey(const std::string& section, const std::string& key,
                         const std::string& fallback) const {
  const auto s = map.find(section);
  if (s == map.end()) return fallback;
  const auto k = s->second.find(key);
  return k == s->second.end() ? fallback : k->second;
}

int TIni::ContainsKey(const std::string& key, const std::string& section) const {
  const auto s = map.find(section);
  return s != map.end() && s->second.count(key) != 0 ? 1 : 0;
}

std::string FormatIni(const TIni& ini) {
  std::string text;
  bool first = true;
  for (const auto& [section, pairs] : ini.map) {
    if (pairs.empty()) continue;
    if (!first) text += "\r\n";
    first = false;
    text += "[" + section + "]\r\n";
    for (const auto& [key, value] : pairs) text += key + "=\"" + value + "\"\r\n";
  }
  return text;
}

TIni ParseIni(TStream& stream) {
  TIni ini;
  std::string section;
  while (!Eof(stream)) ParseLine(ReadLine(stream), section, ini);
  return ini;
}

int TIni::Save(const std::string& path, int inResources) const {
  if (OutsideTheSettingsFolder(path, inResources)) return 0;
  const std::string full = FullPath(path, inResources);
  // Only the last folder level is made; a failure shows in the write.
  if (inResources == 0 && !ExtractDir(full).empty()) CreateDir(ExtractDir(full));
  return ReplaceFileContents(full, FormatIni(*this)) ? 1 : 0;
}

TIni TIni::Load(const std::string& path, int inResources) {
  const std::string full = FullPath(path, inResources);
  Print("loading ini file: " + full);
  if (OutsideTheSettingsFolder(path, inResources)) return TIni();
  if (NothingAt(full)) {
    TIni().Save(full, 0);  // the first start leaves an empty file behind
    return TIni();
  }
  const std::unique_ptr<TStream> stream = ReadStream(full);
  if (!stream) return TIni();
  TIni ini = ParseIni(*stream);
  CloseStream(*stream);
  return ini;
}

void InitIniModule() { App_SupportDir = GetAppSupportDir(); }
