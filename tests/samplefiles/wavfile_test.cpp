// The WAV reader and writers: a round trip with the sampler chunk, the header fields
// written, chunks walked by size (padding included), hostile files, the bit depths
// decoded and refused, the writers' path rules and SoundIOLoadPartial.
#include "sampletesting.h"
#include "samplefiles/wavfile.h"

namespace {

Bytes Fmt(int channels, int bits, int tag = 1) {
  Bytes f;
  f.text("fmt ").le32(16).le16(tag).le16(channels).le32(22050).le32(0).le16(channels * bits / 8).le16(bits);
  return f;
}

// "RIFF", a size field covering the chunks (or off by sizeError), "WAVE", then the chunks.
Bytes Riff(const Bytes& chunks, int sizeError = 0) {
  Bytes r;
  r.text("RIFF").le32(static_cast<int64_t>(chunks.size()) + 4 + sizeError).text("WAVE").add(chunks);
  return r;
}

Bytes Data16(const std::vector<int16_t>& values) {
  Bytes d;
  d.text("data").le32(static_cast<int64_t>(values.size()) * 2);
  for (int16_t v : values) d.le16(v);
  return d;
}

std::vector<int16_t> Ramp(int count, int step) {
  std::vector<int16_t> v;
  for (int i = 0; i < count; ++i) v.push_back(static_cast<int16_t>(i * step - 15000));
  return v;
}

}  // namespace

using WavFile = SampleFileTest;

TEST_F(WavFile, SamplerChunkRoundTrip) {
  const std::vector<int16_t> values = Ramp(300, 97);
  const std::string path = folder / "take.wav";
  EXPECT_EQ(printed([&] { EXPECT_EQ(SoundIOSaveSamplerWav(path, "Bell", 1, 10, 200, 0, 300, values.data()), 1); }),
            "saving wavfile=" + path + " channels=1 length=300\n");

  const std::vector<uint8_t> b = read(path);
  ASSERT_EQ(b.size(), 672u + 600u);
  EXPECT_EQ(LE32At(b, 4), 600 + 664);
  EXPECT_EQ(LE32At(b, 40), 620);
  EXPECT_EQ(std::string(b.begin() + 44, b.begin() + 52), "roifxvmc");
  EXPECT_EQ(std::string(b.begin() + 55, b.begin() + 71), "Bell            ");
  EXPECT_EQ(LE32At(b, 44 + 31), 10 * 256);
  EXPECT_EQ(LE32At(b, 44 + 35), 300 * 256);
  EXPECT_EQ(LE32At(b, 44 + 39), 200 * 256);
  EXPECT_EQ(b[44 + 43], 14);
  EXPECT_EQ(std::string(b.begin() + 664, b.begin() + 668), "data");
  EXPECT_EQ(LE32At(b, 668), 600);

  TSoundIO io;
  EXPECT_EQ(printed([&] { EXPECT_EQ(io.LoadWav(path), 1); }), "Start=0 End=300, LoopStart=10 LoopEnd=200\n");
  EXPECT_EQ(io.LpStart, 10);
  EXPECT_EQ(io.LpEnd, 200);
  EXPECT_EQ(io.aliasName, "Bell");
  EXPECT_EQ(Values(io.TempSample), values);
}

TEST_F(WavFile, StereoAndLongLoopPoints) {
  // Loop points beyond 65535 frames need all four bytes of the chunk's fields.
  std::vector<int16_t> values(2 * 100000, 7);
  values[1] = -9;
  const std::string path = folder / "long";
  EXPECT_EQ(SoundIOSaveSamplerWav(path, "A name longer than sixteen", 1, 70000, 99000, 1, 100000, values.data()), 1);
  const std::vector<uint8_t> b = read(path + ".wav");
  EXPECT_EQ(LE16At(b, 22), 2);
  EXPECT_EQ(LE32At(b, 24), 44100);
  EXPECT_EQ(LE32At(b, 28), 44100 * 4);
  TSoundIO io;
  EXPECT_EQ(io.LoadWav(path + ".wav"), 1);
  EXPECT_EQ(io.LpStart, 70000);
  EXPECT_EQ(io.LpEnd, 99000);
  EXPECT_EQ(io.aliasName, "A name longer th");
  EXPECT_EQ(io.TempSample->format, TSoundIO::SF_STEREO16);
  EXPECT_EQ(Values(io.TempSample), values);
}

