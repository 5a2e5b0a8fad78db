#include "support/script_ui.h"

#include <gtest/gtest.h>

namespace support {

namespace {

std::string Line(std::string_view name, std::string_view topic, std::string_view text) {
  return std::string(name) + ": " + std::string(topic) + " / " + std::string(text);
}

// The next scripted answer, or the test's blanket answer; without either the question fails the
// test and is answered no.
bool NextAnswer(std::deque<bool>& scripted, const std::optional<bool>& blanket,
                std::string_view kind, std::string_view topic, std::string_view text) {
  if (!scripted.empty()) {
    const bool answer = scripted.front();
    scripted.pop_front();
    return answer;
  }
  if (blanket) return *blanket;
  ADD_FAILURE() << "unscripted " << kind << ": " << topic << " / " << text;
  return false;
}

}  // namespace

void ScriptUi::SetVisible(rules::Screen screen, bool visible) {
  if (visible) {
    visible_.insert(screen);
  } else {
    visible_.erase(screen);
  }
}

std::vector<ShownPopup> ScriptUi::WithTopic(std::string_view topic) const {
  std::vector<ShownPopup> found;
  for (const ShownPopup& popup : popups) {
    if (popup.topic == topic) found.push_back(popup);
  }
  return found;
}

std::size_t ScriptUi::CountTopic(std::string_view topic) const { return WithTopic(topic).size(); }

std::vector<std::string> ScriptUi::Operations(std::string_view prefix) const {
  std::vector<std::string> found;
  for (const std::string& line : operations) {
    if (line.starts_with(prefix)) found.push_back(line);
  }
  return found;
}

void ScriptUi::Clear() {
  operations.clear();
  popups.clear();
  questions.clear();
  choices.clear();
  promotions.clear();
  abilityChoices.clear();
  redraws = statusBarUpdates = tradePopupUpdates = spaceFindRedraws = 0;
}

void ScriptUi::Message(rules::Popup kind, std::string_view topic, std::string_view text,
                       std::string_view picture) {
  Record(Line("Message", topic, text));
  popups.push_back({kind, std::string(topic), {}, std::string(text), std::string(picture)});
}

void ScriptUi::ShowNotice(std::string_view topic, std::string_view headline, std::string_view text,
                          std::string_view picture) {
  Record(Line("ShowNotice", topic, text));
  popups.push_back({rules::Popup::Notice, std::string(topic), std::string(headline),
                    std::string(text), std::string(picture)});
}

bool ScriptUi::Ask(std::string_view topic, std::string_view text) {
  const bool answer = NextAnswer(answers, defaultAnswer, "question", topic, text);
  Record(Line("Ask", topic, text) + (answer ? " -> yes" : " -> no"));
  questions.push_back({std::string(topic), std::string(text), answer});
  return answer;
}

bool ScriptUi::IsVisible(rules::Screen screen) const { return visible_.count(screen) > 0; }

int ScriptUi::SensorSelection() const { return sensorSelection; }

void ScriptUi::RedrawSystem(bool placeBodies) {
  Record(placeBodies ? "RedrawSystem placing the bodies" : "RedrawSystem");
  ++redraws;
}

void ScriptUi::UpdateStatusBars() {
  Record("UpdateStatusBars");
  ++statusBarUpdates;
}

void ScriptUi::UpdateTradePopup() {
  Record("UpdateTradePopup");
  ++tradePopupUpdates;
}

bool ScriptUi::Choose(std::string_view topic, std::string_view text, std::string_view picture,
                      std::string_view first, std::string_view second) {
  const bool answer = NextAnswer(choiceAnswers, defaultChoice, "choice", topic, text);
  Record(Line("Choose", topic, text) + " -> " + std::string(answer ? first : second));
  choices.push_back({std::string(topic), std::string(text), std::string(picture), answer});
  return answer;
}

void ScriptUi::ShowSpaceFinds() {
  Record("ShowSpaceFinds");
  ++spaceFindRedraws;
}

void ScriptUi::ShowPromotion(rules::PromotionAward award, int level) {
  Record("ShowPromotion " + std::to_string(level));
  promotions.emplace_back(award, level);
}

void ScriptUi::ChooseNewAbility(rules::AbilityChoice choice) {
  Record(choice == rules::AbilityChoice::Skill ? "ChooseNewAbility skill"
                                               : "ChooseNewAbility combat");
  abilityChoices.push_back(choice);
}

void ScriptUi::ShowScoredNotice(std::string_view topic, std::string_view headline,
                                std::string_view text, std::string_view picture,
                                std::string_view scoreLine) {
  Record(Line("ShowScoredNotice", topic, text) + " [" + std::string(scoreLine) + "]");
  popups.push_back({rules::Popup::Notice, std::string(topic), std::string(headline),
                    std::string(text), std::string(picture)});
}

void ScriptUi::ShowEncounter(std::string_view topic, std::string_view opponent,
                             std::string_view text, std::string_view picture) {
  Record(Line("ShowEncounter", topic, text) + " [" + std::string(opponent) + "]");
  popups.push_back({rules::Popup::Picture, std::string(topic), {}, std::string(text),
                    std::string(picture)});
}

void ScriptUi::SetupShipCombat(state::ShipClassId enemyClass, Faction enemyFaction,
                               ShipKind enemyKind, std::int32_t enemyTier) {
  Record("SetupShipCombat " + std::to_string(state::Stored(enemyClass)) + " " +
         std::to_string(state::Stored(enemyFaction)) + " " +
         std::to_string(state::Stored(enemyKind)) + " " + std::to_string(enemyTier));
  WriteEnemyIdentity(enemyClass, enemyFaction, enemyKind);
}

void ScriptUi::RunShipCombat() { Record("RunShipCombat"); }

bool ScriptUi::RunFleetBattle(Faction enemyFaction, std::int32_t fleetKind) {
  Record("RunFleetBattle " + std::to_string(state::Stored(enemyFaction)) + " " + std::to_string(fleetKind));
  return false;
}

void ScriptUi::StopFlight() { Record("StopFlight"); }
void ScriptUi::CloseTravelScreen() { Record("CloseTravelScreen"); }
void ScriptUi::HideMissionPanel() { Record("HideMissionPanel"); }
void ScriptUi::UpdateMissionPanel() { Record("UpdateMissionPanel"); }
void ScriptUi::OpenMissions() { Record("OpenMissions"); }
void ScriptUi::BeginTutorialStep(tutorial::Step step) {
  Record("BeginTutorialStep " + std::to_string(tutorial::StoredNumber(step)));
}
void ScriptUi::EndTutorialStep(tutorial::Step step) {
  Record("EndTutorialStep " + std::to_string(tutorial::StoredNumber(step)));
}

}  // namespace support
