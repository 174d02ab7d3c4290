// Headerless sampler files: the 16-bit word orders with their header and tail skips,
// odd and short data, the 12-bit length, the four 8-bit mappings, and the silent
// sample of Zero and CreateNew.
#include <cstdint>
#include <string>
#include <vector>

#include "sampletesting.h"

namespace {

class HeaderlessFiles : public SampleFileTest {
 protected:
  // A sample that a failed load must leave in place.
  void keepMarker() {
    marker = CreateAudioSample(3, 44100, TSoundIO::SF_MONO16);
    io.TempSample = marker;
  }

  Bytes counting(int count) {
    Bytes bytes;
    for (int i = 0; i < count; ++i) bytes.u8(i + 1);
    return bytes;
  }

  TSoundIO io;
  std::shared_ptr<TAudioSample> marker;
};

TEST_F(HeaderlessFiles, SixteenBitWordsAsStoredWithHeaderAndTail) {
  const std::string plain = write("ten.usr", Bytes().le16(1).le16(-2).le16(300).le16(-32768).le16(32767));
  ASSERT_EQ(io.LoadAs16Bit(plain, 0, 0), 1);
  EXPECT_EQ(Values(io.TempSample), (std::vector<int16_t>{1, -2, 300, -32768, 32767}));

  // An odd data length leaves the last byte out.
  ASSERT_EQ(io.LoadAs16Bit(write("odd.usr", Bytes().le16(7).le16(8).u8(0x55)), 0, 0), 1);
  EXPECT_EQ(Values(io.TempSample), (std::vector<int16_t>{7, 8}));

  // Header and tail are passed over.
  const std::string framed = write("f.ebl", Bytes().fill(6, 0xAA).le16(-5).le16(6).fill(2, 0xBB));
  ASSERT_EQ(io.LoadAs16Bit(framed, 6, 2), 1);
  EXPECT_EQ(Values(io.TempSample), (std::vector<int16_t>{-5, 6}));
}

TEST_F(HeaderlessFiles, SixteenBitRefusesDataShorterThanHeaderAndTail) {
  keepMarker();
  const std::string small = write("small.ebl", Bytes().fill(10, 1));
  EXPECT_EQ(io.LoadAs16Bit(small, 6, 5), 0);
  EXPECT_EQ(io.LoadAs16BitStereo(small, 11), 0);
  EXPECT_EQ(io.xLoadAs16BitStereo(small, 11), 0);
  EXPECT_EQ(io.TempSample, marker);
  // Exactly header and tail: an empty sample.
  EXPECT_EQ(io.LoadAs16Bit(small, 6, 4), 1);
  EXPECT_EQ(io.TempSample->length, 0);
}

TEST_F(HeaderlessFiles, ReversedWordsAndTheirSizeTest) {
  keepMarker();
  EXPECT_EQ(io.LoadAs16BitRev(write("three.krz", Bytes().u8(1).u8(2).u8(3)), 0), 0);
  EXPECT_EQ(io.LoadAs16BitRev(folder / "missing.krz", 0), 0);
  EXPECT_EQ(io.TempSample, marker);

  // A 140-byte header, then big-endian words 0x8001 and 0x7FFE and one odd byte.
  const std::string ksf = write("a.ksf", Bytes().fill(140, 0x7F).be16(0x8001).be16(0x7FFE).u8(9));
  printed([&] { EXPECT_EQ(io.LoadAs16BitRev(ksf, 140), 1); });
  EXPECT_EQ(Values(io.TempSample), (std::vector<int16_t>{-32767, 32766}));
}

TEST_F(HeaderlessFiles, StereoWordsAndBitReversedWords) {
  ASSERT_EQ(io.LoadAs16BitStereo(write("s.raw", Bytes().le16(1).le16(-1).le16(2).le16(-2).le16(99)), 0), 1);
  EXPECT_EQ(io.TempSample->format, TSoundIO::SF_STEREO16);
  EXPECT_EQ(Values(io.TempSample), (std::vector<int16_t>{1, -1, 2, -2}));

  // Bits of 0x01 0x80 reversed give 0x80 0x01, exchanged 0x01 0x80: 0x8001.
  // Bits of 0x12 0x34 reversed give 0x48 0x2C, exchanged 0x2C 0x48: 0x482C.
  ASSERT_EQ(io.xLoadAs16BitStereo(write("x.raw", Bytes().fill(2, 0).u8(0x01).u8(0x80).u8(0x12).u8(0x34)), 2), 1);
  EXPECT_EQ(io.TempSample->format, TSoundIO::SF_MONO16);
  EXPECT_EQ(Values(io.TempSample), (std::vector<int16_t>{-32767, 0x482C}));
}

TEST_F(HeaderlessFiles, TwelveBitDataGivesSilenceOfItsLength) {
  const std::string dsk = write("a.dsk", counting(13));
  const std::string lines = printed([&] { EXPECT_EQ(io.LoadAs12Bit(dsk, 1), 1); });
  EXPECT_EQ(lines, "12bit samsize=12 12bit size=8\n");
  EXPECT_EQ(Values(io.TempSample), std::vector<int16_t>(8, 0));

  keepMarker();
  printed([&] { EXPECT_EQ(io.LoadAs12Bit(write("empty.dsk", Bytes()), 1), 0); });
  EXPECT_EQ(io.TempSample, marker);
}

TEST_F(HeaderlessFiles, EightBitMappings) {
  Bytes all;
  for (int b = 0; b < 256; ++b) all.u8(b);
  const std::string path = write("all.ipa", all);

  printed([&] { ASSERT_EQ(io.LoadAs8Bit(path), 1); });
  std::vector<int16_t> v = Values(io.TempSample);
  ASSERT_EQ(v.size(), 256u);
  for (int b = 0; b < 256; ++b) EXPECT_EQ(v[b], static_cast<int8_t>(b) * 256) << b;

  // Byte values at 0x00, 0x01, 0x7F, 0x80, 0x81/0xFE and 0xFF.
  printed([&] { ASSERT_EQ(io.LoadAs8Bit2(path), 1); });
  v = Values(io.TempSample);
  EXPECT_EQ((std::vector<int16_t>{v[0x00], v[0x01], v[0x7F], v[0x80], v[0x81], v[0xFF]}),
            (std::vector<int16_t>{0, -256, -32512, -32768, 127 * 256, 256}));
  printed([&] { ASSERT_EQ(io.LoadAs8BitFlipped(path), 1); });
  v = Values(io.TempSample);
  EXPECT_EQ((std::vector<int16_t>{v[0x00], v[0x7F], v[0x80], v[0xFE], v[0xFF]}),
            (std::vector<int16_t>{0, -32512, 32512, 256, 0}));
}

TEST_F(HeaderlessFiles, LogarithmicBytesOverARange) {
  const std::string path =
      write("a.em1", Bytes().fill(5, 0x33).u8(16).u8(64).u8(100).u8(126).u8(127).u8(0xFF).u8(0x90).u8(0x80).u8(0));
  printed([&] { ASSERT_EQ(io.LoadAs8BitLog(path, 5, 14), 1); });
  EXPECT_EQ(Values(io.TempSample), (std::vector<int16_t>{8, 2088, 12448, 31376, 32385, -32385, -8, 0, 0}));

  // An empty range makes an empty sample and fails.
  printed([&] { EXPECT_EQ(io.LoadAs8BitLog(path, 7, 7), 0); });
  EXPECT_EQ(io.TempSample->length, 0);

  // Ranges outside the file leave the sample as it was.
  keepMarker();
  printed([&] {
    EXPECT_EQ(io.LoadAs8BitLog(path, 5, 15), 0);
    EXPECT_EQ(io.LoadAs8BitLog(path, -1, 3), 0);
    EXPECT_EQ(io.LoadAs8BitLog(path, 9, 6), 0);
    EXPECT_EQ(io.LoadAs8BitLog(path, 2147483000, 2147483600), 0);
  });
  EXPECT_EQ(io.TempSample, marker);
}

TEST_F(HeaderlessFiles, ZeroAndCreateNew) {
  EXPECT_EQ(io.Zero(), 0);
  EXPECT_EQ(io.TempSample, nullptr);

  ASSERT_EQ(io.CreateNew(1000), 1);
  EXPECT_EQ(Values(io.TempSample), std::vector<int16_t>(1000, 0));

  auto previous = io.TempSample;
  EXPECT_EQ(io.CreateNew(-1), 0);
  EXPECT_EQ(io.TempSample, previous);

  // Zero silences a loaded sample, stereo ones whole.
  ASSERT_EQ(io.LoadAs16BitStereo(write("s.raw", Bytes().le16(5).le16(-5).le16(6).le16(-6)), 0), 1);
  io.Zero();
  EXPECT_EQ(Values(io.TempSample), std::vector<int16_t>(4, 0));
  for (float point : io.data) EXPECT_EQ(point, 0.0f);
}

}  // namespace
