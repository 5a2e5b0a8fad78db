// The ship combat screen driven with the mouse under a fixed seed: a set-up fight on screen, the
// end-turn control with its question, the enemy's turn paced by its message timer, the picture
// animations, the compatibility mode's read-out, the quit question of the window's close command,
// and whole fights to a win (experience and loot) and to a loss.
#include "combat/screens/ship_combat_screen.h"

#include <filesystem>
#include <string>
#include <vector>

#include "combat/ability_ids.h"
#include "combat/setup.h"
#include "combat/sides.h"
#include "platform/application.h"
#include "screens/form_test_fixture.h"
#include "screens/popups/popup_forms.h"
#include "state/abilities.h"
#include "state/fields.h"
#include "state/general_data.h"
#include "state/new_world.h"
#include "state/random.h"
#include "state/ship_classes.h"
#include "state/variables.h"

namespace screens_test {
namespace {

namespace fs = std::filesystem;
using platform::Image;
using platform::Label;
using platform::Panel;
using platform::Shape;
using screens::popup_forms::Fame;
using screens::popup_forms::Reward;
using screens::popup_forms::Text;
using screens::popup_forms::YesNo;

class ShipCombatScreenTest : public GameFormsTest {
 protected:
  void SetUp() override {
    GameFormsTest::SetUp();
    state::SetGeneralDataDefaults();
    state::CompatibilityMode = 0;
    state::ClearGameState();
  }
  void TearDown() override {
    state::CompatibilityMode = 0;
    GameFormsTest::TearDown();
  }

  // A new world with the player in a ship of `playerClass`, then a fight against `enemyClass`.
  void SetUpFight(std::int32_t playerClass, std::int32_t enemyClass, std::uint32_t seed) {
    state::PlayerData[player::kFaction] = 1;
    state::PlayerData[player::kProfession] = 2;
    state::CreateNewGameWorld(playerClass, {});
    state::Randomize(seed);
    screens::SetupShipCombatOnScreen(enemyClass, 0, 2, 0);
  }

  static screens::ShipCombatScreen& screen() { return *screens::ShipCombat; }
  template <class T>
  static T& Part(const char* name) { return screen().Get<T>(name); }
  static std::int32_t ActionPoints() { return state::PlayerShip[ship::kActionPoints]; }
  static bool EnemyWaits() { return state::EnemyShip[ship::kAwaitingMessage] == 1; }

  // The popup open now, if any; its topic (or text) is written down and it is answered.
  bool AnswerPopup(bool yes = true) {
    for (screens::TopicPopup* popup : {static_cast<screens::TopicPopup*>(screens::popup_forms::Picture),
                                       static_cast<screens::TopicPopup*>(Text)}) {
      if (!popup->Visible()) continue;
      seen.push_back(popup->Topic().Caption());
      ClickOn(popup->Get<Label>("ContinueLabel"));
      return true;
    }
    for (screens::MessagePopup* popup : {static_cast<screens::MessagePopup*>(Fame),
                                         static_cast<screens::MessagePopup*>(Reward)}) {
      if (!popup->Visible()) continue;
      seen.push_back(popup->Text().Caption());
      ClickOn(popup->Get<Label>("ContinueLabel"));
      return true;
    }
    for (screens::TopicPopup* popup : {static_cast<screens::TopicPopup*>(YesNo),
                                       static_cast<screens::TopicPopup*>(
                                           screens::popup_forms::Choice)}) {
      if (!popup->Visible()) continue;
      seen.push_back(popup->Topic().Caption());
      ClickOn(popup->Get<Label>(yes ? "YesLabel" : "NoLabel"));
      return true;
    }
    return false;
  }

