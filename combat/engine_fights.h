// Fights without a screen: a decorator of the rules' Ui that runs every ship fight the rules start
// (encounters, mission fights) on the combat engine, with the duel's simple captain at the helm,
// and hands everything else on to the Ui underneath. The simulation tool and the tests that follow
// a fight from the encounter roll to its outcome use it.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "combat/recording_ui.h"
#include "rules/forwarding_ui.h"
#include "state/factions.h"
#include "state/ship_classes.h"
#include "state/ship_kinds.h"

namespace combat {

class BoardingUi;

// The boarding captain of fights without a screen. Accepts the boarding offer when the boarding
// crew is stronger than the enemy's whole crew.
bool CaptainBoards();

// Fights an opened boarding fight to its end: standard attacks area by area (the commando
// assault once only droids are left), the bridge when the crew is stronger than everyone left
// aboard, else the cargo bay for plunder; retreats when the area's defenders are more than twice
// as strong, or when `maxExchanges` exchanges have not decided it. Every question on the way is
// answered yes by the screen; a captured ship is kept when its class is worth more than the own.
void PlayBoardingFight(BoardingUi& ui, int maxExchanges = 10000);

class EngineFights : public rules::ForwardingUi {
 public:
  explicit EngineFights(rules::Ui& inner, int maxRounds = 1000)
      : ForwardingUi(inner), maxRounds_(maxRounds) {}

  // The combat engine's set-up of the fight. Its screen takes a boarding offer by CaptainBoards
  // and fights the boarding with PlayBoardingFight.
  void SetupShipCombat(state::ShipClassId enemyClass, Faction enemyFaction, ShipKind enemyKind,
                       std::int32_t enemyTier) override;

  // Plays the prepared fight until the combat screen would close (or maxRounds player turns have
  // passed: then the enemy is still there, as when the player flees), then closes it.
  void RunShipCombat() override;

  // Prepares both fleets and fights the battle with a simple captain (escorts first, at the
  // weakest target; personally when no escort is left); the own attacks are ship fights on the
  // engine. Retreats when kMaxFleetOrders orders have not decided it. Returns FleetBattleWon.
  bool RunFleetBattle(Faction enemyFaction, std::int32_t fleetKind) override;
  int FleetBattlesRun() const { return fleetBattlesRun_; }

  // Every line of every fight so far: messages, popups, questions and sound cues.
  const std::vector<std::string>& Transcript() const { return transcript_; }
  int FightsRun() const { return fightsRun_; }

 private:
  int maxRounds_;
  int fightsRun_ = 0;
  int fleetBattlesRun_ = 0;
  static constexpr int kMaxFleetOrders = 200;
  std::unique_ptr<RecordingUi> screen_;  // the combat screen of the fight being prepared
  std::vector<std::string> transcript_;
};

}  // namespace combat
