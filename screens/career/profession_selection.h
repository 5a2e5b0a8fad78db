// The profession screen, the last of the new-game screens: six profession tiles; the chosen
// profession shows its name, description, three start combat abilities, start skill and the start
// ship for the faction chosen before. The new world takes the start ship shown here.
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "platform/form.h"
#include "rules/ui.h"
#include "screens/shared/picture_buttons.h"
#include "screens/shared/tutorial_panel.h"
#include "state/factions.h"
#include "state/professions.h"
#include "state/ship_classes.h"

namespace screens {

inline constexpr int kProfessions = state::Stored(state::kLastProfession);

// A text of the screen with the id it stands for (an ability, a skill or a ship class).
struct TaggedText {
  std::string text;
  std::int32_t id = 0;
  bool operator==(const TaggedText&) const = default;
};

// What the screen shows for a profession and faction.
struct ProfessionView {
  std::string name;
  std::string description;
  std::array<TaggedText, 3> abilities;
  std::array<int, 3> abilityLefts;  // where each ability label starts, one after the other
  TaggedText skill;
  TaggedText ship;  // empty text and id 0 for a faction outside 1..4
};

// The view for profession 1..6 and the faction; nothing for another profession.
std::optional<ProfessionView> BuildProfessionView(Profession profession, Faction faction);

// The caption of tile k (1..6) and the logo picture of profession k: normal, chosen or under the
// mouse.
enum class LogoState { Normal, Chosen, Hover };
std::string ProfessionTileCaption(int k);
std::string ProfessionLogoPicture(int k, LogoState state);

class ProfessionSelectionScreen : public platform::Form {
 public:
  ProfessionSelectionScreen();

  // Fills the texts and ids from the player's profession and faction. A profession outside 1..6
  // changes nothing; a faction outside 1..4 keeps the start ship shown before.
  void ShowProfessionInfo();
  // The start ship's class as shown.
  state::ShipClassId StartShipClass() const { return state::ShipClassId{startShip_.Tag()}; }
  // Shows the chosen profession's logo as chosen (the start screen does this before showing).
  void MarkChosenLogo();

  void OnProfessionClick(int k);
  void OnProfessionHover(int k);
  void OnFaceHover();
  void OnContinueClick();
  void OnStartShipMouseDown();
  // A starting ability's label (`tree` Combat) or the skill's: its description popup.
  static void OnStartAbilityMouseDown(rules::AbilityChoice tree, platform::Sender s);

  // 0 none, 1..6 a profession tile, 7 Continue lit.
  int HoverIndex() const { return hover_; }

 private:
  void LoadLogo(int k, LogoState state);
  void LightTile(int k, bool lit);

  int hover_ = 0;
  std::vector<platform::Image*> logos_ = GetNumbered<platform::Image>("ProfessionLogo", kProfessions);
  std::vector<platform::Image*> tiles_ = GetNumbered<platform::Image>("ProfessionTile", kProfessions);
  std::vector<platform::Label*> captions_ = GetNumbered<platform::Label>("ProfessionLabel", kProfessions);
  std::vector<platform::Label*> abilities_ = GetNumbered<platform::Label>("StartAbility", 3);
  platform::Image& continue_ = Get<platform::Image>("ContinueButton");
  platform::Label& name_ = Get<platform::Label>("ProfessionName");
  platform::Label& description_ = Get<platform::Label>("Description");
  platform::Label& skill_ = Get<platform::Label>("StartSkill");
  platform::Label& startShip_ = Get<platform::Label>("StartShip");
  // The tutorial's guidance on this screen.
  TutorialPanel tutorialPanel_{*this};
};

}  // namespace screens
