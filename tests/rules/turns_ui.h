// The scripted screens of the world-turn tests: the shared ScriptUi plus what the daily turn,
// space finds and promotions ask of the screens (two-button choices, the promotion and ability
// screens, space-find redraws).
#pragma once

#include <deque>
#include <string>
#include <utility>
#include <vector>

#include "support/script_ui.h"

namespace turns {

struct Choice {
  std::string topic;
  std::string text;
  std::string picture;
  bool first;
};

class TurnsUi : public support::ScriptUi {
 public:
  std::vector<Choice> choices;
  std::deque<bool> choiceAnswers;  // true = the first button; then the second
  std::vector<std::pair<rules::PromotionAward, int>> promotions;
  std::vector<rules::AbilityChoice> abilityChoices;
  int spaceFindRedraws = 0;

  bool Choose(std::string_view topic, std::string_view text, std::string_view picture,
              std::string_view first, std::string_view second) override {
    (void)first, (void)second;
    bool answer = false;
    if (!choiceAnswers.empty()) {
      answer = choiceAnswers.front();
      choiceAnswers.pop_front();
    }
    choices.push_back({std::string(topic), std::string(text), std::string(picture), answer});
    return answer;
  }
  void ShowSpaceFinds() override { ++spaceFindRedraws; }
  void ShowPromotion(rules::PromotionAward award, int level) override {
    promotions.emplace_back(award, level);
  }
  void ChooseNewAbility(rules::AbilityChoice choice) override { abilityChoices.push_back(choice); }
};

}  // namespace turns
