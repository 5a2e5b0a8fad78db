// The ship combat screen driven with the mouse under a fixed seed: a set-up fight on screen, the
// end-turn control with its question, the enemy's turn paced by its message timer, the picture
// animations, the compatibility mode's read-out, the quit question of the window's close command,
// and whole fights to a win (experience and loot) and to a loss.
#include "screens/combat/ship_combat_screen.h"
#include "screens/combat/boarding_screen.h"
#include "screens/combat/ship_combat_view.h"

#include "screens/career/ability_selection.h"
#include "screens/career/promotion_screen.h"

#include <algorithm>
#include <filesystem>
#include <functional>
#include <stdexcept>
#include <string>
#include <vector>

#include "combat/ability_ids.h"
#include "combat/setup.h"
#include "combat/sides.h"
#include "platform/application.h"
#include "screens/form_test_fixture.h"
#include "screens/legible_labels.h"
#include "screens/popups/popup_forms.h"
#include "screens/shared/doors.h"
#include "screens/shared/game_forms.h"
#include "screens/travel/travel_screen.h"
#include "screens/tutorial/tutorial.h"
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
screens::ChoicePopup& Choice() { return screens::GameForm<screens::ChoicePopup>(); }
screens::FamePopup& Fame() { return screens::GameForm<screens::FamePopup>(); }
screens::RewardPopup& Reward() { return screens::GameForm<screens::RewardPopup>(); }
screens::TextPopup& Text() { return screens::GameForm<screens::TextPopup>(); }
screens::YesNoPopup& YesNo() { return screens::GameForm<screens::YesNoPopup>(); }

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
  void SetUpFight(state::ShipClassId playerClass, state::ShipClassId enemyClass,
                  std::uint32_t seed) {
    state::PlayerData[player::kFaction] = 1;
    state::PlayerData[player::kProfession] = 2;
    state::CreateNewGameWorld(playerClass, {});
    state::Randomize(seed);
    screens::SetupShipCombatOnScreen(enemyClass, kFactionPirates, kMilitaryShip, 0);
  }

  static screens::ShipCombatScreen& screen() {
    return screens::GameForm<screens::ShipCombatScreen>();
  }
  template <class T>
  static T& Part(const char* name) { return screen().Get<T>(name); }
  static std::int32_t ActionPoints() { return state::PlayerShip[ship::kActionPoints]; }
  static bool EnemyWaits() { return state::EnemyShip[ship::kAwaitingMessage] == 1; }

  // The topmost popup open now (a popup under another takes no input), if any, is answered and its
  // topic (or text where there is none) written down, with the popups it stands over. A captain
  // who takes time to read (readingTime) lets the screen's timers run under each popup first.
  bool AnswerPopup() {
    struct Open {
      platform::Form* form;
      std::string words;
      const char* answer;
    };
    const std::vector<Open> popups = {
        {&screens::GameForm<screens::PicturePopup>(),
         screens::GameForm<screens::PicturePopup>().Topic().Caption(), "ContinueLabel"},
        {&Text(), Text().Topic().Caption(), "ContinueLabel"},
        {&Fame(), Fame().Text().Caption(), "ContinueLabel"},
        {&Reward(), Reward().Text().Caption(), "ContinueLabel"},
        {&YesNo(), YesNo().Topic().Caption(), "YesLabel"},
        // The boarding offer is declined: the boarding is its own screen's.
        {&Choice(), Choice().Topic().Caption(), "NoLabel"},
        // A medal or a promotion shows the promotion screen: the captain continues.
        {&screens::GameForm<screens::PromotionScreen>(), "Promotion", "ContinueLabel"},
        // A promotion brings the ability selection: the captain closes it without learning.
        {&screens::GameForm<screens::AbilitySelectionScreen>(), "Ability selection", "CloseLabel"}};
    const Open* top = nullptr;
    std::string under;
    for (const Open& p : popups) {
      if (!p.form->Visible()) continue;
      if (p.form->AcceptsInput())
        top = &p;
      else
        under += " over " + p.words;
    }
    if (top == nullptr) return false;
    if (readingTime > 0 && !paused) {
      paused = true;
      Wait(readingTime);
      return true;
    }
    paused = false;
    seen.push_back(top->words);
    if (!under.empty()) stacked.push_back(top->words + under);
    ClickOn(top->form->Get<Label>(top->answer));
    return true;
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

  static void Wait(int ms) { platform::App().AdvanceClock(ms); }
  static bool MessageShown(const char* side) {
    return screen().Get<Shape>(std::string(side) + "MessageShape").Visible();
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
  std::vector<std::string> stacked;  // "<topic> over <topic>": a popup opened over another
  int readingTime = 0;                // ms the captain reads each popup
  bool paused = false;
  std::int32_t lastShotAt = -1;
  int shots = 0, turns = 0;
};

TEST_F(ShipCombatScreenTest, ASetUpFightShowsBothShipsFullGaugesAndTheOwnedAbilities) {
  SetUpFight(state::kClassStarwolf, state::kClassStarwolf, 5);
  WhenIdle({[&] {
    EXPECT_TRUE(screen().Visible());
    const auto& p = combat::Pictures;
    EXPECT_EQ(Picture(screen(), "PlayerShipPicture"), p.playerNormal);
    EXPECT_EQ(Picture(screen(), "EnemyShipPicture"), p.enemyNormal);
    EXPECT_EQ(Part<Image>("PlayerShipPicture").Left(),
              p.playerShipPanel.left + p.playerPrimary.left);
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
                  state::GetAbilityImage(state::Ability{id}) + "_on.jpg");
      }
    }
    EXPECT_FALSE(Part<Panel>("PlayerMissilePanel").Visible());
    EXPECT_FALSE(Part<Label>("CompatibilitySwitch").Visible());
    EXPECT_TRUE(Part<Label>("EndTurnLabel").Enabled());
    fs::create_directories("screenshots");
    platform::App().SaveScreenshot("screenshots/ship_combat_start.png", &screen());
    // The end-turn control lights under the mouse and goes out over the frame.
    MoveOnto(Part<Label>("EndTurnLabel"));
    EXPECT_EQ(Picture(screen(), "EndTurnButton"), "Screen_KLEINON_05.jpg");
    EXPECT_EQ(screen().EndTurnHover(), 1);
    MoveOnto(Part<Image>("Arena"));
    EXPECT_EQ(Picture(screen(), "EndTurnButton"), "Screen_KLEIN_05.jpg");
    EXPECT_EQ(screen().EndTurnHover(), 0);
    // The window's close command asks; "No" keeps the fight as it was.
    screen().Close();
  }, [&] {
    ASSERT_TRUE(YesNo().Visible());
    EXPECT_EQ(YesNo().Topic().Caption(), "Quit game?");
    ClickOn(YesNo().Get<Label>("NoLabel"));
  }, [&] {
    EXPECT_TRUE(screen().Visible());
    EXPECT_EQ(state::TravelMayClose, 0);
    // Now quit for real.
    screen().Close();
  }, [&] {
    ClickOn(YesNo().Get<Label>("YesLabel"));
  }});
  screens::RunShipCombatOnScreen();
  EXPECT_FALSE(screen().Visible());
  EXPECT_EQ(state::TravelMayClose, 1);
  EXPECT_EQ(state::CombatMayClose, 0);
  EXPECT_TRUE(screen().Ui().IsClosed()) << "nothing of a quit fight goes on";
}


