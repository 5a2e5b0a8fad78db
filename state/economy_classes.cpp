#include "state/economy_classes.h"

#include <array>

namespace state {

std::string_view EconomyClassCaption(std::int32_t economyClass) {
  static constexpr std::array<std::string_view, kLastEconomyClass> kCaptions{
      "Class: Agricultural", "Class: Mining",        "Class: Luxury",
      "Class: Industrial",   "Class: Local capital", "Class: Capital",
  };
  if (economyClass < 1 || economyClass > kLastEconomyClass) return {};
  return kCaptions[economyClass - 1];
}

}  // namespace state
