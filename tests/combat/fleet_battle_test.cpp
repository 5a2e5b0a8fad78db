// The fleet battle: the fleets a battle starts with, what the screen shows, the own attack, the
// escort's duel exchange by exchange, the emergency recharge, retreat and the outcome; then whole
// battles on the combat engine, from a mission's arrival to its end.
#include "combat/fleet_battle.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "combat/engine_fights.h"
#include "combat/recording_fleet_ui.h"
#include "combat/sides.h"
#include "combat_fixture.h"
#include "rules/mission_arrival.h"
#include "rules/missions.h"
#include "rules/new_game.h"
#include "state/equipment.h"
#include "state/equipment_ids.h"
#include "state/fields.h"
#include "state/progression.h"
#include "state/random.h"
#include "state/ship_class_of.h"
#include "state/ship_classes.h"
#include "state/start_ship.h"
#include "support/rows.h"
#include "support/script_ui.h"

namespace {

using state::EnemyFleet;
using state::PlayerFleet;
using state::PlayerShip;

constexpr fleet_ship::Field kAlive = fleet_ship::kAlive, kFaction = fleet_ship::kFaction,
              kClass = fleet_ship::kClass, kHp = fleet_ship::kHitPoints,
              kRole = fleet_ship::kRole;

using enum state::ShipClassId;

// A fleet row's role, as the battle reads it.
combat::FleetRole RoleOf(const state::TFleetShipRow& row) { return combat::FleetRole{row[kRole]}; }

// How the ship fight of an own attack ends, written into the ship rows as the combat screen would.
enum class Fight { EnemyDestroyed, PlayerFled, PlayerDestroyed };

class OwnAttackScript : public support::ScriptUi {
 public:
  Fight outcome = Fight::EnemyDestroyed;
  std::vector<std::vector<std::int32_t>> setups;  // class, faction, kind, tier
  std::vector<std::string> encounters;            // topic / opponent / text [picture]
  std::int32_t enemyShieldsAtFight = 0;
  int fights = 0;

  void SetupShipCombat(state::ShipClassId c, Faction f, ShipKind k, std::int32_t t) override {
    setups.push_back({state::Stored(c), state::Stored(f), state::Stored(k), t});
    ScriptUi::SetupShipCombat(c, f, k, t);
    state::EnemyShip[ship::kShields] =
        999999;  // set-up fills full shields; the battle overwrites them
  }
  void ShowEncounter(std::string_view topic, std::string_view opponent, std::string_view text,
                     std::string_view picture) override {
    encounters.push_back(std::string(topic) + " / " + std::string(opponent) + " / " +
                         std::string(text) + " [" + std::string(picture) + "]");
  }
  void RunShipCombat() override {
    ++fights;
    enemyShieldsAtFight = state::EnemyShip[ship::kShields];
    state::EnemyShip[ship::kShields] = 1;  // whatever the fight left
    if (outcome == Fight::EnemyDestroyed) state::EnemyShip[ship::kAlive] = 0;
    if (outcome == Fight::PlayerDestroyed) PlayerShip[ship::kAlive] = 0;
  }
};

class FleetBattle : public combat_test::CombatTest {
 protected:
  OwnAttackScript script;
  combat::RecordingFleetUi fleet{script};

  void SetUp() override {
    CombatTest::SetUp();
    Ships(kClassGettysburg, state::kClassStarwolf);
    PlayerShip[ship::kFaction] = 1;
    PlayerShip[ship::kEngine] = state::Stored(kEngineTravellerMk1);
    PlayerShip[ship::kCargoModule] = state::Stored(kModuleCargoBay);
    for (int f = 0; f <= 4; ++f) state::FactionText[f][faction_text::kShortName] = 'F' + std::to_string(f);
    for (int r = 0; r < state::kFleetRows; ++r) PlayerFleet[r] = EnemyFleet[r] = {};
    state::FleetBattleMayClose = 0;
    state::ActiveMission = {};
  }

  // A fresh battle inside one test: the game state and every recorder start over.
  void Fresh() {
    SetUp();
    script = OwnAttackScript();
    fleet.transcript.clear();
    fleet.answers.clear();
    fleet.closed = false;
    fleet.speedButtonsEnabled = true;
    fleet.refreshes = fleet.shieldBarRedraws = fleet.duelPanelShows = 0;
    ui.transcript.clear();
  }

  static void Row(state::TFleetShipRow& row, state::ShipClassId shipClass, combat::FleetRole role,
                  std::int32_t hp = -1, Faction faction = kFactionOuterRim) {
    row = test_rows::FleetShipRow()
              .Alive()
              .Faction(faction)
              .Class(shipClass)
              .HitPoints(hp < 0 ? state::GetShipClassBaseShields(shipClass) : hp)
              .Role(role);
  }

  // The flagship in own row 1, an escort destroyer in own row 2; enemies in rows 1.. as given.
  void SmallBattle(std::initializer_list<combat::FleetRole> enemyRoles) {
    Row(PlayerFleet[1], kClassGettysburg, combat::kRoleFlagship, PlayerShip[ship::kShields],
        kFactionFederation);
    Row(PlayerFleet[2], kClassPatton, combat::kRoleDestroyer, -1, kFactionFederation);
    int r = 1;
    for (const combat::FleetRole role : enemyRoles)
      Row(EnemyFleet[r++], role == combat::kRoleStation ? state::kStarbaseClass : kClassPatton, role);
  }

