// The abilities that stun or strip the opponent and the strong gun variants: EMP rolls against
// "EMP resistance", "Exploit II" and "Focus beam II" damage, the slot draws of "Disturb",
// "Disturb II", and the timed "Mark", "SOS buoy" and "Radio jammer" with the switch-off of "Mark".
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "combat/ability_ids.h"
#include "combat_fixture.h"
#include "state/equipment.h"
#include "state/equipment_ids.h"
#include "state/fields.h"
#include "support/rows.h"

namespace combat_test {
namespace {

using combat::Side;
using ModifierList = state::Table<state::TModifierRow, state::kModifierRows>;

constexpr char kAlreadyActive[] =
    "popup: N/A / This ability is already active and cannot be activated twice. You can see the "
    "active abilities at the top left corner of your screen.";

class DisruptionTest : public CombatTest {
 protected:
  // A new fight on the same screen: the game cleared and the recording emptied.
  void Fresh() {
    SetUp();
    ui.transcript.clear();
    ui.answers.clear();
    ui.enemyTimerStarts = 0;
  }

  void Act(Side side, std::int32_t id) {
    if (side == Side::Player)
      combat::ResolvePlayerCombatAction(state::Ability{id}, ui);
    else
      combat::ResolveCombatAction(Side::Enemy, state::Ability{id}, ui);
  }

  static state::TShipRow& Ship(Side side) {
    return side == Side::Player ? state::PlayerShip : state::EnemyShip;
  }
  static ModifierList& List(Side side) {
    return side == Side::Player ? state::PlayerModifiers : state::EnemyModifiers;
  }
  static void Put(Side side, int slot, state::Ability id) {
    List(side)[slot] = test_rows::ActiveModifier(id, 5);
  }
  static int Standing(Side side) {
    int n = 0;
    for (int s = 1; s <= 8; ++s) n += List(side)[s][modifier::kActive] != 0;
    return n;
  }

  // A seed whose gun roll (after the firing cue's draw) is `roll`.
  static std::uint32_t SeedForGunRoll(std::int32_t roll) {
    for (std::uint32_t s = 0;; ++s) {
      state::Randomize(s);
      state::Random(2);
      if (state::Random(100) + 1 == roll) return s;
    }
  }

