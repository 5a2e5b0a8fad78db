// The typed rows of the game-state tables (state/variables.h) and the names of their fields
// (state/fields.h). Every row holds the same 102 integers, but each kind of row (a body, a ship,
// the player, ...) is its own type and its fields are named by that kind, so that a field of one
// kind indexing a row of another does not compile: PlayerShip[player::kCredits] is an error.
//
// The numbers behind the names are the save-game layout. The few places that really work by
// position (the save file, checksums, clearing) reach them through `At` and `raw`.
#pragma once

#include <array>
#include <compare>
#include <cstdint>

namespace state {

inline constexpr int kRowLength = 102;

// A row that its fields' names do not type: goods, skills, abilities, boarding areas, indexed by an
// id or a position.
using TDataRow = std::array<std::int32_t, kRowLength>;

// The name of a field of rows of kind `Kind`: its position in the row.
template <class Kind>
struct Field {
  // Explicit, so that a bare number never becomes a field unnoticed, not even inside the braces
  // of a table's row.
  constexpr explicit Field(int at) : position(at) {}

  int position;

  // The field `offset` places on, for the runs of fields (one per faction, per crew kind, ...).
  constexpr Field operator+(int offset) const { return Field{position + offset}; }
  constexpr Field operator-(int offset) const { return Field{position - offset}; }
  constexpr Field& operator++() {
    ++position;
    return *this;
  }
  // How many places `from` lies before `to`.
  friend constexpr int operator-(Field to, Field from) { return to.position - from.position; }
  friend constexpr auto operator<=>(Field, Field) = default;
};

// A row of kind `Kind`, indexed by its own fields only. Value-initialising it (`TShipRow row{}`)
// zeroes every field, as for the plain array.
template <class Kind>
class Row {
 public:
  constexpr std::int32_t& operator[](Field<Kind> field) { return values_[field.position]; }
  constexpr const std::int32_t& operator[](Field<Kind> field) const {
    return values_[field.position];
  }

  // Every field set to `value`.
  constexpr void fill(std::int32_t value) { values_.fill(value); }

  // A field by its position, for the code that walks a row as the save layout does.
  constexpr std::int32_t& At(int position) { return values_[position]; }
  constexpr const std::int32_t& At(int position) const { return values_[position]; }
  // Every field by position.
  constexpr TDataRow& raw() { return values_; }
  constexpr const TDataRow& raw() const { return values_; }

  friend constexpr bool operator==(const Row&, const Row&) = default;

 private:
  TDataRow values_;
};

// Any row's integers by position, for the code that treats every row alike (the save file, the
// checksums).
inline TDataRow& Positions(TDataRow& row) { return row; }
inline const TDataRow& Positions(const TDataRow& row) { return row; }
template <class Kind>
TDataRow& Positions(Row<Kind>& row) {
  return row.raw();
}
template <class Kind>
const TDataRow& Positions(const Row<Kind>& row) {
  return row.raw();
}

// The row kinds.
struct BodyFields;
struct SystemFields;
struct PlayerFields;
struct ShipFields;
struct MissionFields;
struct NewsFields;
struct SpecialShipFields;
struct SpaceFindFields;
struct FactionFields;
struct FleetShipFields;
struct ModifierFields;
struct HighscoreFields;
struct MissileVolleyFields;

}  // namespace state
