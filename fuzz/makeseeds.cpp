// Writes the seed files of the fuzz targets into the folder given (fuzz/corpus): files
// made by the project's own writers where it has one, small hand-made files elsewhere.
// The targets that pick a variant by their first byte get that byte in front.
//   build-fuzz/fuzz/makeseeds fuzz/corpus
#include <array>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "framework/appfunctions.h"
#include "framework/ini.h"
#include "game/quilloncore.h"
#include "platform/pixmap.h"
#include "samplefiles/wavfile.h"
#include "voice/envelopelist.h"
#include "voice/lfolist.h"
#include "voice/rotorlist.h"

namespace {

namespace fs = std::filesystem;
using Bytes = std::vector<uint8_t>;

fs::path root;

void Put(Bytes& b, const std::string& text) { b.insert(b.end(), text.begin(), text.end()); }
void Be(Bytes& b, int64_t v, int count) {
  for (int i = count - 1; i >= 0; --i) b.push_back(static_cast<uint8_t>((v >> (8 * i)) & 0xFF));
}
void Fill(Bytes& b, size_t count, int v) { b.insert(b.end(), count, static_cast<uint8_t>(v)); }

Bytes Slurp(const fs::path& path) {
  std::ifstream in(path, std::ios::binary);
  return Bytes(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

void Seed(const std::string& target, const std::string& name, const Bytes& bytes, int selector = -1) {
  fs::create_directories(root / target);
  std::ofstream out(root / target / name, std::ios::binary | std::ios::trunc);
  if (selector >= 0) out.put(static_cast<char>(selector));
  out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
}

std::vector<int16_t> Wave(int count) {
  std::vector<int16_t> v;
  for (int i = 0; i < count; ++i) v.push_back(static_cast<int16_t>((i % 40 - 20) * 1000));
  return v;
}

Bytes Form(const std::string& type, const Bytes& chunks) {
  Bytes f;
  Put(f, "FORM");
  Be(f, static_cast<int64_t>(chunks.size()) + 4, 4);
  Put(f, type);
  f.insert(f.end(), chunks.begin(), chunks.end());
  return f;
}

Bytes Chunk(const std::string& id, const Bytes& data) {
  Bytes c;
  Put(c, id);
  Be(c, static_cast<int64_t>(data.size()), 4);
  c.insert(c.end(), data.begin(), data.end());
  if (data.size() % 2) c.push_back(0);
  return c;
}

Bytes Join(std::initializer_list<Bytes> parts) {
  Bytes all;
  for (const Bytes& p : parts) all.insert(all.end(), p.begin(), p.end());
  return all;
}

Bytes Aiff(const std::string& type, int channels, int bits, int frames) {
  Bytes comm;
  Be(comm, channels, 2);
  Be(comm, frames, 4);
  Be(comm, bits, 2);
  Be(comm, 0x400EAC44, 4);  // 44100 as an 80-bit extended value
  Be(comm, 0, 6);
  if (type == "AIFC") Put(comm, "NONE");
  Bytes ssnd;
  Be(ssnd, 0, 8);
  const int bytes = frames * channels * bits / 8;
  for (int i = 0; i < bytes; ++i) ssnd.push_back(static_cast<uint8_t>(i * 37));
  Bytes fver;
  Be(fver, 0xA2805140, 4);
  return Form(type, Join({type == "AIFC" ? Chunk("FVER", fver) : Bytes{}, Chunk("COMM", comm),
                          Chunk("MARK", Bytes{0, 0}), Chunk("SSND", ssnd)}));
}

Bytes Iff(const std::string& type, int bodyBytes) {
  Bytes vhdr;
  Be(vhdr, 100, 4);
  Be(vhdr, 0, 8);
  Be(vhdr, 8363, 2);
  vhdr.push_back(1);
  vhdr.push_back(0);
  Be(vhdr, 0x10000, 4);
  Bytes body;
  for (int i = 0; i < bodyBytes; ++i) body.push_back(static_cast<uint8_t>(i * 13));
  return Form(type, Join({Chunk("VHDR", vhdr), Chunk("NAME", Bytes{'d', 'r', 'u', 'm'}), Chunk("BODY", body)}));
}

// An ImageDisk image of two 26-sector tracks of 128 bytes: sector 1 ends in the
// directory mark, sector 2 holds two "VC" entries whose voices start in track 1.
Bytes Imd() {
  constexpr int kSector = 128, kPerTrack = 26;
  Bytes flat(2 * kPerTrack * kSector, 0);
  flat[kSector - 3] = 0x7F;
  const std::array<const char*, 2> names{"PIANO   ", "BELL    "};
  for (int e = 0; e < 2; ++e) {
    const size_t at = kSector + 16 * static_cast<size_t>(e);
    for (int i = 0; i < 8; ++i) flat[at + static_cast<size_t>(i)] = static_cast<uint8_t>(names[static_cast<size_t>(e)][i]);
    flat[at + 8] = 'V';
    flat[at + 9] = 'C';
    flat[at + 10] = 0;
    flat[at + 11] = static_cast<uint8_t>(30 + 4 * e);
  }
  for (size_t i = 30 * kSector; i < 40 * kSector; ++i) flat[i] = static_cast<uint8_t>(i * 7);
  Bytes out;
  Put(out, "IMD 1.11: 01/02/2024 10:00:00\r\nseed disk");
  out.push_back(0x1A);
  for (int t = 0; t < 2; ++t) {
    out.insert(out.end(), {0, static_cast<uint8_t>(t), 0, kPerTrack, 0});
    for (int n = 1; n <= kPerTrack; ++n) out.push_back(static_cast<uint8_t>(n));
    for (int n = 0; n < kPerTrack; ++n) {
      const auto first = flat.begin() + (t * kPerTrack + n) * kSector;
      if (std::all_of(first, first + kSector, [&](uint8_t b) { return b == *first; })) {
        out.insert(out.end(), {2, *first});
      } else {
        out.push_back(1);
        out.insert(out.end(), first, first + kSector);
      }
    }
  }
  return out;
}

// A Series III voice of one sub-voice: header, index entry 1 at unit 2, 400 data bytes.
Bytes Voice3() {
  Bytes b(512 + 0x900 + 400, 0);
  b[0] = 3;
  b[18] = 0x08;  // mpcmds size 2048
  b[20] = 0x03;  // function size 0x300
  b[256 + 2] = 2;
  b[256 + 3] = 1;
  b[512 + 18 + 2] = 400 >> 8;
  b[512 + 18 + 3] = 400 & 0xFF;
  const std::string name = "PIANO A";
  std::copy(name.begin(), name.end(), b.begin() + 512 + 42);
  for (size_t i = 512 + 0x900; i < b.size(); ++i) b[i] = static_cast<uint8_t>(i * 11);
  return b;
}

// Sample data between runs of zeros, as the EMU1 scan expects it behind the header.
Bytes Emu1() {
  Bytes b(0x1DF, 0x20);
  for (int block = 0; block < 3; ++block) {
    Fill(b, 64, 0);
    for (int i = 0; i < 1000 * (block + 1); ++i) b.push_back(static_cast<uint8_t>(1 + i % 200));
  }
  Fill(b, 64, 0);
  return b;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 2) return 2;
  root = argv[1];
  const fs::path work = fs::temp_directory_path() / "quillon-seeds";
  fs::create_directories(work / "Tinsmere");

  // WAV through the project's writers: plain mono and stereo, and with the sampler chunk.
  const std::vector<int16_t> wave = Wave(200);
  SoundIOSaveWav((work / "mono").string(), 0, 200, wave.data());
  SoundIOSaveWav((work / "stereo").string(), 1, 100, wave.data());
  SoundIOSaveSamplerWav((work / "looped").string(), "PIANO", 1, 20, 180, 0, 200, wave.data());
  for (const char* n : {"mono", "stereo", "looped"}) {
    const Bytes b = Slurp(work / (std::string(n) + ".wav"));
    Seed("wav", std::string(n) + ".wav", b);
    Seed("loadtemp", std::string(n) + ".wav", b, 25);
  }

  const Bytes aiff = Aiff("AIFF", 1, 16, 100), aifc = Aiff("AIFC", 2, 16, 50);
  const Bytes aiff8 = Aiff("AIFF", 1, 8, 100), aiff24 = Aiff("AIFF", 2, 24, 40);
  Seed("aiff", "mono16.aif", aiff);
  Seed("aiff", "stereo16.aifc", aifc);
  Seed("aiff", "mono8.aif", aiff8);
  Seed("aiff", "stereo24.aif", aiff24);
  Seed("loadtemp", "mono16.aif", aiff, 26);

  const Bytes svx = Iff("8SVX", 300), sv16 = Iff("16SV", 400);
  Seed("iff", "drum.8svx", svx);
  Seed("iff", "wave.16sv", sv16);
  Bytes raw8;
  for (int i = 0; i < 300; ++i) raw8.push_back(static_cast<uint8_t>(i * 5));
  Seed("iff", "raw.iff", raw8);
  Seed("loadtemp", "drum.8svx", svx, 9);

  // Headerless: the selector picks the loader (see headerless_fuzz.cpp).
  Bytes raw16;
  for (int i = 0; i < 1200; ++i) raw16.push_back(static_cast<uint8_t>(i * 29 + (i >> 3)));
  for (int selector : {0, 1, 3, 4, 5, 7, 8, 9}) Seed("headerless", "raw" + std::to_string(selector), raw16, selector);
  for (int selector : {0, 7, 8, 12, 21, 24, 27, 29, 32}) Seed("loadtemp", "raw" + std::to_string(selector), raw16, selector);

  Seed("cmivoice", "series3.vc", Voice3());
  Bytes page3;
  for (int i = 0; i < 16384; ++i) page3.push_back(static_cast<uint8_t>(i % 251));
  Seed("cmivoice", "series2.vc", page3);
  Seed("loadtemp", "series2.vc", page3, 31);

  const Bytes imd = Imd();
  Seed("imd", "disk.imd", imd);
  Seed("folder", "disk.imd", imd);
  const Bytes emu1 = Emu1();
  Seed("emu1", "sample.em1", emu1);
  Seed("loadtemp", "sample.em1", emu1, 22);
  Bytes ebl(200, 0);
  for (int i = 0; i < 32; ++i) ebl[24 + static_cast<size_t>(i)] = static_cast<uint8_t>(i % 2 ? 0 : 'A' + i / 2);
  Seed("folder", "bank.ebl", ebl);

  // PNG through the project's writer: opaque RGB and RGBA with alpha.
  auto pixmap = CreatePixmap(7, 5);
  for (int y = 0; y < 5; ++y)
    for (int x = 0; x < 7; ++x) {
      uint8_t* p = pixmap->PixelPtr(x, y);
      p[0] = static_cast<uint8_t>(x * 30);
      p[1] = static_cast<uint8_t>(y * 50);
      p[2] = 200;
      p[3] = 255;
    }
  SavePixmapPNG(*pixmap, (work / "rgb.png").string());
  pixmap->PixelPtr(3, 2)[3] = 100;
  SavePixmapPNG(*pixmap, (work / "rgba.png").string());
  Seed("png", "rgb.png", Slurp(work / "rgb.png"));
  Seed("png", "rgba.png", Slurp(work / "rgba.png"));

  // Settings through the project's writers.
  TIni ini;
  ini.SetKey("Window", "Width", "800");
  ini.SetKey("Window", "Name", "a \"quoted\" name");
  ini.SetKey("Sound", "volume", "75.0000000");
  ini.Save((work / "settings.ini").string(), 0);
  Seed("ini", "settings.ini", Slurp(work / "settings.ini"));

  App_SupportDir = work.string() + "/";
  {
    TQuillonCore game;
    game.MStartupIni("quillon.ini");
    game.MShutdownIni();
  }
  Seed("gamesettings", "quillon.ini", Slurp(work / "quillon.ini"));

  TRotorList rotors;
  rotors.Init();
  rotors.AddToFolder("Spin", 1, 120, 4, {10, 20, 30, 40, 50, 60, 70, 80, 90, 100, 90, 80, 70, 60, 50, 40});
  rotors.Shutdown();
  Seed("presets", "rotors.ini", Slurp(work / rotors.StubPath()), 0);
  TEnvelopeList envelopes;
  envelopes.Init();
  envelopes.AddToFolder("Pad", 10, 200, 300, 0.5f, 800);
  envelopes.Shutdown();
  Seed("presets", "envelopes.ini", Slurp(work / envelopes.StubPath()), 1);
  TLFOList lfos;
  lfos.Init();
  lfos.AddToFolder("Wobble", 1, 5.5f, 0, 0, 0, 1);
  lfos.Shutdown();
  Seed("presets", "lfos.ini", Slurp(work / lfos.StubPath()), 2);

  fs::remove_all(work);
  return 0;
}
