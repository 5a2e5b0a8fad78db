// The career screens as the rules and the other screens reach them: the ability selection after a
// promotion, the promotion screen, the personal status and the cheat screen.
#pragma once

#include "rules/ui.h"

namespace screens {

// The ability selection screen after a promotion, opened on the tree `choice` names; the player
// learns at most one ability or skill there.
void ChooseNewAbilityOnScreen(rules::AbilityChoice choice);

// The promotion screen for a player who has just reached `level`, modally.
void ShowPromotionScreen(rules::PromotionAward award, int level);

// The personal status screen and the cheat screen, modally.
void OpenPersonalStatus();
void OpenCheatScreen();

}  // namespace screens
