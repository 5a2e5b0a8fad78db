// Number formatting for money and counts shown to the player.
#pragma once

#include <cstdint>
#include <string>

namespace state {

// The decimal digits of `value` with "," before every group of three digits counted from the right
// and a leading "-" for a negative value: 1000500 reads "1,000,500", -1500 reads "-1,500".
// Every int32 is shown, the most negative one included.
std::string FormatThousands(std::int32_t value);

}  // namespace state
