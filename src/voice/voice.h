// TVoice: one pooled voice of the bank: its sound, a pointer to the 16-bit sample
// data, the 512-point overview, the window, highlight, loop and mark positions, the
// mixer and drum settings, harmonic tables and effect filter made on first use, and
// one level each of undo and redo. A voice owns no channel: the bank passes the
// slot's channel in.
#pragma once
#include <array>
#include <cstdint>
#include <memory>
#include <string>

#include "audio/audiosample.h"
#include "audio/channel.h"
#include "audio/sound.h"
#include "voice/voicedata.h"
#include "voice/voicetypes.h"

class TAllHarmonics;
class TFilter;

class TVoice {
 public:
  static constexpr int SOUND_UNKNOWN = 0;
  static constexpr int SOUND_MONO = 1;
  static constexpr int SOUND_STEREO = 2;
  static constexpr int BITS_8 = 8;
  static constexpr int BITS_16 = 16;
  static constexpr int BITS_24 = 24;
  static constexpr int BITS_32 = 32;
  static constexpr int kOverviewPoints = 512;

  TVoice();
  virtual ~TVoice();

  // Life cycle and sound (voice.cpp, voicesound.cpp)
  virtual int Init();
  virtual int ResetVoice();
  virtual int ResetData();
  virtual int SoundFromSample(const std::shared_ptr<TAudioSample>& sample);
  // 1 when a sound was made from the sample, else 0; the names are stored either way.
  virtual int Transfer(const std::shared_ptr<TAudioSample>& sample, const std::string& folder,
                       const std::string& name, const std::string& alias, int flag);
  // The voice's sound becomes a copy of the source; answers 0. Without a source, or
  // when the copy fails, the voice keeps its sound.
  virtual int CreateFromSound(const std::shared_ptr<TSound>& source);
  virtual int SetLoop();
  virtual int FillData();
  virtual int RefillData(int channels, int length, int16_t* samples);

  // Playback on the slot's channel (voiceplay.cpp)
  virtual int Stop(const std::shared_ptr<TChannel>& channel);
  virtual int Play(const std::shared_ptr<TChannel>& channel, float trackedRate, float fixedRate,
                   float volume, int flag);
  virtual int PlayPart(const std::shared_ptr<TChannel>& channel, float trackedRate,
                       float fixedRate, int start, int end);

  // Harmonic tables, made on first use (voiceharmonics.cpp)
  virtual float GetHarmonic(int table, int harmonic, int param);
  virtual float SetHarmonic(int table, int harmonic, int param, float value);

  // Destructive effects (voice effects helper)
  virtual int DoFilter(int start, int end, int amount, int effect);

  // Control snapshots (voicecontrols.cpp)
  virtual int CopyControlData(const std::shared_ptr<TSound>& sound,
                              const std::shared_ptr<TVoiceData>& data, const std::string& tag);
  virtual int PasteControlData(const std::shared_ptr<TVoiceData>& data,
                               const std::shared_ptr<TSound>& sound, const std::string& tag);

  // Undo and redo (voiceundo.cpp)
  virtual int SetUndo();
  virtual int SetRedo();
  virtual int Undo();
  virtual int Redo();

  // Length of the sound in frames, 0 without one.
  int SoundLength() const;
  // A copy of the sound that is a sound of its own, or nullptr (logged) when the copy
  // failed: a sound that cannot copy itself answers itself.
  static std::shared_ptr<TSound> SeparateCopy(const std::shared_ptr<TSound>& sound);

  std::shared_ptr<TAllHarmonics> Harmonics;
  int16_t* SamplePtr = nullptr;
  std::shared_ptr<TSound> Sound;
  int VoiceType = kOneShot;
  int OldVoiceType = kOneShot;
  int VoiceTable = kWaves128;
  int SampleModified = 0;
  int ControlModified = 0;
  int Segment = 0;
  int SegmentLength = 128;
  std::string dir;
  std::string Name;
  std::string strAlias;
  std::array<float, kOverviewPoints> data{};
  int CurrChannel = 0;
  int CurrBits = BITS_8;
  int CurrDisplay = 10;
  int CurrSegment = 0;
  int SegmentSize = 128;
  int SegmentStep = 1;
  int GotSound = 0;
  int WindowStart = 0;
  int WindowEnd = -1;
  int EditWindowStart = 0;
  int EditWindowEnd = -1;
  int HighlightStart = 0;
  int HighlightEnd = -1;
  int LoopStart = 0;
  int LoopEnd = -1;
  int LoopXFade = 0;
  int Mouse3dX = 180;
  int Mouse3dY = 0;
  float Spacing3d = 1.0f;
  int ActiveLFO = 0;
  int ActiveEnvelope = 0;
  float mixvolume = 0.7f;
  int KeyboardTracking = 1;
  float MixPan = 0.0f;
  int MixMute = 0;
  int MixSolo = 0;
  float DrumVolume = 0.7f;
  float DrumPan = 0.0f;
  int DrumNote = 45;
  int MixStartDelay = 0;
  float RealMixVolume = 0.0f;
  std::shared_ptr<TFilter> EffectFilter;
  std::shared_ptr<TSound> UndoSound;
  std::shared_ptr<TVoiceData> UndoSoundData;
  std::shared_ptr<TSound> RedoSound;
  std::shared_ptr<TVoiceData> RedoSoundData;
  int CanRedo = 0;
  int CanUndo = 0;
  int MarkA = -1;
  int MarkB = -1;
  int loaded = 0;

 private:
  void ResetSettings();
};
