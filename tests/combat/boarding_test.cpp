// The boarding fight: areas, the three attacks, the defenders' fire, casualties, and what an
// exchange brings (an area secured, plunder, capture, rewards, defeat), the retreat and the ship
// hospital; then a mission fight that ends in a capture on the real engine.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>

#include "combat/boarding.h"
#include "combat/boarding_outcome.h"
#include "combat/engine_fights.h"
#include "combat/recording_boarding_ui.h"
#include "combat_fixture.h"
#include "rules/mission_arrival.h"
#include "rules/missions.h"
#include "rules/new_game.h"
#include "state/equipment.h"
#include "state/equipment_ids.h"
#include "state/equipment_offers.h"
#include "state/fields.h"
#include "state/format.h"
#include "state/ship_kinds.h"
#include "state/start_ship.h"

namespace combat_test {
namespace {

using combat::BoardingAttack;
using combat::BoardingCasualties;

class BoardingTest : public CombatTest {
 protected:
  combat::RecordingBoardingUi board{ui, ui.transcript};

  void SetUp() override {
    CombatTest::SetUp();
    Ships(state::kClassShadowcat, state::kClassPaladin);  // both of size 2
    state::FactionText[1][faction_text::kLogo] = "FederationLogo";
    state::PlayerData[player::kLevel] = 18;  // far from the next level
    state::BoardingMayClose = 0;
    state::BoardingAreas[boarding_area::kAirlock] = 1;
    state::BoardingAreas[boarding_area::kCorridors] = 2;
    state::BoardingAreas[boarding_area::kCargoBay] = 2;
    state::BoardingAreas[boarding_area::kBridge] = 2;
    state::EnemyShip[ship::kBoardedArea] = 1;
    combat::BoardingPhase = combat::kFightingPhase;
    BoardingCasualties.fill(0);
  }

