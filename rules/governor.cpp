#include "rules/governor.h"

#include <iterator>
#include <string>
#include <vector>

#include "state/factions.h"
#include "state/fields.h"
#include "state/format.h"
#include "state/progression.h"
#include "state/skills.h"
#include "state/variables.h"

namespace rules {
namespace {

using state::PlayerData;

constexpr std::string_view kNoWar = " Right now we are not at war. But I am sure not for long.";
constexpr std::string_view kClosingQuote = "”";

// How the governor speaks to a captain, by military rank.
struct GreetingTier {
  Rank topRank;  // the highest rank greeted so; the last tier takes every higher rank
  std::string_view opening;
  std::string_view praise;
};

constexpr GreetingTier kTiers[] = {
    {kRankEnsign, "Welcome to our fleet ", "!"},
    {kRankFirstLieutenant, "Good morning ", "! You did well so far."},
    {kRankCommander, "Welcome back ",
     "! It’s always a pleasure to meet you. I heard about you from fellow captains. You seem to be "
     "doing very good out there!"},
    {kRankAdmiral, "", "! I am honoured, Sir! We are all very glad to have you on our side."},
    {kRankBeyondAdmiral, "It’s the legendary ", "! Everyone is speaking about you and your deeds."},
};
constexpr int kTierCount = static_cast<int>(std::size(kTiers));

// 1..5 for the rows of kTiers.
int TierOf(Rank rank) {
  for (int t = 0; t < kTierCount - 1; ++t)
    if (rank <= kTiers[t].topRank) return t + 1;
  return kTierCount;
}

std::string WarSentence(const std::string& wars) { return " We are at war with the " + wars + "."; }

}  // namespace

std::string WarList(Faction faction) {
  std::vector<std::string> names;
  if (state::IsPower(faction))
    for (const Faction g : state::kPowers)
      if (g != faction && state::FactionData[state::Stored(faction)][faction::AtWarWith(g)] > 0)
        names.push_back(state::FactionText[state::Stored(g)][faction_text::kShortName]);
  std::string list;
  for (std::size_t i = 0; i < names.size(); ++i) {
    if (i > 0) list += i + 1 == names.size() ? " and the " : ", ";
    list += names[i];
  }
  return list;
}

bool AmnestyOffered() {
  return PlayerData[player::kCriminalDays] > 0 && state::OwnsSkill(kSkillAmnesty);
}

GovernorView BuildGovernorView() {
  GovernorView view;
  const std::int32_t days = PlayerData[player::kCriminalDays];
  view.criminalFlag = days == 0 ? "No" : "Yes (" + std::to_string(days) + " turns)";
  view.amnestyOffered = AmnestyOffered();

  const Faction faction{PlayerData[player::kFaction]};
  if (state::IsPower(faction))
    view.logo = state::FactionText[state::Stored(faction)][faction_text::kLogo] + ".jpg";

  const Rank rank{PlayerData[player::kRank]};
  const int tier = TierOf(rank);
  const GreetingTier& t = kTiers[tier - 1];
  // The highest rank has no title: the governor then says the name alone.
  const std::string title = state::GetRankTitle(faction, rank);
  std::string greeting = "\"";
  greeting += t.opening;
  greeting += title;
  if (!title.empty()) greeting += ' ';
  greeting += state::NameInText(state::PlayerName);
  greeting += t.praise;

  const std::string wars = WarList(faction);
  if (tier <= 2) {
    greeting += wars.empty() ? std::string(kNoWar) : WarSentence(wars);
    greeting += tier == 1
        ? " You’ll soon find out that true combat is different than the simulator games you were "
          "doing at the academy!"
        : " I heard some of the former cadets of your class have died in service for us and for "
          "the other side. It’s really a shame that in this war brothers fight against brothers.";
    greeting += kClosingQuote;
  } else if (tier <= 4 || wars.empty()) {
    greeting += wars.empty() ? std::string(kNoWar) : WarSentence(wars);
    greeting += "\"";
  } else {
    greeting += WarSentence(wars) + " I am at your service, Sir!" + std::string(kClosingQuote) + "\"";
  }
  view.greeting = greeting;
  return view;
}

bool AskForAmnesty(Ui& ui) {
  if (!AmnestyOffered()) return false;
  if (!ui.Ask("Amnesty",
              "The governor offers you an amnesty for your criminal deeds. For $ 100.000 you are "
              "reinstated as a fleet officer."))
    return false;
  if (PlayerData[player::kCredits] < kAmnestyPrice) {
    ui.Message(Popup::Text, "Not enough money",
               "Unfortunately you do not have enough money to buy the amnesty!");
    return false;
  }
  PlayerData[player::kCredits] -= kAmnestyPrice;
  ui.UpdateStatusBars();
  PlayerData[player::kCriminalDays] = 0;
  ui.Message(Popup::Text, "Success",
             "You buy the amnesty. The criminal flag is lifted. You are a fleet officer once again!");
  return true;
}

}  // namespace rules
