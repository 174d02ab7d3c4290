// The records of a CMI Series III voice file as the reader takes them from the file:
// the 256-byte voice header, the 4-byte sub-voice index entries and the 256-byte
// sub-voice headers; and the command-block records kept for completeness. Multi-byte
// numbers in the file are big-endian and are read byte by byte.
#pragma once
#include <cstdint>
#include <string>

class TStream;

// The voice header at the start of the file.
struct cmi3_vc_id_s {
  uint8_t version0;     // 3 for Series III
  uint8_t version1;     // 0 or 1
  uint8_t dummy1[14];
  uint8_t stereo;       // 0 mono, else stereo
  uint8_t dummy2;
  uint8_t psize0, psize1;  // size of the voice command block: 0 or 2048
  uint8_t fsize0, fsize1;  // bytes of function tables, 256 a table
  uint8_t funcsmax;
  uint8_t dummy4[233];

  int read(TStream& stream);  // 256 bytes; answers 0
};
static_assert(sizeof(cmi3_vc_id_s) == 256);

// One of the 64 sub-voice index entries after the voice header, with what the reader
// works out about the sub-voice it points to.
struct cmi3_sv_index_s {
  uint8_t start0 = 0, start1 = 0, start2 = 0;  // header position in units of 256 bytes
  uint8_t number = 0;                          // 0 an empty slot, 0xFF once rejected
  int sampleStart = 0;    // file position of the first channel's data
  int sampleLength = 0;   // bytes of one channel; -1 once rejected
  std::string name;
  int samplebStart = -1;  // file position of the second channel's data, -1 for mono

  int read(TStream& stream);  // 4 bytes; answers 0
};

// The header of one sub-voice.
struct cmi3_sv_id_s {
  uint8_t dummy1[16];
  uint8_t svforwave;   // bit 7: where the first channel's data lies
  uint8_t sasize;
  uint8_t size0, size1, size2, size3;
  uint8_t sarate0, sarate1, sarate2, sarate3;
  uint8_t crc0, crc1, crc2, crc3;
  uint8_t segment0, segment1;
  uint8_t dummy2;
  uint8_t bsvforwave;  // bit 7: where the second channel's data lies
  uint8_t bsize0, bsize1, bsize2, bsize3;
  uint8_t bcrc0, bcrc1, bcrc2, bcrc3;
  uint8_t name[16];
  uint8_t sname[16];
  uint8_t dummy3[182];

  int Read(TStream& stream);  // 256 bytes; answers 1
  uint32_t Size() const;      // size0..size3
  uint32_t BSize() const;     // bsize0..bsize3
};
static_assert(sizeof(cmi3_sv_id_s) == 256);

// The printable bytes (0x20..0x7F) of a fixed-length name field, others dropped.
std::string CMI3Name(const uint8_t* bytes, int length);

// Command-block records; nothing in the system reads a command block.
struct cmi3_mpcmdhead_s {
  uint8_t size0 = 0, size1 = 0, id = 0, sid = 0;
  int read(TStream& stream);  // 4 bytes; answers 0
};

struct cmi3_func_entry_s {
  uint8_t f[2] = {0, 0};
};

// Prints the controller's name, "CT " and the code for unnamed ones; answers 0.
int cmi3_printcontroller(int code);