TEST_F(ShipCombatScreenTest, AWholeFightWonWithTheMouseEndsWithExperienceAndLoot) {
  SetUpFight(state::kClassPatton, state::kClassStarwolf, 7);
  const std::int32_t experience = state::PlayerData[player::kExperience];
  const std::int32_t credits = state::PlayerData[player::kCredits];
  FightItOut();
  EXPECT_FALSE(screen().Visible());
  EXPECT_EQ(state::EnemyShip[ship::kAlive], 0);
  EXPECT_EQ(state::PlayerShip[ship::kAlive], 1);
  EXPECT_GT(shots, 0);
  EXPECT_TRUE(Seen("Well done!"));
  EXPECT_TRUE(Seen("You receive some experience points."));
  EXPECT_GT(state::PlayerData[player::kExperience], experience);
  EXPECT_TRUE(Seen("Congratulations! You loot ") || Seen("Because of your full cargobay"));
  if (Seen("Congratulations! You loot ")) {
    EXPECT_GT(state::PlayerData[player::kCredits], credits);
  }
  EXPECT_EQ(state::CombatMayClose, 0) << "the close permission is used up";
  EXPECT_EQ(state::EnemyShip[ship::kAwaitingMessage], 0);
}

TEST_F(ShipCombatScreenTest, AWholeFightLostWithTheMouseLeavesTheShipDestroyed) {
  SetUpFight(state::kClassStarwolf, state::kClassMarauder, 3);
  FightItOut();
  EXPECT_FALSE(screen().Visible());
  EXPECT_EQ(state::PlayerShip[ship::kAlive], 0);
  EXPECT_EQ(state::EnemyShip[ship::kAlive], 1);
  EXPECT_GT(turns, 0);
  EXPECT_TRUE(Seen("Your ship explodes!"));
  EXPECT_FALSE(Seen("Well done!"));
}

