// The IFF reader: raw 8-bit files without a header, "8SVX" bodies widened and
// smoothed, "16SV" big-endian bodies, chunks passed over by size, and the failures.
#include "sampletesting.h"

namespace {

Bytes Vhdr() {
  Bytes v;
  v.text("VHDR").be32(20).be32(100).be32(0).be32(0).be16(8363).u8(1).u8(0).be32(0x10000);
  return v;
}

Bytes Form(const std::string& type, const Bytes& chunks) {
  Bytes f;
  f.text("FORM").be32(static_cast<int64_t>(chunks.size()) + 4).text(type).add(chunks);
  return f;
}

Bytes Body(const Bytes& data) {
  Bytes b;
  b.text("BODY").be32(static_cast<int64_t>(data.size())).add(data);
  return b;
}

}  // namespace

using IffFile = SampleFileTest;

TEST_F(IffFile, RawBytesAreWidenedRepeatedAndSmoothed) {
  TSoundIO io;
  EXPECT_EQ(io.LoadIFF(write("raw.iff", Bytes().u8(0x00).u8(0x7F).u8(0x80))), 1);
  // 0 x4, 32512 x4, -32768 x4 before; two passes of (s[j] + s[j+1]) / 2 after.
  EXPECT_EQ(Values(io.TempSample),
            (std::vector<int16_t>{0, 0, 8128, 24384, 32512, 32512, 16192, -16448, -32768, -32768, -32768, -32768}));
  // An empty file gives no sample and no load.
  EXPECT_EQ(io.LoadIFF(write("empty.iff", Bytes())), 0);
}

TEST_F(IffFile, EightBitFormWithNamedChunks) {
  Bytes name;
  name.text("NAME").be32(8).text("Bassdrum");
  Bytes anno;  // odd size with its pad byte: a four-byte scan would lose "BODY" here
  anno.text("ANNO").be32(5).text("hello").u8(0);
  TSoundIO io;
  const std::string path =
      write("drum.8svx", Form("8SVX", Bytes().add(Vhdr()).add(name).add(anno).add(Body(Bytes().u8(0x40).u8(0x40)))));
  EXPECT_EQ(io.LoadIFF(path), 1);
  EXPECT_EQ(Values(io.TempSample), std::vector<int16_t>(8, 0x40 * 256));
}

TEST_F(IffFile, SixteenBitBodyIsBigEndian) {
  TSoundIO io;
  Bytes data;
  data.be16(0x0102).be16(-3).u8(0x77);  // five bytes: two frames
  EXPECT_EQ(io.LoadIFF(write("w.iff", Form("16SV", Bytes().add(Vhdr()).add(Body(data))))), 1);
  EXPECT_EQ(Values(io.TempSample), (std::vector<int16_t>{0x0102, -3}));
}

TEST_F(IffFile, FailuresAndTheirMessages) {
  TSoundIO io;
  std::string log;
  log = printed([&] { EXPECT_EQ(io.LoadIFF(write("ilbm.iff", Form("ILBM", Vhdr()))), -1); });
  EXPECT_EQ(log, "error form\n");
  log = printed([&] { EXPECT_EQ(io.LoadIFF(write("nobody.iff", Form("8SVX", Vhdr()))), -1); });
  EXPECT_EQ(log, "error 8svx\n");
  // An empty body decodes no frames.
  EXPECT_EQ(io.LoadIFF(write("emptybody16.iff", Form("16SV", Body(Bytes().u8(1))))), 0);
  // A body larger than the whole file, for both depths.
  io.TempSample = nullptr;
  Bytes lying;
  lying.text("BODY").be32(0x7FFFFFFF).fill(4, 1);
  EXPECT_EQ(io.LoadIFF(write("lying.iff", Form("8SVX", lying))), 0);
  EXPECT_EQ(io.LoadIFF(write("lying16.iff", Form("16SV", lying))), 0);
  EXPECT_EQ(io.TempSample, nullptr);
  // A chunk whose size runs past the end hides nothing and ends the walk.
  Bytes skip;
  skip.text("AUTH").be32(0xFFFFFFF0).text("me");
  log = printed([&] { EXPECT_EQ(io.LoadIFF(write("auth.iff", Form("8SVX", skip))), -1); });
  EXPECT_EQ(log, "error 8svx\n");
  // Truncated: a file of just "FORM".
  log = printed([&] { EXPECT_EQ(io.LoadIFF(write("form.iff", Bytes().text("FORM"))), -1); });
  EXPECT_EQ(log, "error form\n");
}
