// The personal status screen.
#include "screens/career/personal_status.h"

#include "audio/sound.h"
#include "rules/tutorial.h"
#include "state/factions.h"
#include "screens/shared/doors.h"
#include "screens/shared/game_forms.h"
#include "state/fields.h"
#include "state/format.h"
#include "state/progression.h"
#include "state/ship_class_of.h"
#include "state/ship_classes.h"
#include "state/variables.h"

namespace screens {

using platform::Image;
using platform::Sender;
using rules::AbilityChoice;

namespace {

// Beyond this many units the paragraph no longer gives the number.
constexpr std::int32_t kTradedUnitsShown = 100000000;

std::string Number(std::int32_t value) { return std::to_string(value); }


std::string FactionName(faction_text::Field entry) {
  const Faction faction{state::PlayerData[player::kFaction]};
  return state::IsPower(faction) ? state::FactionText[state::Stored(faction)][entry]
                                 : std::string();
}

std::string Picture(int k, bool lit) {
  return "PersonalStatusScreen_" + std::to_string(k + 9) + (lit ? "_H.jpg" : ".jpg");
}

}  // namespace

std::string ShipClassDescription(state::ShipClassId shipClass) {
  const bool military = state::GetShipClassRole(shipClass) == state::kRoleMilitary;
  std::string word;
  switch (state::GetShipClassSize(shipClass)) {
    case state::kSizeFighter: word = "fighter"; break;
    case state::kSizeCorvette: word = "corvette"; break;
    case state::kSizeDestroyer: word = military ? "destroyer" : "transporter"; break;
    case state::kSizeCruiser: word = military ? "cruiser" : "large freighter"; break;
    case state::kSizeBattleship: word = "battleship"; break;
    default: break;
  }
  return state::GetShipClassName(shipClass) + "-class " + word;
}

std::string BuildCareerSummary() {
  const state::TPlayerRow& p = state::PlayerData;
  const std::string title =
      state::GetRankTitle(Faction{p[player::kFaction]}, Rank{p[player::kRank]});
  std::string text = "During your career you were known as \"" + title + " " +
                     state::NameInText(state::PlayerName) + "\". You successfully completed " +
                     Number(p[player::kMissionsCompleted]) + " missions.";
  text += "You´ve been able to destroy " + Number(p[player::kFightersDestroyed]) + " fighter(s), " +
          Number(p[player::kCorvettesDestroyed]) + " corvette(s), " +
          Number(p[player::kDestroyersDestroyed]) + " destroyer(s), " +
          Number(p[player::kCruisersDestroyed]) + " cruiser(s), " +
          Number(p[player::kBattleshipsDestroyed]) + " battleship(s), " +
          Number(p[player::kCiviliansDestroyed]) + " freighter (s).";
  if (p[player::kGoodsSold] <= kTradedUnitsShown)
    text += " Within all this time you´ve traded " + Number(p[player::kGoodsSold]) + " unit(s) of cargo.";
  else
    text += " Within all this time you´ve traded more than 100 million units of cargo.";
  text += " Due to your help the " + FactionName(faction_text::kShortName) +
          " could successfully complete " + Number(p[player::kAttacksWon]) +
          " invasion operation(s) and fight back " + Number(p[player::kDefencesWon]) +
          " invasion(s) in federated space.";
  return text;
}

PersonalStatusView BuildPersonalStatusView() {
  const state::TPlayerRow& p = state::PlayerData;
  PersonalStatusView view;
  view.rankAndName =
      state::GetRankTitleShort(Faction{p[player::kFaction]}, Rank{p[player::kRank]}) + " " +
      state::PlayerName;
  view.faction = FactionName(faction_text::kLongName);
  view.credits = state::FormatThousands(p[player::kCredits]);
  view.portrait = state::GetHeroPortraitFile();
  view.lives = Number(p[player::kLifePoints]) + " \"lives\" left";
  view.ship = ShipClassDescription(state::ShipClassOf(state::PlayerShip));
  view.criminalStatus = p[player::kCriminalDays] == 0
                            ? "No criminal flag"
                            : "Criminal flag (" + Number(p[player::kCriminalDays]) + " turns)";
  view.career = BuildCareerSummary();
  return view;
}

PersonalStatusScreen::PersonalStatusScreen()
    : Form("PersonalStatus"),
      buttons_({{Get<Image>("CombatSkillsButton"), Picture(kCombatSkillsButton, false), Picture(kCombatSkillsButton, true)},
                {Get<Image>("SkillsButton"), Picture(kSkillsButton, false), Picture(kSkillsButton, true)},
                {Get<Image>("BackButton"), Picture(kPersonalStatusBackButton, false), Picture(kPersonalStatusBackButton, true)}}) {
  Bind("OnCombatSkillsClick", &PersonalStatusScreen::OnCombatSkillsClick);
  Bind("OnSkillsClick", &PersonalStatusScreen::OnSkillsClick);
  Bind("OnBackClick", &PersonalStatusScreen::OnBackClick);
  Bind("OnCombatSkillsHover", [this](Sender) { buttons_.Hover(kCombatSkillsButton); });
  Bind("OnSkillsHover", [this](Sender) { buttons_.Hover(kSkillsButton); });
  Bind("OnBackHover", [this](Sender) { buttons_.Hover(kPersonalStatusBackButton); });
  Bind("OnFaceHover", [this](Sender) { buttons_.Restore(); });
}

void PersonalStatusScreen::Refresh() {
  const PersonalStatusView view = BuildPersonalStatusView();
  career_.SetCaption(view.career);
  uniform_.ShowPlayerUniform();
  rankAndName_.SetCaption(view.rankAndName);
  faction_.SetCaption(view.faction);
  credits_.SetCaption(view.credits);
  portrait_.LoadPicture(view.portrait);
  lives_.SetCaption(view.lives);
  ship_.SetCaption(view.ship);
  criminalStatus_.SetCaption(view.criminalStatus);
}

void PersonalStatusScreen::OnCombatSkillsClick() {
  audio::PlayButtonSound();
  rules::FollowTutorial(rules_, rules::TutorialEvent::SkillsBrowsed);
  BrowseAbilitiesOnScreen(AbilityChoice::Combat);
}

void PersonalStatusScreen::OnSkillsClick() {
  audio::PlayButtonSound();
  rules::FollowTutorial(rules_, rules::TutorialEvent::SkillsBrowsed);
  BrowseAbilitiesOnScreen(AbilityChoice::Skill);
}

void PersonalStatusScreen::OnBackClick() {
  audio::PlayButtonSound();
  rules::FollowTutorial(rules_, rules::TutorialEvent::PersonalStatusClosed);
  Close();
}

void OpenPersonalStatus() {
  PersonalStatusScreen& personalStatus = GameForm<PersonalStatusScreen>();
  personalStatus.Refresh();
  personalStatus.ShowModal();
}

}  // namespace screens
