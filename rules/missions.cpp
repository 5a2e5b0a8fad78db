#include "rules/missions.h"

#include <algorithm>
#include <array>
#include <limits>
#include <span>
#include <vector>

#include "state/economy_classes.h"
#include "state/factions.h"
#include "state/fields.h"
#include "state/random.h"
#include "state/random_tries.h"
#include "state/ship_class_of.h"
#include "state/ship_classes.h"
#include "state/variables.h"

namespace rules {
namespace {

using state::Random;

// clang-format off
constexpr std::array<std::string_view, state::Stored(kLastMissionType) + 1> kTitles{
  "",
  "Search & Destroy",  "Patrol",          "Transport",      "Ambush",         "Bounty",
  "Supply",            "Special Forces",  "Report for duty", "Strike",        "Combat patrol",
  "Combat transport",  "Assault",         "Infiltrate",     "Escort",         "Recon",
  "Marine Landing",    "Evacuation",      "Abduction",      "Analysis",       "Blitzkrieg",
  "Flanking",          "Suppression",     "Bombing run",    "Battle",         "Siege",
  "Raiding",           "Flagship",
};
// clang-format on

constexpr int kSearchTries = 1000;  // draws of an encounter ship type before a search gives up

std::int32_t PlayerShipSize() {
  const state::ShipSize size = state::GetShipClassSize(state::ShipClassOf(state::PlayerShip));
  return std::clamp(state::Stored(size), state::Stored(state::kSizeFighter),
                    state::Stored(state::kSizeBattleship));
}

// Classes 1..19 in order, by wanted size 1..5 and faction 0..4, as ChooseEncounterShipType
// collects them. The catalogue never changes, so the lists are made once.
using ClassList = std::vector<state::ShipClassId>;
struct EncounterTable {
  std::array<std::array<ClassList, state::kLastFaction + 1>, 6> bySizeAndFaction;
};

const EncounterTable& Encounters() {
  static const EncounterTable table = [] {
    EncounterTable t;
    for (std::int32_t size = state::Stored(state::kSizeFighter);
         size <= state::Stored(state::kSizeBattleship); ++size) {
      for (const Faction faction : state::kAllFactions) {
        for (const state::ShipClassId c : state::kEveryShipClass) {
          if (state::Stored(state::GetShipClassSize(c)) != size) continue;
          if (!EncounterCategoryAdmits(state::GetShipClassEncounterCategory(c), faction)) {
            continue;
          }
          t.bySizeAndFaction[size][state::Stored(faction)].push_back(c);
        }
      }
    }
    return t;
  }();
  return table;
}

}  // namespace

std::string_view MissionTitle(MissionType type) {
  if (!state::IsMissionType(type)) return {};
  return kTitles[state::Stored(type)];
}

std::int32_t ComputeMissionReward(std::int32_t n) {
  const std::int64_t size = PlayerShipSize();
  std::int64_t base = static_cast<std::int64_t>(n) * 10000 * size;
  if (size == state::Stored(state::kSizeBattleship)) base *= 5;
  const std::int64_t half = std::clamp<std::int64_t>(base / 2, std::numeric_limits<std::int32_t>::min(),
                                                     std::numeric_limits<std::int32_t>::max());
  const std::int64_t reward = half + Random(static_cast<std::int32_t>(half));
  return static_cast<std::int32_t>(std::min<std::int64_t>(reward, std::numeric_limits<std::int32_t>::max()));
}

Faction PickWarEnemyFaction(Faction f) {
  if (!state::IsFaction(f)) return kFactionPirates;
  const state::TFactionRow& row = state::FactionData[state::Stored(f)];
  bool any = false;
  for (const Faction g : state::kPowers) {
    if (g != f && row[faction::AtWarWith(g)] >= 1) any = true;
  }
  if (!any) return kFactionPirates;
  for (;;) {
    const Faction g = state::kAllFactions[Random(5)];
    if (row[faction::AtWarWith(g)] >= 1 && g != f) return g;
  }
}

EncounterSituation EncounterSituationOf(std::int32_t system) {
  if (!state::IsSystem(system)) return kSituationOrdinary;
  const state::TSystemRow& row = state::SystemData[system];
  if (row[star_system::kCampaign] > 0) return kSituationCampaign;
  return EconomyClass{row[star_system::kClass]} == kEconomyCapital ? kSituationCapital
                                                                   : kSituationOrdinary;
}

Faction ChooseEncounterFaction(std::int32_t kind, Faction f) {
  const std::int32_t r = Random(100);
  std::int32_t pirates = 0;
  std::int32_t own = 0;
  switch (kind) {
    case kSituationCapital: pirates = 20; own = 70; break;
    case kSituationOrdinary: pirates = 30; own = 60; break;
    case kSituationCampaign: pirates = 20; own = 40; break;
    default: return kFactionPirates;
  }
  if (r <= pirates) return kFactionPirates;
  if (r <= own) return f;
  const Faction enemy = PickWarEnemyFaction(f);
  return enemy != kFactionPirates ? enemy : f;
}

bool EncounterCategoryAdmits(state::EncounterCategory category, Faction faction) {
  switch (category) {
    case state::kCategoryFederationOnly: return faction == kFactionFederation;
    case state::kCategoryOuterRimOnly: return faction == kFactionOuterRim;
    case state::kCategoryCoalitionOnly: return faction == kFactionCoalition;
    case state::kCategorySyndicateOnly: return faction == kFactionSyndicate;
    case state::kCategoryUnset: case state::kCategoryAnyone: return true;
    case state::kCategoryPowersButFederation:
      return faction >= kFactionOuterRim && faction <= kFactionSyndicate;
    case state::kCategoryPiratesOuterRimCoalition:
      return faction == kFactionPirates || faction == kFactionOuterRim ||
             faction == kFactionCoalition;
    case state::kCategoryPowers: return state::IsPower(faction);
    case state::kCategoryPiratesCoalitionSyndicate:
      return faction == kFactionPirates || faction == kFactionCoalition ||
             faction == kFactionSyndicate;
    case state::kCategoryPiratesOuterRimSyndicate:
      return faction == kFactionPirates || faction == kFactionOuterRim ||
             faction == kFactionSyndicate;
    default: return false;
  }
}

namespace {

// How a roll of 0..99 picks the size category ChooseEncounterShipType asks for: a roll up to
// `smaller` one size below the player's, up to `same` the player's, above it one size above;
// never more than `most`, and always within 1..5.
struct WantedSizeRule {
  std::int32_t smaller = -1, same = 99, most = 5;

