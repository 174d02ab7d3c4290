// File and memory streams: typed values both byte orders, the end test, short
// reads with zero fill, seeking past the end, lines, and failures that show.
#include "platform/streams.h"

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstring>
#include <fstream>
#include <iterator>

#include "platform/files.h"
#include "platform/memorystream.h"
#include "tempfolder.h"

namespace {

std::vector<uint8_t> fileBytes(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  return std::vector<uint8_t>(std::istreambuf_iterator<char>(in), {});
}

void writeFile(const std::string& path, const std::vector<uint8_t>& bytes) {
  std::ofstream out(path, std::ios::binary);
  out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
}

}  // namespace

TEST(Streams, WrittenValuesHaveTheirByteOrderOnDisk) {
  TempFolder tmp;
  auto out = WriteStream(tmp / "values.bin");
  ASSERT_NE(out, nullptr);
  EXPECT_TRUE(WriteByte(*out, 0x1AB));  // low 8 bits
  EXPECT_TRUE(WriteShort(*out, 0x1234));
  EXPECT_TRUE(WriteInt(*out, -2));
  EXPECT_TRUE(WriteShortBE(*out, 0xBEEF));
  EXPECT_TRUE(WriteIntBE(*out, 0x01020304));
  EXPECT_TRUE(WriteFloat(*out, 1.0f));
  EXPECT_TRUE(WriteString(*out, "RIFF"));
  EXPECT_TRUE(WriteString(*out, ""));
  EXPECT_EQ(StreamPos(*out), 21);
  EXPECT_EQ(StreamSize(*out), 21);
  EXPECT_TRUE(CloseStream(*out));

  std::vector<uint8_t> expected = {0xAB, 0x34, 0x12, 0xFE, 0xFF, 0xFF, 0xFF, 0xBE, 0xEF, 0x01, 0x02,
                                   0x03, 0x04, 0x00, 0x00, 0x80, 0x3F, 'R',  'I',  'F',  'F'};
  EXPECT_EQ(fileBytes(tmp / "values.bin"), expected);
}

TEST(Streams, ReadValuesBothByteOrders) {
  TempFolder tmp;
  writeFile(tmp / "in.bin", {0xFF, 0xFE, 0xFF, 0x00, 0x00, 0x80, 0x80, 0x00, 0x00, 0x00, 0xC0,
                             0x12, 0x34, 0x80, 0x00, 0x00, 0x01, 'a', 'b', 'c'});
  auto in = ReadStream(tmp / "in.bin");
  ASSERT_NE(in, nullptr);
  EXPECT_EQ(StreamSize(*in), 20);
  EXPECT_EQ(ReadByte(*in), 255);                    // unsigned
  EXPECT_EQ(ReadShort(*in), 0xFFFE);                // unsigned little-endian
  EXPECT_EQ(ReadInt(*in), static_cast<int>(0x80800000u));  // signed little-endian
  EXPECT_EQ(ReadFloat(*in), -2.0f);
  EXPECT_EQ(ReadShortBE(*in), 0x1234);
  EXPECT_EQ(ReadIntBE(*in), static_cast<int>(0x80000001u));
  EXPECT_FALSE(Eof(*in));
  EXPECT_EQ(ReadString(*in, 3), "abc");
  EXPECT_TRUE(Eof(*in));
}

TEST(Streams, ReadsPastTheEndGiveShortCountsAndZeros) {
  TempFolder tmp;
  writeFile(tmp / "short.bin", {0x11, 0x22, 0x33});
  auto in = ReadStream(tmp / "short.bin");
  ASSERT_NE(in, nullptr);
  SeekStream(*in, 1);
  EXPECT_EQ(ReadInt(*in), 0x3322);  // two real bytes, then zeros
  EXPECT_TRUE(Eof(*in));
  EXPECT_EQ(ReadInt(*in), 0);
  EXPECT_EQ(ReadString(*in, 4), "");

  SeekStream(*in, 0);
  uint8_t block[8];
  std::fill(std::begin(block), std::end(block), 0xEE);
  EXPECT_EQ(ReadBytes(*in, block, 8), 3);
  const uint8_t expected[8] = {0x11, 0x22, 0x33, 0, 0, 0, 0, 0};
  EXPECT_EQ(std::vector<uint8_t>(block, block + 8), std::vector<uint8_t>(expected, expected + 8));
  EXPECT_EQ(ReadString(*in, -1), "");
}

