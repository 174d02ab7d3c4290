// LFO settings of a sub-voice by parameter number, and the LFO, envelope and rotor
// presets applied from, stored into and removed from the bank's libraries (their stub
// files in the fixture's temporary support folder).
#include <array>
#include <filesystem>
#include <string>

#include "banktest.h"
#include "framework/appfunctions.h"
#include "voice/envelopelist.h"
#include "voice/lfolist.h"
#include "voice/rotorlist.h"

namespace {

// Keeps what the bank hands the sound's LFO setters, unlimited.
class LFOSound : public TSound {
 public:
  int SetLFOWave(int lfo, int wave) override { return set(waves, lfo, wave); }
  int GetLFOWave(int lfo) const override { return get(waves, lfo); }
  int SetLFOVertical(int lfo, int v) override { return set(verticals, lfo, v); }
  int GetLFOVertical(int lfo) const override { return get(verticals, lfo); }
  std::array<int, 4> waves{{10, 11, 12, 13}};
  std::array<int, 4> verticals{};
  int calls = 0;

 private:
  int set(std::array<int, 4>& a, int lfo, int value) {
    ++calls;
    if (lfo >= 0 && lfo < 4) a[static_cast<size_t>(lfo)] = value;
    return 0;
  }
  static int get(const std::array<int, 4>& a, int lfo) { return lfo >= 0 && lfo < 4 ? a[static_cast<size_t>(lfo)] : -7; }
};

class VoicesModulation : public BankTest {
 protected:
  LFOSound& rig(int v, int s) {
    EXPECT_EQ(put(v, s, {1, 2, 3}), 1);
    auto* sound = new LFOSound;
    voice(v, s).Sound = std::shared_ptr<TSound>(sound);
    return *sound;
  }
  TSound& sound(int v, int s) { return *voice(v, s).Sound; }
};

TEST_F(VoicesModulation, LFONumbersOutsideTheRangeMeanTheActiveLFO) {
  rig(1, 1);
  bank->SetActiveLFO(1, 1, 2);
  EXPECT_EQ(bank->GetActiveLFO(1, 1), 2);
  EXPECT_EQ(bank->GetLFOWave(1, 1, -1), 12);
  EXPECT_EQ(bank->GetLFOWave(1, 1, 4), 12);
  EXPECT_EQ(bank->GetLFOWave(1, 1, 3), 13);
  EXPECT_FLOAT_EQ(bank->GetLFO(1, 1, 32, 9), 12.0f);
  bank->SetLFOWave(1, 1, 5, 7);
  EXPECT_EQ(bank->GetLFOWave(1, 1, 2), 5);
  EXPECT_EQ(voice(1, 1).ControlModified, 1);
}

TEST_F(VoicesModulation, SetLFOTruncatesAndAlwaysMarksTheControls) {
  LFOSound& snd = rig(1, 2);
  bank->SetActiveLFO(1, 2, 1);
  bank->SetLFO(1, 2, 32, 2.9f);
  EXPECT_EQ(snd.waves[1], 2);
  bank->SetLFO(1, 2, 32, -2.9f);
  EXPECT_EQ(snd.waves[1], -2);
  bank->SetLFO(1, 2, 13, 40.5f);
  EXPECT_FLOAT_EQ(bank->GetLFO(1, 2, 13, 1), 40.0f);

  voice(1, 2).ControlModified = 0;
  const int calls = snd.calls;
  bank->SetLFO(1, 2, 5, 1.0f);
  EXPECT_EQ(snd.calls, calls);
  EXPECT_EQ(voice(1, 2).ControlModified, 1);
  EXPECT_EQ(bank->GetLFO(1, 2, 5, 1), 0.0f);
}

TEST_F(VoicesModulation, EmptySlotsAnswerTheirFixedValues) {
  EXPECT_EQ(bank->GetActiveLFO(4, 4), 0);
  EXPECT_EQ(bank->GetLFOWave(4, 4, 0), -1);
  EXPECT_EQ(bank->GetLFO(4, 4, 1, 0), 0.0f);
  EXPECT_EQ(bank->SetLFO(4, 4, 1, 3.0f), 0);
  EXPECT_EQ(bank->SetActiveLFO(40, 4, 1), 0);
  EXPECT_EQ(bank->GetLFOWave(-1, 4, 0), -1);
  EXPECT_EQ(bank->LFOAddToFolder(4, 4), 0);
  EXPECT_EQ(bank->RotorApply(4, 4), 0);
  EXPECT_EQ(bank->EnvelopeRemove(4, 4), 0);
  EXPECT_EQ(bank->LFOList->SubSectionCount[0], 0);
}

TEST_F(VoicesModulation, RotorPresetKeepsEveryLevelInItsPlace) {
  ASSERT_EQ(put(2, 2, {1, 2, 3}), 1);
  TSound& snd = sound(2, 2);
  for (int i = 0; i < 16; ++i) snd.SetRotorLevel(i, 10 + i * 3);
  snd.SetRotorTime(300);
  snd.SetRotorCount(5);
  bank->RotorAddToFolder(2, 2);
  const auto& record = bank->RotorList->RotorListData[0];
  ASSERT_TRUE(record);
  EXPECT_EQ(record->Name, "ROTOR");
  EXPECT_EQ(record->nTime, 300);
  EXPECT_EQ(record->nCount, 5);
  for (int i = 0; i < 16; ++i) EXPECT_EQ(record->nRotor[static_cast<size_t>(i)], 10 + i * 3) << i;
  EXPECT_TRUE(std::filesystem::exists(App_SupportDir + "Tinsmere/Rotorstub.ini"));

  ASSERT_EQ(put(2, 3, {1, 2, 3}), 1);
  bank->RotorApply(2, 3);
  for (int i = 0; i < 16; ++i) EXPECT_EQ(sound(2, 3).GetRotorLevel(i), 10 + i * 3) << i;
  EXPECT_EQ(sound(2, 3).GetRotorCount(), 5);
  EXPECT_EQ(sound(2, 3).GetRotorTime(), 300);
}

TEST_F(VoicesModulation, EnvelopePresetMovesTheActiveEnvelope) {
  ASSERT_EQ(put(1, 1, {1}), 1);
  bank->SetActiveEnvelope(1, 1, 2);
  sound(1, 1).SetADSR(2, 11, 22, 33, 44, 55);
  bank->EnvelopeAddToFolder(1, 1);
  const auto& record = bank->EnvelopeList->EnvelopeListData[0];
  ASSERT_TRUE(record);
  EXPECT_EQ(record->Name, "DADSR");
  EXPECT_EQ(record->nDelay, 11.0f);
  EXPECT_EQ(record->nRelease, 55.0f);

  ASSERT_EQ(put(1, 2, {1}), 1);
  bank->SetActiveEnvelope(1, 2, 3);
  bank->EnvelopeApply(1, 2);
  TSound& dst = sound(1, 2);
  EXPECT_EQ(dst.GetDelay(3), 11);
  EXPECT_EQ(dst.GetAttack(3), 22);
  EXPECT_EQ(dst.GetDecay(3), 33);
  EXPECT_EQ(dst.GetSustain(3), 44);
  EXPECT_EQ(dst.GetRelease(3), 55);
  EXPECT_EQ(dst.GetDelay(2), 0);
}

TEST_F(VoicesModulation, LFOPresetChangesTheActiveLFOOnly) {
  ASSERT_EQ(put(1, 1, {1}), 1);
  TSound& src = sound(1, 1);
  src.SetLFOWave(0, 4);
  src.SetLFOHertzRate(0, 9);
  src.SetLFOOffset(0, 120);
  src.SetLFOScale(0, -250);
  bank->LFOAddToFolder(1, 1);
  ASSERT_TRUE(bank->LFOList->LFOListData[0]);
  EXPECT_EQ(bank->LFOList->LFOListData[0]->Name, "LFO");

  ASSERT_EQ(put(1, 2, {1}), 1);
  TSound& dst = sound(1, 2);
  bank->SetActiveLFO(1, 2, 2);
  bank->LFOApply(1, 2);
  EXPECT_EQ(dst.GetLFOWave(2), 4);
  EXPECT_EQ(dst.GetLFOHertzRate(2), 9);
  EXPECT_EQ(dst.GetLFOOffset(2), 120);
  EXPECT_EQ(dst.GetLFOScale(2), -250);
  for (int l : {0, 1, 3}) {
    EXPECT_EQ(dst.GetLFOWave(l), src.GetLFOWave(1)) << l;
    EXPECT_EQ(dst.GetLFOOffset(l), src.GetLFOOffset(1)) << l;
  }
}

TEST_F(VoicesModulation, RemoveOnlyOutsideTheBrowserAndWithAChosenPreset) {
  ASSERT_EQ(put(1, 1, {1}), 1);
  bank->LFOAddToFolder(1, 1);
  TLFOList& list = *bank->LFOList;
  ASSERT_EQ(list.GetFlatPos(-1), 0);
  ASSERT_EQ(list.InBrowser, 1);
  bank->LFORemove(1, 1);
  EXPECT_EQ(list.SubSectionCount[0], 1);
  list.InBrowser = 0;
  bank->LFORemove(1, 1);
  EXPECT_EQ(list.SubSectionCount[0], 0);
  EXPECT_EQ(list.GetFlatPos(-1), -1);
  // Nothing chosen: Apply leaves the sound, Remove leaves the list.
  sound(1, 1).SetLFOWave(0, 6);
  bank->LFOApply(1, 1);
  EXPECT_EQ(sound(1, 1).GetLFOWave(0), 6);
  bank->LFORemove(1, 1);
  EXPECT_EQ(list.SubSectionCount[0], 0);
}

}  // namespace
