// The crew combat screen played with the mouse under a fixed seed: an enemy ship plundered in its
// cargo bay, one captured on the bridge and sold, one kept, a retreat and a defeat, each ending
// checked in the state; and the screen's answers to clicks that fight no exchange (explanations,
// refusals, crew information, lit buttons, the compatibility labels).
#include "screens/combat/boarding_screen.h"

#include <filesystem>
#include <string>

#include "app/program.h"
#include "combat/boarding.h"
#include "combat/recording_ui.h"
#include "platform/script.h"
#include "rules/new_game.h"
#include "screens/combat/ship_combat_screen.h"
#include "screens/form_test_fixture.h"
#include "screens/popups/popup_forms.h"
#include "screens/popups/popups.h"
#include "screens/shared/doors.h"
#include "screens/shared/game_forms.h"
#include "state/equipment_ids.h"
#include "state/factions.h"
#include "state/fields.h"
#include "state/ship_class_of.h"
#include "state/ship_classes.h"
#include "state/start_ship.h"
#include "state/variables.h"
#include "support/rows.h"
#include "support/script_ui.h"

namespace screens_test {
namespace {

constexpr state::ShipClassId kEnemyClass = state::kClassShadowcat;
constexpr Faction kEnemyFaction = kFactionCoalition;

class BoardingScreenTest : public GameFormsTest {
 protected:
  void SetUp() override {
    GameFormsTest::SetUp();
    Prepare();
  }
  // A new game, a strong boarding crew, and an enemy ship prepared for boarding.
  void Prepare() {
    state::ClearGameState();
    state::PlayerData[player::kFaction] = 2;
    state::PlayerData[player::kProfession] = 1;
    rules::CreateNewGameWorld(state::StartShipClass(kProfessionTrader, kFactionOuterRim), nullUi);
    combat.defaultAnswer = true;  // every yes/no question of the fight: yes
    auto& p = state::PlayerShip;
    p[ship::kCrewmen] = 40;
    p[ship::kOfficers] = 5;
    p[ship::kMarines] = 30;
    p[ship::kPirates] = 0;
    p[ship::kDroids] = 0;
    p[ship::kCargoModule] = state::Stored(kModuleCargoBay);
    p[ship::kLastBoardingAttack] = 0;
    // A small enemy crew: no defending group above 10, so a strong attack takes an area at once.
    // What the boarding offer prepares: the airlock's defenders, the areas, the first area.
    state::EnemyShip = test_rows::ShipRow()
                           .Alive()
                           .Class(kEnemyClass)
                           .Faction(kEnemyFaction)
                           .Shields(10)
                           .CargoSpace(10)
                           .Crewmen(8)
                           .Marines(4)
                           .Set(ship::kDefendingCrewmen, 3)
                           .Set(ship::kDefendingMarines, 1)
                           .Set(ship::kBoardedArea, boarding_area::kAirlock);
    state::BoardingAreas[boarding_area::kAirlock] = state::Stored(combat::kAreaOpen);
    for (int area = 2; area <= 4; ++area)
      state::BoardingAreas[area] = state::Stored(combat::kAreaLocked);
    state::BoardingMayClose = 0;
  }
  void TearDown() override {
    state::CompatibilityMode = 0;
    GameFormsTest::TearDown();
  }

  // Opens the screen as the combat screen does and plays `script` on it.
  platform::ScriptResult Play(const std::string& script) {
    platform::ScriptRunner runner;
    app::AddGameSteps(runner);
    runner.Load(script, "boarding.script");
    return runner.Run([this] { screens::OpenBoardingScreen(combat); });
  }
  bool Said(std::string_view line) const {
    for (const std::string& l : combat.transcript)
      if (l.rfind(line, 0) == 0) return true;
    return false;
  }
  std::string Transcript() const {
    std::string all;
    for (const std::string& l : combat.transcript) all += l + "\n";
    return all;
  }

