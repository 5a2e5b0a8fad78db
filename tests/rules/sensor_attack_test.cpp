// The attack on a special ship from the sensors, with a scripted fight: what each outcome brings
// by ship kind, faction and mission (war support, bounty, mission completion or failure, the
// criminal flag), the loss of the player's ship, the question before a bigger ship, what the fight
// is set up with, and the one day the attack costs.
#include "rules/sensor_attack.h"

#include <gtest/gtest.h>

#include <set>
#include <string>
#include <vector>

#include "rules/fight_script.h"
#include "rules/new_game.h"
#include "rules/world_fixture.h"
#include "state/fields.h"
#include "state/random.h"
#include "state/ship_classes.h"
#include "state/skills.h"
#include "state/start_ship.h"
#include "state/variables.h"
#include "support/rows.h"
#include "support/script_ui.h"

namespace {

using rules::SensorAttackOutcome;
using state::PlayerData;
using state::PlayerShip;

constexpr int kSlot = 3;
constexpr state::ShipClassId kPlayerClass =
    state::kClassPatton;  // a destroyer: bigger than the small targets below
constexpr state::ShipClassId kFighter = state::kClassStargun;  // 3,000 experience points
constexpr state::ShipClassId kCruiser = state::kClassNeptun;   // bigger than the player's ship
constexpr state::ShipClassId kTrader =
    state::kClassFerendar;  // a transporter, as big as the player's ship

enum class Fight { Destroyed, Taken, Escaped, PlayerLost };

// The fight as the combat screen would leave it, and what the fight was set up with.
class SensorFight : public fixture::FightScript {
 public:
  Fight result = Fight::Destroyed;
  std::int32_t playerHelp = 99, enemyHelp = 99, lastSlot = 99;

  void SetupShipCombat(state::ShipClassId enemyClass, Faction enemyFaction, ShipKind enemyKind,
                       std::int32_t enemyTier) override {
    FightScript::SetupShipCombat(enemyClass, enemyFaction, enemyKind, enemyTier);
    // The combat set-up's own reinforcement counts, which the sensors then override.
    PlayerShip[ship::kReinforcements] = 7;
    state::EnemyShip[ship::kReinforcements] = 7;
  }
  void RunShipCombat() override {
    playerHelp = PlayerShip[ship::kReinforcements];
    enemyHelp = state::EnemyShip[ship::kReinforcements];
    lastSlot = state::EnemyAbilitySlots[12];
    ++fights;
    auto& e = state::EnemyShip;
    e[ship::kAlive] = result == Fight::Destroyed || result == Fight::Taken ? 0 : 1;
    e[ship::kShields] = result == Fight::Destroyed ? 0 : 40;
    e[ship::kBoardedArea] = result == Fight::Taken ? 4 : 0;
    if (result == Fight::PlayerLost) PlayerShip[ship::kAlive] = 0;
  }

  // The popups the settlement shows, in order.
  std::vector<std::string> Settlement() const {
    static const std::set<std::string> kTopics = {
        "War supported!", "Military supplies!", "Bounty!",       "Mission completed!",
        "Mission failed!", "Flagged criminal!", "Unrecognized!"};
    std::vector<std::string> topics;
    for (const auto& p : popups)
      if (kTopics.count(p.topic) > 0) topics.push_back(p.topic);
    return topics;
  }
};

class SensorAttackTest : public ::testing::Test {
 protected:
  void SetUp() override {
    state::ClearGameState();
    PlayerData[player::kFaction] = 1;
    PlayerData[player::kProfession] = 1;
    support::ScriptUi ui;
    rules::CreateNewGameWorld(state::StartShipClass(kProfessionTrader, kFactionFederation), ui);
    PlayerShip[ship::kClass] = state::Stored(kPlayerClass);
    cur = PlayerShip[ship::kSystem];
    for (int f = 1; f <= 4; ++f)
      for (int g = 1; g <= 4; ++g) state::FactionData[f][faction::kAtWarWith + g] = 0;
    state::SystemData[cur][star_system::kCampaign] = 0;
    state::SkillOwned.fill(0);
    state::ActiveMission.fill(0);
    PlayerData[player::kCriminalDays] = 0;
    PlayerData[player::kLifePoints] = 3;
    for (int k = 1; k <= state::kLastSpecialShip; ++k) state::SpecialShips[k].fill(0);
  }

