// TMFavorite, the places list of the file browser: the user's standard folders (the
// places, each known by its icon code) followed by the user's own favourite folders,
// which place holds the folder shown (Locale) and which favourite is that folder.
#pragma once
#include <array>
#include <memory>
#include <string>

class TMacVolume;

constexpr int kFavoriteSlots = 100;
constexpr int kFavoriteCode = 7;  // icon code of every user favourite
// Icon codes of the places.
constexpr int kPlaceDesktop = 5;
constexpr int kPlaceHome = 4;
constexpr int kPlaceApps = 3;
constexpr int kPlaceDocs = 13;
constexpr int kPlaceDownloads = 8;
constexpr int kPlaceMovies = 12;
constexpr int kPlaceMusic = 10;
constexpr int kPlacePictures = 11;

class TMFavorite {
 public:
  TMFavorite();
  virtual ~TMFavorite();

  std::unique_ptr<TMacVolume> Volume;  // made by Init when none is given
  // Place paths in lower case ending in "/"; "" for a place the platform does not name.
  std::string FavDesktop;
  std::string FavHome;
  std::string FavApps;
  std::string FavDocs;
  std::string FavDownloads;
  std::string FavMovies;
  std::string FavMusic;
  std::string FavPictures;
  std::array<std::string, kFavoriteSlots> FavPosition;
  std::array<std::string, kFavoriteSlots> FavRoot;
  int Selected = 0;
  int FavSelected = -1;
  int Locale = -1;
  int StartUser = 0;
  int MaxUser = 0;
  int HidePlaces = 0;
  int HideFavorites = 0;

  virtual int Init();
  // Removes the user favourite that is the folder shown (FavSelected); n is not used.
  virtual int DelFavorite(int n);
  // 1 when path (a folder, not a place, not yet a favourite) was added, else 0.
  virtual int AddFavorite(const std::string& path);
  virtual int GetSelected(int code);
  virtual int SetSelected(int code);
  // Locale becomes the place holding path; no match keeps it.
  virtual int SetDir(const std::string& path);

  // A place: its icon code, label and path field, in list order.
  struct Place {
    int code;
    const char* label;
    std::string TMFavorite::*path;
  };
  static const std::array<Place, 8>& Places();

 private:
  // The place path that holds the lower-cased path lp (tried in the order that puts the
  // folders inside Home first), or null.
  const Place* PlaceHolding(const std::string& lp) const;
};
