#include "screens/port/mission_board_view.h"

#include <array>
#include <string_view>

#include "rules/briefings.h"
#include "rules/diplomacy.h"
#include "rules/missions.h"
#include "state/fields.h"
#include "state/format.h"
#include "state/mission_types.h"
#include "state/ship_classes.h"
#include "state/variables.h"

namespace screens {

namespace {

// What the detail panel shows as the offer's value, and where the value starts.
enum class Value { Ship, Unknown, Goods, Criminal, Ace, HostileFleet, Rebels, HostileFlagship };
// Where the offer leads.
enum class Place { Target, NavPoint, ThreeNavPoints, TwoPlaces, PlanetsLeft };

struct TypeRow {
  std::string_view logo;
  std::string_view heading;
  std::string_view valueCaption;
  Value value;
  Place place;
};

constexpr std::string_view kResistance = "Expected resistance:";
constexpr std::string_view kGoods = "Required goods:";
constexpr std::string_view kWanted = "Wanted:";

// clang-format off
constexpr std::array<TypeRow, state::Stored(kLastMissionType) + 1> kTypes{{
  {},
  {"Mission_SearchandDestroyLogo", "Selected Mission: Search & Destroy",  kResistance, Value::Ship,            Place::Target},
  {"Mission_PatrolLogo",           "Selected Mission: Patrol",            kResistance, Value::Unknown,         Place::ThreeNavPoints},
  {"Mission_TransportLogo",        "Selected Mission: Transport",         kGoods,      Value::Goods,           Place::Target},
  {"Mission_AttackCapLogo",        "Selected Mission: Ambush",            kResistance, Value::Ship,            Place::Target},
  {"Mission_BountyLogo",           "Selected Mission: Bounty",            kWanted,     Value::Criminal,        Place::Target},
  {"Mission_SupplyLogo",           "Selected Mission: Supply",            kGoods,      Value::Goods,           Place::Target},
  {"Mission_EscortLogo",           "Selected Mission: Special Forces",    kResistance, Value::Unknown,         Place::NavPoint},
  {"Mission_ReportForDutyLogo",    "Selected Mission: Report for duty",   kResistance, Value::Unknown,         Place::NavPoint},
  {"Mission_SearchandDestroyLogo", "Selected Mission: Strike",            kResistance, Value::Ship,            Place::Target},
  {"Mission_PatrolLogo",           "Selected Mission: Combat Patrol",     kResistance, Value::Unknown,         Place::ThreeNavPoints},
  {"Mission_TransportLogo",        "Selected Mission: Combat Transport",  kGoods,      Value::Goods,           Place::Target},
  {"Mission_AttackCapLogo",        "Selected Mission: Assault",           kResistance, Value::Ship,            Place::Target},
  {"Mission_InfiltrateLogo",       "Selected Mission: Infiltrate",        kResistance, Value::Unknown,         Place::NavPoint},
  {"Mission_EscortLogo",           "Selected Mission: Escort",            kResistance, Value::Unknown,         Place::ThreeNavPoints},
  {"Mission_ReconLogo",            "Selected Mission: Recon",             kResistance, Value::Unknown,         Place::ThreeNavPoints},
  {"Mission_Marine",               "Selected Mission: Marine Landing",    kResistance, Value::Unknown,         Place::TwoPlaces},
  {"Mission_Evacuation",           "Selected Mission: Evacuation",        kResistance, Value::Unknown,         Place::TwoPlaces},
  {"Mission_VIPabductLogo",        "Selected Mission: Abduction",         kWanted,     Value::Ace,             Place::Target},
  {"Mission_Analysis",             "Selected Mission: Analysis",          kResistance, Value::Unknown,         Place::PlanetsLeft},
  {"Mission_Blitzkrieg",           "Selected Mission: Blitzkrieg",        kResistance, Value::HostileFleet,    Place::Target},
  {"Mission_Flanking",             "Selected Mission: Flanking",          kResistance, Value::Unknown,         Place::NavPoint},
  {"Mission_Suppression",          "Selected Mission: Suppression",       kResistance, Value::Rebels,          Place::Target},
  {"Mission_Bombing",              "Selected Mission: Bombing run",       kResistance, Value::HostileFleet,    Place::Target},
  {"Mission_Battle",               "Selected Mission: Battle",            kResistance, Value::HostileFleet,    Place::Target},
  {"Mission_Siege",                "Selected Mission: Siege",             kResistance, Value::HostileFleet,    Place::Target},
  {"Mission_Raiding",              "Selected Mission: Raiding",           kResistance, Value::HostileFleet,    Place::Target},
  {"Mission_Flagship",             "Selected Mission: Flagship",          kWanted,     Value::HostileFlagship, Place::Target},
}};
// clang-format on

using state::IsSystem;

// Names of places and factions; an index outside the tables (a damaged save) gives "".
std::string SystemName(std::int32_t s) {
  return IsSystem(s) ? state::SystemText[s][system_text::kName] : "";
}
std::string BodyName(std::int32_t b, std::int32_t s) {
  return IsSystem(s) && b >= 1 && b <= state::kLastBody ? state::BodyText[s][b][body_text::kName]
                                                        : "";
}
std::string GoodNameOf(std::int32_t g) {
  return g >= 1 && g <= state::kLastGood ? state::GoodName[g] : "";
}

std::string Dollars(std::int32_t credits) { return "$ " + state::FormatThousands(credits); }

const state::TMissionRow* Offer(std::int32_t system, std::int32_t slot) {
  if (!IsSystem(system) || slot < 1 || slot > state::kLastOfferSlot) return nullptr;
  return &state::MissionOffers[system][slot];
}

void FillValue(const state::TMissionRow& o, Value value, std::int32_t system, std::int32_t slot,
               MissionDetailView& view) {
  const std::int32_t subject = o[mission::kSubject];
  switch (value) {
    case Value::Ship:
      view.value = rules::FactionShortName(Faction{o[mission::kEnemyFaction]}) + " " +
                   state::GetShipClassName(state::ShipClassId{o[mission::kEnemyClass]});
      view.valueLeft = 376;
      return;
    case Value::Unknown:
      view.value = "Unknown";
      view.valueLeft = 379;
      return;
    case Value::Goods:
      view.value = GoodNameOf(o[mission::kGood]) + " (" + std::to_string(o[mission::kQuantity]) +
                   " units)";
      view.valueLeft = 350;
      return;
    case Value::Criminal:
      view.value = rules::GetBountyTargetName(0, system, slot) + " (" +
                   state::GetShipClassName(state::ShipClassId{subject}) + ")";
      view.valueLeft = 308;
      return;
    case Value::Ace:
      view.value = rules::GetAbductionTargetName(0, system, slot) + " (" +
                   state::GetShipClassName(state::ShipClassId{subject}) + ")";
      view.valueLeft = 308;
      return;
    case Value::HostileFleet:
      view.value = "Hostile fleet";
      view.valueLeft = 376;
      return;
    case Value::Rebels:
      view.value = "Rebels";
      view.valueLeft = 376;
      return;
    case Value::HostileFlagship:
      view.value = "Hostile flagship";
      view.valueLeft = 308;
      return;
  }
}

std::string Location(const state::TMissionRow& o, Place place) {
  const std::string inTarget = " (in the " + SystemName(o[mission::kTargetSystem]) + " system)";
  const auto point = [&o](mission::Field bodyField) {
    return BodyName(o[bodyField], o[bodyField + 1]);
  };
  switch (place) {
    case Place::Target:
      return BodyName(o[mission::kTargetBody], o[mission::kTargetSystem]) + inTarget;
    case Place::NavPoint:
      return point(mission::kFirstPointBody) + inTarget;
    case Place::ThreeNavPoints:
      return point(mission::kFirstPointBody) + ", " + point(mission::kSecondPointBody) + ", " +
             point(mission::kThirdPointBody) + inTarget;
    case Place::TwoPlaces:
      return point(mission::kPickUpBody) + " (in the " + SystemName(o[mission::kPickUpSystem]) +
             " system), " + point(mission::kDropBody) + " (in the " +
             SystemName(o[mission::kDropSystem]) + " system)";
    case Place::PlanetsLeft:
      return "Planets left: 50";
  }
  return {};
}

}  // namespace

std::optional<std::string> MissionBoardHeader(state::ShipSize shipSize) {
  switch (shipSize) {
    case state::kSizeFighter: return "Available missions for \"Fighter-class\" pilots:";
    case state::kSizeCorvette: return "Available missions for \"Corvette-class\" pilots:";
    case state::kSizeDestroyer: return "Available missions for \"Destroyer-class\" captains:";
    case state::kSizeCruiser: return "Available missions for \"Cruiser-class\" captains:";
    default:
      if (shipSize >= state::kSizeBattleship && state::Stored(shipSize) <= 100)
        return "Available missions for \"Battleship-class\" captains:";
      return std::nullopt;
  }
}

std::string MissionLogo(MissionType type) {
  return state::IsMissionType(type) ? std::string(kTypes[state::Stored(type)].logo) : std::string();
}

std::string MissionTilePicture(const std::string& logo, TileLook look) {
  switch (look) {
    case TileLook::Hovered: return logo + "MouseOver.jpg";
    case TileLook::Selected: return logo + "ON.jpg";
    case TileLook::Normal: break;
  }
  return logo + ".jpg";
}

MissionTileView BuildMissionTile(std::int32_t system, std::int32_t slot) {
  MissionTileView view;
  const state::TMissionRow* o = Offer(system, slot);
  if (o == nullptr || (*o)[mission::kActive] < 1) return view;
  const MissionType type{(*o)[mission::kType]};
  view.offered = true;
  view.title = std::string(rules::MissionTitle(type));
  view.place = type == kMissionMarineLanding || type == kMissionEvacuation
                   ? SystemName((*o)[mission::kPickUpSystem]) + ", " +
                         SystemName((*o)[mission::kDropSystem])
                   : SystemName((*o)[mission::kTargetSystem]);
  view.reward = Dollars((*o)[mission::kReward]);
  view.logo = MissionLogo(type);
  return view;
}

std::optional<MissionDetailView> BuildMissionDetail(std::int32_t system, std::int32_t slot) {
  const state::TMissionRow* o = Offer(system, slot);
  if (o == nullptr || (*o)[mission::kActive] < 1 ||
      !state::IsMissionType(MissionType{(*o)[mission::kType]}))
    return std::nullopt;
  const MissionType type{(*o)[mission::kType]};
  const TypeRow& row = kTypes[state::Stored(type)];
  MissionDetailView view;
  view.heading = std::string(row.heading);
  view.briefing = state::Quoted(rules::GetMissionBriefing(type, 0, system, slot));
  view.valueCaption = std::string(row.valueCaption);
  FillValue(*o, row.value, system, slot, view);
  view.location = Location(*o, row.place);
  view.reward = Dollars((*o)[mission::kReward]);
  return view;
}

}  // namespace screens
