// The places and favourites model of the file browser.
#include "framework/favorite.h"

#include "framework/volume.h"
#include "platform/files.h"
#include "platform/textcase.h"

namespace {
bool StartsWith(const std::string& text, const std::string& prefix) {
  return text.compare(0, prefix.size(), prefix) == 0;
}

// A folder path of the platform as a place path; "" stays "" (the place is missing).
std::string PlacePath(const std::string& folder) {
  return folder.empty() ? "" : ToLower(folder + "/");
}

// The order that tries folders inside Home before Home itself.
constexpr std::array<int, 8> kMatchOrder = {kPlaceMusic,     kPlacePictures, kPlaceMovies,
                                            kPlaceDownloads, kPlaceApps,     kPlaceDocs,
                                            kPlaceDesktop,   kPlaceHome};
}  // namespace

TMFavorite::TMFavorite() = default;
TMFavorite::~TMFavorite() = default;

const std::array<TMFavorite::Place, 8>& TMFavorite::Places() {
  static const std::array<Place, 8> places = {{
      {kPlaceDesktop, "Desktop", &TMFavorite::FavDesktop},
      {kPlaceHome, "Home", &TMFavorite::FavHome},
      {kPlaceApps, "Applications", &TMFavorite::FavApps},
      {kPlaceDocs, "Documents", &TMFavorite::FavDocs},
      {kPlaceDownloads, "Downloads", &TMFavorite::FavDownloads},
      {kPlaceMovies, "Movies", &TMFavorite::FavMovies},
      {kPlaceMusic, "Music", &TMFavorite::FavMusic},
      {kPlacePictures, "Pictures", &TMFavorite::FavPictures},
  }};
  return places;
}

int TMFavorite::Init() {
  FavPosition.fill("");
  if (!Volume) Volume = TMacVolume::Create();
  FavDesktop = PlacePath(Volume->GetUserDesktopDir());
  FavHome = PlacePath(Volume->GetUserHomeDir());
  // No fixed applications folder here: the user's application entries stand for it.
  FavApps = PlacePath(Volume->getPath(kFolderApplications, 0));
  FavDocs = PlacePath(Volume->GetUserDocumentsDir());
  FavDownloads = FavHome.empty() ? "" : ToLower(FavHome + "Downloads/");
  FavMovies = PlacePath(Volume->getPath(kFolderMovies, 0));
  FavMusic = PlacePath(Volume->getPath(kFolderMusic, 0));
  FavPictures = PlacePath(Volume->getPath(kFolderPictures, 0));
  int pos = 1;
  for (const Place& place : Places()) {
    const std::string& path = this->*place.path;
    if (!path.empty()) FavPosition[pos++] = path;
  }
  StartUser = MaxUser = pos;
  return 0;
}

const TMFavorite::Place* TMFavorite::PlaceHolding(const std::string& lp) const {
  for (int code : kMatchOrder) {
    for (const Place& place : Places()) {
      if (place.code != code) continue;
      // A missing place holds nothing (its "" would be a prefix of every path).
      const std::string& placePath = this->*place.path;
      if (!placePath.empty() && StartsWith(lp, placePath)) return &place;
    }
  }
  return nullptr;
}

int TMFavorite::SetDir(const std::string& path) {
  if (const Place* place = PlaceHolding(ToLower(path))) Locale = place->code;
  return 0;
}

int TMFavorite::GetSelected(int code) { return code == Locale ? 1 : 0; }

int TMFavorite::SetSelected(int code) {
  int position = 1;
  for (const Place& place : Places()) {
    if (place.code == code) {
      Selected = position;
      return 0;
    }
    if (!(this->*place.path).empty()) ++position;
  }
  return 0;
}

int TMFavorite::AddFavorite(const std::string& path) {
  if (FileType(path) != FILETYPE_DIR) return 0;
  // Every slot after the places is taken: nothing more fits.
  if (MaxUser < 0 || MaxUser >= kFavoriteSlots) return 0;
  const std::string lp = ToLower(path);
  for (int i = StartUser; i < MaxUser; ++i)
    if (ToLower(FavRoot[i] + FavPosition[i]) == lp) return 0;
  std::string root;
  std::string name = path;
  if (const Place* place = PlaceHolding(lp)) {
    root = this->*place->path;
    name = path.substr(root.size());
  }
  if (name.empty()) return 0;
  FavPosition[MaxUser] = name;
  FavRoot[MaxUser] = root;
  ++MaxUser;
  return 1;
}

int TMFavorite::DelFavorite(int /*n*/) {
  if (FavSelected < 0 || FavSelected >= kFavoriteSlots) return 0;
  const std::string key = ToLower(FavRoot[FavSelected] + FavPosition[FavSelected]);
  for (int i = StartUser; i < MaxUser && i < kFavoriteSlots; ++i) {
    if (ToLower(FavRoot[i] + FavPosition[i]) != key) continue;
    for (int j = i; j < MaxUser - 1; ++j) {
      FavPosition[j] = FavPosition[j + 1];
      FavRoot[j] = FavRoot[j + 1];
    }
    FavPosition[MaxUser - 1].clear();
    FavRoot[MaxUser - 1].clear();
    --MaxUser;
    break;
  }
  return 0;
}
