#include "screens/travel/planet.h"

#include <vector>

#include "audio/sound.h"
#include "rules/daily_turn.h"
#include "rules/displayed_system.h"
#include "screens/popups/popups.h"
#include "screens/shared/doors.h"
#include "screens/shared/game_forms.h"
#include "screens/travel/ship_status.h"
#include "screens/tutorial/tutorial.h"
#include "state/fields.h"
#include "state/variables.h"

namespace screens {

using platform::Image;
using platform::Sender;

namespace {

// Picture numbers of the buttons 1..6: governor, bank, shipyard, equipment, bar, back to space.
constexpr const char* kPictureNumbers[] = {"03", "04", "07", "08", "09", "10"};
constexpr const char* kButtonNames[] = {"GovernorButton",  "BankButton", "ShipyardButton",
                                        "EquipmentButton", "BarButton",  "BackButton"};

}  // namespace

std::string PlanetButtonPicture(int k, bool lit) {
  if (k < kPlanetGovernorButton || k > kPlanetBackToSpaceButton) return {};
  return std::string(lit ? "PlanetScreenHIGHLIGHT_" : "PlanetScreen_") + kPictureNumbers[k - 1] +
         ".jpg";
}

PlanetScreenForm::PlanetScreenForm()
    : Form("PlanetScreen"), buttons_(NumberedPictureButtons(*this, kButtonNames, PlanetButtonPicture)), guard_(*this, state::PlanetMayClose) {
  Bind("OnGovernorClick", &PlanetScreenForm::OnGovernorClick);
  Bind("OnBankClick", &PlanetScreenForm::OnBankClick);
  Bind("OnShipyardClick", &PlanetScreenForm::OnShipyardClick);
  Bind("OnEquipmentClick", &PlanetScreenForm::OnEquipmentClick);
  Bind("OnBarClick", &PlanetScreenForm::OnBarClick);
  Bind("OnBackClick", &PlanetScreenForm::OnBackClick);
  Bind("OnGovernorHover", [this](Sender) { buttons_.Hover(kPlanetGovernorButton); });
  Bind("OnBankHover", [this](Sender) { buttons_.Hover(kPlanetBankButton); });
  Bind("OnShipyardHover", [this](Sender) { buttons_.Hover(kPlanetShipyardButton); });
  Bind("OnEquipmentHover", [this](Sender) { buttons_.Hover(kPlanetEquipmentButton); });
  Bind("OnBarHover", [this](Sender) { buttons_.Hover(kPlanetBarButton); });
  Bind("OnBackHover", [this](Sender) { buttons_.Hover(kPlanetBackToSpaceButton); });
  Bind("OnFaceHover", [this](Sender) { buttons_.Restore(); });
}

void PlanetScreenForm::ShowPlanet(std::int32_t system, std::int32_t body) {
  const PlanetView view = BuildPlanetView(system, body);
  name_.SetCaption(view.name);
  faction_.SetCaption(view.faction);
  class_.SetCaption(view.economyClass);
  description_.SetCaption(view.description);
  picture_.LoadPicture(view.picture);
}

void PlanetScreenForm::OnGovernorClick() {
  audio::PlayButtonSound();
  // Decided when asked: a war may have been declared since the screen was filled.
  if (!GovernorReceivesPlayer()) {
    popups::ShowText("Rebuffed!",
                     "Due to the current political situation the foreign governor politely "
                     "refuses to see you.");
    return;
  }
  OpenGovernor();
}

void PlanetScreenForm::OnBankClick() {
  audio::PlayButtonSound();
  OpenBank();
}

void PlanetScreenForm::OnShipyardClick() {
  audio::PlayButtonSound();
  OpenShipyard();
}

void PlanetScreenForm::OnEquipmentClick() {
  audio::PlayButtonSound();
  OpenEquipmentShop();
}

void PlanetScreenForm::OnBarClick() {
  audio::PlayButtonSound();
  OpenBar();
}

void PlanetScreenForm::OnBackClick() {
  audio::PlayButtonSound();
  audio::PlayMinimizeSound();
  rules::AdvanceDay(rules_);
  rules::ShowSystem(rules_, true, state::PlayerShip[ship::kSystem]);
  AdvanceTutorial(tutorial::Step::VisitPlanet, tutorial::Step::OpenSensors);
  guard_.CloseByButton();
}

void OpenPlanetScreen() {
  // Only a body of a system has a port (a space find or no selection has none).
  if (!BuildPlanetView(state::DisplayedSystem, state::SelectedBody).isBody) return;
  PlanetScreenForm& planet = GameForm<PlanetScreenForm>();
  planet.ShowPlanet(state::DisplayedSystem, state::SelectedBody);
  planet.ShowModal();
}

bool PlanetScreenShowing() { return GameForm<PlanetScreenForm>().Visible(); }

void ClosePlanetScreenForGameOver() {
  if (!GameForm<PlanetScreenForm>().Modal()) return;
  state::PlanetMayClose = 1;
  GameForm<PlanetScreenForm>().Close();
}

void ShowOwnShipStatus() {
  ShipStatusScreen& shipStatus = GameForm<ShipStatusScreen>();
  shipStatus.ShowOwnShip();
  shipStatus.ShowModal();
}

void ShowOpponentShipStatus() {
  ShipStatusScreen& shipStatus = GameForm<ShipStatusScreen>();
  shipStatus.ShowOpponent();
  shipStatus.ShowModal();
}

}  // namespace screens
