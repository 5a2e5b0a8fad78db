#include "screens/travel/ship_status.h"

#include "audio/sound.h"
#include "screens/popups/popups.h"
#include "screens/shared/doors.h"
#include "screens/travel/planet.h"
#include "screens/tutorial/tutorial.h"
#include "state/ship_classes.h"
#include "state/variables.h"

namespace screens {

using platform::Image;
using platform::Sender;

std::string ShipStatusButtonPicture(int k, bool lit) {
  if (k < kShipStatusEquipmentButton || k > kShipStatusCloseButton) return {};
  return std::string(lit ? "ShipStatusScreenON_" : "ShipStatusScreen_") +
         (k == kShipStatusEquipmentButton ? "06" : "07") + ".jpg";
}

ShipStatusScreen::ShipStatusScreen()
    : Form("ShipStatus"),
      buttons_({{Get<Image>("EquipmentButton"), ShipStatusButtonPicture(kShipStatusEquipmentButton, false),
                 ShipStatusButtonPicture(kShipStatusEquipmentButton, true)},
                {Get<Image>("CloseButton"), ShipStatusButtonPicture(kShipStatusCloseButton, false),
                 ShipStatusButtonPicture(kShipStatusCloseButton, true)}}) {
  Bind("OnEquipmentClick", &ShipStatusScreen::OnEquipmentClick);
  Bind("OnCloseClick", &ShipStatusScreen::OnCloseClick);
  Bind("OnSpecialityClick", &ShipStatusScreen::OnSpecialityClick);
  Bind("OnMoreClick", &ShipStatusScreen::OnMoreClick);
  Bind("OnEquipmentHover", [this](Sender) { buttons_.Hover(kShipStatusEquipmentButton); });
  Bind("OnCloseHover", [this](Sender) { buttons_.Hover(kShipStatusCloseButton); });
  Bind("OnFaceHover", [this](Sender) { buttons_.Restore(); });
}

void ShipStatusScreen::Fill(ShipStatusMode mode) {
  mode_ = mode;
  view_ = BuildShipStatusView(mode);
  picture_.LoadPicture(view_.picture);
  name_.SetCaption(view_.name);
  size_.SetCaption(view_.size);
  summary_.SetCaption(view_.summary);
  gunDamage_.SetCaption(view_.gunDamage);
  accuracy_.SetCaption(view_.accuracy);
  shields_.SetCaption(view_.shields);
  speciality_.SetCaption(view_.speciality);
  value_.SetCaption(view_.value);
  crewRange_.SetCaption(view_.crewRange);
  currentCrew_.SetCaption(view_.currentCrew);
  for (int k = 0; k < state::kCrewKindCount; ++k)
    crew_[static_cast<std::size_t>(k)]->SetCaption(view_.crew[static_cast<std::size_t>(k)]);
  equipmentLabel_.SetEnabled(view_.equipmentShown);
}

void ShipStatusScreen::OnEquipmentClick() {
  audio::PlayButtonSound();
  // Only the own ship's equipment can be looked at; the equipment screen opens for viewing.
  if (mode_ != ShipStatusMode::OwnShip) return;
  OpenEquipmentView();
}

void ShipStatusScreen::OnCloseClick() {
  audio::PlayButtonSound();
  AdvanceTutorial(tutorial::Step::CloseShipStatus, tutorial::Step::OpenPersonalStatus);
  Close();
}

void ShipStatusScreen::OnSpecialityClick() {
  audio::PlayButtonSound();
  // A class without a special ability has nothing to explain.
  if (view_.speciality.empty()) return;
  popups::ShowText(view_.speciality, "If active " + state::GetShipSpecialEffect(view_.special));
}

void ShipStatusScreen::OnMoreClick() {
  popups::ShowPicture(view_.moreTopic, view_.moreText, view_.morePicture);
}

}  // namespace screens
