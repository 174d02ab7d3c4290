// The WAV writers: a 16-bit PCM RIFF WAVE file at 44100 Hz, with the sampler chunk
// "RLND" (name, loop points as frame numbers x 256) before the data when asked for.
// A file is never replaced, and appears only once written whole.
#include <algorithm>
#include <array>
#include <cstdint>
#include <vector>

#include "platform/files.h"
#include "platform/memorystream.h"
#include "platform/newfile.h"
#include "platform/print.h"
#include "platform/textcase.h"
#include "samplefiles/wavfile.h"

namespace {

constexpr int kHertz = 44100;
constexpr int kRlndBody = 620;
constexpr int64_t kBlockValues = 8192;

std::string TrimTrailingBlanks(std::string text) {
  while (!text.empty() && text.back() == ' ') text.pop_back();
  return text;
}

// A frame number as the chunk's 24.8 position, wrapping as a 32-bit field does.
int Position(int frame) { return static_cast<int>(static_cast<uint32_t>(frame) * 256u); }

void PutLE32(uint8_t* p, int value) {
  const auto v = static_cast<uint32_t>(value);
  for (int i = 0; i < 4; ++i) p[i] = static_cast<uint8_t>(v >> (8 * i));
}

std::array<uint8_t, kRlndBody> RlndBody(const std::string& name, int loopStart, int loopEnd, int length) {
  std::array<uint8_t, kRlndBody> body{};
  const std::string signature = "roifxvmc";
  std::copy(signature.begin(), signature.end(), body.begin());
  const std::string padded = (name + std::string(17, ' ')).substr(0, 16);
  std::copy(padded.begin(), padded.end(), body.begin() + 11);
  PutLE32(&body[27], 0);
  PutLE32(&body[31], Position(loopStart));
  PutLE32(&body[35], Position(length));
  PutLE32(&body[39], Position(loopEnd));
  body[43] = 14;
  body[189] = 60;
  body[195] = 120;
  return body;
}

int WriteWav(std::string path, const std::string& name, bool withSamplerChunk, int loopStart, int loopEnd,
             int stereo, int length, const int16_t* data) {
  const int channels = stereo != 0 ? 2 : 1;
  const int64_t dataBytes = static_cast<int64_t>(length) * channels * 2;
  const int header = withSamplerChunk ? 664 : 36;
  if (length < 0 || (length > 0 && !data) || dataBytes + header > INT32_MAX) return 0;
  const int align = channels * 2;
  Print("saving wavfile=" + path + " channels=" + std::to_string(channels) + " length=" + std::to_string(length));

  TMemoryStream s;
  WriteString(s, "RIFF");
  WriteInt(s, static_cast<int>(dataBytes) + header);
  WriteString(s, "WAVE");
  WriteString(s, "fmt ");
  WriteInt(s, 16);
  WriteShort(s, 1);
  WriteShort(s, channels);
  WriteInt(s, kHertz);
  WriteInt(s, kHertz * align);
  WriteShort(s, align);
  WriteShort(s, 16);
  if (withSamplerChunk) {
    WriteString(s, "RLND");
    WriteInt(s, kRlndBody);
    const std::array<uint8_t, kRlndBody> body = RlndBody(name, loopStart, loopEnd, length);
    WriteBytes(s, body.data(), kRlndBody);
  }
  WriteString(s, "data");
  WriteInt(s, static_cast<int>(dataBytes));
  TNewFile file(path);
  file.Write(s.Bytes().data(), static_cast<int64_t>(s.Bytes().size()));
  // The file's values are little-endian whatever the machine's order.
  std::vector<uint8_t> block;
  const int64_t values = dataBytes / 2;
  for (int64_t i = 0; i < values; i += kBlockValues) {
    const int64_t count = std::min<int64_t>(kBlockValues, values - i);
    block.resize(static_cast<size_t>(count) * 2);
    for (int64_t k = 0; k < count; ++k) {
      const auto v = static_cast<uint16_t>(data[i + k]);
      block[2 * k] = static_cast<uint8_t>(v & 0xFF);
      block[2 * k + 1] = static_cast<uint8_t>(v >> 8);
    }
    if (!file.Write(block.data(), count * 2)) break;
  }
  return file.Publish() ? 1 : 0;
}

}  // namespace

int SoundIOSaveSamplerWav(const std::string& path, const std::string& name, int withSamplerChunk, int loopStart,
                          int loopEnd, int stereo, int length, const int16_t* data) {
  if (FileType(path) != FILETYPE_NONE) return 0;
  std::string target = TrimTrailingBlanks(path);
  if (target.size() < 4 || ToLower(target.substr(target.size() - 4)) != ".wav") target += ".wav";
  return WriteWav(target, name, withSamplerChunk != 0, loopStart, loopEnd, stereo, length, data);
}

int SoundIOSaveWav(const std::string& path, int stereo, int length, const int16_t* data) {
  if (FileType(path) != FILETYPE_NONE) return 0;
  return WriteWav(TrimTrailingBlanks(path) + ".wav", "", false, 0, 0, stereo, length, data);
}
