#include "tools/sim/digest.h"

#include <cstdio>
#include <string_view>

#include "state/fields.h"
#include "state/variables.h"

namespace sim {
namespace {

class Fnv {
 public:
  void Int(std::int32_t value) {
    const auto bits = static_cast<std::uint32_t>(value);
    for (int shift = 0; shift < 32; shift += 8) Byte(static_cast<std::uint8_t>(bits >> shift));
  }
  void Row(const state::TDataRow& row) {
    for (int field = 0; field < state::kFieldsStored; ++field) Int(row[field]);
  }
  template <class Kind>
  void Row(const state::Row<Kind>& row) {
    Row(row.raw());
  }
  void Text(std::string_view text) {
    Int(static_cast<std::int32_t>(text.size()));
    for (const char c : text) Byte(static_cast<std::uint8_t>(c));
  }
  std::uint64_t value() const { return hash_; }

 private:
  void Byte(std::uint8_t b) {
    hash_ ^= b;
    hash_ *= 0x100000001b3ull;
  }
  std::uint64_t hash_ = 0xcbf29ce484222325ull;
};

}  // namespace

std::uint64_t ChecksumGameState() {
  using namespace state;
  Fnv h;
  for (int s = 0; s <= kLastSystem; ++s) {
    h.Row(SystemData[s]);
    h.Text(SystemText[s][system_text::kName]);
    h.Row(SystemPrice[s]);
    h.Row(SystemPriceTrend[s]);
    for (int b = 0; b <= kLastBody; ++b) {
      h.Row(BodyData[s][b]);
      h.Text(BodyText[s][b][body_text::kName]);
      h.Row(MarketStock[s][b]);
      h.Row(MarketPrice[s][b]);
      h.Row(MarketPriceTrend[s][b]);
    }
    for (int k = 0; k <= kLastFindSlot; ++k) h.Row(SpaceFinds[s][k]);
    for (int k = 0; k <= kLastOfferSlot; ++k) h.Row(MissionOffers[s][k]);
  }
  for (int n = 0; n <= kLastNews; ++n) {
    h.Row(NewsList[n]);
    h.Text(NewsHeadline[n]);
  }
  for (int i = 0; i <= kLastSpecialShip; ++i) h.Row(SpecialShips[i]);
  for (int f = 0; f <= kLastFaction; ++f) h.Row(FactionData[f]);
  h.Row(GoodBasePrice);
  h.Row(Cargo);
  h.Row(PlayerData);
  h.Row(SkillOwned);
  h.Row(AbilityOwned);
  h.Row(PlayerShip);
  h.Row(ActiveMission);
  h.Int(GameDay);
  return h.value();
}

std::string Digest() {
  std::string out = "day " + std::to_string(state::GameDay) + "\n";
  out += "credits " + std::to_string(state::PlayerData[player::kCredits]) + "\n";
  out += "level " + std::to_string(state::PlayerData[player::kLevel]) + "\n";
  out += "owners";
  for (int s = 1; s <= state::kLastSystem; ++s)
    out += ' ' + std::to_string(state::SystemData[s][star_system::kOwner]);
  char checksum[32];
  std::snprintf(checksum, sizeof checksum, "%016llx",
                static_cast<unsigned long long>(ChecksumGameState()));
  out += "\nchecksum ";
  out += checksum;
  out += "\n";
  return out;
}

}  // namespace sim
