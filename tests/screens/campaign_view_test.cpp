// What the campaign screen shows, built without any form, and the strike on the starbase: the
// fleets by the points, the colours by the player's side, the texts and days, the refusals and the
// ends of a strike.
#include "screens/port/campaign_view.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "combat/fleet_battle.h"
#include "rules/campaign_texts.h"
#include "rules/new_game.h"
#include "state/fields.h"
#include "state/random.h"
#include "state/ship_classes.h"
#include "state/start_ship.h"
#include "state/variables.h"
#include "support/script_ui.h"

namespace {

using screens::CampaignFleetLevels;
using screens::StrikeResult;
using state::SystemData;

TEST(CampaignFleetLevels, BothSidesShowEvenUntilTheMiddleDayThenTheLeaderGrows) {
  const struct {
    std::int32_t days, siege, atk, def;
    int a, d;
  } cases[] = {
      // Up to and including the middle day nothing moves, whatever the points.
      {150, 300, 100, 1, 2, 2},
      {150, 301, 1, 100, 2, 2},
      // Past it, the attacker's lead.
      {151, 300, 100, 80, 2, 2},
      {151, 300, 100, 70, 3, 2},
      {151, 300, 100, 66, 3, 1},
      {151, 300, 100, 49, 4, 1},
      {151, 300, 100, 24, 4, 0},
      {151, 300, 100, 0, 4, 0},
      // The defender's lead, mirrored.
      {151, 300, 80, 100, 2, 2},
      {151, 300, 70, 100, 2, 3},
      {151, 300, 66, 100, 1, 3},
      {151, 300, 49, 100, 1, 4},
      {151, 300, 24, 100, 0, 4},
      // Equal points.
      {151, 300, 60, 60, 2, 2},
      {400, 300, 0, 0, 2, 2},
  };
  for (const auto& c : cases) {
    const screens::FleetLevels levels = CampaignFleetLevels(c.days, c.siege, c.atk, c.def);
    EXPECT_EQ(levels.attacker, c.a) << c.days << "/" << c.siege << " " << c.atk << ":" << c.def;
    EXPECT_EQ(levels.defender, c.d) << c.days << "/" << c.siege << " " << c.atk << ":" << c.def;
  }
}

TEST(CampaignFleetLevels, SymbolsByLevel) {
  const struct {
    int level;
    int small, big, defenderSmall;
  } cases[] = {{0, 2, 0, 0}, {1, 3, 0, 3}, {2, 3, 1, 3}, {3, 4, 2, 4}, {4, 8, 3, 8}};
  for (const auto& c : cases) {
    EXPECT_EQ(screens::AttackerSymbols(c.level).small, c.small) << c.level;
    EXPECT_EQ(screens::AttackerSymbols(c.level).big, c.big) << c.level;
    EXPECT_EQ(screens::DefenderSymbols(c.level).small, c.defenderSmall) << c.level;
    EXPECT_EQ(screens::DefenderSymbols(c.level).big, c.level == 0 ? 0 : c.big) << c.level;
  }
}

// Records the fleet battles the strike asks for and ends them as told.
struct BattleUi : support::ScriptUi {
  struct Battle {
    std::int32_t faction, kind;
  };
  std::vector<Battle> battles;
  bool win = false;
  bool loseShip = false;
  bool RunFleetBattle(Faction enemyFaction, std::int32_t fleetKind) override {
    battles.push_back({state::Stored(enemyFaction), fleetKind});
    if (loseShip) state::PlayerShip[ship::kAlive] = 0;
    return win;
  }
};

// A new world with a siege of the ship's system: the player's faction 1 attacks faction 2 there,
// or defends against it.
class Campaign : public ::testing::Test {
 protected:
  void SetUp() override {
    state::ClearGameState();
    state::PlayerData[player::kFaction] = 1;
    state::PlayerData[player::kProfession] = 1;
    state::Randomize(3);
    support::ScriptUi quiet;
    rules::CreateNewGameWorld(state::StartShipClass(kProfessionTrader, kFactionFederation), quiet);
    s = state::PlayerShip[ship::kSystem];
    for (int t = 1; t <= state::kLastSystem; ++t) SystemData[t][star_system::kCampaign] = 0;
    Siege(/*playerAttacks=*/true);
  }

