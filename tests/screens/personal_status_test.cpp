// The personal status screen: the career paragraph, the ship's description and the particulars as
// tables, and the real screen: filled by its refresh, browsing both trees, Back.
#include "screens/career/personal_status.h"

#include <string>

#include "app/program.h"
#include "platform/script.h"
#include "rules/new_game.h"
#include "screens/shared/doors.h"
#include "screens/form_test_fixture.h"
#include "screens/shared/game_forms.h"
#include "state/fields.h"
#include "state/general_data.h"
#include "state/progression.h"
#include "state/random.h"
#include "state/start_ship.h"
#include "state/variables.h"
#include "support/script_ui.h"

namespace screens_test {
namespace {

class PersonalStatusTest : public GameFormsTest {
 protected:
  void SetUp() override {
    GameFormsTest::SetUp();
    state::SetGeneralDataDefaults();
    state::ClearGameState();
    state::Randomize(3);
    state::PlayerData[player::kFaction] = 1;
    state::PlayerData[player::kProfession] = 1;
    support::ScriptUi ui;
    rules::CreateNewGameWorld(state::StartShipClass(kProfessionTrader, kFactionFederation), ui);
    state::PlayerName = "Jane Doe";
    state::TutorialActive = 0;
  }
  static screens::PersonalStatusScreen& screen() {
    return screens::GameForm<screens::PersonalStatusScreen>();
  }
  static void RunScript(const std::string& script) {
    platform::ScriptRunner runner;
    app::AddGameSteps(runner);
    runner.Load(script, "personal_status.script");
    const platform::ScriptResult r = runner.Run([] { screens::OpenPersonalStatus(); });
    EXPECT_TRUE(r.ok) << r.message;
  }
};

TEST_F(PersonalStatusTest, ANewPlayersCareerRunsTheSentencesTogetherWithZeros) {
  EXPECT_EQ(screens::BuildCareerSummary(),
            "During your career you were known as \"Ensign Jane Doe\". You successfully completed 0 "
            "missions.You´ve been able to destroy 0 fighter(s), 0 corvette(s), 0 destroyer(s), 0 "
            "cruiser(s), 0 battleship(s), 0 freighter (s). Within all this time you´ve traded 0 "
            "unit(s) of cargo. Due to your help the Federation could successfully complete 0 "
            "invasion operation(s) and fight back 0 invasion(s) in federated space.");
}

TEST_F(PersonalStatusTest, CareerCountersAndTheCargoCap) {
  state::PlayerData[player::kMissionsCompleted] = 12;
  for (int k = 0; k < 6; ++k) state::PlayerData[player::kFightersDestroyed + k] = 10 * (k + 1) + 1;
  state::PlayerData[player::kAttacksWon] = 4;
  state::PlayerData[player::kDefencesWon] = 5;
  state::PlayerData[player::kRank] = 4;
  state::PlayerData[player::kFaction] = 3;
  const std::string counted = screens::BuildCareerSummary();
  EXPECT_NE(counted.find("completed 12 missions.You´ve been able to destroy 11 fighter(s), 21 "
                         "corvette(s), 31 destroyer(s), 41 cruiser(s), 51 battleship(s), 61 freighter (s)."),
            std::string::npos)
      << counted;
  EXPECT_NE(counted.find("the Coalition could successfully complete 4 invasion operation(s) and "
                         "fight back 5 invasion(s)"),
            std::string::npos)
      << counted;

  struct Case {
    std::int32_t traded;
    const char* sentence;
  };
  const Case cases[] = {
      {1234567, " Within all this time you´ve traded 1234567 unit(s) of cargo."},
      {100000000, " Within all this time you´ve traded 100000000 unit(s) of cargo."},
      {100000001, " Within all this time you´ve traded more than 100 million units of cargo."},
  };
  for (const Case& c : cases) {
    state::PlayerData[player::kGoodsSold] = c.traded;
    EXPECT_NE(screens::BuildCareerSummary().find(c.sentence), std::string::npos) << c.traded;
  }
}

TEST(ShipClassDescription, NamesTheClassBySizeAndKind) {
  struct Case {
    state::ShipClassId shipClass;
    const char* text;
  };
  const Case cases[] = {
      {state::kClassStarwolf, "Starwolf-class fighter"},
      {state::kClassOrion, "Orion-class fighter"},
      {state::kClassShadowcat, "Shadowcat-class corvette"},
      {state::kClassOrionSquadron, "Orion Squadron-class corvette"},
      {state::kClassPatton, "Patton-class destroyer"},
      {state::kClassFerendar, "Ferendar-class transporter"},
      {state::kClassNeptun, "Neptun-class cruiser"},
      {state::kClassGalaxy, "Galaxy-class large freighter"},
      {state::kClassMarauder, "Marauder-class battleship"},
  };
  for (const Case& c : cases) EXPECT_EQ(screens::ShipClassDescription(c.shipClass), c.text);
}

TEST_F(PersonalStatusTest, ParticularsOfThePlayer) {
  state::PlayerData[player::kCredits] = 1234567;
  state::PlayerData[player::kLifePoints] = 4;
  state::PlayerShip[ship::kClass] = 9;
  screens::PersonalStatusView view = screens::BuildPersonalStatusView();
  EXPECT_EQ(view.rankAndName, "Ens. Jane Doe");
  EXPECT_EQ(view.faction, "Federation Of Planets");
  EXPECT_EQ(view.credits, "1,234,567");
  EXPECT_EQ(view.lives, "4 \"lives\" left");
  EXPECT_EQ(view.ship, "Patton-class destroyer");
  EXPECT_EQ(view.criminalStatus, "No criminal flag");
  EXPECT_EQ(view.portrait, state::GetHeroPortraitFile());
  state::PlayerData[player::kCriminalDays] = 12;
  EXPECT_EQ(screens::BuildPersonalStatusView().criminalStatus, "Criminal flag (12 turns)");
}

// The portrait ages with the pilot: each age band its own picture, from the first year of the band.
TEST_F(PersonalStatusTest, ThePortraitAgesWithThePilot) {
  platform::SetAssetFolder(FARHAVEN_ASSET_DIR);
  state::PlayerData[player::kPortrait] = 1;
  struct Case {
    std::int32_t age;
    const char* picture;
  } cases[] = {
      {22, "hero2_20y.jpg"}, {34, "hero2_20y.jpg"}, {35, "hero2_35y.jpg"},   {50, "hero2_50y.jpg"},
      {69, "hero2_50y.jpg"}, {70, "hero2_70y.jpg"}, {150, "hero2_150y.jpg"},
  };
  for (const Case& c : cases) {
    state::GameDay = (c.age - 22) * 360;
    ASSERT_EQ(state::GetPlayerAge(), c.age);
    const std::string file = "portrait_" + std::to_string(c.age) + ".png";
    RunScript(std::string("expect PersonalStatus.Portrait.Picture \"") + c.picture + "\"\n" +
              ScreenshotStep("PersonalStatus", file.c_str()) + "click PersonalStatus.BackButton\n");
  }
  platform::SetAssetFolder("");
}

TEST_F(PersonalStatusTest, OpensFilledWithTheUniformAndBackCloses) {
  state::PlayerData[player::kCriminalDays] = 3;
  RunScript(R"script(
expect PersonalStatus.Topic.Caption "Personal status"
expect PersonalStatus.RankAndName.Caption "Ens. Jane Doe"
expect PersonalStatus.CriminalStatus.Caption "Criminal flag (3 turns)"
expect PersonalStatus.UniformBase.Picture "Uni-Fed-blank.jpg"
expect PersonalStatus.Ribbon3.Visible true
expect PersonalStatus.Ribbon4.Visible false
expect PersonalStatus.CollarInsignia.Left "7"
screenshot PersonalStatus "personal_status.png"
move PersonalStatus.BackButton
expect PersonalStatus.BackButton.Picture "PersonalStatusScreen_12_H.jpg"
move PersonalStatus.Face
expect PersonalStatus.BackButton.Picture "PersonalStatusScreen_12.jpg"
click PersonalStatus.BackLabel
expect PersonalStatus.Visible false
)script");
}

// The trees open for browsing only: a click on a slot describes it and learns nothing, and the
// screen behind still shows what it showed.
TEST_F(PersonalStatusTest, BrowsesBothTreesWithoutLearning) {
  state::SkillOwned.fill(0);
  state::AbilityOwned.fill(0);
  RunScript(R"script(
click PersonalStatus.CombatSkillsLabel
expect AbilitySelection.Visible true
expect AbilitySelection.GroupTab1.Picture "Category_Defense_on_small.jpg"
click AbilitySelection.Slot1
answer continue
click AbilitySelection.CloseLabel
click PersonalStatus.SkillsButton
expect AbilitySelection.GroupTab1.Picture "Category_Trade_on_small.jpg"
click AbilitySelection.Slot1
answer continue
click AbilitySelection.CloseLabel
expect PersonalStatus.RankAndName.Caption "Ens. Jane Doe"
click PersonalStatus.BackButton
)script");
  int owned = 0;
  for (std::int32_t v : state::SkillOwned) owned += v != 0;
  for (std::int32_t v : state::AbilityOwned) owned += v != 0;
  EXPECT_EQ(owned, 0);
}

}  // namespace
}  // namespace screens_test
