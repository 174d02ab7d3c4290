// TIni: one settings file in memory, named sections of key/value strings, read from and
// written back to a text file of "[section]" lines and key="value" lines.
#pragma once
#include <map>
#include <string>

class TStream;

class TIni {
 public:
  // Section name to (key to value); both levels in ascending byte order.
  std::map<std::string, std::map<std::string, std::string>> map;

  int Init();
  int SetKey(const std::string& section, const std::string& key, const std::string& value);
  std::string GetKey(const std::string& section, const std::string& key,
                     const std::string& fallback) const;
  // Key first, section second.
  int ContainsKey(const std::string& key, const std::string& section) const;
  // 1 when the whole file was written; 0 leaves any earlier file as it was. With
  // inResources 0 a relative path is refused: Save writes nothing, Load reads nothing.
  int Save(const std::string& path, int inResources) const;
  // The file's contents, or an empty object. Only where no file exists at all is an
  // empty file left behind (the first start).
  static TIni Load(const std::string& path, int inResources);
};

// The settings-file module's start-up: sets App_SupportDir once.
void InitIniModule();

// The text of a settings file for ini, as Save writes it.
std::string FormatIni(const TIni& ini);
// The settings read from the stream to its end, as Load reads a file.
TIni ParseIni(TStream& stream);
