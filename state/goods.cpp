#include "state/goods.h"

#include <array>

#include "state/variables.h"

namespace state {
namespace {

struct GoodRow {
  std::string_view name;
  std::int32_t basePrice;
  std::array<std::int8_t, 7> production;  // by economy class 0..6
};

// clang-format off
constexpr std::array<GoodRow, kLastGood + 1> kGoods{{
  //  name              price   class 0   1   2   3   4   5   6
  {"",                      0, {  0,  0,  0,  0,  0,  0,  0}},
  {"Supplies",            100, {  0, 10,  0,  0,  0,  5,  5}},
  {"Medicals",            300, {  0, 10,  0,  0,  0,  5,  5}},
  {"Weapons",             575, {  0,  0,  0,  0, 10,  5,  5}},
  {"Synthetics",          100, {  0,  0,  0,  0, 10,  5,  5}},
  {"Robotics",            300, {  0,  0,  0,  0, 10,  5,  5}},
  {"Engines",             575, {  0,  0,  0,  0, 10,  5,  5}},
  {"Delicacies",          100, {  0,  5,  0, 10,  0,  0,  0}},
  {"Rare pets",           300, {  0,  5,  0, 10,  0,  0,  0}},
  {"Jewelry",             575, {  0,  0,  0, 10,  0,  5,  5}},
  {"Super Ore",           100, {  0,  0, 10,  0,  0,  0,  0}},
  {"Diamonds",            300, {  0,  0, 10,  0,  0,  0,  0}},
  {"Antimatter",          575, {  0,  0, 10,  0,  0,  0,  0}},
  {"*Rum",                500, { -1, -1, -1, -1, -1, -1, -1}},
  {"*Tobacco",           1000, { -1, -1, -1, -1, -1, -1, -1}},
  {"*Dreamdisc",          500, { -1, -1, -1, -1, -1, -1, -1}},
  {"*Literature",         500, { -1, -1, -1, -1, -1, -1, -1}},
  {"*Religious",         1000, {  0,  0,  0,  0,  0,  0,  0}},
  {"*Stolen data",       1000, {  0,  0,  0,  0,  0,  0,  0}},
}};
// clang-format on

bool IsGood(Good good) { return Stored(good) >= 1 && Stored(good) <= kLastGood; }

}  // namespace

std::string_view GetGoodCatalogueName(Good good) {
  return IsGood(good) ? kGoods[Stored(good)].name : std::string_view{};
}

std::int32_t GetGoodCatalogueBasePrice(Good good) {
  return IsGood(good) ? kGoods[Stored(good)].basePrice : 0;
}

std::int32_t GetGoodProduction(Good good, std::int32_t economyClass) {
  // Rum, tobacco, dreamdiscs and literature are banned whatever the body is.
  if (good >= kGoodRum && good <= kGoodLiterature) return kBanned;
  if (!IsGood(good) || economyClass < 0 || economyClass > 6) return 0;
  return kGoods[Stored(good)].production[economyClass];
}

void FillGoodTables() {
  for (std::int32_t good = 1; good <= kLastGood; ++good) {
    GoodName[good] = std::string(kGoods[good].name);
    GoodBasePrice[good] = kGoods[good].basePrice;
  }
}

}  // namespace state