TEST_F(ShipCombatScreenTest, EndingTheTurnAsksWhilePointsAreLeftAndTheEnemyActsOncePerInterval) {
  SetUpFight(state::kClassPatton, state::kClassStarwolf, 7);
  const int interval = state::TimerEnemyMessageInterval;
  std::int32_t enemyPoints = 0;
  WhenIdle({[&] {
    ASSERT_GE(ActionPoints(), 5);
    ClickOn(Part<Label>("EndTurnLabel"));
  }, [&] {
    ASSERT_TRUE(YesNo().Visible());
    EXPECT_EQ(YesNo().Topic().Caption(), "Really?");
    ClickOn(YesNo().Get<Label>("NoLabel"));
  }, [&] {
    EXPECT_GE(ActionPoints(), 5) << "no: the turn goes on";
    ClickOn(Part<Label>("EndTurnLabel"));
  }, [&] {
    ClickOn(YesNo().Get<Label>("YesLabel"));
  }, [&] {
    // The enemy's first action is on screen, and its list waits for the message timer.
    EXPECT_EQ(ActionPoints(), combat::kTurnEnded);
    EXPECT_FALSE(Part<Label>("EndTurnLabel").Enabled());
    EXPECT_EQ(Picture(screen(), "PlayerActionPointBar"), "Combo_00.jpg");
    ASSERT_TRUE(EnemyWaits());
    EXPECT_TRUE(MessageShown("Enemy"));
    fs::create_directories("screenshots");
    platform::App().SaveScreenshot("screenshots/ship_combat_enemy_turn.png", &screen());
    // A click on the end-turn control during the enemy's turn does nothing, not even ask.
    ClickOn(Part<Image>("EndTurnButton"));
    EXPECT_FALSE(YesNo().Visible());
    enemyPoints = state::EnemyShip[ship::kActionPoints];
    Wait(interval - 1);
  }, [&] {
    EXPECT_TRUE(EnemyWaits()) << "the next step waits for the whole interval";
    EXPECT_TRUE(MessageShown("Enemy"));
    EXPECT_EQ(state::EnemyShip[ship::kActionPoints], enemyPoints);
    Wait(1);
  }, [&] {
    // One more step: another action paid for, or the list ran out and the new round began.
    EXPECT_TRUE(state::EnemyShip[ship::kActionPoints] != enemyPoints ||
                ActionPoints() != combat::kTurnEnded);
    screen().Get<Image>("AbilityButton1");  // the fight is left to the close question
    screen().Close();
  }, [&] {
    ClickOn(YesNo().Get<Label>("YesLabel"));
  }});
  screens::RunShipCombatOnScreen();
  EXPECT_EQ(state::EnemyShip[ship::kAwaitingMessage], 0) << "nothing waits behind a closed screen";
}

TEST_F(ShipCombatScreenTest, FiringShowsTheGunPictureAndMessagesGoWhenTheirFirstIntervalEnds) {
  SetUpFight(state::kClassPatton, state::kClassStarwolf, 7);
  const auto& p = combat::Pictures;
  WhenIdle({[&] {
    const std::int32_t ap = ActionPoints();
    ClickOn(Part<Image>("AbilityButton1"));
    EXPECT_LT(ActionPoints(), ap) << "the guns cost action points";
    EXPECT_EQ(Picture(screen(), "PlayerShipPicture"), p.playerFiring);
    EXPECT_TRUE(MessageShown("Player"));
    Wait(state::PlayerFireGunImageTimerInterval);
  }, [&] {
    EXPECT_EQ(Picture(screen(), "PlayerShipPicture"), p.playerNormal);
    EXPECT_EQ(Picture(screen(), "EnemyShipPicture"), p.enemyNormal);
    // A second message within the interval goes when the first interval ends.
    screen().ShowMessage(combat::Side::Player, "Second", "A second message.");
    screen().Animate(combat::Side::Enemy, combat::Animation::ShieldHit);
    EXPECT_EQ(Picture(screen(), "EnemyShipPicture"), p.enemyShield);
    Wait(state::TimerPlayerMessageInterval - state::PlayerFireGunImageTimerInterval);
  }, [&] {
    EXPECT_FALSE(MessageShown("Player"));
    EXPECT_EQ(Picture(screen(), "EnemyShipPicture"), p.enemyNormal);
    screen().Close();
  }, [&] {
    ClickOn(YesNo().Get<Label>("YesLabel"));
  }});
  screens::RunShipCombatOnScreen();
}

// The missile volleys stand inside the arena's window, on its missile track above the ships, and
// cover none of the controls: the message boxes, the ships, "End this turn", the ability buttons.
TEST_F(ShipCombatScreenTest, MissilePanelsStandClearOfTheControls) {
  SetUpFight(state::kClassPatton, state::kClassStarwolf, 7);
  const auto overlap = [](platform::Rect a, platform::Rect b) {
    return a.x < b.x + b.w && b.x < a.x + a.w && a.y < b.y + b.h && b.y < a.y + a.h;
  };
  for (const char* panel : {"PlayerMissilePanel", "EnemyMissilePanel"}) {
    const platform::Rect r = Part<Panel>(panel).Bounds();
    EXPECT_TRUE(r.x >= 233 && r.y >= 96 && r.x + r.w <= 571 && r.y + r.h <= 164) << panel << " leaves the track";
    for (const char* control : {"PlayerMessageShape", "EnemyMessageShape", "PlayerShipPicture", "EnemyShipPicture",
                                "EndTurnButton", "AbilityPanel1", "AbilityPanel12"}) {
      EXPECT_FALSE(overlap(r, screen().Get<platform::Control>(control).Bounds())) << panel << " covers " << control;
    }
  }
  EXPECT_FALSE(overlap(Part<Panel>("PlayerMissilePanel").Bounds(), Part<Panel>("EnemyMissilePanel").Bounds()));
}

