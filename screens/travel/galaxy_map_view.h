// What the galaxy map shows, built from the game state without any form: each system's blip and
// the colours of its name and price labels, the two cursors, the description of the displayed
// system and the prices panel.
#pragma once

#include <array>
#include <cstdint>
#include <string>

#include "platform/types.h"

namespace screens {

inline constexpr int kGalaxySystems = 24;
inline constexpr int kGalaxyGoods = 18;

// Label colours of the map and the prices panel.
inline constexpr platform::Color kGalaxyPlain = platform::colors::White;
inline constexpr platform::Color kGalaxyDisplayed = platform::Rgb(68, 149, 247);
inline constexpr platform::Color kGalaxyHostile = platform::colors::Red;
inline constexpr platform::Color kGalaxySelectedGood = platform::colors::Yellow;

struct GalaxySystemView {
  std::string blip;  // the picture by owner or battle; empty for a system that is not there
  platform::Color nameColour = kGalaxyPlain;
  platform::Color priceColour = kGalaxyPlain;
  bool priceShown = false;
  std::string price;  // "$ 45", or "$ ?" for a system never visited
};

struct GalaxyGoodRow {
  std::string name, price, stock;
  platform::Color colour = kGalaxyPlain;
};

struct GalaxyMapView {
  std::array<GalaxySystemView, kGalaxySystems> systems;  // system n at [n - 1]

  // The description panel of the displayed system. An empty class caption keeps the one shown.
  std::string systemName, faction, systemClass, description, logo;

  std::array<GalaxyGoodRow, kGalaxyGoods> goods;  // good n at [n - 1]
  std::string freeCargo;                          // "30/50": free space and capacity
};

// Whether system `s` belongs to a faction at war with the player's, both of them still alive.
bool GalaxySystemHostile(std::int32_t s);

// The map for the current DisplayedSystem and SelectedGood. `displayedHighlighted`: the displayed
// system was picked since the last full redraw, so both its labels show it even when hostile (a
// redraw marks only its name, and not over a hostile red). `pricesPanelShown`: the map shows the
// selected good's price at every system only while the prices panel is open.
GalaxyMapView BuildGalaxyMapView(bool displayedHighlighted, bool pricesPanelShown);

}  // namespace screens
