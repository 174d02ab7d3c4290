// Moving a sound's synthesis controls into a TVoiceData snapshot and back. Both walk
// the same list in the same order: envelopes with their LFOs, the wavetable steps, the
// rotor, then the matrix levels with their rows.
#include "platform/numbers.h"
#include "platform/print.h"
#include "voice/voice.h"

int TVoice::CopyControlData(const std::shared_ptr<TSound>& sound,
                            const std::shared_ptr<TVoiceData>& data, const std::string& tag) {
  if (!sound || !data) return 0;
  Print("Copy Control=" + tag);
  TVoiceData& d = *data;
  for (int i = 0; i < TVoiceData::kEnvelopes; ++i) {
    d.nDelay[i] = sound->GetDelay(i);
    d.nAttack[i] = sound->GetAttack(i);
    d.nDecay[i] = sound->GetDecay(i);
    d.nSustain[i] = sound->GetSustain(i);
    d.nRelease[i] = sound->GetRelease(i);
    d.fWave[i] = static_cast<float>(sound->GetLFOWave(i));
    d.fHertz[i] = static_cast<float>(sound->GetLFOHertzRate(i));
    d.fOffset[i] = static_cast<float>(sound->GetLFOOffset(i));
    d.fVOffset[i] = static_cast<float>(sound->GetLFOVertical(i));
    d.fSync[i] = static_cast<float>(sound->GetLFOTime(i));
    d.fScale[i] = static_cast<float>(sound->GetLFOScale(i));
  }
  for (int i = 0; i < TVoiceData::kSteps; ++i) {
    d.nMode1Position[i] = sound->WaveTable(i);
    d.nMode1Repeat[i] = sound->WaveTableRepeat(i);
  }
  for (int r = 0; r < TVoiceData::kRotorLevels; ++r) d.nRotorLevel[r] = sound->GetRotorLevel(r);
  d.nRotorActive = sound->GetRotorActive();
  d.nRotorTime = sound->GetRotorTime();
  d.nRotorCount = sound->GetRotorCount();
  for (int m = 0; m < TVoiceData::kMatrixRows; ++m) {
    d.nMatrixLevel[m] = sound->GetMatrixLevel(m);
    for (int c = 0; c < TVoiceData::kMatrixColumns; ++c) d.nMatrix[m][c] = sound->GetModMatrix(m, c);
  }
  return 0;
}

int TVoice::PasteControlData(const std::shared_ptr<TVoiceData>& data,
                             const std::shared_ptr<TSound>& sound, const std::string& tag) {
  if (!sound || !data) return 0;
  Print("Paste Control=" + tag);
  const TVoiceData& d = *data;
  for (int i = 0; i < TVoiceData::kEnvelopes; ++i) {
    sound->SetADSR(i, d.nDelay[i], d.nAttack[i], d.nDecay[i], d.nSustain[i], d.nRelease[i]);
    sound->SetLFOWave(i, TruncToInt(d.fWave[i]));
    sound->SetLFOHertzRate(i, TruncToInt(d.fHertz[i]));
    sound->SetLFOOffset(i, TruncToInt(d.fOffset[i]));
    sound->SetLFOVertical(i, TruncToInt(d.fVOffset[i]));
    sound->SetLFOTime(i, TruncToInt(d.fSync[i]));
    sound->SetLFOScale(i, TruncToInt(d.fScale[i]));
  }
  for (int i = 0; i < TVoiceData::kSteps; ++i) {
    sound->SetWaveTable(i, d.nMode1Position[i]);
    sound->SetWaveTableRepeat(i, d.nMode1Repeat[i]);
  }
  for (int r = 0; r < TVoiceData::kRotorLevels; ++r) sound->SetRotorLevel(r, d.nRotorLevel[r]);
  sound->SetRotorActive(d.nRotorActive);
  sound->SetRotorTime(d.nRotorTime);
  sound->SetRotorCount(d.nRotorCount);
  for (int m = 0; m < TVoiceData::kMatrixRows; ++m) {
    sound->SetMatrixLevel(m, d.nMatrixLevel[m]);
    for (int c = 0; c < TVoiceData::kMatrixColumns; ++c) sound->SetModMatrix(m, c, d.nMatrix[m][c]);
  }
  return 0;
}
