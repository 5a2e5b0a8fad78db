// The retirement screens: the summary popup of the promotion step, which shows the player's uniform
// beside the step's text and score, and the career ladder, the ten careers from President down to
// Beggar with the one the final score bought lit. OpenRetirementSequence (career.h) runs the whole
// retirement: the five scored steps, the ladder, the high-score table, the end of the game.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "platform/controls.h"
#include "platform/form.h"
#include "rules/retirement.h"
#include "screens/shared/guarded_close.h"
#include "screens/career/uniform.h"
#include "screens/shared/picture_buttons.h"

namespace screens {

// The summary popup of the promotion step. Only Continue closes it.
class RetirementSummaryPopup : public platform::Form {
 public:
  RetirementSummaryPopup();

  // The step's caption, text and score line, beside the player's uniform.
  void ShowStep(const rules::RetirementStep& step);

  void OnContinueClick();

  int ContinueHover() const { return continue_.Lit(); }

 private:
  platform::Label& topic_ = Get<platform::Label>("Topic");
  platform::Label& caption_ = Get<platform::Label>("Caption");
  platform::Label& text_ = Get<platform::Label>("Text");
  platform::Label& scoreText_ = Get<platform::Label>("ScoreText");
  UniformPanel uniform_{*this};
  PictureButtons continue_;
  GuardedClose guard_;
};

// The picture of rung k (1..10) of the career ladder: lit for the career reached, dim otherwise.
std::string CareerRungPicture(int rung, bool reached);

inline constexpr int kCareerRungs = 10;

// The career ladder. It has no close guard: Continue, a click on a rung, or Escape close it.
class CareerLadderScreen : public platform::Form {
 public:
  CareerLadderScreen();

  // Every rung dim and unnamed, then rung `rung` (1..10) lit with `title` on it; a rung outside
  // 1..10 lights nothing.
  void ShowCareer(int rung, const std::string& title);
  // The text that tells of the career.
  void SetExplanation(const std::string& text);

  void OnContinueClick();

  int ContinueHover() const { return continue_.Lit(); }

 private:
  platform::Label& explanation_ = Get<platform::Label>("Explanation");
  std::vector<platform::Image*> rungs_ = GetNumbered<platform::Image>("Rung", kCareerRungs);
  std::vector<platform::Label*> rungTitles_ = GetNumbered<platform::Label>("RungTitle", kCareerRungs);
  PictureButtons continue_;
};

}  // namespace screens
