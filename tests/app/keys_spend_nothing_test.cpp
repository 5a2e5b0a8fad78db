// Enter and Escape never spend game days, credits or the game: every control a key presses, on
// every form, is listed here with what its click does, and each one is free. The planet's "Back to
// space" and the pirate hideout's Close (a day each) and the questions' "Yes" take a click.
#include <set>
#include <string>
#include <tuple>

#include "app/forms.h"
#include "screens/form_test_fixture.h"

namespace screens_test {
namespace {

struct KeyedControl {
  std::string form;
  std::string key;  // "Enter" (default) or "Escape" (cancel)
  std::string control;
  auto operator<=>(const KeyedControl&) const = default;
};

TEST_F(GameFormsTest, EveryControlAKeyPressesLeavesOrContinuesForFree) {
  const std::set<KeyedControl> free = {
      // Continue, on the popups with one button and the pages of the retirement and a promotion.
      {"PicturePopup", "Enter", "ContinueButton"},      {"PicturePopup", "Escape", "ContinueButton"},
      {"TextPopup", "Enter", "ContinueButton"},         {"TextPopup", "Escape", "ContinueButton"},
      {"EncounterPopup", "Enter", "ContinueButton"},    {"EncounterPopup", "Escape", "ContinueButton"},
      {"FamePopup", "Enter", "ContinueButton"},         {"FamePopup", "Escape", "ContinueButton"},
      {"RewardPopup", "Enter", "ContinueButton"},       {"RewardPopup", "Escape", "ContinueButton"},
      {"NoticePopup", "Enter", "ContinueButton"},       {"NoticePopup", "Escape", "ContinueButton"},
      {"RetirementSummary", "Enter", "ContinueButton"}, {"RetirementSummary", "Escape", "ContinueButton"},
      {"CareerLadder", "Enter", "ContinueButton"},      {"CareerLadder", "Escape", "ContinueButton"},
      {"Promotion", "Enter", "ContinueLabel"},          {"Promotion", "Escape", "ContinueLabel"},
      // The questions' "No".
      {"YesNoPopup", "Escape", "NoButton"},
      {"ChoicePopup", "Escape", "NoButton"},
      {"QuitGamePopup", "Escape", "NoButton"},
      // The new game's pages, before any game runs.
      {"FactionSelection", "Enter", "ContinueHit"},
      {"NameSelection", "Enter", "ContinueButton"},
      {"ProfessionSelection", "Enter", "ContinueButton"},
      // Screens whose leaving costs nothing.
      {"AbilitySelection", "Escape", "CloseButton"},
      {"Bank", "Escape", "LeaveButton"},
      {"Bar", "Escape", "CloseButton"},
      {"CampaignScreen", "Escape", "CloseButton"},
      {"CheatScreen", "Escape", "Tile8"},
      {"Credits", "Escape", "BackButton"},
      {"CrewHiring", "Escape", "BackButton"},
      {"EquipmentShop", "Escape", "CloseButton"},
      {"Example", "Escape", "BackButton"},
      {"GalaxyMap", "Escape", "CloseButton"},
      {"GameOptions", "Escape", "CloseTile"},
      {"Governor", "Escape", "BackButton"},
      {"HighScore", "Escape", "BackButton"},
      {"MissionBoard", "Escape", "CloseButton"},
      {"PersonalStatus", "Escape", "BackLabel"},
      {"SaveLoad", "Escape", "CloseButton"},
      {"Sensors", "Escape", "BackButton"},
      {"ShipStatus", "Escape", "CloseButton"},
      {"Shipyard", "Escape", "CloseButton"},
      {"SimulatorSetup", "Escape", "BackButton"},
      {"TradeWindow", "Escape", "CloseButton"},
  };
  std::set<KeyedControl> keyed;
  for (const app::FormEntry& e : app::GameForms()) {
    platform::Form* form = platform::App().FindForm(e.name);
    ASSERT_NE(form, nullptr) << e.name;
    for (platform::Control* c : form->AllControls()) {
      if (c->IsDefault()) keyed.insert({e.name, "Enter", c->Name()});
      if (c->IsCancel()) keyed.insert({e.name, "Escape", c->Name()});
    }
  }
  for (const KeyedControl& k : keyed)
    EXPECT_TRUE(free.count(k)) << k.key << " presses " << k.form << "." << k.control
                               << ": is its click free? Then list it here; else take the key away";
  for (const KeyedControl& k : free)
    EXPECT_TRUE(keyed.count(k)) << k.key << " no longer presses " << k.form << "." << k.control;
  for (const char* costly : {"PlanetScreen", "PirateHideout"})
    for (const KeyedControl& k : keyed) EXPECT_NE(k.form, costly) << k.key << " presses " << k.control;
}

}  // namespace
}  // namespace screens_test
