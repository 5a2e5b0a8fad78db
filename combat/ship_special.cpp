#include "combat/ship_special.h"

#include <array>
#include <cstdint>
#include <string>

#include "audio/sound.h"
#include "combat/ability_ids.h"
#include "combat/action_points.h"
#include "combat/modifiers.h"
#include "combat/setup.h"
#include "state/fields.h"
#include "state/ship_class_of.h"
#include "state/ship_classes.h"
#include "state/variables.h"

namespace combat {
namespace {

constexpr std::int32_t kSwitchCost = 3;
constexpr std::int32_t kLauncherEmptied = 10000;  // never reloads within the fight
constexpr std::int32_t kEmitterRounds = 2;

// The firing picture by gun type once "Twin guns" is off again.
constexpr std::array<const char*, 9> kFiringByGun = {
    "_l_f1.jpg", "_l_f2.jpg", "_l_f3.jpg", "_l_f4.jpg", "_l_f5.jpg",
    "_l_f3.jpg", "_l_f5.jpg", "_l_f5.jpg", "_l_f2.jpg",
};

std::string PlayerShipPicture() {
  return state::GetShipFactionImage(state::ShipClassOf(state::PlayerShip),
                                    Faction{state::PlayerShip[ship::kFaction]});
}

void SpendSwitchCost(CombatUi& ui) {
  state::PlayerShip[ship::kActionPoints] -= kSwitchCost;
  ui.Refresh(Display::AbilityButtons);
}

void Activate(state::ShipSpecial s, const std::string& name, CombatUi& ui) {
  auto& p = state::PlayerShip;
  if (p[ship::kActionPoints] < kSwitchCost) {
    ShowNotEnoughAP(ui);
    return;
  }
  if (!ui.Ask(name, "This spaceship has a special ability which is right now turned OFF. If "
                    "activated " + state::GetShipSpecialEffect(s) + " Activate this ability now?"))
    return;
  SpendSwitchCost(ui);
  AddPlayerModifier(kShipSpecial, ui);
  if (s == state::kSpecialTwinGuns) Pictures.playerFiring = PlayerShipPicture() + "_l_f2.jpg";
  if (s == state::kSpecialDropAllMissiles) {
    if (ui.Ask("Really?", "Are you really sure you wish to drop all missiles for a +1 AP bonus "
                          "each turn?"))
      p[ship::kMissileReload] = kLauncherEmptied;
    else
      ClearModifier(Side::Player, kShipSpecial);  // the points stay spent
  }
  if (s == state::kSpecialAntiPhaseEmitter) {
    const int slot = FindPlayerModifierSlot(kShipSpecial);
    if (slot > 0) state::PlayerModifiers[slot][modifier::kTurnsLeft] = kEmitterRounds;
    if (p[ship::kEmitterUsed] > 0) {
      p[ship::kActionPoints] += kSwitchCost;
      ui.Refresh(Display::AbilityButtons);
      ClearModifier(Side::Player, kShipSpecial);
      ui.Refresh(Display::Modifiers);
      ui.ShowPopup(CombatPopup::Text, "N/A",
                   "The anti-phase emitter can only be used once during the same combat.");
    } else {
      p[ship::kEmitterUsed] = 1;
    }
  }
  ui.Refresh(Display::Modifiers);
}

void SwitchOff(state::ShipSpecial s, const std::string& name, CombatUi& ui) {
  auto& p = state::PlayerShip;
  if (p[ship::kActionPoints] < kSwitchCost) return;  // no popup for the switch-off
  if (!ui.Ask(name, "This spaceship has a special ability which is right now turned *ON*. As long "
                    "as it stays activated " + state::GetShipSpecialEffect(s) +
                    " Do you wish to turn this ability off?"))
    return;
  SpendSwitchCost(ui);
  ClearModifier(Side::Player, kShipSpecial);
  const std::int32_t gun = p[ship::kGun];
  if (s == state::kSpecialTwinGuns && gun >= 0 && gun < static_cast<std::int32_t>(kFiringByGun.size()))
    Pictures.playerFiring = PlayerShipPicture() + kFiringByGun[static_cast<std::size_t>(gun)];
  ui.Refresh(Display::Modifiers);
}

}  // namespace

void ResolveShipSpecial(CombatUi& ui) {
  audio::PlayAbilityUsedSound();
  const state::ShipSpecial s = state::GetShipClassSpecial(state::ShipClassOf(state::PlayerShip));
  // A class without a special has nothing to switch (and no button for it).
  const std::string name = state::GetShipSpecialName(s);
  if (name.empty()) return;
  if (FindPlayerModifierSlot(kShipSpecial) > 0)
    SwitchOff(s, name, ui);
  else if (FindFreePlayerModifierSlot() > 0)
    Activate(s, name, ui);
}

}  // namespace combat
