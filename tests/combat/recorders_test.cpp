// The recording screens answer from their script, then from their blanket answer, and stop at a
// question neither covers.
#include <gtest/gtest.h>

#include <deque>
#include <optional>
#include <string>
#include <vector>

#include "combat/recording_boarding_ui.h"
#include "combat/recording_fleet_ui.h"
#include "combat/recording_ui.h"
#include "combat/scripted_answers.h"
#include "rules/null_ui.h"

namespace {

struct Script {
  std::deque<bool> scripted;
  std::optional<bool> blanket;
};

TEST(Recorders, AnswerFromTheScriptThenTheBlanketAndStopAtAnUnscriptedQuestion) {
  struct Case {
    Script script;
    std::vector<std::string> answers;  // the last lines' endings, in order
    bool stopsAtTheThird;
  };
  const Case cases[] = {
      {{{true, false, true}, std::nullopt}, {"yes", "no", "yes"}, false},
      {{{false}, true}, {"no", "yes", "yes"}, false},
      {{{}, false}, {"no", "no", "no"}, false},
      {{{true, true}, std::nullopt}, {"yes", "yes"}, true},
      {{{}, std::nullopt}, {}, true},
  };
  rules::NullUi rules;
  for (const Case& c : cases) {
    // The combat screen's plain and picture questions.
    {
      combat::RecordingUi ui(rules);
      ui.answers = c.script.scripted;
      ui.defaultAnswer = c.script.blanket;
      bool stopped = false;
      try {
        ui.Ask("One?", "First.");
        ui.AskWithPicture("Two?", "Second.", "Two.jpg");
        ui.Ask("Three?", "Third.");
      } catch (const combat::UnscriptedQuestion& e) {
        stopped = true;
        EXPECT_NE(std::string(e.what()).find(c.answers.size() == 2 ? "Three? / Third."
                                                                     : "One? / First."),
                  std::string::npos)
            << e.what();
      }
      EXPECT_EQ(stopped, c.stopsAtTheThird);
      ASSERT_EQ(ui.transcript.size(), c.answers.size());
      for (std::size_t i = 0; i < c.answers.size(); ++i)
        EXPECT_TRUE(ui.transcript[i].ends_with("-> " + c.answers[i])) << ui.transcript[i];
    }
    // The fleet battle screen's questions.
    {
      combat::RecordingFleetUi fleet(rules);
      fleet.answers = c.script.scripted;
      fleet.defaultAnswer = c.script.blanket;
      bool stopped = false;
      try {
        for (const char* topic : {"One?", "Two?", "Three?"}) fleet.Ask(topic, "Sure?");
      } catch (const combat::UnscriptedQuestion&) {
        stopped = true;
      }
      EXPECT_EQ(stopped, c.stopsAtTheThird);
      ASSERT_EQ(fleet.transcript.size(), c.answers.size());
      for (std::size_t i = 0; i < c.answers.size(); ++i)
        EXPECT_TRUE(fleet.transcript[i].ends_with("-> " + c.answers[i])) << fleet.transcript[i];
    }
    // The crew combat screen's two-button choices, "yes" the first button.
    {
      combat::RecordingUi combatUi(rules);
      combat::RecordingBoardingUi board(combatUi, combatUi.transcript);
      board.choices = c.script.scripted;
      board.defaultChoice = c.script.blanket;
      bool stopped = false;
      try {
        for (const char* topic : {"One?", "Two?", "Three?"})
          board.Choose(topic, "Which?", "Pick.jpg", "yes", "no");
      } catch (const combat::UnscriptedQuestion&) {
        stopped = true;
      }
      EXPECT_EQ(stopped, c.stopsAtTheThird);
      ASSERT_EQ(combatUi.transcript.size(), c.answers.size());
      for (std::size_t i = 0; i < c.answers.size(); ++i)
        EXPECT_TRUE(combatUi.transcript[i].ends_with("-> " + c.answers[i]))
            << combatUi.transcript[i];
    }
  }
}

}  // namespace
