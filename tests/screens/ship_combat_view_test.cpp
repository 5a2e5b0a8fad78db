// What the ship combat screen shows, built from the game state alone: the shield gauges at 0, at
// their maximum and above it, the ability buttons lit or dark by the guns' heat, the enemy's EMP
// and the missile reload, the modifier icons, the action-point bars of both lengths, the
// reinforcement radars and the texts read out in compatibility mode.
#include "screens/combat/ship_combat_view.h"

#include <gtest/gtest.h>

#include <string>

#include "combat/ability_ids.h"
#include "combat/duel.h"
#include "combat/recording_ui.h"
#include "screens/shared/doors.h"
#include "screens/tutorial/tutorial_places.h"
#include "state/abilities.h"
#include "state/fields.h"
#include "state/ship_class_of.h"
#include "state/ship_classes.h"
#include "state/variables.h"
#include "support/script_ui.h"

namespace {

using screens::Side;

class ShipCombatViewTest : public ::testing::Test {
 protected:
  void SetUp() override {
    combat::SetupDuel({}, ui);
    // A known row of buttons: guns, missiles, ECM, Focus beam, Discipline.
    for (int k = 1; k <= 12; ++k) state::PlayerAbilitySlots[k] = 0;
    const state::Ability ids[] = {combat::kFireGuns, combat::kFireMissiles, combat::kEcm,
                                  combat::kFocusBeam, combat::kDiscipline};
    for (int k = 1; k <= 5; ++k) state::PlayerAbilitySlots[k] = state::Stored(ids[k - 1]);
  }
  static void Activate(Side side, int slot, state::Ability ability) {
    auto& list = side == Side::Player ? state::PlayerModifiers : state::EnemyModifiers;
    list[slot][modifier::kActive] = 1;
    list[slot][modifier::kAbility] = state::Stored(ability);
  }
  // Lit buttons 1..6 as a string of '+' (lit), '-' (dark) and '.' (no button).
  static std::string Buttons() {
    std::string row;
    for (int k = 1; k <= 6; ++k) {
      const auto view = screens::BuildAbilityButton(k);
      row += !view.shown ? '.' : view.lit ? '+' : '-';
    }
    return row;
  }

