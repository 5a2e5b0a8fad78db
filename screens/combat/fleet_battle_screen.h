// The fleet battle screen: both fleets as symbols on a battlefield, the player's status, the escort
// and hostile-ship panels of the selected pair, and the four orders (attack the target yourself,
// send the selected escort, emergency shield recharge, retreat). The battle's rules are in
// combat/fleet_battle.h; this screen draws what they ask and hands every click to them. A battle
// runs modally and leaves its result in combat::FleetBattleWon.
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "combat/fleet_battle.h"
#include "platform/controls.h"
#include "platform/form.h"
#include "rules/ui.h"
#include "screens/screen_ui.h"
#include "screens/shared/guarded_close.h"
#include "screens/shared/picture_buttons.h"

namespace screens {

// The picture buttons, by their number in the screen's lit state.
enum FleetBattleButton : int {
  kAttackButton = 1,
  kEscortAttackButton = 2,
  kRechargeButton = 3,
  kRetreatButton = 4,
  kTargetCloseButton = 5,
  kEscortCloseButton = 6,
};

class FleetBattleScreen : public platform::Form {
 public:
  FleetBattleScreen();
  ~FleetBattleScreen() override;

  // Runs the battle whose fleets are filled (combat::PrepareFleetBattle): draws it, shows it
  // modally until a win, a loss, a retreat or the quit question ends it, and returns whether the
  // enemy fleet was destroyed. The own attack's ship fight and the quit question's ending of the
  // game go through `rules`.
  bool RunBattle(rules::Ui& rules);
  // The same with the game's own screens.
  bool RunBattle() { return RunBattle(screenRules_); }

  // Redraws the whole screen from the battle's view.
  void Refresh();
  // Redraws the shield bars and texts of the selected pair.
  void ShowShieldBars();
  // Fills and shows both panels of the selected pair.
  void ShowPanels();

 private:
  void ShowPanels(const combat::FleetBattleView& view);

  class Battle;

  void OnOwnShipClick(platform::EventArgs& args);
  void OnEnemyShipClick(platform::EventArgs& args);
  void OnTargetCloseClick();
  void OnEscortCloseClick();
  void OnHiddenCloseClick();
  void OnShipPictureClick();
  void OnPortraitClick();
  void OnAttackClick();
  void OnEscortAttackClick();
  void OnRechargeClick();
  void OnRetreatClick();
  void OnDuelTimer();
  void OnClosed();

  // What one side's panel is made of.
  struct ShipPanel {
    ShipPanel(const platform::Form& form, const std::string& side);
    // The ship of `shown`, or the panel hidden when it shows none.
    void Show(const combat::FleetShipPanel& shown);
    void ShowShields(const combat::FleetShipPanel& shown);
    platform::Panel& panel;
    platform::Image& picture;
    platform::Label& name;
    platform::Label& role;
    platform::Image& shieldBar;
    platform::Label& shieldText;
  };

  std::unique_ptr<Battle> battle_;  // while a battle runs
  PictureButtons buttons_;
  GuardedClose guard_;
  ScreenUi screenRules_;

  platform::Image& ownLarge_ = Get<platform::Image>("OwnLargeSymbol");
  platform::Label& ownLargeLabel_ = Get<platform::Label>("OwnLargeLabel");
  std::vector<platform::Image*> ownSmall_ = GetNumbered<platform::Image>("OwnSmallSymbol", 5);
  std::vector<platform::Label*> ownSmallLabels_ = GetNumbered<platform::Label>("OwnSmallLabel", 5);
  std::vector<platform::Image*> enemyLarge_ = GetNumbered<platform::Image>("EnemyLargeSymbol", 3);
  std::vector<platform::Label*> enemyLargeLabels_ =
      GetNumbered<platform::Label>("EnemyLargeLabel", 3);
  std::vector<platform::Image*> enemySmall_ = GetNumbered<platform::Image>("EnemySmallSymbol", 7);
  std::vector<platform::Label*> enemySmallLabels_ =
      GetNumbered<platform::Label>("EnemySmallLabel", 7);
  ShipPanel target_{*this, "Target"};
  ShipPanel escort_{*this, "Escort"};
  platform::Image& shipPicture_ = Get<platform::Image>("ShipPicture");
  platform::Image& portrait_ = Get<platform::Image>("Portrait");
  platform::Image& shieldBar_ = Get<platform::Image>("ShieldBar");
  platform::Label& shieldText_ = Get<platform::Label>("ShieldText");
  platform::Image& experienceBar_ = Get<platform::Image>("ExperienceBar");
  platform::Label& experienceText_ = Get<platform::Label>("ExperienceText");
  std::vector<platform::SpeedButton*> speedButtons_;  // attack, escort attack, recharge, retreat
  platform::Timer& duelTimer_ = Get<platform::Timer>("DuelTimer");
};

}  // namespace screens
