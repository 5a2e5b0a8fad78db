// The ability selection screen: one of six trees of ten slots, three for the non-combat skills
// (Trade, Mercenary, Criminal) and three for the combat abilities (Defense, Attack, Ambush), picked
// with three tabs at the top. A slot is learnt with a left click once the slots above it allow it
// and the player agrees to the question; learning one closes the screen. A right click describes
// the slot's ability. Opened after a promotion to learn one ability, or from the personal status
// to browse, where every click only describes.
//
// The tree: slots 1 and 2 are its first tier, 3..6 its second, 7..9 its third and 10 its top.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "platform/controls.h"
#include "platform/form.h"
#include "rules/ui.h"
#include "screens/screen_ui.h"
#include "screens/shared/picture_buttons.h"

namespace screens {

inline constexpr int kAbilitySlots = 10;
inline constexpr int kAbilityGroups = 3;

// Whether the tree's slot `slot` (1..10) may be learnt, from which of its ten slots are owned
// (owned[k - 1] for slot k): the first tier always, every other slot once one of the slots it
// hangs from is owned. Whether the slot itself is owned is not asked. False outside 1..10.
bool SlotPrerequisitesMet(const std::array<bool, kAbilitySlots>& owned, int slot);

// The ids in slots 1..10 of group 1..3 of a tree, in slot order; empty for another group.
std::vector<std::int32_t> AbilityTreeIds(rules::AbilityChoice tree, int group);

// How a slot stands for the player.
enum class SlotState {
  Learnt,     // owned already
  Learnable,  // not owned, and the slots above allow it
  Locked,     // not owned, and no slot it hangs from is owned yet
};

// What a left click on a slot does.
enum class SlotClick {
  Describe,       // only shows the description: no choice is open (browsing the trees)
  AlreadyLearnt,  // tells the player it is learnt already
  Locked,         // tells the player the slots above come first
  Ask,            // asks whether to learn it
};

struct AbilitySlotView {
  std::int32_t id = 0;
  std::string name;
  std::string picture;       // on or off by ownership
  std::string hoverPicture;  // under the mouse: the over picture when learnable, else `picture`
  std::string hint;          // the name in double quotes, with a right-click reminder on some
  bool hintOnRest = false;   // the hint shows when the mouse rests on the slot
  SlotState state = SlotState::Locked;
};

// What the screen shows for a tree and a group.
struct AbilitySelectionView {
  std::string title;
  std::string groupCaption;
  std::array<std::string, kAbilityGroups> tabCaptions;
  std::array<AbilitySlotView, kAbilitySlots> slots;
};

// The view of group 1..3 of a tree from SkillOwned or AbilityOwned; group 1 for another group.
AbilitySelectionView BuildAbilitySelectionView(rules::AbilityChoice tree, int group);

// What a left click on `slot` does, with or without a choice open.
SlotClick LeftClickOn(const AbilitySlotView& slot, bool choiceOpen);

// The picture of group tab g (1..3) of a tree: on for the current group, over under the mouse,
// off otherwise.
std::string GroupTabPicture(rules::AbilityChoice tree, int g, bool current, bool lit);

class AbilitySelectionScreen : public platform::Form {
 public:
  AbilitySelectionScreen();

  // After a promotion: group 1 of `tree`, learning one ability closes the screen. Modal. Closing
  // it lets the level's choice go for good, so only a click on Close does: Escape does nothing.
  void ChooseNewAbility(rules::AbilityChoice tree);
  // From the personal status: group 1 of `tree`, every click describes; Escape closes. Modal.
  void BrowseAbilities(rules::AbilityChoice tree);

  // Fills the screen with group `group` (1..3) of `tree`; another group changes nothing.
  void ShowGroup(rules::AbilityChoice tree, int group);
  // The compatibility labels: the switch and the slots' texts, shown in compatibility mode only.
  void UpdateSelectAbilityCompatibilityLabels();

  void OnGroupClick(int g);
  void OnSlotMouseDown(int k, platform::MouseButton button);
  void OnCloseClick();
  void OnCompatibilitySwitchClick();

  rules::AbilityChoice Tree() const { return tree_; }
  int Group() const { return group_; }
  // The lit element: 0 none, 1..3 the group tabs, 4..13 slots 1..10.
  int HoverIndex() const { return hover_; }

 private:
  void Open(rules::AbilityChoice tree, bool choiceOpen, int height);
  // Asks about slot k and, on "yes", learns it and closes.
  void TryLearn(int k);

  rules::AbilityChoice tree_ = rules::AbilityChoice::Skill;
  int group_ = 1;
  bool choiceOpen_ = false;
  int hover_ = 0;
  AbilitySelectionView view_;

  platform::Shape& face_ = Get<platform::Shape>("Face");
  platform::Label& title_ = Get<platform::Label>("Title");
  platform::Label& groupCaption_ = Get<platform::Label>("GroupCaption");
  std::vector<platform::Label*> tabCaptions_ = GetNumbered<platform::Label>("GroupLabel", kAbilityGroups);
  std::vector<platform::Image*> tabs_ = GetNumbered<platform::Image>("GroupTab", kAbilityGroups);
  std::vector<platform::Image*> slots_ = GetNumbered<platform::Image>("Slot", kAbilitySlots);
  std::vector<platform::Label*> slotTexts_ = GetNumbered<platform::Label>("SlotText", kAbilitySlots);
  platform::Label& compatibilitySwitch_ = Get<platform::Label>("CompatibilitySwitch");
  platform::Image& closeButton_ = Get<platform::Image>("CloseButton");
  PictureButtons elements_;  // the three tabs, then the ten slots
  PictureButtons close_;
  ScreenUi rules_;
};

}  // namespace screens
