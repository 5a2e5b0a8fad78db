// The score of a career at its end: five steps (fortune, age, promotion, own planet, civil war),
// each with its popup text and running score, then the career the final score buys. The bar's
// retirement screens show the steps one by one, light the career on the ladder and enter the
// score into the high-score table.
#pragma once

#include <array>
#include <cstdint>
#include <string>

namespace rules {

// One step of the retirement sequence as its popup shows it.
struct RetirementStep {
  std::string topic;    // "Retirement (1/5)" .. "Retirement (5/5)"
  std::string caption;  // the second caption line: "Step 1: Fortune"
  std::string picture;  // empty on the promotion step: that popup shows the player's uniform
  std::string text;
  std::string scoreLine;
  std::int32_t score = 0;  // the running score after this step
};

// The career a final score leads to: its place 1 (President) .. 10 (Beggar) on the career ladder,
// its title and the text that tells of it.
struct RetirementCareer {
  std::int32_t number = 10;
  std::string title;
  std::string text;
};

struct RetirementResult {
  std::array<RetirementStep, 5> steps;
  std::int32_t score = 0;
  RetirementCareer career;
};

// Scores the player's career from the game state; changes nothing.
RetirementResult ScoreRetirement();

// The career for a final score.
RetirementCareer CareerForScore(std::int32_t score);

}  // namespace rules
