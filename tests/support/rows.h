// Whole rows of the game-state tables for the tests, built by their fields' names in one
// expression instead of a run of field-by-field assignments:
//
//   state::PlayerShip =
//   test_rows::ShipRow().Alive().Class(state::kClassPatton).Shields(40).Crewmen(12);
//   state::ActiveMission = test_rows::MissionRow().Active().Type(kMissionBounty).Target(3, 7);
//
// A place is given as (system, body), as the rules name it.
//
// Every field not set is 0, as in a cleared row. `Set` reaches any field of the row's own kind.
#pragma once

#include <cstdint>

#include "combat/fleet_battle.h"
#include "state/abilities.h"
#include "state/equipment_ids.h"
#include "state/factions.h"
#include "state/fields.h"
#include "state/goods.h"
#include "state/id.h"
#include "state/mission_types.h"
#include "state/professions.h"
#include "state/ranks.h"
#include "state/ship_classes.h"
#include "state/ship_kinds.h"
#include "state/variables.h"

namespace test_rows {

template <class Self, class Kind>
class RowBuilder {
 public:
  Self& Set(state::Field<Kind> field, std::int32_t value) {
    row_[field] = value;
    return static_cast<Self&>(*this);
  }
  const state::Row<Kind>& row() const { return row_; }
  operator const state::Row<Kind>&() const { return row_; }

