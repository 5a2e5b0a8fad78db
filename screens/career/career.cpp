#include "screens/career/career.h"

#include "screens/career/ability_selection.h"

namespace screens {

void ChooseNewAbilityOnScreen(rules::AbilityChoice choice) {
  AbilitySelection->ChooseNewAbility(choice);
}

void BrowseAbilitiesOnScreen(rules::AbilityChoice tree) { AbilitySelection->BrowseAbilities(tree); }

}  // namespace screens
