// The tactical abilities on both sides: the lasting effects with their costs, cues and messages,
// the "Tractor beam" switch-off, the escapes with their refusals and rolls, and "Exploit".
#include <gtest/gtest.h>

#include <functional>
#include <string>

#include "combat/rounds.h"
#include "combat/setup.h"
#include "combat_fixture.h"
#include "state/abilities.h"
#include "state/equipment.h"
#include "state/equipment_ids.h"
#include "state/fields.h"

namespace combat_test {
namespace {

using combat::Side;

// The first seed from 0 at which `draws` returns true.
std::uint32_t SeedWhere(const std::function<bool()>& draws) {
  for (std::uint32_t s = 0;; ++s) {
    state::Randomize(s);
    if (draws()) return s;
  }
}

using TacticalTest = CombatTest;

TEST_F(TacticalTest, LastingEffectsOnBothSides) {
  const std::string taunt =
      "You taunt the enemy pilot, which makes him attack you blindly reducing his accuracy.";
  const std::string taunted =
      "The enemy pilot taunts you and you feel the anger rising and reducing your accuracy.";
  struct Case {
    std::int32_t id, cost;
    const char* enemyCue;
    std::string playerMessage, enemyMessage;  // empty: none
  };
  const Case cases[] = {
      {6, 1, "cue ECM.wav", "", ""},
      {7, 1, "cue ECM.wav", "", ""},
      {8, 1, "cue ECM.wav", "", ""},
      {9, 1, "cue AbilityUsed.wav", "", ""},
      {10, 1, "cue ECM.wav", "player: Taunt !! / " + taunt, "enemy: Taunt !! / " + taunted},
      {12, 2, "cue ECM.wav",
       "player: Tractor beam !! / You focus the enemy ship with a tractor beam. He cannot escape "
       "anymore.",
       "enemy: Tractor beam !! / The enemy pilot has focused you with a tractor beam! You cannot "
       "escape anymore!"},
      {13, 1, "cue ECM.wav", "player: Evil Taunt !! / " + taunt, "enemy: Evil Taunt !! / " + taunted},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.id);
    Ships(state::kClassStarwolf, state::kClassStarwolf);
    state::PlayerModifiers = {};
    state::EnemyModifiers = {};
    ui.transcript.clear();
    ui.enemyTimerStarts = 0;
    const std::uint32_t seed = state::RandSeed;

    combat::ResolvePlayerCombatAction(state::Ability{c.id}, ui);
    EXPECT_EQ(state::PlayerShip[ship::kActionPoints], 5 - c.cost);
    const int slot = combat::FindPlayerModifierSlot(state::Ability{c.id});
    ASSERT_EQ(slot, 1);
    EXPECT_EQ(state::PlayerModifiers[slot][modifier::kTurnsLeft], 4);
    EXPECT_EQ(combat::FindEnemyModifierSlot(state::Ability{c.id}), 0) << "the player's effect stands in its own list";
    std::vector<std::string> expected = {"cue AbilityUsed.wav"};
    if (!c.playerMessage.empty()) expected.push_back(c.playerMessage);

    combat::ResolveCombatAction(Side::Enemy, state::Ability{c.id}, ui);
    EXPECT_EQ(state::EnemyShip[ship::kActionPoints], 5 - c.cost);
    EXPECT_EQ(state::EnemyShip[ship::kAwaitingMessage], 1);
    EXPECT_EQ(ui.enemyTimerStarts, 1);
    EXPECT_EQ(combat::FindEnemyModifierSlot(state::Ability{c.id}), 1);
    EXPECT_EQ(state::EnemyModifiers[1][modifier::kTurnsLeft], 4);
    expected.push_back(c.enemyCue);
    if (!c.enemyMessage.empty()) expected.push_back(c.enemyMessage);
    EXPECT_EQ(ui.transcript, expected);
    EXPECT_EQ(state::RandSeed, seed) << "switching an effect on draws nothing";
  }
}

TEST_F(TacticalTest, LastingEffectRefusals) {
  const std::string alreadyActive =
      "popup: N/A / This ability is already active and cannot be activated twice. You can see the "
      "active abilities at the top left corner of your screen.";
  for (std::int32_t id : {6, 7, 8, 9, 10, 12, 13}) {
    SCOPED_TRACE(id);
    // Already active: the player is told, nothing is paid; the enemy does nothing at all.
    Ships(state::kClassStarwolf, state::kClassStarwolf);
    state::PlayerModifiers = {};
    state::EnemyModifiers = {};
    ui.transcript.clear();
    combat::AddPlayerModifier(state::Ability{id}, ui);
    combat::AddEnemyModifier(state::Ability{id});
    if (id == 12) ui.answers = {false};  // the tractor beam offers to switch off: keep it on
    combat::ResolvePlayerCombatAction(state::Ability{id}, ui);
    combat::ResolveCombatAction(Side::Enemy, state::Ability{id}, ui);
    EXPECT_TRUE(ui.answers.empty());
    EXPECT_TRUE(combat::ModifierActive(Side::Player, state::Ability{id}));
    EXPECT_EQ(state::PlayerShip[ship::kActionPoints], 5);
    EXPECT_EQ(state::EnemyShip[ship::kActionPoints], 5);
    EXPECT_EQ(state::EnemyShip[ship::kAwaitingMessage], 0);
    EXPECT_EQ(ui.Lines("popup: N/A").size(), 1u);
    EXPECT_EQ(ui.Lines("popup: N/A")[0], alreadyActive);
    EXPECT_TRUE(ui.Lines("cue").empty());

    // A full list refuses without a word, on both sides.
    state::PlayerModifiers = {};
    state::EnemyModifiers = {};
    ui.transcript.clear();
    for (int s = 0; s < 8; ++s) {
      combat::AddPlayerModifier(state::kReinforcements, ui);
      combat::AddEnemyModifier(state::kReinforcements);
    }
    combat::ResolvePlayerCombatAction(state::Ability{id}, ui);
    combat::ResolveCombatAction(Side::Enemy, state::Ability{id}, ui);
    EXPECT_EQ(state::PlayerShip[ship::kActionPoints], 5);
    EXPECT_EQ(state::EnemyShip[ship::kActionPoints], 5);
    EXPECT_EQ(state::EnemyShip[ship::kAwaitingMessage], 0);
    EXPECT_TRUE(ui.transcript.empty());

    // Too few points: "Not enough AP!" for the player, silence for the enemy.
    state::PlayerModifiers = {};
    state::EnemyModifiers = {};
    state::PlayerShip[ship::kActionPoints] = id == 12 ? 1 : 0;
    state::EnemyShip[ship::kActionPoints] = id == 12 ? 1 : 0;
    combat::ResolvePlayerCombatAction(state::Ability{id}, ui);
    combat::ResolveCombatAction(Side::Enemy, state::Ability{id}, ui);
    EXPECT_EQ(combat::FindPlayerModifierSlot(state::Ability{id}), 0);
    EXPECT_EQ(combat::FindEnemyModifierSlot(state::Ability{id}), 0);
    EXPECT_EQ(state::EnemyShip[ship::kAwaitingMessage], 0);
    EXPECT_EQ(ui.Lines("popup: Not enough AP!").size(), 1u);
    EXPECT_TRUE(ui.Lines("cue").empty());
  }
}

TEST_F(TacticalTest, ActiveTractorBeamCanBeTurnedOffForFree) {
  combat::ResolvePlayerCombatAction(state::kTractorBeam, ui);
  ASSERT_EQ(state::PlayerShip[ship::kActionPoints], 3);
  for (bool yes : {false, true}) {
    ui.answers = {yes};
    combat::ResolvePlayerCombatAction(state::kTractorBeam, ui);
    EXPECT_EQ(combat::FindPlayerModifierSlot(state::kTractorBeam) > 0, !yes);
    EXPECT_EQ(state::PlayerShip[ship::kActionPoints], 3) << "nothing paid or refunded";
  }
  const auto questions = ui.Lines("question: ");
  ASSERT_EQ(questions.size(), 2u);
  EXPECT_EQ(questions[1], "question: Turn off? / Do you wish to turn off this ability? -> yes");
  EXPECT_EQ(ui.Lines("popup: N/A").size(), 2u) << "the popup comes before each question";

  // Any other active effect only shows the popup.
  combat::ResolvePlayerCombatAction(state::kTargetLock, ui);
  combat::ResolvePlayerCombatAction(state::kTargetLock, ui);
  EXPECT_EQ(ui.Lines("question: ").size(), 2u);
}

TEST_F(TacticalTest, DisciplineAdvancesTheTutorial) {
  state::TutorialActive = 1;
  for (std::int32_t step : {13, 14}) {
    state::TutorialStep = step;
    state::PlayerModifiers = {};
    ui.transcript.clear();
    screens.Clear();
    combat::ResolvePlayerCombatAction(state::kDiscipline, ui);
    const std::vector<std::string> withTutorial = {"EndTutorialStep 14", "BeginTutorialStep 15"};
    EXPECT_EQ(screens.operations, step == 14 ? withTutorial : std::vector<std::string>{});
    EXPECT_EQ(ui.transcript, std::vector<std::string>{"cue AbilityUsed.wav"});
  }
  // Another effect at step 14 leaves the tutorial alone.
  state::TutorialStep = 14;
  screens.Clear();
  combat::ResolvePlayerCombatAction(state::kTargetLock, ui);
  EXPECT_TRUE(screens.Operations("EndTutorialStep").empty());
  EXPECT_TRUE(screens.Operations("BeginTutorialStep").empty());
}

TEST_F(TacticalTest, PlayerEscapeAttempts) {
  const std::string tractor =
      "player: Escape impossible !! / The enemy ship uses a tractor beam. Trying to escape is "
      "useless!";
  const std::string failed =
      "player: Escape failed !! / Your attempt to escape the enemy ship failed. Try again...";
  const std::string escaped =
      "picture popup: You escape! / You are able to escape from the battle! "
      "[Federation_Starwolf_Scene.jpg]";
  // The fly cue draws first, then the escape roll: Flee below 30, Cloak below 50.
  for (std::int32_t id : {11, 14}) {
    const std::int32_t chance = id == 11 ? 30 : 50;
    for (std::uint32_t seed = 0; seed < 60; ++seed) {
      SCOPED_TRACE(testing::Message() << "id " << id << " seed " << seed);
      Ships(state::kClassStarwolf, state::kClassStarwolf);
      state::PlayerShip[ship::kCargoModule] = state::Stored(kModuleCloakingDevice);
      state::EnemyModifiers = {};
      ui.transcript.clear();
      ui.closed = false;
      state::Randomize(seed);
      const std::int32_t cue = state::Random(2);
      const bool away = state::Random(100) < chance;
      state::Randomize(seed);
      combat::ResolvePlayerCombatAction(state::Ability{id}, ui);
      ASSERT_EQ(ui.transcript[0], cue == 0 ? "cue Fly1.wav" : "cue Fly2.wav");
      ASSERT_EQ(ui.closed, away);
      if (away) {
        EXPECT_EQ(ui.transcript[1], escaped);
        EXPECT_EQ(state::PlayerShip[ship::kActionPoints], -100)
            << "the escaped player's turn is over";
        EXPECT_EQ(state::PlayerShip[ship::kAlive], 1);
        EXPECT_EQ(state::EnemyShip[ship::kAlive], 1);
      } else {
        EXPECT_EQ(ui.transcript[1], failed);
        EXPECT_EQ(state::PlayerShip[ship::kActionPoints], 0);
      }
    }
  }

  // Refusals cost nothing and draw nothing.
  struct Refusal {
    std::int32_t id, enemyModifier, cargoModule;
    std::string line;
  };
  const Refusal refusals[] = {
      {11, 12, 0, tractor},
      {14, 12, 3, tractor},
      {14, 20, 3,
       "player: Escape impossible !! / The enemy ship has put a target mark on you. You cannot "
       "cloak."},
      {14, 0, 2,
       "picture popup: Problem ! / You do not have cloaking devices equipped. This is a cargo "
       "space upgrade. [Federation_Starwolf_Scene.jpg]"},
  };
  for (const Refusal& r : refusals) {
    SCOPED_TRACE(r.line);
    Ships(state::kClassStarwolf, state::kClassStarwolf);
    state::PlayerShip[ship::kCargoModule] = r.cargoModule;
    state::EnemyModifiers = {};
    if (r.enemyModifier) combat::AddEnemyModifier(state::Ability{r.enemyModifier});
    ui.transcript.clear();
    const std::uint32_t seed = state::RandSeed;
    combat::ResolvePlayerCombatAction(state::Ability{r.id}, ui);
    EXPECT_EQ(ui.transcript, std::vector<std::string>{r.line});
    EXPECT_EQ(state::PlayerShip[ship::kActionPoints], 5);
    EXPECT_EQ(state::RandSeed, seed);
  }
  // The player's own mark does not hold the player.
  Ships(state::kClassStarwolf, state::kClassStarwolf);
  state::PlayerShip[ship::kCargoModule] = state::Stored(kModuleCloakingDevice);
  state::EnemyModifiers = {};
  combat::AddPlayerModifier(state::kMark, ui);
  ui.transcript.clear();
  combat::ResolvePlayerCombatAction(state::kCloak, ui);
  EXPECT_NE(state::PlayerShip[ship::kActionPoints], 5);
  EXPECT_EQ(ui.Lines("cue Fly").size(), 1u) << "the attempt is made";

  // Too few points: only "Not enough AP!", no cue, no draw.
  Ships(state::kClassStarwolf, state::kClassStarwolf);
  state::PlayerShip[ship::kActionPoints] = 4;
  ui.transcript.clear();
  const std::uint32_t seed = state::RandSeed;
  combat::ResolvePlayerCombatAction(state::kFlee, ui);
  EXPECT_EQ(ui.Lines("popup: Not enough AP!").size(), 1u);
  EXPECT_TRUE(ui.Lines("cue").empty());
  EXPECT_EQ(state::RandSeed, seed);
}

TEST_F(TacticalTest, EscapedPlayerHandsNoTurnToTheEnemy) {
  // Fleeing with the last 5 points while the turn would end by itself: the fight is over instead.
  state::AutoEndTurn = 1;
  state::EnemyAbilitySlots[1] = 1;
  state::Randomize(SeedWhere([] { return state::Random(2) >= 0 && state::Random(100) < 30; }));
  combat::ResolvePlayerCombatAction(state::kFlee, ui);
  ASSERT_TRUE(ui.closed);
  EXPECT_EQ(state::EnemyShip[ship::kActionPoints], 5);
  EXPECT_EQ(state::EnemyShip[ship::kDecisionStep], 0);
  EXPECT_TRUE(ui.Lines("enemy: ").empty());
  EXPECT_EQ(ui.transcript.back(), "combat screen closed");
}

TEST_F(TacticalTest, EnemyFlee) {
  const std::string escaped =
      "picture popup: Enemy escapes! / The enemy is able to escape from the battle! Maybe you "
      "should acquire and/or use the ability \"tractor beam\" to prevent this from happening in "
      "the future... [Outerrim_Starwolf_Scene.jpg]";
  for (std::uint32_t seed = 0; seed < 60; ++seed) {
    for (std::uint8_t offered : {0, 1}) {
      SCOPED_TRACE(testing::Message() << "seed " << seed << " offered " << int(offered));
      Ships(state::kClassStarwolf, state::kClassStarwolf);
      combat::BoardingOffered = offered;
      ui.transcript.clear();
      ui.closed = false;
      state::Randomize(seed);
      const bool away = state::Random(100) < 20;
      state::Randomize(seed);
      combat::ResolveCombatAction(Side::Enemy, state::kFlee, ui);
      // The points are spent and the roll is made even once boarding has been offered.
      EXPECT_EQ(state::EnemyShip[ship::kActionPoints], 0);
      ASSERT_EQ(ui.transcript[0], "cue ECM.wav");
      if (offered) {
        EXPECT_EQ(ui.transcript.size(), 1u) << "nothing is shown";
        EXPECT_FALSE(ui.closed);
        EXPECT_EQ(state::EnemyShip[ship::kAwaitingMessage], 1);
      } else if (away) {
        EXPECT_EQ(ui.transcript[1], escaped);
        EXPECT_TRUE(ui.closed);
        EXPECT_EQ(combat::BoardingOffered, 1);
      } else {
        EXPECT_EQ(ui.transcript[1], "enemy: Escape failed !! / The enemy attempt to escape failed.");
        EXPECT_FALSE(ui.closed);
        EXPECT_EQ(combat::BoardingOffered, 0);
      }
    }
  }
  // The player's tractor beam holds the enemy: nothing at all.
  Ships(state::kClassStarwolf, state::kClassStarwolf);
  combat::AddPlayerModifier(state::kTractorBeam, ui);
  ui.transcript.clear();
  combat::ResolveCombatAction(Side::Enemy, state::kFlee, ui);
  EXPECT_TRUE(ui.transcript.empty());
  EXPECT_EQ(state::EnemyShip[ship::kActionPoints], 5);
  EXPECT_EQ(state::EnemyShip[ship::kAwaitingMessage], 0);
}

TEST_F(TacticalTest, EnemyCloak) {
  const std::string escaped =
      "picture popup: Enemy escapes! / The enemy is able to escape from the battle! "
      "[Outerrim_Starwolf_Scene.jpg]";
  // The enemy needs no device of its own, and the player's hold does not matter.
  for (std::int32_t playerModule : {0, 3}) {
    for (std::uint32_t seed = 0; seed < 40; ++seed) {
      SCOPED_TRACE(testing::Message() << "module " << playerModule << " seed " << seed);
      Ships(state::kClassStarwolf, state::kClassStarwolf);
      state::PlayerShip[ship::kCargoModule] = playerModule;
      ui.transcript.clear();
      ui.closed = false;
      state::Randomize(seed);
      const bool away = state::Random(100) < 40;
      state::Randomize(seed);
      combat::ResolveCombatAction(Side::Enemy, state::kCloak, ui);
      EXPECT_EQ(state::EnemyShip[ship::kActionPoints], 0);
      ASSERT_EQ(ui.transcript[0], "cue ECM.wav");
      EXPECT_EQ(ui.transcript[1], away ? escaped
                                       : "enemy: Escape failed !! / The enemy attempt to escape "
                                         "failed.");
      EXPECT_EQ(ui.closed, away);
      EXPECT_EQ(combat::BoardingOffered, 0) << "a cloaked escape leaves boarding alone";
    }
  }
  // The player's tractor beam or mark holds the enemy; the enemy's own do not.
  for (std::int32_t modifier : {12, 20}) {
    Ships(state::kClassStarwolf, state::kClassStarwolf);
    state::PlayerModifiers = {};
    state::EnemyModifiers = {};
    combat::AddPlayerModifier(state::Ability{modifier}, ui);
    combat::AddEnemyModifier(modifier == 12 ? state::kMark : state::kTractorBeam);
    ui.transcript.clear();
    combat::ResolveCombatAction(Side::Enemy, state::kCloak, ui);
    EXPECT_TRUE(ui.transcript.empty()) << modifier;
    EXPECT_EQ(state::EnemyShip[ship::kAwaitingMessage], 0);
  }
}

TEST_F(TacticalTest, EnemyEscapeEndsItsTurnAndTheFight) {
  // A defensive enemy flees at the first step of its list, with its guns ready behind it.
  state::EnemyShip[ship::kEnemyKind] = 1;
  state::EnemyShip[ship::kActionPoints] = 9;
  state::EnemyAbilitySlots[1] = 11;
  state::EnemyAbilitySlots[2] = 1;
  state::PlayerShip[ship::kActionPoints] = -100;
  state::Randomize(SeedWhere([] { return state::Random(100) < 20; }));
  combat::RunEnemyCombatAI(ui);
  ASSERT_TRUE(ui.closed);
  EXPECT_EQ(state::EnemyShip[ship::kActionPoints], 4);
  EXPECT_TRUE(ui.Lines("enemy: Firing guns").empty());
  EXPECT_EQ(state::PlayerShip[ship::kActionPoints], -100)
      << "no new round starts behind the closed screen";
  EXPECT_EQ(ui.transcript.back(), "combat screen closed");
  EXPECT_EQ(state::EnemyShip[ship::kAwaitingMessage], 0);
  // A later tick of a stopped timer finds nothing waiting.
  combat::EnemyMessageTimerTick(ui);
  EXPECT_EQ(state::PlayerShip[ship::kActionPoints], -100);

  // The screen lives on: the next fight set up on it is open again, and its rounds go on.
  state::PlayerShip[ship::kAlive] = 1;
  state::PlayerShip[ship::kClass] = 1;
  combat::SetupShipCombat(state::kClassStarwolf, kFactionOuterRim, kMilitaryShip, 0, ui);
  EXPECT_FALSE(ui.IsClosed());
  state::EnemyAbilitySlots = {};
  combat::EndPlayerTurn(ui);
  EXPECT_EQ(state::PlayerShip[ship::kActionPoints],
            state::GetShipClassStat(state::kClassStarwolf, state::kAttrActionPoints))
      << "the enemy's empty list hands the turn back";
}

TEST_F(TacticalTest, Exploit) {
  const std::int32_t cost = state::GetGunApCost(state::kClassStarwolf, kGunLaser, Side::Player) + 2;
  const std::string stunNeeded = "popup: Problem / The enemy needs to be stunned by an EMP attack.";

  // The player needs an own EMP: the enemy's EMP (the player stunned) does not do.
  combat::AddEnemyModifier(state::kEmp);
  combat::ResolvePlayerCombatAction(state::kExploit, ui);
  EXPECT_EQ(ui.Lines("popup: Problem"), std::vector<std::string>{stunNeeded});
  EXPECT_EQ(state::PlayerShip[ship::kActionPoints], 5);
  // The enemy needs its own EMP: the player's does not do, and nothing is shown.
  state::EnemyModifiers = {};
  combat::AddPlayerModifier(state::kEmp2, ui);
  ui.transcript.clear();
  combat::ResolveCombatAction(Side::Enemy, state::kExploit, ui);
  EXPECT_TRUE(ui.transcript.empty());
  EXPECT_EQ(state::EnemyShip[ship::kActionPoints], 5);

  // A sure hit doubles the damage after the scaling; the guns' cue draws before the roll.
  const auto sureHit = [] { return state::Random(2) >= 0 && state::Random(100) == 0; };
  Ships(state::kClassStarwolf, state::kClassShadowcat);
  state::PlayerModifiers = {};
  state::EnemyModifiers = {};
  combat::AddPlayerModifier(state::kEmp, ui);
  combat::AddPlayerModifier(state::kOverheated, ui);  // overheated guns do not refuse it
  ui.transcript.clear();
  state::Randomize(SeedWhere(sureHit));
  combat::ResolvePlayerCombatAction(state::kExploit, ui);
  EXPECT_EQ(state::PlayerShip[ship::kActionPoints], 5 - cost);
  EXPECT_EQ(state::PlayerShip[ship::kGunVolleys], 1) << "it counts as a gun volley";
  const std::int32_t d = 2 * combat::ScalePlayerDamageToEnemy(
                                 state::GetGunDamage(state::kClassStarwolf, kGunLaser, Side::Player));
  EXPECT_EQ(ui.Lines("player: "),
            std::vector<std::string>{"player: Exploit !! / You exploit the enemy being stunned "
                                     "by an EMP and cause " + std::to_string(d) +
                                     " pts. of damage."});

  // The enemy's sure hit: doubled first, then scaled.
  Ships(state::kClassShadowcat, state::kClassStarwolf);
  state::PlayerModifiers = {};
  state::EnemyModifiers = {};
  combat::AddEnemyModifier(state::kEmp2);
  ui.transcript.clear();
  state::Randomize(SeedWhere(sureHit));
  combat::ResolveCombatAction(Side::Enemy, state::kExploit, ui);
  EXPECT_EQ(state::EnemyShip[ship::kActionPoints],
            5 - (state::GetGunApCost(state::kClassStarwolf, kGunLaser, Side::Enemy) + 2));
  EXPECT_EQ(state::EnemyShip[ship::kAwaitingMessage], 1);
  const std::int32_t e = combat::ScaleEnemyDamageToPlayer(
      2 * state::GetGunDamage(state::kClassStarwolf, kGunLaser, Side::Enemy));
  EXPECT_EQ(ui.Lines("enemy: "),
            std::vector<std::string>{"enemy: Exploit !! / The enemy exploits you being stunned by "
                                     "an EMP and causes " + std::to_string(e) +
                                     " pts. of damage."});

  // Misses of both sides: a roll of 100 misses every chance.
  const auto sureMiss = [] { return state::Random(2) >= 0 && state::Random(100) == 99; };
  Ships(state::kClassStarwolf, state::kClassStarwolf);
  state::PlayerModifiers = {};
  state::EnemyModifiers = {};
  combat::AddPlayerModifier(state::kEmp, ui);
  combat::AddEnemyModifier(state::kEmp);
  ui.transcript.clear();
  state::Randomize(SeedWhere(sureMiss));
  combat::ResolvePlayerCombatAction(state::kExploit, ui);
  state::Randomize(SeedWhere(sureMiss));
  combat::ResolveCombatAction(Side::Enemy, state::kExploit, ui);
  EXPECT_EQ(Messages(), (std::vector<std::string>{
                            "player: Exploit !! / You fire your guns, but miss the enemy ship.",
                            "enemy: Exploit !! / The enemy fires his guns, but misses you."}));
  EXPECT_EQ(state::PlayerShip[ship::kShields], 100);
  EXPECT_EQ(state::EnemyShip[ship::kShields], 100);
}

}  // namespace
}  // namespace combat_test