  void Siege(bool playerAttacks) {
    state::TSystemRow& row = SystemData[s];
    row[star_system::kOwner] = playerAttacks ? 2 : 1;
    row[star_system::kAttacker] = playerAttacks ? 1 : 2;
    row[star_system::kCampaign] = 1;
    row[star_system::kCampaignDays] = 145;
    row[star_system::kSiegeDays] = 325;
    row[star_system::kAttackerPoints] = 50;
    row[star_system::kDefenderPoints] = 40;
    row[star_system::kCampaignMissions] = 0;
  }

  void FlyBattleship() {
    for (const state::ShipClassId c : state::kEveryShipClass)
      if (state::GetShipClassSize(c) == state::kSizeBattleship) {
        state::PlayerShip[ship::kClass] = state::Stored(c);
        return;
      }
    FAIL() << "no battleship class";
  }

  std::int32_t s = 0;
};

TEST_F(Campaign, LiveriesTopicTextsAndDaysFollowThePlayersSide) {
  for (const bool attacks : {true, false}) {
    SCOPED_TRACE(attacks ? "attacker" : "defender");
    Siege(attacks);
    const screens::CampaignView view = screens::BuildCampaignView();
    EXPECT_EQ(view.topic, attacks ? "Invasion" : "System defense");
    EXPECT_EQ(view.days, "145/325 days");
    // Each side in its faction's livery: the player's Federation, the other side the Outer Rim.
    const std::string own = "Federation", other = "Outerrim";
    EXPECT_EQ(view.attackerSmall, (attacks ? own : other) + "_ship_small_right.bmp");
    EXPECT_EQ(view.attackerBig, (attacks ? own : other) + "_ship_big_right.bmp");
    EXPECT_EQ(view.defenderSmall, (attacks ? other : own) + "_ship_small_left.bmp");
    EXPECT_EQ(view.defenderBig, (attacks ? other : own) + "_ship_big_left.bmp");
    EXPECT_EQ(view.starbase, attacks ? "Outerrim_station_off.bmp" : "Federation_station.bmp");
    EXPECT_EQ(view.starSystem, attacks ? "starsystem_Outerrim.bmp" : "starsystem_Federation.bmp");
    EXPECT_EQ(view.levels.attacker, 2);
    EXPECT_EQ(view.levels.defender, 2);
    EXPECT_EQ(view.influence, rules::BuildCampaignNotEngagedText(s));
    // The situation names both sides and reads the same the next time.
    EXPECT_NE(view.situation.find(state::FactionText[1][faction_text::kShortName]),
              std::string::npos);
    EXPECT_NE(view.situation.find(state::FactionText[2][faction_text::kShortName]),
              std::string::npos);
    EXPECT_EQ(screens::BuildCampaignView().situation, view.situation);
  }
}

TEST_F(Campaign, MissionsFlownForTheCampaignAreAcknowledged) {
  SystemData[s][star_system::kCampaignMissions] = 11;
  SystemData[s][star_system::kLastCampaignMissionType] = state::Stored(kMissionTransport);
  const screens::CampaignView view = screens::BuildCampaignView();
  EXPECT_EQ(view.influence, rules::BuildCampaignInfluenceText(s, kMissionTransport, 11));
  EXPECT_NE(view.influence.find("suppl"), std::string::npos) << "the supplies sentence";
}

TEST_F(Campaign, ScreenOpensOnlyForASideOfARunningCampaignAndACleanRecord) {
  EXPECT_TRUE(screens::CampaignScreenOpens());
  Siege(false);
  EXPECT_TRUE(screens::CampaignScreenOpens());
  state::PlayerData[player::kCriminalDays] = 5;
  EXPECT_FALSE(screens::CampaignScreenOpens());
  state::PlayerData[player::kCriminalDays] = 0;
  SystemData[s][star_system::kAttacker] = 3;
  SystemData[s][star_system::kOwner] = 4;
  EXPECT_FALSE(screens::CampaignScreenOpens()) << "a campaign of two other factions";
  Siege(true);
  SystemData[s][star_system::kCampaign] = 0;
  EXPECT_FALSE(screens::CampaignScreenOpens());
}

TEST_F(Campaign, StrikeRefusalsChangeNothing) {
  struct Case {
    const char* name;
    bool playerAttacks, battleship;
    bool answer;
    StrikeResult result;
    const char* topic;  // of the popup, or "" when a question is asked instead
  };
  const Case cases[] = {
      {"defender", false, true, true, StrikeResult::OwnStarbase, "N/A!"},
      {"attacker in a small ship", true, false, true, StrikeResult::BattleshipRequired, "Battleship required!"},
      {"says no", true, true, false, StrikeResult::Declined, ""},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    SetUp();
    Siege(c.playerAttacks);
    if (c.battleship) FlyBattleship();
    BattleUi ui;
    ui.answers = {c.answer};
    const auto systems = SystemData;
    EXPECT_EQ(screens::StrikeStarbase(ui), c.result);
    EXPECT_TRUE(ui.battles.empty());
    EXPECT_TRUE(systems == SystemData);
    if (*c.topic != '\0') {
      ASSERT_EQ(ui.popups.size(), 1u);
      EXPECT_EQ(ui.popups[0].topic, c.topic);
      EXPECT_TRUE(ui.questions.empty());
    } else {
      ASSERT_EQ(ui.questions.size(), 1u);
      EXPECT_EQ(ui.questions[0].topic, "Attack starbase?");
    }
  }
}

TEST_F(Campaign, TheQuestionAndTheBattleTellAWeakenedDefenderFromAStrongOne) {
  const struct {
    std::int32_t days, atk, def;
    bool weakened;
  } cases[] = {{101, 100, 66, true}, {100, 100, 66, false}, {101, 100, 67, false}, {300, 10, 90, false}};
  for (const auto& c : cases) {
    SCOPED_TRACE(std::to_string(c.days) + " " + std::to_string(c.atk) + ":" + std::to_string(c.def));
    SetUp();
    FlyBattleship();
    SystemData[s][star_system::kCampaignDays] = c.days;
    SystemData[s][star_system::kAttackerPoints] = c.atk;
    SystemData[s][star_system::kDefenderPoints] = c.def;
    BattleUi ui;
    ui.answers = {true};
    screens::StrikeStarbase(ui);
    ASSERT_EQ(ui.questions.size(), 1u);
    EXPECT_EQ(ui.questions[0].text,
              c.weakened ? "Do you really wish to directly attack the enemy starbase?"
                         : "Do you really wish to directly attack the enemy starbase? The enemy is "
                           "still very strong!");
    ASSERT_EQ(ui.battles.size(), 1u);
    EXPECT_EQ(ui.battles[0].faction, 2) << "the battle is against the system's owner";
    EXPECT_EQ(ui.battles[0].kind, c.weakened ? rules::kFleetKindStarbaseWeakened
                                             : rules::kFleetKindStarbaseStrong);
  }
}

TEST_F(Campaign, AStrikeEndsTheSiegeAtOnceWonOrLost) {
  for (const bool win : {true, false}) {
    SCOPED_TRACE(win ? "won" : "lost");
    SetUp();
    FlyBattleship();
    BattleUi ui;
    ui.answers = {true};
    ui.win = win;
    EXPECT_EQ(screens::StrikeStarbase(ui), win ? StrikeResult::Won : StrikeResult::Lost);
    EXPECT_EQ(SystemData[s][star_system::kCampaign], 0) << "the siege is over";
    EXPECT_EQ(SystemData[s][star_system::kOwner], win ? 1 : 2);
    EXPECT_EQ(ui.redraws, 1) << "the travel screen is redrawn at once, without its invasion control";
    EXPECT_EQ(state::PlayerShip[ship::kAlive], 1);
  }
}

TEST_F(Campaign, AShipLostInTheStrikeIsLostAsInAnyFight) {
  FlyBattleship();
  state::PlayerData[player::kLifePoints] = 2;
  BattleUi ui;
  ui.answers = {true};
  ui.loseShip = true;
  EXPECT_EQ(screens::StrikeStarbase(ui), StrikeResult::Lost);
  EXPECT_EQ(state::PlayerData[player::kLifePoints], 1);
  EXPECT_EQ(state::PlayerShip[ship::kAlive], 1) << "a life point bought a new chance";
  EXPECT_EQ(ui.CountTopic("New chance"), 1u);
}

}  // namespace
