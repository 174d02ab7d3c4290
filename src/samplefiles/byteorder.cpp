// The readers of the sample files' multi-byte numbers: big-endian integers of AIFF and
// IFF, the unread marker name, and the three-byte integer of the "RLND" layout.
#include "platform/streams.h"
#include "samplefiles/soundio.h"

int TSoundIO::SampleReadLong(TStream& stream) { return ReadIntBE(stream); }

int TSoundIO::SampleReadShort(TStream& stream) { return ReadShortBE(stream); }

std::string TSoundIO::SampleReadPString(TStream& stream) {
  ReadString(stream, 4);
  return "";
}

int TSoundIO::SampleReadRlndInt(TStream& stream) {
  const int b0 = ReadByte(stream);
  const int b1 = ReadByte(stream);
  const int b2 = ReadByte(stream);
  ReadByte(stream);
  return b0 + b1 * 256 + b2 * 65536;
}
