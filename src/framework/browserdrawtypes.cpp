// The file-browser kinds of the draw-type table, drawn from the folder in the current
// slot and the places model.
#include "framework/browserdrawtypes.h"

#include <string>

#include "framework/captions.h"
#include "framework/drawkinds.h"
#include "framework/drawstate.h"
#include "framework/favorite.h"
#include "framework/filetypes.h"
#include "framework/folder.h"
#include "framework/folderpaths.h"
#include "framework/imagewrappers.h"
#include "framework/muidraw2.h"
#include "framework/toolkitnumbers.h"
#include "platform/draw2d.h"
#include "platform/files.h"
#include "platform/textcase.h"

namespace {
constexpr int kIconW = 28;
constexpr int kIconH = 22;
constexpr int kFolderFrame = 2;
constexpr int kNoPlaceFrame = 6;
constexpr int kSeparatorFrame = 41;
constexpr float kMirrorAlpha = 0.3f;

void Icon(int x, int y, int frame) {
  MDrawImageNumFrame(x, y, kIconW, kIconH, AppFileImage, frame);
}

// The last n characters of text (all of it when n is larger, none when n <= 0).
std::string Tail(const std::string& text, long n) {
  if (n <= 0) return "";
  const size_t count = static_cast<size_t>(n);
  return count >= text.size() ? text : text.substr(text.size() - count);
}

bool EndsWith(const std::string& text, const std::string& end) {
  return text.size() >= end.size() && text.compare(text.size() - end.size(), end.size(), end) == 0;
}

// The picture shown for a selected file, "" for a file that has none.
std::string PicturePath(const TMFolder& f) {
  for (const char* ext : {".bmp", ".jpg", ".png", ".gif", ".tga"})
    if (EndsWith(f.CurrFile, ext)) return f.CurrDir + "/" + f.CurrFile;
  if (EndsWith(f.CurrFile, ".3do"))
    return f.CurrDir + "/thumbs/" + f.CurrFile.substr(0, f.CurrFile.size() - 3) + "png";
  return "";
}
}  // namespace

std::string FileSizeText(int bytes) {
  const int k = bytes / 1024;
  if (bytes < 1024) return std::to_string(bytes) + " Bytes";
  if (k < 1024) return FloatToFixedPoint(static_cast<float>(k), 1) + " KB";
  if (k / 1024 < 1024) return FloatToFixedPoint(static_cast<float>(k / 1024.0), 1) + " MB";
  return FloatToFixedPoint(static_cast<float>(k / 1024.0 / 1024.0), 1) + " GB";
}

int DrawFolderSlot(TMUIDraw2& app, TMControl& c, int, int, int) {
  if (c.nID < 0 || c.nID >= kFolderSlots) return 0;
  app.CurrentFolder = c.nID;
  auto& slot = app.Folder[c.nID];
  if (!slot) {
    slot = std::make_shared<TMFolder>();
    slot->SetDir(slot->CurrDir);
  }
  return 0;
}

int DrawPathBar(TMUIDraw2& app, TMControl& c, int, int, int) {
  app.SetupFolders();
  const TMFolder* f = app.CurrentFolderModel();
  if (f == nullptr || !app.Favorite) return 0;
  const TMFavorite& fav = *app.Favorite;
  int x = c.nX;
  const int yt = c.nY + (c.nHeight - 22) / 2;
  const int yi = yt + 2;
  std::string p = ToLower(f->CurrDir);
  SetColor(255, 255, 255);
  SetAlpha(1.0f);

  // The places in list order, Home last: a folder inside Home shows the place it is in.
  const TMFavorite::Place* shown = nullptr;
  for (const bool home : {false, true}) {
    for (const TMFavorite::Place& place : TMFavorite::Places()) {
      const std::string& path = fav.*place.path;
      if ((place.code == kPlaceHome) != home || path.empty() || p.compare(0, path.size(), path) != 0)
        continue;
      shown = &place;
      break;
    }
    if (shown != nullptr) break;
  }
  if (shown != nullptr) {
    const std::string& path = fav.*shown->path;
    p = Tail(p, static_cast<long>(p.size()) - static_cast<long>(path.size()) + 1);
    app.DrawFavorite(shown->code, shown->label, x, yt + 1, 0, 0);
    x += TextWidth(shown->label) + 26;
  } else {
    Icon(x, yi, kNoPlaceFrame);
    x += 16;
  }
  while (p.size() > 1) {
    Icon(x, yi, kSeparatorFrame);
    Icon(x + 20, yi, kFolderFrame);
    x += 48;
    p.erase(0, 1);
    const std::string name = GetFirstDir(p);
    p.erase(0, name.size());
    const int w = TextWidth(name);
    MText(x, c.nY, w, c.nHeight, c.bTextStyle, c.bAlign, name);
    x += w - 6;
  }
  return 0;
}

