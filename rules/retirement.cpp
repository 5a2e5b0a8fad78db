#include "rules/retirement.h"

#include <algorithm>
#include <limits>
#include <string_view>

#include "rules/promotion.h"
#include "state/clamp.h"
#include "state/factions.h"
#include "state/fields.h"
#include "state/format.h"
#include "state/progression.h"
#include "state/ranks.h"
#include "state/ship_class_of.h"
#include "state/ship_classes.h"
#include "state/variables.h"

namespace rules {
namespace {

using state::FormatThousands;

using state::Clamp32;

// The score raised (or lowered) by `percent` of its hundredths, as the steps count it.
std::int32_t AddPercent(std::int32_t score, std::int64_t percent) {
  return Clamp32(score + static_cast<std::int64_t>(score / 100) * percent);
}

struct AgeBand {
  std::int32_t upTo;
  std::int32_t percent;
  std::string_view sentence;
};

// The oldest band takes every age above 100, however old.
constexpr AgeBand kAgeBands[] = {
    {30, 50, ". You still have the best years of your life to come."},
    {50, 35, ". You have some good years still coming."},
    {65, 20, ". This is a quiet normal age to retire."},
    {79, 10, ". Enough years left in your life to enjoy the pleasures of retirement."},
    {100, 0, ". Not much time left for you to enjoy your retirement."},
    {std::numeric_limits<std::int32_t>::max(), -25,
     ". You will be dying shortly. Adventuring was your life."},
};

// By military rank 1..8.
constexpr std::int32_t kRankBonus[] = {0, -25, -24, -21, -15, -8, 0, 10, 25};

struct Medal {
  player::Field field;
  std::int32_t percent;
  std::string_view names[4];  // by faction 1..4
};

constexpr Medal kMedals[] = {
    {player::kSilverStar, 5,
     {", the Silver Star", ", the Silver Eagle", ", the Silver Ying-Yang", ", the Red Cross"}},
    {player::kGoldStar, 8,
     {", the Gold Star", ", the Gold Eagle", ", the Gold Ying-Yang", ", the Gold Cross"}},
    {player::kMedalOfHonor, 10,
     {", the Medal of Honor", ", the Eagle Of Honor", ", the title \"Samurai", ", the Heroic Cross"}},
};

struct CareerBand {
  std::int32_t upTo;
  std::int32_t number;
  std::string_view title;
  std::string_view text;
};

constexpr CareerBand kCareers[] = {
    {5000, 10, "Beggar",
     "After you´ve retired you have soon spend your last cent. Your new career has a poor beggar "
     "awaits you."},
    {25000, 9, "Technician",
     "With your earned money spend soon, you have no choice than to hire on a freighter as a "
     "technician."},
    {100000, 8, "Shopkeeper",
     "Your adventuring has come to an end. You start a new career as an unimportant shopkeeper."},
    {200000, 7, "Citizen",
     "With the wealth you gathered you become a citizen on an estate near the beaches on the "
     "planet Kimberley."},
    {330000, 6, "Lawyer",
     "The small fortune you gathered helps you to become a respected and well known lawyer at the "
     "capital."},
    {450000, 5, "Professor at Fleet Academy",
     "Soon after your retirement the Fleed Academy asks you to become a professor, which you "
     "gladly accept."},
    {650000, 4, "Tycoon",
     "The unbelievable riches you acquired allow you to start your very own interesting corporate "
     "as a Tycoon."},
    {1000000, 3, "Governor",
     "Because of your excellent career in the fleet you are soon asked to become governor."},
    {2000000, 2, "Senator",
     "Your flawless career and excellent connections allow you to gain a seat in the newly "
     "founded Galactic Senate."},
    {std::numeric_limits<std::int32_t>::max(), 1, "President",
     "Being a living legend it´s quiet easy for you to run for presidency...and win. "
     "Congratulations Mr. President!"},
};

RetirementStep Fortune(std::int32_t& score) {
  const std::int32_t credits = state::PlayerData[player::kCredits];
  const std::int32_t ship =
      state::GetShipClassStat(state::ShipClassOf(state::PlayerShip), state::kAttrPrice) / 3;
  const std::int32_t fortune = Clamp32(static_cast<std::int64_t>(credits) + ship);
  score = fortune / 10;
  RetirementStep step;
  step.topic = "Retirement (1/5)";
  step.caption = "Step 1: Fortune";
  step.picture = "treasurer.jpg";
  step.text = "At the time of your retirement you are left with a fortune of $" +
              FormatThousands(fortune) + "." + " This includes your credits ($" +
              FormatThousands(credits) + ") and your own ship ($" + FormatThousands(ship) + ").";
  step.scoreLine = " Score: $" + FormatThousands(fortune) + " / 10 = " + FormatThousands(score);
  step.score = score;
  return step;
}

RetirementStep Age(std::int32_t& score) {
  const std::int32_t age = state::GetPlayerAge();
  const AgeBand* band = std::begin(kAgeBands);
  while (age > band->upTo) ++band;
  const std::int32_t before = score;
  score = AddPercent(score, band->percent);
  RetirementStep step;
  step.topic = "Retirement (2/5)";
  step.caption = "Step 2: Age";
  step.picture = state::GetHeroPortraitFile();
  step.text = "You retire at the age of " + std::to_string(age) + std::string(band->sentence);
  const std::string sign = band->percent >= 1 ? " + " : " - ";
  step.scoreLine = " Score: " + FormatThousands(before) + sign +
                   std::to_string(band->percent < 0 ? -band->percent : band->percent) + "% = " +
                   FormatThousands(score);
  step.score = score;
  return step;
}

RetirementStep Promotion(std::int32_t& score) {
  const state::TPlayerRow& player = state::PlayerData;
  const Faction faction{player[player::kFaction]};
  const Rank rank{player[player::kRank]};
  std::int64_t percent =
      rank >= kRankEnsign && rank <= kRankBeyondAdmiral ? kRankBonus[state::Stored(rank)] : 0;
  percent += player[player::kCampaignRibbons];
  std::string medals;
  for (const Medal& medal : kMedals) {
    if (player[medal.field] != 1) continue;
    percent += medal.percent;
    if (state::IsPower(faction)) medals += medal.names[state::Stored(faction) - 1];
  }
  const std::int32_t q = static_cast<std::int32_t>(std::clamp<std::int64_t>(percent, -25, 65));
  score = AddPercent(score, q);
  RetirementStep step;
  step.topic = "Retirement (3/5)";
  step.caption = "Step 3: Promotion";
  // Rank 8 has no title of its own: it reads as the highest titled rank.
  const std::string title =
      state::GetRankTitle(faction, std::clamp(rank, kRankEnsign, state::kLastTitledRank));
  step.text = "You reached the rank of " + title +
              " and were awarded: " + std::to_string(player[player::kCampaignRibbons]) +
              " campaign ribbon(s)" + medals + ".";
  step.scoreLine = (q >= 1 ? "Score + " : "Score ") + std::to_string(q) + "% = " +
                   FormatThousands(score);
  step.score = score;
  return step;
}

RetirementStep OwnPlanet(std::int32_t& score) {
  const Faction faction{state::PlayerData[player::kFaction]};
  const PromisedPlanet planet = PromisedPlanetOf(faction);
  const std::int32_t picture = state::BodyData[planet.system][planet.body][body::kPicture];
  RetirementStep step;
  step.topic = "Retirement (4/5)";
  step.caption = "Step 4: Your own planet";
  step.picture = GetBodyPictureName(picture) + "rg.jpg";
  const std::string where = state::BodyText[planet.system][planet.body][body_text::kName] +
                            " in the " + state::SystemText[planet.system][system_text::kName] +
                            " system";
  if (state::PlayerData[player::kOwnPlanetPromised] != 1) {
    step.text =
        "You were not famous enough for the government to promise you your own planet. Maybe "
        "you´ll achieve this next time.";
    step.scoreLine = "Score + 0% = " + FormatThousands(score);
  } else if (planet.system == 0 ||
             Faction{state::SystemData[planet.system][star_system::kOwner]} != faction) {
    step.text = "Your government has promised you to grant you the planet " + where +
                ". However at the time you retire their promise is worthless, because your "
                "faction is not in control of this planet.";
    step.scoreLine = "Score + 0% = " + FormatThousands(score);
  } else {
    score = AddPercent(score, 12);
    step.picture = GetBodyPictureName(picture) + "r.jpg";
    step.text = "For your good services the government had granted you the ownership of the "
                "planet " + where + ".";
    step.scoreLine = "Score + 12% = " + FormatThousands(score);
  }
  step.score = score;
  return step;
}

RetirementStep CivilWar(std::int32_t& score) {
  RetirementStep step;
  step.topic = "Retirement (5/5)";
  step.caption = "Step 5: Civil War";
  if (state::PlayerData[player::kCivilWarWon] != 0) {
    score = AddPercent(score, 25);
    step.picture = "Victory.jpg";
    step.text = "Congratulations! You won the civil war for your nation! You will always be known "
                "as a legendary hero.";
    step.scoreLine = "Score + 25% = " + FormatThousands(score);
  } else {
    step.picture = "Victoryg.jpg";
    step.text = "During your service the civil war was not ended. You were not able to help your "
                "faction win the war. Next time try harder!.";
    step.scoreLine = "Score + 0% = " + FormatThousands(score);
  }
  step.score = score;
  return step;
}

}  // namespace

RetirementCareer CareerForScore(std::int32_t score) {
  const CareerBand* band = std::begin(kCareers);
  while (score > band->upTo) ++band;
  return {band->number, std::string(band->title), std::string(band->text)};
}

RetirementResult ScoreRetirement() {
  RetirementResult result;
  std::int32_t score = 0;
  result.steps[0] = Fortune(score);
  result.steps[1] = Age(score);
  result.steps[2] = Promotion(score);
  result.steps[3] = OwnPlanet(score);
  result.steps[4] = CivilWar(score);
  result.score = score;
  result.career = CareerForScore(score);
  return result;
}

}  // namespace rules
