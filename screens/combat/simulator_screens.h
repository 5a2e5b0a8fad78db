// The combat simulator's two screens: the set-up page, shown once for the player's side
// and once for the enemy's, and the real-time duel screen whose CombatTimer runs a round
// of the duel on every tick. StartCombatSimulator drives a whole run from the start screen.
#pragma once

#include <array>
#include <cstdint>
#include <vector>

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

 private:
  platform::Label& heading_ = Get<platform::Label>("Heading");
  platform::Label& shipCaption_ = Get<platform::Label>("ShipCaption");
  std::vector<platform::Shape*> shipFrames_ = GetNumbered<platform::Shape>("ShipShape", 3);
  std::vector<platform::Shape*> expertiseFrames_ = GetNumbered<platform::Shape>("ExpertiseShape", 3);
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

 private:
  // What the screen shows of one side, named "Player..." and "Enemy..." in the layout.
  struct SideView {
    SideView(const platform::Form& form, const std::string& side);
    platform::Image& ship;
    platform::Image& shieldFlash;
    platform::Timer& shieldTimer;
    platform::Image& gunFire;
    platform::Timer& gunFireTimer;
    platform::Image& shieldDisplay;
    platform::Image& comboPointDisplay;
    platform::Panel& missilePanel;
    platform::Image& missilePicture;
    platform::Label& missileCount;
    platform::Panel& reinforcementPanel;
    platform::Label& reinforcementText;
    std::vector<platform::Image*> modifiers;
    std::vector<platform::Panel*> messagePanels;
    std::vector<platform::Label*> messageTopics;
    std::vector<platform::Label*> messageTexts;
    std::vector<platform::Shape*> messageDots;  // the first two messages only
  };
  SideView& View(combat::Side side) { return side == combat::Side::Player ? player_ : enemy_; }
  void ShowInfo(int left, int top, state::Ability ability);

  SideView player_{*this, "Player"};
  SideView enemy_{*this, "Enemy"};
  std::vector<platform::Image*> framePieces_ = GetNumbered<platform::Image>("FramePiece", 36);
  std::vector<platform::Image*> abilityButtons_ = GetNumbered<platform::Image>("AbilityButton", 12);
  std::vector<platform::Panel*> abilityPanels_ = GetNumbered<platform::Panel>("AbilityPanel", 12);
  std::vector<platform::SpeedButton*> paceButtons_ = GetNumbered<platform::SpeedButton>("PaceButton", 4);
  platform::Panel& infoPanel_ = Get<platform::Panel>("InfoPanel");
  platform::Label& infoTitle_ = Get<platform::Label>("InfoTitle");
  platform::Label& infoDescription_ = Get<platform::Label>("InfoDescription");
  platform::Label& infoEffect_ = Get<platform::Label>("InfoEffect");
  platform::Label& infoComboPoint_ = Get<platform::Label>("InfoComboPoint");
};

// The start screen's simulator button: the whole run, from clearing the game to the result popup.
void StartCombatSimulator();

}  // namespace screens
