// The ability selection screen: its trees as tables without any form (what opens what, how each
// slot stands, what a left click does), and the real screen driven by scripts: learning one
// ability closes it, "no" learns nothing, the refusals, a right click or browsing only describes,
// the group tabs, hovering and the compatibility texts.
#include "screens/career/ability_selection.h"

#include <filesystem>
#include <functional>
#include <string>
#include <vector>

#include "app/program.h"
#include "platform/script.h"
#include "screens/shared/doors.h"
#include "screens/form_test_fixture.h"
#include "screens/legible_labels.h"
#include "screens/popups/popup_forms.h"
#include "screens/shared/game_forms.h"
#include "state/abilities.h"
#include "state/skills.h"
#include "state/variables.h"

namespace screens_test {
namespace {

using rules::AbilityChoice;
using screens::SlotClick;
using screens::SlotState;

// Slot k's state as one letter of a ten-letter row: o owned, + learnable, - locked.
std::string StateRow(const screens::AbilitySelectionView& view) {
  std::string row;
  for (const screens::AbilitySlotView& slot : view.slots)
    row += slot.state == SlotState::Learnt ? 'o' : slot.state == SlotState::Learnable ? '+' : '-';
  return row;
}

// Owns the ids in the given slots (1..10) of a tree's group, and nothing else of either table.
void OwnSlots(AbilityChoice tree, int group, const std::vector<int>& slots) {
  state::SkillOwned.fill(0);
  state::AbilityOwned.fill(0);
  const std::vector<std::int32_t> ids = screens::AbilityTreeIds(tree, group);
  state::TDataRow& owned = tree == AbilityChoice::Skill ? state::SkillOwned : state::AbilityOwned;
  for (int k : slots) owned[ids[k - 1]] = 1;
}

TEST(AbilityTree, OpensASlotOnceOneOfTheSlotsItHangsFromIsOwned) {
  struct Case {
    std::vector<int> owned;  // slots
    const char* learnable;   // slots 1..10, x where SlotPrerequisitesMet
  };
  const Case cases[] = {
      {{}, "xx........"},
      {{1}, "xxxx......"},
      {{2}, "xx..xx...."},
      {{4}, "xx....xx.."},  // slot 8 from slot 4
      {{5}, "xx.....xx."},  // slot 8 from slot 5
      {{3}, "xx....x..."},
      {{6}, "xx......x."},
      {{7}, "xx.......x"},
      {{8}, "xx.......x"},
      {{9}, "xx.......x"},
      // Whether a slot itself is owned does not count: slot 10 alone opens nothing below it.
      {{10}, "xx........"},
  };
  for (const Case& c : cases) {
    std::array<bool, screens::kAbilitySlots> owned{};
    for (int k : c.owned) owned[k - 1] = true;
    std::string row;
    for (int k = 1; k <= screens::kAbilitySlots; ++k)
      row += screens::SlotPrerequisitesMet(owned, k) ? 'x' : '.';
    EXPECT_EQ(row, c.learnable) << "owned slot " << (c.owned.empty() ? 0 : c.owned[0]);
  }
  const std::array<bool, screens::kAbilitySlots> all{true, true, true, true, true,
                                                     true, true, true, true, true};
  EXPECT_FALSE(screens::SlotPrerequisitesMet(all, 0));
  EXPECT_FALSE(screens::SlotPrerequisitesMet(all, 11));
}

TEST(AbilityTree, SixGroupsHoldTheirAbilitiesByName) {
  struct Case {
    AbilityChoice tree;
    int group;
    const char* caption;
    std::vector<std::string> names;  // slots 1..10
  };
  const Case cases[] = {
      {AbilityChoice::Skill, 1, "Trade abilities",
       {"Trader", "Connections", "Cargo manager", "Advanced Trader", "Advanced connections",
        "Criminalistics", "Advanced cargo manager", "Tycoon", "Advanced criminalistics",
        "Advanced Tycoon"}},
      {AbilityChoice::Skill, 2, "Mercenary abilities",
       {"Tracking", "Bounty hunter", "Combat patrol", "Advanced tracking", "Fast recharge",
        "Rewards", "Rumors", "Advanced rewards", "Deep space patrol", "Legendary"}},
      {AbilityChoice::Skill, 3, "Criminal abilities",
       {"Disguise", "Syndicate", "Clean record", "Spy", "Street rules", "Hacker", "Traitor",
        "Advanced disguise", "Advanced street rules", "Amnesty"}},
      {AbilityChoice::Combat, 1, "Defense abilities",
       {"Focused shield", "Flee", "SOS buoy", "Evading", "Reflection shield", "Focused shield II",
        "Calmness", "Shield boost", "Reflection shield II", "Sacrifice"}},
      {AbilityChoice::Combat, 2, "Attack abilities",
       {"Focus beam", "Discipline", "Overload gun", "Manouvers", "Target lock", "Tractor beam",
        "Double speed", "EMP resistance", "Mark", "Focus beam II"}},
      {AbilityChoice::Combat, 3, "Ambush abilities",
       {"Evil taunt", "Radio jammer", "Cloak", "EMP", "Exploit", "Disturb", "EMP II", "Recharge",
        "Disturb II", "Exploit II"}},
  };
  for (const Case& c : cases) {
    const screens::AbilitySelectionView view = screens::BuildAbilitySelectionView(c.tree, c.group);
    EXPECT_EQ(view.groupCaption, c.caption);
    for (int k = 1; k <= screens::kAbilitySlots; ++k)
      EXPECT_EQ(view.slots[k - 1].name, c.names[k - 1]) << c.caption << " slot " << k;
  }
  EXPECT_TRUE(screens::AbilityTreeIds(AbilityChoice::Combat, 0).empty());
  EXPECT_TRUE(screens::AbilityTreeIds(AbilityChoice::Skill, 4).empty());
  // The combat abilities every ship has, and those no player learns, stand in no tree.
  for (int g = 1; g <= screens::kAbilityGroups; ++g) {
    for (std::int32_t id : screens::AbilityTreeIds(AbilityChoice::Combat, g)) {
      for (std::int32_t never : {1, 2, 3, 10, 30, 36, 37}) EXPECT_NE(id, never);
    }
  }
}

TEST(AbilitySelectionView, ShowsEachSlotLearntLearnableOrLocked) {
  struct Case {
    AbilityChoice tree;
    int group;
    std::vector<int> owned;  // slots
    const char* states;
  };
  const Case cases[] = {
      {AbilityChoice::Skill, 1, {}, "++--------"},
      {AbilityChoice::Combat, 1, {1}, "o+++------"},
      {AbilityChoice::Combat, 2, {2, 5}, "+o--o+-++-"},
      {AbilityChoice::Skill, 3, {4}, "++-o--++--"},
      {AbilityChoice::Combat, 3, {9}, "++------o+"},
      // A slot owned without what leads to it (a start ability) still counts as learnt.
      {AbilityChoice::Skill, 2, {7}, "++----o--+"},
      {AbilityChoice::Combat, 1, {1, 2, 3, 4, 5, 6, 7, 8, 9, 10}, "oooooooooo"},
  };
  for (const Case& c : cases) {
    OwnSlots(c.tree, c.group, c.owned);
    const screens::AbilitySelectionView view = screens::BuildAbilitySelectionView(c.tree, c.group);
    EXPECT_EQ(StateRow(view), c.states) << "group " << c.group;
  }
}

TEST(AbilitySelectionView, PicturesHintsAndTitlesFollowTheTree) {
  OwnSlots(AbilityChoice::Combat, 1, {1});
  const screens::AbilitySelectionView combat = screens::BuildAbilitySelectionView(AbilityChoice::Combat, 1);
  EXPECT_EQ(combat.title, "Select combat ability:");
  EXPECT_EQ(combat.tabCaptions, (std::array<std::string, 3>{"Defense", "Attack", "Ambush"}));
  // Owned: on, and no over picture; learnable: off, over under the mouse; locked: off both ways.
  const std::string shield = state::GetAbilityImage(state::kFocusedShield), flee = state::GetAbilityImage(state::kFlee);
  const std::string buoy = state::GetAbilityImage(state::kSosBuoy), calm = state::GetAbilityImage(state::kCalmness);
  EXPECT_EQ(combat.slots[0].picture, shield + "_on.jpg");
  EXPECT_EQ(combat.slots[0].hoverPicture, shield + "_on.jpg");
  EXPECT_EQ(combat.slots[1].picture, flee + "_off.jpg");
  EXPECT_EQ(combat.slots[1].hoverPicture, flee + "_over.jpg");
  EXPECT_EQ(combat.slots[2].hoverPicture, buoy + "_over.jpg");
  EXPECT_EQ(combat.slots[6].picture, calm + "_off.jpg");
  EXPECT_EQ(combat.slots[6].hoverPicture, calm + "_off.jpg");
  EXPECT_EQ(combat.slots[0].hint, "\"Focused shield\" (Right-mouse for info)");
  EXPECT_EQ(combat.slots[1].hint, "\"Flee\" (RMC for info)");
  EXPECT_EQ(combat.slots[2].hint, "\"SOS buoy\"");

  const screens::AbilitySelectionView skills = screens::BuildAbilitySelectionView(AbilityChoice::Skill, 1);
  EXPECT_EQ(skills.title, "Select non-combat ability:");
  EXPECT_EQ(skills.tabCaptions, (std::array<std::string, 3>{"Trade", "Mercenary", "Criminal"}));
  EXPECT_EQ(skills.slots[0].picture, "Skill_Trader_off.jpg");
  EXPECT_EQ(skills.slots[0].hint, "\"Trader\"");
  for (int k = 1; k <= screens::kAbilitySlots; ++k)
    EXPECT_EQ(skills.slots[k - 1].hintOnRest, k <= 6) << "slot " << k;

  EXPECT_EQ(screens::GroupTabPicture(AbilityChoice::Skill, 3, false, false), "Category_Disguise_off_small.jpg");
  EXPECT_EQ(screens::GroupTabPicture(AbilityChoice::Combat, 2, false, true), "Category_Attack_over_small.jpg");
  EXPECT_EQ(screens::GroupTabPicture(AbilityChoice::Combat, 1, true, true), "Category_Defense_on_small.jpg");
}

TEST(AbilitySelectionView, ALeftClickAsksOnlyWhenAChoiceIsOpenAndTheSlotIsLearnable) {
  struct Case {
    SlotState state;
    bool choiceOpen;
    SlotClick click;
  };
  const Case cases[] = {
      {SlotState::Learnable, true, SlotClick::Ask},
      {SlotState::Learnt, true, SlotClick::AlreadyLearnt},
      {SlotState::Locked, true, SlotClick::Locked},
      // No choice left (browsing the trees): every slot only describes.
      {SlotState::Learnable, false, SlotClick::Describe},
      {SlotState::Learnt, false, SlotClick::Describe},
      {SlotState::Locked, false, SlotClick::Describe},
  };
  for (const Case& c : cases) {
    screens::AbilitySlotView slot;
    slot.state = c.state;
    EXPECT_EQ(screens::LeftClickOn(slot, c.choiceOpen), c.click);
  }
}

// ---- the screen ---------------------------------------------------------------------------------

constexpr const char* kAlreadyLearnt =
    "You already learned this ability. To get more info about this ability please use your mouse "
    "to RIGHT-CLICK on the icon.";
constexpr const char* kNotYet =
    "You cannot learn this ability yet. You first have to acquire the previous skills in the skill "
    "tree. To get more info about this ability please use your mouse to RIGHT-CLICK on the icon.";

class AbilitySelectionTest : public GameFormsTest {
 protected:
  void SetUp() override {
    GameFormsTest::SetUp();
    state::ClearGameState();
    state::CompatibilityMode = 0;
  }
  static screens::AbilitySelectionScreen& screen() {
    return screens::GameForm<screens::AbilitySelectionScreen>();
  }