int DrawRightPath(TMUIDraw2& app, TMControl& c, int, int, int) {
  const TMFolder* f = app.CurrentFolderModel();
  if (f == nullptr) return 0;
  int right = c.nX1;
  const int yi = c.nY + (c.nHeight - 22) / 2 + 2;
  std::string p = f->CurrDir;
  while (p.size() > 1) {
    const std::string name = GetLastDir(p);
    const std::string previous = GetPreviousDir(p);
    if (!name.empty()) {
      const int w = TextWidth(name);
      MText(right - w, c.nY, w, c.nHeight, c.bTextStyle, c.bAlign, name);
      Icon(right - w - 28, yi, kFolderFrame);
      Icon(right - w - 48, yi, kSeparatorFrame);
      right -= w + 42;
    }
    // A path without any "/" gives itself back: nothing further to walk.
    if (previous.size() >= p.size()) break;
    p = previous;
  }
  return 0;
}

int DrawFolderName(TMUIDraw2& app, TMControl& c, int, int, int) {
  const TMFolder* f = app.CurrentFolderModel();
  const std::string alias = f != nullptr ? f->CurrAlias : "";
  const bool folder = f != nullptr && f->CurrType == kFileTypeFolder;
  TextForm(c, c.strText + (folder ? "Folder: " : "") + alias);
  return 0;
}

int DrawEntryCount(TMUIDraw2& app, TMControl& c, int, int, int) {
  const TMFolder* f = app.CurrentFolderModel();
  TextForm(c, c.strText + std::to_string(f != nullptr ? f->FCount : 0));
  return 0;
}

int DrawEntrySize(TMUIDraw2& app, TMControl& c, int drawType, int, int) {
  const TMFolder* f = app.CurrentFolderModel();
  if (f == nullptr || f->CurrType == kFileTypeFolder) return 0;
  std::string text = FileSizeText(f->CurrSize);
  if (drawType == 15) text += "  ( " + std::to_string(f->CurrSize) + " bytes )";
  TextForm(c, c.strText + text);
  return 0;
}

int DrawThumbnail(TMUIDraw2& app, TMControl& c, int drawType, int, int) {
  const TMFolder* f = app.CurrentFolderModel();
  if (f == nullptr) return 0;
  const bool mirrored = drawType == 43;
  const int y = mirrored ? c.nY1 : c.nY;
  const int h = mirrored ? -c.nHeight : c.nHeight;
  const std::string path = PicturePath(*f);
  if (!path.empty()) {
    if (path != app.IconImageFile) {
      // Forget the old path too, so that it is loaded again when it is selected again.
      app.IconImageFile.clear();
      const int64_t size = FileSize(path), time = FileModTime(path);
      if (path == app.IconFailedFile && size == app.IconFailedSize && time == app.IconFailedTime) {
        app.IconImage = nullptr;
      } else {
        app.IconImage = LoadImage(path, -1);
        app.IconFailedFile = app.IconImage ? "" : path;
        app.IconFailedSize = size;
        app.IconFailedTime = time;
      }
    }
    if (app.IconImage) {
      app.IconImageFile = path;
      SetColor(255, 255, 255);
      if (mirrored) SetAlpha(kMirrorAlpha);
      DrawImageRect(app.IconImage, static_cast<float>(c.nX), static_cast<float>(y),
                    static_cast<float>(c.nWidth), static_cast<float>(h), 0);
      return 0;
    }
  }
  if (AppBigFileImage < 0) return 0;
  SetColor(255, 255, 255);
  if (mirrored) SetAlpha(kMirrorAlpha);
  int frame = kFolderFrame;
  if (f->CurrType != kFileTypeFolder) {
    const int t = GetFileType(f->CurrFile, 9);
    frame = t == 0 ? 0 : t < 0 ? 30 : t - 1;
  }
  MDrawImageNumFrame(c.nX, y, c.nWidth, h, AppBigFileImage, frame);
  return 0;
}

int DrawFileList(TMUIDraw2& app, TMControl& c, int, int, int) { return app.MFileBrowse(&c); }

int DrawPlaces(TMUIDraw2& app, TMControl& c, int, int, int) { return app.MFileFavorites(&c); }
