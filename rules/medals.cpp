#include "rules/medals.h"

#include "state/fields.h"
#include "state/variables.h"

namespace rules {

bool GrantMedal(Medal medal) {
  std::int32_t& earned =
      state::PlayerData[medal == Medal::SilverStar ? player::kSilverStar : player::kGoldStar];
  if (earned != 0) return false;
  earned = 1;
  return true;
}

}  // namespace rules