// A miss is seen as the shot passing the ship by, a hit as the shield flare, each for as long as a
// shield hit shows; a hit that follows a volley's miss picture takes the passing shot away.
TEST_F(ShipCombatScreenTest, AMissShowsTheShotPassingAndAHitTheShieldPicture) {
  SetUpFight(state::kClassPatton, state::kClassStarwolf, 7);
  const auto& p = combat::Pictures;
  WhenIdle({[&] {
    screen().Animate(combat::Side::Enemy, combat::Animation::Miss);
    EXPECT_TRUE(Part<Image>("ShotPastEnemyShip").Visible());
    EXPECT_FALSE(Part<Image>("ShotPastPlayerShip").Visible());
    // The streak is the player's gun's, flying right past the enemy.
    EXPECT_EQ(Picture(screen(), "ShotPastEnemyShip"), screens::MissStreakPicture(p.playerFiring, combat::Side::Enemy));
    EXPECT_EQ(Picture(screen(), "EnemyShipPicture"), p.enemyNormal);
    Wait(state::EnemyShieldTimerInterval);
  }, [&] {
    EXPECT_FALSE(Part<Image>("ShotPastEnemyShip").Visible());
    // A missile misled by ECM passes by as the missile itself.
    screen().Animate(combat::Side::Player, combat::Animation::MissileMiss);
    EXPECT_TRUE(Part<Image>("ShotPastPlayerShip").Visible());
    EXPECT_EQ(Picture(screen(), "ShotPastPlayerShip"), p.enemyMissile.file);
    EXPECT_EQ(Part<Image>("ShotPastPlayerShip").Width(), p.enemyMissile.width);
    screen().Animate(combat::Side::Player, combat::Animation::Miss);
    EXPECT_EQ(Picture(screen(), "ShotPastPlayerShip"), screens::MissStreakPicture(p.enemyFiring, combat::Side::Player));
    screen().Animate(combat::Side::Player, combat::Animation::ShieldHit);
    EXPECT_FALSE(Part<Image>("ShotPastPlayerShip").Visible());
    EXPECT_EQ(Picture(screen(), "PlayerShipPicture"), p.playerShield);
    screen().Close();
  }, [&] {
    ClickOn(YesNo().Get<Label>("YesLabel"));
  }});
  screens::RunShipCombatOnScreen();
}

TEST_F(ShipCombatScreenTest, ModifierIconsLoadOnceAndRightClicksExplainAbilities) {
  SetUpFight(state::kClassPatton, state::kClassStarwolf, 7);
  WhenIdle({[&] {
    state::EnemyModifiers[2][modifier::kActive] = 1;
    state::EnemyModifiers[2][modifier::kAbility] = state::Stored(combat::kTractorBeam);
    screen().ShowActiveModifiers();
    EXPECT_TRUE(Part<Image>("EnemyModifier2").Visible());
    EXPECT_EQ(Picture(screen(), "EnemyModifier2"),
              state::GetAbilityImage(combat::kTractorBeam) + "_ActiveMod.jpg");
    const auto loads = PictureLoads();
    screen().ShowActiveModifiers();
    EXPECT_EQ(PictureLoads(), loads) << "a lasting modifier keeps its icon";
    // A busy moment, for the eye: modifiers on both sides, both volleys in flight, both messages.
    state::PlayerModifiers[1][modifier::kActive] = 1;
    state::PlayerModifiers[1][modifier::kAbility] = state::Stored(combat::kFocusedShield);
    state::PlayerModifiers[2][modifier::kActive] = 1;
    state::PlayerModifiers[2][modifier::kAbility] = state::Stored(combat::kDiscipline);
    state::PlayerMissileVolley[missile_volley::kInFlight] =
        state::EnemyMissileVolley[missile_volley::kInFlight] = 1;
    state::PlayerMissileVolley[missile_volley::kTurnsToImpact] = 2;
    state::EnemyMissileVolley[missile_volley::kTurnsToImpact] = 3;
    state::EnemyShip[ship::kShields] /= 3;
    screen().RefreshShipCombatScreen();
    screen().ShowMessage(combat::Side::Player, "Firing !!",
                         "You hit the enemy ship. 42 pts. of damage.");
    screen().ShowMessage(combat::Side::Enemy, "Tractor beam !!", "The enemy holds your ship.");
    fs::create_directories("screenshots");
    platform::App().SaveScreenshot("screenshots/ship_combat_mid_fight.png", &screen());
    state::PlayerMissileVolley[missile_volley::kInFlight] =
        state::EnemyMissileVolley[missile_volley::kInFlight] = 0;
    screen().ShowMissiles();
    // The icon explains its ability.
    auto [x, y] = Reachable(Part<Image>("EnemyModifier2"));
    platform::App().MouseDown(platform::MouseButton::Right, x, y);
  }, [&] {
    ASSERT_TRUE(Text().Visible());
    EXPECT_EQ(Text().Topic().Caption(), state::GetAbilityName(combat::kTractorBeam));
    EXPECT_TRUE(Text().ActionPoints.Visible());
    EXPECT_EQ(Text().ActionPoints.Caption(),
              std::to_string(state::GetAbilityApCost(combat::kTractorBeam)));
    ClickOn(Text().Get<Label>("ContinueLabel"));
  }, [&] {
    platform::App().MouseUp(platform::MouseButton::Right, 0, 0);
    state::EnemyModifiers[2][modifier::kActive] = 0;
    screen().ShowActiveModifiers();
    EXPECT_FALSE(Part<Image>("EnemyModifier2").Visible());
    // A right click on an ability button explains it and spends nothing.
    const std::int32_t ap = ActionPoints();
    auto [x, y] = Reachable(Part<Image>("AbilityButton1"));
    platform::App().MouseDown(platform::MouseButton::Right, x, y);
    EXPECT_EQ(ActionPoints(), ap);
  }, [&] {
    ASSERT_TRUE(Text().Visible());
    EXPECT_EQ(Text().Topic().Caption(), state::GetAbilityName(state::Ability{state::PlayerAbilitySlots[1]}));
    ClickOn(Text().Get<Label>("ContinueLabel"));
  }, [&] {
    platform::App().MouseUp(platform::MouseButton::Right, 0, 0);
    screen().Close();
  }, [&] {
    ClickOn(YesNo().Get<Label>("YesLabel"));
  }});
  screens::RunShipCombatOnScreen();
}

