// The CMI Series III command vocabulary lists, built from one static table the first
// time each is asked for.
#include "samplefiles/cmi3vocabulary.h"

#include <utility>

namespace {

struct Effect {
  int nType;
  const char* name;
};

constexpr Effect kVoiceEffects[] = {
    {1, "vibrato rate"},   {2, "vibrato depth"},     {3, "vibrato delay"},    {4, "vibrato attack"},
    {5, "attack"},         {9, "level"},             {10, "release"},         {14, "resonance"},
    {15, "filter0"},       {18, "tremolo rate"},     {19, "tremolo depth"},   {20, "tremolo delay"},
    {21, "tremolo attack"}, {22, "pitch bend"},      {24, "tuning(oct,st,fine)"}, {25, "filter"},
    {30, "kbd map switch"}, {31, "vibrato switch"},  {32, "tremolo switch"},  {34, "level2"},
    {35, "tuning(pu)"},    {36, "filter2"},          {37, "portamento"},      {38, "balance"},
    {39, "portamento switch"}, {40, "glissando switch"}, {41, "rate/time switch"},
};

constexpr Effect kSubvoiceEffects[] = {
    {5, "fast attack"},    {6, "hold time"},         {7, "decay"},            {8, "sustain level"},
    {9, "level"},          {10, "fast release"},     {11, "key level"},       {12, "key attack"},
    {13, "key release"},   {14, "resonance"},        {15, "filter0"},         {16, "slow attack"},
    {17, "slow release"},  {23, "loop decay"},       {24, "tuning(oct,st,fine)"}, {25, "filter"},
    {26, "linear attack switch"}, {27, "attack switch"}, {28, "release switch"}, {29, "loop switch"},
    {33, "slur switch"},   {42, "release loop switch"}, {43, "alternate loop switch"},
};

template <size_t N>
std::array<cmi3_mpcmdeffect_s, kCMI3EffectSlots> BuildEffects(const Effect (&effects)[N]) {
  static_assert(N < kCMI3EffectSlots);
  std::array<cmi3_mpcmdeffect_s, kCMI3EffectSlots> list{};
  for (size_t i = 0; i < N; ++i) {
    std::string name = effects[i].name;
    name.resize(kCMI3EffectNameWidth, ' ');
    list[i] = {effects[i].nType, std::move(name)};
  }
  list[N] = {-1, ""};
  return list;
}

}  // namespace

const std::vector<cmi3_mpcmdid_s>& cmi3_mpcmdid_list() {
  static const std::vector<cmi3_mpcmdid_s> list = {
      {1, 518, "voice effect"},   {3, 256, "wave"},          {4, 256, "create"},
      {5, 256, "current"},        {6, 8, "subvoice map"},    {7, 257, "name"},
      {8, 257, "load"},           {9, 519, "subvoice effect"}, {10, 260, "tune"},
      {11, 256, "reset"},         {13, 3, "subvoice loop A-side"}, {14, 256, "delete"},
      {15, 5, "nphony"},          {16, 9, "channel mask"},   {17, 256, "swap"},
      {18, 3, "subvoice loop B-side"}, {19, 256, "save"},    {20, 256, "update"},
      {22, 256, "swap"},          {33, 2, "MIDI out map"},   {34, 2, "MIDI in map"},
      {35, 5, "CC command"},      {36, 5, "copy subvoice"},  {37, 256, "get name"},
      {38, 256, "match name"},    {39, 5, "load CC prog"},   {40, 5, "channel mask"},
      {41, 5, "path"},            {42, 5, "disk recorder CC mask"}, {43, 5, "sync"},
      {44, 10, "MIDI control map"}, {45, 5, "channel levels"}, {-1, -1, ""},
  };
  return list;
}

const std::vector<cmi3_mpcmdentity_s>& cmi3_mpcmdentity_list() {
  static const std::vector<cmi3_mpcmdentity_s> list = {
      {1, "instrument"},      {2, "voice"},          {3, "subvoice"},         {4, "system"},
      {5, "system w/o voices"}, {6, "function"},     {7, "stereo voice"},     {8, "subvoice names"},
      {9, "default voice"},   {10, "default subvoice"}, {11, "CC page"},      {12, "function index"},
      {14, "external voice"}, {15, "keyboard split"}, {16, "current"},       {17, "system with any voices"},
      {-1, ""},
  };
  return list;
}

const std::array<cmi3_mpcmdeffect_s, kCMI3EffectSlots>& cmi3_mpcmdvceffect_list() {
  static const auto list = BuildEffects(kVoiceEffects);
  return list;
}

const std::array<cmi3_mpcmdeffect_s, kCMI3EffectSlots>& cmi3_mpcmdsveffect_list() {
  static const auto list = BuildEffects(kSubvoiceEffects);
  return list;
}

const std::array<cmi3_mpcmdpatch_s, 4>& cmi3_mpcmdpatch_list() {
  static const std::array<cmi3_mpcmdpatch_s, 4> list = {{{1, 1}, {2, 3}, {3, 3}, {4, 2}}};
  return list;
}
