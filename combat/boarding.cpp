#include "combat/boarding.h"

#include <algorithm>
#include <limits>

#include "audio/sound.h"
#include "state/clamp.h"
#include "state/fields.h"
#include "state/random.h"
#include "state/ship_class_of.h"
#include "state/ship_classes.h"
#include "state/variables.h"

namespace combat {

namespace {

// No group of the fight takes more than this many draws in one attack or counterattack.
constexpr int kMaxDraws = 1001;

// Per-head weights of the crew kinds.
constexpr std::int64_t kCrewmanWeight = 10;
constexpr std::int64_t kOfficerWeight = 10;
constexpr std::int64_t kPirateWeight = 20;
constexpr std::int64_t kMarineWeight = 30;
constexpr std::int64_t kDroidWeight = 50;

using state::Clamp32;

std::int64_t PlayerHeads() {
  const auto& p = state::PlayerShip;
  return static_cast<std::int64_t>(p[ship::kCrewmen]) + p[ship::kOfficers] + p[ship::kMarines] +
         p[ship::kPirates] + p[ship::kDroids];
}

std::int64_t DefenderHeads() {
  const auto& e = state::EnemyShip;
  return static_cast<std::int64_t>(e[ship::kDefendingCrewmen]) + e[ship::kDefendingMarines] +
         e[ship::kDefendingDroids];
}

// One hit of a pool `h` on a group of `count` heads of `weight`: a random part of half the pool,
// or the whole pool when that part is smaller than one head. The count may go below 0 here; the
// caller clears that at the end.
void Hit(std::int32_t& count, std::int64_t weight, std::int64_t& h) {
  std::int64_t x = state::Random(Clamp32(h / 2));
  if (x < weight) x = h;
  const std::int64_t before = count;
  const std::int64_t after = (before * weight - x) / weight;
  count = Clamp32(after);
  h -= x;
}

void ClearNegativeDefenders() {
  auto& e = state::EnemyShip;
  for (const ship::Field f :
       {ship::kDefendingCrewmen, ship::kDefendingMarines, ship::kDefendingDroids})
    if (e[f] < 0) e[f] = 0;
}

bool DefendersGone() {
  const auto& e = state::EnemyShip;
  return e[ship::kDefendingCrewmen] <= 0 && e[ship::kDefendingMarines] <= 0 &&
         e[ship::kDefendingDroids] <= 0;
}

// The officers lead: every tenth of the strength's fortieth per officer, up to ten officers.
std::int64_t WithOfficersLead(std::int64_t s) {
  const std::int64_t officers = std::min<std::int64_t>(state::PlayerShip[ship::kOfficers], 10);
  return s + (s / 40) * officers;
}

// The pool of a player's attack of strength `s`: a half plus a random part of another half.
std::int64_t PoolOf(std::int64_t s) {
  const std::int64_t half = s / 2;
  return half + state::Random(Clamp32(half));
}

// Standard attack and commando assault: which defending group a draw 0..204 hits.
struct DefenderTarget {
  ship::Field field;
  std::int64_t weight;
};
DefenderTarget StandardTarget(std::int32_t r) {
  if (r <= 160) return {ship::kDefendingCrewmen, kCrewmanWeight};
  if (r <= 195) return {ship::kDefendingMarines, kMarineWeight};
  return {ship::kDefendingDroids, kDroidWeight};
}
DefenderTarget CommandoTarget(std::int32_t r) {
  if (r <= 30) return {ship::kDefendingCrewmen, kCrewmanWeight};
  if (r <= 120) return {ship::kDefendingMarines, kMarineWeight};
  return {ship::kDefendingDroids, kDroidWeight};
}

void PlayerAttack(BoardingAttack kind) {
  auto& p = state::PlayerShip;
  auto& e = state::EnemyShip;
  p[ship::kLastBoardingAttack] = static_cast<std::int32_t>(kind);
  if (PlayerHeads() > 0 && DefenderHeads() > 0) {
    std::int64_t s = kind == BoardingAttack::Standard
                         ? kCrewmanWeight * p[ship::kCrewmen] +
                               kOfficerWeight * p[ship::kOfficers] +
                               kPirateWeight * p[ship::kPirates] + kMarineWeight * p[ship::kMarines]
                         : kMarineWeight * p[ship::kMarines] + kDroidWeight * p[ship::kDroids];
    s = WithOfficersLead(s);
    std::int64_t h = PoolOf(s);
    h += h / 4;
    // Only large groups limit the pool: a small defending group can be wiped out at once.
    const std::int64_t e2 = BoardingDefenderStrength() / 2;
    if (h > e2 && (e[ship::kDefendingCrewmen] > 10 || e[ship::kDefendingMarines] > 10 ||
                   e[ship::kDefendingDroids] > 10))
      h = e2;
    for (int draw = 0; draw < kMaxDraws && h > 0; ++draw) {
      const std::int32_t r = state::Random(205);
      const DefenderTarget t =
          kind == BoardingAttack::Standard ? StandardTarget(r) : CommandoTarget(r);
      if (e[t.field] > 0) Hit(e[t.field], t.weight, h);
      if (DefendersGone()) h = 0;
    }
  }
  ClearNegativeDefenders();
}

// The defenders' shot at one of the player's groups; the losses go to its casualty counter. A
// group already at 0 (or below) is not hit.
void Shoot(ship::Field field, std::int64_t weight, std::int64_t& h) {
  std::int32_t& count = state::PlayerShip[field];
  if (count <= 0) return;
  const std::int64_t before = count;
  Hit(count, weight, h);
  // A hit larger than the group counts only the heads the group had, so the ship hospital never
  // brings back more men than were lost.
  const std::int64_t heads = before - std::max<std::int32_t>(count, 0);
  std::int32_t& casualties = BoardingCasualties[field - ship::kCrewmen + 1];
  casualties = Clamp32(static_cast<std::int64_t>(casualties) + heads);
}

// A redirected shot: `allGone` when none of the groups the redirection cares about is left, a
// rare fresh draw with `chance` in `out`, else the marines take it while there are any.
std::int32_t Redirect(std::int32_t r, bool allGone, std::int32_t fallback, std::int32_t out) {
  if (allGone) return fallback;
  const std::int32_t x = state::Random(out);
  if (x < 10) return state::Random(205);
  if (state::PlayerShip[ship::kMarines] > 0) return 161;
  return r;
}

struct PlayerWeights {
  std::int64_t a = kCrewmanWeight, b = kOfficerWeight, c = kPirateWeight, d = kMarineWeight,
               e = kDroidWeight;
};

// One shot after a standard attack or an EMP strike (`k`, or 0 before any attack).
void SingleShot(BoardingAttack k, const PlayerWeights& w, std::int64_t& h) {
  const auto& p = state::PlayerShip;
  const bool veteran = state::VeteranMode == 1;
  std::int32_t r = state::Random(205);
  if (k == BoardingAttack::Standard || (k == BoardingAttack::Emp && r > 199)) {
    const bool noneButDroids = p[ship::kCrewmen] == 0 && p[ship::kOfficers] == 0 &&
                               p[ship::kMarines] == 0 && p[ship::kPirates] == 0;
    r = Redirect(r, noneButDroids, 200, veteran ? 500 : 1000);
  }
  if (r >= 181 && r <= 200) {
    const bool noneButOfficers = p[ship::kCrewmen] == 0 && p[ship::kMarines] == 0 &&
                                 p[ship::kPirates] == 0 && p[ship::kDroids] == 0;
    r = Redirect(r, noneButOfficers, 181, veteran ? 100 : 250);
  }
  if (r <= 80) {
    const std::int64_t m = state::GetShipClassStat(state::ShipClassOf(p), state::kAttrMinCrew);
    const std::int64_t light =
        static_cast<std::int64_t>(p[ship::kCrewmen]) + p[ship::kOfficers] + p[ship::kPirates];
    if (light <= m + m / 5) {
      const bool noneButCrewmen = p[ship::kOfficers] == 0 && p[ship::kMarines] == 0 &&
                                  p[ship::kPirates] == 0 && p[ship::kDroids] == 0;
      r = Redirect(r, noneButCrewmen, 0, veteran ? 50 : 100);
    }
  }
  if (r <= 80)
    Shoot(ship::kCrewmen, w.a, h);
  else if (r <= 160)
    Shoot(ship::kPirates, w.c, h);
  else if (r <= 180)
    Shoot(ship::kMarines, w.d, h);
  else if (r <= 200)
    Shoot(ship::kOfficers, w.b, h);
  else
    Shoot(ship::kDroids, w.e, h);
}

// The two shots of a pass after a commando assault: the troops that stayed back are seldom hit,
// and while any of them is left the second shot never reaches the droids.
void CommandoShots(const PlayerWeights& w, std::int64_t& h) {
  const auto& p = state::PlayerShip;
  auto shoot = [&w, &h](std::int32_t r, bool second) {
    if (r <= 30)
      Shoot(ship::kCrewmen, w.a, h);
    else if (r <= 60)
      Shoot(ship::kPirates, w.c, h);
    else if (r <= 65)
      Shoot(ship::kOfficers, w.b, h);
    else if (r <= 180)
      Shoot(ship::kMarines, w.d, h);
    else if (!second || r >= 195)
      Shoot(ship::kDroids, w.e, h);
  };
  shoot(state::Random(205), false);
  std::int32_t r = state::Random(205);
  const std::int64_t others = static_cast<std::int64_t>(p[ship::kCrewmen]) + p[ship::kOfficers] +
                              p[ship::kPirates] + p[ship::kMarines];
  if (others > 0 && r > 194) r = 190;
  shoot(r, true);
}

const char* AreaWord(std::int32_t area) {
  switch (area) {
    case boarding_area::kAirlock:
      return "airlock";
    case boarding_area::kCorridors:
      return "corridor";
    case boarding_area::kCargoBay:
      return "cargo";
    case boarding_area::kBridge:
      return "bridge";
    default: return nullptr;
  }
}

// A quarter of `count` plus a random part of another quarter.
std::int32_t Quarter(std::int32_t count) {
  const std::int32_t quarter = count / 4;
  return quarter + state::Random(quarter);
}

}  // namespace

std::string BoardingAreaPicture(std::int32_t area, AreaState areaState) {
  const char* word = AreaWord(area);
  if (word == nullptr) return {};
  const char* colour = nullptr;
  switch (areaState) {
    case kAreaOpen: colour = "red"; break;
    case kAreaLocked: colour = "grey"; break;
    case kAreaSecured: colour = "blue"; break;
    default: return {};
  }
  return std::string("crewcombat_") + colour + "_" + word + "_normal.jpg";
}

std::string_view BoardingAreaLabel(std::int32_t area, AreaState areaState) {
  struct Labels {
    std::string_view open, locked, secured;
  };
  static constexpr Labels kLabels[] = {
      {"Airlock (Enemy)", "Airlock (Enemy; not yet selectable)", "Airlock (Friendly)"},
      {"Corridors (Enemy)", "Corridors (Enemy; not yet selectable)", "Corridors (Friendly)"},
      {"Cargo bay (Enemy)", "Cargo bay (Enemy; not yet selectable)", "Cargo bay (Friendly)"},
      {"Bridge (Enemy)", "Bridge (Enemy); not yet selectable)", "Bridge (Friendly)"},
  };
  if (area < boarding_area::kAirlock || area > boarding_area::kBridge) return "N/A";
  const Labels& l = kLabels[area - 1];
  switch (areaState) {
    case kAreaOpen: return l.open;
    case kAreaLocked: return l.locked;
    case kAreaSecured: return l.secured;
    default: return "N/A";
  }
}

HoverPictures AttackButtonPictures(int hoverIndex) {
  switch (hoverIndex) {
    case 1: return {"CrewCombatScreen_12.jpg", "CrewCombatScreen_12_HIGHLIGHTED.jpg"};
    case 2: return {"CrewCombatScreen_17.jpg", "CrewCombatScreen_17_HIGHLIGHTED.jpg"};
    case 3: return {"CrewCombatScreen_09.jpg", "CrewCombatScreen_09_HIGHLIGHTED.jpg"};
    case 4: return {"CrewCombatScreen_40.jpg", "CrewCombatScreen_40_HIGHLIGHTED.jpg"};
    default: return {};
  }
}

bool AttackButtonLights(int hoverIndex) {
  if (hoverIndex == 4) return true;
  return hoverIndex >= 1 && hoverIndex <= 3 && BoardingPhase == kFightingPhase;
}

void StartBoardingFight(BoardingUi& ui) {
  ResetBoardingCasualties(ui);
  state::EnemyShip[ship::kBoardedArea] = boarding_area::kAirlock;
  BoardingPhase = kFightingPhase;
  ui.Refresh();
}

void ResetBoardingCasualties(BoardingUi& ui) {
  ui.Refresh();
  BoardingCasualties.fill(0);
}

void ExplainBoardingAttack(BoardingAttack kind, BoardingUi& ui) {
  audio::PlayButtonSound();
  CombatUi& c = ui.Combat();
  switch (kind) {
    case BoardingAttack::Standard:
      c.ShowPopup(CombatPopup::Text, "Standard attack",
                  "The standard attack will send your whole crew to return the enemy fire except "
                  "your battle droids. This valuable equipment should normally be spared.");
      break;
    case BoardingAttack::Commando:
      c.ShowPopup(CombatPopup::Text, "Commando assault",
                  "A commando assault will send your space marines and battle droids to the "
                  "lines. This spares your other troops especially officers, but puts your droids "
                  "at risk.");
      break;
    case BoardingAttack::Emp:
      c.ShowPopup(CombatPopup::Text, "EMP strike",
                  "Capturing battle droids is the key to crew combat in the advanced game. To do "
                  "this you can issue EMP weapons to your crew.");
      break;
  }
}

void BoardingStandardAttack() { PlayerAttack(BoardingAttack::Standard); }

void BoardingCommandoAttack() { PlayerAttack(BoardingAttack::Commando); }

void BoardingEmpStrike(BoardingUi& ui) {
  auto& p = state::PlayerShip;
  auto& e = state::EnemyShip;
  p[ship::kLastBoardingAttack] = static_cast<std::int32_t>(BoardingAttack::Emp);
  if (PlayerHeads() > 0 && DefenderHeads() > 0) {
    const std::int64_t s =
        WithOfficersLead(kMarineWeight * p[ship::kMarines] + kDroidWeight * p[ship::kDroids]);
    std::int64_t h = PoolOf(s);
    h /= 6;
    h += h / 4;
    const std::int64_t cap = kDroidWeight * e[ship::kDefendingDroids] / 2;
    if (h > cap && e[ship::kDefendingDroids] > 10) h = cap;
    if (h > 0) {
      const std::int32_t droidsBefore = e[ship::kDefendingDroids];
      std::int64_t captured = 0;
      for (int draw = 0; draw < kMaxDraws && h > 0; ++draw) {
        const std::int32_t before = e[ship::kDefendingDroids];
        if (e[ship::kDefendingDroids] > 0) Hit(e[ship::kDefendingDroids], kDroidWeight, h);
        const std::int64_t stunned = captured + before - e[ship::kDefendingDroids];
        captured = static_cast<std::int64_t>(state::Random(Clamp32(stunned))) + 1;
        if (captured > before) captured = before;
        if (e[ship::kDefendingDroids] <= 0) h = 0;
      }
      if (captured > 0) {
        // The message names every droid the strike put out of action, and how many of them can
        // be reprogrammed.
        const std::int64_t stunned =
            droidsBefore - std::max<std::int32_t>(e[ship::kDefendingDroids], 0);
        ui.Combat().ShowPopup(CombatPopup::Picture, "Droids captured!",
                              "Your boarding crew was able to use electronic magnetic pulse (EMP) "
                              "weapons to stun " +
                                  std::to_string(stunned) + " droids! " +
                                  std::to_string(captured) +
                                  " droids are still functional and can be reprogramed to join "
                                  "your crew!",
                              "Crew_Droid.jpg");
        p[ship::kDroids] = Clamp32(static_cast<std::int64_t>(p[ship::kDroids]) + captured);
      }
    }
  }
  ClearNegativeDefenders();
}

void BoardingEnemyCounterattack() {
  auto& p = state::PlayerShip;
  const auto k = static_cast<BoardingAttack>(p[ship::kLastBoardingAttack]);
  if (PlayerHeads() > 0 && DefenderHeads() > 0) {
    PlayerWeights w;
    std::int64_t h = PoolOf(BoardingDefenderStrength());
    if (k == BoardingAttack::Commando) {
      h /= 2;
      w.a = 30;
      w.b = 30;
      w.c = 60;
    } else if (k == BoardingAttack::Emp) {
      h /= 2;
      w.e = 200;
    }
    h -= h / 4;
    // The cap weighs the marines with the pirates' weight and the pirates with the marines'.
    const std::int64_t pool = w.a * p[ship::kCrewmen] + w.b * p[ship::kOfficers] +
                              w.c * p[ship::kMarines] + w.d * p[ship::kPirates] +
                              w.e * p[ship::kDroids];
    const bool largeGroup = p[ship::kCrewmen] > 10 || p[ship::kOfficers] > 10 ||
                            p[ship::kMarines] > 10 || p[ship::kPirates] > 10 ||
                            p[ship::kDroids] > 10;
    if (h > pool / 2 && largeGroup) h = pool / 2;
    for (int pass = 0; pass < kMaxDraws && h > 0; ++pass) {
      // A pass after a commando assault is two shots, even when the first used up the pool.
      if (k == BoardingAttack::Commando)
        CommandoShots(w, h);
      else
        SingleShot(k, w, h);
      // Only a crew whose every count is exactly 0 ends the volley early; a count a hit drove
      // below 0 is cleared after the volley.
      if (p[ship::kCrewmen] == 0 && p[ship::kOfficers] == 0 && p[ship::kMarines] == 0 &&
          p[ship::kPirates] == 0 && p[ship::kDroids] == 0)
        h = 0;
    }
  }
  for (auto f = ship::kCrewmen; f <= ship::kDroids; ++f)
    if (p[f] < 0) p[f] = 0;
}

void ChooseBoardingArea(std::int32_t area, BoardingUi& ui) {
  audio::PlayButtonSound();
  if (area < boarding_area::kAirlock || area > boarding_area::kBridge) return;
  CombatUi& c = ui.Combat();
  if (BoardingPhase != kChoosingPhase) {
    c.ShowPopup(CombatPopup::Text, "Under attack!",
                "You are already under attack. First you have to overcome the enemy in this area "
                "of the ship.");
    return;
  }
  switch (AreaState{state::BoardingAreas[area]}) {
    case kAreaLocked:
      c.ShowPopup(CombatPopup::Text, "N/A",
                  "You cannot yet attack this part of the enemy ship. You first have to secure "
                  "the red area.");
      return;
    case kAreaSecured:
      c.ShowPopup(CombatPopup::Text, "Secured!",
                  "You have already secured this part of the enemy ship. Try the red areas!");
      return;
    case kAreaOpen:
      break;
    default:
      return;
  }
  bool go = true;
  switch (area) {
    case boarding_area::kCorridors:
      go = c.Ask("Selected area: Corridors",
                 "To advance to the more valuable areas of the ship you first have to secure the "
                 "corridors of the enemy ship. Do you really want to attack this area of the enemy "
                 "ship?");
      break;
    case boarding_area::kCargoBay:
      go = c.Ask("Selected area: Cargo bay",
                 "If you are able to seize the enemy cargo bay you have the choice to loot the "
                 "cargo and return to your ship or to further advance to the enemy bridge. Do you "
                 "really want to attack this area of the enemy ship?");
      break;
    case boarding_area::kBridge:
      go = c.Ask("Selected area: Bridge",
                 "The final battle. If you are able to control the bridge you will control the "
                 "ship and all survivors will immidiately surrender. Do you really want to attack "
                 "this area of the enemy ship?");
      break;
    default:
      break;
  }
  if (!go) return;
  state::EnemyShip[ship::kBoardedArea] = area;
  EnterBoardingArea(ui);
}

void EnterBoardingArea(BoardingUi& ui) {
  auto& e = state::EnemyShip;
  const std::int32_t area = e[ship::kBoardedArea];
  if (area == boarding_area::kCorridors || area == boarding_area::kCargoBay) {
    if (e[ship::kCrewmen] > 0) {
      e[ship::kDefendingCrewmen] = std::max(Quarter(e[ship::kCrewmen]), 1);
      e[ship::kCrewmen] -= e[ship::kDefendingCrewmen];
    } else if (e[ship::kPirates] > 0) {
      e[ship::kDefendingCrewmen] = Quarter(e[ship::kPirates]);
      e[ship::kPirates] -= e[ship::kDefendingCrewmen];
    }
    e[ship::kDefendingMarines] = Quarter(e[ship::kMarines]);
    e[ship::kMarines] -= e[ship::kDefendingMarines];
    e[ship::kDefendingDroids] = Quarter(e[ship::kDroids]);
    e[ship::kDroids] -= e[ship::kDefendingDroids];
  } else if (area == boarding_area::kBridge) {
    // Everyone left aboard defends the bridge.
    e[ship::kDefendingCrewmen] =
        Clamp32(static_cast<std::int64_t>(e[ship::kCrewmen]) + e[ship::kPirates]);
    e[ship::kDefendingMarines] = e[ship::kMarines];
    e[ship::kDefendingDroids] = e[ship::kDroids];
  } else {
    return;
  }
  ui.Combat().ShowPopup(CombatPopup::Text, "Under attack!",
                        "This part of the enemy ship is still defended by the enemy crew. You are "
                        "under attack!");
  BoardingPhase = kFightingPhase;
  ui.Refresh();
}

std::int64_t BoardingCrewStrength() {
  const auto& p = state::PlayerShip;
  return kCrewmanWeight * p[ship::kCrewmen] + kOfficerWeight * p[ship::kOfficers] +
         kPirateWeight * p[ship::kPirates] + kMarineWeight * p[ship::kMarines] +
         kDroidWeight * p[ship::kDroids];
}

std::int64_t BoardingDefenderStrength() {
  const auto& e = state::EnemyShip;
  return kCrewmanWeight * e[ship::kDefendingCrewmen] + kMarineWeight * e[ship::kDefendingMarines] +
         kDroidWeight * e[ship::kDefendingDroids];
}

}  // namespace combat