TEST_F(ShipCombatScreenTest, CompatibilityModeReadsEveryEnemyMessageOutBeforeTheNextAction) {
  state::CompatibilityMode = 1;
  state::TimerPlayerMessageInterval = state::TimerEnemyMessageInterval = 100;
  SetUpFight(state::kClassPatton, state::kClassStarwolf, 7);
  std::string read;
  WhenIdle({[&] {
    EXPECT_TRUE(Part<Label>("CompatibilitySwitch").Visible());
    EXPECT_EQ(Part<Label>("AbilityLabel1").Caption(), "Fire your guns");
    EXPECT_EQ(Part<Label>("PlayerShieldsLabel").Caption(), "Your shields: 100%");
    fs::create_directories("screenshots");
    platform::App().SaveScreenshot("screenshots/ship_combat_compatibility.png", &screen());
    state::PlayerShip[ship::kActionPoints] = 3;  // few points left: no question
    ClickOn(Part<Label>("EndTurnLabel"));
    ASSERT_TRUE(EnemyWaits());
    read = Part<Label>("EnemyMessageTopic").Caption();
    Wait(100);
  }, [&] {
    ASSERT_TRUE(Text().Visible()) << "the enemy's message is read out";
    EXPECT_EQ(Text().Topic().Caption(), read);
    Wait(5000);
  }, [&] {
    EXPECT_TRUE(EnemyWaits()) << "the enemy waits until the player has read its message";
    ClickOn(Text().Get<Label>("ContinueLabel"));
  }, [&] {
    // The mode is turned off from its own label.
    while (Text().Visible()) ClickOn(Text().Get<Label>("ContinueLabel"));
    ClickOn(Part<Label>("CompatibilitySwitch"));
  }, [&] {
    ASSERT_TRUE(Text().Visible());
    EXPECT_EQ(Text().Topic().Caption(), "Compatibility mode");
    ClickOn(Text().Get<Label>("ContinueLabel"));
  }, [&] {
    EXPECT_EQ(state::CompatibilityMode, 0);
    EXPECT_EQ(state::TimerEnemyMessageInterval, state::kMessageInterval);
    EXPECT_FALSE(Part<Label>("CompatibilitySwitch").Visible());
    EXPECT_EQ(Part<platform::Timer>("EnemyMessageTimer").Interval(), state::kMessageInterval);
    screen().Close();
  }, [&] {
    ClickOn(YesNo().Get<Label>("YesLabel"));
  }});
  screens::RunShipCombatOnScreen();
}

// Every message is read out once, in the order the fight showed it, before whatever the fight
// shows next: a message that replaced another of its side on the screen within its interval, the
// other side's message in between, and then the end of the fight, which no read-out covers.
TEST_F(ShipCombatScreenTest, CompatibilityModeReadsEveryMessageOutInOrderBeforeTheFightGoesOn) {
  state::CompatibilityMode = 1;
  state::TimerPlayerMessageInterval = state::TimerEnemyMessageInterval = 100;
  SetUpFight(state::kClassPatton, state::kClassStarwolf, 7);
  combat::CombatUi& ui = screen().Ui();
  const auto read = [&](const char* topic) {
    return [&, topic] {
      ASSERT_TRUE(Text().Visible()) << topic << " is read out";
      EXPECT_EQ(Text().Topic().Caption(), topic);
      Wait(1000);  // the timers run while the player reads
      ClickOn(Text().Get<Label>("ContinueLabel"));
    };
  };
  bool shown = false;
  WhenIdle({[&] {
              ui.ShowMessage(combat::Side::Player, "Firing guns !!", "You fire your guns.");
              ui.ShowMessage(combat::Side::Enemy, "Reflection shield !!", "Reflected.");
              ui.ShowMessage(combat::Side::Player, "Missile hit !!", "Your missiles hit.");
              ui.ShowPopup(combat::CombatPopup::Picture, "Well done!", "The enemy explodes!",
                           "explosion.jpg");
              shown = true;
            },
            read("Firing guns !!"), read("Reflection shield !!"), read("Missile hit !!"),
            [&] {
              EXPECT_FALSE(Text().Visible());
              EXPECT_EQ(screens::GameForm<screens::PicturePopup>().Topic().Caption(), "Well done!");
              Wait(1000);
            },
            [&] {
              EXPECT_FALSE(Text().Visible()) << "nothing is read out over the end of the fight";
              ClickOn(screens::GameForm<screens::PicturePopup>().Get<Label>("ContinueLabel"));
            },
            [&] {
              EXPECT_TRUE(shown);
              // Once read, a message is not read again when its timer ends.
              Wait(1000);
            },
            [&] {
              EXPECT_FALSE(Text().Visible());
              screen().Close();
            },
            [&] { ClickOn(YesNo().Get<Label>("YesLabel")); }});
  screens::RunShipCombatOnScreen();
}

