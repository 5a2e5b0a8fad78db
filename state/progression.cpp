#include "state/progression.h"

#include <array>
#include <limits>

#include "state/fields.h"
#include "state/ranks.h"
#include "state/variables.h"

namespace state {
namespace {

constexpr std::int32_t kDaysPerYear = 360;
constexpr std::int32_t kStartAge = 22;
constexpr std::int32_t kAgeWithoutAging = 20;
constexpr std::int32_t kLastPortrait = 2;

// Portrait pictures come in age bands; the band's name is the first age it covers.
struct PortraitBand {
  std::int32_t lastAge;
  const char* name;
};
constexpr std::array<PortraitBand, 5> kPortraitBands{{
    {34,     "20"},
    {49,     "35"},
    {69,     "50"},
    {149,    "70"},
    {100000, "150"},
}};

// Experience to leave levels 0..7; from level 8 on the threshold follows a rule.
constexpr std::array<std::int32_t, 8> kEarlyLevelExperience{
    0, 8000, 15000, 25000, 35000, 55000, 75000, 110000};
constexpr std::int64_t kExperienceStep = 150000;

struct RankTitles {
  const char* title;
  const char* shortTitle;
};
//                                            title                   short title
constexpr std::array<RankTitles, Stored(kLastTitledRank) + 1> kRankTitles{{
    /* 0 */ {nullptr,                nullptr},
    /* 1 */ {"Ensign",               "Ens."},
    /* 2 */ {"2nd Lieutenant",       "2nd Lt."},
    /* 3 */ {"1st Lieutenant",       "1st Lt."},
    /* 4 */ {"Lieutenant Commander", "Lt. Com."},
    /* 5 */ {"Commander",            "Com."},
    /* 6 */ {"Captain",              "Cpt."},
    /* 7 */ {"Admiral",              "Adm."},
}};

const RankTitles* FindRank(Rank rank) {
  if (rank < kRankEnsign || rank > kLastTitledRank) return nullptr;
  return &kRankTitles[Stored(rank)];
}

}  // namespace

std::int32_t GetPlayerAge() {
  if (NoAgingFlag == 1) return kAgeWithoutAging;
  return GameDay / kDaysPerYear + kStartAge;
}

std::string GetHeroPortraitFile() {
  const std::int32_t portrait = PlayerData[player::kPortrait];
  const std::int32_t age = GetPlayerAge();
  if (portrait < 0 || portrait > kLastPortrait || age < 0) return {};
  for (const PortraitBand& band : kPortraitBands) {
    if (age <= band.lastAge) {
      return "hero" + std::to_string(portrait + 1) + "_" + band.name + "y.jpg";
    }
  }
  return {};
}

std::int32_t GetLevelExperience(std::int32_t level) {
  if (level <= 0) return 0;
  if (level < static_cast<std::int32_t>(kEarlyLevelExperience.size())) {
    return kEarlyLevelExperience[level];
  }
  // Far beyond the last level the threshold passes the int32 range long before this bound; the
  // bound keeps the 64-bit product below from overflowing as well.
  constexpr std::int64_t kMax = std::numeric_limits<std::int32_t>::max();
  if (level >= 1000) return static_cast<std::int32_t>(kMax);
  std::int64_t experience = (static_cast<std::int64_t>(level) - 7) * kExperienceStep;
  if (level >= 15) experience *= static_cast<std::int64_t>(level) - 14;
  return static_cast<std::int32_t>(experience > kMax ? kMax : experience);
}

std::string GetRankTitle(Faction faction, Rank rank, std::string_view otherwise) {
  const RankTitles* titles = FindRank(rank);
  return std::string(titles ? titles->title : otherwise);
}

std::string GetRankTitleShort(Faction faction, Rank rank, std::string_view otherwise) {
  const RankTitles* titles = FindRank(rank);
  return std::string(titles ? titles->shortTitle : otherwise);
}

}  // namespace state
