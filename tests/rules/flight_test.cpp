// Flights inside a system, docking and jumps: the days of a flight, the start's refusals, a day
// under way, the arrival checks (tutorial, mutiny, contraband and the police), the landing rules
// and the jump through a wormhole.
#include "rules/flight.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "fight_script.h"
#include "rules/space_finds.h"
#include "state/fields.h"
#include "state/new_world.h"
#include "state/random.h"
#include "state/ship_classes.h"
#include "state/skills.h"
#include "state/star_map.h"
#include "state/start_ship.h"
#include "support/rows.h"
#include "world_fixture.h"

namespace {

using namespace fixture;
using rules::Landing;
using state::BodyData;
using state::PlayerData;
using state::PlayerShip;

using state::kClassStarwolf;  // fighter, no crew needed
using state::kClassShadowcat;  // corvette, 6 crew
using state::kClassCorsair;  // cruiser with a hidden cargo bay, 30 crew
constexpr int kSystem = 3;
using state::kSunBody;
constexpr int kPlanet = 2;
constexpr int kWormholeBody = 3;
constexpr int kHideoutBody = 4;
constexpr int kOtherPlanet = 5;
constexpr int kDestination = 7;
constexpr int kContraband = state::kFirstContraband;

TEST(FlightDays, FollowDistancePaceAgeAndCrew) {
  struct Case {
    const char* name;
    int distance, speed, age;
    bool shortHanded, toFind;
    int days;
  };
  const Case cases[] = {
      {"distance 0", 0, 200, 30, false, false, 2},
      {"a fast ship", 100, 5000, 30, false, false, 2},
      {"plain: 250 px at 25 a day", 250, 200, 30, false, false, 10},
      {"divisions truncate", 274, 207, 30, false, false, 10},
      {"engine Mk. II", 450, 450, 30, false, false, 8},
      {"age 70 adds nothing", 250, 200, 70, false, false, 10},
      {"age 75 adds 5", 250, 200, 75, false, false, 15},
      {"short-handed triples", 250, 200, 30, true, false, 30},
      {"age first, then triple", 250, 200, 75, true, false, 45},
      {"to a find: six times", 250, 200, 30, true, true, 60},
      {"a body caps at 99", 5000, 200, 30, false, false, 99},
      {"a find has no cap", 5000, 200, 30, false, true, 200},
      {"short-handed to a find, uncapped", 5000, 200, 30, true, true, 1200},
      {"short clamps after tripling", 10, 200, 30, true, false, 2},
      {"old short-handed to a body still caps", 100, 200, 140, true, false, 99},
      {"a speed below 8 moves a pixel a day", 50, 0, 30, false, false, 50},
  };
  for (const Case& c : cases)
    EXPECT_EQ(rules::FlightDays(c.distance, c.speed, c.age, c.shortHanded, c.toFind), c.days)
        << c.name;
}

class Flight : public World {
 protected:
  FightScript ui;

  void SetUp() override {
    World::SetUp();
    ui = FightScript{};
    state::BodyPricesKnown.fill(0);  // a table the game state's clearing leaves alone
    AddSystem(kSystem, 1);
    AddBody(kSystem, kSunBody, kSun);
    AddBody(kSystem, kPlanet, 2);
    AddBody(kSystem, kWormholeBody, kWormhole, kDestination);
    BodyData[kSystem][kWormholeBody][body::kJumpLength] = 4;
    AddBody(kSystem, kHideoutBody, kHideout);
    AddBody(kSystem, kOtherPlanet, 3);
    AddSystem(kDestination, 2);
    Place(kSunBody, 100, 100);
    Place(kPlanet, 300, 150);  // 250 from the sun
    Place(kWormholeBody, 100, 400);
    Place(kHideoutBody, 500, 100);
    Place(kOtherPlanet, 600, 600);
    state::SpaceFinds[kSystem][2][space_find::kMapX] = 130;
    state::SpaceFinds[kSystem][2][space_find::kMapY] = 80;  // 50 from the sun
    PlayerData[player::kFaction] = 1;
    PlayerData[player::kLifePoints] = 3;
    PlayerShip = test_rows::ShipRow()
                     .Alive()
                     .Class(kClassShadowcat)
                     .Crewmen(6)
                     .System(kSystem)
                     .Body(kSunBody);
    state::TutorialActive = 0;
    state::TutorialStep = 0;
    state::GameDay = 100;
  }

