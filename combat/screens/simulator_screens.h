// The combat simulator's two screens: the set-up page (TForm9), shown once for the player's side
// and once for the enemy's, and the real-time duel screen (TForm3) whose CombatTimer runs a round
// of the duel on every tick. StartCombatSimulator drives a whole run from the start screen.
#pragma once

#include <cstdint>

#include "combat/simulator.h"
#include "platform/form.h"

namespace screens {

// The frame colours of the set-up page: the chosen ship or expertise, and every other one.
inline constexpr platform::Color kSimulatorChosen = platform::Rgb(0xFF, 0x80, 0x40);
inline constexpr platform::Color kSimulatorNormal = platform::Rgb(0x83, 0x9A, 0xFA);

class TForm9 : public platform::Form {
 public:
  TForm9();

  void ShipButtonClick(int k);       // ShipButton1Click .. ShipButton3Click
  void ExpertiseButtonClick(int k);  // ExpertiseButton1Click .. ExpertiseButton3Click
  void SpeedButton1Click();          // Continue
  void SpeedButton2Click();          // Back

  // Heading and all six frames in the normal colour, before each showing.
  void Prepare(const char* heading);
};

class TForm3 : public platform::Form {
 public:
  TForm3();

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

  void CombatTimerTimer();
  void AbilityButtonClick(int k);
  void SpeedButtonClick(int k);  // 1 "||", 2 ">>", 3 ">>>", 4 ">>>>"
  void Image2DblClick();

  platform::Timer& CombatTimer = Get<platform::Timer>("CombatTimer");
};

extern TForm9* Form9;
extern TForm3* Form3;

// The start screen's simulator button: the whole run, from clearing the game to the result popup.
void StartCombatSimulator();

}  // namespace screens
