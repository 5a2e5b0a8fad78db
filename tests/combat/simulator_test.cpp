// The real-time practice duel: single ticks from set situations, the enemy's choices, the set-up
// page's steps, and whole runs from a seed.
#include "combat/simulator.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <functional>
#include <string>
#include <utility>
#include <vector>

#include "audio/sound.h"
#include "combat/modifiers.h"
#include "combat/sides.h"
#include "state/fields.h"
#include "state/random.h"
#include "state/ship_classes.h"
#include "state/variables.h"
#include "support/rows.h"
#include "support/script_ui.h"

namespace {

using combat::Side;

class SimUi : public combat::SimulatorUi {
 public:
  explicit SimUi(rules::Ui& rules) : SimulatorUi(rules) {}
  std::vector<std::pair<Side, state::Ability>> used;
  std::vector<std::string> popups;  // "topic|text|picture"
  std::vector<std::string> headings;
  int timerStops = 0;
  bool closed = false;
  std::function<void()> onSetupPage;
  std::function<void()> onDuel;

  void AbilityUsed(Side side, state::Ability ability) override { used.emplace_back(side, ability); }
  void StopCombatTimer() override { ++timerStops; }
  void ShowPopup(combat::CombatPopup, std::string_view topic, std::string_view text,
                 std::string_view picture) override {
    popups.push_back(std::string(topic) + "|" + std::string(text) + "|" + std::string(picture));
  }
  void Refresh(combat::Display) override {}
  void Animate(Side, combat::Animation) override {}
  void Close() override { closed = true; }
  bool IsClosed() const override { return closed; }
  void ResetScreen() override { closed = false; }
  void ShowSetupPage(std::string_view heading) override {
    headings.emplace_back(heading);
    if (onSetupPage) onSetupPage();
  }
  void RunDuelScreen() override {
    if (onDuel) onDuel();
  }
  std::vector<std::int32_t> EnemyUsed() const {
    std::vector<std::int32_t> ids;
    for (const auto& [side, id] : used) {
      if (side == Side::Enemy) ids.push_back(state::Stored(id));
    }
    return ids;
  }
};

class SimulatorTest : public testing::Test {
 protected:
  support::ScriptUi screens;
  SimUi ui{screens};

  void SetUp() override {
    audio::SetSoundOutput(nullptr);
    state::ClearGameState();
    combat::SimulatorMessages = {};
    state::PlayerShip =
        test_rows::ShipRow().Alive().Class(state::kClassStargun).Shields(100);
    state::EnemyShip = test_rows::ShipRow()
                           .Alive()
                           .Class(state::kClassStarwolf)
                           .Shields(100)
                           .Set(ship::kEnemyKind, 0);  // no choices: only the round's own draws
  }

  // Puts `ability` active in the lowest free slot of `side` for `ticks` ticks.
  static void Give(Side side, std::int32_t ability, std::int32_t ticks = 50) {
    auto& list = combat::ListOf(side);
    for (int s = 1; s <= combat::kModifierSlots; ++s) {
      if (list[s][modifier::kActive] == 0) {
        list[s] = test_rows::ActiveModifier(state::Ability{ability}, ticks);
        return;
      }
    }
  }

