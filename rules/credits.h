// Paying the player, granting experience and valuing the player's ship.
//
// Mission rewards, sensor attacks, boarding loot and deliveries pay through AddCredits, which adds
// the reward skills; treasure finds, the black market, ghost-ship loot and investment income are
// added to the credits directly. Experience always goes through AddExperience, which adds the fame
// skills and then runs the promotion check. Credits and experience saturate at the int32 limits.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "rules/ui.h"

namespace rules {

// Adds a tenth with "Rewards" (skill 16) or a quarter with "Advanced rewards" (skill 17, which
// wins when both are owned), then refreshes the travel screen's panels for the ship's system.
void AddCredits(std::int32_t amount, Ui& ui);

// Adds a quarter with "Rumors" (skill 19) or doubles with "Legendary" (skill 20, which wins when
// both are owned), refreshes the status bars and runs CheckPromotion once.
void AddExperience(std::int64_t amount, Ui& ui);

// What the shipyard pays for the player's ship: a third of the hull's price plus a quarter of each
// fitted item's price for the ship's class, each part truncated on its own.
std::int32_t ComputeShipTradeInValue();

// The notice after experience was earned, shown with the picture of the player's faction logo
// (FactionLogoPicture: "<logo>.jpg", just ".jpg" for no faction).
inline constexpr std::string_view kExperienceNotice =
    "You receive some experience points. The more you have the more likely you will be promoted.";
std::string FactionLogoPicture();
// Shows that notice as the fame popup.
void ShowExperienceNotice(Ui& ui);

// Adds `amount` to `value`, staying within the int32 limits.
void AddSaturated(std::int32_t& value, std::int64_t amount);

// ShowSystem of the travel screen: turns it to `system` and runs its refreshers; `placeBodies`
// lays the bodies out anew.
void ShowSystem(Ui& ui, bool placeBodies, std::int32_t system);

}  // namespace rules
