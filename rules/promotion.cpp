#include "rules/promotion.h"

#include <array>
#include <cstdint>
#include <string_view>

#include "audio/sound.h"
#include "rules/markets.h"
#include "rules/missions.h"
#include "state/equipment.h"
#include "state/factions.h"
#include "state/fields.h"
#include "state/progression.h"
#include "state/ship_class_of.h"
#include "state/skills.h"
#include "state/variables.h"

namespace rules {
namespace {

enum class LevelReward { None, Ribbon, Rank, OwnPlanet };

LevelReward RewardOf(std::int32_t level) {
  switch (level) {
    case 2: case 3: case 5: case 6: case 8: case 9: case 11: case 12: case 14: case 16: case 17:
      return LevelReward::Ribbon;
    case 4: case 7: case 10: case 13: case 15: case 18:
      return LevelReward::Rank;
    case state::kLastLevel:
      return LevelReward::OwnPlanet;
    default:
      return LevelReward::None;
  }
}

// clang-format off
// Picture numbers 1..48 of the bodies.
constexpr std::array<std::string_view, 49> kBodyPictures{
  "Sun",
  "Sun",      "Earth",    "Moon",     "Mars",     "Jupiter",  "Saturn",   "wormhole", "earth4",
  "earth3",   "earth2",   "jungle1",  "desert1",  "dark5",    "red3",     "dark3",    "dark1",
  "red6",     "dark6",    "earth5",   "earth6",   "earth7",   "red7",     "dark7",    "asteroids",
  "PirateBase", "earth15", "red4",    "toxic2",   "desert6",  "desert7",  "desert3",  "jungle2",
  "red5",     "desert3",  "earth8",   "dark6",    "toxic1",   "desert5",  "ice1",     "desert8",
  "earth11",  "earth13",  "earth12",  "ocean1",   "red1",     "earth1",   "jungle7",  "red2",
};

// By faction 1..4: Finis IV, New Scotland V, New Germany III, Tortuga II.
constexpr std::array<PromisedPlanet, 5> kPromisedPlanets{{
  {0, 0}, {8, 4}, {14, 5}, {6, 3}, {20, 2},
}};
// clang-format on

constexpr std::string_view kAdmiralText =
    "You did it! Finally you´ve reached the rank of Admiral! Looking back at how you started you "
    "feel your skills have significantly improved over time. Your standard \"fire gun\", \"fire "
    "missile\" and \"fire ECM\" abilities have been upgraded.";

void GrantOwnPlanet(Ui& ui) {
  audio::PlayRankPromotionMusic();
  state::PlayerData[player::kOwnPlanetPromised] = 1;
  const PromisedPlanet planet = PromisedPlanetOf(Faction{state::PlayerData[player::kFaction]});
  if (planet.system == 0) return;
  const state::TBodyRow& body = state::BodyData[planet.system][planet.body];
  const std::string& bodyName = state::BodyText[planet.system][planet.body][body_text::kName];
  const std::string& systemName = state::SystemText[planet.system][system_text::kName];
  std::string text;
  if (body[body::kOwner] == state::PlayerData[player::kFaction]) {
    text = "Congratulations! For your good services the government has granted you the ownership "
           "of the planet " + bodyName + " in the " + systemName +
           " system. This is the highest reward you ever dreamed of achieving.";
  } else {
    text = "Your government has promised you to grant you the planet " + bodyName + " in the " +
           systemName +
           " system. Right now your country is not in control of this planet. If the opportunity "
           "should arise, conquer it and at the time you retire its yours alone!";
  }
  ui.Message(Popup::Picture, "Your own planet!", text,
             GetBodyPictureName(body[body::kPicture]) + "r.jpg");
}

void OfferNewAbility(std::int32_t level, LevelReward reward, Ui& ui) {
  if (level == 18) {
    ui.Message(Popup::Picture, "Skill upgrade!", kAdmiralText, state::GetHeroPortraitFile());
    return;
  }
  if (reward == LevelReward::Rank) {
    ui.Message(Popup::Text, "New combat skill",
               "For every NEW RANK you receive you may choose one new combat ability.");
    ui.ChooseNewAbility(AbilityChoice::Combat);
    return;
  }
  ui.Message(Popup::Text, "New non-combat skill",
             level == state::kLastLevel
                 ? "A final last time you may choose one new non-combat ability."
                 : "For every CAMPAIGN RIBBON you receive you may choose one new non-combat ability.");
  ui.ChooseNewAbility(AbilityChoice::Skill);
}

// A new skill may change the hold, the hideouts the player knows and what the markets and boards
// offer. The status bars show the experience the level-up emptied, not the full bar drawn before.
void RefreshAfterPromotion(Ui& ui) {
  state::PlayerShip[ship::kCargoSpace] =
      state::GetShipCargoCapacity(state::ShipClassOf(state::PlayerShip),
                                  CargoModuleId{state::PlayerShip[ship::kCargoModule]},
      state::Side::Player);
  ui.UpdateStatusBars();
  ui.UpdateTradePopup();
  if (state::OwnsSkill(kSkillSyndicate)) {
    for (int s = 1; s <= state::kLastSystem; ++s) {
      for (int b = 1; b <= state::kLastBody; ++b) {
        state::TBodyRow& body = state::BodyData[s][b];
        if (body[body::kKind] != state::kKindPirateHideout) continue;
        body[body::kVisible] = 1;
        body[body::kHideoutRevealed] = 1;
      }
    }
  }
  UpdateMarketPrices();
  UpdateMarketStocks();
  GenerateMissionOffers(ui);
}

}  // namespace

PromisedPlanet PromisedPlanetOf(Faction faction) {
  if (!state::IsPower(faction)) return {0, 0};
  return kPromisedPlanets[state::Stored(faction)];
}

std::string GetBodyPictureName(std::int32_t picture) {
  if (picture < 1 || picture >= static_cast<std::int32_t>(kBodyPictures.size())) return "Sun";
  return std::string(kBodyPictures[picture]);
}

void CheckPromotion(Ui& ui) {
  state::TPlayerRow& player = state::PlayerData;
  const std::int32_t level = player[player::kLevel];
  if (player[player::kExperience] < state::GetLevelExperience(level) || level >= state::kLastLevel)
    return;

  const std::int32_t newLevel = level + 1;
  player[player::kLevel] = newLevel;
  player[player::kExperience] = 0;
  if (player[player::kLifePoints] < INT32_MAX) player[player::kLifePoints] += 1;
  ui.Message(Popup::Text, "Congratulations!", "You have been promoted!");

  const LevelReward reward = RewardOf(newLevel);
  switch (reward) {
    case LevelReward::Ribbon:
      audio::PlayAwardMusic();
      player[player::kCampaignRibbons] += 1;
      ui.ShowPromotion(PromotionAward::Ribbon, newLevel);
      break;
    case LevelReward::Rank:
      audio::PlayRankPromotionMusic();
      player[player::kRank] += 1;
      ui.ShowPromotion(PromotionAward::Rank, newLevel);
      break;
    case LevelReward::OwnPlanet:
      GrantOwnPlanet(ui);
      break;
    case LevelReward::None:
      // Only a level 0 player reaches level 1 (no new game starts there); it brings no award, so
      // no promotion screen is shown.
      break;
  }
  OfferNewAbility(newLevel, reward, ui);
  RefreshAfterPromotion(ui);
}

}  // namespace rules
