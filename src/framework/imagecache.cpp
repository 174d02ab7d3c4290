// The image cache's slots: loading a PNG by name from the places the program's resources
// may lie, the lookup by name, and the frame sizes kept per slot.
#include "framework/imagecache.h"

#include <vector>

#include "framework/imageprefetch.h"
#include "platform/files.h"
#include "platform/image.h"
#include "platform/paths.h"
#include "platform/pixmap.h"
#include "platform/print.h"

std::unique_ptr<TMImages> Images;

namespace {

bool InSlots(int slot) { return slot >= 0 && slot < kImageSlots; }

}  // namespace

std::vector<std::string> ImageCandidates(const std::string& name) {
  std::vector<std::string> paths{name};
  const std::string appDir = AppDir();
  for (const char* folder : {"Resources/", "resources/"}) {
    if (!appDir.empty()) paths.push_back(appDir + "/../" + folder + name);
  }
  for (const char* folder : {"Resources/", "resources/"}) paths.push_back(folder + name);
  for (const char* folder : {"../Resources/", "../resources/"}) paths.push_back(folder + name);
  return paths;
}

TMImages::TMImages() = default;
TMImages::~TMImages() = default;

int TMImages::Init() {
  for (int slot = 0; slot < kImageSlots; ++slot) {
    nImageRef[slot] = -1;
    strFile[slot].clear();
    strTrueFile[slot].clear();
  }
  return 0;
}

bool TMImages::Holds(int slot) const {
  return InSlots(slot) && nImageRef[slot] == 1 && Image[slot] != nullptr;
}

int TMImages::GetWidth(int slot) { return Holds(slot) ? ImageWidth(Image[slot]) : 0; }

int TMImages::GetHeight(int slot) { return Holds(slot) ? ImageHeight(Image[slot]) : 0; }

int TMImages::SetFrameWidth(int slot, int width) {
  if (InSlots(slot)) nFWidth[slot] = width;
  return 0;
}

int TMImages::SetFrameHeight(int slot, int height) {
  if (InSlots(slot)) nFHeight[slot] = height;
  return 0;
}

int TMImages::SetFrameWidthHeight(int slot, int width, int height) {
  SetFrameWidth(slot, width);
  SetFrameHeight(slot, height);
  return 0;
}

int TMImages::SetImage(const std::string& name) {
  const int slot = nCount + 1;
  if (!InSlots(slot) || slot > MaxImages) return -1;

  std::shared_ptr<TPixmap> pixmap;
  std::string loadedFrom;
  // The cache says nothing on success or failure, nor lets the decoder speak for it.
  const TQuietPrint quiet;
  for (const std::string& path : ImageCandidates(name)) {
    if (FileType(path) != FILETYPE_FILE) continue;
    if (!TakePrefetched(path, pixmap)) pixmap = LoadPixmapPNG(path);
    if (pixmap) {
      loadedFrom = path;
      break;
    }
  }
  if (!pixmap) return -1;

  std::shared_ptr<TImage> image = LoadImage(pixmap, -1);
  if (!image) return -1;
  Image[slot] = std::move(image);
  nImageRef[slot] = 1;
  strFile[slot] = name;
  strTrueFile[slot] = loadedFrom;
  nCount = slot;
  return slot;
}

int TMImages::GetImage(const std::string& name, int frameWidth) {
  // Every slot is searched, the last one too, so a full cache still finds its images.
  for (int slot = 0; slot < kImageSlots; ++slot) {
    if (strFile[slot] != name) continue;
    if (Holds(slot)) return slot;
    break;
  }
  const int slot = SetImage(name);
  if (slot < 0) return -1;
  const int height = ImageHeight(Image[slot]);
  nFHeight[slot] = height;
  nFWidth[slot] = frameWidth == kFrameWidthOfHeight ? height : frameWidth;
  return slot;
}
