// The ship's special ability: switching it on and off with its questions and costs, and the three
// specials that do more than stand in the modifier list.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "combat/setup.h"
#include "combat_fixture.h"
#include "state/equipment.h"
#include "state/fields.h"

namespace combat_test {
namespace {

using combat::Side;


class ShipSpecialTest : public CombatTest {
 protected:
  // Clicks the special with the given answers to its questions.
  void Click(std::vector<bool> answers) {
    ui.answers.assign(answers.begin(), answers.end());
    ui.transcript.clear();
    combat::ResolvePlayerCombatAction(combat::kShipSpecial, ui);
  }
  static std::string OnQuestion(state::ShipSpecial s, bool yes) {
    return "question: " + state::GetShipSpecialName(s) +
           " / This spaceship has a special ability which is right now turned OFF. If activated " +
           state::GetShipSpecialEffect(s) + " Activate this ability now?" + (yes ? " -> yes" : " -> no");
  }
  static std::string OffQuestion(state::ShipSpecial s, bool yes) {
    return "question: " + state::GetShipSpecialName(s) +
           " / This spaceship has a special ability which is right now turned *ON*. As long as it "
           "stays activated " + state::GetShipSpecialEffect(s) +
           " Do you wish to turn this ability off?" + (yes ? " -> yes" : " -> no");
  }
};

TEST_F(ShipSpecialTest, SwitchingOnAndOff) {
  const std::string cue = "cue AbilityUsed.wav";
  // No to the question: nothing paid, nothing on.
  Click({false});
  EXPECT_EQ(ui.transcript,
            (std::vector<std::string>{cue, OnQuestion(state::kSpecialEvasionComputer, false)}));
  EXPECT_EQ(state::PlayerShip[ship::kActionPoints], 5);
  EXPECT_EQ(combat::FindPlayerModifierSlot(combat::kShipSpecial), 0);

  // Yes: 3 points, the special stands for the rest of the fight.
  Click({true});
  EXPECT_EQ(ui.transcript,
            (std::vector<std::string>{cue, OnQuestion(state::kSpecialEvasionComputer, true)}));
  EXPECT_EQ(state::PlayerShip[ship::kActionPoints], 2);
  const int slot = combat::FindPlayerModifierSlot(combat::kShipSpecial);
  ASSERT_GT(slot, 0);
  EXPECT_EQ(state::PlayerModifiers[slot][modifier::kTurnsLeft], 10000);
  EXPECT_EQ(state::ActiveShipSpecial(Side::Player), state::kSpecialEvasionComputer);

  // On with 2 points: the cue and nothing else.
  Click({true});
  EXPECT_EQ(ui.transcript, std::vector<std::string>{cue});
  EXPECT_GT(combat::FindPlayerModifierSlot(combat::kShipSpecial), 0);

  // Off: no keeps it, yes pays 3 and ends it.
  state::PlayerShip[ship::kActionPoints] = 3;
  Click({false});
  EXPECT_EQ(ui.transcript,
            (std::vector<std::string>{cue, OffQuestion(state::kSpecialEvasionComputer, false)}));
  EXPECT_EQ(state::PlayerShip[ship::kActionPoints], 3);
  EXPECT_GT(combat::FindPlayerModifierSlot(combat::kShipSpecial), 0);
  Click({true});
  EXPECT_EQ(state::PlayerShip[ship::kActionPoints], 0);
  EXPECT_EQ(combat::FindPlayerModifierSlot(combat::kShipSpecial), 0);
  EXPECT_EQ(state::ActiveShipSpecial(Side::Player), state::kNoSpecial);

  // Off with 2 points: "Not enough AP!" after the cue, no question.
  state::PlayerShip[ship::kActionPoints] = 2;
  Click({true});
  ASSERT_EQ(ui.transcript.size(), 2u);
  EXPECT_EQ(ui.transcript[0], cue);
  EXPECT_EQ(ui.transcript[1].rfind("popup: Not enough AP!", 0), 0u);
  EXPECT_EQ(combat::FindPlayerModifierSlot(combat::kShipSpecial), 0);

  // Off with all eight slots taken: the cue and nothing else.
  state::PlayerShip[ship::kActionPoints] = 5;
  for (int s = 0; s < 8; ++s) combat::AddPlayerModifier(state::kReinforcements, ui);
  Click({true});
  EXPECT_EQ(ui.transcript, std::vector<std::string>{cue});
  EXPECT_EQ(state::PlayerShip[ship::kActionPoints], 5);

  // The enemy has no special in combat.
  ui.transcript.clear();
  combat::ResolveCombatAction(Side::Enemy, combat::kShipSpecial, ui);
  EXPECT_TRUE(ui.transcript.empty());
  EXPECT_EQ(state::EnemyShip[ship::kActionPoints], 5);
  EXPECT_EQ(state::EnemyShip[ship::kAwaitingMessage], 0);
}

TEST_F(ShipSpecialTest, TwinGunsFiringPicture) {
  // Switched on, the built-in turbo lasers fire; switched off, the fitted gun's picture returns.
  const char* offSuffix[] = {"_l_f1.jpg", "_l_f2.jpg", "_l_f3.jpg", "_l_f4.jpg", "_l_f5.jpg",
                             "_l_f3.jpg", "_l_f5.jpg", "_l_f5.jpg", "_l_f2.jpg"};
  for (std::int32_t gun = 0; gun <= 8; ++gun) {
    SCOPED_TRACE(gun);
    Ships(state::kClassAvenger, state::kClassStarwolf);
    state::PlayerModifiers = {};
    state::PlayerShip[ship::kGun] = gun;
    combat::Pictures.playerFiring = "before.jpg";
    Click({true});
    EXPECT_EQ(combat::Pictures.playerFiring, "Federation_Avenger_l_f2.jpg");
    state::PlayerShip[ship::kActionPoints] = 3;
    Click({true});
    EXPECT_EQ(combat::Pictures.playerFiring, std::string("Federation_Avenger") + offSuffix[gun]);
  }
  // Another special leaves the firing picture alone.
  Ships(state::kClassStarwolf, state::kClassStarwolf);
  state::PlayerModifiers = {};
  combat::Pictures.playerFiring = "before.jpg";
  Click({true});
  state::PlayerShip[ship::kActionPoints] = 3;
  Click({true});
  EXPECT_EQ(combat::Pictures.playerFiring, "before.jpg");
}

TEST_F(ShipSpecialTest, DropAllMissilesAsksTwice) {
  const std::string really =
      "question: Really? / Are you really sure you wish to drop all missiles for a +1 AP bonus "
      "each turn? -> ";
  // Yes twice: the launcher never reloads in this fight.
  Ships(state::kClassSabre, state::kClassStarwolf);
  state::PlayerShip[ship::kMissileReload] = 2;
  Click({true, true});
  EXPECT_EQ(ui.Lines("question: Really?"), std::vector<std::string>{really + "yes"});
  EXPECT_EQ(state::PlayerShip[ship::kMissileReload], 10000);
  EXPECT_EQ(state::ActiveShipSpecial(Side::Player), state::kSpecialDropAllMissiles);
  EXPECT_EQ(state::PlayerShip[ship::kActionPoints], 2);

  // No to the second question: the special is off again and the 3 points stay spent.
  Ships(state::kClassSabre, state::kClassStarwolf);
  state::PlayerModifiers = {};
  state::PlayerShip[ship::kMissileReload] = 2;
  Click({true, false});
  EXPECT_EQ(ui.Lines("question: Really?"), std::vector<std::string>{really + "no"});
  EXPECT_EQ(state::PlayerShip[ship::kMissileReload], 2);
  EXPECT_EQ(combat::FindPlayerModifierSlot(combat::kShipSpecial), 0);
  EXPECT_EQ(state::PlayerShip[ship::kActionPoints], 2);

  // Switching it off later keeps the emptied launcher.
  Ships(state::kClassSabre, state::kClassStarwolf);
  state::PlayerModifiers = {};
  Click({true, true});
  state::PlayerShip[ship::kActionPoints] = 3;
  Click({true});
  EXPECT_EQ(combat::FindPlayerModifierSlot(combat::kShipSpecial), 0);
  EXPECT_EQ(state::PlayerShip[ship::kMissileReload], 10000);
}

TEST_F(ShipSpecialTest, AntiPhaseEmitterOncePerFight) {
  Ships(state::kClassNeptun, state::kClassStarwolf);
  state::PlayerShip[ship::kEmitterUsed] = 0;
  Click({true});
  const int slot = combat::FindPlayerModifierSlot(combat::kShipSpecial);
  ASSERT_GT(slot, 0);
  EXPECT_EQ(state::PlayerModifiers[slot][modifier::kTurnsLeft], 2);
  EXPECT_EQ(state::PlayerShip[ship::kEmitterUsed], 1);
  EXPECT_EQ(state::PlayerShip[ship::kActionPoints], 2);

  // It lasts two round starts.
  combat::CountDownModifiers(Side::Player, ui);
  EXPECT_EQ(state::ActiveShipSpecial(Side::Player), state::kSpecialAntiPhaseEmitter);
  combat::CountDownModifiers(Side::Player, ui);
  EXPECT_EQ(combat::FindPlayerModifierSlot(combat::kShipSpecial), 0);

  // A second activation in the same fight: points back, special off, the popup.
  state::PlayerShip[ship::kActionPoints] = 5;
  Click({true});
  EXPECT_EQ(state::PlayerShip[ship::kActionPoints], 5);
  EXPECT_EQ(combat::FindPlayerModifierSlot(combat::kShipSpecial), 0);
  EXPECT_EQ(ui.Lines("popup: "),
            std::vector<std::string>{"popup: N/A / The anti-phase emitter can only be used once "
                                     "during the same combat."});
  EXPECT_EQ(state::PlayerShip[ship::kEmitterUsed], 1);

  // The next fight's set-up makes it ready again.
  state::ClearGameState();
  state::PlayerShip[ship::kClass] = 13;
  state::PlayerShip[ship::kEmitterUsed] = 1;
  combat::SetupShipCombat(state::kClassStarwolf, kFactionPirates, kMilitaryShip, 1, ui);
  EXPECT_EQ(state::PlayerShip[ship::kEmitterUsed], 0);
  state::PlayerShip[ship::kActionPoints] = 5;
  Click({true});
  EXPECT_EQ(state::ActiveShipSpecial(Side::Player), state::kSpecialAntiPhaseEmitter);
}

}  // namespace
}  // namespace combat_test
