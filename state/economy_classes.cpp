#include "state/economy_classes.h"

#include <array>

#include "state/id.h"

namespace state {

std::string_view EconomyClassCaption(EconomyClass economyClass) {
  static constexpr std::array<std::string_view, Stored(kLastEconomyClass)> kCaptions{
      "Class: Agricultural", "Class: Mining",        "Class: Luxury",
      "Class: Industrial",   "Class: Local capital", "Class: Capital",
  };
  if (economyClass < kEconomyAgricultural || economyClass > kLastEconomyClass) return {};
  return kCaptions[Stored(economyClass) - 1];
}

}  // namespace state
