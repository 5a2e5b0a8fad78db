#include "screens/travel/travel_view.h"

#include <algorithm>
#include <cstdint>
#include <string_view>
#include <vector>

#include "rules/briefings.h"
#include "rules/diplomacy.h"
#include "rules/promotion.h"
#include "state/economy_classes.h"
#include "state/fields.h"
#include "state/format.h"
#include "state/mission_types.h"
#include "state/progression.h"
#include "state/ship_class_of.h"
#include "state/ship_classes.h"
#include "state/space_find_kinds.h"
#include "state/variables.h"

namespace screens {

namespace {

using state::BodyData;
using state::PlayerShip;

using state::IsSystem;
bool IsBody(std::int32_t b) { return b >= 1 && b <= state::kLastBody; }
bool IsFindSlot(std::int32_t f) { return f >= 1 && f <= state::kLastFindSlot; }

// The row of body `b` of system `s`, or nullptr where either number is out of range.
const state::TBodyRow* Body(std::int32_t s, std::int32_t b) {
  return IsSystem(s) && IsBody(b) ? &BodyData[s][b] : nullptr;
}
// The row of space find `slot` (1..4) of system `s`, or nullptr.
const state::TSpaceFindRow* Find(std::int32_t s, std::int32_t slot) {
  return IsSystem(s) && IsFindSlot(slot) ? &state::SpaceFinds[s][slot] : nullptr;
}

// The positions are stored as drawn at a zoom of 100 %.
// Where the system map lies between the news and the control panel, and the height of a body's
// labels.
constexpr int kMapTop = 94, kMapBottom = 500, kMapWidth = 800;
constexpr int kMapLabelHeight = 14;

int ScaleToScreen(std::int32_t value) {
  return static_cast<int>(static_cast<std::int64_t>(value) * state::ZoomPercent / 100);
}

struct FindKind {
  const char* mapPicture;
  const char* caption;
  const char* targetPicture;
  const char* description;
};

FindKind FindKindOf(SpaceFindKind kind) {
  switch (kind) {
    case kFindLifepod:
      return {"lifepod.jpg", "Lifepod", "Lifepodr.jpg",
              "On your sensors you notice a small lifepod flying lonely in space. It could be "
              "worth checking it out."};
    case kFindTreasure:
      return {"treasure.jpg", "Treasure", "treasurer.jpg",
              "On your sensors you notice a strange container disguised as an asteroid. The hidden "
              "treasures of a buccanneer?"};
    case kFindGhostShip:
      return {"ghostship.jpg", "Ghost ship", "ghostshipr.jpg",
              "On your sensors you notice a vessel floating without thrust in space. A ghost ship? "
              "Let´s find out!"};
    case kFindAlienArtifact:
      return {"alienartifact.jpg", "Artifact", "alienartifactr.jpg",
              "From a source deep out in space you get some strange signals. You have no idea what "
              "it might be."};
    case kFindEnemySecretData:
    case kFindOwnSecretData:
      return {"secretdata.jpg", "Secret data", "GeneralMissionPic.jpg",
              "From this location you should be able to receive transmissions with secret "
              "informations, which you could sell on the black market (Illegal activity!)."};
    default:
      return {"lifepod.jpg", "?", "Lifepodr.jpg", "This is an unknown object."};
  }
}

std::string_view BodyClassCaption(std::int32_t kind) {
  switch (kind) {
    case state::kKindPirateHideout: return "Class: Pirate hideout";
    case state::kKindSun: return "Class: Sun";
    case state::kKindWormhole: return "Class: Wormhole";
    default: {
      const std::string_view economy = state::EconomyClassCaption(EconomyClass{kind});
      return economy.empty() ? "Class: ?" : economy;
    }
  }
}

// A text's box on the map, to keep the finds' captions off the bodies' names and prices.
struct MapBox {
  int x, y, w, h;
};

bool Meet(const MapBox& a, const MapBox& b) {
  return a.x < b.x + b.w && b.x < a.x + a.w && a.y < b.y + b.h && b.y < a.y + a.h;
}

// The box of a map caption's text, centred at `centre`: as wide as its letters at most take in the
// map's small font, with a pixel of air on each side.
MapBox CaptionBox(std::string_view text, int centre, int top) {
  constexpr int kWidestLetter = 6;
  const int w = kWidestLetter * static_cast<int>(text.size()) + 2;
  return {centre - w / 2, top, w, kMapLabelHeight};
}

// A caption label's slot, whose left edge the view gives, is centred on its picture: a body's
// slot is the picture plus 17 on either side, a find's plus 15.
constexpr int kBodySlotHalf = 17 + 33 / 2;
constexpr int kFindSlotHalf = 15 + 33 / 2;

// Each find's caption under its picture, or where the text lies over no body's name, price or
// picture and no other find's picture or caption: above the picture, right of it or left of it.
// Where no place is free of all that, the first free of the bodies' names and prices; failing that,
// under the picture.
void PlaceFindCaptions(TravelView& v) {
  std::vector<MapBox> captions, pictures;
  for (const BodyView& b : v.bodies) {
    if (!b.visible) continue;
    captions.push_back(CaptionBox(b.name, b.nameX + kBodySlotHalf, b.nameY));
    if (b.priceVisible) captions.push_back(CaptionBox(b.price, b.priceX + kBodySlotHalf, b.priceY));
    pictures.push_back({b.x, b.y, 33, 33});
  }
  for (const FindView& f : v.finds)
    if (f.visible) pictures.push_back({f.x, f.y, 33, 33});
  for (FindView& f : v.finds) {
    if (!f.visible) continue;
    const int width = CaptionBox(f.caption, 0, 0).w;
    const int middle = f.x + 33 / 2, beside = f.y + (33 - kMapLabelHeight) / 2;
    const MapBox places[] = {CaptionBox(f.caption, middle, f.captionY),
                             CaptionBox(f.caption, middle, f.y - kMapLabelHeight - 2),
                             CaptionBox(f.caption, f.x + 33 + 2 + width / 2, beside),
                             CaptionBox(f.caption, f.x - 2 - width + width / 2, beside)};
    auto onMap = [](const MapBox& r) {
      return r.x >= 0 && r.x + r.w <= kMapWidth && r.y >= kMapTop && r.y + r.h <= kMapBottom;
    };
    auto clearOf = [](const MapBox& r, const std::vector<MapBox>& others) {
      return std::none_of(others.begin(), others.end(), [&](const MapBox& o) { return Meet(r, o); });
    };
    const MapBox* chosen = nullptr;
    for (const MapBox& r : places)
      if (!chosen && onMap(r) && clearOf(r, captions) && clearOf(r, pictures)) chosen = &r;
    for (const MapBox& r : places)
      if (!chosen && onMap(r) && clearOf(r, captions)) chosen = &r;
    if (!chosen) chosen = &places[0];
    f.captionX = chosen->x + chosen->w / 2 - kFindSlotHalf;
    f.captionY = chosen->y;
    captions.push_back(*chosen);
  }
}

// A marker 60 x 60 around a 33 x 33 picture whose top-left corner is the row's map position.
Placed MarkerAt(const state::TBodyRow* row, int dx, int dy) {
  if (!row) return {};
  return {true, (*row)[body::kMapX] - dx, (*row)[body::kMapY] - dy};
}
Placed MarkerAt(const state::TSpaceFindRow* row, int dx, int dy) {
  if (!row) return {};
  return {true, (*row)[space_find::kMapX] - dx, (*row)[space_find::kMapY] - dy};
}

// Percent of `part` in `whole`, the whole taken as 1 when it is not positive.
std::int64_t Percent(std::int64_t part, std::int64_t whole) {
  return part * 100 / std::max<std::int64_t>(whole, 1);
}

// The control panel's captions by the selected target and where the ship is.
std::array<std::string, kControlIcons> IconCaptions() {
  std::array<std::string, kControlIcons> c{"", "", "", "Missions", "Pirating", "Galaxy", "Options"};
  const std::int32_t system = PlayerShip[ship::kSystem];
  if (const state::TBodyRow* row = Body(system, state::SelectedBody)) {
    const std::int32_t kind = (*row)[body::kKind];
    if (kind == state::kKindWormhole) {
      c[0] = "Jump", c[1] = "Info", c[2] = "Prices";
    } else if (state::IsInhabited(kind)) {
      c[0] = "Dock", c[1] = "Info", c[2] = "Trade";
    }
  }
  if (PlayerShip[ship::kBody] != state::SelectedBody) c[0] = "Fly to", c[2] = "Prices";
  return c;
}

void FillCompatibility(TravelView& v) {
  v.compatibilityLabels = state::CompatibilityMode == 1;
  if (!v.compatibilityLabels) return;
  const state::ShipClassId shipClass = state::ShipClassOf(PlayerShip);
  v.compatibilityCaptions = {
      "Compatibility mode for the visually impaired (Click to turn off!)",
      "Travel to this location",
      "Target info",
      "Trade menu",
      "Mission menu",
      "Ship sensor screen",
      "Galaxy map",
      "Options, save, load",
      "Your ship: " + state::GetShipClassName(shipClass) + " (Click for ship status screen)",
      "Your shields: " +
          std::to_string(Percent(PlayerShip[ship::kShields],
                                 state::GetShipClassBaseShields(shipClass))) +
          "%",
      "Your name is: " +
          state::GetRankTitleShort(Faction{state::PlayerData[player::kFaction]},
                                   Rank{state::PlayerData[player::kRank]}) +
          " " + state::NameInText(state::PlayerName) + " (Click for personal status)",
      "Experience " +
          std::to_string(Percent(state::PlayerData[player::kExperience],
                                 state::GetLevelExperience(state::PlayerData[player::kLevel]))) +
          "% until level up.",
  };
}

std::string PriceOf(std::int32_t system, std::int32_t b, std::int32_t good) {
  if (state::BodyPricesKnown[b] < 1) return "$ ?";
  return "$ " + std::to_string(state::MarketPrice[system][b][good]);
}

}  // namespace

std::string NewsLine(int entry) {
  if (entry < 1 || entry > state::kLastNews) return " ";
  const state::TNewsRow& row = state::NewsList[entry];
  if (row[news::kValid] < 1) return " ";
  return state::DateOf(row[news::kDay], 2453) + " - " + state::NewsHeadline[entry];
}

std::string StarDateLine() { return "Ship´s log - Star date: " + state::DateOf(state::GameDay, state::kFirstStarDateYear); }

std::string ShieldBarPicture() {
  const std::int64_t shields = PlayerShip[ship::kShields];
  const std::int64_t base =
      std::max(state::GetShipClassBaseShields(state::ShipClassOf(PlayerShip)), 1);
  std::int64_t n = shields * 25 / base;
  if (shields > 0 && n == 0) n = 1;
  n = std::clamp<std::int64_t>(n, 0, 25);
  return "Travelscreen_ShieldBar_" + std::to_string(n) + ".jpg";
}

std::string ExperienceBarPicture() {
  const std::int64_t experience = std::max(state::PlayerData[player::kExperience], 0);
  const std::int32_t level = state::PlayerData[player::kLevel];
  const std::int64_t need = state::GetLevelExperience(level);
  std::int64_t n = need > 0 ? experience * 19 / need : 0;
  if (n > 19 || level >= 20) n = 0;
  return "TravelScreen_ExpBar_" + std::to_string(n) + ".jpg";
}

TargetView BuildTargetView() {
  TargetView t;
  const std::int32_t selected = state::SelectedBody;
  if (selected < 0) {
    const state::TSpaceFindRow* row = Find(PlayerShip[ship::kSystem], -selected);
    const FindKind kind = FindKindOf(SpaceFindKind{row ? (*row)[space_find::kKind] : 0});
    t.name = kind.caption;
    t.picture = kind.targetPicture;
    t.description = kind.description;
    t.faction = "Faction: -";
    t.kind = "Class: Unknown object";
    return t;
  }
  const std::int32_t system = state::DisplayedSystem;
  const std::int32_t b = selected == 0 ? 1 : selected;
  const state::TBodyRow* row = Body(system, b);
  if (!row) return t;
  t.name = state::BodyText[system][b][body_text::kName];
  t.picture = rules::GetBodyPictureName((*row)[body::kPicture]) + "r.jpg";
  t.description = state::BodyText[system][b][body_text::kDescription];
  t.faction = "Faction: " + rules::FactionShortName(Faction{(*row)[body::kOwner]});
  t.kind = std::string(BodyClassCaption((*row)[body::kKind]));
  return t;
}

TravelView BuildTravelView(bool tradeWindowShown) {
  TravelView v;
  const std::int32_t shown = state::DisplayedSystem;
  const std::int32_t own = PlayerShip[ship::kSystem];

  for (int k = 1; k <= kTravelBodies; ++k) {
    BodyView& b = v.bodies[k - 1];
    const state::TBodyRow* row = Body(shown, k);
    if (!row || (*row)[body::kVisible] <= 0) continue;
    b.visible = true;
    b.picture = rules::GetBodyPictureName((*row)[body::kPicture]) + ".jpg";
    b.x = ScaleToScreen((*row)[body::kMapX]);
    b.y = ScaleToScreen((*row)[body::kMapY]);
    b.name = state::BodyText[shown][k][body_text::kName];
    b.nameX = b.x - ScaleToScreen(17);
    b.nameY = b.y + ScaleToScreen(38);
    b.priceX = b.nameX;
    b.priceY = b.nameY + ScaleToScreen(14);
    // The lowest bodies' prices would run into the control panel: theirs stand above the picture.
    if (b.priceY + kMapLabelHeight > kMapBottom) b.priceY = b.y - kMapLabelHeight - 2;
  }
  // The map's prices are those of the player's system, for the good chosen in the trade window.
  const std::int32_t good = state::SelectedGood;
  if (tradeWindowShown && good >= 1 && good <= state::kLastGood) {
    for (int k = 1; k <= kTravelBodies; ++k) {
      const state::TBodyRow* row = Body(own, k);
      if (!row || (*row)[body::kVisible] <= 0 || !state::IsInhabited((*row)[body::kKind])) continue;
      v.bodies[k - 1].priceVisible = true;
      v.bodies[k - 1].price = PriceOf(own, k, good);
    }
  }

  for (int s = 1; s <= kTravelFinds; ++s) {
    const state::TSpaceFindRow* row = Find(own, s);
    if (!row || (*row)[space_find::kPresent] != 1) continue;
    FindView& f = v.finds[s - 1];
    const FindKind kind = FindKindOf(SpaceFindKind{(*row)[space_find::kKind]});
    f.visible = true;
    f.picture = kind.mapPicture;
    f.caption = kind.caption;
    f.x = ScaleToScreen((*row)[space_find::kMapX]);
    f.y = ScaleToScreen((*row)[space_find::kMapY]);
    f.captionX = f.x - ScaleToScreen(15);
    f.captionY = f.y + ScaleToScreen(34);
  }
  PlaceFindCaptions(v);

  const std::int32_t selected = state::SelectedBody;
  if (selected < 0)
    v.selection = MarkerAt(Find(own, -selected), 14, 13);
  else if (selected > 0)
    v.selection = MarkerAt(Body(shown, selected), 13, 14);

  const std::int32_t at = PlayerShip[ship::kBody];
  v.position = at < 0 ? MarkerAt(Find(own, -at), 13, 14) : MarkerAt(Body(shown, at), 13, 13);

  const state::TMissionRow& m = state::ActiveMission;
  if (m[mission::kActive] > 0 && m[mission::kTargetBody] > 0 && at != m[mission::kTargetBody] &&
      own == m[mission::kTargetSystem])
    v.mission = MarkerAt(Body(own, m[mission::kTargetBody]), 13, 15);

  v.credits = "$ " + state::FormatThousands(state::PlayerData[player::kCredits]);
  v.shieldBar = ShieldBarPicture();
  v.experienceBar = ExperienceBarPicture();
  v.shipPicture = state::GetShipClassImage(state::ShipClassOf(PlayerShip)) + "_topwire.jpg";
  v.portrait = state::GetHeroPortraitFile();

  for (int i = 1; i <= kTravelNewsLines; ++i) v.news[i - 1] = NewsLine(i);
  v.starDate = StarDateLine();

  v.iconCaptions = IconCaptions();
  v.invasionAlert = InvasionAlertShows();
  v.target = BuildTargetView();
  FillCompatibility(v);
  return v;
}

bool InvasionAlertShows() {
  const std::int32_t own = PlayerShip[ship::kSystem];
  return IsSystem(own) && state::SystemData[own][star_system::kCampaign] >= 1;
}

TravelAction ActionForSelection(std::int32_t selected, std::int32_t shipAt) {
  if (selected == shipAt) return TravelAction::DockOrJump;
  return selected < 1 ? TravelAction::FlyToFind : TravelAction::FlyToBody;
}

namespace {

// What the mission panel's opposition line says, by mission type.
enum class Opposition { Resistance, Unknown, Goods, Wanted, Fleet, Rebels, Flagship };

struct PanelType {
  const char* title;
  Opposition opposition;
  const char* locationPrefix;
};

// By mission type 1..27.
constexpr PanelType kPanelTypes[] = {
    {"Search & Destroy", Opposition::Resistance, "Location: "},
    {"Patrol", Opposition::Unknown, "Next nav point: "},
    {"Transport", Opposition::Goods, "Location: "},
    {"Ambush", Opposition::Resistance, "Location: "},
    {"Bounty", Opposition::Wanted, "Location: "},
    {"Supply", Opposition::Goods, "Location: "},
    {"Special Forces", Opposition::Unknown, "Nav point: "},
    {"Report for duty", Opposition::Unknown, "Next nav point: "},
    {"Strike", Opposition::Resistance, "Location: "},
    {"Combat Patrol", Opposition::Unknown, "Next nav point: "},
    {"Combat Transport", Opposition::Goods, "Location: "},
    {"Assault", Opposition::Resistance, "Location: "},
    {"Infiltrate", Opposition::Unknown, "Next nav point: "},
    {"Escort", Opposition::Unknown, "Next nav point: "},
    {"Recon", Opposition::Unknown, "Next nav point: "},
    {"Marine Landing", Opposition::Unknown, "Next nav point: "},
    {"Evacuation", Opposition::Unknown, "Next nav point: "},
    {"Abduction", Opposition::Wanted, "Location: "},
    {"Analysis", Opposition::Unknown, nullptr},  // the planets still to visit instead
    {"Blitzkrieg", Opposition::Fleet, "Location: "},
    {"Flanking", Opposition::Unknown, "Next nav point: "},
    {"Suppression", Opposition::Rebels, "Location: "},
    {"Bombing run", Opposition::Fleet, "Location: "},
    {"Battle", Opposition::Fleet, "Location: "},
    {"Siege", Opposition::Fleet, "Location: "},
    {"Raiding", Opposition::Fleet, "Location: "},
    {"Flagship", Opposition::Flagship, "Location: "},
};

std::string OppositionLine(Opposition kind, MissionType type) {
  const state::TMissionRow& m = state::ActiveMission;
  const std::int32_t system = PlayerShip[ship::kSystem];
  switch (kind) {
    case Opposition::Resistance:
      return "Resistance: " + state::GetShipClassName(state::ShipClassId{m[mission::kEnemyClass]});
    case Opposition::Unknown: return "Expected resistance: Unknown";
    case Opposition::Goods: {
      const std::int32_t good = m[mission::kGood];
      const std::string name = good >= 1 && good <= state::kLastGood ? state::GoodName[good] : "";
      return "Required goods: " + name + " (" + std::to_string(m[mission::kQuantity]) + " units)";
    }
    case Opposition::Wanted: {
      const std::string name = type == kMissionBounty ? rules::GetBountyTargetName(1, system, 0)
                                         : rules::GetAbductionTargetName(1, system, 0);
      return "Wanted: " + name + " (" +
             state::GetShipClassName(state::ShipClassId{m[mission::kEnemyClass]}) + ")";
    }
    case Opposition::Fleet: return "Resistance: Hostile fleet";
    case Opposition::Rebels: return "Resistance: Rebels";
    case Opposition::Flagship: return "Wanted: Hostile flagship";
  }
  return {};
}

}  // namespace

std::optional<MissionPanelView> BuildMissionPanelView() {
  const state::TMissionRow& m = state::ActiveMission;
  const MissionType type{m[mission::kType]};
  const std::int32_t stored = state::Stored(type);
  if (stored < 1 || stored > static_cast<std::int32_t>(std::size(kPanelTypes))) return std::nullopt;
  const PanelType& t = kPanelTypes[stored - 1];
  MissionPanelView v;
  v.title = t.title;
  v.briefing = state::Quoted(rules::GetMissionBriefing(type, 1, PlayerShip[ship::kSystem], 0));
  v.opposition = OppositionLine(t.opposition, type);
  if (t.locationPrefix) {
    const std::int32_t system = m[mission::kTargetSystem];
    const std::int32_t b = m[mission::kTargetBody];
    const std::string place = Body(system, b) ? state::BodyText[system][b][body_text::kName] : "";
    const std::string systemName =
        IsSystem(system) ? state::SystemText[system][system_text::kName] : "";
    v.location = t.locationPrefix + place + " (" + systemName + ")";
  } else {
    v.location = "Planets left: " + std::to_string(m[mission::kPlanetsLeft]);
  }
  v.reward = "Reward: $" + state::FormatThousands(m[mission::kReward]);
  return v;
}

Placed MissionPanelPlace() {
  const state::TMissionRow& m = state::ActiveMission;
  const MissionType type{m[mission::kType]};
  const state::TBodyRow* target = Body(PlayerShip[ship::kSystem], m[mission::kTargetBody]);
  if (target && (*target)[body::kMapX] < 388 && (type == kMissionSearchAndDestroy || type == kMissionPatrol)) return {true, 496, 33};
  return {true, 28, 33};
}

}  // namespace screens
