// The file-type table. Each extension text stands in one row only.
#include "framework/filetypes.h"

#include "platform/paths.h"
#include "platform/textcase.h"

namespace {

struct FileTypeRow {
  const char* ext;
  int code;
  int soundHandled;
};

constexpr FileTypeRow kFileTypes[] = {
    {"wav", 0, 1},   {"aif", 0, 1},   {"aiff", 0, 1},
    {"mp3", 10, 1},
    {"zip", 14, 0},  {"tar", 14, 0},
    {"pdf", 15, 1},
    {"instr", 18, 1},
    {"song", 20, 0}, {"mix", 20, 0},  {"voices", 20, 0},
    {"app", 23, 1},
    {"bat", 24, 1},  {"com", 24, 1},
    {"txt", 25, 1},  {"nfo", 25, 1},  {"info", 25, 1},
    {"ini", 26, 1},
    {"rs", 28, 1},   {"in", 28, 1},   {"vcd", 28, 1},
    {"vc", 28, 0},
    {"syx", 29, 0},
    {"imd", 30, 1},
    {"bak", 31, 0},
    {"h", 32, 1},
    {"c", 33, 1},
    {"cpp", 34, 1},
    {"cc", 35, 1},  // the program's own sources; "cpp" and "h" already have rows
    {"htm", 36, 1},
    {"m", 37, 1},
    {"dmg", 38, 1},
    {"iso", 39, 0},  {"ifo", 39, 0},
    {"gif", 40, 0},  {"bmp", 40, 0},  {"png", 40, 0},  {"tif", 40, 0},
    {"jpg", 40, 0},  {"pcx", 40, 0},  {"wmf", 40, 0},
    {"p3k", 42, 1},
    {"usr", 43, 1},
    {"x0a", 44, 0},  {"x0s", 44, 0},  {"x0v", 44, 0},  {"x0w", 44, 0},
    {"x3v", 44, 0},  {"x3a", 44, 0},  {"x3s", 44, 0},  {"x3w", 44, 0},
    {"bin", 45, 0},
    {"rar", 46, 0},
    {"em1", 47, 1},
    {"t01", 48, 0},  {"t02", 48, 0},  {"t03", 48, 0},  {"t04", 48, 0},
    {"t05", 48, 0},  {"t06", 48, 0},  {"t07", 48, 0},
    {"ksf", 50, 1},  {"msmpl_bank", 50, 1},
    {"psd", 51, 0},
    {"3do", 52, 0},  {"obj", 52, 0},  {"stl", 52, 0},  {"vox", 52, 0},  {"b3d", 52, 0},
    {"krz", 53, 1},  {"kr1", 53, 1},  {"kr2", 53, 1},  {"kr3", 53, 1},
    {"kr4", 53, 1},  {"kr5", 53, 1},  {"kr6", 53, 1},
    {"em2", 54, 1},  {"eb2", 54, 1},
    {"exs", 55, 0},  {"esx", 55, 0},
    {"ebl", 56, 1},
    {"ipa", 57, 0},
    {"8svx", 60, 1}, {"iff", 60, 1},
};

}  // namespace

int SoundHandled = 0;

int GetFileType(const std::string& path, int fallback) {
  SoundHandled = 0;
  const std::string ext = ToLower(ExtractExt(path));
  if (ext.empty()) return kFileTypeNoExtension;
  for (const FileTypeRow& row : kFileTypes) {
    if (ext == row.ext) {
      SoundHandled = row.soundHandled;
      return row.code;
    }
  }
  return fallback;
}
