// CMI voice files: Series I/II instrument files by size, the Series III header checks
// and their lines, the sub-voice scan (taken, rejected, "IGNORE REST", hostile
// positions and sizes), mono and stereo joining of big-endian data, the load endings
// of LoadCMITemp, and the command vocabulary.
#include <cstdint>
#include <string>
#include <vector>

#include "samplefiles/cmi3vocabulary.h"
#include "samplefiles/cmisoundio.h"
#include "sampletesting.h"

namespace {

// A Series III voice file laid out in memory, poked field by field.
class Voice3 {
 public:
  explicit Voice3(size_t size, int stereo = 0) : bytes(size, 0) {
    bytes[0] = 3;
    bytes[16] = static_cast<uint8_t>(stereo);
  }
  Voice3& header(int v0, int v1, int psize, int fsize = 0) {
    bytes[0] = static_cast<uint8_t>(v0);
    bytes[1] = static_cast<uint8_t>(v1);
    put(18, psize, 2);
    put(20, fsize, 2);
    return *this;
  }
  // Index entry n (1..64) pointing at the sub-voice header in 256-byte unit.
  Voice3& entry(int n, int unit, int number = 1) {
    const size_t at = 256 + 4 * static_cast<size_t>(n - 1);
    put(at, unit, 3);
    bytes[at + 3] = static_cast<uint8_t>(number);
    return *this;
  }
  Voice3& subvoice(int unit, const std::string& name, int64_t size, int64_t bsize = 0, int sv = 0, int bsv = 0) {
    const size_t at = static_cast<size_t>(unit) * 256;
    bytes[at + 16] = static_cast<uint8_t>(sv);
    put(at + 18, size, 4);
    bytes[at + 33] = static_cast<uint8_t>(bsv);
    put(at + 34, bsize, 4);
    for (size_t i = 0; i < name.size() && i < 16; ++i) bytes[at + 42 + i] = static_cast<uint8_t>(name[i]);
    return *this;
  }
  // Big-endian words at a file position.
  Voice3& words(size_t at, const std::vector<int16_t>& values) {
    for (size_t i = 0; i < values.size(); ++i) put(at + 2 * i, static_cast<uint16_t>(values[i]), 2);
    return *this;
  }
  Bytes file() const { return Bytes{bytes}; }

  std::vector<uint8_t> bytes;

