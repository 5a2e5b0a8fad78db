// The combat simulator's two screens: the set-up page, shown once for the player's side
// and once for the enemy's, and the real-time duel screen whose CombatTimer runs a round
// of the duel on every tick. StartCombatSimulator drives a whole run from the start screen.
#pragma once

#include <cstdint>

#include "combat/simulator.h"
#include "platform/form.h"

namespace screens {

// The frame colours of the set-up page: the chosen ship or expertise, and every other one.
inline constexpr platform::Color kSimulatorChosen = platform::Rgb(0xFF, 0x80, 0x40);
inline constexpr platform::Color kSimulatorNormal = platform::Rgb(0x83, 0x9A, 0xFA);

class SimulatorSetupScreen : public platform::Form {
 public:
  SimulatorSetupScreen();

  void ShipButtonClick(int k);       // ship 1..3
  void ExpertiseButtonClick(int k);  // expertise 1..3
  void OnContinueClick();
  void OnBackClick();

  // Heading and all six frames in the normal colour, before each showing.
  void Prepare(const char* heading);
};

class SimulatorDuelScreen : public platform::Form {
 public:
  SimulatorDuelScreen();

  void LayoutSimulatorScreen();
  void RefreshSimulatorScreen();
  void ShowSimulatorShields();
  void RefreshSimulatorAbilityButtons();
  void ShowSimulatorMissiles();
  void ShowSimulatorActiveModifiers();
  void ShowSimulatorComboPoints();
  void ShowSimulatorReinforcements();
  void ShowSimulatorMessages();
  void ShowSimulatorAbilityInfo(int slot);
  void ShowSimulatorModifierInfo(combat::Side side, int slot);
  void HideSimulatorInfoPanel();

  // Hides the ability panels and modifier icons and forgets what every button and icon shows.
  void ResetSimulatorScreen();
  // The ship, missile and gun-fire pictures of both chosen classes.
  void LoadSimulatorShipPictures();
  void ShowShieldFlash(combat::Side side);

  void OnCombatTimer();
  void AbilityButtonClick(int k);
  void PaceButtonClick(int k);  // 1 "||", 2 ">>", 3 ">>>", 4 ">>>>"
  // A double click on the arena's name plate takes the enemy's shields down.
  void OnArenaDblClick();

  platform::Timer& CombatTimer = Get<platform::Timer>("CombatTimer");
};

extern SimulatorSetupScreen* SimulatorSetup;
extern SimulatorDuelScreen* SimulatorDuel;

// The start screen's simulator button: the whole run, from clearing the game to the result popup.
void StartCombatSimulator();

}  // namespace screens
