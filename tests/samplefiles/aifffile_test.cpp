// The AIFF/AIFC reader, the PCM data decoders on streams of both byte orders and the
// byte-order readers.
#include <cstring>

#include "platform/memorystream.h"
#include "samplefiles/fillablesample.h"
#include "sampletesting.h"

namespace {

// The 80-bit extended value of 44100 (the reader keeps only its first two bytes).
Bytes Rate44100() {
  Bytes r;
  r.be16(0x400E).be16(0xAC44).be32(0).be16(0);
  return r;
}

// An AIFC "COMM" goes on with the compression type and, when named, an empty name
// (count and pad).
Bytes Comm(int channels, int64_t frames, int bits, const std::string& compression = "", bool named = true) {
  Bytes c;
  const int size = compression.empty() ? 18 : named ? 24 : 22;
  c.text("COMM").be32(size).be16(channels).be32(frames).be16(bits).add(Rate44100());
  if (!compression.empty()) c.text(compression);
  if (!compression.empty() && named) c.u8(0).u8(0);
  return c;
}

Bytes Ssnd(const Bytes& data, int offset = 0) {
  Bytes s;
  s.text("SSND").be32(static_cast<int64_t>(data.size()) + 8 + offset).be32(offset).be32(0);
  s.fill(static_cast<size_t>(offset), 0xEE).add(data);
  return s;
}

Bytes Form(const std::string& type, const Bytes& chunks) {
  Bytes f;
  f.text("FORM").be32(static_cast<int64_t>(chunks.size()) + 4).text(type).add(chunks);
  return f;
}

Bytes Fver() {
  Bytes v;
  v.text("FVER").be32(4).be32(0xA2805140);
  return v;
}

}  // namespace

using AiffFile = SampleFileTest;

TEST_F(AiffFile, MonoBigEndianWordsAfterOffsetAndBlockSize) {
  Bytes data;
  std::vector<int16_t> expected;
  for (int i = 0; i < 1000; ++i) {
    expected.push_back(static_cast<int16_t>(i * 61 - 30000));
    data.be16(expected.back());
  }
  Bytes marker;
  marker.text("MARK").be32(2).be16(0);
  TSoundIO io;
  EXPECT_EQ(io.LoadAif(write("mono.aif", Form("AIFF", Bytes().add(Comm(1, 1000, 16)).add(marker).add(Ssnd(data))))), 1);
  ASSERT_NE(io.TempSample, nullptr);
  EXPECT_EQ(io.TempSample->hertz, 44100);
  EXPECT_EQ(Values(io.TempSample), expected);

  // An offset before the data is skipped.
  Bytes two;
  two.be16(-2).be16(3);
  EXPECT_EQ(io.LoadAif(write("offset.aif", Form("AIFF", Bytes().add(Comm(1, 2, 16)).add(Ssnd(two, 6))))), 1);
  EXPECT_EQ(Values(io.TempSample), (std::vector<int16_t>{-2, 3}));
}

TEST_F(AiffFile, AifcByteOrderFollowsTheCompressionType) {
  const struct {
    const char* form;
    const char* compression;  // "" for a "COMM" without one
    bool named;               // the type followed by its name
    bool bigEndian;
    const char* printed;
  } rows[] = {
      {"AIFC", "NONE", true, true, ""},
      {"AIFC", "twos", true, true, ""},
      {"AIFC", "", true, true, ""},
      {"AIFC", "sowt", true, false, ""},
      {"AIFC", "sowt", false, false, ""},
      {"AIFC", "fl32", true, false, "aifc compression not decoded: fl32\n"},
      {"AIFC", "ima4", true, false, "aifc compression not decoded: ima4\n"},
      // An AIFF "COMM" has no compression type: whatever follows is not read.
      {"AIFF", "sowt", true, true, ""},
  };
  const std::vector<int16_t> values = {100, -100, 0x1234, -2000};
  for (const auto& row : rows) {
    Bytes data;
    for (int16_t v : values) row.bigEndian ? data.be16(v) : data.le16(v);
    TSoundIO io;
    const std::string path = write(
        "st.aifc", Form(row.form, Bytes().add(Fver()).add(Comm(2, 2, 16, row.compression, row.named)).add(Ssnd(data))));
    const bool decoded = std::string(row.printed).empty();
    int result = -2;
    EXPECT_EQ(printed([&] { result = io.LoadAif(path); }), row.printed);
    EXPECT_EQ(result, decoded ? 1 : 0) << row.compression;
    EXPECT_EQ(Values(io.TempSample), decoded ? values : std::vector<int16_t>{}) << row.compression;
  }

  // Without "FVER" the reader runs to the end of the file looking for it.
  Bytes data;
  data.be16(1).be16(2).be16(3).be16(4);
  TSoundIO io;
  printed([&] { EXPECT_EQ(io.LoadAif(write("nofver.aifc", Form("AIFC", Bytes().add(Comm(2, 2, 16)).add(Ssnd(data))))), -1); });
}

