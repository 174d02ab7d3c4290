// Helpers of the file-browser tests: a disk-image hook faked for one test, environment
// variables set for one test, a folder model filled by hand, and the icon strips put into
// the image cache so that recorded image draws tell which frame was drawn.
#pragma once
#include <gtest/gtest.h>
#include <stdlib.h>

#include <map>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "framework/diskimagehook.h"
#include "framework/drawstate.h"
#include "framework/favorite.h"
#include "framework/folder.h"
#include "framework/imagecache.h"
#include "framework/imagetesting.h"
#include "framework/volume.h"

// A disk-image reader with a fixed set of images (path -> entry names); empties the
// hook again when it goes.
class FakeDiskImages {
 public:
  std::map<std::string, std::vector<std::string>> images;
  std::string open;  // the open image's path, "" when none
  std::vector<std::string> entries;
  int opens = 0;

  FakeDiskImages() {
    DiskImageHook() =
        TDiskImageHook{.OpenIMD =
                           [this](const std::string& path) {
                             ++opens;
                             open.clear();
                             entries.clear();
                             const auto found = images.find(path);
                             if (found == images.end()) return 0;
                             open = path;
                             entries = found->second;
                             return 1;
                           },
                       .CloseDisk = [this] { open.clear(); },
                       .FileCount = [this] { return static_cast<int>(entries.size()); },
                       .FileName = [this](int i) { return entries.at(static_cast<size_t>(i)); }};
  }
  ~FakeDiskImages() { DiskImageHook() = TDiskImageHook{}; }
  FakeDiskImages(const FakeDiskImages&) = delete;
  FakeDiskImages& operator=(const FakeDiskImages&) = delete;
};

// Sets (or, with nullopt, removes) environment variables and puts them back afterwards.
class EnvGuard {
 public:
  void Set(const std::string& name, const std::optional<std::string>& value) {
    if (!saved_.count(name)) {
      const char* old = getenv(name.c_str());
      saved_[name] = old != nullptr ? std::optional<std::string>(old) : std::nullopt;
    }
    if (value)
      setenv(name.c_str(), value->c_str(), 1);
    else
      unsetenv(name.c_str());
  }
  ~EnvGuard() {
    for (const auto& [name, value] : saved_) {
      if (value)
        setenv(name.c_str(), value->c_str(), 1);
      else
        unsetenv(name.c_str());
    }
  }

 private:
  std::map<std::string, std::optional<std::string>> saved_;
};

// A folder model showing a folder that exists only in memory: entries as given.
struct Entry {
  std::string name;
  int type = 1;
  int size = 0;
};

inline std::shared_ptr<TMFolder> VirtualFolder(const std::string& dir,
                                               const std::vector<Entry>& entries) {
  auto f = std::make_shared<TMFolder>();
  f->CurrDir = dir;
  for (size_t i = 0; i < entries.size(); ++i) {
    const int n = static_cast<int>(i);
    f->CheckDirectoryCount(n);
    f->FName[i] = entries[i].name;
    const size_t dot = entries[i].name.rfind('.');
    const bool folder = entries[i].type == 2 || dot == std::string::npos;
    f->FAlias[i] = folder ? entries[i].name : entries[i].name.substr(0, dot);
    f->FExtension[i] = folder ? "" : entries[i].name.substr(dot + 1);
    f->FType[i] = entries[i].type;
    f->FSize[i] = entries[i].size;
  }
  f->FCount = static_cast<int>(entries.size());
  f->DirChange = 0;
  return f;
}

constexpr int kSmallStripSlot = 1;
constexpr int kBigStripSlot = 2;
constexpr int kBigFrame = 64;

// Draws are recorded; the small icon strip (28-pixel frames) and the large one (64-pixel
// frames) sit in the image cache, so a draw's source x over the frame width is its frame.
class IconStripTest : public RecordedImageTest {
 protected:
  void SetUp() override {
    RecordedImageTest::SetUp();
    Images = std::make_unique<TMImages>();
    Images->Init();
    FillSlot(*Images, kSmallStripSlot, 28 * 60, 22);
    Images->nFWidth[kSmallStripSlot] = 28;
    FillSlot(*Images, kBigStripSlot, kBigFrame * 60, kBigFrame);
    AppFileImage = kSmallStripSlot;
    AppBigFileImage = kBigStripSlot;
  }
  void TearDown() override {
    AppFileImage = -1;
    AppBigFileImage = -1;
    g_fAlpha = 1.0f;
    RecordedImageTest::TearDown();
  }

  struct Icon {
    int x, y, frame;
    float alpha;
    bool operator==(const Icon& o) const { return x == o.x && y == o.y && frame == o.frame; }
  };
  // The small strip's frames drawn, in order.
  std::vector<Icon> SmallIcons() const { return IconsOf(28.0f, 22.0f); }
  std::vector<Icon> BigIcons() const {
    return IconsOf(static_cast<float>(kBigFrame), static_cast<float>(kBigFrame));
  }

  std::vector<std::string> Texts() const {
    std::vector<std::string> out;
    for (const TDrawCall& c : recorder.CallsOf(TDrawCallKind::Text)) out.push_back(c.text);
    return out;
  }
  bool Drew(const std::string& text) const {
    for (const std::string& t : Texts())
      if (t == text) return true;
    return false;
  }

 private:
  std::vector<Icon> IconsOf(float frameWidth, float frameHeight) const {
    std::vector<Icon> out;
    for (const TDrawCall& c : recorder.CallsOf(TDrawCallKind::Image)) {
      if (c.args.size() < 8 || c.args[6] != frameWidth || c.args[7] != frameHeight) continue;
      out.push_back({static_cast<int>(c.args[0]), static_cast<int>(c.args[1]),
                     static_cast<int>(c.args[4] / frameWidth), c.state.alpha});
    }
    return out;
  }
};

// Folder lookup answering from a table.
class TableVolume : public TMacVolume {
 public:
  std::map<uint32_t, std::string> folders;
  std::string getPath(uint32_t type, int) override {
    const auto found = folders.find(type);
    return found == folders.end() ? "" : found->second;
  }
};

// The user's folders under home, with or without a Desktop.
inline std::unique_ptr<TableVolume> HomeAt(const std::string& home, bool withDesktop = true) {
  auto v = std::make_unique<TableVolume>();
  v->folders = {{kFolderHome, home},
                {kFolderDocuments, home + "/Documents"},
                {kFolderApplications, "/Applications"},
                {kFolderMovies, home + "/Movies"},
                {kFolderMusic, home + "/Music"},
                {kFolderPictures, home + "/Pictures"}};
  if (withDesktop) v->folders[kFolderDesktop] = home + "/Desktop";
  return v;
}

inline std::shared_ptr<TMFavorite> PlacesOf(const std::string& home, bool withDesktop = true) {
  auto fav = std::make_shared<TMFavorite>();
  fav->Volume = HomeAt(home, withDesktop);
  fav->Init();
  return fav;
}
