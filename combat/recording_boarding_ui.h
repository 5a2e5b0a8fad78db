// A crew combat screen without a screen: writes the questions with captions and the closing into
// the combat recorder's transcript, answers the two-caption questions from a script (front
// first, then defaultChoice when the caller set one; else it throws combat::UnscriptedQuestion)
// and counts the redraws.
#pragma once

#include <deque>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "combat/boarding.h"

namespace combat {

class RecordingBoardingUi : public BoardingUi {
 public:
  RecordingBoardingUi(CombatUi& combat, std::vector<std::string>& transcript)
      : BoardingUi(combat), transcript_(transcript) {}

  std::deque<bool> choices;
  std::optional<bool> defaultChoice;
  bool closed = false;
  int refreshes = 0;
  int popupsHidden = 0;

  void Refresh() override { ++refreshes; }
  void HidePopups() override { ++popupsHidden; }
  bool Choose(std::string_view topic, std::string_view text, std::string_view picture,
              std::string_view first, std::string_view second) override;
  void Close() override;
  bool IsClosed() const override { return closed; }

 private:
  std::vector<std::string>& transcript_;
};

}  // namespace combat
