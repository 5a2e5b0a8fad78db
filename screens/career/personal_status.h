// The personal status screen: the player's career at a glance (rank and name, faction, portrait,
// the uniform, credits, lives, ship, criminal status and a paragraph of career statistics), with
// buttons that browse the combat-ability and non-combat-skill trees, and Back. It shows what the
// last Refresh put there; it does not refresh itself while open.
#pragma once

#include <cstdint>
#include <string>

#include "platform/controls.h"
#include "platform/form.h"
#include "screens/career/uniform.h"
#include "screens/screen_ui.h"
#include "screens/shared/picture_buttons.h"
#include "screens/shared/tutorial_panel.h"
#include "state/ship_classes.h"

namespace screens {

// Button numbers (the hover index).
inline constexpr int kCombatSkillsButton = 1;
inline constexpr int kSkillsButton = 2;
inline constexpr int kPersonalStatusBackButton = 3;

struct PersonalStatusView {
  std::string rankAndName;     // short rank title, a blank, the name
  std::string faction;         // the faction's long name
  std::string credits;         // with thousands separators, no unit
  std::string portrait;        // the age's portrait picture
  std::string lives;           // "3 \"lives\" left"
  std::string ship;            // "Starwolf-class fighter"
  std::string criminalStatus;  // "No criminal flag" or "Criminal flag (12 turns)"
  std::string career;          // the statistics paragraph
};
PersonalStatusView BuildPersonalStatusView();

// The career paragraph: the rank and name, missions, ships destroyed by kind, cargo traded and
// invasions won either way.
std::string BuildCareerSummary();

// The ship class's name and "-class" with the word for its size and kind.
std::string ShipClassDescription(state::ShipClassId shipClass);

class PersonalStatusScreen : public platform::Form {
 public:
  PersonalStatusScreen();

  // Fills the whole screen from the game state; the openers call it before showing the screen.
  void Refresh();

  void OnCombatSkillsClick();
  void OnSkillsClick();
  void OnBackClick();

  int HoverIndex() const { return buttons_.Lit(); }

 private:
  platform::Label& rankAndName_ = Get<platform::Label>("RankAndName");
  platform::Label& faction_ = Get<platform::Label>("Faction");
  platform::Label& credits_ = Get<platform::Label>("Credits");
  platform::Image& portrait_ = Get<platform::Image>("Portrait");
  platform::Label& lives_ = Get<platform::Label>("Lives");
  platform::Label& ship_ = Get<platform::Label>("Ship");
  platform::Label& criminalStatus_ = Get<platform::Label>("CriminalStatus");
  platform::Label& career_ = Get<platform::Label>("CareerText");
  UniformPanel uniform_{*this};
  PictureButtons buttons_;
  ScreenUi rules_;
  // The tutorial's guidance on this screen.
  TutorialPanel tutorialPanel_{*this};
};

}  // namespace screens