  // The next draws of Random(n) from `seed`, for predicting what a tick rolls.
  static std::vector<std::int32_t> Draws(std::uint32_t seed, std::vector<std::int32_t> ns) {
    state::Randomize(seed);
    std::vector<std::int32_t> out;
    for (auto n : ns) out.push_back(state::Random(n));
    state::Randomize(seed);
    return out;
  }
};

TEST_F(SimulatorTest, TickResolvesHitsShieldsAndArrivals) {
  struct Case {
    const char* name;
    std::function<void()> setup;
    // Expected shields, given the draws of the seed.
    std::function<std::pair<std::int32_t, std::int32_t>()> expectShields;  // player, enemy
    Side panelSide;
    int panel;
    const char* topic;
    const char* text;
  };
  const std::uint32_t seed = 4242;
  const std::vector<Case> cases = {
      {"reflection shield used up though it reflects nothing",
       [] {
         Give(Side::Player, 30);
         Give(Side::Enemy, 24);
       },
       [&] {
         const auto d = Draws(seed, {100, 5});
         return std::pair{100, 100 - (5 + d[1])};
       },
       Side::Enemy, 3, "Reflection shield", "Damage reflected!"},
      {"reflection shield II throws back an eighth",
       [] {
         Give(Side::Player, 30);
         Give(Side::Enemy, 6);
         Give(Side::Enemy, 25);  // 15 damage: 1 back, 14 taken
       },
       [&] {
         const auto d = Draws(seed, {100, 7});
         return std::pair{99, 100 - (7 + d[1])};
       },
       Side::Player, 3, "Reinforcements", "14 damage caused!"},
      {"focused shield II divides by three",
       [] {
         Give(Side::Enemy, 30);
         Give(Side::Player, 6);
         Give(Side::Player, 23);  // 12 damage: 4 taken
       },
       [&] {
         const auto d = Draws(seed, {2});
         return std::pair{100 - (2 + d[0]), 100};
       },
       Side::Enemy, 3, "Reinforcements!", "4 damage caused!"},
      {"focused shield halves and says so on panel 4",
       [] { Give(Side::Enemy, 30), Give(Side::Player, 22); },
       [&] {
         const auto d = Draws(seed, {2});
         return std::pair{100 - (2 + d[0]), 100};
       },
       Side::Player, 4, "Focused shield", "Damage reduced!"},
      {"player's missile lands harder on a weakened enemy",
       [] {
         state::PlayerShip[ship::kSimulatorMissile] = 1;
         state::PlayerMissileVolley[missile_volley::kInFlight] = 1;
         state::PlayerMissileVolley[missile_volley::kTurnsToImpact] = 1;
         Give(Side::Enemy, 6);
       },
       [&] {
         const std::int32_t base = state::GetMissileDamage(state::kClassStargun, kMissileArrowMk3);
         const std::int32_t dmg = base + base / 2;
         const auto d = Draws(seed, {dmg / 2});
         return std::pair{100, 100 - (dmg / 2 + d[0])};
       },
       Side::Player, 2, "Your missile hits!", nullptr},
      {"enemy missile in flight only counts down",
       [] {
         state::EnemyMissileVolley[missile_volley::kInFlight] = 1;
         state::EnemyMissileVolley[missile_volley::kTurnsToImpact] = 2;
       },
       [] {
         return std::pair{100, 100};
       },
       Side::Player, 1, nullptr, nullptr},
      {"reinforcements arrive faster with modifier 31",
       [] {
         state::PlayerShip[ship::kReinforcements] = 2;
         Give(Side::Player, 31);
       },
       [] {
         return std::pair{100, 100};
       },
       Side::Player, 4, "Reinforcements", "arriving!"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    SetUp();
    c.setup();
    const auto [player, enemy] = c.expectShields();
    state::Randomize(seed);
    combat::RunSimulatorRound(ui);
    EXPECT_EQ(state::PlayerShip[ship::kShields], player);
    EXPECT_EQ(state::EnemyShip[ship::kShields], enemy);
    const auto& message = combat::SimulatorPanel(c.panelSide, c.panel);
    if (c.topic == nullptr) {
      EXPECT_FALSE(message.visible);
    } else {
      EXPECT_TRUE(message.visible);
      EXPECT_EQ(message.topic, c.topic);
      if (c.text != nullptr) {
        EXPECT_EQ(message.text, c.text);
      }
      EXPECT_EQ(message.ticks, 4);
    }
  }
}

TEST_F(SimulatorTest, ShieldsThatActedAreUsedUpAndTheMissileLandsOnce) {
  Give(Side::Enemy, 24);
  Give(Side::Player, 30);
  state::PlayerMissileVolley[missile_volley::kInFlight] = 1;
  state::PlayerMissileVolley[missile_volley::kTurnsToImpact] = 1;
  state::Randomize(1);
  combat::RunSimulatorRound(ui);
  EXPECT_FALSE(combat::ModifierActive(Side::Enemy, state::kReflectionShield));
  EXPECT_EQ(state::PlayerMissileVolley[missile_volley::kInFlight], 0);
  EXPECT_TRUE(combat::ModifierActive(Side::Player, state::kReinforcements));
  EXPECT_EQ(combat::SimulatorPanel(Side::Player, 2).text.find(" damage caused!") != std::string::npos,
            true);
}

TEST_F(SimulatorTest, EscapeInterruptedOrNotByTheDraw) {
  // The enemy's reinforcements strike a player who is escaping: the escape ends when
  // Random(100) <= 20 after the damage roll.
  int interrupted = 0, failed = 0;
  for (std::uint32_t seed = 0; seed < 40; ++seed) {
    SetUp();
    Give(Side::Enemy, 30);
    Give(Side::Player, 11);
    const auto d = Draws(seed, {5, 100});
    combat::RunSimulatorRound(ui);
    const auto& message = combat::SimulatorPanel(Side::Enemy, 4);
    EXPECT_EQ(message.topic, "Interrupting escape");
    if (d[1] <= 20) {
      ++interrupted;
      EXPECT_EQ(message.text, "Successful!");
      EXPECT_FALSE(combat::ModifierActive(Side::Player, state::kFlee));
    } else {
      ++failed;
      EXPECT_EQ(message.text, "Failed!");
      EXPECT_TRUE(combat::ModifierActive(Side::Player, state::kFlee));
    }
  }
  EXPECT_GT(interrupted, 0);
  EXPECT_GT(failed, 0);
}

TEST_F(SimulatorTest, CountdownsEffectsCoolDownsAndMessages) {
  state::PlayerSlotState[1] = 5;
  state::PlayerSlotState[2] = 1;
  state::EnemySlotState[1] = 5;
  Give(Side::Player, 9, 2);
  Give(Side::Enemy, 6, 1);
  combat::SimulatorPanel(Side::Enemy, 1) = {true, 4, "t", "x"};
  combat::RunSimulatorRound(ui);
  EXPECT_EQ(state::PlayerSlotState[1], 3);  // twice as fast
  EXPECT_EQ(state::PlayerSlotState[2], 0);  // never below 0
  EXPECT_EQ(state::EnemySlotState[1], 4);
  EXPECT_TRUE(combat::ModifierActive(Side::Player, state::kDoubleSpeed));
  EXPECT_FALSE(combat::ModifierActive(Side::Enemy, state::kTargetLock));
  EXPECT_EQ(state::PlayerShip[ship::kReinforcements], 0);  // none coming shows as 0
  for (int tick = 2; tick <= 3; ++tick) {
    EXPECT_TRUE(combat::SimulatorPanel(Side::Enemy, 1).visible) << tick;
    combat::RunSimulatorRound(ui);
  }
  EXPECT_TRUE(combat::SimulatorPanel(Side::Enemy, 1).visible);
  combat::RunSimulatorRound(ui);
  EXPECT_FALSE(combat::SimulatorPanel(Side::Enemy, 1).visible);
  EXPECT_FALSE(combat::ModifierActive(Side::Player, state::kDoubleSpeed));
}

TEST_F(SimulatorTest, ArrivalWaitsForAFreeModifierSlot) {
  state::EnemyShip[ship::kReinforcements] = 1;
  for (int s = 0; s < combat::kModifierSlots; ++s) Give(Side::Enemy, 40, 3);
  for (int tick = 1; tick <= 3; ++tick) {
    combat::RunSimulatorRound(ui);
    if (tick < 3) {
      EXPECT_EQ(state::EnemyShip[ship::kReinforcements], 1) << tick;
    }
  }
  // The slots ran out on tick 3, before the arrival step: they arrive then.
  EXPECT_EQ(state::EnemyShip[ship::kReinforcements], 0);
  EXPECT_TRUE(combat::ModifierActive(Side::Enemy, state::kReinforcements));
  EXPECT_EQ(combat::SimulatorPanel(Side::Enemy, 4).text, "arriving!");
}

TEST_F(SimulatorTest, DuelEndsWhenShieldsFallAndTheEnemyIsTestedFirst) {
  state::EnemyShip[ship::kShields] = 0;
  state::PlayerShip[ship::kShields] = -3;
  combat::RunSimulatorRound(ui);
  EXPECT_EQ(state::EnemyShip[ship::kAlive], 0);
  EXPECT_EQ(state::PlayerShip[ship::kAlive], 1);
  EXPECT_EQ(ui.timerStops, 1);
  EXPECT_TRUE(ui.closed);
  ASSERT_EQ(ui.popups.size(), 1u);
  EXPECT_EQ(ui.popups[0],
            "The enemy ship explodes!|The shields of the enemy ships collapse and the vessel "
            "explodes!|explosion.jpg");

  SetUp();
  ui.popups.clear();
  state::PlayerShip[ship::kShields] = 0;
  combat::RunSimulatorRound(ui);
  EXPECT_EQ(state::PlayerShip[ship::kAlive], 0);
  EXPECT_EQ(state::EnemyShip[ship::kAlive], 1);
  ASSERT_EQ(ui.popups.size(), 1u);
  EXPECT_EQ(ui.popups[0],
            "Your ship explodes!|The enemy fire has broken through your shields and your ship "
            "explodes.|explosion.jpg");
}

TEST_F(SimulatorTest, EnemyChoosesFromItsExpertiseList) {
  struct Case {
    const char* name;
    std::int32_t expertise;
    std::function<void()> setup;
    std::vector<std::int32_t> expected;
  };
  // Seed 0 draws Random(100) as 0, 3, 86, 20, 27, 67, 31, 16: no 9 % chance comes up.
  const std::vector<Case> cases = {
      {"trader", 1, [] {}, {2, 1}},
      {"trader against a cloaked player raises its shields",
       1,
       [] { Give(Side::Player, 14); },
       {22, 24, 2, 1}},
      {"rogue", 6, [] {}, {2, 4, 1}},
      {"rogue answers a missile and an escape",
       6,
       [] {
         state::PlayerMissileVolley[missile_volley::kInFlight] = 1;
         Give(Side::Player, 11);
       },
       {3, 2, 5, 1}},
      {"soldier", 3, [] {}, {13, 2, 1, 14}},
      {"soldier with its cloak cooling down",
       3,
       [] {
         state::EnemySlotState[5] = 3;
         state::EnemyShip[ship::kComboPoints] = 3;
         Give(Side::Enemy, 14);
       },
       {13, 2, 16}},
      {"soldier with modifier 16 active",
       3,
       [] {
         state::EnemySlotState[5] = 3;
         Give(Side::Enemy, 14);
         Give(Side::Enemy, 16);
       },
       {13, 2, 15, 17}},
      {"no list for other kinds", 2, [] {}, {}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    SetUp();
    state::EnemyShip[ship::kEnemyKind] = c.expertise;
    combat::SetupSimulatorShips(ui);
    state::EnemyShip[ship::kEnemyKind] = c.expertise;
    c.setup();
    ui.used.clear();
    state::Randomize(0);
    combat::PickSimulatorEnemyAbility(ui);
    EXPECT_EQ(ui.EnemyUsed(), c.expected);
  }
}

TEST_F(SimulatorTest, PlayerClickNeedsOwnedAbilityAndNoBlock) {
  state::PlayerAbilitySlots[3] = 7;
  state::PlayerAbilitySlots[4] = 8;
  state::AbilityOwned[7] = 1;
  state::PlayerSlotState[3] = 9;  // no cool-down test
  combat::UseSimulatorAbilitySlot(3, ui);
  combat::UseSimulatorAbilitySlot(4, ui);
  combat::UseSimulatorAbilitySlot(0, ui);
  combat::UseSimulatorAbilitySlot(13, ui);
  ASSERT_EQ(ui.used.size(), 1u);
  EXPECT_EQ(ui.used[0], std::make_pair(Side::Player, state::kDiscipline));
  Give(Side::Enemy, 16);
  combat::UseSimulatorAbilitySlot(3, ui);
  EXPECT_EQ(ui.used.size(), 1u);
}

TEST_F(SimulatorTest, SetupPageStepsAndChoices) {
  state::ClearGameState();
  combat::SimulatorSetupStep = 1;
  combat::ChooseSimulatorShip(state::kClassAvenger);
  combat::ChooseSimulatorShip(state::kClassStarwolf);
  EXPECT_FALSE(combat::ContinueSimulatorSetup());  // ship only
  EXPECT_EQ(combat::SimulatorSetupStep, 1);
  combat::ChooseSimulatorExpertise(6);
  EXPECT_EQ(state::PlayerShip[ship::kClass], 1);
  EXPECT_EQ(state::PlayerData[player::kProfession], 6);
  EXPECT_TRUE(combat::ContinueSimulatorSetup());
  EXPECT_EQ(combat::SimulatorSetupStep, 2);
  combat::ChooseSimulatorExpertise(3);
  EXPECT_EQ(state::EnemyShip[ship::kEnemyKind], 3);
  EXPECT_EQ(state::PlayerData[player::kProfession], 6);
  EXPECT_FALSE(combat::ContinueSimulatorSetup());  // expertise only
  combat::ChooseSimulatorShip(state::kClassStargun);
  EXPECT_EQ(state::EnemyShip[ship::kClass], 2);
  EXPECT_TRUE(combat::ContinueSimulatorSetup());
  EXPECT_EQ(combat::SimulatorSetupStep, 3);
  combat::BackSimulatorSetup();
  EXPECT_EQ(combat::SimulatorSetupStep, 2);
}

TEST_F(SimulatorTest, ShipSetupByEnemyExpertise) {
  struct Case {
    std::int32_t expertise;
    std::int32_t firstSlots[4];
    std::int32_t reinforcements;
  };
  for (const Case& c : {Case{1, {1, 2, 3, 10}, 100}, Case{3, {1, 2, 3, 13}, -1},
                        Case{6, {1, 2, 3, 10}, -1}}) {
    SCOPED_TRACE(c.expertise);
    SetUp();
    state::EnemyShip[ship::kEnemyKind] = c.expertise;
    state::EnemyShip[ship::kClass] = 3;
    state::PlayerSlotState[4] = 7;
    state::EnemyModifiers[2][modifier::kActive] = 1;
    combat::SetupSimulatorShips(ui);
    for (int s = 0; s < 4; ++s) EXPECT_EQ(state::EnemyAbilitySlots[s + 1], c.firstSlots[s]);
    EXPECT_EQ(state::EnemyShip[ship::kReinforcements], c.reinforcements);
    EXPECT_EQ(state::EnemyShip[ship::kShields],
              state::GetShipClassBaseShields(state::kClassAvenger));
    EXPECT_EQ(state::EnemyShip[ship::kAlive], 1);
    EXPECT_EQ(state::PlayerSlotState[4], 0);
    EXPECT_EQ(state::EnemyModifiers[2][modifier::kActive], 0);
  }
  const auto player = combat::GetSimulatorShipPictures(state::kClassAvenger, Side::Player);
  EXPECT_EQ(player.ship, "Federation_Shadowcat_R.jpg");
  EXPECT_EQ(player.fire, "Federation_Firing_R.jpg");
  const auto enemy = combat::GetSimulatorShipPictures(state::kClassStarwolf, Side::Enemy);
  EXPECT_EQ(enemy.missile, "Jalkath_Missile_L.jpg");
  EXPECT_EQ(enemy.fireLeft, 531);
  EXPECT_EQ(enemy.fireTop, 258);
}

// Runs the whole simulator: the player picks `ship` and a trader, the enemy a trader on `enemy`,
// and the duel ticks until it ends. Returns the number of ticks and the result popups.
std::pair<int, std::vector<std::string>> WholeRun(std::uint32_t seed, SimUi& ui) {
  ui.onSetupPage = [] {
    combat::ChooseSimulatorShip(combat::SimulatorSetupStep == 1 ? state::kClassStargun
                                                                : state::kClassStarwolf);
    combat::ChooseSimulatorExpertise(1);
    combat::ContinueSimulatorSetup();
  };
  int ticks = 0;
  ui.onDuel = [&] {
    while (!ui.closed && ticks < 100000) {
      combat::RunSimulatorRound(ui);
      ++ticks;
    }
  };
  ui.popups.clear();
  ui.closed = false;
  state::Randomize(seed);
  combat::RunCombatSimulator(ui);
  return {ticks, ui.popups};
}

TEST_F(SimulatorTest, WholeDuelFromASeedEndsAndRepeats) {
  const auto first = WholeRun(77, ui);
  const std::int32_t playerAlive = state::PlayerShip[ship::kAlive];
  const std::int32_t enemyAlive = state::EnemyShip[ship::kAlive];
  EXPECT_LT(first.first, 100000);
  EXPECT_GT(first.first, 100);  // the enemy's reinforcements take 100 ticks to come
  EXPECT_NE(playerAlive != 0, enemyAlive != 0);
  ASSERT_EQ(first.second.size(), 2u);  // the explosion, then the result
  if (enemyAlive == 0) {
    EXPECT_EQ(first.second[1],
              "Congratulations! You won!|Well done, you won the duel! Lets see how you will do in a "
              "REAL clash of steel and blood.|Gameris.jpg");
  } else {
    EXPECT_EQ(first.second[1],
              "Game Over!|You lost the simulator game. You better continue with your "
              "training.|Gameris.jpg");
  }
  EXPECT_EQ(ui.headings, (std::vector<std::string>{"Player setup:", "Enemy setup:"}));
  EXPECT_EQ(state::PlayerShip[ship::kClass], 2);

  const auto second = WholeRun(77, ui);
  EXPECT_EQ(second, first);
}

TEST_F(SimulatorTest, BackOrClosingThePageEndsTheRunWithoutADuel) {
  struct Case {
    const char* name;
    std::function<void()> page;
    std::size_t pages;
  };
  const std::vector<Case> cases = {
      {"back on the player page", [] { combat::BackSimulatorSetup(); }, 1},
      {"closed without choosing", [] {}, 1},
      {"back on the enemy page",
       [] {
         if (combat::SimulatorSetupStep == 1) {
           combat::ChooseSimulatorShip(state::kClassStarwolf);
           combat::ChooseSimulatorExpertise(3);
           combat::ContinueSimulatorSetup();
         } else {
           combat::BackSimulatorSetup();
         }
       },
       2},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    ui.headings.clear();
    ui.popups.clear();
    ui.onSetupPage = c.page;
    bool dueled = false;
    ui.onDuel = [&] { dueled = true; };
    state::Randomize(3);
    combat::RunCombatSimulator(ui);
    EXPECT_EQ(ui.headings.size(), c.pages);
    EXPECT_FALSE(dueled);
    EXPECT_TRUE(ui.popups.empty());
  }
}

}  // namespace
