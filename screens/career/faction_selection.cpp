#include "screens/career/faction_selection.h"

#include "audio/sound.h"
#include "rules/tutorial.h"
#include "screens/career/game_options.h"
#include "screens/shared/doors.h"
#include "screens/shared/game_forms.h"
#include "screens/tutorial/tutorial.h"
#include "state/factions.h"
#include "state/fields.h"
#include "state/variables.h"

namespace screens {

using platform::Image;
using platform::Label;
using platform::Sender;

namespace {

// By faction 1..4.
const FactionInfo kFactions[] = {
    {"Federation",
     "The Federation is a very powerful faction with a good chance of winning the war. This is a "
     "good choice for traders, mercenaries and bounty hunters.",
     {"\"That this nation, under God, shall have a new birth of freedom - and that government of "
      "the people, by the people, for the people, shall not perish from the earth.\"",
      "Abraham Lincoln, Gettysburg Address, 1863",
      "\"United we stand, divided we fall.\"",
      "John Dickinson",
      "For centuries, the Federation has guaranteed peace and order for mankind. Its fleets kept "
      "the trade lanes safe and its laws reached every colony. But the frontier worlds have grown "
      "proud and restless, and now rebels rise at every edge of the empire.",
      "We will not allow a single system to secede. Divided, the worlds of man would fall to "
      "pirates and warlords one by one. But so long as we stand united, our name will go "
      "unchallenged!",
      "The Federation Fleet under its famed admiral stands ready to meet the Outer Rim Alliance, "
      "the Coalition and the Syndicate."},
     {{{9, 22, 57, 423}, {104, 61, 16, 321}, {9, 90, 33, 423}, {112, 116, 16, 313},
       {9, 181, 138, 423}, {9, 323, 60, 423}, {9, 389, 60, 423}}}},
    {"Outer Rim Alliance",
     "As the strongest faction in the rebellion, the Outer Rim Alliance stands a chance to defend "
     "itself. Suitable for all professions.",
     {"\"We hold these truths to be self-evident, that all men are created equal, that they are "
      "endowed by their Creator with certain unalienable Rights, that among these are Life, "
      "Liberty and the pursuit of Happiness.\"",
      "Declaration of Independence of 1776",
      "\"The time for compromise has passed.\"",
      "Frontier assembly, 2871",
      "The Federation claims to be a peaceful ruler. Yet its taxes bleed our worlds dry and its "
      "governors answer to no one out here. We have a right to be free; we must be free. ",
      "It is time to take our future into our own hands. We have petitioned, we have pleaded, and "
      "we have been ignored. Give us liberty, or give us death!",
      "We are few in numbers but grand in heart. Should the Federation dare attack us, we will "
      "make it pay dearly for every single planet. Our battle cry is freedom and our weapon is "
      "valor. We shall not fall!"},
     {{{6, 22, 55, 423}, {120, 72, 16, 305}, {6, 98, 33, 423}, {112, 130, 16, 313},
       {9, 181, 108, 423}, {9, 295, 80, 423}, {9, 366, 89, 423}}}},
    {"Coalition",
     "The Coalition provides a great opportunity for every trader, but it might be difficult to "
     "survive long enough to take use of your riches. Suitable for experienced traders.",
     {"\"It takes twenty years or more of peace to make a man; it takes only twenty seconds of "
      "war to destroy him.\"",
      "Baudouin I, on the Second World War",
      "\"Business is the art of extracting money from another man's pocket without resorting to "
      "violence.\"",
      "Max Amsterdam",
      "We are businessmen. We have no quarrel with the Federation nor with its rebels, and we "
      "trade with both. Neutrality is expensive, but our credits pay for the luxury of freedom",
      "We take pride in having the largest fleet of freighters in the galaxy. Wars come and go, "
      "but trade endures: while others perish, we shall prosper!",
      " "},
     {{{9, 22, 57, 423}, {120, 60, 16, 305}, {9, 85, 33, 423}, {112, 116, 16, 313},
       {9, 181, 126, 423}, {9, 295, 80, 423}, {9, 381, 60, 423}}}},
    {"Syndicate",
     "The Syndicate's unique technology and its large network of hideouts throughout the galaxy "
     "make it the ideal home for illegal traders and pirates.",
     {"\"I shall dictate the terms of peace in the White House itself.\"",
      "Isoroku Yamamoto, Imperial Japanese Navy",
      "\"The dance of battle always ends in stillness.\"",
      "Sun Tzu",
      "For as long as we can remember, we have lived in the shadows of the Federation: a secret "
      "society of smugglers, outcasts and free spirits.",
      "Now the war has given us the chance to carve out our own part of the galaxy. Fortune seems "
      "to favour our cause. Strangers from beyond the rim have become our allies, and with them "
      "we will build an empire that will last for ten thousand years!",
      "With the new alien technologies at our disposal, we are a threat to be considered."},
     {{{9, 22, 60, 423}, {120, 85, 16, 305}, {9, 110, 33, 423}, {112, 143, 16, 313},
       {9, 181, 82, 423}, {9, 269, 106, 423}, {9, 365, 60, 423}}}},
};

}  // namespace

const FactionInfo* FactionInfoFor(Faction faction) {
  if (!state::IsPower(faction)) return nullptr;
  return &kFactions[state::Stored(faction) - 1];
}

FactionSelectionScreen::FactionSelectionScreen()
    : Form("FactionSelection"),
      continue_({{Get<Image>("ContinueButton"), "RaceSelectionScreen_14.jpg", "RaceSelectionScreenON_14.jpg"}}),
      panelTexts_{&Get<Label>("FirstQuote"),     &Get<Label>("FirstQuoteSource"),
                  &Get<Label>("SecondQuote"),    &Get<Label>("SecondQuoteSource"),
                  &Get<Label>("FirstParagraph"), &Get<Label>("SecondParagraph"),
                  &Get<Label>("ThirdParagraph")},
      compatibilityLabels_{&Get<Label>("CompatibilitySwitch"), &Get<Label>("FederationText"),
                           &Get<Label>("OuterRimText"), &Get<Label>("CoalitionText"),
                           &Get<Label>("SyndicateText")} {
  Bind("OnFederationClick", [this](Sender) { OnFactionClick(kFactionFederation); });
  Bind("OnOuterRimClick", [this](Sender) { OnFactionClick(kFactionOuterRim); });
  Bind("OnCoalitionClick", [this](Sender) { OnFactionClick(kFactionCoalition); });
  Bind("OnSyndicateClick", [this](Sender) { OnFactionClick(kFactionSyndicate); });
  Bind("OnContinueClick", &FactionSelectionScreen::OnContinueClick);
  Bind("OnCompatibilitySwitchClick", &FactionSelectionScreen::OnCompatibilitySwitchClick);
  Bind("OnContinueHover", [this](Sender) { continue_.Hover(1); });
  Bind("OnFaceHover", [this](Sender) { continue_.Restore(); });
}

void FactionSelectionScreen::ShowFactionInfo(Faction faction) {
  if (const FactionInfo* info = FactionInfoFor(faction)) {
    factionName_.SetCaption(info->name);
    judgement_.SetCaption(info->judgement);
    for (std::size_t i = 0; i < panelTexts_.size(); ++i) {
      Label& label = *panelTexts_[i];
      const LabelPlace& place = info->places[i];
      label.SetCaption(info->texts[i]);
      label.SetLeft(place.left);
      label.SetTop(place.top);
      label.SetHeight(place.height);
      label.SetWidth(place.width);
    }
  }
  UpdateSelectRaceCompatibilityLabels();
}

void FactionSelectionScreen::UpdateSelectRaceCompatibilityLabels() {
  for (Label* label : compatibilityLabels_) label->SetVisible(state::CompatibilityMode == 1);
}

void FactionSelectionScreen::OnFactionClick(Faction faction) {
  audio::PlayButtonSound();
  state::PlayerData[player::kFaction] = state::Stored(faction);
  ShowFactionInfo(faction);
}

void FactionSelectionScreen::OnContinueClick() {
  audio::PlayButtonSound();
  state::PlayerData[player::kPortrait] = 0;
  FollowTutorial(rules::TutorialEvent::FactionChosen);
  Close();
}

void FactionSelectionScreen::OnCompatibilitySwitchClick() {
  // The faction screen asks without a closing question.
  SwitchCompatibilityMode(
      "This game offers a compatibility mode for the blind and visually impaired. It will add "
      "additional text and help to the interface. Not recommended for the general user.");
  GameForm<GameOptionsScreen>().RefreshGameOptionsScreen();
}

}  // namespace screens
