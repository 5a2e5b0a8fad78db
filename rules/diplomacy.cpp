#include "rules/diplomacy.h"

#include <cstdint>
#include <limits>
#include <string>

#include "rules/mission_offers.h"
#include "rules/missions.h"
#include "rules/news.h"
#include "state/factions.h"
#include "state/fields.h"
#include "state/random.h"
#include "state/variables.h"

namespace rules {
namespace {

using state::FactionData;
using state::Random;
using state::SystemData;


bool Alive(Faction f) { return FactionData[state::Stored(f)][faction::kAlive] > 0; }
bool Present(int s) { return SystemData[s][star_system::kPresent] > 0; }
using state::IsSystem;

std::string_view ShortName(Faction f) {
  return state::IsFaction(f)
             ? std::string_view(state::FactionText[state::Stored(f)][faction_text::kShortName])
             : std::string_view();
}

std::string_view SystemName(int s) {
  return IsSystem(s) ? std::string_view(state::SystemText[s][system_text::kName])
                        : std::string_view();
}

void StepCounter(std::int32_t& counter, int delta) {
  const std::int64_t next = static_cast<std::int64_t>(counter) + delta;
  if (next < std::numeric_limits<std::int32_t>::min()) {
    counter = std::numeric_limits<std::int32_t>::min();
  } else if (next > std::numeric_limits<std::int32_t>::max()) {
    counter = std::numeric_limits<std::int32_t>::max();
  } else {
    counter = static_cast<std::int32_t>(next);
  }
}

bool AttacksSomewhere(Faction attacker) {
  for (int s = 1; s <= state::kLastSystem; ++s) {
    if (Present(s) && SystemData[s][star_system::kCampaign] == 1 &&
        Faction{SystemData[s][star_system::kAttacker]} == attacker)
      return true;
  }
  return false;
}

void StartCampaign(Ui& ui, Faction attacker, Faction defender, int system) {
  state::TSystemRow& row = SystemData[system];
  row[star_system::kCampaign] = 1;
  row[star_system::kAttacker] = state::Stored(attacker);
  for (int field = 22; field <= 26; ++field) row.At(field) = 0;
  row[star_system::kSiegeDays] = 200 + Random(200);
  // The board of the besieged system is refilled under the new situation.
  for (int slot = 1; slot <= state::kLastOfferSlot; ++slot) {
    state::MissionOffers[system][slot][mission::kActive] = 0;
    GenerateMissionOffers(ui);
  }
  WriteWarNews(ui, kNewsInvasion, attacker, defender, system);
}

}  // namespace

std::string FactionShortName(Faction faction) { return std::string(ShortName(faction)); }

bool AtWar(Faction f, Faction g) {
  return state::IsFaction(f) && state::IsFaction(g) &&
         FactionData[state::Stored(f)][faction::AtWarWith(g)] != 0;
}

bool CampaignRunsBetween(Faction attacker, Faction defender) {
  for (int s = 1; s <= state::kLastSystem; ++s) {
    if (Present(s) && SystemData[s][star_system::kCampaign] == 1 &&
        Faction{SystemData[s][star_system::kAttacker]} == attacker &&
        Faction{SystemData[s][star_system::kOwner]} == defender) {
      return true;
    }
  }
  return false;
}

int PickInvasionTarget(Faction attacker, Faction defender) {
  return PickFromCandidates(InvasionCandidates(attacker, defender));
}

void WriteWarNews(Ui& ui, NewsKind kind, Faction first, Faction second, int system) {
  const int slot = InsertNewsEntry();
  state::TNewsRow& entry = state::NewsList[slot];
  entry[news::kValid] = 1;
  entry[news::kKind] = state::Stored(kind);
  entry[news::kSubject] = state::Stored(first);
  entry[news::kSecondFaction] = state::Stored(second);
  entry[news::kDay] = state::GameDay;
  entry[news::kLifetime] = 20 + Random(30);
  entry[news::kSystem] = kind >= kNewsInvasion ? system : 0;

  std::string headline;
  std::string_view topic = "War news!";
  std::string text;
  switch (kind) {
    case kNewsWarDeclared:
      headline = "War - " + std::string(ShortName(first)) + " vs. " + std::string(ShortName(second));
      text = BuildWarDeclaredNews(ShortName(first), ShortName(second), slot);
      break;
    case kNewsCeaseFire:
      headline = "Cease fire - " + std::string(ShortName(first)) + " vs. " +
                 std::string(ShortName(second));
      text = BuildCeaseFireNews(ShortName(first), ShortName(second), slot);
      break;
    case kNewsInvasion:
      headline = std::string(SystemName(system)) + " system under attack!";
      topic = "War news!!";
      text = BuildInvasionNews(ShortName(first), ShortName(second), SystemName(system), slot);
      break;
    case kNewsSystemCaptured:
      headline = std::string(SystemName(system)) + " conquered!";
      text = BuildSystemCapturedNews(ShortName(first), ShortName(second), SystemName(system), slot);
      break;
    default:
      headline = std::string(SystemName(system)) + " - Invasion failed!";
      text = BuildInvasionFailedNews(ShortName(first), ShortName(second), SystemName(system), slot);
      break;
  }
  state::NewsHeadline[slot] = headline;

  // Declarations and cease-fires reach the player only through the news list.
  if (ui.IsVisible(Screen::Travel) && state::NoWarPopups == 0 && kind >= kNewsInvasion) {
    ui.ShowNotice(topic, headline, text, "news.jpg");
  }
}

void UpdateFactionDiplomacy(Ui& ui) {
  bool newsMade = false;
  for (const Faction f : state::kPowers) {
    if (!Alive(f)) continue;
    for (const Faction g : state::kPowers) {
      if (g == f || !Alive(g)) continue;
      state::TFactionRow& mine = FactionData[state::Stored(f)];
      state::TFactionRow& theirs = FactionData[state::Stored(g)];

      if (mine[faction::AtWarWith(g)] == 0) {
        const int r = Random(1000);
        if (r < 5 && !newsMade && mine[faction::RelationDays(g)] < -100) {
          // Only a faction with somewhere to attack declares war; otherwise the day passes.
          const int target = PickInvasionTarget(f, g);
          if (target > 0) {
            mine[faction::AtWarWith(g)] = 1;
            mine[faction::RelationDays(g)] = 0;
            theirs[faction::AtWarWith(f)] = 1;
            theirs[faction::RelationDays(f)] = 0;
            WriteWarNews(ui, kNewsWarDeclared, f, g, 0);
            newsMade = true;
          }
        } else {
          StepCounter(mine[faction::RelationDays(g)], -1);
        }
        continue;
      }

      StepCounter(mine[faction::RelationDays(g)], +1);
      if (mine[faction::AtWarWith(g)] > 0 && Random(1000) < 200 && !newsMade &&
          mine[faction::RelationDays(g)] > 100 && state::GameDay > 200 &&
          !CampaignRunsBetween(f, g) && !CampaignRunsBetween(g, f)) {
        mine[faction::AtWarWith(g)] = 0;
        mine[faction::RelationDays(g)] = 0;
        theirs[faction::AtWarWith(f)] = 0;
        theirs[faction::RelationDays(f)] = 0;
        WriteWarNews(ui, kNewsCeaseFire, f, g, 0);
        newsMade = true;
      }
      // The invasion roll comes in the same visit, also right after a cease-fire made in it.
      if (!AttacksSomewhere(f) && Random(100) < 6) {
        const int target = PickInvasionTarget(f, g);
        if (target > 0 && SystemData[target][star_system::kCampaign] == 0) {
          StartCampaign(ui, f, g, target);
          newsMade = true;
        }
      }
    }
  }
}

}  // namespace rules
