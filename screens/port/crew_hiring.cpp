// Crew hiring.
#include "screens/port/crew_hiring.h"

#include <algorithm>
#include <string>

#include "audio/sound.h"
#include "rules/crew.h"
#include "screens/popups/popups.h"
#include "screens/shared/doors.h"
#include "screens/shared/game_forms.h"
#include "state/fields.h"
#include "state/format.h"
#include "state/ship_class_of.h"
#include "state/ship_classes.h"
#include "state/variables.h"

namespace screens {

using platform::Image;
using platform::Label;
using platform::Sender;
using state::CrewKind;

namespace {

constexpr int kHireInterval = 500;      // ms before the first repeat of a held "+"
constexpr int kHireIntervalStep = 100;  // each repeat comes this much sooner
constexpr int kFastestHireInterval = 100;

// The rows' component name stems, in kind order 1..5.
constexpr const char* kKindNames[] = {"Crewmen", "Officers", "Pirates", "Marines", "Droids"};

// The hover buttons 1..11, in the order of their picture numbers.
constexpr int kButtonCount = 11;
constexpr const char* kButtonNames[kButtonCount] = {
    "CrewmenHireButton", "CrewmenDismissButton", "OfficersHireButton", "OfficersDismissButton",
    "PiratesHireButton", "PiratesDismissButton", "MarinesHireButton",  "MarinesDismissButton",
    "DroidsHireButton",  "DroidsDismissButton",  "BackButton"};

std::vector<Label*> RowLabels(const platform::Form& form, const char* suffix) {
  std::vector<Label*> labels;
  for (const char* stem : kKindNames)
    labels.push_back(&form.Get<Label>(std::string(stem) + suffix));
  return labels;
}

// The hover button a picture or its caption belongs to (both share the handler): 0 for none.
int ButtonOf(const platform::Control& control) {
  std::string name = control.Name();
  const std::string label = "Label";
  if (name.size() > label.size() && name.ends_with(label))
    name.replace(name.size() - label.size(), label.size(), "Button");
  const auto* end = std::end(kButtonNames);
  const auto* it = std::find(std::begin(kButtonNames), end, name);
  return it == end ? 0 : static_cast<int>(it - std::begin(kButtonNames)) + 1;
}

bool IsCrewKind(int kind) { return kind >= 1 && kind <= state::kCrewKindCount; }

void ShowRefusal(const rules::CrewRefusal& refusal) {
  popups::ShowText(refusal.topic, refusal.text);
}

}  // namespace

std::string CrewHiringButtonPicture(int k, bool lit) {
  if (k < 1 || k > kButtonCount) return {};
  const int number = k == kButtonCount ? 34 : 21 + k;
  return std::string(lit ? "CrewHiringScreenHighlight_" : "CrewHiringScreen_") +
         std::to_string(number) + ".jpg";
}

CrewHiringView BuildCrewHiringView() {
  CrewHiringView v;
  const state::ShipClassId shipClass = state::ShipClassOf(state::PlayerShip);
  v.credits = "$ " + state::FormatThousands(state::PlayerData[player::kCredits]);
  v.shipLine = state::GetShipClassName(shipClass) + " class ship.";
  v.shipPicture = state::GetShipClassImage(shipClass) + "_topwire.jpg";
  v.minCrew = std::to_string(rules::PlayerMinCrew());
  v.maxCrew = std::to_string(rules::PlayerMaxCrew());
  v.currentCrew = std::to_string(state::PlayerCrewOnBoard());
  for (int k = 1; k <= state::kCrewKindCount; ++k) {
    const auto kind = static_cast<CrewKind>(k);
    v.counts[k - 1] = std::to_string(state::PlayerShip[state::CrewCountField(kind)]);
    const std::int32_t price = state::CrewHirePrice(kind);
    // Prices in plain digits, unlike the credits.
    v.prices[k - 1] = price > 0 ? "$C " + std::to_string(price) : "N/A";
  }
  v.kindLabels = state::CompatibilityMode == 1;
  return v;
}

CrewHiringScreen::CrewHiringScreen()
    : Form("CrewHiring"),
      buttons_(NumberedPictureButtons(*this, kButtonNames, CrewHiringButtonPicture)),
      counts_(RowLabels(*this, "Count")),
      prices_(RowLabels(*this, "Price")),
      kindLabels_(RowLabels(*this, "Text")) {
  Bind("OnInfoMouseDown", &CrewHiringScreen::OnInfoMouseDown);
  Bind("OnHireMouseDown", &CrewHiringScreen::OnHireMouseDown);
  Bind("OnHireMouseUp", &CrewHiringScreen::OnHireMouseUp);
  Bind("OnHireTimer", &CrewHiringScreen::OnHireTimer);
  Bind("OnDroidHireClick", &CrewHiringScreen::OnDroidHireClick);
  Bind("OnDismissClick", &CrewHiringScreen::OnDismissClick);
  Bind("OnBackClick", &CrewHiringScreen::OnBackClick);
  Bind("OnButtonHover", [this](Sender s) { buttons_.Hover(ButtonOf(s.sender)); });
  Bind("OnFaceHover", [this](Sender) { buttons_.Restore(); });
}

void CrewHiringScreen::Refresh() {
  const CrewHiringView v = BuildCrewHiringView();
  credits_.SetCaption(v.credits);
  shipLine_.SetCaption(v.shipLine);
  shipPicture_.LoadPicture(v.shipPicture);
  minCrew_.SetCaption(v.minCrew);
  maxCrew_.SetCaption(v.maxCrew);
  currentCrew_.SetCaption(v.currentCrew);
  for (std::size_t k = 0; k < counts_.size(); ++k) {
    counts_[k]->SetCaption(v.counts[k]);
    prices_[k]->SetCaption(v.prices[k]);
    kindLabels_[k]->SetVisible(v.kindLabels);
  }
}

void CrewHiringScreen::OnInfoMouseDown(Sender s) {
  if (!IsCrewKind(s.sender.Tag())) return;
  audio::PlayButtonSound();
  const state::CrewKindInfo info = state::GetCrewKindInfo(static_cast<CrewKind>(s.sender.Tag()));
  popups::ShowText(info.topic, info.text);
}

void CrewHiringScreen::OnHireMouseDown(Sender s) {
  const int kind = s.sender.Tag();
  if (!IsCrewKind(kind)) return;
  audio::PlayButtonSound();
  stopped_ = false;
  if (const auto refusal = rules::CrewHirePlaceRefusal(static_cast<CrewKind>(kind))) {
    ShowRefusal(*refusal);
    return;
  }
  Hire(static_cast<CrewKind>(kind));
  if (!stopped_) {
    timer_.SetTag(kind);
    timer_.SetInterval(kHireInterval);  // also after a refusal that took the release away
    timer_.SetEnabled(true);
  }
}

void CrewHiringScreen::OnHireMouseUp() {
  timer_.SetEnabled(false);
  timer_.SetInterval(kHireInterval);
}

void CrewHiringScreen::OnHireTimer() {
  if (stopped_ || !IsCrewKind(timer_.Tag())) return;
  audio::PlayButtonSound();
  timer_.SetInterval(std::max(timer_.Interval() - kHireIntervalStep, kFastestHireInterval));
  Hire(static_cast<CrewKind>(timer_.Tag()));
}

void CrewHiringScreen::OnDroidHireClick() {
  audio::PlayButtonSound();
  ShowRefusal(*rules::CrewHirePlaceRefusal(CrewKind::Droids));
}

void CrewHiringScreen::OnDismissClick(Sender s) {
  const int kind = s.sender.Tag();
  if (!IsCrewKind(kind)) return;
  audio::PlayButtonSound();
  if (const auto refusal = rules::DismissCrewMember(static_cast<CrewKind>(kind))) {
    ShowRefusal(*refusal);
    return;
  }
  Refresh();
}

void CrewHiringScreen::OnBackClick() {
  audio::PlayButtonSound();
  OnHireMouseUp();
  Close();
}

void CrewHiringScreen::Hire(CrewKind kind) {
  if (const auto refusal = rules::HireCrewMember(kind, rules_)) {
    timer_.SetEnabled(false);
    stopped_ = true;
    ShowRefusal(*refusal);
    return;
  }
  Refresh();
}

void OpenCrewHiring() {
  CrewHiringScreen& crewHiring = GameForm<CrewHiringScreen>();
  crewHiring.Refresh();
  crewHiring.ShowModal();
}

}  // namespace screens
