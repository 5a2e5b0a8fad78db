// The shields and the abilities that restore a ship: timed shields on both sides with their costs,
// partners and refusals, "Recharge", and the player's "Shield boost", energy channelling and
// "Calmness".
#include <gtest/gtest.h>

#include <string>

#include "combat/ability_ids.h"
#include "combat/sides.h"
#include "combat_fixture.h"
#include "state/fields.h"
#include "support/rows.h"

namespace combat_test {
namespace {

using combat::Side;

constexpr char kAlreadyActive[] =
    "popup: N/A / This ability is already active and cannot be activated twice. You can see the "
    "active abilities at the top left corner of your screen.";

class DefensiveTest : public CombatTest {
 protected:
  // A new fight on the same screen: the game cleared and the recording emptied.
  void Fresh() {
    SetUp();
    ui.transcript.clear();
    ui.enemyTimerStarts = 0;
  }
  static std::int32_t PlayerMax() { return combat::MaxShields(combat::Side::Player); }
  static int Standing(const state::Table<state::TModifierRow, state::kModifierRows>& list) {
    int n = 0;
    for (int s = 1; s <= 8; ++s) n += list[s][modifier::kActive] != 0;
    return n;
  }
  // Every slot of `side`'s list taken by "Target lock".
  static void FillList(Side side) {
    auto& list = side == Side::Player ? state::PlayerModifiers : state::EnemyModifiers;
    for (int s = 1; s <= 8; ++s) list[s] = test_rows::ActiveModifier(combat::kTargetLock, 5);
  }
};

TEST_F(DefensiveTest, TimedShieldsOnBothSides) {
  const std::string focus =
      "You focus the shield power to the parts of the ship most likely hit during the next attack.";
  const std::string reflect =
      "You canalise reflective photonic particles from your engine to your shields.";
  struct Case {
    std::int32_t id, playerCost, enemyCost, turns;
    std::string playerMessage, enemyMessage;
  };
  const Case cases[] = {
      {21, 2, 1, 2, "EMP resistance !! / You manipulate your energy shields to resist an EMP attack!",
       "EMP resistance!! / The enemy pilot manipulates his shields to resist an EMP attack."},
      {22, 2, 2, 4, "Focused shield !! / " + focus, "Focused shield !! / " + focus},
      {23, 2, 2, 4, "Focused shield II !! / " + focus, "Focused shield II !! / " + focus},
      {24, 2, 2, 4, "Reflection shield !! / " + reflect, "Reflection shield !! / " + reflect},
      {25, 2, 2, 4, "Reflection shield !! / " + reflect, "Reflection shield !! / " + reflect},
      {26, 2, 2, 4,
       "Evasion manouvers !! / You start evasive manouvers making it more difficult to hit and to "
       "be hit.",
       "Evasion manouvers !! / The enemy ships starts evasive manouvers."},
  };
  for (const Case& c : cases) {
    Fresh();
    state::PlayerShip[ship::kActionPoints] = 5;
    state::EnemyShip[ship::kActionPoints] = 5;
    combat::ResolvePlayerCombatAction(state::Ability{c.id}, ui);
    EXPECT_EQ(state::PlayerShip[ship::kActionPoints], 5 - c.playerCost) << c.id;
    const int ps = combat::FindPlayerModifierSlot(state::Ability{c.id});
    ASSERT_EQ(ps, 1) << c.id;
    EXPECT_EQ(state::PlayerModifiers[ps][modifier::kTurnsLeft], c.turns) << c.id;
    EXPECT_EQ(combat::FindEnemyModifierSlot(state::Ability{c.id}), 0) << "the player's effect stands in its own list";

    combat::ResolveCombatAction(Side::Enemy, state::Ability{c.id}, ui);
    EXPECT_EQ(state::EnemyShip[ship::kActionPoints], 5 - c.enemyCost) << c.id;
    EXPECT_EQ(state::EnemyShip[ship::kAwaitingMessage], 1) << c.id;
    EXPECT_EQ(ui.enemyTimerStarts, 1) << c.id;
    const int es = combat::FindEnemyModifierSlot(state::Ability{c.id});
    ASSERT_EQ(es, 1) << c.id;
    EXPECT_EQ(state::EnemyModifiers[es][modifier::kTurnsLeft], c.turns) << c.id;

    const std::vector<std::string> expected = {"cue AbilityUsed.wav", "player: " + c.playerMessage,
                                               "cue ECM.wav", "enemy: " + c.enemyMessage};
    EXPECT_EQ(ui.transcript, expected) << c.id;
  }
}

TEST_F(DefensiveTest, TimedShieldRefusalsCostNothing) {
  // Already active: the player is told, the enemy passes silently.
  combat::ResolvePlayerCombatAction(state::kEmpResistance, ui);
  combat::ResolveCombatAction(Side::Enemy, state::kEmpResistance, ui);
  state::EnemyShip[ship::kAwaitingMessage] = 0;
  const std::int32_t playerAp = state::PlayerShip[ship::kActionPoints],
                     enemyAp = state::EnemyShip[ship::kActionPoints];
  const int starts = ui.enemyTimerStarts;
  ui.transcript.clear();
  combat::ResolvePlayerCombatAction(state::kEmpResistance, ui);
  combat::ResolveCombatAction(Side::Enemy, state::kEmpResistance, ui);
  EXPECT_EQ(ui.transcript, std::vector<std::string>{kAlreadyActive});
  EXPECT_EQ(state::PlayerShip[ship::kActionPoints], playerAp);
  EXPECT_EQ(state::EnemyShip[ship::kActionPoints], enemyAp);
  EXPECT_EQ(state::EnemyShip[ship::kAwaitingMessage], 0);
  EXPECT_EQ(ui.enemyTimerStarts, starts);
  EXPECT_EQ(Standing(state::PlayerModifiers), 1);
  EXPECT_EQ(Standing(state::EnemyModifiers), 1);

  // The focused shields exclude each other, as do the reflection shields: silently, for free.
  const std::pair<state::Ability, state::Ability> partners[] = {
      {combat::kFocusedShield, combat::kFocusedShield2},
      {combat::kFocusedShield2, combat::kFocusedShield},
      {combat::kReflectionShield, combat::kReflectionShield2},
      {combat::kReflectionShield2, combat::kReflectionShield}};
  for (const auto& [standing, tried] : partners) {
    for (Side side : {Side::Player, Side::Enemy}) {
      Fresh();
      combat::AddModifier(side, standing, ui);
      ui.transcript.clear();
      const state::TShipRow before = side == Side::Player ? state::PlayerShip : state::EnemyShip;
      if (side == Side::Player)
        combat::ResolvePlayerCombatAction(tried, ui);
      else
        combat::ResolveCombatAction(Side::Enemy, tried, ui);
      EXPECT_EQ(side == Side::Player ? state::PlayerShip : state::EnemyShip, before) << state::Stored(tried);
      EXPECT_FALSE(combat::ModifierActive(side, tried)) << state::Stored(tried);
      EXPECT_TRUE(ui.transcript.empty()) << state::Stored(tried);
    }
  }

  // A full list: nothing, silently, on both sides.
  Fresh();
  FillList(Side::Player);
  FillList(Side::Enemy);
  const state::TShipRow player = state::PlayerShip, enemy = state::EnemyShip;
  combat::ResolvePlayerCombatAction(state::kEvading, ui);
  combat::ResolveCombatAction(Side::Enemy, state::kEvading, ui);
  EXPECT_EQ(state::PlayerShip, player);
  EXPECT_EQ(state::EnemyShip, enemy);
  EXPECT_TRUE(ui.transcript.empty());

  // Too few points: "Not enough AP!" for the player; the enemy's "EMP resistance" needs only 1.
  Fresh();
  state::PlayerShip[ship::kActionPoints] = 1;
  state::EnemyShip[ship::kActionPoints] = 1;
  combat::ResolvePlayerCombatAction(state::kEmpResistance, ui);
  EXPECT_EQ(state::PlayerShip[ship::kActionPoints], 1);
  EXPECT_EQ(ui.Lines("popup: Not enough AP!").size(), 1u);
  EXPECT_FALSE(combat::ModifierActive(Side::Player, state::kEmpResistance));
  combat::ResolveCombatAction(Side::Enemy, state::kFocusedShield, ui);
  EXPECT_EQ(state::EnemyShip[ship::kActionPoints], 1);
  EXPECT_EQ(state::EnemyShip[ship::kAwaitingMessage], 0);
  combat::ResolveCombatAction(Side::Enemy, state::kEmpResistance, ui);
  EXPECT_EQ(state::EnemyShip[ship::kActionPoints], 0);
  EXPECT_TRUE(combat::ModifierActive(Side::Enemy, state::kEmpResistance));
}

TEST_F(DefensiveTest, RechargeSetsThePointsOncePerFight) {
  struct Case {
    Side side;
    std::int32_t before;
    bool doubleSpeed;
    std::int32_t after;
  };
  const Case cases[] = {{Side::Player, 6, false, 5}, {Side::Player, 1, false, 5},
                        {Side::Player, 2, true, 7},  {Side::Enemy, 6, false, 5},
                        {Side::Enemy, 1, true, 7}};
  for (const Case& c : cases) {
    Fresh();
    auto& ship = c.side == Side::Player ? state::PlayerShip : state::EnemyShip;
    ship[ship::kActionPoints] = c.before;
    if (c.doubleSpeed) combat::AddModifier(c.side, combat::kDoubleSpeed, ui);
    ui.transcript.clear();
    if (c.side == Side::Player)
      combat::ResolvePlayerCombatAction(state::kRecharge, ui);
    else
      combat::ResolveCombatAction(Side::Enemy, state::kRecharge, ui);
    EXPECT_EQ(ship[ship::kActionPoints], c.after);
    EXPECT_EQ(ship[ship::kRechargeUsed], 1);
    const std::string box = c.side == Side::Player ? "player: " : "enemy: ";
    const std::vector<std::string> expected = {
        c.side == Side::Player ? "cue AbilityUsed.wav" : "cue ECM.wav",
        box + "Recharge !! / Your action points are fully recharged."};
    EXPECT_EQ(ui.transcript, expected);
    EXPECT_EQ(state::EnemyShip[ship::kAwaitingMessage], c.side == Side::Enemy ? 1 : 0);

    // A second use is refused: the player with a popup, the enemy silently.
    ship[ship::kActionPoints] = 2;
    state::EnemyShip[ship::kAwaitingMessage] = 0;
    ui.transcript.clear();
    if (c.side == Side::Player)
      combat::ResolvePlayerCombatAction(state::kRecharge, ui);
    else
      combat::ResolveCombatAction(Side::Enemy, state::kRecharge, ui);
    EXPECT_EQ(ship[ship::kActionPoints], 2);
    EXPECT_EQ(state::EnemyShip[ship::kAwaitingMessage], 0);
    const std::vector<std::string> refusal = {
        "popup: N/A / You can only recharge your action points once in every combat."};
    EXPECT_EQ(ui.transcript, c.side == Side::Player ? refusal : std::vector<std::string>{});
  }

  // Without a single point left there is nothing to recharge from.
  Fresh();
  state::PlayerShip[ship::kActionPoints] = 0;
  state::EnemyShip[ship::kActionPoints] = 0;
  combat::ResolvePlayerCombatAction(state::kRecharge, ui);
  combat::ResolveCombatAction(Side::Enemy, state::kRecharge, ui);
  EXPECT_EQ(state::PlayerShip[ship::kActionPoints], 0);
  EXPECT_EQ(state::EnemyShip[ship::kActionPoints], 0);
  EXPECT_EQ(state::PlayerShip[ship::kRechargeUsed], 0);
  EXPECT_EQ(state::EnemyShip[ship::kRechargeUsed], 0);
  EXPECT_EQ(state::EnemyShip[ship::kAwaitingMessage], 0);
  EXPECT_EQ(ui.Lines("popup: Not enough AP!").size(), 1u);
}

TEST_F(DefensiveTest, ShieldBoostRaisesAQuarterUpToTheMaximum) {
  const std::int32_t m = PlayerMax();
  ASSERT_GT(m / 4, 0);
  struct Case {
    std::int32_t before, after;
  };
  const Case cases[] = {{m, m},              {m - m / 4, m}, {m - m / 4 - 1, m - 1},
                        {0, m / 4},          {-10, m / 4 - 10},
                        {m + 7, m + 7}};  // never lowered
  for (const Case& c : cases) {
    Fresh();
    state::PlayerShip[ship::kShields] = c.before;
    combat::ResolvePlayerCombatAction(state::kShieldBoost, ui);
    EXPECT_EQ(state::PlayerShip[ship::kShields], c.after) << c.before;
    EXPECT_EQ(state::PlayerShip[ship::kActionPoints], 2);
    EXPECT_EQ(state::PlayerShip[ship::kShieldBoostUsed], 1);
    EXPECT_EQ(ui.Lines("player: Shield Boost !! / Your shields are recharged by 25%.").size(), 1u);
  }

  // Once per fight; too few points cost nothing and leave the boost unused.
  state::PlayerShip[ship::kShields] = 0;
  combat::ResolvePlayerCombatAction(state::kShieldBoost, ui);
  EXPECT_EQ(state::PlayerShip[ship::kShields], 0);
  EXPECT_EQ(state::PlayerShip[ship::kActionPoints], 2);
  EXPECT_EQ(ui.Lines("popup: N/A / You can only recalibrate your shield once in every combat.").size(),
            1u);
  Fresh();
  state::PlayerShip[ship::kActionPoints] = 2;
  state::PlayerShip[ship::kShields] = 0;
  combat::ResolvePlayerCombatAction(state::kShieldBoost, ui);
  EXPECT_EQ(state::PlayerShip[ship::kShields], 0);
  EXPECT_EQ(state::PlayerShip[ship::kShieldBoostUsed], 0);
  EXPECT_EQ(ui.Lines("popup: Not enough AP!").size(), 1u);
}

TEST_F(DefensiveTest, EnergyChannellingTurnsStandingShieldsIntoShieldPoints) {
  const std::int32_t m = PlayerMax();
  struct Case {
    std::vector<std::int32_t> standing;
    std::int32_t gain;
    std::string percent;
  };
  const Case cases[] = {{{22}, m / 4, "25"},
                        {{25}, m / 4, "25"},
                        {{23, 24}, m / 3, "35"},
                        {{22, 25}, m / 3, "35"}};
  for (const Case& c : cases) {
    Fresh();
    state::PlayerShip[ship::kShields] = 10;
    for (std::int32_t id : c.standing) combat::AddPlayerModifier(state::Ability{id}, ui);
    combat::AddPlayerModifier(combat::kEvading, ui);  // not a shield: it stays
    combat::ResolvePlayerCombatAction(state::kSacrifice, ui);
    EXPECT_EQ(state::PlayerShip[ship::kShields], 10 + c.gain);
    EXPECT_EQ(state::PlayerShip[ship::kActionPoints], 0);
    EXPECT_EQ(state::PlayerShip[ship::kEnergyChannellingUsed], 1);
    for (std::int32_t id : c.standing) EXPECT_FALSE(combat::ModifierActive(Side::Player, state::Ability{id}));
    EXPECT_TRUE(combat::ModifierActive(Side::Player, combat::kEvading));
    EXPECT_EQ(ui.Lines("player: Energy channelling !! / Your shields are recharged by " +
                       c.percent + "%.")
                  .size(),
              1u);
  }
  // Full shields stay at their maximum.
  Fresh();
  state::PlayerShip[ship::kShields] = m - 1;
  combat::AddPlayerModifier(state::kFocusedShield, ui);
  combat::ResolvePlayerCombatAction(state::kSacrifice, ui);
  EXPECT_EQ(state::PlayerShip[ship::kShields], m);
}

TEST_F(DefensiveTest, EnergyChannellingRefusals) {
  // No shield standing (an enemy shield does not count), used already, too few points: each
  // refusal costs nothing and keeps the shields standing.
  combat::AddEnemyModifier(state::kFocusedShield);
  combat::ResolvePlayerCombatAction(state::kSacrifice, ui);
  EXPECT_EQ(ui.transcript, std::vector<std::string>{
                               "popup: N/A / You either need the skills \"Focused shield\" or "
                               "\"Reflective shield\" activated."});
  EXPECT_EQ(state::PlayerShip[ship::kActionPoints], 5);

  combat::AddPlayerModifier(state::kReflectionShield, ui);
  state::PlayerShip[ship::kEnergyChannellingUsed] = 1;
  ui.transcript.clear();
  combat::ResolvePlayerCombatAction(state::kSacrifice, ui);
  EXPECT_EQ(ui.transcript, std::vector<std::string>{
                               "popup: N/A / You can only use energy channeling once in every "
                               "combat."});
  EXPECT_EQ(state::PlayerShip[ship::kActionPoints], 5);

  state::PlayerShip[ship::kEnergyChannellingUsed] = 0;
  state::PlayerShip[ship::kActionPoints] = 4;
  const std::int32_t shields = state::PlayerShip[ship::kShields];
  ui.transcript.clear();
  combat::ResolvePlayerCombatAction(state::kSacrifice, ui);
  EXPECT_EQ(ui.Lines("popup: Not enough AP!").size(), 1u);
  EXPECT_EQ(ui.transcript.size(), 1u);
  EXPECT_EQ(state::PlayerShip[ship::kActionPoints], 4);
  EXPECT_EQ(state::PlayerShip[ship::kShields], shields);
  EXPECT_EQ(state::PlayerShip[ship::kEnergyChannellingUsed], 0);
  EXPECT_TRUE(combat::ModifierActive(Side::Player, state::kReflectionShield));
}

TEST_F(DefensiveTest, CalmnessEndsTheEnemyTaunts) {
  struct Case {
    std::vector<std::int32_t> taunts;
  };
  const Case cases[] = {{{10}}, {{13}}, {{10, 13}}};
  for (const Case& c : cases) {
    Fresh();
    for (std::int32_t id : c.taunts) combat::AddEnemyModifier(state::Ability{id});
    combat::AddEnemyModifier(combat::kEvading);
    combat::ResolvePlayerCombatAction(state::kCalmness, ui);
    EXPECT_EQ(state::PlayerShip[ship::kActionPoints], 4);
    EXPECT_FALSE(combat::ModifierActive(Side::Enemy, state::kTaunt));
    EXPECT_FALSE(combat::ModifierActive(Side::Enemy, state::kEvilTaunt));
    EXPECT_TRUE(combat::ModifierActive(Side::Enemy, combat::kEvading));
    EXPECT_EQ(ui.transcript, (std::vector<std::string>{"cue AbilityUsed.wav",
                                                       "player: Calmness / Taunt effect removed!"}));
  }
  // Refused without a taunt (the player's own taunt does not count) and without points; the cue
  // plays first all the same.
  Fresh();
  combat::AddPlayerModifier(state::kTaunt, ui);
  combat::ResolvePlayerCombatAction(state::kCalmness, ui);
  EXPECT_EQ(state::PlayerShip[ship::kActionPoints], 5);
  EXPECT_EQ(ui.transcript, (std::vector<std::string>{
                               "cue AbilityUsed.wav",
                               "popup: N/A / The enemy has no taunt effect active."}));
  Fresh();
  combat::AddEnemyModifier(state::kTaunt);
  state::PlayerShip[ship::kActionPoints] = 0;
  combat::ResolvePlayerCombatAction(state::kCalmness, ui);
  EXPECT_TRUE(combat::ModifierActive(Side::Enemy, state::kTaunt));
  ASSERT_EQ(ui.transcript.size(), 2u);
  EXPECT_EQ(ui.transcript[0], "cue AbilityUsed.wav");
  EXPECT_EQ(ui.transcript[1].rfind("popup: Not enough AP!", 0), 0u);
}

TEST_F(DefensiveTest, TheEnemyHasNoBoostChannellingOrCalmness) {
  combat::AddEnemyModifier(state::kFocusedShield);
  combat::AddPlayerModifier(state::kTaunt, ui);
  state::EnemyShip[ship::kShields] = 1;
  const state::TShipRow player = state::PlayerShip, enemy = state::EnemyShip;
  const auto playerList = state::PlayerModifiers, enemyList = state::EnemyModifiers;
  for (std::int32_t id : {27, 28, 29}) combat::ResolveCombatAction(Side::Enemy, state::Ability{id}, ui);
  EXPECT_EQ(state::PlayerShip, player);
  EXPECT_EQ(state::EnemyShip, enemy);
  EXPECT_EQ(state::PlayerModifiers, playerList);
  EXPECT_EQ(state::EnemyModifiers, enemyList);
  EXPECT_TRUE(ui.transcript.empty());
}

}  // namespace
}  // namespace combat_test
