// The faction selection screen, the first of the new-game screens: four faction tiles; a click
// stores the faction and shows its name, a short judgement, two quotations with their sources and
// three paragraphs of background. Continue closes. The screen also carries the switch of the
// compatibility mode for the visually impaired, and text labels over the tiles while it is on.
#pragma once

#include <array>
#include <cstdint>
#include <string>

#include "platform/form.h"
#include "screens/shared/picture_buttons.h"
#include "screens/shared/tutorial_panel.h"
#include "state/factions.h"

namespace screens {

// Where a text label of the background panel sits for a faction.
struct LabelPlace {
  int left, top, height, width;
  bool operator==(const LabelPlace&) const = default;
};

// What the screen shows for a faction.
struct FactionInfo {
  std::string name;
  std::string judgement;
  // The quotations and paragraphs in their panel order: first quotation, its source, second
  // quotation, its source, first, second and third paragraph.
  std::array<std::string, 7> texts;
  std::array<LabelPlace, 7> places;
};

// The texts and places for faction 1..4; nothing for any other number.
const FactionInfo* FactionInfoFor(Faction faction);

class FactionSelectionScreen : public platform::Form {
 public:
  FactionSelectionScreen();

  // Fills the texts of faction 1..4 (any other number changes no text), then shows or hides the
  // compatibility labels.
  void ShowFactionInfo(Faction faction);
  // The compatibility labels shown while the mode is on, hidden otherwise.
  void UpdateSelectRaceCompatibilityLabels();

  void OnFactionClick(Faction faction);
  void OnContinueClick();
  void OnCompatibilitySwitchClick();

  // 1 while Continue shows its lit picture.
  int ContinueHover() const { return continue_.Lit(); }

 private:
  PictureButtons continue_;
  platform::Label& factionName_ = Get<platform::Label>("FactionName");
  platform::Label& judgement_ = Get<platform::Label>("Judgement");
  std::array<platform::Label*, 7> panelTexts_;
  std::array<platform::Label*, 5> compatibilityLabels_;
  // The tutorial's guidance on this screen.
  TutorialPanel tutorialPanel_{*this};
};

}  // namespace screens