  // The damage printed in the last hit message of `side`; -1 when there was none.
  int PrintedDamage(Side side, const std::string& topic) const {
    const auto lines = ui.Lines((side == Side::Player ? "player: " : "enemy: ") + topic + " / ");
    for (auto it = lines.rbegin(); it != lines.rend(); ++it) {
      const auto end = it->find(" pts. of damage.");
      if (end == std::string::npos) continue;
      const auto start = it->find_last_not_of("0123456789", end - 1) + 1;
      return std::stoi(it->substr(start, end - start));
    }
    return -1;
  }
};

TEST_F(DisruptionTest, EmpRollsAgainstResistance) {
  struct Case {
    Side side;
    std::int32_t id;
    bool resistance;  // the defender's "EMP resistance"
    std::int32_t chance;
  };
  const Case cases[] = {{Side::Player, 16, false, 50}, {Side::Player, 16, true, 12},
                        {Side::Player, 33, true, 50},  {Side::Enemy, 16, false, 50},
                        {Side::Enemy, 16, true, 12},   {Side::Enemy, 33, true, 50}};
  for (const Case& c : cases) {
    const Side defender = c.side == Side::Player ? Side::Enemy : Side::Player;
    int hits = 0, misses = 0;
    for (std::uint32_t seed = 0; seed < 400; ++seed) {
      Fresh();
      if (c.resistance) combat::AddModifier(defender, combat::kEmpResistance, ui);
      // The player's EMP plays the gun cue (one draw) before its roll; the enemy's does not.
      state::Randomize(seed);
      const char* cue = "cue ECM.wav";
      if (c.side == Side::Player) cue = state::Random(2) == 0 ? "cue FireGuns.wav" : "cue FireGuns2.wav";
      const std::int32_t roll = state::Random(100);
      const bool hit = c.chance > roll;
      state::Randomize(seed);
      ui.transcript.clear();
      Act(c.side, c.id);
      ASSERT_EQ(combat::ModifierActive(c.side, state::Ability{c.id}), hit) << c.id << " roll " << roll;
      EXPECT_FALSE(combat::ModifierActive(defender, state::Ability{c.id}));
      EXPECT_EQ(Ship(c.side)[ship::kActionPoints], c.side == Side::Player ? 0 : 3)
          << "5 points for the player, 2 for the enemy";
      std::vector<std::string> expected;
      if (c.side == Side::Player) {
        expected = {cue, "player: Firing EMP !! / " +
                                            std::string(hit ? "The enemy is hit by your  EMP fire! "
                                                              "His ship systems are jammed!"
                                                            : "You miss the Player ship.")};
      } else {
        expected = {cue, "enemy: Firing EMP !! / " +
                                       std::string(hit ? "You are hit by enemy EMP fire! Your ship "
                                                         "systems are jammed!"
                                                       : "The enemy EMP fire misses you!")};
        EXPECT_EQ(state::EnemyShip[ship::kAwaitingMessage], 1);
      }
      EXPECT_EQ(ui.transcript, expected);
      if (hit) {
        EXPECT_EQ(List(c.side)[combat::FindModifierSlot(c.side, state::Ability{c.id})][modifier::kTurnsLeft], 2);
      }
      hits += hit;
      misses += !hit;
    }
    EXPECT_GT(hits, 0);
    EXPECT_GT(misses, 0);
  }

  // The enemy's EMP stuns the player: every button is refused.
  Fresh();
  combat::AddEnemyModifier(combat::kEmp2);
  combat::UseAbilitySlot(1, ui);
  EXPECT_EQ(state::PlayerShip[ship::kActionPoints], 5);
  EXPECT_EQ(ui.Lines("popup: EMP! / ").size(), 1u);
}

TEST_F(DisruptionTest, EmpRefusals) {
  for (std::int32_t id : {16, 33}) {
    // Already standing: the player is told, the enemy passes; nothing is paid or drawn.
    Fresh();
    combat::AddPlayerModifier(state::Ability{id}, ui);
    combat::AddEnemyModifier(state::Ability{id});
    const std::uint32_t seed = state::RandSeed;
    Act(Side::Player, id);
    Act(Side::Enemy, id);
    EXPECT_EQ(ui.transcript, std::vector<std::string>{kAlreadyActive});
    EXPECT_EQ(state::PlayerShip[ship::kActionPoints], 5);
    EXPECT_EQ(state::EnemyShip[ship::kActionPoints], 5);
    EXPECT_EQ(state::EnemyShip[ship::kAwaitingMessage], 0);
    EXPECT_EQ(state::RandSeed, seed);

    // A full list or too few points: nothing; the player sees "Not enough AP!" only for points.
    Fresh();
    for (int s = 1; s <= 8; ++s) Put(Side::Player, s, combat::kTargetLock);
    for (int s = 1; s <= 8; ++s) Put(Side::Enemy, s, combat::kTargetLock);
    Act(Side::Player, id);
    Act(Side::Enemy, id);
    EXPECT_TRUE(ui.transcript.empty());
    EXPECT_EQ(state::PlayerShip[ship::kActionPoints], 5);
    EXPECT_EQ(state::EnemyShip[ship::kActionPoints], 5);
    Fresh();
    state::PlayerShip[ship::kActionPoints] = 4;
    state::EnemyShip[ship::kActionPoints] = 1;
    Act(Side::Player, id);
    Act(Side::Enemy, id);
    EXPECT_EQ(ui.transcript.size(), 1u);
    EXPECT_EQ(ui.Lines("popup: Not enough AP!").size(), 1u);
    EXPECT_EQ(state::PlayerShip[ship::kActionPoints], 4);
    EXPECT_EQ(state::EnemyShip[ship::kActionPoints], 1);
    EXPECT_EQ(state::EnemyShip[ship::kAwaitingMessage], 0);
    EXPECT_EQ(state::RandSeed, seed);
  }
}

TEST_F(DisruptionTest, ExploitTwoNeedsTheAttackersOwnStun) {
  // The player's need the player's own EMP; an EMP the enemy put on the player does not count.
  combat::AddEnemyModifier(combat::kEmp);
  Act(Side::Player, 17);
  EXPECT_EQ(ui.transcript, std::vector<std::string>{
                               "popup: Problem / The enemy needs to be stunned by an EMP attack."});
  EXPECT_EQ(state::PlayerShip[ship::kActionPoints], 5);
  // The enemy's likewise, silently.
  Fresh();
  combat::AddPlayerModifier(combat::kEmp, ui);
  Act(Side::Enemy, 17);
  EXPECT_TRUE(ui.transcript.empty());
  EXPECT_EQ(state::EnemyShip[ship::kActionPoints], 5);
  EXPECT_EQ(state::EnemyShip[ship::kAwaitingMessage], 0);
}

TEST_F(DisruptionTest, ExploitTwoAndFocusBeamTwoDamage) {
  // Particle guns (no gun special) against a light fighter: the player's scaled damage is capped
  // at a third of the enemy's maximum shields.
  state::PlayerShip[ship::kGun] = state::Stored(kGunParticle);
  const std::int32_t gun = state::GetGunDamage(state::kClassStarwolf, kGunParticle, Side::Player);
  const std::int32_t cap = state::GetShipMaxShields(state::kClassStarwolf, kEngineTravellerMk1, kModuleCargoBay) / 3;
  const std::int32_t scaled = combat::ScalePlayerDamageToEnemy(gun);
  ASSERT_GT(3 * scaled, cap) << "the case must show the cap";
  ASSERT_LT(scaled, cap);

  // "Exploit II" triples before scaling, so the cap holds it; it counts as a gun volley and fires
  // with the guns overheated.
  Fresh();
  state::PlayerShip[ship::kGun] = state::Stored(kGunParticle);
  combat::AddPlayerModifier(combat::kEmp2, ui);
  combat::AddPlayerModifier(combat::kOverheated, ui);
  state::Randomize(SeedForGunRoll(1));
  Act(Side::Player, 17);
  EXPECT_EQ(state::PlayerShip[ship::kActionPoints],
            5 - (state::GetGunApCost(state::kClassStarwolf, kGunParticle, Side::Player) + 2));
  EXPECT_EQ(state::PlayerShip[ship::kGunVolleys], 1);
  EXPECT_EQ(PrintedDamage(Side::Player, "Exploit II !!"), cap);
  EXPECT_EQ(ui.Lines("player: Exploit II !! / You exploit the enemy being stunned by an EMP and "
                     "cause ")
                .size(),
            1u);

  // "Focus beam II" triples after the gun special and is not held by the cap; "Focus beam"
  // doubles.
  for (const auto& [id, factor, topic] :
       {std::tuple{4, 2, "Focused fire !!"}, std::tuple{34, 3, "Focus fire II !!"}}) {
    Fresh();
    state::PlayerShip[ship::kGun] = state::Stored(kGunParticle);
    state::Randomize(SeedForGunRoll(1));
    Act(Side::Player, id);
    EXPECT_EQ(PrintedDamage(Side::Player, topic), factor * scaled) << id;
    EXPECT_EQ(state::PlayerShip[ship::kActionPoints],
              5 - (state::GetGunApCost(state::kClassStarwolf, kGunParticle, Side::Player) + 2))
        << id;
    EXPECT_EQ(state::PlayerShip[ship::kGunVolleys], 1);
  }

  // The enemy triples first in its chain, before its own scaling caps the damage at half the
  // player's maximum shields.
  Fresh();
  state::EnemyShip[ship::kGun] = state::Stored(kGunFusion);
  const std::int32_t enemyGun = state::GetGunDamage(state::kClassStarwolf, kGunFusion, Side::Enemy);
  const std::int32_t playerCap = state::GetShipMaxShields(state::kClassStarwolf, kEngineTravellerMk1, kModuleCargoBay) / 2;
  ASSERT_GT(3 * enemyGun, playerCap);
  combat::AddEnemyModifier(combat::kEmp);
  state::Randomize(SeedForGunRoll(1));
  Act(Side::Enemy, 17);
  EXPECT_EQ(PrintedDamage(Side::Enemy, "Exploit II!!"), playerCap);
  EXPECT_EQ(ui.Lines("enemy: Exploit II!! / The enemy exploits you being stunned by an EMP and "
                     "causes ")
                .size(),
            1u);
  EXPECT_EQ(state::EnemyShip[ship::kActionPoints],
            5 - (state::GetGunApCost(state::kClassStarwolf, kGunFusion, Side::Enemy) + 2));
  EXPECT_EQ(state::EnemyShip[ship::kAwaitingMessage], 1);
  Fresh();
  state::EnemyShip[ship::kGun] = state::Stored(kGunParticle);
  state::Randomize(SeedForGunRoll(1));
  Act(Side::Enemy, 34);
  EXPECT_EQ(PrintedDamage(Side::Enemy, "Focus fire II !!"),
            combat::ScaleEnemyDamageToPlayer(
                3 * state::GetGunDamage(state::kClassStarwolf, kGunParticle, Side::Enemy)));
  EXPECT_EQ(ui.Lines("enemy: Focus fire II !! / The enemy focuses the energy beams and causes ")
                .size(),
            1u);
}

TEST_F(DisruptionTest, GunVariantsHitChanceAndMissTexts) {
  // "Focus beam II" has the chance of "Focus beam": a quarter off; "Exploit II" has no factor.
  struct Case {
    Side side;
    std::int32_t id;
    bool reduced;
    std::string missLine;
  };
  const Case cases[] = {
      {Side::Player, 34, true, "player: Focus fire II !! / You fire your guns, but miss the enemy ship."},
      {Side::Enemy, 34, true, "enemy: Focus fire II !! / The enemy fires his guns, but misses you."},
      {Side::Player, 17, false, "player: Exploit II !! / You fire your guns, but miss the enemy ship."},
      {Side::Enemy, 17, false, "enemy: Exploit II!! / The enemy fires his guns, but misses you."},
  };
  for (const Case& c : cases) {
    Fresh();
    std::int32_t chance = combat::GunHitChance(c.side, ui);
    if (c.reduced) chance -= chance / 4;
    ASSERT_GT(chance, 1);
    ASSERT_LT(chance, 90);
    for (const auto& [roll, hit] : {std::pair{chance - 1, true}, std::pair{chance, false}}) {
      Fresh();
      combat::AddModifier(c.side, combat::kEmp, ui);
      state::Randomize(SeedForGunRoll(roll));
      Act(c.side, c.id);
      EXPECT_EQ(ui.Lines(c.missLine).size(), hit ? 0u : 1u) << c.id << " roll " << roll;
      EXPECT_EQ(state::PlayerShip[ship::kGunVolleys], c.side == Side::Player ? 1 : 0);
    }
  }
}

TEST_F(DisruptionTest, DisturbDrawsOneStandingSlot) {
  // Effects in slots 3 and 6 of the opponent's list: the first draw of 1..8 that meets one of
  // them decides; each draw is one Random(8).
  for (Side side : {Side::Player, Side::Enemy}) {
    const Side opponent = side == Side::Player ? Side::Enemy : Side::Player;
    for (std::uint32_t seed = 0; seed < 40; ++seed) {
      Fresh();
      Put(opponent, 3, combat::kDiscipline);
      Put(opponent, 6, combat::kReinforcements);
      state::Randomize(seed);
      int expected = 0;
      while (expected != 3 && expected != 6) expected = state::Random(8) + 1;
      const std::uint32_t after = state::RandSeed;
      state::Randomize(seed);
      ui.transcript.clear();
      Act(side, 19);
      EXPECT_EQ(state::RandSeed, after) << seed;
      EXPECT_EQ(List(opponent)[expected][modifier::kActive], 0) << seed;
      EXPECT_EQ(List(opponent)[9 - expected][modifier::kActive], 1) << seed;
      EXPECT_EQ(Ship(side)[ship::kActionPoints], 3);
      const std::vector<std::string> lines =
          side == Side::Player
              ? std::vector<std::string>{"cue AbilityUsed.wav",
                                         "player: Disturb !! / One enemy bonus effect removed."}
              : std::vector<std::string>{"cue ECM.wav",
                                         "enemy: Disturb !! / One enemy bonus effect removed."};
      EXPECT_EQ(ui.transcript, lines);
    }
  }
}

TEST_F(DisruptionTest, DisturbEdges) {
  // Nothing to remove: the points are spent, nothing is drawn or shown.
  state::Randomize(11);
  Act(Side::Player, 19);
  EXPECT_EQ(state::PlayerShip[ship::kActionPoints], 3);
  EXPECT_EQ(state::RandSeed, 11u);
  EXPECT_EQ(ui.transcript, std::vector<std::string>{"cue AbilityUsed.wav"});

  // Slot 8 can be drawn...
  std::uint32_t first8 = 0;
  for (;; ++first8) {
    state::Randomize(first8);
    if (state::Random(8) == 7) break;
  }
  Fresh();
  Put(Side::Enemy, 8, combat::kShipSpecial);
  state::Randomize(first8);
  state::Random(8);
  const std::uint32_t afterOne = state::RandSeed;
  state::Randomize(first8);
  Act(Side::Player, 19);
  EXPECT_EQ(state::EnemyModifiers[8][modifier::kActive], 0);
  EXPECT_EQ(state::RandSeed, afterOne);

  // ... and after 101 draws that all miss, the highest standing slot goes.
  std::uint32_t miss = 0;
  for (;; ++miss) {
    state::Randomize(miss);
    int draws = 0;
    while (draws < 101 && state::Random(8) != 7) ++draws;
    if (draws == 101) break;
  }
  Fresh();
  Put(Side::Player, 8, combat::kEvading);
  state::Randomize(miss);
  for (int k = 0; k < 101; ++k) state::Random(8);
  const std::uint32_t after = state::RandSeed;
  state::Randomize(miss);
  Act(Side::Enemy, 19);
  EXPECT_EQ(state::PlayerModifiers[8][modifier::kActive], 0);
  EXPECT_EQ(state::RandSeed, after) << "exactly 101 draws";
  EXPECT_EQ(ui.Lines("enemy: Disturb !! / One enemy bonus effect removed.").size(), 1u);

  // Too few points.
  Fresh();
  Put(Side::Enemy, 1, combat::kEvading);
  Put(Side::Player, 1, combat::kEvading);
  state::PlayerShip[ship::kActionPoints] = 1;
  state::EnemyShip[ship::kActionPoints] = 1;
  Act(Side::Player, 19);
  Act(Side::Enemy, 19);
  EXPECT_EQ(Standing(Side::Enemy), 1);
  EXPECT_EQ(Standing(Side::Player), 1);
  EXPECT_EQ(state::EnemyShip[ship::kAwaitingMessage], 0);
  EXPECT_EQ(ui.Lines("popup: Not enough AP!").size(), 1u);
}

TEST_F(DisruptionTest, DisturbTwoClearsEveryEffect) {
  for (Side side : {Side::Player, Side::Enemy}) {
    const Side opponent = side == Side::Player ? Side::Enemy : Side::Player;
    Fresh();
    Put(opponent, 1, combat::kReinforcements);
    Put(opponent, 4, combat::kShipSpecial);
    Put(opponent, 8, combat::kEmp);
    Put(side, 2, combat::kEvading);  // the acting side's own effects stay
    const std::uint32_t seed = state::RandSeed;
    Act(side, 35);
    EXPECT_EQ(Standing(opponent), 0);
    EXPECT_EQ(Standing(side), 1);
    EXPECT_EQ(Ship(side)[ship::kActionPoints], 3);
    EXPECT_EQ(state::RandSeed, seed);
    const std::vector<std::string> lines =
        side == Side::Player
            ? std::vector<std::string>{"cue AbilityUsed.wav",
                                       "player: Disturb II !! / All enemy bonuses are removed."}
            : std::vector<std::string>{"cue ECM.wav",
                                       "enemy: Disturb II !! / All your bonuses are removed."};
    EXPECT_EQ(ui.transcript, lines);

    // With nothing standing the points are spent and nothing is shown.
    ui.transcript.clear();
    Act(side, 35);
    EXPECT_EQ(Ship(side)[ship::kActionPoints], 1);
    EXPECT_EQ(ui.transcript.size(), 1u);
  }
}

TEST_F(DisruptionTest, MarkSosBuoyAndRadioJammer) {
  struct Case {
    std::int32_t id, cost, turns;
    std::string playerMessage, enemyMessage;
  };
  const Case cases[] = {
      {20, 1, 15,
       "Mark !! / You put a target mark on the enemy ship making it impossible to cloak!",
       "Mark !! / The enemy pilot puts a target mark on you making it impossible to cloak!"},
      {31, 2, 20, "Firing SOS buoy !! / You fire a SOS-buoy speeding up reinforcements.",
       "Firing SOS buoy !! / The enemy fires a SOS-buoy speeding up reinforcements."},
      {32, 2, 2, "Radio jammer !! / Enemy reinforcements are slowed down.",
       "Radio jammer !! / Your reinforcements are slowed down!"},
  };
  for (const Case& c : cases) {
    Fresh();
    Act(Side::Player, c.id);
    Act(Side::Enemy, c.id);
    for (Side side : {Side::Player, Side::Enemy}) {
      EXPECT_EQ(Ship(side)[ship::kActionPoints], 5 - c.cost) << c.id;
      const int slot = combat::FindModifierSlot(side, state::Ability{c.id});
      ASSERT_EQ(slot, 1) << c.id;
      EXPECT_EQ(List(side)[slot][modifier::kTurnsLeft], c.turns) << c.id;
    }
    EXPECT_EQ(state::EnemyShip[ship::kAwaitingMessage], 1);
    const std::vector<std::string> lines = {"cue AbilityUsed.wav", "player: " + c.playerMessage,
                                            "cue ECM.wav", "enemy: " + c.enemyMessage};
    EXPECT_EQ(ui.transcript, lines);

    // A second use: the enemy passes silently; the player is refused (for "Mark", asked too).
    state::EnemyShip[ship::kAwaitingMessage] = 0;
    ui.transcript.clear();
    if (c.id == 20) ui.answers = {false};  // keep the mark on
    Act(Side::Enemy, c.id);
    Act(Side::Player, c.id);
    EXPECT_TRUE(ui.answers.empty()) << c.id;
    std::vector<std::string> refusal = {kAlreadyActive};
    if (c.id == 20)
      refusal.push_back("question: Turn off? / Do you wish to turn off this ability? -> no");
    EXPECT_EQ(ui.transcript, refusal);
    EXPECT_EQ(state::PlayerShip[ship::kActionPoints], 5 - c.cost);
    EXPECT_EQ(state::EnemyShip[ship::kActionPoints], 5 - c.cost);
    EXPECT_EQ(state::EnemyShip[ship::kAwaitingMessage], 0);
    EXPECT_EQ(Standing(Side::Player), 1);
    EXPECT_EQ(Standing(Side::Enemy), 1);
  }

  // Answering yes switches the player's "Mark" off, again free of charge.
  Fresh();
  Act(Side::Player, 20);
  ui.answers = {true};
  Act(Side::Player, 20);
  EXPECT_FALSE(combat::ModifierActive(Side::Player, state::kMark));
  EXPECT_EQ(state::PlayerShip[ship::kActionPoints], 4);
  EXPECT_EQ(ui.Lines("question: Turn off? / Do you wish to turn off this ability? -> yes").size(), 1u);
  EXPECT_EQ(ui.Lines("popup: N/A / This ability is already active").size(), 1u);
}

}  // namespace
}  // namespace combat_test
