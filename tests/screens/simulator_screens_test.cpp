// The combat simulator's screens: the set-up page shown for each side with its frames and steps,
// leaving it without a choice, and the duel running on the game clock at the chosen speed until a
// ship explodes and the result is shown.
#include "screens/combat/simulator_screens.h"

#include <filesystem>
#include <string>

#include "screens/form_test_fixture.h"
#include "screens/popups/popup_forms.h"
#include "screens/shared/game_forms.h"
#include "state/abilities.h"
#include "state/fields.h"
#include "state/random.h"
#include "state/ship_classes.h"
#include "state/variables.h"

namespace screens_test {
namespace {

using platform::Image;
using platform::Label;
using platform::Shape;

class SimulatorScreensTest : public GameFormsTest {
 protected:
  void SetUp() override {
    GameFormsTest::SetUp();
    state::Randomize(11);
  }

  void Click(platform::Form& form, const char* component) { ClickOn(*form.Find(component)); }
  bool Chosen(const char* shape) {
    const platform::Color c = setup().Get<Shape>(shape).Brush();
    return c == screens::kSimulatorChosen;
  }
  std::string Heading() { return setup().Get<Label>("Heading").Caption(); }
  int ChosenCount() {
    int n = 0;
    for (const char* s : {"ShipShape1", "ShipShape2", "ShipShape3", "ExpertiseShape1",
                          "ExpertiseShape2", "ExpertiseShape3"}) {
      n += Chosen(s) ? 1 : 0;
    }
    return n;
  }
  // Picks a ship and an expertise on the page that is open and continues.
  std::function<void()> Pick(const char* ship, const char* expertise) {
    return [this, ship, expertise] {
      Click(setup(), ship);
      Click(setup(), expertise);
      Click(setup(), "ContinueButton");
    };
  }
  void ClosePopup() { Click(popup(), "ContinueButton"); }

