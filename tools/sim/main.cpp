// farhaven-sim --seed N --faction F --profession P --days D
//
// Builds a new world for a captain of faction F (1..4) and profession P (1..6) from random seed N,
// runs D daily turns without any screen (every question gets its default answer) and prints a
// digest of the state at the end. The same arguments give the same digest on every run and build.
#include <charconv>
#include <cstdint>
#include <cstdio>
#include <string_view>

#include "rules/daily_turn.h"
#include "rules/new_game.h"
#include "rules/null_ui.h"
#include "state/factions.h"
#include "state/fields.h"
#include "state/professions.h"
#include "state/random.h"
#include "state/start_ship.h"
#include "state/variables.h"
#include "tools/sim/digest.h"

namespace {

constexpr std::string_view kUsage =
    "usage: farhaven-sim --seed N --faction F --profession P --days D\n"
    "  N  random seed, 0..4294967295\n"
    "  F  faction, 1..4\n"
    "  P  profession, 1..6\n"
    "  D  days to run after the new world, 0..10000000\n";

bool ParseNumber(std::string_view text, std::int64_t low, std::int64_t high, std::int64_t& out) {
  std::int64_t value = 0;
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
  if (error != std::errc() || end != text.data() + text.size() || value < low || value > high) {
    return false;
  }
  out = value;
  return true;
}

struct Options {
  std::int64_t seed = -1, faction = -1, profession = -1, days = -1;
};

bool ParseOptions(int argc, char** argv, Options& options) {
  for (int i = 1; i < argc; i += 2) {
    if (i + 1 >= argc) return false;
    const std::string_view name = argv[i];
    const std::string_view value = argv[i + 1];
    bool ok = false;
    if (name == "--seed") ok = ParseNumber(value, 0, 4294967295LL, options.seed);
    else if (name == "--faction")
      ok = ParseNumber(value, state::Stored(kFactionFederation), state::Stored(kFactionSyndicate),
                       options.faction);
    else if (name == "--profession")
      ok = ParseNumber(value, state::Stored(kProfessionTrader), state::Stored(state::kLastProfession),
                       options.profession);
    else if (name == "--days") ok = ParseNumber(value, 0, 10000000, options.days);
    if (!ok) {
      std::fprintf(stderr, "farhaven-sim: bad option %s %s\n", argv[i], argv[i + 1]);
      return false;
    }
  }
  return options.seed >= 0 && options.faction >= 0 && options.profession >= 0 && options.days >= 0;
}

}  // namespace

int main(int argc, char** argv) {
  Options options;
  if (!ParseOptions(argc, argv, options)) {
    std::fputs(kUsage.data(), stderr);
    return 2;
  }
  // Every screen stays hidden and every question gets its default answer.
  rules::NullUi headless;
  state::Randomize(static_cast<std::uint32_t>(options.seed));
  state::ClearGameState();
  const Profession profession{static_cast<std::int32_t>(options.profession)};
  const Faction faction{static_cast<std::int32_t>(options.faction)};
  state::PlayerData[player::kProfession] = state::Stored(profession);
  state::PlayerData[player::kFaction] = state::Stored(faction);
  rules::CreateNewGameWorld(state::StartShipClass(profession, faction), headless);
  for (std::int64_t day = 0; day < options.days; ++day) rules::AdvanceDay(headless);
  std::fputs(sim::Digest().c_str(), stdout);
  return 0;
}
