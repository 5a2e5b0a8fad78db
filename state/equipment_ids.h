// The equipment items by name: the ids of the guns, missile launchers, engines, targeting
// computers, ECM systems and cargo modules that a ship's equipment fields hold (ship::kGun,
// ship::kMissileLauncher, ship::kEngine, ship::kTargeting, ship::kEcm, ship::kCargoModule) and the
// equipment catalogue (state/equipment.h) describes. Like the field names (state/fields.h), the ids
// sit at the top level, next to `state`, so that every layer writes them short.
#pragma once

#include <cstdint>

#include "state/id.h"

enum class GunId : std::int32_t {
  kGunLaser = 0,
  kGunTurboLaser = 1,
  kGunFusion = 2,
  kGunParticle = 3,
  kGunQuantum = 4,
  kGunSuperFusion = 5,
  kGunLeech = 6,
  kGunDisruptor = 7,
  kGunGatling = 8,
};
using enum GunId;

enum class MissileId : std::int32_t {
  kMissileArrowMk1 = 0,
  kMissileArrowMk3 = 1,
  kMissileArrowDummy = 2,
  kMissileXAsm = 3,
  kMissileArrowMk2 = 4,
  kMissileZeusMk1 = 5,
  kMissileZeusMk2 = 6,
  kMissileMineMk1 = 7,
  kMissileZeusEmp = 8,
  kMissileMineMk2 = 9,
  kMissileDestroyer = 10,
};
using enum MissileId;

enum class EngineId : std::int32_t {
  kEngineTravellerMk1 = 0,
  kEngineTravellerMk2 = 1,
  kEngineTravellerEscape = 2,
  kEngineMCombat = 3,
  kEngineXlTrade = 4,
  kEngineConquest = 5,
  kEngineVictory = 6,
};
using enum EngineId;

enum class ComputerId : std::int32_t {
  kComputerQuicklockMk1 = 0,
  kComputerTakedownMk1 = 1,
  kComputerTakedownMk2 = 2,
  kComputerPriceAlgorithms = 3,
  kComputerAdvancedSensors = 4,
  kComputerSpySensors = 5,
  kComputerCommandHq = 6,
};
using enum ComputerId;

enum class EcmId : std::int32_t {
  kEcmDefenderMk1 = 0,
  kEcmDefenderMk2 = 1,
  kEcmSupersafeMk1 = 2,
  kEcmSupersafeMk2 = 3,
  kEcmAntiMine = 4,
  kEcmPlasma = 5,
};
using enum EcmId;

enum class CargoModuleId : std::int32_t {
  kModuleCargoBay = 0,
  kModuleCargoManagement = 1,
  kModuleShieldUnit = 2,
  kModuleCloakingDevice = 3,
  kModuleShipHospital = 4,
  kModuleBoardingShuttle = 5,
};
using enum CargoModuleId;

// Mines (not self-propelled and self-propelled) are laid, not fired: ECM against mines stops
// them, and their launch is drawn apart from the missiles'.
constexpr bool IsMineLauncher(MissileId launcher) {
  return launcher == kMissileMineMk1 || launcher == kMissileMineMk2;
}
