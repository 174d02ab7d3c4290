// The Series I/II CMI voice descriptor: a layout of 0x1500 bytes whose field names give
// their byte offsets. The disk-image reader takes a voice's loop points from it.
#pragma once
#include <cstddef>
#include <cstdint>

struct cmi_loop1seg_s {
  uint8_t dummy0, dummy1, dummy2;
  uint8_t nr;  // 3
  uint8_t dummy4, dummy5, dummy6, dummy7, dummy8, dummy9, dummya;
  uint8_t slp;  // 0xB
  uint8_t dummyc, dummyd, dummye, dummyf;
};
static_assert(sizeof(cmi_loop1seg_s) == 16);

struct cmi_vc_des_s {
  uint8_t mode;
  uint8_t version;
  uint8_t dummy2[0x7E];  // bytes 2..0x7F
  uint8_t dummy80, dummy81, dummy82;
  uint8_t mode2;
  uint8_t dummy84, dummy85, dummy86, dummy87;
  uint8_t dummy88[24];
  uint8_t name[8];
  uint8_t dummya8[88];
  uint8_t dummy100[4096];
  cmi_loop1seg_s loop1seg[33];
  uint8_t dummy1310[32];
  uint8_t dummy1330, dummy1331;
  uint8_t swav;  // loop start, in units of 128 frames
  uint8_t ewav;  // loop end, in units of 128 frames
  uint8_t mwav;
  uint8_t dummy1335, dummy1336, dummy1337, dummy1338, dummy1339, dummy133a;
  uint8_t lflg;
  uint8_t dummy133c, dummy133d, dummy133e, dummy133f;
  uint8_t dummy1340[192];
  uint8_t dummy1400[208];
  uint8_t dummy14d0[48];
};
static_assert(sizeof(cmi_vc_des_s) == 0x1500);
static_assert(offsetof(cmi_vc_des_s, name) == 0xA0);
static_assert(offsetof(cmi_vc_des_s, loop1seg) == 0x1100);
static_assert(offsetof(cmi_vc_des_s, swav) == 0x1332);
static_assert(offsetof(cmi_vc_des_s, lflg) == 0x133B);
static_assert(offsetof(cmi_vc_des_s, dummy14d0) == 0x14D0);
