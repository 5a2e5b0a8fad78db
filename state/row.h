// The typed rows of the game-state tables (state/variables.h) and the names of their fields
// (state/fields.h). Every integer row holds the same 102 integers and every text row the same 12
// strings, but each kind of row (a body, a ship, the player, a body's texts, ...) is its own type
// and its fields are named by that kind, so that a field of one kind indexing a row of another
// does not compile: PlayerShip[player::kCredits] and SystemText[s][faction_text::kLogo] are errors.
//
// The numbers behind the names are the save-game layout. The few places that really work by
// position (the save file, checksums, clearing) reach them through `At` and `raw`.
#pragma once

#include <array>
#include <compare>
#include <cstddef>
#include <cstdint>
#include <string>

namespace state {

inline constexpr int kRowLength = 102;
inline constexpr int kTextRowLength = 12;

// A row that its fields' names do not type: goods, skills, abilities, boarding areas, indexed by an
// id or a position.
using TDataRow = std::array<std::int32_t, kRowLength>;
// A text row's strings by position.
using TTextRow = std::array<std::string, kTextRowLength>;

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

// A row of kind `Kind` holding `Length` values of type `Value`, indexed by its own fields only.
// Value-initialising an integer row (`TShipRow row{}`) zeroes every field, as for the plain array;
// a text row's strings start empty.
template <class Kind, class Value = std::int32_t, std::size_t Length = kRowLength>
class Row {
 public:
  using Values = std::array<Value, Length>;

  constexpr Value& operator[](Field<Kind> field) { return values_[field.position]; }
  constexpr const Value& operator[](Field<Kind> field) const { return values_[field.position]; }

  // Every field set to `value`.
  constexpr void fill(const Value& value) { values_.fill(value); }

  // A field by its position, for the code that walks a row as the save layout does.
  constexpr Value& At(int position) { return values_[position]; }
  constexpr const Value& At(int position) const { return values_[position]; }
  // Every field by position.
  constexpr Values& raw() { return values_; }
  constexpr const Values& raw() const { return values_; }

  friend constexpr bool operator==(const Row&, const Row&) = default;

 private:
  Values values_;
};

// A row of kind `Kind` holding texts: a body's, a system's or a faction's names and descriptions.
template <class Kind>
using TextRow = Row<Kind, std::string, kTextRowLength>;

// Any row's integers or texts by position, for the code that treats every row alike (the save
// file, the checksums, clearing).
inline TDataRow& Positions(TDataRow& row) { return row; }
inline const TDataRow& Positions(const TDataRow& row) { return row; }
template <class Kind, class Value, std::size_t Length>
std::array<Value, Length>& Positions(Row<Kind, Value, Length>& row) {
  return row.raw();
}
template <class Kind, class Value, std::size_t Length>
const std::array<Value, Length>& Positions(const Row<Kind, Value, Length>& row) {
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

// The text row kinds.
struct BodyTextFields;
struct SystemTextFields;
struct FactionTextFields;

}  // namespace state
