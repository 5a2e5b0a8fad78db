#include "screens/travel/travel_screen.h"

#include <algorithm>
#include <string>

#include "audio/sound.h"
#include "combat/fleet_battle.h"
#include "platform/application.h"
#include "rules/cheats.h"
#include "rules/daily_turn.h"
#include "rules/diplomacy.h"
#include "rules/news.h"
#include "rules/tutorial.h"
#include "screens/shared/doors.h"
#include "screens/popups/popups.h"
#include "screens/shared/game_forms.h"
#include "screens/travel/flight.h"
#include "screens/travel/planet.h"
#include "screens/tutorial/tutorial.h"
#include "state/factions.h"
#include "state/fields.h"
#include "state/ship_classes.h"
#include "state/ship_kinds.h"
#include "state/variables.h"

namespace screens {

using platform::Image;
using platform::Label;
using platform::Sender;
using state::PlayerShip;
using tutorial::Step;

namespace {

// The name, price and caption labels stand centred under their pictures. The places the view
// gives are those of a slot as wide as the picture plus 17 (15 for a find) on either side; the
// labels are wider by kLabelSpill on either side, so the longest name ("Wormhole to New Germany")
// is not cut.
constexpr int kLabelSpill = 40;
// How far a marker's frame lies inside the 60 x 60 place the view gives it (the layout's frames are
// 60 - 2 * 11 = 38 wide).
constexpr int kMarkerInset = 11;

// The pictures of the control panel's icons, by icon number (the invasion alert's last).
struct IconPictures {
  const char* name;
  const char* normal;
  const char* lit;
};
constexpr IconPictures kIcons[] = {
    {"DockButton", "FarhavenMainNavigationScreen_12.jpg", "FarhavenMainNavigationScreen_12M.jpg"},
    {"TargetInfoButton", "FarhavenMainNavigationScreen_13.jpg", "FarhavenMainNavigationScreen_13M.jpg"},
    {"TradeButton", "FarhavenMainNavigationScreen_14.jpg", "FarhavenMainNavigationScreen_14M.jpg"},
    {"MissionsButton", "FarhavenMainNavigationScreen_15.jpg", "FarhavenMainNavigationScreen_15M.jpg"},
    {"SensorsButton", "FarhavenMainNavigationScreen_16.jpg", "FarhavenMainNavigationScreen_16M.jpg"},
    {"GalaxyMapButton", "FarhavenMainNavigationScreen_10.jpg", "FarhavenMainNavigationScreen_10M.jpg"},
    {"OptionsButton", "FarhavenMainNavigationScreen_11.jpg", "FarhavenMainNavigationScreen_11M.jpg"},
    {"InvasionButton", "InvasionButton_04.jpg", "InvasionButtonON_04.jpg"},
};
constexpr const char* kIconLabels[] = {"DockLabel",    "TargetInfoLabel", "TradeLabel",
                                       "MissionsLabel", "SensorsLabel",   "GalaxyMapLabel",
                                       "OptionsLabel"};

// The options panel's buttons; each one's number in the group is the tag the layout gives its
// picture and caption.
constexpr IconPictures kOptionEntries[] = {
    {"SaveGameButton", "OptionsMenu_03.jpg", "OptionsMenuON_03.jpg"},
    {"LoadGameButton", "OptionsMenu_05.jpg", "OptionsMenuON_05.jpg"},
    {"SettingsButton", "OptionsMenu_06.jpg", "OptionsMenuON_06.jpg"},
    {"ExitToMenuButton", "OptionsMenu_07.jpg", "OptionsMenuON_07.jpg"},
    {"ReturnButton", "OptionsMenu_08.jpg", "OptionsMenuON_08.jpg"},
};

constexpr IconPictures kMissionButtons[] = {
    {"CancelMissionButton", "MissionPopup_06.jpg", "MissionPopupON_06.jpg"},
    {"MissionCloseButton", "MissionPopup_07.jpg", "MissionPopupON_07.jpg"},
};

constexpr IconPictures kTargetButtons[] = {
    {"TargetCloseButton", "Target-Description_06.jpg", "Target-DescriptionON_06.jpg"},
};

template <std::size_t N>
std::vector<PictureButton> Buttons(const platform::Form& form, const IconPictures (&table)[N]) {
  std::vector<PictureButton> buttons;
  for (const IconPictures& b : table) buttons.emplace_back(form.Get<Image>(b.name), b.normal, b.lit);
  return buttons;
}

// The buttons of `table`, button k the one whose picture has tag k; the tags must number them
// 1..N, each once.
template <std::size_t N>
std::vector<PictureButton> ButtonsByTag(const platform::Form& form, const IconPictures (&table)[N]) {
  std::vector<PictureButton> buttons = Buttons(form, table);
  std::vector<PictureButton> byTag(buttons);
  std::vector<bool> placed(N, false);
  for (const PictureButton& b : buttons) {
    const int tag = b.image->Tag();
    if (tag < 1 || tag > static_cast<int>(N) || placed[static_cast<std::size_t>(tag - 1)])
      throw platform::MissingComponent(form.Name() + ": " + b.image->Name() + " has tag " +
                                       std::to_string(tag) + ", not one of 1.." +
                                       std::to_string(N) + " of its own");
    placed[static_cast<std::size_t>(tag - 1)] = true;
    byTag[static_cast<std::size_t>(tag - 1)] = b;
  }
  return byTag;
}

}  // namespace

IconHelp TravelIconHelp(int icon) {
  switch (icon) {
    case kTravelIcon:
      return {"Travelling",
              "This button is multi-functional. You can use it to fly to a selected location or - "
              "if you are already at a selected planet - use it to land."};
    case kTargetInfoIcon:
      return {"Target information",
              "This button will bring up a screen giving you more information about the selected "
              "target."};
    case kTradeIcon: return {"Trade screen", "This opens up a screen where you can buy or sell goods."};
    case kMissionsIcon:
      return {"Mission screen",
              "This button is multi-functional. Normally pressing this button will open up a "
              "screen where you can select different missions. If you already have one mission "
              "active this will bring up a mission status screen."};
    case kSensorsIcon:
      return {"Ship sensors",
              "This button will open up the ship sensor screen. On this screen you can select "
              "different ships within your ship´s sensor range and attack them."};
    case kGalaxyMapIcon:
      return {"Galaxy map",
              "This is the galaxy map. Here you can see all star systems in the known galaxy and "
              "plan your trading routes accordingly."};
    case kOptionsIcon:
      return {"Game options",
              "This button will open the game option screen. Here you can - for example - "
              "save/load a game, change the game settings or quit this program."};
    default: return {"", ""};
  }
}

TravelScreenForm::TravelScreenForm()
    : Form("TravelScreen"),
      guard_(*this, state::TravelMayClose),
      icons_(Buttons(*this, kIcons)),
      options_(ButtonsByTag(*this, kOptionEntries)),
      missionButtons_(Buttons(*this, kMissionButtons)),
      targetButtons_(Buttons(*this, kTargetButtons)) {
  for (const char* name : kIconLabels) iconLabels_.push_back(&Get<Label>(name));

  guard_.OnRefused([] {
    return popups::AskYesNo(popups::kQuitGameTopic, popups::kQuitGameText);
  });
  Bind("FormClose", [this](Sender) {
    guard_.Closed();
    HideTradeWindow();
  });

  Bind("OnBodyClick", &TravelScreenForm::OnBodyClick);
  Bind("OnBodyDblClick", &TravelScreenForm::OnBodyDblClick);
  Bind("OnSpaceFindClick", &TravelScreenForm::OnSpaceFindClick);
  Bind("OnSpaceFindDblClick", &TravelScreenForm::OnSpaceFindDblClick);
  Bind("OnShipMarkerClick", &TravelScreenForm::OnShipMarkerClick);
  Bind("OnShipMarkerDblClick", &TravelScreenForm::OnShipMarkerDblClick);
  Bind("OnTargetMarkerDblClick", &TravelScreenForm::OnTargetMarkerDblClick);
  Bind("OnMissionMarkerClick", &TravelScreenForm::OnMissionMarkerClick);
  Bind("OnMissionMarkerDblClick", &TravelScreenForm::OnMissionMarkerDblClick);

  Bind("OnIconMouseDown", &TravelScreenForm::OnIconMouseDown);
  Bind("OnIconHover", [this](Sender s) { icons_.Hover(s.sender.Tag()); });
  Bind("OnInvasionHover", [this](Sender) { icons_.Hover(kInvasionIcon); });
  Bind("OnControlFaceHover", [this](Sender) { icons_.Restore(); });
  Bind("OnInvasionClick", &TravelScreenForm::OnInvasionClick);
  Bind("OnShipMouseDown", &TravelScreenForm::OnShipMouseDown);
  Bind("OnPortraitMouseDown", &TravelScreenForm::OnPortraitMouseDown);
  Bind("OnCheatSpotDblClick", &TravelScreenForm::OnCheatSpotDblClick);

  Bind("OnNewsClick", &TravelScreenForm::OnNewsClick);
  Bind("OnNewsEnter", [](Sender s) { s.sender.SetFontColor(platform::colors::Red); });
  Bind("OnNewsLeave", [](Sender s) { s.sender.SetFontColor(platform::colors::White); });

  Bind("OnSaveGameClick", &TravelScreenForm::OnSaveGameClick);
  Bind("OnLoadGameClick", &TravelScreenForm::OnLoadGameClick);
  Bind("OnSettingsClick", &TravelScreenForm::OnSettingsClick);
  Bind("OnExitToMenuClick", &TravelScreenForm::OnExitToMenuClick);
  Bind("OnReturnClick", &TravelScreenForm::OnReturnClick);
  Bind("OnOptionsHover", [this](Sender s) { options_.Hover(s.sender.Tag()); });
  Bind("OnOptionsFaceHover", [this](Sender) { options_.Restore(); });

  Bind("OnCancelMissionClick", &TravelScreenForm::OnCancelMissionClick);
  Bind("OnMissionCloseClick", &TravelScreenForm::OnMissionCloseClick);
  Bind("OnMissionPanelHover", [this](Sender s) { missionButtons_.Hover(s.sender.Tag()); });
  Bind("OnMissionFaceHover", [this](Sender) { missionButtons_.Restore(); });

  Bind("OnTargetCloseClick", &TravelScreenForm::OnTargetCloseClick);
  Bind("OnTargetCloseHover", [this](Sender) { targetButtons_.Hover(1); });
  Bind("OnTargetFaceHover", [this](Sender) { targetButtons_.Restore(); });

  Bind("OnCompatibilityToggleClick", &TravelScreenForm::OnCompatibilityToggleClick);
  Bind("OnLevelUpClick", &TravelScreenForm::OnLevelUpClick);
  Bind("OnNextDayClick", &TravelScreenForm::OnNextDayClick);
  Bind("OnFleetBattleClick", &TravelScreenForm::OnFleetBattleClick);
  Bind("OnTestFightClick", &TravelScreenForm::OnTestFightClick);
  Bind("OnDropMissionClick", &TravelScreenForm::OnDropMissionClick);

  // A new game or a load hides the panels of the game before, for as long as this screen lives.
  state::HideGamePanels = [this] {
    HidePanels();
    HideTradeWindow();
  };
}

TravelScreenForm::~TravelScreenForm() { state::HideGamePanels = nullptr; }

// ---- Drawing -------------------------------------------------------------------------------------

void TravelScreenForm::ShowLog() {
  for (int i = 0; i < kTravelNewsLines; ++i) news_[i]->SetCaption(NewsLine(i + 1));
  starDate_.SetCaption(StarDateLine());
  // A day that ends the invasion here takes its control away with it.
  invasionAlert_.SetVisible(InvasionAlertShows());
}

void TravelScreenForm::ShowSystem(bool placeBodies, std::int32_t system) {
  state::DisplayedSystem = system;
  const TravelView v = BuildTravelView(TradeWindowShowing());
  if (placeBodies) ApplyBodies(v);
  ShowLog();
  ApplyStatus(v);
  ApplyMarkers(v);
  for (int i = 0; i < kControlIcons; ++i)
    if (!v.iconCaptions[i].empty()) iconLabels_[i]->SetCaption(v.iconCaptions[i]);
  ApplyTarget(v.target);
  // The target panel describes body 1 for an empty selection, and from now on selects it.
  if (state::SelectedBody == 0) state::SelectedBody = 1;
  if (TradeWindowShowing()) UpdateTradeWindow();
  ApplyPrices(v);
  ApplyFinds(v);
  ApplyCompatibility(v);
}

void TravelScreenForm::ApplyBodies(const TravelView& v) {
  for (int k = 0; k < kTravelBodies; ++k) {
    const BodyView& b = v.bodies[k];
    bodies_[k]->SetVisible(b.visible);
    bodyNames_[k]->SetVisible(b.visible);
    if (!b.visible) continue;
    bodies_[k]->LoadPicture(b.picture);
    bodies_[k]->SetLeft(b.x);
    bodies_[k]->SetTop(b.y);
    bodyNames_[k]->SetCaption(b.name);
    bodyNames_[k]->SetLeft(b.nameX - kLabelSpill);
    bodyNames_[k]->SetTop(b.nameY);
    bodyPrices_[k]->SetLeft(b.priceX - kLabelSpill);
    bodyPrices_[k]->SetTop(b.priceY);
  }
}

void TravelScreenForm::ApplyMarkers(const TravelView& v) {
  // Each frame is drawn tight round the 33 x 33 picture inside its 60 x 60 marker place, so that
  // it stays clear of the name and the price under the picture.
  const auto place = [](platform::Shape& marker, const Placed& p) {
    marker.SetVisible(p.visible);
    if (p.visible) marker.SetBounds(p.x + kMarkerInset, p.y + kMarkerInset, marker.Width(), marker.Height());
  };
  place(targetMarker_, v.selection);
  place(shipMarker_, v.position);
  place(missionMarker_, v.mission);
}

void TravelScreenForm::ApplyStatus(const TravelView& v) {
  credits_.SetCaption(v.credits);
  shieldBar_.LoadPicture(v.shieldBar);
  experienceBar_.LoadPicture(v.experienceBar);
  shipPicture_.LoadPicture(v.shipPicture);
  portrait_.LoadPicture(v.portrait);
}

void TravelScreenForm::ApplyTarget(const TargetView& t) {
  targetName_.SetCaption(t.name);
  targetPicture_.LoadPicture(t.picture);
  targetDescription_.SetCaption(t.description);
  targetFaction_.SetCaption(t.faction);
  targetClass_.SetCaption(t.kind);
}

void TravelScreenForm::ApplyFinds(const TravelView& v) {
  for (int s = 0; s < kTravelFinds; ++s) {
    const FindView& f = v.finds[s];
    finds_[s]->SetVisible(f.visible);
    findCaptions_[s]->SetVisible(f.visible);
    if (!f.visible) continue;
    finds_[s]->LoadPicture(f.picture);
    finds_[s]->SetLeft(f.x);
    finds_[s]->SetTop(f.y);
    findCaptions_[s]->SetCaption(f.caption);
    findCaptions_[s]->SetLeft(f.captionX - kLabelSpill);
    findCaptions_[s]->SetTop(f.captionY);
  }
}

void TravelScreenForm::ApplyPrices(const TravelView& v) {
  for (int k = 0; k < kTravelBodies; ++k) {
    bodyPrices_[k]->SetVisible(v.bodies[k].priceVisible);
    if (v.bodies[k].priceVisible) bodyPrices_[k]->SetCaption(v.bodies[k].price);
  }
}

void TravelScreenForm::ApplyCompatibility(const TravelView& v) {
  compatibilityStrip_.SetVisible(v.compatibilityLabels);
  const int height =
      heightWithoutStrip_ + (v.compatibilityLabels ? compatibilityStrip_.Height() : 0);
  if (Height() != height)
    SetBounds(Left(), std::clamp(platform::kScreenHeight - height, 0, designedTop_), Width(), height);
  for (int i = 0; i < kCompatibilityLabels; ++i) {
    compatibility_[i]->SetVisible(v.compatibilityLabels);
    if (v.compatibilityLabels) compatibility_[i]->SetCaption(v.compatibilityCaptions[i]);
  }
}

void TravelScreenForm::UpdateCompatibilityLabels() {
  ApplyCompatibility(BuildTravelView(TradeWindowShowing()));
}

void TravelScreenForm::ShowStatusBars() { ApplyStatus(BuildTravelView(TradeWindowShowing())); }

void TravelScreenForm::ShowSpaceFinds() { ApplyFinds(BuildTravelView(TradeWindowShowing())); }

void TravelScreenForm::ShowPriceLabels() {
  // The finds' captions move off the prices that show now, and back when they go.
  const TravelView v = BuildTravelView(TradeWindowShowing());
  ApplyPrices(v);
  ApplyFinds(v);
}

void TravelScreenForm::ShowMissionPanel() {
  if (const std::optional<MissionPanelView> m = BuildMissionPanelView()) {
    missionTitle_.SetCaption(m->title);
    missionBriefing_.SetCaption(m->briefing);
    missionOpposition_.SetCaption(m->opposition);
    missionLocation_.SetCaption(m->location);
    missionReward_.SetCaption(m->reward);
  }
  ApplyMarkers(BuildTravelView(TradeWindowShowing()));
}

void TravelScreenForm::ShowNewsItem(int entry) {
  if (entry < 1 || entry > state::kLastNews || !Visible()) return;
  popups::ShowNotice(rules::NewsTopic(rules::NewsKind{state::NewsList[entry][news::kKind]}),
                     state::NewsHeadline[entry], rules::BuildNewsText(entry), "news.jpg");
}

void TravelScreenForm::PutOutIcons() {
  icons_.RestoreAll();
  options_.RestoreAll();
  missionButtons_.RestoreAll();
  targetButtons_.RestoreAll();
}

void TravelScreenForm::HidePanels() {
  optionsPanel_.Hide();
  targetPanel_.Hide();
  missionPanel_.Hide();
}

// ---- Selecting and flying ------------------------------------------------------------------------

void TravelScreenForm::SelectAndShow(std::int32_t selection) {
  state::SelectedBody = selection;
  ShowSystem(false, PlayerShip[ship::kSystem]);
}

// Flies to the selection, or docks or jumps where the ship already is.
void TravelScreenForm::FlyToSelection() {
  const std::int32_t system = PlayerShip[ship::kSystem];
  const std::int32_t target = state::SelectedBody;
  switch (ActionForSelection(target, PlayerShip[ship::kBody])) {
    case TravelAction::DockOrJump: DockOrJump(); break;
    case TravelAction::FlyToFind: FlyToSpaceFind(target, system); break;
    case TravelAction::FlyToBody: FlyToLocation(target, system); break;
  }
}

// Bodies 1..9 click; the others select silently.
void TravelScreenForm::OnBodyClick(Sender s) {
  const int k = s.sender.Tag();
  if (k < 1 || k > kTravelBodies) return;
  if (k <= 9) audio::PlayButtonSound();
  SelectAndShow(k);
}

void TravelScreenForm::OnBodyDblClick(Sender s) {
  OnBodyClick(s);
  if (s.sender.Tag() >= 1 && s.sender.Tag() <= kTravelBodies) FlyToSelection();
}

void TravelScreenForm::OnSpaceFindClick(Sender s) {
  const int slot = s.sender.Tag();
  if (slot < 1 || slot > kTravelFinds) return;
  audio::PlayButtonSound();
  SelectAndShow(-slot);
}

void TravelScreenForm::OnSpaceFindDblClick(Sender s) {
  const int slot = s.sender.Tag();
  if (slot < 1 || slot > kTravelFinds) return;
  OnSpaceFindClick(s);
  if (PlayerShip[ship::kBody] != -slot) FlyToSpaceFind(-slot, PlayerShip[ship::kSystem]);
}

void TravelScreenForm::OnShipMarkerClick() {
  audio::PlayButtonSound();
  SelectAndShow(PlayerShip[ship::kBody]);
}

void TravelScreenForm::OnShipMarkerDblClick() {
  OnShipMarkerClick();
  DockOrJump();
}

void TravelScreenForm::OnTargetMarkerDblClick() {
  audio::PlayButtonSound();
  ShowSystem(false, PlayerShip[ship::kSystem]);
  FlyToSelection();
}

void TravelScreenForm::OnMissionMarkerClick() {
  audio::PlayButtonSound();
  SelectAndShow(state::ActiveMission[mission::kTargetBody]);
}

void TravelScreenForm::OnMissionMarkerDblClick() {
  OnMissionMarkerClick();
  FlyToSelection();
}

// ---- The control panel ---------------------------------------------------------------------------

void TravelScreenForm::OnIconMouseDown(Sender s) {
  const int icon = s.sender.Tag();
  if (icon < kTravelIcon || icon > kOptionsIcon) return;
  audio::PlayButtonSound();
  if (s.button == platform::MouseButton::Right) {
    const IconHelp help = TravelIconHelp(icon);
    popups::ShowText(help.topic, help.text);
    return;
  }
  ActOnIcon(icon);
}

void TravelScreenForm::ActOnIcon(int icon) {
  switch (icon) {
    case kTravelIcon:
      ShowSystem(false, PlayerShip[ship::kSystem]);
      FlyToSelection();
      break;
    case kTargetInfoIcon: ToggleTargetPanel(); break;
    case kTradeIcon:
      AdvanceTutorial(Step::OpenTrade, Step::BuySupplies);
      ToggleTradeWindow();
      break;
    case kMissionsIcon: OnMissionsIcon(); break;
    case kSensorsIcon: OpenSensors(); break;
    case kGalaxyMapIcon:
      AdvanceTutorial(Step::OpenGalaxyMap, Step::CloseGalaxyMap);
      OpenGalaxyMap();
      break;
    case kOptionsIcon: ToggleOptionsPanel(); break;
  }
}

void TravelScreenForm::ToggleTargetPanel() {
  if (targetPanel_.Visible()) {
    audio::PlayMinimizeSound();
    targetPanel_.Hide();
  } else {
    audio::PlayMaximizeSound();
    targetPanel_.Show();
  }
  ApplyTarget(BuildTargetView());
}

void TravelScreenForm::ToggleOptionsPanel() {
  if (optionsPanel_.Visible()) {
    audio::PlayMinimizeSound();
    optionsPanel_.Hide();
  } else {
    AdvanceTutorial(Step::OpenOptions, Step::SaveGame);
    audio::PlayMaximizeSound();
    optionsPanel_.Show();
  }
}

void TravelScreenForm::OnMissionsIcon() {
  if (!rules::TutorialAllows(rules::TutorialAction::OpenMissions)) {
    popups::ShowText("Tutorial", rules::TutorialRefusal(rules::TutorialAction::OpenMissions));
    return;
  }
  AdvanceTutorial(Step::ReopenMission, Step::FlyToSun);
  const rules::MissionsAccess access = rules::DecideMissionsIcon();
  if (access.campaign) audio::PlayMaximizeSound();
  if (access.route == rules::MissionsRoute::Missions && access.ownPeacefulSystem)
    AdvanceTutorial(Step::OpenMissions, Step::PickMission);
  ShowMissionsAccess(access);
}

void TravelScreenForm::OpenMissions() { ShowMissionsAccess(rules::DecideMissionsOpening()); }

void TravelScreenForm::ShowMissionsAccess(const rules::MissionsAccess& access) {
  switch (access.route) {
    case rules::MissionsRoute::Nothing: return;
    case rules::MissionsRoute::Refusal: popups::ShowText(access.topic, access.text); return;
    case rules::MissionsRoute::Missions: OpenMissions(); return;
    case rules::MissionsRoute::CampaignScreen: OpenCampaignScreen(); return;
    case rules::MissionsRoute::MissionBoard: {
      // The board opens in place of this screen, which shows again when it closes (or as soon as
      // a mission accepted there begins); the trade window steps aside with it.
      const TradeWindowAside tradeWindowAside;
      const bool shown = Visible();
      Hide();
      hiddenForMissionBoard_ = shown;
      OpenMissionBoard();
      hiddenForMissionBoard_ = false;
      if (shown) Show();
      return;
    }
    case rules::MissionsRoute::MissionPanel: {
      const Placed place = MissionPanelPlace();
      missionPanel_.SetLeft(place.x);
      missionPanel_.SetTop(place.y);
      missionPanel_.SetVisible(!missionPanel_.Visible());
      ShowMissionPanel();
      PlaceTutorialGuidanceAgain();
      return;
    }
  }
}

void TravelScreenForm::OnInvasionClick() {
  const rules::MissionsAccess access = rules::DecideInvasionButton();
  if (access.route == rules::MissionsRoute::Nothing) return;
  audio::PlayButtonSound();
  if (access.campaign) audio::PlayMaximizeSound();
  ShowMissionsAccess(access);
}

void TravelScreenForm::OnShipMouseDown() {
  audio::PlayButtonSound();
  AdvanceTutorial(Step::OpenShipStatus, Step::CloseShipStatus);
  ShowOwnShipStatus();
}

void TravelScreenForm::OnPortraitMouseDown() {
  audio::PlayButtonSound();
  AdvanceTutorial(Step::OpenPersonalStatus, Step::BrowseSkills);
  audio::PlayMaximizeSound();
  OpenPersonalStatus();
}

void TravelScreenForm::OnNewsClick(Sender s) {
  audio::PlayButtonSound();
  audio::PlayMaximizeSound();
  ShowNewsItem(s.sender.Tag());
}

void TravelScreenForm::OnCheatSpotDblClick() { OpenCheatScreen(); }


// ---- The options panel ---------------------------------------------------------------------------

void TravelScreenForm::OnSaveGameClick() {
  audio::PlayButtonSound();
  AdvanceTutorial(Step::SaveGame, Step::SaveIntoSlot);
  audio::PlayMaximizeSound();
  OpenSaveLoad();
  RefreshMissionPanelAfterLoad();
}

void TravelScreenForm::OnLoadGameClick() {
  audio::PlayButtonSound();
  audio::PlayMaximizeSound();
  OpenSaveLoad();
  RefreshMissionPanelAfterLoad();
}

// A game loaded there may have another mission, or none: an open mission panel follows it.
void TravelScreenForm::RefreshMissionPanelAfterLoad() {
  if (!missionPanel_.Visible()) return;
  if (state::ActiveMission[mission::kActive] < 1)
    missionPanel_.Hide();
  else
    ShowMissionPanel();
}

void TravelScreenForm::OnSettingsClick() {
  audio::PlayButtonSound();
  OpenGameOptions();
}

void TravelScreenForm::OnExitToMenuClick() {
  audio::PlayButtonSound();
  if (popups::AskYesNo("Really quit?", "Do you really want to return to the main menu?"))
    guard_.CloseByButton();
}

void TravelScreenForm::OnReturnClick() {
  audio::PlayButtonSound();
  FollowTutorial(rules::TutorialEvent::OptionsPanelClosed);
  audio::PlayMinimizeSound();
  optionsPanel_.Hide();
}

// ---- The mission and target panels ----------------------------------------------------------------

void TravelScreenForm::OnCancelMissionClick() {
  audio::PlayButtonSound();
  if (!rules::TutorialAllows(rules::TutorialAction::CancelMission)) {
    popups::ShowText("Tutorial", rules::TutorialRefusal(rules::TutorialAction::CancelMission));
    return;
  }
  if (!popups::AskYesNo("Cancel mission?", "Do you really want to cancel the current mission?"))
    return;
  DropMission();
}

void TravelScreenForm::DropMission() {
  state::ActiveMission[mission::kActive] = 0;
  missionPanel_.Hide();
  // The dropped mission's target is no longer marked.
  ApplyMarkers(BuildTravelView(TradeWindowShowing()));
}

void TravelScreenForm::OnMissionCloseClick() {
  audio::PlayButtonSound();
  audio::PlayMinimizeSound();
  missionPanel_.Hide();
}

void TravelScreenForm::OnTargetCloseClick() {
  audio::PlayButtonSound();
  audio::PlayMinimizeSound();
  targetPanel_.Hide();
}

void TravelScreenForm::OnCompatibilityToggleClick() {
  audio::PlayButtonSound();
  SwitchCompatibilityMode();  // which relabels this screen too
  RefreshGameOptions();
}

// ---- The developer controls ----------------------------------------------------------------------

// The experience the next level needs, the promotion that follows, and the gold star.
void TravelScreenForm::OnLevelUpClick() {
  audio::PlayButtonSound();
  rules::CheatNextPromotion(rules_);
  AwardGoldStarMedal();
}

void TravelScreenForm::OnNextDayClick() {
  audio::PlayButtonSound();
  rules::AdvanceDay(rules_);
  ShowSystem(false, PlayerShip[ship::kSystem]);
}

// A fleet battle against the Outer Rim's fleet, as a mission's battle is set up.
void TravelScreenForm::OnFleetBattleClick() {
  audio::PlayButtonSound();
  rules_.RunFleetBattle(kFactionOuterRim, rules::kFleetKindMission);
  ShowSystem(false, PlayerShip[ship::kSystem]);
}

// A fight against a military corvette of the Outer Rim.
void TravelScreenForm::OnTestFightClick() {
  audio::PlayButtonSound();
  // One of the Outer Rim's military corvettes.
  rules_.SetupShipCombat(state::kClassShadowcat, kFactionOuterRim, kMilitaryShip, 0);
  rules_.RunShipCombat();
  ShowSystem(false, PlayerShip[ship::kSystem]);
}

// Drops the active mission without the question the panel's own button asks.
void TravelScreenForm::OnDropMissionClick() {
  audio::PlayButtonSound();
  DropMission();
}

void TravelScreenForm::ShowBehindMissionBoard() {
  if (!hiddenForMissionBoard_) return;
  hiddenForMissionBoard_ = false;
  Show();
}

// ---- The hooks the rules and the other screens reach ---------------------------------------------

void ShowTravelScreenFirst() {
  TravelScreenForm& travel = GameForm<TravelScreenForm>();
  travel.PutOutIcons();
  travel.ShowSystem(true, PlayerShip[ship::kSystem]);
  travel.Show();
}

void OpenTravelScreen() {
  GameInProgress game;
  ShowTravelScreenFirst();
  GameForm<TravelScreenForm>().ShowModal();
  // A showing that never began (the program ended over the objective popup) leaves the screen
  // shown for the popup: it goes too.
  if (GameForm<TravelScreenForm>().Visible()) GameForm<TravelScreenForm>().Hide();
}

bool TravelScreenShowing() { return GameForm<TravelScreenForm>().Visible(); }

void HideTravelScreen() {
  GameForm<TravelScreenForm>().Hide();
}

void ShowTravelScreenAgain() {
  if (GameForm<TravelScreenForm>().Modal()) GameForm<TravelScreenForm>().Show();
}

void UpdateTravelCompatibilityLabels() {
  GameForm<TravelScreenForm>().UpdateCompatibilityLabels();
}

void RedrawTravelSystem(bool placeBodies) {
  GameForm<TravelScreenForm>().ShowSystem(placeBodies, state::DisplayedSystem);
}

void UpdateTravelStatusBars() {
  GameForm<TravelScreenForm>().ShowStatusBars();
}

void ShowTravelLog() {
  GameForm<TravelScreenForm>().ShowLog();
}

void ShowTravelSpaceFinds() {
  GameForm<TravelScreenForm>().ShowSpaceFinds();
}

void UpdateTravelPriceLabels() {
  GameForm<TravelScreenForm>().ShowPriceLabels();
}

void CloseTravelScreenForGameOver() {
  GameForm<TravelScreenForm>().CloseForGameOver();
}

bool MissionPanelShowing() { return GameForm<TravelScreenForm>().MissionPanelVisible(); }

void HideMissionPanel() {
  GameForm<TravelScreenForm>().HideMissionPanel();
}

void UpdateMissionPanel() {
  GameForm<TravelScreenForm>().ShowMissionPanel();
}

void OpenMissions() {
  GameForm<TravelScreenForm>().OpenMissions();
}

void ShowTravelScreenBehindMissionBoard() {
  GameForm<TravelScreenForm>().ShowBehindMissionBoard();
}

}  // namespace screens
