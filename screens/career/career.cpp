#include "screens/career/career.h"

#include "screens/career/ability_selection.h"
#include "screens/screen_ui.h"

namespace screens {

void ChooseNewAbilityOnScreen(rules::AbilityChoice choice) {
  AbilitySelection->ChooseNewAbility(choice);
}

void BrowseAbilitiesOnScreen(rules::AbilityChoice tree) { AbilitySelection->BrowseAbilities(tree); }

void ShowPromotionScreen(rules::PromotionAward award, int level) {
  (void)award, (void)level;
  ScreenNotBuiltYet("ShowPromotion");
}

void OpenPersonalStatus() { ScreenNotBuiltYet("PersonalStatus"); }

void OpenCheatScreen() { ScreenNotBuiltYet("CheatScreen"); }

}  // namespace screens