TEST_F(AiffFile, DataNotDecoded) {
  TSoundIO io;
  Bytes two;
  two.be16(1).be16(2);
  // 8-bit and 24-bit data, three channels, "SSND" before "COMM", and not a "FORM" file.
  const std::vector<Bytes> files = {Form("AIFF", Bytes().add(Comm(1, 4, 8)).add(Ssnd(two))),
                                    Form("AIFF", Bytes().add(Comm(1, 1, 24)).add(Ssnd(Bytes().fill(3, 1)))),
                                    Form("AIFF", Bytes().add(Comm(3, 1, 16)).add(Ssnd(Bytes().fill(6, 1)))),
                                    Form("AIFF", Bytes().add(Ssnd(two)).add(Comm(1, 2, 16))),
                                    Bytes().text("RIFF").fill(40, 0)};
  for (const Bytes& file : files) EXPECT_EQ(io.LoadAif(write("x.aif", file)), 0);
  EXPECT_EQ(io.LoadAif(folder / "missing.aif"), 0);
  EXPECT_EQ(io.TempSample, nullptr);
  // Another form type never marks the form: the reader ends at the end of the file.
  EXPECT_EQ(printed([&] { EXPECT_EQ(io.LoadAif(write("8svx.aif", Form("8SVX", Comm(1, 2, 16)))), -1); }), "error\n");
}

TEST_F(AiffFile, LyingSizesAndCounts) {
  TSoundIO io;
  Bytes two;
  two.be16(7).be16(8);
  // "COMM" promising two thousand million frames over four bytes of data: two frames.
  EXPECT_EQ(io.LoadAif(write("frames.aif", Form("AIFF", Bytes().add(Comm(1, 0x7FFFFFFF, 16)).add(Ssnd(two))))), 1);
  EXPECT_EQ(Values(io.TempSample), (std::vector<int16_t>{7, 8}));
  // A frame count with the top bit set reads as no frames.
  EXPECT_EQ(io.LoadAif(write("negative.aif", Form("AIFF", Bytes().add(Comm(1, 0x80000000LL, 16)).add(Ssnd(two))))), 0);

  // "SSND" claiming more than the whole file.
  Bytes big;
  big.text("SSND").be32(0x7FFFFF00).be32(0).be32(0).be16(1);
  io.TempSample = nullptr;
  EXPECT_EQ(printed([&] { EXPECT_EQ(io.LoadAif(write("big.aif", Form("AIFF", Bytes().add(Comm(1, 100, 16)).add(big)))), 0); }), "");
  EXPECT_EQ(io.TempSample, nullptr);

  // An offset larger than the chunk.
  Bytes off;
  off.text("SSND").be32(12).be32(0x7FFFFFF0).be32(0).be16(1).be16(2);
  EXPECT_EQ(io.LoadAif(write("off.aif", Form("AIFF", Bytes().add(Comm(1, 2, 16)).add(off)))), 0);

  // A chunk skipped by a size far past the end: the walk ends with "error".
  Bytes skip;
  skip.text("APPL").be32(0xFFFFFFF0).fill(4, 0);
  EXPECT_EQ(io.LoadAif(write("skip.aif", Form("AIFF", Bytes().add(skip).add(Comm(1, 2, 16)).add(Ssnd(two))))), -1);

  // Odd-sized chunks are padded; the pad byte is skipped whatever its value.
  Bytes name;
  name.text("NAME").be32(3).text("abc").u8('C');
  EXPECT_EQ(io.LoadAif(write("pad.aif", Form("AIFF", Bytes().add(name).add(Comm(1, 2, 16)).add(Ssnd(two))))), 1);
  EXPECT_EQ(Values(io.TempSample), (std::vector<int16_t>{7, 8}));
}

