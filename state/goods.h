// The 18 trade goods: names, base prices and how strongly each economy class produces or bans
// them. Goods 13..18 are contraband; their names begin with "*".
#pragma once

#include <cstdint>
#include <string_view>

namespace state {

// Production points of a body for a good.
inline constexpr std::int32_t kMainProducer = 10;
inline constexpr std::int32_t kSecondaryProducer = 5;
inline constexpr std::int32_t kBanned = -1;

// Catalogue name of good 1..18; empty for any other id.
std::string_view GetGoodCatalogueName(std::int32_t good);

// Catalogue base price of good 1..18; 0 for any other id.
std::int32_t GetGoodCatalogueBasePrice(std::int32_t good);

// Production points of an economy class (0..6) for a good: 10 main producer, 5 secondary
// producer, 0 none, -1 banned. Good 0, goods above 18 and classes outside 0..6 give 0, except
// that goods 13..16 are banned under every class.
std::int32_t GetGoodProduction(std::int32_t good, std::int32_t economyClass);

// Writes the names and base prices of goods 1..18 into GoodName and GoodBasePrice.
void FillGoodTables();

}  // namespace state