  void PlaceShip(ShipKind kind, SpecialShipSubKind subKind, std::int32_t faction,
                 state::ShipClassId shipClass = kFighter, bool target = false) {
    auto& row = state::SpecialShips[kSlot];
    row[special_ship::kActive] = 1;
    row[special_ship::kClass] = state::Stored(shipClass);
    row[special_ship::kKind] = state::Stored(kind);
    row[special_ship::kLeastLoadoutTier] = 1;
    row[special_ship::kFaction] = faction;
    row[special_ship::kDaysLeft] = 5;
    row[special_ship::kSubKind] = state::Stored(subKind);
    row[special_ship::kMissionTarget] = target ? 1 : 0;
  }

  void StartMission(std::int32_t type, std::int32_t reward, std::int32_t campaignSystem = 0) {
    state::ActiveMission = test_rows::MissionRow()
                               .Active()
                               .Set(mission::kType, type)
                               .Reward(reward)
                               .Set(mission::kTargetSystem, cur)
                               .CampaignSystem(campaignSystem);
  }

  // The fight and its settlement without the day that follows, so the numbers are the attack's.
  SensorAttackOutcome FightAndSettle() {
    const state::TSpecialShipRow target = state::SpecialShips[kSlot];
    const SensorAttackOutcome outcome = rules::FightSpecialShip(kSlot, ui);
    if (outcome != SensorAttackOutcome::Declined) rules::SettleSensorAttack(target, outcome, ui);
    return outcome;
  }

