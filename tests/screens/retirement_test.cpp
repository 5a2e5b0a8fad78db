// The retirement screens: the career ladder lights only the career reached, the summary popup
// closes only by Continue, and the whole retirement walks through the five steps, the ladder and
// the high-score table with the new row lit, and ends the game.
#include "screens/career/retirement.h"

#include <filesystem>

#include "rules/new_game.h"
#include "screens/shared/doors.h"
#include "screens/career/high_score.h"
#include "screens/form_test_fixture.h"
#include "screens/popups/popup_forms.h"
#include "screens/shared/game_forms.h"
#include "state/fields.h"
#include "state/general_data.h"
#include "state/start_ship.h"
#include "state/variables.h"
#include "support/script_ui.h"

namespace screens_test {
namespace {

using platform::Image;
using platform::Label;

class RetirementTest : public GameFormsTest {
 protected:
  static screens::CareerLadderScreen& ladder() {
    return screens::GameForm<screens::CareerLadderScreen>();
  }
  static screens::RetirementSummaryPopup& summary() {
    return screens::GameForm<screens::RetirementSummaryPopup>();
  }
  static Image& Rung(int k) { return ladder().Get<Image>("Rung" + std::to_string(k)); }
  static Label& RungTitle(int k) { return ladder().Get<Label>("RungTitle" + std::to_string(k)); }

