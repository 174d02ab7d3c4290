// Path helpers: the folder, name and extension parts of a path, and where the
// running program lives. Pure text work except AppFile/AppDir.
#pragma once
#include <string>

// Folder part: the text before the last "/", without that "/"; "/" when the last
// "/" is the first character (the root itself or a name directly under it); ""
// when the path holds no "/".
std::string ExtractDir(const std::string& path);
// The text after the last "/" (the whole path when it holds none; "" after a
// trailing "/").
std::string StripDir(const std::string& path);
// Extension: the text after the last "." provided no "/" or "\" follows it; ""
// when there is no such ".". ".profile" has the extension "profile"; "a." has "".
std::string ExtractExt(const std::string& path);
// The path without its extension and the "." before it (same "." as ExtractExt).
std::string StripExt(const std::string& path);
// The file name without folder and extension.
std::string StripAll(const std::string& path);

// Full path of the running executable ("" when it cannot be read) and its folder
// without a trailing "/".
std::string AppFile();
std::string AppDir();
