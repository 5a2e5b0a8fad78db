// A row's kind, taken apart: "button.lit", "ship.east.fire=3.hull=Patton.Pirate_",
// "bar.fill=7/25.shield". The first word is the shape; the rest are states, flags of that shape,
// colour names from the catalogue, and name=value parameters.
#pragma once

#include <cstdint>
#include <map>
#include <optional>
#include <set>
#include <string>
#include <string_view>

#include "tools/assetgen/catalogue.h"

namespace assetgen {

struct Style {
  std::string shape;
  bool lit = false;  // highlighted twin (mouse over)
  bool on = false;   // selected / switched on
  bool off = false;  // switched off / unavailable
  bool dim = false;  // greyed out
  std::set<std::string, std::less<>> flags;
  std::optional<Rgb> tint;
  std::map<std::string, std::string, std::less<>> params;

  bool Has(std::string_view flag) const { return flags.contains(flag); }
  int Int(std::string_view name, int fallback) const;
  double Fraction(std::string_view name, double fallback) const;  // "a/b", clamped to 0..1
  std::string Text(std::string_view name) const;
};

// Parameters every shape understands: hue (a colour picked by hashing the value).
// Throws std::invalid_argument naming the modifier that is neither a state, a flag the shape
// allows, a colour name, nor a known parameter.
Style ParseStyle(std::string_view kind, const Catalogue& catalogue, const std::set<std::string, std::less<>>& flags,
                 const std::set<std::string, std::less<>>& params);

std::uint32_t Hash(std::string_view text);  // FNV-1a, for deterministic variety

}  // namespace assetgen