  // The rungs lit and the rungs named; every other rung must show its dim picture unnamed.
  static std::pair<std::vector<int>, std::vector<int>> LitAndNamed() {
    std::vector<int> lit, named;
    for (int k = 1; k <= screens::kCareerRungs; ++k) {
      if (Rung(k).PictureName() == screens::CareerRungPicture(k, true)) lit.push_back(k);
      else EXPECT_EQ(Rung(k).PictureName(), screens::CareerRungPicture(k, false)) << "rung " << k;
      if (RungTitle(k).Visible()) named.push_back(k);
    }
    return {lit, named};
  }
};

TEST_F(RetirementTest, RungPicturesAreNumberedFromTwo) {
  EXPECT_EQ(screens::CareerRungPicture(1, true), "RetireScreen_02.jpg");
  EXPECT_EQ(screens::CareerRungPicture(10, true), "RetireScreen_11.jpg");
  EXPECT_EQ(screens::CareerRungPicture(1, false), "RetireScreenON_02.jpg");
  EXPECT_EQ(screens::CareerRungPicture(10, false), "RetireScreenON_11.jpg");
}

TEST_F(RetirementTest, TheLadderLightsOnlyTheLastCareerShown) {
  ladder().ShowCareer(10, "Beggar");
  auto [lit, named] = LitAndNamed();
  EXPECT_EQ(lit, std::vector<int>{10});
  EXPECT_EQ(named, std::vector<int>{10});
  EXPECT_EQ(RungTitle(10).Caption(), "Beggar");

  ladder().ShowCareer(3, "Governor");
  std::tie(lit, named) = LitAndNamed();
  EXPECT_EQ(lit, std::vector<int>{3});
  EXPECT_EQ(named, std::vector<int>{3});
  EXPECT_EQ(RungTitle(3).Caption(), "Governor");

  for (int outside : {0, 11, -1}) {
    ladder().ShowCareer(outside, "Nobody");
    std::tie(lit, named) = LitAndNamed();
    EXPECT_TRUE(lit.empty()) << outside;
    EXPECT_TRUE(named.empty()) << outside;
  }
}

TEST_F(RetirementTest, TheSummaryClosesOnlyByContinue) {
  bool refused = false;
  WhenIdle({
      [&] {
        summary().Close();  // any close but Continue's
      },
      [&] {
        refused = summary().Visible();
        EXPECT_EQ(state::RetirementPopupMayClose, 0);
        MoveOnto(summary().Get<Image>("ContinueButton"));
        EXPECT_EQ(summary().Get<Image>("ContinueButton").PictureName(), "RetirementScreenH_05.jpg");
        ClickOn(summary().Get<Label>("ContinueLabel"));
      },
  });
  summary().ShowModal();
  EXPECT_TRUE(refused);
  EXPECT_FALSE(summary().Visible());
  EXPECT_EQ(state::RetirementPopupMayClose, 0) << "the next showing starts guarded again";
  EXPECT_FALSE(StepsLeft());
}

TEST_F(RetirementTest, ARetirementScoresLightsTheCareerEntersTheScoreAndEndsTheGame) {
  state::PlayerData[player::kFaction] = 1;
  state::PlayerData[player::kProfession] = 1;
  support::ScriptUi ui;
  rules::CreateNewGameWorld(state::StartShipClass(kProfessionTrader, kFactionFederation), ui);
  state::PlayerName = "Ria Tavel";
  state::PlayerData[player::kCredits] = 2000000;
  for (auto& row : state::HighscoreTable) row.fill(0);
  state::HighscoreNames.fill("");
  state::TravelMayClose = 0;
  // The general data goes to the data folder: the work folder.
  namespace fs = std::filesystem;
  const WorkFolder folder("retirement_test");
  const fs::path& work = folder.Path();
  bool onDiskAtTheTable = false;

  std::vector<std::string> topics;
  auto noticeContinue = [&] {
    topics.push_back(screens::GameForm<screens::NoticePopup>().Topic().Caption());
    ClickOn(screens::GameForm<screens::NoticePopup>().Get<Label>("ContinueLabel"));
  };
  std::string summaryCaption, careerTitle;
  WhenIdle({
      noticeContinue,
      noticeContinue,
      [&] {
        summaryCaption = summary().Get<Label>("Caption").Caption();
        ClickOn(summary().Get<Label>("ContinueLabel"));
      },
      noticeContinue,
      noticeContinue,
      [&] {
        for (int k = 1; k <= screens::kCareerRungs; ++k)
          if (RungTitle(k).Visible()) careerTitle = RungTitle(k).Caption();
        ClickOn(ladder().Get<Label>("ContinueLabel"));
      },
      [&] {
        EXPECT_EQ(screens::GameForm<screens::HighScoreScreen>().Get<Label>("NameSlot1").Caption(),
                  "Ria Tavel");
        EXPECT_EQ(
            screens::GameForm<screens::HighScoreScreen>().Get<Label>("NameSlot1").GetFont().color,
            platform::colors::Yellow);
        onDiskAtTheTable = fs::exists(work / "GeneralData.int") && fs::exists(work / "GeneralData.str");
        ClickOn(screens::GameForm<screens::HighScoreScreen>().Get<Label>("BackLabel"));
      },
  });
  screens::OpenRetirementSequence();

  EXPECT_EQ(topics, (std::vector<std::string>{"Retirement (1/5)", "Retirement (2/5)",
                                              "Retirement (4/5)", "Retirement (5/5)"}));
  EXPECT_EQ(summaryCaption, "Step 3: Promotion");
  const rules::RetirementResult expected = rules::ScoreRetirement();
  EXPECT_EQ(careerTitle, expected.career.title);
  EXPECT_EQ(state::HighscoreTable[1][highscore::kScore], expected.score);
  EXPECT_EQ(state::HighscoreNames[1], "Ria Tavel");
  EXPECT_EQ(state::TravelMayClose, 1);
  EXPECT_FALSE(StepsLeft());

  // The new row reached the disk while the table was still showing.
  EXPECT_TRUE(onDiskAtTheTable);
  state::HighscoreNames.fill("");
  ASSERT_TRUE(state::ReadGeneralData(work).ok);
  EXPECT_EQ(state::HighscoreNames[1], "Ria Tavel");
  EXPECT_EQ(state::HighscoreTable[1][highscore::kScore], expected.score);
}

}  // namespace
}  // namespace screens_test
