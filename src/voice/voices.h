// TVoices: the voice bank, 33 voices by 33 sub-voices. Each slot (v, s) names a
// pooled TVoice through Voc (-1 = empty) and owns a channel, nine effect-send levels,
// a root note and a 120-key map. The bank also holds the per-voice solo choice, the
// three preset libraries and the send-level clipboard. Its operations are spread over
// the voice files by area; each file says which it holds.
#pragma once
#include <array>
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "audio/audiosample.h"
#include "audio/channel.h"
#include "audio/sound.h"
#include "voice/voice.h"

class TLFOList;
class TEnvelopeList;
class TRotorList;

class TVoices {
 public:
  static constexpr int MaxVoice = 33;
  static constexpr int MaxSubVoice = 33;
  static constexpr int kSends = 9;
  static constexpr int kKeys = 120;

  template <typename T>
  using SlotGrid = std::array<std::array<T, MaxSubVoice>, MaxVoice>;

  // New: the arrays, 33 empty pool entries, the three (unloaded) preset libraries.
  TVoices();
  virtual ~TVoices();

  // Slot look-up shared by every operation: the slot's voice, or nullptr for an
  // empty slot and for indexes outside the bank.
  TVoice* SlotVoice(int v, int s) const;
  // The slot's voice when it has a sound to work on, else nullptr.
  TVoice* SlotVoiceWithSound(int v, int s) const;
  // The slot's channel, nullptr outside the bank.
  std::shared_ptr<TChannel> SlotChannel(int v, int s) const;
  static bool InBank(int v, int s) { return v >= 0 && v < MaxVoice && s >= 0 && s < MaxSubVoice; }

  // Life cycle, mix layout and effect pass-through (voices.cpp, voicesmix.cpp)
  virtual int Init();
  virtual int Shutdown();
  virtual int NewVoices();
  virtual int InitSubVoice(int v, int s);
  virtual int GetAlloc(int v, int s, int key);
  virtual int newVoiceMix();
  virtual int newVoiceMixSingle(int v, int s);
  virtual int CopyVoiceMix(int v, int s);
  virtual int PasteVoiceMix(int v, int s);
  virtual int SetFXSend(int v, int s, int bus, int level);
  virtual int GetFXSend(int v, int s, int bus);
  virtual int SetFX(int param, int bus, int value);
  virtual int GetFX(int param, int bus);
  virtual int SetFXRoute(int route);
  virtual int GetFXRoute();

  // Undo and redo by slot (voicesundo.cpp)
  virtual int Undo(int v, int s);
  virtual int Redo(int v, int s);

  // Parameters by index (voicesparams.cpp)
  virtual float GetVolume(int v, int s, int n);
  virtual int SetVolume(int v, int s, int n, float value);
  virtual int SetZoom(int v, int s, int zoom);
  virtual int SetAlloc(int v, int s, int k, int value);
  virtual int SetWavetable(int v, int s, int wave);
  virtual std::shared_ptr<TSound> GetSound(int v, int s);
  virtual float GetChannels(int v, int s);
  virtual float GetStereo(int v, int s);

  // Loop and range (voicesloop.cpp)
  virtual int GetRange(int v, int s, int selector);
  virtual int SetRange(int v, int s, int value, int selector);
  virtual int ResetLoop(int v, int s);
  virtual int GetLoop(int v, int s, int selector);
  virtual int SetLoop(int v, int s, int value, int selector);

  // Sub-voice parameter access (voicesaccess.cpp)
  virtual int GetActiveEnvelope(int v, int s);
  virtual int SetActiveEnvelope(int v, int s, int value);
  virtual int GetEnvelope(int v, int s, int e, int p);
  virtual int SetEnvelope(int v, int s, int e, int p, int value);
  virtual int GetDisplay(int v, int s);
  virtual int SetDisplay(int v, int s, int value);
  virtual int GetModified(int v, int s, int which);
  virtual int SetModified(int v, int s, int which, int value);
  virtual int GetRotor(int v, int s, int p, int i);
  virtual int SetRotor(int v, int s, int p, int value, int i);
  virtual int GetMatrix(int v, int s, int row, int column);
  virtual int SetMatrix(int v, int s, int row, int column, int value);
  virtual int GetMatrixLevel(int v, int s, int i);
  virtual int SetMatrixLevel(int v, int s, int i, int value);
  virtual int16_t* GetPtr(int v, int s);
  virtual int GetLength(int v, int s);
  virtual int GetActive(int v, int s);
  virtual int GetVoiceActive(int v);
  virtual std::string GetName(int v, int s);
  virtual std::string GetFolder(int v, int s);
  virtual std::string GetAlias(int v, int s);
  virtual int SetAlias(int v, int s, const std::string& alias);

