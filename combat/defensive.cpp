#include "combat/defensive.h"

#include <algorithm>
#include <cstdint>
#include <string>

#include "audio/sound.h"
#include "combat/ability_ids.h"
#include "combat/action_points.h"
#include "combat/modifiers.h"
#include "combat/sides.h"
#include "state/fields.h"
#include "state/ship_classes.h"
#include "state/variables.h"

namespace combat {
namespace {

void ShowRefusal(std::string_view text, CombatUi& ui) {
  ui.ShowPopup(CombatPopup::Text, "N/A", text);
}

// Raises the player's shields by `amount`, up to their maximum. Shields that already stand above
// the maximum (a smaller engine or cargo module fitted since) are never lowered by a recharge.
void RechargePlayerShields(std::int64_t amount) {
  auto& p = state::PlayerShip;
  const std::int64_t max = MaxShields(Side::Player);
  std::int64_t raised = static_cast<std::int64_t>(p[ship::kShields]) + amount;
  if (raised > max) raised = std::max<std::int64_t>(max, p[ship::kShields]);
  p[ship::kShields] = static_cast<std::int32_t>(raised);
}

// The timed shields and evasion; the enemy's texts for 22 to 25 are the player's, word for word.
constexpr std::string_view kFocusText =
    "You focus the shield power to the parts of the ship most likely hit during the next attack.";
constexpr std::string_view kReflectText =
    "You canalise reflective photonic particles from your engine to your shields.";

// clang-format off
constexpr TimedEffect kTimedShields[] = {
  // id                  player/enemy cost  excluded             player topic / text, enemy topic / text
  {kEmpResistance,       2, 1,              kNoAbility,
   "EMP resistance !!",  "You manipulate your energy shields to resist an EMP attack!",
   "EMP resistance!!",   "The enemy pilot manipulates his shields to resist an EMP attack."},
  {kFocusedShield,       2, 2,              kFocusedShield2,
   "Focused shield !!",  kFocusText, "Focused shield !!", kFocusText},
  {kFocusedShield2,      2, 2,              kFocusedShield,
   "Focused shield II !!", kFocusText, "Focused shield II !!", kFocusText},
  {kReflectionShield,    2, 2,              kReflectionShield2,
   "Reflection shield !!", kReflectText, "Reflection shield !!", kReflectText},
  {kReflectionShield2,   2, 2,              kReflectionShield,
   "Reflection shield !!", kReflectText, "Reflection shield !!", kReflectText},
  {kEvading,             2, 2,              kNoAbility,
   "Evasion manouvers !!", "You start evasive manouvers making it more difficult to hit and to be hit.",
   "Evasion manouvers !!", "The enemy ships starts evasive manouvers."},
};
// clang-format on

void Recharge(Side side, CombatUi& ui) {
  auto& ship = Ship(side);
  if (side == Side::Player) {
    if (ship[ship::kRechargeUsed] == 1) {
      ShowRefusal("You can only recharge your action points once in every combat.", ui);
      return;
    }
    if (ship[ship::kActionPoints] < 1) {
      ShowNotEnoughAP(ui);
      return;
    }
  } else {
    if (ship[ship::kRechargeUsed] != 0 || ship[ship::kActionPoints] < 1) return;
    // Nothing is paid, but the enemy waits for its message as after any payment.
    ship[ship::kAwaitingMessage] = 1;
    ui.StartEnemyMessageTimer();
  }
  // The points are set, not added: a ship with more left loses some.
  ship[ship::kActionPoints] = ModifierActive(side, kDoubleSpeed) ? 7 : 5;
  if (side == Side::Player)
    audio::PlayAbilityUsedSound();
  else
    audio::PlayEcmSound();
  ui.ShowMessage(side, "Recharge !!", "Your action points are fully recharged.");
  ui.Refresh(Display::AbilityButtons);
  ui.Refresh(Display::Shields);
  ship[ship::kRechargeUsed] = 1;
}

void ShieldBoost(CombatUi& ui) {
  auto& p = state::PlayerShip;
  if (p[ship::kShieldBoostUsed] == 1) {
    ShowRefusal("You can only recalibrate your shield once in every combat.", ui);
    return;
  }
  if (!PayActionPoints(Side::Player, 3, ui)) return;
  RechargePlayerShields(MaxShields(Side::Player) / 4);
  audio::PlayAbilityUsedSound();
  ui.ShowMessage(Side::Player, "Shield Boost !!", "Your shields are recharged by 25%.");
  ui.Refresh(Display::AbilityButtons);
  ui.Refresh(Display::Shields);
  p[ship::kShieldBoostUsed] = 1;
}

// Energy channelling turns the standing focused and reflection shields into shield points: the
// more of them stand, the larger the share of the maximum.
void Sacrifice(CombatUi& ui) {
  auto& p = state::PlayerShip;
  constexpr state::Ability kShields[] = {kFocusedShield, kFocusedShield2, kReflectionShield,
                                         kReflectionShield2};
  int standing = 0;
  for (const state::Ability id : kShields) standing += ModifierActive(Side::Player, id) ? 1 : 0;
  if (standing == 0) {
    ShowRefusal("You either need the skills \"Focused shield\" or \"Reflective shield\" activated.",
                ui);
    return;
  }
  if (p[ship::kEnergyChannellingUsed] == 1) {
    ShowRefusal("You can only use energy channeling once in every combat.", ui);
    return;
  }
  if (!PayActionPoints(Side::Player, 5, ui)) return;
  const std::int32_t k = std::max(1, 5 - standing);
  for (const state::Ability id : kShields) ClearModifier(Side::Player, id);
  RechargePlayerShields(MaxShields(Side::Player) / k);
  audio::PlayAbilityUsedSound();
  const char* percent = k == 1 ? "100" : k == 2 ? "50" : k == 3 ? "35" : k == 4 ? "25" : "20";
  ui.ShowMessage(Side::Player, "Energy channelling !!",
                 std::string("Your shields are recharged by ") + percent + "%.");
  ui.Refresh(Display::AbilityButtons);
  ui.Refresh(Display::Shields);
  ui.Refresh(Display::Modifiers);
  p[ship::kEnergyChannellingUsed] = 1;
}

void Calmness(CombatUi& ui) {
  auto& p = state::PlayerShip;
  audio::PlayAbilityUsedSound();  // also when the calm is refused
  if (p[ship::kActionPoints] < 1) {
    ShowNotEnoughAP(ui);
    return;
  }
  if (!ModifierActive(Side::Enemy, kTaunt) && !ModifierActive(Side::Enemy, kEvilTaunt)) {
    ShowRefusal("The enemy has no taunt effect active.", ui);
    return;
  }
  p[ship::kActionPoints] -= 1;
  ClearModifier(Side::Enemy, kTaunt);
  ClearModifier(Side::Enemy, kEvilTaunt);
  ui.Refresh(Display::Modifiers);
  ui.ShowMessage(Side::Player, "Calmness", "Taunt effect removed!");
  ui.Refresh(Display::AbilityButtons);
}

}  // namespace

void ShowAlreadyActive(CombatUi& ui) {
  ShowRefusal(
      "This ability is already active and cannot be activated twice. You can see the active "
      "abilities at the top left corner of your screen.",
      ui);
}

bool ActivateTimedEffect(Side side, const TimedEffect& effect, CombatUi& ui) {
  const bool player = side == Side::Player;
  if (ModifierActive(side, effect.id)) {
    if (player) ShowAlreadyActive(ui);
    return false;
  }
  const int freeSlot = player ? FindFreePlayerModifierSlot() : FindFreeEnemyModifierSlot();
  if (freeSlot == 0) return false;
  if (effect.excluded != kNoAbility && ModifierActive(side, effect.excluded)) return false;
  if (!PayActionPoints(side, player ? effect.playerCost : effect.enemyCost, ui)) return false;
  if (player) {
    audio::PlayAbilityUsedSound();
    ui.ShowMessage(side, effect.playerTopic, effect.playerText);
  } else {
    audio::PlayEcmSound();
    ui.ShowMessage(side, effect.enemyTopic, effect.enemyText);
  }
  ui.Refresh(Display::AbilityButtons);
  AddModifier(side, effect.id, ui);
  ui.Refresh(Display::Modifiers);
  return true;
}

void ResolveDefensiveAbility(Side side, state::Ability id, CombatUi& ui) {
  for (const TimedEffect& effect : kTimedShields) {
    if (effect.id == id) {
      ActivateTimedEffect(side, effect, ui);
      return;
    }
  }
  if (id == kRecharge) {
    Recharge(side, ui);
    return;
  }
  if (side == Side::Enemy) return;  // the enemy has none of the three below
  switch (id) {
    case kShieldBoost: ShieldBoost(ui); break;
    case kSacrifice: Sacrifice(ui); break;
    case kCalmness: Calmness(ui); break;
    default: break;
  }
}

}  // namespace combat
