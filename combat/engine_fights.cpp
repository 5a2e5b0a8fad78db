#include "combat/engine_fights.h"

#include <string_view>

#include "combat/boarding.h"
#include "combat/boarding_outcome.h"
#include "combat/combat_end.h"
#include "combat/duel.h"
#include "combat/fleet_battle.h"
#include "combat/fleet_captain.h"
#include "combat/recording_boarding_ui.h"
#include "combat/recording_fleet_ui.h"
#include "combat/setup.h"
#include "state/fields.h"
#include "state/ship_class_of.h"
#include "state/ship_classes.h"
#include "state/variables.h"

namespace combat {
namespace {

// Strength of everyone left aboard the enemy ship outside the current area.
std::int64_t EnemyReserveStrength() {
  const auto& e = state::EnemyShip;
  return 10 * (static_cast<std::int64_t>(e[ship::kCrewmen]) + e[ship::kPirates]) +
         30 * static_cast<std::int64_t>(e[ship::kMarines]) +
         50 * static_cast<std::int64_t>(e[ship::kDroids]);
}

// The crew combat screen of the boarding captain: keeps a captured ship worth more than the own,
// takes every other first answer (a ransom).
class CaptainBoardingUi : public RecordingBoardingUi {
 public:
  explicit CaptainBoardingUi(RecordingUi& combat) : RecordingBoardingUi(combat, combat.transcript) {}

  bool Choose(std::string_view topic, std::string_view text, std::string_view picture,
              std::string_view first, std::string_view second) override {
    bool answer = true;
    if (topic == "Keep enemy ship?") {
      const std::int32_t own =
          state::GetShipClassStat(state::ShipClassOf(state::PlayerShip), state::kAttrPrice);
      const std::int32_t taken =
          state::GetShipClassStat(state::ShipClassOf(state::EnemyShip), state::kAttrPrice);
      answer = taken <= own;  // the first answer sells
    }
    choices.push_front(answer);
    return RecordingBoardingUi::Choose(topic, text, picture, first, second);
  }
};

// The combat screen of fights without a screen: the captain decides the boarding offer and fights
// the boarding, answering its questions yes.
class CaptainScreen : public RecordingUi {
 public:
  using RecordingUi::RecordingUi;

  bool AskWithPicture(std::string_view topic, std::string_view text,
                      std::string_view picture) override {
    if (topic == "Boarding?") answers.push_front(CaptainBoards());
    return RecordingUi::AskWithPicture(topic, text, picture);
  }

  bool Ask(std::string_view topic, std::string_view text) override {
    if (boarding_) answers.push_front(true);
    return RecordingUi::Ask(topic, text);
  }

  void OpenBoarding() override {
    RecordingUi::OpenBoarding();
    CaptainBoardingUi board(*this);
    boarding_ = true;
    PlayBoardingFight(board);
    boarding_ = false;
  }

 private:
  bool boarding_ = false;
};

// The open area the captain storms next; 0 when none is open.
std::int32_t NextArea() {
  const auto& areas = state::BoardingAreas;
  if (AreaState{areas[boarding_area::kAirlock]} == kAreaOpen) return boarding_area::kAirlock;
  if (AreaState{areas[boarding_area::kCorridors]} == kAreaOpen) return boarding_area::kCorridors;
  const bool bridge = AreaState{areas[boarding_area::kBridge]} == kAreaOpen;
  const bool cargo = AreaState{areas[boarding_area::kCargoBay]} == kAreaOpen;
  if (bridge && (!cargo || BoardingCrewStrength() > EnemyReserveStrength()))
    return boarding_area::kBridge;
  if (cargo) return boarding_area::kCargoBay;
  return 0;
}

}  // namespace

bool CaptainBoards() { return BoardingCrewStrength() > EnemyReserveStrength(); }

void PlayBoardingFight(BoardingUi& ui, int maxExchanges) {
  StartBoardingFight(ui);
  const auto& p = state::PlayerShip;
  for (int n = 0; n < maxExchanges && !ui.IsClosed(); ++n) {
    if (BoardingPhase == kChoosingPhase) {
      const std::int32_t area = NextArea();
      if (area == 0) break;
      ChooseBoardingArea(area, ui);
      continue;
    }
    if (2 * BoardingCrewStrength() < BoardingDefenderStrength()) break;
    const bool onlyDroids = p[ship::kCrewmen] == 0 && p[ship::kOfficers] == 0 &&
                            p[ship::kMarines] == 0 && p[ship::kPirates] == 0 &&
                            p[ship::kDroids] > 0;
    BoardingExchange(onlyDroids ? BoardingAttack::Commando : BoardingAttack::Standard, ui);
  }
  if (!ui.IsClosed()) RetreatFromBoarding(ui);
}

void EngineFights::SetupShipCombat(state::ShipClassId enemyClass, Faction enemyFaction,
                                   ShipKind enemyKind, std::int32_t enemyTier) {
  // The combat screen's rules calls (credits, experience, promotions) come back through this Ui.
  screen_ = std::make_unique<CaptainScreen>(*this);
  combat::SetupShipCombat(enemyClass, enemyFaction, enemyKind, enemyTier, *screen_);
}

void EngineFights::RunShipCombat() {
  if (!screen_) return;  // nothing was prepared
  RecordingUi& screen = *screen_;
  PrepareShipCombat();
  RefreshShipCombatScreen(screen);
  for (int round = 0; round < maxRounds_ && !screen.closed; ++round) {
    PlayPlayerTurn(screen);
    PumpEnemyTurn(screen);
  }
  CombatScreenClosed();
  ++fightsRun_;
  transcript_.insert(transcript_.end(), screen.transcript.begin(), screen.transcript.end());
  screen_.reset();
}

bool EngineFights::RunFleetBattle(Faction enemyFaction, std::int32_t fleetKind) {
  PrepareFleetBattle(enemyFaction, fleetKind);
  // The own attacks' ship fights come back through this Ui onto the engine.
  RecordingFleetUi screen(*this);
  screen.defaultAnswer = true;  // the captain does recharge, and does retreat when told to
  RefreshFleetBattleScreen(screen);
  for (int order = 0; order < kMaxFleetOrders && !screen.closed; ++order) {
    PlayFleetCaptainOrder(screen);
  }
  if (!screen.closed) RetreatFromFleetBattle(screen);
  FleetBattleScreenClosed();
  ++fleetBattlesRun_;
  transcript_.insert(transcript_.end(), screen.transcript.begin(), screen.transcript.end());
  return FleetBattleWon == 1;
}

}  // namespace combat
