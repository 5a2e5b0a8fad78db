// The mission board.
#include "screens/port/mission_board.h"

#include "audio/sound.h"
#include "rules/mission_acceptance.h"
#include "rules/mission_arrival.h"
#include "rules/tutorial.h"
#include "screens/port/campaign_screen.h"
#include "screens/port/mission_board_view.h"
#include "screens/shared/doors.h"
#include "screens/shared/game_forms.h"
#include "state/fields.h"
#include "state/ship_class_of.h"
#include "state/ship_classes.h"
#include "state/variables.h"

namespace screens {

using platform::Image;
using platform::Sender;

namespace {

constexpr int kSlots = state::kLastOfferSlot;
// The buttons light after the six tiles in the board's count of hovered elements.
constexpr int kFirstButtonElement = kSlots + 1;

constexpr const char* kButtonNames[] = {"AcceptButton", "GalaxyMapButton", "CloseButton"};

}  // namespace

std::string MissionBoardButtonPicture(int k, bool lit) {
  if (k < kMissionAcceptButton || k > kMissionCloseButton) return {};
  return std::string(lit ? "Mission-ScreenH_" : "Mission-Screen_") + std::to_string(24 + k) +
         ".jpg";
}

MissionBoardScreen::MissionBoardScreen()
    : Form("MissionBoard"),
      // The lit button is the hovered element 7..9; a hovered tile lights no button.
      buttons_(NumberedPictureButtons(*this, kButtonNames, MissionBoardButtonPicture),
               LitState{[this] { return hovered_ >= kFirstButtonElement ? hovered_ - kSlots : 0; },
                        [this](int k) { hovered_ = k > 0 ? k + kSlots : 0; }}) {
  Bind("OnTileClick", &MissionBoardScreen::OnTileClick);
  Bind("OnTileHover", &MissionBoardScreen::OnTileHover);
  Bind("OnAcceptClick", &MissionBoardScreen::OnAcceptClick);
  Bind("OnGalaxyMapClick", &MissionBoardScreen::OnGalaxyMapClick);
  Bind("OnCloseClick", &MissionBoardScreen::OnCloseClick);
  Bind("OnFaceHover", &MissionBoardScreen::OnFaceHover);
  Bind("OnAcceptHover", [this](Sender) { buttons_.Hover(kMissionAcceptButton); RefreshTiles(); });
  Bind("OnGalaxyMapHover", [this](Sender) { buttons_.Hover(kMissionGalaxyMapButton); RefreshTiles(); });
  Bind("OnCloseHover", [this](Sender) { buttons_.Hover(kMissionCloseButton); RefreshTiles(); });
}

void MissionBoardScreen::Open() {
  hovered_ = 0;
  selected_ = 1;
  buttons_.RestoreAll();
  BuildMissionList();
  // A board whose first slot is empty shows no details, not those of an earlier board.
  ClearDetails();
  ShowSelectedMission(selected_);
}

void MissionBoardScreen::BuildMissionList() {
  const std::int32_t system = state::PlayerShip[ship::kSystem];
  if (auto header =
          MissionBoardHeader(state::GetShipClassSize(state::ShipClassOf(state::PlayerShip))))
    header_.SetCaption(*header);
  for (int k = 1; k <= kSlots; ++k) {
    const MissionTileView tile = BuildMissionTile(system, k);
    const std::size_t i = static_cast<std::size_t>(k - 1);
    logos_[i] = tile.logo;
    tiles_[i]->SetVisible(tile.offered);
    titles_[i]->SetCaption(tile.title);
    places_[i]->SetCaption(tile.place);
    rewards_[i]->SetCaption(tile.reward);
  }
  RefreshTiles();
}

void MissionBoardScreen::ShowSelectedMission(std::int32_t slot) {
  const auto detail = BuildMissionDetail(state::PlayerShip[ship::kSystem], slot);
  if (!detail) return;
  heading_.SetCaption(detail->heading);
  briefing_.SetCaption(detail->briefing);
  valueCaption_.SetCaption(detail->valueCaption);
  value_.SetLeft(detail->valueLeft);
  value_.SetCaption(detail->value);
  location_.SetCaption(detail->location);
  reward_.SetCaption(detail->reward);
}

void MissionBoardScreen::ClearDetails() {
  for (platform::Label* label : {&heading_, &briefing_, &valueCaption_, &value_, &location_, &reward_})
    label->SetCaption("");
}

void MissionBoardScreen::RefreshTiles() {
  for (int k = 1; k <= kSlots; ++k) {
    const std::string& logo = logos_[static_cast<std::size_t>(k - 1)];
    if (logo.empty()) continue;
    const TileLook look = k == selected_  ? TileLook::Selected
                          : k == hovered_ ? TileLook::Hovered
                                          : TileLook::Normal;
    tiles_[static_cast<std::size_t>(k - 1)]->LoadPicture(MissionTilePicture(logo, look));
  }
}

void MissionBoardScreen::OnTileClick(Sender s) {
  audio::PlayButtonSound();
  const int k = s.sender.Tag();
  if (k < 1 || k > kSlots) return;
  selected_ = k;
  buttons_.Restore();
  hovered_ = k;
  ShowSelectedMission(k);
  RefreshTiles();
  if (k == rules::kTutorialMissionSlot)
    rules::FollowTutorial(rules_, rules::TutorialEvent::TutorialMissionPicked);
}

void MissionBoardScreen::OnTileHover(Sender s) {
  const int k = s.sender.Tag();
  if (k < 1 || k > kSlots) return;
  buttons_.Restore();
  // The mouse moving on within the tile changes nothing.
  if (k == hovered_) return;
  hovered_ = k;
  RefreshTiles();
}

void MissionBoardScreen::OnFaceHover() {
  buttons_.Restore();
  if (hovered_ == 0) return;
  hovered_ = 0;
  RefreshTiles();
}

void MissionBoardScreen::OnAcceptClick() {
  audio::PlayButtonSound();
  if (rules::AcceptMissionOffer(selected_, rules_) != rules::AcceptResult::Accepted) return;
  selected_ = 1;
  BuildMissionList();
  // The travel screen puts its mission cursor on the new target and shows the mission.
  rules_.RedrawSystem(false);
  rules_.UpdateMissionPanel();
  // The board and a campaign screen under it are gone before the mission starts where the ship
  // is: a fight or battle it begins, and its popups, open over the travel screen.
  Hide();
  Close();
  CloseCampaignScreen();
  ShowTravelScreenBehindMissionBoard();
  rules::CheckMissionOnArrival(rules_);
}

void MissionBoardScreen::OnGalaxyMapClick() {
  audio::PlayButtonSound();
  // Opening the map picks the ship's system and plays the opening sound.
  OpenGalaxyMap();
}

void MissionBoardScreen::OnCloseClick() {
  audio::PlayButtonSound();
  audio::PlayMinimizeSound();
  rules_.RedrawSystem(false);
  Close();
}

void OpenMissionBoard() {
  GameForm<MissionBoardScreen>().Open();
  ScreenUi().UpdateMissionPanel();
  GameForm<MissionBoardScreen>().ShowModal();
}


}  // namespace screens