 private:
  state::Row<Kind> row_{};
};

// PlayerData.
class PlayerRow : public RowBuilder<PlayerRow, state::PlayerFields> {
 public:
  PlayerRow& Credits(std::int32_t v) { return Set(player::kCredits, v); }
  PlayerRow& Profession(::Profession v) { return Set(player::kProfession, state::Stored(v)); }
  PlayerRow& Faction(::Faction v) { return Set(player::kFaction, state::Stored(v)); }
  PlayerRow& Level(std::int32_t v) { return Set(player::kLevel, v); }
  PlayerRow& Experience(std::int32_t v) { return Set(player::kExperience, v); }
  PlayerRow& Rank(::Rank v) { return Set(player::kRank, state::Stored(v)); }
  PlayerRow& CriminalDays(std::int32_t v) { return Set(player::kCriminalDays, v); }
  PlayerRow& LifePoints(std::int32_t v) { return Set(player::kLifePoints, v); }
};

// PlayerShip and EnemyShip.
class ShipRow : public RowBuilder<ShipRow, state::ShipFields> {
 public:
  ShipRow& Alive() { return Set(ship::kAlive, 1); }
  ShipRow& Class(state::ShipClassId v) { return Set(ship::kClass, state::Stored(v)); }
  ShipRow& ActionPoints(std::int32_t v) { return Set(ship::kActionPoints, v); }
  ShipRow& Reinforcements(std::int32_t v) { return Set(ship::kReinforcements, v); }
  ShipRow& EnemyKind(ShipKind v) { return Set(ship::kEnemyKind, state::Stored(v)); }
  ShipRow& Faction(::Faction v) { return Set(ship::kFaction, state::Stored(v)); }
  ShipRow& System(std::int32_t v) { return Set(ship::kSystem, v); }
  ShipRow& Body(std::int32_t v) { return Set(ship::kBody, v); }
  ShipRow& CargoSpace(std::int32_t v) { return Set(ship::kCargoSpace, v); }
  ShipRow& Crewmen(std::int32_t v) { return Set(ship::kCrewmen, v); }
  ShipRow& Officers(std::int32_t v) { return Set(ship::kOfficers, v); }
  ShipRow& Marines(std::int32_t v) { return Set(ship::kMarines, v); }
  ShipRow& Pirates(std::int32_t v) { return Set(ship::kPirates, v); }
  ShipRow& Droids(std::int32_t v) { return Set(ship::kDroids, v); }
  ShipRow& Shields(std::int32_t v) { return Set(ship::kShields, v); }
  ShipRow& MissileLauncher(MissileId v) { return Set(ship::kMissileLauncher, state::Stored(v)); }
  ShipRow& Gun(GunId v) { return Set(ship::kGun, state::Stored(v)); }
  ShipRow& Ecm(EcmId v) { return Set(ship::kEcm, state::Stored(v)); }
  ShipRow& Targeting(ComputerId v) { return Set(ship::kTargeting, state::Stored(v)); }
  ShipRow& Engine(EngineId v) { return Set(ship::kEngine, state::Stored(v)); }
  ShipRow& CargoModule(CargoModuleId v) { return Set(ship::kCargoModule, state::Stored(v)); }
};

// BodyData[system][body].
class BodyRow : public RowBuilder<BodyRow, state::BodyFields> {
 public:
  BodyRow& Visible() { return Set(body::kVisible, 1); }
  BodyRow& Owner(std::int32_t v) { return Set(body::kOwner, v); }
  BodyRow& Kind(std::int32_t v) { return Set(body::kKind, v); }
  BodyRow& MapPosition(std::int32_t x, std::int32_t y) {
    return Set(body::kMapX, x).Set(body::kMapY, y);
  }
  BodyRow& Picture(std::int32_t v) { return Set(body::kPicture, v); }
};

// ActiveMission and MissionOffers[system][slot].
class MissionRow : public RowBuilder<MissionRow, state::MissionFields> {
 public:
  MissionRow& Active() { return Set(mission::kActive, 1); }
  MissionRow& Type(MissionType v) { return Set(mission::kType, state::Stored(v)); }
  MissionRow& Reward(std::int32_t v) { return Set(mission::kReward, v); }
  // The target: body `b` of star system `s`.
  MissionRow& Target(std::int32_t s, std::int32_t b) {
    return Set(mission::kTargetSystem, s).Set(mission::kTargetBody, b);
  }
  MissionRow& Subject(std::int32_t v) { return Set(mission::kSubject, v); }
  // The good of a delivery.
  MissionRow& Good(::Good v) { return Set(mission::kGood, state::Stored(v)); }
  MissionRow& Quantity(std::int32_t v) { return Set(mission::kQuantity, v); }
  MissionRow& EnemyFaction(::Faction v) { return Set(mission::kEnemyFaction, state::Stored(v)); }
  // The three nav points (or the pick-up and drop places in the first two).
  MissionRow& FirstPoint(std::int32_t s, std::int32_t b) {
    return Set(mission::kFirstPointSystem, s).Set(mission::kFirstPointBody, b);
  }
  MissionRow& SecondPoint(std::int32_t s, std::int32_t b) {
    return Set(mission::kSecondPointSystem, s).Set(mission::kSecondPointBody, b);
  }
  MissionRow& ThirdPoint(std::int32_t s, std::int32_t b) {
    return Set(mission::kThirdPointSystem, s).Set(mission::kThirdPointBody, b);
  }
  MissionRow& CampaignSystem(std::int32_t v) { return Set(mission::kCampaignSystem, v); }
};

// SpecialShips[row].
class SpecialShipRow : public RowBuilder<SpecialShipRow, state::SpecialShipFields> {
 public:
  SpecialShipRow& Active() { return Set(special_ship::kActive, 1); }
  SpecialShipRow& Class(state::ShipClassId v) {
    return Set(special_ship::kClass, state::Stored(v));
  }
  SpecialShipRow& Kind(ShipKind v) { return Set(special_ship::kKind, state::Stored(v)); }
  SpecialShipRow& Faction(::Faction v) { return Set(special_ship::kFaction, state::Stored(v)); }
  SpecialShipRow& DaysLeft(std::int32_t v) { return Set(special_ship::kDaysLeft, v); }
  SpecialShipRow& SubKind(SpecialShipSubKind v) {
    return Set(special_ship::kSubKind, state::Stored(v));
  }
  SpecialShipRow& LeastLoadoutTier(std::int32_t v) { return Set(special_ship::kLeastLoadoutTier, v); }
};

// PlayerFleet and EnemyFleet rows.
class FleetShipRow : public RowBuilder<FleetShipRow, state::FleetShipFields> {
 public:
  FleetShipRow& Alive() { return Set(fleet_ship::kAlive, 1); }
  FleetShipRow& Faction(::Faction v) { return Set(fleet_ship::kFaction, state::Stored(v)); }
  FleetShipRow& Class(state::ShipClassId v) { return Set(fleet_ship::kClass, state::Stored(v)); }
  FleetShipRow& HitPoints(std::int32_t v) { return Set(fleet_ship::kHitPoints, v); }
  FleetShipRow& Role(combat::FleetRole v) { return Set(fleet_ship::kRole, state::Stored(v)); }
};

// PlayerModifiers and EnemyModifiers rows: an active effect of `ability` for `turnsLeft` turns.
inline state::TModifierRow ActiveModifier(state::Ability ability, std::int32_t turnsLeft) {
  state::TModifierRow row{};
  row[modifier::kActive] = 1;
  row[modifier::kAbility] = state::Stored(ability);
  row[modifier::kTurnsLeft] = turnsLeft;
  return row;
}

}  // namespace test_rows