TEST_F(WavFile, ChunksAreWalkedBySizeWithPadBytes) {
  Bytes list;
  list.text("LIST").le32(26).fill(26, 'x');
  Bytes odd;  // odd size, followed by its zero pad byte
  odd.text("junk").le32(3).text("abc").u8(0);
  Bytes dirty;  // odd size, its pad byte not zero: skipped all the same
  dirty.text("note").le32(5).text("hello").u8('d');
  Bytes bare;  // odd size, written without its pad byte
  bare.text("junk").le32(3).text("abc");
  Bytes list17;
  list17.text("LIST").le32(17).fill(17, 'x');
  Bytes list32;
  list32.text("LIST").le32(32).fill(32, 'x');
  // A data size of 0 stands for the rest of the file.
  const auto sizeZero = [](const std::vector<int16_t>& values) {
    Bytes data = Data16(values);
    std::fill(data.b.begin() + 4, data.b.begin() + 8, 0);
    return data;
  };
  Bytes binary;  // an id of no printable characters
  binary.u8(1).u8(2).u8(3).u8(4).le32(4).le32(-1);
  struct File {
    Bytes chunks;
    std::vector<int16_t> values;
    Bytes afterRiff = {};
    int riffSizeError = 0;
  };
  std::vector<File> files = {
      {Bytes().add(list).add(Fmt(1, 16)).add(odd).add(dirty).add(Data16({5, 6, 7})), {5, 6, 7}},
      {Bytes().add(odd).add(Fmt(1, 16)).add(Data16({1})), {1}},
      {Bytes().add(bare).add(Fmt(1, 16)).add(Data16({8, 9})), {8, 9}},
      // Long enough for the chunk a byte early to fit the file too: only the known id decides.
      {Bytes().add(dirty).add(Fmt(1, 16)).add(Data16(Ramp(3000, 7))), Ramp(3000, 7)},
      {Bytes().add(Fmt(1, 16)).add(dirty).add(list).add(Data16({6})), {6}},
      {Bytes().add(Fmt(1, 16)).add(bare).add(list32).add(Data16({4})), {4}},
      {Bytes().add(Fmt(1, 16)).add(odd).add(binary).add(Data16({2, 3})), {2, 3}},
      {Bytes().add(Fmt(1, 16)).add(bare).add(binary).add(Data16({2, 3})), {2, 3}},
      // Read a byte early, "ddat" ends at the file's end, as does "data" of size 0.
      {Bytes().add(Fmt(1, 16)).add(dirty).add(sizeZero(Ramp(48, 3))), Ramp(48, 3)},
      // Read a byte early, "dPEA" jumps over "fmt " and lands on "data" just as well.
      {Bytes().add(dirty).text("PEAK").le32(0).add(Fmt(1, 16)).text("LIST").le32(42).fill(42, 'x')
           .add(sizeZero(Ramp(90, 3))),
       Ramp(90, 3)},
  };
  // Odd chunks with and without their pad byte, whatever the sizes, the pad byte and the
  // first samples, before "data" and before chunks not acted on, in files long enough
  // for a header read a byte off to fit too.
  const auto oddChunk = [](const char* id, int size, int pad) {
    Bytes chunk;
    chunk.text(id).le32(size).fill(static_cast<size_t>(size), 'x');
    return pad < 0 ? chunk : chunk.u8(pad);
  };
  const char* notActedOn[] = {"LIST", "fact", "PEAK", "cue ", "smpl", "iXML"};
  for (int frames = 1; frames < 600; ++frames) {
    std::vector<int16_t> silentStart(static_cast<size_t>(frames), 0);
    silentStart.back() = 300;
    files.push_back({Bytes().add(Fmt(1, 16)).add(list17).add(Data16(silentStart)), silentStart});
    const std::vector<int16_t> ramp = Ramp(frames, 40);
    files.push_back({Bytes().add(Fmt(1, 16)).add(list17).add(Data16(ramp)), ramp});
    const char* id = notActedOn[frames % 6];
    const int oddSize = frames % 41 | 1;
    const int printable = 0x20 + frames % 95;
    const std::vector<int16_t> longer = frames % 2 == 0 ? Ramp(4096 + frames, 7) : std::vector<int16_t>(4096 + frames, 0);
    // Some with junk after the RIFF's stated end.
    const Bytes printablePadded =
        Bytes().add(Fmt(1, 16)).add(oddChunk("note", oddSize, printable)).add(oddChunk(id, frames % 7 | 1, printable));
    files.push_back({Bytes().add(printablePadded).add(list).add(Data16(longer)), longer, Bytes().fill(frames % 3, 'j')});
    // A RIFF size a few bytes off with junk after the chunks.
    const int riffSizeError = frames % 2 == 0 ? frames / 2 % 8 + 1 : -(frames % 13 + 1);
    files.push_back({Bytes().add(printablePadded).add(Data16(longer)).add(oddChunk("PEAK", oddSize, printable)),
                     longer, Bytes().fill(frames % 7 + 1, 'j'), riffSizeError});
    // Three odd chunks, each padded its own way: none, zero, printable or any other byte.
    Bytes mixed = Fmt(1, 16);
    for (int chunk = 0, ways = frames; chunk < 3; ++chunk, ways /= 4) {
      const int pads[] = {-1, 0, printable, 0x80 + frames % 0x7F};
      mixed.add(oddChunk(notActedOn[(frames + chunk) % 6], (frames * (chunk + 3)) % 37 | 1, pads[ways % 4]));
    }
    files.push_back({mixed.add(Data16(longer)), longer});
  }
  TSoundIO io;
  for (const File& file : files) {
    const Bytes bytes = Riff(file.chunks, file.riffSizeError).add(file.afterRiff);
    EXPECT_EQ(io.LoadWav(write("walk.wav", bytes)), 1) << file.values.size() << " frames";
    EXPECT_EQ(Values(io.TempSample), file.values);
  }
  // A data size of 0 takes the rest of the file.
  Bytes open;
  open.text("data").le32(0).le16(11).le16(-22);
  EXPECT_EQ(io.LoadWav(write("open.wav", Riff(Bytes().add(Fmt(1, 16)).add(open)))), 1);
  EXPECT_EQ(Values(io.TempSample), (std::vector<int16_t>{11, -22}));
}