TEST(Streams, SeekPastTheEndAndBackOnRead) {
  TempFolder tmp;
  writeFile(tmp / "f.bin", {1, 2, 3, 4});
  auto in = ReadStream(tmp / "f.bin");
  ASSERT_NE(in, nullptr);
  EXPECT_EQ(SeekStream(*in, 100), 100);
  EXPECT_TRUE(Eof(*in));
  EXPECT_EQ(ReadByte(*in), 0);
  EXPECT_EQ(StreamPos(*in), 100);  // nothing was read
  EXPECT_EQ(SeekStream(*in, -5), 0);
  EXPECT_FALSE(Eof(*in));
  EXPECT_EQ(ReadByte(*in), 1);
}

TEST(Streams, WriteAfterSeekPastTheEndFillsTheGapWithZeros) {
  TempFolder tmp;
  auto out = WriteStream(tmp / "gap.bin");
  ASSERT_NE(out, nullptr);
  WriteByte(*out, 7);
  EXPECT_EQ(SeekStream(*out, 4), 4);
  EXPECT_EQ(StreamSize(*out), 1);  // a seek alone does not grow the file
  WriteByte(*out, 9);
  EXPECT_EQ(StreamSize(*out), 5);
  SeekStream(*out, 1);
  WriteByte(*out, 8);
  EXPECT_EQ(StreamSize(*out), 5);
  EXPECT_TRUE(CloseStream(*out));
  EXPECT_EQ(fileBytes(tmp / "gap.bin"), (std::vector<uint8_t>{7, 8, 0, 0, 9}));
}

TEST(Streams, LinesEndAtLineFeedOrNulAndDropEveryCarriageReturn) {
  TMemoryStream in(std::vector<uint8_t>{'a', '\r', '\n', 'b', '\n', '\r', 'c', '\r', 'd', 0, 'e', '\n', '\n', 'l', 'a', 's', 't'});
  EXPECT_EQ(ReadLine(in), "a");
  EXPECT_EQ(ReadLine(in), "b");
  EXPECT_EQ(ReadLine(in), "cd");
  EXPECT_EQ(ReadLine(in), "e");
  EXPECT_EQ(ReadLine(in), "");
  EXPECT_FALSE(Eof(in));
  EXPECT_EQ(ReadLine(in), "last");  // no line end before the end of the stream
  EXPECT_TRUE(Eof(in));
  EXPECT_EQ(ReadLine(in), "");

  TMemoryStream out;
  EXPECT_TRUE(WriteLine(out, "[Section]"));
  EXPECT_TRUE(WriteLine(out, ""));
  std::string written(out.Bytes().begin(), out.Bytes().end());
  EXPECT_EQ(written, "[Section]\r\n\r\n");
}

TEST(Streams, FloatsRoundTripBitForBit) {
  TMemoryStream s;
  const float values[] = {0.0f, -0.0f, 1.5f, -3.25e-20f, 3.4e38f, 1e-45f};
  for (float v : values) WriteFloat(s, v);
  SeekStream(s, 0);
  for (float v : values) {
    float got = ReadFloat(s);
    EXPECT_EQ(std::memcmp(&got, &v, sizeof v), 0) << v;
  }
}

TEST(Streams, OpenForReadingRefusesWhatIsNoRegularFile) {
  TempFolder tmp;
  ASSERT_TRUE(CreateDir(tmp / "dir"));
  ASSERT_EQ(mkfifo((tmp / "pipe").c_str(), 0600), 0);
  EXPECT_EQ(ReadStream(tmp / "missing"), nullptr);
  EXPECT_EQ(ReadStream(tmp / "dir"), nullptr);
  EXPECT_EQ(ReadStream(tmp / "pipe"), nullptr);  // would block if opened
  EXPECT_EQ(WriteStream(tmp / "dir"), nullptr);
  EXPECT_EQ(WriteStream(tmp / "no/such/file"), nullptr);
  EXPECT_EQ(OpenStream(tmp / "x", false, false), nullptr);
}

