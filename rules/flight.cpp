#include "rules/flight.h"

#include <algorithm>
#include <cstdlib>
#include <string>

#include "audio/sound.h"
#include "rules/credits.h"
#include "rules/crew.h"
#include "rules/daily_turn.h"
#include "rules/displayed_system.h"
#include "rules/encounters.h"
#include "rules/mission_arrival.h"
#include "rules/missions.h"
#include "rules/ship_loss.h"
#include "rules/space_finds.h"
#include "rules/tutorial.h"
#include "state/abilities.h"
#include "state/equipment.h"
#include "state/factions.h"
#include "state/fields.h"
#include "state/progression.h"
#include "state/random.h"
#include "state/ship_class_of.h"
#include "state/ship_classes.h"
#include "state/ship_kinds.h"
#include "state/skills.h"
#include "state/star_map.h"
#include "state/variables.h"

namespace rules {
namespace {

constexpr int kPoliceClassDraws = 1001;

constexpr const char* kAlertText =
    "\"Alert! All hands to battle-stations. Hostile spaceship ahead and closing in. Ready to "
    "engage...\"";

using state::IsSystem;
bool ValidBody(std::int32_t b) { return b >= 1 && b <= state::kLastBody; }
bool ValidFind(std::int32_t slot) { return slot >= 1 && slot <= state::kLastFindSlot; }

// The map position of a place of `system`: body 1..15, or space-find slot -1..-4.
bool PlacePosition(std::int32_t system, std::int32_t place, std::int32_t& x, std::int32_t& y) {
  if (!IsSystem(system)) return false;
  if (ValidBody(place)) {
    x = state::BodyData[system][place][body::kMapX];
    y = state::BodyData[system][place][body::kMapY];
    return true;
  }
  if (ValidFind(-place)) {
    x = state::SpaceFinds[system][-place][space_find::kMapX];
    y = state::SpaceFinds[system][-place][space_find::kMapY];
    return true;
  }
  return false;
}

// The kind of body `place` of `system`; 0 for a space find, which has none.
std::int32_t PlaceKind(std::int32_t system, std::int32_t place) {
  if (!IsSystem(system) || !ValidBody(place)) return 0;
  return state::BodyData[system][place][body::kKind];
}

bool AtWar(Faction f, Faction g) {
  if (!state::IsPower(f) || !state::IsFaction(g)) return false;
  return state::FactionData[state::Stored(f)][faction::AtWarWith(g)] > 0;
}

// A wanted pilot's crew may desert on arriving at a planet; officers hold them less well.
void Mutiny(std::int32_t system, std::int32_t place, Ui& ui) {
  state::TShipRow& crew = state::PlayerShip;
  if (state::PlayerData[player::kCriminalDays] <= 0) return;
  if (crew[ship::kCrewmen] == 0 && crew[ship::kOfficers] == 0 && crew[ship::kMarines] == 0) return;
  if (PlaceKind(system, place) <= 0) return;
  std::int32_t roll = state::Random(100);
  if (crew[ship::kOfficers] > 0) roll = state::Random(40);
  if (roll > 5) return;
  ui.Message(Popup::Text, "Mutinee!",
             "Some members of your crew do not want to serve a criminal any longer and steal an "
             "escape pod to flee to the planet surface. You should try to hire pirates at pirate "
             "hideouts instead!");
  for (const ship::Field kind : {ship::kCrewmen, ship::kOfficers, ship::kMarines}) {
    const std::int32_t gone = state::Random(crew[kind]);
    crew[kind] = std::max(0, crew[kind] - gone);
  }
}

// The police fight: the system's owner sends `policeClass`; the encounter popup, the fight, and
// the loss of the ship when it did not survive.
void FightPolice(state::ShipClassId policeClass, bool tractorBeam, Ui& ui) {
  const Faction police{state::EnemyShip[ship::kFaction]};
  ui.SetupShipCombat(policeClass, police, kMilitaryShip, 0);
  if (tractorBeam) state::EnemyAbilitySlots[12] = state::Stored(state::kTractorBeam);
  audio::PlayAlertSound();
  const std::int32_t f = std::clamp(state::Stored(police), 0, state::kLastFaction);
  ui.ShowEncounter(
      "Hostile encounter!",
      state::FactionText[f][faction_text::kShortName] + " " + state::GetShipClassName(policeClass),
      kAlertText,
      state::GetShipFactionImage(state::ShipClassOf(state::EnemyShip),
                                 Faction{state::EnemyShip[ship::kFaction]}) +
          "_Scene.jpg");
  ui.RunShipCombat();
  if (state::PlayerShip[ship::kAlive] == 0) EndGameIfShipLost(ui);
}

bool CarriesContraband() {
  for (int good = state::kFirstContraband; good <= state::kLastGood; ++good)
    if (state::Cargo[good] != 0) return true;
  return false;
}

void ContrabandCheck(std::int32_t system, std::int32_t place, Ui& ui) {
  const bool carrying = CarriesContraband();
  std::int32_t threshold = 60;
  const std::int32_t roll = state::Random(200);
  if (state::OwnsSkill(kSkillCleanRecord)) threshold /= 2;
  if (state::GetShipClassSpecial(state::ShipClassOf(state::PlayerShip)) ==
      state::kSpecialHiddenCargoBay) {
    threshold -= threshold / 4;
  }
  const std::int32_t kind = PlaceKind(system, place);
  const bool checked = state::IsInhabited(kind) || kind == state::kKindWormhole;
  if (!checked || !carrying || state::PlayerShip[ship::kAlive] <= 0 || threshold < roll) return;

  std::int32_t& wanted = state::PlayerData[player::kCriminalDays];
  if (wanted < 0) wanted = 0;
  const std::int32_t days = state::Random(60) + 30;
  AddSaturated(wanted, days);
  ui.Message(Popup::Text, "Contraband detected!",
             "A police ship has detected the contraband on board of your ship! You are flagged "
             "criminal and have to defend against the police!");
  state::EnemyShip[ship::kFaction] = state::SystemData[system][star_system::kOwner];
  const state::ShipClassId policeClass = DrawPoliceShip(false);
  // A system whose owner flies no warship at all sends nobody.
  if (policeClass != state::kNoShipClass) FightPolice(policeClass, true, ui);
}

void SetPlaceAndShow(std::int32_t system, Ui& ui) {
  state::SelectedBody = state::PlayerShip[ship::kBody];
  ShowSystem(ui, true, system);
}

}  // namespace

std::int32_t FlightDays(std::int32_t distance, std::int32_t speed, std::int32_t age,
                        bool shortHanded, bool toSpaceFind) {
  // A ship too slow for a pace of one pixel a day still moves at that pace.
  const std::int64_t pace = std::max<std::int32_t>(speed / 8, 1);
  std::int64_t days = std::max<std::int32_t>(distance, 0) / pace;
  if (age > state::kOldAge) days += age - state::kOldAge;
  if (shortHanded) days *= toSpaceFind ? 6 : 3;
  days = std::max<std::int64_t>(days, kShortestFlight);
  if (!toSpaceFind) days = std::min<std::int64_t>(days, kLongestBodyFlight);
  return static_cast<std::int32_t>(std::min<std::int64_t>(days, INT32_MAX));
}

std::int32_t FlightDistance(std::int32_t system, std::int32_t from, std::int32_t to) {
  std::int32_t x0 = 0, y0 = 0, x1 = 0, y1 = 0;
  if (!PlacePosition(system, from, x0, y0) || !PlacePosition(system, to, x1, y1)) return 0;
  return std::abs(x1 - x0) + std::abs(y1 - y0);
}

std::int32_t FlyingCrew() {
  const state::TShipRow& crew = state::PlayerShip;
  return crew[ship::kCrewmen] + crew[ship::kOfficers] + crew[ship::kPirates];
}

std::optional<std::int32_t> BeginFlight(std::int32_t target, std::int32_t system, Ui& ui) {
  const bool toSpaceFind = target < 0;
  if (!IsSystem(system) || !(ValidBody(target) || ValidFind(-target))) return std::nullopt;
  if (!toSpaceFind && !TutorialAllows(TutorialAction::FlyToBody)) {
    ui.Message(Popup::Text, "Tutorial", TutorialRefusal(TutorialAction::FlyToBody));
    return std::nullopt;
  }
  const std::int32_t required = PlayerMinCrew();
  const bool shortHanded = required > FlyingCrew();
  if (shortHanded &&
      !ui.Ask("Not enough crew!",
              "You need a crew of at least " + std::to_string(required) +
                  " crewmen, officers or pirates to fly this ship. Space Marines and droids do "
                  "not count! Do you still wish to fly? (Travel time would be greatly "
                  "increased)")) {
    return std::nullopt;
  }
  const std::int32_t distance =
      FlightDistance(system, state::PlayerShip[ship::kBody], target);
  const std::int32_t speed = state::GetEngineTravelSpeed(
      state::ShipClassOf(state::PlayerShip), EngineId{state::PlayerShip[ship::kEngine]});
  const std::int32_t days =
      FlightDays(distance, speed, state::GetPlayerAge(), shortHanded, toSpaceFind);
  state::PlayerData[player::kFlightEncounters] = 0;
  audio::PlayFlySound();
  return days;
}

void FlightDay(std::int32_t& daysLeft, Ui& ui) {
  AdvanceDay(ui);
  if (state::SelectedBody > 0) StartHostileEncounter(ui);
  daysLeft -= 1;
  if (state::PlayerShip[ship::kAlive] == 0) daysLeft = 0;
}

void ArriveFromFlight(Ui& ui) {
  const std::int32_t s = state::PlayerShip[ship::kSystem];
  const std::int32_t from = state::PlayerShip[ship::kBody];
  const std::int32_t place = state::SelectedBody;
  state::PlayerShip[ship::kBody] = place;
  if (IsSystem(s)) state::SystemVisited[s] = 1;
  if (ValidBody(place)) state::BodyPricesKnown[place] = 1;
  ShowSystem(ui, false, s);
  ui.UpdateTradePopup();

  FollowTutorialArrival(from, place, ui);
  if (state::PlayerShip[ship::kAlive] > 0) CheckMissionOnArrival(ui);
  Mutiny(s, place, ui);

  // A wanted pilot at a pirate hideout is among friends.
  const bool sheltered = PlaceKind(s, place) == state::kKindPirateHideout &&
                         state::PlayerData[player::kCriminalDays] > 0 &&
                         state::PlayerShip[ship::kAlive] > 0;
  if (!sheltered) ContrabandCheck(s, place, ui);

  if (ValidFind(-state::SelectedBody)) ResolveSpaceFind(-state::SelectedBody, ui);
}

state::ShipClassId DrawPoliceShip(bool biggerThanPlayer) {
  const std::int32_t s = state::PlayerShip[ship::kSystem];
  if (!IsSystem(s)) return state::kNoShipClass;
  const EncounterSituation kind = EncounterSituationOf(s);
  const state::ShipSize psize = state::GetShipClassSize(state::ShipClassOf(state::PlayerShip));
  const Faction police{state::EnemyShip[ship::kFaction]};
  state::ShipClassId policeClass = state::kNoShipClass;
  for (int draw = 0; draw < kPoliceClassDraws; ++draw) {
    policeClass = ChooseEncounterShipType(kind, s, state::Stored(psize), police);
    const state::ShipSize size = state::GetShipClassSize(policeClass);
    const bool warship = state::GetShipClassRole(policeClass) == state::kRoleMilitary;
    if (warship && (biggerThanPlayer ? size > psize : size == psize)) break;
  }
  return policeClass;
}

Landing DecideLanding() {
  const std::int32_t s = state::PlayerShip[ship::kSystem];
  const std::int32_t b = state::PlayerShip[ship::kBody];
  if (!IsSystem(s) || !ValidBody(b)) return Landing::Nothing;
  const state::TBodyRow& body = state::BodyData[s][b];
  const std::int32_t kind = body[body::kKind];
  if (state::IsInhabited(kind)) {
    if (state::PlayerData[player::kCriminalDays] > 0) {
      const bool streetRules =
          state::OwnsSkill(kSkillStreetRules) || state::OwnsSkill(kSkillAdvancedStreetRules);
      return streetRules ? Landing::AskSneak : Landing::Wanted;
    }
    const Faction own{state::PlayerData[player::kFaction]};
    const Faction owner{body[body::kOwner]};
    if (owner != own && AtWar(own, owner)) return Landing::EnemyPlanet;
    if (body[body::kAsteroidField] == 1) return Landing::Asteroids;
    if (!TutorialAllows(TutorialAction::Land)) return Landing::TutorialLocked;
    return Landing::Land;
  }
  if (kind == state::kKindWormhole) {
    return state::GetShipClassSize(state::ShipClassOf(state::PlayerShip)) <= state::kSizeFighter
               ? Landing::NoJumpEngines
               : Landing::Jump;
  }
  return Landing::Nothing;
}

DockResult DockOrJump(Ui& ui) {
  DockResult result;
  const std::int32_t s = state::PlayerShip[ship::kSystem];
  const std::int32_t b = state::PlayerShip[ship::kBody];
  if (!IsSystem(s) || !ValidBody(b)) return result;

  switch (DecideLanding()) {
    case Landing::Nothing:
      break;
    case Landing::Wanted:
      ui.Message(Popup::Text, "Careful!",
                 "The police is looking for you! You cannot simply land at a planet and walk "
                 "around!");
      break;
    case Landing::AskSneak: {
      if (!ui.Ask("Careful!",
                  "The police is looking for you! You cannot simply land at a planet and walk "
                  "around! Do you still wish to try to sneak in? (\"Street rules\" ability)")) {
        break;
      }
      const std::int32_t chance = state::OwnsSkill(kSkillAdvancedStreetRules) ? 75 : 50;
      if (chance >= state::Random(100)) {
        ui.Message(Popup::Text, "Success!",
                   "You successfully sneaked in the spaceport using a false identity.");
        audio::PlayMaximizeSound();
        result.planet = true;
        break;
      }
      ui.Message(Popup::Text, "Failed!",
                 "You try to sneak in using a false identity, but you are caught. A police ship "
                 "is engaging you!");
      state::EnemyShip[ship::kFaction] = state::SystemData[s][star_system::kOwner];
      const state::ShipClassId policeClass = DrawPoliceShip(true);
      if (policeClass != state::kNoShipClass) FightPolice(policeClass, false, ui);
      break;
    }
    case Landing::EnemyPlanet:
      ui.Message(Popup::Text, "Enemy planet!",
                 "This planet is controlled by an enemy faction! You cannot land here! Land-Space "
                 "missiles would blow you to pieces before you would even be able to enter the "
                 "atmossphere.");
      break;
    case Landing::Asteroids:
      ui.Message(Popup::Text, "N/A!", "You cannot land on asteroids!");
      break;
    case Landing::TutorialLocked:
      ui.Message(Popup::Text, "Tutorial", TutorialRefusal(TutorialAction::Land));
      break;
    case Landing::Land:
      FollowTutorial(ui, TutorialEvent::Landed);
      audio::PlayMaximizeSound();
      result.planet = true;
      break;
    case Landing::NoJumpEngines:
      ui.Message(Popup::Text, "No jump engines!",
                 "Fighter-class spaceships do not have the required jump engines to use "
                 "wormholes. You need to buy a bigger ship (at least a corvette) to leave this "
                 "star system.");
      ShowSystem(ui, true, s);
      break;
    case Landing::Jump:
      result.jump = PlanJump(s, b);
      if (result.jump)
        state::PlayerData[player::kFlightEncounters] = 0;
      else
        ShowSystem(ui, true, s);  // a wormhole that leads nowhere
      break;
  }

  const state::TBodyRow& body = state::BodyData[s][b];
  result.hideout =
      body[body::kKind] == state::kKindPirateHideout && body[body::kVisible] > 0;
  return result;
}

std::optional<WormholeJump> PlanJump(std::int32_t system, std::int32_t body) {
  if (!IsSystem(system) || !ValidBody(body)) return std::nullopt;
  const state::TBodyRow& wormhole = state::BodyData[system][body];
  if (wormhole[body::kKind] != state::kKindWormhole) return std::nullopt;
  WormholeJump jump;
  jump.destination = wormhole[body::kDestination];
  if (!IsSystem(jump.destination) || jump.destination == system) return std::nullopt;
  jump.days = std::max(wormhole[body::kJumpLength], 1);
  jump.arrivalBody = 1;
  for (std::int32_t b = 1; b <= state::kLastBody; ++b) {
    const state::TBodyRow& way = state::BodyData[jump.destination][b];
    if (way[body::kKind] == state::kKindWormhole && way[body::kDestination] == system) {
      jump.arrivalBody = b;
      break;
    }
  }
  return jump;
}

void JumpDay(std::int32_t& daysLeft, Ui& ui) {
  AdvanceDay(ui);
  StartHostileEncounter(ui);
  daysLeft -= 1;
  if (state::PlayerShip[ship::kAlive] == 0) daysLeft = 0;
}

void ArriveFromJump(const WormholeJump& jump, Ui& ui) {
  if (!IsSystem(jump.destination) || !ValidBody(jump.arrivalBody)) return;
  state::PlayerShip[ship::kSystem] = jump.destination;
  state::PlayerShip[ship::kBody] = jump.arrivalBody;
  state::SystemVisited[jump.destination] = 1;
  SetPlaceAndShow(jump.destination, ui);
}

}  // namespace rules