// Whole fights in the mode, won and lost: the message that decided the fight is read out, and the
// end-of-fight popups follow every read-out.
TEST_F(ShipCombatScreenTest, InCompatibilityModeTheEndOfAFightComesAfterEveryReadOut) {
  struct Case {
    const char* what;
    state::ShipClassId playerClass, enemyClass;
    std::uint32_t seed;
    const char* end;
  };
  for (const Case& c :
       {Case{"won", state::kClassPatton, state::kClassStarwolf, 7, "Well done!"},
        Case{"lost", state::kClassStarwolf, state::kClassMarauder, 3, "Your ship explodes!"}}) {
    SCOPED_TRACE(c.what);
    seen.clear();
    stacked.clear();
    state::ClearGameState();
    state::CompatibilityMode = 1;
    state::TimerPlayerMessageInterval = state::TimerEnemyMessageInterval = 100;
    SetUpFight(c.playerClass, c.enemyClass, c.seed);
    readingTime = 500;
    FightItOut();
    const auto end = std::find(seen.begin(), seen.end(), c.end);
    ASSERT_NE(end, seen.end());
    ASSERT_NE(end, seen.begin());
    // The last message shown on the screen (of either side) is the last one read out.
    const std::string player = Part<Label>("PlayerMessageTopic").Caption();
    const std::string enemy = Part<Label>("EnemyMessageTopic").Caption();
    EXPECT_TRUE(*(end - 1) == player || *(end - 1) == enemy)
        << "the decisive message is read out last, not " << *(end - 1);
    for (auto it = end; it != seen.end(); ++it)
      EXPECT_FALSE(it->ends_with("!!")) << *it << " is read out after the fight's end";
    for (const std::string& s : stacked) ADD_FAILURE() << s;
  }
}

// Every text of the mode shows whole and stands out from its background: the longest ability
// name under each button, and each gauge's longest wording.
TEST_F(ShipCombatScreenTest, EveryCompatibilityTextShowsWholeAndLegible) {
  state::CompatibilityMode = 1;
  SetUpFight(state::kClassPatton, state::kClassStarwolf, 7);
  auto& p = state::PlayerShip;
  auto& e = state::EnemyShip;
  p[ship::kActionPoints] = combat::kTurnEnded;
  p[ship::kReinforcements] = e[ship::kReinforcements] = 100;
  state::PlayerMissileVolley[missile_volley::kInFlight] =
      state::EnemyMissileVolley[missile_volley::kInFlight] = 1;
  state::PlayerMissileVolley[missile_volley::kTurnsToImpact] =
      state::EnemyMissileVolley[missile_volley::kTurnsToImpact] = 10;
  p[ship::kShields] = e[ship::kShields] = -1000;
  const std::vector<std::string> labels = {
      "CompatibilitySwitch", "ActionPointsLabel", "PlayerShieldsLabel", "EnemyShieldsLabel",
      "PlayerMissileLabel", "EnemyMissileLabel", "PlayerReinforcementsLabel",
      "EnemyReinforcementsLabel"};
  // Every combat ability a slot can hold ("Reinforcements" names the allies' arrival and is no
  // button: no start, tree or fast start gives it).
  for (std::int32_t id = 1; id <= state::Stored(combat::kShipSpecial); ++id) {
    if (state::Ability{id} == combat::kReinforcements) continue;
    for (int slot = 4; slot <= 12; ++slot) state::PlayerAbilitySlots[slot] = id;
    screen().UpdateCompatibilityLabels();
    for (int k = 1; k <= 12; ++k) {
      Label& label = Part<Label>(("AbilityLabel" + std::to_string(k)).c_str());
      ASSERT_TRUE(label.Visible());
      ExpectLegible(label);
    }
  }
  for (const std::string& name : labels) {
    Label& label = Part<Label>(name.c_str());
    ASSERT_TRUE(label.Visible()) << name;
    ExpectLegible(label);
  }
  // The captions under the buttons act as the buttons do.
  state::PlayerAbilitySlots[4] = state::Stored(combat::kFocusBeam);
  screen().UpdateCompatibilityLabels();
  EXPECT_EQ(Part<Label>("AbilityLabel4").Caption(), "Focus beam");
  EXPECT_EQ(Part<Label>("AbilityLabel3").Caption(), "Use ECM to destroy enemy missiles");
}

// The travel screen waits behind the fight; turning the mode off in the fight must not leave its
// labels standing for the rest of the flight.
TEST_F(ShipCombatScreenTest, TurningTheModeOffInAFightHidesTheTravelScreensLabelsToo) {
  state::CompatibilityMode = 1;
  SetUpFight(state::kClassPatton, state::kClassStarwolf, 7);
  screens::RedrawTravelSystem(true);
  Label& travelLabel =
      screens::GameForm<screens::TravelScreenForm>().Get<Label>("CompatibilityLabel1");
  ASSERT_TRUE(travelLabel.Visible());
  WhenIdle({[&] { ClickOn(Part<Label>("CompatibilitySwitch")); },
            [&] {
              ASSERT_TRUE(Text().Visible());
              ClickOn(Text().Get<Label>("ContinueLabel"));
            },
            [&] {
              EXPECT_EQ(state::CompatibilityMode, 0);
              EXPECT_FALSE(travelLabel.Visible());
              screen().Close();
            },
            [&] { ClickOn(YesNo().Get<Label>("YesLabel")); }});
  screens::RunShipCombatOnScreen();
}