  static void Crew(std::int32_t crewmen, std::int32_t officers, std::int32_t marines,
                   std::int32_t pirates, std::int32_t droids) {
    auto& p = state::PlayerShip;
    p[ship::kCrewmen] = crewmen, p[ship::kOfficers] = officers, p[ship::kMarines] = marines,
    p[ship::kPirates] = pirates, p[ship::kDroids] = droids;
  }
  static void Defend(std::int32_t crewmen, std::int32_t marines, std::int32_t droids) {
    auto& e = state::EnemyShip;
    e[ship::kDefendingCrewmen] = crewmen, e[ship::kDefendingMarines] = marines,
    e[ship::kDefendingDroids] = droids;
  }
  static std::int32_t DefendersLeft() {
    return state::EnemyShip[ship::kDefendingCrewmen] + state::EnemyShip[ship::kDefendingMarines] +
           state::EnemyShip[ship::kDefendingDroids];
  }
  // The generator's state after `draws` draws from `seed`.
  static std::uint32_t SeedAfter(std::uint32_t seed, int draws) {
    state::Randomize(seed);
    for (int i = 0; i < draws; ++i) state::Random(2);
    return state::RandSeed;
  }
};

TEST_F(BoardingTest, AreaPicturesAndLabelsFollowTheAreaState) {
  struct Case {
    std::int32_t area, areaState;
    const char* picture;
    const char* label;
  };
  const Case cases[] = {
      {1, 1, "crewcombat_red_airlock_normal.jpg", "Airlock (Enemy)"},
      {1, 2, "crewcombat_grey_airlock_normal.jpg", "Airlock (Enemy; not yet selectable)"},
      {2, 3, "crewcombat_blue_corridor_normal.jpg", "Corridors (Friendly)"},
      {3, 2, "crewcombat_grey_cargo_normal.jpg", "Cargo bay (Enemy; not yet selectable)"},
      {4, 1, "crewcombat_red_bridge_normal.jpg", "Bridge (Enemy)"},
      {4, 2, "crewcombat_grey_bridge_normal.jpg", "Bridge (Enemy); not yet selectable)"},
      {4, 3, "crewcombat_blue_bridge_normal.jpg", "Bridge (Friendly)"},
      {2, 0, "", "N/A"},
      {5, 1, "", "N/A"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(std::to_string(c.area) + "/" + std::to_string(c.areaState));
    EXPECT_EQ(combat::BoardingAreaPicture(c.area, combat::AreaState{c.areaState}), c.picture);
    EXPECT_EQ(combat::BoardingAreaLabel(c.area, combat::AreaState{c.areaState}), c.label);
  }
  EXPECT_EQ(combat::AttackButtonPictures(2).highlighted, "CrewCombatScreen_17_HIGHLIGHTED.jpg");
  combat::BoardingPhase = combat::kChoosingPhase;
  EXPECT_FALSE(combat::AttackButtonLights(1));
  EXPECT_TRUE(combat::AttackButtonLights(4));
}

TEST_F(BoardingTest, RefusedExchangesDrawNothingAndChangeNothing) {
  struct Case {
    const char* what;
    BoardingAttack kind;
    std::int32_t phase;
    std::array<std::int32_t, 5> crew;
    std::array<std::int32_t, 3> defenders;
    const char* popup;
  };
  const Case cases[] = {
      {"no attack while choosing an area", BoardingAttack::Standard, 2, {5, 0, 0, 0, 0}, {3, 0, 0},
       "popup: Sorry! / Please first select a new area to attack by clicking on one of the icons "
       "in the wireframe in the left part of the screen."},
      {"standard attack with droids only", BoardingAttack::Standard, 1, {0, 0, 0, 0, 4}, {3, 0, 0},
       "popup: N/A! / With your whole crew except your droids killed this kind of attack does not "
       "make sense. To make use of your droids you have to choose \"Commando strike\" or "
       "\"EMP\"."},
      {"commando without marines or droids", BoardingAttack::Commando, 1, {5, 2, 0, 3, 0},
       {3, 0, 0},
       "popup: N/A! / For a commando strike you need to have either space marines or battle "
       "droids in your crew."},
      {"EMP without defending droids", BoardingAttack::Emp, 1, {5, 0, 5, 0, 5}, {3, 4, 0},
       "popup: N/A! / This attack makes no sense, because the enemy crew does not have any battle "
       "droids on the line. If they had, you could try to capture some droids..."},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    combat::BoardingPhase = combat::BoardingPhaseKind{c.phase};
    Crew(c.crew[0], c.crew[1], c.crew[2], c.crew[3], c.crew[4]);
    Defend(c.defenders[0], c.defenders[1], c.defenders[2]);
    state::PlayerShip[ship::kLastBoardingAttack] = 7;
    ui.transcript.clear();
    state::Randomize(5);
    combat::BoardingExchange(c.kind, board);
    EXPECT_EQ(state::RandSeed, SeedAfter(5, 0));
    EXPECT_EQ(state::PlayerShip[ship::kLastBoardingAttack], 7);
    ASSERT_EQ(ui.transcript.size(), 2u);
    EXPECT_EQ(ui.transcript[0], "cue button.wav");
    EXPECT_EQ(ui.transcript[1], c.popup);
  }
}

TEST_F(BoardingTest, RightClickExplainsTheAttack) {
  combat::ExplainBoardingAttack(BoardingAttack::Commando, board);
  EXPECT_EQ(ui.transcript.back(),
            "popup: Commando assault / A commando assault will send your space marines and battle "
            "droids to the lines. This spares your other troops especially officers, but puts "
            "your droids at risk.");
  EXPECT_EQ(state::PlayerShip[ship::kLastBoardingAttack], 0);
}

TEST_F(BoardingTest, OnlyGroupsAboveTenLimitTheAttackersPool) {
  // Ten defenders can all fall to one strong attack; eleven hold the pool to half their strength.
  struct Case {
    std::int32_t defenders;
    bool wipedOut;
  };
  for (const Case c : {Case{10, true}, Case{11, false}}) {
    for (std::uint32_t seed = 0; seed < 20; ++seed) {
      SCOPED_TRACE(std::to_string(c.defenders) + " defenders, seed " + std::to_string(seed));
      Crew(0, 0, 200, 0, 0);
      Defend(c.defenders, 0, 0);
      state::Randomize(seed);
      combat::BoardingStandardAttack();
      EXPECT_EQ(state::PlayerShip[ship::kLastBoardingAttack], 1);
      EXPECT_EQ(DefendersLeft() == 0, c.wipedOut);
      EXPECT_GE(state::EnemyShip[ship::kDefendingCrewmen], 0);
    }
  }
}

TEST_F(BoardingTest, AttacksWithoutOpponentsOnlyRecordTheirKind) {
  for (BoardingAttack kind : {BoardingAttack::Standard, BoardingAttack::Commando}) {
    Crew(0, 0, 0, 0, 0);
    Defend(4, 2, 1);
    state::Randomize(3);
    if (kind == BoardingAttack::Standard)
      combat::BoardingStandardAttack();
    else
      combat::BoardingCommandoAttack();
    EXPECT_EQ(state::PlayerShip[ship::kLastBoardingAttack], static_cast<std::int32_t>(kind));
    EXPECT_EQ(state::RandSeed, SeedAfter(3, 0));
    EXPECT_EQ(DefendersLeft(), 7);
  }
}

TEST_F(BoardingTest, EmpStrikeCapturesNoMoreDroidsThanItStuns) {
  int strikesWithCapture = 0;
  for (std::uint32_t seed = 0; seed < 200; ++seed) {
    SCOPED_TRACE(seed);
    const std::int32_t defending = 1 + static_cast<std::int32_t>(seed % 30);
    Crew(0, 0, 40, 0, 10);
    Defend(0, 0, defending);
    ui.transcript.clear();
    state::Randomize(seed);
    combat::BoardingEmpStrike(board);
    EXPECT_EQ(state::PlayerShip[ship::kLastBoardingAttack], 3);
    const std::int32_t captured = state::PlayerShip[ship::kDroids] - 10;
    const std::int32_t stunned = defending - state::EnemyShip[ship::kDefendingDroids];
    EXPECT_GE(state::EnemyShip[ship::kDefendingDroids], 0);
    EXPECT_LE(captured, stunned);
    if (defending == 1) {
      EXPECT_LE(captured, 1);
    }
    if (captured > 0) {
      ++strikesWithCapture;
      ASSERT_EQ(ui.transcript.size(), 1u);
      EXPECT_EQ(ui.transcript[0],
                "picture popup: Droids captured! / Your boarding crew was able to use electronic "
                "magnetic pulse (EMP) weapons to stun " +
                    std::to_string(stunned) + " droids! " + std::to_string(captured) +
                    " droids are still functional and can be reprogramed to join your crew! "
                    "[Crew_Droid.jpg]");
    } else {
      EXPECT_TRUE(ui.transcript.empty());
    }
  }
  EXPECT_GT(strikesWithCapture, 100);
}

// A defending crewman fires a small pool: the first shot that finds men takes all of it and
// kills exactly one, so the casualty counters show which group each volley aimed at.
struct Aim {
  int crewmen = 0, officers = 0, marines = 0, pirates = 0, droids = 0;
};

TEST_F(BoardingTest, AfterAStandardAttackTheDefendersAimAtTheMarines) {
  for (std::uint8_t veteran : {0, 1}) {
    SCOPED_TRACE(veteran ? "veteran" : "normal");
    state::VeteranMode = veteran;
    Aim aim;
    const int volleys = 3000;
    for (int seed = 0; seed < volleys; ++seed) {
      Crew(50, 50, 50, 50, 50);
      Defend(1, 0, 0);
      state::PlayerShip[ship::kLastBoardingAttack] = 1;
      BoardingCasualties.fill(0);
      state::Randomize(static_cast<std::uint32_t>(seed));
      combat::BoardingEnemyCounterattack();
      const int total = BoardingCasualties[1] + BoardingCasualties[2] + BoardingCasualties[3] +
                        BoardingCasualties[4] + BoardingCasualties[5];
      ASSERT_EQ(total, 1);
      aim.crewmen += BoardingCasualties[1];
      aim.officers += BoardingCasualties[2];
      aim.marines += BoardingCasualties[3];
      aim.pirates += BoardingCasualties[4];
      aim.droids += BoardingCasualties[5];
    }
    // 99 in 100 (98 in veteran mode) go to the marines; the rest are drawn afresh.
    const double share = static_cast<double>(aim.marines) / volleys;
    EXPECT_GT(share, veteran ? 0.965 : 0.98);
    EXPECT_LT(share, veteran ? 0.995 : 0.999);
    EXPECT_GT(aim.crewmen + aim.pirates + aim.officers + aim.droids, 0);
  }
}

TEST_F(BoardingTest, AThinCrewOfHandsIsSparedWhileMarinesAreLeft) {
  // A Patton needs 16 hands; with no more than 16 + 16 div 5 crewmen, officers and pirates left,
  // the shots aimed at the crewmen go to the marines but for a fresh draw in 10 (veteran: 5).
  ASSERT_EQ(state::GetShipClassStat(state::kClassPatton, state::kAttrMinCrew), 16);
  struct Case {
    const char* what;
    std::int32_t crewmen;
    std::uint8_t veteran;
    double low, high;  // share of the volleys that kill a crewman
  };
  const Case cases[] = {
      {"at the limit", 19, 0, 0.01, 0.05},
      {"at the limit, veteran", 19, 1, 0.035, 0.085},
      {"one above the limit", 20, 0, 0.6, 0.75},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    state::VeteranMode = c.veteran;
    int crewmenHit = 0;
    const int volleys = 3000;
    for (int seed = 0; seed < volleys; ++seed) {
      state::PlayerShip[ship::kClass] = 9;
      Crew(c.crewmen, 0, 20, 0, 0);
      Defend(1, 0, 0);
      state::PlayerShip[ship::kLastBoardingAttack] =
          0;  // no attack yet: no aim at the marines but this one
      BoardingCasualties.fill(0);
      state::Randomize(static_cast<std::uint32_t>(seed));
      combat::BoardingEnemyCounterattack();
      ASSERT_EQ(BoardingCasualties[1] + BoardingCasualties[3], 1);
      crewmenHit += BoardingCasualties[1];
    }
    const double share = static_cast<double>(crewmenHit) / volleys;
    EXPECT_GT(share, c.low);
    EXPECT_LT(share, c.high);
  }
}

TEST_F(BoardingTest, AfterAStandardAttackLoneDroidsAreHitOnlyByRareFreshDraws) {
  // The shots meant for the rest of the crew go to the officers, who are none: the pool stays
  // whole pass after pass, and only the rare fresh draws of the 1001 passes find a droid (the
  // pool, smaller than one droid, then goes at once).
  int volleysWithLoss = 0;
  for (std::uint32_t seed = 0; seed < 500; ++seed) {
    Crew(0, 0, 0, 0, 30);
    Defend(5, 0, 0);
    state::PlayerShip[ship::kLastBoardingAttack] = 1;
    BoardingCasualties.fill(0);
    state::Randomize(seed);
    combat::BoardingEnemyCounterattack();
    const std::int32_t lost = 30 - state::PlayerShip[ship::kDroids];
    EXPECT_LE(lost, 1);
    EXPECT_EQ(BoardingCasualties[5], lost);
    volleysWithLoss += lost;
  }
  // About 0.8 droid hits are expected in 1001 passes: a little over half the volleys lose one.
  EXPECT_GT(volleysWithLoss, 150);
  EXPECT_LT(volleysWithLoss, 400);
}

TEST_F(BoardingTest, CasualtiesNeverExceedTheMenAGroupHad) {
  for (std::uint32_t seed = 0; seed < 200; ++seed) {
    SCOPED_TRACE(seed);
    for (std::int32_t kind : {0, 1, 2, 3}) {
      Crew(1, 1, 1, 1, 1);
      Defend(40, 40, 40);
      state::PlayerShip[ship::kLastBoardingAttack] = kind;
      BoardingCasualties.fill(0);
      state::Randomize(seed);
      combat::BoardingEnemyCounterattack();
      for (int k = 1; k <= 5; ++k) {
        EXPECT_GE(state::PlayerShip[ship::kCrewmen - 1 + k], 0);
        EXPECT_EQ(BoardingCasualties[k], 1 - state::PlayerShip[ship::kCrewmen - 1 + k]);
      }
    }
  }
}

TEST_F(BoardingTest, AnExchangeFiresTheDefendersFirstWithThePreviousAttackKind) {
  // Fight the same exchange twice with a different attack left from the last fight: the
  // defenders' fire differs, the player's attack kind is stored afterwards either way.
  std::array<std::int32_t, 6> lost[2];
  for (std::int32_t previous : {1, 2}) {
    Crew(20, 5, 20, 20, 5);
    Defend(30, 30, 0);
    state::PlayerShip[ship::kLastBoardingAttack] = previous;
    state::Randomize(99);
    combat::BoardingPhase = combat::kFightingPhase;
    ui.transcript.clear();
    combat::BoardingExchange(BoardingAttack::Standard, board);
    EXPECT_EQ(state::PlayerShip[ship::kLastBoardingAttack], 1);
    lost[previous - 1] = {0,
                          20 - state::PlayerShip[ship::kCrewmen],
                          5 - state::PlayerShip[ship::kOfficers],
                          20 - state::PlayerShip[ship::kMarines],
                          20 - state::PlayerShip[ship::kPirates],
                          5 - state::PlayerShip[ship::kDroids]};
    EXPECT_EQ(ui.transcript[0], "cue button.wav");
    EXPECT_EQ(ui.Lines("music 1 CrewCombat").size(), 1u);
  }
  // After a commando assault the crewmen and pirates who stayed back are hard to hit.
  EXPECT_NE(lost[0], lost[1]);
}

TEST_F(BoardingTest, AnExchangeIsTheMusicDrawThenTheDefendersFireThenTheAttack) {
  struct Result {
    state::TShipRow player, enemy;
    std::uint32_t seed;
  };
  auto prepare = [] {
    Crew(20, 5, 20, 20, 5);
    Defend(30, 30, 3);
    state::PlayerShip[ship::kLastBoardingAttack] = 2;
    combat::BoardingPhase = combat::kFightingPhase;
  };
  auto result = [] { return Result{state::PlayerShip, state::EnemyShip, state::RandSeed}; };
  for (BoardingAttack kind :
       {BoardingAttack::Standard, BoardingAttack::Commando, BoardingAttack::Emp}) {
    SCOPED_TRACE(static_cast<int>(kind));
    // The exchange with the sound effects on...
    prepare();
    state::SoundEffectsOn = 1;
    state::Randomize(41);
    combat::BoardingExchange(kind, board);
    const Result exchanged = result();
    // ...is the crew-combat tune's draw, then the defenders' fire, then the attack.
    prepare();
    state::SoundEffectsOn = 0;
    state::RandSeed = SeedAfter(41, 1);
    combat::BoardingEnemyCounterattack();
    if (kind == BoardingAttack::Standard) combat::BoardingStandardAttack();
    if (kind == BoardingAttack::Commando) combat::BoardingCommandoAttack();
    if (kind == BoardingAttack::Emp) combat::BoardingEmpStrike(board);
    const Result composed = result();
    EXPECT_EQ(exchanged.player, composed.player);
    EXPECT_EQ(exchanged.enemy, composed.enemy);
    EXPECT_EQ(exchanged.seed, composed.seed);
  }
}

TEST_F(BoardingTest, AfterACommandoAssaultEveryPassIsTwoShotsEvenWhenThePoolIsSpent) {
  // One defending crewman against fifty marines: the first shot that finds the marines spends
  // the whole pool, and the pass still draws its second shot.
  for (std::uint32_t seed = 0; seed < 50; ++seed) {
    SCOPED_TRACE(seed);
    Crew(0, 0, 50, 0, 0);
    Defend(1, 0, 0);
    state::PlayerShip[ship::kLastBoardingAttack] = 2;
    state::Randomize(seed);
    combat::BoardingEnemyCounterattack();
    const std::uint32_t after = state::RandSeed;
    EXPECT_EQ(state::PlayerShip[ship::kMarines], 49);

    // The same draws by hand.
    state::Randomize(seed);
    std::int64_t h = 5 + state::Random(5);
    h /= 2;
    h -= h / 4;
    while (h > 0) {
      const std::int32_t first = state::Random(205);
      if (first >= 66 && first <= 180) {
        state::Random(static_cast<std::int32_t>(h / 2));
        h = 0;
      }
      std::int32_t second = state::Random(205);
      if (second > 194) second = 190;
      if (second >= 66 && second <= 180) {
        state::Random(static_cast<std::int32_t>(h / 2));
        h = 0;
      }
    }
    EXPECT_EQ(after, state::RandSeed);
  }
}

TEST_F(BoardingTest, ChoosingTheNextArea) {
  struct Case {
    const char* what;
    std::int32_t phase, area, areaState;
    bool answer;
    const char* line;
    bool entered;
  };
  const Case cases[] = {
      {"still under attack", 1, 2, 1, true,
       "popup: Under attack! / You are already under attack. First you have to overcome the "
       "enemy in this area of the ship.",
       false},
      {"a grey area", 2, 4, 2, true,
       "popup: N/A / You cannot yet attack this part of the enemy ship. You first have to secure "
       "the red area.",
       false},
      {"a secured area", 2, 1, 3, true,
       "popup: Secured! / You have already secured this part of the enemy ship. Try the red "
       "areas!",
       false},
      {"the corridors, declined", 2, 2, 1, false,
       "question: Selected area: Corridors / To advance to the more valuable areas of the ship "
       "you first have to secure the corridors of the enemy ship. Do you really want to attack "
       "this area of the enemy ship? -> no",
       false},
      {"the cargo bay", 2, 3, 1, true,
       "question: Selected area: Cargo bay / If you are able to seize the enemy cargo bay you have "
       "the choice to loot the cargo and return to your ship or to further advance to the enemy "
       "bridge. Do you really want to attack this area of the enemy ship? -> yes",
       true},
      {"the bridge", 2, 4, 1, true,
       "question: Selected area: Bridge / The final battle. If you are able to control the bridge "
       "you will control the ship and all survivors will immidiately surrender. Do you really want "
       "to attack this area of the enemy ship? -> yes",
       true},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    combat::BoardingPhase = combat::BoardingPhaseKind{c.phase};
    state::BoardingAreas[c.area] = c.areaState;
    state::EnemyShip[ship::kBoardedArea] = 1;
    ui.answers = {c.answer};
    ui.transcript.clear();
    combat::ChooseBoardingArea(c.area, board);
    ASSERT_GE(ui.transcript.size(), 2u);
    EXPECT_EQ(ui.transcript[1], c.line);
    EXPECT_EQ(state::EnemyShip[ship::kBoardedArea], c.entered ? c.area : 1);
    EXPECT_EQ(combat::BoardingPhase,
              c.entered ? combat::kFightingPhase : combat::BoardingPhaseKind{c.phase});
    if (c.entered) {
      EXPECT_EQ(ui.transcript.back(),
                "popup: Under attack! / This part of the enemy ship is still defended by the "
                "enemy crew. You are under attack!");
    }
  }
}

TEST_F(BoardingTest, DefendersTakeTheirPostsFromTheReserves) {
  auto& e = state::EnemyShip;
  struct Case {
    const char* what;
    std::int32_t area;
    std::array<std::int32_t, 5> reserve;  // crewmen, officers (unused), marines, pirates, droids
    int draws;
  };
  const Case cases[] = {
      {"corridors with crewmen", 2, {20, 0, 12, 9, 8}, 3},
      {"cargo bay with three crewmen: at least one", 3, {3, 0, 0, 0, 0}, 3},
      {"corridors of a pirate crew", 2, {0, 0, 4, 17, 0}, 3},
      {"corridors of nobody", 3, {0, 0, 0, 0, 0}, 2},
      {"the bridge takes everyone left", 4, {7, 0, 5, 3, 2}, 0},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    for (std::uint32_t seed = 0; seed < 30; ++seed) {
      e[ship::kCrewmen] = c.reserve[0], e[ship::kMarines] = c.reserve[2],
      e[ship::kPirates] = c.reserve[3], e[ship::kDroids] = c.reserve[4];
      Defend(0, 0, 0);
      e[ship::kBoardedArea] = c.area;
      state::Randomize(seed);
      combat::EnterBoardingArea(board);
      EXPECT_EQ(state::RandSeed, SeedAfter(seed, c.draws));
      EXPECT_EQ(combat::BoardingPhase, combat::kFightingPhase);
      if (c.area == 4) {
        EXPECT_EQ(e[ship::kDefendingCrewmen], c.reserve[0] + c.reserve[3]);
        EXPECT_EQ(e[ship::kDefendingMarines], c.reserve[2]);
        EXPECT_EQ(e[ship::kDefendingDroids], c.reserve[4]);
        EXPECT_EQ(e[ship::kCrewmen], c.reserve[0]);  // the reserves stay as they were
        continue;
      }
      // A quarter plus up to another quarter less one, taken from the reserve.
      const std::int32_t crewSource = c.reserve[0] > 0 ? c.reserve[0] : c.reserve[3];
      const std::int32_t crewLow = c.reserve[0] > 0 ? std::max(crewSource / 4, 1) : crewSource / 4;
      EXPECT_GE(e[ship::kDefendingCrewmen], crewLow);
      EXPECT_LE(e[ship::kDefendingCrewmen], std::max(crewLow, crewSource / 2));
      EXPECT_EQ(
          e[ship::kDefendingCrewmen] + (c.reserve[0] > 0 ? e[ship::kCrewmen] : e[ship::kPirates]),
          crewSource);
      EXPECT_EQ(e[ship::kDefendingMarines] + e[ship::kMarines], c.reserve[2]);
      EXPECT_EQ(e[ship::kDefendingDroids] + e[ship::kDroids], c.reserve[4]);
      EXPECT_LE(e[ship::kDefendingMarines], c.reserve[2] / 2);
    }
  }
}

TEST_F(BoardingTest, SecuringAnAreaOpensTheNextOnes) {
  struct Case {
    std::int32_t area;
    std::array<std::int32_t, 5> areasAfter;
  };
  for (const Case c : {Case{1, {0, 3, 1, 2, 2}}, Case{2, {0, 3, 3, 1, 1}}}) {
    SCOPED_TRACE(c.area);
    state::BoardingAreas[boarding_area::kAirlock] = c.area == 1 ? 1 : 3;
    state::BoardingAreas[boarding_area::kCorridors] = c.area == 1 ? 2 : 1;
    state::BoardingAreas[boarding_area::kCargoBay] = state::BoardingAreas[boarding_area::kBridge] =
        2;
    state::EnemyShip[ship::kBoardedArea] = c.area;
    combat::BoardingPhase = combat::kFightingPhase;
    Crew(5, 0, 0, 0, 0);
    Defend(0, 0, 0);
    BoardingCasualties = {0, 3, 1, 0, 0, 2};
    ui.transcript.clear();
    combat::ResolveBoardingRound(board);
    for (int a = 1; a <= 4; ++a) EXPECT_EQ(state::BoardingAreas[a], c.areasAfter[a]);
    EXPECT_EQ(combat::BoardingPhase, combat::kChoosingPhase);
    EXPECT_EQ(BoardingCasualties, (std::array<std::int32_t, 6>{}));
    EXPECT_EQ(ui.transcript, (std::vector<std::string>{
                                 "cue Reward1.wav",
                                 "popup: Area secure! / Your men have secured this area of the "
                                 "enemy ship. Now please select the next ship area to attack in "
                                 "the wireframe to your left."}));
    EXPECT_FALSE(board.closed);
  }
}

TEST_F(BoardingTest, ADefendedAreaWithCrewLeftGoesOn) {
  Crew(0, 1, 0, 0, 0);
  Defend(0, 1, 0);
  combat::ResolveBoardingRound(board);
  EXPECT_TRUE(ui.transcript.empty());
  EXPECT_FALSE(board.closed);
  EXPECT_EQ(board.popupsHidden, 1);
}

TEST_F(BoardingTest, DefeatLosesTheShip) {
  Crew(0, 0, 0, 0, 0);
  Defend(2, 0, 0);
  combat::ResolveBoardingRound(board);
  EXPECT_EQ(ui.transcript.front(),
            "popup: Defeat! / With your crew killed, you and your ship are helpless as the enemy "
            "ship moves closer for a final full volley of it\u00b4s ship cannons...");
  EXPECT_EQ(state::PlayerShip[ship::kShields], -1);
  EXPECT_EQ(state::PlayerShip[ship::kAlive], 0);
  EXPECT_TRUE(ui.closed);
  EXPECT_TRUE(board.closed);
  EXPECT_EQ(state::EnemyShip[ship::kAlive], 1);
}

TEST_F(BoardingTest, CargoBayPlunderOrOnToTheBridge) {
  auto& e = state::EnemyShip;
  state::EnemyShip[ship::kBoardedArea] = 3;
  state::BoardingAreas = {0, 3, 3, 1, 1};
  e[ship::kCargoSpace] = 10;
  Defend(0, 0, 0);
  Crew(5, 0, 0, 0, 0);

  // No: the cargo bay is secured and the bridge stays open; nothing is counted yet.
  ui.answers = {false};
  combat::ResolveBoardingRound(board);
  EXPECT_EQ(state::BoardingAreas[boarding_area::kCargoBay], 3);
  EXPECT_EQ(state::BoardingAreas[boarding_area::kBridge], 1);
  EXPECT_EQ(e[ship::kAlive], 1);
  EXPECT_FALSE(board.closed);
  EXPECT_EQ(ui.Lines("question: Cargobay! / Your men have reached the cargo bay. Do you wish to "
                     "plunder, leave explosives to blow it up and return to your ship? -> no")
                .size(),
            1u);
  EXPECT_EQ(state::PlayerData[player::kCorvettesDestroyed], 0);

  // Yes: blown up, experience, the loot without any multiplier, both screens close.
  state::BoardingAreas[boarding_area::kCargoBay] = 1;
  state::SpecialShips[2] = {};
  state::SpecialShips[2][special_ship::kActive] = 1,
  state::SpecialShips[2][special_ship::kKind] = state::Stored(kTraderShip),
  state::SpecialShips[2][special_ship::kSubKind] = state::Stored(kSubKindTreasureFleet);
  screens.sensorSelection = 2;
  ui.answers = {true};
  const std::int32_t credits = state::PlayerData[player::kCredits];
  combat::ResolveBoardingRound(board);
  EXPECT_EQ(e[ship::kAlive], 0);
  EXPECT_EQ(state::PlayerData[player::kExperience],
            state::GetShipClassExperience(state::kClassPaladin));
  EXPECT_EQ(state::PlayerData[player::kCorvettesDestroyed],
            1);  // counted once, as a destroyed ship of size 2
  const std::int32_t gained = state::PlayerData[player::kCredits] - credits;
  EXPECT_GE(gained, 70 * 10);
  EXPECT_LE(gained, 209 * 10);
  EXPECT_TRUE(ui.Lines("popup: Treasure fleet").empty());
  EXPECT_EQ(ui.Lines("loot popup").back(),
            "loot popup:  / Congratulations! You loot 10E of cargo. You can sell it for $" +
                state::FormatThousands(gained) + ". [treasurer.jpg]");
  EXPECT_EQ(ui.Lines("experience popup").size(), 1u);
  EXPECT_TRUE(board.closed);
  EXPECT_TRUE(ui.closed);
  EXPECT_TRUE(ui.Lines("picture popup: Mission completed!").empty());
}

TEST_F(BoardingTest, LootIsLimitedByTheFreeCargoSpace) {
  struct Case {
    std::int32_t capacity, used, enemyCargo, taken;
    std::string text;  // with "$" for the value
  };
  const Case cases[] = {
      {100, 60, 60, 40,
       "Congratulations! You loot 40E of cargo (20E have to be left behind due to limited cargo "
       "space). You can sell it for $"},
      {300, 0, 150, 150, "Congratulations! You loot 150E of cargo. You can sell it for $"},
      {50, 50, 30, 0,
       "Because of your full cargobay you - unfortunately - cannot loot any cargo from the "
       "remains of the enemy ship."},
      {50, 80, 30, 0,
       "Because of your full cargobay you - unfortunately - cannot loot any cargo from the "
       "remains of the enemy ship."},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.text);
    state::Cargo = {};
    state::Cargo[3] = c.used;
    state::PlayerShip[ship::kCargoSpace] = c.capacity;
    state::EnemyShip[ship::kAlive] = 1;
    state::EnemyShip[ship::kCargoSpace] = c.enemyCargo;
    state::EnemyShip[ship::kBoardedArea] = 3;
    state::BoardingAreas[boarding_area::kCargoBay] = 1;
    Defend(0, 0, 0);
    Crew(5, 0, 0, 0, 0);
    ui.answers = {true};
    ui.closed = board.closed = false;
    const std::int32_t credits = state::PlayerData[player::kCredits];
    combat::ResolveBoardingRound(board);
    const std::int32_t gained = state::PlayerData[player::kCredits] - credits;
    EXPECT_GE(gained, 70 * c.taken);
    EXPECT_LE(gained, 209 * c.taken);
    std::string expected = "loot popup:  / " + c.text;
    if (c.taken > 0) expected += state::FormatThousands(gained) + ".";
    EXPECT_EQ(ui.Lines("loot popup").back(), expected + " [treasurer.jpg]");
  }
}

class CaptureTest : public BoardingTest {
 protected:
  void SetUp() override {
    BoardingTest::SetUp();
    Prepare(state::kClassPaladin);
  }
  // The bridge of an enemy of `enemyClass` has just fallen to a crew of five.
  void Prepare(state::ShipClassId enemyClass) {
    Ships(state::kClassShadowcat, enemyClass);
    state::EnemyShip[ship::kBoardedArea] = 4;
    state::BoardingAreas = {0, 3, 3, 1, 1};
    state::EnemyShip[ship::kCargoSpace] = 0;
    state::PlayerShip[ship::kCargoSpace] = 0;
    Defend(0, 0, 0);
    Crew(5, 0, 0, 0, 0);
    state::PlayerData[player::kRank] = 4;
  }
  void Capture(bool sell) {
    board.choices = {sell};
    combat::ResolveBoardingRound(board);
  }
};

TEST_F(CaptureTest, SellingPaysAFifthOfTheClassPrice) {
  const std::int32_t credits = state::PlayerData[player::kCredits];
  Capture(true);
  const std::int32_t price = state::GetShipClassStat(state::kClassPaladin, state::kAttrPrice) / 5;
  EXPECT_EQ(state::PlayerData[player::kCredits] - credits, price);
  EXPECT_EQ(state::EnemyShip[ship::kAlive], 0);
  EXPECT_EQ(state::PlayerShip[ship::kClass], 6);
  EXPECT_EQ(state::PlayerData[player::kExperience],
            2 * state::GetShipClassExperience(state::kClassPaladin));
  EXPECT_EQ(state::PlayerData[player::kCorvettesDestroyed], 1);
  EXPECT_EQ(ui.Lines("popup: Bridge!").front(),
            "popup: Bridge! / You have gained control over the bridge! The ship is yours!");
  EXPECT_EQ(ui.Lines("choice: ").front(),
            "choice: Keep enemy ship? / Your first officer comes over to you and asks you whether "
            "you wish to SELL the captured ship or KEEP it? If you decide to SELL it you would get "
            "$ " + state::FormatThousands(price) + ". [Outerrim_Paladin_scene.jpg] Sell it | Keep it -> "
            "Sell it");
  EXPECT_EQ(ui.Lines("popup: Enemy ship sold!").front(),
            "popup: Enemy ship sold! / You sell the enemy ship for $ " +
                state::FormatThousands(price) + ". Good deal!");
  EXPECT_TRUE(board.closed);
  EXPECT_TRUE(ui.closed);
}

TEST_F(CaptureTest, AKeptShipGetsTheStandardFitAndShedsCrewItHasNoRoomFor) {
  struct Case {
    const char* what;
    std::array<std::int32_t, 5> crew;   // crewmen, officers, marines, pirates, droids
    std::array<std::int32_t, 5> after;
  };
  // A Hellcat with its standard fit keeps 20 hands.
  state::TShipRow fitted{};
  fitted[ship::kClass] = 8;
  state::ApplyStandardFit(fitted);
  ASSERT_EQ(state::GetShipMaxCrew(state::kClassHellcat, CargoModuleId{fitted[ship::kCargoModule]}), 20);
  const Case cases[] = {
      {"crewmen leave first", {30, 2, 3, 0, 0}, {15, 2, 3, 0, 0}},
      {"then pirates, then marines", {4, 10, 12, 6, 5}, {0, 10, 5, 0, 5}},
      {"then officers, then droids", {0, 18, 0, 0, 9}, {0, 11, 0, 0, 9}},
      {"droids last", {0, 0, 0, 0, 25}, {0, 0, 0, 0, 20}},
      {"a crew that fits stays", {10, 2, 3, 4, 1}, {10, 2, 3, 4, 1}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    Prepare(state::kClassHellcat);
    Crew(c.crew[0], c.crew[1], c.crew[2], c.crew[3], c.crew[4]);
    auto& p = state::PlayerShip;
    p[ship::kSimulatorMissile] = 9;
    p[ship::kGun] = state::Stored(kGunDisruptor);
    state::EnemyShip[ship::kFaction] = 3;
    state::MissionOffers[1][2][mission::kActive] = 1;
    state::Randomize(SeedForRoll(90));  // no droids turn up in the cargo bay
    Capture(false);
    EXPECT_EQ(p[ship::kClass], 8);
    EXPECT_EQ(p[ship::kFaction], 3);
    EXPECT_EQ(p[ship::kShields], state::GetShipClassBaseShields(state::kClassHellcat));
    EXPECT_EQ(p[ship::kSimulatorMissile], 0);
    for (const ship::Field field : ship::kFittedItems)
      EXPECT_EQ(p[field], fitted[field]) << field.position;
    EXPECT_EQ(p[ship::kCargoSpace],
              state::GetShipCargoCapacity(state::kClassHellcat, CargoModuleId{p[ship::kCargoModule]},
                                          state::Side::Player));
    EXPECT_EQ(state::MissionOffers[1][2][mission::kActive], 0);
    const std::array<std::int32_t, 5> after{p[ship::kCrewmen], p[ship::kOfficers],
                                            p[ship::kMarines], p[ship::kPirates], p[ship::kDroids]};
    EXPECT_EQ(after, c.after);
    const bool shed = c.crew != c.after;
    EXPECT_EQ(ui.Lines("popup: Crew members leave!").size(), shed ? 1u : 0u);
    ui.transcript.clear();
  }
}

TEST_F(CaptureTest, DroidsFoundOnTheBridgeNumberUpToRankAndHalfAgain) {
  int found = 0;
  for (std::uint32_t seed = 0; seed < 300; ++seed) {
    SetUp();
    state::Randomize(seed);
    Capture(true);
    const std::int32_t n = state::PlayerShip[ship::kDroids];
    if (n == 0) continue;
    ++found;
    EXPECT_LE(n, 4 + 4 / 2 - 1);  // 1..4, plus Random(n div 2)
    EXPECT_EQ(ui.Lines("picture popup: Droids captured!").back(),
              "picture popup: Droids captured! / You are lucky. In the cargo bay of the enemy ship "
              "you find " + std::to_string(n) + " brand-new combat droid(s). They will greatly "
              "increase the firepower of your crew. [Crew_Droid.jpg]");
    ui.transcript.clear();
  }
  // Random(100) at most 20: 21 captures in 100 find droids.
  EXPECT_GT(found, 40);
  EXPECT_LT(found, 90);
}

TEST_F(CaptureTest, AnAbductionEndsWithTheMissionPaidAndTheTargetGone) {
  auto& m = state::ActiveMission;
  m[mission::kActive] = 1, m[mission::kType] = state::Stored(kMissionAbduction),
  m[mission::kReward] = 12345, m[mission::kCampaignSystem] = 0;
  state::SpecialShips[4] = {};
  state::SpecialShips[4][special_ship::kActive] = 1,
  state::SpecialShips[4][special_ship::kKind] = state::Stored(kTraderShip),
  state::SpecialShips[4][special_ship::kSubKind] = state::Stored(kSubKindVip);
  screens.sensorSelection = 4;
  const std::int32_t credits = state::PlayerData[player::kCredits];
  Capture(true);
  EXPECT_EQ(m[mission::kActive], 0);
  EXPECT_EQ(state::SpecialShips[4][special_ship::kActive], 0);
  EXPECT_EQ(state::PlayerData[player::kMissionsCompleted], 1);
  const std::int32_t price = state::GetShipClassStat(state::kClassPaladin, state::kAttrPrice) / 5;
  EXPECT_EQ(state::PlayerData[player::kCredits] - credits, price + 12345);
  EXPECT_EQ(ui.Lines("picture popup: Mission completed!").front(),
            "picture popup: Mission completed! / You have completed your mission and receive a "
            "reward of $" + state::FormatThousands(12345) + " [GeneralMissionPic.jpg]");
  EXPECT_EQ(state::PlayerData[player::kExperience],
            2 * state::GetShipClassExperience(state::kClassPaladin) + 5000);
  // The target has left the sensors, so no ransom is paid on top.
  EXPECT_TRUE(ui.Lines("picture popup: VIP").empty());
}

TEST_F(CaptureTest, SpecialShipRewards) {
  const std::int32_t x = state::GetShipClassExperience(state::kClassPaladin);
  struct Case {
    const char* what;
    std::int32_t kind, subKind;
    bool ransomChosen, campaign;
    std::int64_t paidLow, paidHigh;
    std::int32_t attackerGain, defenderGain;
    const char* popup;
  };
  const Case cases[] = {
      {"a famous pirate", 3, 2, false, false, 2 * x, 2 * x, 0, 0, "picture popup: Reward"},
      {"a VIP", 1, 2, false, false, 3 * x, 4 * x - 1, 0, 0, "picture popup: VIP"},
      {"a military VIP for ransom", 2, 2, true, true, 3 * x, 3 * x, 0, 0, "popup: Ransom!"},
      {"a military VIP captured", 2, 2, false, true, 0, 0, 5, 0, "popup: Capture!"},
      {"a military VIP captured, no campaign", 2, 2, false, false, 0, 0, 0, 0, nullptr},
      {"military supplies", 1, 5, false, true, 0, 0, 5, 0, "popup: Military supplies!"},
      {"a ship on an important mission", 2, 3, false, true, 0, 0, 5, 0, "popup: War supported!"},
      {"a common trader", 1, 1, false, true, 0, 0, 0, 0, nullptr},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    SetUp();
    state::SpecialShips[3] = {};
    state::SpecialShips[3][special_ship::kActive] = 1,
    state::SpecialShips[3][special_ship::kKind] = c.kind;
    state::SpecialShips[3][special_ship::kSubKind] = c.subKind;
    screens.sensorSelection = 3;
    auto& sys = state::SystemData[1];
    sys[star_system::kCampaign] = c.campaign ? 1 : 0, sys[star_system::kAttacker] = 1,
    sys[star_system::kAttackerPoints] = 100, sys[star_system::kDefenderPoints] = 100;
    board.choices = {true, c.ransomChosen};  // sell the ship; then the ransom question
    const std::int32_t credits = state::PlayerData[player::kCredits];
    ui.transcript.clear();
    combat::ResolveBoardingRound(board);
    const std::int64_t paid = static_cast<std::int64_t>(state::PlayerData[player::kCredits]) -
                              credits -
                              state::GetShipClassStat(state::kClassPaladin, state::kAttrPrice) / 5;
    EXPECT_GE(paid, c.paidLow);
    EXPECT_LE(paid, c.paidHigh);
    EXPECT_EQ(sys[star_system::kAttackerPoints], 100 + c.attackerGain);
    EXPECT_EQ(sys[star_system::kDefenderPoints], 100 + c.defenderGain);
    const std::vector<std::string> rewardLines = [&] {
      std::vector<std::string> lines;
      for (const auto& line : ui.transcript)
        if (line.find("Reward") != std::string::npos || line.find("VIP") != std::string::npos ||
            line.find("supplies") != std::string::npos ||
            line.find("War supported") != std::string::npos ||
            line.find("Ransom!") != std::string::npos || line.find("Capture!") != std::string::npos)
          if (line.rfind("popup", 0) == 0 || line.rfind("picture popup", 0) == 0)
            lines.push_back(line);
      return lines;
    }();
    if (c.popup == nullptr) {
      EXPECT_TRUE(rewardLines.empty());
    } else {
      ASSERT_EQ(rewardLines.size(), 1u);
      EXPECT_EQ(rewardLines[0].rfind(c.popup, 0), 0u) << rewardLines[0];
    }
  }
}

TEST_F(BoardingTest, ShipHospitalSavesHalfTheLossesSinceTheLastSecuredArea) {
  Crew(1, 1, 1, 1, 1);
  BoardingCasualties = {0, 5, 3, 1, 0, 4};
  state::PlayerShip[ship::kCargoModule] = state::Stored(kModuleCargoManagement);
  combat::ApplyShipHospital(board);
  EXPECT_TRUE(ui.transcript.empty());
  EXPECT_EQ(state::PlayerShip[ship::kCrewmen], 1);

  state::PlayerShip[ship::kCargoModule] = state::Stored(kModuleShipHospital);
  combat::ApplyShipHospital(board);
  EXPECT_EQ(ui.transcript.back(),
            "popup: Ship hospital! / After the combat 5 men could be saved from death and are able "
            "to return to service.");
  const std::array<std::int32_t, 5> crew{
      state::PlayerShip[ship::kCrewmen], state::PlayerShip[ship::kOfficers],
      state::PlayerShip[ship::kMarines], state::PlayerShip[ship::kPirates],
      state::PlayerShip[ship::kDroids]};
  EXPECT_EQ(crew, (std::array<std::int32_t, 5>{3, 2, 1, 1, 3}));
}

TEST_F(BoardingTest, RetreatClosesBothScreensAndLeavesTheEnemyAlive) {
  ui.answers = {false};
  combat::RetreatFromBoarding(board);
  EXPECT_FALSE(board.closed);
  EXPECT_FALSE(ui.closed);

  state::PlayerShip[ship::kCargoModule] = state::Stored(kModuleShipHospital);
  BoardingCasualties = {0, 4, 0, 0, 0, 0};
  Crew(2, 0, 0, 0, 0);
  ui.answers = {true};
  combat::RetreatFromBoarding(board);
  EXPECT_TRUE(board.closed);
  EXPECT_TRUE(ui.closed);
  EXPECT_EQ(state::EnemyShip[ship::kAlive], 1);
  EXPECT_EQ(state::PlayerShip[ship::kCrewmen], 4);
  EXPECT_EQ(ui.Lines("picture popup: You escape!").front(),
            "picture popup: You escape! / You are able to escape from the battle! "
            "[Federation_Shadowcat_Scene.jpg]");
  EXPECT_EQ(ui.Lines("boarding screen closed").size(), 1u);
}

TEST_F(BoardingTest, TheCaptainBoardsOnlyAStrongerCrewAndFightsItToAnEnd) {
  auto& e = state::EnemyShip;
  e[ship::kCrewmen] = 10, e[ship::kMarines] = 10, e[ship::kPirates] = 0,
  e[ship::kDroids] = 2;  // 100 + 300 + 100
  Crew(0, 0, 16, 0, 0);
  EXPECT_FALSE(combat::CaptainBoards());
  Crew(0, 0, 17, 0, 0);
  EXPECT_TRUE(combat::CaptainBoards());

  int captured = 0, plundered = 0, retreated = 0, defeated = 0;
  for (std::uint32_t seed = 0; seed < 40; ++seed) {
    SCOPED_TRACE(seed);
    SetUp();
    ui.closed = false;
    e[ship::kAlive] = 1, e[ship::kCrewmen] = 20, e[ship::kMarines] = 8, e[ship::kDroids] = 4,
    e[ship::kCargoSpace] = 5;
    Crew(10, 3, 20 + static_cast<std::int32_t>(seed), 0, 0);
    Defend(5, 2, 1);
    e[ship::kCrewmen] -= 5, e[ship::kMarines] -= 2, e[ship::kDroids] -= 1;
    state::Randomize(seed);
    combat::RecordingBoardingUi captain{ui, ui.transcript};
    ui.defaultAnswer = true;
    captain.defaultChoice = false;  // a ship taken on the bridge is kept
    combat::PlayBoardingFight(captain);
    EXPECT_TRUE(captain.closed);
    EXPECT_EQ(state::BoardingMayClose, 0);
    if (!ui.Lines("popup: Bridge!").empty()) ++captured;
    if (!ui.Lines("question: Cargobay!").empty()) ++plundered;
    if (!ui.Lines("picture popup: You escape!").empty()) ++retreated;
    if (!ui.Lines("popup: Defeat!").empty()) ++defeated;
    ui.transcript.clear();
  }
  EXPECT_GT(captured, 0);
  EXPECT_EQ(captured + plundered + retreated + defeated, 40);
}

// A mission fight against a larger ship, flown with a boarding shuttle and a strong crew: the
// offer is certain once the enemy's shields are weak, the captain boards, and the fight ends on
// the bridge (or with the boarding crew beaten back).
struct MissionRun {
  std::vector<std::string> transcript;
  state::TShipRow ship{};
  std::int32_t missionActive = 0;
};

MissionRun BoardingMission(std::uint32_t seed) {
  state::ClearGameState();
  state::Randomize(seed);
  state::PlayerData[player::kProfession] = 2;
  state::PlayerData[player::kFaction] = 1;
  support::ScriptUi screens;
  rules::CreateNewGameWorld(state::StartShipClass(kProfessionCombatTrader, kFactionFederation), screens);
  auto& p = state::PlayerShip;
  p[ship::kClass] = 9;  // a Patton
  state::ApplyStandardFit(p);
  p[ship::kCargoModule] = state::Stored(kModuleBoardingShuttle);
  p[ship::kShields] = state::GetShipClassBaseShields(state::kClassPatton);
  p[ship::kCrewmen] = 20, p[ship::kOfficers] = 4, p[ship::kMarines] = 30, p[ship::kPirates] = 0,
  p[ship::kDroids] = 0;
  auto& m = state::ActiveMission;
  m = {};
  m[mission::kActive] = 1, m[mission::kType] = state::Stored(kMissionSearchAndDestroy),
  m[mission::kReward] = 5000;
  m[mission::kTargetBody] = p[ship::kBody], m[mission::kTargetSystem] = p[ship::kSystem],
  m[mission::kEnemyClass] = 6, m[mission::kEnemyFaction] = 2;  // a Shadowcat

  combat::EngineFights fights(screens);
  rules::CheckMissionOnArrival(fights);
  MissionRun run;
  run.transcript = fights.Transcript();
  run.ship = state::PlayerShip;
  run.missionActive = m[mission::kActive];
  return run;
}

TEST(BoardingMission, AMissionFightEndsInACaptureOnTheEngine) {
  int captures = 0;
  for (std::uint32_t seed = 1; seed <= 12; ++seed) {
    SCOPED_TRACE(seed);
    const MissionRun run = BoardingMission(seed);
    const auto count = [&run](std::string_view prefix) {
      return std::count_if(run.transcript.begin(), run.transcript.end(), [&](const std::string& l) {
        return std::string_view(l).substr(0, prefix.size()) == prefix;
      });
    };
    if (count("question: Boarding?") == 0) continue;  // destroyed before its shields were weak
    EXPECT_EQ(count("question: Boarding?"), 1);
    ASSERT_EQ(count("boarding screen opened"), 1);
    EXPECT_EQ(count("boarding screen closed"), 1);
    EXPECT_EQ(count("combat screen closed"), 1);
    if (count("popup: Bridge!") == 1) {
      ++captures;
      // The mission is won by the capture; the Shadowcat is worth less than the Patton: sold.
      EXPECT_EQ(run.missionActive, 0);
      EXPECT_EQ(count("popup: Enemy ship sold!"), 1);
      EXPECT_EQ(run.ship[ship::kClass], 9);
    }
  }
  EXPECT_GT(captures, 0);
  // The same seed fights the same fight.
  const MissionRun a = BoardingMission(3);
  const MissionRun b = BoardingMission(3);
  EXPECT_EQ(a.transcript, b.transcript);
  EXPECT_EQ(a.ship, b.ship);
}

}  // namespace
}  // namespace combat_test
