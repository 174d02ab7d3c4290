// The voice module's file-level globals (clip, sub-voice clipboard, control
// snapshots, shared note table and harmonic sources, per-voice names and volumes,
// preset names, switches) and InitVoiceModule, the module's one start-up, which
// main.cpp calls. Nothing here is set up by a static initialiser.
#pragma once
#include <array>
#include <memory>
#include <string>

#include "audio/sound.h"
#include "voice/voicedata.h"

class TNote;
class THarmonicSource;

inline constexpr int kVoiceNames = 33;
inline constexpr int kMode1Steps = 128;

// Effect clip: filled by effects 21-23 (a range) and -5..-7 (the whole sound).
extern std::shared_ptr<TSound> gSoundCopy;
// Controls kept across an effect; clipboard of matrix, envelope, rotor and LFO settings.
extern std::shared_ptr<TVoiceData> gSoundData;
extern std::shared_ptr<TVoiceData> gSoundDataCopyBuffer;

// Sub-voice clipboard.
extern std::shared_ptr<TSound> gSoundCopyBuffer;
extern std::string gSoundCopyName;
extern std::string gSoundCopyAlias;
extern std::string gSoundCopyFolder;
extern int gSoundCopyVoiceType;
extern int gSoundCopyVoiceTables;
extern int gSoundCopyLoopStart;
extern int gSoundCopyLoopEnd;
extern float gSoundCopyVolume;
extern float gSoundCopyTuning;
extern float gSoundCopyRoot;
extern float gSoundCopyTracking;
extern float gSoundCopyPan;
extern float gSoundCopyDly;

// Shared note table (filled at start-up) and the harmonic source waveforms
// (created, Init not called).
extern std::shared_ptr<TNote> note;
extern std::shared_ptr<THarmonicSource> HarmonicSource;

extern int LFOHasBeenSetup;
extern std::string LFOName;       // "LFO"
extern std::string EnvelopeName;  // "DADSR"
extern std::string RotorName;     // "ROTOR"
extern int CurrentSongLocked;
extern int voiceChanged;
extern int PrefCreateGroupDir;  // 1
extern std::array<int, kMode1Steps> Mode1Envelopes;
extern int Mode1ShowingPosition;  // 1
// Per voice; voiceDirectName holds voice v's name at entry v - 1.
extern std::array<float, kVoiceNames> voiceDirectVolume;
extern std::array<std::string, kVoiceNames> voiceDirectName;

// Starts the voice module once (a second call returns at once): starts the beat-slice
// store, makes the snapshots, the harmonic sources and the note table, fills the note
// table, and gives every global its start value.
// Returns 0.
int InitVoiceModule();