TEST_F(WavFile, OddSizedDataOfEightBitsIsPaddedBeforeTheNextChunk) {
  Bytes data;
  data.text("data").le32(3).u8(0).u8(127).u8(255).u8(0);
  Bytes chunks;
  chunks.add(Fmt(1, 8)).add(data).text("smpl").le32(4).le32(0);
  TSoundIO io;
  EXPECT_EQ(printed([&] { EXPECT_EQ(io.LoadWav(write("odd.wav", Riff(chunks))), 1); }), "load 8bit aif\n");
  EXPECT_EQ(Values(io.TempSample), (std::vector<int16_t>{20828, 0, -20828}));

  Bytes stereo;
  stereo.text("data").le32(200).fill(200, 128);
  EXPECT_EQ(io.LoadWav(write("st8.wav", Riff(Bytes().add(Fmt(2, 8)).add(stereo)))), 1);
  EXPECT_EQ(io.TempSample->format, TSoundIO::SF_STEREO16);
  EXPECT_EQ(io.GetLength(), 100);
}

TEST_F(WavFile, TwentyFourAndTwelveBitValues) {
  Bytes data;
  data.text("data").le32(12);
  data.u8(0xFF).u8(0xFF).u8(0xFF);  // -1 -> 0
  data.u8(0x00).u8(0x00).u8(0x80);  // most negative
  data.u8(0xFF).u8(0xFF).u8(0x7F);  // most positive
  data.u8(0x00).u8(0x34).u8(0x12);
  TSoundIO io;
  EXPECT_EQ(io.LoadWav(write("24.wav", Riff(Bytes().add(Fmt(1, 24)).add(data)))), 1);
  EXPECT_EQ(Values(io.TempSample), (std::vector<int16_t>{0, -32768, 32767, 0x1234}));
  // 12-bit data sits in 16-bit words: three frames, not six with a silent tail.
  EXPECT_EQ(io.LoadWav(write("12.wav", Riff(Bytes().add(Fmt(1, 12)).add(Data16({16, 32, -16}))))), 1);
  EXPECT_EQ(Values(io.TempSample), (std::vector<int16_t>{16, 32, -16}));
}

TEST_F(WavFile, DepthsAndLayoutsNotDecoded) {
  // 32-bit, float, three channels, no "fmt " at all, and a tag other than PCM or float.
  const std::vector<Bytes> files = {
      Riff(Bytes().add(Fmt(1, 32)).add(Data16({1, 2, 3, 4}))), Riff(Bytes().add(Fmt(1, 32, 3)).add(Data16({1, 2}))),
      Riff(Bytes().add(Fmt(3, 16)).add(Data16({1, 2, 3}))), Riff(Data16({1, 2})),
      Riff(Bytes().add(Fmt(1, 16, 2)).add(Data16({1, 2})))};
  TSoundIO io;
  for (const Bytes& file : files) EXPECT_EQ(io.LoadWav(write("x.wav", file)), 0);
  EXPECT_EQ(io.TempSample, nullptr);
}

TEST_F(WavFile, FmtChunkUnder16BytesStopsTheWalk) {
  // A short "fmt " chunk, padded, then a whole one and the data.
  const struct {
    int size;
    int result;
  } rows[] = {{14, 0}, {15, 0}, {16, 1}, {18, 1}};
  for (const auto& row : rows) {
    Bytes first;
    first.text("fmt ").le32(row.size).le16(1).le16(1).le32(44100).le32(88200).le16(2).le16(16);
    first.b.resize(8 + static_cast<size_t>(row.size + (row.size & 1)), 0);
    TSoundIO io;
    EXPECT_EQ(io.LoadWav(write("f.wav", Riff(Bytes().add(first).add(Fmt(1, 16)).add(Data16({3, 4}))))), row.result)
        << row.size;
  }
}

