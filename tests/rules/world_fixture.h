// Small hand-made worlds for the economy tests: a cleared game state with the goods and four
// living factions, and helpers to place systems and bodies.
#pragma once

#include <gtest/gtest.h>

#include <cstdint>
#include <functional>
#include <string>

#include "state/fields.h"
#include "state/goods.h"
#include "state/random.h"
#include "state/variables.h"

namespace fixture {

inline constexpr int kSun = state::kKindSun;
inline constexpr int kWormhole = state::kKindWormhole;
inline constexpr int kHideout = state::kKindPirateHideout;

// The generator's state after `draws` draws from `seed`.
inline std::uint32_t SeedAfter(std::uint32_t seed, int draws) {
  for (int i = 0; i < draws; ++i) seed = seed * 134775813u + 1u;
  return seed;
}

// The first seed from which `holds` (drawing through state::Random) returns true.
inline std::uint32_t FindSeed(const std::function<bool()>& holds) {
  for (std::uint32_t seed = 0; seed < 50'000'000u; ++seed) {
    state::Randomize(seed);
    if (holds()) return seed;
  }
  ADD_FAILURE() << "no seed found";
  return 0;
}

inline void AddSystem(int s, int owner, int rating = 1) {
  state::SystemData[s][star_system::kPresent] = 1;
  state::SystemData[s][star_system::kOwner] = owner;
  state::SystemData[s][star_system::kClass] = rating;
  state::SystemText[s][system_text::kName] = "System " + std::to_string(s);
}

// A visible body of its system's owner; `destination` is a wormhole's target system.
inline void AddBody(int s, int b, int kind, int destination = 0) {
  state::TBodyRow& body = state::BodyData[s][b];
  body[body::kVisible] = 1;
  body[body::kOwner] = state::SystemData[s][star_system::kOwner];
  body[body::kKind] = kind;
  body[body::kDestination] = destination;
}

// Two systems with their wormholes to each other.
inline void Link(int s, int bodyInS, int t, int bodyInT) {
  AddBody(s, bodyInS, kWormhole, t);
  AddBody(t, bodyInT, kWormhole, s);
}

class World : public ::testing::Test {
 protected:
  void SetUp() override {
    state::ClearGameState();
    state::FillGoodTables();
    const char* names[] = {"Pirates", "Federation", "Outer Rim", "Coalition", "Syndicate"};
    for (int f = 0; f <= state::kLastFaction; ++f)
      state::FactionText[f][faction_text::kShortName] = names[f];
    for (int f = 1; f <= state::kLastFaction; ++f) state::FactionData[f][faction::kAlive] = 1;
    state::GameDay = 1;
    state::NoWarPopups = 0;
    state::Randomize(1);
  }
};

}  // namespace fixture
