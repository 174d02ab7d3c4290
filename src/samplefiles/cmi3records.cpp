// Reading the CMI Series III records from a stream, and the controller names.
#include "samplefiles/cmi3records.h"

#include "platform/print.h"
#include "platform/streams.h"

namespace {
uint32_t BigEndian(uint8_t b0, uint8_t b1, uint8_t b2, uint8_t b3) {
  return (uint32_t{b0} << 24) | (uint32_t{b1} << 16) | (uint32_t{b2} << 8) | b3;
}
}  // namespace

int cmi3_vc_id_s::read(TStream& stream) {
  ReadBytes(stream, this, sizeof(*this));
  return 0;
}

int cmi3_sv_index_s::read(TStream& stream) {
  uint8_t bytes[4];
  ReadBytes(stream, bytes, 4);
  start0 = bytes[0];
  start1 = bytes[1];
  start2 = bytes[2];
  number = bytes[3];
  return 0;
}

int cmi3_sv_id_s::Read(TStream& stream) {
  ReadBytes(stream, this, sizeof(*this));
  return 1;
}

uint32_t cmi3_sv_id_s::Size() const { return BigEndian(size0, size1, size2, size3); }
uint32_t cmi3_sv_id_s::BSize() const { return BigEndian(bsize0, bsize1, bsize2, bsize3); }

std::string CMI3Name(const uint8_t* bytes, int length) {
  std::string name;
  for (int i = 0; i < length; ++i)
    if (bytes[i] >= 0x20 && bytes[i] <= 0x7F) name += static_cast<char>(bytes[i]);
  return name;
}

int cmi3_mpcmdhead_s::read(TStream& stream) {
  uint8_t bytes[4];
  ReadBytes(stream, bytes, 4);
  size0 = bytes[0];
  size1 = bytes[1];
  id = bytes[2];
  sid = bytes[3];
  return 0;
}

int cmi3_printcontroller(int code) {
  switch (code) {
    case 0x70: Print("KEY NUM"); break;
    case 0x71: Print("KEY VEL"); break;
    case 0x72: Print("KEY PRESS"); break;
    case 0x73: Print("CONTROLLER PRESS"); break;
    case 0x75: Print("KEY RELEASE"); break;
    case 0x7D: Print("TIME"); break;
    default: Print("CT " + std::to_string(code)); break;
  }
  return 0;
}
