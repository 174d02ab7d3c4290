// The file browser's panes of the window layer: SetupFolders (the models exist),
// the places pane with its rows (MFileFavorites, DrawFavorite) and the file list pane
// (MFileBrowse), drawn straight from the folder and places models.
#include <algorithm>
#include <string>

#include "framework/drawstate.h"
#include "framework/favorite.h"
#include "framework/folder.h"
#include "framework/imagecontrols.h"
#include "framework/imagewrappers.h"
#include "framework/muidraw2.h"
#include "framework/palette.h"
#include "framework/shapes.h"
#include "platform/draw2d.h"
#include "platform/textcase.h"

namespace {
constexpr int kRowHeight = 22;
constexpr int kColumnWidth = 280;
constexpr int kNameWidth = 223;
constexpr int kIconWidth = 28;
constexpr int kPlainFileFrame = 1;

// Rows the column break of the list draws in one column of a pane height h: a new column
// starts once the next row's top lies below the bottom edge less one row.
int RowsPerColumn(int h) { return h >= 24 ? (h - 24) / kRowHeight + 1 : 1; }

void DrawHeader(const std::string& title, int hidden, const TMControl& c, int y) {
  SetColor(200, 200, 200);
  DrawText(title, static_cast<float>(c.nX + 3), static_cast<float>(y + 2));
  if (c.bOver == 0) return;
  SetColor(120, 120, 120);
  const std::string label = hidden != 0 ? "Show" : "Hide";
  DrawText(label, static_cast<float>(c.nX1 - TextWidth(label) - 3), static_cast<float>(y + 2));
}
}  // namespace

TMFolder* TMUIDraw2::CurrentFolderModel() {
  if (CurrentFolder < 0 || CurrentFolder >= kFolderSlots) return nullptr;
  return Folder[CurrentFolder].get();
}

int TMUIDraw2::SetupFolders() {
  if (!Favorite) {
    Favorite = std::make_shared<TMFavorite>();
    Favorite->Init();
  }
  if (CurrentFolder < 0 || CurrentFolder >= kFolderSlots) return 0;
  if (!Folder[CurrentFolder]) {
    Folder[CurrentFolder] = std::make_shared<TMFolder>();
    Folder[CurrentFolder]->SetDir(Folder[CurrentFolder]->CurrDir);
  }
  Favorite->SetDir(Folder[CurrentFolder]->CurrDir);
  return 0;
}

int TMUIDraw2::DrawFavorite(int code, const std::string& name, int x, int y, int width,
                            int selected) {
  int hl = Favorite ? Favorite->GetSelected(code) : 0;
  if (hl == 0) hl = selected;
  if (hl != 0) {
    if (Favorite) Favorite->SetSelected(code);
    AppHL.SetFG();
    DrawRect(static_cast<float>(x - 14), static_cast<float>(y), static_cast<float>(width),
             static_cast<float>(kRowHeight));
    SetColor(230, 230, 230);
  }
  MDrawImageNumFrame(x, y, kIconWidth, kRowHeight, AppFileImage, code);
  DrawText(name, static_cast<float>(x + 31), static_cast<float>(y + 2));
  return y + kRowHeight;
}

int TMUIDraw2::MFileFavorites(TMControl* control) {
  if (control == nullptr) return 0;
  const TMControl& c = *control;
  int y = c.nY;
  const int w = c.nWidth;
  SetupFolders();
  TMFavorite& fav = *Favorite;
  DrawHeader("PLACES", fav.HidePlaces, c, y);
  y += kRowHeight;
  const int ex = c.nX + 14;
  if (fav.HidePlaces == 0) {
    SetColor(230, 230, 230);
    for (const TMFavorite::Place& place : TMFavorite::Places()) {
      if ((fav.*place.path).empty()) continue;
      y = DrawFavorite(place.code, place.label, ex, y, w, 0);
    }
  }
  if (fav.StartUser < fav.MaxUser) {
    DrawHeader("FAVORITES", fav.HideFavorites, c, y);
    y += kRowHeight;
    SetColor(230, 230, 230);
    fav.FavSelected = -1;
    const TMFolder* folder = CurrentFolderModel();
    const std::string shown = folder != nullptr ? ToLower(folder->CurrDir) : "";
    if (fav.HideFavorites == 0) {
      for (int i = std::max(fav.StartUser, 0);
           i < fav.MaxUser && i < kFavoriteSlots && !fav.FavPosition[i].empty(); ++i) {
        const int sel = ToLower(fav.FavRoot[i] + fav.FavPosition[i]) == shown ? 1 : 0;
        DrawFavorite(kFavoriteCode, fav.FavPosition[i], ex, y, w, sel);
        if (sel == 1) fav.FavSelected = i;
        y += kRowHeight;
      }
    }
  }
  return 0;
}

