// Fixture of the playback, pool, export and modulation tests: the test mixer driver,
// a voice bank after Init with its preset files in a temporary support folder, the
// note table filled, and helpers to fill slots and read written files back.
#pragma once
#include <gtest/gtest.h>

#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <memory>
#include <string>
#include <vector>

#include "audio/drivertest.h"
#include "framework/appfunctions.h"
#include "voice/note.h"
#include "voice/voiceglobals.h"
#include "voice/voices.h"

class BankTest : public DriverTest {
 protected:
  void SetUp() override {
    DriverTest::SetUp();
    std::string pattern = (std::filesystem::temp_directory_path() / "quillon-bank-XXXXXX").string();
    ASSERT_NE(mkdtemp(pattern.data()), nullptr);
    dir = pattern;
    savedSupport = App_SupportDir;
    App_SupportDir = dir + "/support/";
    std::filesystem::create_directories(App_SupportDir);
    InitVoiceModule();
    note->Init();
    voiceChanged = 0;
    CurrentSongLocked = 0;
    PrefCreateGroupDir = 1;
    bank = std::make_unique<TVoices>();
    bank->Init();
  }

  void TearDown() override {
    bank.reset();
    App_SupportDir = savedSupport;
    std::error_code ignored;
    std::filesystem::remove_all(dir, ignored);
    DriverTest::TearDown();
  }

  // Transfers the values (interleaved when stereo) into slot (v, s); the result.
  int put(int v, int s, const std::vector<int16_t>& values, int channels = 1, int loopStart = 0, int loopEnd = 0,
          const std::string& alias = "Alias") {
    return bank->TransferToVoice(v, s, record(values, channels), "/samples/", "file.wav", alias, channels, loopStart,
                                 loopEnd);
  }

  TVoice& voice(int v, int s) { return *bank->SlotVoice(v, s); }

  static std::vector<uint8_t> bytes(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return std::vector<uint8_t>(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
  }
  static int32_t int32At(const std::vector<uint8_t>& b, size_t at) {
    if (at + 4 > b.size()) return INT32_MIN;
    return static_cast<int32_t>(b[at] | (b[at + 1] << 8) | (b[at + 2] << 16) | (static_cast<uint32_t>(b[at + 3]) << 24));
  }
  static int16_t int16At(const std::vector<uint8_t>& b, size_t at) {
    if (at + 2 > b.size()) return INT16_MIN;
    return static_cast<int16_t>(b[at] | (b[at + 1] << 8));
  }
  static std::string textAt(const std::vector<uint8_t>& b, size_t at, size_t count) {
    if (at + count > b.size()) return "";
    return std::string(b.begin() + static_cast<std::ptrdiff_t>(at), b.begin() + static_cast<std::ptrdiff_t>(at + count));
  }

  std::string dir;
  std::string savedSupport;
  std::unique_ptr<TVoices> bank;
};
