// The voice module's globals and its start-up.
#include "voice/voiceglobals.h"

#include "voice/beatslice.h"
#include "voice/harmonicsource.h"
#include "voice/note.h"

std::shared_ptr<TSound> gSoundCopy;
std::shared_ptr<TVoiceData> gSoundData;
std::shared_ptr<TVoiceData> gSoundDataCopyBuffer;
std::shared_ptr<TSound> gSoundCopyBuffer;
std::string gSoundCopyName;
std::string gSoundCopyAlias;
std::string gSoundCopyFolder;
int gSoundCopyVoiceType = 0;
int gSoundCopyVoiceTables = 0;
int gSoundCopyLoopStart = 0;
int gSoundCopyLoopEnd = 0;
float gSoundCopyVolume = 0.0f;
float gSoundCopyTuning = 0.0f;
float gSoundCopyRoot = 0.0f;
float gSoundCopyTracking = 0.0f;
float gSoundCopyPan = 0.0f;
float gSoundCopyDly = 0.0f;
std::shared_ptr<TNote> note;
std::shared_ptr<THarmonicSource> HarmonicSource;
int LFOHasBeenSetup = 0;
std::string LFOName;
std::string EnvelopeName;
std::string RotorName;
int CurrentSongLocked = 0;
int voiceChanged = 0;
int PrefCreateGroupDir = 1;
std::array<int, kMode1Steps> Mode1Envelopes{};
int Mode1ShowingPosition = 1;
std::array<float, kVoiceNames> voiceDirectVolume{};
std::array<std::string, kVoiceNames> voiceDirectName{};

int InitVoiceModule() {
  static bool started = false;
  if (started) return 0;
  started = true;
  InitBeatSlices();
  gSoundData = std::make_shared<TVoiceData>();
  gSoundDataCopyBuffer = std::make_shared<TVoiceData>();
  HarmonicSource = std::make_shared<THarmonicSource>();
  note = std::make_shared<TNote>();
  // Untracked voices play at the table's rates: it must be filled before any note.
  note->Init();
  LFOName = "LFO";
  EnvelopeName = "DADSR";
  RotorName = "ROTOR";
  Mode1Envelopes.fill(0);
  voiceDirectVolume.fill(0.0f);
  for (std::string& name : voiceDirectName) name.clear();
  return 0;
}
