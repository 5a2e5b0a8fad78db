// What the crew combat screen shows, built from the boarding tables without any form: the crew
// counts of both sides, the four areas of the enemy ship, and whether the attack buttons answer
// the mouse. The information texts of the crew kinds shown from their pictures are in
// state/crew.h.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

#include "state/crew.h"

namespace screens {

inline constexpr int kDefenderKinds = 3;  // crewmen (or pirates), marines, droids
inline constexpr int kBoardingAreas = 4;  // airlock, corridors, cargo bay, bridge

struct BoardingAreaView {
  bool visible = false;   // an area the ship does not have is hidden
  std::string picture;    // red (open), grey (not yet selectable) or blue (secured)
  std::string label;      // the compatibility mode's text for the area
};

struct BoardingView {
  // Plain decimal counts: crewmen, officers, pirates, marines, droids.
  std::array<std::string, state::kCrewKindCount> crew;
  // The defenders of the current area: crewmen (or pirates), marines, droids.
  std::array<std::string, kDefenderKinds> defenders;
  std::array<BoardingAreaView, kBoardingAreas> areas;
  // The attack buttons light under the mouse only while fighting in an area.
  bool attacksLive = false;
  bool compatibilityLabels = false;
};

BoardingView BuildBoardingView();

}  // namespace screens
