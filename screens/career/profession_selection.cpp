#include "screens/career/profession_selection.h"

#include "audio/sound.h"
#include "rules/tutorial.h"
#include "screens/shared/doors.h"
#include "screens/popups/popups.h"
#include "screens/shared/rows.h"
#include "screens/tutorial/tutorial.h"
#include "state/fields.h"
#include "state/professions.h"
#include "state/ship_classes.h"
#include "state/start_ship.h"
#include "state/variables.h"

namespace screens {

using platform::Image;
using platform::Label;
using platform::Sender;

namespace {

struct ProfessionRow {
  const char* tileCaption;
  const char* logoBase;  // <base>Logo.jpg, <base>LogoON.jpg, <base>LogoMouseOver.jpg
  const char* name;
  const char* description;
  TaggedText abilities[3];
  int abilityLefts[3];
  TaggedText skill;
};

// By profession 1..6. Ability ids: 4 Focus beam, 7 Discipline, 10 Taunt, 11 Flee, 12 Tractor
// beam, 22 Focused shield; skill ids: 1 Trader, 11 Tracking, 27 Syndicate.
const ProfessionRow kProfessionRows[kProfessions] = {
    {"Trader", "Trader", "Trader",
     "The Trader is an expert at buying and selling merchandise behind the front lines. You know "
     "where prices are best and the fastest and safest routes to take.",
     {{"Taunt,", 10}, {"Flee,", 11}, {"Focused shield", 22}}, {153, 194, 229}, {"Trader", 1}},
    {"Combat trader", "CombatTrader", "Combat Trader",
     "The Combat Trader is gifted at the risky but profitable business of bringing vital "
     "materials to systems near the front lines. You keep the skills of a trader, and your ship "
     "can withstand a hostile encounter or two.",
     {{"Taunt,", 10}, {"Discipline,", 7}, {"Focused shield", 22}}, {153, 194, 258}, {"Trader", 1}},
    {"Mercenary", "Mercenary", "Mercenary",
     "Mercenaries are independent professional combatants working for organizations of your "
     "choosing. You can fill a wide range of combat roles, but you are very poor at trading.",
     {{"Taunt,", 10}, {"Discipline,", 7}, {"Focus beam,", 4}}, {153, 194, 259}, {"Tracking", 11}},
    {"Bounty-hunter", "BountyHunter", "Bounty-hunter",
     "Bounty hunters are dedicated officers that tracks down and arrests pirates/criminals. You "
     "track criminals over long distances; your work is mostly combat with some light trading.",
     {{"Taunt,", 10}, {"Discipline,", 7}, {"Tractor beam,", 12}}, {153, 194, 259}, {"Tracking", 11}},
    {"Smuggler", "Smuggler", "Smuggler",
     "Smugglers are illegal traders who deal on the black market. You avoid the officials, know "
     "the secret trading posts and hideouts of the pirates, and a skilful risk-taker makes hefty "
     "profits.",
     {{"Taunt,", 10}, {"Flee,", 11}, {"Focused shield", 22}}, {153, 194, 229}, {"Syndicate", 27}},
    {"Pirate", "Pirate", "Pirates",
     "Pirates are specialized combatants fighting for criminal organizations. You will have "
     "access to hidden outposts and laws mean nothing to you as you plunder merchant ships.",
     {{"Flee,", 11}, {"Discipline,", 7}, {"Tractor beam,", 12}}, {153, 186, 250}, {"Syndicate", 27}},
};

std::string TilePicture(int k, bool lit) {
  const int number = k == kProfessions + 1 ? 23 : 14 + k;  // Continue is the seventh tile
  return "profselscr_" + std::to_string(number) + (lit ? "_highlighted.jpg" : ".jpg");
}

}  // namespace

std::optional<ProfessionView> BuildProfessionView(Profession profession, Faction faction) {
  if (!state::IsProfession(profession)) return std::nullopt;
  const ProfessionRow& row = kProfessionRows[state::Stored(profession) - 1];
  ProfessionView view{row.name, row.description, {}, {}, row.skill, {}};
  for (int i = 0; i < 3; ++i) {
    view.abilities[i] = row.abilities[i];
    view.abilityLefts[i] = row.abilityLefts[i];
  }
  view.ship = {std::string(state::StartShipLabel(profession, faction)),
               state::Stored(state::StartShipClass(profession, faction))};
  return view;
}

std::string ProfessionTileCaption(int k) {
  return state::IsProfession(Profession{k}) ? kProfessionRows[k - 1].tileCaption : "";
}

std::string ProfessionLogoPicture(int k, LogoState state) {
  if (!state::IsProfession(Profession{k})) return {};
  const char* suffix = state == LogoState::Chosen ? "LogoON.jpg" : state == LogoState::Hover ? "LogoMouseOver.jpg" : "Logo.jpg";
  return std::string(kProfessionRows[k - 1].logoBase) + suffix;
}

ProfessionSelectionScreen::ProfessionSelectionScreen() : Form("ProfessionSelection") {
  for (int k = 1; k <= kProfessions; ++k) {
    captions_[k - 1]->SetCaption(ProfessionTileCaption(k));
    tiles_[k - 1]->LoadPicture(TilePicture(k, false));
    logos_[k - 1]->LoadPicture(ProfessionLogoPicture(k, LogoState::Normal));
  }
  Bind("OnProfessionClick", [this](Sender s) { OnProfessionClick(s.sender.Tag()); });
  Bind("OnProfessionHover", [this](Sender s) { OnProfessionHover(s.sender.Tag()); });
  Bind("OnContinueHover", [this](Sender) { OnProfessionHover(kProfessions + 1); });
  Bind("OnFaceHover", &ProfessionSelectionScreen::OnFaceHover);
  Bind("OnContinueClick", &ProfessionSelectionScreen::OnContinueClick);
  Bind("OnStartShipMouseDown", &ProfessionSelectionScreen::OnStartShipMouseDown);
  // Any mouse button describes the starting ability or skill under it.
  Bind("OnStartAbilityMouseDown",
       [](Sender s) { OnStartAbilityMouseDown(rules::AbilityChoice::Combat, s); });
  Bind("OnStartSkillMouseDown",
       [](Sender s) { OnStartAbilityMouseDown(rules::AbilityChoice::Skill, s); });
}

void ProfessionSelectionScreen::ShowProfessionInfo() {
  const Faction faction{state::PlayerData[player::kFaction]};
  const Profession profession{state::PlayerData[player::kProfession]};
  const auto view = BuildProfessionView(profession, faction);
  if (!view) return;
  name_.SetCaption(view->name);
  description_.SetCaption(view->description);
  for (int i = 0; i < 3; ++i) {
    abilities_[i]->SetCaption(view->abilities[i].text);
    abilities_[i]->SetTag(view->abilities[i].id);
    abilities_[i]->SetLeft(view->abilityLefts[i]);
  }
  skill_.SetCaption(view->skill.text);
  skill_.SetTag(view->skill.id);
  if (view->ship.id != 0) {
    startShip_.SetCaption(view->ship.text);
    startShip_.SetTag(view->ship.id);
  }
}

void ProfessionSelectionScreen::LoadLogo(int k, LogoState state) {
  if (state::IsProfession(Profession{k}))
    logos_[k - 1]->LoadPicture(ProfessionLogoPicture(k, state));
}

void ProfessionSelectionScreen::LightTile(int k, bool lit) {
  if (k == kProfessions + 1) continue_.LoadPicture(TilePicture(k, lit));
  else if (state::IsProfession(Profession{k})) tiles_[k - 1]->LoadPicture(TilePicture(k, lit));
}

void ProfessionSelectionScreen::MarkChosenLogo() {
  LoadLogo(state::PlayerData[player::kProfession], LogoState::Chosen);
}

void ProfessionSelectionScreen::OnProfessionClick(int k) {
  if (!state::IsProfession(Profession{k})) return;
  audio::PlayButtonSound();
  auto& profession = state::PlayerData[player::kProfession];
  LoadLogo(profession, LogoState::Normal);
  profession = k;
  LoadLogo(k, LogoState::Chosen);
  ShowProfessionInfo();
}

void ProfessionSelectionScreen::OnProfessionHover(int k) {
  const std::int32_t chosen = state::PlayerData[player::kProfession];
  if (hover_ != k) {
    LightTile(hover_, false);
    LightTile(k, true);
    if (hover_ != chosen) LoadLogo(hover_, LogoState::Normal);
    LoadLogo(k, LogoState::Hover);
  }
  if (k == chosen) LoadLogo(k, LogoState::Chosen);
  hover_ = k;
}

void ProfessionSelectionScreen::OnFaceHover() {
  if (hover_ == 0) return;
  const std::int32_t chosen = state::PlayerData[player::kProfession];
  for (int k = 1; k <= kProfessions + 1; ++k) {
    LightTile(k, false);
    if (k != chosen) LoadLogo(k, LogoState::Normal);
  }
  hover_ = 0;
}

void ProfessionSelectionScreen::OnContinueClick() {
  audio::PlayButtonSound();
  constexpr rules::TutorialAction kChoose = rules::TutorialAction::ChooseOtherProfessionThanPirate;
  if (Profession{state::PlayerData[player::kProfession]} != kProfessionPirate &&
      !rules::TutorialAllows(kChoose)) {
    popups::ShowText("Tutorial", rules::TutorialRefusal(kChoose));
    return;
  }
  FollowTutorial(rules::TutorialEvent::ProfessionChosen);
  Close();
}

void ProfessionSelectionScreen::OnStartAbilityMouseDown(rules::AbilityChoice tree, Sender s) {
  audio::PlayButtonSound();
  ShowAbilityInfo(tree, s.sender.Tag());
}

void ProfessionSelectionScreen::OnStartShipMouseDown() {
  audio::PlayButtonSound();
  const state::ShipClassId shipClass{startShip_.Tag()};
  const Faction faction{state::PlayerData[player::kFaction]};
  popups::ShowPicture(state::GetShipClassName(shipClass), state::GetShipClassDescription(shipClass),
                      state::GetShipFactionImage(shipClass, faction) + "_Scene.jpg");
}

}  // namespace screens
