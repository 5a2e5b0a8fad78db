#include "rules/retirement.h"

#include <gtest/gtest.h>

#include <climits>
#include <string>

#include "state/fields.h"
#include "state/ship_classes.h"
#include "state/variables.h"
#include "support/rows.h"

namespace {

using state::PlayerData;

using state::kClassStarwolf;  // hull price 20000: counts as 6666

class Retirement : public ::testing::Test {
 protected:
  void SetUp() override {
    state::ClearGameState();
    state::NoAgingFlag = 0;
    state::GameDay = 1;  // age 22
    PlayerData = test_rows::PlayerRow()
                     .Faction(kFactionFederation)
                     .Set(player::kPortrait, 0)
                     .Rank(kRankCaptain)  // no bonus
                     .Set(player::kCampaignRibbons, 0);
    state::PlayerShip[ship::kClass] = state::Stored(kClassStarwolf);
    // The Federation's promised planet: Sargoth in the Finis system.
    state::SystemText[8][system_text::kName] = "Finis";
    state::BodyText[8][4][body_text::kName] = "Sargoth";
    state::BodyData[8][4][body::kPicture] = 2;
    state::SystemData[8][star_system::kOwner] = 1;
  }

  // Credits that make the first step's score exactly `score`.
  static void ScoreAfterFortune(std::int32_t score) {
    PlayerData[player::kCredits] = score * 10 - 6666;
  }

