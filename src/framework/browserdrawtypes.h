// The control renderer's file-browser kinds: the folder slot selector (70), the path bar
// (9), the right-aligned path (41), the folder name (13), the entry count (21), the
// selected entry's size (14, 15), its thumbnail (42, 43 mirrored), and the file list (7)
// and places (10) panes. Each has the draw-type table's signature.
#pragma once
#include <string>

class TMUIDraw2;
class TMControl;

int DrawFolderSlot(TMUIDraw2& app, TMControl& c, int drawType, int live, int over);
int DrawPathBar(TMUIDraw2& app, TMControl& c, int drawType, int live, int over);
int DrawRightPath(TMUIDraw2& app, TMControl& c, int drawType, int live, int over);
int DrawFolderName(TMUIDraw2& app, TMControl& c, int drawType, int live, int over);
int DrawEntryCount(TMUIDraw2& app, TMControl& c, int drawType, int live, int over);
int DrawEntrySize(TMUIDraw2& app, TMControl& c, int drawType, int live, int over);
int DrawThumbnail(TMUIDraw2& app, TMControl& c, int drawType, int live, int over);
int DrawFileList(TMUIDraw2& app, TMControl& c, int drawType, int live, int over);
int DrawPlaces(TMUIDraw2& app, TMControl& c, int drawType, int live, int over);

// "1023 Bytes", "1.5 KB", "1.5 MB", "1.5 GB" (one decimal, truncated).
std::string FileSizeText(int bytes);