  // ---- Defined by the other voice helpers ----

  // Effects and marked sub-voice operations
  virtual int Filter(int v, int s, int start, int end, int value, int effect);
  virtual int MarkedSubVoiceSwap(int tv, int ts, int sv, int ss);
  virtual int MarkedSubVoiceAdd(int tv, int ts, int sv, int ss);
  virtual int MarkedSubVoiceFadein(int tv, int ts, int sv, int ss);
  virtual int MarkedSubVoiceFadeout(int tv, int ts, int sv, int ss);
  virtual int MarkedSubVoiceApply(int tv, int ts, int sv, int ss);

  // Clipboards
  virtual int CopySubVoice(int v, int s);
  virtual int PasteSubVoice(int v, int s);
  virtual int CopyMatrix(int v, int s);
  virtual int PasteMatrix(int v, int s);
  virtual int CopyEnvelope(int v, int s);
  virtual int PasteEnvelope(int v, int s);
  virtual int CopyRotor(int v, int s);
  virtual int PasteRotor(int v, int s);
  virtual int CopyLFO(int v, int s);
  virtual int PasteLFO(int v, int s);

  // Harmonic effects and mode-1 step tables
  virtual int HarmonicEffect(int v, int s, int effect, int source, int from, int to);
  virtual float GetHarmonic(int v, int s, int table, int harmonic, int param);
  virtual int SetHarmonic(int v, int s, int table, int harmonic, int param, float value);
  virtual int GetMode1(int v, int s, int kind, int step);
  virtual int SetMode1(int v, int s, int kind, int step, int value);
  virtual int GetMode1Tables(int v, int s);
  virtual int Mode1Conform(int v, int s);

  // Voices file and export collection
  // 0 when written (or nothing to write: locked song, no name); -1 when the file could
  // not be written whole, the old file and the changed flags then stay.
  virtual int Save(const std::string& songPath, const std::string& name);
  virtual int CollectForExport(const std::string& folder);

  // Modulation settings and presets
  virtual int GetActiveLFO(int v, int s);
  virtual int SetActiveLFO(int v, int s, int l);
  virtual int GetLFOWave(int v, int s, int l);
  virtual int SetLFOWave(int v, int s, int wave, int l);
  virtual float GetLFO(int v, int s, int param, int l);
  virtual int SetLFO(int v, int s, int param, float value);
  virtual int LFOApply(int v, int s);
  virtual int LFOAddToFolder(int v, int s);
  virtual int LFORemove(int v, int s);
  virtual int EnvelopeApply(int v, int s);
  virtual int EnvelopeAddToFolder(int v, int s);
  virtual int EnvelopeRemove(int v, int s);
  virtual int RotorApply(int v, int s);
  virtual int RotorAddToFolder(int v, int s);
  virtual int RotorRemove(int v, int s);

  // Note playback, voice pool and sample transfer
  virtual int PlayNote(int v, int s, float rate);
  virtual int PlayNoteVol(int v, int s, float rate, float volume);
  virtual int PlayNotePart(int v, int s, int rate, int start, int end);
  virtual int PlayTrackNote(float first, int v, int s, float rate, int fifth, int volumeMode);
  virtual int KeyUp(int v, int s);
  virtual int Stop(int v, int s);
  virtual int TransferToVoice(int v, int s, const std::shared_ptr<TAudioSample>& sample,
                              const std::string& folder, const std::string& name,
                              const std::string& alias, int flag, int loopStart, int loopEnd);
  virtual int GetNewVoice();

  // WAV export
  virtual int SaveWav(int v, int s, const std::string& folder);
  virtual int SaveWavVoiceGroup(int v, int s, const std::string& folder);

  // Wavetable calculation
  virtual int GetWavetableAmount(int amount);
  virtual int CalculateTable(int v, int s, int code, int table);
  virtual int ReFillData(int v, int s);

  // Beat slices
  virtual int ApplyBeatSlice(int v, int s);
  virtual int Check2DBeatSlice(int v, int s, int x, int y, int w, int h, int x2, int y2);
  virtual int Check2DBeatSliceStereo(int v, int s, int x, int y, int w, int h, int x2, int y2);
  virtual int Display2DBeatSlice(int v, int s, int x, int y, int w, int h, int x2, int y2,
                                 int zoomed, int r, int g, int b, int cursor, int decorate);

