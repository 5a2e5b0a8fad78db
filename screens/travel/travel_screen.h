// The travel screen: the game's hub, shown modally over the start screen from a new or loaded game
// until the player leaves for the start screen or the game ends. Its mission panel lives on it.
#pragma once

#include <cstdint>
#include <functional>
#include <string_view>
#include <vector>

#include "platform/controls.h"
#include "platform/form.h"
#include "rules/mission_access.h"
#include "screens/screen_ui.h"
#include "screens/shared/close_question.h"
#include "screens/shared/guarded_close.h"
#include "screens/shared/picture_buttons.h"
#include "screens/shared/tutorial_panel.h"
#include "screens/travel/travel_view.h"

namespace screens {

// Draws the travel screen for the player's system and shows it, not yet modally: a new game's
// objective popup stands over it.
void ShowTravelScreenFirst();

// Shows the travel screen modally and returns when it closes; a game is in progress meanwhile.
void OpenTravelScreen();

// The control panel's icons, numbered as their tags in the layout.
enum TravelIcon : int {
  kTravelIcon = 1,  // fly to the target, or dock or jump where the ship is
  kTargetInfoIcon = 2,
  kTradeIcon = 3,
  kMissionsIcon = 4,
  kSensorsIcon = 5,
  kGalaxyMapIcon = 6,
  kOptionsIcon = 7,
  kInvasionIcon = 8,  // lit with the icons; shown while a campaign runs in the player's system
};

// The help an icon gives on a right click: its topic and text.
struct IconHelp {
  const char* topic;
  const char* text;
};
IconHelp TravelIconHelp(int icon);

class TravelScreenForm : public platform::Form {
 public:
  TravelScreenForm();
  ~TravelScreenForm() override;

  // Sets the displayed system; lays the bodies out when `placeBodies`; then redraws everything
  // else from the game state. An empty selection becomes body 1 (the target panel's body).
  void ShowSystem(bool placeBodies, std::int32_t system);
  void ShowStatusBars();
  void UpdateCompatibilityLabels();
  void ShowSpaceFinds();
  void ShowPriceLabels();
  void ShowMissionPanel();
  // Shows news entry 1..20 in the large popup (only while this screen shows).
  void ShowNewsItem(int entry);
  // The news lines, the star date and the invasion alert, as the last day left them.
  void ShowLog();

  // No icon lit: a new showing starts with every picture button normal.
  void PutOutIcons();

  // Hides the options, target and mission panels (a new game or a load must not find them open).
  void HidePanels();

  // Opens the mission board, or shows and hides the active mission's panel.
  void OpenMissions();
  void ShowBehindMissionBoard();

  bool MissionPanelVisible() const { return missionPanel_.Visible(); }
  void HideMissionPanel() { missionPanel_.Hide(); }

  // The close by the game's end: the permission was set by the rule.
  // Ends the screen's modal showing, hidden or not; a screen not open has nothing to close.
  void CloseForGameOver() {
    if (Modal()) Close();
  }

  // Handlers.
  void OnBodyClick(platform::Sender s);
  void OnBodyDblClick(platform::Sender s);
  void OnSpaceFindClick(platform::Sender s);
  void OnSpaceFindDblClick(platform::Sender s);
  void OnShipMarkerClick();
  void OnShipMarkerDblClick();
  void OnTargetMarkerDblClick();
  void OnMissionMarkerClick();
  void OnMissionMarkerDblClick();
  void OnIconMouseDown(platform::Sender s);
  void OnInvasionClick();
  void OnShipMouseDown();
  void OnPortraitMouseDown();
  void OnNewsClick(platform::Sender s);
  void OnCheatSpotDblClick();
  void OnSaveGameClick();
  void OnLoadGameClick();
  void OnSettingsClick();
  void OnExitToMenuClick();
  void OnReturnClick();
  void OnCancelMissionClick();
  // Ends the active mission without a word: its panel and its target's marker go.
  void DropMission();
  void OnMissionCloseClick();
  void OnTargetCloseClick();
  void OnCompatibilityToggleClick();
  // The hidden developer controls.
  void OnLevelUpClick();
  void OnNextDayClick();
  void OnFleetBattleClick();
  void OnTestFightClick();
  void OnDropMissionClick();