  static void Place(int b, int x, int y) {
    BodyData[kSystem][b][body::kMapX] = x;
    BodyData[kSystem][b][body::kMapY] = y;
  }

  // Arrives at `place` after a flight from wherever the ship is.
  void ArriveAt(int place) {
    state::SelectedBody = place;
    rules::ArriveFromFlight(ui);
  }
};

TEST_F(Flight, DistanceIsManhattanBetweenBodiesAndFinds) {
  EXPECT_EQ(rules::FlightDistance(kSystem, kSunBody, kPlanet), 250);
  EXPECT_EQ(rules::FlightDistance(kSystem, kPlanet, kSunBody), 250);
  EXPECT_EQ(rules::FlightDistance(kSystem, -2, kSunBody), 50);
  EXPECT_EQ(rules::FlightDistance(kSystem, kSunBody, -2), 50);
  EXPECT_EQ(rules::FlightDistance(kSystem, kPlanet, kPlanet), 0);
  // Places outside the tables have no position.
  EXPECT_EQ(rules::FlightDistance(kSystem, 16, kSunBody), 0);
  EXPECT_EQ(rules::FlightDistance(kSystem, kSunBody, -5), 0);
  EXPECT_EQ(rules::FlightDistance(25, kSunBody, kPlanet), 0);
}

TEST_F(Flight, TheStartAsksForMissingCrewAndHonoursTheTutorialLock) {
  struct Case {
    const char* name;
    int crewmen, officers, marines, pirates, droids;
    int tutorialStep;  // 0: no tutorial
    int target;
    std::vector<bool> answers;
    bool asked;
    int days;  // 0: refused
  };
  // 250 px at 25 a day, or 50 px to the find.
  const Case cases[] = {
      {"full crew", 6, 0, 0, 0, 0, 0, kPlanet, {}, false, 10},
      {"officers and pirates count", 2, 2, 0, 2, 0, 0, kPlanet, {}, false, 10},
      {"marines and droids do not", 5, 0, 9, 0, 9, 0, kPlanet, {true}, true, 30},
      {"no to the crew question", 5, 0, 0, 0, 0, 0, kPlanet, {false}, true, 0},
      {"short-handed to a find", 0, 0, 0, 0, 0, 0, -2, {true}, true, 12},
      {"tutorial before step 6", 6, 0, 0, 0, 0, 5, kPlanet, {}, false, 0},
      {"tutorial at step 6", 6, 0, 0, 0, 0, 6, kPlanet, {}, false, 10},
      {"tutorial reopen-mission step", 6, 0, 0, 0, 0, -11, kPlanet, {}, false, 10},
      {"no tutorial lock toward a find", 6, 0, 0, 0, 0, 5, -2, {}, false, 2},
  };
  for (const Case& c : cases) {
    SetUp();
    PlayerShip[ship::kCrewmen] = c.crewmen;
    PlayerShip[ship::kOfficers] = c.officers;
    PlayerShip[ship::kMarines] = c.marines;
    PlayerShip[ship::kPirates] = c.pirates;
    PlayerShip[ship::kDroids] = c.droids;
    state::TutorialActive = c.tutorialStep != 0;
    state::TutorialStep = c.tutorialStep;
    PlayerData[player::kFlightEncounters] = 1;
    ui.answers.assign(c.answers.begin(), c.answers.end());

    const auto days = rules::BeginFlight(c.target, kSystem, ui);

    EXPECT_EQ(days.value_or(0), c.days) << c.name;
    ASSERT_EQ(ui.questions.size(), c.asked ? 1u : 0u) << c.name;
    if (c.asked) {
      EXPECT_EQ(ui.questions[0].topic, "Not enough crew!");
      EXPECT_NE(ui.questions[0].text.find("at least 6 crewmen"), std::string::npos);
    }
    EXPECT_EQ(ui.CountTopic("Tutorial"), c.tutorialStep == 5 && c.target > 0 ? 1u : 0u) << c.name;
    // A refused flight changes nothing; a flight starts with no encounter yet.
    EXPECT_EQ(PlayerData[player::kFlightEncounters], days ? 0 : 1) << c.name;
    EXPECT_EQ(state::GameDay, 100) << c.name;
  }
}

TEST_F(Flight, ArrivalPlacesTheShipAndKnowsThePrices) {
  PlayerShip[ship::kBody] = kSunBody;
  ArriveAt(kPlanet);
  EXPECT_EQ(PlayerShip[ship::kBody], kPlanet);
  EXPECT_EQ(state::SystemVisited[kSystem], 1);
  EXPECT_EQ(state::BodyPricesKnown[kPlanet], 1);
  EXPECT_EQ(state::DisplayedSystem, kSystem);
  EXPECT_GE(ui.redraws, 1);
  EXPECT_GE(ui.tradePopupUpdates, 1);

  // A space find has no prices; it gives what it holds.
  SetUp();
  state::SpaceFinds[kSystem][2][space_find::kPresent] = 1;
  state::SpaceFinds[kSystem][2][space_find::kKind] = state::Stored(kFindTreasure);
  ArriveAt(-2);
  EXPECT_EQ(PlayerShip[ship::kBody], -2);
  for (int b = 1; b <= state::kLastBody; ++b) EXPECT_EQ(state::BodyPricesKnown[b], 0);
  EXPECT_EQ(ui.CountTopic("Treasure:"), 1u);
  EXPECT_EQ(state::SpaceFinds[kSystem][2][space_find::kPresent], 0);
}

TEST_F(Flight, TheTutorialMovesOnAtItsBody) {
  struct Case {
    int faction, step, place;
    std::vector<int> begun;
    std::vector<int> ended = {};
    int from = kSunBody;
  };
  const Case cases[] = {
      {1, 6, 3, {7}}, {2, 6, 7, {7}}, {3, 6, 2, {7}}, {4, 6, 6, {7}},
      {1, 6, 2, {}},  // not the faction's body
      {3, 5, 2, {}},  // not that step yet
      // At the sun the hint of the mission's step goes away.
      {1, 12, 1, {}, {12}},
      {1, 12, 2, {}}, {1, 19, 1, {}},
      // The step that leads to the first planet stays until the landing: arriving there shows
      // it again (now saying how to land), and so does leaving it for another place; arriving
      // anywhere else, the sun included, leaves it as it is.
      {1, 20, 2, {20}}, {3, 20, 2, {20}},
      {1, 20, 1, {}, {}, 5}, {1, 20, 5, {}}, {1, 20, -2, {}, {}, 5},
      {1, 20, 1, {20}, {}, 2}, {1, 20, 5, {20}, {}, 2},
      {1, 22, 2, {}}, {1, 19, 2, {}},
  };
  for (const Case& c : cases) {
    SetUp();
    for (int b = 2; b <= 7; ++b) AddBody(kSystem, b, 2);
    state::SpaceFinds[kSystem][2][space_find::kPresent] = 1;
    PlayerData[player::kFaction] = c.faction;
    PlayerShip[ship::kBody] = c.from;
    state::TutorialActive = 1;
    state::TutorialStep = c.step;
    ArriveAt(c.place);
    const std::string trace = std::to_string(c.faction) + " " + std::to_string(c.step) + " " +
                              std::to_string(c.from) + "->" + std::to_string(c.place);
    EXPECT_EQ(ui.tutorialSteps, c.begun) << trace;
    EXPECT_EQ(ui.endedTutorialSteps, c.ended) << trace;
  }
}

TEST_F(Flight, AWantedPilotsCrewMayDesertAtAPlanet) {
  // Seeds for the mutiny's first roll: at most 5 of 100, and above 5 of 100 with a second roll
  // of at most 5 of 40.
  const std::uint32_t low = FindSeed([] { return state::Random(100) <= 5; });
  const std::uint32_t officersOnly =
      FindSeed([] { return state::Random(100) > 5 && state::Random(40) <= 5; });
  struct Case {
    const char* name;
    std::uint32_t seed;
    int criminalDays, place, officers;
    bool mutiny;
  };
  const Case cases[] = {
      {"wanted at a planet", low, 10, kPlanet, 0, true},
      {"not wanted", low, 0, kPlanet, 0, false},
      {"at the sun", low, 10, kSunBody, 0, false},
      {"at a space find", low, 10, -2, 0, false},
      {"officers draw again", officersOnly, 10, kPlanet, 3, true},
      {"without officers that roll is too high", officersOnly, 10, kPlanet, 0, false},
  };
  for (const Case& c : cases) {
    SetUp();
    PlayerShip[ship::kClass] = state::Stored(kClassStarwolf);  // no police trouble: nothing carried
    PlayerData[player::kCriminalDays] = c.criminalDays;
    PlayerShip[ship::kCrewmen] = 20;
    PlayerShip[ship::kOfficers] = c.officers;
    PlayerShip[ship::kMarines] = 1;
    PlayerShip[ship::kPirates] = 7;
    PlayerShip[ship::kDroids] = 4;
    state::Randomize(c.seed);
    ArriveAt(c.place);
    EXPECT_EQ(ui.CountTopic("Mutinee!"), c.mutiny ? 1u : 0u) << c.name;
    EXPECT_LE(PlayerShip[ship::kCrewmen], 20) << c.name;
    EXPECT_GE(PlayerShip[ship::kCrewmen], c.mutiny ? 1 : 20) << c.name;
    EXPECT_EQ(PlayerShip[ship::kMarines], 1) << c.name << ": Random(1) takes nobody";
    EXPECT_EQ(PlayerShip[ship::kPirates], 7) << c.name << ": pirates stay";
    EXPECT_EQ(PlayerShip[ship::kDroids], 4) << c.name << ": droids stay";
  }
}

class Contraband : public Flight {
 protected:
  // A seed whose first draw of Random(200) is `roll`.
  static std::uint32_t SeedForRoll(int roll) {
    return FindSeed([roll] { return state::Random(200) == roll; });
  }
  void Carry() { state::Cargo[kContraband + 2] = 5; }
};

TEST_F(Contraband, TheThresholdFollowsCleanRecordAndAHiddenCargoBay) {
  struct Case {
    bool cleanRecord;
    state::ShipClassId shipClass;
    int threshold;
  };
  const Case cases[] = {
      {false, kClassShadowcat, 60}, {true, kClassShadowcat, 30}, {false, kClassCorsair, 45}, {true, kClassCorsair, 23}};
  for (const Case& c : cases) {
    for (const int roll : {c.threshold, c.threshold + 1}) {
      SetUp();
      Carry();
      state::SkillOwned[state::Stored(kSkillCleanRecord)] = c.cleanRecord;
      PlayerShip[ship::kClass] = state::Stored(c.shipClass);
      PlayerShip[ship::kCrewmen] = 30;
      state::Randomize(SeedForRoll(roll));
      ArriveAt(kPlanet);
      EXPECT_EQ(ui.CountTopic("Contraband detected!"), roll == c.threshold ? 1u : 0u)
          << "class " << state::Stored(c.shipClass) << " clean " << c.cleanRecord << " roll "
          << roll;
    }
  }
}

TEST_F(Contraband, ThePoliceLookOnlyAtPlanetsAndWormholes) {
  const std::uint32_t caught = SeedForRoll(0);
  struct Case {
    const char* name;
    int place, criminalDays;
    bool carrying, alive;
    bool checked;
  };
  const Case cases[] = {
      {"planet", kPlanet, 0, true, true, true},
      {"wormhole", kWormholeBody, 0, true, true, true},
      {"sun", kSunBody, 0, true, true, false},
      {"space find", -2, 0, true, true, false},
      {"hideout, clean pilot", kHideoutBody, 0, true, true, false},
      {"hideout shelters the wanted", kHideoutBody, 10, true, true, false},
      {"nothing carried", kPlanet, 0, false, true, false},
      {"ship lost on the way", kPlanet, 0, true, false, false},
  };
  for (const Case& c : cases) {
    SetUp();
    if (c.carrying) Carry();
    PlayerData[player::kCriminalDays] = c.criminalDays;
    PlayerShip[ship::kCrewmen] = 0;  // nobody to desert
    PlayerShip[ship::kPirates] = 6;
    PlayerShip[ship::kAlive] = c.alive;
    state::Randomize(caught);
    ArriveAt(c.place);
    EXPECT_EQ(ui.CountTopic("Contraband detected!"), c.checked ? 1u : 0u) << c.name;
    EXPECT_EQ(ui.fights, c.checked ? 1 : 0) << c.name;
  }
}

TEST_F(Contraband, ThePoliceFlagThePilotAndSendAShipOfItsSize) {
  for (const int before : {-50, 0, 40}) {
    SetUp();
    Carry();
    AddSystem(kSystem, 2, 6);  // a capital of the Outer Rim
    PlayerData[player::kCriminalDays] = before;
    state::Randomize(SeedForRoll(10));
    ArriveAt(kWormholeBody);
    const int added = PlayerData[player::kCriminalDays] - std::max(before, 0);
    EXPECT_GE(added, 30) << before;
    EXPECT_LE(added, 89) << before;
    ASSERT_EQ(ui.setups.size(), 1u);
    const CombatSetup& police = ui.setups[0];
    EXPECT_EQ(police.enemyFaction, 2);
    EXPECT_EQ(police.enemyKind, kMilitaryShip);
    EXPECT_EQ(police.enemyTier, 0);
    EXPECT_EQ(state::GetShipClassSize(police.enemyClass), state::kSizeCorvette)
        << "a corvette like the player's";
    EXPECT_EQ(state::GetShipClassRole(police.enemyClass), state::kRoleMilitary);
    EXPECT_EQ(state::EnemyAbilitySlots[12], 12) << "the tractor beam";
    ASSERT_EQ(ui.CountTopic("Hostile encounter!"), 1u);
    EXPECT_EQ(ui.WithTopic("Hostile encounter!")[0].headline,
              "Outer Rim " + state::GetShipClassName(police.enemyClass));
    EXPECT_EQ(ui.fights, 1);
  }
}

TEST_F(Contraband, APoliceFightLostCostsALifeEvenWhenBothShipsBlewUp) {
  struct Case {
    FightOutcome outcome;
    int lives, livesAfter, travelClosings;
  };
  const Case cases[] = {
      {FightOutcome::PlayerDestroyed, 3, 2, 0},
      {FightOutcome::BothDestroyed, 3, 2, 0},
      {FightOutcome::BothDestroyed, 1, 0, 1},
      {FightOutcome::EnemyEscaped, 3, 3, 0},
  };
  for (const Case& c : cases) {
    SetUp();
    Carry();
    PlayerData[player::kLifePoints] = c.lives;
    ui.outcome = c.outcome;
    state::Randomize(SeedForRoll(0));
    ArriveAt(kPlanet);
    EXPECT_EQ(PlayerData[player::kLifePoints], c.livesAfter);
    EXPECT_EQ(ui.travelClosings, c.travelClosings);
    EXPECT_EQ(PlayerShip[ship::kAlive], c.livesAfter > 0 ? 1 : 0);
  }
}

class Docking : public Flight {
 protected:
  using DockResult = rules::DockResult;
  DockResult Dock(int place) {
    PlayerShip[ship::kBody] = place;
    state::SelectedBody = place;
    state::DisplayedSystem = kSystem;
    return rules::DockOrJump(ui);
  }
};

TEST_F(Docking, TheLandingRulesDecideInOrder) {
  struct Case {
    const char* name;
    int place;
    state::ShipClassId shipClass;
    int criminalDays, streetRules, owner;
    bool war, asteroids;
    int tutorialStep;
    Landing landing;
    const char* topic;  // the refusal shown, if any
  };
  const Case cases[] = {
      {"a planet", kPlanet, kClassShadowcat, 0, 0, 1, false, false, 0, Landing::Land, nullptr},
      {"wanted", kPlanet, kClassShadowcat, 5, 0, 1, false, false, 0, Landing::Wanted, "Careful!"},
      {"wanted with street rules", kPlanet, kClassShadowcat, 5, 23, 1, false, false, 0,
       Landing::AskSneak, nullptr},
      {"wanted with advanced street rules", kPlanet, kClassShadowcat, 5, 24, 1, false, false, 0,
       Landing::AskSneak, nullptr},
      {"wanted beats the enemy owner", kPlanet, kClassShadowcat, 5, 0, 2, true, true, 0,
       Landing::Wanted, "Careful!"},
      {"enemy planet", kPlanet, kClassShadowcat, 0, 0, 2, true, false, 0, Landing::EnemyPlanet,
       "Enemy planet!"},
      {"another owner at peace", kPlanet, kClassShadowcat, 0, 0, 2, false, false, 0, Landing::Land,
       nullptr},
      {"own planet while at war", kPlanet, kClassShadowcat, 0, 0, 1, true, false, 0, Landing::Land,
       nullptr},
      {"asteroids", kPlanet, kClassShadowcat, 0, 0, 1, false, true, 0, Landing::Asteroids, "N/A!"},
      {"tutorial step 19", kPlanet, kClassShadowcat, 0, 0, 1, false, false, 19,
       Landing::TutorialLocked, "Tutorial"},
      {"tutorial step -11", kPlanet, kClassShadowcat, 0, 0, 1, false, false, -11,
       Landing::TutorialLocked, "Tutorial"},
      {"tutorial step 20", kPlanet, kClassShadowcat, 0, 0, 1, false, false, 20, Landing::Land,
       nullptr},
      {"fighter at a wormhole", kWormholeBody, kClassStarwolf, 0, 0, 1, false, false, 0,
       Landing::NoJumpEngines, "No jump engines!"},
      {"corvette at a wormhole", kWormholeBody, kClassShadowcat, 0, 0, 1, false, false, 0,
       Landing::Jump, nullptr},
      {"wanted at a wormhole", kWormholeBody, kClassShadowcat, 5, 0, 1, false, false, 0,
       Landing::Jump, nullptr},
      {"sun", kSunBody, kClassShadowcat, 0, 0, 1, false, false, 0, Landing::Nothing, nullptr},
      {"hideout", kHideoutBody, kClassShadowcat, 5, 0, 1, false, false, 0, Landing::Nothing, nullptr},
      {"space find", -2, kClassShadowcat, 0, 0, 1, false, false, 0, Landing::Nothing, nullptr},
  };
  for (const Case& c : cases) {
    SetUp();
    PlayerShip[ship::kClass] = state::Stored(c.shipClass);
    PlayerData[player::kCriminalDays] = c.criminalDays;
    if (c.streetRules != 0) state::SkillOwned[c.streetRules] = 1;
    BodyData[kSystem][kPlanet][body::kOwner] = c.owner;
    if (c.war) {
      state::FactionData[1][faction::kAtWarWith + 2] = 1;
      state::FactionData[2][faction::kAtWarWith + 1] = 1;
    }
    BodyData[kSystem][kPlanet][body::kAsteroidField] = c.asteroids;
    state::TutorialActive = c.tutorialStep != 0;
    state::TutorialStep = c.tutorialStep;
    PlayerShip[ship::kBody] = c.place;
    if (c.landing == Landing::AskSneak) ui.answers = {false};  // stays in orbit
    EXPECT_EQ(rules::DecideLanding(), c.landing) << c.name;

    const DockResult result = Dock(c.place);
    EXPECT_EQ(result.planet, c.landing == Landing::Land) << c.name;
    EXPECT_EQ(result.jump.has_value(), c.landing == Landing::Jump) << c.name;
    EXPECT_EQ(ui.popups.size(), c.topic ? 1u : 0u) << c.name;
    if (c.topic && !ui.popups.empty()) {
      EXPECT_EQ(ui.popups[0].topic, c.topic) << c.name;
    }
    EXPECT_EQ(ui.questions.size(), c.landing == Landing::AskSneak ? 1u : 0u) << c.name;
  }
}

TEST_F(Docking, SneakingInSucceedsBelowTheSkillsChance) {
  struct Case {
    Skill skill;
    int roll;
    bool planet;
  };
  const Case cases[] = {{kSkillStreetRules, 50, true},
                        {kSkillStreetRules, 51, false},
                        {kSkillAdvancedStreetRules, 75, true},
                        {kSkillAdvancedStreetRules, 76, false}};
  for (const Case& c : cases) {
    SetUp();
    PlayerData[player::kCriminalDays] = 20;
    state::SkillOwned[state::Stored(c.skill)] = 1;
    ui.answers = {true};
    state::Randomize(FindSeed([&] { return state::Random(100) == c.roll; }));
    const DockResult result = Dock(kPlanet);
    EXPECT_EQ(result.planet, c.planet) << state::Stored(c.skill) << " " << c.roll;
    EXPECT_EQ(ui.CountTopic(c.planet ? "Success!" : "Failed!"), 1u);
    EXPECT_EQ(ui.fights, c.planet ? 0 : 1);
    EXPECT_EQ(PlayerData[player::kCriminalDays], 20) << "the flag stays as it was";
    if (!c.planet) {
      ASSERT_EQ(ui.setups.size(), 1u);
      EXPECT_GT(state::GetShipClassSize(ui.setups[0].enemyClass), state::kSizeCorvette)
          << "bigger than a corvette";
      EXPECT_EQ(state::EnemyAbilitySlots[12], 0) << "no tractor beam here";
    }
  }
  // "No" does nothing at all.
  SetUp();
  PlayerData[player::kCriminalDays] = 20;
  state::SkillOwned[state::Stored(kSkillAdvancedStreetRules)] = 1;
  ui.answers = {false};
  const std::uint64_t before = state::RandSeed;
  const DockResult result = Dock(kPlanet);
  EXPECT_FALSE(result.planet);
  EXPECT_TRUE(ui.popups.empty());
  EXPECT_EQ(state::RandSeed, before);
}

TEST_F(Docking, TheTutorialMovesToThePlanetScreenOnLanding) {
  for (const int step : {19, 20, 22, 23}) {
    SetUp();
    state::TutorialActive = 1;
    state::TutorialStep = step;
    Dock(kPlanet);
    EXPECT_EQ(ui.tutorialSteps, (step >= 20 && step <= 22 ? std::vector<int>{22}
                                                          : std::vector<int>{}))
        << step;
  }
}

TEST_F(Docking, AVisibleHideoutOpensItsScreen) {
  for (const int visible : {1, 0}) {
    SetUp();
    BodyData[kSystem][kHideoutBody][body::kVisible] = visible;
    PlayerData[player::kCriminalDays] = 30;
    const DockResult result = Dock(kHideoutBody);
    EXPECT_EQ(result.hideout, visible == 1);
    EXPECT_FALSE(result.planet);
    EXPECT_TRUE(ui.popups.empty());
  }
}

TEST_F(Docking, AFighterAtAWormholeStaysAndTheSystemIsRedrawn) {
  PlayerShip[ship::kClass] = state::Stored(kClassStarwolf);
  const DockResult result = Dock(kWormholeBody);
  EXPECT_FALSE(result.jump);
  EXPECT_EQ(ui.redraws, 1);
  EXPECT_EQ(PlayerShip[ship::kSystem], kSystem);
}

TEST_F(Docking, AJumpComesOutAtTheWormholeBack) {
  // Without a way back the ship comes out at body 1.
  PlayerData[player::kFlightEncounters] = 1;
  DockResult result = Dock(kWormholeBody);
  ASSERT_TRUE(result.jump);
  EXPECT_EQ(result.jump->destination, kDestination);
  EXPECT_EQ(result.jump->arrivalBody, 1);
  EXPECT_EQ(result.jump->days, 4);
  EXPECT_EQ(PlayerData[player::kFlightEncounters], 0);

  SetUp();
  AddBody(kDestination, 9, kWormhole, 12);
  AddBody(kDestination, 11, kWormhole, kSystem);
  result = Dock(kWormholeBody);
  ASSERT_TRUE(result.jump);
  EXPECT_EQ(result.jump->arrivalBody, 11);

  rules::ArriveFromJump(*result.jump, ui);
  EXPECT_EQ(PlayerShip[ship::kSystem], kDestination);
  EXPECT_EQ(PlayerShip[ship::kBody], 11);
  EXPECT_EQ(state::SystemVisited[kDestination], 1);
  EXPECT_EQ(state::DisplayedSystem, kDestination);
  EXPECT_EQ(state::SelectedBody, 11);

  // A wormhole into nowhere (or into its own system) is no jump.
  for (const int destination : {0, 25, kSystem}) {
    SetUp();
    BodyData[kSystem][kWormholeBody][body::kDestination] = destination;
    result = Dock(kWormholeBody);
    EXPECT_FALSE(result.jump) << destination;
    EXPECT_EQ(ui.redraws, 1);
  }
}

// A day under way in a whole new world, where a wanted pilot meets the police sooner or later.
class FlightDay : public ::testing::Test {
 protected:
  FightScript ui;
  void SetUp() override {
    ui = FightScript{};
    state::ClearGameState();
    PlayerData[player::kProfession] = 2;
    PlayerData[player::kFaction] = 1;
    state::BuildNewWorld(state::StartShipClass(kProfessionCombatTrader, kFactionFederation));
    PlayerData[player::kCriminalDays] = 5000;
    PlayerData[player::kLifePoints] = 3;
    state::TutorialActive = 0;
    state::Randomize(5);
  }
};

TEST_F(FlightDay, EncountersComeOnlyTowardABodyAndOncePerFlight) {
  for (const int target : {2, -1}) {
    SetUp();
    state::SelectedBody = target;
    PlayerData[player::kFlightEncounters] = 0;
    std::int32_t daysLeft = 300;
    const int day = state::GameDay;
    while (daysLeft > 0) rules::FlightDay(daysLeft, ui);
    EXPECT_EQ(state::GameDay, day + 300);
    EXPECT_EQ(ui.fights, target > 0 ? 1 : 0) << target;
  }
}

TEST_F(FlightDay, ALostShipEndsTheFlightOnThatDay) {
  state::SelectedBody = 2;
  ui.outcome = FightOutcome::PlayerDestroyed;
  PlayerData[player::kLifePoints] = 1;
  std::int32_t daysLeft = 300;
  int days = 0;
  while (daysLeft > 0) {
    rules::FlightDay(daysLeft, ui);
    ++days;
  }
  EXPECT_EQ(ui.fights, 1);
  EXPECT_EQ(PlayerShip[ship::kAlive], 0);
  EXPECT_EQ(daysLeft, 0);
  EXPECT_LT(days, 300);
  EXPECT_EQ(ui.travelClosings, 1);
}

// The flight window's counter as the window keeps it: a new chance after a lost fight stops the
// flight, and the ship arrives on that same day, alive.
struct StoppingScript : FightScript {
  std::int32_t* daysLeft = nullptr;
  void StopFlight() override {
    FightScript::StopFlight();
    *daysLeft = 0;
  }
};

TEST_F(FlightDay, ANewChanceEndsTheFlightOnThatDayWithTheShipAlive) {
  StoppingScript script;
  std::int32_t daysLeft = 300;
  script.daysLeft = &daysLeft;
  script.outcome = FightOutcome::PlayerDestroyed;
  state::SelectedBody = 2;
  while (daysLeft > 0 && script.fights == 0) rules::FlightDay(daysLeft, script);
  ASSERT_EQ(script.fights, 1);
  EXPECT_EQ(script.flightStops, 1);
  EXPECT_LE(daysLeft, 0) << "the ship arrives now";
  EXPECT_EQ(PlayerShip[ship::kAlive], 1);
  EXPECT_EQ(PlayerData[player::kLifePoints], 2);
}

}  // namespace
