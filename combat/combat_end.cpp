#include "combat/combat_end.h"

#include <cstdint>
#include <limits>
#include <string>

#include "audio/sound.h"
#include "combat/ability_ids.h"
#include "combat/modifiers.h"
#include "combat/sides.h"
#include "rules/credits.h"
#include "rules/faction_logo.h"
#include "rules/tutorial.h"
#include "state/clamp.h"
#include "state/equipment_ids.h"
#include "state/fields.h"
#include "state/format.h"
#include "state/random.h"
#include "state/ship_class_of.h"
#include "state/ship_classes.h"
#include "state/ship_kinds.h"
#include "state/variables.h"

namespace combat {
namespace {

constexpr std::int32_t kInt32Max = std::numeric_limits<std::int32_t>::max();

void Increment(std::int32_t& counter) {
  if (counter < kInt32Max) counter += 1;
}

using state::Clamp32;

// The special ship selected on the sensors screen; an empty row when none is selected.
const state::TSpecialShipRow& SelectedSpecialShip(CombatUi& ui) {
  static const state::TSpecialShipRow kNone{};
  const int row = ui.SensorSelection();
  if (row < 1 || row > state::kLastSpecialShip) return kNone;
  return state::SpecialShips[row];
}

void PayLoot(CombatUi& ui) {
  const auto& special = SelectedSpecialShip(ui);
  const std::int32_t h = state::EnemyShip[ship::kCargoSpace] / 2;
  std::int32_t units = state::Random(h) + h;
  if (ShipKind{special[special_ship::kKind]} != kTraderShip) units /= 2;

  std::int64_t used = 0;
  for (int g = 1; g <= 100; ++g) used += state::Cargo[g];
  std::int64_t free = static_cast<std::int64_t>(state::PlayerShip[ship::kCargoSpace]) - used;
  if (free < 0) free = 0;  // an overfull hold takes nothing and leaves nothing negative
  std::int32_t left = 0;
  if (units > free) {
    left = Clamp32(units - free);
    units = Clamp32(free);
  }

  std::int64_t value = static_cast<std::int64_t>(state::Random(140) + 70) * units;
  if (ShipKind{special[special_ship::kKind]} == kTraderShip)
    value *= AnnounceSpecialCargo(SpecialShipSubKind{special[special_ship::kSubKind]}, ui);
  state::PlayerData[player::kCredits] =
      Clamp32(static_cast<std::int64_t>(state::PlayerData[player::kCredits]) + value);
  ui.Rules().UpdateStatusBars();
  ShowLootPopup(units, left, Clamp32(value), ui);
}

void EnemyDestroyed(CombatUi& ui) {
  auto& e = state::EnemyShip;
  const state::ShipClassId enemyClass = state::ShipClassOf(e);
  e[ship::kAlive] = 0;
  CountDestroyedShip(enemyClass);
  audio::PlayShipExplosionSound();
  ui.ShowPopup(CombatPopup::Picture, "Well done!",
               "The shields of the enemy ship collapse and the vessel explodes!", "explosion.jpg");

  const std::int32_t faction = state::PlayerData[player::kFaction];
  if (state::GetShipClassSize(enemyClass) >
          state::GetShipClassSize(state::ShipClassOf(state::PlayerShip)) &&
      e[ship::kFaction] != faction)
    ui.AwardSilverStar();
  if (enemyClass == state::kStarbaseClass && state::PlayerData[player::kGoldStar] == 0)
    ui.AwardGoldStar();

  rules::AddExperience(state::GetShipClassExperience(enemyClass), ui.Rules());
  ui.ShowPopup(CombatPopup::Experience, "", rules::kExperienceNotice,
               rules::FactionLogoPicture());

  PayLoot(ui);
  CloseShipCombat(ui);
}

void PlayerDestroyed(CombatUi& ui) {
  auto& p = state::PlayerShip;
  if (rules::TutorialFightCannotBeLost()) {
    ui.ShowPopup(CombatPopup::Text, "Tutorial", rules::TutorialShieldsRefreshedNotice());
    p[ship::kShields] = state::GetShipClassBaseShields(state::ShipClassOf(p));
    return;
  }
  audio::PlayShipExplosionSound();
  ui.ShowPopup(CombatPopup::Picture, "Your ship explodes!",
               "The enemy fire has broken through your shields and your ship explodes.",
               "explosion.jpg");
  p[ship::kAlive] = 0;
  CloseShipCombat(ui);
}

}  // namespace

void CheckShipCombatEnd(CombatUi& ui) {
  if (!(state::PlayerShip[ship::kAlive] > 0 && state::EnemyShip[ship::kAlive] > 0)) return;
  if (state::EnemyShip[ship::kShields] <= 0) {
    EnemyDestroyed(ui);
  } else if (state::PlayerShip[ship::kShields] <= 0) {
    PlayerDestroyed(ui);
  }
}

void DestroyEnemyByCheat(CombatUi& ui) {
  state::EnemyShip[ship::kShields] = 0;
  CheckShipCombatEnd(ui);
}

void CountDestroyedShip(state::ShipClassId shipClass) {
  const state::ShipSize size = state::GetShipClassSize(shipClass);
  if (state::GetShipClassRole(shipClass) == state::kRoleCivilian && size > state::kSizeFighter) {
    Increment(state::PlayerData[player::kCiviliansDestroyed]);
    return;
  }
  // One count per size category, fighters first.
  if (state::IsShipSize(size))
    Increment(state::PlayerData[player::kFightersDestroyed - 1 + state::Stored(size)]);
}

std::int32_t AnnounceSpecialCargo(SpecialShipSubKind subKind, CombatUi& ui) {
  if (subKind == kSubKindValuableCargo) {
    ui.ShowPopup(CombatPopup::Text, "Valuable cargo",
                 "This vessel has loaded very valuable cargo. Your loot is three times as much "
                 "worth as usual!");
    return 3;
  }
  if (subKind == kSubKindTreasureFleet) {
    ui.ShowPopup(CombatPopup::Text, "Treasure fleet",
                 "This vessel belongs to the famous treasure fleet and has extremly valuable "
                 "cargo. Your loot is ten times as much worth as usual!");
    return 10;
  }
  return 1;
}

void ShowLootPopup(std::int64_t taken, std::int64_t left, std::int32_t value, CombatUi& ui) {
  const std::string worth = state::FormatThousands(value);
  std::string text;
  if (taken > 0 && left > 0) {
    text = "Congratulations! You loot " + std::to_string(taken) + "E of cargo (" +
           std::to_string(left) + "E have to be left behind due to limited cargo space). You can "
           "sell it for $" + worth + ".";
  } else if (taken > 0) {
    text = "Congratulations! You loot " + std::to_string(taken) + "E of cargo. You can sell it "
           "for $" + worth + ".";
  } else {
    text = "Because of your full cargobay you - unfortunately - cannot loot any cargo from the "
           "remains of the enemy ship.";
  }
  ui.ShowPopup(CombatPopup::Loot, "", text, "treasurer.jpg");
}

void CloseShipCombat(CombatUi& ui) {
  state::CombatMayClose = 1;
  ui.Close();
}

void CombatScreenClosed() {
  state::EnemyShip[ship::kAwaitingMessage] = 0;
  state::CombatMayClose = 0;
}

}  // namespace combat
