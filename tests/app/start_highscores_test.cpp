// The start screen's high-score button: the table opens with every row in white, whatever a
// retirement lit before, and Back returns to the start screen.
#include <filesystem>
#include <string>

#include "app/forms.h"
#include "app/program.h"
#include "app/start.h"
#include "platform/script.h"
#include "screens/career/highscore.h"
#include "screens/form_test_fixture.h"
#include "state/fields.h"
#include "state/variables.h"

namespace screens_test {
namespace {

class StartHighscores : public FormTest {
 protected:
  void SetUp() override {
    FormTest::SetUp();
    platform::SetAssetFolder(FARHAVEN_ASSET_DIR);
    app::CreateForms();
    app::Form1->ShowWelcomePanel(false);
    for (auto& row : state::HighscoreTable) row.fill(0);
    state::HighscoreNames.fill("");
  }
  void TearDown() override {
    app::DestroyForms();
    platform::SetAssetFolder("");
    FormTest::TearDown();
  }
};

TEST_F(StartHighscores, TheButtonShowsTheWholeTableInWhiteAndBackReturns) {
  // Three careers, one of them just entered by a retirement that lit its row.
  struct Career {
    const char* name;
    std::int32_t score, faction, rank, shipClass;
  };
  const Career careers[] = {{"Ria Tavel", 48200, 4, 7, 5},
                            {"Brann Okoye", 31050, 1, 5, 3},
                            {"Olo", 1200, 2, 2, 1}};
  for (const Career& c : careers) {
    state::PlayerName = c.name;
    state::PlayerData[player::kFaction] = c.faction;
    state::PlayerData[player::kRank] = c.rank;
    state::PlayerShip[ship::kClass] = c.shipClass;
    state::PlayerShip[ship::kFaction] = 0;
    screens::InsertHighscore(c.score);
  }
  ASSERT_EQ(screens::Form23->Get<platform::Label>("NameSlot3").GetFont().color,
            platform::colors::Yellow);

  const std::string png =
      (std::filesystem::path(::testing::TempDir()) / "highscore_from_start.png").string();
  std::string script = R"(
move Form1.Interface9
expect Form1.Interface9.Picture "StartScreen_09_Highlighted.jpg"
click Form1.Label3
expect Form23.Visible true
expect Form23.Topic.Caption "Highscore"
expect Form23.NameSlot1.Caption "Ria Tavel"
expect Form23.ScoreSlot1.Caption "48,200"
expect Form23.RankPicSlot1.Picture "Synd_Rank6.jpg"
expect Form23.ShipPicSlot1.Picture "Syndicate_Orion_scene.jpg"
expect Form23.NameSlot2.Caption "Brann Okoye"
expect Form23.FactionPicSlot2.Picture "FederationLogo.jpg"
expect Form23.NameSlot3.Caption "Olo"
expect Form23.ScoreSlot3.Caption "1,200"
expect Form23.ShipPicSlot4.Visible false
)";
  for (int k = 1; k <= 5; ++k)
    for (const char* label : {"NameSlot", "ScoreSlot"})
      script += "expect Form23." + std::string(label) + std::to_string(k) + ".FontColor \"#ffffff\"\n";
  script += "screenshot Form23 \"" + png + R"("
move Form23.Interface34
expect Form23.Interface34.Picture "HighScoresScreen_34_H.jpg"
click Form23.Label8
expect Form23.Visible false
expect Form1.Visible true
expect Form1.Interface9.Picture "StartScreen_09.jpg"
)";
  platform::ScriptRunner runner;
  app::AddGameSteps(runner);
  runner.Load(script, "highscores.script");
  const platform::ScriptResult r = runner.Run([] { app::Form1->ShowModal(); });
  EXPECT_TRUE(r.ok) << r.message;
  EXPECT_EQ(sounds.effects, (std::vector<std::string>{"button.wav", "button.wav"}));
  EXPECT_TRUE(std::filesystem::exists(png));
  EXPECT_EQ(state::HighscoreTable[1][highscore::kShipFaction], 4)
      << "the row keeps the livery it was shown with";
}

}  // namespace
}  // namespace screens_test
