// Number and date formatting for money, counts and days shown to the player.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace state {

// The decimal digits of `value` with "," before every group of three digits counted from the right
// and a leading "-" for a negative value: 1000500 reads "1,000,500", -1500 reads "-1,500".
// Every int32 is shown, the most negative one included.
std::string FormatThousands(std::int32_t value);

// A name as the game's sentences quote it (a greeting, a briefing, the career summary): one of more
// than 32 characters is cut to its first 32 with "...", so that a text of a few lines stays so.
std::string NameInText(std::string_view name);

// `text` between double quotes, as a spoken line or a ship's class name is shown.
std::string Quoted(std::string_view text);

// A game day as a date "<year>.<day of the year>": years of 360 days counted from `firstYear`.
std::string DateOf(std::int32_t day, std::int32_t firstYear);

// The first year of the ship's log: day 1 of a new game is star date 2450.1.
inline constexpr std::int32_t kFirstStarDateYear = 2450;

}  // namespace state
