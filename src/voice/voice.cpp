// TVoice life cycle: construction, Init, ResetVoice (settings back to their defaults,
// sound and owned objects kept) and ResetData (overview cleared).
#include "voice/voice.h"


TVoice::TVoice()
    : UndoSoundData(std::make_shared<TVoiceData>()),
      RedoSoundData(std::make_shared<TVoiceData>()) {}

TVoice::~TVoice() = default;

int TVoice::Init() {
  ResetVoice();
  return 0;
}

int TVoice::ResetData() {
  data.fill(0.0f);
  GotSound = 0;
  CurrChannel = 0;
  CurrBits = BITS_8;
  return 0;
}

int TVoice::ResetVoice() {
  ResetData();
  ResetSettings();
  return 0;
}

// Every field from VoiceType to loaded except the overview, the sound, the harmonic
// tables, the effect filter and the undo/redo objects.
void TVoice::ResetSettings() {
  VoiceType = kOneShot;
  OldVoiceType = kOneShot;
  VoiceTable = kWaves128;
  SampleModified = 0;
  ControlModified = 0;
  Segment = 0;
  SegmentLength = 128;
  dir.clear();
  Name.clear();
  strAlias.clear();
  CurrDisplay = 10;
  CurrSegment = 0;
  SegmentSize = 128;
  SegmentStep = 1;
  GotSound = 0;
  WindowStart = 0;
  WindowEnd = -1;
  EditWindowStart = 0;
  EditWindowEnd = -1;
  HighlightStart = 0;
  HighlightEnd = -1;
  LoopStart = 0;
  LoopEnd = -1;
  LoopXFade = 0;
  Mouse3dX = 180;
  Mouse3dY = 0;
  Spacing3d = 1.0f;
  ActiveLFO = 0;
  ActiveEnvelope = 0;
  mixvolume = 0.7f;
  KeyboardTracking = 1;
  MixPan = 0.0f;
  MixMute = 0;
  MixSolo = 0;
  DrumVolume = 0.7f;
  DrumPan = 0.0f;
  DrumNote = 45;
  MixStartDelay = 0;
  RealMixVolume = 0.0f;
  CanRedo = 0;
  CanUndo = 0;
  MarkA = -1;
  MarkB = -1;
  loaded = 0;
}

int TVoice::SoundLength() const { return Sound ? Sound->GetAudioSampleLength() : 0; }
