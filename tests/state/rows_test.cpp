#include "state/row.h"

#include <gtest/gtest.h>

#include <type_traits>

#include "state/fields.h"
#include "state/variables.h"

namespace {

// Whether a row of type `R` can be indexed by `I`.
template <class R, class I>
constexpr bool Indexes = requires(R& row, I index) { row[index]; };

template <class... Kinds>
struct KindList {};
template <class... A, class... B>
constexpr KindList<A..., B...> Join(KindList<A...>, KindList<B...>) {
  return {};
}
using IntegerKinds =
    KindList<state::BodyFields, state::SystemFields, state::PlayerFields, state::ShipFields,
             state::MissionFields, state::NewsFields, state::SpecialShipFields,
             state::SpaceFindFields, state::FactionFields, state::FleetShipFields,
             state::ModifierFields, state::HighscoreFields, state::MissileVolleyFields>;
using TextKinds =
    KindList<state::BodyTextFields, state::SystemTextFields, state::FactionTextFields>;
using AllKinds = decltype(Join(IntegerKinds{}, TextKinds{}));

template <class Kind>
using IntegerRow = state::Row<Kind>;

// A row of kind `RowKind` takes the fields of its own kind and of no other, integer or text, and
// no bare number.
template <template <class> class RowOf, class RowKind, class... FieldKinds>
constexpr bool TakesOnlyItsOwnFields() {
  using R = RowOf<RowKind>;
  return ((Indexes<R, state::Field<FieldKinds>> == std::is_same_v<RowKind, FieldKinds>) && ...) &&
         !Indexes<R, int> && !Indexes<const R, int>;
}
template <template <class> class RowOf, class... RowKinds, class... FieldKinds>
constexpr bool EveryKindApart(KindList<RowKinds...>, KindList<FieldKinds...>) {
  return (TakesOnlyItsOwnFields<RowOf, RowKinds, FieldKinds...>() && ...);
}
static_assert(EveryKindApart<IntegerRow>(IntegerKinds{}, AllKinds{}));
static_assert(EveryKindApart<state::TextRow>(TextKinds{}, AllKinds{}));

// The tables and the field names line up, and a name of one kind indexes neither another kind's
// table nor a plain row.
static_assert(Indexes<decltype(state::PlayerShip), decltype(ship::kShields)>);
static_assert(!Indexes<decltype(state::PlayerShip), decltype(player::kCredits)>);
static_assert(!Indexes<decltype(state::PlayerData), decltype(ship::kShields)>);
static_assert(!Indexes<decltype(state::BodyData[0][0]), decltype(space_find::kMapX)>);
static_assert(!Indexes<decltype(state::MissionOffers[0][0]), decltype(special_ship::kActive)>);
static_assert(!Indexes<decltype(state::EnemyFleet[0]), decltype(ship::kAlive)>);
static_assert(!Indexes<decltype(state::Cargo), decltype(mission::kGood)>);
static_assert(Indexes<decltype(state::SystemText[0]), decltype(system_text::kName)>);
static_assert(!Indexes<decltype(state::SystemText[0]), decltype(faction_text::kLogo)>);
static_assert(!Indexes<decltype(state::BodyText[0][0]), decltype(system_text::kName)>);
static_assert(!Indexes<decltype(state::FactionText[0]), decltype(body_text::kName)>);
static_assert(!Indexes<decltype(state::FactionText[0]), decltype(faction::kAtWarWith)>);
// A bare number becomes a field only when written so, not inside the braces of a table's row.
static_assert(!std::is_convertible_v<int, ship::Field>);

// A typed row is the plain row in memory: the save file and the copies see the same integers and
// texts.
static_assert(sizeof(state::TShipRow) == sizeof(state::TDataRow));
static_assert(std::is_trivially_copyable_v<state::TShipRow>);
static_assert(std::is_standard_layout_v<state::TShipRow>);
static_assert(sizeof(state::TBodyTextRow) == sizeof(state::TTextRow));
static_assert(std::is_standard_layout_v<state::TBodyTextRow>);

TEST(Rows, AFieldIsItsPositionInTheRow) {
  state::TShipRow row{};
  for (int p = 0; p < state::kRowLength; ++p) EXPECT_EQ(row.At(p), 0) << p;
  row[ship::kShields] = 40;
  row.At(ship::kGun.position) = 3;
  EXPECT_EQ(row.At(40), 40);
  EXPECT_EQ(row.raw()[40], 40);
  EXPECT_EQ(row[ship::kGun], 3);
  EXPECT_EQ(&state::Positions(row)[0], &row.At(0));

  // The runs of fields: faction g's relation, crew kinds in a row.
  EXPECT_EQ((faction::kAtWarWith + 3).position, 13);
  EXPECT_EQ(ship::kDroids - ship::kCrewmen, 4);
  int crewKinds = 0;
  for (auto f = ship::kCrewmen; f <= ship::kDroids; ++f) ++crewKinds;
  EXPECT_EQ(crewKinds, 5);

  state::TShipRow copy = row;
  EXPECT_EQ(copy, row);
  copy.fill(0);
  EXPECT_EQ(copy, state::TShipRow{});
}

TEST(Rows, ATextFieldIsItsPositionInTheRow) {
  state::TFactionTextRow row;
  for (int p = 0; p < state::kTextRowLength; ++p) EXPECT_EQ(row.At(p), "") << p;
  row[faction_text::kLogo] = "Logo";
  row.At(faction_text::kShortName.position) = "Short";
  EXPECT_EQ(row.At(5), "Logo");
  EXPECT_EQ(state::Positions(row)[5], "Logo");
  EXPECT_EQ(row[faction_text::kShortName], "Short");

  state::TFactionTextRow copy = row;
  EXPECT_EQ(copy, row);
  copy.fill("");
  EXPECT_EQ(copy, state::TFactionTextRow{});
}

}  // namespace
