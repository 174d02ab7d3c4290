// Fonts through SDL_ttf: glyphs rendered white into an RGBA atlas on first use, and the
// layout of a text from their advances and kerning.
#include "platform/imagefont.h"

#include <SDL.h>
#include <SDL_ttf.h>

#include <algorithm>
#include <cstring>
#include <unordered_map>

#include "platform/fontfile.h"
#include "platform/image.h"
#include "platform/print.h"
#include "platform/utf8.h"

namespace {

constexpr int ATLAS_MAX_SIDE = 4096;
constexpr int MAX_FONT_SIZE = 512;

bool ttfReady() {
  static const bool ready = [] {
    if (TTF_WasInit() || TTF_Init() == 0) return true;
    Print(std::string("Fonts unavailable: ") + TTF_GetError());
    return false;
  }();
  return ready;
}

struct Glyph {
  int advance = 0;
  bool drawn = false;  // has pixels in the atlas
  float offsetX = 0.0f;
  float offsetY = 0.0f;
  int sourceX = 0;
  int sourceY = 0;
  int width = 0;
  int height = 0;
};

}  // namespace

struct TImageFont::Impl {
  TTF_Font* font = nullptr;
  int size = 0;
  int height = 0;
  int ascent = 0;
  std::unordered_map<int, Glyph> glyphs;
  TImage atlas;
  int shelfX = 0;  // where the next glyph goes in the atlas
  int shelfY = 0;
  int shelfHeight = 0;
  std::vector<TImageFont::TGlyphQuad> layout;

  ~Impl() {
    if (font) TTF_CloseFont(font);
  }

  TPixmap& pixels() { return *atlas.frames[0].pixmap; }

  // Room for a width x height glyph: its top-left corner in the atlas, or false.
  bool place(int width, int height, int& x, int& y) {
    TPixmap& map = pixels();
    if (width + 1 > map.width) return false;
    if (shelfX + width + 1 > map.width) {
      shelfY += shelfHeight;
      shelfX = 0;
      shelfHeight = 0;
    }
    while (shelfY + height + 1 > map.height) {
      if (map.height * 2 > ATLAS_MAX_SIDE) return false;
      auto taller = CreatePixmap(map.width, map.height * 2);
      if (!taller) return false;
      std::memcpy(taller->pixels.data(), map.pixels.data(), map.pixels.size());
      taller->hasAlpha = true;
      atlas.frames[0].pixmap = taller;
      atlas.height = taller->height;
      return place(width, height, x, y);
    }
    x = shelfX;
    y = shelfY;
    shelfX += width + 1;
    shelfHeight = std::max(shelfHeight, height + 1);
    return true;
  }

  // The glyph's pixels, white with the coverage as alpha, copied into the atlas.
  void render(int code, Glyph& glyph, int minX, int maxY) {
    const SDL_Color white{255, 255, 255, 255};
    SDL_Surface* rendered = TTF_RenderGlyph32_Blended(font, static_cast<Uint32>(code), white);
    if (!rendered) return;
    SDL_Surface* rgba = SDL_ConvertSurfaceFormat(rendered, SDL_PIXELFORMAT_RGBA32, 0);
    SDL_FreeSurface(rendered);
    if (!rgba) return;
    int x = 0, y = 0;
    if (rgba->w > 0 && rgba->h > 0 && SDL_LockSurface(rgba) == 0) {
      if (place(rgba->w, rgba->h, x, y)) {
        TPixmap& map = pixels();
        for (int row = 0; row < rgba->h; ++row)
          std::memcpy(map.pixels.data() + static_cast<size_t>(y + row) * map.pitch + static_cast<size_t>(x) * 4,
                      static_cast<const uint8_t*>(rgba->pixels) + static_cast<size_t>(row) * rgba->pitch,
                      static_cast<size_t>(rgba->w) * 4);
        ++atlas.frames[0].version;
        glyph.drawn = true;
        glyph.sourceX = x;
        glyph.sourceY = y;
        glyph.width = rgba->w;
        glyph.height = rgba->h;
        // SDL_ttf starts the picture at the glyph's left or top extent when that lies
        // before the pen or above the line.
        glyph.offsetX = static_cast<float>(std::min(0, minX));
        glyph.offsetY = static_cast<float>(std::min(0, ascent - maxY));
      }
      SDL_UnlockSurface(rgba);
    }
    SDL_FreeSurface(rgba);
  }