  // Runs `script` while `open` shows the screen; the script's steps act inside it.
  static void RunScript(const std::string& script, const std::function<void()>& open) {
    platform::ScriptRunner runner;
    app::AddGameSteps(runner);
    runner.Load(script, "ability_selection.script");
    const platform::ScriptResult r = runner.Run(open);
    EXPECT_TRUE(r.ok) << r.message;
  }
  static int OwnedCount(const state::TDataRow& table) {
    int n = 0;
    for (std::int32_t v : table) n += v == 1;
    return n;
  }
};

TEST_F(AbilitySelectionTest, LearnsOneAbilityAfterAYesAndCloses) {
  RunScript(R"(
expect AbilitySelection.Title.Caption "Select non-combat ability:"
expect AbilitySelection.GroupCaption.Caption "Trade abilities"
expect AbilitySelection.Height "581"
click AbilitySelection.Slot2
expect YesNoPopup.Topic.Caption "Connections"
answer yes
expect AbilitySelection.Visible false
)", [] { screens::ChooseNewAbilityOnScreen(AbilityChoice::Skill); });
  EXPECT_EQ(state::SkillOwned[state::Stored(kSkillConnections)], 1);
  EXPECT_EQ(OwnedCount(state::SkillOwned), 1);
  EXPECT_EQ(OwnedCount(state::AbilityOwned), 0);
}

TEST_F(AbilitySelectionTest, TheQuestionTellsWhatTheAbilityDoes) {
  std::string text;
  std::vector<std::string> heard;
  WhenIdle({
      [&] { ClickOn(screen().Get<platform::Image>("Slot1")); },
      [&] {
        text = screens::GameForm<screens::YesNoPopup>().Text().Caption();
        heard = sounds.effects;
        ClickOn(screens::GameForm<screens::YesNoPopup>().Get<platform::Label>("YesLabel"));
      },
  });
  screens::ChooseNewAbilityOnScreen(AbilityChoice::Combat);
  EXPECT_EQ(text, state::GetAbilityDescription(state::kFocusedShield) + " Do you wish to learn this ability?");
  EXPECT_EQ(heard, (std::vector<std::string>{"button.wav", "maxi.wav"}));
  EXPECT_EQ(state::AbilityOwned[22], 1);
  EXPECT_EQ(OwnedCount(state::AbilityOwned), 1);
}

TEST_F(AbilitySelectionTest, ANoLearnsNothingAndTheScreenStaysOpen) {
  RunScript(R"(
expect AbilitySelection.GroupLabel1.Caption "Defense"
expect AbilitySelection.GroupLabel3.Caption "Ambush"
click AbilitySelection.GroupLabel2
expect AbilitySelection.GroupCaption.Caption "Attack abilities"
expect AbilitySelection.Slot3.Hint "\"Overload gun\""
expect AbilitySelection.Slot7.Hint ""
click AbilitySelection.Slot1
expect YesNoPopup.Topic.Caption "Focus beam"
answer no
expect AbilitySelection.Visible true
expect AbilitySelection.Height "528"
click AbilitySelection.CloseLabel
expect AbilitySelection.Visible false
)", [] { screens::ChooseNewAbilityOnScreen(AbilityChoice::Combat); });
  EXPECT_EQ(OwnedCount(state::AbilityOwned), 0);
}

TEST_F(AbilitySelectionTest, RefusesALockedSlotAndAnOwnedOneAndLearnsNothing) {
  // Slot 7 of the trade tree (Advanced cargo manager, skill 4) is owned without what leads to it:
  // it is already learnt, the slot beside it is still locked.
  OwnSlots(AbilityChoice::Skill, 1, {7});
  RunScript(std::string(R"(
click AbilitySelection.Slot7
expect TextPopup.Topic.Caption "N/A"
expect TextPopup.Text.Caption ")") + kAlreadyLearnt + R"("
expect TextPopup.ActionPointHeader.Visible false
answer continue
click AbilitySelection.Slot8
expect TextPopup.Topic.Caption "N/A"
expect TextPopup.Text.Caption ")" + kNotYet + R"("
answer continue
click AbilitySelection.Slot3
expect TextPopup.Text.Caption ")" + kNotYet + R"("
answer continue
expect AbilitySelection.Visible true
click AbilitySelection.CloseButton
)", [] { screens::ChooseNewAbilityOnScreen(AbilityChoice::Skill); });
  EXPECT_EQ(OwnedCount(state::SkillOwned), 1);
  EXPECT_EQ(state::SkillOwned[state::Stored(kSkillAdvancedCargoManager)], 1);
}

TEST_F(AbilitySelectionTest, TheTopOfTheTreeIsAnnouncedEvenWhenItIsLocked) {
  std::vector<std::string> heard;
  WhenIdle({
      [&] { ClickOn(screen().Get<platform::Image>("Slot10")); },
      [&] {
        heard = sounds.effects;
        EXPECT_EQ(screens::GameForm<screens::TextPopup>().Text().Caption(), kNotYet);
        ClickOn(screens::GameForm<screens::TextPopup>().Get<platform::Label>("ContinueLabel"));
      },
      [&] { ClickOn(screen().Get<platform::Image>("CloseButton")); },
  });
  screens::ChooseNewAbilityOnScreen(AbilityChoice::Skill);
  EXPECT_EQ(heard, (std::vector<std::string>{"button.wav", "maxi.wav", "button.wav"}));
}

TEST_F(AbilitySelectionTest, ARightClickOnlyDescribesWithTheCostOfACombatAbility) {
  const std::string cost = std::to_string(state::GetAbilityApCost(state::kFlee));
  RunScript(R"(
rightclick AbilitySelection.Slot2
expect TextPopup.Topic.Caption "Flee"
expect TextPopup.ActionPointHeader.Caption "Action-Points required:"
expect TextPopup.ActionPointHeader.Visible true
expect TextPopup.ActionPoints.Caption ")" + cost + R"("
answer continue
expect TextPopup.ActionPointHeader.Visible false
rightclick AbilitySelection.Slot10
expect TextPopup.Topic.Caption "Sacrifice"
answer continue
expect AbilitySelection.Visible true
click AbilitySelection.CloseLabel
)", [] { screens::ChooseNewAbilityOnScreen(AbilityChoice::Combat); });
  EXPECT_EQ(OwnedCount(state::AbilityOwned), 0);
}

TEST_F(AbilitySelectionTest, BrowsingDescribesEveryClickAndLearnsNothing) {
  RunScript(R"(
expect AbilitySelection.Height "581"
click AbilitySelection.Slot1
expect TextPopup.Topic.Caption "Trader"
expect TextPopup.ActionPointHeader.Visible false
answer continue
click AbilitySelection.GroupTab3
expect AbilitySelection.GroupLabel3.Caption "Criminal"
click AbilitySelection.Slot10
expect TextPopup.Topic.Caption "Amnesty"
answer continue
click AbilitySelection.CloseLabel
)", [] { screens::BrowseAbilitiesOnScreen(AbilityChoice::Skill); });
  EXPECT_EQ(OwnedCount(state::SkillOwned), 0);
  // A choice after browsing is a choice again.
  RunScript(R"(
click AbilitySelection.Slot1
answer yes
)", [] { screens::ChooseNewAbilityOnScreen(AbilityChoice::Skill); });
  EXPECT_EQ(state::SkillOwned[state::Stored(kSkillTrader)], 1);
  // The combat tree is browsed as tall as it is chosen from.
  RunScript(R"(
expect AbilitySelection.Height "528"
click AbilitySelection.CloseLabel
)", [] { screens::BrowseAbilitiesOnScreen(AbilityChoice::Combat); });
}

// After a promotion Escape and Enter do nothing: closing would lose the level's choice for good, so
// only a click on Close closes. Browsing from the personal status loses nothing, and Escape closes
// it. Each mode keys the screen its own way whatever the one before it did.
TEST_F(AbilitySelectionTest, KeysCloseTheBrowsingButNeverAChoice) {
  struct Case {
    const char* what;
    std::function<void()> open;
    const char* script;
  };
  const char* const kKeysDoNothing = R"(
key Escape
expect AbilitySelection.Visible true
key Enter
expect AbilitySelection.Visible true
click AbilitySelection.CloseLabel
expect AbilitySelection.Visible false
)";
  const char* const kEscapeCloses = R"(
key Enter
expect AbilitySelection.Visible true
key Escape
expect AbilitySelection.Visible false
)";
  const Case cases[] = {
      {"a skill to choose", [] { screens::ChooseNewAbilityOnScreen(AbilityChoice::Skill); }, kKeysDoNothing},
      {"browsing skills", [] { screens::BrowseAbilitiesOnScreen(AbilityChoice::Skill); }, kEscapeCloses},
      {"a combat ability to choose", [] { screens::ChooseNewAbilityOnScreen(AbilityChoice::Combat); }, kKeysDoNothing},
      {"browsing combat abilities", [] { screens::BrowseAbilitiesOnScreen(AbilityChoice::Combat); }, kEscapeCloses},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    RunScript(c.script, c.open);
  }
  EXPECT_EQ(OwnedCount(state::SkillOwned), 0);
  EXPECT_EQ(OwnedCount(state::AbilityOwned), 0);
}

