// The mission board and the campaign screen on the real forms: the board filled from the ship's
// system with its first offer detailed, tiles and buttons lit under the mouse, an empty slot
// hidden, acceptance and its refusals, the galaxy map's door; the campaign screen's fleets, texts,
// refusals, and its closing when a mission is accepted on a board opened over it.
#include <algorithm>
#include <string>

#include "app/program.h"
#include "platform/script.h"
#include "rules/missions.h"
#include "rules/new_game.h"
#include "screens/form_test_fixture.h"
#include "screens/port/campaign_screen.h"
#include "screens/port/mission_board.h"
#include "screens/port/mission_board_view.h"
#include "screens/shared/doors.h"
#include "screens/shared/game_forms.h"
#include "screens/travel/travel_screen.h"
#include "state/fields.h"
#include "state/random.h"
#include "state/start_ship.h"
#include "state/variables.h"
#include "support/script_ui.h"

namespace screens_test {
namespace {

class BoardTest : public GameFormsTest {
 protected:
  void SetUp() override {
    GameFormsTest::SetUp();
    platform::SetAssetFolder(FARHAVEN_ASSET_DIR);
    state::ClearGameState();
    state::PlayerData[player::kFaction] = 1;
    state::PlayerData[player::kProfession] = 1;
    state::Randomize(21);
    support::ScriptUi ui;
    rules::CreateNewGameWorld(state::StartShipClass(kProfessionTrader, kFactionFederation), ui);
    system = state::PlayerShip[ship::kSystem];
    state::ActiveMission = {};
    state::TutorialActive = 0;
    // Known kinds in the first slots; the targets lie in another system, so an accepted mission
    // does not start where the ship is.
    SetType(1, kMissionPatrol);
    SetType(2, kMissionTransport);
    SetType(3, kMissionAmbush);
    state::MissionOffers[system][6][mission::kActive] = 0;
  }
  void TearDown() override {
    platform::SetAssetFolder("");
    GameFormsTest::TearDown();
  }

  void SetType(int slot, MissionType type) {
    state::TMissionRow& o = state::MissionOffers[system][slot];
    o[mission::kActive] = 1;
    o[mission::kType] = state::Stored(type);
    o[mission::kTargetSystem] = system % 24 + 1;
    o[mission::kTargetBody] = 2;
    o[mission::kBriefingVariant] = 0;
  }

  platform::ScriptResult Run(const std::string& steps, void (*open)()) {
    platform::ScriptRunner runner;
    app::AddGameSteps(runner);
    runner.AddVerb("open-board", [](const platform::ScriptStep&) { screens::OpenMissionBoard(); });
    runner.Load("seed 7\n" + steps, "mission_board.script");
    return runner.Run([open] { open(); });
  }

  static std::string Expect(const std::string& what, const std::string& value) {
    std::string quoted;
    for (const char c : value) quoted += c == '"' ? std::string("\\\"") : std::string(1, c);
    return "expect " + what + " \"" + quoted + "\"\n";
  }

