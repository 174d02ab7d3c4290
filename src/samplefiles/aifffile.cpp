// LoadAif: the AIFF and AIFC reader. It reads until it has seen the form, version,
// common and sound chunks; only 16-bit data of one or two channels is decoded. AIFF
// data is big-endian; AIFC data follows its compression type: "NONE" and "twos" are
// big-endian, "sowt" little-endian, and any other type is not decoded.
#include <cstdint>

#include "platform/print.h"
#include "platform/streams.h"
#include "samplefiles/chunkwalk.h"
#include "samplefiles/soundio.h"

namespace {

// Bytes of an AIFF "COMM" body; an AIFC one goes on with the compression type.
constexpr uint32_t kCommonBytes = 18;

// The data's byte order for an AIFC compression type: 0 big-endian, 1 little-endian,
// -1 a type whose data is not plain 16-bit PCM.
int AifcByteOrder(const std::string& compression) {
  if (compression == "NONE" || compression == "twos") return 0;
  if (compression == "sowt") return 1;
  return -1;
}

}  // namespace

int TSoundIO::LoadAif(const std::string& path) {
  std::unique_ptr<TStream> stream = ReadStream(path);
  if (!stream) return 0;
  const int result = ReadAif(*stream);
  CloseStream(*stream);
  return result;
}

int TSoundIO::ReadAif(TStream& stream) {
  if (ReadString(stream, 4) != "FORM") return 0;
  SeekStream(stream, 0);

  bool form = false, version = false, common = false, sound = false;
  bool aifc = false;
  std::string compression = "NONE";  // an AIFF file, or an AIFC "COMM" without a type
  int channels = 0;
  int frames = 0;
  int bits = 0;
  int result = 0;
  std::string id;
  while (!(form && version && common && sound)) {
    if (!ReadChunkId(stream, id)) {
      Print("error");
      return -1;
    }
    const uint32_t size = static_cast<uint32_t>(SampleReadLong(stream));
    const int64_t body = StreamPos(stream);
    if (id == "FORM") {
      // The chunks inside the form follow its type.
      const std::string type = ReadString(stream, 4);
      if (type == "AIFC") {
        aifc = true;
        form = true;
      } else if (type == "AIFF") {
        aifc = false;
        form = true;
        version = true;
      }
    } else if (id == "COMM") {
      common = true;
      channels = SampleReadShort(stream);
      frames = SampleReadLong(stream);
      bits = SampleReadShort(stream);
      SampleReadShort(stream);  // first bytes of the 80-bit rate: every sample is made at 44100 Hz
      CurrBits = bits;
      if (aifc && size >= kCommonBytes + 4) {
        SeekStream(stream, body + kCommonBytes);
        compression = ReadString(stream, 4);
      }
      SkipChunk(stream, body, size);
    } else if (id == "SSND") {
      sound = true;
      const int littleEndian = aifc ? AifcByteOrder(compression) : 0;
      if (littleEndian < 0) {
        Print("aifc compression not decoded: " + compression);
      } else if (bits == 16 && (channels == 1 || channels == 2)) {
        const uint32_t offset = static_cast<uint32_t>(SampleReadLong(stream));
        SampleReadLong(stream);  // block size
        const int64_t bytes = static_cast<int64_t>(size) - 8 - offset;
        if (bytes >= 0 && bytes <= INT32_MAX) {
          SeekStream(stream, StreamPos(stream) + offset);
          result = LoadAifData(std::string(), stream, frames, static_cast<int>(bytes), channels, littleEndian);
        }
      }
      SkipChunk(stream, body, size);
    } else {
      if (id == "FVER") version = true;
      SkipChunk(stream, body, size);
    }
  }
  return result;
}
