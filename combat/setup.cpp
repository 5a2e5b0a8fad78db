#include "combat/setup.h"

#include <array>
#include <vector>

#include "combat/ability_ids.h"
#include "combat/display.h"
#include "state/abilities.h"
#include "rules/tutorial.h"
#include "state/equipment_ids.h"
#include "state/fields.h"
#include "state/random.h"
#include "state/factions.h"
#include "state/ship_class_of.h"
#include "state/ship_classes.h"
#include "state/ship_kinds.h"
#include "state/skills.h"
#include "state/variables.h"

namespace combat {

CombatPictures Pictures;

namespace {

constexpr int kLastAbilityButton = 12;
constexpr std::int32_t kReinforcementTurns = 8;

// The enemy's ability list and reinforcements by tier and kind (kinds 1..3 in that order).
struct EnemyAbilityRow {
  std::vector<state::Ability> abilities;
  std::int32_t reinforcements;
};
const std::array<std::array<EnemyAbilityRow, 3>, 3> kEnemyAbilities{{
    // tier 1
    {{{{kFireGuns, kFireMissiles, kEcm, kTaunt, kFlee, kFocusedShield}, 8},
      {{kFireGuns, kFireMissiles, kEcm, kTaunt, kFocusBeam, kDiscipline}, -1},
      {{kFireGuns, kFireMissiles, kEcm, kEvilTaunt, kTractorBeam, kDiscipline}, -1}}},
    // tier 2
    {{{{kFireGuns, kFireMissiles, kEcm, kTaunt, kFlee, kFocusedShield2, kReflectionShield,
        kSosBuoy},
       8},
      {{kFireGuns, kFireMissiles, kEcm, kTaunt, kFocusBeam, kDiscipline, kTargetLock, kTractorBeam},
       -1},
      {{kFireGuns, kFireMissiles, kEcm, kEvilTaunt, kTractorBeam, kDiscipline, kEmp, kExploit,
        kTractorBeam},
       -1}}},
    // tiers 3 and 4
    {{{{kFireGuns, kFireMissiles, kEcm, kTaunt, kFlee, kFocusedShield2, kReflectionShield2,
        kEvading, kSosBuoy, kRecharge},
       8},
      {{kFireGuns, kFireMissiles, kEcm, kFocusBeam, kDiscipline, kTargetLock, kTractorBeam,
        kOverloadGun, kMark, kDoubleSpeed},
       -1},
      {{kFireGuns, kFireMissiles, kEcm, kEvilTaunt, kTractorBeam, kDiscipline, kEmp, kExploit,
        kTractorBeam, kCloak, kRadioJammer},
       -1}}},
}};

using state::IsSystem;

// The faction owning the system the player is in; 0 outside the star map.
Faction OwnerOfPlayerSystem() {
  const std::int32_t s = state::PlayerShip[ship::kSystem];
  return IsSystem(s) ? Faction{state::SystemData[s][star_system::kOwner]} : kFactionPirates;
}

void SetupPlayerReinforcements() {
  const Faction owner = OwnerOfPlayerSystem();
  const Faction f{state::PlayerData[player::kFaction]};
  const bool clean = state::PlayerData[player::kCriminalDays] == 0;
  bool atWar = false;
  if (state::IsPower(f) && state::IsFaction(owner))
    atWar = state::FactionData[state::Stored(f)][faction::AtWarWith(owner)] != 0;
  const bool comes =
      (clean && owner == f) ||
      (clean && owner != f && !atWar &&
       state::SkillOwned[state::Stored(kSkillCombatPatrol)] == 1) ||
      (clean && owner != f && state::SkillOwned[state::Stored(kSkillDeepSpacePatrol)] == 1);
  if (comes) state::PlayerShip[ship::kReinforcements] = kReinforcementTurns;
}

void FillPlayerSlots() {
  state::AbilityOwned[state::Stored(kShipSpecial)] = 1;
  const state::ShipSpecial special =
      state::GetShipClassSpecial(state::ShipClassOf(state::PlayerShip));
  const bool specialHasButton = special != state::kSpecialBattleDroids &&
                                special != state::kSpecialExtendedSensors &&
                                special != state::kSpecialHiddenCargoBay;
  int next = 1;
  auto place = [&next](state::Ability id) {
    if (next > kLastAbilityButton) return;
    state::PlayerAbilitySlots[next++] = state::Stored(id);
  };
  for (std::int32_t n = 1; n <= 100; ++n) {
    const state::Ability id{n};
    const bool owned = state::AbilityOwned[n] >= 1 && id != kShipSpecial;
    const bool engineFlee = id == kFlee && state::AbilityOwned[n] < 1 &&
                            EngineId{state::PlayerShip[ship::kEngine]} == kEngineTravellerEscape;
    if (!owned && !engineFlee) continue;
    place(id);
    // The ship's special ability always takes the fourth button, once three are filled.
    if (next == 4 && specialHasButton) place(kShipSpecial);
  }
}

void SetupEnemyCrew(state::ShipClassId enemyClass, ShipKind enemyKind) {
  const std::int32_t maxCrew = state::GetShipClassStat(enemyClass, state::kAttrMaxCrew);
  std::int32_t minCrew = state::GetShipClassStat(enemyClass, state::kAttrMinCrew);
  if (minCrew == 0) minCrew = 1;
  state::EnemyShip[ship::kCrewmen] = minCrew;
  std::int32_t marines = maxCrew - minCrew;
  if (marines < 0) marines = 0;
  if (enemyKind == kTraderShip || enemyKind == kPirateShip) marines /= 2;
  state::EnemyShip[ship::kDroids] = state::Random(marines);
  state::EnemyShip[ship::kMarines] = marines - state::EnemyShip[ship::kDroids];
}

// Gun and launcher by tier and size category; a size without a row keeps the defaults.
void SetupEnemyEquipment(std::int32_t tier, state::ShipSize size) {
  auto& e = state::EnemyShip;
  auto pick = [](std::int32_t r, std::int32_t low, GunId a, std::int32_t mid, GunId b, GunId c) {
    return state::Stored(r <= low ? a : (r <= mid ? b : c));
  };
  auto smallLauncher = [size]() {
    return state::Stored(size == state::kSizeFighter ? kMissileArrowMk1 : kMissileArrowMk2);
  };
  bool fitted = true;
  if (tier == 1 && (size == state::kSizeFighter || size == state::kSizeCorvette)) {
    e[ship::kGun] = state::Stored(state::Random(2) == 0 ? kGunLaser : kGunTurboLaser);
    e[ship::kMissileLauncher] = smallLauncher();
  } else if (tier == 1 && size == state::kSizeDestroyer) {
    e[ship::kGun] = pick(state::Random(100), 60, kGunLaser, 80, kGunTurboLaser, kGunDisruptor);
    e[ship::kMissileLauncher] = state::Stored(kMissileZeusMk1);
  } else if (tier == 2 && (size == state::kSizeFighter || size == state::kSizeCorvette)) {
    e[ship::kGun] = pick(state::Random(100), 40, kGunLaser, 70, kGunTurboLaser, kGunParticle);
    e[ship::kMissileLauncher] = smallLauncher();
  } else if (tier == 2 && size == state::kSizeDestroyer) {
    e[ship::kGun] = pick(state::Random(100), 40, kGunLaser, 70, kGunTurboLaser, kGunDisruptor);
    e[ship::kMissileLauncher] = state::Stored(kMissileZeusMk1);
  } else if (tier == 2 && size == state::kSizeCruiser) {
    e[ship::kGun] = pick(state::Random(100), 40, kGunLaser, 70, kGunDisruptor, kGunLeech);
    e[ship::kMissileLauncher] = state::Stored(kMissileZeusMk1);
  } else if (tier == 2 && size == state::kSizeBattleship) {
    e[ship::kGun] = pick(state::Random(100), 40, kGunDisruptor, 70, kGunGatling, kGunQuantum);
    e[ship::kMissileLauncher] =
        state::Stored(state::Random(100) <= 70 ? kMissileZeusMk1 : kMissileDestroyer);
  } else if (tier >= 3 && (size == state::kSizeFighter || size == state::kSizeCorvette)) {
    e[ship::kGun] = state::Stored(state::Random(100) <= 60 ? kGunTurboLaser : kGunParticle);
    e[ship::kMissileLauncher] = smallLauncher();
  } else if (tier >= 3 && size == state::kSizeDestroyer) {
    e[ship::kGun] = state::Stored(state::Random(100) <= 60 ? kGunTurboLaser : kGunDisruptor);
    e[ship::kMissileLauncher] = state::Stored(kMissileZeusMk1);
  } else if (tier >= 3 && size == state::kSizeCruiser) {
    e[ship::kGun] = state::Stored(state::Random(100) <= 60 ? kGunDisruptor : kGunLeech);
    e[ship::kMissileLauncher] = state::Stored(kMissileZeusMk1);
  } else if (tier >= 3 && size == state::kSizeBattleship) {
    e[ship::kGun] = state::Stored(state::Random(100) <= 60 ? kGunGatling : kGunQuantum);
    e[ship::kMissileLauncher] =
        state::Stored(state::Random(100) <= 70 ? kMissileZeusMk1 : kMissileDestroyer);
  } else {
    fitted = false;
  }
  if (fitted) {
    e[ship::kEcm] = state::Stored(kEcmDefenderMk2);
    e[ship::kTargeting] = state::Stored(kComputerTakedownMk1);
  }
}

void SetupEnemyAbilities(std::int32_t tier, ShipKind enemyKind) {
  for (int k = 1; k <= kLastAbilityButton; ++k) state::EnemyAbilitySlots[k] = 0;
  if (enemyKind < kTraderShip || enemyKind > kPirateShip) return;
  const int tierRow = tier >= 3 ? 2 : tier - 1;
  const EnemyAbilityRow& row = kEnemyAbilities[tierRow][state::Stored(enemyKind) - 1];
  int slot = 1;
  for (const state::Ability id : row.abilities)
    state::EnemyAbilitySlots[slot++] = state::Stored(id);
  state::EnemyShip[ship::kReinforcements] = row.reinforcements;
}

// The firing picture suffix for gun 0..8; a gun outside keeps `first`.
std::string FiringSuffix(GunId gun, const std::string& first) {
  static constexpr std::array<const char*, 9> kByGun{"f1", "f2", "f4", "f3", "f5",
                                                     "f6", "f7", "f8", "f2"};
  if (gun < kGunLaser || gun > state::kLastGun) return first;
  return kByGun[state::Stored(gun)];
}

std::string MissilePicture(MissileId launcher, const char* fallback, bool enemy) {
  if (launcher < kMissileArrowMk1 || launcher > state::kLastMissile) return fallback;
  const bool mine = IsMineLauncher(launcher);
  return std::string(state::MissileItem(launcher).picture) +
         (enemy && !mine ? "_Side_r.jpg" : "_Side_l.jpg");
}

void ChoosePictures() {
  CombatPictures p;
  const state::ShipClassId playerClass = state::ShipClassOf(state::PlayerShip);
  const state::ShipClassId enemyClass = state::ShipClassOf(state::EnemyShip);

  const std::string pb =
      state::GetShipFactionImage(playerClass, Faction{state::PlayerShip[ship::kFaction]});
  p.playerNormal = pb + "_l_n.jpg";
  p.playerShield = pb + "_l_s.jpg";
  const std::string playerFirst =
      state::GetShipClassSize(playerClass) == state::kSizeBattleship ? "f5" : "f1";
  p.playerFiring =
      pb + "_l_" + FiringSuffix(GunId{state::PlayerShip[ship::kGun]}, playerFirst) + ".jpg";

  const std::string eb =
      state::GetShipFactionImage(enemyClass, Faction{state::EnemyShip[ship::kFaction]});
  p.enemyNormal = eb + "_r_n.jpg";
  p.enemyShield = eb + "_r_s.jpg";
  if (enemyClass == state::kStarbaseClass ||
      state::GetShipClassStat(enemyClass, state::kAttrGroup) > 0) {
    p.enemyFiring = eb + "_r_f1.jpg";
  } else {
    const std::string enemyFirst = state::GetShipClassSize(enemyClass) == state::kSizeBattleship ? "f5" : "f1";
    p.enemyFiring =
        eb + "_r_" + FiringSuffix(GunId{state::EnemyShip[ship::kGun]}, enemyFirst) + ".jpg";
  }

  p.missile.file = MissilePicture(MissileId{state::PlayerShip[ship::kMissileLauncher]},
                                  "Federation_Missile_R.jpg", false);
  p.enemyMissile.file = MissilePicture(MissileId{state::EnemyShip[ship::kMissileLauncher]},
                                       "Federation_Missile_L.jpg", true);
  auto missileSize = [](PicturePlace& m, MissileId launcher) {
    m.width = IsMineLauncher(launcher) ? 60 : 120;
    m.height = 60;
  };
  missileSize(p.missile, MissileId{state::PlayerShip[ship::kMissileLauncher]});
  missileSize(p.enemyMissile, MissileId{state::EnemyShip[ship::kMissileLauncher]});
  // The volleys in flight stand on the plain missile track across the top of the arena's window,
  // clear of the ships, the message boxes and the end-turn control.
  p.missilePanel = {"", 240, 100, 120, 60, false};
  p.enemyMissilePanel = {"", 443, 100, 120, 60, false};

  // The larger ship fills its panel, the smaller one is drawn smaller; equal sizes both fill.
  // Each ship's own class decides its picture exceptions.
  const state::ShipSize playerSize = state::GetShipClassSize(playerClass);
  const state::ShipSize enemySize = state::GetShipClassSize(enemyClass);
  p.playerPrimary.file = p.playerNormal;
  if (playerSize >= enemySize) {
    const bool tall = playerClass == state::kClassSabre || playerClass == state::kClassPaladin;
    p.playerPrimary = {p.playerNormal, 0, 0, 280, tall ? 220 : 160, false};
  } else if (playerClass == state::kClassSabre) {
    p.playerPrimary = {p.playerNormal, 71, 40, 160, 126, true};
  } else {
    p.playerPrimary = {p.playerNormal, 71, 40, 140, 80, true};
  }
  if (enemySize >= playerSize) {
    const bool tall = enemyClass == state::kClassOrion || enemyClass == state::kClassPaladin ||
                      enemyClass == state::kStarbaseClass;
    p.enemyPrimary = {p.enemyNormal, 0, 0, 280, tall ? 220 : 160, false};
  } else {
    p.enemyPrimary = {p.enemyNormal, 160, 40, 140, 80, true};
  }
  p.playerShipPanel = {"", 47, 160, 0, 0, false};
  p.enemyShipPanel = {"", 421, 160, 0, 0, false};
  Pictures = std::move(p);
}

}  // namespace

std::int32_t EnemyLoadoutTier(state::ShipClassId enemyClass, std::int32_t enemyTier, CombatUi& ui) {
  const std::int32_t level = state::PlayerData[player::kLevel];
  std::int32_t tier = level <= 6 ? 1 : level <= 14 ? 2 : level <= 18 ? 3 : 4;
  if (ui.SensorsShowing()) {
    const int row = ui.SensorSelection();
    if (row >= 1 && row <= state::kLastSpecialShip) {
      const auto& ship = state::SpecialShips[row];
      if (ship[special_ship::kActive] > 0 && ShipKind{ship[special_ship::kKind]} == kPirateShip &&
          SpecialShipSubKind{ship[special_ship::kSubKind]} == kSubKindWantedPirate)
        tier += 1;
    }
  }
  if (tier > 4) tier = 4;
  // The caller's tier is a minimum; a tier beyond the last one counts as the last.
  if (enemyTier > tier) tier = enemyTier > 4 ? 4 : enemyTier;
  if (state::GetShipClassSize(enemyClass) >= state::kSizeCruiser && tier < 2) tier = 2;
  return tier;
}

void SetupShipCombat(state::ShipClassId enemyClass, Faction enemyFaction, ShipKind enemyKind,
                     std::int32_t enemyTier, CombatUi& ui) {
  auto& p = state::PlayerShip;
  auto& e = state::EnemyShip;

  // Nothing of an earlier fight survives but the player's own records.
  ResetShipFightFlags();
  for (int k = 1; k <= kLastAbilityButton; ++k) {
    state::PlayerSlotState[k] = 0;
    state::EnemySlotState[k] = 0;
  }
  for (int f = 1; f <= 100; ++f) e.At(f) = 0;
  for (int s = 1; s <= 8; ++s) {
    state::PlayerModifiers[s][modifier::kActive] = 0;
    state::EnemyModifiers[s][modifier::kActive] = 0;
  }
  state::PlayerMissileVolley[missile_volley::kInFlight] = 0;
  state::EnemyMissileVolley[missile_volley::kInFlight] = 0;
  p[ship::kComboPoints] = 0;
  e[ship::kComboPoints] = 0;
  p[ship::kReinforcements] = -1;
  e[ship::kReinforcements] = -1;

  for (int k = 0; k <= kLastAbilityButton; ++k) state::PlayerAbilitySlots[k] = 0;
  ui.ResetScreen();

  SetupPlayerReinforcements();

  const std::int32_t playerAp =
      state::GetShipClassStat(state::ShipClassOf(p), state::kAttrActionPoints);
  p[ship::kActionPoints] = playerAp;
  p[ship::kShieldBoostUsed] = p[ship::kEnergyChannellingUsed] = p[ship::kRechargeUsed] =
      p[ship::kEmitterUsed] = p[ship::kMissileReload] = p[ship::kGunVolleys] = 0;
  p[ship::kLongActionPointBar] = playerAp >= 6 ? 1 : 0;

  FillPlayerSlots();

  for (int k = 1; k <= kLastAbilityButton; ++k) state::EnemyAbilitySlots[k] = 0;
  e[ship::kAlive] = 1;
  e[ship::kClass] = state::Stored(enemyClass);
  e[ship::kActionPoints] = state::GetShipClassStat(enemyClass, state::kAttrActionPoints);
  e[ship::kComboPoints] = 0;
  e[ship::kReinforcements] = -1;
  e[ship::kEnemyKind] = state::Stored(enemyKind);
  e[ship::kFaction] = state::Stored(enemyFaction);
  e[ship::kBody] = 2;
  e[ship::kSystem] = 2;

  SetupEnemyCrew(enemyClass, enemyKind);

  e[ship::kSimulatorMissile] = 0;
  e[ship::kShields] = state::GetShipClassBaseShields(enemyClass);
  e[ship::kSetUpMark] = 3;
  e[ship::kMissileLauncher] = e[ship::kGun] = e[ship::kEcm] = e[ship::kTargeting] =
      e[ship::kEngine] = e[ship::kCargoModule] = 0;
  e[ship::kShieldBoostUsed] = e[ship::kEnergyChannellingUsed] = e[ship::kRechargeUsed] =
      e[ship::kMissileReload] = e[ship::kGunVolleys] = 0;
  e[ship::kCargoSpace] = state::GetShipCargoCapacity(enemyClass, kModuleCargoBay, Side::Enemy);

  const std::int32_t tier = EnemyLoadoutTier(enemyClass, enemyTier, ui);
  const state::ShipSize size = state::GetShipClassSize(enemyClass);
  SetupEnemyEquipment(tier, size);
  SetupEnemyAbilities(tier, enemyKind);

  if (OwnerOfPlayerSystem() == enemyFaction) e[ship::kReinforcements] = kReinforcementTurns;

  if (size == state::kSizeCruiser && enemyKind == kTraderShip && state::Random(100) <= 30)
    e[ship::kMissileLauncher] = state::Stored(kMissileMineMk1);
  if (state::GetShipClassStat(enemyClass, state::kAttrGroup) > 0)
    e[ship::kGun] = state::Stored(kGunLaser);
  if (rules::TutorialEnemyCarriesFirstGun()) e[ship::kGun] = state::Stored(kGunTurboLaser);
  if (size == state::kSizeBattleship && GunId{e[ship::kGun]} != kGunGatling)
    e[ship::kGun] = state::Stored(kGunQuantum);
  if (enemyClass == state::kStarbaseClass) e[ship::kGun] = state::Stored(kGunLaser);

  ChoosePictures();
}

void PrepareShipCombat() {}

void RefreshShipCombatScreen(CombatUi& ui) {
  if (state::PlayerShip[ship::kActionPoints] > kMaxActionPoints)
    state::PlayerShip[ship::kActionPoints] = kMaxActionPoints;
  ui.Refresh(Display::Everything);
}

}  // namespace combat
