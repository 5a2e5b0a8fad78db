#include "app/forms.h"

#include "app/background.h"
#include "app/start.h"
#include "screens/combat/boarding_screen.h"
#include "screens/combat/fleet_battle_screen.h"
#include "screens/combat/ship_combat_screen.h"
#include "screens/combat/simulator_screens.h"
#include "screens/example/example_screen.h"
#include "screens/career/ability_selection.h"
#include "screens/career/cheat_screen.h"
#include "screens/career/game_options.h"
#include "screens/career/faction_selection.h"
#include "screens/career/high_score.h"
#include "screens/career/name_selection.h"
#include "screens/career/personal_status.h"
#include "screens/career/profession_selection.h"
#include "screens/career/promotion_screen.h"
#include "screens/career/retirement.h"
#include "screens/career/save_load.h"
#include "screens/port/bank.h"
#include "screens/port/crew_hiring.h"
#include "screens/port/campaign_screen.h"
#include "screens/port/mission_board.h"
#include "screens/port/bar.h"
#include "screens/port/governor.h"
#include "screens/port/equipment_shop.h"
#include "screens/port/shipyard.h"
#include "screens/port/trade_window.h"
#include "screens/travel/credits.h"
#include "screens/travel/flight.h"
#include "screens/travel/galaxy_map.h"
#include "screens/travel/planet.h"
#include "screens/travel/sensors.h"
#include "screens/travel/ship_status.h"
#include "screens/travel/travel_screen.h"
#include "screens/popups/popup_forms.h"

namespace app {

namespace {

template <class T>
FormEntry Entry(const char* name, T*& variable) {
  return {name, [] { return std::make_unique<T>(); },
          [&variable](platform::Form* f) { variable = static_cast<T*>(f); }};
}

std::vector<std::unique_ptr<platform::Form>>& Created() {
  static std::vector<std::unique_ptr<platform::Form>> forms;
  return forms;
}

}  // namespace

const std::vector<FormEntry>& GameForms() {
  using namespace screens;
  static const std::vector<FormEntry> forms = {
      Entry("Background", Background),
      Entry("Start", Start),
      Entry("PicturePopup", popup_forms::Picture),
      Entry("ChoicePopup", popup_forms::Choice),
      Entry("TextPopup", popup_forms::Text),
      Entry("YesNoPopup", popup_forms::YesNo),
      Entry("EncounterPopup", popup_forms::Encounter),
      Entry("FamePopup", popup_forms::Fame),
      Entry("RewardPopup", popup_forms::Reward),
      Entry("NoticePopup", popup_forms::Notice),
      Entry("QuitGamePopup", popup_forms::QuitGame),
      Entry("Credits", Credits),
      Entry("HighScore", HighScore),
      Entry("RetirementSummary", RetirementSummary),
      Entry("CareerLadder", CareerLadder),
      Entry("CheatScreen", CheatScreen),
      Entry("GameOptions", GameOptions),
      Entry("FactionSelection", FactionSelection),
      Entry("NameSelection", NameSelection),
      Entry("ProfessionSelection", ProfessionSelection),
      Entry("SaveLoad", SaveLoad),
      Entry("Flight", Flight),
      Entry("Jump", Jump),
      Entry("TradeWindow", TradeWindow),
      Entry("AbilitySelection", AbilitySelection),
      Entry("Promotion", Promotion),
      Entry("PersonalStatus", PersonalStatus),
      Entry("TravelScreen", TravelScreen),
      Entry("SimulatorSetup", SimulatorSetup),
      Entry("SimulatorDuel", SimulatorDuel),
      Entry("Boarding", Boarding),
      Entry("PlanetScreen", PlanetScreen),
      Entry("ShipStatus", ShipStatus),
      Entry("FleetBattle", FleetBattle),
      Entry("ShipCombat", ShipCombat),
      Entry("Bank", Bank),
      Entry("CrewHiring", CrewHiring),
      Entry("MissionBoard", MissionBoard),
      Entry("CampaignScreen", CampaignScreen),
      Entry("Bar", Bar),
      Entry("PirateHideout", PirateHideout),
      Entry("Governor", Governor),
      Entry("GalaxyMap", GalaxyMap),
      Entry("Sensors", Sensors),
      Entry("EquipmentShop", EquipmentShop),
      Entry("Shipyard", Shipyard),
      Entry("Example", Example),
  };
  return forms;
}

void CreateForms() {
  for (const FormEntry& e : GameForms()) {
    Created().push_back(e.make());
    e.publish(Created().back().get());
  }
}

void DestroyForms() {
  auto& forms = Created();
  const auto& entries = GameForms();
  while (!forms.empty()) {
    entries[forms.size() - 1].publish(nullptr);
    forms.pop_back();
  }
}

}  // namespace app