  // View window and segments
  virtual int GetSegmentSize(int v, int s);
  virtual int GetWindowSize(int v, int s);
  virtual int SetSegmentSize(int v, int s, int n);
  virtual int GetSegmentStep(int v, int s);
  virtual int SetSegmentStep(int v, int s, int n);
  virtual int SetSegmentFromMouse(int v, int s, int x, int y, int a, int b, int w, int h);
  virtual int SetSegment(int v, int s, int n);
  virtual int GetSegment(int v, int s);
  virtual int GetLastSegment(int v, int s);
  virtual int SetWindow3d(int v, int s, int x, int y);
  virtual int SetWindow3dSpacing(int v, int s, int a, int b);
  virtual int SetWindowPos(int v, int s, int d);
  virtual int SetWindowPos2(int v, int s, int d);
  virtual int SetEditWindowFromMouse(int v, int s, int x, int w);
  virtual int SetWindowFromMouse(int v, int s, int x, int w);
  virtual int ForceModifyStart(int v, int s, int d);
  virtual int SetWindowStart(int v, int s, int p);
  virtual int GetWindowStart(int v, int s);
  virtual int ModifyEditWindowStart(int v, int s, int d);
  virtual int GetWindowEnd(int v, int s);
  virtual int SetWindowAll(int v, int s);
  virtual int SetWindowModify(int v, int s, int d);

  // Views
  virtual int Display2D(int v, int s, int x, int y, int w, int h, int x2, int y2, int zoomed,
                        int showHighlight, int r, int g, int b);
  virtual int DisplayCombine2D(int v, int s, int x, int y, int w, int h, int x2, int y2, int a,
                               int b, int c, int span, int background);
  virtual int DisplayCombine2DStereo(int v, int s, int x, int y, int w, int h, int x2, int y2,
                                     int a, int b, int c, int span, int background);
  virtual int Display2DEdit(int v, int s, int x, int y, int w, int h, int x2, int y2, int zoomed,
                            int r, int g, int b, int cursor, int decorate);
  virtual int Display2DEditStereo(int v, int s, int x, int y, int w, int h, int x2, int y2,
                                  int zoomed, int r, int g, int b, int cursor, int decorate);
  virtual int Display2DBeatSliceStereo(int v, int s, int x, int y, int w, int h, int x2, int y2,
                                       int zoomed, int r, int g, int b, int cursor, int decorate);
  virtual int GetTimeFrame(int v, int s);
  virtual int Display2DStereo(int v, int s, int x, int y, int w, int h, int x2, int y2,
                              int zoomed, int showHighlight, int r, int g, int b);
  virtual int Display2DStereox(int v, int s, int x, int y, int w, int h, int x2, int y2,
                               int zoomed, int showHighlight, int r, int g, int b);
  virtual int Display3d(int v, int s, int x, int y, int w, int h, int x2, int y2, int r, int g,
                        int b);
  virtual int Display3dTrue(int v, int s, int x, int y, int w, int h, int x2, int y2, int r,
                            int g, int b);
  virtual int DisplaySegment(int v, int s, int x, int y, int w, int h, int x2, int y2, int r,
                             int g, int b);
  virtual int DisplaySegmentStereo(int v, int s, int x, int y, int w, int h, int x2, int y2,
                                   int r, int g, int b);
  virtual int DisplaySegments(int v, int s, int x, int y, int w, int h, int x2, int y2, int r,
                              int g, int b);
  virtual int DisplaySegmentsStereo(int v, int s, int x, int y, int w, int h, int x2, int y2,
                                    int r, int g, int b);
  virtual int DisplayLFO(int v, int s, int lfo, int x, int y, int w, int h);
  virtual int DisplayHarmonicTable(int v, int s, int x, int y, int w, int h, int x2, int y2,
                                   int amount, int table, int lineOn, int lx1, int ly1, int lx2,
                                   int ly2);
  virtual int DisplayHarmonicTables(int v, int s, int x, int y, int w, int h, int x2, int y2,
                                    int amount, int current);
  virtual int DisplayWavData(int v, int s, int x, int y, int w, int h, int x2, int y2,
                             int spreadWidth);

  // Fields, in declared order
  int VoiceCount = 33;
  std::vector<std::shared_ptr<TVoice>> VocRef;
  SlotGrid<int> Voc{};
  std::array<int, MaxVoice> MixSolo{};
  SlotGrid<std::shared_ptr<TChannel>> Channel{};
  SlotGrid<std::array<uint16_t, kSends>> FXSends{};
  SlotGrid<int> rootnote{};
  SlotGrid<std::string> voiceAlias{};
  int voiceMissing = 0;
  std::array<int, MaxVoice> voiceArm{};
  SlotGrid<std::array<int, kKeys>> alloc{};
  int ActualTimeFrame = 0;
  int ActualTimeFramePos = 0;
  int SubVoiceActive = 0;
  std::shared_ptr<TLFOList> LFOList;
  std::shared_ptr<TEnvelopeList> EnvelopeList;
  std::shared_ptr<TRotorList> RotorList;
  std::array<int, kSends> FXCopy{};
  int GotFXCopy = 0;

 private:
  void FreshSends(int v, int s);
};
