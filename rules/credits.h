// Paying the player and granting experience.
//
// Mission rewards, sensor attacks, boarding loot and deliveries pay through PayReward, which adds
// the reward skills; treasure finds, the black market, ghost-ship loot and investment income are
// added to the credits directly. Experience always goes through AddExperience, which adds the fame
// skills and then runs the promotion check. Credits and experience saturate at the int32 limits.
#pragma once

#include <cstdint>
#include <string_view>

#include "rules/ui.h"

namespace rules {

// Adds `amount` to the credits, a tenth more with "Rewards" (skill 16) or a quarter more with
// "Advanced rewards" (skill 17, which wins when both are owned).
void AddCredits(std::int32_t amount);

// A reward paid: AddCredits, then the travel screen turned to the ship's system, which refreshes
// its panels with the new credits.
void PayReward(std::int32_t amount, Ui& ui);

// Adds a quarter with "Rumors" (skill 19) or doubles with "Legendary" (skill 20, which wins when
// both are owned), refreshes the status bars and runs CheckPromotion once.
void AddExperience(std::int64_t amount, Ui& ui);

// The notice after experience was earned, shown with the picture of the player's faction logo
// (rules/faction_logo.h).
inline constexpr std::string_view kExperienceNotice =
    "You receive some experience points. The more you have the more likely you will be promoted.";
// Shows that notice as the fame popup.
void ShowExperienceNotice(Ui& ui);

// Adds `amount` to `value`, staying within the int32 limits.
void AddSaturated(std::int32_t& value, std::int64_t amount);

}  // namespace rules