  std::int32_t system = 0;
};

TEST_F(BoardTest, OpensOnTheFirstOfferAndLightsTilesAndButtonsUnderTheMouse) {
  const screens::MissionTileView first = screens::BuildMissionTile(system, 1);
  const screens::MissionTileView third = screens::BuildMissionTile(system, 3);
  const std::string script =
      "expect MissionBoard.Visible true\n" +
      Expect("MissionBoard.Header.Caption", "Available missions for \"Fighter-class\" pilots:") +
      Expect("MissionBoard.OfferTile1.Picture", "Mission_PatrolLogoON.jpg") +
      Expect("MissionBoard.OfferTile2.Picture", "Mission_TransportLogo.jpg") +
      Expect("MissionBoard.OfferTitle1.Caption", first.title) +
      Expect("MissionBoard.OfferPlace1.Caption", first.place) +
      Expect("MissionBoard.OfferReward1.Caption", first.reward) +
      Expect("MissionBoard.DetailHeading.Caption", "Selected Mission: Patrol") +
      Expect("MissionBoard.Value.Caption", "Unknown") +
      "expect MissionBoard.OfferTile6.Visible false\n" +
      Expect("MissionBoard.OfferTitle6.Caption", "") +
      "move MissionBoard.OfferTile2\n" +
      Expect("MissionBoard.OfferTile2.Picture", "Mission_TransportLogoMouseOver.jpg") +
      "move MissionBoard.AcceptLabel\n" +
      Expect("MissionBoard.AcceptButton.Picture", "Mission-ScreenH_25.jpg") +
      Expect("MissionBoard.OfferTile2.Picture", "Mission_TransportLogo.jpg") +
      "move MissionBoard.CloseButton\n" +
      Expect("MissionBoard.AcceptButton.Picture", "Mission-Screen_25.jpg") +
      Expect("MissionBoard.CloseButton.Picture", "Mission-ScreenH_27.jpg") +
      "move MissionBoard.Face\n" +
      Expect("MissionBoard.CloseButton.Picture", "Mission-Screen_27.jpg") +
      "click MissionBoard.OfferReward3\n" +
      Expect("MissionBoard.OfferTile3.Picture", "Mission_AttackCapLogoON.jpg") +
      Expect("MissionBoard.OfferTile1.Picture", "Mission_PatrolLogo.jpg") +
      Expect("MissionBoard.DetailHeading.Caption", "Selected Mission: Ambush") +
      Expect("MissionBoard.ValueCaption.Caption", "Expected resistance:") +
      Expect("MissionBoard.Value.Left", "376") +
      // An empty slot is selected but shows no details.
      ScreenshotStep("MissionBoard", "mission-board.png") +
      "click MissionBoard.OfferTitle6\n" +
      Expect("MissionBoard.DetailHeading.Caption", "Selected Mission: Ambush") +
      "click MissionBoard.CloseLabel\n"
      "expect MissionBoard.Visible false\n";
  const platform::ScriptResult r = Run(script, &screens::OpenMissionBoard);
  EXPECT_TRUE(r.ok) << r.message;
  EXPECT_NE(third.title, "");
  EXPECT_EQ(state::ActiveMission[mission::kActive], 0);
  EXPECT_NE(state::MissionOffers[system][3][mission::kBriefingVariant], 0)
      << "the briefing's wording was drawn when the offer was shown";
  EXPECT_EQ(sounds.effects.back(), "mini.wav");
}

TEST_F(BoardTest, AcceptingTakesTheSelectedOfferAndClosesTheBoard) {
  const state::TMissionRow offer = state::MissionOffers[system][2];
  const std::string script =
      "click MissionBoard.OfferTile2\n"
      "click MissionBoard.AcceptButton\n" +
      ScreenshotStep("PicturePopup", "mission-accepted.png") +
      Expect("PicturePopup.Topic.Caption", "Mission accepted!") +
      "answer continue\n"
      "expect MissionBoard.Visible false\n";
  const platform::ScriptResult r = Run(script, &screens::OpenMissionBoard);
  EXPECT_TRUE(r.ok) << r.message;
  EXPECT_EQ(state::ActiveMission[mission::kActive], 1);
  EXPECT_EQ(state::ActiveMission[mission::kType], state::Stored(kMissionTransport));
  EXPECT_EQ(state::ActiveMission[mission::kReward], offer[mission::kReward]);
  EXPECT_NE(state::ActiveMission[mission::kBriefingVariant], 0)
      << "the wording read on the board goes with the mission";
}

TEST_F(BoardTest, RefusedAndDeclinedAcceptancesLeaveTheBoardOpen) {
  struct Case {
    const char* name;
    const char* tile;
    bool busy;
    std::string steps;
  };
  const Case cases[] = {
      {"busy", "OfferTile2", true,
       Expect("PicturePopup.Topic.Caption", "You are busy!") + "answer continue\n"},
      {"danger declined", "OfferTile3", false,
       Expect("YesNoPopup.Topic.Caption", "Danger!") + "answer no\n"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    state::ActiveMission[mission::kActive] = c.busy ? 1 : 0;
    const std::string script = std::string("click MissionBoard.") + c.tile + "\n" +
                               "click MissionBoard.AcceptLabel\n" + c.steps +
                               "expect MissionBoard.Visible true\n"
                               "key Escape\n"
                               "expect MissionBoard.Visible false\n";
    const platform::ScriptResult r = Run(script, &screens::OpenMissionBoard);
    EXPECT_TRUE(r.ok) << r.message;
    EXPECT_EQ(state::ActiveMission[mission::kActive], c.busy ? 1 : 0);
    EXPECT_EQ(state::MissionOffers[system][3][mission::kActive], 1);
    platform::App().Reset();
  }
}

TEST_F(BoardTest, TheGalaxyMapOpensOnTheBoardsSystemAndLeavesThePlayersShown) {
  state::DisplayedSystem = system % 24 + 1;
  const std::string script =
      "click MissionBoard.GalaxyMapLabel\n"
      "expect GalaxyMap.Visible true\n"
      "key Escape\n"
      "expect GalaxyMap.Visible false\n"
      "expect MissionBoard.Visible true\n"
      "click MissionBoard.CloseButton\n";
  const platform::ScriptResult r = Run(script, &screens::OpenMissionBoard);
  EXPECT_TRUE(r.ok) << r.message;
  EXPECT_EQ(state::DisplayedSystem, system);
  EXPECT_EQ(std::count(sounds.effects.begin(), sounds.effects.end(), "maxi.wav"), 1)
      << "the map opens with one sound, not two";
}

TEST_F(BoardTest, EveryOpeningStartsOnTheFirstOfferAndShowsNoStaleDetails) {
  // Left on the third offer, then opened again with the first slot empty.
  Run("click MissionBoard.OfferTile3\nclick MissionBoard.CloseButton\n", &screens::OpenMissionBoard);
  state::MissionOffers[system][1][mission::kActive] = 0;
  platform::App().Reset();
  const platform::ScriptResult r = Run(
      Expect("MissionBoard.DetailHeading.Caption", "") +
          Expect("MissionBoard.OfferTile3.Picture", "Mission_AttackCapLogo.jpg") +
          "expect MissionBoard.OfferTile1.Visible false\n"
          "click MissionBoard.AcceptButton\n" +
          Expect("PicturePopup.Topic.Caption", "No mission selected!") +
          "answer continue\n"
          "click MissionBoard.CloseButton\n",
      &screens::OpenMissionBoard);
  EXPECT_TRUE(r.ok) << r.message;
  EXPECT_EQ(screens::GameForm<screens::MissionBoardScreen>().SelectedSlot(), 1);
}

// A fleet battle accepted on the board the travel screen opened begins where the ship is: the
// travel screen stands behind its popups again, before the battle ("Enemy fleet ahead!") and after
// a battle that cost the ship ("Mission failed...!", "New chance"), as it does behind a fight.
TEST_F(BoardTest, AFleetBattleAcceptedHereIsFoughtAndLostOverTheTravelScreen) {
  state::TMissionRow& battle = state::MissionOffers[system][1];
  battle[mission::kType] = state::Stored(kMissionBattle);
  battle[mission::kTargetSystem] = system;
  battle[mission::kTargetBody] = state::PlayerShip[ship::kBody];
  battle[mission::kEnemyFaction] = 3;
  state::PlayerData[player::kLifePoints] = 2;
  platform::ScriptRunner runner;
  app::AddGameSteps(runner);
  // The ship is lost in the battle (its own fight went wrong); the captain retreats.
  runner.AddVerb("lose-ship", [](const platform::ScriptStep&) {
    state::PlayerShip[ship::kAlive] = 0;
  });
  runner.Load("seed 7\n"
              "click TravelScreen.MissionsButton\n"
              "expect TravelScreen.Visible false\n"
              "click MissionBoard.OfferTile1\n"
              "click MissionBoard.AcceptButton\n" +
                  Expect("PicturePopup.Topic.Caption", "Mission accepted!") +
                  "answer continue\n" +
                  Expect("PicturePopup.Topic.Caption", "Enemy fleet ahead!") +
                  "expect TravelScreen.Visible true\n" +
                  ScreenshotStep("screen", "fleet-battle-ahead.png") +
                  "answer continue\n"
                  "expect FleetBattle.Visible true\n"
                  "lose-ship\n"
                  "click FleetBattle.RetreatLabel\n"
                  "answer yes\n" +
                  Expect("PicturePopup.Topic.Caption", "Mission failed...!") +
                  "expect TravelScreen.Visible true\n"
                  "expect MissionBoard.Visible false\n"
                  "answer continue\n" +
                  Expect("NoticePopup.Topic.Caption", "New chance") +
                  "expect TravelScreen.Visible true\n" +
                  ScreenshotStep("screen", "fleet-battle-new-chance.png") +
                  "answer continue\n"
                  "expect TravelScreen.Visible true\n"
                  "click TravelScreen.OptionsButton\n"
                  "click TravelScreen.ExitToMenuLabel\n"
                  "answer yes\n",
              "fleet_battle_lost.script");
  const platform::ScriptResult r = runner.Run([] { screens::OpenTravelScreen(); });
  EXPECT_TRUE(r.ok) << r.message;
  EXPECT_EQ(state::PlayerData[player::kLifePoints], 1);
  EXPECT_EQ(state::ActiveMission[mission::kActive], 0);
}

// --- The campaign screen -----------------------------------------------------------------------

class CampaignTest : public BoardTest {
 protected:
  void SetUp() override {
    BoardTest::SetUp();
    state::TSystemRow& row = state::SystemData[system];
    row[star_system::kOwner] = 2;
    row[star_system::kAttacker] = 1;
    row[star_system::kCampaign] = 1;
    row[star_system::kCampaignDays] = 200;
    row[star_system::kSiegeDays] = 325;
    row[star_system::kAttackerPoints] = 100;
    row[star_system::kDefenderPoints] = 49;
  }
};

TEST_F(CampaignTest, ShowsTheSiegeWithFleetsByThePointsAndLightsItsButtons) {
  const std::string script =
      "expect CampaignScreen.Visible true\n" +
      Expect("CampaignScreen.Topic.Caption", "Invasion") +
      Expect("CampaignScreen.SiegeDays.Caption", "200/325 days") +
      // The attacker at level 4, the defender at level 1.
      "expect CampaignScreen.AttackerShip8.Visible true\n"
      "expect CampaignScreen.AttackerBattleship3.Visible true\n" +
      Expect("CampaignScreen.AttackerShip1.Picture", "Federation_ship_small_right.bmp") +
      "expect CampaignScreen.DefenderShip3.Visible true\n"
      "expect CampaignScreen.DefenderShip4.Visible false\n"
      "expect CampaignScreen.DefenderBattleship1.Visible false\n" +
      Expect("CampaignScreen.DefenderShip1.Picture", "Outerrim_ship_small_left.bmp") +
      Expect("CampaignScreen.Starbase.Picture", "Outerrim_station_off.bmp") +
      "move CampaignScreen.StrikeLabel\n" +
      Expect("CampaignScreen.StrikeButton.Picture", "CampaignScreenH_07.jpg") +
      ScreenshotStep("CampaignScreen", "campaign-screen.png") +
      "move CampaignScreen.Face\n" +
      Expect("CampaignScreen.StrikeButton.Picture", "CampaignScreen_07.jpg") +
      "click CampaignScreen.StrikeButton\n" +
      Expect("TextPopup.Topic.Caption", "Battleship required!") +
      "answer continue\n"
      "expect CampaignScreen.Visible true\n"
      "click CampaignScreen.CloseLabel\n"
      "expect CampaignScreen.Visible false\n";
  const platform::ScriptResult r = Run(script, &screens::OpenCampaignScreen);
  EXPECT_TRUE(r.ok) << r.message;
  EXPECT_EQ(state::SystemData[system][star_system::kCampaign], 1) << "a refused strike changes nothing";
}

TEST_F(CampaignTest, ADefenderIsToldItCannotStrikeItsOwnStarbase) {
  state::SystemData[system][star_system::kOwner] = 1;
  state::SystemData[system][star_system::kAttacker] = 2;
  // The defence far ahead: the defender at level 4, the attacker at level 0.
  state::SystemData[system][star_system::kAttackerPoints] = 24;
  state::SystemData[system][star_system::kDefenderPoints] = 100;
  const std::string script =
      Expect("CampaignScreen.Topic.Caption", "System defense") +
      Expect("CampaignScreen.Starbase.Picture", "Federation_station.bmp") +
      Expect("CampaignScreen.DefenderShip8.Picture", "Federation_ship_small_left.bmp") +
      "expect CampaignScreen.DefenderShip8.Visible true\n"
      "expect CampaignScreen.DefenderBattleship3.Visible true\n"
      "expect CampaignScreen.AttackerShip2.Visible true\n"
      "expect CampaignScreen.AttackerShip3.Visible false\n"
      "expect CampaignScreen.AttackerBattleship1.Visible false\n" +
      ScreenshotStep("CampaignScreen", "campaign-defence.png") +
      "click CampaignScreen.StrikeLabel\n" +
      Expect("TextPopup.Topic.Caption", "N/A!") +
      "answer continue\n"
      "key Escape\n"
      "expect CampaignScreen.Visible false\n";
  const platform::ScriptResult r = Run(script, &screens::OpenCampaignScreen);
  EXPECT_TRUE(r.ok) << r.message;
}

TEST_F(CampaignTest, AskingForAMissionWhileOneRunsSaysSo) {
  state::ActiveMission[mission::kActive] = 1;
  const std::string script =
      "click CampaignScreen.MissionButton\n" +
      Expect("TextPopup.Topic.Caption", "N/A") +
      Expect("TextPopup.Text.Caption", "You can only accept one mission at a time!") +
      "answer continue\n"
      "expect CampaignScreen.Visible true\n"
      "click CampaignScreen.CloseButton\n";
  const platform::ScriptResult r = Run(script, &screens::OpenCampaignScreen);
  EXPECT_TRUE(r.ok) << r.message;
}

TEST_F(CampaignTest, AMissionAcceptedOnABoardOpenedOverTheScreenClosesBoth) {
  const std::string script =
      "open-board\n"
      "click MissionBoard.OfferTile2\n"
      "click MissionBoard.AcceptButton\n"
      "answer continue\n"
      "expect MissionBoard.Visible false\n"
      "expect CampaignScreen.Visible false\n";
  const platform::ScriptResult r = Run(script, &screens::OpenCampaignScreen);
  EXPECT_TRUE(r.ok) << r.message;
  EXPECT_EQ(state::ActiveMission[mission::kActive], 1);
  EXPECT_FALSE(screens::CampaignScreenShowing());
}

TEST_F(CampaignTest, NoScreenOpensForACampaignThePlayerHasNoPartIn) {
  state::SystemData[system][star_system::kAttacker] = 3;
  WhenIdle({});  // a screen that opened would wait here and fail
  screens::OpenCampaignScreen();
  EXPECT_FALSE(screens::CampaignScreenShowing());
}

}  // namespace
}  // namespace screens_test
