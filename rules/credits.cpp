#include "rules/credits.h"

#include <algorithm>
#include <limits>

#include "rules/promotion.h"
#include "state/clamp.h"
#include "state/equipment.h"
#include "state/fields.h"
#include "state/ship_classes.h"
#include "state/skills.h"
#include "state/variables.h"

namespace rules {

std::string FactionLogoPicture() {
  const std::int32_t f = state::PlayerData[player::kFaction];
  return (f >= 0 && f <= state::kLastFaction ? state::FactionText[f][faction_text::kLogo]
                                             : std::string()) +
         ".jpg";
}

void ShowExperienceNotice(Ui& ui) {
  ui.Message(Popup::Fame, "", kExperienceNotice, FactionLogoPicture());
}

void AddSaturated(std::int32_t& value, std::int64_t amount) {
  value = state::Clamp32(static_cast<std::int64_t>(value) + amount);
}

void ShowSystem(Ui& ui, bool placeBodies, std::int32_t system) {
  state::DisplayedSystem = system;
  ui.RedrawSystem(placeBodies);
}

void AddCredits(std::int32_t amount, Ui& ui) {
  std::int64_t paid = amount;
  if (state::OwnsSkill(kSkillRewards) && !state::OwnsSkill(kSkillAdvancedRewards))
    paid += paid / 10;
  if (state::OwnsSkill(kSkillAdvancedRewards)) paid += paid / 4;
  AddSaturated(state::PlayerData[player::kCredits], paid);
  ShowSystem(ui, false, state::PlayerShip[ship::kSystem]);
}

void AddExperience(std::int64_t amount, Ui& ui) {
  std::int64_t gained = amount;
  if (state::OwnsSkill(kSkillRumors) && !state::OwnsSkill(kSkillLegendary)) gained += gained / 4;
  if (state::OwnsSkill(kSkillLegendary)) gained *= 2;
  AddSaturated(state::PlayerData[player::kExperience], gained);
  ui.UpdateStatusBars();
  CheckPromotion(ui);
}

std::int32_t ComputeShipTradeInValue() {
  const std::int32_t c = state::PlayerShip[ship::kClass];
  const state::TShipRow& ship = state::PlayerShip;
  std::int64_t value = state::GetShipClassStat(c, state::kAttrPrice) / 3;
  value += state::GetMissilePrice(c, ship[ship::kMissileLauncher]) / 4;
  value += state::GetGunPrice(c, ship[ship::kGun]) / 4;
  value += state::GetEcmPrice(c, ship[ship::kEcm]) / 4;
  value += state::GetComputerPrice(c, ship[ship::kTargeting]) / 4;
  value += state::GetEnginePrice(c, ship[ship::kEngine]) / 4;
  value += state::GetCargoModulePrice(c, ship[ship::kCargoModule]) / 4;
  return static_cast<std::int32_t>(
      std::min<std::int64_t>(value, std::numeric_limits<std::int32_t>::max()));
}

}  // namespace rules
