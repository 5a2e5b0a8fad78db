// Where the player may take missions and join a war: what the travel screen's missions icon and
// invasion button lead to, decided from the game state so the screen only shows it.
#pragma once

#include <string>

namespace rules {

enum class MissionsRoute {
  Nothing,         // not in a star system
  Refusal,         // a text popup (topic, text) and nothing else
  Missions,        // the missions of the system: see DecideMissionsOpening
  CampaignScreen,  // the campaign screen of the system's war
  MissionPanel,    // the running mission's panel, opened or closed
  MissionBoard,    // the system's mission board
};

struct MissionsAccess {
  MissionsRoute route = MissionsRoute::Nothing;
  std::string topic;  // of a refusal
  std::string text;
  bool campaign = false;            // decided by the system's war: the screen opens with a sound
  bool ownPeacefulSystem = false;   // the player's own system at peace
};

// The missions icon: a criminal is refused; a system at peace gives missions only to its owner's
// faction; in a system at war either side gets the campaign screen, or its missions while one
// runs, and everyone else is refused.
MissionsAccess DecideMissionsIcon();

// Opening the missions: the running mission's panel, else the board when every one of its five
// offer slots is filled (an empty slot means no uplink).
MissionsAccess DecideMissionsOpening();

// The invasion button of a system at war: a criminal is refused, a faction on neither side too;
// either side gets the campaign screen.
MissionsAccess DecideInvasionButton();

}  // namespace rules
