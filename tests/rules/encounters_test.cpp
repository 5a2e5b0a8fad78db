#include "rules/encounters.h"

#include <gtest/gtest.h>

#include <set>
#include <string>
#include <vector>

#include "fight_script.h"
#include "rules/ship_loss.h"
#include "state/fields.h"
#include "state/mission_types.h"
#include "state/random.h"
#include "state/ship_classes.h"
#include "state/skills.h"
#include "support/rows.h"
#include "world_fixture.h"

namespace {

using namespace fixture;
using state::EnemyShip;
using state::PlayerData;
using state::PlayerShip;

using state::kClassStarwolf;  // fighter
using state::kClassShadowcat;  // corvette
using state::kClassOrionSquadron;  // corvette with extended sensors
using state::kClassMarauder;  // battleship

class Encounters : public World {
 protected:
  FightScript ui;

  void SetUp() override {
    World::SetUp();
    AddSystem(3, 1);
    AddBody(3, 1, kSun);
    AddBody(3, 2, 2);
    PlayerData[player::kFaction] = 1;
    PlayerData[player::kLifePoints] = 3;
    PlayerShip =
        test_rows::ShipRow().Alive().Class(kClassStarwolf).Body(2).System(3).Shields(7);
    state::TutorialActive = 0;
    state::GameDay = 100;
  }

  static void War(int f, int g) {
    state::FactionData[f][faction::kAtWarWith + g] = 1;
    state::FactionData[g][faction::kAtWarWith + f] = 1;
  }

