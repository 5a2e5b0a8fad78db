#include "rules/special_ships.h"

#include <array>

#include "rules/briefings.h"
#include "rules/missions.h"
#include "state/equipment_ids.h"
#include "state/factions.h"
#include "state/fields.h"
#include "state/random.h"
#include "state/ship_class_of.h"
#include "state/ship_classes.h"
#include "state/ship_kinds.h"
#include "state/skills.h"
#include "state/variables.h"

namespace rules {
namespace {

using state::Random;
using state::SpecialShips;
using Sentences = std::array<std::string_view, 10>;


// --- Sensor sentences ------------------------------------------------------------------------------

constexpr Sentences kPirateOpenings{
    "Your scanners have detected a pirate spaceship not too far away. ",
    "Watching your scanners, your computer suddenly sounds an alert. ",
    "You gaze onto the scanners and recognize the radiation patterns of a vessel. ",
    "Almost hidden by the sun’s electromagnetic flares, a pirate ship is closing in. ",
    "The computer informs you about a pirate vessel moving away from your position. ",
    "After a warning on the local channels, your scanners are able to locate a pirate vessel. ",
    "A small blip on your scanners informs you that a moving spaceship is nearby. ",
    "You have detected a pirate spaceship within scanner distance. ",
    "Your computer reports a hidden pirate spaceship looking for a victim. ",
    "A very weak source of radiation is detected by your scanners. It’s a hidden pirate. ",
};

constexpr Sentences kTraderOpenings{
    "Your scanners have detected a merchant ship not too far away. ",
    "A slow moving blip on your scanners turns out to be a civilian vessel. ",
    "Your computer reports a trading ship on its way through this system. ",
    "The local traffic channel announces a merchant vessel close to your position. ",
    "You gaze onto the scanners and recognize the engine signature of a freighter. ",
    "A civilian ship has just left the space lane and appears on your scanners. ",
    "Your scanners pick up the transponder signal of a merchant ship. ",
    "Almost hidden behind a planet, a trading vessel is moving towards the jump point. ",
    "Watching your scanners, you notice a civilian ship passing by. ",
    "Your computer has located a merchant vessel within scanner distance. ",
};

constexpr Sentences kMilitaryOpenings{
    "Your scanners have detected a military spaceship not too far away. ",
    "A warship is moving through the system, its weapons clearly visible on your scanners. ",
    "Your computer reports a military vessel within scanner distance. ",
    "The strong energy signature of a warship appears on your scanners. ",
    "You gaze onto the scanners and recognize the radiation patterns of a military vessel. ",
    "A military ship has left the jump point and is crossing the system. ",
    "Watching your scanners, you notice a warship flying in formation. ",
    "Your computer has identified the transponder code of a military spaceship. ",
    "A heavily armed vessel shows up on your scanners. ",
    "The local military channel reveals a warship near your position. ",
};

constexpr Sentences kCommonPirate{
    "It seems to be a common pirate. There are so many out there these times.",
    "Judging by its patched hull, it is just a common pirate looking for easy prey.",
    "The ship carries no known markings. Probably one of the many small-time pirates of this sector.",
    "Nothing special about it - just another common pirate hunting for unarmed freighters.",
    "Your computer cannot match it to any wanted list. A common pirate, nothing more.",
    "It looks like an ordinary pirate, one of the countless raiders that plague the trade routes.",
    "The vessel shows the typical signs of a common pirate: stolen parts and a loud engine.",
    "Its captain is not on any wanted list. Just a common pirate trying to make a living.",
    "A common pirate, it seems. These days you find them in every corner of the galaxy.",
    "Your scanners identify it as a common pirate vessel. Nobody will miss it.",
};

// A wanted pirate: the text before and after the name.
struct Wanted {
  std::string_view before;
  std::string_view after;
};
constexpr std::array<Wanted, 10> kWantedPirate{{
    {"Oh no! It’s the dread pirate ", ". One of the most wanted men in the Galaxy!"},
    {"You cannot trust your eyes. It’s the dread ", ". The government has placed a high bounty on his head."},
    {"The transponder code matches the wanted list: it is ", " himself. Every police force in the galaxy is looking for him."},
    {"Your computer identifies the ship of ", ". His face is on every wanted poster between here and the core worlds."},
    {"It is ", "! The most feared pirate of the sector, and a very rich bounty for whoever takes him down."},
    {"The radiation pattern is unmistakable: ", ", wanted dead or alive in every system."},
    {"Your blood freezes. It’s ", ", a criminal with a long list of raided freighters and a high price on his head."},
    {"The computer finds a match in the wanted files: ", ". The bounty on him could make you rich."},
    {"No doubt, it’s the infamous ", ". Many captains have tried to catch him. None has succeeded so far."},
    {"Wanted alert! The ship belongs to ", ", one of the most dangerous criminals in the Galaxy."},
}};

// Traders by sub-kind 1..5.
constexpr std::array<Sentences, 5> kTraders{{
    {"At first glance, it seems to be a common freighter.",
     "It is a common freighter carrying ordinary cargo.",
     "Nothing special here - just a common freighter on its daily route.",
     "The cargo manifest looks boring. A common freighter.",
     "It seems to be one of the many common freighters that keep the galaxy supplied.",
     "Your scans show an ordinary freighter with ordinary goods.",
     "A common trading ship, nothing more and nothing less.",
     "Its cargo bays hold nothing unusual. Just a common freighter.",
     "The ship is a common freighter, flying the usual trade route.",
     "A quick scan reveals a common freighter with a tired crew."},
    {"You recognize the ship belonging to a local VIP. If abducted, he should be worth a high ransom.",
     "The ship is registered to a wealthy local VIP. His family would surely pay a high ransom.",
     "Passenger lists show that a local VIP is on board. Abducting him could bring in a fortune.",
     "It is the private yacht of a local VIP. A captured VIP is worth a high ransom.",
     "Your computer identifies a rich local VIP aboard. His ransom would be considerable.",
     "The ship carries a well known local VIP. Somebody would pay a lot to get him back.",
     "A local VIP travels in this ship. Capture him alive and the ransom will be high.",
     "The transponder reveals the ship of a local VIP. He should be worth a high ransom.",
     "Aboard is a local VIP with a famous name and a fat bank account. A good ransom, if you dare.",
     "It belongs to an important local VIP. Taken alive, he is worth a lot of credits."},
    {"Closer readings reveal that the ship is carrying valuable cargo aboard.",
     "Your scans show valuable cargo in its holds.",
     "The ship is loaded with valuable goods. A rich prize for the bold.",
     "Its cargo bays are filled with valuable merchandise.",
     "The mass readings suggest valuable cargo aboard.",
     "A closer look reveals a cargo of high value.",
     "The freighter carries valuable cargo, worth a small fortune on any market.",
     "The cargo manifest lists some very valuable goods.",
     "Your computer estimates the value of its cargo to be very high.",
     "This ship is carrying valuable cargo. It would make a fine catch."},
    {"Wow! The ship belongs to the famous treasure fleet. Inside its cargo bays are treasures beyond your imagination.",
     "You can hardly believe it: a ship of the legendary treasure fleet! Its holds are full of riches.",
     "It is a ship of the treasure fleet, loaded with more wealth than most planets own.",
     "Your computer confirms it: a treasure fleet ship. The riches aboard are beyond imagination.",
     "The heavily sealed cargo bays give it away. It’s a ship of the famous treasure fleet!",
     "A treasure fleet ship! Rumours say a single one of them carries the wealth of a whole system.",
     "The ship’s registry shows it belongs to the treasure fleet. Its cargo is priceless.",
     "Incredible! A ship of the treasure fleet is right in front of you, filled with unimaginable treasures.",
     "It is one of the legendary treasure fleet ships. Whoever takes it will be rich for life.",
     "Your scanners cannot even estimate the value of its cargo. It belongs to the treasure fleet!"},
    {"Your scanners reveal that this ship is transporting crucial military supplies.",
     "The cargo consists of military supplies for the front.",
     "This freighter carries crucial supplies for the war effort.",
     "Your scans show ammunition and spare parts for the military in its holds.",
     "The ship is transporting military supplies vital for the campaign in this system.",
     "Its cargo bays are full of supplies for the fighting fleets.",
     "The ship carries crucial military supplies. Losing them would hurt the war effort.",
     "Your computer identifies its cargo as military supplies.",
     "The freighter is loaded with supplies that the battlegroups urgently need.",
     "Closer readings reveal crucial military supplies aboard."},
}};

// Military ships by sub-kind 1..3.
constexpr std::array<Sentences, 3> kMilitary{{
    {"You are scanned yourself by the military patrol, but it is not making any attempts to engage.",
     "It is a routine military patrol. It scans you briefly and goes on its way.",
     "The patrol keeps its distance and shows no sign of hostility.",
     "A military patrol on its usual round. It does not seem interested in you.",
     "The patrol checks your transponder but makes no move to attack.",
     "It is just a patrol guarding the space lanes of this system.",
     "The patrol ship follows its route without paying much attention to you.",
     "Your scanners show a standard patrol. Its weapons are not locked on you.",
     "A military patrol watches the traffic, but it is not looking for a fight.",
     "The patrol registers your ship and continues its sweep of the system."},
    {"You realize that it is a military VIP. There is an escort with him, but his abduction could influence the war.",
     "The ship carries a high-ranking officer. Abducting him could change the course of the war.",
     "A military VIP is aboard, guarded by an escort. His capture would hurt the enemy’s war efforts.",
     "Your computer identifies the flagship of a general. Abducting him could influence the war.",
     "It carries an important military VIP. Despite the escort, his abduction could decide battles.",
     "An admiral’s staff ship! Capture the military VIP aboard and the war could take a turn.",
     "The escorted ship transports a military VIP. His abduction would be a major blow.",
     "A military VIP travels under escort. Taking him alive could influence the war.",
     "The transponder shows a high command vessel with a military VIP aboard. A valuable target.",
     "Your scans reveal a military VIP and his escort. His capture could influence the war."},
    {"It seems to be on an important mission avoiding all hostile contacts. His destruction could influence the war efforts.",
     "The ship is flying a secret mission and avoids any contact. Destroying it could influence the war.",
     "It is on an urgent mission and keeps away from every other ship. Its destruction would hurt the war efforts.",
     "The vessel is carrying out an important mission and runs silent. Its loss could change the war.",
     "Your computer guesses it is on a mission of great importance. Stopping it could influence the war.",
     "It avoids all contact, clearly on an important mission. Destroy it and the war efforts will suffer.",
     "The ship is on a special mission for its high command. Its destruction could influence the war.",
     "It travels fast and alone, on an important mission. Shooting it down could influence the war efforts.",
     "An important mission seems to drive this ship. Its destruction would be felt at the front.",
     "The warship tries to stay unnoticed on its important mission. Destroying it could influence the war."},
}};

constexpr std::array<std::string_view, 10> kPirateNames{
    "\"Blackbeard\"", "\"Razorteeth\"", "\"Black Joe\"", "\"Nightmare\"", "\"Iceman\"",
    "\"Ray The Killer\"", "\"Dark Messiah\"", "\"Dark Morgan\"", "\"Jester\"", "\"Hellkid\"",
};

bool ValidSlot(std::int32_t slot) { return slot >= 1 && slot <= state::kLastSpecialShip; }

// The stored variant of field `field`, drawn first when there is none; every draw gives a
// sentence (1..10).
std::int32_t Variant(state::TSpecialShipRow& ship, special_ship::Field field) {
  if (ship[field] == 0) ship[field] = Random(10) + 1;
  return ship[field];
}

std::string_view Pick(const Sentences& sentences, std::int32_t variant) {
  return variant >= 1 && variant <= 10 ? sentences[variant - 1] : std::string_view();
}

// Picks the class of a new ship in slot `ship`, drawn until one is acceptable, at most 1000 times;
// false when none of the draws was, and the last draw's class stays in the slot.
bool DrawShipClass(state::TSpecialShipRow& ship, std::int32_t k, std::int32_t s, bool noWarship) {
  class SpecialShipClassTest : public EncounterClassTest {
   public:
    SpecialShipClassTest(Faction faction, bool noWarship)
        : faction_(faction), noWarship_(noWarship) {}
    bool Accepts(state::ShipClassId c) const override {
      const state::ShipRole role = state::GetShipClassRole(c);
      if (noWarship_ && role == state::kRoleMilitary) return false;
      if (role == state::kRoleCivilian && faction_ == kFactionPirates) return false;
      return c != state::kNoShipClass;
    }

   private:
    Faction faction_;
    bool noWarship_;
  };
  const Faction faction{ship[special_ship::kFaction]};
  const SpecialShipClassTest test(faction, noWarship);
  const state::ShipSize size = state::GetShipClassSize(state::ShipClassOf(state::PlayerShip));
  const state::ShipClassId drawn =
      SearchEncounterShipType(k, s, state::Stored(size), faction, test);
  ship[special_ship::kClass] = state::Stored(drawn);
  return test.Accepts(drawn);
}

bool TooCrowded() {
  int active = 0;
  for (int i = 1; i <= state::kLastSpecialShip; ++i) {
    if (SpecialShips[i][special_ship::kActive] != 0) ++active;
  }
  const bool tracking = state::OwnsSkill(kSkillTracking);
  const bool advanced = state::OwnsSkill(kSkillAdvancedTracking);
  if (!tracking && !advanced &&
      ComputerId{state::PlayerShip[ship::kTargeting]} != kComputerAdvancedSensors)
    return active > 4;
  if (tracking && !advanced) return active > 6;
  return false;
}

void DrawSubKind(state::TSpecialShipRow& ship, std::int32_t s) {
  const state::ShipSize n = state::GetShipClassSize(state::ShipClassOf(ship));
  const bool single = state::GetShipClassStat(state::ShipClassOf(ship), state::kAttrGroup) == 0;
  const state::TSystemRow& system = state::SystemData[s];
  const bool campaignHere = system[star_system::kCampaign] > 0;
  const bool party = (ship[special_ship::kFaction] == system[star_system::kOwner] ||
                      ship[special_ship::kFaction] == system[star_system::kAttacker]) &&
                     ship[special_ship::kFaction] != state::PlayerData[player::kFaction];
  switch (ShipKind{ship[special_ship::kKind]}) {
    case kTraderShip:
      if (Random(100) <= 10 && n > state::kSizeFighter && single)
        ship[special_ship::kSubKind] = state::Stored(kSubKindVip);
      if (Random(100) <= 10) ship[special_ship::kSubKind] = state::Stored(kSubKindValuableCargo);
      if (Random(100) <= 3 && n > state::kSizeDestroyer)
        ship[special_ship::kSubKind] = state::Stored(kSubKindTreasureFleet);
      if (Random(100) <= 10 && campaignHere && party)
        ship[special_ship::kSubKind] = state::Stored(kSubKindMilitarySupplies);
      break;
    case kMilitaryShip:
      if (Random(100) <= 10 && campaignHere && n > state::kSizeFighter && single)
        ship[special_ship::kSubKind] = state::Stored(kSubKindVip);
      if (Random(100) <= 10 && campaignHere && party)
        ship[special_ship::kSubKind] = state::Stored(kSubKindImportantMission);
      break;
    default:
      if (Random(100) <= 10 && n > state::kSizeFighter && single)
        ship[special_ship::kSubKind] = state::Stored(kSubKindWantedPirate);
      break;
  }
}

void MaybeMissionTarget(std::int32_t slot, std::int32_t s) {
  state::TSpecialShipRow& ship = SpecialShips[slot];
  const state::TMissionRow& mission = state::ActiveMission;
  if (mission[mission::kActive] == 0 || mission[mission::kTargetSystem] != s) return;
  const bool bounty = MissionType{mission[mission::kType]} == kMissionBounty &&
                      ShipKind{ship[special_ship::kKind]} == kPirateShip;
  const bool abduction = MissionType{mission[mission::kType]} == kMissionAbduction &&
                         ShipKind{ship[special_ship::kKind]} == kMilitaryShip;
  if (!bounty && !abduction) return;
  const std::int32_t r = Random(100);
  const std::int32_t chance = state::OwnsSkill(kSkillBountyHunter) ? 30 : 15;
  if (chance <= r) return;
  ship[special_ship::kFaction] = mission[mission::kEnemyFaction];
  ship[special_ship::kClass] = mission[mission::kEnemyClass];
  ship[special_ship::kMissionTarget] = 1;
  ship[special_ship::kSubKind] = state::Stored(kSubKindWantedPirate);
  const std::string name =
      bounty ? GetBountyTargetName(1, s, 0) : GetAbductionTargetName(1, s, 0);
  DescribeSpecialShip(slot, name);
}

void MaybeAnnounceTreasure(state::TSpecialShipRow& ship, Ui& ui) {
  if (ShipKind{ship[special_ship::kKind]} != kTraderShip ||
      SpecialShipSubKind{ship[special_ship::kSubKind]} != kSubKindTreasureFleet ||
      state::PlayerData[player::kTreasureFleetNotice] != 0)
    return;
  if (!state::OwnsSkill(kSkillHacker) || !ui.IsVisible(Screen::Travel) ||
      ui.IsVisible(Screen::PirateHideout))
    return;
  state::PlayerData[player::kTreasureFleetNotice] = 1;
  ship[special_ship::kDaysLeft] = 12;
  ui.Message(Popup::Text, "Treasure fleet",
             "During a routine check of the government computers you found out (\"Hacking ability\") "
             "that there is a treasure fleet ship in this system!");
}

void Refill(std::int32_t slot, std::int32_t s, Ui& ui) {
  state::TSpecialShipRow& ship = SpecialShips[slot];
  ship[special_ship::kActive] = 1;
  ship[special_ship::kDaysLeft] = 4 + Random(3);
  for (auto field = special_ship::kMissionTarget; field <= special_ship::kPirateNameVariant;
       ++field)
    ship[field] = 0;
  const state::TSystemRow& system = state::SystemData[s];
  const EncounterSituation k = EncounterSituationOf(s);
  ship[special_ship::kFaction] =
      state::Stored(ChooseEncounterFaction(k, Faction{system[star_system::kOwner]}));
  const bool noWarship = Random(100) < 30;
  if (!DrawShipClass(ship, k, s, noWarship) || TooCrowded()) {
    ship[special_ship::kActive] = 0;
    return;
  }
  const bool warship = state::GetShipClassRole(state::ShipClassOf(ship)) == state::kRoleMilitary;
  const ShipKind kind = !warship                                          ? kTraderShip
                        : Faction{ship[special_ship::kFaction]} == kFactionPirates ? kPirateShip
                                                                          : kMilitaryShip;
  ship[special_ship::kKind] = state::Stored(kind);
  ship[special_ship::kLeastLoadoutTier] = 1;
  ship[special_ship::kSubKind] = state::Stored(kSubKindCommon);
  DrawSubKind(ship, s);
  MaybeMissionTarget(slot, s);
  MaybeAnnounceTreasure(ship, ui);
}

}  // namespace

void UpdateSpecialShips(Ui& ui) {
  for (std::int32_t i = 1; i <= state::kLastSpecialShip; ++i) {
    state::TSpecialShipRow& ship = SpecialShips[i];
    if (ship[special_ship::kActive] == 0) continue;
    ship[special_ship::kDaysLeft] -= 1;
    if (ship[special_ship::kDaysLeft] > 0) continue;
    ship[special_ship::kActive] = 0;
    if (ShipKind{ship[special_ship::kKind]} == kTraderShip &&
        SpecialShipSubKind{ship[special_ship::kSubKind]} == kSubKindTreasureFleet)
      state::PlayerData[player::kTreasureFleetNotice] = 0;
  }
  const std::int32_t s = state::PlayerShip[ship::kSystem];
  if (s < 1 || s > state::kLastSystem) return;
  for (std::int32_t i = 1; i <= state::kLastSpecialShip; ++i) {
    if (SpecialShips[i][special_ship::kActive] == 0) Refill(i, s, ui);
  }
}

std::string PickSpecialShipPirateName(std::int32_t slot) {
  if (!ValidSlot(slot)) return {};
  state::TSpecialShipRow& ship = SpecialShips[slot];
  if (ship[special_ship::kPirateNameVariant] == 0)
    ship[special_ship::kPirateNameVariant] = Random(10) + 1;
  const std::int32_t v = ship[special_ship::kPirateNameVariant];
  return v >= 1 && v <= 10 ? std::string(kPirateNames[v - 1]) : std::string(kPirateNames[0]);
}

std::string DescribeSpecialShip(std::int32_t slot, std::string_view name) {
  if (!ValidSlot(slot)) return {};
  state::TSpecialShipRow& ship = SpecialShips[slot];
  std::string text(Pick(kPirateOpenings, Variant(ship, special_ship::kFirstSentenceVariant)));
  const std::int32_t second = Variant(ship, special_ship::kSecondSentenceVariant);
  if (SpecialShipSubKind{ship[special_ship::kSubKind]} != kSubKindWantedPirate)
    return text + std::string(Pick(kCommonPirate, second));
  if (second < 1 || second > 10) return text;
  const std::string wanted =
      name.empty() || name == " " ? PickSpecialShipPirateName(slot) : std::string(name);
  const Wanted& w = kWantedPirate[second - 1];
  return text + std::string(w.before) + wanted + std::string(w.after);
}

std::string DescribeTraderSpecialShip(std::int32_t slot) {
  if (!ValidSlot(slot)) return {};
  state::TSpecialShipRow& ship = SpecialShips[slot];
  std::string text(Pick(kTraderOpenings, Variant(ship, special_ship::kFirstSentenceVariant)));
  const SpecialShipSubKind stored{ship[special_ship::kSubKind]};
  const SpecialShipSubKind subKind =
      stored >= kSubKindCommon && stored <= kSubKindMilitarySupplies ? stored : kSubKindCommon;
  return text + std::string(Pick(kTraders[state::Stored(subKind) - 1],
                                 Variant(ship, special_ship::kSecondSentenceVariant)));
}

std::string DescribeMilitarySpecialShip(std::int32_t slot) {
  if (!ValidSlot(slot)) return {};
  state::TSpecialShipRow& ship = SpecialShips[slot];
  std::string text(Pick(kMilitaryOpenings, Variant(ship, special_ship::kFirstSentenceVariant)));
  const SpecialShipSubKind stored{ship[special_ship::kSubKind]};
  const SpecialShipSubKind subKind =
      stored >= kSubKindCommon && stored <= kSubKindImportantMission ? stored : kSubKindCommon;
  return text + std::string(Pick(kMilitary[state::Stored(subKind) - 1],
                                 Variant(ship, special_ship::kSecondSentenceVariant)));
}

}  // namespace rules
