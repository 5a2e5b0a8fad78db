#include "screens/shared/liveries.h"

#include <array>

namespace screens {

std::string SymbolInLivery(std::string_view picture, Faction faction) {
  static constexpr std::array<std::string_view, 5> kLiveries{"Pirate", "Federation", "Outerrim", "Coalition",
                                                             "Syndicate"};
  std::string out(picture);
  const std::int32_t livery = state::Stored(faction);
  if (livery < 0 || livery >= static_cast<std::int32_t>(kLiveries.size())) return out;
  const auto dot = out.rfind('.');
  const std::size_t end = dot == std::string::npos ? out.size() : dot;
  for (std::size_t start = 0; start < end;) {
    std::size_t stop = out.find('_', start);
    if (stop == std::string::npos || stop > end) stop = end;
    const std::string_view part = std::string_view(out).substr(start, stop - start);
    if (part == "blue" || part == "red") return out.replace(start, part.size(), kLiveries[livery]);
    start = stop + 1;
  }
  return out;
}

}  // namespace screens
