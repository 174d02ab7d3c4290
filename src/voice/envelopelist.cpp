// TEnvelopeList: its stub file and messages, and storing an envelope preset.
#include "voice/envelopelist.h"

TEnvelopeList::TEnvelopeList()
    : TPresetList("Tinsmere/Envelopestub.ini", " EnvelopeList Init", " EnvelopeList SaveIni") {}

int TEnvelopeList::AddToFolder(const std::string& name, float delay, float attack, float decay,
                               float sustain, float release) {
  TEnvelopeListData values;
  values.nDelay = delay;
  values.nAttack = attack;
  values.nDecay = decay;
  values.nSustain = sustain;
  values.nRelease = release;
  return AddRecord(name, values);
}