// The hidden developer buttons. Force boarding opens the crew combat at once, without the
// question, the roll or lent droids, and leaves the fight's boarding decision untaken.
TEST_F(ShipCombatScreenTest, TheForceBoardingButtonBoardsWithoutTheOffer) {
  SetUpFight(state::kClassPatton, state::kClassShark,
             7);  // a cruiser against a cruiser, both big enough to board
  const std::int32_t crewmen = state::EnemyShip[ship::kCrewmen];
  const std::int32_t marines = state::EnemyShip[ship::kMarines];
  const std::int32_t droids = state::PlayerShip[ship::kDroids];
  EXPECT_FALSE(Part<platform::Button>("ForceBoardingButton").Visible());
  WhenIdle({[&] { FireClick(screen(), "ForceBoardingButton"); },
            [&] {
              ASSERT_TRUE(screens::GameForm<screens::BoardingScreen>().Visible());
              EXPECT_FALSE(Choice().Visible());
              const auto& e = state::EnemyShip;
              EXPECT_GE(e[ship::kDefendingCrewmen], 1);
              EXPECT_EQ(e[ship::kCrewmen] + e[ship::kDefendingCrewmen], crewmen);
              EXPECT_EQ(e[ship::kMarines] + e[ship::kDefendingMarines], marines);
              EXPECT_EQ(e[ship::kBoardedArea], 1);
              EXPECT_EQ(e[ship::kBoardingRolled], 0);
              EXPECT_EQ(state::PlayerShip[ship::kDroids], droids);
              EXPECT_EQ(state::BoardingAreas[boarding_area::kAirlock], 1);
              for (int area = 2; area <= 4; ++area) EXPECT_EQ(state::BoardingAreas[area], 2);
              ClickOn(screens::GameForm<screens::BoardingScreen>().Get<Label>("RetreatLabel"));
            },
            [&] { ClickOn(YesNo().Get<Label>("YesLabel")); },
            [&] {
              EXPECT_EQ(screens::GameForm<screens::PicturePopup>().Topic().Caption(),
                        "You escape!");
              ClickOn(screens::GameForm<screens::PicturePopup>().Get<Label>("ContinueLabel"));
            }});
  screens::RunShipCombatOnScreen();
  EXPECT_FALSE(screens::GameForm<screens::BoardingScreen>().Visible());
  EXPECT_FALSE(screen().Visible());
}

// Shields down empties both gauges and leaves the fight running; Destroy enemy ends it won.
TEST_F(ShipCombatScreenTest, TheShieldsDownAndDestroyEnemyButtons) {
  SetUpFight(state::kClassPatton, state::kClassStarwolf, 7);
  std::vector<std::function<void()>> steps = {
      [&] { FireClick(screen(), "ShieldsDownButton"); },
      [&] {
        EXPECT_EQ(state::PlayerShip[ship::kShields], 0);
        EXPECT_EQ(state::EnemyShip[ship::kShields], 0);
        EXPECT_EQ(Picture(screen(), "PlayerShieldDisplay"), "Shield_00.jpg");
        EXPECT_EQ(Picture(screen(), "EnemyShieldDisplay"), "Shield_00.jpg");
        EXPECT_TRUE(screen().Visible()) << "no end check";
        state::PlayerShip[ship::kShields] = 100;
        FireClick(screen(), "DestroyEnemyButton");
      }};
  // The won fight's popups, one a step.
  for (int k = 0; k < 6; ++k) steps.push_back([&] { AnswerPopup(); });
  WhenIdle(steps);
  screens::RunShipCombatOnScreen();
  EXPECT_TRUE(Seen("Well done!"));
  EXPECT_FALSE(screen().Visible());
}

TEST_F(ShipCombatScreenTest, TheNextFightStartsCleanAndAsksBeforeClosingAgain) {
  SetUpFight(state::kClassStarwolf, state::kClassMarauder, 3);
  FightItOut();
  ASSERT_EQ(state::PlayerShip[ship::kAlive], 0);
  // The enemy's last message was still up when its timer stopped with the fight.
  ASSERT_TRUE(MessageShown("Enemy"));
  // A new ship, a new fight on the same screen.
  state::CreateNewGameWorld(state::kClassPatton, {});
  screens::SetupShipCombatOnScreen(state::kClassStarwolf, kFactionPirates, kMilitaryShip, 0);
  bool asked = false;
  WhenIdle({[&] {
    EXPECT_FALSE(MessageShown("Enemy"));
    EXPECT_FALSE(MessageShown("Player"));
    EXPECT_EQ(Picture(screen(), "PlayerShipPicture"), combat::Pictures.playerNormal);
    for (int k = 1; k <= 8; ++k) {
      EXPECT_FALSE(Part<Image>(("EnemyModifier" + std::to_string(k)).c_str()).Visible());
      EXPECT_FALSE(Part<Image>(("PlayerModifier" + std::to_string(k)).c_str()).Visible());
    }
    EXPECT_TRUE(Part<Label>("EndTurnLabel").Enabled());
    screen().Close();
  }, [&] {
    asked = YesNo().Visible() && YesNo().Topic().Caption() == "Quit game?";
    ClickOn(YesNo().Get<Label>("YesLabel"));
  }});
  screens::RunShipCombatOnScreen();
  EXPECT_TRUE(asked);
}

