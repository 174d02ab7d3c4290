// makeart: draws the game's own art in code and writes it as PNG files into the
// resources folder (the first argument, else ../resources from the current folder):
// textures/background2.png, textures/map.png, textures/quillon-small.png (the sprite
// atlas), textures/cardf.png (the card atlas), textures/spectrumfont.png (the bitmap
// font) and info-mini.png (the status bar's info icon). Every file is read back and
// checked for its size; any fault ends the program with a non-zero status.
#include <functional>
#include <string>
#include <vector>

#include "makeart/cards.h"
#include "makeart/fontsheet.h"
#include "makeart/infoicon.h"
#include "makeart/interface.h"
#include "makeart/scenery.h"
#include "makeart/screens.h"
#include "makeart/soldiers.h"
#include "makeart/spritetable.h"
#include "platform/files.h"
#include "platform/pixmap.h"
#include "platform/print.h"

namespace {

struct TPicture {
  std::string file;  // below the resources folder
  int width;
  int height;
  std::function<void(TPixmap&)> paint;
};

std::vector<TPicture> Pictures() {
  using namespace art;
  return {
      {"textures/background2.png", kScreenW, kScreenH, PaintBackdrop},
      {"textures/map.png", kMapW, kMapH, PaintCampaignMap},
      {"textures/quillon-small.png", kSpriteAtlasW, kSpriteAtlasH,
       [](TPixmap& atlas) {
         PaintScenery(atlas);
         PaintSoldiers(atlas);
         PaintInterface(atlas);
       }},
      {"textures/cardf.png", kCardAtlasW, kCardAtlasH, PaintCards},
      {"textures/spectrumfont.png", kFontSheetSide, kFontSheetSide, PaintFontSheet},
      {"info-mini.png", kInfoIconSide, kInfoIconSide, PaintInfoIcon},
  };
}

bool EnsureFolder(const std::string& path) {
  if (FileType(path) == FILETYPE_DIR) return true;
  if (CreateDir(path)) return true;
  Print("makeart: cannot make the folder " + path);
  return false;
}

// Paints, writes and reads back one picture; false (and a log line) on any fault.
bool Make(const TPicture& picture, const std::string& root) {
  const std::string path = root + "/" + picture.file;
  std::shared_ptr<TPixmap> pixmap = CreatePixmap(picture.width, picture.height);
  if (!pixmap) {
    Print("makeart: no memory for " + path);
    return false;
  }
  // Always saved with alpha, so that no pure black pixel is ever taken for the mask.
  pixmap->hasAlpha = true;
  picture.paint(*pixmap);
  if (!SavePixmapPNG(*pixmap, path)) return false;
  const std::shared_ptr<TPixmap> back = LoadPixmapPNG(path);
  if (!back || back->width != picture.width || back->height != picture.height) {
    Print("makeart: " + path + " does not read back at " + std::to_string(picture.width) + " x " +
          std::to_string(picture.height));
    return false;
  }
  Print("makeart: wrote " + path + " (" + std::to_string(picture.width) + " x " + std::to_string(picture.height) +
        ", " + std::to_string(FileSize(path)) + " bytes)");
  return true;
}

}  // namespace

int main(int argc, char** argv) {
  std::string root = argc > 1 ? argv[1] : "../resources";
  while (root.size() > 1 && root.back() == '/') root.pop_back();

  const std::string fault = art::CheckSpriteTable();
  if (!fault.empty()) {
    Print("makeart: sprite table: " + fault);
    return 1;
  }
  if (!EnsureFolder(root) || !EnsureFolder(root + "/textures")) return 1;

  bool ok = true;
  for (const TPicture& picture : Pictures()) ok = Make(picture, root) && ok;
  return ok ? 0 : 1;
}
