// The tutorial's steps by name. state::TutorialStep holds the number of the step the running
// tutorial stands at; these names are the only place those numbers are written.
//
// The numbers run 1..38 in the order the player meets them, with two exceptions: ReopenMission
// (-11) comes between AcceptMission (11) and FlyToSun (12), and ReturnToGame is stored as 28, the
// number of SaveGame, whose place in the options panel it shares. 21 and 31 are never used.
#pragma once

#include <cstdint>

namespace tutorial {

enum class Step : std::int32_t {
  None = 0,
  ChooseFaction = 1,
  ChooseName = 2,
  ChooseProfession = 3,
  OpenTrade = 4,
  BuySupplies = 5,
  FlyToTutorialBody = 6,
  SellAll = 7,
  CloseTrade = 8,
  OpenMissions = 9,
  PickMission = 10,
  AcceptMission = 11,
  ReopenMission = -11,
  FlyToSun = 12,
  FireMissiles = 13,
  ActivateDiscipline = 14,
  EndFirstTurn = 15,
  InterceptMissile = 16,
  FireGuns = 17,
  EndSecondTurn = 18,
  WinFight = 19,
  FlyToPlanet = 20,
  VisitPlanet = 22,
  OpenSensors = 23,
  CloseSensors = 24,
  OpenGalaxyMap = 25,
  CloseGalaxyMap = 26,
  OpenOptions = 27,
  SaveGame = 28,
  SaveIntoSlot = 29,
  CloseSaveLoad = 30,
  ReturnToGame = 128,  // stored as 28
  OpenShipStatus = 32,
  CloseShipStatus = 33,
  OpenPersonalStatus = 34,
  BrowseSkills = 35,
  CloseAbilities = 36,
  ClosePersonalStatus = 37,
  Finished = 38,
};

// The number state::TutorialStep holds at `step`.
constexpr std::int32_t StoredNumber(Step step) {
  return step == Step::ReturnToGame ? static_cast<std::int32_t>(Step::SaveGame)
                                    : static_cast<std::int32_t>(step);
}

// A stored step's place in the order the player meets the steps, for comparing steps: twice the
// number, so that ReopenMission finds room between AcceptMission and FlyToSun.
constexpr std::int32_t Order(std::int32_t stored) {
  return stored == static_cast<std::int32_t>(Step::ReopenMission)
             ? 2 * static_cast<std::int32_t>(Step::AcceptMission) + 1
             : 2 * stored;
}
constexpr std::int32_t Order(Step step) { return Order(StoredNumber(step)); }

}  // namespace tutorial
