// Pixmaps and their PNG files through libpng. libpng reports errors by longjmp,
// so the two functions that call setjmp (DecodePng, EncodePng) keep no object
// with a destructor in their own frame: everything they fill is owned by the
// caller, and the callbacks libpng runs hold only plain data.
#include "platform/pixmap.h"

#include <png.h>

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <new>

#include "platform/files.h"
#include "platform/memorystream.h"
#include "platform/print.h"
#include "platform/replacefile.h"
#include "platform/streams.h"

namespace {

// Deflate never expands data more than 1032 to 1, so a file too short for the
// image it claims is refused before the pixels are allocated.
constexpr uint64_t kMaxDeflateRatio = 1032;
// The biggest file worth reading: a largest pixmap stored 16-bit and uncompressed.
constexpr int64_t kMaxPngFileBytes = int64_t(1) << 31;
// What libpng may allocate for one ancillary chunk (or its decompressed text).
constexpr png_alloc_size_t kMaxChunkBytes = 8 << 20;

// libpng often warns just before it fails; the first warning is kept so that a
// failure still makes one log line, and is printed on its own only on success.
struct TPngErrors {
  char message[160];
  char warning[160];
};

struct TPngSource {
  const uint8_t* data;
  size_t size;
  size_t pos;
};

struct TPngResult {
  uint32_t width;
  uint32_t height;
  bool hasAlpha;
};

void SetMessage(TPngErrors& errors, const char* message) {
  std::snprintf(errors.message, sizeof errors.message, "%s", message ? message : "error");
}

void OnPngError(png_structp png, png_const_charp message) {
  SetMessage(*static_cast<TPngErrors*>(png_get_error_ptr(png)), message);
  png_longjmp(png, 1);
}

void OnPngWarning(png_structp png, png_const_charp message) {
  auto* errors = static_cast<TPngErrors*>(png_get_error_ptr(png));
  if (errors->warning[0] == 0) std::snprintf(errors->warning, sizeof errors->warning, "%s", message ? message : "");
}

// True when every chunk up to IEND lies wholly inside the file, so that no chunk's
// claimed length makes libpng allocate for bytes that are not there.
bool ChunksFitFile(const uint8_t* data, size_t size) {
  size_t at = 8;
  // A header with its data and CRC cut off claims its length all the same.
  while (size - at >= 8) {
    const size_t length = png_get_uint_32(data + at);
    if (12 + length > size - at) return false;
    if (std::memcmp(data + at + 4, "IEND", 4) == 0) return true;
    at += 12 + length;
  }
  return true;  // libpng reports the file ending before IEND
}

void ReadFromMemory(png_structp png, png_bytep out, size_t count) {
  auto* source = static_cast<TPngSource*>(png_get_io_ptr(png));
  if (count > source->size - source->pos) png_error(png, "file ends early");
  std::memcpy(out, source->data + source->pos, count);
  source->pos += count;
}

void WriteToStream(png_structp png, png_bytep data, size_t count) {
  auto* stream = static_cast<TStream*>(png_get_io_ptr(png));
  if (stream->Write(data, static_cast<int64_t>(count)) != static_cast<int64_t>(count))
    png_error(png, "write failed");
}

void FlushNothing(png_structp) {}

bool ResizeBuffer(std::vector<uint8_t>& buffer, size_t size) noexcept {
  try {
    buffer.assign(size, 0);
    return true;
  } catch (...) {
    return false;
  }
}

// Decodes the whole file into RGBA8 rows in pixels; false with errors.message set.
bool DecodePng(TPngSource& source, TPngErrors& errors, std::vector<uint8_t>& pixels, TPngResult& result) {
  png_structp png = png_create_read_struct(PNG_LIBPNG_VER_STRING, &errors, OnPngError, OnPngWarning);
  if (!png) {
    SetMessage(errors, "out of memory");
    return false;
  }
  png_infop info = png_create_info_struct(png);
  if (!info) {
    png_destroy_read_struct(&png, nullptr, nullptr);
    SetMessage(errors, "out of memory");
    return false;
  }
  if (setjmp(png_jmpbuf(png))) {
    png_destroy_read_struct(&png, &info, nullptr);
    return false;
  }
  png_set_read_fn(png, &source, ReadFromMemory);
  png_set_user_limits(png, kMaxPixmapSide, kMaxPixmapSide);
  png_set_chunk_malloc_max(png, kMaxChunkBytes);
  // A damaged chunk of any kind makes the file corrupt, not just the critical ones.
  png_set_crc_action(png, PNG_CRC_ERROR_QUIT, PNG_CRC_ERROR_QUIT);
  png_read_info(png, info);

  png_uint_32 width = 0, height = 0;
  int depth = 0, colorType = 0;
  png_get_IHDR(png, info, &width, &height, &depth, &colorType, nullptr, nullptr, nullptr);
  if (width == 0 || height == 0 || width > kMaxPixmapSide || height > kMaxPixmapSide)
    png_error(png, "image too large");
  const uint64_t bitsPerPixel = uint64_t(png_get_channels(png, info)) * uint64_t(depth);
  // At least one filter byte a row plus the pixel bits, interlaced or not; and the
  // four bytes a pixel we fill must not outgrow what the file could inflate to either.
  const uint64_t leastRawBytes = uint64_t(height) + uint64_t(width) * height * bitsPerPixel / 8;
  const uint64_t decodedBytes = uint64_t(width) * height * 4;
  if (std::max(leastRawBytes, decodedBytes) > uint64_t(source.size) * kMaxDeflateRatio)
    png_error(png, "file too short for its size");

  const bool transparency = png_get_valid(png, info, PNG_INFO_tRNS) != 0;
  if (colorType == PNG_COLOR_TYPE_PALETTE) png_set_palette_to_rgb(png);
  if (colorType == PNG_COLOR_TYPE_GRAY && depth < 8) png_set_expand_gray_1_2_4_to_8(png);
  if (transparency) png_set_tRNS_to_alpha(png);
  if (depth == 16) png_set_strip_16(png);
  if ((colorType & PNG_COLOR_MASK_COLOR) == 0) png_set_gray_to_rgb(png);
  if ((colorType & PNG_COLOR_MASK_ALPHA) == 0 && !transparency) png_set_add_alpha(png, 0xFF, PNG_FILLER_AFTER);
  const int passes = png_set_interlace_handling(png);
  png_read_update_info(png, info);
  const size_t pitch = size_t(width) * 4;
  if (png_get_rowbytes(png, info) != pitch) png_error(png, "unexpected pixel layout");

  if (!ResizeBuffer(pixels, pitch * height)) png_error(png, "out of memory");
  // Each interlace pass merges its pixels into the rows the earlier passes filled.
  for (int pass = 0; pass < passes; ++pass)
    for (png_uint_32 y = 0; y < height; ++y) png_read_row(png, pixels.data() + y * pitch, nullptr);
  // Reads through IEND, so a file cut after its pixels or with a bad last CRC fails too.
  png_read_end(png, nullptr);

  result.width = width;
  result.height = height;
  result.hasAlpha = transparency || (colorType & PNG_COLOR_MASK_ALPHA) != 0;
  png_destroy_read_struct(&png, &info, nullptr);
  return true;
}

bool EncodePng(const TPixmap& pixmap, bool withAlpha, TStream& stream, TPngErrors& errors) {
  png_structp png = png_create_write_struct(PNG_LIBPNG_VER_STRING, &errors, OnPngError, OnPngWarning);
  if (!png) {
    SetMessage(errors, "out of memory");
    return false;
  }
  png_infop info = png_create_info_struct(png);
  if (!info) {
    png_destroy_write_struct(&png, nullptr);
    SetMessage(errors, "out of memory");
    return false;
  }
  if (setjmp(png_jmpbuf(png))) {
    png_destroy_write_struct(&png, &info);
    return false;
  }
  png_set_write_fn(png, &stream, WriteToStream, FlushNothing);
  png_set_IHDR(png, info, png_uint_32(pixmap.width), png_uint_32(pixmap.height), 8,
               withAlpha ? PNG_COLOR_TYPE_RGB_ALPHA : PNG_COLOR_TYPE_RGB, PNG_INTERLACE_NONE,
               PNG_COMPRESSION_TYPE_DEFAULT, PNG_FILTER_TYPE_DEFAULT);
  png_write_info(png, info);
  if (!withAlpha) png_set_filler(png, 0, PNG_FILLER_AFTER);  // drops the fourth byte of each pixel
  for (int y = 0; y < pixmap.height; ++y) png_write_row(png, pixmap.pixels.data() + size_t(y) * pixmap.pitch);
  png_write_end(png, nullptr);
  png_destroy_write_struct(&png, &info);
  return true;
}

std::string Reason(const TPngErrors& errors) {
  std::string reason = errors.message;
  if (errors.warning[0] != 0) reason += std::string(": ") + errors.warning;
  return reason;
}

std::shared_ptr<TPixmap> LoadFailed(const std::string& name, const std::string& why) {
  Print("Cant load PNG: " + name + " (" + why + ")");
  return nullptr;
}

bool SaveFailed(const std::string& path, const std::string& why) {
  Print("Cant save PNG: " + path + " (" + why + ")");
  return false;
}

void PrintWarning(const std::string& name, const TPngErrors& errors) {
  if (errors.warning[0] != 0) Print("PNG warning: " + name + " (" + errors.warning + ")");
}

bool AllOpaque(const TPixmap& pixmap) {
  for (int y = 0; y < pixmap.height; ++y) {
    const uint8_t* row = pixmap.pixels.data() + size_t(y) * pixmap.pitch;
    for (int x = 0; x < pixmap.width; ++x)
      if (row[x * 4 + 3] != 255) return false;
  }
  return true;
}

}  // namespace

