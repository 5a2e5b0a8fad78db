#include "screens/travel/flight.h"

#include <utility>

#include "rules/flight.h"
#include "screens/shared/doors.h"
#include "screens/shared/game_forms.h"
#include "screens/travel/planet.h"
#include "screens/travel/travel_screen.h"
#include "state/fields.h"
#include "state/ship_class_of.h"
#include "state/ship_classes.h"
#include "state/variables.h"

namespace screens {

namespace {

// The jump window's close permission, as FlyToMayClose is the flight window's.
std::uint8_t JumpMayClose = 0;

}  // namespace

// --- The day-counting window -------------------------------------------------------------------

DayCountWindow::DayCountWindow(std::string formName, std::uint8_t& mayClose)
    : Form(std::move(formName)), guard_(*this, mayClose) {
  Bind("OnDayTimer", &DayCountWindow::OnDayTimer);
}

std::string DayCountWindow::DaysText(std::int32_t days) {
  std::string text = days < 10 ? " " : "";
  text += std::to_string(days);
  return text;
}

void DayCountWindow::Begin(std::int32_t days) {
  daysLeft_ = days;
  underway_ = true;
  shipPicture_.LoadPicture(state::GetShipFactionImage(state::ShipClassOf(state::PlayerShip),
                                                      Faction{state::PlayerShip[ship::kFaction]}) +
                           "_scene.jpg");
  daysLeftLabel_.SetCaption(DaysText(daysLeft_));
  dayTimer_.SetEnabled(true);
  if (Modal())
    Show();
  else
    ShowModal();
}

void DayCountWindow::OnDayTimer() {
  // The timer rests while the day's popups and fights run, so no day overlaps another.
  dayTimer_.SetEnabled(false);
  if (!underway_) return;
  inDay_ = true;
  PassDay();
  // The ship's log behind the window shows the day that has passed.
  ShowTravelLog();
  daysLeftLabel_.SetCaption(DaysText(daysLeft_));
  if (daysLeft_ > 0) {
    inDay_ = false;
    dayTimer_.SetEnabled(true);
    return;
  }
  Hide();
  Arrive();
  inDay_ = false;
  underway_ = false;
  guard_.CloseByButton();
}

void DayCountWindow::Stop() {
  if (!underway_) return;
  dayTimer_.SetEnabled(false);
  daysLeft_ = 0;
  daysLeftLabel_.SetCaption(DaysText(daysLeft_));
  // Inside a day the ship still arrives on this tick; between days the journey simply ends.
  if (!inDay_) underway_ = false;
  guard_.CloseByButton();
}

// --- The flight window -------------------------------------------------------------------------

FlightScreen::FlightScreen() : DayCountWindow("Flight", state::FlyToMayClose) {}

void FlightScreen::Fly(std::int32_t target, std::int32_t system) {
  if (Underway()) return;
  const auto days = rules::BeginFlight(target, system, rules_);
  if (!days) return;
  state::SelectedBody = target;
  Begin(*days);
}

void FlightScreen::PassDay() { rules::FlightDay(daysLeft_, rules_); }

void FlightScreen::Arrive() { rules::ArriveFromFlight(rules_); }

// --- The jump window ---------------------------------------------------------------------------

JumpScreen::JumpScreen() : DayCountWindow("Jump", JumpMayClose) {}

void JumpScreen::JumpThrough(const rules::WormholeJump& jump) {
  if (Underway()) return;
  jump_ = jump;
  Begin(jump.days);
}

void JumpScreen::PassDay() { rules::JumpDay(daysLeft_, rules_); }

void JumpScreen::Arrive() { rules::ArriveFromJump(jump_, rules_); }

// --- What the travel screen calls --------------------------------------------------------------

void FlyToLocation(int body, int system) {
  GameForm<FlightScreen>().Fly(body, system);
}

void FlyToSpaceFind(int find, int system) {
  GameForm<FlightScreen>().Fly(find, system);
}

void DockOrJump() {
  ScreenUi ui;
  const rules::DockResult result = rules::DockOrJump(ui);
  if (result.planet) OpenPlanetScreen();
  if (result.jump) GameForm<JumpScreen>().JumpThrough(*result.jump);
  if (result.hideout) OpenPirateHideout();
}

void StopFlight() {
  GameForm<FlightScreen>().Stop();
  GameForm<JumpScreen>().Stop();
}

bool FlightShowing() { return GameForm<FlightScreen>().Visible(); }

void HideFlightWindow() {
  GameForm<FlightScreen>().Hide();
}

void ShowFlightWindowAgain() {
  if (GameForm<FlightScreen>().Modal()) GameForm<FlightScreen>().Show();
}

}  // namespace screens
