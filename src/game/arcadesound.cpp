// TSoundSystem: the game's sound bank of 150 sample players with one volume and one
// mute flag.
#include "game/arcadesound.h"

#include "platform/files.h"
#include "platform/print.h"
#include "samplefiles/cmidisk.h"
#include "samplefiles/soundio.h"

namespace {

bool InBank(int slot) { return slot >= 0 && slot < TSoundSystem::MAX_VOICES; }

}  // namespace

TSoundSystem::TSoundSystem() = default;
TSoundSystem::~TSoundSystem() = default;

int TSoundSystem::Play(int slot, float rate, float vol, float pan) {
  if (mute != 0 || !InBank(slot) || !SoundIO[slot]) return 0;
  SoundIO[slot]->PlayTempVolPan(rate, vol * volume, pan);
  return 0;
}

int TSoundSystem::Playing(int slot) {
  if (mute != 0 || !InBank(slot) || !SoundIO[slot]) return 0;
  return SoundIO[slot]->Playing() != 0 ? 1 : 0;
}

int TSoundSystem::PlayAll(int slot, float rate, float vol, float pan) {
  if (mute != 0 || !InBank(slot) || !SoundIO[slot]) return 0;
  if (Playing(slot) != 0) return 0;
  Play(slot, rate, vol, pan);
  return 1;
}

int TSoundSystem::SetMute(int flag) {
  mute = flag != 0 ? 1 : 0;
  return 0;
}

int TSoundSystem::SetVolume(float v) {
  // Zero, negative and NaN mute and keep the old level for a later unmute.
  if (v > 0.0f) {
    volume = v > 1.0f ? 1.0f : v;
    SetMute(0);
  } else {
    SetMute(1);
  }
  return 0;
}

int TSoundSystem::VoiceLoad(int slot, const std::string& path) {
  if (!InBank(slot)) return 0;
  if (!SoundIO[slot]) {
    SoundIO[slot] = std::make_unique<TSoundIO>();
    SetMute(0);
  }
  if (path.empty()) return 0;
  const int type = FileType(path);
  // Read from the file system, not from an open disk image.
  CMIDisk = "";
  if (type == FILETYPE_DIR) return 0;
  if (type == FILETYPE_NONE) {
    Print("File " + path + " invalid");
    return 0;
  }
  TSoundIO& player = *SoundIO[slot];
  player.ResetTempData();
  player.LoadTemp(path);
  if (player.GotSound == 0) Print("Cant load Sound: " + path);
  return 0;
}
