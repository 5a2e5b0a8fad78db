#include "rules/campaign_texts.h"

#include <array>
#include <cstdint>
#include <initializer_list>

#include "rules/news_texts.h"
#include "state/fields.h"
#include "state/mission_types.h"
#include "state/random.h"
#include "state/variables.h"

namespace rules {
namespace {

using Pair = std::array<std::string_view, 2>;

// {A} the attacker, {D} the defender, {S} the system.
constexpr SentenceVariants kSituation = {
    "The {A} is invading the {S} system – currently under control of the {D}. Heavy fighting is taking place.",
    "Heavy fighting is occurring in this system with {A} forces attempting an invasion of the {D}-controlled {S} system.",
    "The {S} system is under siege: the {A} is trying to wrest it from the {D}.",
    "Battlegroups of the {A} have entered the {S} system and are engaging the defenders of the {D}.",
    "The {D} is defending the {S} system against a full-scale invasion of the {A}.",
    "The front line of the war between the {A} and the {D} runs right through the {S} system.",
    "Fleets of the {A} are attacking the positions of the {D} all over the {S} system.",
    "The {A} has laid siege to the {S} system, still held by the {D}.",
    "Fierce battles rage in the {S} system as the {A} tries to break the defence of the {D}.",
    "The {S} system, controlled by the {D}, is the target of a major offensive of the {A}.",
};

constexpr Pair kEvenFight = {
    "Both forces are almost of equal strength. Several battlegroups are right now manouvering to get into a position to attack the enemy forces.",
    "Neither side has gained the upper hand so far. Both fleets are regrouping for the next strike.",
};
constexpr Pair kDefenderRelieved = {
    "Fresh reinforcements of the {D} have relieved the besieged defenders and driven the {A} almost out of the system. The {A} will need either serious reinforcements themselves or a miracle to win this campaign.",
    "The defenders have broken the siege and have been relieved by additional reinforcements. The {A} losses have been great and they might decide to withdraw from this system soon.",
};
constexpr Pair kDefenceHolds = {
    "The rugged defense of the {D} has lead to success and the {A} is on the retreat. However the battle is not over yet and the tide could turn any moment.",
    "Recent heavy losses have decreased the forces of the {A} while in turn the {D} have received reinforcements.",
};
constexpr Pair kAttackerAdvances = {
    "During the recent fighting the {A} seem to have turned the tide and are on the advance.",
    "The invaders have won several important skirmishes and have gained the upper-hand in the conflict.",
};
constexpr Pair kDefenceCollapses = {
    "The current campaign has almost left nothing of the former strength of the {D} defending battlegroups. A defeat seems almost sure.",
    "Most of the {D} fleet has broken and is withdrawing from the system. With the star base almost defenceless it seems just a matter of time until the {A} will control the system completetly.",
};

constexpr Pair kNotEngaged = {
    "You have not yet engaged in this campaign. You can influence the battle by either successfully fulfilling missions in this system or by intercepting certain important enemy ships detected by your ship sensors.",
    "This campaign has been fought without your help so far. You can influence the battle by either successfully fulfilling missions in this system or by intercepting certain important enemy ships detected by your ship sensors.",
};
constexpr Pair kEngaged = {
    "You have already influenced the campaign.",
    "You´ve already fought in this campaign.",
};
constexpr Pair kSupplies = {
    "With your last attempts you have supplied our fleet with the important goods and equipment it needed to stay in the field.",
    "The supplies you brought in just recently have increased the effectiveness of your fleet.",
};
constexpr Pair kReconnaissance = {
    "You recently patrolled the system giving our forces the intelligence it needs to focus their forces at the right spot.",
    "The intelligence you provided just recently has been an important factor in deciding the fate of our fleet.",
};
constexpr Pair kStrike = {
    "Just recently you have attacked and destroyed enemy forces, directly reducing the enemy numbers.",
    "Your last accomplishment in this campaign has been a direct strike on the enemy forces.",
};
constexpr Pair kFewMissions = {
    "High Command encourages you to push further and make sure we win this campaign.",
    "It is imperative that you continue fulfilling missions to make sure we win this campaign.",
};
constexpr Pair kSomeMissions = {
    "High Command is pleased with your service, however they would prefer if you would make sure we would win by fulfilling just a couple of more missions.",
    "You already had a good impact on the campaign, but you might have to push it ever further if you want us to win.",
};
constexpr Pair kManyMissions = {
    "High Command is all excited about your success. You are the hero of this campaign, cited in almost every newspaper from New France up to Hyraxan VII.",
    "It can be truly said that you are the reason we´ll propably win this campaign. Good work!",
};

using state::IsSystem;

// The stored variant of `field`, drawn from 1..count when still 0.
int VariantOf(int s, star_system::Field field, int count) {
  std::int32_t& variant = state::SystemData[s][field];
  if (variant == 0) variant = state::Random(count) + 1;
  return variant;
}

// A stored variant outside the family (a damaged save) reads as the first.
std::string_view Pick(const Pair& pair, int variant) { return pair[variant == 2 ? 1 : 0]; }

std::string Quoted(std::initializer_list<std::string_view> sentences) {
  std::string text = "\"";
  bool first = true;
  for (std::string_view sentence : sentences) {
    if (!first) text += ' ';
    text += sentence;
    first = false;
  }
  text += '"';
  return text;
}

}  // namespace

std::string BuildCampaignStatusText(std::string_view attacker, std::string_view defender,
                                    std::string_view system, int defenderTrend,
                                    int attackerTrend, int s) {
  if (!IsSystem(s)) return {};
  int situation = VariantOf(s, star_system::kSituationVariant, 10);
  if (situation < 1 || situation > 10) situation = 1;
  const int second = VariantOf(s, star_system::kSituationEndVariant, 2);

  // The later rule overrides the earlier.
  const Pair* report = &kEvenFight;
  if (defenderTrend == kTrendDecisive) report = &kDefenderRelieved;
  if (defenderTrend == kTrendHolding) report = &kDefenceHolds;
  if (attackerTrend == kTrendHolding) report = &kAttackerAdvances;
  if (attackerTrend == kTrendDecisive) report = &kDefenceCollapses;

  const NewsNames names{attacker, defender, system, {}};
  return Quoted({FillNames(kSituation[situation - 1], names), FillNames(Pick(*report, second), names)});
}

std::string BuildCampaignNotEngagedText(int s) {
  if (!IsSystem(s)) return {};
  return Quoted({Pick(kNotEngaged, VariantOf(s, star_system::kFirstReportVariant, 2))});
}

std::string BuildCampaignInfluenceText(int s, MissionType lastMissionType, int missions) {
  if (!IsSystem(s)) return {};
  const int first = VariantOf(s, star_system::kFirstReportVariant, 2);
  const int second = VariantOf(s, star_system::kSecondReportVariant, 2);
  const int third = VariantOf(s, star_system::kThirdReportVariant, 2);

  const Pair* deed = &kStrike;
  switch (lastMissionType) {
    case kMissionTransport:
    case kMissionSupply:
    case kMissionSpecialForces:
    case kMissionCombatTransport:
    case kMissionMarineLanding:
    case kMissionEvacuation:
    case kMissionAbduction: deed = &kSupplies; break;
    case kMissionPatrol:
    case kMissionReportForDuty:
    case kMissionCombatPatrol:
    case kMissionRecon:
    case kMissionAnalysis: deed = &kReconnaissance; break;
    default: break;
  }
  const Pair* praise = missions < 5 ? &kFewMissions : missions <= 10 ? &kSomeMissions : &kManyMissions;
  return Quoted({Pick(kEngaged, first), Pick(*deed, second), Pick(*praise, third)});
}

}  // namespace rules