  SensorFight ui;
  std::int32_t cur = 0;
};

TEST_F(SensorAttackTest, WhatAWonOrLostFightBringsByShipKindFactionAndMission) {
  struct Case {
    const char* what;
    ShipKind kind;
    SpecialShipSubKind subKind;
    std::int32_t faction;
    std::int32_t missionType;  // 0: none
    bool target;
    Fight fight;
    std::int32_t credits;      // gained
    std::int32_t completed;    // missions completed, gained
    bool missionActiveAfter;
    std::vector<std::string> topics;
    SensorAttackOutcome outcome;
  };
  const Case cases[] = {
      {"pirate shot down: bounty", kPirateShip, kSubKindCommon, 0, 0, false, Fight::Destroyed, 3000,
       0, false, {"Bounty!"}, SensorAttackOutcome::EnemyDestroyed},
      {"wanted pirate: twice the bounty", kPirateShip, kSubKindWantedPirate, 0, 0, false,
       Fight::Destroyed, 6000, 0, false, {"Bounty!"}, SensorAttackOutcome::EnemyDestroyed},
      {"wanted pirate taken by boarders: the boarding paid", kPirateShip, kSubKindWantedPirate, 0,
       0, false, Fight::Taken, 0, 0, false, {}, SensorAttackOutcome::EnemyTaken},
      {"bounty target: reward and bounty, no bounty popup", kPirateShip, kSubKindWantedPirate, 0, 5,
       true, Fight::Destroyed, 6000 + 5000, 1, false, {"Mission completed!"},
       SensorAttackOutcome::EnemyDestroyed},
      {"bounty target taken: the mission is done, no bounty", kPirateShip, kSubKindWantedPirate, 0,
       5, true, Fight::Taken, 5000, 1, false, {"Mission completed!"},
       SensorAttackOutcome::EnemyTaken},
      {"abduction target blown up: mission failed", kMilitaryShip, kSubKindVip, 3, 18, true,
       Fight::Destroyed, 0, 0, false, {"Mission failed!"}, SensorAttackOutcome::EnemyDestroyed},
      {"pirate abduction target blown up: its bounty paid quietly, the mission failed", kPirateShip,
       kSubKindWantedPirate, 0, 18, true, Fight::Destroyed, 6000, 0, false, {"Mission failed!"},
       SensorAttackOutcome::EnemyDestroyed},
      {"a pirate that is no target of the running mission", kPirateShip, kSubKindCommon, 0, 5,
       false, Fight::Destroyed, 3000, 0, true, {"Bounty!"}, SensorAttackOutcome::EnemyDestroyed},
      {"enemy trader: nothing but the fight", kTraderShip, kSubKindCommon, 3, 0, false,
       Fight::Destroyed, 0, 0, false, {}, SensorAttackOutcome::EnemyDestroyed},
      {"own trader: a crime (seed 0 draws 0)", kTraderShip, kSubKindCommon, 1, 0, false,
       Fight::Destroyed, 0, 0, false, {"Flagged criminal!"}, SensorAttackOutcome::EnemyDestroyed},
      {"own warship shot down: a crime", kMilitaryShip, kSubKindCommon, 1, 0, false,
       Fight::Destroyed, 0, 0, false, {"Flagged criminal!"}, SensorAttackOutcome::EnemyDestroyed},
      {"own warship taken: still a crime", kMilitaryShip, kSubKindCommon, 1, 0, false, Fight::Taken,
       0, 0, false, {"Flagged criminal!"}, SensorAttackOutcome::EnemyTaken},
      {"enemy warship: no crime", kMilitaryShip, kSubKindCommon, 3, 0, false, Fight::Destroyed, 0,
       0, false, {}, SensorAttackOutcome::EnemyDestroyed},
      {"the pirate got away: nothing", kPirateShip, kSubKindCommon, 0, 5, true, Fight::Escaped, 0,
       0, true, {}, SensorAttackOutcome::BothSurvived},
      {"ship lost against a bounty target: no reward", kPirateShip, kSubKindWantedPirate, 0, 5,
       true, Fight::PlayerLost, 0, 0, true, {}, SensorAttackOutcome::PlayerShipLost},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    SetUp();
    ui = SensorFight{};
    ui.result = c.fight;
    PlaceShip(c.kind, c.subKind, c.faction, kFighter, c.target);
    if (c.missionType != 0) StartMission(c.missionType, 5000);
    PlayerData[player::kCredits] = 1000;
    const std::int32_t completed = PlayerData[player::kMissionsCompleted];
    state::Randomize(0);

    EXPECT_EQ(FightAndSettle(), c.outcome);
    EXPECT_EQ(ui.fights, 1);
    EXPECT_EQ(state::SpecialShips[kSlot][special_ship::kActive], 0) << "the ship left the sensors";
    EXPECT_EQ(PlayerData[player::kCredits], 1000 + c.credits);
    EXPECT_EQ(PlayerData[player::kMissionsCompleted], completed + c.completed);
    EXPECT_EQ(state::ActiveMission[mission::kActive] != 0, c.missionActiveAfter);
    EXPECT_EQ(ui.Settlement(), c.topics);
    const bool crime = !c.topics.empty() && c.topics.back() == "Flagged criminal!";
    EXPECT_EQ(PlayerData[player::kCriminalDays] >= 30, crime);
  }
}

TEST_F(SensorAttackTest, BountyAndMissionTexts) {
  PlaceShip(kPirateShip, kSubKindCommon, 0);
  FightAndSettle();
  ASSERT_EQ(ui.WithTopic("Bounty!").size(), 1u);
  EXPECT_EQ(ui.WithTopic("Bounty!")[0].text,
            "There has been a bounty of $ 3,000 put on this vessel. Congratulations!");

  SetUp();
  ui = SensorFight{};
  PlaceShip(kPirateShip, kSubKindCommon, 0, kFighter, true);
  StartMission(5, 12500);
  FightAndSettle();
  ASSERT_EQ(ui.WithTopic("Mission completed!").size(), 1u);
  EXPECT_EQ(ui.WithTopic("Mission completed!")[0].text,
            "You have completed your mission and receive a reward of $12,500");
  EXPECT_EQ(ui.WithTopic("Mission completed!")[0].picture, "GeneralMissionPic.jpg");
  EXPECT_EQ(ui.missionPanelHidden, 1);

  SetUp();
  ui = SensorFight{};
  PlaceShip(kMilitaryShip, kSubKindVip, 3, kFighter, true);
  StartMission(18, 12500);
  FightAndSettle();
  ASSERT_EQ(ui.WithTopic("Mission failed!").size(), 1u);
  EXPECT_EQ(ui.WithTopic("Mission failed!")[0].text,
            "You have failed your mission! You were supposed to abduct him alive - not to blow "
            "up his ship!");
  EXPECT_EQ(ui.missionPanelHidden, 1);
}

TEST_F(SensorAttackTest, ShipsServingTheEnemysWarMoveTheCampaignOfTheSystem) {
  struct Case {
    const char* what;
    ShipKind kind;
    SpecialShipSubKind subKind;
    bool campaign;
    std::int32_t attacker;  // the player's faction is 1
    Fight fight;
    std::int32_t attackerPoints, defenderPoints;
    const char* topic;  // empty: no campaign step
  };
  const Case cases[] = {
      {"warship, the player's side attacks", kMilitaryShip, kSubKindImportantMission, true, 1,
       Fight::Destroyed, 410, 200, "War supported!"},
      {"warship, the player's side defends", kMilitaryShip, kSubKindImportantMission, true, 3,
       Fight::Destroyed, 400, 220, "War supported!"},
      {"supply trader", kTraderShip, kSubKindMilitarySupplies, true, 1, Fight::Destroyed, 410, 200,
       "Military supplies!"},
      {"supply trader with no campaign here", kTraderShip, kSubKindMilitarySupplies, false, 1,
       Fight::Destroyed, 400, 200, ""},
      {"a plain warship", kMilitaryShip, kSubKindCommon, true, 1, Fight::Destroyed, 400, 200, ""},
      // The other trader kinds: only the supplies count, and only once.
      {"a trader with valuable cargo", kTraderShip, kSubKindValuableCargo, true, 1, Fight::Destroyed,
       400, 200, ""},
      {"taken by boarders: the boarding counted it", kMilitaryShip, kSubKindImportantMission, true,
       1, Fight::Taken, 400, 200, ""},
      {"got away", kMilitaryShip, kSubKindImportantMission, true, 1, Fight::Escaped, 400, 200, ""},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    SetUp();
    ui = SensorFight{};
    ui.result = c.fight;
    auto& system = state::SystemData[cur];
    system[star_system::kCampaign] = c.campaign ? 1 : 0;
    system[star_system::kAttacker] = c.attacker;
    system[star_system::kAttackerPoints] = 400;
    system[star_system::kDefenderPoints] = 200;
    PlaceShip(c.kind, c.subKind, 3, c.kind == kTraderShip ? kTrader : kFighter);
    FightAndSettle();
    EXPECT_EQ(system[star_system::kAttackerPoints], c.attackerPoints);
    EXPECT_EQ(system[star_system::kDefenderPoints], c.defenderPoints);
    const std::vector<std::string> expected =
        *c.topic ? std::vector<std::string>{c.topic} : std::vector<std::string>{};
    EXPECT_EQ(ui.Settlement(), expected);
  }
}

// Flagged when Random(100) is at most the threshold: 75, 37 with disguise, 18 with the advanced
// disguise (whether or not the plain one is owned too).
TEST_F(SensorAttackTest, DisguiseLowersTheChanceOfBeingFlaggedCriminal) {
  struct Case {
    bool disguise, advanced;
    std::int32_t draw;
    bool flagged;
  };
  const Case cases[] = {
      {false, false, 75, true}, {false, false, 76, false}, {true, false, 37, true},
      {true, false, 38, false}, {false, true, 18, true},   {false, true, 19, false},
      {true, true, 18, true},   {true, true, 19, false},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::Message() << c.disguise << c.advanced << " draws " << c.draw);
    SetUp();
    ui = SensorFight{};
    state::SkillOwned[state::Stored(kSkillDisguise)] = c.disguise ? 1 : 0;
    state::SkillOwned[state::Stored(kSkillAdvancedDisguise)] = c.advanced ? 1 : 0;
    PlayerData[player::kCriminalDays] = -4;  // a negative count starts again from 0
    PlaceShip(kMilitaryShip, kSubKindCommon, 1);
    const std::uint32_t seed = fixture::FindSeed([&] { return state::Random(100) == c.draw; });
    state::Randomize(seed);
    FightAndSettle();
    EXPECT_EQ(ui.Settlement(),
              std::vector<std::string>{c.flagged ? "Flagged criminal!" : "Unrecognized!"});
    if (c.flagged) {
      EXPECT_GE(PlayerData[player::kCriminalDays], 30);
      EXPECT_LE(PlayerData[player::kCriminalDays], 89);
    } else {
      EXPECT_EQ(PlayerData[player::kCriminalDays], -4);
    }
  }
}

