// The sample-data record: fresh records are zero-filled and sized by format, bad
// requests make none, and Convert carries frames between the six formats.
#include <gtest/gtest.h>

#include <climits>
#include <cstring>
#include <vector>

#include "audio/audiosample.h"

namespace {

std::shared_ptr<TAudioSample> frombytes(const std::vector<uint8_t>& bytes, int format, int hertz = 22050) {
  const int bpf = AudioFormatBytes(format);
  auto r = CreateAudioSample(static_cast<int>(bytes.size()) / bpf, hertz, format);
  if (r) std::memcpy(r->samples, bytes.data(), bytes.size());
  return r;
}

std::vector<uint8_t> bytesof(const TAudioSample& r) { return {r.samples, r.samples + r.capacity}; }

std::vector<int16_t> stereo16(const TAudioSample& r) {
  return {r.Values16(), r.Values16() + 2 * r.length};
}

}  // namespace

TEST(AudioSample, NewRecordsAreZeroFilledAndSizedByFormat) {
  const int bytes[] = {0, 1, 2, 2, 2, 4, 4};
  for (int format = 0; format <= 6; ++format) {
    auto r = CreateAudioSample(10, 22050, format);
    ASSERT_NE(r, nullptr) << format;
    EXPECT_EQ(r->length, 10);
    EXPECT_EQ(r->hertz, 22050);
    EXPECT_EQ(r->format, format);
    EXPECT_EQ(r->capacity, 10 * bytes[format]) << format;
    ASSERT_NE(r->samples, nullptr);
    for (int i = 0; i < r->capacity; ++i) ASSERT_EQ(r->samples[i], 0) << format << " byte " << i;
    EXPECT_TRUE(r->Holds());
  }
  auto empty = CreateAudioSample(0, 44100, SF_STEREO16);
  ASSERT_NE(empty, nullptr);
  EXPECT_EQ(empty->capacity, 0);
  EXPECT_NE(empty->samples, nullptr);

  EXPECT_EQ(CreateAudioSample(-1, 44100, SF_MONO16), nullptr);
  EXPECT_EQ(CreateAudioSample(10, 44100, 7), nullptr);
  EXPECT_EQ(CreateAudioSample(10, 44100, -1), nullptr);
  EXPECT_EQ(CreateAudioSample(INT_MAX / 2, 44100, SF_STEREO16), nullptr);  // over a 32-bit byte count
}

TEST(AudioSample, EachFormatDecodesToStereo16) {
  struct Case {
    int format;
    std::vector<uint8_t> bytes;
    std::vector<int16_t> expected;  // left, right per frame
  };
  const std::vector<Case> cases = {
      {SF_MONO8, {0, 128, 255, 64}, {-32768, -32768, 0, 0, 32512, 32512, -16384, -16384}},
      {SF_MONO16, {0x34, 0x12, 0xFE, 0xFF, 0x00, 0x80}, {0x1234, 0x1234, -2, -2, -32768, -32768}},
      {SF_MONO16BE, {0x12, 0x34, 0xFF, 0xFE, 0x80, 0x00}, {0x1234, 0x1234, -2, -2, -32768, -32768}},
      {SF_STEREO8, {0, 255, 128, 64}, {-32768, 32512, 0, -16384}},
      {SF_STEREO16, {0x34, 0x12, 0xFE, 0xFF}, {0x1234, -2}},
      {SF_STEREO16BE, {0x12, 0x34, 0xFF, 0xFE}, {0x1234, -2}},
  };
  for (const Case& c : cases) {
    auto source = frombytes(c.bytes, c.format);
    ASSERT_NE(source, nullptr);
    auto converted = source->Convert(SF_STEREO16);
    ASSERT_NE(converted, nullptr) << c.format;
    EXPECT_EQ(converted->format, SF_STEREO16);
    EXPECT_EQ(converted->hertz, 22050);
    EXPECT_EQ(converted->length, source->length);
    EXPECT_EQ(stereo16(*converted), c.expected) << "from format " << c.format;
  }
}

