#include "screens/career/career.h"

#include "screens/screen_ui.h"

namespace screens {

void ChooseNewAbilityOnScreen(rules::AbilityChoice choice) {
  (void)choice;
  ScreenNotBuiltYet("ChooseNewAbility");
}

void ShowPromotionScreen(rules::PromotionAward award, int level) {
  (void)award, (void)level;
  ScreenNotBuiltYet("ShowPromotion");
}

void OpenPersonalStatus() { ScreenNotBuiltYet("PersonalStatus"); }

void OpenCheatScreen() { ScreenNotBuiltYet("CheatScreen"); }

}  // namespace screens
