// The names of the codes of a CMI Series III voice command block: commands, entities,
// voice and sub-voice effects, and the patch sizes. Built once, on first use, from
// one static table. Each list but the patch list ends with an entry whose numbers
// are -1 and whose name is empty; effect names are blank-padded to 21 characters.
#pragma once
#include <array>
#include <string>
#include <vector>

struct cmi3_mpcmdid_s {
  int id = 0;
  int nType = 0;
  std::string name;
};

struct cmi3_mpcmdentity_s {
  int sid = 0;
  std::string name;
};

struct cmi3_mpcmdeffect_s {
  int nType = 0;
  std::string name;
};

struct cmi3_mpcmdpatch_s {
  int nType = 0;
  int size = 0;
};

constexpr int kCMI3EffectSlots = 33;
constexpr int kCMI3EffectNameWidth = 21;

const std::vector<cmi3_mpcmdid_s>& cmi3_mpcmdid_list();
const std::vector<cmi3_mpcmdentity_s>& cmi3_mpcmdentity_list();
const std::array<cmi3_mpcmdeffect_s, kCMI3EffectSlots>& cmi3_mpcmdvceffect_list();
const std::array<cmi3_mpcmdeffect_s, kCMI3EffectSlots>& cmi3_mpcmdsveffect_list();
const std::array<cmi3_mpcmdpatch_s, 4>& cmi3_mpcmdpatch_list();
