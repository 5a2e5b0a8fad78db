#include "rules/missions.h"

#include <algorithm>
#include <array>
#include <limits>
#include <vector>

#include "state/fields.h"
#include "state/random.h"
#include "state/ship_classes.h"
#include "state/variables.h"

namespace rules {
namespace {

using state::Random;

// clang-format off
constexpr std::array<std::string_view, kLastMissionType + 1> kTitles{
  "",
  "Search && Destroy", "Patrol",          "Transport",      "Ambush",         "Bounty",
  "Supply",            "Special Forces",  "Report for duty", "Strike",        "Combat patrol",
  "Combat transport",  "Assault",         "Infiltrate",     "Escort",         "Recon",
  "Marine Landing",    "Evacuation",      "Abduction",      "Analysis",       "Blitzkrieg",
  "Flanking",          "Suppression",     "Bombing run",    "Battle",         "Siege",
  "Raiding",           "Flagship",
};
// clang-format on

constexpr std::int32_t kCapitalRating = 6;

std::int32_t PlayerShipSize() {
  return std::clamp(state::GetShipClassSize(state::PlayerShip[ship::kClass]), 1, 5);
}

// Classes 1..19 in order, by wanted size 1..5 and faction 0..4, as ChooseEncounterShipType
// collects them. The catalogue never changes, so the lists are made once.
using ClassList = std::vector<std::int32_t>;
struct EncounterTable {
  std::array<std::array<ClassList, state::kLastFaction + 1>, 6> bySizeAndFaction;
};

const EncounterTable& Encounters() {
  static const EncounterTable table = [] {
    EncounterTable t;
    for (std::int32_t size = 1; size <= 5; ++size) {
      for (std::int32_t faction = 0; faction <= state::kLastFaction; ++faction) {
        for (std::int32_t c = 1; c <= state::kLastShipClass; ++c) {
          if (state::GetShipClassStat(c, state::kAttrSize) != size) continue;
          if (!EncounterCategoryAdmits(state::GetShipClassStat(c, state::kAttrEncounterCategory),
                                       faction)) {
            continue;
          }
          t.bySizeAndFaction[size][faction].push_back(c);
        }
      }
    }
    return t;
  }();
  return table;
}

// The wanted size for the roll r: size - 1 up to `smaller`, size up to `same`, else size + 1.
std::int32_t SizeByRoll(std::int32_t r, std::int32_t size, std::int32_t smaller, std::int32_t same) {
  if (r <= smaller) return size - 1;
  if (r <= same) return size;
  return size + 1;
}

}  // namespace

std::string_view MissionTitle(std::int32_t type) {
  if (type < 1 || type > kLastMissionType) return {};
  return kTitles[type];
}

std::int32_t ComputeMissionReward(std::int32_t n) {
  const std::int64_t size = PlayerShipSize();
  std::int64_t base = static_cast<std::int64_t>(n) * 10000 * size;
  if (size == 5) base *= 5;
  const std::int64_t half = std::clamp<std::int64_t>(base / 2, std::numeric_limits<std::int32_t>::min(),
                                                     std::numeric_limits<std::int32_t>::max());
  const std::int64_t reward = half + Random(static_cast<std::int32_t>(half));
  return static_cast<std::int32_t>(std::min<std::int64_t>(reward, std::numeric_limits<std::int32_t>::max()));
}

std::int32_t PickWarEnemyFaction(std::int32_t f) {
  if (f < 0 || f > state::kLastFaction) return 0;
  const state::TFactionRow& row = state::FactionData[f];
  bool any = false;
  for (std::int32_t g = 1; g <= state::kLastFaction; ++g) {
    if (g != f && row[faction::kAtWarWith + g] >= 1) any = true;
  }
  if (!any) return 0;
  for (;;) {
    const std::int32_t g = Random(5);
    if (row[faction::kAtWarWith + g] >= 1 && g != f) return g;
  }
}

std::int32_t ChooseEncounterFaction(std::int32_t kind, std::int32_t f) {
  const std::int32_t r = Random(100);
  std::int32_t pirates = 0;
  std::int32_t own = 0;
  switch (kind) {
    case 1: pirates = 20; own = 70; break;
    case 2: pirates = 30; own = 60; break;
    case 3: pirates = 20; own = 40; break;
    default: return 0;
  }
  if (r <= pirates) return 0;
  if (r <= own) return f;
  const std::int32_t enemy = PickWarEnemyFaction(f);
  return enemy != 0 ? enemy : f;
}

bool EncounterCategoryAdmits(std::int32_t category, std::int32_t faction) {
  switch (category) {
    case -1: case -2: case -3: case -4: return faction == -category;
    case 0: case 1: return true;
    case 2: return faction >= 2 && faction <= 4;
    case 3: return faction == 0 || faction == 2 || faction == 3;
    case 4: return faction >= 1 && faction <= 4;
    case 5: return faction == 0 || faction == 3 || faction == 4;
    case 6: return faction == 0 || faction == 2 || faction == 4;
    default: return false;
  }
}

std::int32_t EncounterWantedSize(std::int32_t kind, std::int32_t system, std::int32_t size,
                                 std::int32_t faction, std::int32_t r) {
  const std::int32_t pf = state::PlayerData[player::kFaction];
  const std::int32_t owner =
      system >= 0 && system < state::kSystems ? state::SystemData[system][star_system::kOwner] : 0;
  std::int32_t wanted = size;
  if (owner == pf) {
    switch (kind) {
      case 1:
        wanted = SizeByRoll(r, size, 70, 89);
        if (wanted > 2 && faction != pf) wanted = 2;
        break;
      case 2: wanted = SizeByRoll(r, size, 30, 79); break;
      case 3: wanted = SizeByRoll(r, size, 10, 60); break;
      default: break;
    }
  } else {
    switch (kind) {
      case 1: case 3: wanted = SizeByRoll(r, size, 10, 60); break;
      case 2: wanted = SizeByRoll(r, size, 20, 70); break;
      default: break;
    }
  }
  return std::clamp(wanted, 1, 5);
}

const std::vector<std::int32_t>& EncounterClasses(std::int32_t size, std::int32_t faction) {
  static const ClassList kNone;
  if (size < 1 || size > 5 || faction < 0 || faction > state::kLastFaction) return kNone;
  return Encounters().bySizeAndFaction[size][faction];
}

std::int32_t ChooseEncounterShipType(std::int32_t kind, std::int32_t system, std::int32_t size,
                                     std::int32_t faction) {
  const std::int32_t r = Random(100);
  const std::int32_t wanted = EncounterWantedSize(kind, system, size, faction, r);
  const ClassList* classes = &EncounterClasses(wanted, faction);
  ClassList other;
  if (faction < 0 || faction > state::kLastFaction) {
    // Only the categories open to everybody admit a faction outside 0..4.
    for (std::int32_t c = 1; c <= state::kLastShipClass; ++c) {
      if (state::GetShipClassStat(c, state::kAttrSize) == wanted &&
          EncounterCategoryAdmits(state::GetShipClassStat(c, state::kAttrEncounterCategory), faction)) {
        other.push_back(c);
      }
    }
    classes = &other;
  }
  if (classes->empty()) return 0;
  return (*classes)[Random(static_cast<std::int32_t>(classes->size()))];
}

}  // namespace rules
