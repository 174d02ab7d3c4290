// Decodes ahead on std::async threads; the futures wait for their decode when taken, and
// at exit for any never taken.
#include "framework/imageprefetch.h"

#include <future>
#include <map>

#include "framework/imagecache.h"
#include "platform/files.h"
#include "platform/pixmap.h"
#include "platform/print.h"

namespace {

std::map<std::string, std::future<std::shared_ptr<TPixmap>>>& Pending() {
  static std::map<std::string, std::future<std::shared_ptr<TPixmap>>> pending;
  return pending;
}

}  // namespace

void PrefetchImages(const std::vector<std::string>& names) {
  for (const std::string& name : names) {
    for (const std::string& path : ImageCandidates(name)) {
      if (FileType(path) != FILETYPE_FILE) continue;
      if (Pending().count(path) == 0)
        Pending().emplace(path, std::async(std::launch::async, [path] {
          // The cache's silence holds on the thread that decodes for it.
          const TQuietPrint quiet;
          return LoadPixmapPNG(path);
        }));
      break;
    }
  }
}

bool TakePrefetched(const std::string& path, std::shared_ptr<TPixmap>& pixmap) {
  const auto found = Pending().find(path);
  if (found == Pending().end()) return false;
  pixmap = found->second.get();
  Pending().erase(found);
  return true;
}
