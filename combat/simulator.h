// The combat simulator: a practice duel on the gladiator planet Gameris VII, fought in real time.
// One tick of the duel timer resolves a whole round for both sides at once: the enemy picks its
// abilities, effects and cool-downs count down, missiles land, drones and reinforcements strike,
// reinforcements arrive, and the duel ends when a ship's shields are gone. Everything here is
// headless; the set-up page and the duel screen implement SimulatorUi.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

#include "combat/ability_ids.h"
#include "combat/combat_ui.h"
#include "state/ship_classes.h"

namespace combat {

// The page of the simulator set-up: 1 player page, 2 enemy page, 3 both done (start the duel),
// 0 after Back on the player page.
extern std::int32_t SimulatorSetupStep;

// The eight message panels of the duel screen: 0..3 the player's panels 1..4, 4..7 the enemy's.
// A shown message stays for `ticks` ticks of the duel timer.
struct SimulatorMessage {
  bool visible = false;
  std::int32_t ticks = 0;
  std::string topic;
  std::string text;
};
inline constexpr int kSimulatorMessagePanels = 8;
inline constexpr std::int32_t kSimulatorMessageTicks = 4;
extern std::array<SimulatorMessage, kSimulatorMessagePanels> SimulatorMessages;
// The panel of `side` numbered 1..4.
SimulatorMessage& SimulatorPanel(Side side, int panel);

// Duel timer intervals of the speed buttons ("||", ">>", ">>>", ">>>>"), in ms; 0 = paused.
inline constexpr std::array<int, 4> kSimulatorSpeeds = {0, 1500, 1200, 1000};
inline constexpr int kSimulatorInitialInterval = 1500;

// What the simulator needs of its two screens.
class SimulatorUi : public CombatUi {
 public:
  using CombatUi::CombatUi;

  // The practice duel has no message boxes, questions, enemy turns, boarding or medals: its rules
  // never ask for them, and its screens have nothing to show for them.
  void ShowMessage(Side side, std::string_view topic, std::string_view text) override {
    (void)side, (void)topic, (void)text;
  }
  bool Ask(std::string_view topic, std::string_view text) override {
    (void)topic, (void)text;
    return false;
  }
  bool AskEitherWay(std::string_view topic, std::string_view text) override {
    (void)topic, (void)text;
    return false;
  }
  bool AskWithPicture(std::string_view topic, std::string_view text,
                      std::string_view picture) override {
    (void)topic, (void)text, (void)picture;
    return false;
  }
  void StartEnemyMessageTimer() override {}
  void SetEndTurnEnabled(bool enabled) override { (void)enabled; }
  void OpenBoarding() override {}
  void AwardSilverStar() override {}
  void AwardGoldStar() override {}

  // The simulator's ability action of a side: takes the ability id and changes nothing in the duel.
  virtual void AbilityUsed(Side side, state::Ability ability) { (void)side, (void)ability; }

  // Stops the duel timer (the duel is over).
  virtual void StopCombatTimer() {}

  // Shows the set-up page modally under `heading`; its buttons change SimulatorSetupStep.
  virtual void ShowSetupPage(std::string_view heading) { (void)heading; }

  // Lays out and refreshes the duel screen, runs its timer while it is shown modally and stops
  // the timer when it returns.
  virtual void RunDuelScreen() {}
};

// The set-up page's choices: a ship class 1..3 and an expertise 1, 3 or 6, stored for the side of
// the current step (player on step 1, enemy on step 2). Other steps store nothing.
void ChooseSimulatorShip(state::ShipClassId shipClass);
void ChooseSimulatorExpertise(std::int32_t expertise);
// "Continue": true (and the step advanced) when the current side has both choices; the page
// then closes. False changes nothing.
bool ContinueSimulatorSetup();
// "Back": one step back; the page closes.
void BackSimulatorSetup();

// The enemy's ability list and choice table for its expertise (ship::kEnemyKind of EnemyShip):
// Trader 1, Soldier 3 and Rogue 6 each fight with their own list (1, 3 and 2); 0 for anything else.
int SimulatorEnemyList(std::int32_t expertise);

// Pictures of a simulator ship by class and side: ship, missile icon and gun fire with the gun
// fire's place on the duel screen.
struct SimulatorShipPictures {
  std::string ship;
  std::string missile;
  std::string fire;
  int fireLeft = 0;
  int fireTop = 0;
  int fireWidth = 0;
};
SimulatorShipPictures GetSimulatorShipPictures(state::ShipClassId shipClass, Side side);

// Prepares both ship records for a duel (the classes and expertises chosen on the set-up page);
// ui.ResetScreen hides the ability panels and modifier icons for a fresh draw.
void SetupSimulatorShips(SimulatorUi& ui);

// The whole run as the start screen's simulator button drives it: clear the game, the player
// page, a new world for the player's profession, the enemy page, the duel and its result popup.
void RunCombatSimulator(SimulatorUi& ui);

// The player's click on ability button 1..12: the ability action when the enemy does not block
// abilities (its modifier 16) and the player owns the ability. No cool-down test.
void UseSimulatorAbilitySlot(int slot, SimulatorUi& ui);

// The enemy's choices for one tick.
void PickSimulatorEnemyAbility(SimulatorUi& ui);

// One tick of the duel timer.
void RunSimulatorRound(SimulatorUi& ui);

}  // namespace combat