TEST_F(SensorAttackTest, TheFightIsAnnouncedAndSetUpFromTheShipsRow) {
  struct Case {
    const char* what;
    ShipKind kind;
    SpecialShipSubKind subKind;
    std::int32_t faction;
    std::int32_t playerHelp, enemyHelp;  // the reinforcement counts the fight starts with
  };
  const Case cases[] = {
      {"enemy warship", kMilitaryShip, kSubKindCommon, 3, 7, 7},
      {"own warship: no help for the player", kMilitaryShip, kSubKindCommon, 1, -1, 7},
      {"plain trader", kTraderShip, kSubKindCommon, 3, 7, 7},
      {"trader of another sub-kind: no help for it", kTraderShip, kSubKindTreasureFleet, 3, 7, 0},
      {"own VIP trader", kTraderShip, kSubKindVip, 1, -1, 0},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    SetUp();
    ui = SensorFight{};
    PlaceShip(c.kind, c.subKind, c.faction, c.kind == kTraderShip ? kTrader : kFighter);
    state::SpecialShips[kSlot][special_ship::kLeastLoadoutTier] = 2;
    FightAndSettle();
    ASSERT_EQ(ui.setups.size(), 1u);
    EXPECT_EQ(state::Stored(ui.setups[0].enemyClass),
              state::SpecialShips[kSlot][special_ship::kClass]);
    EXPECT_EQ(ui.setups[0].enemyFaction, c.faction);
    EXPECT_EQ(ui.setups[0].enemyKind, c.kind);
    EXPECT_EQ(ui.setups[0].enemyTier, 2);
    EXPECT_EQ(ui.playerHelp, c.playerHelp);
    EXPECT_EQ(ui.enemyHelp, c.enemyHelp);
    EXPECT_EQ(ui.lastSlot, 11);
    ASSERT_EQ(ui.WithTopic("Hostile encounter!").size(), 1u);
    const auto encounter = ui.WithTopic("Hostile encounter!")[0];
    EXPECT_EQ(encounter.headline, state::FactionText[c.faction][faction_text::kShortName] + " " +
                                      state::GetShipClassName(ui.setups[0].enemyClass));
    EXPECT_EQ(encounter.picture,
              state::GetShipFactionImage(ui.setups[0].enemyClass, Faction{c.faction}) + "_Scene.jpg");
  }
}