TEST_F(AiffFile, BigEndianDataLongerThanAReadBlockAndCutShort) {
  // 150000 frames over several blocks; cut short, by a byte or by as many bytes as stand
  // before the data, the file loads nothing.
  constexpr int kFrames = 150000;
  Bytes ssnd;
  std::vector<int16_t> expected;
  ssnd.text("SSND").be32(8 + 2 * kFrames).be32(0).be32(0);
  for (int i = 0; i < kFrames; ++i) {
    expected.push_back(static_cast<int16_t>(i * 7919));
    ssnd.be16(expected.back());
  }
  const Bytes whole = Form("AIFF", Bytes().add(Comm(1, kFrames, 16)).add(ssnd));
  TSoundIO io;
  EXPECT_EQ(io.LoadAif(write("long.aif", whole)), 1);
  EXPECT_EQ(Values(io.TempSample), expected);
  for (const size_t cutBy : {size_t{1}, whole.size() - 2 * kFrames}) {
    Bytes cut = whole;
    cut.b.resize(whole.size() - cutBy);
    io.TempSample = nullptr;
    EXPECT_EQ(io.LoadAif(write("cut.aif", cut)), 0) << cutBy;
    EXPECT_EQ(io.TempSample, nullptr);
  }
}

TEST(FillableSample, SizesAndFormats) {
  const struct {
    int frames, format;
    bool made;
  } rows[] = {{0, SF_MONO16, true},       {3, SF_STEREO16, true},    {-1, SF_MONO16, false},
              {5, 0, false},              {5, kAudioFormats, false}, {0x20000000, SF_STEREO16, false},
              {1 << 20, SF_STEREO16, true}};
  for (const auto& row : rows) {
    const std::shared_ptr<TAudioSample> sample = CreateFillableSample(row.frames, row.format);
    ASSERT_EQ(sample != nullptr, row.made) << row.frames << " " << row.format;
    if (!sample) continue;
    EXPECT_NE(sample->samples, nullptr);
    EXPECT_TRUE(sample->Holds());
    EXPECT_EQ(sample->length, row.frames);
    EXPECT_EQ(sample->hertz, 44100);
    EXPECT_EQ(sample->format, row.format);
    // Every byte is there to be written.
    std::memset(sample->samples, 0x5A, static_cast<size_t>(row.frames) * AudioFormatBytes(row.format));
  }
}