  static screens::SimulatorSetupScreen& setup() {
    return screens::GameForm<screens::SimulatorSetupScreen>();
  }
  static screens::SimulatorDuelScreen& duel() {
    return screens::GameForm<screens::SimulatorDuelScreen>();
  }
  static screens::PicturePopup& popup() { return screens::GameForm<screens::PicturePopup>(); }
};

TEST_F(SimulatorScreensTest, PagesStoreEachSidesChoicesAndBackEndsTheRun) {
  bool duelShown = false;
  WhenIdle({
      [&] {
        EXPECT_EQ(Heading(), "Player setup:");
        EXPECT_EQ(ChosenCount(), 0);
        Click(setup(), "ShipButton3");
        Click(setup(), "ShipButton1");
        EXPECT_TRUE(Chosen("ShipShape1"));
        EXPECT_EQ(ChosenCount(), 1);
        EXPECT_EQ(state::PlayerShip[ship::kClass], 1);
        Click(setup(), "ContinueButton");  // no expertise yet: nothing happens
        EXPECT_EQ(combat::SimulatorSetupStep, 1);
        EXPECT_TRUE(setup().Visible());
      },
      [&] {
        Click(setup(), "ExpertiseButton2");
        EXPECT_TRUE(Chosen("ExpertiseShape2"));
        EXPECT_EQ(state::PlayerData[player::kProfession], 3);
        Click(setup(), "ContinueButton");
      },
      [&] {
        EXPECT_EQ(Heading(), "Enemy setup:");
        EXPECT_EQ(ChosenCount(), 0);  // the frames start afresh for the enemy
        EXPECT_EQ(combat::SimulatorSetupStep, 2);
        // The world was built for the player's choices, the ship class kept.
        EXPECT_EQ(state::PlayerShip[ship::kClass], 1);
        EXPECT_EQ(state::PlayerShip[ship::kShields],
                  state::GetShipClassBaseShields(state::kClassStarwolf));
        Click(setup(), "ExpertiseButton3");
        EXPECT_EQ(state::EnemyShip[ship::kEnemyKind], 6);
        EXPECT_EQ(state::PlayerData[player::kProfession], 3);
        Click(setup(), "BackButton");  // Back
      },
      [&] { duelShown = true; },
  });
  screens::StartCombatSimulator();
  EXPECT_EQ(combat::SimulatorSetupStep, 1);
  EXPECT_FALSE(duelShown);
  EXPECT_TRUE(StepsLeft());  // no duel and no popup waited for input
}

TEST_F(SimulatorScreensTest, ClosingThePageWithoutChoosingEndsTheRun) {
  WhenIdle({[&] { setup().Close(); }, [] {}});
  screens::StartCombatSimulator();
  EXPECT_EQ(combat::SimulatorSetupStep, 1);
  EXPECT_TRUE(StepsLeft());
}

TEST_F(SimulatorScreensTest, DuelRunsOnTheClockAtTheChosenSpeedUntilAShipExplodes) {
  std::string explosion;
  std::string result;
  WhenIdle({
      Pick("ShipButton2", "ExpertiseButton1"),
      Pick("ShipButton3", "ExpertiseButton1"),  // a trader enemy calls reinforcements
      [&] {
        EXPECT_TRUE(duel().CombatTimer.Enabled());
        EXPECT_EQ(duel().CombatTimer.Interval(), 1500);
        EXPECT_EQ(Picture(duel(), "PlayerShipPicture"), "Federation_Avenger_R.jpg");
        EXPECT_EQ(Picture(duel(), "EnemyShipPicture"), "Federation_Shadowcat_L.jpg");
        EXPECT_EQ(Picture(duel(), "FramePiece36"), "Screen_KLEIN_36.jpg");
        EXPECT_EQ(Picture(duel(), "EnemyShieldDisplay"), "Shield_30.jpg");
        EXPECT_EQ(duel().Get<Label>("EnemyReinforcementText").Caption(), "100");
        Click(duel(), "PaceButton1");  // pause
        platform::App().AdvanceClock(60000);
        EXPECT_EQ(duel().Get<Label>("EnemyReinforcementText").Caption(), "100");
        Click(duel(), "PaceButton4");
        EXPECT_EQ(duel().Get<platform::SpeedButton>("PaceButton4").GetFont().color,
                  platform::colors::Yellow);
        platform::App().AdvanceClock(3000);
        EXPECT_EQ(duel().Get<Label>("EnemyReinforcementText").Caption(), "97");
        platform::App().SaveScreenshot(
            (std::filesystem::path(::testing::TempDir()) / "simulator_duel.png").string(), &duel());
        // Reinforcements arrive after 100 ticks and strike on every tick after that.
        platform::App().AdvanceClock(1000 * 1000);
      },
      [&] {
        explosion = popup().Get<Label>("Topic").Caption();
        ClosePopup();
      },
      [&] {
        result = popup().Get<Label>("Topic").Caption();
        ClosePopup();
      },
  });
  screens::StartCombatSimulator();
  EXPECT_FALSE(StepsLeft());
  EXPECT_FALSE(duel().CombatTimer.Enabled());
  EXPECT_FALSE(duel().Visible());
  if (state::EnemyShip[ship::kAlive] == 0) {
    EXPECT_EQ(explosion, "The enemy ship explodes!");
    EXPECT_EQ(result, "Congratulations! You won!");
  } else {
    EXPECT_EQ(state::PlayerShip[ship::kAlive], 0);
    EXPECT_EQ(explosion, "Your ship explodes!");
    EXPECT_EQ(result, "Game Over!");
  }
}

TEST_F(SimulatorScreensTest, DisplayFollowsTheState) {
  state::ClearGameState();
  state::PlayerShip[ship::kClass] = 1;
  state::EnemyShip[ship::kClass] = 2;
  const std::int32_t base = state::GetShipClassBaseShields(state::kClassStarwolf);
  struct Case {
    std::int64_t shields;
    const char* picture;
  };
  for (const Case& c : {Case{base, "Shield_30.jpg"}, Case{base / 2, nullptr},
                        Case{base + 5, "Shield_00.jpg"}, Case{-4, "Shield_00.jpg"}}) {
    state::PlayerShip[ship::kShields] = static_cast<std::int32_t>(c.shields);
    duel().ShowSimulatorShields();
    if (c.picture != nullptr) {
      EXPECT_EQ(Picture(duel(), "PlayerShieldDisplay"), c.picture);
    }
  }
  duel().ResetSimulatorScreen();
  state::PlayerAbilitySlots[2] = 3;
  state::PlayerSlotState[2] = 4;
  duel().RefreshSimulatorAbilityButtons();
  EXPECT_FALSE(duel().Get<platform::Panel>("AbilityPanel1").Visible());  // no ability there
  EXPECT_TRUE(duel().Get<platform::Panel>("AbilityPanel2").Visible());
  EXPECT_EQ(duel().Get<Image>("AbilityButton2").Tag(), 1);
  EXPECT_FALSE(duel().Get<Image>("AbilityButton2").Enabled());
  state::PlayerSlotState[2] = 0;
  duel().RefreshSimulatorAbilityButtons();
  EXPECT_TRUE(duel().Get<Image>("AbilityButton2").Enabled());
  EXPECT_NE(Picture(duel(), "AbilityButton2").find("_on.jpg"), std::string::npos);

  state::EnemyModifiers[3] = {};
  state::EnemyModifiers[3][modifier::kActive] = 1;
  state::EnemyModifiers[3][modifier::kAbility] = 22;
  duel().ShowSimulatorActiveModifiers();
  EXPECT_TRUE(duel().Get<Image>("EnemyModifier3").Visible());
  EXPECT_EQ(duel().Get<Image>("EnemyModifier3").Hint(), "Active: " + state::GetAbilityName(state::kFocusedShield));
  state::EnemyModifiers[3][modifier::kActive] = 0;
  duel().ShowSimulatorActiveModifiers();
  EXPECT_FALSE(duel().Get<Image>("EnemyModifier3").Visible());

  duel().ShowSimulatorAbilityInfo(4);
  EXPECT_EQ(duel().Get<platform::Panel>("InfoPanel").Left(), 264);
  EXPECT_TRUE(duel().Get<Label>("InfoComboPoint").Visible());
  duel().ShowSimulatorModifierInfo(combat::Side::Enemy, 3);
  EXPECT_EQ(duel().Get<platform::Panel>("InfoPanel").Left(), 575);
  EXPECT_FALSE(duel().Get<Label>("InfoComboPoint").Visible());
}

}  // namespace
}  // namespace screens_test
