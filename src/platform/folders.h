// The user's standard folders and the application-support folder, found the
// XDG way: $HOME, $XDG_CONFIG_HOME, the user-dirs.dirs file and $XDG_DATA_HOME.
// A folder that is not there gives ""; nothing is created here. Paths come
// without a trailing "/" (except AppSupportDir, which keeps one).
#pragma once
#include <string>

enum class UserFolder {
  Home,
  Desktop,
  Documents,
  Downloads,
  Music,
  Pictures,
  Movies,        // XDG "VIDEOS"
  PublicShare,   // XDG "PUBLICSHARE": the folder shared with other users
  Applications,  // the user's application entries: $XDG_DATA_HOME/applications
};

// The folder's path, "" when it is unknown, is not a folder, or (for all but Home)
// is configured as the home folder itself, which the XDG files use to mean "none".
//
// The named folders come from $XDG_CONFIG_HOME/user-dirs.dirs (lines such as
// XDG_MUSIC_DIR="$HOME/Music"); an entry missing there is taken from the
// environment variable of the same name, and then from the usual English name
// under home (Desktop, Documents, Downloads, Music, Pictures, Videos, Public).
std::string UserFolderPath(UserFolder folder);

// $XDG_CONFIG_HOME (when absolute), else ~/.config, without a trailing "/", whether
// it is there or not; "" when there is no home folder to put it in.
std::string ConfigHomeDir();
// ConfigHomeDir followed by "/"; "" when that folder is not there.
std::string AppSupportDir();