TEST_F(AbilitySelectionTest, TabsShowTheCurrentGroupOnAndLightUnderTheMouse) {
  RunScript(R"(
expect AbilitySelection.GroupTab1.Picture "Category_Defense_on_small.jpg"
expect AbilitySelection.GroupTab2.Picture "Category_Attack_off_small.jpg"
expect AbilitySelection.GroupLabel1.Caption "Defense"
move AbilitySelection.GroupTab3
expect AbilitySelection.GroupTab3.Picture "Category_Ambush_over_small.jpg"
click AbilitySelection.GroupTab3
expect AbilitySelection.GroupTab1.Picture "Category_Defense_off_small.jpg"
expect AbilitySelection.GroupTab3.Picture "Category_Ambush_on_small.jpg"
expect AbilitySelection.GroupCaption.Caption "Ambush abilities"
expect AbilitySelection.Slot1.Tag "13"
move AbilitySelection.Slot1
expect AbilitySelection.GroupTab3.Picture "Category_Ambush_on_small.jpg"
click AbilitySelection.CloseLabel
)", [] { screens::BrowseAbilitiesOnScreen(AbilityChoice::Combat); });
}

TEST_F(AbilitySelectionTest, OnlyALearnableSlotLightsUnderTheMouse) {
  OwnSlots(AbilityChoice::Skill, 1, {});
  const std::string trader = state::GetSkillImage(kSkillTrader),
                    cargo = state::GetSkillImage(kSkillCargoManager);
  WhenIdle({[&] {
    MoveOnto(screen().Get<platform::Image>("Slot3"));
    EXPECT_EQ(Picture(screen(), "Slot3"), cargo + "_off.jpg");
    MoveOnto(screen().Get<platform::Image>("Slot1"));
    EXPECT_EQ(Picture(screen(), "Slot1"), trader + "_over.jpg");
    EXPECT_EQ(screen().HoverIndex(), 4);
    MoveOnto(screen().Get<platform::Shape>("Face"), -170);
    EXPECT_EQ(Picture(screen(), "Slot1"), trader + "_off.jpg");
    EXPECT_EQ(screen().HoverIndex(), 0);
    MoveOnto(screen().Get<platform::Image>("CloseButton"));
    EXPECT_EQ(Picture(screen(), "CloseButton"), "LevelUpScreenwithButtonON_46.jpg");
    ClickOn(screen().Get<platform::Image>("CloseButton"));
  }});
  screens::ChooseNewAbilityOnScreen(AbilityChoice::Skill);
  EXPECT_FALSE(StepsLeft());
}

