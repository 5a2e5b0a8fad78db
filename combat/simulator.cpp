#include "combat/simulator.h"

#include <algorithm>
#include <cstdint>
#include <limits>
#include <string>

#include "audio/sound.h"
#include "combat/modifiers.h"
#include "combat/sides.h"
#include "rules/new_game.h"
#include "state/clamp.h"
#include "state/equipment.h"
#include "state/fields.h"
#include "state/random.h"
#include "state/ship_class_of.h"
#include "state/ship_classes.h"
#include "state/variables.h"

namespace combat {

std::int32_t SimulatorSetupStep = 0;
std::array<SimulatorMessage, kSimulatorMessagePanels> SimulatorMessages{};

namespace {

using state::Random;

constexpr Side kPlayer = Side::Player;
constexpr Side kEnemy = Side::Enemy;

using state::Clamp32;

void LoseShields(Side side, std::int64_t amount) {
  auto& ship = Ship(side);
  ship[ship::kShields] = Clamp32(static_cast<std::int64_t>(ship[ship::kShields]) - amount);
}

void ShowPanel(Side side, int panel, std::string_view topic, std::string_view text) {
  auto& message = SimulatorPanel(side, panel);
  message.topic = std::string(topic);
  message.text = std::string(text);
  message.visible = true;
  message.ticks = kSimulatorMessageTicks;
}

std::string DamageText(std::int32_t damage) { return std::to_string(damage) + " damage caused!"; }

// Ends the lowest active entry of `ability` on `side` and redraws the icons.
void UseUp(Side side, state::Ability ability, SimulatorUi& ui) {
  ClearModifier(side, ability);
  ui.Refresh(Display::Modifiers);
}

// A hit of `damage` against `target`: shields that reflect or reduce it are used up, the rest
// strikes the shields, and a hit may interrupt the target's escape. Returns the damage after the
// shields, which the attack's message shows.
std::int32_t Hit(Side target, std::int32_t damage, SimulatorUi& ui) {
  const Side attacker = Other(target);
  std::int32_t d = damage;
  const auto reflect = [&](state::Ability ability, std::int32_t divisor, std::string_view topic) {
    if (!ModifierActive(target, ability)) return;
    const std::int32_t r = d / divisor;
    d -= r;
    UseUp(target, ability, ui);
    ShowPanel(target, 3, topic, "Damage reflected!");
    LoseShields(attacker, r);
    ui.Refresh(Display::Shields);
    ui.Animate(attacker, Animation::ShieldHit);
  };
  reflect(kReflectionShield, 12, "Reflection shield");
  reflect(kReflectionShield2, 8, "Reflection shield II");
  const auto reduce = [&](state::Ability ability, std::int32_t divisor, std::string_view topic) {
    if (!ModifierActive(target, ability)) return;
    d /= divisor;
    UseUp(target, ability, ui);
    ShowPanel(target, 4, topic, "Damage reduced!");
  };
  reduce(kFocusedShield, 2, "Focused shield");
  reduce(kFocusedShield2, 3, "Focused shield II");
  const std::int32_t half = d / 2;
  const std::int32_t roll = Random(half);
  LoseShields(target, static_cast<std::int64_t>(half) + roll);
  ui.Refresh(Display::Shields);
  ui.Animate(target, Animation::ShieldHit);
  if (ModifierActive(target, kFlee)) {
    if (Random(100) <= 20) {
      UseUp(target, kFlee, ui);
      ShowPanel(attacker, 4, "Interrupting escape", "Successful!");
    } else {
      ShowPanel(attacker, 4, "Interrupting escape", "Failed!");
    }
  }
  return d;
}

// The lowest slot of the enemy holding `ability`, 0 when none does.
int EnemySlotOf(state::Ability ability) {
  for (int slot = 1; slot <= 12; ++slot) {
    if (state::Ability{state::EnemyAbilitySlots[slot]} == ability) return slot;
  }
  return 0;
}

// Uses `ability` for the enemy when it stands in a slot that is ready.
void EnemyUse(state::Ability ability, SimulatorUi& ui) {
  const int slot = EnemySlotOf(ability);
  if (slot > 0 && state::EnemySlotState[slot] < 1) ui.AbilityUsed(kEnemy, ability);
}

// "9 %": Random(100) > 90.
bool Chance9() { return Random(100) > 90; }

void TryChance(state::Ability ability, SimulatorUi& ui) {
  if (Chance9()) EnemyUse(ability, ui);
}

bool PlayerHas(state::Ability ability) { return ModifierActive(kPlayer, ability); }
bool EnemyHas(state::Ability ability) { return ModifierActive(kEnemy, ability); }
bool PlayerVolleyInFlight() { return state::PlayerMissileVolley[missile_volley::kInFlight] > 0; }

void PickTraderChoices(SimulatorUi& ui) {
  TryChance(kTaunt, ui);
  TryChance(kFlee, ui);
  TryChance(kEvading, ui);
  TryChance(kSosBuoy, ui);
  for (const state::Ability shield :
       {kFocusedShield, kFocusedShield2, kReflectionShield, kReflectionShield2}) {
    if (PlayerHas(kCloak) ||
        (PlayerVolleyInFlight() &&
         state::PlayerMissileVolley[missile_volley::kSimulatorGateB] < 4) ||
        Random(100) < 20) {
      EnemyUse(shield, ui);
    }
  }
  const std::int64_t third =
      state::GetShipClassBaseShields(state::ShipClassOf(state::EnemyShip)) / 3;
  const bool weak = state::EnemyShip[ship::kShields] < third;
  if (state::EnemyShip[ship::kComboPoints] > 2 && weak && Chance9()) EnemyUse(kSacrifice, ui);
  if (weak && Chance9()) EnemyUse(kShieldBoost, ui);
  if (PlayerHas(kCloak) && Chance9()) EnemyUse(kMark, ui);
  EnemyUse(kFireMissiles, ui);
  if (!EnemyHas(kCloak) && !EnemyHas(kEmp)) EnemyUse(kFireGuns, ui);
}

void PickRogueChoices(SimulatorUi& ui) {
  TryChance(kTaunt, ui);
  TryChance(kTargetLock, ui);
  TryChance(kDiscipline, ui);
  TryChance(kManouvers, ui);
  if (state::EnemyShip[ship::kComboPoints] > 2 && Chance9()) EnemyUse(kDiscipline, ui);
  if (PlayerVolleyInFlight()) EnemyUse(kEcm, ui);
  if (PlayerHas(kFlee) && Chance9()) EnemyUse(kTractorBeam, ui);
  if (PlayerHas(kCloak) && Chance9()) EnemyUse(kMark, ui);
  if ((PlayerHas(kTaunt) || PlayerHas(kEvilTaunt)) && Chance9()) EnemyUse(kCalmness, ui);
  EnemyUse(kFireMissiles, ui);
  if (PlayerHas(kFlee)) EnemyUse(kOverloadGun, ui);
  if (Random(100) < 40) EnemyUse(kFocusBeam, ui);
  if (!EnemyHas(kCloak) && !EnemyHas(kEmp)) EnemyUse(kFireGuns, ui);
}

void PickSoldierChoices(SimulatorUi& ui) {
  EnemyUse(kEvilTaunt, ui);
  TryChance(kTargetLock, ui);
  if (PlayerVolleyInFlight()) EnemyUse(kEcm, ui);
  if (PlayerVolleyInFlight() && state::PlayerMissileVolley[missile_volley::kSimulatorGateA] < 4)
    EnemyUse(kCloak, ui);
  if (PlayerHas(kMark) && Chance9()) EnemyUse(kEmpResistance, ui);
  if (PlayerHas(kSosBuoy) && Chance9()) EnemyUse(kRadioJammer, ui);
  if (PlayerHas(kEmp2) && Chance9()) EnemyUse(kFocusBeam2, ui);
  if (PlayerHas(kFlee) && Chance9()) EnemyUse(kTractorBeam, ui);
  EnemyUse(kFireMissiles, ui);
  if (!EnemyHas(kCloak) && !EnemyHas(kEmp)) EnemyUse(kFireGuns, ui);
  const int slot14 = EnemySlotOf(kCloak);
  if (slot14 > 0) {
    if (state::EnemySlotState[slot14] < 1) {
      EnemyUse(kCloak, ui);
    } else if (EnemyHas(kCloak)) {
      EnemyUse(state::EnemyShip[ship::kComboPoints] < 3 ? kExploit : kEmp, ui);
    }
  }
  if (EnemyHas(kEmp)) EnemyUse(kExploit2, ui);
}

// Step 2 of a tick for one side.
void CountDownEffects(Side side, SimulatorUi& ui) {
  auto& list = ListOf(side);
  for (int slot = 1; slot <= kModifierSlots; ++slot) {
    auto& row = list[slot];
    if (row[modifier::kActive] == 0) continue;
    row[modifier::kTurnsLeft] = Clamp32(static_cast<std::int64_t>(row[modifier::kTurnsLeft]) - 1);
    if (row[modifier::kTurnsLeft] < 1) {
      // An escape (ability 11) running out ends nothing more in the simulator.
      row[modifier::kActive] = 0;
      ui.Refresh(Display::Modifiers);
    }
  }
}

void CountDownCoolDowns(Side side) {
  auto& states = side == kPlayer ? state::PlayerSlotState : state::EnemySlotState;
  const bool doubleSpeed = ModifierActive(side, kDoubleSpeed);
  for (int slot = 1; slot <= 12; ++slot) {
    std::int32_t value = states[slot];
    if (value > 0) --value;
    if (doubleSpeed && value > 0) --value;
    states[slot] = std::max<std::int32_t>(value, 0);
  }
}

void LandMissile(Side attacker, SimulatorUi& ui) {
  auto& volley = attacker == kPlayer ? state::PlayerMissileVolley : state::EnemyMissileVolley;
  if (volley[missile_volley::kInFlight] <= 0) return;
  std::int32_t& turns = volley[missile_volley::kTurnsToImpact];
  turns = Clamp32(static_cast<std::int64_t>(turns) - 1);
  if (turns >= 1) return;
  volley[missile_volley::kInFlight] = 0;
  const auto& ship = Ship(attacker);
  std::int32_t damage =
      state::GetMissileDamage(state::ShipClassOf(ship), MissileId{ship[ship::kSimulatorMissile]});
  const Side target = Other(attacker);
  if (ModifierActive(target, kTargetLock)) {
    damage = Clamp32(static_cast<std::int64_t>(damage) + damage / (attacker == kPlayer ? 2 : 4));
  }
  damage = Hit(target, damage, ui);
  audio::PlayMissileExplosionSound();
  ShowPanel(attacker, 2, attacker == kPlayer ? "Your missile hits!" : "Enemy missile hits!",
            DamageText(damage));
}

void ReinforcementsArrive(Side side, SimulatorUi& ui) {
  auto& countdown = Ship(side)[ship::kReinforcements];
  if (countdown <= 0) return;
  --countdown;
  if (ModifierActive(side, kSosBuoy) && countdown > 0) --countdown;
  if (countdown != 0) return;
  const int free = side == kPlayer ? FindFreePlayerModifierSlot() : FindFreeEnemyModifierSlot();
  if (free == 0) {
    countdown = 1;
    return;
  }
  audio::PlayEcmSound();
  ShowPanel(side, 4, "Reinforcements", "arriving!");
  if (side == kPlayer) {
    AddPlayerModifier(kReinforcements, ui);
  } else {
    AddEnemyModifier(kReinforcements);
  }
  ui.Refresh(Display::Modifiers);
}

void Explode(Side side, SimulatorUi& ui) {
  Ship(side)[ship::kAlive] = 0;
  audio::PlayShipExplosionSound();
  ui.StopCombatTimer();
  if (side == kEnemy) {
    ui.ShowPopup(CombatPopup::Picture, "The enemy ship explodes!",
                 "The shields of the enemy ships collapse and the vessel explodes!",
                 "explosion.jpg");
  } else {
    ui.ShowPopup(CombatPopup::Picture, "Your ship explodes!",
                 "The enemy fire has broken through your shields and your ship explodes.",
                 "explosion.jpg");
  }
  ui.Close();
}

// A choice of -1 leaves the ship or the expertise as it was.
void StoreChoice(std::int32_t shipClass, std::int32_t expertise) {
  if (SimulatorSetupStep == 1) {
    if (shipClass >= 0) state::PlayerShip[ship::kClass] = shipClass;
    if (expertise >= 0) state::PlayerData[player::kProfession] = expertise;
  } else if (SimulatorSetupStep == 2) {
    if (shipClass >= 0) state::EnemyShip[ship::kClass] = shipClass;
    if (expertise >= 0) state::EnemyShip[ship::kEnemyKind] = expertise;
  }
}

}  // namespace

SimulatorMessage& SimulatorPanel(Side side, int panel) {
  const int index = std::clamp(panel, 1, 4) - 1 + (side == kPlayer ? 0 : 4);
  return SimulatorMessages[static_cast<std::size_t>(index)];
}

void ChooseSimulatorShip(state::ShipClassId shipClass) {
  StoreChoice(state::Stored(shipClass), -1);
}
void ChooseSimulatorExpertise(std::int32_t expertise) { StoreChoice(-1, expertise); }

bool ContinueSimulatorSetup() {
  if (SimulatorSetupStep == 1 && state::ShipClassOf(state::PlayerShip) > state::kNoShipClass &&
      state::PlayerData[player::kProfession] > 0) {
    SimulatorSetupStep = 2;
    return true;
  }
  if (SimulatorSetupStep == 2 && state::ShipClassOf(state::EnemyShip) > state::kNoShipClass &&
      state::EnemyShip[ship::kEnemyKind] > 0) {
    SimulatorSetupStep = 3;
    return true;
  }
  return false;
}

void BackSimulatorSetup() { --SimulatorSetupStep; }

int SimulatorEnemyList(std::int32_t expertise) {
  switch (expertise) {
    case 1: return 1;
    case 3: return 3;
    case 6: return 2;
    default: return 0;
  }
}

SimulatorShipPictures GetSimulatorShipPictures(state::ShipClassId shipClass, Side side) {
  const std::string suffix = side == kPlayer ? "_R.jpg" : "_L.jpg";
  SimulatorShipPictures p;
  const bool jalkath = shipClass == state::kClassStarwolf;
  p.ship = jalkath                             ? "Jalkath_Vorrak"
           : shipClass == state::kClassStargun ? "Federation_Avenger"
                                               : "Federation_Shadowcat";
  p.ship += suffix;
  p.missile = std::string(jalkath ? "Jalkath_Missile" : "Federation_Missile") + suffix;
  p.fire = std::string(jalkath ? "Jalkath_Firing" : "Federation_Firing") + suffix;
  if (side == kPlayer) {
    p.fireLeft = jalkath ? 250 : 243;
    p.fireTop = jalkath ? 243 : 264;
    p.fireWidth = 66;
  } else {
    p.fireLeft = jalkath ? 531 : 494;
    p.fireTop = jalkath ? 258 : 298;
    p.fireWidth = 63;
  }
  return p;
}

void SetupSimulatorShips(SimulatorUi& ui) {
  for (int slot = 1; slot <= 12; ++slot) {
    state::PlayerSlotState[slot] = 0;
    state::EnemySlotState[slot] = 0;
  }
  for (int slot = 1; slot <= kModifierSlots; ++slot) {
    state::PlayerModifiers[slot][modifier::kActive] = 0;
    state::EnemyModifiers[slot][modifier::kActive] = 0;
  }
  state::PlayerMissileVolley[missile_volley::kInFlight] = 0;
  state::EnemyMissileVolley[missile_volley::kInFlight] = 0;
  for (auto* ship : {&state::PlayerShip, &state::EnemyShip}) {
    (*ship)[ship::kComboPoints] = 0;
    (*ship)[ship::kReinforcements] = -1;
  }
  // Messages of an earlier duel do not carry over into this one.
  SimulatorMessages = {};
  ui.ResetScreen();
  const std::int32_t system = state::PlayerShip[ship::kSystem];
  if (system >= 1 && system < state::kSystems &&
      state::SystemData[system][star_system::kOwner] == state::PlayerData[player::kFaction]) {
    state::PlayerShip[ship::kReinforcements] = 100;
  }
  ui.Refresh(Display::AbilityButtons);

  auto& enemy = state::EnemyShip;
  enemy[ship::kAlive] = 1;
  enemy[ship::kComboPoints] = 0;
  enemy[ship::kReinforcements] = -1;
  enemy[ship::kBody] = 2;
  enemy[ship::kSystem] = 2;
  enemy[ship::kCargoSpace] = 50;
  enemy[ship::kSimulatorMissile] = 0;
  enemy[ship::kShields] = state::GetShipClassBaseShields(state::ShipClassOf(enemy));
  enemy[ship::kSetUpMark] = 3;
  for (const ship::Field field : ship::kFittedItems) enemy[field] = 0;

  static constexpr std::array<std::array<state::Ability, 12>, 3> kLists = {{
      {kFireGuns, kFireMissiles, kEcm, kTaunt, kFlee, kFocusedShield, kReflectionShield, kEvading,
       kShieldBoost, kSacrifice, kMark, kSosBuoy},
      {kFireGuns, kFireMissiles, kEcm, kTaunt, kFocusBeam, kOverloadGun, kMark, kTargetLock,
       kDiscipline, kManouvers, kDoubleSpeed, kCalmness},
      {kFireGuns, kFireMissiles, kEcm, kEvilTaunt, kCloak, kExploit, kEmp, kExploit2,
       kEmpResistance, kTractorBeam, kRadioJammer, kTargetLock},
  }};
  const int list = SimulatorEnemyList(enemy[ship::kEnemyKind]);
  if (list > 0) {
    for (int slot = 1; slot <= 12; ++slot) {
      state::EnemyAbilitySlots[slot] = state::Stored(
          kLists[static_cast<std::size_t>(list - 1)][static_cast<std::size_t>(slot - 1)]);
    }
    enemy[ship::kReinforcements] = list == 1 ? 100 : -1;
  }
}

void RunCombatSimulator(SimulatorUi& ui) {
  audio::PlayButtonSound();
  state::ClearGameState();
  state::PlayerShip[ship::kClass] = state::Stored(state::kNoShipClass);
  state::EnemyShip[ship::kClass] = state::Stored(state::kNoShipClass);
  state::PlayerData[player::kProfession] = 0;
  state::EnemyShip[ship::kEnemyKind] = 0;
  SimulatorSetupStep = 1;
  ui.ShowSetupPage("Player setup:");

  const state::ShipClassId shipClass = state::ShipClassOf(state::PlayerShip);
  rules::CreateNewGameWorld(shipClass, ui.Rules());
  state::PlayerShip[ship::kClass] = state::Stored(shipClass);
  state::PlayerShip[ship::kShields] = state::GetShipClassBaseShields(shipClass);

  if (SimulatorSetupStep == 2) ui.ShowSetupPage("Enemy setup:");
  if (SimulatorSetupStep != 3) return;

  SetupSimulatorShips(ui);
  ui.RunDuelScreen();
  if (state::EnemyShip[ship::kAlive] == 0) {
    ui.ShowPopup(CombatPopup::Picture, "Congratulations! You won!",
                 "Well done, you won the duel! Lets see how you will do in a REAL clash of steel "
                 "and blood.",
                 "Gameris.jpg");
  } else if (state::PlayerShip[ship::kAlive] == 0) {
    ui.ShowPopup(CombatPopup::Picture, "Game Over!",
                 "You lost the simulator game. You better continue with your training.",
                 "Gameris.jpg");
  }
}

void UseSimulatorAbilitySlot(int slot, SimulatorUi& ui) {
  if (slot < 1 || slot > 12) return;
  if (ModifierActive(kEnemy, kEmp)) return;
  const std::int32_t ability = state::PlayerAbilitySlots[slot];
  if (ability < 0 || ability >= static_cast<std::int32_t>(state::AbilityOwned.size())) return;
  if (state::AbilityOwned[ability] == 1) ui.AbilityUsed(kPlayer, state::Ability{ability});
}

void PickSimulatorEnemyAbility(SimulatorUi& ui) {
  switch (SimulatorEnemyList(state::EnemyShip[ship::kEnemyKind])) {
    case 1: PickTraderChoices(ui); break;
    case 2: PickRogueChoices(ui); break;
    case 3: PickSoldierChoices(ui); break;
    default: break;
  }
}

void RunSimulatorRound(SimulatorUi& ui) {
  PickSimulatorEnemyAbility(ui);

  CountDownEffects(kPlayer, ui);
  CountDownEffects(kEnemy, ui);

  CountDownCoolDowns(kPlayer);
  ui.Refresh(Display::AbilityButtons);
  CountDownCoolDowns(kEnemy);

  for (auto& message : SimulatorMessages) {
    if (!message.visible) continue;
    --message.ticks;
    if (message.ticks < 1) message.visible = false;
  }

  LandMissile(kPlayer, ui);
  LandMissile(kEnemy, ui);

  if (PlayerHas(kEmp2) && Random(100) < 20) {
    const std::int32_t damage = Hit(kEnemy, EnemyHas(kTargetLock) ? 7 : 5, ui);
    audio::PlayFireGunsSound();
    ShowPanel(kPlayer, 3, "Drones", DamageText(damage));
  }
  if (EnemyHas(kEmp2) && Random(100) < 20) {
    const std::int32_t damage = Hit(kPlayer, PlayerHas(kTargetLock) ? 6 : 5, ui);
    ShowPanel(kEnemy, 3, "Drones!", DamageText(damage));
  }
  if (PlayerHas(kReinforcements) && Random(100) < 100) {
    const std::int32_t damage = Hit(kEnemy, EnemyHas(kTargetLock) ? 15 : 10, ui);
    audio::PlayFireGunsSound();
    ShowPanel(kPlayer, 3, "Reinforcements", DamageText(damage));
  }
  if (EnemyHas(kReinforcements)) {
    const std::int32_t damage = Hit(kPlayer, PlayerHas(kTargetLock) ? 12 : 10, ui);
    ShowPanel(kEnemy, 3, "Reinforcements!", DamageText(damage));
  }

  ReinforcementsArrive(kPlayer, ui);
  ReinforcementsArrive(kEnemy, ui);
  for (auto* ship : {&state::PlayerShip, &state::EnemyShip}) {
    if ((*ship)[ship::kReinforcements] < 0) (*ship)[ship::kReinforcements] = 0;
  }
  ui.Refresh(Display::ReinforcementRadar);

  if (state::EnemyShip[ship::kShields] < 1) {
    Explode(kEnemy, ui);
  } else if (state::PlayerShip[ship::kShields] < 1) {
    Explode(kPlayer, ui);
  }
  ui.Refresh(Display::Missiles);
}

}  // namespace combat
