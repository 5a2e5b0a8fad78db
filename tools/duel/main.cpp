// farhaven-duel: sets up one fight against a new world, plays it with a captain who fires while
// the action points last, ends the turn and turns every boarding offer down, and prints everything
// that happened.
//
//   farhaven-duel --seed N --player-class C --enemy-class E --faction F --kind K
//
// F is the enemy's faction (0 the pirates, 1..4), K the enemy's kind 1..3. The player flies for
// the Federation as a combat trader.
#include <charconv>
#include <cstdint>
#include <cstdio>
#include <string>
#include <string_view>

#include "combat/duel.h"
#include "rules/null_ui.h"
#include "state/factions.h"
#include "state/format.h"
#include "state/ship_classes.h"
#include "state/ship_kinds.h"
#include "state/variables.h"

namespace {

struct NoScreens : rules::NullUi {};

bool ParseInt(std::string_view text, std::int64_t& value) {
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
  return error == std::errc() && end == text.data() + text.size();
}

int Usage(const char* problem) {
  std::fprintf(stderr,
               "farhaven-duel: %s\n"
               "usage: farhaven-duel --seed N --player-class C --enemy-class E --faction F "
               "--kind K\n"
               "  C 1..19, E -1 (starbase) or 1..19, F 0..4, K 1..3, N 0..4294967295\n",
               problem);
  return 2;
}

}  // namespace

int main(int argc, char** argv) {
  combat::DuelSetup setup;
  bool seen[5] = {};
  for (int i = 1; i < argc; ++i) {
    const std::string_view name = argv[i];
    if (i + 1 >= argc) return Usage("every option needs a value");
    std::int64_t value = 0;
    if (!ParseInt(argv[++i], value)) return Usage("values must be whole numbers");
    if (name == "--seed" && value >= 0 && value <= 0xFFFFFFFFll) {
      setup.seed = static_cast<std::uint32_t>(value), seen[0] = true;
    } else if (name == "--player-class" && value >= state::Stored(state::kClassStarwolf) &&
               value <= state::Stored(state::kLastShipClass)) {
      setup.playerClass = state::ShipClassId{static_cast<std::int32_t>(value)}, seen[1] = true;
    } else if (name == "--enemy-class" && (value == state::Stored(state::kStarbaseClass) ||
                                           (value >= state::Stored(state::kClassStarwolf) &&
                                            value <= state::Stored(state::kLastShipClass)))) {
      setup.enemyClass = state::ShipClassId{static_cast<std::int32_t>(value)}, seen[2] = true;
    } else if (name == "--faction" && value >= state::Stored(kFactionPirates) &&
               value <= state::Stored(kFactionSyndicate)) {
      setup.enemyFaction = Faction{static_cast<std::int32_t>(value)}, seen[3] = true;
    } else if (name == "--kind" && value >= state::Stored(kTraderShip) &&
               value <= state::Stored(kPirateShip)) {
      setup.enemyKind = ShipKind{static_cast<std::int32_t>(value)}, seen[4] = true;
    } else {
      return Usage("unknown option or value out of range");
    }
  }
  for (bool s : seen)
    if (!s) return Usage("all five options are needed");

  NoScreens screens;
  combat::RecordingUi ui(screens);
  ui.defaultAnswer = false;  // the captain turns every boarding offer down
  combat::RecordingSound sound(ui.transcript);
  audio::SetSoundOutput(&sound);
  state::SoundEffectsOn = 1;
  state::MusicOn = 0;

  combat::SetupDuel(setup, ui);
  const combat::DuelResult result = combat::PlayDuel(ui);
  audio::SetSoundOutput(nullptr);

  for (const std::string& line : ui.transcript) std::printf("%s\n", line.c_str());
  const char* outcome = !result.ended            ? "undecided"
                        : result.playerWon       ? "the enemy ship is destroyed"
                        : result.playerDestroyed ? "the player's ship is destroyed"
                                                 : "the fight ended";
  std::printf("result: %s after %d turns; experience %d -> %d, level %d -> %d; loot $%s\n",
              outcome, result.rounds, result.experienceBefore, result.experienceAfter,
              result.levelBefore, result.levelAfter,
              state::FormatThousands(static_cast<std::int32_t>(result.credits)).c_str());
  return 0;
}
