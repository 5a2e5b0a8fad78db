#include "rules/equipment_shop.h"

#include <algorithm>
#include <string>

#include "rules/credits.h"
#include "rules/trade.h"
#include "state/equipment.h"
#include "state/equipment_offers.h"
#include "state/fields.h"
#include "state/format.h"
#include "state/ship_class_of.h"
#include "state/variables.h"

namespace rules {
namespace {

using state::Side;

bool IsCategory(state::EquipmentCategory category) {
  return category >= state::kFirstEquipmentCategory && category <= state::kLastEquipmentCategory;
}

state::ShipClassId ShipClass() { return state::ShipClassOf(state::PlayerShip); }

std::string Quoted(const std::string& text) { return "\"" + text + "\""; }

std::string Percent(std::int32_t value) { return std::to_string(value) + "%"; }
std::string PlusPercent(std::int32_t value) { return "+ " + std::to_string(value) + "%"; }

std::string Description(state::EquipmentCategory category, std::int32_t item) {
  switch (category) {
    case state::kCategoryGuns: return state::GetGunDescription(GunId{item});
    case state::kCategoryMissiles: return state::GetMissileDescription(MissileId{item});
    case state::kCategoryEngine: return state::GetEngineDescription(EngineId{item});
    case state::kCategoryCargoSpace: return state::GetCargoModuleDescription(CargoModuleId{item});
    case state::kCategoryTargeting: return state::GetComputerDescription(ComputerId{item});
    case state::kCategoryEcm: return state::GetEcmDescription(EcmId{item});
    default: return {};
  }
}

// The texts every catalogue row has.
struct ItemTexts {
  std::string name, picture, speciality;
};

template <class Row>
ItemTexts TextsOf(const Row& row) {
  return {row.name, row.picture, row.speciality};
}

ItemTexts TextsOf(state::EquipmentCategory category, std::int32_t item) {
  switch (category) {
    case state::kCategoryGuns: return TextsOf(state::GunItem(GunId{item}));
    case state::kCategoryMissiles: return TextsOf(state::MissileItem(MissileId{item}));
    case state::kCategoryEngine: return TextsOf(state::EngineItem(EngineId{item}));
    case state::kCategoryCargoSpace: return TextsOf(state::CargoModuleItem(CargoModuleId{item}));
    case state::kCategoryTargeting: return TextsOf(state::ComputerItem(ComputerId{item}));
    case state::kCategoryEcm: return TextsOf(state::EcmItem(EcmId{item}));
    default: return {};
  }
}

std::string Speciality(state::EquipmentCategory category, std::int32_t item) {
  return TextsOf(category, item).speciality;
}

// A stat row left empty.
const StatRow kBlank{" ", " "};

std::string CargoUnits(state::ShipClassId k, std::int32_t module) {
  return std::to_string(state::GetShipCargoCapacity(k, CargoModuleId{module}, Side::Player));
}

// "You already have this kind of ... in your ship."
std::string AlreadyFittedText(state::EquipmentCategory category) {
  switch (category) {
    case state::kCategoryGuns: return "You already have this kind of guns in your ship.";
    case state::kCategoryMissiles: return "You already have this kind of missiles in your ship.";
    case state::kCategoryEngine: return "You already have this kind of engines in your ship.";
    case state::kCategoryCargoSpace:
      return "You already have this kind of cargo space system in your ship.";
    case state::kCategoryTargeting:
      return "You already have this kind of targeting systems in your ship.";
    case state::kCategoryEcm: return "You already have this kind of ECM in your ship.";
    default: return {};
  }
}

}  // namespace

// A gun's name carries the calibre of the class.
std::string EquipmentName(state::EquipmentCategory category, state::ShipClassId k, std::int32_t item) {
  if (category == state::kCategoryGuns) return state::GetGunName(k, GunId{item});
  return TextsOf(category, item).name;
}

std::string EquipmentPicture(state::EquipmentCategory category, std::int32_t item) {
  return TextsOf(category, item).picture;
}

std::int32_t EquipmentPrice(state::EquipmentCategory category, state::ShipClassId k, std::int32_t item) {
  switch (category) {
    case state::kCategoryGuns: return state::GetGunPrice(k, GunId{item});
    case state::kCategoryMissiles: return state::GetMissilePrice(k, MissileId{item});
    case state::kCategoryEngine: return state::GetEnginePrice(k, EngineId{item});
    case state::kCategoryCargoSpace: return state::GetCargoModulePrice(k, CargoModuleId{item});
    case state::kCategoryTargeting: return state::GetComputerPrice(k, ComputerId{item});
    case state::kCategoryEcm: return state::GetEcmPrice(k, EcmId{item});
    default: return 0;
  }
}

std::int32_t FittedEquipment(state::EquipmentCategory category) {
  return IsCategory(category) ? state::PlayerShip[state::EquipmentShipField(category)] : 0;
}

std::int32_t EquipmentTradeIn(state::EquipmentCategory category) {
  return EquipmentPrice(category, ShipClass(), FittedEquipment(category)) / 4;
}

std::int64_t EquipmentOfferPrice(state::EquipmentCategory category, std::int32_t item) {
  return static_cast<std::int64_t>(EquipmentPrice(category, ShipClass(), item)) -
         EquipmentTradeIn(category);
}

std::int64_t EquipmentUpgradeCost(state::EquipmentCategory category, std::int32_t item) {
  return std::max<std::int64_t>(0, EquipmentOfferPrice(category, item));
}

FittedEquipmentView BuildFittedEquipmentView(state::EquipmentCategory category) {
  FittedEquipmentView v;
  const state::ShipClassId k = ShipClass();
  const std::int32_t f = FittedEquipment(category);
  v.picture = EquipmentPicture(category, f) + ".jpg";
  v.name = Quoted(EquipmentName(category, k, f));
  const std::string speciality = Speciality(category, f);
  switch (category) {
    case state::kCategoryGuns:
      v.type = "Ship weapon";
      v.rows = {{{"Damage:", std::to_string(state::GetGunDamage(k, GunId{f}, Side::Player))},
                 {"Hit-Chance:", Percent(state::GetGunAccuracy(k, GunId{f}, Side::Player))},
                 {"Action Pts.:", std::to_string(state::GetGunApCost(k, GunId{f}, Side::Player))}}};
      break;
    case state::kCategoryMissiles:
      v.type = "Missile";
      v.rows = {{{"Damage:", std::to_string(state::GetMissileDamage(k, MissileId{f}))},
                 {"Action Pts.:", std::to_string(state::GetMissileApCost(k, MissileId{f}, Side::Player))},
                 {"Speciality:", speciality}}};
      break;
    case state::kCategoryEngine:
      v.type = "Engine";
      v.rows = {{{"Speed:", std::to_string(state::GetEngineTravelSpeed(k, EngineId{f})) + "p/hour"},
                 {"Evasive bonus:", PlusPercent(state::EngineItem(EngineId{f}).evasion)},
                 {"Speciality:", speciality}}};
      break;
    case state::kCategoryCargoSpace:
      // The capacity in units the ship holds with its module, not a percentage.
      v.type = "Cargo space";
      v.rows = {{{"Cargo space:", CargoUnits(k, f)}, {"Speciality:", speciality}, kBlank}};
      break;
    case state::kCategoryTargeting:
      v.type = "Targeting";
      v.rows = {{{"Hit-Chance:", PlusPercent(state::ComputerItem(ComputerId{f}).accuracy)},
                 {"Speciality:", speciality},
                 kBlank}};
      break;
    case state::kCategoryEcm:
      v.type = "ECM system";
      v.rows = {{{"ECM Chance:", PlusPercent(state::EcmItem(EcmId{f}).Chance())},
                 {"Action Pts.:", std::to_string(state::EcmItem(EcmId{f}).apCost)},
                 {"Speciality:", speciality}}};
      break;
    default: return {};
  }
  return v;
}

EquipmentOfferView BuildEquipmentOfferView(state::EquipmentCategory category, std::int32_t i) {
  EquipmentOfferView v;
  if (!IsCategory(category)) return v;
  const state::ShipClassId k = ShipClass();
  v.name = Quoted(EquipmentName(category, k, i));
  v.description = Quoted(Description(category, i));
  const StatRow speciality{"Speciality:", Speciality(category, i)};
  switch (category) {
    case state::kCategoryGuns:
      v.type = "Ship weapon";
      v.rows = {{{"Damage:", std::to_string(state::GetGunDamage(k, GunId{i}, Side::Player))},
                 {"Hit-Chance:", Percent(state::GetGunAccuracy(k, GunId{i}, Side::Player))},
                 {"Action Pts.:", std::to_string(state::GetGunApCost(k, GunId{i}, Side::Player))},
                 speciality}};
      break;
    case state::kCategoryMissiles:
      v.type = "Missile";
      v.rows = {{{"Damage:", std::to_string(state::GetMissileDamage(k, MissileId{i}))},
                 {"Action Pts.:", std::to_string(state::GetMissileApCost(k, MissileId{i}, Side::Player))},
                 speciality,
                 kBlank}};
      break;
    case state::kCategoryEngine:
      v.type = "Engine";
      v.rows = {{{"Speed:", std::to_string(state::GetEngineTravelSpeed(k, EngineId{i})) + " p/hour"},
                 {"Evasive bonus:", PlusPercent(state::EngineItem(EngineId{i}).evasion)},
                 speciality,
                 kBlank}};
      break;
    case state::kCategoryCargoSpace:
      v.type = "Cargo space";
      v.rows = {{{"Cargo space:", CargoUnits(k, i)}, speciality, kBlank, kBlank}};
      break;
    case state::kCategoryTargeting:
      v.type = "Targeting system";
      v.rows = {{{"Hit-Chance:", PlusPercent(state::ComputerItem(ComputerId{i}).accuracy)}, speciality,
                 kBlank, kBlank}};
      break;
    case state::kCategoryEcm:
      v.type = "ECM";
      v.rows = {{{"ECM Chance:", PlusPercent(state::EcmItem(EcmId{i}).Chance())},
                 {"Action Pts.:", std::to_string(state::EcmItem(EcmId{i}).apCost)},
                 speciality,
                 kBlank}};
      break;
  }
  v.price = i == FittedEquipment(category) ? "(Currently equipped)"
                                           : state::FormatThousands(static_cast<std::int32_t>(
                                                 EquipmentOfferPrice(category, i)));
  return v;
}

std::string ShopCredits() {
  return "$ " + state::FormatThousands(state::PlayerData[player::kCredits]);
}

std::string UpgradeConfirmation(state::EquipmentCategory category, state::ShipClassId k, std::int32_t i) {
  const std::string name = EquipmentName(category, k, i);
  switch (category) {
    case state::kCategoryGuns: return "You upgrade the guns of your ship to " + name + " weapons.";
    case state::kCategoryMissiles: return "You upgrade the missiles of your ship to " + name + "s.";
    case state::kCategoryEngine: return "You upgrade the engines of your ship to " + name + "s.";
    case state::kCategoryCargoSpace:
      return "You upgrade the cargo space system of your ship to " + name + "s.";
    case state::kCategoryTargeting:
      return "You upgrade the targeting computer of your ship to " + name + ".";
    case state::kCategoryEcm: return "You upgrade the ECM of your ship to " + name + "s.";
    default: return {};
  }
}

UpgradeResult BuyEquipment(state::EquipmentCategory category, std::int32_t i, Ui& ui) {
  if (!IsCategory(category)) return UpgradeResult::NoCategory;
  const state::ShipClassId k = ShipClass();
  const std::int64_t cost = EquipmentUpgradeCost(category, i);
  const std::string dimmed = EquipmentPicture(category, i) + "_g.jpg";
  if (i == FittedEquipment(category)) {
    ui.Message(Popup::Picture, "Cannot upgrade!", AlreadyFittedText(category), dimmed);
    return UpgradeResult::AlreadyFitted;
  }
  if (cost > state::PlayerData[player::kCredits]) {
    ui.Message(Popup::Picture, "Not enough money!",
               "Unfortunately you do not have enough money to make this upgrade.", dimmed);
    return UpgradeResult::NotEnoughMoney;
  }
  if (category == state::kCategoryCargoSpace && CargoInUse() > 0) {
    ui.Message(Popup::Text, "Cargo space full!",
               "To upgrade your cargo space you will first have to empty it by selling ALL goods.");
    return UpgradeResult::CargoAboard;
  }
  AddSaturated(state::PlayerData[player::kCredits], -cost);
  state::PlayerShip[state::EquipmentShipField(category)] = i;
  if (category == state::kCategoryCargoSpace) {
    state::PlayerShip[ship::kCargoSpace] = state::GetShipCargoCapacity(k, CargoModuleId{i}, Side::Player);
    ui.UpdateTradePopup();
  }
  ui.Message(Popup::Picture, "Upgrading...", UpgradeConfirmation(category, k, i),
             EquipmentPicture(category, i) + ".jpg");
  ui.UpdateStatusBars();
  return UpgradeResult::Upgraded;
}

}  // namespace rules