int TMUIDraw2::MFileBrowse(TMControl* control) {
  if (control == nullptr || CurrentFolder < 0 || CurrentFolder >= kFolderSlots) return 0;
  TMControl& c = *control;
  const int live = ValidPage(c.bPage) && c.nArrayPos == PageActive[c.bPage] ? 1 : 0;
  if (!Folder[CurrentFolder]) Folder[CurrentFolder] = std::make_shared<TMFolder>();
  TMFolder& f = *Folder[CurrentFolder];

  std::string prevName;
  if (!f.PrevDir.empty()) {
    if (f.PrevDir.size() > f.CurrDir.size()) {
      const std::string t = f.PrevDir.substr(f.CurrDir.size());
      prevName = t.substr(0, t.size() - 1);
    }
    f.PrevDir.clear();
  }
  f.SetDir(f.CurrDir);
  f.SetFile("", "", 0, -1);
  c.strText = f.CurrDir;

  AppBGCol3.SetFG();
  MFrame(static_cast<float>(c.nX), static_cast<float>(c.nY), static_cast<float>(c.nWidth),
         static_cast<float>(c.nHeight));
  const int ix = c.nX + 1, iy = c.nY + 1, iw = c.nWidth - 2, ih = c.nHeight - 2;

  if (f.DirChanged() == 1) c.nPos = f.GetFolderPosition(prevName);
  if (c.nPos < 0) c.nPos = 0;
  if (c.nPos > f.FCount - 1) c.nPos = f.FCount - 1;
  const int sel = c.nPos;
  const int last = f.FCount - 1;

  // Scrolling counts the rows the column break below really draws.
  const int rows = RowsPerColumn(c.nHeight);
  const int page = std::max(c.nThumbX, 1) * rows;
  int first = sel < page ? 0 : ((sel - page) / rows + 1) * rows;
  if (first < c.nUser1 && MouseDownX / kColumnWidth >= 1 && sel >= c.nUser1) first = c.nUser1;
  first = std::max(first, 0);

  AppBGCol1.SetFG();
  DrawRect(static_cast<float>(ix), static_cast<float>(iy), static_cast<float>(iw),
           static_cast<float>(ih));
  AppBGCol2.SetFG();
  for (int r = kRowHeight; r < ih; r += 2 * kRowHeight)
    DrawRect(static_cast<float>(ix), static_cast<float>(iy + r), static_cast<float>(iw),
             static_cast<float>(std::min(kRowHeight, ih - r)));

  int tx = c.nX + 4, ty = c.nY + 2, colW = kColumnWidth, nameW = kNameWidth;
  for (int i = first; i <= last; ++i) {
    // Columns that start beyond the pane's right edge are not drawn.
    if (tx - 3 >= c.nX1) break;
    SetViewport(tx - 3, ty - 1, colW, kRowHeight);
    if (i == sel) {
      const int w = tx + kColumnWidth > c.nX1 ? colW : kColumnWidth;
      if (live != 0 || (c.bOver != 0 && c.bEnabled != 0)) {
        AppHL.SetFG();
        f.SetFile(f.FName[i], f.FAlias[i], f.FSize[i], f.FType[i]);
        if (live != 0)
          DrawRect(static_cast<float>(tx - 3), static_cast<float>(ty - 1), static_cast<float>(w),
                   static_cast<float>(kRowHeight));
        else
          MFrame(static_cast<float>(tx - 3), static_cast<float>(ty - 1), static_cast<float>(w),
                 static_cast<float>(kRowHeight));
      }
    }
    SetColor(230, 230, 230);
    if (f.FType[i] == -1) {
      MAlpha(0.3f);
      MDrawImageNumFrame(tx, ty, kIconWidth, kRowHeight, AppFileImage, kPlainFileFrame);
      MAlpha(c.bEnabled != 0 ? 1.0f : 0.6f);
    } else {
      MDrawImageNumFrame(tx, ty, kIconWidth, kRowHeight, AppFileImage, f.FType[i]);
    }
    DrawText(std::to_string(i + 1), static_cast<float>(tx + 31), static_cast<float>(ty + 2));
    SetColor(190, 190, 190);
    if (f.FType[i] == 2) {
      SetViewport(tx - 3, ty - 1, nameW + 50, kRowHeight);
      DrawText(f.FName[i], static_cast<float>(tx + 60), static_cast<float>(ty + 2));
    } else {
      SetViewport(tx - 3, ty - 1, nameW + 57, kRowHeight);
      DrawText(f.FExtension[i], static_cast<float>(tx + nameW + 20), static_cast<float>(ty + 2));
      SetViewport(tx - 3, ty - 1, nameW + 20, kRowHeight);
      DrawText(f.FAlias[i], static_cast<float>(tx + 60), static_cast<float>(ty + 2));
    }
    ty += kRowHeight;
    if (ty > c.nY1 - kRowHeight) {
      ty = c.nY + 2;
      tx += kColumnWidth;
      if (tx + kColumnWidth > c.nX1) {
        colW = c.nX1 - tx + 12;
        nameW = colW - 69;
      }
    }
  }

  f.Selected = sel;
  c.nMax = f.FCount;
  c.nMin = 0;
  c.nUser1 = first;
  MCheckOver(ix, iy, iw, ih, live);
  return 0;
}
