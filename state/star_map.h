// The fixed star map of a new game: 24 star systems, their bodies and the map spots where space
// finds may appear. Only the new world reads these tables; afterwards the game state holds the
// map and the rules change it there (owners, hidden hideouts).
#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <string_view>

#include "state/economy_classes.h"
#include "state/factions.h"

namespace state {

struct StarSystemRow {
  std::int32_t system;
  std::string_view name;
  Faction owner;             // 1..4
  EconomyClass systemClass;
};

// How a body is drawn and described beyond its kind.
enum class BodyMark : std::uint8_t {
  kNone,
  kRocks,         // asteroid field (body::kAsteroidField = 1)
  kMiningRocks,   // asteroid field with a mining facility (body::kAsteroidField = 1)
};

// A body's kind as the table writes it and body::kKind stores it: -3 pirate hideout, -2 sun,
// -1 wormhole, 0 barren, or an inhabited body's economy class 1..6 under its own name.
class StarBodyKind {
 public:
  constexpr StarBodyKind(std::int32_t kind) : kind_(kind) {}
  constexpr StarBodyKind(EconomyClass economyClass) : kind_(Stored(economyClass)) {}
  constexpr operator std::int32_t() const { return kind_; }

 private:
  std::int32_t kind_;
};

struct StarBodyRow {
  std::int32_t system;
  std::int32_t slot;
  StarBodyKind kind;
  std::string_view name;     // empty: the standard name of its kind
  std::int32_t x, y;         // position on the system map
  std::int32_t picture;      // planets only; suns, wormholes and hideouts have fixed pictures
  std::int32_t cityPicture;  // 0 = none
  std::int32_t destination;  // wormhole: destination system
  std::int32_t jumpLength;   // wormhole: days of the jump
  BodyMark mark;
};

struct SpaceFindSpots {
  std::int32_t system;
  std::int32_t x1, y1, x2, y2, x3, y3, x4, y4;  // slots 1..4
};

// Every system's first body is its sun and its second its main planet (a fleet mission's target,
// the tutorial's first planet).
inline constexpr std::int32_t kSunBody = 1;
inline constexpr std::int32_t kMainPlanetBody = 2;

// Pictures of the bodies whose picture follows from their kind.
inline constexpr std::int32_t kSunPicture = 1;
inline constexpr std::int32_t kWormholePicture = 7;
inline constexpr std::int32_t kHideoutPicture = 25;

// The 24 systems in order 1..24.
std::span<const StarSystemRow> StarSystems();
// Every body of every system, by system and slot.
std::span<const StarBodyRow> StarBodies();
// Space-find spots of systems 1..24 in order.
std::span<const SpaceFindSpots> StarSpaceFindSpots();

// Name of a body as the map shows it: planets their own name, suns "Sun", hideouts "Pirate
// hideout", wormholes "Wormhole to " and the destination's name unless the row names it.
std::string StarBodyName(const StarBodyRow& body);

// Description texts (in world_texts.cpp).
std::string_view StarSystemDescription(std::int32_t system);
std::string_view StarBodyDescription(const StarBodyRow& body);

}  // namespace state
