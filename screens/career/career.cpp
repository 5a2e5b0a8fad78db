#include "screens/shared/doors.h"

#include "screens/career/ability_selection.h"
#include "screens/shared/game_forms.h"

namespace screens {

void ChooseNewAbilityOnScreen(rules::AbilityChoice choice) {
  GameForm<AbilitySelectionScreen>().ChooseNewAbility(choice);
}

void BrowseAbilitiesOnScreen(rules::AbilityChoice tree) {
  GameForm<AbilitySelectionScreen>().BrowseAbilities(tree);
}

}  // namespace screens
