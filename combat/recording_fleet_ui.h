// A fleet battle screen without a screen: writes every popup, question and redraw as a line,
// answers questions from a script (front first, then defaultAnswer when the caller set one; else it
// throws combat::UnscriptedQuestion).
#pragma once

#include <deque>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "combat/fleet_battle.h"

namespace combat {

class RecordingFleetUi : public FleetBattleUi {
 public:
  explicit RecordingFleetUi(rules::Ui& rules) : FleetBattleUi(rules) {}

  std::vector<std::string> transcript;
  std::deque<bool> answers;
  std::optional<bool> defaultAnswer;
  bool closed = false;
  bool speedButtonsEnabled = true;
  int refreshes = 0;
  int shieldBarRedraws = 0;
  int duelPanelShows = 0;

  void ShowPopup(std::string_view topic, std::string_view text) override;
  bool Ask(std::string_view topic, std::string_view text) override;
  void Refresh() override { ++refreshes; }
  void ShowShieldBars() override { ++shieldBarRedraws; }
  void ShowDuelPanels() override { ++duelPanelShows; }
  void SetSpeedButtonsEnabled(bool enabled) override { speedButtonsEnabled = enabled; }
  void SetDuelTimer(bool running) override;
  void Close() override;
  bool IsClosed() const override { return closed; }
};

}  // namespace combat
