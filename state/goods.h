// The 18 trade goods: names, base prices and how strongly each economy class produces or bans
// them. Goods 13..18 are contraband; their names begin with "*".
#pragma once

#include <cstdint>
#include <string_view>

#include "state/id.h"

// The goods by id. Like the field names (state/fields.h), the ids sit at the top level, next to
// `state`, so that every layer writes them short.
enum class Good : std::int32_t {
  kGoodSupplies = 1,
  kGoodMedicals = 2,
  kGoodWeapons = 3,
  kGoodSynthetics = 4,
  kGoodRobotics = 5,
  kGoodEngines = 6,
  kGoodDelicacies = 7,
  kGoodRarePets = 8,
  kGoodJewelry = 9,
  kGoodSuperOre = 10,
  kGoodDiamonds = 11,
  kGoodAntimatter = 12,
  kGoodRum = 13,  // the first contraband (state::kFirstContraband)
  kGoodTobacco = 14,
  kGoodDreamdisc = 15,
  kGoodLiterature = 16,
  kGoodReligious = 17,
  kGoodStolenData = 18,
};
using enum Good;
inline constexpr Good kNoGood{0};  // e.g. no good selected in the trade window

namespace state {

// Production points of a body for a good.
inline constexpr std::int32_t kMainProducer = 10;
inline constexpr std::int32_t kSecondaryProducer = 5;
inline constexpr std::int32_t kBanned = -1;

// Catalogue name of good 1..18; empty for any other id.
std::string_view GetGoodCatalogueName(Good good);

// Catalogue base price of good 1..18; 0 for any other id.
std::int32_t GetGoodCatalogueBasePrice(Good good);

// Production points of an economy class (0..6) for a good: 10 main producer, 5 secondary
// producer, 0 none, -1 banned. Good 0, goods above 18 and classes outside 0..6 give 0, except
// that goods 13..16 are banned under every class.
std::int32_t GetGoodProduction(Good good, std::int32_t economyClass);

// Writes the names and base prices of goods 1..18 into GoodName and GoodBasePrice.
void FillGoodTables();

}  // namespace state
