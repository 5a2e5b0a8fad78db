// The tutorial's steps by name, in the order the player meets them. state::TutorialStep holds the
// number StoredNumber gives the step the running tutorial stands at; that function is the only
// place those numbers are written.
#pragma once

#include <cstdint>

namespace tutorial {

enum class Step : std::int32_t {
  None,
  ChooseFaction,
  ChooseName,
  ChooseProfession,
  OpenTrade,
  BuySupplies,
  FlyToTutorialBody,
  SellAll,
  CloseTrade,
  OpenMissions,
  PickMission,
  AcceptMission,
  ReopenMission,
  FlyToSun,
  FireMissiles,
  ActivateDiscipline,
  EndFirstTurn,
  InterceptMissile,
  FireGuns,
  EndSecondTurn,
  WinFight,
  FlyToPlanet,
  VisitPlanet,
  OpenSensors,
  CloseSensors,
  OpenGalaxyMap,
  CloseGalaxyMap,
  OpenOptions,
  SaveGame,
  SaveIntoSlot,
  CloseSaveLoad,
  ReturnToGame,
  OpenShipStatus,
  CloseShipStatus,
  OpenPersonalStatus,
  BrowseSkills,
  CloseAbilities,
  ClosePersonalStatus,
  Finished,
};

// The number state::TutorialStep holds at `step`: the numbers run 1..38 in the player's order
// but for ReopenMission, which holds -11 between AcceptMission's 11 and FlyToSun's 12, and
// ReturnToGame, which holds SaveGame's 28 since both show in the options panel. 21 and 31 are
// never held.
constexpr std::int32_t StoredNumber(Step step) {
  switch (step) {
    case Step::None: return 0;
    case Step::ChooseFaction: return 1;
    case Step::ChooseName: return 2;
    case Step::ChooseProfession: return 3;
    case Step::OpenTrade: return 4;
    case Step::BuySupplies: return 5;
    case Step::FlyToTutorialBody: return 6;
    case Step::SellAll: return 7;
    case Step::CloseTrade: return 8;
    case Step::OpenMissions: return 9;
    case Step::PickMission: return 10;
    case Step::AcceptMission: return 11;
    case Step::ReopenMission: return -11;
    case Step::FlyToSun: return 12;
    case Step::FireMissiles: return 13;
    case Step::ActivateDiscipline: return 14;
    case Step::EndFirstTurn: return 15;
    case Step::InterceptMissile: return 16;
    case Step::FireGuns: return 17;
    case Step::EndSecondTurn: return 18;
    case Step::WinFight: return 19;
    case Step::FlyToPlanet: return 20;
    case Step::VisitPlanet: return 22;
    case Step::OpenSensors: return 23;
    case Step::CloseSensors: return 24;
    case Step::OpenGalaxyMap: return 25;
    case Step::CloseGalaxyMap: return 26;
    case Step::OpenOptions: return 27;
    case Step::SaveGame: return 28;
    case Step::SaveIntoSlot: return 29;
    case Step::CloseSaveLoad: return 30;
    case Step::ReturnToGame: return StoredNumber(Step::SaveGame);
    case Step::OpenShipStatus: return 32;
    case Step::CloseShipStatus: return 33;
    case Step::OpenPersonalStatus: return 34;
    case Step::BrowseSkills: return 35;
    case Step::CloseAbilities: return 36;
    case Step::ClosePersonalStatus: return 37;
    case Step::Finished: return 38;
  }
  return 0;
}

// A stored step's place in the order the player meets the steps, for comparing steps: twice the
// number, so that ReopenMission finds room between AcceptMission and FlyToSun.
constexpr std::int32_t Order(std::int32_t stored) {
  return stored == StoredNumber(Step::ReopenMission) ? 2 * StoredNumber(Step::AcceptMission) + 1
                                                     : 2 * stored;
}
constexpr std::int32_t Order(Step step) { return Order(StoredNumber(step)); }

}  // namespace tutorial