  support::ScriptUi rules;
  combat::RecordingUi ui{rules};
};

TEST(ShipCombatShieldGauge, ThirtiethsOfTheBaseWithTheFirstStepKeptAndTheTopHeld) {
  struct Case {
    std::int32_t shields, base;
    const char* picture;
  };
  const Case cases[] = {
      {0, 300, "Shield_00.jpg"},   {-40, 300, "Shield_00.jpg"},  // gone, or below 0
      {1, 300, "Shield_01.jpg"},                                 // a ship still shielded
      {150, 300, "Shield_15.jpg"}, {299, 300, "Shield_29.jpg"},
      {300, 300, "Shield_30.jpg"}, {450, 300, "Shield_30.jpg"},  // at and above the maximum
      {5, 0, "Shield_30.jpg"},                                   // a class without base shields
  };
  for (const Case& c : cases)
    EXPECT_EQ(screens::ShieldGaugePicture(c.shields, c.base), c.picture)
        << c.shields << " of " << c.base;
}

// A missed volley streaks past in the colour of the gun that fired it, the way it flies.
TEST(ShipCombatMissStreak, TheShootersGunPicksTheColourAndTheTargetTheDirection) {
  struct Case {
    const char* shooterFiring;
    Side target;
    const char* picture;
  };
  const Case cases[] = {
      {"Pirate_Patton_r_f3.jpg", Side::Player, "ShotPast_f3_L.jpg"},
      {"Federation_Starwolf_l_f1.jpg", Side::Enemy, "ShotPast_f1_R.jpg"},
      {"Coalition_Marauder_l_f8.jpg", Side::Enemy, "ShotPast_f8_R.jpg"},
      {"Syndicate_Orion_r_f5.jpg", Side::Player, "ShotPast_f5_L.jpg"},
      {"Pirate_Patton_r_n.jpg", Side::Player, "ShotPast_f1_L.jpg"},  // no gun named: the first
      {"", Side::Enemy, "ShotPast_f1_R.jpg"},
  };
  for (const Case& c : cases)
    EXPECT_EQ(screens::MissStreakPicture(c.shooterFiring, c.target), c.picture) << c.shooterFiring;
}

TEST_F(ShipCombatViewTest, ButtonsGoDarkByHeatStunAndReloadAndEmptySlotsHaveNone) {
  EXPECT_EQ(Buttons(), "+++++.");

  state::PlayerShip[ship::kMissileReload] = 2;
  EXPECT_EQ(Buttons(), "+-+++.") << "only the missile slot waits for the reload";
  state::PlayerShip[ship::kMissileReload] = 0;

  Activate(Side::Player, 3, combat::kOverheated);
  EXPECT_EQ(Buttons(), "-++-+.") << "hot guns: the gun slot and the gun abilities";
  state::PlayerModifiers[3][modifier::kActive] = 0;

  // The player's own EMP stuns the enemy, not the player.
  Activate(Side::Player, 1, combat::kEmp);
  EXPECT_EQ(Buttons(), "+++++.");
  for (const state::Ability emp : {combat::kEmp, combat::kEmp2}) {
    Activate(Side::Enemy, 2, emp);
    EXPECT_EQ(Buttons(), "-----.") << "the enemy's " << state::Stored(emp) << " darkens every button";
    state::EnemyModifiers[2][modifier::kActive] = 0;
  }
}

TEST_F(ShipCombatViewTest, ButtonsShowTheirAbilityPictureAndNameTheirAbilityFromTheFourthOn) {
  state::PlayerShip[ship::kMissileReload] = 1;
  const auto guns = screens::BuildAbilityButton(1);
  EXPECT_EQ(guns.picture, state::GetAbilityImage(combat::kFireGuns) + "_on.jpg");
  EXPECT_EQ(screens::BuildAbilityButton(2).picture,
            state::GetAbilityImage(combat::kFireMissiles) + "_off.jpg");
  EXPECT_EQ(guns.hint, "") << "the first three keep the layout's hints";
  EXPECT_EQ(screens::BuildAbilityButton(4).hint,
            state::GetAbilityName(combat::kFocusBeam) + " [Right-click for info]");
  EXPECT_FALSE(screens::BuildAbilityButton(0).shown);
  EXPECT_FALSE(screens::BuildAbilityButton(13).shown);
}

TEST_F(ShipCombatViewTest, ModifierIconsShowEachSidesActiveEffects) {
  Activate(Side::Enemy, 4, combat::kTractorBeam);
  const auto icon = screens::BuildModifierIcon(Side::Enemy, 4);
  EXPECT_TRUE(icon.active);
  EXPECT_EQ(icon.picture, state::GetAbilityImage(combat::kTractorBeam) + "_ActiveMod.jpg");
  EXPECT_EQ(icon.hint,
            "Active: " + state::GetAbilityName(combat::kTractorBeam) + " [Right-click for info]");
  EXPECT_FALSE(screens::BuildModifierIcon(Side::Player, 4).active);
  EXPECT_FALSE(screens::BuildModifierIcon(Side::Enemy, 3).active);
}

TEST_F(ShipCombatViewTest, ActionPointBarHasFiveOrEightSteps) {
  struct Case {
    std::int32_t longBar, ap;
    const char* picture;
  };
  const Case cases[] = {
      {0, -100, "Combo_00.jpg"}, {0, 0, "Combo_00.jpg"}, {0, 3, "Combo_03.jpg"},
      {0, 5, "Combo_05.jpg"},    {0, 8, "Combo_05.jpg"}, {1, -100, "AP8x0.jpg"},
      {1, 1, "AP8x1.jpg"},       {1, 7, "AP8x7.jpg"},    {1, 8, "AP8x8.jpg"},
      {1, 9, "AP8x8.jpg"},
  };
  for (const Case& c : cases) {
    state::PlayerShip[ship::kLongActionPointBar] = c.longBar;
    state::PlayerShip[ship::kActionPoints] = c.ap;
    EXPECT_EQ(screens::ActionPointBarPicture(), c.picture) << c.longBar << " " << c.ap;
  }
}

TEST_F(ShipCombatViewTest, RadarsShowHowCloseReinforcementsAre) {
  struct Case {
    std::int32_t countdown;
    bool shown;
    const char* left;
    const char* right;
  };
  const Case cases[] = {
      {-1, false, "", ""},
      {0, true, "left_reinforcements_3.jpg", "right_reinforcements_3.jpg"},
      {3, true, "left_reinforcements_2.jpg", "right_reinforcements_2.jpg"},
      {4, true, "left_reinforcements_1.jpg", "right_reinforcements_1.jpg"},
      {100, true, "left_reinforcements_1.jpg", "right_reinforcements_1.jpg"},
      {101, false, "", ""},
  };
  for (const Case& c : cases) {
    state::PlayerShip[ship::kReinforcements] = c.countdown;
    state::EnemyShip[ship::kReinforcements] = c.countdown;
    const auto left = screens::BuildRadarView(Side::Player);
    const auto right = screens::BuildRadarView(Side::Enemy);
    EXPECT_EQ(left.shown, c.shown) << c.countdown;
    EXPECT_EQ(right.shown, c.shown) << c.countdown;
    EXPECT_EQ(left.picture, c.left) << c.countdown;
    EXPECT_EQ(right.picture, c.right) << c.countdown;
  }
}

TEST_F(ShipCombatViewTest, TutorialArrowPointsAtTheButtonOfTheStepsAbility) {
  using tutorial::Step;
  struct Case {
    Step step;
    const char* arrowAt;
    int panelTop;
  };
  const Case cases[] = {
      {Step::FireMissiles, "AbilityButton2", 101},
      {Step::ActivateDiscipline, "AbilityButton5", 101},
      {Step::EndFirstTurn, "EndTurnButton", 161},
      {Step::InterceptMissile, "AbilityButton3", 101},
      {Step::FireGuns, "AbilityButton1", 101},
      {Step::EndSecondTurn, "EndTurnButton", 161},
      {Step::WinFight, "", 161},
  };
  for (const Case& c : cases) {
    const screens::TutorialPlaces guide = screens::PlacesOfTutorialStep(c.step);
    EXPECT_EQ(screens::TutorialArrowControl(guide.arrowAt, guide.arrowAtAbility), c.arrowAt)
        << static_cast<int>(c.step);
    EXPECT_EQ(guide.panelTop, c.panelTop) << static_cast<int>(c.step);
  }
  // A ship without a Discipline button gets no arrow for it.
  state::PlayerAbilitySlots[5] = 0;
  const screens::TutorialPlaces discipline = screens::PlacesOfTutorialStep(Step::ActivateDiscipline);
  EXPECT_EQ(screens::TutorialArrowControl(discipline.arrowAt, discipline.arrowAtAbility), "");
}

TEST_F(ShipCombatViewTest, CompatibilityTextsReadOutTheScreen) {
  auto& p = state::PlayerShip;
  const std::int32_t base = state::GetShipClassStat(state::ShipClassOf(p), state::kAttrShields);
  p[ship::kShields] = base / 2;
  p[ship::kActionPoints] = 4;
  p[ship::kReinforcements] = 5;
  state::EnemyShip[ship::kReinforcements] = 0;
  state::PlayerMissileVolley[missile_volley::kInFlight] = 1;
  state::PlayerMissileVolley[missile_volley::kTurnsToImpact] = 2;
  state::EnemyMissileVolley[missile_volley::kInFlight] = 0;
  const screens::CombatCompatibilityTexts texts = screens::BuildCompatibilityTexts();
  EXPECT_EQ(texts.modeSwitch, "Compatibility mode for the visually impaired (Click to turn off!)");
  EXPECT_EQ(texts.abilities[0], "Fire your guns");
  EXPECT_EQ(texts.abilities[2], "Use ECM to destroy enemy missiles");
  EXPECT_EQ(texts.abilities[3], state::GetAbilityName(combat::kFocusBeam));
  EXPECT_EQ(texts.abilities[5], "") << "an empty slot names nothing";
  EXPECT_EQ(texts.player.shields, "Your shields: " + std::to_string(base / 2 * 100 / base) + "%");
  EXPECT_EQ(texts.enemy.shields, "Enemy shields: 100%");
  EXPECT_EQ(texts.actionPoints, "4 action-points (AP) left.");
  EXPECT_EQ(texts.player.missile, "Player missile - 2 turns until impact.");
  EXPECT_EQ(texts.enemy.missile, "No enemy missiles fired.");
  EXPECT_EQ(texts.player.reinforcements, "Reinforcements approaching - 5 turns away.");
  EXPECT_EQ(texts.enemy.reinforcements, "Enemy reinforcements attack!");
  p[ship::kReinforcements] = -1;
  EXPECT_EQ(screens::BuildCompatibilityTexts().player.reinforcements, "No reinforcements in reach.");
}

}  // namespace