TEST_F(AiffFile, DecodersRefuseWhatTheStreamCannotHold) {
  using Decoder = int (TSoundIO::*)(const std::string&, TStream&, int, int, int, int);
  const Bytes one = Bytes().le16(1);
  const Bytes three = Bytes().le16(1).le16(2).le16(3);
  const struct {
    const char* name;
    Decoder decode;
    const Bytes& stream;
    int frames, bytes, channels;
    int result;
    int length;  // of the sample made; -1 when none is made
  } rows[] = {
      {"more bytes than the stream", &TSoundIO::LoadAifData, one, 100, 200, 1, 0, -1},
      {"three channels", &TSoundIO::LoadAifData, one, 1, 2, 3, 0, -1},
      {"24-bit, more bytes", &TSoundIO::LoadAifData24, one, 1, 3, 2, 0, -1},
      {"8-bit, more bytes", &TSoundIO::LoadAifData8, one, 100, 200, 1, 0, -1},
      {"negative bytes", &TSoundIO::LoadAifData, three, 100, -5, 1, 0, 0},
      {"8-bit, negative bytes", &TSoundIO::LoadAifData8, three, 100, -5, 1, 0, 0},
      {"no frames", &TSoundIO::LoadAifData, three, 0, 6, 1, 0, 0},
      {"8-bit, no frames", &TSoundIO::LoadAifData8, three, 0, 6, 1, 0, 0},
      {"one frame", &TSoundIO::LoadAifData, three, 1, 6, 1, 1, 1},
      {"never more than the frames asked for", &TSoundIO::LoadAifData, three, 2, 6, 1, 1, 2},
      {"8-bit", &TSoundIO::LoadAifData8, three, 2, 6, 2, 1, 2},
  };
  for (const auto& row : rows) {
    TSoundIO io;
    TMemoryStream stream(row.stream.b);
    int result = -2;
    printed([&] { result = (io.*row.decode)("", stream, row.frames, row.bytes, row.channels, 1); });
    EXPECT_EQ(result, row.result) << row.name;
    ASSERT_EQ(io.TempSample != nullptr, row.length >= 0) << row.name;
    if (!io.TempSample) continue;
    EXPECT_EQ(io.TempSample->length, row.length) << row.name;
    EXPECT_EQ(io.TempSample->hertz, 44100) << row.name;
  }
  TSoundIO io;
  TMemoryStream stream(three.b);
  EXPECT_EQ(io.LoadAifData("", stream, 2, 6, 1, 1), 1);
  EXPECT_EQ(Values(io.TempSample), (std::vector<int16_t>{1, 2}));
  EXPECT_EQ(StreamPos(stream), 4);
}

TEST_F(AiffFile, TwentyFourBitDecoderSkipsStereoSurplusAtTheStart) {
  TSoundIO io;
  Bytes b;
  b.fill(2, 0x55);                                          // surplus
  b.u8(0).u8(0).u8(0x80).u8(0xFF).u8(0xFF).u8(0x7F);        // frame 0: -32768, 32767
  b.u8(0).u8(0x34).u8(0x12).u8(0).u8(0xCC).u8(0xED);        // frame 1: 0x1234, -0x1234
  TMemoryStream st(b.b);
  EXPECT_EQ(io.LoadAifData24("", st, 2, 14, 2, 0), 1);
  EXPECT_EQ(Values(io.TempSample), (std::vector<int16_t>{-32768, 32767, 0x1234, -0x1234}));
  // One channel ignores surplus bytes at the end.
  TMemoryStream mono(Bytes().u8(0).u8(1).u8(0).u8(9).b);
  EXPECT_EQ(io.LoadAifData24("", mono, 1, 4, 1, 0), 1);
  EXPECT_EQ(Values(io.TempSample), (std::vector<int16_t>{1}));
}

TEST_F(AiffFile, ByteOrderReadersAndConvert24) {
  TSoundIO io;
  EXPECT_EQ(io.convert24(0xFF, 0xFF, 0xFF), 0);
  EXPECT_EQ(io.convert24(0x00, 0x00, 0x80), -32768);
  EXPECT_EQ(io.convert24(0xFF, 0xFF, 0x7F), 32767);
  EXPECT_EQ(io.convert24(0xFF, 0x00, 0xFF), -255);  // -65281 / 256, toward zero

  TMemoryStream st(Bytes().be32(-2).be16(0xFFFE).u8(1).u8(2).u8(3).u8(0xFF).u8(9).b);
  EXPECT_EQ(io.SampleReadLong(st), -2);
  EXPECT_EQ(io.SampleReadShort(st), 65534);
  EXPECT_EQ(io.SampleReadRlndInt(st), 1 + 2 * 256 + 3 * 65536);
  EXPECT_EQ(io.SampleReadShort(st), 9 * 256);  // 9, then nothing more to read
}