TEST_F(WavFile, HostileFilesFailWithoutReadingPastThem) {
  TSoundIO io;
  // Truncated: the file ends inside a chunk id, under a RIFF size well past the end.
  Bytes cut = Riff(Bytes().add(Fmt(1, 16)).text("da"));
  cut.b[5] = 4;
  EXPECT_EQ(printed([&] { EXPECT_EQ(io.LoadWav(write("cut.wav", cut)), -1); }), "error\n");

  // A data chunk claiming far more than the file holds.
  Bytes huge;
  huge.text("data").le32(0x7FFFFFF0).le16(1).le16(2);
  EXPECT_EQ(io.LoadWav(write("huge.wav", Riff(Bytes().add(Fmt(2, 16)).add(huge)))), 0);
  EXPECT_EQ(io.TempSample, nullptr);

  // An unknown chunk whose size points past the end: the walk ends there.
  Bytes skip;
  skip.text("junk").le32(0xFFFFFFF0).fill(8, 1);
  EXPECT_EQ(io.LoadWav(write("skip.wav", Riff(Bytes().add(Fmt(1, 16)).add(skip).add(Data16({1}))))), 0);

  // Data cut short, by a byte or by as many bytes as stand before it, loads nothing.
  Bytes list;
  list.text("LIST").le32(26).fill(26, 'x');
  for (const int bits : {8, 16}) {
    const Bytes whole = Riff(Bytes().add(Fmt(1, bits)).add(list).add(Data16(Ramp(200, 150))));
    for (const size_t cutBy : {size_t{0}, size_t{1}, whole.size() - 400}) {
      Bytes file = whole;
      file.b.resize(whole.size() - cutBy);
      io.TempSample = nullptr;
      const std::string path = write("trunc.wav", file);
      printed([&] { EXPECT_EQ(io.LoadWav(path), cutBy == 0) << bits << " bits, cut by " << cutBy; });
      EXPECT_EQ(io.TempSample != nullptr, cutBy == 0);
    }
  }
}

TEST_F(WavFile, WriterPathRules) {
  const std::vector<int16_t> v = {1, 2};
  // Trailing blanks go, ".wav" (any case) is kept.
  EXPECT_EQ(SoundIOSaveSamplerWav(folder / "take.wav   ", "n", 0, 0, 0, 0, 2, v.data()), 1);
  EXPECT_EQ(FileType(folder / "take.wav"), FILETYPE_FILE);
  EXPECT_EQ(SoundIOSaveSamplerWav(folder / "Loud.WAV", "n", 0, 0, 0, 0, 2, v.data()), 1);
  EXPECT_EQ(FileType(folder / "Loud.WAV.wav"), FILETYPE_NONE);
  // SoundIOSaveWav always adds it.
  EXPECT_EQ(SoundIOSaveWav(folder / "plain.wav", 0, 2, v.data()), 1);
  EXPECT_EQ(read(folder / "plain.wav.wav").size(), 44u + 4u);

  // A path naming a file or a folder, as given, is refused and nothing is written.
  const std::vector<uint8_t> before = read(folder / "take.wav");
  EXPECT_EQ(SoundIOSaveSamplerWav(folder / "take.wav", "n", 1, 0, 1, 0, 2, v.data()), 0);
  EXPECT_EQ(read(folder / "take.wav"), before);
  // Nor is a file the path only names once ".wav" is added.
  EXPECT_EQ(SoundIOSaveSamplerWav(folder / "take", "n", 1, 0, 1, 0, 2, v.data()), 0);
  EXPECT_EQ(read(folder / "take.wav"), before);
  EXPECT_EQ(SoundIOSaveWav(folder.path(), 0, 2, v.data()), 0);
  EXPECT_EQ(SoundIOSaveWav(folder / "no/such/folder", 0, 2, v.data()), 0);
  EXPECT_EQ(SoundIOSaveWav(folder / "null", 0, 2, nullptr), 0);
}

TEST_F(WavFile, LoadPartialCopiesAStretch) {
  std::vector<int16_t> source;
  for (int i = 0; i < 40; ++i) source.push_back(static_cast<int16_t>(i * 10));
  std::shared_ptr<TAudioSample> st = SoundIOLoadPartial(source.data(), 4, 2, 10);
  ASSERT_NE(st, nullptr);
  EXPECT_EQ(st->format, SF_STEREO16);
  EXPECT_EQ(Values(st), (std::vector<int16_t>{100, 110, 120, 130, 140, 150, 160, 170}));  // from the sixth frame
  EXPECT_EQ(Values(SoundIOLoadPartial(source.data(), 3, 1, 5)), (std::vector<int16_t>{50, 60, 70}));
  EXPECT_EQ(SoundIOLoadPartial(nullptr, 3, 1, 0), nullptr);
}
