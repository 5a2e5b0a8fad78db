// The retirement sequence and its two screens of its own: the summary popup of the promotion step
// and the career ladder.
#include "screens/career/retirement.h"

#include <cstdio>

#include "audio/sound.h"
#include "platform/types.h"
#include "rules/highscores.h"
#include "screens/shared/close_question.h"
#include "screens/shared/doors.h"
#include "screens/career/high_score.h"
#include "screens/screen_ui.h"
#include "screens/shared/game_forms.h"
#include "state/variables.h"

namespace screens {

using platform::Image;
using platform::Sender;

RetirementSummaryPopup::RetirementSummaryPopup()
    : Form("RetirementSummary"),
      continue_({{Get<Image>("ContinueButton"), "RetirementScreen_05.jpg", "RetirementScreenH_05.jpg"}}),
      guard_(*this, state::RetirementPopupMayClose) {
  Bind("OnContinueClick", &RetirementSummaryPopup::OnContinueClick);
  Bind("OnContinueHover", [this](Sender) { continue_.Hover(1); });
  Bind("OnFaceHover", [this](Sender) { continue_.Restore(); });
}

void RetirementSummaryPopup::ShowStep(const rules::RetirementStep& step) {
  topic_.SetCaption(step.topic);
  caption_.SetCaption(step.caption);
  text_.SetCaption(step.text);
  scoreText_.SetCaption(step.scoreLine);
  uniform_.ShowPlayerUniform();
}

void RetirementSummaryPopup::OnContinueClick() {
  audio::PlayButtonSound();
  guard_.CloseByButton();
}

std::string CareerRungPicture(int rung, bool reached) {
  char name[32];
  std::snprintf(name, sizeof name, "%s_%02d.jpg", reached ? "RetireScreen" : "RetireScreenON",
                rung + 1);
  return name;
}

CareerLadderScreen::CareerLadderScreen()
    : Form("CareerLadder"),
      continue_({{Get<Image>("ContinueButton"), "RetireScreen_14.jpg", "RetireScreenON_14.jpg"}}) {
  Bind("OnContinueClick", &CareerLadderScreen::OnContinueClick);
  Bind("OnContinueHover", [this](Sender) { continue_.Hover(1); });
  Bind("OnFaceHover", [this](Sender) { continue_.Restore(); });
}

void CareerLadderScreen::ShowCareer(int rung, const std::string& title) {
  for (int k = 1; k <= kCareerRungs; ++k) {
    rungs_[k - 1]->LoadPicture(CareerRungPicture(k, false));
    rungTitles_[k - 1]->Hide();
  }
  if (rung < 1 || rung > kCareerRungs) return;
  rungs_[rung - 1]->LoadPicture(CareerRungPicture(rung, true));
  rungTitles_[rung - 1]->SetCaption(title);
  rungTitles_[rung - 1]->Show();
}

void CareerLadderScreen::SetExplanation(const std::string& text) { explanation_.SetCaption(text); }

void CareerLadderScreen::OnContinueClick() {
  audio::PlayButtonSound();
  Close();
}

void OpenRetirementSequence() {
  ScreenUi ui;
  const rules::RetirementResult result = rules::ScoreRetirement();

  for (std::size_t i = 0; i < result.steps.size(); ++i) {
    const rules::RetirementStep& step = result.steps[i];
    if (step.picture.empty()) {
      // The promotion step: the player's uniform beside the rank and the medals.
      RetirementSummaryPopup& summary = GameForm<RetirementSummaryPopup>();
      summary.ShowStep(step);
      summary.ShowModal();
    } else {
      ui.ShowScoredNotice(step.topic, step.caption, step.text, step.picture, step.scoreLine);
    }
  }

  // The new row goes to disk before the ladder shows: from there on the game is over, and a close
  // request from the desktop ends the program without a question.
  InsertHighscore(result.score);
  const GameOver over;

  CareerLadderScreen& careerLadder = GameForm<CareerLadderScreen>();
  careerLadder.ShowCareer(result.career.number, result.career.title);
  careerLadder.SetExplanation(result.career.text);
  careerLadder.ShowModal();

  HighScoreScreen& highScore = GameForm<HighScoreScreen>();
  highScore.ShowHighScoreTable();
  highScore.ShowModal();

  // The game is over: the planet screen (when the retirement began at its bar) and the travel screen
  // close, and the start screen is back.
  ClosePlanetScreenForGameOver();
  state::TravelMayClose = 1;
  CloseTravelScreenForGameOver();
}

}  // namespace screens