TEST(Streams, WriteStreamReplacesAndReadStreamCannotWrite) {
  TempFolder tmp;
  writeFile(tmp / "f", {1, 2, 3, 4, 5, 6});
  auto out = WriteStream(tmp / "f");
  ASSERT_NE(out, nullptr);
  EXPECT_EQ(StreamSize(*out), 0);
  WriteShort(*out, 0x0201);
  EXPECT_TRUE(CloseStream(*out));
  EXPECT_EQ(FileSize(tmp / "f"), 2);

  auto in = ReadStream(tmp / "f");
  ASSERT_NE(in, nullptr);
  EXPECT_FALSE(WriteInt(*in, 5));
  EXPECT_TRUE(in->Failed());
  EXPECT_FALSE(CloseStream(*in));
  EXPECT_EQ(FileSize(tmp / "f"), 2);
}

TEST(Streams, OpenStreamReadsAndWritesInPlace) {
  TempFolder tmp;
  writeFile(tmp / "f", {1, 2, 3, 4});
  auto s = OpenStream(tmp / "f", true, true);
  ASSERT_NE(s, nullptr);
  EXPECT_EQ(StreamSize(*s), 4);
  EXPECT_EQ(ReadByte(*s), 1);
  WriteByte(*s, 0x22);          // a write straight after a read lands at the position
  EXPECT_EQ(ReadByte(*s), 3);   // and a read straight after a write continues after it
  WriteShort(*s, 0x0605);
  EXPECT_EQ(StreamSize(*s), 5);
  EXPECT_TRUE(Eof(*s));
  EXPECT_TRUE(CloseStream(*s));
  EXPECT_EQ(fileBytes(tmp / "f"), (std::vector<uint8_t>{1, 0x22, 3, 5, 6}));

  auto created = OpenStream(tmp / "new", true, true);
  ASSERT_NE(created, nullptr);
  EXPECT_TRUE(Eof(*created));
  WriteInt(*created, 42);
  SeekStream(*created, 0);
  EXPECT_EQ(ReadInt(*created), 42);
  EXPECT_TRUE(CloseStream(*created));
}

TEST(Streams, AFailedWriteIsReportedAtTheLatestByClose) {
  // /dev/full takes the open but refuses to store anything.
  if (access("/dev/full", W_OK) != 0) GTEST_SKIP() << "no /dev/full";
  auto out = WriteStream("/dev/full");
  ASSERT_NE(out, nullptr);
  WriteString(*out, "some bytes that fit a buffer");
  EXPECT_FALSE(CloseStream(*out));
  EXPECT_TRUE(out->Failed());
  EXPECT_FALSE(CloseStream(*out));  // stays failed
}

TEST(Streams, ClosedStreamsNeitherReadNorWrite) {
  TempFolder tmp;
  writeFile(tmp / "f", {9, 9});
  auto in = ReadStream(tmp / "f");
  ASSERT_NE(in, nullptr);
  EXPECT_TRUE(CloseStream(*in));
  EXPECT_EQ(ReadShort(*in), 0);
  EXPECT_TRUE(CloseStream(*in));  // nothing failed

  TMemoryStream m(std::vector<uint8_t>{5});
  EXPECT_TRUE(CloseStream(m));
  EXPECT_EQ(ReadByte(m), 0);
  EXPECT_FALSE(WriteByte(m, 1));
  EXPECT_FALSE(CloseStream(m));
}

TEST(Streams, MemoryStreamGrowsLikeAFile) {
  TMemoryStream s(std::vector<uint8_t>{1, 2});
  EXPECT_EQ(StreamSize(s), 2);
  EXPECT_EQ(SeekStream(s, 4), 4);
  EXPECT_TRUE(WriteShortBE(s, 0x0A0B));
  EXPECT_EQ(s.Bytes(), (std::vector<uint8_t>{1, 2, 0, 0, 0x0A, 0x0B}));
  SeekStream(s, 1);
  EXPECT_EQ(ReadIntBE(s), 0x0200000A);
  EXPECT_EQ(ReadByte(s), 0x0B);
  EXPECT_TRUE(Eof(s));

  // A write that cannot be held fails instead of throwing.
  SeekStream(s, INT64_MAX - 1);
  EXPECT_FALSE(WriteInt(s, 1));
  EXPECT_TRUE(s.Failed());
  EXPECT_EQ(StreamSize(s), 6);
}
