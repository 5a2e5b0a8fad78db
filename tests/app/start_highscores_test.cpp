// The start screen's high-score button: the table opens with every row in white, whatever a
// retirement lit before, and Back returns to the start screen.
#include <filesystem>
#include <string>

#include "app/forms.h"
#include "app/program.h"
#include "app/start.h"
#include "platform/script.h"
#include "screens/career/high_score.h"
#include "screens/form_test_fixture.h"
#include "screens/shared/game_forms.h"
#include "state/fields.h"
#include "state/ship_classes.h"
#include "state/variables.h"

namespace screens_test {
namespace {

class StartHighscores : public GameFormsTest {
 protected:
  void SetUp() override {
    GameFormsTest::SetUp();
    platform::SetAssetFolder(FARHAVEN_ASSET_DIR);
    screens::GameForm<app::StartScreen>().ShowWelcomePanel(false);
    for (auto& row : state::HighscoreTable) row.fill(0);
    state::HighscoreNames.fill("");
  }
  void TearDown() override {
    platform::SetAssetFolder("");
    GameFormsTest::TearDown();
  }
  // An entered row is written to the general data in the data folder: a folder of the test's own.
  WorkFolder work_{"start_highscores_test"};
};

TEST_F(StartHighscores, TheButtonShowsTheWholeTableInWhiteAndBackReturns) {
  // Three careers, one of them just entered by a retirement that lit its row.
  struct Career {
    const char* name;
    std::int32_t score, faction, rank;
    state::ShipClassId shipClass;
  };
  const Career careers[] = {{"Ria Tavel", 48200, 4, 7, state::kClassOrion},
                            {"Brann Okoye", 31050, 1, 5, state::kClassAvenger},
                            {"Olo", 1200, 2, 2, state::kClassStarwolf}};
  for (const Career& c : careers) {
    state::PlayerName = c.name;
    state::PlayerData[player::kFaction] = c.faction;
    state::PlayerData[player::kRank] = c.rank;
    state::PlayerShip[ship::kClass] = state::Stored(c.shipClass);
    state::PlayerShip[ship::kFaction] = 0;
    screens::InsertHighscore(c.score);
  }
  ASSERT_EQ(screens::GameForm<screens::HighScoreScreen>()
                .Get<platform::Label>("NameSlot3")
                .GetFont()
                .color,
            platform::colors::Yellow);

  const std::string png =
      (std::filesystem::path(::testing::TempDir()) / "highscore_from_start.png").string();
  std::string script = R"(
move Start.HighScoresButton
expect Start.HighScoresButton.Picture "StartScreen_09_Highlighted.jpg"
click Start.HighScoresLabel
expect HighScore.Visible true
expect HighScore.Topic.Caption "Highscore"
expect HighScore.NameSlot1.Caption "Ria Tavel"
expect HighScore.ScoreSlot1.Caption "48,200"
expect HighScore.RankPicSlot1.Picture "Synd_Rank6.jpg"
expect HighScore.ShipPicSlot1.Picture "Syndicate_Orion_scene.jpg"
expect HighScore.NameSlot2.Caption "Brann Okoye"
expect HighScore.FactionPicSlot2.Picture "FederationLogo.jpg"
expect HighScore.NameSlot3.Caption "Olo"
expect HighScore.ScoreSlot3.Caption "1,200"
expect HighScore.ShipPicSlot4.Visible false
)";
  for (int k = 1; k <= 5; ++k)
    for (const char* label : {"NameSlot", "ScoreSlot"})
      script += "expect HighScore." + std::string(label) + std::to_string(k) + ".FontColor \"#ffffff\"\n";
  script += "screenshot HighScore \"" + png + R"("
move HighScore.BackButton
expect HighScore.BackButton.Picture "HighScoresScreen_34_H.jpg"
click HighScore.BackLabel
expect HighScore.Visible false
expect Start.Visible true
expect Start.HighScoresButton.Picture "StartScreen_09.jpg"
)";
  platform::ScriptRunner runner;
  app::AddGameSteps(runner);
  runner.Load(script, "highscores.script");
  const platform::ScriptResult r =
      runner.Run([] { screens::GameForm<app::StartScreen>().ShowModal(); });
  EXPECT_TRUE(r.ok) << r.message;
  EXPECT_EQ(sounds.effects, (std::vector<std::string>{"button.wav", "button.wav"}));
  EXPECT_TRUE(std::filesystem::exists(png));
  EXPECT_EQ(state::HighscoreTable[1][highscore::kShipFaction], 4)
      << "the row keeps the livery it was shown with";
}

}  // namespace
}  // namespace screens_test