  std::int32_t SizeFor(std::int32_t size, std::int32_t r) const {
    const std::int32_t wanted = r <= smaller ? size - 1 : r <= same ? size : size + 1;
    return Limit(wanted);
  }

  // The sizes asked for by the rolls from `from` up to the next range's `from` (or 99).
  struct Range {
    std::int32_t from = 0, size = 0;
  };
  // The ranges of rolls, in order, that ask for one size each; returns how many of `out` it set.
  int Ranges(std::int32_t size, std::array<Range, 3>& out) const {
    int count = 0;
    if (smaller >= 0) out[count++] = {0, Limit(size - 1)};
    if (same > smaller) out[count++] = {smaller + 1, Limit(size)};
    if (same < 99) out[count++] = {same + 1, Limit(size + 1)};
    return count;
  }

 private:
  std::int32_t Limit(std::int32_t wanted) const { return std::clamp(std::min(wanted, most), 1, 5); }
};

WantedSizeRule WantedSizeRuleFor(std::int32_t kind, std::int32_t system, Faction faction) {
  const Faction pf{state::PlayerData[player::kFaction]};
  const Faction owner = system >= 0 && system < state::kSystems
                            ? Faction{state::SystemData[system][star_system::kOwner]}
                            : kFactionPirates;
  if (owner == pf) {
    switch (kind) {
      // The capital's own ships stay small.
      case kSituationCapital: return {70, 89, faction != pf ? 2 : 5};
      case kSituationOrdinary: return {30, 79};
      case kSituationCampaign: return {10, 60};
      default: return {};
    }
  }
  switch (kind) {
    case kSituationCapital: case kSituationCampaign: return {10, 60};
    case kSituationOrdinary: return {20, 70};
    default: return {};
  }
}

}  // namespace

std::int32_t EncounterWantedSize(std::int32_t kind, std::int32_t system, std::int32_t size,
                                 Faction faction, std::int32_t r) {
  return WantedSizeRuleFor(kind, system, faction).SizeFor(size, r);
}

const std::vector<state::ShipClassId>& EncounterClasses(state::ShipSize size,
                                                        Faction faction) {
  static const ClassList kNone;
  if (!state::IsShipSize(size) || !state::IsFaction(faction)) return kNone;
  return Encounters().bySizeAndFaction[state::Stored(size)][state::Stored(faction)];
}

state::ShipClassId ChooseEncounterShipType(std::int32_t kind, std::int32_t system,
                                           std::int32_t size, Faction faction) {
  const std::int32_t r = Random(100);
  const state::ShipSize wanted{EncounterWantedSize(kind, system, size, faction, r)};
  const ClassList* classes = &EncounterClasses(wanted, faction);
  ClassList other;
  if (!state::IsFaction(faction)) {
    // Only the categories open to everybody admit a faction outside 0..4.
    for (const state::ShipClassId c : state::kEveryShipClass) {
      if (state::GetShipClassSize(c) == wanted &&
          EncounterCategoryAdmits(state::GetShipClassEncounterCategory(c), faction)) {
        other.push_back(c);
      }
    }
    classes = &other;
  }
  if (classes->empty()) return state::kNoShipClass;
  return (*classes)[Random(static_cast<std::int32_t>(classes->size()))];
}

state::ShipClassId SearchEncounterShipType(std::int32_t kind, std::int32_t system,
                                           std::int32_t size, Faction faction,
                                           const EncounterClassTest& test) {
  if (!state::IsFaction(faction)) {
    state::ShipClassId c = state::kNoShipClass;
    for (int draw = 0; draw < kSearchTries; ++draw) {
      c = ChooseEncounterShipType(kind, system, size, faction);
      if (test.DiscardRollFollows(c) && Random(100) <= 40) c = state::kNoShipClass;
      if (test.Accepts(c)) break;
    }
    return c;
  }

  // Whether the search ends at each class a try can draw, and whether a discard roll follows its
  // draw; worked out only for the classes of the sizes the rolls ask for, and for 0, an empty draw.
  std::array<bool, state::Stored(state::kLastShipClass) + 1> accepts{};
  std::array<bool, state::Stored(state::kLastShipClass) + 1> discardRoll{};
  const auto lookAt = [&](state::ShipClassId c) {
    accepts[state::Stored(c)] = test.Accepts(c);
    discardRoll[state::Stored(c)] = test.DiscardRollFollows(c);
  };
  lookAt(state::kNoShipClass);

  // What a try leads to for each size of ship its roll asks for. The rolls ask for at most three
  // sizes, so each size's classes are looked at once and its rolls share the outcome.
  struct Outcome {
    const std::vector<state::ShipClassId>* classes = nullptr;
    bool mayEnd = false;
    int draws = -1;  // random numbers a try on this roll uses; 0 when it depends on the class
  };
  std::array<Outcome, 6> bySize{};
  std::array<std::uint8_t, 100> sizeOfRoll{};
  std::array<state::TwoCountTries::RollRange, 3> drawsOfRolls{};
  bool anyEnds = false;
  int drawsPerTry = -1;  // random numbers every try uses, -1 while unknown, 0 when it varies
  const auto note = [](int& known, int draws) {
    if (known == -1) known = draws;
    else if (known != draws) known = 0;
  };
  std::array<WantedSizeRule::Range, 3> ranges{};
  const int rangeCount = WantedSizeRuleFor(kind, system, faction).Ranges(size, ranges);
  for (int i = 0; i < rangeCount; ++i) {
    const std::int32_t wanted = ranges[i].size;
    Outcome& outcome = bySize[static_cast<std::size_t>(wanted)];
    if (outcome.classes == nullptr) {
      outcome.classes = &EncounterClasses(state::ShipSize{wanted}, faction);
      if (outcome.classes->empty()) {
        note(outcome.draws, 1 + (discardRoll[state::Stored(state::kNoShipClass)] ? 1 : 0));
      }
      for (const state::ShipClassId c : *outcome.classes) {
        lookAt(c);
        outcome.mayEnd = outcome.mayEnd || accepts[state::Stored(c)];
        note(outcome.draws, 2 + (discardRoll[state::Stored(c)] ? 1 : 0));
      }
      anyEnds = anyEnds || outcome.mayEnd;
      note(drawsPerTry, outcome.draws);
    }
    const int end = i + 1 < rangeCount ? ranges[i + 1].from : 100;
    std::fill(sizeOfRoll.begin() + ranges[i].from, sizeOfRoll.begin() + end,
              static_cast<std::uint8_t>(wanted));
    drawsOfRolls[i] = {ranges[i].from, outcome.draws};
  }

  // When no try can end the search, only the last try's class counts: the tries before it
  // are stepped over at once when they all use the same count of numbers, or walked by their
  // counts alone when those take two values.
  int tries = kSearchTries;
  if (!anyEnds && drawsPerTry > 0) {
    state::RandSeed = state::RandomJumpOf(static_cast<std::uint64_t>(kSearchTries - 1) *
                                          static_cast<std::uint64_t>(drawsPerTry))
                          .From(state::RandSeed);
    tries = 1;
  } else if (!anyEnds) {
    state::TwoCountTries walk;
    if (walk.Build(std::span(drawsOfRolls.data(), static_cast<std::size_t>(rangeCount)))) {
      state::RandSeed = walk.Skip(state::RandSeed, kSearchTries - 1);
      tries = 1;
    }
  }

  // A try whose roll no accepted class can follow, and whose count of numbers does not depend on
  // the class, is stepped over without drawing its class. Every number of the stream is read as
  // a roll, and `rest` counts the numbers of the try being stepped over that are still to come:
  // the loop then carries no branch that depends on the numbers, so each costs a generator step.
  state::ShipClassId c = state::kNoShipClass;
  state::RandomStream random;
  int rest = 0;
  for (int made = 0; made < tries;) {
    const Outcome& roll = bySize[sizeOfRoll[random(100)]];
    const int begins = static_cast<int>(rest == 0);
    // The last try's class stands even when it is not accepted, so that try is always made in full.
    const int inFull = static_cast<int>(roll.mayEnd | (roll.draws == 0) | (made + 1 == tries));
    if ((begins & inFull) == 0) {
      made += begins;
      rest += (roll.draws & -begins) - 1;
      continue;
    }
    ++made;
    const std::vector<state::ShipClassId>& classes = *roll.classes;
    c = classes.empty() ? state::kNoShipClass
                        : classes[random(static_cast<std::int32_t>(classes.size()))];
    if (discardRoll[state::Stored(c)] && random(100) <= 40) c = state::kNoShipClass;
    if (accepts[state::Stored(c)]) break;
  }
  return c;
}

}  // namespace rules
