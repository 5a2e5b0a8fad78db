#include "rules/bar.h"

#include <algorithm>
#include <cstdlib>
#include <cstdint>
#include <limits>
#include <string>

#include "rules/credits.h"
#include "rules/daily_turn.h"
#include "rules/displayed_system.h"
#include "state/fields.h"
#include "state/format.h"
#include "state/variables.h"

namespace rules {
namespace {

using state::PlayerData;

constexpr std::string_view kBarmanPicture = "Barman.jpg";

// The ship's system turned to on the travel screen, its bodies laid out anew.
void RedrawShipSystem(Ui& ui) { ShowSystem(ui, true, state::PlayerShip[ship::kSystem]); }

}  // namespace

std::int32_t BribePrice() {
  constexpr std::int64_t kMost = std::numeric_limits<std::int32_t>::max();
  const std::int64_t k = std::abs(static_cast<std::int64_t>(PlayerData[player::kBarBribes]));
  // Past 655 bribes the square alone would outgrow any purse.
  if (k > 655) return static_cast<std::int32_t>(kMost);
  return static_cast<std::int32_t>(std::min(5000 * k * k, kMost));
}

std::vector<std::int32_t> HiddenHideouts(std::int32_t system) {
  std::vector<std::int32_t> hidden;
  if (system < 1 || system > state::kLastSystem) return hidden;
  for (std::int32_t b = 1; b <= state::kLastBody; ++b) {
    const state::TBodyRow& body = state::BodyData[system][b];
    if (body[body::kVisible] == 0 && body[body::kKind] == state::kKindPirateHideout &&
        body[body::kHideoutRevealed] == 0)
      hidden.push_back(b);
  }
  return hidden;
}

void OrderDrink(Ui& ui) {
  const std::int32_t price = BribePrice();
  const std::int32_t system = state::PlayerShip[ship::kSystem];
  const std::vector<std::int32_t> hidden = HiddenHideouts(system);
  // The drink takes the day before the barkeeper speaks, whatever the answer.
  AdvanceDay(ui);
  RedrawShipSystem(ui);
  if (hidden.empty()) {
    ui.Message(Popup::Picture, "Smalltalk",
               "You spend a whole day in the local spaceport bar enjoying your life.", kBarmanPicture);
    return;
  }
  const std::string offer =
      "You order some drinks at the bar. After some time the barkeeper comes over to you. He "
      "whispers to you that for " + state::FormatThousands(price) +
      " $ he might have some valuable information for you. Would you like to pay?";
  if (!ui.Choose("Bribe?", offer, kBarmanPicture, "Yes", "No")) return;
  if (PlayerData[player::kCredits] < price) {
    ui.Message(Popup::Text, "Sorry", "You do not have enough money!");
    return;
  }
  PlayerData[player::kCredits] -= price;
  AddSaturated(PlayerData[player::kBarBribes], 1);
  for (const std::int32_t b : hidden) {
    state::BodyData[system][b][body::kVisible] = 1;
    state::BodyData[system][b][body::kHideoutRevealed] = 1;
  }
  RedrawShipSystem(ui);
  ui.Message(Popup::Text, "Pirate hideout",
             "You get to know the location of a hidden pirate hideout in this sector...");
}

void HideUntilFlagWearsOff(Ui& ui) {
  const std::int32_t days = PlayerData[player::kCriminalDays];
  if (days <= 0) {
    ui.Message(Popup::Text, "N/A",
               "You are not criminal flagged at this time. If you have been caught comitting a "
               "crime you can use this option to wait until your criminal flag has been lifted.");
    return;
  }
  if (!ui.Ask("Hide", "Do you really wish to hide " + std::to_string(days) +
                          " days until the criminal flag wears off?"))
    return;
  for (std::int32_t d = 0; d < days; ++d) AdvanceDay(ui);
  PlayerData[player::kCriminalDays] = 0;
  RedrawShipSystem(ui);
}

void LeaveHideout(Ui& ui) {
  AdvanceDay(ui);
  RedrawShipSystem(ui);
}

}  // namespace rules
