// The places and favourites model: places from a faked folder lookup and from XDG
// variables the test sets, the place holding a folder, list positions, and adding and
// removing user favourites over real temporary folders.
#include "framework/favorite.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <map>
#include <string>

#include "framework/browsertesting.h"
#include "framework/testfolder.h"
#include "framework/volume.h"
#include "platform/textcase.h"

namespace {

TEST(PlacesInit, TakesTheFoldersFromTheXdgVariables) {
  TempFolder t;
  for (const char* sub : {"Desktop", "Docs", "Music", "config", "data/applications"})
    std::filesystem::create_directories(t / sub);
  EnvGuard env;
  env.Set("HOME", t.path());
  env.Set("XDG_CONFIG_HOME", t / "config");
  env.Set("XDG_DATA_HOME", t / "data");
  env.Set("XDG_DOCUMENTS_DIR", t / "Docs");
  for (const char* unset : {"XDG_DESKTOP_DIR", "XDG_MUSIC_DIR", "XDG_PICTURES_DIR",
                            "XDG_VIDEOS_DIR", "XDG_DOWNLOAD_DIR"})
    env.Set(unset, std::nullopt);
  auto fav = std::make_shared<TMFavorite>();
  fav->Init();
  const std::string home = ToLower(t.path()) + "/";
  EXPECT_EQ(fav->FavHome, home);
  EXPECT_EQ(fav->FavDesktop, home + "desktop/");
  EXPECT_EQ(fav->FavDocs, home + "docs/");
  EXPECT_EQ(fav->FavMusic, home + "music/");
  EXPECT_EQ(fav->FavApps, home + "data/applications/");
  EXPECT_EQ(fav->FavDownloads, home + "downloads/");
  EXPECT_EQ(fav->FavPictures, "");  // no such folder: not a place
  EXPECT_EQ(fav->FavMovies, "");
  EXPECT_EQ(fav->StartUser, 7);  // six places after slot 0
}

TEST(PlacesLocale, PrefersFoldersInsideHomeAndKeepsTheLastMatch) {
  auto fav = PlacesOf("/Users/a");
  fav->SetDir("/Users/a/Music/Loops/");
  EXPECT_EQ(fav->Locale, kPlaceMusic);
  EXPECT_EQ(fav->GetSelected(kPlaceMusic), 1);
  EXPECT_EQ(fav->GetSelected(kFavoriteCode), 0);
  fav->SetDir("/Volumes/Disk/");
  EXPECT_EQ(fav->Locale, kPlaceMusic);
  fav->SetDir("/Users/a/Library/");
  EXPECT_EQ(fav->Locale, kPlaceHome);
  EXPECT_EQ(fav->GetSelected(kPlaceMusic), 0);
  fav->SetDir("/Applications/Utilities/");
  EXPECT_EQ(fav->Locale, kPlaceApps);
}

TEST(PlacesLocale, AMissingPlaceHoldsNothing) {
  auto fav = PlacesOf("/Users/a", false);
  fav->SetDir("/elsewhere/");
  EXPECT_EQ(fav->Locale, -1);
}

TEST(PlacesPositions, CountOnlyThePlacesPresent) {
  auto all = PlacesOf("/Users/a");
  all->SetSelected(kPlaceDocs);
  EXPECT_EQ(all->Selected, 4);
  auto noDesktop = PlacesOf("/Users/a", false);
  noDesktop->SetSelected(kPlaceHome);
  EXPECT_EQ(noDesktop->Selected, 1);
  noDesktop->SetSelected(kPlaceDocs);
  EXPECT_EQ(noDesktop->Selected, 3);
  noDesktop->SetSelected(kFavoriteCode);
  EXPECT_EQ(noDesktop->Selected, 3);
}

class PlacesFavorites : public ::testing::Test {
 protected:
  void SetUp() override {
    for (const char* sub : {"Music/Loops", "Music/loops", "Music/Drums", "Other/Samples"})
      std::filesystem::create_directories(t / sub);
    WriteBytes(t / "Music/file.wav", "");
    fav = PlacesOf(t.path());
  }
  TempFolder t;
  std::shared_ptr<TMFavorite> fav;
};

TEST_F(PlacesFavorites, AddsFoldersRelativeToTheirPlace) {
  EXPECT_EQ(fav->AddFavorite(t / "Music/Loops/"), 1);
  EXPECT_EQ(fav->FavPosition[9], "Loops/");
  EXPECT_EQ(fav->FavRoot[9], ToLower(t / "Music/"));
  EXPECT_EQ(fav->MaxUser, 10);
  EXPECT_EQ(fav->AddFavorite(t / "Music/loops/"), 0);  // the same folder, case ignored
  EXPECT_EQ(fav->AddFavorite(t / "Music/"), 0);        // a place itself
  EXPECT_EQ(fav->AddFavorite(t / "Music/file.wav"), 0);
  EXPECT_EQ(fav->AddFavorite(t / "nothere/"), 0);
  EXPECT_EQ(fav->MaxUser, 10);
}

TEST_F(PlacesFavorites, AFolderUnderNoPlaceKeepsItsWholePath) {
  TMFavorite narrow;
  auto v = std::make_unique<TableVolume>();
  v->folders = {{kFolderMusic, t / "Music"}};
  narrow.Volume = std::move(v);
  narrow.Init();
  EXPECT_EQ(narrow.AddFavorite(t / "Other/Samples/"), 1);
  EXPECT_EQ(narrow.FavRoot[narrow.StartUser], "");
  EXPECT_EQ(narrow.FavPosition[narrow.StartUser], t / "Other/Samples/");
}

TEST_F(PlacesFavorites, RemovesTheShownFavoriteAndClosesTheGap) {
  ASSERT_EQ(fav->AddFavorite(t / "Music/Loops/"), 1);
  ASSERT_EQ(fav->AddFavorite(t / "Music/Drums/"), 1);
  ASSERT_EQ(fav->AddFavorite(t / "Other/Samples/"), 1);
  fav->DelFavorite(0);  // nothing shown
  EXPECT_EQ(fav->MaxUser, 12);
  fav->FavSelected = 10;
  fav->DelFavorite(0);
  EXPECT_EQ(fav->MaxUser, 11);
  EXPECT_EQ(fav->FavPosition[9], "Loops/");
  EXPECT_EQ(fav->FavRoot[10], ToLower(t.path()) + "/");
  EXPECT_EQ(fav->FavPosition[10], "Other/Samples/");
  EXPECT_EQ(fav->FavPosition[11], "");
  EXPECT_EQ(fav->FavRoot[11], "");
}

TEST_F(PlacesFavorites, RefusesMoreThanTheSlotsHold) {
  fav->MaxUser = kFavoriteSlots;
  EXPECT_EQ(fav->AddFavorite(t / "Music/Drums/"), 0);
  EXPECT_EQ(fav->MaxUser, kFavoriteSlots);
}

}  // namespace
