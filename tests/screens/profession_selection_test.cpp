// The profession screen: what each profession shows for each faction, the tiles and logos under
// the mouse, and the start ship's picture.
#include "screens/career/profession_selection.h"

#include "screens/form_test_fixture.h"
#include "screens/popups/popup_forms.h"
#include "screens/shared/game_forms.h"
#include "state/fields.h"

namespace screens_test {
namespace {

using platform::Label;
using screens::TaggedText;
using state::PlayerData;

class ProfessionSelectionTest : public GameFormsTest {
 protected:
  static screens::ProfessionSelectionScreen& screen() {
    return screens::GameForm<screens::ProfessionSelectionScreen>();
  }
};

TEST_F(ProfessionSelectionTest, EachProfessionShowsItsStartSetAndTheShipOfTheFaction) {
  struct Case {
    int profession;
    const char* name;
    TaggedText abilities[3];
    int thirdLeft;
    TaggedText skill;
    TaggedText ships[4];  // by faction 1..4
  };
  const TaggedText orion{"Orion II shuttle", 5}, starwolf{"Starwolf fighter", 1};
  const TaggedText fighters[4] = {{"Avenger fighter", 3}, {"Stargun fighter", 2}, {"Stargun fighter", 2}, {"Sabre fighter", 4}};
  const Case cases[] = {
      {1, "Trader", {{"Taunt,", 10}, {"Flee,", 11}, {"Focused shield", 22}}, 229, {"Trader", 1}, {orion, orion, orion, orion}},
      {2, "Combat Trader", {{"Taunt,", 10}, {"Discipline,", 7}, {"Focused shield", 22}}, 258, {"Trader", 1}, {starwolf, starwolf, starwolf, starwolf}},
      {3, "Mercenary", {{"Taunt,", 10}, {"Discipline,", 7}, {"Focus beam,", 4}}, 259, {"Tracking", 11}, {fighters[0], fighters[1], fighters[2], fighters[3]}},
      {4, "Bounty-hunter", {{"Taunt,", 10}, {"Discipline,", 7}, {"Tractor beam,", 12}}, 259, {"Tracking", 11}, {fighters[0], fighters[1], fighters[2], fighters[3]}},
      {5, "Smuggler", {{"Taunt,", 10}, {"Flee,", 11}, {"Focused shield", 22}}, 229, {"Syndicate", 27}, {starwolf, starwolf, starwolf, starwolf}},
      {6, "Pirates", {{"Flee,", 11}, {"Discipline,", 7}, {"Tractor beam,", 12}}, 250, {"Syndicate", 27}, {starwolf, starwolf, starwolf, starwolf}},
  };
  for (const Case& c : cases) {
    for (int faction = 1; faction <= 4; ++faction) {
      SCOPED_TRACE(std::string(c.name) + " faction " + std::to_string(faction));
      const auto view = screens::BuildProfessionView(Profession{c.profession}, Faction{faction});
      ASSERT_TRUE(view);
      EXPECT_EQ(view->name, c.name);
      for (int i = 0; i < 3; ++i) EXPECT_EQ(view->abilities[i], c.abilities[i]);
      EXPECT_EQ(view->abilityLefts[0], 153);
      EXPECT_EQ(view->abilityLefts[2], c.thirdLeft);
      EXPECT_EQ(view->skill, c.skill);
      EXPECT_EQ(view->ship, c.ships[faction - 1]);
    }
  }
  EXPECT_FALSE(screens::BuildProfessionView(Profession{0}, kFactionFederation));
  EXPECT_FALSE(screens::BuildProfessionView(Profession{7}, kFactionFederation));
  EXPECT_EQ(screens::BuildProfessionView(kProfessionTrader, Faction{5})->ship, TaggedText{})
      << "no ship for an unknown faction";

  // On the screen: a tile click fills the labels; an unknown faction keeps the ship shown before.
  PlayerData[player::kFaction] = 4;
  PlayerData[player::kProfession] = 1;
  screen().Show();
  ClickOn(screen().Get<Label>("ProfessionLabel3"));
  EXPECT_EQ(PlayerData[player::kProfession], 3);
  EXPECT_EQ(screen().Get<Label>("StartShip").Caption(), "Sabre fighter");
  EXPECT_EQ(screen().StartShipClass(), state::kClassSabre);
  EXPECT_EQ(screen().Get<Label>("StartAbility3").Left(), 259);
  EXPECT_EQ(screen().Get<Label>("StartSkill").Tag(), 11);
  EXPECT_EQ(screen().Get<Label>("Description").Caption().rfind("Mercenaries are independent professional combatants working for organizations of your choosing.", 0), 0u);
  PlayerData[player::kFaction] = 0;
  ClickOn(screen().Get<platform::Image>("ProfessionTile1"));
  EXPECT_EQ(screen().Get<Label>("ProfessionName").Caption(), "Trader");
  EXPECT_EQ(screen().StartShipClass(), state::kClassSabre);
  screen().Hide();
}

TEST_F(ProfessionSelectionTest, TilesLightAndTheChosenLogoStaysChosen) {
  PlayerData[player::kFaction] = 1;
  PlayerData[player::kProfession] = 2;
  screen().MarkChosenLogo();
  screen().Show();
  auto picture = [&](const char* image) { return Picture(screen(), image); };
  MoveOnto(screen().Get<platform::Image>("ProfessionLogo5"));
  EXPECT_EQ(screen().HoverIndex(), 5);
  EXPECT_EQ(picture("ProfessionTile5"), "profselscr_19_highlighted.jpg");
  EXPECT_EQ(picture("ProfessionLogo5"), "SmugglerLogoMouseOver.jpg");
  MoveOnto(screen().Get<Label>("ProfessionLabel2"));
  EXPECT_EQ(picture("ProfessionTile5"), "profselscr_19.jpg");
  EXPECT_EQ(picture("ProfessionLogo5"), "SmugglerLogo.jpg");
  EXPECT_EQ(picture("ProfessionLogo2"), "CombatTraderLogoON.jpg") << "the chosen logo shows as chosen";
  MoveOnto(screen().Get<Label>("ContinueLabel"));
  EXPECT_EQ(screen().HoverIndex(), 7);
  EXPECT_EQ(picture("ContinueButton"), "profselscr_23_highlighted.jpg");
  EXPECT_EQ(picture("ProfessionLogo2"), "CombatTraderLogoON.jpg");
  MoveOnto(screen().Get<platform::Image>("LowerFace"), -300);
  EXPECT_EQ(screen().HoverIndex(), 0);
  EXPECT_EQ(picture("ContinueButton"), "profselscr_23.jpg");
  screen().Hide();
}

TEST_F(ProfessionSelectionTest, TheStartShipShowsItsClassPictureInTheFactionsLivery) {
  PlayerData[player::kFaction] = 2;
  PlayerData[player::kProfession] = 3;
  screen().ShowProfessionInfo();
  screen().Show();
  WhenIdle({[&] {
    auto& popup = screens::GameForm<screens::PicturePopup>();
    EXPECT_EQ(popup.Get<Label>("Topic").Caption(), "Stargun");
    EXPECT_EQ(popup.Get<platform::Image>("Picture").PictureName(), "Outerrim_Stargun_Scene.jpg");
    FireClick(popup, "HiddenContinueButton");
  }});
  const auto [x, y] = Reachable(screen().Get<Label>("StartShip"));
  platform::App().MouseMove(x, y);
  platform::App().MouseDown(platform::MouseButton::Right, x, y);
  platform::App().MouseUp(platform::MouseButton::Right, x, y);
  EXPECT_FALSE(StepsLeft());
  screen().Hide();
}

}  // namespace
}  // namespace screens_test
