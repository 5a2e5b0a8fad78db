#include "rules/credits.h"

#include "rules/displayed_system.h"
#include "rules/faction_logo.h"
#include "rules/promotion.h"
#include "state/clamp.h"
#include "state/fields.h"
#include "state/skills.h"
#include "state/variables.h"

namespace rules {

void ShowExperienceNotice(Ui& ui) {
  ui.Message(Popup::Fame, "", kExperienceNotice, FactionLogoPicture());
}

void AddSaturated(std::int32_t& value, std::int64_t amount) {
  value = state::Clamp32(static_cast<std::int64_t>(value) + amount);
}

void AddCredits(std::int32_t amount) {
  std::int64_t paid = amount;
  if (state::OwnsSkill(kSkillRewards) && !state::OwnsSkill(kSkillAdvancedRewards))
    paid += paid / 10;
  if (state::OwnsSkill(kSkillAdvancedRewards)) paid += paid / 4;
  AddSaturated(state::PlayerData[player::kCredits], paid);
}

void PayReward(std::int32_t amount, Ui& ui) {
  AddCredits(amount);
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

}  // namespace rules
