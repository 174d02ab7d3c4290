// TSoundSystem: a bank of 150 numbered sample players behind one volume and one mute
// flag. A slot is made by its first VoiceLoad; a new bank is muted.
#pragma once
#include <array>
#include <memory>
#include <string>

class TSoundIO;

class TSoundSystem {
 public:
  static constexpr int MAX_VOICES = 150;

  TSoundSystem();
  virtual ~TSoundSystem();
  TSoundSystem(const TSoundSystem&) = delete;
  TSoundSystem& operator=(const TSoundSystem&) = delete;

  float volume = 1.0f;  // above 0, at most 1; multiplies every play volume
  int mute = 1;         // 1: nothing plays and Playing reports 0
  std::array<std::unique_ptr<TSoundIO>, MAX_VOICES> SoundIO;

  // Empty slots and indices outside 0..149 are ignored (Playing reports 0).
  virtual int Play(int slot, float rate, float volume, float pan);
  virtual int Playing(int slot);
  virtual int PlayAll(int slot, float rate, float volume, float pan);
  virtual int SetMute(int flag);
  virtual int SetVolume(float v);
  virtual int VoiceLoad(int slot, const std::string& path);
};
