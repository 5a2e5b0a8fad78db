#include "screens/travel/sensors_view.h"

#include <vector>

#include "rules/briefings.h"
#include "rules/diplomacy.h"
#include "rules/special_ships.h"
#include "state/factions.h"
#include "state/fields.h"
#include "state/format.h"
#include "state/mission_types.h"
#include "state/progression.h"
#include "state/ship_class_of.h"
#include "state/ship_classes.h"
#include "state/ship_kinds.h"
#include "state/variables.h"

namespace screens {
namespace {

bool IsSlot(int slot) { return slot >= 1 && slot <= kSensorSlots; }

std::string SizeWord(state::ShipClassId c) {
  const bool military = state::GetShipClassRole(c) == state::kRoleMilitary;
  switch (state::GetShipClassSize(c)) {
    case state::kSizeFighter: return "(Fighter)";
    case state::kSizeCorvette: return "(Corvette)";
    case state::kSizeDestroyer: return military ? "(Destroyer)" : "(Transporter)";
    case state::kSizeCruiser: return military ? "(Cruiser)" : "(Large freighter)";
    case state::kSizeBattleship: return "(Battleship)";
    default: return {};
  }
}

// The name a mission target goes by, drawn once for the current system's mission.
std::string TargetName(MissionType type) {
  const std::int32_t cur = state::PlayerShip[ship::kSystem];
  return type == kMissionBounty ? rules::GetBountyTargetName(1, cur, 0)
                                : rules::GetAbductionTargetName(1, cur, 0);
}

// "A, B and the C": the short names of the factions the player's faction is at war with.
std::string WarList(const std::vector<std::string>& names) {
  std::string text;
  for (std::size_t k = 0; k < names.size(); ++k) {
    if (k > 0) text += k + 1 == names.size() ? " and the " : ", ";
    text += names[k];
  }
  return text;
}

std::string GreetingTail() {
  const Faction p{state::PlayerData[player::kFaction]};
  std::vector<std::string> enemies;
  if (state::IsFaction(p)) {
    for (const Faction g : state::kPowers)
      if (g != p && state::FactionData[state::Stored(p)][faction::AtWarWith(g)] > 0)
        enemies.push_back(state::FactionText[state::Stored(g)][faction_text::kShortName]);
  }
  if (enemies.empty())
    return " Right now we are at peace with all other factions, but I am sure this won\u00b4t be for "
           "long.";
  return " Please be careful. We are at war with the " + WarList(enemies);
}

}  // namespace

bool SensorShipHostile(int slot) {
  if (!IsSlot(slot)) return false;
  const Faction f{state::SpecialShips[slot][special_ship::kFaction]};
  const Faction p{state::PlayerData[player::kFaction]};
  if (f == kFactionPirates) return true;
  if (f == p || !state::IsFaction(p) || !state::IsFaction(f)) return false;
  return state::FactionData[state::Stored(p)][faction::AtWarWith(f)] >= 1;
}

std::array<SensorBlipView, kSensorSlots> BuildSensorBlips(int selected) {
  std::array<SensorBlipView, kSensorSlots> blips;
  for (int i = 1; i <= kSensorSlots; ++i) {
    SensorBlipView& blip = blips[i - 1];
    if (state::SpecialShips[i][special_ship::kActive] < 1) continue;
    blip.shown = true;
    const bool hostile = SensorShipHostile(i);
    blip.colour = hostile ? kEnemyBlip : kFriendlyBlip;
    blip.label = hostile ? "Enemy blip" : "Friendly blip";
    if (i == selected) {
      blip.colour = kSelectedBlip;
      blip.label = "Selected blip";
    }
  }
  return blips;
}

SensorShipView DescribeSensorShip(int slot) {
  SensorShipView v;
  if (!IsSlot(slot)) return v;
  const state::TSpecialShipRow& row = state::SpecialShips[slot];
  const state::ShipClassId c = state::ShipClassOf(row);
  const ShipKind kind{row[special_ship::kKind]};
  const SpecialShipSubKind subKind{row[special_ship::kSubKind]};
  const bool target = row[special_ship::kMissionTarget] == 1;
  const MissionType type{state::ActiveMission[mission::kType]};
  const std::string className = state::GetShipClassName(c);

  v.line = rules::FactionShortName(Faction{row[special_ship::kFaction]}) + " " + className + " " +
           SizeWord(c);
  if (target && (type == kMissionBounty || type == kMissionAbduction))
    v.line = TargetName(type) + " (" + className + ")";

  const std::int64_t x = state::GetShipClassExperience(c);
  auto money = [](std::int64_t amount) {
    return state::FormatThousands(static_cast<std::int32_t>(amount > INT32_MAX ? INT32_MAX : amount));
  };
  std::string vip = "Capture the VIP alive for a ransom of at least $ ";
  vip += money(3 * x);
  vip += '.';
  v.speciality = '-';
  switch (kind) {
    case kTraderShip:
      v.description = rules::DescribeTraderSpecialShip(slot);
      if (subKind == kSubKindVip) v.speciality = vip;
      break;
    case kMilitaryShip:
      v.description = rules::DescribeMilitarySpecialShip(slot);
      if (subKind == kSubKindVip) v.speciality = vip;
      if (subKind == kSubKindImportantMission) v.speciality = "The destruction of this ship could influence the war.";
      break;
    case kPirateShip:
      if (subKind == kSubKindCommon) {
        v.description = rules::DescribeSpecialShip(slot, "");
        v.speciality = "There is a bounty of $ " + money(x) + " for the destruction of this vessel";
      } else if (subKind == kSubKindWantedPirate) {
        v.description = rules::DescribeSpecialShip(slot, "");
        v.speciality = "Take him out for a ransom of at least $ " + money(2 * x) + ". Dead or alive.";
      }
      break;
    default:
      break;
  }
  if (target && state::ActiveMission[mission::kActive] > 0) {
    const bool named = kind == kPirateShip
                           ? type == kMissionBounty || type == kMissionAbduction
                           : (kind == kTraderShip || kind == kMilitaryShip) &&
                                 type == kMissionAbduction;
    if (named) v.description = rules::DescribeSpecialShip(slot, TargetName(type));
  }
  if (target) v.speciality = "This is your mission target! Go get him!";
  v.picture = state::GetShipFactionImage(c, Faction{row[special_ship::kFaction]}) + "_scene.jpg";
  return v;
}

SensorHailView BuildSensorHail(int slot) {
  SensorHailView v;
  if (!IsSlot(slot)) return v;
  const state::TSpecialShipRow& row = state::SpecialShips[slot];
  const Faction p{state::PlayerData[player::kFaction]};
  const Rank rank{state::PlayerData[player::kRank]};
  const bool own = Faction{row[special_ship::kFaction]} == p;
  const std::string silence = "You do not get a response.";
  switch (ShipKind{row[special_ship::kKind]}) {
    case kTraderShip:
      v.picture = "Trader.jpg";
      v.text = "\"Nooo! Do not hurt me! Pleaseee! ... Oh, my mistake, you are no pirate - are you?\"";
      break;
    case kMilitaryShip:
      v.picture = own ? "Fedpilot1.jpg" : "Fedpilot2.jpg";
      v.text = own ? state::Quoted(state::GetRankTitle(p, rank) + " " +
                                   state::NameInText(state::PlayerName) +
                                   "! How can we assist you, Sir?" + GreetingTail())
                   : silence;
      break;
    default:
      v.picture = "PiratePilot.jpg";
      v.text = silence;
      break;
  }
  return v;
}

}  // namespace screens
