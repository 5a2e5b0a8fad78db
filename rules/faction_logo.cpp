#include "rules/faction_logo.h"

#include <cstdint>

#include "state/fields.h"
#include "state/variables.h"

namespace rules {

std::string FactionLogoPicture() {
  const std::int32_t f = state::PlayerData[player::kFaction];
  return (f >= 0 && f <= state::kLastFaction ? state::FactionText[f][faction_text::kLogo]
                                             : std::string()) +
         ".jpg";
}

}  // namespace rules
