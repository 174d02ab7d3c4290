// Image files decoded ahead, each on a thread of its own, while the program does other
// work (makes its window and its GL context): the image cache takes the decoded file
// when the name is asked for instead of reading it then. Called on the main thread.
#pragma once
#include <memory>
#include <string>
#include <vector>

struct TPixmap;

// Starts decoding the file each name would load from (the first place the image cache
// would find it); a name with no file, or already under way, is passed over.
void PrefetchImages(const std::vector<std::string>& names);
// The decode started for path, waited for and given up once: true with the pixmap (null
// when the file did not decode), false when none was started.
bool TakePrefetched(const std::string& path, std::shared_ptr<TPixmap>& pixmap);
