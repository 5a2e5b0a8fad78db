// What the campaign screen shows of the siege of the system where the ship is, built from the game
// state without any form, and the strike on the defenders' starbase. No SDL in here.
#pragma once

#include <cstdint>
#include <string>

#include "rules/ui.h"
#include "state/factions.h"

namespace screens {

// Whether the campaign screen opens for the ship's system: a campaign runs there, the player is not
// wanted as a criminal, and the player's faction owns the system or attacks it.
bool CampaignScreenOpens();

// How strong each side's fleet shows, 0..4. Both stay at 2 until the siege is past its middle day;
// then the side ahead on points shows stronger as its lead grows.
struct FleetLevels {
  int attacker = 2;
  int defender = 2;
};
FleetLevels CampaignFleetLevels(std::int32_t days, std::int32_t siegeDays,
                                std::int32_t attackerPoints, std::int32_t defenderPoints);

// How many of a side's small and big ship symbols show at a level (the first ones of each row);
// the defender at level 0 has nothing left but its starbase.
struct FleetSymbolCount {
  int small = 0;
  int big = 0;
};
FleetSymbolCount AttackerSymbols(int level);
FleetSymbolCount DefenderSymbols(int level);

struct CampaignView {
  std::string topic;      // "System defense" or "Invasion"
  std::string situation;  // the situation report, in double quotes
  std::string influence;  // High Command on the player's part, in double quotes
  std::string days;       // "145/325 days"
  FleetLevels levels;
  FleetSymbolCount attackerShips, defenderShips;
  // The player's side is blue, the other red; the attacker faces right, the defender left.
  std::string attackerSmall, attackerBig, defenderSmall, defenderBig, starbase, starSystem;
};

// The screen for the ship's system. Draws and keeps the texts' wordings the first time.
CampaignView BuildCampaignView();

enum class StrikeResult {
  OwnStarbase,         // the player's faction defends the system
  BattleshipRequired,  // the player's ship is smaller than a battleship
  Declined,            // the player said no to the question
  Won,                 // the starbase fell: the siege ends as the attacker's
  Lost,                // the strike failed: the siege ends as the defender's
};

// The strike on the starbase of the ship's system in a fleet battle. A refusal or a declined
// question changes nothing. A strike ends the siege at once through one campaign day: won, the
// defender is left without points; lost, the attacker is. A ship lost in the battle is lost as in
// any fight.
StrikeResult StrikeStarbase(rules::Ui& ui);

// The strike in its two halves, for a screen that runs the battle itself: the refusals and the
// question, then the end of the siege by the battle's outcome.
struct StrikeOrder {
  StrikeResult refusal = StrikeResult::Declined;  // when not `go`
  bool go = false;
  Faction enemyFaction = kFactionPirates;  // the system's owner
  std::int32_t fleetKind = 0;     // a weakened or a strong defence
};
StrikeOrder AskForStrike(rules::Ui& ui);
StrikeResult FinishStrike(bool won, rules::Ui& ui);

}  // namespace screens