TEST_F(SensorAttackTest, ABiggerShipIsAttackedOnlyAfterAYes) {
  PlaceShip(kPirateShip, kSubKindCommon, 0, kCruiser);
  const std::int32_t day = state::GameDay;
  ui.answers = {false};
  EXPECT_EQ(rules::AttackSpecialShip(kSlot, ui), SensorAttackOutcome::Declined);
  ASSERT_EQ(ui.questions.size(), 1u);
  EXPECT_EQ(ui.questions[0].topic, "Danger!");
  EXPECT_EQ(ui.fights, 0);
  EXPECT_EQ(state::SpecialShips[kSlot][special_ship::kActive], 1) << "still on the sensors";
  EXPECT_EQ(state::GameDay, day) << "nothing happened, no day passed";

  ui.answers = {true};
  EXPECT_EQ(rules::AttackSpecialShip(kSlot, ui), SensorAttackOutcome::EnemyDestroyed);
  EXPECT_EQ(ui.fights, 1);
  EXPECT_EQ(state::GameDay, day + 1);

  // A ship no bigger than the player's is attacked without a question; so is none at all.
  SetUp();
  ui = SensorFight{};
  PlaceShip(kPirateShip, kSubKindCommon, 0, kFighter);
  rules::AttackSpecialShip(kSlot, ui);
  EXPECT_TRUE(ui.questions.empty());
  state::SpecialShips[kSlot][special_ship::kActive] = 0;
  EXPECT_EQ(rules::AttackSpecialShip(kSlot, ui), SensorAttackOutcome::Declined) << "no ship there";
  EXPECT_EQ(rules::AttackSpecialShip(0, ui), SensorAttackOutcome::Declined);
  EXPECT_EQ(rules::AttackSpecialShip(11, ui), SensorAttackOutcome::Declined);
  EXPECT_EQ(ui.fights, 1);
}

TEST_F(SensorAttackTest, LosingTheShipCostsALifePointOrEndsTheGameAndADayStillPasses) {
  struct Case {
    std::int32_t lives;
    bool gameOver;
  };
  for (const Case c : {Case{2, false}, Case{1, true}, Case{0, true}}) {
    SCOPED_TRACE(c.lives);
    SetUp();
    ui = SensorFight{};
    ui.result = Fight::PlayerLost;
    PlayerData[player::kLifePoints] = c.lives;
    PlaceShip(kPirateShip, kSubKindWantedPirate, 0, kFighter, true);
    StartMission(5, 5000);
    const std::int32_t day = state::GameDay;
    EXPECT_EQ(rules::AttackSpecialShip(kSlot, ui), SensorAttackOutcome::PlayerShipLost);
    EXPECT_EQ(state::GameDay, day + 1);
    EXPECT_EQ(ui.travelClosings, c.gameOver ? 1 : 0);
    EXPECT_EQ(state::TravelMayClose, c.gameOver ? 1 : 0);
    EXPECT_EQ(PlayerShip[ship::kAlive], c.gameOver ? 0 : 1);
    EXPECT_TRUE(ui.WithTopic("Mission completed!").empty()) << "no reward to a lost ship";
    EXPECT_TRUE(ui.WithTopic("Bounty!").empty());
  }
}

}  // namespace
