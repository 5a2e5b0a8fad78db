// The campaign screen.
#include "screens/port/campaign_screen.h"

#include "audio/sound.h"
#include "screens/popups/popups.h"
#include "screens/port/campaign_view.h"
#include "screens/shared/doors.h"
#include "screens/shared/game_forms.h"
#include "state/fields.h"
#include "state/variables.h"

namespace screens {

using platform::Image;
using platform::Sender;

namespace {

constexpr const char* kButtonNames[] = {"MissionButton", "StrikeButton", "CloseButton"};

// Shows the first `count` symbols of a row with `picture`, hides the rest.
void ShowSymbols(const std::vector<Image*>& row, int count, const std::string& picture) {
  for (std::size_t i = 0; i < row.size(); ++i) {
    row[i]->LoadPicture(picture);
    row[i]->SetVisible(static_cast<int>(i) < count);
  }
}

}  // namespace

std::string CampaignButtonPicture(int k, bool lit) {
  if (k < kCampaignMissionButton || k > kCampaignCloseButton) return {};
  return std::string(lit ? "CampaignScreenH_0" : "CampaignScreen_0") + std::to_string(5 + k) +
         ".jpg";
}

CampaignScreenForm::CampaignScreenForm()
    : Form("CampaignScreen"),
      buttons_(NumberedPictureButtons(*this, kButtonNames, CampaignButtonPicture)) {
  Bind("OnMissionClick", &CampaignScreenForm::OnMissionClick);
  Bind("OnStrikeClick", &CampaignScreenForm::OnStrikeClick);
  Bind("OnCloseClick", &CampaignScreenForm::OnCloseClick);
  Bind("OnMissionHover", [this](Sender) { buttons_.Hover(kCampaignMissionButton); });
  Bind("OnStrikeHover", [this](Sender) { buttons_.Hover(kCampaignStrikeButton); });
  Bind("OnCloseHover", [this](Sender) { buttons_.Hover(kCampaignCloseButton); });
  Bind("OnFaceHover", [this](Sender) { buttons_.Restore(); });
}

void CampaignScreenForm::ShowCampaign() {
  const CampaignView view = BuildCampaignView();
  topic_.SetCaption(view.topic);
  situation_.SetCaption(view.situation);
  influence_.SetCaption(view.influence);
  days_.SetCaption(view.days);
  ShowSymbols(attackerShips_, view.attackerShips.small, view.attackerSmall);
  ShowSymbols(attackerBig_, view.attackerShips.big, view.attackerBig);
  ShowSymbols(defenderShips_, view.defenderShips.small, view.defenderSmall);
  ShowSymbols(defenderBig_, view.defenderShips.big, view.defenderBig);
  starbase_.LoadPicture(view.starbase);
  starSystem_.LoadPicture(view.starSystem);
}

void CampaignScreenForm::OnMissionClick() {
  audio::PlayButtonSound();
  if (state::ActiveMission[mission::kActive] > 0) {
    popups::ShowText("N/A", "You can only accept one mission at a time!");
    // The travel screen shows the running mission in its panel.
    rules_.OpenMissions();
    return;
  }
  OpenMissions();
}

void CampaignScreenForm::OnStrikeClick() {
  audio::PlayButtonSound();
  const StrikeOrder order = AskForStrike(rules_);
  if (!order.go) return;
  const bool won = rules_.RunFleetBattle(order.enemyFaction, order.fleetKind);
  // A strike, won or lost, has ended the siege.
  FinishStrike(won, rules_);
  Close();
}

void CampaignScreenForm::OnCloseClick() {
  audio::PlayButtonSound();
  audio::PlayMinimizeSound();
  Close();
}

void OpenCampaignScreen() {
  if (!CampaignScreenOpens()) return;
  CampaignScreenForm& campaign = GameForm<CampaignScreenForm>();
  campaign.ShowCampaign();
  campaign.ShowModal();
}

bool CampaignScreenShowing() { return GameForm<CampaignScreenForm>().Visible(); }

void CloseCampaignScreen() {
  if (!CampaignScreenShowing()) return;
  CampaignScreenForm& campaign = GameForm<CampaignScreenForm>();
  campaign.Hide();
  campaign.Close();
}

}  // namespace screens