  support::ScriptUi nullUi;
  combat::RecordingUi combat{nullUi};
};

// The combat screen's popups as the game shows them: each one waits for its answer on screen.
class PopupCombatUi : public combat::RecordingUi {
 public:
  using RecordingUi::RecordingUi;
  void ShowPopup(combat::CombatPopup kind, std::string_view topic, std::string_view text,
                 std::string_view picture) override {
    RecordingUi::ShowPopup(kind, topic, text, picture);
    switch (kind) {
      case combat::CombatPopup::Text: screens::popups::ShowText(topic, text); break;
      case combat::CombatPopup::Picture: screens::popups::ShowPicture(topic, text, picture); break;
      case combat::CombatPopup::Experience: screens::popups::ShowFame(text, picture); break;
      case combat::CombatPopup::Loot: screens::popups::ShowReward(text, picture); break;
    }
  }
  bool Ask(std::string_view topic, std::string_view text) override {
    answers.push_front(screens::popups::AskYesNo(topic, text));
    return RecordingUi::Ask(topic, text);
  }
};

// Airlock and corridors taken, one exchange each.
constexpr const char* kToTheCorridors = R"S(seed 11
expect Boarding.AreaPicture1.Picture "crewcombat_red_airlock_normal.jpg"
expect Boarding.AreaPicture2.Picture "crewcombat_grey_corridor_normal.jpg"
expect Boarding.EnemyCrewmenCount.Caption "3"
expect Boarding.EnemyMarinesCount.Caption "1"
expect Boarding.CrewmenCount.Caption "40"
expect Boarding.MarinesCount.Caption "30"
screenshot Boarding "boarding_airlock.png"
click Boarding.StandardAttackButton
expect Boarding.EnemyCrewmenCount.Caption "0"
expect Boarding.AreaPicture1.Picture "crewcombat_blue_airlock_normal.jpg"
expect Boarding.AreaPicture2.Picture "crewcombat_red_corridor_normal.jpg"
click Boarding.AreaPicture2
click Boarding.StandardAttackButton
expect Boarding.AreaPicture2.Picture "crewcombat_blue_corridor_normal.jpg"
expect Boarding.AreaPicture3.Picture "crewcombat_red_cargo_normal.jpg"
expect Boarding.AreaPicture4.Picture "crewcombat_red_bridge_normal.jpg"
screenshot Boarding "boarding_corridors_secured.png"
)S";

TEST_F(BoardingScreenTest, PlunderingTheCargoBayDestroysTheShipAndPaysTheLoot) {
  const std::int32_t credits = state::PlayerData[player::kCredits];
  const platform::ScriptResult r = Play(std::string(kToTheCorridors) + R"S(
click Boarding.AreaPicture3
click Boarding.StandardAttackButton
)S");
  ASSERT_TRUE(r.ok) << r.message << "\n" << Transcript();
  EXPECT_FALSE(screens::GameForm<screens::BoardingScreen>().Visible());
  EXPECT_TRUE(combat.closed) << "plunder closes the combat screen too";
  EXPECT_EQ(state::EnemyShip[ship::kAlive], 0);
  EXPECT_GT(state::PlayerData[player::kCredits], credits);
  EXPECT_EQ(state::PlayerShip[ship::kClass], state::Stored(state::StartShipClass(kProfessionTrader, kFactionOuterRim)));
  EXPECT_TRUE(Said("question: Cargobay!")) << Transcript();
  EXPECT_TRUE(Said("loot popup: ")) << Transcript();
  EXPECT_FALSE(Said("picture popup: Droids captured!")) << "no droids are found in a plunder";
  EXPECT_EQ(state::BoardingMayClose, 0) << "closing takes the permission back";
}

TEST_F(BoardingScreenTest, ACapturedShipIsSoldOrKeptAsTheChoicePopupIsAnswered) {
  struct Case {
    const char* answer;
    bool kept;
  };
  for (const Case c : {Case{"yes", false}, Case{"no", true}}) {
    SCOPED_TRACE(c.answer);
    Prepare();
    const state::ShipClassId ownClass = state::ShipClassOf(state::PlayerShip);
    const std::int32_t credits = state::PlayerData[player::kCredits];
    const std::int32_t price = state::GetShipClassStat(kEnemyClass, state::kAttrPrice) / 5;
    const platform::ScriptResult r = Play(std::string(kToTheCorridors) + R"S(
click Boarding.AreaPicture4
click Boarding.StandardAttackButton
expect ChoicePopup.Topic.Caption "Keep enemy ship?"
expect ChoicePopup.YesLabel.Caption "Sell it"
expect ChoicePopup.NoLabel.Caption "Keep it"
screenshot screen "boarding_keep_or_sell.png"
key Escape
key Enter
expect ChoicePopup.Visible true
answer )S" + c.answer + "\n");
    ASSERT_TRUE(r.ok) << r.message << "\n" << Transcript();
    EXPECT_FALSE(screens::GameForm<screens::BoardingScreen>().Visible());
    EXPECT_TRUE(combat.closed);
    EXPECT_EQ(state::EnemyShip[ship::kAlive], 0);
    EXPECT_TRUE(Said("popup: Bridge! / You have gained control over the bridge!")) << Transcript();
    if (c.kept) {
      EXPECT_EQ(state::PlayerShip[ship::kClass], state::Stored(kEnemyClass));
      EXPECT_EQ(Faction{state::PlayerShip[ship::kFaction]}, kEnemyFaction);
      EXPECT_EQ(state::PlayerShip[ship::kShields],
                state::GetShipClassStat(kEnemyClass, state::kAttrShields));
      EXPECT_FALSE(Said("popup: Enemy ship sold!"));
    } else {
      EXPECT_EQ(state::PlayerShip[ship::kClass], state::Stored(ownClass));
      EXPECT_GE(state::PlayerData[player::kCredits], credits + price) << "the price and the loot";
      EXPECT_TRUE(Said("popup: Enemy ship sold!")) << Transcript();
    }
    EXPECT_EQ(screens::GameForm<screens::ChoicePopup>().Get<platform::Label>("YesLabel").Caption(),
              "Yes")
        << "the answers read Yes and No again";
    combat.transcript.clear();
    combat.closed = false;
    combat.answers.clear();
  }
}

TEST_F(BoardingScreenTest, RetreatLeavesTheEnemyShipAliveAndClosesBothScreens) {
  const platform::ScriptResult r = Play(R"S(seed 5
click Boarding.StandardAttackButton
click Boarding.RetreatButton
)S");
  ASSERT_TRUE(r.ok) << r.message;
  EXPECT_FALSE(screens::GameForm<screens::BoardingScreen>().Visible());
  EXPECT_TRUE(combat.closed);
  EXPECT_EQ(state::EnemyShip[ship::kAlive], 1);
  EXPECT_TRUE(Said("question: Really retreat?")) << Transcript();
  EXPECT_TRUE(Said("picture popup: You escape!")) << Transcript();
}

TEST_F(BoardingScreenTest, NoTextOfTheCombatScreenShowsRoundItInTheCompatibilityMode) {
  state::CompatibilityMode = 1;
  screens::SetupShipCombatOnScreen(kEnemyClass, kEnemyFaction, kMilitaryShip, 0);
  screens::ShipCombatScreen& combatScreen = screens::GameForm<screens::ShipCombatScreen>();
  combatScreen.Show();
  combatScreen.UpdateCompatibilityLabels();
  // The abilities' texts stand at the combat screen's foot, the lowest wrapped to four lines.
  ASSERT_TRUE(combatScreen.Get<platform::Label>("AbilityLabel1").VisibleInForm());
  const std::string shot = (std::filesystem::path(::testing::TempDir()) / "boarding_over_combat.png").string();
  const platform::ScriptResult r = Play("screenshot screen \"" + shot + "\"\nclick Boarding.RetreatButton\n");
  EXPECT_TRUE(r.ok) << r.message;
  combatScreen.Hide();
}

TEST_F(BoardingScreenTest, RetreatAnsweredNoFightsOn) {
  combat.answers = {false};
  const platform::ScriptResult r = Play(R"S(seed 5
click Boarding.RetreatButton
expect Boarding.Visible true
click Boarding.OfficersPicture
click Boarding.StandardAttackButton
expect Boarding.AreaPicture1.Picture "crewcombat_blue_airlock_normal.jpg"
click Boarding.RetreatButton
)S");
  ASSERT_TRUE(r.ok) << r.message;
  EXPECT_TRUE(combat.closed);
  EXPECT_TRUE(Said("popup: Officers / Officers are highly skilled")) << Transcript();
}

TEST_F(BoardingScreenTest, ACrewKilledToTheLastManLosesTheShip) {
  auto& p = state::PlayerShip;
  p[ship::kCrewmen] = 1;
  p[ship::kOfficers] = p[ship::kMarines] = 0;
  state::EnemyShip[ship::kDefendingMarines] = 10;
  const platform::ScriptResult r = Play(R"S(seed 2
click Boarding.StandardAttackButton
)S");
  ASSERT_TRUE(r.ok) << r.message;
  EXPECT_FALSE(screens::GameForm<screens::BoardingScreen>().Visible());
  EXPECT_TRUE(Said("popup: Defeat!")) << Transcript();
  EXPECT_EQ(state::PlayerShip[ship::kCrewmen], 0);
  EXPECT_EQ(state::EnemyShip[ship::kAlive], 1);
}

TEST_F(BoardingScreenTest, TheFightWaitsOnTheGamesOwnPopups) {
  PopupCombatUi screen(nullUi);
  platform::ScriptRunner runner;
  app::AddGameSteps(runner);
  runner.Load(R"S(seed 11
click Boarding.StandardAttackButton
expect TextPopup.Topic.Caption "Area secure!"
screenshot screen "boarding_area_secure.png"
answer continue
expect Boarding.AreaPicture2.Picture "crewcombat_red_corridor_normal.jpg"
click Boarding.AreaPicture2
expect YesNoPopup.Topic.Caption "Selected area: Corridors"
answer yes
expect TextPopup.Topic.Caption "Under attack!"
answer continue
click Boarding.RetreatLabel
expect YesNoPopup.Topic.Caption "Really retreat?"
answer yes
expect PicturePopup.Topic.Caption "You escape!"
answer continue
)S", "boarding_popups.script");
  const platform::ScriptResult r = runner.Run([&] { screens::OpenBoardingScreen(screen); });
  ASSERT_TRUE(r.ok) << r.message;
  EXPECT_FALSE(screens::GameForm<screens::BoardingScreen>().Visible());
  EXPECT_TRUE(screen.closed);
  EXPECT_EQ(state::EnemyShip[ship::kBoardedArea], boarding_area::kCorridors);
  EXPECT_EQ(state::EnemyShip[ship::kAlive], 1);
}

TEST_F(BoardingScreenTest, ClicksThatFightNoExchangeAnswerWithTheirPopups) {
  state::CompatibilityMode = 1;
  const platform::ScriptResult r = Play(R"S(seed 9
expect Boarding.AreaLabel1.Visible true
expect Boarding.AreaLabel1.Caption "Airlock (Enemy)"
expect Boarding.MarinesText.Visible true
screenshot Boarding "boarding_compatibility.png"
move Boarding.CommandoButton
expect Boarding.CommandoButton.Picture "CrewCombatScreen_12_HIGHLIGHTED.jpg"
move Boarding.Face
expect Boarding.CommandoButton.Picture "CrewCombatScreen_12.jpg"
rightclick Boarding.StandardAttackButton
click Boarding.EmpButton
click Boarding.AreaPicture2
click Boarding.MarinesText
click Boarding.EnemyDroidsText
expect Boarding.EnemyCrewmenCount.Caption "3"
click Boarding.StandardAttackButton
expect Boarding.AreaLabel1.Caption "Airlock (Friendly)"
move Boarding.EmpButton
expect Boarding.EmpButton.Picture "CrewCombatScreen_09.jpg"
move Boarding.RetreatButton
expect Boarding.RetreatButton.Picture "CrewCombatScreen_40_HIGHLIGHTED.jpg"
click Boarding.CommandoButton
click Boarding.AreaPicture3
click Boarding.AreaPicture1
click Boarding.RetreatButton
)S");
  ASSERT_TRUE(r.ok) << r.message;
  const char* expected[] = {
      "popup: Standard attack / The standard attack will send your whole crew",
      "popup: N/A! / This attack makes no sense, because the enemy crew does not have any battle",
      "popup: Under attack! / You are already under attack.",
      "popup: Space marines / Space marines are the toughest fighting force",
      "popup: Battle droids / Heavily armed and even better armored",
      "popup: Area secure! / Your men have secured this area",
      "popup: Sorry! / Please first select a new area to attack",
      "popup: N/A / You cannot yet attack this part of the enemy ship.",
      "popup: Secured! / You have already secured this part of the enemy ship.",
  };
  for (const char* line : expected) EXPECT_TRUE(Said(line)) << line << "\n" << Transcript();
  EXPECT_EQ(state::PlayerShip[ship::kLastBoardingAttack], 1)
      << "explanations and refusals leave the last attack as it was";
}

}  // namespace
}  // namespace screens_test
