// The career screens as the rules and the other screens reach them: the ability selection after a
// promotion, the promotion screen and the medals, the personal status, the retirement and the cheat
// screen.
#pragma once

#include <cstdint>

#include "rules/ui.h"

namespace screens {

// The ability selection screen after a promotion, opened on the tree `choice` names; the player
// learns at most one ability or skill there.
void ChooseNewAbilityOnScreen(rules::AbilityChoice choice);

// The same screen opened to browse the tree `tree` names (the personal status's buttons): every
// click on a slot only describes its ability; nothing is learnt.
void BrowseAbilitiesOnScreen(rules::AbilityChoice tree);

// The description popup of combat ability or skill `id` (any screen that shows an ability): its
// name and description, and for a combat ability the action points it costs. An id without an
// entry shows nothing.
void ShowAbilityInfo(rules::AbilityChoice tree, std::int32_t id);

// The promotion screen for a player who has just reached `level`, modally.
void ShowPromotionScreen(rules::PromotionAward award, int level);

// The medals of ship combat, each awarded at most once per game and shown on the promotion
// screen.
void AwardSilverStarMedal();
void AwardGoldStarMedal();

// The personal status screen and the cheat screen, modally.
void OpenPersonalStatus();
void OpenCheatScreen();

// The retirement sequence (from the bar): the steps of the retirement, the career ladder, the
// high-score table, then back to the start screen.
void OpenRetirementSequence();

}  // namespace screens
