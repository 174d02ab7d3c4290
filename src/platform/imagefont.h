// Fonts of the 2D module's text: a TrueType file at a pixel size, opened through
// SDL_ttf, whose glyphs are rendered once into an atlas image that text is drawn from.
// The default font is DejaVu Sans at a size that reads well in an 18-pixel status bar.
#pragma once
#include <memory>
#include <string>
#include <vector>

class TImage;

// Style bits of LoadImageFont.
constexpr int BOLDFONT = 1;
constexpr int ITALICFONT = 2;

constexpr int DEFAULT_FONT_SIZE = 12;
inline constexpr const char* DEFAULT_FONT_PATH = "/usr/share/fonts/truetype/dejavu/DejaVuSans.ttf";

class TImageFont {
 public:
  // One glyph's pixels in the atlas and its left edge from the text's start.
  struct TGlyphQuad {
    float x = 0.0f;
    float y = 0.0f;
    int sourceX = 0;
    int sourceY = 0;
    int width = 0;
    int height = 0;
  };

  ~TImageFont();
  TImageFont(const TImageFont&) = delete;
  TImageFont& operator=(const TImageFont&) = delete;

  int Size() const;
  int Height() const;  // pixels from the top of one line to the next
  // Pixels from the start of the text to its end: the advances and kerning of its
  // characters, the same for the same text every time.
  int Width(const std::string& text);
  // The quads of the characters that have pixels, placed from (0, 0); valid until the
  // next call. Malformed UTF-8 bytes are skipped.
  const std::vector<TGlyphQuad>& Layout(const std::string& text);
  // The atlas the quads cut from; it grows as new characters are drawn.
  TImage& Atlas();

 private:
  friend std::shared_ptr<TImageFont> LoadImageFont(const std::string& path, int size, int style);
  struct Impl;
  explicit TImageFont(std::unique_ptr<Impl> impl);
  std::unique_ptr<Impl> impl_;
};

// Null (and a log line) when the file does not open as a font or the size is below 1.
std::shared_ptr<TImageFont> LoadImageFont(const std::string& path, int size, int style = 0);
// DejaVu Sans at DEFAULT_FONT_SIZE, opened once; null when it cannot be opened.
TImageFont* DefaultImageFont();
// The default font at DEFAULT_FONT_SIZE from FindDefaultFontFile(firstTry); null and
// one log line when no font opens.
std::shared_ptr<TImageFont> OpenDefaultFont(const std::string& firstTry = DEFAULT_FONT_PATH);