 private:
  void ActOnIcon(int icon);
  void FlyToSelection();
  void OnMissionsIcon();
  // Shows what the rules decided the missions icon or the invasion button leads to.
  void ShowMissionsAccess(const rules::MissionsAccess& access);
  void ToggleTargetPanel();
  void ToggleOptionsPanel();
  void SelectAndShow(std::int32_t selection);
  void RefreshMissionPanelAfterLoad();

  void ApplyBodies(const TravelView& v);
  void ApplyMarkers(const TravelView& v);
  void ApplyStatus(const TravelView& v);
  void ApplyTarget(const TargetView& t);
  void ApplyFinds(const TravelView& v);
  void ApplyPrices(const TravelView& v);
  void ApplyCompatibility(const TravelView& v);

  ScreenUi rules_;
  GuardedClose guard_;
  PictureButtons icons_;
  PictureButtons options_;
  PictureButtons missionButtons_;
  PictureButtons targetButtons_;

  std::vector<platform::Image*> bodies_ = GetNumbered<platform::Image>("Body", kTravelBodies);
  std::vector<platform::Label*> bodyNames_ = GetNumbered<platform::Label>("BodyName", kTravelBodies);
  std::vector<platform::Label*> bodyPrices_ = GetNumbered<platform::Label>("BodyPrice", kTravelBodies);
  std::vector<platform::Image*> finds_ = GetNumbered<platform::Image>("SpaceFind", kTravelFinds);
  std::vector<platform::Label*> findCaptions_ =
      GetNumbered<platform::Label>("SpaceFindCaption", kTravelFinds);
  platform::Shape& shipMarker_ = Get<platform::Shape>("ShipMarker");
  platform::Shape& targetMarker_ = Get<platform::Shape>("TargetMarker");
  platform::Shape& missionMarker_ = Get<platform::Shape>("MissionMarker");

  platform::Label& starDate_ = Get<platform::Label>("StarDate");
  std::vector<platform::Label*> news_ = GetNumbered<platform::Label>("NewsLine", kTravelNewsLines);

  platform::Label& credits_ = Get<platform::Label>("Credits");
  platform::Image& shieldBar_ = Get<platform::Image>("ShieldBar");
  platform::Image& experienceBar_ = Get<platform::Image>("ExperienceBar");
  platform::Image& shipPicture_ = Get<platform::Image>("ShipPicture");
  platform::Image& portrait_ = Get<platform::Image>("Portrait");
  std::vector<platform::Label*> iconLabels_;
  platform::Panel& invasionAlert_ = Get<platform::Panel>("InvasionAlert");

  platform::Panel& targetPanel_ = Get<platform::Panel>("TargetPanel");
  platform::Label& targetName_ = Get<platform::Label>("TargetName");
  platform::Image& targetPicture_ = Get<platform::Image>("TargetPicture");
  platform::Label& targetDescription_ = Get<platform::Label>("TargetDescription");
  platform::Label& targetFaction_ = Get<platform::Label>("TargetFaction");
  platform::Label& targetClass_ = Get<platform::Label>("TargetClass");

  platform::Panel& missionPanel_ = Get<platform::Panel>("MissionPanel");
  platform::Label& missionTitle_ = Get<platform::Label>("MissionTitle");
  platform::Label& missionBriefing_ = Get<platform::Label>("MissionBriefing");
  platform::Label& missionOpposition_ = Get<platform::Label>("MissionOpposition");
  platform::Label& missionLocation_ = Get<platform::Label>("MissionLocation");
  platform::Label& missionReward_ = Get<platform::Label>("MissionReward");

  platform::Panel& optionsPanel_ = Get<platform::Panel>("OptionsPanel");

  // The compatibility mode's strip below the control panel; the screen is as tall as its layout
  // without it, and taller by the strip while the mode is on.
  platform::Panel& compatibilityStrip_ = Get<platform::Panel>("CompatibilityStrip");
  std::vector<platform::Label*> compatibility_ =
      GetNumbered<platform::Label>("CompatibilityLabel", kCompatibilityLabels);
  const int heightWithoutStrip_ = Height();
  const int designedTop_ = Top();  // where the layout puts it; higher while the strip makes it taller
  // The screen has stepped aside for the mission board it opened.
  bool hiddenForMissionBoard_ = false;
  // The tutorial's guidance on this screen.
  TutorialPanel tutorialPanel_{*this};
  TutorialArrow tutorialArrow_{*this};
};

}  // namespace screens