TEST_F(AbilitySelectionTest, CompatibilityModeWritesTheNamesOverTheSlots) {
  state::CompatibilityMode = 1;
  RunScript(R"S(
expect AbilitySelection.CompatibilitySwitch.Visible true
expect AbilitySelection.SlotText1.Caption "\"Focused shield\" (Right-mouse for info)"
expect AbilitySelection.SlotText10.Visible true
click AbilitySelection.SlotText4
expect TextPopup.Text.Caption ")S" + std::string(kNotYet) + R"("
answer continue
click AbilitySelection.CompatibilitySwitch
expect TextPopup.Topic.Caption "Compatibility mode"
answer continue
expect AbilitySelection.SlotText1.Visible false
expect AbilitySelection.CompatibilitySwitch.Visible false
click AbilitySelection.CloseLabel
)", [] { screens::ChooseNewAbilityOnScreen(AbilityChoice::Combat); });
  EXPECT_EQ(state::CompatibilityMode, 0);
}

// Every name over every slot of both trees shows whole, yellow on a dark ground.
TEST_F(AbilitySelectionTest, EveryTextOfTheModeShowsWholeAndLegible) {
  state::CompatibilityMode = 1;
  for (AbilityChoice tree : {AbilityChoice::Skill, AbilityChoice::Combat}) {
    for (int group = 1; group <= 3; ++group) {
      screen().ShowGroup(tree, group);
      ExpectLegible(screen().Get<platform::Label>("CompatibilitySwitch"));
      for (int k = 1; k <= 10; ++k) {
        platform::Label& text = screen().Get<platform::Label>("SlotText" + std::to_string(k));
        EXPECT_TRUE(text.Visible());
        ExpectLegible(text);
      }
    }
  }
  state::CompatibilityMode = 0;
}

