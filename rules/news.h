// The galaxy's news feed: the 20 most recent entries of NewsList/NewsHeadline, newest in row 1.
// Market news appear by chance each day; war news are written by the war rules. An entry's text is
// composed from sentence variants drawn once and kept in the entry, so it reads the same each time
// it is opened, also after a load.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "state/id.h"

namespace rules {

// NewsList[slot][news::kKind].
enum class NewsKind : std::int32_t {
  kNewsNeedForGoods = 1,
  kNewsSurplus = 2,
  kNewsPirateAttack = 3,
  kNewsIncreasedPatrols = 4,
  kNewsWarDeclared = 5,
  kNewsCeaseFire = 6,
  kNewsInvasion = 7,
  kNewsSystemCaptured = 8,
  kNewsInvasionFailed = 9,
};
using enum NewsKind;

// Pushes every entry one row down (the oldest, row 20, is lost) and returns the slot of the new,
// cleared entry: always 1.
int InsertNewsEntry();

// The daily market-news step: lifetimes run down, and on 6 days in 100 a market news is written.
void UpdateMarketNews();

// Text builders: the entry's text in double quotes. Each draws the entry's missing sentence
// variants on first use and keeps them in the entry. A slot outside 1..20 gives an empty text.
std::string BuildNeedForGoodsNews(std::string_view system, std::string_view good, int slot);
std::string BuildSurplusNews(std::string_view system, std::string_view good, int slot);
std::string BuildPirateAttackNews(std::string_view system, std::string_view good, int slot);
std::string BuildIncreasedPatrolsNews(std::string_view system, std::string_view good, int slot);
std::string BuildWarDeclaredNews(std::string_view declaring, std::string_view other, int slot);
std::string BuildCeaseFireNews(std::string_view first, std::string_view second, int slot);
std::string BuildInvasionNews(std::string_view attacker, std::string_view defender,
                              std::string_view system, int slot);
std::string BuildSystemCapturedNews(std::string_view attacker, std::string_view defender,
                                    std::string_view system, int slot);
std::string BuildInvasionFailedNews(std::string_view attacker, std::string_view defender,
                                    std::string_view system, int slot);

// The text of entry `slot` by its kind, with the names taken from the entry's fields (what the
// travel screen shows when the player opens an entry).
std::string BuildNewsText(int slot);

// "Trade news!" for market news, "War news!" for war news.
std::string_view NewsTopic(NewsKind kind);

}  // namespace rules
