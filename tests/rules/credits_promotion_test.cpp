// Paying the player, granting experience, the ship's trade-in value and the level-ups that
// experience brings.
#include <gtest/gtest.h>

#include <climits>
#include <string>

#include "rules/credits.h"
#include "rules/promotion.h"
#include "rules/turns_ui.h"
#include "state/equipment.h"
#include "state/new_world.h"
#include "state/progression.h"
#include "state/random.h"
#include "state/ship_classes.h"
#include "state/start_ship.h"
#include "state/variables.h"

namespace {

using state::PlayerData;
using state::SkillOwned;

class Career : public ::testing::Test {
 protected:
  void SetUp() override { NewWorld(1, 1); }

  void NewWorld(int faction, int profession) {
    state::ClearGameState();
    PlayerData[3] = profession;
    PlayerData[4] = faction;
    state::BuildNewWorld(state::StartShipClass(profession, faction));
    state::Randomize(5);
    ui = turns::TurnsUi{};
  }

  turns::TurnsUi ui;
};

TEST_F(Career, RewardAndFameSkillsScaleCreditsAndExperience) {
  struct Case {
    int first, second;  // skills owned (0 = none)
    int credits;        // what 1000 credits become with Rewards (16) / Advanced rewards (17)
    int experience;     // what 1000 experience becomes with Rumors (19) / Legendary (20)
  };
  const Case cases[] = {
      {0, 0, 1000, 1000},
      {16, 19, 1100, 1250},
      {17, 20, 1250, 2000},
  };
  for (const Case& c : cases) {
    SetUp();
    if (c.first) SkillOwned[c.first] = 1;
    if (c.second) SkillOwned[c.second] = 1;
    PlayerData[2] = 0;
    PlayerData[7] = 0;
    rules::AddCredits(1000, ui);
    rules::AddExperience(1000, ui);
    EXPECT_EQ(PlayerData[2], c.credits) << c.first;
    EXPECT_EQ(PlayerData[7], c.experience) << c.second;
  }
  // Owning both skills of a pair counts as the advanced one only.
  SetUp();
  SkillOwned[16] = SkillOwned[17] = SkillOwned[19] = SkillOwned[20] = 1;
  PlayerData[2] = PlayerData[7] = 0;
  rules::AddCredits(1000, ui);
  rules::AddExperience(1000, ui);
  EXPECT_EQ(PlayerData[2], 1250);
  EXPECT_EQ(PlayerData[7], 2000);
  EXPECT_EQ(state::DisplayedSystem, state::PlayerShip[14]) << "the travel screen turns to the ship";
  EXPECT_GE(ui.redraws, 1);
  EXPECT_GE(ui.statusBarUpdates, 1);
}

TEST_F(Career, CreditsAndExperienceSaturateInsteadOfWrapping) {
  SkillOwned[17] = SkillOwned[20] = 1;
  PlayerData[2] = INT_MAX - 10;
  PlayerData[6] = state::kLastLevel;  // no promotion resets the experience
  PlayerData[7] = INT_MAX - 10;
  rules::AddCredits(INT_MAX, ui);
  rules::AddExperience(INT_MAX, ui);
  EXPECT_EQ(PlayerData[2], INT_MAX);
  EXPECT_EQ(PlayerData[7], INT_MAX);
  PlayerData[2] = INT_MIN + 5;
  rules::AddCredits(INT_MIN, ui);
  EXPECT_EQ(PlayerData[2], INT_MIN);
}

TEST_F(Career, TradeInValueIsAThirdOfTheHullAndAQuarterOfEachItem) {
  const int c = state::PlayerShip[2];
  const state::TShipRow& ship = state::PlayerShip;
  const int expected = state::GetShipClassStat(c, state::kAttrPrice) / 3 +
                       state::GetMissilePrice(c, ship[51]) / 4 + state::GetGunPrice(c, ship[60]) / 4 +
                       state::GetEcmPrice(c, ship[70]) / 4 + state::GetComputerPrice(c, ship[72]) / 4 +
                       state::GetEnginePrice(c, ship[74]) / 4 + state::GetCargoModulePrice(c, ship[76]) / 4;
  EXPECT_EQ(rules::ComputeShipTradeInValue(), expected);
  EXPECT_GT(expected, state::GetShipClassStat(c, state::kAttrPrice) / 3 - 1);
  // Each quarter is truncated on its own: a hull alone is a plain third.
  for (int field : {51, 60, 70, 72, 74, 76}) state::PlayerShip[field] = -1;  // no such item: worth 0
  EXPECT_EQ(rules::ComputeShipTradeInValue(), state::GetShipClassStat(c, state::kAttrPrice) / 3);
}

TEST_F(Career, PromotionNeedsTheFullThresholdAndDropsTheExcess) {
  const int threshold = state::GetLevelExperience(1);
  PlayerData[7] = threshold - 1;
  rules::CheckPromotion(ui);
  EXPECT_EQ(PlayerData[6], 1);
  EXPECT_TRUE(ui.popups.empty());

  PlayerData[7] = threshold * 5;
  const int lives = PlayerData[32];
  const int ribbons = PlayerData[10];
  rules::CheckPromotion(ui);
  EXPECT_EQ(PlayerData[6], 2) << "one level per call, however much experience";
  EXPECT_EQ(PlayerData[7], 0);
  EXPECT_EQ(PlayerData[32], lives + 1);
  EXPECT_EQ(PlayerData[10], ribbons + 1);
  ASSERT_GE(ui.popups.size(), 2u);
  EXPECT_EQ(ui.popups[0].topic, "Congratulations!");
  EXPECT_EQ(ui.popups[0].text, "You have been promoted!");
  EXPECT_EQ(ui.popups[1].topic, "New non-combat skill");
  ASSERT_EQ(ui.promotions.size(), 1u);
  EXPECT_EQ(ui.promotions[0].first, rules::PromotionAward::Ribbon);
  ASSERT_EQ(ui.abilityChoices.size(), 1u);
  EXPECT_EQ(ui.abilityChoices[0], rules::AbilityChoice::Skill);
  rules::CheckPromotion(ui);
  EXPECT_EQ(PlayerData[6], 2) << "the excess was dropped";
}

TEST_F(Career, EachLevelBringsItsAward) {
  // Walk from level 1 to 19; at each step check what the new level gave.
  int rank = PlayerData[14];
  int ribbons = PlayerData[10];
  for (int level = 2; level <= state::kLastLevel; ++level) {
    ui = turns::TurnsUi{};
    PlayerData[7] = state::GetLevelExperience(PlayerData[6]);
    rules::CheckPromotion(ui);
    ASSERT_EQ(PlayerData[6], level);
    const bool rankLevel = level == 4 || level == 7 || level == 10 || level == 13 || level == 15 || level == 18;
    if (rankLevel) ++rank;
    if (!rankLevel && level != state::kLastLevel) ++ribbons;
    EXPECT_EQ(PlayerData[14], rank) << level;
    EXPECT_EQ(PlayerData[10], ribbons) << level;
    if (level == 18) {
      EXPECT_EQ(ui.CountTopic("Skill upgrade!"), 1u);
      EXPECT_TRUE(ui.abilityChoices.empty()) << "the Admiral gets no choice";
    } else if (level == state::kLastLevel) {
      EXPECT_TRUE(ui.promotions.empty()) << "no promotion screen at the top";
      EXPECT_EQ(PlayerData[15], 1);
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
  EXPECT_EQ(PlayerData[14], 7);
  // Level 19 is final.
  ui = turns::TurnsUi{};
  PlayerData[7] = INT_MAX;
  rules::CheckPromotion(ui);
  EXPECT_EQ(PlayerData[6], state::kLastLevel);
  EXPECT_EQ(PlayerData[7], INT_MAX);
  EXPECT_TRUE(ui.popups.empty());
}

TEST_F(Career, ThePromisedPlanetDependsOnWhoHoldsIt) {
  for (const bool held : {true, false}) {
    SetUp();
    const rules::PromisedPlanet planet = rules::PromisedPlanetOf(1);
    ASSERT_EQ(planet.system, 8);
    state::BodyData[planet.system][planet.body][2] = held ? 1 : 4;
    PlayerData[6] = 18;
    PlayerData[7] = state::GetLevelExperience(18);
    rules::CheckPromotion(ui);
    const auto shown = ui.WithTopic("Your own planet!");
    ASSERT_EQ(shown.size(), 1u);
    const std::string& name = state::BodyText[planet.system][planet.body][1];
    const std::string where = name + " in the " + state::SystemText[planet.system][1] + " system.";
    if (held) {
      EXPECT_EQ(shown[0].text, "Congratulations! For your good services the government has granted "
                               "you the ownership of the planet " + where +
                                   " This is the highest reward you ever dreamed of achieving.");
    } else {
      EXPECT_EQ(shown[0].text.rfind("Your government has promised you to grant you the planet " + where, 0), 0u);
    }
    EXPECT_EQ(shown[0].picture,
              rules::GetBodyPictureName(state::BodyData[planet.system][planet.body][13]) + "r.jpg");
  }
}

TEST_F(Career, APromotionRefreshesHoldHideoutsMarketsAndBoards) {
  // A new skill learned on the ability screen takes effect at once.
  struct LearningUi : turns::TurnsUi {
    void ChooseNewAbility(rules::AbilityChoice choice) override {
      turns::TurnsUi::ChooseNewAbility(choice);
      SkillOwned[27] = 1;  // "Syndicate": every hideout is known
      SkillOwned[3] = 1;   // "Cargo manager": a bigger hold
    }
  } learning;
  int hidden = 0;
  for (int s = 1; s <= state::kLastSystem; ++s) {
    for (int b = 1; b <= state::kLastBody; ++b) {
      if (state::BodyData[s][b][3] == state::kKindPirateHideout && state::BodyData[s][b][1] == 0) ++hidden;
    }
  }
  ASSERT_EQ(hidden, 24) << "a Trader starts without the hideouts";
  const int hold = state::PlayerShip[20];
  PlayerData[7] = state::GetLevelExperience(1);
  rules::CheckPromotion(learning);
  for (int s = 1; s <= state::kLastSystem; ++s) {
    for (int b = 1; b <= state::kLastBody; ++b) {
      if (state::BodyData[s][b][3] != state::kKindPirateHideout) continue;
      EXPECT_EQ(state::BodyData[s][b][1], 1);
      EXPECT_EQ(state::BodyData[s][b][4], 1);
    }
  }
  EXPECT_GT(state::PlayerShip[20], hold);
  EXPECT_GE(learning.tradePopupUpdates, 1);
  int offers = 0;
  for (int s = 1; s <= state::kLastSystem; ++s) offers += state::MissionOffers[s][6][1];
  EXPECT_GT(offers, 0) << "the boards were filled";
  EXPECT_GT(state::MarketPrice[2][2][1], 0) << "the markets were updated";
}

}  // namespace