  // A seed whose first day roll of a fighter without a mission brings a hostile ship.
  static void SeedForEncounter() {
    state::Randomize(FindSeed([] { return state::Random(1000) < 30; }));
  }
};

TEST_F(Encounters, TheChanceFollowsCampaignSkillsSensorsAndTutorial) {
  struct Case {
    const char* name;
    state::ShipClassId shipClass;
    bool campaign, criminalistics, advanced, tutorial;
    int day;
    int chance;
  };
  const Case cases[] = {
      {"plain", kClassStarwolf, false, false, false, false, 100, 30},
      {"campaign", kClassStarwolf, true, false, false, false, 100, 60},
      {"criminalistics", kClassStarwolf, false, true, false, false, 100, 23},
      {"advanced criminalistics", kClassStarwolf, false, false, true, false, 100, 15},
      {"both skills", kClassStarwolf, false, true, true, false, 100, 15},
      {"extended sensors", kClassOrionSquadron, false, false, false, false, 100, 23},
      {"advanced and sensors", kClassOrionSquadron, false, true, true, false, 100, 12},
      {"campaign, advanced and sensors", kClassOrionSquadron, true, false, true, false, 100, 23},
      {"tutorial, day 49", kClassStarwolf, true, false, false, true, 49, -10},
      {"tutorial, day 50", kClassStarwolf, false, false, false, true, 50, 30},
  };
  for (const Case& c : cases) {
    SetUp();
    PlayerShip[ship::kClass] = state::Stored(c.shipClass);
    state::SystemData[3][star_system::kCampaign] = c.campaign ? 1 : 0;
    state::SkillOwned[state::Stored(kSkillCriminalistics)] = c.criminalistics ? 1 : 0;
    state::SkillOwned[state::Stored(kSkillAdvancedCriminalistics)] = c.advanced ? 1 : 0;
    state::TutorialActive = c.tutorial ? 1 : 0;
    state::GameDay = c.day;
    EXPECT_EQ(rules::EncounterChance(3), c.chance) << c.name;
  }
}

// Many flight days, each the first of its flight: how often a hostile ship turns up.
TEST_F(Encounters, EncounterRatesOverManyDays) {
  struct Case {
    const char* name;
    state::ShipClassId shipClass;
    MissionType missionType;  // kNoMissionType: none
    bool campaign;
    bool tutorial;
    int day;
    double rate;
  };
  const Case cases[] = {
      {"fighter", kClassStarwolf, kNoMissionType, false, false, 100, 30.0 / 1000},
      {"fighter on a fight mission", kClassStarwolf, kMissionSearchAndDestroy, false, false, 100, 30.0 / 1000},
      {"corvette on patrol", kClassShadowcat, kMissionPatrol, false, false, 100, 30.0 / 400},
      {"battleship", kClassMarauder, kNoMissionType, false, false, 100, 30.0 / 2000},
      {"battleship on patrol", kClassMarauder, kMissionPatrol, false, false, 100, 30.0 / 1000},
      {"fighter in a campaign", kClassStarwolf, kNoMissionType, true, false, 100, 60.0 / 1000},
      {"tutorial before day 50", kClassStarwolf, kNoMissionType, false, true, 49, 0.0},
      {"tutorial from day 50", kClassStarwolf, kNoMissionType, false, true, 50, 30.0 / 1000},
  };
  constexpr int kDays = 40000;
  for (const Case& c : cases) {
    SetUp();
    War(1, 2);
    PlayerShip[ship::kClass] = state::Stored(c.shipClass);
    state::SystemData[3][star_system::kCampaign] = c.campaign ? 1 : 0;
    state::TutorialActive = c.tutorial ? 1 : 0;
    state::GameDay = c.day;
    state::ActiveMission[mission::kActive] = c.missionType != kNoMissionType ? 1 : 0;
    state::ActiveMission[mission::kType] = state::Stored(c.missionType);
    state::Randomize(2024);
    ui = FightScript();
    for (int day = 0; day < kDays; ++day) {
      PlayerData[player::kFlightEncounters] = 0;
      rules::StartHostileEncounter(ui);
    }
    const double rate = static_cast<double>(ui.fights) / kDays;
    if (c.rate == 0.0) {
      EXPECT_EQ(ui.fights, 0) << c.name;
      EXPECT_TRUE(ui.setups.empty()) << c.name;
    } else {
      EXPECT_NEAR(rate, c.rate, c.rate * 0.12) << c.name;
    }
    EXPECT_EQ(ui.CountTopic("Hostile encounter!"), static_cast<std::size_t>(ui.fights)) << c.name;
  }
}

TEST_F(Encounters, AnEnemyAtWarIsAnnouncedAndFought) {
  War(1, 2);
  War(1, 4);
  SeedForEncounter();
  rules::StartHostileEncounter(ui);

  ASSERT_EQ(ui.fights, 1);
  ASSERT_EQ(ui.setups.size(), 1u);
  const CombatSetup setup = ui.setups[0];
  EXPECT_TRUE(setup.enemyFaction == 2 || setup.enemyFaction == 4) << setup.enemyFaction;
  EXPECT_EQ(setup.enemyKind, kMilitaryShip);
  EXPECT_EQ(setup.enemyTier, 0);
  EXPECT_EQ(state::GetShipClassRole(setup.enemyClass), state::kRoleMilitary);
  EXPECT_LE(state::GetShipClassSize(setup.enemyClass), state::kSizeFighter);
  EXPECT_EQ(EnemyShip[ship::kFaction], setup.enemyFaction);
  EXPECT_EQ(state::EnemyAbilitySlots[12], 0) << "an enemy at war shoots to kill";
  EXPECT_EQ(PlayerData[player::kFlightEncounters], 1);

  ASSERT_EQ(ui.popups.size(), 1u);
  const support::ShownPopup& alert = ui.popups[0];
  EXPECT_EQ(alert.topic, "Hostile encounter!");
  EXPECT_EQ(alert.headline, state::FactionText[setup.enemyFaction][faction_text::kShortName] + " " +
                                state::GetShipClassName(setup.enemyClass));
  EXPECT_EQ(alert.text,
            "\"Alert! All hands to battle-stations. Hostile spaceship ahead and closing in. Ready "
            "to engage...\"");
  EXPECT_EQ(alert.picture,
            state::GetShipFactionImage(setup.enemyClass, Faction{setup.enemyFaction}) + "_Scene.jpg");
}

TEST_F(Encounters, NobodyAttacksACleanPlayerAtPeace) {
  SeedForEncounter();
  rules::StartHostileEncounter(ui);
  EXPECT_EQ(ui.fights, 0);
  EXPECT_TRUE(ui.setups.empty());
  EXPECT_TRUE(ui.popups.empty());
  EXPECT_EQ(EnemyShip[ship::kFaction], 0);
  EXPECT_EQ(PlayerData[player::kFlightEncounters], 0);
}

// A wanted player is hunted by the own and neutral factions, who try to tow the ship in.
TEST_F(Encounters, ThePoliceHuntAWantedPlayerWithATractorBeam) {
  PlayerData[player::kCriminalDays] = 20;
  for (std::uint32_t seed = 0, found = 0; found < 20 && seed < 200000; ++seed) {
    state::Randomize(seed);
    if (state::Random(1000) >= 30) continue;
    ++found;
    state::Randomize(seed);
    PlayerData[player::kFlightEncounters] = 0;
    ui = FightScript();
    rules::StartHostileEncounter(ui);
    ASSERT_EQ(ui.fights, 1) << seed;
    const int f = ui.setups[0].enemyFaction;
    EXPECT_GE(f, 1) << "pirates never attack on the way";
    EXPECT_EQ(state::EnemyAbilitySlots[12], 12) << seed;
  }
}

// Wanted and at war: the enemy shoots to kill, the own police tow; every opponent is a warship no
// larger than the player's corvette.
TEST_F(Encounters, AWantedPlayerAtWarMeetsBothPoliceAndEnemies) {
  War(1, 2);
  PlayerData[player::kCriminalDays] = 20;
  PlayerShip[ship::kClass] = state::Stored(kClassShadowcat);
  int police = 0, enemies = 0;
  for (std::uint32_t seed = 0; police + enemies < 60 && seed < 400000; ++seed) {
    state::Randomize(seed);
    if (state::Random(1000) >= 30) continue;
    state::Randomize(seed);
    PlayerData[player::kFlightEncounters] = 0;
    ui = FightScript();
    rules::StartHostileEncounter(ui);
    ASSERT_EQ(ui.setups.size(), 1u) << seed;
    const CombatSetup setup = ui.setups[0];
    EXPECT_EQ(state::GetShipClassRole(setup.enemyClass), state::kRoleMilitary) << seed;
    EXPECT_LE(state::GetShipClassSize(setup.enemyClass), state::kSizeCorvette) << seed;
    ASSERT_TRUE(setup.enemyFaction == 1 || setup.enemyFaction == 2) << seed;
    const bool isPolice = setup.enemyFaction == 1;
    (isPolice ? police : enemies) += 1;
    EXPECT_EQ(state::EnemyAbilitySlots[12], isPolice ? 12 : 0) << seed;
  }
  EXPECT_GT(police, 0);
  EXPECT_GT(enemies, 0);
}

TEST_F(Encounters, OnlyTheFirstEncounterOfAFlightIsFought) {
  War(1, 2);
  PlayerData[player::kFlightEncounters] = 1;
  SeedForEncounter();
  const std::uint32_t seed = state::RandSeed;
  rules::StartHostileEncounter(ui);
  EXPECT_EQ(ui.fights, 0);
  EXPECT_TRUE(ui.popups.empty());
  EXPECT_EQ(PlayerData[player::kFlightEncounters], 1);

  // The opponent is still drawn and set up before the flight's count stops the fight, so the
  // day uses the generator exactly as a first encounter does.
  EXPECT_EQ(ui.setups.size(), 1u);
  const std::uint32_t after = state::RandSeed;
  FightScript first;
  PlayerData[player::kFlightEncounters] = 0;
  state::Randomize(seed);
  rules::StartHostileEncounter(first);
  EXPECT_EQ(first.fights, 1);
  EXPECT_EQ(state::RandSeed, after);
}

// The day roll: a battleship rolls a second time out of 2000, a mission that keeps the ship on
// the move rolls once more (1000 for a battleship, 400 otherwise); the last roll decides.
TEST_F(Encounters, TheLastDayRollDecides) {
  struct Case {
    const char* name;
    state::ShipClassId shipClass;
    MissionType missionType;  // kNoMissionType: none
    bool missionActive;
    std::vector<int> rolls;
  };
  const Case cases[] = {
      {"fighter", kClassStarwolf, kNoMissionType, false, {1000}},
      {"battleship", kClassMarauder, kNoMissionType, false, {1000, 2000}},
      {"fighter on patrol", kClassStarwolf, kMissionPatrol, true, {1000, 400}},
      {"corvette on a supply run", kClassShadowcat, kMissionSupply, true, {1000, 400}},
      {"fighter on an evacuation", kClassStarwolf, kMissionEvacuation, true, {1000, 400}},
      {"battleship on patrol", kClassMarauder, kMissionPatrol, true, {1000, 2000, 1000}},
      {"fighter on a fight mission", kClassStarwolf, kMissionSearchAndDestroy, true, {1000}},
      {"battleship on a finished patrol", kClassMarauder, kMissionPatrol, false, {1000, 2000}},
  };
  for (const Case& c : cases) {
    for (const bool decisiveHits : {true, false}) {
      SetUp();
      War(1, 2);
      PlayerShip[ship::kClass] = state::Stored(c.shipClass);
      state::ActiveMission[mission::kActive] = c.missionActive ? 1 : 0;
      state::ActiveMission[mission::kType] = state::Stored(c.missionType);
      ASSERT_EQ(rules::EncounterChance(3), 30) << c.name;
      // Every earlier roll says the opposite of the last one.
      const std::uint32_t seed = FindSeed([&] {
        for (std::size_t i = 0; i < c.rolls.size(); ++i) {
          const bool last = i + 1 == c.rolls.size();
          if ((state::Random(c.rolls[i]) < 30) != (last ? decisiveHits : !decisiveHits)) {
            return false;
          }
        }
        return true;
      });
      state::Randomize(seed);
      ui = FightScript();
      rules::StartHostileEncounter(ui);
      EXPECT_EQ(ui.fights, decisiveHits ? 1 : 0) << c.name << " " << decisiveHits;
      if (!decisiveHits) {
        EXPECT_EQ(state::RandSeed, SeedAfter(seed, static_cast<int>(c.rolls.size()))) << c.name;
      }
    }
  }
}

// Which missions roll the day once more: those that keep the ship travelling through space.
TEST_F(Encounters, MissionsOnTheMoveRollTwice) {
  const std::set<int> onTheMove = {2, 3, 6, 7, 10, 11, 13, 14, 15, 16, 17};
  for (int type = 0; type <= 27; ++type) {
    SetUp();
    state::TutorialActive = 1;  // no encounter, so the rolls are all the day draws
    state::GameDay = 10;
    state::ActiveMission[mission::kActive] = 1;
    state::ActiveMission[mission::kType] = type;
    state::Randomize(77);
    rules::StartHostileEncounter(ui);
    EXPECT_EQ(state::RandSeed, SeedAfter(77, onTheMove.count(type) != 0 ? 2 : 1)) << type;
  }
}

TEST_F(Encounters, ALostFightCostsALifeOrTheGame) {
  struct Case {
    const char* name;
    FightOutcome outcome;
    int lives;
    int livesAfter;
    bool newChance;
    bool gameOver;
  };
  const Case cases[] = {
      {"enemy destroyed", FightOutcome::EnemyDestroyed, 3, 3, false, false},
      {"enemy escaped", FightOutcome::EnemyEscaped, 3, 3, false, false},
      {"player destroyed", FightOutcome::PlayerDestroyed, 3, 2, true, false},
      {"both destroyed", FightOutcome::BothDestroyed, 2, 1, true, false},
      {"player destroyed, last life", FightOutcome::PlayerDestroyed, 1, 0, false, true},
      {"both destroyed, last life", FightOutcome::BothDestroyed, 1, 0, false, true},
  };
  for (const Case& c : cases) {
    SetUp();
    War(1, 2);
    ui = FightScript();
    ui.outcome = c.outcome;
    PlayerData[player::kLifePoints] = c.lives;
    state::TravelMayClose = 0;
    SeedForEncounter();
    rules::StartHostileEncounter(ui);

    ASSERT_EQ(ui.fights, 1) << c.name;
    EXPECT_EQ(PlayerData[player::kLifePoints], c.livesAfter) << c.name;
    EXPECT_EQ(PlayerShip[ship::kAlive], c.gameOver ? 0 : 1) << c.name;
    EXPECT_EQ(ui.travelClosings, c.gameOver ? 1 : 0) << c.name;
    EXPECT_EQ(state::TravelMayClose, c.gameOver ? 1 : 0) << c.name;
    EXPECT_EQ(ui.CountTopic("New chance"), c.newChance ? 1u : 0u) << c.name;
    EXPECT_EQ(ui.flightStops, c.newChance ? 1 : 0) << c.name;
    if (c.newChance) {
      EXPECT_EQ(PlayerShip[ship::kShields], state::GetShipClassBaseShields(kClassStarwolf)) << c.name;
      EXPECT_EQ(ui.scoreLines, std::vector<std::string>{"Lifepoints: " + std::to_string(c.livesAfter)});
      EXPECT_EQ(state::DisplayedSystem, 3);
      EXPECT_GT(ui.redraws, 0);
    } else {
      EXPECT_EQ(PlayerShip[ship::kShields], 7) << c.name;
    }
  }
}

TEST_F(Encounters, TheNewChanceIsExplained) {
  PlayerShip[ship::kAlive] = 0;
  PlayerShip[ship::kBody] = 2;
  rules::HandlePlayerShipDestroyed(ui);
  ASSERT_EQ(ui.popups.size(), 1u);
  const support::ShownPopup& popup = ui.popups[0];
  EXPECT_EQ(popup.kind, rules::Popup::Notice);
  EXPECT_EQ(popup.topic, "New chance");
  EXPECT_EQ(popup.headline, "What happened? You got killed...");
  EXPECT_EQ(popup.text,
            "Even the best fail sometimes. Do not worry, you get a new chance as long as you have "
            "enough life points left. You receive one life point for every campaign ribbon / "
            "promotion you receive. Feel free to use the Save/Load option in the Options-Menu to "
            "save/restore a game session as well.");
  EXPECT_EQ(popup.picture, "ghostshipr.jpg");
  EXPECT_EQ(ui.scoreLines, std::vector<std::string>{"Lifepoints: 2"});
  EXPECT_EQ(PlayerShip[ship::kAlive], 1);
  EXPECT_EQ(PlayerShip[ship::kBody], 2) << "the ship stays where it was";
  EXPECT_EQ(PlayerShip[ship::kSystem], 3);

  // A ship that is still alive loses nothing.
  ui = FightScript();
  rules::HandlePlayerShipDestroyed(ui);
  EXPECT_EQ(PlayerData[player::kLifePoints], 2);
  EXPECT_TRUE(ui.popups.empty());
  EXPECT_FALSE(rules::EndGameIfShipLost(ui));
}

}  // namespace
