#include "screens/career/high_score.h"

#include "audio/sound.h"
#include "platform/types.h"
#include "rules/highscores.h"
#include "screens/popups/popups.h"
#include "screens/shared/game_forms.h"
#include "state/factions.h"
#include "state/fields.h"
#include "state/format.h"
#include "state/general_data.h"
#include "state/ranks.h"
#include "state/ship_classes.h"
#include "state/variables.h"

namespace screens {

using platform::Image;
using platform::Sender;

namespace {

constexpr int kRows = rules::kHighscorePlaces;


}  // namespace

std::string HighscoreFactionPicture(Faction faction) {
  static const char* const kLogos[] = {"FederationLogo.jpg", "OuterRimLogo.jpg",
                                       "CoalitionLogo.jpg", "SyndicateLogo.jpg"};
  return state::IsPower(faction) ? kLogos[state::Stored(faction) - 1] : "";
}

std::string HighscoreRankPicture(Faction faction, Rank rank) {
  static const char* const kPrefixes[] = {"Fed_Rank", "OR_Rank", "Coal_Rank", "Synd_Rank"};
  if (!state::IsPower(faction)) return "";
  // The insignia pictures number the titled ranks from 0; one more, 7, stands for any other.
  constexpr int kOtherInsignia = state::Stored(kRankAdmiral) - state::Stored(kRankEnsign) + 1;
  const int insignia = rank >= kRankEnsign && rank <= kRankAdmiral
                           ? state::Stored(rank) - state::Stored(kRankEnsign)
                           : kOtherInsignia;
  return kPrefixes[state::Stored(faction) - 1] + std::to_string(insignia) + ".jpg";
}

HighScoreScreen::HighScoreScreen()
    : Form("HighScore"),
      back_({{Get<Image>("BackButton"), "HighScoresScreen_34.jpg", "HighScoresScreen_34_H.jpg"}}) {
  Bind("OnBackClick", &HighScoreScreen::OnBackClick);
  Bind("OnBackHover", [this](Sender) { back_.Hover(1); });
  Bind("OnFaceHover", [this](Sender) { back_.Restore(); });
}

void HighScoreScreen::ShowHighScoreTable() {
  for (int k = 1; k <= kRows; ++k) {
    const std::size_t i = static_cast<std::size_t>(k - 1);
    state::THighscoreRow& row = state::HighscoreTable[k];
    names_[i]->SetCaption(state::HighscoreNames[k]);
    scores_[i]->SetCaption(state::FormatThousands(row[highscore::kScore]));

    // A faction outside 1..4 leaves the logo and the insignia as they were.
    const Faction faction{row[highscore::kFaction]};
    if (state::IsPower(faction)) {
      factionPictures_[i]->LoadPicture(HighscoreFactionPicture(faction));
      rankPictures_[i]->LoadPicture(HighscoreRankPicture(faction, Rank{row[highscore::kRank]}));
    }

    if (Faction{row[highscore::kShipFaction]} == kFactionPirates)
      row[highscore::kShipFaction] = state::Stored(faction);
    shipPictures_[i]->LoadPicture(
        state::GetShipFactionImage(state::ShipClassId{row[highscore::kShipClass]},
                                   Faction{row[highscore::kShipFaction]}) +
        "_scene.jpg");

    // A row that holds no entry has no faction, rank or ship to picture: its three pictures stay
    // hidden rather than showing a ship that was never flown.
    const bool used = row[highscore::kUsed] == 1;
    for (Image* picture : {factionPictures_[i], rankPictures_[i], shipPictures_[i]})
      picture->SetVisible(used);
  }
}

void HighScoreScreen::WhitenRows() {
  for (int k = 1; k <= kRows; ++k) {
    names_[k - 1]->SetFontColor(platform::colors::White);
    scores_[k - 1]->SetFontColor(platform::colors::White);
  }
}

void HighScoreScreen::MarkRow(int row) {
  if (row < 1 || row > kRows) return;
  names_[row - 1]->SetFontColor(platform::colors::Yellow);
  scores_[row - 1]->SetFontColor(platform::colors::Yellow);
}

void HighScoreScreen::OnBackClick() {
  audio::PlayButtonSound();
  Close();
}

void InsertHighscore(std::int32_t score) {
  GameForm<HighScoreScreen>().WhitenRows();
  const int row = rules::InsertHighscore(score);
  GameForm<HighScoreScreen>().MarkRow(row);
  if (row == 0) return;
  // The new row goes to disk at once, so a crash or a kill at the table does not lose it.
  if (const state::FileResult written = state::WriteGeneralData(); !written.ok)
    popups::ShowText(written.topic, written.text);
}

}  // namespace screens