 private:
  void put(size_t at, int64_t value, int count) {
    for (int i = count - 1; i >= 0; --i, value >>= 8) bytes[at + static_cast<size_t>(i)] = static_cast<uint8_t>(value & 0xFF);
  }
};

std::vector<int16_t> Ramp(int count, int from, int step) {
  std::vector<int16_t> values;
  for (int i = 0; i < count; ++i) values.push_back(static_cast<int16_t>(from + i * step));
  return values;
}

std::vector<int16_t> Join(std::vector<int16_t> a, const std::vector<int16_t>& b) {
  a.insert(a.end(), b.begin(), b.end());
  return a;
}

bool Has(const std::string& text, const std::string& line) { return text.find(line + "\n") != std::string::npos; }

class CMIVoiceFiles : public SampleFileTest {
 protected:
  TCMISoundIO io;
};

TEST_F(CMIVoiceFiles, SeriesIIInstrumentFilesAreBigEndianWords) {
  Bytes page3;
  page3.be16(0x1234).be16(-2 & 0xFFFF).fill(16380, 0);
  const std::string path = write("inst.vc", page3);
  const std::string lines = printed([&] { EXPECT_EQ(io.LoadAsCMIVC(path), 1); });
  EXPECT_TRUE(Has(lines, "CMI Series I/II/IIx instrument file (page 3)"));
  EXPECT_TRUE(Has(lines, "currload = 0 " + path));
  ASSERT_EQ(io.TempSample->length, 8192);
  EXPECT_EQ(Values(io.TempSample)[0], 0x1234);
  EXPECT_EQ(Values(io.TempSample)[1], -2);
  EXPECT_EQ(io.CurrLoad, 3);

  EXPECT_EQ(io.LoadAsCMIVC(write("tiny.vc", Bytes().u8(3).u8(0).u8(0))), 0);
}

TEST_F(CMIVoiceFiles, HeaderChecks) {
  struct Case {
    const char* name;
    Voice3 voice;
    const char* line;
  };
  const std::vector<Case> refused = {
      {"v2.vc", Voice3(1024).header(2, 0, 0), "  not CMI Series III"},
      {"b.vc", Voice3(1024).header(3, 2, 0), "version:  3 2"},
      {"p.vc", Voice3(1024, 1).header(3, 1, 0x0400), "incompatible voice mpcmds size"},
  };
  for (const Case& c : refused) {
    const std::string lines = printed([&] { EXPECT_EQ(io.voice3_info(write(c.name, c.voice.file()), 1024), -1); });
    EXPECT_TRUE(Has(lines, c.line)) << c.name;
  }
  EXPECT_EQ(printed([&] { EXPECT_EQ(io.voice3_info(folder / "none.vc", 1024), -1); }), "invalid stream\n");

  // A good header with functions and an empty index: an empty sample.
  const std::string lines = printed([&] {
    EXPECT_EQ(io.voice3_info(write("e.vc", Voice3(1024).header(3, 0, 2048, 0x300).file()), 1024), 1);
  });
  EXPECT_EQ(io.TempSample->length, 0);
  EXPECT_TRUE(Has(lines, "funcoff:  2816 (256 Bytes per table)"));
}

TEST_F(CMIVoiceFiles, MonoSubvoicesAreJoinedInIndexOrder) {
  // Headers at 512 and 4096; data 0x900 behind each: 1000 and 600 bytes.
  const std::vector<int16_t> first = Ramp(500, -250, 3), second = Ramp(300, 1000, -7);
  Voice3 voice(8000);
  voice.entry(1, 2).entry(2, 16).subvoice(2, "PIANO\x01 A", 1000).subvoice(16, "BELL", 600);
  voice.words(512 + 0x900, first).words(4096 + 0x900, second);
  const std::string lines = printed([&] { EXPECT_EQ(io.voice3_info(write("m.vc", voice.file()), 8000), 1); });

  EXPECT_EQ(Values(io.TempSample), Join(first, second));
  EXPECT_EQ(io.TempSample->format, TSoundIO::SF_MONO16);
  // The whole report; the name keeps only its printable bytes.
  EXPECT_EQ(lines,
            "CMI Series III voice file\n"
            "version:  3 0\n"
            "mode:     MONO\n"
            "funcs:    0\n"
            "funcsmax: 0\n"
            "subvoices: sv     start     sample     size        bit  rate      name\n" +
                std::string(74, '-') +
                "\ntotalSize = 8000\n"
                "name: PIANO A 0 1\n"
                "name: PIANO A  start: 2816 size: 1000 end: 3816\n"
                "name: BELL 0 2\n"
                "name: BELL  start: 6400 size: 600 end: 7000\n"
                "Total bytes of all samples is: 1600\n"
                "\n");
}

TEST_F(CMIVoiceFiles, ScanRejectsAndStops) {
  Voice3 voice(7000);
  voice.entry(1, 8)                 // taken: data at 4352
      .entry(2, 8)                  // the same start again: rejected
      .entry(3, 2)                  // data at 2816, before the previous: rejected
      .entry(4, 0xFFFFFF)           // header far beyond the file: rejected
      .entry(5, 27)                 // header closer than 256 bytes to the end: rejected
      .entry(6, 9)                  // size beyond the file: rejected
      .entry(7, 10)                 // ends at the end of the file: taken, "IGNORE REST"
      .entry(8, 12);                // after the stop: never read
  voice.subvoice(8, "A", 20).subvoice(2, "B", 20).subvoice(9, "C", 0xFFFFFFF0).subvoice(10, "D", 7000 - 2560 - 0x900);
  voice.subvoice(12, "E", 20);
  voice.words(8 * 256 + 0x900, Ramp(10, 1, 1));
  voice.words(10 * 256 + 0x900, Ramp(68, -100, 2));
  const std::string lines = printed([&] { EXPECT_EQ(io.voice3_info(write("r.vc", voice.file()), 7000), 1); });

  // D's 2136 bytes: the ramp, then zeros.
  EXPECT_EQ(Values(io.TempSample), Join(Ramp(10, 1, 1), Join(Ramp(68, -100, 2), std::vector<int16_t>(1000, 0))));
  EXPECT_TRUE(Has(lines, "IGNORE REST"));
  EXPECT_FALSE(Has(lines, "name: E 0 8"));
}

TEST_F(CMIVoiceFiles, StereoChannelsFollowTheirPositionBits) {
  // First channel behind the size (bit 7 set), second at the header's own data.
  const std::vector<int16_t> left = Ramp(200, 7, 5), right = Ramp(200, -9, -4);
  Voice3 voice(6000, 1);
  voice.entry(1, 2).subvoice(2, "STR", 400, 400, 0x85, 0x00);
  voice.words(512 + 400 + 0x900, left).words(512 + 0x900, right);
  const std::string lines = printed([&] { EXPECT_EQ(io.voice3_info(write("s.vc", voice.file()), 6000), 1); });

  ASSERT_EQ(io.TempSample->format, TSoundIO::SF_STEREO16);
  ASSERT_EQ(io.TempSample->length, 200);
  const std::vector<int16_t> v = Values(io.TempSample);
  for (int i = 0; i < 200; ++i) {
    EXPECT_EQ(v[2 * i], left[i]);
    EXPECT_EQ(v[2 * i + 1], right[i]);
  }
  EXPECT_TRUE(Has(lines, "name: STR  Lstart: 3216  Rstart: 2816 size: 400 end: 4016"));
}

TEST_F(CMIVoiceFiles, HostileLayoutsGiveEmptySamples) {
  // A stereo second channel behind the first (bit 7) running past the end, and an
  // index cut short by the file's end.
  Voice3 stereo(3400, 1);
  stereo.entry(1, 2).subvoice(2, "X", 400, 400, 0x00, 0x80);
  printed([&] { EXPECT_EQ(io.voice3_info(write("x.vc", stereo.file()), 3400), 1); });
  EXPECT_EQ(io.TempSample->length, 0);
  printed([&] { EXPECT_EQ(io.voice3_info(write("t.vc", Voice3(300).file()), 300), 1); });
  EXPECT_EQ(io.TempSample->length, 0);
}

TEST_F(CMIVoiceFiles, LoadCMITempEndings) {
  Voice3 voice(4000);
  voice.entry(1, 2).subvoice(2, "A", 100).words(512 + 0x900, Ramp(50, 1, 1));
  const std::string good = write("good.vc", voice.file());
  const std::string lines = printed([&] { EXPECT_EQ(io.LoadCMITemp(good), 1); });
  EXPECT_EQ(lines.substr(0, lines.find("version:")),
            "currload = 0 " + good + "\nCMI Series III voice file\nCMI Series III voice file\n");
  EXPECT_EQ(io.GotSound, 1);
  EXPECT_EQ(io.CurrBits, 16);
  // The loaded path is not read again.
  EXPECT_EQ(printed([&] { EXPECT_EQ(io.LoadAsCMIVC(good), 1); }), "");

  // A failure clears the shown sample (1), a second one changes nothing (0).
  const std::string bad = write("bad.vc", Voice3(1024).header(9, 0, 0).file());
  printed([&] {
    EXPECT_EQ(io.LoadCMITemp(bad), 1);
    EXPECT_EQ(io.LoadCMITemp(bad), 0);
  });
  EXPECT_EQ(io.GotSound, 0);

  // After a failed load the path shown before is read again, not answered from memory.
  printed([&] { EXPECT_EQ(io.LoadCMITemp(good), 1); });
  EXPECT_EQ(io.LoadCMITemp(folder / "missing.usr"), 1);
  printed([&] { EXPECT_EQ(io.LoadCMITemp(good), 1); });
  EXPECT_EQ(io.GotSound, 1);
  EXPECT_EQ(Values(io.TempSample), Ramp(50, 1, 1));

  // A voice of no frames is a failed load.
  const std::string empty = write("empty.vc", Voice3(1024).file());
  printed([&] { EXPECT_EQ(io.LoadCMITemp(empty), 1); });
  EXPECT_EQ(io.GotSound, 0);
  EXPECT_EQ(io.PlayTemp(1.0f), 0);
}

TEST_F(CMIVoiceFiles, OtherExtensionsGoToLoadTemp) {
  const std::string raw = write("a.usr", Bytes().le16(4).le16(5));
  printed([&] { EXPECT_EQ(io.LoadCMITemp(raw), 1); });
  EXPECT_EQ(Values(io.TempSample), (std::vector<int16_t>{4, 5}));
  EXPECT_EQ(io.CurrLoad, 2);
}

TEST(CMIVocabulary, ControllerNames) {
  testing::internal::CaptureStdout();
  for (int code : {0x70, 0x71, 0x72, 0x73, 0x74, 0x75, 0x7D, 0x7C}) EXPECT_EQ(cmi3_printcontroller(code), 0);
  EXPECT_EQ(testing::internal::GetCapturedStdout(),
            "KEY NUM\nKEY VEL\nKEY PRESS\nCONTROLLER PRESS\nCT 116\nKEY RELEASE\nTIME\nCT 124\n");
}

// Each list as "number name" items joined by "|", up to and with its terminator; an
// effect name must fill its 21 columns, blanks and all.
template <class List, class Item>
std::string Listed(const List& list, Item item) {
  std::string text;
  for (const auto& entry : list) {
    text += item(entry) + "|";
    if (entry.name.empty()) break;
  }
  return text;
}

std::string Effects(const std::array<cmi3_mpcmdeffect_s, kCMI3EffectSlots>& list) {
  std::string text = Listed(list, [](const cmi3_mpcmdeffect_s& e) {
    std::string name = e.name;
    if (!name.empty() && name.size() != 21) return std::string("unpadded " + name);
    while (!name.empty() && name.back() == ' ') name.pop_back();
    return std::to_string(e.nType) + " " + name;
  });
  // The slots after the terminator stay empty.
  int filled = 0;
  for (const cmi3_mpcmdeffect_s& e : list) filled += e.nType != 0 || !e.name.empty();
  return text + std::to_string(filled);
}

TEST(CMIVocabulary, Lists) {
  EXPECT_EQ(Listed(cmi3_mpcmdid_list(),
                   [](const cmi3_mpcmdid_s& c) {
                     return std::to_string(c.id) + " " + std::to_string(c.nType) + " " + c.name;
                   }),
            "1 518 voice effect|3 256 wave|4 256 create|5 256 current|6 8 subvoice map|7 257 name|8 257 load|"
            "9 519 subvoice effect|10 260 tune|11 256 reset|13 3 subvoice loop A-side|14 256 delete|15 5 nphony|"
            "16 9 channel mask|17 256 swap|18 3 subvoice loop B-side|19 256 save|20 256 update|22 256 swap|"
            "33 2 MIDI out map|34 2 MIDI in map|35 5 CC command|36 5 copy subvoice|37 256 get name|"
            "38 256 match name|39 5 load CC prog|40 5 channel mask|41 5 path|42 5 disk recorder CC mask|43 5 sync|"
            "44 10 MIDI control map|45 5 channel levels|-1 -1 |");
  EXPECT_EQ(Listed(cmi3_mpcmdentity_list(),
                   [](const cmi3_mpcmdentity_s& e) { return std::to_string(e.sid) + " " + e.name; }),
            "1 instrument|2 voice|3 subvoice|4 system|5 system w/o voices|6 function|7 stereo voice|"
            "8 subvoice names|9 default voice|10 default subvoice|11 CC page|12 function index|14 external voice|"
            "15 keyboard split|16 current|17 system with any voices|-1 |");
  EXPECT_EQ(Effects(cmi3_mpcmdvceffect_list()),
            "1 vibrato rate|2 vibrato depth|3 vibrato delay|4 vibrato attack|5 attack|9 level|10 release|"
            "14 resonance|15 filter0|18 tremolo rate|19 tremolo depth|20 tremolo delay|21 tremolo attack|"
            "22 pitch bend|24 tuning(oct,st,fine)|25 filter|30 kbd map switch|31 vibrato switch|"
            "32 tremolo switch|34 level2|35 tuning(pu)|36 filter2|37 portamento|38 balance|39 portamento switch|"
            "40 glissando switch|41 rate/time switch|-1 |28");
  EXPECT_EQ(Effects(cmi3_mpcmdsveffect_list()),
            "5 fast attack|6 hold time|7 decay|8 sustain level|9 level|10 fast release|11 key level|"
            "12 key attack|13 key release|14 resonance|15 filter0|16 slow attack|17 slow release|23 loop decay|"
            "24 tuning(oct,st,fine)|25 filter|26 linear attack switch|27 attack switch|28 release switch|"
            "29 loop switch|33 slur switch|42 release loop switch|43 alternate loop switch|-1 |24");
  std::string patches;
  for (const cmi3_mpcmdpatch_s& p : cmi3_mpcmdpatch_list())
    patches += std::to_string(p.nType) + "," + std::to_string(p.size) + " ";
  EXPECT_EQ(patches, "1,1 2,3 3,3 4,2 ");
}

}  // namespace
