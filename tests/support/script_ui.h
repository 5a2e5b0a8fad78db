// A scripted stand-in for the screens that fails loudly: it records every operation the rules call,
// in order, answers each question (Ask, Choose) from the answers the test scripted, and fails the
// test on a question nobody scripted. Lets a whole world run headless and lets a test read back
// what the player would have seen and been asked. Tools and benchmarks that want silence use
// rules::NullUi instead.
#pragma once

#include <cstddef>
#include <deque>
#include <optional>
#include <set>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "rules/ui.h"
#include "state/factions.h"

namespace support {

struct ShownPopup {
  rules::Popup kind;
  std::string topic;
  std::string headline;  // the second caption line of the large picture popup; empty elsewhere
  std::string text;
  std::string picture;
};

struct AskedQuestion {
  std::string topic;
  std::string text;
  bool answer;
};

// A ChoicePopup the player answered; first = the first button.
struct Choice {
  std::string topic;
  std::string text;
  std::string picture;
  bool first;
};

class ScriptUi : public rules::Ui {
 public:
  // Every operation, in order, as one line: its name and what it was given.
  std::vector<std::string> operations;

  // What the player saw and was asked, in order.
  std::vector<ShownPopup> popups;
  std::vector<AskedQuestion> questions;
  std::vector<Choice> choices;
  std::vector<std::pair<rules::PromotionAward, int>> promotions;
  std::vector<rules::AbilityChoice> abilityChoices;

  // Answers for the coming yes/no questions, used front first; then defaultAnswer when the test
  // set one. A question with neither fails the test (and is answered no).
  std::deque<bool> answers;
  std::optional<bool> defaultAnswer;
  // The same for the two-button choices; true = the first button.
  std::deque<bool> choiceAnswers;
  std::optional<bool> defaultChoice;

  // Refresh calls received.
  int redraws = 0;
  int statusBarUpdates = 0;
  int tradePopupUpdates = 0;
  int spaceFindRedraws = 0;

  // The sensors screen's selected row, as the test sets it (0 = none).
  int sensorSelection = 0;

  void SetVisible(rules::Screen screen, bool visible = true);

  // Popups of one topic, in the order shown.
  std::vector<ShownPopup> WithTopic(std::string_view topic) const;
  std::size_t CountTopic(std::string_view topic) const;
  // Operations whose line starts with `prefix`.
  std::vector<std::string> Operations(std::string_view prefix) const;
  void Clear();

  void Message(rules::Popup kind, std::string_view topic, std::string_view text,
               std::string_view picture = {}) override;
  void ShowNotice(std::string_view topic, std::string_view headline, std::string_view text,
                  std::string_view picture) override;
  bool Ask(std::string_view topic, std::string_view text) override;
  bool IsVisible(rules::Screen screen) const override;
  int SensorSelection() const override;
  void RedrawSystem(bool placeBodies) override;
  void UpdateStatusBars() override;
  void UpdateTradePopup() override;
  bool Choose(std::string_view topic, std::string_view text, std::string_view picture,
              std::string_view first, std::string_view second) override;
  void ShowSpaceFinds() override;
  void ShowPromotion(rules::PromotionAward award, int level) override;
  void ChooseNewAbility(rules::AbilityChoice choice) override;
  // Recorded as a notice popup; the score line goes with the operation.
  void ShowScoredNotice(std::string_view topic, std::string_view headline, std::string_view text,
                        std::string_view picture, std::string_view scoreLine) override;
  // Recorded as a picture popup; the opponent line goes with the operation.
  void ShowEncounter(std::string_view topic, std::string_view opponent, std::string_view text,
                     std::string_view picture) override;
  // Writes the enemy's identity, as every set-up does.
  void SetupShipCombat(state::ShipClassId enemyClass, Faction enemyFaction, ShipKind enemyKind,
                       std::int32_t enemyTier) override;
  // No fight is played: the ship rows stay as they are, and no fleet battle is won.
  void RunShipCombat() override;
  bool RunFleetBattle(Faction enemyFaction, std::int32_t fleetKind) override;
  void StopFlight() override;
  void CloseTravelScreen() override;
  void HideMissionPanel() override;
  void UpdateMissionPanel() override;
  void OpenMissions() override;
  void BeginTutorialStep(tutorial::Step step) override;
  void EndTutorialStep(tutorial::Step step) override;

 protected:
  void Record(std::string line) { operations.push_back(std::move(line)); }

 private:
  std::set<rules::Screen> visible_;
};

}  // namespace support
