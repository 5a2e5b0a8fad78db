// Hiring and dismissing crew at a port. Crewmen, officers and marines are hired at a normal
// planet, pirates only at a pirate hideout, battle droids never (they are seized in boarding
// fights). A hire needs room aboard (the class's maximum crew, more with the boarding shuttle) and
// the price in credits; a dismissal pays nothing back and may leave the ship below its minimum
// crew.
//
// A refusal changes nothing and is handed back to the caller, who shows it: the crew screen stops
// its hold-to-repeat hiring before the popup opens.
#pragma once

#include <cstdint>
#include <optional>
#include <string_view>

#include "rules/ui.h"
#include "state/crew.h"

namespace rules {

struct CrewRefusal {
  std::string_view topic;
  std::string_view text;
};

// Whether `kind` is for hire where the ship is: the refusal of the place, if any.
std::optional<CrewRefusal> CrewHirePlaceRefusal(state::CrewKind kind);

// One hire of `kind`: the room aboard and the credits are checked, then the price is paid, the
// count rises by one and the status bars are redrawn. The place is not checked here (see above).
std::optional<CrewRefusal> HireCrewMember(state::CrewKind kind, Ui& ui);

// One dismissal of `kind`, refused when there is nobody of that kind aboard.
std::optional<CrewRefusal> DismissCrewMember(state::CrewKind kind);

// The maximum and minimum crew of the player's ship.
std::int32_t PlayerMaxCrew();
std::int32_t PlayerMinCrew();

}  // namespace rules