  std::vector<std::string> Popups() const {
    std::vector<std::string> found;
    for (const auto& line : fleet.transcript)
      if (line.rfind("popup: ", 0) == 0) found.push_back(line.substr(7));
    return found;
  }
  static std::int32_t MaxShields() { return combat::MaxShields(combat::Side::Player); }
};

const std::string kNoTarget =
    "No target / You have not yet selected a target to attack! To do so click on one of the enemy "
    "fleet's symbols in the upper part of the screen.";
const std::string kStationLast =
    "N/A / You cannot attack the spacestation at this time. You first have to destroy all other "
    "enemy ships.";
const std::string kWon = "Enemy fleet destroyed! / Congratulations! The enemy fleet is destroyed.";
const std::string kLost = "Your fleet destroyed! / Your fleet has been destroyed. You have failed!";

// --- The fleets a battle starts with -------------------------------------------------------------

bool FactionFlies(std::int32_t faction, state::ShipClassId shipClass) {
  const std::int32_t c = state::GetShipClassStat(shipClass, state::kAttrEncounterCategory);
  if (c < 0) return faction == -c;
  const std::vector<std::vector<int>> fly = {{0, 1, 2, 3, 4}, {0, 1, 2, 3, 4}, {2, 3, 4}, {0, 2, 3},
                                             {1, 2, 3, 4},    {0, 3, 4},       {0, 2, 4}};
  return std::count(fly[c].begin(), fly[c].end(), faction) > 0;
}

TEST_F(FleetBattle, EveryBattleStartsWithTwoFullFleetsTheScreenCanShow) {
  struct Case {
    const char* name;
    MissionType missionType;  // kNoMissionType: none active
    std::int32_t kind;
    bool starbase;
  };
  const Case cases[] = {
      {"hidden test battle", kNoMissionType, rules::kFleetKindMission, false},
      {"Blitzkrieg", kMissionBlitzkrieg, rules::kFleetKindMission, false},
      {"Flanking", kMissionFlanking, rules::kFleetKindMission, false},
      {"Suppression", kMissionSuppression, rules::kFleetKindMission, false},
      {"Bombing run", kMissionBombingRun, rules::kFleetKindMission, false},
      {"Battle", kMissionBattle, rules::kFleetKindMission, false},
      {"Siege", kMissionSiege, rules::kFleetKindMission, false},
      {"Raiding", kMissionRaiding, rules::kFleetKindMission, false},
      {"weakened starbase", kNoMissionType, rules::kFleetKindStarbaseWeakened, true},
      {"strong starbase", kMissionBattle, rules::kFleetKindStarbaseStrong, true},
  };
  for (const Case& c : cases) {
    for (std::int32_t pf = 1; pf <= 4; ++pf) {
      for (std::int32_t enemy = 0; enemy <= 4; ++enemy) {
        SCOPED_TRACE(std::string(c.name) + " player " + std::to_string(pf) + " enemy " +
                     std::to_string(enemy));
        // Leftovers of an earlier battle everywhere.
        for (int r = 1; r <= 10; ++r) {
          Row(PlayerFleet[r], state::kClassStarwolf, combat::kRoleDestroyer);
          Row(EnemyFleet[r], state::kClassStarwolf, combat::kRoleDestroyer);
        }
        combat::SelectedEscort = 3, combat::SelectedTarget = 4, combat::FleetBattleWon = 1;
        PlayerShip[ship::kEmergencyRechargeUsed] = 1;
        PlayerShip[ship::kShields] = 1234;
        state::PlayerData[player::kFaction] = pf;
        PlayerShip[ship::kFaction] = pf;
        state::ActiveMission = {};
        state::ActiveMission[mission::kActive] = c.missionType != kNoMissionType;
        state::ActiveMission[mission::kType] = state::Stored(c.missionType);

        combat::PrepareFleetBattle(Faction{enemy}, c.kind);

        EXPECT_EQ(combat::SelectedEscort, 0);
        EXPECT_EQ(combat::SelectedTarget, 0);
        EXPECT_EQ(combat::FleetBattleWon, 0);
        EXPECT_EQ(PlayerShip[ship::kEmergencyRechargeUsed], 0);
        // The flagship stands for the player's own ship.
        EXPECT_EQ(PlayerFleet[1][kAlive], 1);
        EXPECT_EQ(RoleOf(PlayerFleet[1]), combat::kRoleFlagship);
        EXPECT_EQ(state::ShipClassOf(PlayerFleet[1]), kClassGettysburg);
        EXPECT_EQ(PlayerFleet[1][kHp], 1234);
        int escorts = 0, enemies = 0;
        for (int r = 2; r <= 10; ++r) {
          const auto& row = PlayerFleet[r];
          if (row[kAlive] == 0) {
            EXPECT_EQ(row, state::TFleetShipRow{}) << "unused own row " << r;
            continue;
          }
          ++escorts;
          EXPECT_EQ(row[kFaction], pf);
          EXPECT_TRUE(RoleOf(row) == combat::kRoleCruiser || RoleOf(row) == combat::kRoleDestroyer)
              << "own row " << r << " role " << row[kRole];
          EXPECT_TRUE(FactionFlies(pf, state::ShipClassOf(row))) << "own row " << r;
          EXPECT_EQ(row[kHp], state::GetShipClassBaseShields(state::ShipClassOf(row)));
        }
        for (int r = 1; r <= 10; ++r) {
          const auto& row = EnemyFleet[r];
          if (row[kAlive] == 0) {
            EXPECT_EQ(row, state::TFleetShipRow{}) << "unused enemy row " << r;
            continue;
          }
          ++enemies;
          EXPECT_EQ(row[kFaction], enemy);
          const bool station = c.starbase && r == 1;
          EXPECT_EQ(state::ShipClassOf(row) == state::kStarbaseClass, station) << "enemy row " << r;
          EXPECT_EQ(RoleOf(row) == combat::kRoleStation, station) << "enemy row " << r;
          EXPECT_GE(RoleOf(row), combat::kRoleStation);
          EXPECT_LE(RoleOf(row), combat::kRoleDestroyer);
          EXPECT_GT(row[kHp], 0);
          EXPECT_EQ(row[kHp], state::GetShipClassBaseShields(state::ShipClassOf(row)));
        }
        EXPECT_GE(escorts, 3);
        EXPECT_GE(enemies, 4);
        // Every ship has a symbol: one large and five small own, three large and seven small enemy.
        const combat::FleetBattleView view = combat::BuildFleetBattleView();
        int shownOwn = view.ownLarge.visible, shownEnemy = 0;
        for (const auto& s : view.ownSmall) shownOwn += s.visible;
        for (const auto& s : view.enemyLarge) shownEnemy += s.visible;
        for (const auto& s : view.enemySmall) shownEnemy += s.visible;
        EXPECT_EQ(shownOwn, escorts + 1);
        EXPECT_EQ(shownEnemy, enemies);
        if (c.kind == rules::kFleetKindStarbaseStrong) {
          EXPECT_EQ(RoleOf(EnemyFleet[4]), combat::kRoleBattleship);
          EXPECT_EQ(RoleOf(EnemyFleet[5]), combat::kRoleCruiser);
          EXPECT_EQ(RoleOf(EnemyFleet[6]), combat::kRoleCruiser);
        }
      }
    }
  }
}

TEST_F(FleetBattle, AConvoyIsMadeOfFreightersAndTheRebelsOfTheOwnFaction) {
  state::PlayerData[player::kFaction] = 1;
  state::ActiveMission[mission::kActive] = 1;
  state::ActiveMission[mission::kType] = state::Stored(kMissionFlanking);
  combat::PrepareFleetBattle(kFactionCoalition, rules::kFleetKindMission);
  int civilians = 0;
  for (int r = 1; r <= 10; ++r)
    civilians += EnemyFleet[r][kAlive] > 0 &&
                 state::GetShipClassRole(state::ShipClassOf(EnemyFleet[r])) == state::kRoleCivilian;
  EXPECT_GE(civilians, 3);
  // Escorts are warships.
  for (int r = 2; r <= 10; ++r) {
    if (PlayerFleet[r][kAlive] > 0) {
      EXPECT_EQ(state::GetShipClassRole(state::ShipClassOf(PlayerFleet[r])), state::kRoleMilitary);
    }
  }
}

// --- What the screen shows -----------------------------------------------------------------------

TEST_F(FleetBattle, SymbolsGoToTheFirstFreePlacesAndExtraShipsAreNotShown) {
  // Own: the flagship and a second large ship, then six small ones; one dead row in between.
  Row(PlayerFleet[1], kClassGettysburg, combat::kRoleFlagship, 100, kFactionFederation);
  Row(PlayerFleet[2], kClassGettysburg, combat::kRoleBattleship, -1, kFactionFederation);
  for (int r = 3; r <= 9; ++r)
    Row(PlayerFleet[r], kClassPatton, r % 2 ? combat::kRoleDestroyer : combat::kRoleCruiser, -1,
        kFactionFederation);
  PlayerFleet[5][kAlive] = 0;
  // Enemy: a station and three battleships, then eight small ones... only six rows remain.
  Row(EnemyFleet[1], state::kStarbaseClass, combat::kRoleStation);
  for (int r = 2; r <= 4; ++r) Row(EnemyFleet[r], kClassGettysburg, combat::kRoleBattleship);
  for (int r = 5; r <= 10; ++r) Row(EnemyFleet[r], kClassPatton, combat::kRoleDestroyer);
  combat::SelectedEscort = 4;
  combat::SelectedTarget = 3;

  const combat::FleetBattleView v = combat::BuildFleetBattleView();
  EXPECT_TRUE(v.ownLarge.visible);
  EXPECT_EQ(v.ownLarge.row, 1);
  EXPECT_EQ(v.ownLarge.picture, "ship_blue_large_left_off.bmp");
  const std::vector<std::int32_t> ownSmallRows = {3, 4, 6, 7, 8};  // row 9 has no place left
  for (int i = 0; i < 5; ++i) EXPECT_EQ(v.ownSmall[i].row, ownSmallRows[i]);
  EXPECT_EQ(v.ownSmall[0].picture, "ship_blue_small_left_off.bmp");
  EXPECT_EQ(v.ownSmall[1].picture, "ship_blue_med_left_on.bmp");
  // The station and two battleships take the three large places; the third battleship is hidden.
  EXPECT_EQ(v.enemyLarge[0].picture, "station_red_off.bmp");
  EXPECT_EQ(v.enemyLarge[1].row, 2);
  EXPECT_EQ(v.enemyLarge[2].picture, "ship_red_large_right_on.bmp");
  EXPECT_EQ(v.enemyLarge[2].row, 3);
  for (int i = 0; i < 6; ++i) EXPECT_EQ(v.enemySmall[i].row, 5 + i);
  EXPECT_FALSE(v.enemySmall[6].visible);
  EXPECT_EQ(v.enemySmall[0].picture, "ship_red_small_right_off.bmp");

  // Once a large enemy falls, the hidden one takes its place.
  EnemyFleet[2][kAlive] = 0;
  EXPECT_EQ(combat::BuildFleetBattleView().enemyLarge[2].row, 4);
}

TEST_F(FleetBattle, PanelsShowTheSelectedPairAndThePlayersStatus) {
  Row(PlayerFleet[1], kClassGettysburg, combat::kRoleFlagship, 100, kFactionFederation);
  Row(EnemyFleet[1], kClassPatton, combat::kRoleDestroyer, 520, kFactionCoalition);  // 80 % of 650
  combat::SelectedTarget = 1;
  combat::SelectedEscort = 1;
  // The flagship's panel shows the player's ship, in its livery.
  PlayerShip[ship::kClass] = state::Stored(kClassNeptun);
  PlayerShip[ship::kFaction] = 4;
  PlayerShip[ship::kShields] = 600;  // half of 1200
  state::PlayerData[player::kLevel] = 3;
  state::PlayerData[player::kExperience] = state::GetLevelExperience(3) / 2;

  const combat::FleetBattleView v = combat::BuildFleetBattleView();
  EXPECT_TRUE(v.target.visible);
  EXPECT_EQ(v.target.picture, "Coalition_Patton_scene.jpg");
  EXPECT_EQ(v.target.name, "\"Patton\" class");
  EXPECT_EQ(v.target.role, "Destroyer");
  EXPECT_EQ(v.target.shieldBar, "Travelscreen_ShieldBar_20.jpg");
  EXPECT_EQ(v.target.shieldText, "Enemy ships shields: 80%");
  EXPECT_EQ(v.escort.picture, "Syndicate_Neptun_scene.jpg");
  EXPECT_EQ(v.escort.role, "Your flagship");
  EXPECT_EQ(v.escort.shieldText, "Friendly ships shields: 4%");
  EXPECT_EQ(v.playerShieldBar, "Travelscreen_ShieldBar_12.jpg");
  EXPECT_EQ(v.playerShieldText, "Your shields: 50%");
  EXPECT_EQ(v.experienceBar, "TravelScreen_ExpBar_9.jpg");
  EXPECT_EQ(v.experienceText, "Experience 50% until level up.");
  EXPECT_EQ(v.shipPicture, "Neptun_topwire.jpg");

  combat::SelectedTarget = combat::SelectedEscort = 0;
  const combat::FleetBattleView none = combat::BuildFleetBattleView();
  EXPECT_FALSE(none.target.visible);
  EXPECT_FALSE(none.escort.visible);

  // Level 0 needs no experience: no division by zero, an empty bar. Level 20 shows an empty bar.
  state::PlayerData[player::kLevel] = 0;
  state::PlayerData[player::kExperience] = 50;
  EXPECT_EQ(combat::BuildFleetBattleView().experienceBar, "TravelScreen_ExpBar_0.jpg");
  EXPECT_EQ(combat::BuildFleetBattleView().experienceText, "Experience 5000% until level up.");
  state::PlayerData[player::kLevel] = 20;
  state::PlayerData[player::kExperience] = 0;
  EXPECT_EQ(combat::BuildFleetBattleView().experienceBar, "TravelScreen_ExpBar_0.jpg");
}

TEST(FleetShieldBar, StepsAndPercentages) {
  struct Case {
    std::int32_t hp, base;
    const char* bar;
    std::int32_t percent;
  };
  const Case cases[] = {
      {650, 650, "Travelscreen_ShieldBar_25.jpg", 100},
      {0, 650, "Travelscreen_ShieldBar_0.jpg", 0},
      {1, 650, "Travelscreen_ShieldBar_1.jpg", 0},  // anything left shows a sliver
      {-40, 650, "Travelscreen_ShieldBar_0.jpg", -6},
      {700, 650, "Travelscreen_ShieldBar_0.jpg", 107},  // above full: no such picture
      {5, 0, "Travelscreen_ShieldBar_0.jpg", 500},      // a base of 0 counts as 1
      {2147483647, 3500, "Travelscreen_ShieldBar_0.jpg", 61356675},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(combat::FleetShieldBarPicture(c.hp, c.base), c.bar) << c.hp << "/" << c.base;
    EXPECT_EQ(combat::FleetShieldPercent(c.hp, c.base), c.percent) << c.hp << "/" << c.base;
  }
}

// --- The own attack ------------------------------------------------------------------------------

TEST_F(FleetBattle, TheOwnAttackIsRefusedWithoutATargetAndAtAProtectedStation) {
  SmallBattle({combat::kRoleStation, combat::kRoleDestroyer});
  struct Case {
    std::int32_t target;
    std::string popup;
  };
  const Case cases[] = {{0, kNoTarget}, {1, kStationLast}};
  for (const Case& c : cases) {
    fleet.transcript.clear();
    combat::SelectedTarget = c.target;
    combat::AttackTargetYourself(fleet);
    EXPECT_EQ(Popups(), std::vector<std::string>{c.popup});
    EXPECT_EQ(script.fights, 0);
    EXPECT_FALSE(fleet.closed);
  }
  // With the last escort ship gone the station is fair game.
  EnemyFleet[2][kAlive] = 0;
  combat::SelectedTarget = 1;
  combat::AttackTargetYourself(fleet);
  EXPECT_EQ(script.fights, 1);
  EXPECT_EQ(script.setups.at(0), (std::vector<std::int32_t>{-1, 2, 2, 0}));
}

TEST_F(FleetBattle, AFleetWithoutEnemiesIsWonAtTheFirstOwnAttack) {
  SmallBattle({});
  combat::AttackTargetYourself(fleet);
  EXPECT_EQ(Popups(), (std::vector<std::string>{kNoTarget, kWon}));
  EXPECT_TRUE(fleet.closed);
  EXPECT_EQ(combat::FleetBattleWon, 1);
  EXPECT_EQ(state::FleetBattleMayClose, 1);
  // The screen is closed: a second check shows nothing more.
  combat::CheckFleetBattleOutcome(fleet);
  EXPECT_EQ(Popups().size(), 2u);
}

TEST_F(FleetBattle, TheOwnAttackFightsTheTargetWithItsHitPoints) {
  struct Case {
    const char* name;
    Fight outcome;
    bool rowGone;
    std::vector<std::string> popups;
    std::uint8_t won;
  };
  const Case cases[] = {
      {"enemy destroyed, one left", Fight::EnemyDestroyed, true, {}, 0},
      {"player fled", Fight::PlayerFled, false, {}, 0},
      {"player destroyed", Fight::PlayerDestroyed, false, {kLost}, 0},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    Fresh();
    SmallBattle({combat::kRoleDestroyer, combat::kRoleCruiser});
    EnemyFleet[2][kHp] = 77;
    EnemyFleet[2][kFaction] = 3;
    PlayerShip[ship::kShields] = 100;
    script.outcome = c.outcome;
    combat::ClickEnemyShipSymbol(2, fleet);
    combat::AttackTargetYourself(fleet);

    ASSERT_EQ(script.fights, 1);
    EXPECT_EQ(script.setups.at(0), (std::vector<std::int32_t>{state::Stored(kClassPatton), 3,
                                                              state::Stored(kMilitaryShip), 0}));
    EXPECT_EQ(script.enemyShieldsAtFight, 77);
    EXPECT_EQ(script.encounters.at(0),
              "Hostile encounter! / F3 Patton / \"Alert! All hands to battle-stations. Hostile "
              "spaceship ahead and closing in. Ready to engage...\" [Coalition_Patton_Scene.jpg]");
    EXPECT_EQ(EnemyFleet[2][kAlive] == 0, c.rowGone);
    EXPECT_EQ(EnemyFleet[2][kHp], 77);  // never written back
    EXPECT_EQ(combat::SelectedTarget, c.rowGone ? 0 : 2);
    // A kill tops the shields up by a quarter of the maximum.
    EXPECT_EQ(PlayerShip[ship::kShields], c.rowGone ? 100 + MaxShields() / 4 : 100);
    EXPECT_EQ(Popups(), c.popups);
    EXPECT_EQ(combat::FleetBattleWon, c.won);
    EXPECT_EQ(fleet.closed, !c.popups.empty());
  }
}

TEST_F(FleetBattle, KillingTheLastShipWinsEvenWhenTheShipWasLostAndShieldsStayCapped) {
  SmallBattle({combat::kRoleDestroyer});
  PlayerShip[ship::kShields] = MaxShields() - 1;
  combat::SelectedTarget = 1;
  script.outcome = Fight::EnemyDestroyed;
  combat::AttackTargetYourself(fleet);
  EXPECT_EQ(PlayerShip[ship::kShields], MaxShields());
  EXPECT_EQ(Popups(), std::vector<std::string>{kWon});
  EXPECT_EQ(combat::FleetBattleWon, 1);
}

// --- The escort attack ---------------------------------------------------------------------------

TEST_F(FleetBattle, TheEscortAttackNeedsAnEscortAndAnAttackableTarget) {
  SmallBattle({combat::kRoleStation, combat::kRoleDestroyer});
  const std::string who =
      "Who? / You have not yet selected which ship of your escort should attack. To do so click "
      "on one of your fleet's symbols in the upper part of the screen.";
  const std::string own =
      "Not an escort / The ship symbol you have selected is your own ship. To lead an attack "
      "yourself please use the \"Attack target yourself\" button.";
  struct Case {
    std::int32_t escort, target;
    std::string popup;
  };
  const Case cases[] = {{0, 2, who}, {1, 2, own}, {2, 0, kNoTarget}, {2, 1, kStationLast}};
  for (const Case& c : cases) {
    fleet.transcript.clear();
    combat::SelectedEscort = c.escort;
    combat::SelectedTarget = c.target;
    combat::SelectedEscortAttacks(fleet);
    EXPECT_EQ(Popups(), std::vector<std::string>{c.popup}) << c.escort << " " << c.target;
    EXPECT_EQ(combat::FleetDuelRunning, 0);
    EXPECT_FALSE(fleet.closed);  // refusals here decide nothing
  }
}

TEST_F(FleetBattle, DuringADuelOnlyTheEscortOrderAndTheHiddenCloseAct) {
  SmallBattle({combat::kRoleDestroyer, combat::kRoleCruiser});
  PlayerShip[ship::kShields] = 10;
  combat::SelectedEscort = 2;
  combat::SelectedTarget = 1;
  combat::SelectedEscortAttacks(fleet);
  ASSERT_EQ(combat::FleetDuelRunning, 1);
  EXPECT_FALSE(fleet.speedButtonsEnabled);
  EXPECT_EQ(fleet.duelPanelShows, 1);
  EXPECT_EQ(PlayerShip[ship::kShields], 10 + MaxShields() / 8);

  const auto seed = state::RandSeed;
  combat::ClickOwnShipSymbol(1, fleet);
  combat::ClickEnemyShipSymbol(2, fleet);
  combat::CloseTargetPanel(fleet);
  combat::CloseEscortPanel(fleet);
  combat::AttackTargetYourself(fleet);
  combat::EmergencyShieldRecharge(fleet);
  combat::RetreatFromFleetBattle(fleet);
  EXPECT_EQ(combat::SelectedEscort, 2);
  EXPECT_EQ(combat::SelectedTarget, 1);
  EXPECT_EQ(script.fights, 0);
  EXPECT_EQ(PlayerShip[ship::kEmergencyRechargeUsed], 0);
  EXPECT_FALSE(fleet.closed);
  EXPECT_TRUE(fleet.transcript.size() == 1 && fleet.transcript[0] == "duel timer on");
  EXPECT_EQ(state::RandSeed, seed);

  // The order given again through its picture: another eighth of the shields.
  combat::SelectedEscortAttacks(fleet);
  EXPECT_EQ(PlayerShip[ship::kShields], 10 + 2 * (MaxShields() / 8));
  EXPECT_EQ(fleet.duelPanelShows, 2);

  // The hidden Close takes the escort away; the next tick ends the duel without a shot.
  combat::HiddenCloseButton(fleet);
  EXPECT_EQ(combat::SelectedEscort, 0);
  combat::FleetDuelTick(fleet);
  EXPECT_EQ(combat::FleetDuelRunning, 0);
  EXPECT_TRUE(fleet.speedButtonsEnabled);
  EXPECT_EQ(state::RandSeed, seed);
}

// --- The duel ------------------------------------------------------------------------------------

// One shot as the game draws it: damage first, then the hit roll.
std::int32_t Shot(std::int32_t b) {
  std::int32_t damage = state::Random(b) + b / 2;
  const std::int32_t roll = state::Random(100);
  if (roll > 60) return 0;
  return roll <= 10 ? damage * 4 : damage;
}

TEST_F(FleetBattle, EachDuelExchangeDrawsTheCueThenTheEscortsShotThenTheTargets) {
  struct Case {
    state::ShipClassId escortClass;
    combat::FleetRole escortRole, targetRole;
    std::int32_t escortBase, targetBase;  // b after the role and the civilian test
    state::ShipClassId targetClass = state::kNoShipClass;  // none: as the small battle has it
  };
  const Case cases[] = {
      {kClassPatton, combat::kRoleDestroyer, combat::kRoleStation, 100, 500},
      {kClassNeptun, combat::kRoleCruiser, combat::kRoleBattleship, 200, 300},
      {kClassFerendar, combat::kRoleDestroyer, combat::kRoleCruiser, 16, 200},  // civilian: b div 6
      {kClassFerendar, combat::kRoleBattleship, combat::kRoleDestroyer, 50, 100},
      // A civilian target fires back at full strength: only the escort's class counts.
      {kClassPatton, combat::kRoleDestroyer, combat::kRoleCruiser, 100, 200, kClassFerendar},
  };
  int hits = 0, criticals = 0;
  for (const Case& c : cases) {
    for (std::uint32_t seed = 0; seed < 40; ++seed) {
      SCOPED_TRACE(std::to_string(state::Stored(c.escortClass)) + " seed " + std::to_string(seed));
      SmallBattle({c.targetRole});
      Row(PlayerFleet[2], c.escortClass, c.escortRole, 100000, kFactionFederation);
      if (c.targetClass != state::kNoShipClass)
        EnemyFleet[1][kClass] = state::Stored(c.targetClass);
      EnemyFleet[1][kHp] = 100000;
      combat::SelectedEscort = 2;
      combat::SelectedTarget = 1;
      combat::SelectedEscortAttacks(fleet);

      state::Randomize(seed);
      state::Random(2);  // the guns' cue
      const std::int32_t toTarget = Shot(c.escortBase);
      const std::int32_t toEscort = Shot(c.targetBase);
      hits += toTarget > 0;
      criticals += toTarget > c.escortBase * 3 / 2;

      state::Randomize(seed);
      ui.transcript.clear();
      combat::FleetDuelTick(fleet);
      EXPECT_EQ(EnemyFleet[1][kHp], 100000 - toTarget);
      EXPECT_EQ(PlayerFleet[2][kHp], 100000 - toEscort);
      EXPECT_EQ(ui.Lines("cue FireGuns").size(), 1u);
      EXPECT_EQ(combat::FleetDuelRunning, 1);
    }
  }
  EXPECT_GT(hits, 0);
  EXPECT_GT(criticals, 0);
}

TEST_F(FleetBattle, TheDuelEndsWhenAShipFallsAndBothMayFallInOneExchange) {
  struct Case {
    const char* name;
    std::int32_t escortHp, targetHp;
    bool otherEnemy;
    bool targetDies, escortDies;
    std::vector<std::string> popups;
  };
  const Case cases[] = {
      {"target falls, more enemies", 100000, 1, true, true, false, {}},
      {"last target falls", 100000, 1, false, true, false, {kWon}},
      {"escort falls", 1, 100000, false, false, true, {}},
      // Both fall with the last enemy: the battle is won once, and the escort still goes down.
      {"both fall", 1, 1, false, true, true, {kWon}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    Fresh();
    if (c.otherEnemy)
      SmallBattle({combat::kRoleStation, combat::kRoleDestroyer});
    else
      SmallBattle({combat::kRoleStation});
    const std::int32_t targetRow = c.otherEnemy ? 2 : 1;
    PlayerFleet[2][kHp] = c.escortHp;
    EnemyFleet[targetRow][kHp] = c.targetHp;
    combat::SelectedEscort = 2;
    combat::SelectedTarget = targetRow;
    combat::SelectedEscortAttacks(fleet);
    // An exchange in which both shots hit.
    std::uint32_t seed = 0;
    for (;; ++seed) {
      state::Randomize(seed);
      state::Random(2);
      const std::int32_t toTarget = Shot(100);
      if (toTarget > 0 &&
          Shot(RoleOf(EnemyFleet[targetRow]) == combat::kRoleStation ? 500 : 100) > 0)
        break;
    }
    state::Randomize(seed);
    combat::FleetDuelTick(fleet);
    EXPECT_EQ(combat::FleetDuelRunning, 0);
    EXPECT_TRUE(fleet.speedButtonsEnabled);
    EXPECT_EQ(EnemyFleet[targetRow][kAlive] == 0, c.targetDies);
    EXPECT_EQ(PlayerFleet[2][kAlive] == 0, c.escortDies);
    EXPECT_EQ(combat::SelectedTarget, c.targetDies ? 0 : targetRow);
    EXPECT_EQ(combat::SelectedEscort, c.escortDies ? 0 : 2);
    EXPECT_EQ(ui.Lines("cue Explosion_Ship").size(),
              static_cast<std::size_t>(c.targetDies + c.escortDies));
    EXPECT_EQ(Popups(), c.popups);
    EXPECT_EQ(combat::FleetBattleWon, c.popups.empty() ? 0 : 1);
    // The loss of escorts never loses the battle.
    EXPECT_EQ(fleet.closed, !c.popups.empty());
  }
}

// --- Recharge, retreat, closing ------------------------------------------------------------------

TEST_F(FleetBattle, TheEmergencyRechargeWorksOnceAndABreachSparesTheDroids) {
  struct Case {
    std::int32_t roll;  // Random(100)
    bool breach;
  };
  for (const Case c : {Case{0, false}, Case{60, false}, Case{61, true}, Case{99, true}}) {
    SCOPED_TRACE(c.roll);
    Fresh();
    SmallBattle({combat::kRoleDestroyer});
    PlayerShip[ship::kShields] = 5;
    for (auto f = ship::kCrewmen; f <= ship::kDroids; ++f) PlayerShip[f] = 11;
    std::uint32_t seed = 0;
    for (;; ++seed) {
      state::Randomize(seed);
      if (state::Random(100) == c.roll) break;
    }
    state::Randomize(seed);
    fleet.answers = {true};
    combat::EmergencyShieldRecharge(fleet);
    EXPECT_EQ(PlayerShip[ship::kShields], MaxShields());
    EXPECT_EQ(PlayerShip[ship::kEmergencyRechargeUsed], 1);
    for (auto f = ship::kCrewmen; f <= ship::kPirates; ++f)
      EXPECT_EQ(PlayerShip[f], c.breach ? 5 : 11) << f.position;
    EXPECT_EQ(PlayerShip[ship::kDroids], 11);
    const std::vector<std::string> popups = Popups();
    ASSERT_EQ(popups.size(), 1u);
    EXPECT_EQ(popups[0].substr(0, popups[0].find(" / ")),
              c.breach ? "Reactor breach!" : "Success!");

    // A second time: refused, nothing drawn.
    const auto seedAfter = state::RandSeed;
    PlayerShip[ship::kShields] = 5;
    combat::EmergencyShieldRecharge(fleet);
    EXPECT_EQ(PlayerShip[ship::kShields], 5);
    EXPECT_EQ(Popups().back(),
              "N/A / You can only use the emergency shield recharge once in a battle (the "
              "radiation would kill anyone on board)!");
    EXPECT_EQ(state::RandSeed, seedAfter);
  }
  // Saying no changes nothing.
  Fresh();
  PlayerShip[ship::kShields] = 5;
  fleet.answers = {false};
  combat::EmergencyShieldRecharge(fleet);
  EXPECT_TRUE(fleet.answers.empty()) << "the recharge asks first";
  EXPECT_EQ(PlayerShip[ship::kShields], 5);
  EXPECT_EQ(PlayerShip[ship::kEmergencyRechargeUsed], 0);
}

TEST_F(FleetBattle, RetreatAndQuitCloseOnlyOnYes) {
  SmallBattle({combat::kRoleDestroyer});
  combat::FleetBattleWon = 1;
  fleet.answers = {false, false};
  combat::RetreatFromFleetBattle(fleet);  // no
  EXPECT_FALSE(fleet.closed);
  EXPECT_FALSE(combat::FleetBattleCloseQuery(fleet));  // no: quit refused
  EXPECT_EQ(state::TravelMayClose, 0);
  EXPECT_TRUE(fleet.answers.empty()) << "both asked first";

  fleet.answers = {true};
  combat::RetreatFromFleetBattle(fleet);
  EXPECT_TRUE(fleet.closed);
  EXPECT_EQ(combat::FleetBattleWon, 0);
  EXPECT_TRUE(combat::FleetBattleCloseQuery(fleet));  // the retreat gave the permission
  combat::FleetBattleScreenClosed();
  EXPECT_EQ(state::FleetBattleMayClose, 0);

  fleet.answers = {true};
  EXPECT_TRUE(combat::FleetBattleCloseQuery(fleet));  // quitting the game
  EXPECT_EQ(state::TravelMayClose, 1);
  EXPECT_EQ(fleet.transcript.back(),
            "question: Quit game? / Do you really wish to quit this game? (No retiring, no "
            "highscore) -> yes");
}

// --- Whole battles on the engine -----------------------------------------------------------------

struct BattleOutcome {
  bool won = false;
  int battles = 0;
  int fights = 0;
  std::int32_t missionActive = 0;
  std::int32_t livesLeft = 0;
  std::vector<std::string> transcript;
  std::vector<std::string> topics;
  state::TFleetShipRow enemyStation{};
};

// A new world, a battleship captain on a fleet mission of `type` at the ship's current body.
BattleOutcome FlyIntoTheBattle(std::uint32_t seed, MissionType type, bool battleship = true) {
  state::ClearGameState();
  state::Randomize(seed);
  state::PlayerData[player::kProfession] = 2;
  state::PlayerData[player::kFaction] = 1;
  support::ScriptUi screens;
  rules::CreateNewGameWorld(state::StartShipClass(kProfessionCombatTrader, kFactionFederation), screens);
  if (battleship) {
    PlayerShip[ship::kClass] = state::Stored(kClassGettysburg);
    PlayerShip[ship::kShields] = state::GetShipMaxShields(kClassGettysburg, EngineId{PlayerShip[ship::kEngine]},
                                                          CargoModuleId{PlayerShip[ship::kCargoModule]});
  }
  state::ActiveMission = test_rows::MissionRow()
                             .Active()
                             .Type(type)
                             .Reward(50000)
                             .Target(PlayerShip[ship::kSystem], PlayerShip[ship::kBody])
                             .Subject(1)
                             .EnemyFaction(kFactionOuterRim);

  combat::EngineFights fights(screens);
  rules::CheckMissionOnArrival(fights);
  BattleOutcome outcome;
  outcome.won = combat::FleetBattleWon == 1;
  outcome.battles = fights.FleetBattlesRun();
  outcome.fights = fights.FightsRun();
  outcome.missionActive = state::ActiveMission[mission::kActive];
  outcome.livesLeft = state::PlayerData[player::kLifePoints];
  outcome.transcript = fights.Transcript();
  for (const auto& popup : screens.popups) outcome.topics.push_back(popup.topic);
  return outcome;
}

TEST(FleetBattleOnTheEngine, AMissionsFleetBattleIsFoughtToItsEnd) {
  int won = 0;
  for (std::uint32_t seed : {1u, 2u, 3u}) {
    for (const MissionType type : {kMissionFlanking, kMissionBattle}) {
      SCOPED_TRACE("seed " + std::to_string(seed) + " type " + std::to_string(state::Stored(type)));
      const BattleOutcome o = FlyIntoTheBattle(seed, type);
      EXPECT_EQ(o.battles, 1);
      EXPECT_EQ(o.missionActive, 0);  // completed or failed, never left open
      ASSERT_FALSE(o.transcript.empty());
      const bool sawWin = std::count(o.transcript.begin(), o.transcript.end(), "popup: " + kWon);
      EXPECT_EQ(sawWin, o.won);
      EXPECT_EQ(std::count(o.topics.begin(), o.topics.end(), "Mission completed!"),
                o.won && PlayerShip[ship::kAlive] != 0);
      if (o.won) {
        ++won;
        for (int r = 1; r <= 10; ++r) EXPECT_EQ(EnemyFleet[r][kAlive], 0) << r;
      }
      EXPECT_EQ(state::FleetBattleMayClose, 0);
      EXPECT_EQ(combat::FleetDuelRunning, 0);
    }
  }
  EXPECT_GT(won, 0);
}

TEST(FleetBattleOnTheEngine, AStartShipLosesTheBattleAndTheMissionAndPaysWithTheShip) {
  for (std::uint32_t seed : {1u, 2u}) {
    SCOPED_TRACE(seed);
    const BattleOutcome o = FlyIntoTheBattle(seed, kMissionBlitzkrieg, false);
    EXPECT_FALSE(o.won);
    EXPECT_EQ(o.missionActive, 0);
    EXPECT_EQ(std::count(o.topics.begin(), o.topics.end(), "Mission failed...!"), 1);
    EXPECT_EQ(std::count(o.topics.begin(), o.topics.end(), "Mission completed!"), 0);
    EXPECT_EQ(std::count(o.transcript.begin(), o.transcript.end(), "popup: " + kLost), 1);
    EXPECT_GE(o.fights, 1);  // the captain went in personally once the escorts were gone
    // The lost ship cost a life point (a new chance restores the ship).
    EXPECT_EQ(o.livesLeft, 2);
  }
}

TEST(FleetBattleOnTheEngine, TheSameSeedFightsTheSameBattle) {
  const BattleOutcome first = FlyIntoTheBattle(5, kMissionBlitzkrieg);
  const auto ship = PlayerShip;
  const BattleOutcome second = FlyIntoTheBattle(5, kMissionBlitzkrieg);
  EXPECT_EQ(first.transcript, second.transcript);
  EXPECT_EQ(first.topics, second.topics);
  EXPECT_EQ(ship, PlayerShip);
}

TEST(FleetBattleOnTheEngine, TheStarbaseFallsLast) {
  state::ClearGameState();
  state::Randomize(9);
  state::PlayerData[player::kProfession] = 2;
  state::PlayerData[player::kFaction] = 1;
  support::ScriptUi screens;
  rules::CreateNewGameWorld(state::StartShipClass(kProfessionCombatTrader, kFactionFederation), screens);
  PlayerShip[ship::kClass] = state::Stored(kClassGettysburg);
  PlayerShip[ship::kShields] = state::GetShipMaxShields(kClassGettysburg, EngineId{PlayerShip[ship::kEngine]},
                                                        CargoModuleId{PlayerShip[ship::kCargoModule]});
  combat::EngineFights fights(screens);
  const bool won = fights.RunFleetBattle(kFactionCoalition, rules::kFleetKindStarbaseWeakened);
  EXPECT_EQ(won, combat::FleetBattleWon == 1);
  EXPECT_EQ(state::ShipClassOf(EnemyFleet[1]), state::kStarbaseClass);
  if (EnemyFleet[1][kAlive] == 0) {
    for (int r = 2; r <= 10; ++r) EXPECT_EQ(EnemyFleet[r][kAlive], 0) << r;
  }
  EXPECT_EQ(fights.FleetBattlesRun(), 1);
}

}  // namespace