  // A simple captain at the mouse, one act per moment the screen waits: answers popups, fires the
  // guns while the action points last, ends the turn, and lets the clock run in the enemy's turn.
  void Captain() {
    if (AnswerPopup()) return;
    if (!screen().Visible()) return;
    if (ActionPoints() == combat::kTurnEnded) {
      platform::App().AdvanceClock(state::TimerEnemyMessageInterval);
      return;
    }
    const std::int32_t ap = ActionPoints();
    if (ap >= combat::GunCost(combat::Side::Player) && ap != lastShotAt) {
      lastShotAt = ap;
      ++shots;
      ClickOn(Part<Image>("AbilityButton1"));
      return;
    }
    lastShotAt = -1;
    ++turns;
    ClickOn(Part<Label>("EndTurnLabel"));
  }

  // Fights the prepared fight with the captain until the screen closes.
  void FightItOut() {
    int acts = 0;
    platform::App().SetIdleHook([&] {
      if (++acts > 5000) {
        ADD_FAILURE() << "the fight does not end";
        throw OutOfSteps{};
      }
      Captain();
    });
    screens::RunShipCombatOnScreen();
  }

  bool Seen(const std::string& start) const {
    for (const auto& s : seen)
      if (s.rfind(start, 0) == 0) return true;
    return false;
  }

  std::vector<std::string> seen;
  std::int32_t lastShotAt = -1;
  int shots = 0, turns = 0;
};

TEST_F(ShipCombatScreenTest, ASetUpFightShowsBothShipsFullGaugesAndTheOwnedAbilities) {
  SetUpFight(1, 1, 5);
  WhenIdle({[&] {
    EXPECT_TRUE(screen().Visible());
    const auto& p = combat::Pictures;
    EXPECT_EQ(Picture(screen(), "PlayerShipPicture"), p.playerNormal);
    EXPECT_EQ(Picture(screen(), "EnemyShipPicture"), p.enemyNormal);
    EXPECT_EQ(Part<Image>("PlayerShipPicture").Left(), p.playerShipPanel.left + p.playerPrimary.left);
    EXPECT_EQ(Part<Image>("EnemyShipPicture").Top(), p.enemyShipPanel.top + p.enemyPrimary.top);
    EXPECT_EQ(Picture(screen(), "PlayerShieldDisplay"), "Shield_30.jpg");
    EXPECT_EQ(Picture(screen(), "EnemyShieldDisplay"), "Shield_30.jpg");
    EXPECT_EQ(Picture(screen(), "EnemyActionPointBar"), "Combo_00.jpg");
    for (int k = 1; k <= 12; ++k) {
      const std::int32_t id = state::PlayerAbilitySlots[k];
      const std::string panel = "AbilityPanel" + std::to_string(k);
      EXPECT_EQ(Part<Panel>(panel.c_str()).Visible(), id > 0) << panel;
      if (id > 0) {
        EXPECT_EQ(Picture(screen(), "AbilityButton" + std::to_string(k)),
                  state::GetAbilityImage(id) + "_on.jpg");
      }
    }
    EXPECT_FALSE(Part<Panel>("PlayerMissilePanel").Visible());
    EXPECT_FALSE(Part<Label>("CompatibilityLabel1").Visible());
    EXPECT_TRUE(Part<Label>("EndTurnLabel").Enabled());
    fs::create_directories("screenshots");
    platform::App().SaveScreenshot("screenshots/ship_combat_start.png", &screen());
    // The window's close command asks; "No" keeps the fight as it was.
    screen().Close();
  }, [&] {
    ASSERT_TRUE(YesNo->Visible());
    EXPECT_EQ(YesNo->Topic().Caption(), "Quit game?");
    ClickOn(YesNo->Get<Label>("NoLabel"));
  }, [&] {
    EXPECT_TRUE(screen().Visible());
    EXPECT_EQ(state::TravelMayClose, 0);
    // Now quit for real.
    screen().Close();
  }, [&] {
    ClickOn(YesNo->Get<Label>("YesLabel"));
  }});
  screens::RunShipCombatOnScreen();
  EXPECT_FALSE(screen().Visible());
  EXPECT_EQ(state::TravelMayClose, 1);
  EXPECT_EQ(state::CombatMayClose, 0);
}

}  // namespace
}  // namespace screens_test