  static void AgeOf(int years) { state::GameDay = (years - 22) * 360; }
};

TEST_F(Retirement, AWholeCareerIsScoredStepByStep) {
  PlayerData[player::kCredits] = 1'493'334;  // fortune 1,500,000
  AgeOf(40);
  PlayerData[player::kRank] = 7;
  PlayerData[player::kCampaignRibbons] = 12;
  PlayerData[player::kSilverStar] = 1;
  PlayerData[player::kGoldStar] = 1;
  PlayerData[player::kOwnPlanetPromised] = 1;
  PlayerData[player::kCivilWarWon] = 1;

  const rules::RetirementResult r = rules::ScoreRetirement();

  const rules::RetirementStep& fortune = r.steps[0];
  EXPECT_EQ(fortune.topic, "Retirement (1/5)");
  EXPECT_EQ(fortune.caption, "Step 1: Fortune");
  EXPECT_EQ(fortune.picture, "treasurer.jpg");
  EXPECT_EQ(fortune.text,
            "At the time of your retirement you are left with a fortune of $1,500,000. This "
            "includes your credits ($1,493,334) and your own ship ($6,666).");
  EXPECT_EQ(fortune.scoreLine, " Score: $1,500,000 / 10 = 150,000");
  EXPECT_EQ(fortune.score, 150000);

  const rules::RetirementStep& age = r.steps[1];
  EXPECT_EQ(age.topic, "Retirement (2/5)");
  EXPECT_EQ(age.caption, "Step 2: Age");
  EXPECT_EQ(age.picture, "hero1_35y.jpg");
  EXPECT_EQ(age.text, "You retire at the age of 40. You have some good years still coming.");
  EXPECT_EQ(age.scoreLine, " Score: 150,000 + 35% = 202,500");

  const rules::RetirementStep& promotion = r.steps[2];
  EXPECT_EQ(promotion.topic, "Retirement (3/5)");
  EXPECT_EQ(promotion.caption, "Step 3: Promotion");
  EXPECT_EQ(promotion.picture, "");
  EXPECT_EQ(promotion.text,
            "You reached the rank of Admiral and were awarded: 12 campaign ribbon(s), the Silver "
            "Star, the Gold Star.");
  // 10 + 12 + 5 + 8 = 35 percent of 2025 hundredths.
  EXPECT_EQ(promotion.scoreLine, "Score + 35% = 273,375");

  const rules::RetirementStep& planet = r.steps[3];
  EXPECT_EQ(planet.topic, "Retirement (4/5)");
  EXPECT_EQ(planet.caption, "Step 4: Your own planet");
  EXPECT_EQ(planet.picture, "Earthr.jpg");
  EXPECT_EQ(planet.text,
            "For your good services the government had granted you the ownership of the planet "
            "Sargoth in the Finis system.");
  EXPECT_EQ(planet.scoreLine, "Score + 12% = 306,171");

  const rules::RetirementStep& war = r.steps[4];
  EXPECT_EQ(war.topic, "Retirement (5/5)");
  EXPECT_EQ(war.caption, "Step 5: Civil War");
  EXPECT_EQ(war.picture, "Victory.jpg");
  EXPECT_EQ(war.text,
            "Congratulations! You won the civil war for your nation! You will always be known as "
            "a legendary hero.");
  EXPECT_EQ(war.scoreLine, "Score + 25% = 382,696");

  EXPECT_EQ(r.score, 382696);
  EXPECT_EQ(r.career.number, 5);
  EXPECT_EQ(r.career.title, "Professor at Fleet Academy");
  EXPECT_EQ(r.career.text,
            "Soon after your retirement the Fleed Academy asks you to become a professor, which "
            "you gladly accept.");
}

TEST_F(Retirement, TheShipCountsAtAThirdOfItsHull) {
  PlayerData[player::kCredits] = 3334;
  const rules::RetirementStep fortune = rules::ScoreRetirement().steps[0];
  EXPECT_EQ(fortune.score, 1000);
  EXPECT_EQ(fortune.scoreLine, " Score: $10,000 / 10 = 1,000");
}

TEST_F(Retirement, AgeGivesOrTakesItsShare) {
  struct Case {
    int age;
    const char* sentence;
    const char* line;
  };
  const Case cases[] = {
      {22, ". You still have the best years of your life to come.", " Score: 100,000 + 50% = 150,000"},
      {30, ". You still have the best years of your life to come.", " Score: 100,000 + 50% = 150,000"},
      {31, ". You have some good years still coming.", " Score: 100,000 + 35% = 135,000"},
      {50, ". You have some good years still coming.", " Score: 100,000 + 35% = 135,000"},
      {51, ". This is a quiet normal age to retire.", " Score: 100,000 + 20% = 120,000"},
      {65, ". This is a quiet normal age to retire.", " Score: 100,000 + 20% = 120,000"},
      {66, ". Enough years left in your life to enjoy the pleasures of retirement.",
       " Score: 100,000 + 10% = 110,000"},
      {79, ". Enough years left in your life to enjoy the pleasures of retirement.",
       " Score: 100,000 + 10% = 110,000"},
      {80, ". Not much time left for you to enjoy your retirement.", " Score: 100,000 - 0% = 100,000"},
      {100, ". Not much time left for you to enjoy your retirement.", " Score: 100,000 - 0% = 100,000"},
      {101, ". You will be dying shortly. Adventuring was your life.", " Score: 100,000 - 25% = 75,000"},
      {500, ". You will be dying shortly. Adventuring was your life.", " Score: 100,000 - 25% = 75,000"},
      // Beyond any age the table names, the oldest band still holds.
      {900, ". You will be dying shortly. Adventuring was your life.", " Score: 100,000 - 25% = 75,000"},
  };
  for (const Case& c : cases) {
    SetUp();
    ScoreAfterFortune(100000);
    AgeOf(c.age);
    const rules::RetirementStep age = rules::ScoreRetirement().steps[1];
    EXPECT_EQ(age.text, "You retire at the age of " + std::to_string(c.age) + c.sentence) << c.age;
    EXPECT_EQ(age.scoreLine, c.line) << c.age;
  }
}

TEST_F(Retirement, RankRibbonsAndMedalsMakeThePromotionShare) {
  struct Case {
    int faction, rank, ribbons, silver, gold, highest;
    const char* awards;  // the text after "awarded: "
    const char* line;    // from a score of 100,000
  };
  const Case cases[] = {
      {1, 1, 0, 0, 0, 0, "0 campaign ribbon(s).", "Score -25% = 75,000"},
      {1, 2, 0, 0, 0, 0, "0 campaign ribbon(s).", "Score -24% = 76,000"},
      {1, 5, 3, 0, 0, 0, "3 campaign ribbon(s).", "Score -5% = 95,000"},
      {1, 6, 0, 0, 0, 0, "0 campaign ribbon(s).", "Score 0% = 100,000"},
      {1, 6, 1, 0, 0, 0, "1 campaign ribbon(s).", "Score + 1% = 101,000"},
      {1, 8, 10, 1, 1, 1, "10 campaign ribbon(s), the Silver Star, the Gold Star, the Medal of Honor.",
       "Score + 58% = 158,000"},
      {1, 8, 30, 1, 1, 1, "30 campaign ribbon(s), the Silver Star, the Gold Star, the Medal of Honor.",
       "Score + 65% = 165,000"},
      {2, 4, 6, 1, 0, 1, "6 campaign ribbon(s), the Silver Eagle, the Eagle Of Honor.",
       "Score + 6% = 106,000"},
      {3, 3, 2, 1, 1, 1,
       "2 campaign ribbon(s), the Silver Ying-Yang, the Gold Ying-Yang, the title \"Samurai.",
       "Score + 4% = 104,000"},
      {4, 7, 0, 1, 1, 1, "0 campaign ribbon(s), the Red Cross, the Gold Cross, the Heroic Cross.",
       "Score + 33% = 133,000"},
      {4, 7, 0, 0, 1, 0, "0 campaign ribbon(s), the Gold Cross.", "Score + 18% = 118,000"},
  };
  for (const Case& c : cases) {
    SetUp();
    ScoreAfterFortune(100000);
    AgeOf(80);  // no share for age
    PlayerData[player::kFaction] = c.faction;
    PlayerData[player::kRank] = c.rank;
    PlayerData[player::kCampaignRibbons] = c.ribbons;
    PlayerData[player::kSilverStar] = c.silver;
    PlayerData[player::kGoldStar] = c.gold;
    PlayerData[player::kMedalOfHonor] = c.highest;
    const rules::RetirementStep promotion = rules::ScoreRetirement().steps[2];
    const std::string text = promotion.text;
    EXPECT_EQ(text.substr(text.find(" and were awarded: ") + 19), c.awards) << c.rank;
    EXPECT_EQ(promotion.scoreLine, c.line) << c.faction << " " << c.rank << " " << c.ribbons;
  }
}

TEST_F(Retirement, EveryRankIsNamed) {
  const char* titles[] = {"Ensign", "Ensign", "2nd Lieutenant", "1st Lieutenant",
                          "Lieutenant Commander", "Commander", "Captain", "Admiral", "Admiral"};
  for (int rank = 0; rank <= 8; ++rank) {
    PlayerData[player::kRank] = rank;
    EXPECT_EQ(rules::ScoreRetirement().steps[2].text,
              std::string("You reached the rank of ") + titles[rank] +
                  " and were awarded: 0 campaign ribbon(s).")
        << rank;
  }
}

TEST_F(Retirement, TheOwnPlanetCountsOnlyWhenItIsStillOurs) {
  ScoreAfterFortune(100000);
  AgeOf(80);

  rules::RetirementStep planet = rules::ScoreRetirement().steps[3];
  EXPECT_EQ(planet.text,
            "You were not famous enough for the government to promise you your own planet. Maybe "
            "you´ll achieve this next time.");
  EXPECT_EQ(planet.scoreLine, "Score + 0% = 100,000");
  EXPECT_EQ(planet.picture, "Earthrg.jpg");

  PlayerData[player::kOwnPlanetPromised] = 1;
  state::SystemData[8][star_system::kOwner] = 3;
  planet = rules::ScoreRetirement().steps[3];
  EXPECT_EQ(planet.text,
            "Your government has promised you to grant you the planet Sargoth in the Finis system. "
            "However at the time you retire their promise is worthless, because your faction is "
            "not in control of this planet.");
  EXPECT_EQ(planet.scoreLine, "Score + 0% = 100,000");
  EXPECT_EQ(planet.picture, "Earthrg.jpg");

  state::SystemData[8][star_system::kOwner] = 1;
  planet = rules::ScoreRetirement().steps[3];
  EXPECT_EQ(planet.scoreLine, "Score + 12% = 112,000");
  EXPECT_EQ(planet.picture, "Earthr.jpg");
}

TEST_F(Retirement, TheCivilWarNotWonAddsNothing) {
  ScoreAfterFortune(100000);
  AgeOf(80);
  const rules::RetirementResult r = rules::ScoreRetirement();
  EXPECT_EQ(r.steps[4].picture, "Victoryg.jpg");
  EXPECT_EQ(r.steps[4].text,
            "During your service the civil war was not ended. You were not able to help your "
            "faction win the war. Next time try harder!.");
  EXPECT_EQ(r.steps[4].scoreLine, "Score + 0% = 100,000");
  EXPECT_EQ(r.score, 100000);
  EXPECT_EQ(r.career.number, 8);
}

TEST_F(Retirement, TheFinalScorePicksTheCareer) {
  struct Case {
    std::int32_t score;
    int number;
    const char* title;
  };
  const Case cases[] = {
      {INT_MIN, 10, "Beggar"},    {-1, 10, "Beggar"},          {5000, 10, "Beggar"},
      {5001, 9, "Technician"},    {25000, 9, "Technician"},    {25001, 8, "Shopkeeper"},
      {100000, 8, "Shopkeeper"},  {100001, 7, "Citizen"},      {200000, 7, "Citizen"},
      {200001, 6, "Lawyer"},      {330000, 6, "Lawyer"},       {330001, 5, "Professor at Fleet Academy"},
      {450000, 5, "Professor at Fleet Academy"},               {450001, 4, "Tycoon"},
      {650000, 4, "Tycoon"},      {650001, 3, "Governor"},     {1000000, 3, "Governor"},
      {1000001, 2, "Senator"},    {2000000, 2, "Senator"},     {2000001, 1, "President"},
      {INT_MAX, 1, "President"},
  };
  for (const Case& c : cases) {
    const rules::RetirementCareer career = rules::CareerForScore(c.score);
    EXPECT_EQ(career.number, c.number) << c.score;
    EXPECT_EQ(career.title, c.title) << c.score;
  }
  EXPECT_EQ(rules::CareerForScore(0).text,
            "After you´ve retired you have soon spend your last cent. Your new career has a poor "
            "beggar awaits you.");
  EXPECT_EQ(rules::CareerForScore(9000).text,
            "With your earned money spend soon, you have no choice than to hire on a freighter as "
            "a technician.");
  EXPECT_EQ(rules::CareerForScore(50000).text,
            "Your adventuring has come to an end. You start a new career as an unimportant "
            "shopkeeper.");
  EXPECT_EQ(rules::CareerForScore(150000).text,
            "With the wealth you gathered you become a citizen on an estate near the beaches on "
            "the planet Kimberley.");
  EXPECT_EQ(rules::CareerForScore(250000).text,
            "The small fortune you gathered helps you to become a respected and well known lawyer "
            "at the capital.");
  EXPECT_EQ(rules::CareerForScore(500000).text,
            "The unbelievable riches you acquired allow you to start your very own interesting "
            "corporate as a Tycoon.");
  EXPECT_EQ(rules::CareerForScore(700000).text,
            "Because of your excellent career in the fleet you are soon asked to become governor.");
  EXPECT_EQ(rules::CareerForScore(1500000).text,
            "Your flawless career and excellent connections allow you to gain a seat in the newly "
            "founded Galactic Senate.");
  EXPECT_EQ(rules::CareerForScore(3000000).text,
            "Being a living legend it´s quiet easy for you to run for presidency...and win. "
            "Congratulations Mr. President!");
}

// A fortune at the edge of the integers is scored without wrapping around.
TEST_F(Retirement, AHugeFortuneStaysPositive) {
  PlayerData[player::kCredits] = INT_MAX;
  PlayerData[player::kRank] = 8;
  PlayerData[player::kCampaignRibbons] = 100;
  PlayerData[player::kSilverStar] = PlayerData[player::kGoldStar] =
      PlayerData[player::kMedalOfHonor] = 1;
  PlayerData[player::kOwnPlanetPromised] = 1;
  PlayerData[player::kCivilWarWon] = 1;
  const rules::RetirementResult r = rules::ScoreRetirement();
  EXPECT_EQ(r.steps[0].score, INT_MAX / 10);
  EXPECT_GT(r.score, r.steps[0].score);
  EXPECT_EQ(r.career.number, 1);
}

}  // namespace
