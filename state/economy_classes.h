// The economy classes by name: what a system's class (star_system::kClass) and an inhabited
// body's kind (body::kKind above 0) hold. Like the field names (state/fields.h), the ids sit at
// the top level, next to `state`, so that every layer writes them short.
#pragma once

#include <cstdint>
#include <string_view>

#include "state/id.h"

enum class EconomyClass : std::int32_t {
  kEconomyAgricultural = 1,
  kEconomyMining = 2,
  kEconomyLuxury = 3,
  kEconomyIndustrial = 4,
  kEconomyLocalCapital = 5,
  kEconomyCapital = 6,
};
using enum EconomyClass;
inline constexpr EconomyClass kLastEconomyClass = kEconomyCapital;

namespace state {

// The caption the screens show for economy class 1..6 ("Class: Agricultural" ...); empty for any
// other number.
std::string_view EconomyClassCaption(EconomyClass economyClass);

}  // namespace state
