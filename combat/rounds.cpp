#include "combat/rounds.h"

#include <cstdint>
#include <string>

#include "audio/sound.h"
#include "combat/ability_ids.h"
#include "combat/boarding.h"
#include "combat/combat_end.h"
#include "combat/display.h"
#include "combat/enemy_ai.h"
#include "combat/modifiers.h"
#include "combat/resolution.h"
#include "combat/setup.h"
#include "combat/sides.h"
#include "state/equipment.h"
#include "rules/tutorial.h"
#include "state/equipment_ids.h"
#include "state/fields.h"
#include "state/mission_types.h"
#include "state/random.h"
#include "state/ship_class_of.h"
#include "state/ship_classes.h"
#include "state/ship_kinds.h"
#include "state/variables.h"

namespace combat {
namespace {


void AddActionPoints(std::int32_t delta) {
  const std::int64_t ap = static_cast<std::int64_t>(state::PlayerShip[ship::kActionPoints]) + delta;
  state::PlayerShip[ship::kActionPoints] = static_cast<std::int32_t>(ap);
}

void ApplyShipSpecial(CombatUi& ui) {
  auto& p = state::PlayerShip;
  const state::ShipSpecial special = state::ActiveShipSpecial(Side::Player);
  const std::int32_t base = state::GetShipClassBaseShields(state::ShipClassOf(p));
  auto raiseShields = [&]() {
    std::int64_t s = static_cast<std::int64_t>(p[ship::kShields]) + base / 20;
    if (s > base) s = base > p[ship::kShields] ? base : p[ship::kShields];
    p[ship::kShields] = static_cast<std::int32_t>(s);
  };
  switch (special) {
    case state::kSpecialDropAllMissiles:
      AddActionPoints(1);
      p[ship::kLongActionPointBar] = 1;
      ShowActionPointBar(ui);
      break;
    case state::kSpecialShieldPlus:
      raiseShields();
      ui.Refresh(Display::Shields);
      break;
    case state::kSpecialEnergyShifting:
      AddActionPoints(2);
      p[ship::kLongActionPointBar] = 1;
      ChangeShields(Side::Player, -static_cast<std::int64_t>(base / 10));
      ui.Refresh(Display::Shields);
      ShowActionPointBar(ui);
      break;
    case state::kSpecialEnergyBoost:
      AddActionPoints(-2);
      raiseShields();
      ui.Refresh(Display::Shields);
      ShowActionPointBar(ui);
      break;
    default:
      break;
  }
}

void CountDownReload(Side side, CombatUi& ui) {
  auto& ship = Ship(side);
  if (ship[ship::kMissileReload] <= 0) return;
  ship[ship::kMissileReload] -= 1;
  if (ship[ship::kMissileReload] <= 0) ui.Refresh(Display::AbilityButtons);
}

// Counts a volley of `shooter` down by one round. A mine only moves while the target holds it in
// a tractor beam (Mk. II also under a mark); the player's mine releases the enemy's hold.
void CountDownVolley(Side shooter, state::TMissileVolleyRow& volley, CombatUi& ui) {
  const Side target = Other(shooter);
  const MissileId type{Ship(shooter)[ship::kMissileLauncher]};
  if (type == kMissileMineMk1) {
    if (!ModifierActive(target, kTractorBeam)) return;
    volley[missile_volley::kTurnsToImpact] -= 1;
    if (shooter == Side::Player) {
      ClearModifier(Side::Enemy, kTractorBeam);
      ui.ShowMessage(Side::Enemy, "Tractor beam off !!", "The tractor beam has been deactivated.");
    }
  } else if (type == kMissileMineMk2) {
    if (!ModifierActive(target, kTractorBeam) && !ModifierActive(target, kMark)) return;
    volley[missile_volley::kTurnsToImpact] -= 1;
    if (shooter == Side::Player) {
      // The enemy's mark and tractor beam both let go of the mine.
      if (ClearModifier(Side::Enemy, kMark))
        ui.ShowMessage(Side::Enemy, "Mark off !!", "The mark ability has been deactivated.");
      if (ClearModifier(Side::Enemy, kTractorBeam))
        ui.ShowMessage(Side::Enemy, "Tractor beam off !!", "The tractor beam has been deactivated.");
    }
  } else {
    volley[missile_volley::kTurnsToImpact] -= 1;
  }
}

// The missile of `shooter` in flight: a round nearer; on impact its damage, less what the target's
// reflection and focused shields take, comes off the target's shields.
void MissileVolley(Side shooter, CombatUi& ui) {
  const bool player = shooter == Side::Player;
  auto& volley = player ? state::PlayerMissileVolley : state::EnemyMissileVolley;
  if (volley[missile_volley::kInFlight] <= 0) return;
  const Side target = Other(shooter);
  const auto& s = Ship(shooter);
  CountDownVolley(shooter, volley, ui);
  ui.Refresh(Display::Missiles);
  if (volley[missile_volley::kTurnsToImpact] >= 1) return;

  std::int64_t d = 2 * static_cast<std::int64_t>(state::GetMissileDamage(
                           state::ShipClassOf(s), MissileId{s[ship::kMissileLauncher]}));
  const state::ShipSpecial special = state::ActiveShipSpecial(Side::Player);
  if (player && special == state::kSpecialAecmMissiles) d -= d / 3;
  if (player && special == state::kSpecialGunVolley) d -= d / 3;
  auto reflect = [&](state::Ability ability, std::int64_t divisor) {
    if (!ModifierActive(target, ability)) return;
    std::int64_t r = d / divisor;
    d -= r;
    if (player && special == state::kSpecialAntiPhaseEmitter) r = 0;
    ClearModifier(target, ability);
    ui.ShowMessage(target, "Reflection shield !!",
                   player ? "The enemy shields reflect some of the damage back to you."
                          : "Your shields reflect some of the damage back to the enemy ship.");
    ChangeShields(shooter, -r);
    ui.Refresh(Display::Shields);
  };
  auto focus = [&](state::Ability ability, std::int64_t divisor) {
    if (!ModifierActive(target, ability)) return;
    d /= divisor;
    ClearModifier(target, ability);
    ui.ShowMessage(target, "Focused shield !!",
                   player ? "The enemies focused shields are able to reduce the damage of your fire."
                          : "Your focused shields are able to reduce the damage of the enemy fire.");
  };
  reflect(kReflectionShield, 12);
  reflect(kReflectionShield2, 8);
  focus(kFocusedShield, 2);
  focus(kFocusedShield2, 3);
  if (!player && special == state::kSpecialAntiPhaseEmitter) d = 0;

  const std::int32_t dd = static_cast<std::int32_t>(d);
  const std::int32_t h = dd / 2;
  const std::int32_t extra = state::Random(h);
  ChangeShields(target, -(static_cast<std::int64_t>(h) + extra));
  ui.Refresh(Display::Shields);
  ui.Animate(target, Animation::ShieldHit);
  audio::PlayMissileExplosionSound();
  ui.ShowMessage(shooter, "Missile hit !!",
                 (player ? "Your missile hits the enemy. " : "You are hit by a missile. ") +
                     std::to_string(dd) + " pts. of damage caused.");
  volley[missile_volley::kInFlight] = 0;
  ui.Refresh(Display::Missiles);
  if (MissileId{s[ship::kMissileLauncher]} == kMissileZeusEmp) AddModifier(shooter, kEmp, ui);
}

// The squadron of `side` in action: 10 points per size class of the side's ship, of which half
// and a random part of the other half come off the other ship's shields.
void ReinforcementsAttack(Side side, CombatUi& ui) {
  if (!ModifierActive(side, kReinforcements)) return;
  const bool player = side == Side::Player;
  const Side target = Other(side);
  std::int32_t d = 10 * state::Stored(state::GetShipClassSize(state::ShipClassOf(Ship(side))));
  if (!player && state::ActiveShipSpecial(Side::Player) == state::kSpecialAntiPhaseEmitter) d = 0;
  const std::int32_t h = d / 2;
  const std::int32_t extra = state::Random(h);
  ChangeShields(target, -(static_cast<std::int64_t>(h) + extra));
  ui.Refresh(Display::Shields);
  ui.Animate(target, Animation::ShieldHit);
  audio::PlayFireGunsSound();
  ui.ShowMessage(side, "Reinforcements !!",
                 (player ? "Your reinforcements cause " : "The enemy reinforcements cause ") +
                     std::to_string(d) +
                     (player ? " pts. of damage on the enemy ship." : " pts. of damage on your ship."));
}

// Only a count above 0 moves, and only a count that falls to exactly 0 brings the squadron.
void ReinforcementCountdown(Side side, CombatUi& ui) {
  auto& count = Ship(side)[ship::kReinforcements];
  if (count <= 0) return;
  count -= 1;
  if (ModifierActive(side, kSosBuoy) && count > 0) count -= 1;
  if (ModifierActive(Other(side), kRadioJammer)) count += 1;
  if (count != 0) return;
  const int free = side == Side::Player ? FindFreePlayerModifierSlot() : FindFreeEnemyModifierSlot();
  if (free == 0) {
    count = 1;  // no room for the squadron this round; it tries again next round
    return;
  }
  audio::PlayEcmSound();
  ui.ShowMessage(Side::Player, "Reinforcements !!",
                 side == Side::Player ? "A squadron of friendly fighters arrives to help you."
                                      : "A squadron of enemy fighters arrives to help your opponent.");
  AddModifier(side, kReinforcements, ui);
}

// A quarter of `count` plus a random part of another quarter.
std::int32_t Defenders(std::int32_t count) {
  const std::int32_t quarter = count / 4;
  return quarter + state::Random(quarter);
}

bool BoardingCertain(CombatUi& ui) {
  if (state::ActiveMission[mission::kActive] > 0 &&
      MissionType{state::ActiveMission[mission::kType]} == kMissionAbduction)
    return true;
  const int row = ui.SensorSelection();
  if (row >= 1 && row <= state::kLastSpecialShip) {
    const auto& ship = state::SpecialShips[row];
    if (ship[special_ship::kActive] > 0 &&
        (ShipKind{ship[special_ship::kKind]} == kPirateShip ||
         ShipKind{ship[special_ship::kKind]} == kTraderShip ||
         ShipKind{ship[special_ship::kKind]} == kMilitaryShip) &&
        SpecialShipSubKind{ship[special_ship::kSubKind]} == kSubKindVip)
      return true;
  }
  return CargoModuleId{state::PlayerShip[ship::kCargoModule]} == kModuleBoardingShuttle;
}

// The airlock's defenders drawn from the enemy's crew (or pirates), marines and droids, the areas
// set (the airlock open, the rest still closed), and the crew combat screen opened.
void BoardAtTheAirlock(CombatUi& ui) {
  auto& e = state::EnemyShip;
  if (e[ship::kCrewmen] > 0) {
    e[ship::kDefendingCrewmen] = Defenders(e[ship::kCrewmen]);
    if (e[ship::kDefendingCrewmen] < 1) e[ship::kDefendingCrewmen] = 1;
  } else if (e[ship::kPirates] > 0) {
    e[ship::kDefendingCrewmen] = Defenders(e[ship::kPirates]);
  }
  e[ship::kDefendingMarines] = Defenders(e[ship::kMarines]);
  e[ship::kDefendingDroids] = Defenders(e[ship::kDroids]);
  if (e[ship::kCrewmen] > 0)
    e[ship::kCrewmen] -= e[ship::kDefendingCrewmen];
  else
    e[ship::kPirates] -= e[ship::kDefendingCrewmen];
  e[ship::kMarines] -= e[ship::kDefendingMarines];
  e[ship::kDroids] -= e[ship::kDefendingDroids];

  state::BoardingAreas[boarding_area::kAirlock] = state::Stored(kAreaOpen);
  state::BoardingAreas[boarding_area::kCorridors] = state::Stored(kAreaLocked);
  state::BoardingAreas[boarding_area::kCargoBay] = state::Stored(kAreaLocked);
  state::BoardingAreas[boarding_area::kBridge] = state::Stored(kAreaLocked);
  e[ship::kBoardedArea] = boarding_area::kAirlock;
  ui.OpenBoarding();
}

void OfferBoarding(CombatUi& ui) {
  auto& p = state::PlayerShip;
  auto& e = state::EnemyShip;
  const bool weak = e[ship::kShields] <= MaxShields(Side::Enemy) / 4;
  if (!(weak && e[ship::kBoardingRolled] == 0 && BoardingOffered == 0 &&
        state::GetShipClassSize(state::ShipClassOf(p)) >= state::kSizeCorvette &&
        state::GetShipClassSize(state::ShipClassOf(e)) >= state::kSizeCorvette &&
        state::GetShipClassStat(state::ShipClassOf(e), state::kAttrGroup) == 0 &&
        e[ship::kAlive] > 0 && p[ship::kShields] > 0 && e[ship::kShields] > 0))
    return;
  std::int32_t roll = state::Random(100);
  if (BoardingCertain(ui)) roll = 10;
  e[ship::kBoardingRolled] = 1;
  if (roll > 30) return;
  BoardingOffered = 1;
  const bool yes = ui.AskWithPicture(
      "Boarding?",
      "The shields of the enemy ship are weak. Do you want to try to board and capture the ship?",
      state::GetShipFactionImage(state::ShipClassOf(e), Faction{e[ship::kFaction]}) + "_scene.jpg");
  if (!yes) return;

  const bool lendDroids =
      state::GetShipClassSpecial(state::ShipClassOf(p)) == state::kSpecialBattleDroids;
  const std::int32_t ownDroids = p[ship::kDroids];
  if (lendDroids) p[ship::kDroids] += 2;

  BoardAtTheAirlock(ui);

  if (lendDroids) {
    if (p[ship::kDroids] > ownDroids + 1)
      p[ship::kDroids] -= 2;
    else if (p[ship::kDroids] == ownDroids + 1)
      p[ship::kDroids] -= 1;
  }
}

}  // namespace

void UseAbilitySlot(int slot, CombatUi& ui) {
  if (slot < 1 || slot > 12) return;
  if (state::PlayerShip[ship::kActionPoints] == kTurnEnded) return;
  if (FindEnemyModifierSlot(kEmp) > 0 || FindEnemyModifierSlot(kEmp2) > 0) {
    ui.ShowPopup(CombatPopup::Text, "EMP!",
                 "The electronic of your ship has been jammed due to an enemy EMP-pulse. For this "
                 "turn you are stunned (Hint: Get the ability: EMP resistance).");
    return;
  }
  const std::int32_t id = state::PlayerAbilitySlots[slot];
  const bool known = id >= 0 && id <= 100;
  if (known && state::AbilityOwned[id] == 1) ResolvePlayerCombatAction(state::Ability{id}, ui);
  // An engine with the escape drive gives "Flee" to a captain who never learned it.
  if (state::Ability{state::PlayerAbilitySlots[slot]} == kFlee &&
      state::AbilityOwned[state::Stored(kFlee)] != 1 &&
      EngineId{state::PlayerShip[ship::kEngine]} == kEngineTravellerEscape)
    ResolvePlayerCombatAction(kFlee, ui);
}

void ResolvePlayerCombatAction(state::Ability id, CombatUi& ui) {
  ResolveCombatAction(Side::Player, id, ui);
  ShowActionPointBar(ui);
  CheckShipCombatEnd(ui);
  auto& p = state::PlayerShip;
  if (p[ship::kActionPoints] != kTurnEnded && p[ship::kActionPoints] <= 0 && p[ship::kAlive] > 0 &&
      state::EnemyShip[ship::kAlive] > 0 && state::AutoEndTurn == 1)
    EndPlayerTurn(ui);
}

void ForceBoarding(CombatUi& ui) { BoardAtTheAirlock(ui); }

void EndPlayerTurn(CombatUi& ui) {
  rules::FollowTutorial(ui.Rules(), rules::TutorialEvent::TurnEnded);
  state::PlayerShip[ship::kGunVolleys] = 0;
  state::PlayerShip[ship::kActionPoints] = -100;
  ui.SetEndTurnEnabled(false);
  state::EnemyShip[ship::kActionPoints] =
      state::GetShipClassStat(state::ShipClassOf(state::EnemyShip), state::kAttrActionPoints);
  state::EnemyShip[ship::kDecisionStep] = 0;
  RunEnemyCombatAI(ui);
}

void RunEnemyCombatAI(CombatUi& ui) {
  TakeEnemyDecisions(ui);
  if (state::EnemyShip[ship::kAwaitingMessage] == 0 && !ui.IsClosed()) StartNewCombatRound(ui);
}

void EnemyMessageTimerTick(CombatUi& ui) {
  if (state::EnemyShip[ship::kAwaitingMessage] != 1) return;
  state::EnemyShip[ship::kAwaitingMessage] = 0;
  RunEnemyCombatAI(ui);
}

void StartNewCombatRound(CombatUi& ui) {
  ui.SetEndTurnEnabled(true);
  state::PlayerShip[ship::kActionPoints] =
      state::GetShipClassStat(state::ShipClassOf(state::PlayerShip), state::kAttrActionPoints);
  ShowActionPointBar(ui);
  CountDownModifiers(Side::Player, ui);
  ApplyShipSpecial(ui);
  CountDownModifiers(Side::Enemy, ui);
  CountDownReload(Side::Player, ui);
  CountDownReload(Side::Enemy, ui);
  MissileVolley(Side::Player, ui);
  MissileVolley(Side::Enemy, ui);
  ReinforcementsAttack(Side::Player, ui);
  ReinforcementsAttack(Side::Enemy, ui);
  ReinforcementCountdown(Side::Player, ui);
  ReinforcementCountdown(Side::Enemy, ui);
  ui.Refresh(Display::ReinforcementRadar);
  CheckShipCombatEnd(ui);
  OfferBoarding(ui);
  rules::FollowTutorial(ui.Rules(), rules::TutorialEvent::RoundStarted);
}

}  // namespace combat
