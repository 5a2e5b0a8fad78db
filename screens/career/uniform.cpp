#include "screens/career/uniform.h"

#include <algorithm>
#include <string_view>
#include <vector>

#include "state/factions.h"
#include "state/fields.h"
#include "state/ranks.h"
#include "state/variables.h"

namespace screens {
namespace {

using platform::Image;

struct Place {
  int left;
  int top;
};

// clang-format off
constexpr std::array<std::string_view, 5> kFactionWords{"Fed", "Fed", "Outerrim", "Coal", "Synd"};

// By rank 0..8.
constexpr std::array<std::string_view, state::Stored(kRankBeyondAdmiral) + 1> kInsigniaWords{
  "ensign", "ensign", "2ndLt", "1stLt", "Lt", "Comm", "Capt", "Adm", "Adm",
};

// Ribbons stand in rows of four; the last, partial row is centred.
constexpr int kRibbonsPerRow = 4;
constexpr std::array<int, 3> kRibbonRowTops{176, 192, 208};
constexpr std::array<std::array<int, 4>, 5> kRibbonLefts{{
  {}, {120}, {103, 140}, {83, 120, 157}, {64, 101, 138, 175},
}};

constexpr std::array<Place, 3> kWingsOne{{{0, 0}, {112, 152}, {0, 0}}};
constexpr std::array<Place, 3> kWingsTwo{{{88, 152}, {0, 0}, {136, 152}}};
constexpr std::array<Place, 3> kWingsThree{{{64, 152}, {112, 152}, {160, 152}}};
// clang-format on

constexpr Place kAwardPlace{176, 8};
constexpr Place kAdmiralSilverStar{182, 19}, kAdmiralGoldStar{216, 19}, kAdmiralHonor{253, 12};

struct InsigniaPlaces {
  Place shoulder;
  Place collar;
};

InsigniaPlaces InsigniaPlacesOf(Faction faction, Rank rank) {
  if (rank == kRankAdmiral) return {{170, 70}, {7, 57}};
  if (rank == kRankBeyondAdmiral) return {{170, 70}, {7, 60}};
  switch (faction) {
    case kFactionOuterRim: return {{91, 54}, {10, 60}};
    case kFactionCoalition: return {{99, 62}, {6, 54}};
    case kFactionSyndicate: return {{98, 60}, {14, 42}};
    default:
      if (rank <= kRankSecondLieutenant) return {{85, 55}, {7, 44}};
      if (rank == kRankFirstLieutenant) return {{85, 55}, {7, 40}};
      if (rank <= kRankCommander) return {{85, 55}, {12, 47}};
      return {{85, 55}, {6, 44}};
  }
}

void Put(UniformPiece& piece, Place place) {
  piece.visible = true;
  piece.left = place.left;
  piece.top = place.top;
}

void PlaceWings(std::array<UniformPiece, 3>& wings, const std::array<Place, 3>& places,
                std::array<bool, 3> shown) {
  for (std::size_t k = 0; k < wings.size(); ++k) {
    if (shown[k]) Put(wings[k], places[k]);
    else wings[k].visible = false;
  }
}

bool Earned(std::int32_t medal) { return medal == 1; }

}  // namespace

UniformRecord PlayerUniformRecord() {
  const state::TPlayerRow& p = state::PlayerData;
  return {Faction{p[player::kFaction]},  p[player::kUniformVariant], p[player::kPilotWings],
          p[player::kCampaignRibbons], p[player::kSilverStar], p[player::kGoldStar],
          p[player::kMedalOfHonor], Rank{p[player::kRank]}};
}

UniformView BuildUniformView(const UniformRecord& record) {
  const Faction faction = state::IsPower(record.faction) ? record.faction : kFactionFederation;
  // Rank{} is the 0 of a cleared record, below every titled rank.
  const Rank rank = std::clamp(record.rank, Rank{}, kRankBeyondAdmiral);
  const std::string word(kFactionWords[static_cast<std::size_t>(state::Stored(faction))]);
  const std::string prefix = word + "-";
  UniformView view;

  view.base = "Uni-" + word + "-blank";
  if (rank >= kRankAdmiral) view.base += "-com";
  if (record.variant == kUniformFemale) view.base += "-fem";
  view.base += ".jpg";

  const std::string insignia =
      "Uni-" + word + "-" + std::string(kInsigniaWords[static_cast<std::size_t>(state::Stored(rank))]);
  view.shoulder.picture = insignia + "-shoulder.jpg";
  view.collar.picture = insignia + "-collar.jpg";
  const InsigniaPlaces places = InsigniaPlacesOf(faction, rank);
  Put(view.shoulder, places.shoulder);
  Put(view.collar, places.collar);
  // An admiral's dress uniform carries no insignia; rank 8 shows the admirals' insignia again.
  view.shoulder.visible = view.collar.visible = rank != kRankAdmiral;

  for (UniformPiece& wing : view.wings) wing.picture = prefix + "Pilotwings.jpg";
  switch (record.wings) {
    case 0: PlaceWings(view.wings, kWingsThree, {false, false, false}); break;
    case 1: PlaceWings(view.wings, kWingsOne, {false, true, false}); break;
    case 2: PlaceWings(view.wings, kWingsTwo, {true, false, true}); break;
    case 3: PlaceWings(view.wings, kWingsThree, {true, true, true}); break;
    default: view.wingsPlaced = false; break;
  }
  if (rank >= kRankAdmiral) {
    view.wingsPlaced = true;
    for (UniformPiece& wing : view.wings) wing.visible = false;
  }

  const int ribbons = std::clamp<std::int32_t>(record.ribbons, 0, 12);
  for (int k = 0; k < 12; ++k) {
    UniformPiece& ribbon = view.ribbons[static_cast<std::size_t>(k)];
    ribbon.picture = prefix + "ribbon" + std::to_string(k + 1) + ".jpg";
    if (k >= ribbons) continue;
    const int row = k / kRibbonsPerRow;
    const int inRow = std::min(kRibbonsPerRow, ribbons - row * kRibbonsPerRow);
    Put(ribbon, {kRibbonLefts[static_cast<std::size_t>(inRow)][static_cast<std::size_t>(k % kRibbonsPerRow)],
                 kRibbonRowTops[static_cast<std::size_t>(row)]});
  }

  view.silverStar.picture = prefix + "Medal-SilverStar.jpg";
  view.goldStar.picture = prefix + "Medal-GoldStar.jpg";
  view.medalOfHonor.picture = prefix + "MedalofHonor.jpg";
  view.awardPlace.picture = "Uni-" + prefix + "awardplace.jpg";
  const bool silver = Earned(record.silverStar), gold = Earned(record.goldStar),
             honor = Earned(record.medalOfHonor);
  if (rank >= kRankAdmiral) {
    Put(view.awardPlace, kAwardPlace);
    if (silver) Put(view.silverStar, kAdmiralSilverStar);
    if (gold) Put(view.goldStar, kAdmiralGoldStar);
    if (honor) Put(view.medalOfHonor, kAdmiralHonor);
    return view;
  }
  // One line below the ribbons, in the order Silver Star, Gold Star, Medal of Honor; three medals
  // put the Medal of Honor in the middle.
  const int top = record.ribbons < 5 ? 200 : record.ribbons <= 8 ? 216 : 232;
  std::vector<UniformPiece*> line;
  if (silver) line.push_back(&view.silverStar);
  if (gold) line.push_back(&view.goldStar);
  if (honor) line.push_back(&view.medalOfHonor);
  if (line.size() == 3) line = {&view.silverStar, &view.medalOfHonor, &view.goldStar};
  static constexpr std::array<std::array<int, 3>, 4> kMedalLefts{{{}, {123}, {99, 147}, {75, 123, 171}}};
  for (std::size_t k = 0; k < line.size(); ++k)
    Put(*line[k], {kMedalLefts[line.size()][k], top});
  return view;
}

UniformPanel::UniformPanel(platform::Form& form)
    : base_(form.Get<Image>("UniformBase")),
      shoulder_(form.Get<Image>("ShoulderInsignia")),
      collar_(form.Get<Image>("CollarInsignia")),
      wings_{&form.Get<Image>("WingLeft"), &form.Get<Image>("WingMiddle"),
             &form.Get<Image>("WingRight")},
      silverStar_(form.Get<Image>("SilverStarMedal")),
      goldStar_(form.Get<Image>("GoldStarMedal")),
      medalOfHonor_(form.Get<Image>("HonorMedal")),
      awardPlace_(form.Get<Image>("AwardPlace")) {
  const std::vector<Image*> ribbons = form.GetNumbered<Image>("Ribbon", 12);
  std::copy(ribbons.begin(), ribbons.end(), ribbons_.begin());
}

namespace {

// A hidden piece keeps its place; only a shown one is moved.
void Apply(Image& image, const UniformPiece& piece) {
  image.LoadPicture(piece.picture);
  if (piece.visible) {
    image.SetLeft(piece.left);
    image.SetTop(piece.top);
    image.Show();
  } else {
    image.Hide();
  }
}

}  // namespace

void UniformPanel::Show(const UniformView& view) {
  base_.LoadPicture(view.base);
  Apply(shoulder_, view.shoulder);
  Apply(collar_, view.collar);
  for (std::size_t k = 0; k < wings_.size(); ++k) {
    if (view.wingsPlaced) Apply(*wings_[k], view.wings[k]);
    else wings_[k]->LoadPicture(view.wings[k].picture);
  }
  for (std::size_t k = 0; k < ribbons_.size(); ++k) Apply(*ribbons_[k], view.ribbons[k]);
  Apply(silverStar_, view.silverStar);
  Apply(goldStar_, view.goldStar);
  Apply(medalOfHonor_, view.medalOfHonor);
  Apply(awardPlace_, view.awardPlace);
}

}  // namespace screens
