// The economy classes by name: what a system's class (star_system::kClass) and an inhabited
// body's kind (body::kKind above 0) hold. Like the field names (state/fields.h), the ids sit at
// the top level, next to `state`, so that every layer writes them short.
#pragma once

#include <cstdint>
#include <string_view>

enum EconomyClass : std::int32_t {
  kEconomyAgricultural = 1,
  kEconomyMining = 2,
  kEconomyLuxury = 3,
  kEconomyIndustrial = 4,
  kEconomyLocalCapital = 5,
  kEconomyCapital = 6,
};
inline constexpr std::int32_t kLastEconomyClass = 6;

namespace state {

// The caption the screens show for economy class 1..6 ("Class: Agricultural" ...); empty for any
// other number.
std::string_view EconomyClassCaption(std::int32_t economyClass);

}  // namespace state
