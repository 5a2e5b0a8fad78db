#include "rules/diplomacy.h"

#include <cstdint>
#include <limits>
#include <string>
#include <vector>

#include "rules/missions.h"
#include "rules/news.h"
#include "state/random.h"
#include "state/variables.h"

namespace rules {
namespace {

using state::FactionData;
using state::Random;
using state::SystemData;

constexpr int kCapitalRating = 6;

bool Alive(int f) { return FactionData[f][1] > 0; }
bool Present(int s) { return SystemData[s][1] > 0; }
bool ValidSystem(int s) { return s >= 1 && s <= state::kLastSystem; }
bool ValidFaction(int f) { return f >= 0 && f <= state::kLastFaction; }

std::string_view ShortName(int f) {
  return ValidFaction(f) ? std::string_view(state::FactionText[f][2]) : std::string_view();
}

std::string_view SystemName(int s) {
  return ValidSystem(s) ? std::string_view(state::SystemText[s][1]) : std::string_view();
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

bool AttacksSomewhere(int attacker) {
  for (int s = 1; s <= state::kLastSystem; ++s) {
    if (Present(s) && SystemData[s][20] == 1 && SystemData[s][21] == attacker) return true;
  }
  return false;
}

void StartCampaign(Ui& ui, int attacker, int defender, int system) {
  state::TSystemRow& row = SystemData[system];
  row[20] = 1;
  row[21] = attacker;
  for (int field = 22; field <= 26; ++field) row[field] = 0;
  row[27] = 200 + Random(200);
  // The board of the besieged system is refilled under the new situation.
  for (int slot = 1; slot <= state::kLastOfferSlot; ++slot) {
    state::MissionOffers[system][slot][1] = 0;
    GenerateMissionOffers(ui);
  }
  WriteWarNews(ui, kNewsInvasion, attacker, defender, system);
}

}  // namespace

bool AtWar(int f, int g) {
  return ValidFaction(f) && ValidFaction(g) && FactionData[f][10 + g] != 0;
}

bool CampaignRunsBetween(int attacker, int defender) {
  for (int s = 1; s <= state::kLastSystem; ++s) {
    if (Present(s) && SystemData[s][20] == 1 && SystemData[s][21] == attacker &&
        SystemData[s][2] == defender) {
      return true;
    }
  }
  return false;
}

int PickInvasionTarget(int attacker, int defender) {
  std::vector<int> candidates;
  for (int s = 1; s <= state::kLastSystem; ++s) {
    if (!Present(s) || SystemData[s][2] != attacker) continue;
    for (int b = 1; b <= state::kLastBody; ++b) {
      const state::TBodyRow& body = state::BodyData[s][b];
      if (body[1] <= 0 || body[3] != state::kKindWormhole) continue;
      const int t = body[4];
      if (!ValidSystem(t) || SystemData[t][3] == kCapitalRating) continue;
      if (defender == 0 || SystemData[t][2] == defender) candidates.push_back(t);
    }
  }
  if (candidates.empty()) return 0;
  if (candidates.size() == 1) return candidates.front();
  return candidates[Random(static_cast<std::int32_t>(candidates.size()))];
}

void WriteWarNews(Ui& ui, int kind, int first, int second, int system) {
  const int slot = InsertNewsEntry();
  state::TNewsRow& entry = state::NewsList[slot];
  entry[1] = 1;
  entry[2] = kind;
  entry[3] = first;
  entry[4] = second;
  entry[5] = state::GameDay;
  entry[6] = 20 + Random(30);
  entry[13] = kind >= kNewsInvasion ? system : 0;

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
  for (int f = 1; f <= state::kLastFaction; ++f) {
    if (!Alive(f)) continue;
    for (int g = 1; g <= state::kLastFaction; ++g) {
      if (g == f || !Alive(g)) continue;
      state::TFactionRow& mine = FactionData[f];
      state::TFactionRow& theirs = FactionData[g];

      if (mine[10 + g] == 0) {
        const int r = Random(1000);
        if (r < 5 && !newsMade && mine[20 + g] < -100) {
          // Only a faction with somewhere to attack declares war; otherwise the day passes.
          const int target = PickInvasionTarget(f, g);
          if (target > 0) {
            mine[10 + g] = 1;
            mine[20 + g] = 0;
            theirs[10 + f] = 1;
            theirs[20 + f] = 0;
            WriteWarNews(ui, kNewsWarDeclared, f, g, 0);
            newsMade = true;
          }
        } else {
          StepCounter(mine[20 + g], -1);
        }
        continue;
      }

      StepCounter(mine[20 + g], +1);
      if (mine[10 + g] > 0 && Random(1000) < 200 && !newsMade && mine[20 + g] > 100 &&
          state::GameDay > 200 && !CampaignRunsBetween(f, g) && !CampaignRunsBetween(g, f)) {
        mine[10 + g] = 0;
        mine[20 + g] = 0;
        theirs[10 + f] = 0;
        theirs[20 + f] = 0;
        WriteWarNews(ui, kNewsCeaseFire, f, g, 0);
        newsMade = true;
      }
      // The invasion roll comes in the same visit, also right after a cease-fire made in it.
      if (!AttacksSomewhere(f) && Random(100) < 6) {
        const int target = PickInvasionTarget(f, g);
        if (target > 0 && SystemData[target][20] == 0) {
          StartCampaign(ui, f, g, target);
          newsMade = true;
        }
      }
    }
  }
}

}  // namespace rules
