// A combat screen without a screen: writes down every message, popup, question and sound cue of a
// fight as lines of a transcript, answers questions from a script (a question nobody scripted
// throws combat::UnscriptedQuestion), and counts the redraws. The duel tool, the tests and the
// benchmarks fight through it.
#pragma once

#include <array>
#include <cstdint>
#include <deque>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "audio/sound.h"
#include "combat/combat_ui.h"

namespace combat {

class RecordingUi : public CombatUi {
 public:
  explicit RecordingUi(rules::Ui& rules) : CombatUi(rules) {}

  std::vector<std::string> transcript;

  // Answers for the coming questions, front first; then defaultAnswer when the caller set one.
  std::deque<bool> answers;
  std::optional<bool> defaultAnswer;

  // What the screen would show.
  bool closed = false;
  int boardingOpened = 0;
  int silverStars = 0;
  int goldStars = 0;
  int enemyTimerStarts = 0;
  bool endTurnEnabled = true;
  std::array<int, 7> refreshes{};  // by Display
  // Action points found above 8 right after an action-point redraw (must stay 0).
  int actionPointsAboveCap = 0;

  // Lines of the transcript that start with `prefix`.
  std::vector<std::string> Lines(std::string_view prefix) const;
  int Refreshes(Display what) const { return refreshes[static_cast<int>(what)]; }

  void ShowMessage(Side side, std::string_view topic, std::string_view text) override;
  void ShowPopup(CombatPopup kind, std::string_view topic, std::string_view text,
                 std::string_view picture = {}) override;
  bool Ask(std::string_view topic, std::string_view text) override;
  // Recorded and answered as any other question.
  bool AskEitherWay(std::string_view topic, std::string_view text) override {
    return Ask(topic, text);
  }
  bool AskWithPicture(std::string_view topic, std::string_view text,
                      std::string_view picture) override;
  void Refresh(Display what) override;
  // Animations leave no line: the transcript holds what the player reads and answers.
  void Animate(Side side, Animation animation) override { (void)side, (void)animation; }
  void StartEnemyMessageTimer() override { ++enemyTimerStarts; }
  void SetEndTurnEnabled(bool enabled) override { endTurnEnabled = enabled; }
  // The screen outlives its fights: a new fight's set-up opens it again.
  void ResetScreen() override { closed = false; }
  void Close() override;
  bool IsClosed() const override { return closed; }
  void OpenBoarding() override;
  void AwardSilverStar() override;
  void AwardGoldStar() override;
};

// Writes every sound cue into a transcript as "cue <file>".
class RecordingSound : public audio::SoundOutput {
 public:
  explicit RecordingSound(std::vector<std::string>& transcript) : transcript_(transcript) {}
  void PlayEffect(std::string_view wavFile) override;
  void OpenOggChannel(int channel, std::string_view oggFile) override;
  void PlayOggChannel(int channel) override { (void)channel; }
  void CloseOggChannel(int channel) override { (void)channel; }

 private:
  std::vector<std::string>& transcript_;
};

}  // namespace combat
