// PNG decoding: files written here with libpng in every colour type and depth,
// decoded and compared pixel by pixel; damaged files give nullptr and one log
// line; pixmaps saved and read back.
#include "platform/pixmap.h"

#include <gtest/gtest.h>
#include <png.h>
#include <sys/resource.h>
#include <zlib.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <random>

#include "filesizelimit.h"
#include "tempfolder.h"

namespace {

struct PngSpec {
  int width, height, colorType, depth;
  bool interlaced = false;
  int paletteAlphas = -1;  // palette images: entries given in tRNS, -1 for no tRNS
  bool keyed = false;      // grey and RGB images: a tRNS colour key
};

struct Made {
  std::vector<uint8_t> file;
  std::vector<uint8_t> rgba;  // what the decoder must give
};

void Append(png_structp png, png_bytep data, size_t size) {
  auto* out = static_cast<std::vector<uint8_t>*>(png_get_io_ptr(png));
  out->insert(out->end(), data, data + size);
}
void NoFlush(png_structp) {}

// libpng's writer; nothing with a destructor lives in this frame (setjmp).
bool WritePng(const PngSpec& s, png_bytep* rows, const png_color* palette, int paletteSize,
              const png_byte* alphas, const png_color_16* key, std::vector<uint8_t>* out) {
  png_structp png = png_create_write_struct(PNG_LIBPNG_VER_STRING, nullptr, nullptr, nullptr);
  png_infop info = png_create_info_struct(png);
  if (setjmp(png_jmpbuf(png))) {
    png_destroy_write_struct(&png, &info);
    return false;
  }
  png_set_write_fn(png, out, Append, NoFlush);
  png_set_IHDR(png, info, s.width, s.height, s.depth, s.colorType,
               s.interlaced ? PNG_INTERLACE_ADAM7 : PNG_INTERLACE_NONE, 0, 0);
  if (paletteSize > 0) png_set_PLTE(png, info, palette, paletteSize);
  if (s.paletteAlphas >= 0) png_set_tRNS(png, info, alphas, s.paletteAlphas, nullptr);
  if (s.keyed) png_set_tRNS(png, info, nullptr, 0, key);
  png_write_info(png, info);
  png_write_image(png, rows);
  png_write_end(png, nullptr);
  png_destroy_write_struct(&png, &info);
  return true;
}

// Pseudo-random samples over each sample's full range; every fifth pixel of a
// keyed image is the key colour.
Made MakePng(const PngSpec& s) {
  const bool palette = s.colorType == PNG_COLOR_TYPE_PALETTE;
  const int channels = palette ? 1 : (s.colorType & 2 ? 3 : 1) + (s.colorType & 4 ? 1 : 0);
  const int maxValue = (1 << s.depth) - 1;
  const size_t rowBytes = (size_t(s.width) * channels * s.depth + 7) / 8;
  std::vector<png_color> colors(palette ? size_t(1) << s.depth : 0);
  std::vector<png_byte> alphas(colors.size());
  uint32_t seed = 12345u + s.colorType * 131u + s.depth;
  auto next = [&] { return (seed = seed * 1664525u + 1013904223u) >> 8; };
  for (size_t i = 0; i < colors.size(); ++i) {
    colors[i] = {png_byte(next()), png_byte(next()), png_byte(next())};
    alphas[i] = png_byte(next());
  }
  const png_color_16 key{0, png_uint_16(next() & maxValue), png_uint_16(next() & maxValue),
                         png_uint_16(next() & maxValue), png_uint_16(next() & maxValue)};
  Made made;
  std::vector<uint8_t> raw(rowBytes * s.height);
  made.rgba.resize(size_t(s.width) * s.height * 4);
  auto to8 = [&](uint32_t v) { return uint8_t(s.depth == 16 ? v >> 8 : v * 255 / maxValue); };
  for (int y = 0; y < s.height; ++y)
    for (int x = 0; x < s.width; ++x) {
      uint32_t v[4];
      for (uint32_t& sample : v) sample = next() & maxValue;
      if (s.keyed && (x + y) % 5 == 0) v[0] = channels == 1 ? key.gray : key.red, v[1] = key.green, v[2] = key.blue;
      const bool isKey = s.keyed && (channels == 1 ? v[0] == key.gray
                                                   : v[0] == key.red && v[1] == key.green && v[2] == key.blue);
      for (int c = 0; c < channels; ++c) {
        const size_t bit = size_t(x * channels + c) * s.depth;
        uint8_t* at = &raw[y * rowBytes + bit / 8];
        if (s.depth == 16) at[0] = uint8_t(v[c] >> 8), at[1] = uint8_t(v[c]);
        else at[0] |= uint8_t(v[c] << (8 - s.depth - bit % 8));
      }
      uint8_t* px = &made.rgba[(size_t(y) * s.width + x) * 4];
      if (palette) {
        const png_color& c = colors[v[0]];
        px[0] = c.red, px[1] = c.green, px[2] = c.blue;
        px[3] = int(v[0]) < s.paletteAlphas ? alphas[v[0]] : 255;
      } else {
        const bool grey = channels <= 2;
        px[0] = to8(v[0]), px[1] = to8(grey ? v[0] : v[1]), px[2] = to8(grey ? v[0] : v[2]);
        px[3] = (channels == 2 || channels == 4) ? to8(v[channels - 1]) : isKey ? 0 : 255;
      }
    }
  std::vector<png_bytep> rows;
  for (int y = 0; y < s.height; ++y) rows.push_back(&raw[y * rowBytes]);
  EXPECT_TRUE(WritePng(s, rows.data(), colors.data(), int(colors.size()), alphas.data(), &key, &made.file));
  return made;
}

// A chunk with its length and CRC, for files libpng's writer will not make.
void AddChunk(std::vector<uint8_t>& file, const char* type, const std::vector<uint8_t>& data) {
  const uint32_t n = uint32_t(data.size());
  file.insert(file.end(), {uint8_t(n >> 24), uint8_t(n >> 16), uint8_t(n >> 8), uint8_t(n)});
  const size_t start = file.size();
  file.insert(file.end(), type, type + 4);
  file.insert(file.end(), data.begin(), data.end());
  const uLong crc = crc32(0, &file[start], uInt(file.size() - start));
  file.insert(file.end(), {uint8_t(crc >> 24), uint8_t(crc >> 16), uint8_t(crc >> 8), uint8_t(crc)});
}

std::vector<uint8_t> Header(uint32_t w, uint32_t h) {
  std::vector<uint8_t> file{0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'};
  AddChunk(file, "IHDR", {uint8_t(w >> 24), uint8_t(w >> 16), uint8_t(w >> 8), uint8_t(w),
                          uint8_t(h >> 24), uint8_t(h >> 16), uint8_t(h >> 8), uint8_t(h), 8, 0, 0, 0, 0});
  return file;
}

// Decodes bytes; nullptr must come with exactly one log line.
std::shared_ptr<TPixmap> Decode(const std::vector<uint8_t>& bytes, std::string* logged = nullptr) {
  testing::internal::CaptureStdout();
  auto pixmap = LoadPixmapPNG(bytes.data(), bytes.size(), "test.png");
  const std::string log = testing::internal::GetCapturedStdout();
  if (logged) *logged = log;
  if (!pixmap) {
    EXPECT_EQ(log.rfind("Cant load PNG: test.png (", 0), 0u) << log;
    EXPECT_EQ(std::count(log.begin(), log.end(), '\n'), 1) << log;
  }
  return pixmap;
}

void ExpectPixels(const TPixmap& p, const std::vector<uint8_t>& rgba) {
  ASSERT_EQ(p.pixels.size(), rgba.size());
  auto diff = std::mismatch(rgba.begin(), rgba.end(), p.pixels.begin());
  const size_t i = diff.first - rgba.begin();
  EXPECT_TRUE(diff.first == rgba.end()) << "pixel (" << i / 4 % p.width << "," << i / 4 / p.width
                                        << ") channel " << i % 4;
}

TEST(PixmapPng, EveryColourTypeAndDepthDecodesToRGBA8) {
  constexpr int G = PNG_COLOR_TYPE_GRAY, GA = PNG_COLOR_TYPE_GRAY_ALPHA, RGB = PNG_COLOR_TYPE_RGB,
                RGBA = PNG_COLOR_TYPE_RGBA, P = PNG_COLOR_TYPE_PALETTE;
  const PngSpec specs[] = {
      {13, 11, G, 1}, {13, 11, G, 2}, {13, 11, G, 4}, {13, 11, G, 8}, {13, 11, G, 16}, {13, 11, GA, 8},
      {13, 11, GA, 16}, {13, 11, RGB, 8}, {13, 11, RGB, 16}, {13, 11, RGBA, 8}, {13, 11, RGBA, 16},
      {13, 11, P, 1}, {13, 11, P, 2}, {13, 11, P, 4}, {13, 11, P, 8},
      // tRNS: for part of a palette, for all of a small one, and colour keys.
      {13, 11, P, 8, false, 100}, {13, 11, P, 2, false, 4}, {13, 11, G, 16, false, -1, true},
      {13, 11, G, 2, false, -1, true}, {13, 11, RGB, 8, false, -1, true},
      // Adam7: odd sizes leave passes partial, 1x1 and 2x9 leave some empty.
      {13, 11, G, 1, true}, {13, 11, RGB, 8, true}, {13, 11, RGBA, 16, true}, {13, 11, P, 4, true, 7},
      {1, 1, RGBA, 8, true}, {2, 9, GA, 8, true},
  };
  for (const PngSpec& s : specs) {
    SCOPED_TRACE(testing::Message() << "type " << s.colorType << " depth " << s.depth << " interlaced "
                                    << s.interlaced << " tRNS " << s.paletteAlphas << "/" << s.keyed);
    Made made = MakePng(s);
    auto p = Decode(made.file);
    ASSERT_TRUE(p);
    EXPECT_EQ(p->width, s.width);
    EXPECT_EQ(p->height, s.height);
    EXPECT_EQ(p->pitch, s.width * 4);
    EXPECT_EQ(p->hasAlpha, (s.colorType & PNG_COLOR_MASK_ALPHA) || s.paletteAlphas >= 0 || s.keyed);
    ExpectPixels(*p, made.rgba);
  }
}

TEST(PixmapPng, FilesReadFromDiskAndMissingOrWrongFilesGiveNone) {
  TempFolder folder;
  Made made = MakePng({5, 3, PNG_COLOR_TYPE_RGB, 8});
  std::ofstream(folder / "a.png", std::ios::binary).write((const char*)made.file.data(), made.file.size());
  std::ofstream(folder / "empty.png");
  std::ofstream(folder / "text.png") << "just some text, long enough to pass the signature\n";
  auto p = LoadPixmapPNG(folder / "a.png");
  ASSERT_TRUE(p);
  ExpectPixels(*p, made.rgba);
  testing::internal::CaptureStdout();
  for (const char* name : {"empty.png", "text.png", "missing.png", ""})
    EXPECT_FALSE(LoadPixmapPNG(folder / name)) << name;
  EXPECT_EQ(testing::internal::GetCapturedStdout().rfind("Cant load PNG: " + folder / "empty.png", 0), 0u);
  EXPECT_FALSE(Decode({}));
  EXPECT_FALSE(LoadPixmapPNG(nullptr, 10, "null"));
}

TEST(PixmapPng, EveryTruncationAndEveryDamagedByteGivesNone) {
  Made made = MakePng({6, 5, PNG_COLOR_TYPE_PALETTE, 4, true, 3});
  const std::vector<uint8_t>& file = made.file;
  ASSERT_TRUE(Decode(file));
  for (size_t cut = 0; cut < file.size(); ++cut)
    EXPECT_FALSE(Decode(std::vector<uint8_t>(file.begin(), file.begin() + cut))) << "cut at " << cut;
  // Every byte up to IEND is covered by the signature or a chunk's CRC.
  for (size_t at = 0; at < file.size(); ++at)
    for (uint8_t flip : {0x01, 0x80, 0xFF}) {
      std::vector<uint8_t> bad = file;
      bad[at] ^= flip;
      EXPECT_FALSE(Decode(bad)) << "byte " << at << " ^ " << int(flip);
    }
}

TEST(PixmapPng, BadDataWithGoodChecksumsAndAbsurdSizesGiveNone) {
  std::vector<uint8_t> garbage = Header(4, 4);
  AddChunk(garbage, "IDAT", {0x12, 0x34, 0x56, 0x78, 0x9A, 0xBC, 0xDE, 0xF0});
  AddChunk(garbage, "IEND", {});
  EXPECT_FALSE(Decode(garbage));

  // A good zlib stream holding two of the four rows.
  std::vector<uint8_t> rows(10, 7), packed(64);
  uLongf packedSize = packed.size();
  ASSERT_EQ(compress(packed.data(), &packedSize, rows.data(), rows.size()), Z_OK);
  packed.resize(packedSize);
  std::vector<uint8_t> shortData = Header(4, 4);
  AddChunk(shortData, "IDAT", packed);
  AddChunk(shortData, "IEND", {});
  EXPECT_FALSE(Decode(shortData));

  // Claims 16384 x 16384 pixels in a few bytes: refused before a gigabyte is allocated.
  std::vector<uint8_t> huge = Header(16384, 16384);
  AddChunk(huge, "IDAT", packed);
  AddChunk(huge, "IEND", {});
  std::string log;
  EXPECT_FALSE(Decode(huge, &log));
  EXPECT_NE(log.find("too short"), std::string::npos) << log;

  // The last chunk's header claims 1.9 GB and nothing follows it: refused before libpng
  // allocates for it.
  std::vector<uint8_t> cutOff = Header(4, 4);
  cutOff.insert(cutOff.end(), {0x73, 0x42, 0x49, 0x54, 's', 'P', 'L', 'T'});
  EXPECT_FALSE(Decode(cutOff, &log));
  EXPECT_NE(log.find("chunk longer than the file"), std::string::npos) << log;

  EXPECT_TRUE(Decode(MakePng({16384, 1, PNG_COLOR_TYPE_GRAY, 1}).file));
  EXPECT_FALSE(Decode(MakePng({16385, 1, PNG_COLOR_TYPE_GRAY, 1}).file));
  EXPECT_FALSE(Decode(MakePng({1, 16385, PNG_COLOR_TYPE_GRAY, 1}).file));
}

size_t PeakResidentKB() {
  rusage usage{};
  getrusage(RUSAGE_SELF, &usage);
  return size_t(usage.ru_maxrss);
}

TEST(PixmapPng, HostileSizesAreRefusedBeforeTheyCostMemory) {
  // An sPLT chunk claiming almost 2 GB in a file of a few hundred bytes.
  std::vector<uint8_t> splt = Header(4, 4);
  splt.insert(splt.end(), {0x7F, 0xFF, 0xFF, 0xF0, 's', 'P', 'L', 'T', 'p', 0, 8});
  splt.resize(splt.size() + 200, 0);
  std::string log;
  EXPECT_FALSE(Decode(splt, &log));
  EXPECT_NE(log.find("longer than the file"), std::string::npos) << log;

  // 1-bit grey 16384 x 16384 in 33,000 bytes: its packed rows could fit, four bytes a
  // pixel (1 GB) could not.
  std::vector<uint8_t> bits{0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'};
  AddChunk(bits, "IHDR", {0, 0, 0x40, 0, 0, 0, 0x40, 0, 1, 0, 0, 0, 0});
  AddChunk(bits, "tEXt", std::vector<uint8_t>(32000, 'x'));
  std::vector<uint8_t> rows(size_t(2049) * 400, 0), packed(rows.size());
  uLongf packedSize = packed.size();
  ASSERT_EQ(compress(packed.data(), &packedSize, rows.data(), rows.size()), Z_OK);
  packed.resize(packedSize - 4);
  AddChunk(bits, "IDAT", packed);
  AddChunk(bits, "IEND", {});
  const size_t before = PeakResidentKB();
  EXPECT_FALSE(Decode(bits, &log));
  EXPECT_NE(log.find("too short"), std::string::npos) << log;
  EXPECT_LT(PeakResidentKB() - before, size_t(256) * 1024);
}

// A good 16384 x 129 1-bit grey file padded with text to size bytes.
std::vector<uint8_t> PaddedWideGrey(size_t size) {
  std::vector<uint8_t> rows(size_t(2049) * 129, 0), packed(rows.size());
  uLongf packedSize = packed.size();
  compress(packed.data(), &packedSize, rows.data(), rows.size());
  packed.resize(packedSize);
  std::vector<uint8_t> file{0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'};
  AddChunk(file, "IHDR", {0, 0, 0x40, 0, 0, 0, 0, 129, 1, 0, 0, 0, 0});
  const size_t rest = file.size() + 12 + (12 + packed.size()) + 12;
  AddChunk(file, "tEXt", std::vector<uint8_t>(size - rest, 'x'));
  AddChunk(file, "IDAT", packed);
  AddChunk(file, "IEND", {});
  return file;
}

TEST(PixmapPng, SizeLimitsHoldToTheByte) {
  // Four bytes a pixel may come to 1032 times the file: 16384 x 129 x 4 = 8192 x 1032.
  EXPECT_TRUE(Decode(PaddedWideGrey(8192)));
  std::string log;
  EXPECT_FALSE(Decode(PaddedWideGrey(8191), &log));
  EXPECT_NE(log.find("too short"), std::string::npos) << log;

  // Bytes after IEND are not chunks; a chunk one byte longer than what is left is refused.
  std::vector<uint8_t> good = MakePng({5, 4, PNG_COLOR_TYPE_RGB, 8}).file;
  std::vector<uint8_t> trailing = good;
  trailing.insert(trailing.end(), {0x7F, 0xFF, 0xFF, 0xFF, 'j', 'u', 'n', 'k', 1, 2, 3, 4, 5});
  EXPECT_TRUE(Decode(trailing));
  std::vector<uint8_t> over = Header(4, 4);
  const uint32_t left = 100;
  over.insert(over.end(), {0, 0, 0, uint8_t(left + 1), 't', 'E', 'X', 't'});
  over.resize(over.size() + left + 4, 'x');
  EXPECT_FALSE(Decode(over, &log));
  EXPECT_NE(log.find("longer than the file"), std::string::npos) << log;
}

TEST(Pixmap, CreateBoundsAndPixelAddresses) {
  for (auto [w, h] : {std::pair{0, 5}, {5, 0}, {-1, 5}, {16385, 1}, {1, 16385}}) EXPECT_FALSE(CreatePixmap(w, h));
  auto p = CreatePixmap(3, 2);
  ASSERT_TRUE(p);
  EXPECT_EQ(p->pitch, 12);
  EXPECT_EQ(p->pixels, std::vector<uint8_t>(24, 0));
  EXPECT_EQ(p->PixelPtr(2, 1), p->pixels.data() + 20);
  for (auto [x, y] : {std::pair{-1, 0}, {3, 0}, {0, 2}, {0, -1}}) EXPECT_EQ(p->PixelPtr(x, y), nullptr);
}

TEST(Pixmap, SavedFilesReadBackWithTheirAlpha) {
  TempFolder folder;
  auto p = CreatePixmap(7, 4);
  ASSERT_TRUE(p);
  for (size_t i = 0; i < p->pixels.size(); ++i) p->pixels[i] = uint8_t(i * 37 + 11);
  for (int i = 0; i < 2; ++i) {
    // No alpha flag but see-through pixels: the alpha must still survive.
    ASSERT_TRUE(SavePixmapPNG(*p, folder / "t.png"));
    auto back = LoadPixmapPNG(folder / "t.png");
    ASSERT_TRUE(back);
    ExpectPixels(*back, p->pixels);
    EXPECT_EQ(back->hasAlpha, i == 0);
    for (int y = 0; y < 4; ++y)
      for (int x = 0; x < 7; ++x) p->PixelPtr(x, y)[3] = 255;
  }
  testing::internal::CaptureStdout();
  EXPECT_FALSE(SavePixmapPNG(*p, folder / "missing/t.png"));
  p->pixels.pop_back();
  EXPECT_FALSE(SavePixmapPNG(*p, folder / "short.png"));
  EXPECT_FALSE(SavePixmapPNG(TPixmap{}, folder / "empty.png"));
  EXPECT_EQ(testing::internal::GetCapturedStdout().rfind("Cant save PNG: ", 0), 0u);
  EXPECT_FALSE(std::filesystem::exists(folder / "short.png"));
}

TEST(Pixmap, AFailedSaveKeepsTheOldFile) {
  TempFolder folder;
  const std::string path = folder / "keep.png";
  auto small = CreatePixmap(2, 2);
  ASSERT_TRUE(small && SavePixmapPNG(*small, path));
  std::ifstream oldIn(path, std::ios::binary);
  const std::string old((std::istreambuf_iterator<char>(oldIn)), std::istreambuf_iterator<char>());
  // Noise does not compress: far more than the 1 KB the file may grow to below.
  auto noise = CreatePixmap(64, 64);
  ASSERT_TRUE(noise);
  std::mt19937 dice(7);
  for (uint8_t& byte : noise->pixels) byte = static_cast<uint8_t>(dice());
  bool wrote = true;
  {
    FileSizeLimit limit(1024);
    ASSERT_TRUE(limit.Active());
    testing::internal::CaptureStdout();
    wrote = SavePixmapPNG(*noise, path);
    testing::internal::GetCapturedStdout();
  }
  EXPECT_FALSE(wrote);
  std::ifstream in(path, std::ios::binary);
  EXPECT_EQ(std::string((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>()), old);
  EXPECT_EQ(std::distance(std::filesystem::directory_iterator(folder.path()),
                          std::filesystem::directory_iterator()),
            1);  // no temporary file left beside it
}

}  // namespace
