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
#include "screens/shared/game_forms.h"

namespace app {

namespace {

template <class T>
FormEntry Entry(const char* name) {
  return {name, [] { return std::make_unique<T>(); },
          [](platform::Form* f) { screens::RegisterGameForm(typeid(T), f); }};
}

std::vector<std::unique_ptr<platform::Form>>& Created() {
  static std::vector<std::unique_ptr<platform::Form>> forms;
  return forms;
}

}  // namespace

const std::vector<FormEntry>& GameForms() {
  using namespace screens;
  static const std::vector<FormEntry> forms = {
      Entry<BackgroundWindow>("Background"),
      Entry<StartScreen>("Start"),
      Entry<PicturePopup>("PicturePopup"),
      Entry<ChoicePopup>("ChoicePopup"),
      Entry<TextPopup>("TextPopup"),
      Entry<YesNoPopup>("YesNoPopup"),
      Entry<EncounterPopup>("EncounterPopup"),
      Entry<FamePopup>("FamePopup"),
      Entry<RewardPopup>("RewardPopup"),
      Entry<NoticePopup>("NoticePopup"),
      Entry<QuitGamePopup>("QuitGamePopup"),
      Entry<CreditsScreen>("Credits"),
      Entry<HighScoreScreen>("HighScore"),
      Entry<RetirementSummaryPopup>("RetirementSummary"),
      Entry<CareerLadderScreen>("CareerLadder"),
      Entry<CheatScreenForm>("CheatScreen"),
      Entry<GameOptionsScreen>("GameOptions"),
      Entry<FactionSelectionScreen>("FactionSelection"),
      Entry<NameSelectionScreen>("NameSelection"),
      Entry<ProfessionSelectionScreen>("ProfessionSelection"),
      Entry<SaveLoadScreen>("SaveLoad"),
      Entry<FlightScreen>("Flight"),
      Entry<JumpScreen>("Jump"),
      Entry<TradeWindowScreen>("TradeWindow"),
      Entry<AbilitySelectionScreen>("AbilitySelection"),
      Entry<PromotionScreen>("Promotion"),
      Entry<PersonalStatusScreen>("PersonalStatus"),
      Entry<TravelScreenForm>("TravelScreen"),
      Entry<SimulatorSetupScreen>("SimulatorSetup"),
      Entry<SimulatorDuelScreen>("SimulatorDuel"),
      Entry<BoardingScreen>("Boarding"),
      Entry<PlanetScreenForm>("PlanetScreen"),
      Entry<ShipStatusScreen>("ShipStatus"),
      Entry<FleetBattleScreen>("FleetBattle"),
      Entry<ShipCombatScreen>("ShipCombat"),
      Entry<BankScreen>("Bank"),
      Entry<CrewHiringScreen>("CrewHiring"),
      Entry<MissionBoardScreen>("MissionBoard"),
      Entry<CampaignScreenForm>("CampaignScreen"),
      Entry<BarScreen>("Bar"),
      Entry<PirateHideoutScreen>("PirateHideout"),
      Entry<GovernorScreen>("Governor"),
      Entry<GalaxyMapScreen>("GalaxyMap"),
      Entry<SensorsScreen>("Sensors"),
      Entry<EquipmentShopScreen>("EquipmentShop"),
      Entry<ShipyardScreen>("Shipyard"),
      Entry<ExampleScreen>("Example"),
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