  const Glyph& glyph(int code) {
    auto found = glyphs.find(code);
    if (found != glyphs.end()) return found->second;
    Glyph& glyph = glyphs[code];
    int minX = 0, maxX = 0, minY = 0, maxY = 0, advance = 0;
    if (TTF_GlyphMetrics32(font, static_cast<Uint32>(code), &minX, &maxX, &minY, &maxY, &advance) == 0) {
      glyph.advance = advance;
      if (maxX > minX && maxY > minY) render(code, glyph, minX, maxY);
    }
    return glyph;
  }

  int kerning(int previous, int code) {
    if (previous < 0) return 0;
    return TTF_GetFontKerningSizeGlyphs32(font, static_cast<Uint32>(previous), static_cast<Uint32>(code));
  }
};

TImageFont::TImageFont(std::unique_ptr<Impl> impl) : impl_(std::move(impl)) {}
TImageFont::~TImageFont() = default;

int TImageFont::Size() const { return impl_->size; }
int TImageFont::Height() const { return impl_->height; }

int TImageFont::Width(const std::string& text) {
  int pen = 0;
  int previous = -1;
  for (size_t i = 0; i < text.size();) {
    const int code = NextUtf8(text, i);
    if (code < 0) continue;
    pen += impl_->kerning(previous, code) + impl_->glyph(code).advance;
    previous = code;
  }
  return pen;
}

const std::vector<TImageFont::TGlyphQuad>& TImageFont::Layout(const std::string& text) {
  auto& out = impl_->layout;
  out.clear();
  int pen = 0;
  int previous = -1;
  for (size_t i = 0; i < text.size();) {
    const int code = NextUtf8(text, i);
    if (code < 0) continue;
    pen += impl_->kerning(previous, code);
    const Glyph& glyph = impl_->glyph(code);
    if (glyph.drawn)
      out.push_back({static_cast<float>(pen) + glyph.offsetX, glyph.offsetY, glyph.sourceX, glyph.sourceY,
                     glyph.width, glyph.height});
    pen += glyph.advance;
    previous = code;
  }
  return out;
}

TImage& TImageFont::Atlas() { return impl_->atlas; }

std::shared_ptr<TImageFont> LoadImageFont(const std::string& path, int size, int style) {
  if (size < 1 || size > MAX_FONT_SIZE || !ttfReady()) {
    Print("LoadImageFont failed: " + path);
    return nullptr;
  }
  TTF_Font* font = TTF_OpenFont(path.c_str(), size);
  if (!font) {
    Print("LoadImageFont failed: " + path);
    return nullptr;
  }
  auto impl = std::make_unique<TImageFont::Impl>();
  impl->font = font;
  int ttfStyle = TTF_STYLE_NORMAL;
  if (style & BOLDFONT) ttfStyle |= TTF_STYLE_BOLD;
  if (style & ITALICFONT) ttfStyle |= TTF_STYLE_ITALIC;
  TTF_SetFontStyle(font, ttfStyle);
  impl->size = size;
  impl->height = TTF_FontHeight(font);
  impl->ascent = TTF_FontAscent(font);
  // Wide enough for a few lines of glyphs at any size.
  int side = 256;
  while (side < impl->height * 8 && side < ATLAS_MAX_SIDE) side *= 2;
  auto pixels = CreatePixmap(side, side);
  if (!pixels) {
    Print("LoadImageFont failed: " + path);
    return nullptr;
  }
  pixels->hasAlpha = true;
  impl->atlas.width = side;
  impl->atlas.height = side;
  impl->atlas.flags = FILTEREDIMAGE;
  impl->atlas.frames.resize(1);
  impl->atlas.frames[0].pixmap = std::move(pixels);
  return std::shared_ptr<TImageFont>(new TImageFont(std::move(impl)));
}

std::shared_ptr<TImageFont> OpenDefaultFont(const std::string& firstTry) {
  const std::string file = FindDefaultFontFile(firstTry);
  std::shared_ptr<TImageFont> font;
  if (!file.empty()) {
    const TQuietPrint quiet;  // the one line below says it all
    font = LoadImageFont(file, DEFAULT_FONT_SIZE);
  }
  if (!font) Print("No font found: captions are not drawn");
  return font;
}

TImageFont* DefaultImageFont() {
  // Kept for the whole run: text may be drawn until the very end.
  static std::shared_ptr<TImageFont>* font = new std::shared_ptr<TImageFont>(OpenDefaultFont());
  return font->get();
}
