// The faction selection screen: each tile's texts and places, the compatibility labels, Continue.
#include "screens/career/faction_selection.h"

#include "screens/form_test_fixture.h"
#include "screens/legible_labels.h"
#include "screens/popups/popup_forms.h"
#include "screens/shared/game_forms.h"
#include "state/fields.h"

namespace screens_test {
namespace {

using platform::Label;
using state::PlayerData;


class FactionSelectionTest : public GameFormsTest {
 protected:
  static screens::FactionSelectionScreen& screen() {
    return screens::GameForm<screens::FactionSelectionScreen>();
  }
  static const std::string& Caption(const char* label) { return screen().Get<Label>(label).Caption(); }
};

TEST_F(FactionSelectionTest, EachTileShowsItsFactionsTextsAtTheirPlaces) {
  struct Case {
    const char* tile;
    int faction;
    const char* name;
    const char* judgementStart;
    screens::LabelPlace firstQuote, thirdParagraph;
  };
  const Case cases[] = {
      {"FederationTile", 1, "Federation", "The Federation is a very powerful faction", {9, 22, 57, 423}, {9, 389, 60, 423}},
      {"OuterRimTile", 2, "Outer Rim Alliance", "As the strongest faction in the rebellion", {6, 22, 55, 423}, {9, 366, 89, 423}},
      {"CoalitionTile", 3, "Coalition", "The Coalition provides a great opportunity", {9, 22, 57, 423}, {9, 381, 60, 423}},
      {"SyndicateTile", 4, "Syndicate", "The Syndicate", {9, 22, 60, 423}, {9, 365, 60, 423}},
  };
  screen().Show();
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    ClickOn(*screen().Find(c.tile));
    EXPECT_EQ(PlayerData[player::kFaction], c.faction);
    EXPECT_EQ(Caption("FactionName"), c.name);
    EXPECT_EQ(Caption("Judgement").rfind(c.judgementStart, 0), 0u);
    const Label& quote = screen().Get<Label>("FirstQuote");
    EXPECT_EQ((screens::LabelPlace{quote.Left(), quote.Top(), quote.Height(), quote.Width()}), c.firstQuote);
    const Label& third = screen().Get<Label>("ThirdParagraph");
    EXPECT_EQ((screens::LabelPlace{third.Left(), third.Top(), third.Height(), third.Width()}), c.thirdParagraph);
    for (const char* text : {"FirstQuote", "FirstQuoteSource", "SecondQuote", "SecondQuoteSource",
                             "FirstParagraph", "SecondParagraph", "ThirdParagraph"})
      EXPECT_FALSE(Caption(text).empty()) << text;
  }
  EXPECT_EQ(Caption("ThirdParagraph"), "With the new alien technologies at our disposal, we are a threat to be considered.");
  screen().ShowFactionInfo(kFactionOuterRim);
  EXPECT_EQ(Caption("FirstQuoteSource"), "Declaration of Independence of 1776");
  EXPECT_EQ(Caption("ThirdParagraph").rfind("We are few in numbers but grand in heart.", 0), 0u);
  screen().ShowFactionInfo(kFactionCoalition);
  EXPECT_EQ(Caption("ThirdParagraph"), " ") << "the Coalition's third paragraph is a single blank";
  screen().ShowFactionInfo(Faction{9});
  EXPECT_EQ(Caption("FactionName"), "Coalition") << "an unknown faction changes no text";
  EXPECT_EQ(screens::FactionInfoFor(kFactionPirates), nullptr);
  EXPECT_EQ(screens::FactionInfoFor(Faction{5}), nullptr);
  screen().Hide();
}

TEST_F(FactionSelectionTest, TheTextLabelsOverTheTilesShowOnlyInCompatibilityModeAndSelectAsTheTilesDo) {
  state::CompatibilityMode = 0;
  screen().ShowFactionInfo(kFactionFederation);
  screen().Show();
  EXPECT_FALSE(screen().Get<Label>("SyndicateText").Visible());
  EXPECT_FALSE(screen().Get<Label>("CompatibilitySwitch").Visible());
  state::CompatibilityMode = 1;
  screen().ShowFactionInfo(kFactionFederation);
  for (const char* text : {"CompatibilitySwitch", "FederationText", "OuterRimText", "CoalitionText", "SyndicateText"})
    EXPECT_TRUE(screen().Get<Label>(text).Visible()) << text;
  EXPECT_EQ(Caption("CompatibilitySwitch"), "Compatibility mode for the visually impaired (Click to turn off!)");
  ClickOn(screen().Get<Label>("SyndicateText"));
  EXPECT_EQ(PlayerData[player::kFaction], 4);
  EXPECT_EQ(Caption("FactionName"), "Syndicate");
  // Switching off always succeeds, with a notice, and hides the labels again.
  WhenIdle({[&] {
    EXPECT_EQ(screens::GameForm<screens::TextPopup>().Get<Label>("Topic").Caption(),
              "Compatibility mode");
    FireClick(screens::GameForm<screens::TextPopup>(), "HiddenContinueButton");
  }});
  ClickOn(screen().Get<Label>("CompatibilitySwitch"));
  EXPECT_EQ(state::CompatibilityMode, 0);
  EXPECT_FALSE(screen().Get<Label>("FederationText").Visible());
  screen().Hide();
}

// Every text of the mode stands out from its own dark ground by at least 4.5:1 and shows whole;
// the tile's picture still frames the text laid over it.
TEST_F(FactionSelectionTest, TheModesTextsAreLegibleOverTheTiles) {
  state::CompatibilityMode = 1;
  screen().ShowFactionInfo(kFactionFederation);
  for (const char* text : {"CompatibilitySwitch", "FederationText", "OuterRimText", "CoalitionText", "SyndicateText"})
    ExpectLegible(screen().Get<Label>(text));
  for (const auto& [tile, text] : {std::pair{"FederationTile", "FederationText"}, {"OuterRimTile", "OuterRimText"},
                                   {"CoalitionTile", "CoalitionText"}, {"SyndicateTile", "SyndicateText"}}) {
    const platform::Rect t = screen().Find(tile)->ScreenRect(), l = screen().Find(text)->ScreenRect();
    EXPECT_TRUE(l.x > t.x && l.y > t.y && l.x + l.w < t.x + t.w && l.y + l.h < t.y + t.h) << text;
  }
  state::CompatibilityMode = 0;
}

TEST_F(FactionSelectionTest, ContinueKeepsTheFactionAndResetsThePortrait) {
  PlayerData[player::kFaction] = 1;
  PlayerData[player::kPortrait] = 2;
  screen().ShowFactionInfo(kFactionFederation);
  WhenIdle({[&] {
    MoveOnto(screen().Get<Label>("ContinueLabel"));
    EXPECT_EQ(Picture(screen(), "ContinueButton"), "RaceSelectionScreenON_14.jpg");
    MoveOnto(screen().Get<Label>("Judgement"));
    EXPECT_EQ(Picture(screen(), "ContinueButton"), "RaceSelectionScreen_14.jpg");
    ClickOn(screen().Get<Label>("ContinueLabel"));
  }});
  screen().ShowModal();
  EXPECT_FALSE(screen().Visible());
  EXPECT_EQ(PlayerData[player::kFaction], 1);
  EXPECT_EQ(PlayerData[player::kPortrait], 0);
}

}  // namespace
}  // namespace screens_test