uint8_t* TPixmap::PixelPtr(int x, int y) {
  return const_cast<uint8_t*>(static_cast<const TPixmap*>(this)->PixelPtr(x, y));
}

const uint8_t* TPixmap::PixelPtr(int x, int y) const {
  if (x < 0 || y < 0 || x >= width || y >= height || pitch < 0) return nullptr;
  const size_t offset = size_t(y) * size_t(pitch) + size_t(x) * 4;
  if (offset + 4 > pixels.size()) return nullptr;
  return pixels.data() + offset;
}

std::shared_ptr<TPixmap> CreatePixmap(int width, int height) {
  if (width <= 0 || height <= 0 || width > kMaxPixmapSide || height > kMaxPixmapSide) return nullptr;
  try {
    auto pixmap = std::make_shared<TPixmap>();
    pixmap->width = width;
    pixmap->height = height;
    pixmap->pitch = width * 4;
    pixmap->pixels.assign(size_t(pixmap->pitch) * size_t(height), 0);
    return pixmap;
  } catch (const std::bad_alloc&) {
    return nullptr;
  }
}

std::shared_ptr<TPixmap> LoadPixmapPNG(const uint8_t* data, size_t size, const std::string& nameForLog) {
  if (!data || size == 0) return LoadFailed(nameForLog, "empty file");
  if (size < 8 || png_sig_cmp(data, 0, 8) != 0) return LoadFailed(nameForLog, "not a PNG file");
  if (!ChunksFitFile(data, size)) return LoadFailed(nameForLog, "chunk longer than the file");
  TPngSource source{data, size, 0};
  TPngErrors errors{};
  TPngResult result{};
  std::vector<uint8_t> pixels;
  if (!DecodePng(source, errors, pixels, result)) return LoadFailed(nameForLog, Reason(errors));
  PrintWarning(nameForLog, errors);
  try {
    auto pixmap = std::make_shared<TPixmap>();
    pixmap->width = int(result.width);
    pixmap->height = int(result.height);
    pixmap->pitch = pixmap->width * 4;
    pixmap->pixels = std::move(pixels);
    pixmap->hasAlpha = result.hasAlpha;
    return pixmap;
  } catch (const std::bad_alloc&) {
    return LoadFailed(nameForLog, "out of memory");
  }
}

