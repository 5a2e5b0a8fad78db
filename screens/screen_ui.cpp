#include "screens/screen_ui.h"

#include "screens/popups/popups.h"
#include "screens/shared/doors.h"
#include "screens/tutorial/tutorial.h"

namespace screens {

void ScreenUi::Message(rules::Popup kind, std::string_view topic, std::string_view text,
                       std::string_view picture) {
  switch (kind) {
    case rules::Popup::Picture: popups::ShowPicture(topic, text, picture); break;
    case rules::Popup::Text: popups::ShowText(topic, text); break;
    case rules::Popup::Notice: popups::ShowNotice(topic, {}, text, picture); break;
    case rules::Popup::Reward: popups::ShowReward(text, picture); break;
    case rules::Popup::Fame: popups::ShowFame(text, picture); break;
  }
}

void ScreenUi::ShowNotice(std::string_view topic, std::string_view headline,
                          std::string_view text, std::string_view picture) {
  popups::ShowNotice(topic, headline, text, picture);
}

void ScreenUi::ShowScoredNotice(std::string_view topic, std::string_view headline,
                                std::string_view text, std::string_view picture,
                                std::string_view scoreLine) {
  popups::ShowScoredNotice(topic, headline, text, picture, scoreLine);
}

void ScreenUi::ShowEncounter(std::string_view topic, std::string_view opponent,
                             std::string_view text, std::string_view picture) {
  popups::ShowEncounter(topic, opponent, text, picture);
}

bool ScreenUi::Ask(std::string_view topic, std::string_view text) {
  return popups::AskYesNo(topic, text);
}

bool ScreenUi::Choose(std::string_view topic, std::string_view text, std::string_view picture,
                      std::string_view first, std::string_view second) {
  // A second answer "No" refuses and changes nothing; any other names a second action.
  const popups::EscapeKey escape =
      second == "No" ? popups::EscapeKey::SaysNo : popups::EscapeKey::DoesNothing;
  return popups::Choose(topic, text, picture, first, second, escape);
}

bool ScreenUi::IsVisible(rules::Screen screen) const {
  switch (screen) {
    case rules::Screen::Travel: return TravelScreenShowing();
    case rules::Screen::Flight: return FlightShowing();
    case rules::Screen::Planet: return PlanetScreenShowing();
    case rules::Screen::GalaxyMap: return GalaxyMapShowing();
    case rules::Screen::Sensors: return SensorsShowing();
    case rules::Screen::TradeWindow: return TradeWindowShowing();
    case rules::Screen::ShipCombat: return ShipCombatShowing();
    case rules::Screen::PirateHideout: return PirateHideoutShowing();
    case rules::Screen::MissionPanel: return MissionPanelShowing();
  }
  return false;
}

int ScreenUi::SensorSelection() const { return screens::SensorSelection(); }

void ScreenUi::RedrawSystem(bool placeBodies) { RedrawTravelSystem(placeBodies); }

void ScreenUi::UpdateStatusBars() { UpdateTravelStatusBars(); }

void ScreenUi::UpdateTradePopup() { UpdateTradeWindow(); }

void ScreenUi::ShowSpaceFinds() { ShowTravelSpaceFinds(); }

void ScreenUi::ShowPromotion(rules::PromotionAward award, int level) {
  ShowPromotionScreen(award, level);
}

void ScreenUi::ChooseNewAbility(rules::AbilityChoice choice) { ChooseNewAbilityOnScreen(choice); }

void ScreenUi::SetupShipCombat(state::ShipClassId enemyClass, Faction enemyFaction,
                               ShipKind enemyKind, std::int32_t enemyTier) {
  SetupShipCombatOnScreen(enemyClass, enemyFaction, enemyKind, enemyTier);
}

void ScreenUi::RunShipCombat() { RunShipCombatOnScreen(); }

bool ScreenUi::RunFleetBattle(Faction enemyFaction, std::int32_t fleetKind) {
  return RunFleetBattleOnScreen(enemyFaction, fleetKind);
}

void ScreenUi::StopFlight() { screens::StopFlight(); }

void ScreenUi::CloseTravelScreen() { CloseTravelScreenForGameOver(); }

void ScreenUi::HideMissionPanel() { screens::HideMissionPanel(); }

void ScreenUi::UpdateMissionPanel() { screens::UpdateMissionPanel(); }

void ScreenUi::OpenMissions() { screens::OpenMissions(); }

void ScreenUi::BeginTutorialStep(tutorial::Step step) { screens::BeginTutorialStep(step); }

void ScreenUi::EndTutorialStep(tutorial::Step step) { screens::EndTutorialStep(step); }

}  // namespace screens
