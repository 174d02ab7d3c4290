// The bitmap font: its globals, the search for the font texture beside the program, and
// the drawing of one glyph cell.
//
// Font texture layout (resources/textures/spectrumfont.png): 256 x 256 pixels, 16
// columns by 16 rows of 16 x 16 cells; character code c sits in column c mod 16, row
// c div 16, so code 0 is the top-left cell, space (32) the first cell of row 2 and "A"
// (65) the cell at (16, 64). Glyphs are white on a transparent (or pure black) ground,
// so the current colour tints them, and are drawn at half size into 8 x 8 boxes without
// filtering: each font pixel is a 2 x 2 block of the cell.
#include "game/arcadefont.h"

#include "platform/draw2d.h"
#include "platform/files.h"
#include "platform/image.h"
#include "platform/paths.h"
#include "platform/print.h"

std::shared_ptr<TImage> g_TextImage;
int g_ImageOK = 0;
int g_FontHeight = 1;
int g_FontWidth = 7;

namespace {

constexpr int kGlyphColumns = 16;
constexpr int kCellSize = 16;
constexpr int kTallCellHeight = 32;

std::string ParentDirs(const std::string& path, int levels) {
  std::string result = path;
  for (int level = 0; level < levels; ++level) result = GetPreviousDirx(result);
  return result;
}

// One load attempt; every attempt leaves its result in the globals. A path with no file
// is not handed to the decoder, which would log the miss.
bool LoadFont(const std::string& path, int mode) {
  g_TextImage = FileType(path) == FILETYPE_FILE ? LoadImage(path, -1) : nullptr;
  g_ImageOK = g_TextImage ? 1 : 0;
  g_FontHeight = mode;
  return g_ImageOK == 1;
}

// File names are case-sensitive here: a folder spelt "Resources/Textures/" is also
// looked for in lower case, where the program's resources lie.
std::string ExistingSpelling(const std::string& folder, const std::string& resourceFolder,
                             const std::string& fileName) {
  const std::string asGiven = folder + resourceFolder + fileName;
  if (FileType(asGiven) != FILETYPE_NONE) return asGiven;
  std::string lower = resourceFolder;
  for (char& c : lower) {
    if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
  }
  const std::string lowerPath = folder + lower + fileName;
  return FileType(lowerPath) != FILETYPE_NONE ? lowerPath : asGiven;
}

}  // namespace

std::string GetPreviousDirx(const std::string& path) {
  if (path == "/") return path;
  if (path.empty() || path.size() > 255) return "/";
  std::string text = path;
  if (text.back() == '/') text.pop_back();
  const size_t slash = text.rfind('/');
  if (slash == std::string::npos) return text;
  return text.substr(0, slash + 1);
}

int bitmapFontInit(const std::string& fileName, int mode) {
  const std::string appFile = AppFile();
  const std::string contents = ParentDirs(appFile, 2);

  const std::string first = contents + "Resources/Textures/" + fileName;
  const std::string firstPath = FileType(first) != FILETYPE_NONE
                                    ? first
                                    : ExistingSpelling(AppDir() + "/", "resources/Textures/", fileName);
  if (LoadFont(firstPath, mode)) {
    Print("loaded bitmapfont: " + fileName);
    return 0;
  }

  if (LoadFont(ExistingSpelling(ParentDirs(appFile, 4), "resources/textures/", fileName), mode)) {
    Print("loaded app bitmapfont: " + fileName);
    return 0;
  }

  const std::string third = contents + "Resources/textures/";
  Print(third);
  if (LoadFont(ExistingSpelling(contents, "Resources/textures/", fileName), mode)) {
    Print("loaded app bitmapfont: " + fileName);
  } else {
    Print("ERROR can't Find: " + fileName);
  }
  return 0;
}

int drawFontChar(int code, int x, int y, int w, int h) {
  const int column = code >= 0 ? code % kGlyphColumns : 0;
  const int row = code >= 0 ? code / kGlyphColumns : 0;
  const int cellHeight = g_FontHeight == 1 ? kCellSize : kTallCellHeight;
  DrawSubImageRect(g_TextImage, static_cast<float>(x), static_cast<float>(y), static_cast<float>(w),
                   static_cast<float>(h), static_cast<float>(kCellSize * column),
                   static_cast<float>(cellHeight * row), static_cast<float>(kCellSize),
                   static_cast<float>(cellHeight), 0.0f, 0.0f, 0);
  return 0;
}