std::shared_ptr<TPixmap> LoadPixmapPNG(const std::string& path) {
  std::unique_ptr<TStream> stream = ReadStream(path);
  if (!stream) return LoadFailed(path, "cannot open");
  const int64_t size = stream->Size();
  if (size > kMaxPngFileBytes) return LoadFailed(path, "file too large");
  std::vector<uint8_t> bytes;
  if (!ResizeBuffer(bytes, size_t(size))) return LoadFailed(path, "out of memory");
  if (ReadBytes(*stream, bytes.data(), size) != size) return LoadFailed(path, "read error");
  return LoadPixmapPNG(bytes.data(), bytes.size(), path);
}

bool SavePixmapPNG(const TPixmap& pixmap, const std::string& path) {
  if (pixmap.width <= 0 || pixmap.height <= 0 || pixmap.width > kMaxPixmapSide ||
      pixmap.height > kMaxPixmapSide || pixmap.pitch < pixmap.width * 4 ||
      pixmap.pixels.size() < size_t(pixmap.pitch) * size_t(pixmap.height - 1) + size_t(pixmap.width) * 4)
    return SaveFailed(path, "bad pixmap");
  // Encoded in memory, then written beside the old file and renamed over it: a failed
  // save leaves the old file as it was.
  TMemoryStream encodedBytes;
  TPngErrors errors{};
  const bool withAlpha = pixmap.hasAlpha || !AllOpaque(pixmap);
  if (!EncodePng(pixmap, withAlpha, encodedBytes, errors)) return SaveFailed(path, Reason(errors));
  const std::vector<uint8_t>& bytes = encodedBytes.Bytes();
  if (!ReplaceFileContents(path, std::string(bytes.begin(), bytes.end())))
    return SaveFailed(path, "write failed");
  PrintWarning(path, errors);
  return true;
}
