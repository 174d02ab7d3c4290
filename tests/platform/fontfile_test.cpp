// The default font: Debian's path first, fontconfig where it is missing, one log line
// where there is no font at all.
#include "platform/fontfile.h"

#include <gtest/gtest.h>
#include <stdlib.h>

#include <fstream>
#include <optional>
#include <string>

#include "platform/files.h"
#include "platform/imagefont.h"
#include "tempfolder.h"

namespace {

// FONTCONFIG_FILE for the length of a test.
class FontConfigFile {
 public:
  explicit FontConfigFile(const std::string& path) {
    if (const char* old = getenv("FONTCONFIG_FILE")) saved_ = old;
    setenv("FONTCONFIG_FILE", path.c_str(), 1);
  }
  ~FontConfigFile() {
    if (saved_)
      setenv("FONTCONFIG_FILE", saved_->c_str(), 1);
    else
      unsetenv("FONTCONFIG_FILE");
  }

 private:
  std::optional<std::string> saved_;
};

TEST(DefaultFont, TheDebianPathFirstThenWhateverFontconfigFinds) {
  ASSERT_EQ(FileType(DEFAULT_FONT_PATH), FILETYPE_FILE) << "needs fonts-dejavu-core";
  EXPECT_EQ(FindDefaultFontFile(DEFAULT_FONT_PATH), DEFAULT_FONT_PATH);
  // DejaVu lives elsewhere: a font is still found, and it opens.
  const std::string found = FindDefaultFontFile("/nonexistent/fonts/DejaVuSans.ttf");
  ASSERT_EQ(FileType(found), FILETYPE_FILE) << found;
  EXPECT_NE(LoadImageFont(found, DEFAULT_FONT_SIZE), nullptr) << found;
  EXPECT_NE(OpenDefaultFont("/nonexistent/fonts/DejaVuSans.ttf"), nullptr);
}

TEST(DefaultFont, NoFontAtAllIsOneLogLine) {
  TempFolder folder;
  std::ofstream(folder / "fonts.conf") << "<?xml version=\"1.0\"?><fontconfig></fontconfig>\n";
  FontConfigFile config(folder / "fonts.conf");
  EXPECT_EQ(FindDefaultFontFile("/nonexistent/DejaVuSans.ttf"), "");
  testing::internal::CaptureStdout();
  EXPECT_EQ(OpenDefaultFont("/nonexistent/DejaVuSans.ttf"), nullptr);
  const std::string log = testing::internal::GetCapturedStdout();
  EXPECT_EQ(log, "No font found: captions are not drawn\n");
}

}  // namespace
