#include "screens/career/ability_selection.h"

#include "audio/sound.h"
#include "screens/shared/doors.h"
#include "screens/career/game_options.h"
#include "screens/popups/popups.h"
#include "screens/shared/rows.h"
#include "screens/tutorial/tutorial.h"
#include "state/abilities.h"
#include "state/variables.h"

namespace screens {

using platform::Image;
using platform::Label;
using platform::MouseButton;
using platform::Sender;
using rules::AbilityChoice;

namespace {

// One group of a tree: its caption above the slots, its tab's caption and picture word, and the
// ids in slots 1..10.
struct TreeGroup {
  const char* caption;
  const char* tabCaption;
  const char* tabPicture;  // Category_<word>_{off,on,over}_small.jpg
  std::array<std::int32_t, kAbilitySlots> ids;
};

//                                                              slots 1 .. 10
const TreeGroup kSkillGroups[kAbilityGroups] = {
    {"Trade abilities",     "Trade",     "Trade",     { 1,  5,  3,  2,  6,  9,  4,  7, 10,  8}},
    {"Mercenary abilities", "Mercenary", "Mercenary", {11, 13, 14, 12, 18, 16, 19, 17, 15, 20}},
    {"Criminal abilities",  "Criminal",  "Disguise",  {21, 27, 29, 25, 23, 28, 26, 22, 24, 30}},
};
const TreeGroup kCombatGroups[kAbilityGroups] = {
    {"Defense abilities",   "Defense",   "Defense",   {22, 11, 31, 26, 24, 23, 29, 27, 25, 28}},
    {"Attack abilities",    "Attack",    "Attack",    { 4,  7,  5,  8,  6, 12,  9, 21, 20, 34}},
    {"Ambush abilities",    "Ambush",    "Ambush",    {13, 32, 14, 16, 15, 19, 33, 18, 35, 17}},
};

// The slots each slot hangs from: any one of them owned opens it. The first tier hangs from none.
const std::vector<int> kParents[kAbilitySlots] = {
    {}, {}, {1}, {1}, {2}, {2}, {3, 4}, {4, 5}, {5, 6}, {7, 8, 9},
};

const TreeGroup* GroupOf(AbilityChoice tree, int group) {
  if (group < 1 || group > kAbilityGroups) return nullptr;
  const TreeGroup* groups = tree == AbilityChoice::Skill ? kSkillGroups : kCombatGroups;
  return &groups[group - 1];
}

state::TDataRow& OwnedTable(AbilityChoice tree) {
  return tree == AbilityChoice::Skill ? state::SkillOwned : state::AbilityOwned;
}

bool Owned(AbilityChoice tree, std::int32_t id) { return OwnedTable(tree)[id] == 1; }

std::string NameOf(AbilityChoice tree, std::int32_t id) {
  return tree == AbilityChoice::Skill ? state::GetSkillName(Skill{id})
                                      : state::GetAbilityName(state::Ability{id});
}

std::string ImageOf(AbilityChoice tree, std::int32_t id) {
  return tree == AbilityChoice::Skill ? state::GetSkillImage(Skill{id})
                                      : state::GetAbilityImage(state::Ability{id});
}

// The text under a slot in compatibility mode and its hint: the name in double quotes; the first
// two combat slots remind the player of the right click.
std::string SlotHint(AbilityChoice tree, int slot, const std::string& name) {
  std::string hint = "\"" + name + "\"";
  if (tree == AbilityChoice::Combat && slot == 1) hint += " (Right-mouse for info)";
  if (tree == AbilityChoice::Combat && slot == 2) hint += " (RMC for info)";
  return hint;
}

constexpr int kFirstSlotElement = kAbilityGroups + 1;  // slot k is element k + 3
constexpr int kCombatHeight = 528;
constexpr int kTallHeight = 581;

}  // namespace

bool SlotPrerequisitesMet(const std::array<bool, kAbilitySlots>& owned, int slot) {
  if (slot < 1 || slot > kAbilitySlots) return false;
  const std::vector<int>& parents = kParents[slot - 1];
  if (parents.empty()) return true;
  for (int parent : parents)
    if (owned[static_cast<std::size_t>(parent - 1)]) return true;
  return false;
}

std::vector<std::int32_t> AbilityTreeIds(AbilityChoice tree, int group) {
  const TreeGroup* g = GroupOf(tree, group);
  if (g == nullptr) return {};
  return {g->ids.begin(), g->ids.end()};
}

AbilitySelectionView BuildAbilitySelectionView(AbilityChoice tree, int group) {
  const TreeGroup* g = GroupOf(tree, group);
  if (g == nullptr) g = GroupOf(tree, 1);
  AbilitySelectionView view;
  view.title = tree == AbilityChoice::Skill ? "Select non-combat ability:" : "Select combat ability:";
  view.groupCaption = g->caption;
  for (int t = 1; t <= kAbilityGroups; ++t) view.tabCaptions[t - 1] = GroupOf(tree, t)->tabCaption;

  std::array<bool, kAbilitySlots> owned{};
  for (int k = 1; k <= kAbilitySlots; ++k) owned[k - 1] = Owned(tree, g->ids[k - 1]);
  for (int k = 1; k <= kAbilitySlots; ++k) {
    AbilitySlotView& slot = view.slots[k - 1];
    slot.id = g->ids[k - 1];
    slot.name = NameOf(tree, slot.id);
    const std::string base = ImageOf(tree, slot.id);
    slot.picture = base + (owned[k - 1] ? "_on.jpg" : "_off.jpg");
    slot.state = owned[k - 1]                        ? SlotState::Learnt
                 : SlotPrerequisitesMet(owned, k)    ? SlotState::Learnable
                                                     : SlotState::Locked;
    slot.hoverPicture = slot.state == SlotState::Learnable ? base + "_over.jpg" : slot.picture;
    slot.hint = SlotHint(tree, k, slot.name);
    slot.hintOnRest = k <= 6;
  }
  return view;
}

SlotClick LeftClickOn(const AbilitySlotView& slot, bool choiceOpen) {
  if (!choiceOpen) return SlotClick::Describe;
  switch (slot.state) {
    case SlotState::Learnt: return SlotClick::AlreadyLearnt;
    case SlotState::Locked: return SlotClick::Locked;
    case SlotState::Learnable: return SlotClick::Ask;
  }
  return SlotClick::Describe;
}

std::string GroupTabPicture(AbilityChoice tree, int g, bool current, bool lit) {
  const TreeGroup* group = GroupOf(tree, g);
  if (group == nullptr) return {};
  // The current group's tab stays on under the mouse.
  const char* look = current ? "on" : lit ? "over" : "off";
  return std::string("Category_") + group->tabPicture + "_" + look + "_small.jpg";
}

void ShowAbilityInfo(AbilityChoice tree, std::int32_t id) {
  const std::string name = NameOf(tree, id);
  if (name.empty()) return;
  if (tree == AbilityChoice::Combat) {
    const state::Ability ability{id};
    popups::ShowTextWithActionPoints(name, state::GetAbilityDescription(ability),
                                     state::GetAbilityApCost(ability));
  } else {
    popups::ShowText(name, state::GetSkillDescription(Skill{id}));
  }
}

AbilitySelectionScreen::AbilitySelectionScreen()
    : Form("AbilitySelection"),
      elements_(
          [this] {
            std::vector<PictureButton> buttons;
            for (int g = 1; g <= kAbilityGroups; ++g) {
              buttons.emplace_back(*tabs_[g - 1], [this, g](bool lit) {
                return GroupTabPicture(tree_, g, g == group_, lit);
              });
            }
            for (int k = 1; k <= kAbilitySlots; ++k) {
              buttons.emplace_back(*slots_[k - 1], [this, k](bool lit) {
                const AbilitySlotView& slot = view_.slots[k - 1];
                return lit ? slot.hoverPicture : slot.picture;
              });
            }
            return buttons;
          }(),
          LitState::In(hover_)),
      close_({{Get<Image>("CloseButton"), "LevelUpScreenwithButton_46.jpg",
               "LevelUpScreenwithButtonON_46.jpg"}}) {
  Bind("OnGroupClick", [this](Sender s) { OnGroupClick(RowNumber(s.sender)); });
  Bind("OnGroupHover", [this](Sender s) { elements_.Hover(RowNumber(s.sender)); });
  Bind("OnSlotMouseDown", [this](Sender s) { OnSlotMouseDown(RowNumber(s.sender), s.button); });
  Bind("OnSlotHover", [this](Sender s) {
    elements_.Hover(RowNumber(s.sender) + kFirstSlotElement - 1);
  });
  Bind("OnCloseClick", &AbilitySelectionScreen::OnCloseClick);
  Bind("OnCloseHover", [this](Sender) { close_.Hover(1); });
  // The face around the tree puts out whatever is lit.
  Bind("OnFaceHover", [this](Sender) {
    close_.Restore();
    elements_.Restore();
  });
  Bind("OnCompatibilitySwitchClick", &AbilitySelectionScreen::OnCompatibilitySwitchClick);
  ShowGroup(AbilityChoice::Skill, 1);
}

void AbilitySelectionScreen::ShowGroup(AbilityChoice tree, int group) {
  if (group < 1 || group > kAbilityGroups) return;
  tree_ = tree;
  group_ = group;
  view_ = BuildAbilitySelectionView(tree, group);
  title_.SetCaption(view_.title);
  groupCaption_.SetCaption(view_.groupCaption);
  for (int g = 1; g <= kAbilityGroups; ++g) tabCaptions_[g - 1]->SetCaption(view_.tabCaptions[g - 1]);
  for (int k = 1; k <= kAbilitySlots; ++k) {
    const AbilitySlotView& slot = view_.slots[k - 1];
    Image& image = *slots_[k - 1];
    image.SetTag(slot.id);
    image.SetHint(slot.hintOnRest ? slot.hint : std::string());
    slotTexts_[k - 1]->SetCaption(slot.hint);
  }
  elements_.Reload();
  UpdateSelectAbilityCompatibilityLabels();
}

void AbilitySelectionScreen::UpdateSelectAbilityCompatibilityLabels() {
  const bool show = state::CompatibilityMode == 1;
  compatibilitySwitch_.SetVisible(show);
  for (Label* text : slotTexts_) text->SetVisible(show);
}

void AbilitySelectionScreen::Open(AbilityChoice tree, bool choiceOpen, int height) {
  choiceOpen_ = choiceOpen;
  closeButton_.SetCancel(!choiceOpen);
  hover_ = 1;
  close_.RestoreAll();  // Close may have been left lit when the screen last closed
  ShowGroup(tree, 1);
  SetHeight(height);
  face_.SetHeight(height);
  ShowModal();
  choiceOpen_ = false;
}

void AbilitySelectionScreen::ChooseNewAbility(AbilityChoice tree) {
  Open(tree, /*choiceOpen=*/true, tree == AbilityChoice::Combat ? kCombatHeight : kTallHeight);
}

void AbilitySelectionScreen::BrowseAbilities(AbilityChoice tree) {
  // As tall as the choice of the same tree: nothing stands under Close.
  Open(tree, /*choiceOpen=*/false, tree == AbilityChoice::Combat ? kCombatHeight : kTallHeight);
}

void AbilitySelectionScreen::OnGroupClick(int g) {
  audio::PlayButtonSound();
  ShowGroup(tree_, g);
}

void AbilitySelectionScreen::OnSlotMouseDown(int k, MouseButton button) {
  if (k < 1 || k > kAbilitySlots) return;
  const AbilitySlotView& slot = view_.slots[k - 1];
  if (button == MouseButton::Right || LeftClickOn(slot, choiceOpen_) == SlotClick::Describe) {
    audio::PlayButtonSound();
    ShowAbilityInfo(tree_, slot.id);
    return;
  }
  // The top of the tree is announced before anything else is said about it.
  if (k == kAbilitySlots) {
    audio::PlayButtonSound();
    audio::PlayMaximizeSound();
  }
  TryLearn(k);
}

void AbilitySelectionScreen::TryLearn(int k) {
  const AbilitySlotView slot = view_.slots[k - 1];
  switch (LeftClickOn(slot, choiceOpen_)) {
    case SlotClick::AlreadyLearnt:
      audio::PlayButtonSound();
      popups::ShowText("N/A",
                       "You already learned this ability. To get more info about this ability "
                       "please use your mouse to RIGHT-CLICK on the icon.");
      return;
    case SlotClick::Locked:
      audio::PlayButtonSound();
      popups::ShowText("N/A",
                       "You cannot learn this ability yet. You first have to acquire the previous "
                       "skills in the skill tree. To get more info about this ability please use "
                       "your mouse to RIGHT-CLICK on the icon.");
      return;
    case SlotClick::Describe:
      return;
    case SlotClick::Ask:
      break;
  }
  audio::PlayButtonSound();
  audio::PlayMaximizeSound();
  const std::string description = tree_ == AbilityChoice::Skill
                                      ? state::GetSkillDescription(Skill{slot.id})
                                      : state::GetAbilityDescription(state::Ability{slot.id});
  if (!popups::AskYesNo(slot.name, description + " Do you wish to learn this ability?")) return;
  audio::PlayButtonSound();
  OwnedTable(tree_)[slot.id] = 1;
  choiceOpen_ = false;
  Close();
}

void AbilitySelectionScreen::OnCloseClick() {
  audio::PlayButtonSound();
  AdvanceTutorial(tutorial::Step::CloseAbilities, tutorial::Step::ClosePersonalStatus);
  Close();
}

void AbilitySelectionScreen::OnCompatibilitySwitchClick() {
  SwitchCompatibilityMode(kCompatibilityQuestion);
  UpdateSelectAbilityCompatibilityLabels();
}

}  // namespace screens