// Both trees as the player sees them, saved where the tests keep their files, to be looked at.
TEST_F(AbilitySelectionTest, ScreenshotsOfBothTrees) {
  OwnSlots(AbilityChoice::Combat, 2, {1, 4});
  state::SkillOwned[state::Stored(kSkillTrader)] = 1;
  const std::string folder = ::testing::TempDir();
  RunScript("click AbilitySelection.GroupTab2\n"
            "move AbilitySelection.Slot7\n"
            "screenshot AbilitySelection \"" + folder + "ability_selection_combat.png\"\n"
            "rightclick AbilitySelection.Slot2\n"
            "screenshot screen \"" + folder + "ability_selection_info.png\"\n"
            "answer continue\n"
            "click AbilitySelection.CloseLabel\n",
            [] { screens::ChooseNewAbilityOnScreen(AbilityChoice::Combat); });
  RunScript("move AbilitySelection.Slot2\n"
            "screenshot AbilitySelection \"" + folder + "ability_selection_skills.png\"\n"
            "click AbilitySelection.CloseLabel\n",
            [] { screens::BrowseAbilitiesOnScreen(AbilityChoice::Skill); });
  state::CompatibilityMode = 1;
  RunScript("screenshot AbilitySelection \"" + folder + "ability_selection_compatibility.png\"\n"
            "click AbilitySelection.CloseLabel\n",
            [] { screens::ChooseNewAbilityOnScreen(AbilityChoice::Skill); });
  EXPECT_TRUE(std::filesystem::exists(folder + "ability_selection_combat.png"));
}

TEST_F(AbilitySelectionTest, AnIdWithoutAnEntryShowsNoDescription) {
  // Any popup opened here would wait for a step that never comes and fail the test.
  WhenIdle({});
  screens::ShowAbilityInfo(AbilityChoice::Combat, 0);
  screens::ShowAbilityInfo(AbilityChoice::Combat, 38);
  screens::ShowAbilityInfo(AbilityChoice::Skill, 31);
  screens::ShowAbilityInfo(AbilityChoice::Skill, -1);
}

TEST_F(AbilitySelectionTest, ThePromotionRulesOpenItThroughTheScreens) {
  screens::ScreenUi ui;
  RunScript(R"(
expect AbilitySelection.Title.Caption "Select combat ability:"
click AbilitySelection.Slot2
answer yes
)", [&] { ui.ChooseNewAbility(AbilityChoice::Combat); });
  EXPECT_EQ(state::AbilityOwned[11], 1);
}

}  // namespace
}  // namespace screens_test