TEST(AudioSample, Stereo16EncodesIntoEachFormat) {
  // Frames (0x1234, -2), (-32768, 32767), (1000, 3000); mono takes the mean of the sides.
  auto source = frombytes({0x34, 0x12, 0xFE, 0xFF, 0x00, 0x80, 0xFF, 0x7F, 0xE8, 0x03, 0xB8, 0x0B}, SF_STEREO16);
  ASSERT_NE(source, nullptr);
  const std::vector<std::pair<int, std::vector<uint8_t>>> cases = {
      {SF_MONO8, {137, 128, 135}},
      {SF_MONO16, {0x19, 0x09, 0x00, 0x00, 0xD0, 0x07}},
      {SF_MONO16BE, {0x09, 0x19, 0x00, 0x00, 0x07, 0xD0}},
      {SF_STEREO8, {146, 127, 0, 255, 131, 139}},
      {SF_STEREO16, {0x34, 0x12, 0xFE, 0xFF, 0x00, 0x80, 0xFF, 0x7F, 0xE8, 0x03, 0xB8, 0x0B}},
      {SF_STEREO16BE, {0x12, 0x34, 0xFF, 0xFE, 0x80, 0x00, 0x7F, 0xFF, 0x03, 0xE8, 0x0B, 0xB8}},
  };
  for (const auto& [format, expected] : cases) {
    auto converted = source->Convert(format);
    ASSERT_NE(converted, nullptr) << format;
    EXPECT_EQ(converted->length, 3);
    EXPECT_EQ(converted->capacity, 3 * AudioFormatBytes(format));
    EXPECT_EQ(bytesof(*converted), expected) << "to format " << format;
  }
}

TEST(AudioSample, RoundTripsKeepTheFramesAndBadRecordsConvertToNothing) {
  std::vector<uint8_t> bytes;
  for (int i = 0; i < 64; ++i) bytes.push_back(static_cast<uint8_t>(i * 37 + 11));
  // 16-bit values survive a trip through any 16-bit format of the same or more channels.
  for (int from : {SF_MONO16, SF_MONO16BE}) {
    auto source = frombytes(bytes, from);
    for (int via : {SF_MONO16, SF_MONO16BE, SF_STEREO16, SF_STEREO16BE}) {
      auto back = source->Convert(via)->Convert(from);
      ASSERT_NE(back, nullptr);
      EXPECT_EQ(bytesof(*back), bytes) << from << " via " << via;
    }
  }
  for (int from : {SF_STEREO16, SF_STEREO16BE}) {
    auto source = frombytes(bytes, from);
    for (int via : {SF_STEREO16, SF_STEREO16BE}) EXPECT_EQ(bytesof(*source->Convert(via)->Convert(from)), bytes);
  }
  // 8-bit values survive 16-bit formats of any byte order.
  for (int via : {SF_MONO16, SF_MONO16BE, SF_STEREO16, SF_STEREO16BE, SF_STEREO8})
    EXPECT_EQ(bytesof(*frombytes(bytes, SF_MONO8)->Convert(via)->Convert(SF_MONO8)), bytes) << via;

  auto source = frombytes(bytes, SF_MONO16);
  EXPECT_EQ(source->Convert(7), nullptr);
  EXPECT_EQ(source->Convert(-1), nullptr);
  TAudioSample borrowed;  // bytes it does not own: trusted as they are
  borrowed.samples = bytes.data();
  borrowed.length = 16;
  borrowed.format = SF_STEREO16;
  ASSERT_NE(borrowed.Convert(SF_STEREO16BE), nullptr);
  borrowed.samples = nullptr;
  EXPECT_EQ(borrowed.Convert(SF_MONO16), nullptr);
  source->length = 100;  // more frames than its 64 bytes hold
  EXPECT_FALSE(source->Holds());
  EXPECT_EQ(source->Convert(SF_MONO16BE), nullptr);
}
