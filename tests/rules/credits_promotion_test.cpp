// Paying the player, granting experience, the ship's trade-in value and the level-ups that
// experience brings.
#include <gtest/gtest.h>

#include <climits>
#include <string>
#include <vector>

#include "rules/credits.h"
#include "rules/promotion.h"
#include "state/equipment.h"
#include "state/fields.h"
#include "state/new_world.h"
#include "state/progression.h"
#include "state/random.h"
#include "state/ship_classes.h"
#include "state/skills.h"
#include "state/start_ship.h"
#include "state/variables.h"
#include "support/script_ui.h"

namespace {

using state::PlayerData;
using state::SkillOwned;

class Career : public ::testing::Test {
 protected:
  void SetUp() override { NewWorld(kFactionFederation, kProfessionTrader); }

  void NewWorld(Faction faction, Profession profession) {
    state::ClearGameState();
    PlayerData[player::kProfession] = state::Stored(profession);
    PlayerData[player::kFaction] = state::Stored(faction);
    state::BuildNewWorld(state::StartShipClass(profession, faction));
    state::Randomize(5);
    ui = support::ScriptUi{};
  }

  support::ScriptUi ui;
};

TEST_F(Career, RewardAndFameSkillsScaleCreditsAndExperience) {
  struct Case {
    std::vector<Skill> owned;
    int credits;     // what 1000 credits become with Rewards / Advanced rewards
    int experience;  // what 1000 experience becomes with Rumors / Legendary
  };
  const Case cases[] = {
      {{}, 1000, 1000},
      {{kSkillRewards, kSkillRumors}, 1100, 1250},
      {{kSkillAdvancedRewards, kSkillLegendary}, 1250, 2000},
  };
  for (const Case& c : cases) {
    SetUp();
    for (const Skill skill : c.owned) SkillOwned[state::Stored(skill)] = 1;
    PlayerData[player::kCredits] = 0;
    PlayerData[player::kExperience] = 0;
    rules::AddCredits(1000);
    EXPECT_EQ(ui.redraws, 0) << "credits alone leave the screens as they are";
    rules::AddExperience(1000, ui);
    EXPECT_EQ(PlayerData[player::kCredits], c.credits) << c.owned.size();
    EXPECT_EQ(PlayerData[player::kExperience], c.experience) << c.owned.size();
  }
  // Owning both skills of a pair counts as the advanced one only.
  SetUp();
  SkillOwned[state::Stored(kSkillRewards)] = SkillOwned[state::Stored(kSkillAdvancedRewards)] = 1;
  SkillOwned[state::Stored(kSkillRumors)] = SkillOwned[state::Stored(kSkillLegendary)] = 1;
  PlayerData[player::kCredits] = PlayerData[player::kExperience] = 0;
  state::DisplayedSystem = 0;
  rules::PayReward(1000, ui);
  EXPECT_EQ(PlayerData[player::kCredits], 1250);
  EXPECT_EQ(state::DisplayedSystem, state::PlayerShip[ship::kSystem])
      << "a reward turns the travel screen to the ship";
  EXPECT_EQ(ui.redraws, 1);
  rules::AddExperience(1000, ui);
  EXPECT_EQ(PlayerData[player::kExperience], 2000);
  EXPECT_GE(ui.statusBarUpdates, 1);
}

TEST_F(Career, CreditsAndExperienceSaturateInsteadOfWrapping) {
  SkillOwned[state::Stored(kSkillAdvancedRewards)] = SkillOwned[state::Stored(kSkillLegendary)] = 1;
  PlayerData[player::kCredits] = INT_MAX - 10;
  PlayerData[player::kLevel] = state::kLastLevel;  // no promotion resets the experience
  PlayerData[player::kExperience] = INT_MAX - 10;
  rules::AddCredits(INT_MAX);
  rules::AddExperience(INT_MAX, ui);
  EXPECT_EQ(PlayerData[player::kCredits], INT_MAX);
  EXPECT_EQ(PlayerData[player::kExperience], INT_MAX);
  PlayerData[player::kCredits] = INT_MIN + 5;
  rules::AddCredits(INT_MIN);
  EXPECT_EQ(PlayerData[player::kCredits], INT_MIN);
}

TEST_F(Career, PromotionNeedsTheFullThresholdAndDropsTheExcess) {
  const int threshold = state::GetLevelExperience(1);
  PlayerData[player::kExperience] = threshold - 1;
  rules::CheckPromotion(ui);
  EXPECT_EQ(PlayerData[player::kLevel], 1);
  EXPECT_TRUE(ui.popups.empty());

  PlayerData[player::kExperience] = threshold * 5;
  const int lives = PlayerData[player::kLifePoints];
  const int ribbons = PlayerData[player::kCampaignRibbons];
  rules::CheckPromotion(ui);
  EXPECT_EQ(PlayerData[player::kLevel], 2) << "one level per call, however much experience";
  EXPECT_EQ(PlayerData[player::kExperience], 0);
  EXPECT_EQ(PlayerData[player::kLifePoints], lives + 1);
  EXPECT_EQ(PlayerData[player::kCampaignRibbons], ribbons + 1);
  ASSERT_GE(ui.popups.size(), 2u);
  EXPECT_EQ(ui.popups[0].topic, "Congratulations!");
  EXPECT_EQ(ui.popups[0].text, "You have been promoted!");
  EXPECT_EQ(ui.popups[1].topic, "New non-combat skill");
  ASSERT_EQ(ui.promotions.size(), 1u);
  EXPECT_EQ(ui.promotions[0].first, rules::PromotionAward::Ribbon);
  ASSERT_EQ(ui.abilityChoices.size(), 1u);
  EXPECT_EQ(ui.abilityChoices[0], rules::AbilityChoice::Skill);
  rules::CheckPromotion(ui);
  EXPECT_EQ(PlayerData[player::kLevel], 2) << "the excess was dropped";
}

TEST_F(Career, EachLevelBringsItsAward) {
  // Walk from level 1 to 19; at each step check what the new level gave.
  int rank = PlayerData[player::kRank];
  int ribbons = PlayerData[player::kCampaignRibbons];
  for (int level = 2; level <= state::kLastLevel; ++level) {
    ui = support::ScriptUi{};
    PlayerData[player::kExperience] = state::GetLevelExperience(PlayerData[player::kLevel]);
    rules::CheckPromotion(ui);
    ASSERT_EQ(PlayerData[player::kLevel], level);
    const bool rankLevel = level == 4 || level == 7 || level == 10 || level == 13 || level == 15 || level == 18;
    if (rankLevel) ++rank;
    if (!rankLevel && level != state::kLastLevel) ++ribbons;
    EXPECT_EQ(PlayerData[player::kRank], rank) << level;
    EXPECT_EQ(PlayerData[player::kCampaignRibbons], ribbons) << level;
    if (level == 18) {
      EXPECT_EQ(ui.CountTopic("Skill upgrade!"), 1u);
      EXPECT_TRUE(ui.abilityChoices.empty()) << "the Admiral gets no choice";
    } else if (level == state::kLastLevel) {
      EXPECT_TRUE(ui.promotions.empty()) << "no promotion screen at the top";
      EXPECT_EQ(PlayerData[player::kOwnPlanetPromised], 1);
      EXPECT_EQ(ui.CountTopic("Your own planet!"), 1u);
      ASSERT_EQ(ui.WithTopic("New non-combat skill").size(), 1u);
      EXPECT_EQ(ui.WithTopic("New non-combat skill")[0].text,
                "A final last time you may choose one new non-combat ability.");
    } else {
      ASSERT_EQ(ui.promotions.size(), 1u) << level;
      EXPECT_EQ(ui.promotions[0].first,
                rankLevel ? rules::PromotionAward::Rank : rules::PromotionAward::Ribbon);
      ASSERT_EQ(ui.abilityChoices.size(), 1u) << level;
      EXPECT_EQ(ui.abilityChoices[0],
                rankLevel ? rules::AbilityChoice::Combat : rules::AbilityChoice::Skill);
    }
  }
  EXPECT_EQ(PlayerData[player::kRank], 7);
  // Level 19 is final.
  ui = support::ScriptUi{};
  PlayerData[player::kExperience] = INT_MAX;
  rules::CheckPromotion(ui);
  EXPECT_EQ(PlayerData[player::kLevel], state::kLastLevel);
  EXPECT_EQ(PlayerData[player::kExperience], INT_MAX);
  EXPECT_TRUE(ui.popups.empty());
}

TEST_F(Career, ThePromisedPlanetDependsOnWhoHoldsIt) {
  for (const bool held : {true, false}) {
    SetUp();
    const rules::PromisedPlanet planet = rules::PromisedPlanetOf(kFactionFederation);
    ASSERT_EQ(planet.system, 8);
    state::BodyData[planet.system][planet.body][body::kOwner] = held ? 1 : 4;
    PlayerData[player::kLevel] = 18;
    PlayerData[player::kExperience] = state::GetLevelExperience(18);
    rules::CheckPromotion(ui);
    const auto shown = ui.WithTopic("Your own planet!");
    ASSERT_EQ(shown.size(), 1u);
    const std::string& name = state::BodyText[planet.system][planet.body][body_text::kName];
    const std::string where =
        name + " in the " + state::SystemText[planet.system][system_text::kName] + " system.";
    if (held) {
      EXPECT_EQ(shown[0].text, "Congratulations! For your good services the government has granted "
                               "you the ownership of the planet " + where +
                                   " This is the highest reward you ever dreamed of achieving.");
    } else {
      EXPECT_EQ(shown[0].text.rfind("Your government has promised you to grant you the planet " + where, 0), 0u);
    }
    EXPECT_EQ(shown[0].picture, rules::GetBodyPictureName(
                                    state::BodyData[planet.system][planet.body][body::kPicture]) +
                                    "r.jpg");
  }
}

// A promotion empties the experience: the bars drawn last show it empty, not the full bar drawn
// when the experience was granted.
TEST_F(Career, TheStatusBarsShowTheExperienceLeftAfterAPromotion) {
  struct BarsUi : support::ScriptUi {
    std::vector<std::int32_t> shown;  // the experience at each redraw of the bars
    void UpdateStatusBars() override {
      support::ScriptUi::UpdateStatusBars();
      shown.push_back(PlayerData[player::kExperience]);
    }
  };
  for (const bool throughTheRule : {true, false}) {
    SCOPED_TRACE(throughTheRule ? "granted experience" : "experience already at the threshold");
    NewWorld(kFactionFederation, kProfessionTrader);
    BarsUi bars;
    if (throughTheRule) {
      rules::AddExperience(state::GetLevelExperience(1), bars);
    } else {
      PlayerData[player::kExperience] = state::GetLevelExperience(1);
      rules::CheckPromotion(bars);
    }
    ASSERT_EQ(PlayerData[player::kLevel], 2);
    ASSERT_FALSE(bars.shown.empty());
    EXPECT_EQ(bars.shown.back(), 0);
  }
}

TEST_F(Career, APromotionRefreshesHoldHideoutsMarketsAndBoards) {
  // A new skill learned on the ability screen takes effect at once.
  struct LearningUi : support::ScriptUi {
    void ChooseNewAbility(rules::AbilityChoice choice) override {
      support::ScriptUi::ChooseNewAbility(choice);
      SkillOwned[state::Stored(kSkillSyndicate)] = 1;  // "Syndicate": every hideout is known
      SkillOwned[state::Stored(kSkillCargoManager)] = 1;  // "Cargo manager": a bigger hold
    }
  } learning;
  int hidden = 0;
  for (int s = 1; s <= state::kLastSystem; ++s) {
    for (int b = 1; b <= state::kLastBody; ++b) {
      if (state::BodyData[s][b][body::kKind] == state::kKindPirateHideout &&
          state::BodyData[s][b][body::kVisible] == 0)
        ++hidden;
    }
  }
  ASSERT_EQ(hidden, 24) << "a Trader starts without the hideouts";
  const int hold = state::PlayerShip[ship::kCargoSpace];
  PlayerData[player::kExperience] = state::GetLevelExperience(1);
  rules::CheckPromotion(learning);
  for (int s = 1; s <= state::kLastSystem; ++s) {
    for (int b = 1; b <= state::kLastBody; ++b) {
      if (state::BodyData[s][b][body::kKind] != state::kKindPirateHideout) continue;
      EXPECT_EQ(state::BodyData[s][b][body::kVisible], 1);
      EXPECT_EQ(state::BodyData[s][b][body::kHideoutRevealed], 1);
    }
  }
  EXPECT_GT(state::PlayerShip[ship::kCargoSpace], hold);
  EXPECT_GE(learning.tradePopupUpdates, 1);
  int offers = 0;
  for (int s = 1; s <= state::kLastSystem; ++s)
    offers += state::MissionOffers[s][6][mission::kActive];
  EXPECT_GT(offers, 0) << "the boards were filled";
  EXPECT_GT(state::MarketPrice[2][2][1], 0) << "the markets were updated";
}

}  // namespace
