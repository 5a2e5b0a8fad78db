// What the travel screen shows, built from the game state without any form: the bodies of the
// displayed system at their map places, the space finds, the three markers, the player's status,
// the news lines and star date, the control panel's captions, the target information, the map's
// price labels and the compatibility-mode labels; and the mission panel of the active mission.
// The builders read the game state and change nothing in it (a mission briefing drawn for the
// first time keeps its drawn wording in the mission record, as every briefing does).
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>

namespace screens {

inline constexpr int kTravelBodies = 15;
inline constexpr int kTravelFinds = 4;
inline constexpr int kTravelNewsLines = 5;
inline constexpr int kControlIcons = 7;       // travel, target info, trade, missions, sensors, galaxy map, options
inline constexpr int kCompatibilityLabels = 12;

struct Placed {
  bool visible = false;
  int x = 0, y = 0;
};

struct BodyView {
  bool visible = false;
  std::string picture;  // the map picture, "Earth.jpg"
  int x = 0, y = 0;     // the picture's top-left corner
  std::string name;
  int nameX = 0, nameY = 0;
  int priceX = 0, priceY = 0;
  // The price of the selected good, shown while the trade window is open.
  bool priceVisible = false;
  std::string price;
};

struct FindView {
  bool visible = false;
  std::string picture;
  std::string caption;
  int x = 0, y = 0;
  int captionX = 0, captionY = 0;
};

struct TargetView {
  std::string name;
  std::string picture;  // the large picture, "Earthr.jpg"
  std::string description;
  std::string faction;  // "Faction: ..."
  std::string kind;     // "Class: ..."
};

struct TravelView {
  std::array<BodyView, kTravelBodies> bodies;  // body k is element k - 1
  std::array<FindView, kTravelFinds> finds;
  Placed selection;  // the selected target's marker
  Placed position;   // the ship's marker
  Placed mission;    // the active mission's target marker

  std::string credits;        // "$ 12,000"
  std::string shieldBar;      // "Travelscreen_ShieldBar_<0..25>.jpg"
  std::string experienceBar;  // "TravelScreen_ExpBar_<0..19>.jpg"
  std::string shipPicture;    // "<class>_topwire.jpg"
  std::string portrait;

  std::array<std::string, kTravelNewsLines> news;
  std::string starDate;  // "Ship´s log - Star date: 2450.1"

  // The captions of the control panel's icons; an empty one keeps what the icon showed before.
  std::array<std::string, kControlIcons> iconCaptions;
  bool invasionAlert = false;  // a campaign runs in the player's system

  TargetView target;

  bool compatibilityLabels = false;
  std::array<std::string, kCompatibilityLabels> compatibilityCaptions;
};

// The whole screen; `tradeWindowShown` says whether the map shows the selected good's prices.
TravelView BuildTravelView(bool tradeWindowShown);

// The target panel of the selection; an empty selection (0) describes body 1.
TargetView BuildTargetView();

// One news line: "<year>.<day> - <headline>", or a single blank where there is no news.
std::string NewsLine(int entry);
// "Ship´s log - Star date: <year>.<day>" for GameDay.
std::string StarDateLine();
// Whether the "Invasion!" control shows: exactly while a campaign runs in the player's system.
bool InvasionAlertShows();

// The status bars' pictures.
std::string ShieldBarPicture();
std::string ExperienceBarPicture();

// What flying to the selection means: docking, landing or jumping where the ship already is, else
// a flight to the selected body or space find.
enum class TravelAction { DockOrJump, FlyToBody, FlyToFind };
TravelAction ActionForSelection(std::int32_t selected, std::int32_t shipAt);

// The mission panel of ActiveMission: empty (nullopt) for a type outside 1..27, which leaves the
// panel as it was.
struct MissionPanelView {
  std::string title;
  std::string briefing;    // in quotation marks
  std::string opposition;  // resistance, goods or wanted
  std::string location;
  std::string reward;
};
std::optional<MissionPanelView> BuildMissionPanelView();

// Where the mission panel stands: right of a target on the left half for the two mission types
// that fly there first, else on the left.
Placed MissionPanelPlace();

}  // namespace screens