TEST_F(ShipCombatScreenTest, TheTutorialsFirstFightLeadsFromTheMissilesToTheEndOfTheSecondTurn) {
  // A mercenary's fight at the tutorial's mission, as it opens after the arrival at the sun.
  SetUpFight(state::kClassStarwolf, state::kClassStarwolf, 5);
  state::TutorialActive = 1;
  state::TutorialStep = 12;
  screens::BeginTutorialStep(tutorial::Step::FireMissiles);
  const Panel& panel = Part<Panel>("TutorialPanel");
  const platform::Image& arrow = Part<platform::Image>("TutorialArrow");
  auto button = [](state::Ability ability) -> Image& {
    for (int k = 1; k <= 12; ++k)
      if (state::Ability{state::PlayerAbilitySlots[k]} == ability)
        return Part<Image>(("AbilityButton" + std::to_string(k)).c_str());
    throw std::runtime_error("no button for the ability");
  };
  // Each step's arrow sits above, below or beside the control the step names; the player presses it.
  std::vector<int> steps;
  bool cancelled = false;
  int acts = 0;
  platform::App().SetIdleHook([&] {
    if (++acts > 400) {
      ADD_FAILURE() << "the tutorial's fight stalls at step " << state::TutorialStep;
      throw OutOfSteps{};
    }
    if (AnswerPopup()) return;
    if (!screen().Visible()) return;
    const int step = state::TutorialStep;
    if (steps.empty() || steps.back() != step) {
      steps.push_back(step);
      EXPECT_TRUE(panel.Visible()) << step;
      if (step == 13) {
        fs::create_directories("screenshots");
        platform::App().SaveScreenshot("screenshots/ship_combat_tutorial.png", &screen());
      }
    }
    auto press = [&](Image& target) {
      EXPECT_TRUE(arrow.Visible()) << step;
      // Above the row of abilities, or below it where "End this turn" takes the room above.
      const platform::Control& row = *target.Parent();
      EXPECT_TRUE(arrow.Top() + arrow.Height() <= row.Top() || arrow.Top() >= row.Top() + row.Height())
          << step << ": the pointer on the row at " << arrow.Top();
      EXPECT_GE(arrow.Left(), target.Parent()->Left()) << step;
      ClickOn(target);
    };
    if (ActionPoints() == combat::kTurnEnded) {
      platform::App().AdvanceClock(state::TimerEnemyMessageInterval);
      return;
    }
    switch (step) {
      case 13: press(button(combat::kFireMissiles)); break;
      case 14: press(button(combat::kDiscipline)); break;
      case 16: press(button(combat::kEcm)); break;
      case 17: press(button(combat::kFireGuns)); break;
      case 15:
      case 18:
        // The tutorial's volley used up the second turn.
        if (step == 18) {
          EXPECT_EQ(ActionPoints(), 0);
        }
        EXPECT_TRUE(arrow.Visible()) << step;
        EXPECT_GE(arrow.Left(), Part<Image>("EndTurnButton").Left() +
                                    Part<Image>("EndTurnButton").Width()) << step;
        ClickOn(Part<Label>("EndTurnLabel"));
        break;
      case 19:
        if (!cancelled) {
          // The last combat step has no arrow; "Cancel tutorial" asks and turns it all off.
          EXPECT_FALSE(arrow.Visible());
          cancelled = true;
          ClickOn(Part<platform::Control>("TutorialCancelButton"));
          return;
        }
        EXPECT_EQ(state::TutorialActive, 0);
        EXPECT_FALSE(panel.Visible());
        EXPECT_FALSE(arrow.Visible());
        screen().Close();
        break;
      default:
        ADD_FAILURE() << "unexpected step " << step;
        throw OutOfSteps{};
    }
  });
  screens::RunShipCombatOnScreen();
  EXPECT_EQ(steps, (std::vector<int>{13, 14, 15, 16, 17, 18, 19}));
  EXPECT_TRUE(Seen("Turn tutorial off?"));
  state::TutorialActive = 0;
}

TEST_F(ShipCombatScreenTest, EveryPairingOfShipsFightsToItsEndOnScreen) {
  // Fighters to battleships, the starbase and the squadrons: every fight closes the screen with one
  // ship gone (or the enemy escaped), and nothing of it waits behind the closed screen.
  using enum state::ShipClassId;
  for (const state::ShipClassId playerClass : {kClassStarwolf, kClassAvenger, kClassShadowcat,
                                               kClassPatton, kClassNeptun, kClassMarauder}) {
    for (const state::ShipClassId enemyClass :
         {kStarbaseClass, kClassStarwolf, kClassOrion, kClassPaladin, kClassShark,
          kClassOrionSquadron, kClassGalaxy, kClassGettysburg, kClassBattlegroup}) {
      state::ClearGameState();
      SetUpFight(playerClass, enemyClass, 1);
      FightItOut();
      const std::string pairing = std::to_string(state::Stored(playerClass)) + " against " +
                                  std::to_string(state::Stored(enemyClass));
      EXPECT_FALSE(screen().Visible()) << pairing;
      EXPECT_FALSE(state::PlayerShip[ship::kAlive] == 0 && state::EnemyShip[ship::kAlive] == 0)
          << pairing;
      EXPECT_EQ(state::EnemyShip[ship::kAwaitingMessage], 0) << pairing;
      EXPECT_EQ(state::CombatMayClose, 0) << pairing;
    }
  }
}

}  // namespace
}  // namespace screens_test
